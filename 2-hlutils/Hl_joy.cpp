#include "Hl_joy.h"

// The sticks read here have no force feedback; nothing is held open.
void JOY_force(int, int, int, int) {}
void JOY_close(void) {}
