// The ground of the outside view.
//   cell lists      the culling rebuild sorts the terrain range by texture
//   terrain         the base batches, the custom cells, then what stands on the water
//   city lights, trees, lightning
//   tess_quad       runway and pavement quads, subdivided under a low aircraft
#include "Plane.h"
#include "Add-ons.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Startscn.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

// ---- cell lists ------------------------------------------------------------------

const int base_textures = tex_terrain_last - tex_terrain_first + 1;   // 12
const int custom_list = base_textures;                               // the list after the base ones
const int cell_lists = base_textures + 1;
const int range_cells = (region_grid_x - 1) * (region_grid_z - 1);   // the widest terrain range

static_assert(region_grid_x - 1 <= 256 && region_grid_z - 1 <= 256, "a cell's indices fit a byte each");

struct cellref {
    unsigned char i, j;
};

// What the last culling rebuild found in the terrain range: its cells by
// texture list, each list in the draw walk's order (rows south to north,
// west to east in a row), and the cells carrying a platform or a rig. The
// rebuild rewrites it whole; before the first one it is empty.
struct terrainlistsstruct {
    int first[cell_lists + 1];   // list k is cell[first[k] .. first[k + 1] - 1]
    cellref cell[range_cells];
    int platforms;
    cellref platform[range_cells];
};
static terrainlistsstruct ter_lists;

void clear_terrain_lists(void) { memset(&ter_lists, 0, sizeof ter_lists); }

static cellref cell_at(int i, int j) { return {(unsigned char)i, (unsigned char)j}; }

// The list a cell of texture tex is drawn in; -1: not drawn.
static int list_of(unsigned tex)
{
    if (tex >= (unsigned)tex_terrain_first && tex <= (unsigned)tex_terrain_last) return (int)tex - tex_terrain_first;
    if (tex >= (unsigned)tex_custom_first) return custom_list;
    return -1;
}

// scn's terrain range. The frame clamps it already; held here too, since a
// cell reads the grid points one further on.
struct cellrange {
    int i0, i1, j0, j1;
};
static cellrange terrain_range(void)
{
    return {intlim(scn.ter_imin, 0, region_grid_x - 2), intlim(scn.ter_imax, 0, region_grid_x - 2),
            intlim(scn.ter_jmin, 0, region_grid_z - 2), intlim(scn.ter_jmax, 0, region_grid_z - 2)};
}

void sort_terrain_cells(void)
{
    terrainlistsstruct& L = ter_lists;
    const cellrange r = terrain_range();
    const int i0 = r.i0, i1 = r.i1, j0 = r.j0, j1 = r.j1;

    int count[cell_lists] = {};
    for (int j = j0; j <= j1; j++)
        for (int i = i0; i <= i1; i++) {
            int k = list_of(planetex[i][j]);
            if (k >= 0) count[k]++;
        }
    int at[cell_lists];
    L.first[0] = 0;
    for (int k = 0; k < cell_lists; k++) {
        at[k] = L.first[k];
        L.first[k + 1] = L.first[k] + count[k];
    }
    for (int j = j0; j <= j1; j++)
        for (int i = i0; i <= i1; i++) {
            int k = list_of(planetex[i][j]);
            if (k >= 0) L.cell[at[k]++] = cell_at(i, j);
        }

    L.platforms = 0;
    for (int i = i0; i <= i1; i++)
        for (int j = j0; j <= j1; j++)
            if (offp_on_poly[i][j] || oilr_on_poly[i][j]) L.platform[L.platforms++] = cell_at(i, j);
}

// ---- terrain ---------------------------------------------------------------------

static void send_corner(int i, int j, int di, int dj)
{
    glNormal3fv(planenrml[i + di][j + dj]);
    glTexCoord2fv(planest[i][j][di][dj]);
    glVertex3fv(planexyz[i + di][j + dj]);
}

// The cell's two triangles, inside an open triangle batch; clockwise from above.
static void send_cell(int i, int j)
{
    send_corner(i, j, 0, 0);
    send_corner(i, j, 0, 1);
    send_corner(i, j, 1, 1);
    send_corner(i, j, 1, 1);
    send_corner(i, j, 1, 0);
    send_corner(i, j, 0, 0);
}

// Each base texture bound once, its in-view cells in one batch.
static void draw_base_cells(void)
{
    const terrainlistsstruct& L = ter_lists;
    for (int k = 0; k < base_textures; k++) {
        if (L.first[k] == L.first[k + 1]) continue;
        OGL_bindtex(tex_terrain_first + k);
        glBegin(GL_TRIANGLES);
        for (int n = L.first[k]; n < L.first[k + 1]; n++) {
            cellref c = L.cell[n];
            if (ter_inrange[c.i][c.j]) send_cell(c.i, c.j);
        }
        glEnd();
    }
}

