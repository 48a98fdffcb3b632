// The ground of the outside view: the textured terrain mesh and the things
// that stand on its cells (platforms, rigs, the ships and the wakes), the
// city lights, the trees and the lightning; the quad drawer that subdivides
// runway and pavement near a low aircraft; the runways and pavement; the
// wakes. Reads the region grid (Genwrld) and the frame's culling (Startscn).
#pragma once

// Always, with fog, texturing, lighting and depth on; then the wakes and what
// stands in the water. Leaves fog and texturing on, lighting and depth off.
void plot_terrain(void);
void plot_city_lights(void);   // at night: fog and depth on
void plot_trees(void);         // trees switch on: fog, texturing and depth on
void plot_lightning(void);     // during a flash: depth on
// The culling rebuild sorts the cells of the terrain range by base texture,
// so that a frame binds each base texture once without a range scan each.
void sort_terrain_cells(void);
// The cell lists forget every cell: nothing is drawn until the next sort.
void clear_terrain_lists(void);
// One quad P1-P2-P3-P4, (s0, t0) at P1, (s0, t1) at P2, (s1, t1) at P3,
// (s1, t0) at P4, subdivided near a low aircraft when subdivide is set.
// The caller binds the texture.
void tess_quad(int subdivide, float s0, float t0, float s1, float t1, float x1, float y1, float z1, float x2,
               float y2, float z2, float x3, float y3, float z3, float x4, float y4, float z4);

// ---- runways and pavement (Plane_runways.cpp) --------------------------------
// Whether aircraft 0's (x, z) lies on the drawn outline (margin 0): quad
// `quad` of slot geo for pavement, quad 0 for a runway of airport apt. When
// it does the aircraft stands on it: env.on_platform 1, env.surface_type the
// slot's, env.deck_h the outline's first corner's height (pavement) or the
// airport's elevation (runway). Returns 1 then.
int  pavement_contact(int geo, int quad);
int  runway_contact(int apt, int geo);
// The drawers only draw, under the frame's airport state (fog, texturing
// and lighting on, depth off), and leave it so. (ox, oz) is the blowing
// snow's origin, (ws, wc) the wind direction's sine and cosine; lit lets
// tess_quad subdivide. A surface of no length or width draws nothing; a
// run is held to 1,000 pieces.
// Piece quad (0..5) of slot geo with texture tex in round(count) pieces.
void plot_pavement(int lit, int geo, int quad, float count, int tex, float ox, float oz, float ws, float wc);
// Runway rwy of airport apt in sections with its markings; at the nearest
// airport (msc.near_apt) also its signs and windsocks.
void plot_runway(int lit, int apt, int rwy, int geo, float ox, float oz, float ws, float wc);

// ---- wakes (Plane_wakes.cpp) ----------------------------------------------------
// Wake 0 the carrier, 1 the frigate, 2 the aircraft: (x, z) the source, y the
// water, speed m/s, heading degrees.
void build_wake(int wake, float x, float y, float z, float speed, float heading);
// The wakes forget every segment and their last emission points.
void clear_wake_run_state(void);
