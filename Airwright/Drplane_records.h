// What the simulator's aircraft drawing reads of Airwright: its own flight
// record, 28 bytes of control deflections that the preview moves when
// msc.move_controls is set; the design's propeller cants; still engines;
// and the preview's frame clock (UPDATA).
#pragma once
#include "Hl_types.h"
#include "Init.h"

struct flightstruct {
    float ailn_def_L, ailn_def_R;    // deg
    float elev_def_L, elev_def_R;    // deg
    float rudd_def_now;              // deg
    float flap_ratio;                // 0..1
    float pitch_trim;                // -1..1
};
static_assert(sizeof(flightstruct) == 28, "Airwright's flight record is 7 fields of 4 bytes");
extern flightstruct flt;

// The preview's frame: seconds since the last drawn frame, and the tenth of
// a second (0..9) the navigation lights flash on.
struct preview_clock_state {
    float dt;
    int tenth_count;
};
extern preview_clock_state preview_clock;

// The beacon's brightness, 0..1, by the frame loop's clock.
float pulse(float phase);

inline float drawn_vert_cant(int prop) { return pln[0].vertcant[prop]; }
inline float drawn_side_cant(int prop) { return pln[0].sidecant[prop]; }
inline float drawn_engine_speed(int) { return 0.0f; }
inline float drawn_frame_dt(void) { return preview_clock.dt; }
inline int   drawn_tenth_count(void) { return preview_clock.tenth_count; }
