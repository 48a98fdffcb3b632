// The cloud layer from the region's cloud grid, and the forest fires with
// their smoke. A scattered or broken layer is a field of textured puffs, one
// quad a grid cell; an overcast is a smooth sheet shaded by the grid. A fire
// is a flickering billboard at each of its points; the smoke is one pool of
// puffs that rise, grow and drift downwind, and start again at a fire.
//
// Sections: clouds, the fires' run state, fire and smoke animation,
// billboards, plot_fires.
#include "Add-ons.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Startscn.h"

#include <GL/gl.h>
#include <cmath>

// ---- clouds --------------------------------------------------------------------

const int cloud_scattered = 2;
const int cloud_broken = 3;
const int cloud_overcast = 4;

int puff_cell_drawn(int type, int i, int j) { return !(type == cloud_scattered && (i + j) % 3 == 0); }

void puff_cell_st(int i, int j, float st[4][2])
{
    // The corners in drawing order; each step of r hands every corner the
    // coordinates of the next, a quarter turn of the picture.
    const float corner[4][2] = {{(float)i, (float)j}, {(float)i, (float)(j + 1)},
                                {(float)(i + 1), (float)(j + 1)}, {(float)(i + 1), (float)j}};
    int r = (i + j) % 4;
    for (int k = 0; k < 4; k++) {
        st[k][0] = corner[(k + r) % 4][0];
        st[k][1] = corner[(k + r) % 4][1];
    }
}

static void puff_vertex(int i, int j, const float* st)
{
    glTexCoord2f(st[0], st[1]);
    glVertex3fv(cloudxyz[i][j]);
}

// Seen from below the quads face away in the clockwise winding: they turn for it.
static void draw_puffs(int type)
{
    glColor3f(lite_r, lite_g, lite_b);
    OGL_bindtex(tex_cloud);
    if (scn.below_clouds) glFrontFace(GL_CCW);
    glEnable(GL_BLEND);
    glBegin(GL_QUADS);
    for (int j = scn.cld_jmin; j < scn.cld_jmax; j++)
        for (int i = scn.cld_imin; i < scn.cld_imax; i++) {
            if (!puff_cell_drawn(type, i, j)) continue;
            float st[4][2];
            puff_cell_st(i, j, st);
            puff_vertex(i, j, st[0]);
            puff_vertex(i, j + 1, st[1]);
            puff_vertex(i + 1, j + 1, st[2]);
            puff_vertex(i + 1, j, st[3]);
        }
    glEnd();
    glFrontFace(GL_CW);
    glDisable(GL_BLEND);
}

static void sheet_vertex(int i, int j)
{
    const float* c = cloudrgb[i][j];
    glColor3f(lite_r * c[0], lite_g * c[1], lite_b * c[2]);
    glVertex3fv(cloudxyz[i][j]);
}

// Over the same cells as the puffs: the strip's last point pair closes the
// range's last cell.
static void draw_sheet(void)
{
    for (int j = scn.cld_jmin; j < scn.cld_jmax; j++) {
        glBegin(GL_TRIANGLE_STRIP);
        for (int i = scn.cld_imin; i <= scn.cld_imax; i++) {
            sheet_vertex(i, j);
            sheet_vertex(i, j + 1);
        }
        glEnd();
    }
}

// A layer of puffs hangs at its base. An overcast is only drawn from above,
// as the deck that hides the ground below its tops: it lies at the tops.
void plot_clouds(void)
{
    int type = atm.cloud_type;
    int puffs = type == cloud_scattered || type == cloud_broken;
    if (!puffs && type != cloud_overcast) return;
    OGL_setstate(1, puffs, 0, 1);
    glPushMatrix();
    glNormal3f(0, 1, 0);
    glTranslatef(0, puffs ? atm.cloud_base : atm.cloud_tops, 0);
    if (puffs) draw_puffs(type);
    else draw_sheet();
    glPopMatrix();
}

// ---- the fires' run state ----------------------------------------------------------

const int fire_frames = tex_fire_last - tex_fire_first + 1;
const float fire_frame_rate = 10;      // texture frames a second
const float fire_half_width = 35;      // m
const float fire_height = 50;          // m
const float fire_moved = 1.0f;         // m: fire 0 further than this, a new region's fire

const float smoke_life = 100;          // s
const float smoke_start_size = 25;     // m, half the side
const float smoke_growth = 1.5f;       // m/s
const float smoke_drift = 0.25f;       // of the size, m/s downwind
const float smoke_rise = 0.03f;        // of the size, m/s
const float smoke_start_height = 20;   // m above the fire
// Fire 0's smoke drifts from 15 degrees right of the wind's direction, each
// further fire's 3 degrees less.
const float smoke_veer = 15;           // degrees
const float smoke_spread = 3;          // degrees
const float fire_unseen = -9.9e9f;     // m, fire 0's last place before any fire burned

// The frame counter starts on the first fire picture: from 0 one wrap into
// the fire pictures' range would leave it among the aircraft's paints.
struct fire_run_state {
    float frame = tex_fire_first;
    int offsets_drawn = 0;
    int offset[fire_slots] = {};
    float fire0_x = fire_unseen, fire0_z = fire_unseen;
    smoke_puff puff[smoke_puffs] = {};
};
static fire_run_state fire_run;

