// Force build-up: coefficients, element forces, control surfaces, contact,
// totals and the force report.
//
// Sections (grep "---- name"):
//   airfoil coefficients, element force, control surfaces
//                    anyfoil, Fco_subsonic, Fco_supersonic, F_el_force,
//                    set_con_eff, induce_alpha
//   ground and water contact, totals and accelerations
//                    handle_contact_point, handle_float_point, the tow rope, set_a2
//   force report     the report's number writer and running totals
#include "Fltcalc.h"
#include "records.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Funct.h"
#include "Genwrld.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <string>

// ---- airfoil coefficients, element force, control surfaces ----------------
//
// anyfoil reads one of a part's four airfoils; Fco_subsonic blends them and
// corrects for the finite wing, ground, Mach and ice; Fco_supersonic stands
// in at Mach 1 and above; F_el_force turns the coefficients into forces;
// set_con_eff and induce_alpha give the control devices' share.

// Table index of an angle's magnitude: tenths of a degree up to 20, whole
// degrees above, capped inside the last pair of rows.
static float foil_index(float a)
{
    a = std::fabs(a);
    float i = a <= 20.0f ? 10.0f * a : a + 180.0f;
    return i < 269.99f ? i : 269.99f;
}

// Straight line through (x1, y1) and (x2, y2); a line of no length is y1.
static float line_at(float x1, float y1, float x2, float y2, float x)
{
    if (x2 == x1) return y1;
    return interp(x1, y1, x2, y2, x);
}

// The moment's straight bands; where they leave a gap the moment is 0.
static float foil_moment(float ae, int part, int tip, int highre)
{
    const airfoilstruct& f = afl[0];
    float al2 = f.cmal2[part][tip][highre], al3 = f.cmal3[part][tip][highre];
    float cm1 = f.cm1[part][tip][highre], cm2 = f.cm2[part][tip][highre];
    float cm3 = f.cm3[part][tip][highre], cm4 = f.cm4[part][tip][highre];
    if (al2 <= ae && ae <= al3) return line_at(al2, cm2, al3, cm3, ae);
    if (al3 <= ae && ae <= 20.0f) return line_at(al3, cm3, 20.0f, cm4, ae);
    if (-20.0f <= ae && ae <= al2) return line_at(-20.0f, cm1, al2, cm2, ae);
    if (ae >= 20.0f) return line_at(20.0f, cm4, 90.0f, -0.32f, ae);
    if (ae <= -20.0f) return line_at(-90.0f, 0.32f, -20.0f, cm1, ae);
    return 0.0f;
}

void anyfoil(float alpha, float* cl, float* cd, float* cm, int part, int tip, int highre, int element)
{
    const airfoilstruct& f = afl[0];
    const planestruct& a = pln[0];
    int pos = alpha > 0.0f;
    int slatted = a.slat[part][element] != 0;
    float al_zl = f.al_zl[part][tip][highre];

    float slat_f = 1.0f + (a.slat_effect[part] - 1.0f) * flt.slat_ratio;
    float ae = (alpha - al_zl) * a.al_D_al0[part];
    if (slatted) ae /= slat_f;
    ae += al_zl;
    // An angle that is no number reads the tables' far end, on its own side.
    if (!std::isfinite(ae)) ae = ae > 0.0f ? 90.0f : -90.0f;

    flt.part_stalled[part] = a.alpha_max[part] * slat_f < ae;
    if (!a.is_heli && (is_wing(part) || is_hstab(part)) && ae > a.alpha_max[part] * slat_f - 4.0f &&
        flt.ias_kts > msc.vstall * con.msctokts * 0.3f)
        flt.stall_warn = 1;

    float i = foil_index(ae);
    int lo = (int)i, hi = lo + 1;
    float w = hi - i;
    const float* cd_row = pos ? f.cdpos[part][tip][highre] : f.cdneg[part][tip][highre];
    *cd = cd_row[lo] * w + cd_row[hi] * (1.0f - w);
    int from_line = std::fabs(ae) < 10.0f;
    if (from_line) {
        *cl = f.clM[part][tip][highre] * ae + f.clB[part][tip][highre];
    } else {
        const float* cl_row = pos ? f.clpos[part][tip][highre] : f.clneg[part][tip][highre];
        *cl = cl_row[lo - 100] * w + cl_row[hi - 100] * (1.0f - w);
    }
    *cm = foil_moment(ae, part, tip, highre);

    if (set.force_report) {
        trk << "   These coefficients are using the " << (highre ? "HIGH" : "LOW") << " Reynolds number airfoil "
            << (tip ? "TIP" : "ROOT") << ",\n";
        if (slatted) {
            trk << "   Alpha-ratio due to slats is ";
            report_value(1.0f / slat_f, 3, 2);
            trk << ", and we rotate the lift-line about the zero-lift alpha of ";
            report_value(al_zl, 3, 1);
            trk << " deg.\n";
        }
        trk << "   At an effective angle of attack (after finite-wing and slat alpha reduction) of ";
        report_value(ae, 2, 1);
        trk << " deg:\n";
        if (from_line) {
            trk << "      We look up drag coefficients in tables to get cd=";
            report_value(*cd, 6, 5);
            trk << ".\n      We use straight-line lift and moment curves to get cl=";
            report_value(*cl, 5, 4);
            trk << ", cm=";
            report_value(*cm, 5, 4);
            trk << ".\n";
        } else {
            trk << "      We look up lift, drag, and moment coefficients in tables to get cl=";
            report_value(*cl, 3, 2);
            trk << ", cd=";
            report_value(*cd, 5, 4);
            trk << " cm=";
            report_value(*cm, 3, 2);
            trk << ".\n";
        }
    }
    if (slatted) *cl *= slat_f;
    if (set.force_report) {
        if (slatted) {
            trk << "   Slats are boosting the resulting lift by ";
            report_value((slat_f - 1.0f) * 100.0f, 2, 0);
            trk << "%, to a value of ";
            report_value(*cl, 4, 2);
            trk << ".\n";
        }
        trk << "\n";
    }
}

