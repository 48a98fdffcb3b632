// The simulator's per-frame step and keyboard commands. The flight model and
// the key commands come with their own work; until then a frame does nothing
// more than the library's drawing.
#include "Event.h"
#include "HL_MNW.h"

void APPLICATION_update(void) {}
void APPLICATION_handlekey(char, int) {}
void APPLICATION_setupmenus(void) {}

void freeviews_keys(int) {}
void function_key(int) {}
