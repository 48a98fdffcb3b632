// The aircraft mesh: each slot's parts as sections of points with normals
// and texture coordinates, and the paint textures beside the aircraft file.
#include "Drplane.h"
#include <Drplane_records.h>

#include <cstdio>
#include <cstring>
#include <strings.h>

float geo_xyz[mesh_slots][plane_parts][plane_stations][plane_points][3];
float geo_nrm[mesh_slots][plane_parts][plane_stations][plane_points][3];
float geo_st[mesh_slots][plane_parts][plane_stations][plane_points][2];
float geo_hinge_root[mesh_slots][plane_parts][3];
float geo_hinge_dir[mesh_slots][plane_parts][3];
float geo_aspect[mesh_slots][plane_parts];

const char* const paint_suffix[paint_codes] = {" prop", " wng1", " wng2", " wng3", " hstb", " vst1",
                                               " vst2", " pyln", " fuse", " nace", " misc", " fair",
                                               " strt", " vst1R", " vst2R", " fuseR"};

int plane_base_name(int p, char* out, int cap)
{
    // Only a real extension comes off: a short name keeps all it has.
    const char* path = pln[p].C_path;
    size_t n = strnlen(path, sizeof pln[p].C_path);
    if (n >= 4 && strncasecmp(path + n - 4, ".acf", 4) == 0) n -= 4;
    return snprintf(out, cap, "%.*s", (int)n, path) < cap;
}

// Until the mesh is built the texture table's rebuild finds nothing to do.
void load_plane_geo(int, int, int, int) {}