static int same_foil(const char* x, const char* y) { return strncmp(x, y, sizeof pln[0].Rafl0[0]) == 0; }

// Between the low and high Reynolds-number results at the flight's number,
// held inside the pair (which the loader keeps apart, though not in order).
static float re_blend(float re, float re_low, float re_high, float at_low, float at_high)
{
    float lo = std::fmin(re_low, re_high), hi = std::fmax(re_low, re_high);
    if (lo == hi) return at_low;
    return interp(re_low, at_low, re_high, at_high, fltlim(re, lo, hi));
}

static void summary_rows(const char* head, const char* label, const float v[4], float result)
{
    trk << head << " Coeff summary:  ---------- --root--  --tip---\n";
    trk << "                   reyno 1   ";
    report_value(v[0], 8, 4);
    trk << "  ";
    report_value(v[1], 8, 4);
    trk << " |\n                   reyno 2   ";
    report_value(v[2], 8, 4);
    trk << "  ";
    report_value(v[3], 8, 4);
    trk << " |======>resultant " << label << "=";
    report_value(result, 6, 4);
    trk << ".\n\n";
}

void Fco_subsonic(float dcl, float dcd, float dcm, float* cl, float* cd, float* cm, int part, int element)
{
    const airfoilstruct& f = afl[0];
    const planestruct& a = pln[0];
    float alpha = flt.el_alpha[part][element];
    float vel = flt.el_vel[part][element];

    // [root low, tip low, root high, tip high]; a file used twice is read once.
    float c[3][4];
    anyfoil(alpha, &c[0][0], &c[1][0], &c[2][0], part, 0, 0, element);
    if (!same_foil(a.Tafl0[part], a.Rafl0[part]))
        anyfoil(alpha, &c[0][1], &c[1][1], &c[2][1], part, 1, 0, element);
    else
        for (int k = 0; k < 3; k++) c[k][1] = c[k][0];
    if (!same_foil(a.Rafl1[part], a.Rafl0[part]))
        anyfoil(alpha, &c[0][2], &c[1][2], &c[2][2], part, 0, 1, element);
    else
        for (int k = 0; k < 3; k++) c[k][2] = c[k][0];
    if (!same_foil(a.Tafl1[part], a.Tafl0[part]))
        anyfoil(alpha, &c[0][3], &c[1][3], &c[2][3], part, 1, 1, element);
    else
        for (int k = 0; k < 3; k++) c[k][3] = c[k][1];

    float re = atm.rho * vel * a.mac[part][element] / con.muair * 0.000001f;
    float span_at = element + 0.5f;
    float blend[3];
    for (int k = 0; k < 3; k++) {
        float root = re_blend(re, f.Re[part][0][0], f.Re[part][0][1], c[k][0], c[k][2]);
        float tip = re_blend(re, f.Re[part][1][0], f.Re[part][1][1], c[k][1], c[k][3]);
        blend[k] = a.els[part] > 0 ? interp(0.0f, root, (float)a.els[part], tip, span_at) : root;
    }
    float l = blend[0], d = blend[1], m = blend[2];

    if (set.force_report) {
        trk << "                   flight RE=";
        report_value(re, 4, 1);
        trk << " million.\n                   element center=";
        report_value(a.els[part] > 0 ? span_at / a.els[part] * 100.0f : 0.0f, 4, 1);
        trk << "% of span.\n\n";
        summary_rows("CL", "cl", c[0], l);
        summary_rows("CD", "cd", c[1], d);
        summary_rows("CM", "cm", c[2], m);
        const char* names[3] = {"cl", "cd", "cm"};
        const float inc[3] = {dcl, dcd, dcm};
        for (int k = 0; k < 3; k++) {
            trk << "   adding control-effects " << names[k] << " of ";
            report_value(inc[k], 6, 4);
            trk << ".\n";
        }
        trk << "   finite-wing lift   multiplier=";
        report_value(a.cl_D_cl0[part], 3, 2);
        trk << ".\n   finite-wing moment multiplier=";
        report_value(a.cm_D_cm0[part], 3, 2);
        trk << ".\n";
    }

    l += dcl;
    d += dcd;
    m += dcm;
    l *= a.cl_D_cl0[part];
    m *= a.cm_D_cm0[part];

    // A part of no span (a disc, a fin swept to 90 degrees) has no aspect
    // ratio to spread its lift over: no induced drag rather than a division by 0.
    float span_term = con.pi * a.e[part] * a.AR[part];
    float cdi = span_term > 1e-6f ? l * l / span_term : 0.0f;
    int near_ground_part = a.is_heli ? part == part_main_rotor : is_wing(part) || is_hstab(part);
    int in_ground_effect = l > 0.0f && near_ground_part;
    if (in_ground_effect) {
        cdi *= flt.ge_cdi_mult[part];
        l *= flt.ge_cl_mult[part];
        if (set.force_report) {
            trk << "   ground effect cdi  multiplier=";
            report_value(flt.ge_cdi_mult[part], 3, 2);
            trk << ".\n   ground effect cl   multiplier=";
            report_value(flt.ge_cl_mult[part], 3, 2);
            trk << ".\n";
        }
    }
    d += cdi;

    float mach = atm.a_sound > 0.0f ? vel / atm.a_sound : 0.0f;
    float mach_c = fltlim(mach, 0.0f, 0.8f);
    float pg = 1.0f / std::sqrt(1.0f - mach_c * mach_c);
    l *= pg;
    m *= pg;
    float mdd = 0.8f - 0.2f * l;
    float rise = mach > mdd ? 2.5f * (mach_c - mdd) * (mach_c - mdd) : 0.0f;
    d += rise;
    float delta_cm = -0.25f * a.delta_fac[part] * l;
    m += delta_cm;

    if (set.force_report) {
        trk << "   adding cdi of ";
        report_value(cdi, 5, 4);
        trk << ".\n   local mach#=";
        report_value(mach, 3, 2);
        trk << "\n   Prandtl-Glauert cl mult by ";
        report_value(pg, 3, 2);
        trk << ".\n   Prandtl-Glauert cm mult by ";
        report_value(pg, 3, 2);
        trk << ".\n";
        if (mach > mdd) {
            trk << "   drag divergent mach number exceeded, cd incremented by ";
            report_value(rise, 5, 4);
            trk << ".\n";
        }
        trk << "   delta-wing moment change adds cm of ";
        report_value(delta_cm, 7, 4);
        trk << ".\n";
    }

    if (flt.ice_amount > 0.001f) {
        l /= 1.0f + 0.5f * flt.ice_amount;
        d *= 1.0f + 4.0f * flt.ice_amount;
        if (set.force_report) trk << "WARNING! ICE IS CHANGING THE COEFFICIENTS!\n";
    }
    if (set.force_report) {
        trk << "   FINAL LOCAL-VELOCITY COEFFICIENTS: cl=";
        report_value(l, 3, 2);
        trk << ", cd=";
        report_value(d, 5, 4);
        trk << ", cm=";
        report_value(m, 3, 2);
        trk << ".\n";
    }
    *cl = l;
    *cd = d;
    *cm = m;
}

