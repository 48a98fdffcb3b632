#include "Plane.h"

// Runways and pavement are painted with the airports' drawing; until then
// the ground under them is the terrain's.
void plot_pavement(int, int, int, float, int, float, float, float, float) {}
void plot_runway(int, int, int, int, float, float, float, float) {}
