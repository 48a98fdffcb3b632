// Runway geometry slots: each local runway's marking quads, light points,
// windsocks and flasher paths, laid out in the runway's own frame and turned
// into the world once per region load; and the flashers' ten-per-second step.
//
// Sections: the slots, building operations, the runway's rows and blocks,
// setuprunway, in_runway, the rabbits.
#include "Initnav.h"

#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <cassert>

// ---- the slots ----------------------------------------------------------------

int geo_type[geo_slots];
int geo_tway[geo_slots];
int geo_litrwy[geo_slots][2];
int geo_litapp[geo_slots][2];
int geo_litgls[geo_slots][2];
int geo_rmax1[geo_slots], geo_rmax2[geo_slots], geo_RCLS[geo_slots];
int geo_tmax1[geo_slots], geo_tmax2[geo_slots];
float geo_markxyz[geo_slots][geo_quads][4][3];
float geo_litexyz[geo_slots][geo_lights][3];
float geo_sockxyz[geo_slots][2][3];
float geo_rabSxyz[geo_slots][2][3];
float geo_rabDxyz[geo_slots][2][3];
float geo_cornxyz[geo_slots][4][3];

// End 1's approach block is built where end 0's is and then turned end for end.
static const int mirrored_first = geo_approach_left + geo_end_offset;     // 561
static const int mirrored_last = geo_outer_approach + 19 + geo_end_offset;  // 811
static_assert(mirrored_last == geo_beacon - 1, "end 1's block ends just before the beacon");
static_assert(geo_threshold_bar0 + 13 == geo_threshold_bar1, "the threshold bars are 13 lights each");
static_assert(geo_apron_lights + 10 == mirrored_first, "the apron's lights end where end 1's block begins");
// Crossing runways remove all but the beacon, which stands on its tower.
static const int last_ground_light = geo_beacon - 1;

// Which light points the build in progress has set. Only those are turned
// into the world: a point the runway has no use for stays removed, whatever
// an earlier runway in the slot left there.
static unsigned char light_built[geo_lights];

static void set3(float p[3], float x, float y, float z)
{
    p[0] = x;
    p[1] = y;
    p[2] = z;
}

// ---- building operations --------------------------------------------------------

void as_mark_xy(int slot, int quad, float a, float b, float c, float d, float L, float W)
{
    float(*q)[3] = geo_markxyz[slot][quad];
    set3(q[0], a * W, 0, d * L);
    set3(q[1], c * W, 0, d * L);
    set3(q[2], c * W, 0, b * L);
    set3(q[3], a * W, 0, b * L);
}

void as_grnd_xy(int slot, int index, float x, float y, float z)
{
    set3(geo_litexyz[slot][index], x, y, z);
    light_built[index] = 1;
}

void as_interp(int slot, int a, int b)
{
    const float* pa = geo_litexyz[slot][a];
    const float* pb = geo_litexyz[slot][b];
    for (int i = a + 1; i < b; i++)
        as_grnd_xy(slot, i, interp((float)a, pa[0], (float)b, pb[0], (float)i),
                   interp((float)a, pa[1], (float)b, pb[1], (float)i), interp((float)a, pa[2], (float)b, pb[2], (float)i));
}

void as_edge(int slot, int quad, int i0, int i1, int i2, int i3)
{
    const int at[4] = {i0, i1, i2, i3};
    for (int k = 0; k < 4; k++) {
        const float* c = geo_markxyz[slot][quad][k];
        as_grnd_xy(slot, at[k], c[0], 0, c[2]);
    }
}

// A removed light keeps its place but drops below every drawer's reach:
// (0, 0) is a real spot in the region, the south-west corner.
void clear_region(int light_slot, int quad_slot, int quad, int from, int to)
{
    for (int i = from; i <= to; i++) {
        float* p = geo_litexyz[light_slot][i];
        if (inside_cw_poly(geo_markxyz[quad_slot][quad], 4, p[0], p[2], 1)) p[1] = geo_removed_y;
    }
}

// ---- the runway's rows and blocks ------------------------------------------------

// Runway frame: x across (right of an aircraft landing on end 0), z along,
// end 0's threshold at z = +L/2.

// Edge lights every 150 ft, every 10 ft on a pad under 500 ft; a row holds
// at most 49 intervals, since the next row starts 50 indices on.
static int edge_intervals(float length_ft)
{
    float spacing = length_ft < 500 ? 10.0f : 150.0f;
    // Limited before rounding: a length no int holds, or no number, still gets a row.
    float intervals = length_ft / spacing;
    if (!(intervals >= 10)) return 10;
    return intround(fltmin2(intervals, 49));
}