void supersonic_flatplate(float alpha, float* cl, float* cd, float mach, float weight)
{
    // The linear theory has no answer at or below Mach 1; the caller holds
    // the Mach number at 1.1 or more.
    if (mach <= 1.0f) return;
    float a = alpha * con.degtorad;
    float cn = 2.0f * a / std::sqrt(mach * mach - 1.0f);
    *cl += cn * std::cos(a) * weight;
    *cd += cn * std::sin(a) * weight;
}

void Fco_supersonic(float dcl, float dcd, float dcm, float* cl, float* cd, float* cm, int part, int element)
{
    float l = 0.0f, d = 0.0f;
    float half = 0.5f * std::atan(afl[0].trat[part][0] + afl[0].trat[part][1]) * con.radtodeg;
    float mach = fltlim(flt.mach, 1.1f, 3.0f);
    float alpha = flt.el_alpha[part][element];
    supersonic_flatplate(alpha - half, &l, &d, mach, 0.5f);
    supersonic_flatplate(alpha + half, &l, &d, mach, 0.5f);
    supersonic_flatplate(alpha + half, &l, &d, mach, 0.5f);
    supersonic_flatplate(alpha - half, &l, &d, mach, 0.5f);
    d += 0.0046f;
    float m = -0.24f * l;

    if (set.force_report) {
        trk << "\n   SUPERSONIC COEFFICIENTS:\n      alpha =";
        report_value(alpha, 6, 2);
        trk << ".\n      machno=";
        report_value(flt.mach, 6, 2);
        trk << ".\n      cl=";
        report_value(l, 7, 4);
        trk << ".\n      cd=";
        report_value(d, 7, 4);
        trk << ".\n      cm=";
        report_value(m, 7, 4);
        trk << ".\n";
    }
    l += dcl;
    d += dcd;
    m += dcm;
    if (set.force_report) {
        trk << "   WITH CONTROL EFFECTS, WE GET:\n";
        const char* names[3] = {"cl", "cd", "cm"};
        const float inc[3] = {dcl, dcd, dcm}, now[3] = {l, d, m};
        for (int k = 0; k < 3; k++) {
            trk << "      with control effect of (";
            report_value(inc[k], 7, 4);
            trk << "), " << names[k] << "=";
            report_value(now[k], 7, 4);
            trk << ".\n";
        }
    }
    *cl = l;
    *cd = d;
    *cm = m;
}

