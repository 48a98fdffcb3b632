// The scenery region. Its loader comes with the world's own work; until then
// the region is the zeroed record and a flat grid at the origin.
#include "Genwrld.h"
#include "Initgen.h"

environmentstruct env;
float planexyz[region_grid_x][region_grid_z][3];
float planenrml[region_grid_x][region_grid_z][3];
float planest[region_grid_x][region_grid_z][2][2][2];
unsigned planetex[region_grid_x][region_grid_z];
int is_water[region_grid_x][region_grid_z];
int city_on_poly[region_grid_x][region_grid_z];
int tree_on_poly[region_grid_x][region_grid_z];
int offp_on_poly[region_grid_x][region_grid_z];
int oilr_on_poly[region_grid_x][region_grid_z];
float city_xyz[region_grid_x][region_grid_z][2][7][3];
float tree_xyz[region_grid_x][region_grid_z][2][4][3];
int apt_inreg[world_apt_max];    // a size other than the header's does not compile
