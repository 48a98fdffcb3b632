// What the outside view adds to the ground: clouds, fires and smoke, the
// scenery objects, the ships, platforms and oil rigs, the head-up displays
// and the rain and snow on the windshield.
#pragma once

void plot_clouds(void);
void plot_fires(void);
void plot_obstacles(void);     // the object ring's in-view objects
// Sorts the in-view objects by type for plot_obstacles; the frame calls it
// whenever it rebuilds obj_inrange.
void bucket_objects(void);
void clear_object_buckets(void);
// What the aircraft stands on besides the airports, every frame whatever is
// drawn: the roofs of the region's objects, and the decks and helidecks of
// the ships, platforms and rigs with the carrier's wires and catapult and the
// ships' moving navaids. The frame's contact pass calls them after the airports.
void object_contact(void);
void ship_contact(void);
// The edge (x1, z1) -> (x2, z2) of a clockwise region in a ship's model
// frame, turned by its heading (s, c its sine and cosine) as the ship is
// drawn: 1 when (px, pz), from the ship, lies on the edge's inner side.
int inside_cw_reg_rotated(float x1, float z1, float x2, float z2, float px, float pz, float s, float c);
// n points every 360 / n degrees from `first` on a circle of radius r about
// (x, y, z), as the helidecks' edge lights stand; inside a GL_POINTS batch.
void light_circle(float x, float y, float z, float r, int first, int n);
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