float F_el_force(float dcl, float dcd, float dcm, float* lift, float* drag, float* moment, int part, int element)
{
    float cl = 0.0f, cd = 0.0f, cm = 0.0f;
    if (flt.mach < 1.0f)
        Fco_subsonic(dcl, dcd, dcm, &cl, &cd, &cm, part, element);
    else
        Fco_supersonic(dcl, dcd, dcm, &cl, &cd, &cm, part, element);

    // The flow at the element comes in turned by the rotation, the wash and the
    // downwash: tip the coefficients back onto the flight path.
    float flowdir = flt.el_flowdir[part][element];
    float th = flowdir * con.degtorad;
    float cl_path = cl * std::cos(th) + cd * std::sin(th);
    float cd_path = cd * std::cos(th) - cl * std::sin(th);

    float vel = flt.el_vel[part][element];
    float s = pln[0].s[part][element], mac = pln[0].mac[part][element];
    if (set.force_report) {
        trk << "\n   This element has an infinite flow-direction modification of ";
        report_value(flowdir, 3, 1);
        trk << " deg.\n   This rotates the lift and drag vectors through the infinite flow-modification angle.\n"
               "   This rotation turns the initial cl of ";
        report_value(cl, 6, 4);
        trk << " and cd of ";
        report_value(cd, 5, 4);
        trk << " along the direction of the flight path\n   to the new values of cl=";
        report_value(cl_path, 6, 4);
        trk << " and cd=";
        report_value(cd_path, 5, 4);
        trk << " along the direction of the flight path.\n\n";
    }
    float qs = vel * vel * s * atm.rho * 0.5f;
    *lift = cl_path * qs;
    *drag = cd_path * qs;
    *moment = cm * qs * mac;
    if (set.force_report) {
        trk << "   force=coeff*S*V*V*rho/2.0\n";
        const char* heads[2] = {"   lift=", "   drag="};
        const float coef[2] = {cl_path, cd_path}, force[2] = {*lift, *drag};
        for (int k = 0; k < 2; k++) {
            trk << heads[k];
            report_value(coef[k], 8, 4);
            trk << "* ";
            report_value(s, 6, 2);
            trk << "* sqr(";
            report_value(vel, 6, 1);
            trk << ") * ";
            report_value(atm.rho, 5, 4);
            trk << " / 2         =";
            report_value(force[k], 8, 0);
            trk << " N.\n";
        }
        trk << "   momt=";
        report_value(cm, 8, 4);
        trk << "* ";
        report_value(s, 6, 2);
        trk << "* sqr(";
        report_value(vel, 6, 1);
        trk << ") * ";
        report_value(atm.rho, 5, 4);
        trk << " / 2 * ";
        report_value(mac, 6, 1);
        trk << "=";
        report_value(*moment, 8, 0);
        trk << " N-m.\n\n";
    }
    return cl;
}

// Share of a device's lift left at deflection a (deg): the flow separates
// from the surface little by little past 10 degrees.
static float lift_effectiveness(float a)
{
    static const float at[7] = {10.0f, 15.0f, 20.0f, 30.0f, 40.0f, 50.0f, 60.0f};
    static const float share[7] = {1.0f, 0.98f, 0.86f, 0.68f, 0.60f, 0.55f, 0.50f};
    if (a < at[0]) return share[0];
    for (int k = 0; k < 6; k++)
        if (a < at[k + 1]) return interp(at[k], share[k], at[k + 1], share[k + 1], a);
    return share[6];
}

void set_con_eff(int part, int kind, float crat, float def, float* dcl, float* dcd, float* dcm, const char* name)
{
    float a = std::fabs(def);
    float l = -std::sqrt(crat) * 0.1097f * (2.0f / 3.0f) * def;
    float d = crat * 0.02f * a;
    float m = -l * (0.75f - 0.5f * crat) + crat * std::sin(def * con.degtorad) * 0.5f * d;
    if (kind == 6) {
        l *= 2.0f;
        d *= 2.0f;
        m *= 0.5f;
    } else if (kind == 8) {
        l *= 0.0f;
        d *= 4.0f;
        m *= 0.0f;
    } else if (kind == 7) {
        l *= 0.5f;
        d *= 2.0f;
        m = 0.0f;
    }
    l *= lift_effectiveness(a);
    if (flt.part_stalled[part]) l *= 0.2f;
    if (pln[0].con_smooth == 1) l *= 0.7f;
    if (pln[0].con_smooth == 2) l *= 0.85f;

    if (set.force_report) {
        trk << "\n   " << name << " RESULTS FOR ";
        report_value(crat, 5, 2);
        trk << " CHORD SURFACE, DEFLECTED ";
        report_value(def, 5, 2);
        trk << " DEG:\n";
        const char* heads[3] = {"      cl=", "      cd=", "      cm="};
        const float inc[3] = {l, d, m};
        for (int k = 0; k < 3; k++) {
            trk << heads[k];
            report_value(inc[k], 7, 4);
            trk << " per deg.\n";
        }
    }
    *dcl = l;
    *dcd = d;
    *dcm = m;
}

float induce_alpha(float dcl, int part)
{
    if (flt.mach > 1.0f) return 0.0f;
    return dcl / (fltlim(pln[0].AR[part], 2.0f, 20.0f) * con.pi) * con.radtodeg;
}

// ---- ground and water contact, totals and accelerations -------------------
//
// handle_contact_point pushes one gear, skid, tip or body point out of the
// ground or a deck; handle_float_point floats and planes one body point on
// water; set_a2 adds the tow rope, turns the three groups of sums into the
// earth frame and divides by mass and inertia. All work on aircraft 0.

