// Terrain classes over the simulator's region grid: the transition borders
// between water, flat and steep land, and the local ground height with
// platforms, decks and bumpy surfaces. Built into the programs that hold the
// region grid.
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "records.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The border set of the new_border pass under way.
static unsigned t1, t2, t3, t4, t5, t6, t7, t8;

void set_st(int i, int j, float s00, float s01, float s11, float s10,
            float t00, float t01, float t11, float t10, unsigned tex)
{
    planetex[i][j] = tex;
    const float corners[8] = {s00, s01, s11, s10, t00, t01, t11, t10};
    put_corners(planest[i][j], corners);
}

int coast(int i, int j)
{
    unsigned t = planetex[i][j];
    return (t == t1 || t == t2 || t == t3 || t == t4 || t == t5 || t == t6 || t == t7 || t == t8) ? 1 : 0;
}

// The water transitions toward flat land (51..53) and toward steep land
// (59..61) pair up, so that a water border counts both as water.
static unsigned water_pair(unsigned id)
{
    if (id >= 51 && id <= 53) return id + 8;
    if (id >= 59 && id <= 61) return id - 8;
    return id;
}

void new_border(unsigned base, unsigned other, unsigned edge, unsigned outer, unsigned inner,
                int rows, int cols)
{
    t1 = t2 = base;
    t3 = edge;
    t4 = outer;
    t5 = inner;
    t6 = t7 = t8 = base;
    rows = intlim(rows, 0, region_grid_x);
    cols = intlim(cols, 0, region_grid_z);
    if (base == tex_water) {
        t6 = water_pair(edge);
        t7 = water_pair(outer);
        t8 = water_pair(inner);
    }
    for (int i = 1; i <= rows - 2; i++)
        for (int j = 1; j <= cols - 2; j++) {
            if (planetex[i][j] != base) continue;
            auto O = [&](int di, int dj) { return planetex[i + di][j + dj] == other; };
            auto K = [&](int di, int dj) { return coast(i + di, j + dj) == 1; };
            if (O(-1, 0) && O(0, +1)) set_st(i, j, 0, 0, 1, 1, 0, 1, 1, 0, outer);
            if (O(-1, 0) && O(0, -1)) set_st(i, j, 0, 0, 1, 1, 1, 0, 0, 1, outer);
            if (O(+1, 0) && O(0, +1)) set_st(i, j, 1, 1, 0, 0, 0, 1, 1, 0, outer);
            if (O(+1, 0) && O(0, -1)) set_st(i, j, 0, 1, 1, 0, 0, 0, 1, 1, outer);
            if (O(-1, 0) && K(0, -1) && K(0, +1)) set_st(i, j, 0, 0, 1, 1, 0, 1, 1, 0, edge);
            if (O(+1, 0) && K(0, -1) && K(0, +1)) set_st(i, j, 1, 1, 0, 0, 1, 0, 0, 1, edge);
            if (O(0, -1) && K(-1, 0) && K(+1, 0)) set_st(i, j, 0, 1, 1, 0, 1, 1, 0, 0, edge);
            if (O(0, +1) && K(-1, 0) && K(+1, 0)) set_st(i, j, 1, 0, 0, 1, 0, 0, 1, 1, edge);
            if (O(-1, -1) && K(-1, 0) && K(0, -1)) set_st(i, j, 1, 0, 0, 1, 0, 0, 1, 1, inner);
            if (O(-1, +1) && K(-1, 0) && K(0, +1)) set_st(i, j, 1, 1, 0, 0, 1, 0, 0, 1, inner);
            if (O(+1, -1) && K(+1, 0) && K(0, -1)) set_st(i, j, 0, 0, 1, 1, 0, 1, 1, 0, inner);
            if (O(+1, +1) && K(+1, 0) && K(0, +1)) set_st(i, j, 0, 1, 1, 0, 1, 1, 0, 0, inner);
        }
}

