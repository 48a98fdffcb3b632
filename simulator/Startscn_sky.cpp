// The frame's day-light: how far the eye sees, how bright the ground is, the
// sun's colour and direction, the sky's colours and GL's fog, and the sky
// box behind the world. Everything is worked out again each frame from the
// time of day, the cloud layer, the storm and the lightning; only a passing
// dimming in cloud lasts from frame to frame.
//
// Sections: run state, visibility, light, sky colour, tints and flash, fog,
// sky box, sun.
#include "Startscn.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <GL/gl.h>
#include <cmath>

skystruct sky;

// ---- run state -----------------------------------------------------------------

// Flying in or near an overcast, the light dims now and then as the aircraft
// passes a denser patch: one dimming at a time, over the run.
struct sky_run_state {
    int dimming = 0;          // a dimming is under way
    float elapsed = 0;        // s into it
    float length = 0;         // s, shorter the faster the aircraft flies
    float level = 0;          // the darkest factor, in its middle
};
static sky_run_state sky_run;

void clear_sky_run_state(void) { sky_run = sky_run_state(); }

// ---- visibility ----------------------------------------------------------------

// The transition band about the cloud base (m); 0 is a sharp base.
static float base_band(void) { return fltlim(atm.cloud_thick, 0, 300); }

// This frame's factor of the dimming under way (1 none); may start one.
static float dimming_factor(void)
{
    sky_run_state& d = sky_run;
    if (!d.dimming && fltrand(0, 2) < msc.dt) {
        float knots = flt.V_true * con.msctokts;
        d.dimming = 1;
        d.elapsed = 0;
        d.length = fltrand(0.5f, 3) / (knots / 90 + 0.0001f);
        d.level = fltrand(0, 1);
    }
    if (!d.dimming) return 1;
    d.elapsed += msc.dt;
    if (d.elapsed > d.length) d.dimming = 0;   // its last frame still dims
    float e = d.elapsed, len = d.length;
    // into the dimming over its first fifth, out of it over its last
    float f = len - e <= e ? interp(0.8f * len, d.level, len, 1, e) : interp(0, 1, 0.2f * len, d.level, e);
    return fltlim(f, d.level, 1);
}

// How far the eye at height y sees (m): further the higher the aircraft
// flies and the more the frame-rate governor allows, nothing inside an
// overcast, less in a storm.
static float effective_visibility(float y, int overcast, int over_tops)
{
    float k = interp(0, 1, 10000, 2, (float)flt.pos_y[0] - env.ground_h) * atm.wx_factor;
    // over an overcast the reported visibility is that under it
    float vis = over_tops ? fltlim(k * 166680, 18520, 166680) : fltlim(atm.visibility * k, 185.2f, 37040);
    if (!overcast) return vis;
    float base = atm.cloud_base, tops = atm.cloud_tops, th = base_band();
    float c = 1, f = 1;
    if (y >= base - th && y <= tops + 600) {
        // a sharp base (th 0) has no band to fade through
        if (th > 0 && y <= base + th) c = sqr(interp(base - th, 1, base + th, 0, y));
        if (y >= base + th && y <= tops) c = 0;
        if (y >= tops) c = sqr(interp(tops, 0, tops + 600, 1, y));
        f = dimming_factor();
    }
    return c * f * vis / (atm.storm + 1);
}

// ---- light ---------------------------------------------------------------------

// The ground's brightness and the sun's level from the sun's height and the
// storm; the panel's light, with its own lamps at night while the
// electrics work.
static float set_brightness(float h, int overcast, int under_tops, float light[3])
{
    float a = fltlim((h - 12) * 90 * 0.125f, -90, 90);
    float sun = fabsf(cosf(a * con.degtorad));
    float g = interp(0, 1, 4, 0.5f, atm.storm);
    float b = sun * g;
    if (atm.cloud_type == 1) b = fltmax2(b, 0.01f);
    if (scn.above_clouds) b = fltmax2(b, 0.05f);
    ogl_brat_ter = b;
    float level = fltmax2(powf(sun, 0.75f) * g, overcast && under_tops ? 0.05f : 0.1f);
    for (int k = 0; k < 3; k++) light[k] = level;

    float* panel = ins.lite_rgb;
    panel[0] = panel[1] = panel[2] = b;
    if (!rel.system_ok[sys_electrical]) return b;
    if (pln[0].paneltype == 1 && b < 0.5f) {
        panel[0] = fltmax2(b, 0.6f);
        panel[1] = panel[2] = fltmax2(b, 0.2f);
    } else if (pln[0].paneltype == 2 && b < 0.6f) {
        panel[0] = fltmax2(b, 0.7f);
        panel[1] = panel[2] = fltmax2(b, 0.35f);
    }
    return b;
}

