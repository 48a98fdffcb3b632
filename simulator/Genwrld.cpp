// The scenery region. Its loader comes with the world's own work; until then
// the region is the zeroed record and a flat grid at the origin.
#include "Genwrld.h"

environmentstruct env;
float planexyz[region_grid_x][region_grid_z][3];
