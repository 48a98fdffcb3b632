// The aircraft mesh: each slot's parts as sections of points with normals
// and texture coordinates, and the paint textures beside the aircraft file.
#include "Drplane.h"

float geo_xyz[mesh_slots][plane_parts][plane_stations][plane_points][3];
float geo_nrm[mesh_slots][plane_parts][plane_stations][plane_points][3];
float geo_st[mesh_slots][plane_parts][plane_stations][plane_points][2];
float geo_hinge_root[mesh_slots][plane_parts][3];
float geo_hinge_dir[mesh_slots][plane_parts][3];

const char* const paint_suffix[paint_codes] = {" prop", " wng1", " wng2", " wng3", " hstb", " vst1",
                                               " vst2", " pyln", " fuse", " nace", " misc", " fair",
                                               " strt", " vst1R", " vst2R", " fuseR"};

// Until the mesh is built the texture table's rebuild finds nothing to do.
void load_plane_geo(int, int, int, int) {}
