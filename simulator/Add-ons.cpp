#include "Add-ons.h"

// Each comes with its own drawing; until then the frame calls these and
// nothing shows.
void plot_clouds(void) {}
void plot_fires(void) {}
