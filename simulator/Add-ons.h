// What the outside view adds to the ground: clouds, fires and smoke, the
// scenery objects, the ships, platforms and oil rigs, the head-up displays
// and the rain and snow on the windshield.
#pragma once

void plot_clouds(void);
void plot_fires(void);
void plot_obstacles(void);     // the object ring's in-view objects
// At the modelview's origin, already turned to the structure's attitude;
// (x, y, z) its reference point in the local frame.
void draw_a_carr(float x, float y, float z);
void draw_a_frig(float x, float y, float z);
void draw_a_offp(float x, float y, float z);
void draw_a_oilr(float x, float y, float z);
void plot_nrml_hud(void);      // the normal head-up display, in the 3D viewport's reference units
void plot_cool_hud(void);      // the synthetic-vision one, in world coordinates
// The viewport's left, bottom, right and top in reference units.
void do_window_precip(float x1, float y1, float x2, float y2);
