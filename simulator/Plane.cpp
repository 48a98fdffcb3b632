#include "Plane.h"

void plot_terrain(void) {}
void plot_city_lights(void) {}
void plot_trees(void) {}
void plot_lightning(void) {}
void sort_terrain_cells(void) {}
void tess_quad(int, float, float, float, float, float, float, float, float, float, float, float, float, float,
               float, float, float) {}
