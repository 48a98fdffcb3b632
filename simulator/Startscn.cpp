#include "Startscn.h"
#include "Add-ons.h"
#include "Drplane.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Plane.h"
#include "Point.h"

scenerystruct scn;
float x0, z0, x1, z1, x2, z2;
int ter_inrange[region_grid_x][region_grid_z];
int apt_inrange[local_list_max];
float ogl_brat_ter;
float lite_r, lite_g, lite_b;

scene_calls scene = {
    plot_stars,     plot_clouds,     plot_terrain,     plot_city_lights, plot_trees,
    plot_lightning, plot_pavement,   plot_runway,      plot_rway_lights, plot_obstacles,
    plot_fires,     plot_plane,      plot_cool_hud,    plot_nrml_hud,    do_window_precip,
    OGL_texbmp,     load_plane_geo,  load_region,      reload_region_textures,
};

void clear_camera_run_state(void) {}

int incone(float, float, float) { return 0; }

// Until the scene is drawn, the frame keeps what the rest of the simulator
// reads from it: the eye at the user's aircraft (engine sounds fade by that
// distance), where the eye stands against the cloud layer (rain is not heard
// above the tops) and a white panel light. The main view shows the picture
// of its window start-up.
void update_scene_3d(void)
{
    con.VIEW_xyz[0] = (float)flt.pos_x[0];
    con.VIEW_xyz[1] = (float)flt.pos_y[0];
    con.VIEW_xyz[2] = (float)flt.pos_z[0];
    float eye_y = con.VIEW_xyz[1];
    int clouds = atm.cloud_type != 1;
    scn.above_clouds = clouds && atm.cloud_tops <= eye_y;
    scn.below_clouds = clouds && eye_y <= atm.cloud_base;
    set_sky_light_fog();
}

void update_scene_3d2(void) {}

void update_scene_2d(void) {}