// A touching point's lines; its numbers keep the decimals last set on the stream.
static void contact_lines(int n, float axial, float side, float normal)
{
    char title[24];
    snprintf(title, sizeof title, "CONTACT #%d:", n);
    trk << std::fixed;
    report_title_line(title);
    // Decimals of their own: a deflection of centimetres must not come out
    // as 0 in whatever the last line before it left on the stream.
    trk << "   deflection=";
    report_value(pln[0].condef[n], 0, 4) << " m.\n";
    trk << "   axilforce =";
    report_value(axial, 0, 1) << " N.\n";
    trk << "   sideforce =";
    report_value(side, 0, 1) << " N.\n";
    trk << "   nrmlforce =";
    report_value(normal, 0, 1) << " N.\n";
    trk << "\n";
}

// The steering input of the ground: the pedals when the user has them.
static float steering_input(void)
{
    return set.rudder_pedals ? set.stick_yaw : set.stick_roll;
}

int handle_contact_point(int n, float x, float y, float z, float spring, float damper, float mu_roll, float mu_side)
{
    // Where the point is over the ground, turned by heading only.
    float X = (float)flt.pos_x[0] + x * flt.cos_psi - z * flt.sin_psi;
    float Z = (float)flt.pos_z[0] + z * flt.cos_psi + x * flt.sin_psi;
    float vx_s = 0, vy_s = 0, vz_s = 0;   // the terrain query leaves vy alone on land
    int ci = env.plane_cell_i, cj = env.plane_cell_j;
    float h = find_local_h(X, Z, &vx_s, &vy_s, &vz_s, &ci, &cj, 1);

    float d = (h - (float)flt.pos_y[0]) + z * flt.sin_theta + x * flt.sin_phi - y * flt.cos_theta * flt.cos_phi;
    pln[0].condef[n] = d;
    float N = spring * d + damper * (vy_s - (float)flt.vel_y + x * flt.Prad + z * flt.Qrad);
    N = fltlim(N, -99.9f, 5.0f * pln[0].m_max * con.g);
    if (d < 0) {
        pln[0].condef[n] = 0;
        return 0;
    }
    if (N < 0) return 0;   // leaving faster than the spring pushes: no pull, the deflection stays

    // Speed and track over the surface, which moves with a ship's deck.
    float u = (float)flt.vel_x - flt.sin_psi * flt.Rrad * x;
    float w = (float)flt.vel_z + flt.cos_psi * flt.Rrad * x;
    float V = pythag(u - vx_s, w - vz_s);
    float track = fltwrap(atan2f(u - vx_s, vz_s - w) * con.radtodeg, 0, 360);
    float drift = fltwrap(flt.psi[0] - track, -180, 180);

    float k = fltlim(5 * V, 0, 1);   // full friction from 0.2 m/s
    if (std::fabs(drift) > 90) k = -k;

    int nose = n == 0, main_wheel = n == 1 || n == 2, skid = n >= 3 && n <= 6;
    int castering = std::fabs(pln[0].nwsteer) < 0.01f;
    float mu = mu_roll;
    if (main_wheel) {
        float b = flt.brake_ratio;
        if (castering) {   // no nose-wheel steering: the brakes steer
            float s = steering_input();
            b = n == 1 ? fltlim(b - 0.5f * s, 0, 1) : fltlim(b + 0.5f * s, 0, 1);
        }
        mu = mu_roll + (mu_side - mu_roll) * b;
    }
    float A = N * mu * k;
    float S = N * mu_side * fltlim(V * sinf(drift * con.degtorad) + flt.Rrad * z, -1, 1);
    if (nose && castering) S = 0;

    // A steered nose wheel sets the yaw rate outright; gears at one station
    // give no wheelbase to steer about, so they leave it.
    float wheelbase = pln[0].mgearZ - pln[0].ngearZ;
    if (nose && std::fabs(pln[0].nwsteer) > 0.01f && std::fabs(wheelbase) > 0.001f) {
        // A scale of 0 from the preferences must not divide: the settings window's range holds.
        float s = steering_input() / fltlim(set.ctl_scale_c, 0.5f, 1.0f);
        float f1 = fltlim(5 + 8 * (std::fabs(s) - 1), 1, 5);   // 1 up to half input, 5 at full
        float f2 = fltlim(5 - 0.4f * V, 1, 5);                 // 5 at rest, 1 from 10 m/s
        float dir = std::fabs(drift) < 90 ? 1.0f : -1.0f;
        flt.yaw_rate = V * (f1 * f2 * dir * s) * pln[0].nwsteer / wheelbase;
        if (env.on_frigate) flt.yaw_rate += env.ship_turn[1];
        else if (env.on_carrier) flt.yaw_rate += env.ship_turn[0];
    }
    if (skid) flt.yaw_rate = -flt.Rdot * msc.dt;   // the skid takes out this step's yaw acceleration
    flt.Rrad = flt.yaw_rate * con.degtorad;

    addFagear(-A, x, y);
    addFsgear(S, y, z);
    addFngear(N, x, z);
    if (set.force_report) contact_lines(n, A, S, N);
    flt.on_ground = 1;
    return 1;
}

