// Skycaster's part of the tests' reset: its tables empty, the briefing
// record clear, the phrase numbers at 1, and the constants the text converts with.
#include "Brief.h"
#include "HL_MNW.h"
#include "test_support.h"

#include <cstring>

void reset_program_state(void)
{
    MACIBM_set_constants();
    apt_wrl_max = -1;
    rwy_wrl_max = -1;
    wxr_apt_max = 0;
    for (int s = 0; s < wxr_capacity; s++) {
        clear_station(s);
        wxr_id[s][0] = 0;
        wxr_name[s][0] = 0;
    }
    memset(&bri, 0, sizeof bri);
    for (int k = 0; k < phrase_count; k++) phrase[k] = 1;
    memset(paragraph, 0, sizeof paragraph);
}