// dy / d, or 0 over two points that share their position (a damaged square).
static float rise(float dy, float d) { return d != 0 ? dy / d : 0.0f; }

void assign_terrain_texes(int rows, int cols)
{
    rows = intlim(rows, 0, region_grid_x);
    cols = intlim(cols, 0, region_grid_z);
    for (int i = 0; i <= rows - 2; i++)
        for (int j = 0; j <= cols - 2; j++) {
            if (planetex[i][j] >= (unsigned)tex_custom_first) continue;
            unsigned tex;
            if (is_water[i][j]) {
                tex = tex_water;
            } else {
                const float* p = planexyz[i][j];
                const float* pn = planexyz[i][j + 1];
                const float* pe = planexyz[i + 1][j];
                float slope = fabsf(rise(pn[1] - p[1], pn[2] - p[2])) + fabsf(rise(pe[1] - p[1], pe[0] - p[0]));
                tex = tex_flat;
                if (slope >= 0.1f) {
                    tex = tex_steep;
                    city_on_poly[i][j] = 0;
                }
            }
            set_st(i, j, 0, 0, 1, 1, 0, 1, 1, 0, tex);
        }
    // Steep land spreads one cell south and west, in one pass.
    for (int i = 1; i <= rows - 1; i++)
        for (int j = 1; j <= cols - 1; j++) {
            if (planetex[i][j] != tex_steep) continue;
            if (planetex[i - 1][j - 1] == tex_flat) planetex[i - 1][j - 1] = tex_steep;
            if (planetex[i - 1][j] == tex_flat) planetex[i - 1][j] = tex_steep;
            if (planetex[i][j - 1] == tex_flat) planetex[i][j - 1] = tex_steep;
        }
    new_border(tex_steep, tex_flat, 55, 56, 57, rows, cols);
    new_border(tex_water, tex_flat, 51, 52, 53, rows, cols);
    new_border(tex_water, tex_steep, 59, 60, 61, rows, cols);
}

static const float cell_margin = 1.0f;   // m; neighbouring triangles overlap by this

// Triangle 1 of cell (i, j) has the corners (i, j), (i, j+1), (i+1, j+1),
// triangle 2 (i, j), (i+1, j+1), (i+1, j); both are listed clockwise.
static int in_triangle(const float* a, const float* b, const float* c, float x, float z)
{
    return inside_cw_reg(a[0], a[2], b[0], b[2], x, z, cell_margin) &&
           inside_cw_reg(b[0], b[2], c[0], c[2], x, z, cell_margin) &&
           inside_cw_reg(c[0], c[2], a[0], a[2], x, z, cell_margin);
}

// 1 or 2 when (x, z) is in that triangle of cell (i, j), else 0.
static int cell_triangle(int i, int j, float x, float z)
{
    if (in_triangle(planexyz[i][j], planexyz[i][j + 1], planexyz[i + 1][j + 1], x, z)) return 1;
    if (in_triangle(planexyz[i][j], planexyz[i + 1][j + 1], planexyz[i + 1][j], x, z)) return 2;
    return 0;
}

// The height at (x, z) of the plane through P0, P1, P2; a plane that stands
// on edge over (x, z) (corners that share a position) adds nothing for that axis.
static float plane_h(const float* p0, const float* p1, const float* p2, float x, float z)
{
    float dx1 = p1[0] - p0[0], dy1 = p1[1] - p0[1], dz1 = p1[2] - p0[2];
    float dx2 = p2[0] - p0[0], dy2 = p2[1] - p0[1], dz2 = p2[2] - p0[2];
    float h = p0[1];
    float den_z = dz2 * dx1 - dz1 * dx2;
    float den_x = dx2 * dz1 - dx1 * dz2;
    if (den_z != 0) h += (z - p0[2]) * (dx1 * dy2 - dx2 * dy1) / den_z;
    if (den_x != 0) h += (x - p0[0]) * (dz1 * dy2 - dz2 * dy1) / den_x;
    return h;
}

