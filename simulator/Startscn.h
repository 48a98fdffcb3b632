// The outside view: the 3D frame (camera, culling, projection, the drawers in
// their order), the sky, light and fog of the frame, the texture table and
// the 2D overlays of the main view. Owns the scene record scn, the view-cone
// triangle, the terrain and airport in-view lists and the frame's day-light
// globals; the drawers of Plane, Point, Drplane and Add-ons read them.
#pragma once

#include "Genwrld.h"
#include "HL_GRAPH.h"

const int fire_slots = 10;    // the points of one forest fire

struct scenerystruct {
    float vis_xmin, vis_xmax, vis_zmin, vis_zmax;   // m, the visible box, every frame
    int ter_imin, ter_jmin, ter_imax, ter_jmax;     // terrain cells in the box
    int cld_imin, cld_jmin, cld_imax, cld_jmax;     // cloud-grid points in the box
    float view_pitch, view_heading, view_roll;      // degrees, the camera
    float zoom;               // 1 normal; a new flight starts at 1
    float chase_dist;         // m, chase and follow distance, never below twice plane_size
    float plane_size;         // m, the aircraft's extent: the near clipping plane
    int above_clouds;         // the eye is at or above the cloud tops: rain cannot be heard
    int below_clouds;         // the eye is at or below the cloud base
    int rway_lights;          // runway, approach and ship lights lit
    int city_lights;          // night
    int fires_on;             // the region holds a fire
    int fire_on[fire_slots];
    float fire_xyz[fire_slots][3];   // m
};

extern scenerystruct scn;

// The view-cone triangle of the frame on the ground (m): the camera (x0, z0)
// and the two far corners.
extern float x0, z0, x1, z1, x2, z2;

// The in-view lists, rebuilt by the frame: per terrain grid point (the
// drawers visit only scn's terrain range) and per local airport.
extern int ter_inrange[region_grid_x][region_grid_z];
extern int apt_inrange[local_list_max];

// The day-light of the frame (recomputed before anything is drawn): terrain
// brightness 0..1 and the sun's colour.
extern float ogl_brat_ter;
extern float lite_r, lite_g, lite_b;

// The top of the 3D view with the panel shown (reference units). The view's
// height in pixels is truncated, so the panel's strip above it starts at
// its top row of pixels, not here.
const float view_top_with_panel = 560;

// View ids the frame tells apart (the View menu's item numbers).
const int view_forwards = 500;
const int view_down_4 = 501;
const int view_down_8 = 502;
const int view_left_45 = 504;
const int view_right_45 = 505;
const int view_left_90 = 506;
const int view_right_90 = 507;
const int view_left_135 = 508;
const int view_right_135 = 509;
const int view_backwards = 511;
const int view_tower = 513;
const int view_runway = 514;
const int view_chase = 516;
const int view_follow = 517;
const int view_follow_2 = 518;
const int view_spot = 519;
const int view_full_hud = 521;
const int view_full_no_hud = 522;

// The pilot's eye point of aircraft 0 (m, local frame): its position plus
// the aircraft's eye offset turned by its attitude. The cockpit views look
// from it; the carrier's landing signal officer watches it in every view.
void pilot_eye_point(float eye[3]);
// The frame, first thing in a main-view frame: pages the region with the
// aircraft, places the camera and calls update_scene_3d2.
void update_scene_3d(void);
// Culls, sets projection, fog and lights and draws the world in its fixed
// order, then the 3D viewport's overlays; only update_scene_3d calls it.
void update_scene_3d2(void);
// What aircraft 0 stands on, from every local airport's surfaces: the
// contact flags of env cleared, then the surface type, the raised-surface
// flag and its height of the runway or pavement under it. No GL: every frame
// before the flight step, and the headless flights before each of theirs.
void surface_contact(void);
// 1 when the ground point (x, z) lies in the view cone widened by margin m.
int  incone(float x, float z, float margin);
// A billboard faces the camera as turning it by minus the view heading about
// y (and with_pitch, minus the view pitch about -x) would: its corner (a, b)
// in its own plane lands at a * across + b * up from its centre.
// Corner 0..3 of runway slot `slot`'s outline, its first marking quad.
const float* runway_corner(int slot, int corner);
struct billboard_axes {
    float across[3];
    float up[3];
};
billboard_axes view_axes(int with_pitch);
// One corner of a billboard centred on c, with its texture coordinates;
// inside a GL_QUADS batch.
void billboard_vertex(const billboard_axes& v, const float* c, float a, float b, float s, float t);
// The camera's state over the run (the previous aircraft position, the
// culling rebuild key): a start-up, or a test's reset, forgets it.
void clear_camera_run_state(void);

