#include "Point.h"

// Lights and the night sky come with their own drawing; until then the
// frame calls these and nothing shows.
void plot_rway_lights(void) {}
void plot_stars(float, float, float, float, float, float, float) {}
