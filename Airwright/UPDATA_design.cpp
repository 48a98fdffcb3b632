// Airwright's design helpers, which change many numbers of pln[0] at once.
//
//   bodies        smoothit, ret_y_center, ret_ave_rad: cross-sections pulled
//                 toward ellipses, stations blended into their neighbours
//   propellers    design_prop: the blade twist from a design point
//   part copies   copy_body, copy_foil: the frame step keeps mirrored and
//                 repeated parts equal with these
//
// Counts come from the library (stations and points of a body) or are held
// to the record's arrays (elements): a design read from a file reaches here
// with whatever it holds.
#include "UPDATA.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"

#include <cmath>
#include <cstring>

// The elements of a part that lie inside the record's arrays.
static int elements_of(int part) { return intlim(pln[0].els[part], 0, plane_elements); }

// ---- bodies ------------------------------------------------------------------

float ret_y_center(int part, int station, int n)
{
    if (!in_parts(part) || station < 0 || station >= plane_stations) return 0.0f;
    n = intlim(n, 0, plane_points);
    if (n == 0) return 0.0f;
    float sum = 0;
    for (int k = 0; k < n; k++) sum += pln[0].body_Y[part][station][k];
    return sum / (float)n;
}

float ret_ave_rad(int part, int stations, int n)
{
    if (!in_parts(part)) return 0.01f;
    stations = intlim(stations, 0, plane_stations);
    n = intlim(n, 0, plane_points);
    const planestruct& a = pln[0];
    float sum = 0;
    int count = 0;
    for (int i = 1; i <= stations - 2; i++) {
        float c = ret_y_center(part, i, n);
        for (int k = 0; k < n; k++) {
            sum += pythag(a.body_X[part][i][k], a.body_Y[part][i][k] - c);
            count++;
        }
    }
    return fltlim(count ? sum / (float)count : 0.0f, 0.01f, 9.9e9f);
}

// Each inner station moves a tenth of the way toward the line between its
// neighbours, in place: station i already sees the new station i - 1.
static void blend_stations(int part, int S, int n)
{
    planestruct& a = pln[0];
    float(*X)[plane_points] = a.body_X[part];
    float(*Y)[plane_points] = a.body_Y[part];
    float(*Z)[plane_points] = a.body_Z[part];
    for (int i = 1; i <= S - 2; i++)
        for (int k = 0; k < n; k++) {
            float t = Z[i - 1][k], w = Z[i][k], r = Z[i + 1][k];
            // Stations that share one Z would divide by zero.
            float d = fallout(r - t, -0.01f, 0.01f);
            float x = ((w - t) * X[i + 1][k] + (r - w) * X[i - 1][k]) / d;
            float y = ((w - t) * Y[i + 1][k] + (r - w) * Y[i - 1][k]) / d;
            X[i][k] += 0.1f * (x - X[i][k]);
            Y[i][k] += 0.1f * (y - Y[i][k]);
        }
}

// A fifth of the way toward the ellipse through the section's side point,
// top and bottom, about its mean height.
static void pull_to_ellipses(int part, int S, int n)
{
    planestruct& a = pln[0];
    for (int i = 0; i < S; i++) {
        float* X = a.body_X[part][i];
        float* Y = a.body_Y[part][i];
        float c = ret_y_center(part, i, n);
        float half_w = X[n / 4];
        float half_h = 0.5f * (Y[0] - Y[n / 2]);
        for (int k = 0; k < n; k++) {
            float q = 2.0f * con.pi * (float)k / (float)n;
            X[k] = 0.8f * X[k] + 0.2f * half_w * sinf(q);
            Y[k] = 0.8f * Y[k] + 0.2f * (c + half_h * cosf(q));
        }
    }
}

static void scale_sections(int part, int S, int n, float f)
{
    planestruct& a = pln[0];
    for (int i = 0; i < S; i++) {
        float c = ret_y_center(part, i, n);
        for (int k = 0; k < n; k++) {
            a.body_Y[part][i][k] = c + (a.body_Y[part][i][k] - c) * f;
            a.body_X[part][i][k] *= f;
        }
    }
}

void smoothit(int part, int total)
{
    if (!is_body(part)) return;
    int S = f_body_s_dim(part, 0), n = f_body_r_dim(part);
    if (S <= 0 || n < 4) return;
    float r0 = ret_ave_rad(part, S, n);
    if (total) blend_stations(part, S, n);
    pull_to_ellipses(part, S, n);
    // Total smoothing keeps the body's size; the ellipse alone may change it.
    if (total) scale_sections(part, S, n, r0 / ret_ave_rad(part, S, n));
}

// ---- propellers ----------------------------------------------------------------

