// The decks under the aircraft: the ships' and platforms' decks and
// helidecks, the carrier's arresting wires and catapult, and the ships'
// moving approach navaids. All of it runs every frame from the contact
// pass, whatever the camera sees: a deck out of view still carries the
// aircraft, and an approach to a ship out of view still leads to it.
//
// Sections (grep "---- name"):
//   regions     the deck outlines and the edge test turned by a heading
//   decks       the carrier, the frigate, the platforms' and rigs' helidecks
//   carrier     the arresting wires and the catapult
//   navaids     the ships' localizers and glide slopes, slots 0-3
#include "Add-ons.h"

#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initnav.h"

#include <cmath>
#include <cstdio>

// A deck rides as smooth pavement.
static const int surf_deck = surf_asphalt;

static const int ship_carrier = 0;
static const int ship_frigate = 1;

static const float carrier_deck_y = 21.0f;    // m above the waterline
static const float platform_deck_y = 56.0f;   // m above the cell's midpoint
static const float rig_deck_y = 97.0f;

// ---- regions ---------------------------------------------------------------------

// The model-frame point (x, z) turned by the heading whose sine and cosine
// are s and c, as (x, 0, z).
static void turned(float x, float z, float s, float c, float out[3])
{
    out[0] = x * c - z * s;
    out[1] = 0;
    out[2] = x * s + z * c;
}

int inside_cw_reg_rotated(float x1, float z1, float x2, float z2, float px, float pz, float s, float c)
{
    float a[3], b[3];
    turned(x1, z1, s, c, a);
    turned(x2, z2, s, c, b);
    return inside_cw_reg(a[0], a[2], b[0], b[2], px, pz, 0);
}

// Model-frame x, z corners in clockwise order; a region is convex.
struct deck_region {
    int corners;
    float xz[6][2];
};

static const deck_region carrier_main = {6, {{-19, 160}, {-19, -56}, {-15, -154}, {15, -154}, {20, -62}, {20, 154}}};
static const deck_region carrier_port = {4, {{-19, 112}, {-35, 80}, {-35, -51}, {-19, -56}}};
static const deck_region carrier_starboard = {4, {{20, -62}, {36, -39}, {36, 98}, {19, 98}}};
static const deck_region carrier_wires = {4, {{-16, 136}, {-23, 80}, {5, 76}, {13, 131}}};
static const deck_region carrier_catapult = {4, {{-16.5f, -51}, {-16.5f, -59}, {-8.5f, -59}, {-8.5f, -51}}};
static const deck_region frigate_deck = {4, {{-15, 70}, {-15, 40}, {15, 40}, {15, 70}}};
static const deck_region platform_deck = {4, {{-12, 77}, {-12, 53}, {12, 53}, {12, 77}}};
static const deck_region rig_deck = {4, {{-14, 104}, {-14, 76}, {14, 76}, {14, 104}}};

// (px, pz) from the structure's reference point, the region turned by the
// heading whose sine and cosine are s and c (0 and 1: not turned): inside
// every edge in order.
static int in_region(const deck_region& r, float px, float pz, float s, float c)
{
    for (int k = 0; k < r.corners; k++) {
        const float* a = r.xz[k];
        const float* b = r.xz[(k + 1) % r.corners];
        if (!inside_cw_reg_rotated(a[0], a[1], b[0], b[1], px, pz, s, c)) return 0;
    }
    return 1;
}

// The user aircraft from ship sh, and the sine and cosine of its heading.
struct ship_view {
    float px, pz, s, c;
};

static ship_view from_ship(int sh)
{
    float h = env.ship_hdg[sh] * con.degtorad;
    return {(float)flt.pos_x[0] - env.ship_x[sh], (float)flt.pos_z[0] - env.ship_z[sh], sinf(h), cosf(h)};
}

static int on(const deck_region& r, const ship_view& v) { return in_region(r, v.px, v.pz, v.s, v.c); }

// ---- decks -----------------------------------------------------------------------

// Over a deck at any height: only the ground contact decides whether the
// wheels touch it.
static void ship_decks(void)
{
    ship_view cv = from_ship(ship_carrier);
    if (on(carrier_main, cv) || on(carrier_port, cv) || on(carrier_starboard, cv)) {
        env.on_carrier = 1;
        env.surface_type = surf_deck;
    }
    if (on(frigate_deck, from_ship(ship_frigate))) {
        env.on_frigate = 1;
        env.surface_type = surf_deck;
    }
}

static void stand_on_helideck(float deck_h)
{
    env.on_platform = 1;
    env.surface_type = surf_deck;
    env.deck_h = deck_h;
}

