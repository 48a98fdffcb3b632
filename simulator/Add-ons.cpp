#include "Add-ons.h"

// Each comes with its own drawing; until then the frame calls these and
// nothing shows.
void plot_nrml_hud(void) {}
void plot_cool_hud(void) {}
void do_window_precip(float, float, float, float) {}
