#include "Plane.h"
#include "HL_FUNCT.h"
#include "Initgen.h"
#include "Initnav.h"
#include "records.h"

// ---- what the aircraft stands on ------------------------------------------------

// Inside all four edges P1-P2, P2-P3, P3-P4, P4-P1 of the quad.
static int on_quad(const float q[4][3], float x, float z)
{
    for (int k = 0; k < 4; k++) {
        const float* a = q[k];
        const float* b = q[(k + 1) % 4];
        if (!inside_cw_reg(a[0], a[2], b[0], b[2], x, z, 0)) return 0;
    }
    return 1;
}

static int stand_on(int geo, int quad, float height)
{
    if (geo < 0 || geo >= geo_slots || quad < 0 || quad >= geo_quads) return 0;
    if (!on_quad(geo_markxyz[geo][quad], (float)flt.pos_x[0], (float)flt.pos_z[0])) return 0;
    env.on_platform = 1;
    env.surface_type = geo_type[geo];
    env.deck_h = height;
    return 1;
}

int pavement_contact(int geo, int quad)
{
    if (geo < 0 || geo >= geo_slots || quad < 0 || quad >= geo_quads) return 0;
    return stand_on(geo, quad, geo_markxyz[geo][quad][0][1]);
}

int runway_contact(int apt, int geo)
{
    if (apt < 0 || apt >= world_apt_max) return 0;
    return stand_on(geo, 0, apt_h[apt]);
}

// ---- drawing -------------------------------------------------------------------------

// Runways and pavement are painted with the airports' drawing.
void plot_pavement(int, int, int, float, int, float, float, float, float) {}

void plot_runway(int, int, int, int, float, float, float, float) {}
