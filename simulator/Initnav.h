// The runway geometry of the loaded region's airports: per runway slot its
// marking quads, light points, windsocks and approach-light flasher paths in
// world coordinates, built once when the region loads and read by the
// runway and light drawers, the charts, the head-up displays and the ground
// model.
#pragma once

const int geo_slots = 250;
const int geo_lights = 813;
const int geo_quads = 6;    // runway, parallel taxiway, three connectors, apron

// Where each kind of light starts among a slot's light points. The runway
// and taxiway rows run from their start to start + n (n = geo_rmax1); the
// taxiway's outer row bends round the apron's far edge on the way.
const int geo_left_row = 0;
const int geo_right_row = 50;
const int geo_centre_row = 100;
const int geo_taxi_inner_row = 150;
const int geo_taxi_outer_row = 200;
// Each end's approach block, from its far end inward. End 1's block is
// end 0's moved up by geo_end_offset.
const int geo_end_offset = 311;
const int geo_approach_left = 250;      // 10 points
const int geo_approach_right = 260;     // 10 points
const int geo_crossbar_left = 270;      // 3 points
const int geo_crossbar_right = 273;     // 3 points
const int geo_gsi = 276;                // 4 points, for glide-slope indicator kinds 2 and 3
const int geo_rabbit = 280;             // the sequenced flasher
const int geo_approach_side = 281;      // 4 rows of 20
const int geo_touchdown = 361;          // 6 rows of 20
const int geo_outer_approach = 481;     // 2 rows of 10
// Shared by both ends.
const int geo_threshold_bar0 = 501;     // 13 points across end 0
const int geo_threshold_bar1 = 514;     // 13 points across end 1
const int geo_connector_lights = 527;   // quads 2, 3, 4: two rows of 4 each
const int geo_apron_lights = 551;       // two rows of 5
const int geo_taxi_lights_last = 560;   // the last connector or apron light
const int geo_beacon = 812;

// The y of a light point or windsock that is not there: never written, or
// removed where another runway's pavement covers it. Drawers and charts skip
// every point with y <= geo_gone_below.
const float geo_removed_y = -999.9f;
const float geo_gone_below = -999.0f;

// Per slot (m, x east, y up, z south). End 0 is the end at the runway's own
// number, end 1 the opposite one.
extern int geo_type[geo_slots];                 // surface 62..66
// Surface types: of a slot (geo_type) and under the aircraft (env.surface_type).
const int surf_asphalt = 62;     // drawn with the first runway set
const int surf_concrete = 63;    // the second set
const int surf_grass = 64;
const int surf_dirt = 65;
const int surf_gravel = 66;
const int surf_rough = 67;       // the terrain: off every surface
extern int geo_tway[geo_slots];                 // parallel taxiway, connectors and apron
extern int geo_litrwy[geo_slots][2];            // runway-light kind per end
extern int geo_litapp[geo_slots][2];            // approach-light kind per end
extern int geo_litgls[geo_slots][2];            // glide-slope indicator kind per end
// Last light index of the left edge, right edge, centreline, taxiway inner
// and taxiway outer rows: n, n + 50, n + 100, n + 150, n + 200.
extern int geo_rmax1[geo_slots], geo_rmax2[geo_slots], geo_RCLS[geo_slots];
extern int geo_tmax1[geo_slots], geo_tmax2[geo_slots];
extern float geo_markxyz[geo_slots][geo_quads][4][3];
extern float geo_litexyz[geo_slots][geo_lights][3];
extern float geo_sockxyz[geo_slots][2][3];      // y geo_removed_y: hidden
extern float geo_rabSxyz[geo_slots][2][3];      // each end's flasher start
extern float geo_rabDxyz[geo_slots][2][3];      // one flash to the next (x, z)
// The corners of the runway-and-taxiway strip that in_runway tests: light
// points 0, n, n + 200 and 200 as built, before any of them is removed.
extern float geo_cornxyz[geo_slots][4][3];

// Fills the slot from runway `runway` of airport `airport`, once per region
// load, after the loader has set the slot's light kinds and geo_tway and
// after the earlier runways of the airport have their slots.
void setuprunway(int airport, int runway, int slot);
// 1 when world point (x, z) lies on the runway-and-taxiway strip of the slot
// (15 m of margin), or with slot -1 of any runway slot of the airport.
int  in_runway(int airport, int slot, float x, float z);

// The building steps, in the runway's own frame (x across, z along, end 0 at +L/2).
void as_mark_xy(int slot, int quad, float a, float b, float c, float d, float L, float W);
void as_grnd_xy(int slot, int index, float x, float y, float z);
void as_interp(int slot, int a, int b);
void as_edge(int slot, int quad, int i0, int i1, int i2, int i3);
// Removes the light points from..to of light_slot that lie inside quad
// `quad` of quad_slot.
void clear_region(int light_slot, int quad_slot, int quad, int from, int to);

// Ten times a second from the flight step: each approach-light run's
// "rabbit" restarts at its first light when tenth is 0 and otherwise steps
// one light toward the runway.
void step_rabbits(int tenth);
