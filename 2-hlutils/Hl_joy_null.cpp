// The editors read no stick: only the hooks the library's shutdown calls.
#include "Hl_joy.h"

void JOY_force(int, float, float, float) {}
void JOY_close(void) {}
