#include "Drplane.h"

// The aircraft are drawn once their mesh is built; until then the texture
// table's rebuild and the frame's drawing find nothing to do.
void load_plane_geo(int, int, int, int) {}
void plot_plane(int, int) {}