// The platforms and rigs stand at their cell's midpoint, where the terrain
// drawer puts them; a helideck reaches at most into the next cell.
static void helidecks(void)
{
    const float ax = (float)flt.pos_x[0], az = (float)flt.pos_z[0];
    int i0 = intlim(env.plane_cell_i - 1, 0, region_grid_x - 2);
    int i1 = intlim(env.plane_cell_i + 1, 0, region_grid_x - 2);
    int j0 = intlim(env.plane_cell_j - 1, 0, region_grid_z - 2);
    int j1 = intlim(env.plane_cell_j + 1, 0, region_grid_z - 2);
    for (int i = i0; i <= i1; i++)
        for (int j = j0; j <= j1; j++) {
            if (!offp_on_poly[i][j] && !oilr_on_poly[i][j]) continue;
            const float* a = planexyz[i][j];
            const float* b = planexyz[i + 1][j + 1];
            float x = 0.5f * (a[0] + b[0]), y = 0.5f * (a[1] + b[1]), z = 0.5f * (a[2] + b[2]);
            float px = ax - x, pz = az - z;
            if (offp_on_poly[i][j] && in_region(platform_deck, px, pz, 0, 1)) stand_on_helideck(y + platform_deck_y);
            if (oilr_on_poly[i][j] && in_region(rig_deck, px, pz, 0, 1)) stand_on_helideck(y + rig_deck_y);
        }
}

// ---- carrier ---------------------------------------------------------------------

// A wire is caught only on the ground in the wire area, hook down, rolling
// forward over the deck faster than 10 m/s; it lets go once the aircraft
// has been pulled back at 2 m/s.
static void arresting_wires(const ship_view& cv, float v)
{
    if (set.wire_caught) {
        if (v < -2) set.wire_caught = 0;
        return;
    }
    if (!ins.hook_down || !flt.on_ground || !(fabsf(flt.beta) < 90) || !(v > 10)) return;
    if (!on(carrier_wires, cv)) return;
    set.wire_caught = 1;
    set.wire_decel = v * v / 200;   // stops it over the deck within 100 m
}

// Rolling slowly into the catapult's box puts the aircraft on the catapult
// with the brakes set; releasing them launches it.
static void catapult_hookup(const ship_view& cv, float v)
{
    if (!flt.on_ground || set.wire_caught || set.catapult_run || set.on_catapult || !(v < 20)) return;
    if (!on(carrier_catapult, cv)) return;
    flt.brake_ratio = 1.0f;
    set.on_catapult = 1;
    const float r = con.degtorad;
    float sh = cv.s, ch = cv.c;
    float sp = sinf(env.ship_pitch[ship_carrier] * r), sr = sinf(env.ship_roll[ship_carrier] * r);
    // Model point (-12.5, deck, -55) turned by the heading, then the deck's
    // height leaned over with the ship's roll and pitch, as drawn.
    flt.pos_x[0] = env.ship_x[ship_carrier] - 12.5f * ch + 55 * sh + carrier_deck_y * (sr * ch - sp * sh);
    flt.pos_z[0] = env.ship_z[ship_carrier] - 12.5f * sh - 55 * ch + carrier_deck_y * (sr * sh + sp * ch);
}

static void carrier_gear(void)
{
    ship_view cv = from_ship(ship_carrier);
    float v = flt.gnd_speed[0] - ship_speed[ship_carrier];   // over the deck
    arresting_wires(cv, v);
    catapult_hookup(cv, v);
}

// ---- navaids ---------------------------------------------------------------------

// Both slots of a ship: the localizer, then the glide slope 4 degrees above
// the same course. The aircraft's own inverse projection, so that the
// radios, which project the other way, find the navaid where the ship is.
static void ship_navaids(int slot, int ship, float x, float y, float z, float course, int frequency,
                         const char* name)
{
    float lat = Lat_with_z(z);
    float lon = Lon_with_xlat(x, lat);
    for (int k = 0; k < 2; k++) {
        int n = slot + k;
        nav_type[n] = k ? navaid_glide_slope : navaid_ils;
        nav_lat[n] = lat;
        nav_lon[n] = lon;
        nav_h[n] = y;
        nav_frq[n] = frequency;
        nav_hdng[n] = k ? course + 400000 : course;
        // A ship no region has placed sends nothing the radios could tune.
        nav_inreg[n] = env.ship_x[ship] > ship_unplaced;
        snprintf(nav_id[n], sizeof nav_id[n], "----");
        snprintf(nav_name[n], sizeof nav_name[n], "%s", name);
    }
}

// The carrier's approach leads to its landing reference point along the
// angled deck, 8 degrees left of its heading; the frigate's to the ship.
static void moving_navaids(void)
{
    float h = env.ship_hdg[ship_carrier] * con.degtorad, s = sinf(h), c = cosf(h);
    const float* p = carr_lxyz[carr_light_reference];
    ship_navaids(0, ship_carrier, env.ship_x[ship_carrier] + p[0] * c - p[2] * s, env.ship_y[ship_carrier] + p[1],
                 env.ship_z[ship_carrier] + p[0] * s + p[2] * c, fltwrap(env.ship_hdg[ship_carrier] - 8, 0, 360),
                 10800, "USS Enterprise");
    ship_navaids(2, ship_frigate, env.ship_x[ship_frigate], env.ship_y[ship_frigate], env.ship_z[ship_frigate],
                 fltwrap(env.ship_hdg[ship_frigate], 0, 360), 10810, "USS Corvane");
}

void ship_contact(void)
{
    ship_decks();
    helidecks();
    carrier_gear();
    moving_navaids();
}
