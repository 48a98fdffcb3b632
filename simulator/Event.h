// The simulator's per-frame step and its keyboard commands.
#pragma once

void freeviews_keys(int key);   // arrow keys: turn or move the free views
void function_key(int key);     // F1 to F12 and Backspace, with and without Shift
void yoke_key(int key);         // keypad 5, 2, 8, 4, 6, 1, 3: the yoke by keys

// Once a frame before the flight model, and after each replayed frame: the
// pilot's inputs and the autopilot into control ratios, then the ratios into
// surface deflections (in replay only the deflections, from the recorded ratios).
void update_controls(void);
// The flight reset calls it: the throttle axis's takeover, the vertical
// autopilot's engagement and integrator, the autothrottle's memory and the
// last ground contact back to their start.
void clear_controls_flight_state(void);