int handle_float_point(int part, int station, int point, float x, float y, float z, float water_h)
{
    float D = (water_h - (float)flt.pos_y[0]) - y * flt.cos_theta * flt.cos_phi + z * flt.sin_theta + x * flt.sin_phi;
    float vv = (float)flt.vel_y - z * flt.Qrad - x * flt.Prad;
    float va = flt.vel_fwd - x * flt.Rrad;
    float vs = -z * flt.Rrad;
    if (D < 0) return 0;

    int stations = f_body_s_dim(part, 0), points = f_body_r_dim(part);
    int s_last = intlim(stations - 1, 0, plane_stations - 1), p_last = intlim(points - 1, 0, plane_points - 1);
    station = intlim(station, 0, s_last);
    point = intlim(point, 0, p_last);
    // The water rudder sits at the keel behind the centre of gravity.
    if (z > 0 && point == points / 2) vs += sinf(10 * set.ctl_yaw * con.degtorad) * flt.gnd_speed[0];

    // The facet around the point reaches halfway to its neighbours; at the
    // ends the point stands in for the missing neighbour.
    int s_fwd = intlim(station + 1, 0, s_last), s_aft = intlim(station - 1, 0, s_last);
    int p_up = intlim(point + 1, 0, p_last), p_dn = intlim(point - 1, 0, p_last);
    const planestruct& a = pln[0];
    float dXf = 0.5f * (a.body_X[part][station][p_dn] - a.body_X[part][station][p_up]);
    float dYf = 0.5f * (a.body_Y[part][s_fwd][point] - a.body_Y[part][s_aft][point]);
    float dZf = 0.5f * (a.body_Z[part][s_fwd][point] - a.body_Z[part][s_aft][point]);
    float dY = dYf * flt.cos_theta - dZf * flt.sin_theta;
    float dZ = dZf * flt.cos_theta + dYf * flt.sin_theta;

    float Aw = std::fabs(dZf * dXf), Ac = std::fabs(dXf * dY), As = std::fabs(dZ * dY);
    float vol = D * Aw;
    // A facet steeper than 45 degrees does not plane, whether it rises aft or
    // forward, and one with no length in the level frame is a wall: so a
    // near-vertical bow facet cannot give an unbounded force.
    float r = 0, rp = 0;
    if (std::fabs(dZ) > 1e-6f) {
        r = dY / dZ;
        rp = r >= -1.0f && r <= 1.0f ? r : 0.0f;
    }
    float rho = con.rho_h20;
    float B = vol * rho * con.g;
    float Dv = -vv * std::fabs(vv) * Aw * rho;
    float M = -va * std::fabs(va) * rp * Ac * rho;
    float P = fltlim(r, -0.05f, 0.05f) * M;
    float F = -0.00165f * va * std::fabs(va) * rho * Aw;
    float S = -1.2f * vs * std::fabs(vs) * rho * As;

    addFagear(P, x, y);
    addFagear(F, x, y);
    addFsgear(S, y, z);
    addFngear(B, x, z);
    addFngear(Dv, x, z);
    addFngear(M, x, z);

    if (set.force_report) {
        trk << "\n[" << part << "][" << station << "][" << point << "],  z =";
        report_value(z, 5, 2);
        trk << "  x =";
        report_value(x, 5, 2);
        trk << "  y =";
        report_value(y, 5, 2);
        trk << ".\ndZf=";
        report_value(dZf, 5, 4);
        trk << " dXf=";
        report_value(dXf, 5, 4);
        trk << " dYf=";
        report_value(dYf, 5, 4);
        trk << ".\ndZ =";
        report_value(dZ, 5, 4);
        trk << " dX =";
        report_value(dXf, 5, 4);
        trk << " dY =";
        report_value(dY, 5, 4);
        trk << ".\ndepth=";
        report_value(D, 5, 2);
        trk << ", vert_vel=";
        report_value(vv, 5, 2);
        trk << ".\naxial_v=";
        report_value(va, 5, 2);
        trk << ", wet_area=";
        report_value(Aw, 5, 4);
        trk << " cap_area=";
        report_value(Ac, 5, 4);
        trk << " sid_area=";
        report_value(As, 5, 4);
        trk << ".\ndisplacement=";
        report_value(vol, 5, 1);
        trk << ", Q=";
        report_value(va * std::fabs(va) * rho, 5, 1);
        trk << ".\n";
        const char* labels[6] = {"nrmlforce_B=", "nrmlforce_D=", "nrmlforce_M=",
                                 "axilforce_P=", "axilforce_F=", "sideforce  ="};
        const float forces[6] = {B, Dv, M, P, F, S};
        for (int i = 0; i < 6; i++) {
            trk << labels[i];
            report_value(forces[i], 5, 1);
            trk << ".\n";
        }
    }
    flt.on_ground = 1;
    return 1;
}

// What the build-up keeps from call to call for one flight, at its start values.
struct fltcalc_flight_state {
    float wobble[3] = {0, 0, 0};   // the tow wobble's phases, kept across tows
};
static fltcalc_flight_state fltcalc_flight;

void clear_fltcalc_flight_state(void)
{
    fltcalc_flight = fltcalc_flight_state();
    clear_buildup_flight_state();
}