// ---- sky colour ----------------------------------------------------------------

// The sky's colour and the box's factors: a blue that darkens toward
// space, grey under an overcast, the deck's white inside it toward the
// tops; the horizon band darker at dawn and dusk.
static void set_sky_colour(float y, float h, int overcast, int under_tops, float b)
{
    float q = sqr(fltlim(1 - y * con.mtrstoft / 260000, 0, 1));
    float clear[3] = {0.4f * b * q, 0.6f * b * q, b * q};
    float grey = 0.5f * b, deck = 0.8f * b;
    float* rgb = sky.sky_rgb;
    float kh, kz;
    sky.k0 = 1;
    if (overcast && under_tops) {
        kh = kz = interp(0, 0.6f, 4, 0.3f, atm.storm);
    } else {
        kh = scn.above_clouds ? 0.4f : 0.6f;
        kz = scn.above_clouds ? 0.3f : 0.4f;
        float dusk = 1;
        if (h >= 5.5f && h <= 6.5f) dusk = fabsf(h - 6) + 0.5f;
        if (h >= 17.5f && h <= 18.5f) dusk = fabsf(h - 18) + 0.5f;
        kh *= dusk;
        kz *= dusk;
    }
    for (int k = 0; k < 3; k++) rgb[k] = clear[k];
    if (overcast) {
        float base = atm.cloud_base, tops = atm.cloud_tops, th = base_band();
        if (y < base + th) {
            rgb[0] = rgb[1] = rgb[2] = grey;
            if (y >= base - th) {   // an empty band when th is 0
                kh = interp(base - th, kh, base + th, 1, y);
                kz = interp(base - th, kz, base + th, 1, y);
            }
        } else if (y < tops) {
            rgb[0] = rgb[1] = rgb[2] = interp(base + th, grey, tops, deck, y);
            kh = kz = 1;
        } else if (y < tops + 600) {
            for (int k = 0; k < 3; k++) rgb[k] = interp(tops, deck, tops + 600, clear[k], y);
            kh = interp(tops, 1, tops + 600, kh, y);
            kz = interp(tops, 1, tops + 600, kz, y);
        }
    }
    sky.kh = kh;
    sky.kz = kz;
}

// ---- tints and flash -----------------------------------------------------------

// Dawn and dusk (hours): the light's and the sky's channel factors at a
// window's start and end, between them by the hour. A sky factor of 0
// stands for the sunrise tint, paler seen from under an overcast.
struct tint_window {
    float from, to;
    float light[2][3];
    float sky[2][3];
};
static const tint_window tints[] = {
    {0, 5.5f, {{0.9f, 0.9f, 1.2f}, {1, 1, 1}}, {{0.9f, 0.9f, 1.2f}, {1, 1, 1}}},
    {5.5f, 6, {{1, 1, 1}, {1.4f, 0.8f, 0.8f}}, {{1, 1, 1}, {0, 0, 0}}},
    {6, 6.5f, {{1.4f, 0.8f, 0.8f}, {1, 1, 1}}, {{0, 0, 0}, {1, 1, 1}}},
    {17.5f, 18, {{1, 1, 1}, {1.4f, 0.8f, 0.8f}}, {{1, 1, 1}, {0, 0, 0}}},
    {18, 18.5f, {{1.4f, 0.8f, 0.8f}, {1, 1, 1}}, {{0, 0, 0}, {1, 1, 1}}},
    {18.5f, 24, {{1, 1, 1}, {1.2f, 0.9f, 1.2f}}, {{1, 1, 1}, {1.2f, 0.9f, 1.2f}}},
};
static const float sunrise_clear[3] = {2.4f, 0.6f, 0.3f};
static const float sunrise_overcast[3] = {1.4f, 0.8f, 0.8f};

// Windows meet at their ends; at a shared end both factors agree, so one
// window, the first holding h, tints once.
static void tint_dawn_dusk(float h, int overcast, int under_tops, float light[3])
{
    const float* sunrise = overcast && under_tops ? sunrise_overcast : sunrise_clear;
    for (const tint_window& w : tints) {
        if (h < w.from || h > w.to) continue;
        for (int k = 0; k < 3; k++) {
            float s0 = w.sky[0][k] ? w.sky[0][k] : sunrise[k];
            float s1 = w.sky[1][k] ? w.sky[1][k] : sunrise[k];
            light[k] *= interp(w.from, w.light[0][k], w.to, w.light[1][k], h);
            sky.sky_rgb[k] *= interp(w.from, s0, w.to, s1, h);
        }
        return;
    }
}