// A custom texture is the region's own: a bind and a batch per cell.
static void draw_custom_cells(void)
{
    const terrainlistsstruct& L = ter_lists;
    for (int n = L.first[custom_list]; n < L.first[custom_list + 1]; n++) {
        cellref c = L.cell[n];
        if (!ter_inrange[c.i][c.j]) continue;
        OGL_bindtex((int)planetex[c.i][c.j]);
        glBegin(GL_TRIANGLES);
        send_cell(c.i, c.j);
        glEnd();
    }
}

// The ships' wakes and the aircraft's own over the ground under it, blended over the water.
static void draw_wakes(void)
{
    OGL_setstate(1, 1, 0, 0);
    glEnable(GL_BLEND);
    build_wake(0, env.ship_x[0], env.ship_y[0], env.ship_z[0], ship_speed[0], env.ship_hdg[0]);
    build_wake(1, env.ship_x[1], env.ship_y[1], env.ship_z[1], ship_speed[1], env.ship_hdg[1]);
    build_wake(2, (float)flt.pos_x[0], env.ground_h, (float)flt.pos_z[0], flt.gnd_speed[0], flt.track);
    glDisable(GL_BLEND);
}

// A platform and a rig on the same cell stand at the same place.
static void draw_platforms(void)
{
    const terrainlistsstruct& L = ter_lists;
    for (int n = 0; n < L.platforms; n++) {
        int i = L.platform[n].i, j = L.platform[n].j;
        if (!ter_inrange[i][j]) continue;
        float x = (planexyz[i][j][0] + planexyz[i + 1][j + 1][0]) * 0.5f;
        float y = (planexyz[i][j][1] + planexyz[i + 1][j + 1][1]) * 0.5f;
        float z = (planexyz[i][j][2] + planexyz[i + 1][j + 1][2]) * 0.5f;
        glPushMatrix();
        glTranslatef(x, y, z);
        if (offp_on_poly[i][j]) draw_a_offp(x, y, z);
        if (oilr_on_poly[i][j]) draw_a_oilr(x, y, z);
        glPopMatrix();
    }
}

// Ship s (0 the carrier, 1 the frigate) at its attitude, when it lies within
// 500 m of the visible box.
static void draw_ship(int s, void (*draw)(float x, float y, float z))
{
    float x = env.ship_x[s], y = env.ship_y[s], z = env.ship_z[s];
    if (!fltbox(x, z, scn.vis_xmin - 500.0f, scn.vis_zmin - 500.0f, scn.vis_xmax + 500.0f, scn.vis_zmax + 500.0f))
        return;
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(-env.ship_hdg[s], 0, 1, 0);
    glRotatef(-env.ship_pitch[s], -1, 0, 0);
    glRotatef(-env.ship_roll[s], 0, 0, 1);
    draw(x, y, z);
    glPopMatrix();
}

// The contact flags are cleared by the frame with its other per-frame
// resets, before this runs.
void plot_terrain(void)
{
    draw_base_cells();
    draw_custom_cells();
    draw_wakes();
    draw_platforms();
    draw_ship(0, draw_a_carr);
    draw_ship(1, draw_a_frig);
}

// ---- city lights, trees, lightning -------------------------------------------------

void plot_city_lights(void)
{
    // Lifted toward the eye by a twentieth of its height, so the ground does not hide them.
    float dy = (con.VIEW_xyz[1] - env.camera_ground_h) * 0.05f;
    const cellrange r = terrain_range();
    glPushMatrix();
    glTranslatef(0, dy, 0);
    glBegin(GL_POINTS);
    for (int i = r.i0; i <= r.i1; i++)
        for (int j = r.j0; j <= r.j1; j++) {
            if (!ter_inrange[i][j] || !city_on_poly[i][j]) continue;
            for (int g = 0; g < 2; g++) {
                glColor3f(0.4f, 1.0f, 0.6f);
                for (int k = 0; k < 4; k++) glVertex3fv(city_xyz[i][j][g][k]);
                glColor3f(1.0f, 0.85f, 0.0f);
                for (int k = 4; k < 7; k++) glVertex3fv(city_xyz[i][j][g][k]);
            }
        }
    glEnd();
    glPopMatrix();
}

// Each tree a billboard 12 m wide and 20 m tall turned to the view's heading.
// Its corners are turned here, so that all trees go in one batch.
void plot_trees(void)
{
    float b = ogl_brat_ter;
    glColor3f(b, b, b);
    glEnable(GL_ALPHA_TEST);
    OGL_bindtex(tex_trees);
    float hdg = scn.view_heading * 0.017453293f;
    float ax = 6.0f * cosf(hdg), az = 6.0f * sinf(hdg);   // (6, 0, 0) turned by -heading about y
    const cellrange r = terrain_range();
    glBegin(GL_QUADS);
    for (int i = r.i0; i <= r.i1; i++)
        for (int j = r.j0; j <= r.j1; j++) {
            if (!ter_inrange[i][j] || !tree_on_poly[i][j]) continue;
            for (int g = 0; g < 2; g++)
                for (int k = 0; k < 4; k++) {
                    const float* p = tree_xyz[i][j][g][k];
                    glTexCoord2f(0, 0);
                    glVertex3f(p[0] - ax, p[1], p[2] - az);
                    glTexCoord2f(0, 1);
                    glVertex3f(p[0] - ax, p[1] + 20.0f, p[2] - az);
                    glTexCoord2f(1, 1);
                    glVertex3f(p[0] + ax, p[1] + 20.0f, p[2] + az);
                    glTexCoord2f(1, 0);
                    glVertex3f(p[0] + ax, p[1], p[2] + az);
                }
        }
    glEnd();
    glDisable(GL_ALPHA_TEST);
}