void design_prop(int p, int mode)
{
    if (p < 0 || p >= plane_engines) return;
    planestruct& a = pln[0];
    // The propeller screen holds these at 100 rpm and 0.1 ft or more; a file
    // may not, and would give an infinite pitch.
    if (!(a.des_rpm[p] >= 100.0f) || !(a.semilen[p] >= 0.1f)) return;
    float V = a.des_vel[p] * con.ktstomsc;
    float P = a.des_adv[p] * con.fttomtrs / 12.0f;
    float R = a.semilen[p] * con.fttomtrs;
    float w = a.des_rpm[p] * con.rpmtorsc;
    int els = elements_of(p);
    for (int f = 0; f < els; f++) {
        float r = ((float)f + 0.5f) / (float)els * R;
        float rad = mode ? atanf(V / (r * w)) : atanf(P / (2.0f * con.pi * r));
        a.anginc[p][f] = rad * con.radtodeg;
    }
    if (mode) P = V / (w / (2.0f * con.pi));
    else V = P * w / (2.0f * con.pi);
    if (a.varpitchEQ) {
        // The twist is kept relative to the tip's blade angle, and the
        // pitch range set around it.
        float g = atanf(P / (2.0f * con.pi * R)) * con.radtodeg;
        if (!a.is_heli) {
            a.minpitch[p] = 0;
            a.maxpitch[p] = g + 10.0f;
        }
        for (int f = 0; f < els; f++) a.anginc[p][f] -= g;
    }
    if (mode) a.des_adv[p] = P * con.mtrstoft * 12.0f;
    else a.des_vel[p] = V * con.msctokts;
}

// ---- part copies ------------------------------------------------------------------

void copy_body(int from, int to)
{
    if (!in_parts(from) || !in_parts(to)) return;
    planestruct& a = pln[0];
    int S = f_body_s_dim(from, 0), n = f_body_r_dim(from);
    for (int i = 0; i < S; i++)
        for (int k = 0; k < n; k++) {
            a.body_X[to][i][k] = a.body_X[from][i][k];
            a.body_Y[to][i][k] = a.body_Y[from][i][k];
            a.body_Z[to][i][k] = a.body_Z[from][i][k];
        }
}

void copy_foil(int from, int to)
{
    if (!in_parts(from) || !in_parts(to) || from == to) return;
    planestruct& a = pln[0];
    a.sweep1[from] = fltwrap(a.sweep1[from], -180.0f, 180.0f);
    a.dihed[from] = fltwrap(a.dihed[from], -180.0f, 180.0f);

    memcpy(a.Rafl0[to], a.Rafl0[from], sizeof a.Rafl0[to]);
    memcpy(a.Rafl1[to], a.Rafl1[from], sizeof a.Rafl1[to]);
    memcpy(a.Tafl0[to], a.Tafl0[from], sizeof a.Tafl0[to]);
    memcpy(a.Tafl1[to], a.Tafl1[from], sizeof a.Tafl1[to]);
    a.sweep1[to] = a.sweep1[from];
    a.sweep2[to] = a.sweep2[from];
    a.dihed[to] = a.dihed[from];
    a.semilen[to] = a.semilen[from];
    a.Croot[to] = a.Croot[from];
    a.Ctip[to] = a.Ctip[from];
    a.varsweepEQ[to] = a.varsweepEQ[from];
    a.els[to] = a.els[from];
    afl[0].trat[to][0] = afl[0].trat[from][0];
    afl[0].trat[to][1] = afl[0].trat[from][1];

    // The pylons behind the first keep their own places, which the frame step sets.
    if (from != part_pylon_first) {
        a.Xarm[to] = -a.Xarm[from];
        a.Yarm[to] = a.Yarm[from];
        a.Zarm[to] = a.Zarm[from];
    }
    int els = elements_of(from);
    for (int e = 0; e < els; e++) a.anginc[to][e] = a.anginc[from][e];
    if (is_wing(from) && latsign(from, 0) > 0) {
        for (int e = 0; e < els; e++) {
            a.ailn[to][e] = a.ailn[from][e];
            a.splr[to][e] = a.splr[from][e];
            a.flap[to][e] = a.flap[from][e];
            a.slat[to][e] = a.slat[from][e];
            a.sbrk[to][e] = a.sbrk[from][e];
            a.drud[to][e] = a.drud[from][e];
        }
    }
    if (from == part_hstab_right) {
        for (int e = 0; e < els; e++) {
            a.elev[to][e] = a.elev[from][e];
            a.flap[to][e] = a.flap[from][e];
            a.slat[to][e] = a.slat[from][e];
        }
    }
}