// A lightning flash lights sky and light toward white by the strike's
// distance (nm), every other tenth of a second until it ends; not above the
// clouds.
static void flash_lightning(float light[3])
{
    if (scn.above_clouds || mnw.time_elapsed >= atm.flash_until || msc.tenth_count % 2 != 0) return;
    for (int k = 0; k < 3; k++) {
        sky.sky_rgb[k] = interp(30, sky.sky_rgb[k], 0, 1, atm.flash_dist);
        light[k] = interp(30, light[k], 0, 1, atm.flash_dist);
    }
}

// ---- fog -----------------------------------------------------------------------

// The fog: the sky's colour toward its grey, by day halfway, none at sunrise
// and sunset; from a fifth of the visibility to all of it. Linear, as the
// start-up sets it once.
static void set_fog(float h, float vis)
{
    float m = 0.5f;
    if (h >= 5.5f && h <= 6.5f) m = fabsf(h - 6);
    if (h >= 17.5f && h <= 18.5f) m = fabsf(h - 18);
    const float* rgb = sky.sky_rgb;
    float grey = (rgb[0] + rgb[1] + rgb[2]) / 3;
    for (int k = 0; k < 3; k++) sky.fog_rgb[k] = rgb[k] * (1 - m) + m * grey;
    sky.fog_rgb[3] = 1;
    float start = 0.2f * vis;
    glFogfv(GL_FOG_COLOR, sky.fog_rgb);
    glFogf(GL_FOG_START, start);
    glFogf(GL_FOG_END, fltmax2(vis, start + 1));   // inside an overcast vis is 0
}

void set_sky_light_fog(void)
{
    float h = msc.time_of_day / 3600;
    float y = con.VIEW_xyz[1];
    int overcast = atm.cloud_type == 4;
    int under_tops = y <= atm.cloud_tops;
    atm.vis_eff = effective_visibility(y, overcast, overcast && !under_tops);
    float light[3];
    float b = set_brightness(h, overcast, under_tops, light);
    set_sky_colour(y, h, overcast, under_tops, b);
    tint_dawn_dusk(h, overcast, under_tops, light);
    flash_lightning(light);
    lite_r = light[0];
    lite_g = light[1];
    lite_b = light[2];
    set_fog(h, atm.vis_eff);
}

// ---- sky box -------------------------------------------------------------------

// The box's rows in units of its half-size: each row is a pair of points
// across x (right, then left) at (y, z), the eye facing -z. The strip runs
// from ahead below the horizon under the eye and back, then up from the
// horizon over the eye to behind it. Band 0 is the fog, 1 the horizon, 2
// the zenith.
struct sky_row {
    float y, z;
    int band;
};
static const sky_row sky_rows[] = {
    {-0.4f, -1, 0}, {-1, 0.4f, 0}, {-1, -0.4f, 0}, {-0.4f, -1, 0}, {0, -1, 0},
    {0.4f, -1, 1},  {1, -0.4f, 2}, {1, 0.4f, 2},   {0.4f, 1, 1},
};

void draw_sky_box(void)
{
    float s = atm.vis_eff + 3000;
    float band[3][3];
    for (int k = 0; k < 3; k++) {
        band[0][k] = sky.fog_rgb[k] * sky.k0;
        band[1][k] = sky.sky_rgb[k] * sky.kh;
        band[2][k] = sky.sky_rgb[k] * sky.kz;
    }
    OGL_setstate(0, 0, 0, 1);
    glDepthFunc(GL_ALWAYS);   // behind everything the world draws
    glBegin(GL_QUAD_STRIP);
    for (const sky_row& r : sky_rows) {
        glColor3fv(band[r.band]);
        glVertex3f(s, r.y * s, r.z * s);
        glVertex3f(-s, r.y * s, r.z * s);
    }
    glEnd();
    glDepthFunc(GL_LESS);
}

// ---- sun -----------------------------------------------------------------------

// GL_LIGHT0 as the sun, a direction in the world frame: from the east in
// the morning, the west in the afternoon, lower toward the poles.
void set_sun_light(void)
{
    float h = msc.time_of_day / 3600;
    float s = (12 - h) * 90 / 6;   // degrees from noon
    if (s < -90) s = -180 - s;
    if (s > 90) s = 180 - s;
    float lat = 0.8f * flt.lat * con.degtorad;
    float colour[4] = {lite_r, lite_g, lite_b, 1};
    float dir[4] = {cosf(lat) * sinf(s * con.degtorad), cosf(lat) * cosf(fltlim(s, 30, 90) * con.degtorad),
                    sinf(lat), 0};
    glLightfv(GL_LIGHT0, GL_AMBIENT, colour);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, colour);
    glLightfv(GL_LIGHT0, GL_POSITION, dir);
}