void plot_lightning(void)
{
    glColor3f(1.0f, 1.0f, 0.6f);
    glBegin(GL_LINES);
    for (int b = 0; b < bolt_branches; b++)
        for (int k = 0; k < bolt_points - 1; k++) {
            glVertex3fv(atm.bolt[b][k]);
            glVertex3fv(atm.bolt[b][k + 1]);
        }
    glEnd();
}

// ---- tess_quad -------------------------------------------------------------------

// The pieces a side of the quad is cut into: more the lower the aircraft,
// and only when it is over the quad or coming toward it.
static int quad_pieces(const float P[4][3])
{
    // Sunk or crashed counts as on the ground: the root below needs h >= 0;
    // not a number too. From 400 m up a side is one piece, and the margin
    // is at its widest from 100 m.
    float h = (float)flt.pos_y[0] - env.ground_h;
    h = h > 0 ? fminf(h, 400.0f) : 0;
    float margin = fltlim(15.0f * h, 300.0f, 1500.0f);
    float xmin = fltmin4(P[0][0], P[1][0], P[2][0], P[3][0]), xmax = fltmax4(P[0][0], P[1][0], P[2][0], P[3][0]);
    float zmin = fltmin4(P[0][2], P[1][2], P[2][2], P[3][2]), zmax = fltmax4(P[0][2], P[1][2], P[2][2], P[3][2]);
    // Widened on the side the aircraft comes from.
    float psi = flt.psi[0];
    if (fltrange(psi, 0, 180)) xmin -= margin;
    if (fltrange(psi, 180, 360)) xmax += margin;
    if (fltrange(psi, 90, 270)) zmin -= margin;
    if (fltrange(psi, 270, 360)) zmax += margin;
    if (fltrange(psi, 0, 90)) zmax += margin;
    if (!fltbox((float)flt.pos_x[0], (float)flt.pos_z[0], xmin, zmin, xmax, zmax)) return 1;
    return intlim(intround(interp(0, 12, 1, 1, sqrtf(0.0025f * h))), 1, 9);
}

// The quad cut into n x n pieces, inside an open quad batch. u runs from P1
// to P2 with t, v across from A(u) on P1-P2 to C(u) on P4-P3 with s; each
// piece keeps the quad's corner order.
static void send_pieces(int n, float s0, float t0, float s1, float t1, const float P[4][3])
{
    const int corner[4][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};   // (row end, column end): P4, P1, P2, P3
    float step = 1.0f / (float)n;
    for (int a = 0; a < n; a++) {
        float u[2] = {(float)a * step, (float)(a + 1) * step};
        float A[2][3], C[2][3];
        for (int e = 0; e < 2; e++)
            for (int c = 0; c < 3; c++) {
                A[e][c] = P[0][c] + u[e] * (P[1][c] - P[0][c]);
                C[e][c] = P[3][c] + u[e] * (P[2][c] - P[3][c]);
            }
        for (int b = 0; b < n; b++) {
            float v[2] = {(float)b * step, (float)(b + 1) * step};
            for (const int* rc : corner) {
                const float *pa = A[rc[0]], *pc = C[rc[0]];
                float w = v[rc[1]];
                glTexCoord2f(s0 + w * (s1 - s0), t0 + u[rc[0]] * (t1 - t0));
                glVertex3f(pa[0] + w * (pc[0] - pa[0]), pa[1] + w * (pc[1] - pa[1]), pa[2] + w * (pc[2] - pa[2]));
            }
        }
    }
}

void tess_quad(int subdivide, float s0, float t0, float s1, float t1, float x1, float y1, float z1, float x2,
               float y2, float z2, float x3, float y3, float z3, float x4, float y4, float z4)
{
    const float P[4][3] = {{x1, y1, z1}, {x2, y2, z2}, {x3, y3, z3}, {x4, y4, z4}};
    int n = subdivide ? quad_pieces(P) : 1;
    glBegin(GL_QUADS);
    if (n > 1) {
        send_pieces(n, s0, t0, s1, t1, P);
    } else {
        glTexCoord2f(s0, t0);
        glVertex3fv(P[0]);
        glTexCoord2f(s0, t1);
        glVertex3fv(P[1]);
        glTexCoord2f(s1, t1);
        glVertex3fv(P[2]);
        glTexCoord2f(s1, t0);
        glVertex3fv(P[3]);
    }
    glEnd();
}