// Points a .. b evenly on the line from (xa, za) to (xb, zb), all at height y.
static void lay_row(int slot, int a, int b, float y, float xa, float za, float xb, float zb)
{
    as_grnd_xy(slot, a, xa, y, za);
    as_grnd_xy(slot, b, xb, y, zb);
    as_interp(slot, a, b);
}

// Across from a to c and along from d to b, in widths and lengths (as_mark_xy's order).
static const float quad_sides[geo_quads][4] = {
    {-0.5f, 0.5f, 0.5f, -0.5f},    // runway
    {2.0f, 0.5f, 2.5f, -0.5f},     // parallel taxiway
    {0.5f, 0.5f, 2.0f, 0.45f},     // connector at end 0
    {0.5f, 0.04f, 2.0f, -0.04f},   // middle connector
    {0.5f, -0.45f, 2.0f, -0.5f},   // connector at end 1
    {2.5f, 0.4f, 4.5f, 0.1f},      // apron
};

static void lay_runway_and_taxiway_rows(int slot, int n, float L, float W)
{
    lay_row(slot, geo_left_row, geo_left_row + n, 0.5f, -W / 2 - 1, L / 2, -W / 2 - 1, -L / 2);
    lay_row(slot, geo_right_row, geo_right_row + n, 0.5f, W / 2 + 1, L / 2, W / 2 + 1, -L / 2);
    lay_row(slot, geo_centre_row, geo_centre_row + n, 0, 0, L / 2 - 30, 0, -L / 2 + 30);
    lay_row(slot, geo_taxi_inner_row, geo_taxi_inner_row + n, 0.5f, 2 * W, L / 2, 2 * W, -L / 2);

    // The outer row leaves the taxiway's edge to run round the apron's far side.
    int m1 = intround(n * 0.1f), m3 = intround(n * 0.3f);
    int apron_in = geo_taxi_outer_row + m1 + 1, apron_out = apron_in + m3 + 1;
    lay_row(slot, geo_taxi_outer_row, apron_in - 1, 0.5f, 2.5f * W, L / 2, 2.5f * W, 0.4f * L);
    lay_row(slot, apron_in, apron_out - 1, 0.5f, 4.5f * W, 0.4f * L, 4.5f * W, 0.1f * L);
    lay_row(slot, apron_out, geo_taxi_outer_row + n, 0.5f, 2.5f * W, 0.1f * L, 2.5f * W, -L / 2);

    // Both long sides of each connector, then of the apron.
    for (int q = 2; q <= 4; q++) {
        int first = geo_connector_lights + 8 * (q - 2);
        as_edge(slot, q, first, first + 3, first + 4, first + 7);
        as_interp(slot, first, first + 3);
        as_interp(slot, first + 4, first + 7);
    }
    as_edge(slot, 5, geo_apron_lights, geo_apron_lights + 4, geo_apron_lights + 5, geo_apron_lights + 9);
    as_interp(slot, geo_apron_lights, geo_apron_lights + 4);
    as_interp(slot, geo_apron_lights + 5, geo_apron_lights + 9);
}

