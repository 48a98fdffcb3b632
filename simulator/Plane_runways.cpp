#include "Plane.h"
#include "Initnav.h"
#include "records.h"

// Runways and pavement are painted with the airports' drawing; until then
// the ground under them is the terrain's. The runway drawer's word to the
// flight model stands already: an aircraft on the runway's strip rolls on
// its surface, not on the rough ground the frame starts it on.
void plot_pavement(int, int, int, float, int, float, float, float, float) {}

void plot_runway(int, int apt, int, int geo, float, float, float, float)
{
    if (in_runway(apt, geo, (float)flt.pos_x[0], (float)flt.pos_z[0])) env.surface_type = geo_type[geo];
}
