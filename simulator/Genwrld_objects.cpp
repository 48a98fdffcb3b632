// The scenery region: the object ring and custom object files.
#include "Genwrld.h"

objectringstruct obr;

void clear_object_ring_run(void)
{
    obr.cursor = -1;
    obr.tex_count = 0;
    for (int k = 0; k < obj_textures; k++) obr.tex_name[k][0] = 0;
}

// Stand in until the objects are built.
void build_obs(float, float, float, const char*, int) {}
void build_obs_line(float, float, float, float, float, float, int, int*, int) {}
void build_obs_shack(float, float, float, float, int, int, int*, float, int) {}