// One end's approach lights, glide-slope indicator and touchdown zone, laid
// out at end 0 from block offset b.
static void lay_approach_block(int slot, int b, int approach_kind, int gsi_kind, float L, float W)
{
    const float t = L / 2;
    lay_row(slot, b + geo_approach_left, b + geo_approach_left + 9, 0, -0.05f * W, t + 500, -0.05f * W, t + 50);
    lay_row(slot, b + geo_approach_right, b + geo_approach_right + 9, 0, 0.05f * W, t + 500, 0.05f * W, t + 50);

    // Kind 5 carries its crossbar near the far end of the run, the others near the runway.
    int bar_at = approach_kind == 5 ? 1 : 7;
    const float* left = geo_litexyz[slot][b + geo_approach_left + bar_at];
    const float* right = geo_litexyz[slot][b + geo_approach_right + bar_at];
    for (int k = 1; k <= 3; k++) {
        as_grnd_xy(slot, b + geo_crossbar_left + k - 1, left[0] - 0.1f * W * k, left[1], left[2]);
        as_grnd_xy(slot, b + geo_crossbar_right + k - 1, right[0] + 0.1f * W * k, right[1], right[2]);
    }

    // Two bars of two lights left of the runway, or four lights in a row; other kinds have none.
    const int g = b + geo_gsi;
    if (gsi_kind == 2) {
        as_grnd_xy(slot, g, -0.8f * W - 1, 1.5f, t - 250);
        as_grnd_xy(slot, g + 1, -0.8f * W + 1, 1.5f, t - 250);
        as_grnd_xy(slot, g + 2, -0.8f * W - 1, 1.5f, t - 100);
        as_grnd_xy(slot, g + 3, -0.8f * W + 1, 1.5f, t - 100);
    } else if (gsi_kind == 3) {
        const float across[4] = {-W - 6, -W - 2, -W + 2, -W + 6};
        for (int k = 0; k < 4; k++) as_grnd_xy(slot, g + k, across[k], 1.5f, t - 200);
    }

    const float side_x[4] = {-0.35f, -0.25f, 0.25f, 0.35f};
    for (int r = 0; r < 4; r++) {
        int first = b + geo_approach_side + 20 * r;
        lay_row(slot, first, first + 19, 0, side_x[r] * W, t + 429, side_x[r] * W, t + 50);
    }
    const float touchdown_x[6] = {-0.2f, -0.16f, -0.12f, 0.12f, 0.16f, 0.2f};
    for (int r = 0; r < 6; r++) {
        int first = b + geo_touchdown + 20 * r;
        lay_row(slot, first, first + 19, 0, touchdown_x[r] * W, t - 20, touchdown_x[r] * W, t - 400);
    }
    lay_row(slot, b + geo_outer_approach, b + geo_outer_approach + 9, 0, -0.05f * W, t + 1000, -0.05f * W, t + 550);
    lay_row(slot, b + geo_outer_approach + 10, b + geo_outer_approach + 19, 0, 0.05f * W, t + 1000, 0.05f * W,
            t + 550);
}

// Thirteen lights across the runway at z, a tenth of the width apart, the
// second and the twelfth on the edges.
static void lay_threshold_bar(int slot, int first, float z, float W)
{
    for (int k = 0; k < 13; k++) as_grnd_xy(slot, first + k, -W / 2 + (k - 1) * W / 10, 0.5f, z);
}

// ---- setuprunway -------------------------------------------------------------------

static void to_world(float p[3], float cx, float cz, float hdng)
{
    float x = p[0], z = p[2];
    p[0] = cx + rx3d(x, z, hdng);
    p[2] = cz + rz3d(x, z, hdng);
}

// Lights of one runway that lie on another's pavement are removed, and a
// windsock standing on another's strip is hidden; every pair both ways.
static void clear_crossings(int airport)
{
    for (int r1 = apt_lo_ind[airport]; r1 <= apt_hi_ind[airport]; r1++)
        for (int r2 = apt_lo_ind[airport]; r2 <= apt_hi_ind[airport]; r2++) {
            int s1 = rwy_geo_ind[r1], s2 = rwy_geo_ind[r2];
            if (s1 < 0 || s2 < 0 || s1 == s2) continue;
            clear_region(s1, s2, 0, 0, last_ground_light);
            if (geo_tway[s2])
                for (int q = 1; q < geo_quads; q++) clear_region(s1, s2, q, 0, last_ground_light);
            for (int k = 0; k < 2; k++) {
                float* sock = geo_sockxyz[s1][k];
                if (in_runway(airport, s2, sock[0], sock[2])) sock[1] = geo_removed_y;
            }
        }
}

