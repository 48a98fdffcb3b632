// Force accumulators and flight utilities.
//
// Sections: accumulators, lights and wind, gauge full scales, local metres,
// fuel flow.
#include "Funct.h"

#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initpln.h"

#include <cmath>

// ---- accumulators --------------------------------------------------------

void addFaprop(float F, float x, float y)
{
    flt.F_prop_axial += F;
    flt.M_pitch -= F * y;
    flt.M_yaw -= F * x;
}

void addFsprop(float F, float y, float z)
{
    flt.F_prop_side += F;
    flt.M_roll += F * y;
    flt.M_yaw -= F * z;
}

void addFnprop(float F, float x, float z)
{
    flt.F_prop_normal += F;
    flt.M_roll -= F * x;
    flt.M_pitch -= F * z;
}

void addFagear(float F, float x, float y)
{
    flt.F_gear_axial += F;
    flt.M_pitch -= F * y;
    flt.M_yaw -= F * x;
}

void addFsgear(float F, float y, float z)
{
    flt.F_gear_side += F;
    flt.M_roll += F * y;
    flt.M_yaw -= F * z;
}

void addFngear(float F, float x, float z)
{
    flt.F_gear_vertical += F;
    flt.M_roll -= F * x;
    flt.M_pitch -= F * z;
}

// The sums stay in flight-path axes; only the moments need the force in
// body axes, turned first by the sideslip and then by the angle of attack.
void addFaero(float a, float s, float n, float x, float y, float z)
{
    flt.F_aero_axial += a;
    flt.F_aero_side += s;
    flt.F_aero_normal += n;
    float a1 = a * flt.cos_beta + s * flt.sin_beta;
    float s1 = s * flt.cos_beta - a * flt.sin_beta;
    float normal = n * flt.cos_alpha - a1 * flt.sin_alpha;
    float rearward = -(a1 * flt.cos_alpha + n * flt.sin_alpha);
    flt.M_roll += s1 * y - normal * x;
    flt.M_pitch += rearward * y - normal * z;
    flt.M_yaw += rearward * x - s1 * z;
}

// ---- lights and wind -----------------------------------------------------

float pulse(float phase)
{
    return 0.5f + 0.5f * sinf(2.0f * (msc.sim_time + phase));
}

void assign_wind_tbl(float rate)
{
    float base = rate > 0.9f ? fltrand(0, 360) : atm.wind_layer[0][wl_wind_dir];
    float f = sqr((atm.wind_turbulence - 1) * 0.25f);
    float dir = base + fltrand(-1, 1) * f * 90;
    // The surface first, then the two layers aloft, whose spans are a third of its own.
    for (int layer = 0; layer < 3; layer++) {
        float* w = atm.wind_layer[layer];
        float scale = layer == 0 ? 3.0f : 1.0f;
        w[wl_wind_dir] = closer_assymp(w[wl_wind_dir], dir, rate);
        w[wl_shear_dir] = closer_assymp(w[wl_shear_dir], fltrand(0, 50 * scale * f), rate);
        w[wl_wind_speed] = closer_assymp(w[wl_wind_speed], fltrand(0, 30 * scale * f), rate);
        w[wl_shear_speed] = closer_assymp(w[wl_shear_speed], fltrand(0, 10 * scale * f), rate);
        w[wl_turbulence] = closer_assymp(w[wl_turbulence], fltrand(0, 5 * scale * f), rate);
    }
}

// ---- gauge full scales ---------------------------------------------------

int gage_me(float v)
{
    // An engine without a gear ratio or power gives no number: no scale.
    if (!(fabsf(v) < 2.0e9f)) return 0;
    static const float above[] = {500000, 250000, 100000, 50000, 25000, 10000, 5000, 2500, 1000, 500, 250, 100};
    static const int steps[] = {100000, 50000, 20000, 10000, 5000, 2000, 1000, 500, 200, 100, 50, 20};
    int step = 10;
    for (int i = 0; i < 12; i++)
        if (v > above[i]) {
            step = steps[i];
            break;
        }
    long long top = (long long)(v + step);
    long long q = top / step, r = top % step;
    if (2 * (r < 0 ? -r : r) >= step) q += top < 0 ? -1 : 1;
    return (int)(q * step);
}