void clear_fire_run_state(void) { fire_run = fire_run_state(); }

// ---- fire and smoke animation --------------------------------------------------------

static float next_fire_frame(float frame, float dt)
{
    return fltwrap(frame + fire_frame_rate * dt, (float)tex_fire_first, (float)tex_fire_last);
}

static int fire_frame_tex(float frame, int offset)
{
    return intwrap(intround(frame) + offset, tex_fire_first, tex_fire_last);
}

int fire_tex(int k) { return fire_frame_tex(fire_run.frame, fire_run.offset[k]); }

const smoke_puff& smoke_puff_at(int n) { return fire_run.puff[n]; }

// At a fire picked at random, whether it burns or not.
static void restart_puff(smoke_puff& p)
{
    int k = intrand(0, fire_slots - 1);
    p.age -= smoke_life;
    p.size = smoke_start_size;
    p.xyz[0] = scn.fire_xyz[k][0];
    p.xyz[1] = scn.fire_xyz[k][1] + smoke_start_height;
    p.xyz[2] = scn.fire_xyz[k][2];
    float dir = atm.wind_layer[0][wl_wind_dir] - env.mag_var + smoke_veer - smoke_spread * (float)k;
    p.dir = dir * con.degtorad;
}

void animate_fires(float dt)
{
    fire_run_state& f = fire_run;
    if (!f.offsets_drawn) {
        for (int& o : f.offset) o = intrand(0, fire_frames - 1);
        f.offsets_drawn = 1;
    }
    f.frame = next_fire_frame(f.frame, dt);

    // Fire 0 moved: a new region's fire. The whole pool starts there at
    // once, its ages spread so the puffs thin out one by one.
    const float* f0 = scn.fire_xyz[0];
    if (fabsf(f0[0] - f.fire0_x) > fire_moved || fabsf(f0[2] - f.fire0_z) > fire_moved)
        for (smoke_puff& p : f.puff) p.age = fltrand(smoke_life, 2 * smoke_life);
    f.fire0_x = f0[0];
    f.fire0_z = f0[2];

    for (smoke_puff& p : f.puff) {
        p.age += dt;
        p.size += smoke_growth * dt;
        p.xyz[0] -= smoke_drift * p.size * dt * sinf(p.dir);
        p.xyz[1] += smoke_rise * p.size * dt;
        p.xyz[2] += smoke_drift * p.size * dt * cosf(p.dir);
        if (p.age > smoke_life) restart_puff(p);
    }
}

// A respawned puff may still be older than its life: it shows no smoke.
static float smoke_alpha(float age) { return sqrtf(fltlim(1 - age / smoke_life, 0, 1)); }

// ---- billboards ------------------------------------------------------------------

// Each picture of the cycle bound once, with every fire that shows it.
static void draw_fire_billboards(void)
{
    int tex[fire_slots];
    for (int k = 0; k < fire_slots; k++) {
        const float* p = scn.fire_xyz[k];
        tex[k] = scn.fire_on[k] && incone(p[0], p[2], 0) ? fire_tex(k) : 0;
    }
    billboard_axes v = view_axes(0);
    const float w = fire_half_width, h = fire_height;
    glColor3f(1, 1, 1);
    glEnable(GL_ALPHA_TEST);
    for (int id = tex_fire_first; id <= tex_fire_last; id++) {
        int any = 0;
        for (int k = 0; k < fire_slots; k++) any |= tex[k] == id;
        if (!any) continue;
        OGL_bindtex(id);
        glBegin(GL_QUADS);
        for (int k = 0; k < fire_slots; k++) {
            if (tex[k] != id) continue;
            const float* c = scn.fire_xyz[k];
            billboard_vertex(v, c, -w, 0, 0, 0);
            billboard_vertex(v, c, -w, h, 0, 1);
            billboard_vertex(v, c, w, h, 1, 1);
            billboard_vertex(v, c, w, 0, 1, 0);
        }
        glEnd();
    }
    glDisable(GL_ALPHA_TEST);
}

static void draw_smoke(void)
{
    billboard_axes v = view_axes(1);
    OGL_bindtex(tex_smoke);
    glEnable(GL_BLEND);
    glBegin(GL_QUADS);
    for (const smoke_puff& p : fire_run.puff) {
        if (!incone(p.xyz[0], p.xyz[2], 0)) continue;
        float s = p.size;
        glColor4f(1, 1, 1, smoke_alpha(p.age));
        billboard_vertex(v, p.xyz, -s, -s, 0, 0);
        billboard_vertex(v, p.xyz, -s, s, 0, 1);
        billboard_vertex(v, p.xyz, s, s, 1, 1);
        billboard_vertex(v, p.xyz, s, -s, 1, 0);
    }
    glEnd();
    glDisable(GL_BLEND);
}

// ---- plot_fires ----------------------------------------------------------------------

void plot_fires(void)
{
    animate_fires(msc.dt);
    draw_fire_billboards();
    draw_smoke();
}