void setuprunway(int airport, int runway, int slot)
{
    assert(slot >= 0 && slot < geo_slots);
    const float L = rwy_len[runway], W = rwy_width[runway], hdng = rwy_hdng[runway], h = apt_h[airport];

    // Nothing of the slot's previous runway may show through.
    for (int i = 0; i < geo_lights; i++) {
        set3(geo_litexyz[slot][i], 0, geo_removed_y, 0);
        light_built[i] = 0;
    }

    int n = edge_intervals(L * con.mtrstoft);
    geo_rmax1[slot] = geo_left_row + n;
    geo_rmax2[slot] = geo_right_row + n;
    geo_RCLS[slot] = geo_centre_row + n;
    geo_tmax1[slot] = geo_taxi_inner_row + n;
    geo_tmax2[slot] = geo_taxi_outer_row + n;

    for (int q = 0; q < geo_quads; q++) {
        const float* s = quad_sides[q];
        as_mark_xy(slot, q, s[0], s[1], s[2], s[3], L, W);
    }
    set3(geo_sockxyz[slot][0], 1.5f * W, 0, -0.44f * L);
    set3(geo_sockxyz[slot][1], 1.5f * W, 0, 0.44f * L);

    lay_runway_and_taxiway_rows(slot, n, L, W);
    for (int e = 0; e < 2; e++)
        lay_approach_block(slot, e * geo_end_offset, geo_litapp[slot][e], geo_litgls[slot][e], L, W);
    lay_threshold_bar(slot, geo_threshold_bar0, L / 2 + 2, W);
    lay_threshold_bar(slot, geo_threshold_bar1, -L / 2 - 2, W);
    as_grnd_xy(slot, geo_beacon, -W, 27, 0);

    for (int i = mirrored_first; i <= mirrored_last; i++)
        if (light_built[i]) {
            geo_litexyz[slot][i][0] = -geo_litexyz[slot][i][0];
            geo_litexyz[slot][i][2] = -geo_litexyz[slot][i][2];
        }

    // Into the world.
    const float cx = X_with_latlon(rwy_lat[runway], rwy_lon[runway]), cz = Z_with_lat(rwy_lat[runway]);
    for (int q = 0; q < geo_quads; q++)
        for (int k = 0; k < 4; k++) {
            to_world(geo_markxyz[slot][q][k], cx, cz, hdng);
            geo_markxyz[slot][q][k][1] = h;
        }
    for (int i = 0; i < geo_lights; i++)
        if (light_built[i]) {
            to_world(geo_litexyz[slot][i], cx, cz, hdng);
            geo_litexyz[slot][i][1] += h;
        }
    for (int k = 0; k < 2; k++) {
        to_world(geo_sockxyz[slot][k], cx, cz, hdng);
        geo_sockxyz[slot][k][1] = h + 5;
    }

    // The strip's corners, taken before any crossing runway removes the lights they stand on.
    const int corner_light[4] = {geo_left_row, geo_left_row + n, geo_taxi_outer_row + n, geo_taxi_outer_row};
    for (int k = 0; k < 4; k++)
        for (int c = 0; c < 3; c++) geo_cornxyz[slot][k][c] = geo_litexyz[slot][corner_light[k]][c];

    // The flasher starts where the approach lights begin (kind 6's run is
    // half as long) and steps one approach light toward the runway.
    for (int e = 0; e < 2; e++) {
        int b = e * geo_end_offset;
        float d = L / 2 + (geo_litapp[slot][e] == 6 ? 500 : 1000), sign = e == 0 ? 1.0f : -1.0f;
        set3(geo_rabSxyz[slot][e], cx + sign * rx3d(0, d, hdng), h, cz + sign * rz3d(0, d, hdng));
        const float* outer = geo_litexyz[slot][b + geo_approach_left];
        const float* next = geo_litexyz[slot][b + geo_approach_left + 1];
        set3(geo_rabDxyz[slot][e], next[0] - outer[0], 0, next[2] - outer[2]);
    }

    // The connectors cross the right edge lights and the taxiway's inner row.
    if (geo_tway[slot])
        for (int q = 2; q <= 4; q++) clear_region(slot, slot, q, 0, geo_approach_left - 1);

    // Every runway of the airport has its slot once the last one is built,
    // or once the region's slots run out in the middle of the airport.
    if (runway == apt_hi_ind[airport] || slot == geo_slots - 1) clear_crossings(airport);
}

// ---- in_runway ---------------------------------------------------------------------

int in_runway(int airport, int slot, float x, float z)
{
    const float margin = 15;
    if (slot >= 0) return slot < geo_slots && inside_cw_poly(geo_cornxyz[slot], 4, x, z, margin);
    for (int r = apt_lo_ind[airport]; r <= apt_hi_ind[airport]; r++) {
        int s = rwy_geo_ind[r];
        if (s >= 0 && s < geo_slots && inside_cw_poly(geo_cornxyz[s], 4, x, z, margin)) return 1;
    }
    return 0;
}

// ---- the rabbits ---------------------------------------------------------------------

void step_rabbits(int tenth)
{
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int a = apt_to_index[l];
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) {
            int s = rwy_geo_ind[r];
            if (s < 0 || s >= geo_slots) continue;
            for (int e = 0; e < 2; e++) {
                if (geo_litapp[s][e] < 3 || geo_litapp[s][e] > 6) continue;
                float* p = geo_litexyz[s][geo_rabbit + e * geo_end_offset];
                const float* start = geo_rabSxyz[s][e];
                const float* step = geo_rabDxyz[s][e];
                if (tenth == 0) {
                    set3(p, start[0], start[1], start[2]);
                } else {
                    p[0] += step[0];
                    p[2] += step[2];
                }
            }
        }
    }
}