// The aerotow rope from the hook at the nose to the tow plane (aircraft 1):
// adds its pull to the earth sums and its moments to flt, releases it when it
// pulls from behind, and lets the glider wobble in the tow plane's wake.
static void tow_rope(float* P_N, float* P_E, float* P_U)
{
    float (&wobble)[3] = fltcalc_flight.wobble;
    float st = flt.sin_theta, ct = flt.cos_theta, sp = flt.sin_psi, cp = flt.cos_psi;
    float zn = pln[0].body_Z[part_fuselage][0][0];
    double hx = flt.pos_x[0] - zn * ct * sp;
    double hy = flt.pos_y[0] - zn * st;
    double hz = flt.pos_z[0] + zn * ct * cp;
    float dx = (float)(flt.pos_x[1] - hx), dy = (float)(flt.pos_y[1] - hy), dz = (float)(flt.pos_z[1] - hz);
    float L = pythag3(dx, dy, dz);
    if (L < 0.001f) return;   // the tow plane at the hook gives the rope no direction

    // 40 m of rope; the tow plane's extra speed takes up slack before it stretches.
    float T = fltlim(flt.mass_now * ((L - 40) + (flt.gnd_speed[1] - flt.gnd_speed[0])), 0, 9.9e9f);
    float e = T * dx / L, u = T * dy / L, sz = T * dz / L;

    float lat = sz * sp + e * cp;
    float fwd = e * sp - sz * cp;
    float nrm = fwd * st + u * ct;
    float side = lat * flt.cos_phi - nrm * flt.sin_phi;
    // The rope's angles off the nose: measured from ahead, so that a rope
    // straight ahead is 0 and one that has fallen behind is beyond 90 degrees.
    float ahead = fwd * ct - u * st;
    float e1 = atan2f(-(lat * flt.sin_phi + nrm * flt.cos_phi), ahead);
    float e2 = atan2f(-side, ahead);

    flt.M_pitch -= T * sinf(e1);
    flt.M_yaw -= T * sinf(e2);
    *P_N -= sz;
    *P_E += e;
    *P_U += u;

    if (T > 1 && (std::fabs(e1) > con.pid2 || std::fabs(e2) > con.pid2)) {
        set.tow_on = 0;
        set.tow_hold = 0;
    }
    float lim = 9 * con.degtorad;
    if (!flt.on_ground && std::fabs(e1) < lim && std::fabs(e2) < lim && std::fabs(flt.theta[1] - flt.theta[0]) < 9 &&
        std::fabs(flt.psi[1] - flt.psi[0]) < 9) {
        for (float& ph : wobble) ph += fltrand(0.5f, 1.5f) * msc.dt;
        flt.theta[0] += sinf(10 * wobble[0]) * fltrand(0.15f, 0.3f);
        flt.psi[0] += sinf(10 * wobble[1]) * fltrand(0.15f, 0.3f);
        flt.phi[0] += sinf(10 * wobble[2]) * fltrand(0.15f, 0.3f);
    }
}

static void totals_triplet(const char* const labels[3], const float v[3], int decimals, const char* unit)
{
    for (int k = 0; k < 3; k++) {
        trk << labels[k];
        report_value(v[k], 9, decimals);
        trk << unit;
    }
}

static void grand_totals_lines(float f_north, float f_east, float f_up, float mass, const float inertia[3])
{
    static const char* const axial[3] = {"f_axial =", "f_side  =", "f_normal="};
    static const char* const gear[3] = {"f_axial   =", "f_side    =", "f_vertical="};
    static const char* const earth[3] = {"f_north=", "f_east =", "f_up   ="};
    static const char* const moment[3] = {"L (roll) =", "M (pitch)=", "N (yaw)  ="};
    static const char* const mi[3] = {"roll  MI=", "pitch MI=", "yaw   MI="};
    static const char* const lin[3] = {"a_x=", "a_y=", "a_z="};
    static const char* const ang[3] = {"Pdot (roll) =", "Qdot (pitch)=", "Rdot (yaw)  ="};
    const float prop[3] = {flt.F_prop_axial, flt.F_prop_side, flt.F_prop_normal};
    const float aero[3] = {flt.F_aero_axial, flt.F_aero_side, flt.F_aero_normal};
    const float grnd[3] = {flt.F_gear_axial, flt.F_gear_side, flt.F_gear_vertical};
    const float tot[3] = {f_north, f_east, f_up};
    const float mom[3] = {flt.M_roll, flt.M_pitch, flt.M_yaw};
    const float acc[3] = {flt.a_x, flt.a_y, flt.a_z};
    const float rot[3] = {flt.Pdot, flt.Qdot, flt.Rdot};

    trk << "\n";
    report_title_line("GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP");
    report_title_line("FINAL PROPULSIVE (ENGINE) FORCES, ALONG AIRCRAFT AXIS (pos forward/right/up)");
    totals_triplet(axial, prop, 0, " N.\n");
    report_title_line("FINAL AERODYNAMIC FORCES, ALONG FLIGHT PATH AXIS (pos forward/right/up)");
    totals_triplet(axial, aero, 0, " N.\n");
    report_title_line("FINAL GEAR FORCES, ALONG HEADING/VERTICAL AXIS (pos forward/right/up)");
    totals_triplet(gear, grnd, 0, " N.\n");
    report_title_line("FINAL TOTAL FORCES, ALONG SURFACE AXIS");
    totals_triplet(earth, tot, 0, " N.\n");
    report_title_line("FINAL TOTAL TOTAL MOMENTS, ABOUT AIRCRAFT AXIS (pos right/up/right)");
    totals_triplet(moment, mom, 0, " N-m.\n");
    report_title_line("MASSES TO GET FROM FORCES TO ACCELERATIONS");
    trk << "mass    =";
    report_value(mass, 9, 1);
    trk << " kg\n";
    totals_triplet(mi, inertia, 1, " kg-m-m... M/mi=accel in RADIANS per sec.\n");
    report_title_line("FINAL TOTAL LINEAR ACCELS, ALONG GLOBAL AXIS (pos north/east/up)");
    totals_triplet(lin, acc, 4, " m/ss.\n");
    report_title_line("FINAL TOTAL ANGULAR ACCELS, ABOUT AIRCRAFT AXIS (pos right/up/right)");
    totals_triplet(ang, rot, 4, " deg/ss.\n");
}

