// The joystick.
#pragma once

void JOY_force(int effect, int a, int b, int c);
void JOY_close(void);
