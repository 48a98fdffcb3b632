// The weather the sky tests start from, headless and on the display.
#pragma once
#include "records.h"

// A clear sky (a layer from 1000 to 2000 m with a 100 m soft base for the
// cases that bring clouds), 10 nm reported, the frame-rate governor at 1,
// no lightning flash showing (an odd tenth, the flash long over) and no
// dimming in cloud under way. After the test reset and the constants.
inline void set_sky_test_weather(void)
{
    clear_sky_run_state();
    atm.cloud_type = 1;
    atm.cloud_base = 1000;
    atm.cloud_tops = 2000;
    atm.cloud_thick = 100;
    atm.visibility = 10 * 1852.0f;
    atm.wx_factor = 1;
    mnw.time_elapsed = 100;
    msc.tenth_count = 1;
}
