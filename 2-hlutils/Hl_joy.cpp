#include "Hl_joy.h"

int n_button_pressed[joy_inputs];
int o_button_pressed[joy_inputs];

void JOY_init(void) {}

void JOY_get(float* pitch, float* roll, float* yaw, float* throttle, int)
{
    *pitch = *roll = *yaw = *throttle = 0;
}

float JOY_curve(float* value, float) { return *value; }

// The sticks read here have no force feedback; nothing is held open.
void JOY_force(int, float, float, float) {}
void JOY_close(void) {}
