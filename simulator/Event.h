// The simulator's per-frame step and its keyboard commands.
#pragma once

// The frame step's time-step measuring lives for the run: its call counter
// and the time it last measured from. Tests start it afresh through this.
void clear_frame_run_state(void);
// A window or dialog opens: frames stop counting toward the time step, and
// the first frame of the main view after it starts a new measurement, so the
// time spent in the window is not taken for slow frames.
void suspend_frame_timing(void);

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