// ---- sky, light and fog (Startscn_sky.cpp) ------------------------------------

// The colours the frame drew its sky with, for the star drawer and the tests.
struct skystruct {
    float sky_rgb[3];         // the sky colour
    float fog_rgb[4];         // the fog colour, alpha 1
    float k0, kh, kz;         // band, horizon and zenith factors of the sky box
};
extern skystruct sky;

// The frame's day-light, before anything is drawn: atm.vis_eff, ogl_brat_ter,
// lite_r/g/b, ins.lite_rgb, sky and GL's fog.
void set_sky_light_fog(void);
// The sky box, after the view's roll and pitch and before its heading.
void draw_sky_box(void);
// GL_LIGHT0 as the sun, after the camera transform.
void set_sun_light(void);
void clear_sky_run_state(void);   // the in-cloud dimming event: none

// ---- the texture table (Startscn_textures.cpp) ---------------------------------

// The pictures of a runway set, in id order from the set's first id.
extern const char* const runway_set_names[rway_set_size];

// The texture table for the current region, aircraft and settings; at
// start-up after both aircraft are loaded and before the first placement,
// then once a second: reloads what changed since the last call.
void load_texes(void);
void clear_texture_run_state(void);   // the next load_texes counts as the first

// ---- what the frame and the texture table call -----------------------------------

// Each starts as the function of its name; tests point them at recorders.
struct scene_calls {
    void (*plot_stars)(float r, float g, float b, float left, float bottom, float right, float top);
    void (*plot_clouds)(void);
    void (*plot_terrain)(void);
    void (*plot_city_lights)(void);
    void (*plot_trees)(void);
    void (*plot_lightning)(void);
    void (*plot_pavement)(int lit, int geo, int quad, float count, int tex, float ox, float oz, float ws,
                          float wc);
    void (*plot_runway)(int lit, int apt, int rwy, int geo, float ox, float oz, float ws, float wc);
    void (*plot_rway_lights)(void);
    void (*plot_obstacles)(void);
    void (*plot_fires)(void);
    void (*plot_plane)(int is_second, int close);
    void (*plot_cool_hud)(void);
    void (*plot_nrml_hud)(void);
    void (*do_window_precip)(float x1, float y1, float x2, float y2);
    // the texture table's loads
    int (*OGL_texbmp)(int kind, int id_or_x, int mode_or_y, const char* name, int* width, int* height);
    void (*load_plane_geo)(int load_tex, int write_template, int touch_up, int p);
    void (*load_region)(int mode);
    void (*reload_region_textures)(void);
};
extern scene_calls scene;

// ---- the 2D overlays (Startscn_overlays.cpp) -------------------------------------

// Each frame after the panel, in the whole screen's reference units: the
// replay controls, the ATC window or line or the cockpit data lines, the
// special-start prompts and the pause notice.
void update_scene_2d(void);

// What the overlays draw with; each starts as the function of its name and
// tests point them at recorders.
struct overlay_calls {
    void (*OGL_line)(int colour, float x1, float y1, float x2, float y2);
    void (*OGL_framerect)(int colour, float x, float y, float width, float height);
    void (*OGL_string)(int colour, float x, float y, const char* text, float wrap_width, float advance);
    void (*OGL_number)(int colour, float x, float y, float value, int digits, int decimals, float advance,
                       int sign);
    void (*plot_atc_options)(int click);
    void (*out_label)(int dest, int item, int row);
    void (*out_dat)(int dest, int item, int row);
};
extern overlay_calls overlay;
