// The outside view: the 3D scene and the 2D overlays of the main view, and
// the scene record scn that the scene frame keeps.
#pragma once

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

void update_scene_3d(void);   // first in a main-view frame; sets the panel light colour
void update_scene_2d(void);   // after the panel
// The texture table for the current region, aircraft and settings; at
// start-up after both aircraft are loaded and before the first placement. A
// texture resolution other than the last one's (any, the first time) reloads
// the region.
void load_texes(void);
void clear_texture_run_state(void);   // the next load_texes counts as the first
