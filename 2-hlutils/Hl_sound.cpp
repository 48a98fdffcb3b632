#include "Hl_sound.h"

void dispose_sound(void) {}
