// The flight model's frame: update_flight runs one frame of the user's
// aircraft (controls, air data, engines, traffic, ships, clocks, two
// half-steps of build-up and integration, crash); integ_vx advances the state
// by one half-step from the accelerations the build-up left in flt.
#pragma once

void update_flight(void);   // once a frame from the frame hook, live flight only
void integ_vx(void);        // after each set_a, on msc.dt already halved