float tac_max(void) { return (float)gage_me(pln[0].omegamax * con.rsctorpm * pln[0].gearrat); }
float n1__max(void) { return 100.0f; }
float mpr_max(void) { return pln[0].mpmax; }
float trq_max(void) { return 100.0f; }

float ias_asi(void) { return flt.ias_kts * (pln[0].asi_units == 2 ? 1.0f : 1.15f); }

float ff__max(void)
{
    int type = pln[0].entype;
    float p;
    if (type >= 1 && type <= 3) p = pln[0].pmax;
    else if (type == 4 || type == 5) p = pln[0].burnerinc > 1.0f ? pln[0].tmax * 3 : pln[0].tmax;
    else if (type == 6) p = pln[0].fmax;
    else return 0.0f;
    return (float)gage_me(burnin_fuel(p) * con.kgstolbs * 3600);
}

// ---- local metres --------------------------------------------------------

// One minute of latitude is one nautical mile.
float Z_with_lat(float lat)
{
    return env.reg_south_z - (lat - env.reg_lat) * 60 * con.nmtomtrs;
}

// Anchored at the x of the south-west vertex of the point's square, with the
// east-west scale of the point's own latitude; outside the region the nearest
// edge square carries on.
float X_with_latlon(float lat, float lon)
{
    int c = intlim(intround(lon - 0.5f) - env.reg_lon, 0, 2);
    int r = intlim(intround(lat - 0.5f) - env.reg_lat, 0, 1);
    return planexyz[59 * c][79 * r][0] + (lon - (env.reg_lon + c)) * 60 * con.nmtomtrs * cosf(lat * con.degtorad);
}

float Lat_with_z(float z)
{
    return env.reg_lat - (z - env.reg_south_z) / (60 * con.nmtomtrs);
}

// The square is the easternmost of the row of lat whose anchor lies at or
// west of x (anchors not yet laid out eastwards count as none); within it the
// scale of lat itself, as X_with_latlon has it.
float Lon_with_xlat(float x, float lat)
{
    // Limited before rounding, to the same row: nothing out of range reaches an int.
    float row = fltlim(lat - 0.5f, env.reg_lat - 1.0f, env.reg_lat + 2.0f);
    int r = intlim(intround(row) - env.reg_lat, 0, 1);
    int c = 0;
    while (c < 2 && planexyz[59 * (c + 1)][79 * r][0] > planexyz[59 * c][79 * r][0] &&
           x >= planexyz[59 * (c + 1)][79 * r][0])
        c++;
    float k = cosf(fminf(fabsf(lat), 89.9f) * con.degtorad) * 60 * con.nmtomtrs;
    return env.reg_lon + c + (x - planexyz[59 * c][79 * r][0]) / k;
}

// ---- fuel flow -----------------------------------------------------------

float burnin_fuel(float p)
{
    const planestruct& a = pln[0];
    float full, most, idle_share;
    switch (a.entype) {
    case 1:
    case 2: full = a.pmax; most = a.pmax * con.watttohp * a.sfc; idle_share = 0.01f; break;
    case 3: full = a.pmax; most = a.pmax * con.watttohp * a.sfc; idle_share = 0.05f; break;
    case 4:
    case 5: full = a.tmax; most = a.tmax * con.ntntolbs * a.sfc; idle_share = 0.05f; break;
    case 6: full = a.fmax; most = a.fmax * con.ntntolbs * a.sfc; idle_share = 0.0f; break;
    default: return 0.0f;
    }
    float least = most * idle_share;
    // A design without power or thrust burns only its idle share.
    float flow = full > 0 ? least + (most - least) * p / full : least;
    if (!(flow >= least)) flow = least;
    return flow * con.lbstokgs / 3600;
}
