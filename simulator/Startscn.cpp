#include "Startscn.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "Hl_types.h"
#include "Initgen.h"

scenerystruct scn;

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
    for (int k = 0; k < 3; k++) ins.lite_rgb[k] = 1.0f;
}

void update_scene_2d(void) {}

// The texture table's state over the run: the resolution it last loaded at.
struct texture_run_state {
    int res_loaded;           // -99 before the first load
};
static texture_run_state tex_run = {-99};

void clear_texture_run_state(void) { tex_run.res_loaded = -99; }

// The textures themselves come with the scene's drawing. What is here is the
// table's reload of the region on a new texture resolution: the first call
// always finds one, so start-up loads the region around the start airport.
void load_texes(void)
{
    if (ogl_res != tex_run.res_loaded) load_region(1);
    tex_run.res_loaded = ogl_res;
}
