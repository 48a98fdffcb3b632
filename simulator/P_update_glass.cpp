// The moving-map displays: the glass panel's map, the supplementary moving
// map and the supplementary weather radar.
#include "P_update.h"

// Draws nothing until the displays are built.
void update_glass(int) {}