void set_a2(void)
{
    float sf = flt.sin_phi, cf = flt.cos_phi, st = flt.sin_theta, ct = flt.cos_theta;
    float sp = flt.sin_psi, cp = flt.cos_psi;

    // Propulsive sums: body axes to north, east and up.
    float a = flt.F_prop_axial, s = flt.F_prop_side, n = flt.F_prop_normal;
    float P_N = ct * cp * a + (-cf * sp + cp * sf * st) * s - (sf * sp + cp * cf * st) * n;
    float P_E = ct * sp * a + (cf * cp + sp * sf * st) * s - (-sf * cp + sp * cf * st) * n;
    float P_U = cf * ct * n + st * a - sf * ct * s;

    if (set.tow_hold || set.tow_on) tow_rope(&P_N, &P_E, &P_U);

    // Aerodynamic sums through the flight-path angles; gear sums by heading.
    float sm = flt.sin_path_roll, cm = flt.cos_path_roll, sg = flt.sin_path_theta, cg = flt.cos_path_theta;
    float sx = flt.sin_path_psi, cx = flt.cos_path_psi;
    a = flt.F_aero_axial;
    s = flt.F_aero_side;
    n = flt.F_aero_normal;
    float f_north = (flt.F_gear_axial * cp - flt.F_gear_side * sp) + cg * cx * a + (-cm * sx + cx * sm * sg) * s -
                    (sm * sx + cx * cm * sg) * n + P_N;
    float f_east = (flt.F_gear_axial * sp + flt.F_gear_side * cp) + cg * sx * a + (cm * cx + sx * sm * sg) * s -
                   (-sm * cx + sx * cm * sg) * n + P_E;
    float f_up = cm * cg * n + sg * a - sm * cg * s + P_U + flt.F_gear_vertical;

    // Ice adds mass to the linear motion and, further out, to the inertia.
    float ice = 1 + flt.ice_amount;
    float m = flt.mass_now * ice;
    flt.a_x = m > 0 ? f_east / m : 0;
    flt.a_y = (m > 0 ? f_up / m : 0) - atm.g_accel;
    flt.a_z = m > 0 ? -f_north / m : 0;

    // Roll is about the longitudinal z axis, pitch about x, yaw about y. An
    // aircraft with no inertia on an axis gets no turn from it.
    const float inertia[3] = {pln[0].Jzz_unitmass * flt.mass_now, pln[0].Jxx_unitmass * flt.mass_now,
                              pln[0].Jyy_unitmass * flt.mass_now};
    const float moment[3] = {flt.M_roll, flt.M_pitch, flt.M_yaw};
    float dot[3];
    for (int k = 0; k < 3; k++) {
        float I = inertia[k] * ice * ice;
        dot[k] = I > 0 ? moment[k] / I * con.radtodeg : 0;
    }
    flt.Pdot = dot[0];
    flt.Qdot = dot[1];
    flt.Rdot = dot[2];

    if (set.force_report) grand_totals_lines(f_north, f_east, f_up, flt.mass_now, inertia);
}


// ---- force report ------------------------------------------------------------

std::ostream& report_value(float v, int width, int decimals)
{
    return trk << std::fixed << std::setw(width) << std::setprecision(decimals) << v;
}

void report_line(const char* head, float v, int width, int decimals, const char* tail)
{
    trk << head;
    report_value(v, width, decimals) << tail;
}

void report_title_line(const char* text)
{
    int rest = 100 - 3 - (int)strlen(text);
    trk << std::string(3, (char)0xA5) << text << std::string(rest > 0 ? rest : 0, (char)0xA5) << "\n";
}

static void totals_lines(float axial, float side, float normal)
{
    const char* heads[3] = {"   f_axil=", "   f_side=", "   f_nrml="};
    const char* moments[3] = {" N,   L=", " N,   M=", " N,   N="};
    const float force[3] = {axial, side, normal}, moment[3] = {flt.M_roll, flt.M_pitch, flt.M_yaw};
    for (int k = 0; k < 3; k++) {
        trk << heads[k];
        report_value(force[k], 9, 0);
        trk << moments[k];
        report_value(moment[k], 9, 0);
        trk << (k < 2 ? " N-m.\n" : " N-m.\n\n");
    }
}

void aeroforcerep(void)
{
    report_title_line("RUNNING AERODYNAMIC FORCE AND TOTAL MOMENT TOTALS, FLIGHT-PATH AXIS SYSTEM");
    totals_lines(flt.F_aero_axial, flt.F_aero_side, flt.F_aero_normal);
}

void propforcerep(void)
{
    report_title_line("RUNNING PROPULSIVE FORCE AND TOTAL MOMENT TOTALS, AIRCRAFT AXIS SYSTEM");
    totals_lines(flt.F_prop_axial, flt.F_prop_side, flt.F_prop_normal);
}
