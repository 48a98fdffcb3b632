#include "Startscn.h"
#include "Genwrld.h"
#include "Initgen.h"

// The texture table's state over the run: the resolution it last loaded at.
struct texture_run_state {
    int res_loaded;           // -99 before the first load
};
static texture_run_state tex_run = {-99};

void clear_texture_run_state(void) { tex_run.res_loaded = -99; }

// What is here is the table's load of the region: the first call always
// finds a new resolution, so start-up loads the region around the start
// airport.
void load_texes(void)
{
    if (ogl_res != tex_run.res_loaded) scene.load_region(1);
    tex_run.res_loaded = ogl_res;
}
