// What the outside view adds to the ground: clouds, fires and smoke, the
// scenery objects, the ships, platforms and oil rigs, the head-up displays
// and the rain and snow on the windshield.
#pragma once

// ---- clouds, fires and smoke (Add-ons.cpp) ----------------------------------------

// The cloud layer over the grid's visible range: puffs at the cloud base for
// a scattered or broken layer, a sheet at the tops for an overcast. It sets
// its own drawing state.
void plot_clouds(void);
// 1 when puff cell (i, j) of a layer of cloud type `type` is drawn: a
// scattered layer leaves out every third diagonal, (i + j) divisible by 3.
int  puff_cell_drawn(int type, int i, int j);
// The texture coordinates at puff cell (i, j)'s corners (i, j), (i, j + 1),
// (i + 1, j + 1), (i + 1, j): the grid's own, turned a quarter for each step
// of (i + j) mod 4, so the repeating picture does not line up in rows.
void puff_cell_st(int i, int j, float st[4][2]);

// The region's fires as flickering billboards and their smoke; with fog and
// texturing on and lighting and depth off.
void plot_fires(void);
const int smoke_puffs = 50;
struct smoke_puff {
    float age;      // s; past its life it starts again at a fire
    float size;     // m, half the billboard's side
    float xyz[3];   // m
    float dir;      // radians from true north: it drifts away from this heading, downwind
};
// The frame's animation before anything is drawn: the fires' frame counter
// on by ten frames a second; every smoke puff aged, grown, risen and drifted
// downwind, and one past its life started again at a fire picked at random.
// When fire 0 has moved (a new region) the whole pool starts again at once.
void animate_fires(float dt);
// What the animation left: fire k's picture and smoke puff n.
int  fire_tex(int k);
const smoke_puff& smoke_puff_at(int n);
// The run's fire frame counter (starting on the first fire picture), the
// fires' offsets (drawn at the first frame) and an empty smoke pool.
void clear_fire_run_state(void);

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
// Where the carrier's landing reference point lies now (m, local frame):
// its deck light turned with the ship's attitude about the ship.
void carrier_reference_point(float xyz[3]);
// At the modelview's origin, already turned to the structure's attitude;
// (x, y, z) its reference point in the local frame.
void draw_a_carr(float x, float y, float z);
void draw_a_frig(float x, float y, float z);
void draw_a_offp(float x, float y, float z);
void draw_a_oilr(float x, float y, float z);

// ---- the head-up displays (Add-ons_hud.cpp) ----------------------------------

const float hud_units_per_deg = 9.41f;   // reference units of the HUD's scales per degree

void plot_nrml_hud(void);      // the flight-data head-up display, in the 3D viewport's reference units
void plot_cool_hud(void);      // the synthetic-vision one, in world coordinates
// How far the view looks below the nose, degrees: 0, -4 in Down 4 Deg, -8 in Down 8 Deg.
float hud_depression(int view);
// The flight-path marker's centre for a depression o, in reference units,
// held 2 units inside the HUD box of con.
void hud_marker(float o, float* x, float* y);
// Goal-post frame k (0..7) of a runway whose approach end is `end`, heading
// hdg degrees true: the frame's centre back along the approach, rising 5 %,
// and its half-size.
void goal_post_frame(const float end[3], float hdg, int k, float centre[3], float* half);

// ---- rain and snow on the windshield (Add-ons_precip.cpp) -----------------------

const int precip_drops = 400;

// The viewport's left, bottom, right and top in reference units. Writes
// atm.precip_intensity every call.
void do_window_precip(float x1, float y1, float x2, float y2);
// The intensity 0..1 at the eye's height h, from the weather of atm.
float precip_intensity_at(float h);
// The last drop in use for an intensity: 0..precip_drops - 1; 0 draws none.
int precip_last_drop(float intensity);
// The drops are placed afresh on their next use.
void clear_precip_run_state(void);
