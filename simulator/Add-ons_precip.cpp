// Rain and snow on the windshield below an overcast: up to 400 drops kept on
// the screen from frame to frame, moved by the aircraft's speed as the view
// looks, and placed afresh when they leave the view. Rain is drawn as
// streaks from each drop's last position to its new one, snow as points
// that stream out from where the aircraft flies. Also publishes the
// intensity that the rain sound follows.
//
// Sections: the drops, how much falls, rain, snow, do_window_precip.
#include "Add-ons.h"
#include "Fltutil.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Startscn.h"

#include <GL/gl.h>
#include <cmath>

// ---- the drops ----------------------------------------------------------------------

// The drops over the whole run, in reference units of the screen; z is a
// flake's depth ahead of the eye (m). They start at 0, outside the view, so
// each is placed afresh on its first use; drops beyond those in use keep
// their places until they are used again.
struct precip_run_state {
    float x[precip_drops], y[precip_drops], z[precip_drops];
    int running;   // the rain drop that runs faster than the others
};
static precip_run_state precip_run;

void clear_precip_run_state(void) { precip_run = precip_run_state(); }

static const float snow_near = 10, snow_far = 100;   // m, a flake's depth

// Strictly inside: a drop on the edge, as every drop starts, is placed afresh.
static int in_view(float x, float y, float x1, float y1, float x2, float y2)
{
    return x > x1 && x < x2 && y > y1 && y < y2;
}

// ---- how much falls -----------------------------------------------------------------

float precip_intensity_at(float h)
{
    float weather = atm.storm / 4 + (atm.precip_level - 1) / 4;
    return weather * layer_fade(h, atm.cloud_base, atm.cloud_tops) * 0.5f;
}

int precip_last_drop(float intensity) { return intlim(intround(intensity * precip_drops), 0, precip_drops - 1); }

// ---- rain ---------------------------------------------------------------------------

// A drop's streak this frame: s the speed's share, g gravity's.
static void rain_motion(int view, float x, float y, float s, float g, float* dx, float* dy)
{
    switch (view) {
    case view_chase:
        *dx = (x - 400) * 0.01f * s, *dy = (2 - y * 0.005f) * s + g;
        return;
    case view_left_45:
    case view_left_90:
    case view_left_135:
        *dx = -2 * s, *dy = g;
        return;
    case view_right_45:
    case view_right_90:
    case view_right_135:
        *dx = 2 * s, *dy = g;
        return;
    case view_backwards:
        *dx = 0, *dy = -4 * s + g;
        return;
    case view_tower:
    case view_runway:
    case view_follow:
    case view_follow_2:
    case view_spot:
        // Outside the aircraft the drops hang in the air and creep up.
        *dx = 0, *dy = 0.1f;
        return;
    default:   // looking ahead
        *dx = (x - 400) * 0.01f * s, *dy = (y * 0.005f - 1) * s + g;
        return;
    }
}

static void draw_rain(int n, float x1, float y1, float x2, float y2, float grey)
{
    precip_run_state& p = precip_run;
    if (fltrand(0, 1) < 0.1f) {
        p.running++;
        if (p.running > n) p.running = 0;
    }
    float dt = msc.dt;
    float s = sqrtf(fltlim(flt.ias_kts - 1, 0, 999)) * 5 * dt, g = -15 * dt;
    glColor3f(grey, grey, grey);
    glBegin(GL_LINES);
    for (int k = 0; k <= n; k++) {
        float dx, dy;
        rain_motion(set.view_id, p.x[k], p.y[k], s, g, &dx, &dy);
        if (k == p.running) dx *= 5, dy *= 8;
        if (!in_view(p.x[k], p.y[k], x1, y1, x2, y2)) {
            p.x[k] = fltrand(x1, x2);
            p.y[k] = fltrand(y1, y2);
            continue;
        }
        float nx = p.x[k] + dx, ny = p.y[k] + dy;
        glVertex2f(p.x[k], p.y[k]);
        glVertex2f(nx, ny);
        p.x[k] = nx;
        p.y[k] = ny;
    }
    glEnd();
}

// ---- snow ---------------------------------------------------------------------------

// A flake's move this frame: from the focus (fx, fy) outwards by b, down by a.
static void snow_motion(int view, float x, float y, float fx, float fy, float a, float b, float* dx, float* dy)
{
    switch (view) {
    case view_left_45:
    case view_left_135:
        *dx = -150 * b, *dy = a;
        return;
    case view_right_45:
    case view_right_135:
        *dx = 150 * b, *dy = a;
        return;
    case view_left_90:
        *dx = -200 * b, *dy = a;
        return;
    case view_right_90:
        *dx = 200 * b, *dy = a;
        return;
    case view_backwards:
        *dx = -(x - fx) * b, *dy = a - (y - fy) * b;
        return;
    case view_tower:
    case view_runway:
    case view_spot:
        *dx = 0, *dy = a;
        return;
    default:   // looking ahead, and the cameras behind the aircraft
        *dx = (x - fx) * b, *dy = (y - fy) * b + a;
        return;
    }
}

// New flakes come in at the top when the aircraft stands, anywhere once it
// flies at 20 m/s.
static float snow_entry_bottom(float y1, float y2)
{
    return fltlim(interp(0, y2 - 1, 20, y1, flt.V_true), y1, y2 - 1);
}

static void place_flake(int k, float x1, float ys, float x2, float y2)
{
    precip_run.y[k] = fltrand(ys, y2);
    precip_run.x[k] = fltrand(x1, x2);
    precip_run.z[k] = fltrand(snow_near, snow_far);
}

static void draw_snow(int n, float x1, float y1, float x2, float y2, float grey)
{
    precip_run_state& p = precip_run;
    int view = set.view_id;
    float k = view == view_backwards ? -hud_units_per_deg : hud_units_per_deg;
    float fx = con.cntrx - flt.beta * k, fy = con.cntry - flt.alpha * k;
    if (view == view_down_4) fy += 60;
    else if (view == view_down_8) fy += 120;
    float ys = snow_entry_bottom(y1, y2);
    float dt = msc.dt;
    float v = flt.V_true * flt.cos_alpha * flt.cos_beta;   // along the nose
    glColor3f(grey, grey, grey);
    glBegin(GL_POINTS);
    for (int i = 0; i <= n; i++) {
        float z = p.z[i];
        // Never divided by a depth out of range, as every flake's first is.
        if (!(z >= snow_near && z <= snow_far)) {
            place_flake(i, x1, ys, x2, y2);
            continue;
        }
        float a = -4000 * dt / z, b = 2 * v * dt / z;
        float dx, dy;
        snow_motion(view, p.x[i], p.y[i], fx, fy, a, b, &dx, &dy);
        p.x[i] += dx;
        p.y[i] += dy;
        p.z[i] -= v * dt;
        if (!(p.z[i] >= snow_near && p.z[i] <= snow_far) || !in_view(p.x[i], p.y[i], x1, y1, x2, y2)) {
            place_flake(i, x1, ys, x2, y2);
            continue;
        }
        glVertex2f(p.x[i], p.y[i]);
    }
    glEnd();
}

// ---- do_window_precip --------------------------------------------------------------

void do_window_precip(float x1, float y1, float x2, float y2)
{
    atm.precip_intensity = precip_intensity_at(con.VIEW_xyz[1]);
    int n = precip_last_drop(atm.precip_intensity);
    if (n == 0) return;
    if (atm.sl_temp > 32) draw_rain(n, x1, y1, x2, y2, 0.9f * ogl_brat_ter);
    else draw_snow(n, x1, y1, x2, y2, ogl_brat_ter);
}
