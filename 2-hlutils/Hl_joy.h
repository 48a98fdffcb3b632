// The joystick: up to two sticks read through the host, four axes, a hat and
// 16 buttons a frame, shaped for flying and the buttons turned into the
// user's assigned actions. Only the simulator reads a stick; the other
// programs keep the empty force-feedback and closing hooks.
#pragma once

const int joy_inputs = 22;              // hat forward, back, left, right; buttons 1-16; two spare
extern int n_button_pressed[joy_inputs];   // this read's input states
extern int o_button_pressed[joy_inputs];   // the read before

// set.joy_device: which of the host's sticks is read.
const int joy_none = -1;
const int joy_first = 15;               // host stick 0
const int joy_second = 16;              // host stick 1

// The inputs of both reads and the last buttons, as at the start of the run.
void clear_joy_run_state(void);

// At start-up: picks the first stick that reads (set.joy_device 15 or 16, else
// -1) and tells the user when there is none.
void JOY_init(void);
// One read: pitch, roll and yaw -1..1, throttle -0.1..1 (clamped to 1). With
// apply 0 the axes come raw (scaled and clamped) and the buttons do nothing;
// otherwise they are shaped by the null zones, the curve and the response
// factors, and the buttons act.
void JOY_get(float* pitch, float* roll, float* yaw, float* throttle, int apply);
// Moves *value toward 0 by null_zone (stopping at 0); returns sign x |value|^1.5.
float JOY_curve(float* value, float null_zone);
// Force feedback; the sticks read here have none.
void JOY_force(int effect, float a, float b, float c);
void JOY_close(void);
