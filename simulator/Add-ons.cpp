#include "Add-ons.h"

// Each comes with its own drawing; until then the frame calls these and
// nothing shows.
void plot_clouds(void) {}
void plot_fires(void) {}
void plot_obstacles(void) {}
void bucket_objects(void) {}
void object_contact(void) {}
void ship_contact(void) {}
void draw_a_carr(float, float, float) {}
void draw_a_frig(float, float, float) {}
void draw_a_offp(float, float, float) {}
void draw_a_oilr(float, float, float) {}
void plot_nrml_hud(void) {}
void plot_cool_hud(void) {}
void do_window_precip(float, float, float, float) {}