float find_local_h(float x, float z, float* vx, float* vy, float* vz, int* i, int* j, int with_surfaces)
{
    const int last_i = region_grid_x - 2, last_j = region_grid_z - 2;
    int si = intlim(*i, 0, last_i), sj = intlim(*j, 0, last_j);
    int fi = si, fj = sj, tri = 0;
    // Rings of cells around the start cell, growing until the point is found;
    // the ring that reaches every edge of the grid is the last one searched.
    int i0 = si, i1 = si, j0 = sj, j1 = sj;
    for (;;) {
        for (int ci = i0; ci <= i1 && !tri; ci++)
            for (int cj = j0; cj <= j1 && !tri; cj++) {
                if (ci != i0 && ci != i1 && cj != j0 && cj != j1) continue;
                tri = cell_triangle(ci, cj, x, z);
                if (tri) {
                    fi = ci;
                    fj = cj;
                }
            }
        if (tri) break;
        if (i0 == 0 && i1 == last_i && j0 == 0 && j1 == last_j) break;
        i0 = intmax2(i0 - 1, 0);
        i1 = intmin2(i1 + 1, last_i);
        j0 = intmax2(j0 - 1, 0);
        j1 = intmin2(j1 + 1, last_j);
    }
    if (!tri) tri = 1;   // outside the grid: the start cell's first plane, extended
    *i = fi;
    *j = fj;
    float h;
    if (tri == 1) h = plane_h(planexyz[fi][fj + 1], planexyz[fi + 1][fj + 1], planexyz[fi][fj], x, z);
    else h = plane_h(planexyz[fi + 1][fj], planexyz[fi][fj], planexyz[fi + 1][fj + 1], x, z);
    *vx = 0;
    *vz = 0;
    if (!with_surfaces) return h;

    if (env.on_platform) h = env.deck_h;
    if (env.on_carrier || env.on_frigate) {
        // The carrier's block unless the frigate's deck is under the point.
        int s = env.on_frigate ? 1 : 0;
        float L = s ? 7.0f : 21.0f;
        float V = s ? 10.0f : 15.0f;
        float r = con.degtorad;
        float a1 = env.ship_pitch[s] * r, a2 = env.ship_hdg[s] * r, a3 = env.ship_roll[s] * r;
        float w1 = env.ship_pitch_rate[s] * r, w2 = env.ship_turn[s] * r, w3 = env.ship_roll_rate[s] * r;
        float dx = x - (env.ship_x[s] + L * cosf(a2) * sinf(a3) - L * sinf(a2) * sinf(a1));
        float dz = z - (env.ship_z[s] + L * cosf(a2) * sinf(a1) + L * sinf(a2) * sinf(a3));
        float d = pythag(dx, dz);
        float q = atan2f(dx, -dz);
        float rr = q - a2;
        *vx = V * sinf(a2) + w2 * d * cosf(q) + L * (w3 * cosf(a2) - w1 * sinf(a2));
        *vz = -V * cosf(a2) + w2 * d * sinf(q) + L * (w1 * cosf(a2) + w3 * sinf(a2));
        *vy = d * cosf(rr) * w1 - d * sinf(rr) * w3;
        h = env.ship_y[s] + L * cosf(a3) * cosf(a1) + d * cosf(rr) * tanf(a1) - d * sinf(rr) * tanf(a3) * cosf(a1);
    }
    switch (env.surface_type) {
    case 64: h += 0.01f * (cosf(z) + sinf(x) + sinf(4 * x) + cosf(4 * z)); break;
    case 65: h += 0.02f * (cosf(2 * z) + sinf(2 * x) + sinf(4 * x) + cosf(4 * z)); break;
    case 66: h += 0.02f * (cosf(4 * z) + sinf(4 * x)); break;
    case 67: h += 0.04f * (cosf(z) + sinf(x) + sinf(4 * x) + cosf(4 * z)); break;
    }
    return h;
}
