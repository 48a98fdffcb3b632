// The force build-up of the user's aircraft, once per half-step: set_a.
//
// Sections (grep "---- name"):
//   memories         what the build-up keeps between half-steps
//   report lines     the build-up's own lines of the force report
//   engines          rockets, JATO, reaction puffers
//   wing elements    the element loop of the wing-like parts, the downwash
//   bodies           fuselage, nacelles and other bodies, tyres, brakes, chute
//   contact          ground, deck and water, the wire, touch-down cues
//   set_a            the order of the build-up
#include "Fltcalc.h"
#include "records.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_joy.h"
#include "Hl_sound.h"
#include "Hl_types.h"
#include "Propel.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- memories ------------------------------------------------------------------

const int flap_side_right = 13;     // an asymmetric failure leaves the right flaps working
const int flap_side_left = 14;      // ... or the left ones

// The contact points' states: nose or tail wheel, the mains, the four skid
// ends, any body point, any wing tip.
const int contact_states = 9;
const int contact_body = 7;
const int contact_tip = 8;

// Drawn once, the first time a build-up runs; the same side for the whole run.
struct buildup_run_state {
    int flap_side = 0;
};
static buildup_run_state buildup_run;

// What one half-step hands to the next within a flight: the rates for the
// prediction and the contacts for the touch-down cues.
struct buildup_flight_state {
    float alpha = 0, beta = 0, P = 0, Q = 0, R = 0;
    int contact_prev[contact_states] = {};
};
static buildup_flight_state buildup_flight;

void clear_buildup_run_state(void) { buildup_run = buildup_run_state(); }
void clear_buildup_flight_state(void) { buildup_flight = buildup_flight_state(); }

// The left wings and the left stabiliser; the ailerons' left side is the
// wings alone.
static int is_left_surface(int p) { return (is_wing(p) || is_hstab(p)) && p % 2 == 0; }
static int is_left_aileron_side(int p) { return is_wing(p) && p % 2 == 0; }

// The half-step's inputs after prediction: half a step's change ahead of the
// last values, so the forces lead the motion as the integrator will see it.
struct predicted {
    float alpha, beta;      // deg
    float P, Q, R;          // rad/s
};

// ---- report lines --------------------------------------------------------------

static void part_heading(int part)
{
    static const char* const names[plane_parts] = {
        "", "", "", "", "LEFT  WING 1", "RIGHT WING 1", "LEFT  WING 2", "RIGHT WING 2", "LEFT  WING 3",
        "RIGHT WING 3", "LEFT  HSTB", "RIGHT HSTB", "VERT STAB NUMBER 1", "VERT STAB NUMBER 2",
        "ENGINE PYLON 1", "ENGINE PYLON 2", "ENGINE PYLON 3", "ENGINE PYLON 4"};
    trk << "\n";
    report_title_line("");
    report_title_line(names[part]);
    report_title_line("");
    report_title_line("");
}

static void velocity_line(const char* head, float u, float w)
{
    trk << head;
    report_value(u, 7, 2) << " m/s axial, pos aft, ";
    report_value(w, 7, 2) << " m/s normal, pos up.\n";
}

// ---- engines -------------------------------------------------------------------

// Liquid-fuel rockets: thrust follows the throttle at once.
static void rockets(void)
{
    const planestruct& a = pln[0];
    for (int e = 0; e < a.numen && e < plane_engines; e++) {
        if (!flt.engine_running[e]) {
            flt.thrust_now[e] = 0;
            continue;
        }
        float thrust = flt.throttle[e] * a.fmax;
        flt.thrust_now[e] = thrust;
        addFaprop(thrust * flt.thrust_dir_a[e], a.Xarm[e], a.Yarm[e]);
        addFnprop(thrust * flt.thrust_dir_n[e], a.Xarm[e], a.Zarm[e]);
        if (set.force_report) {
            trk << "After liquid-fuel rocket engine #" << e + 1 << ":\n";
            propforcerep();
        }
    }
}

static void jato(void)
{
    const planestruct& a = pln[0];
    if (!ins.jato_burning) return;
    float th = a.jatotheta * con.degtorad;
    addFaprop(a.jatothrust * cosf(th), 0, a.jatoY);
    addFnprop(a.jatothrust * sinf(th), 0, a.jatoZ);
    flt.jato_left -= msc.dt;
    if (flt.jato_left < 0) ins.jato_burning = 0;
    if (set.force_report) {
        trk << "After JATO:\n";
        propforcerep();
    }
}

static void puffers(void)
{
    const planestruct& a = pln[0];
    if (!a.puffEQ) return;
    flt.M_roll += a.puffL * set.ctl_roll;
    flt.M_pitch += a.puffM * set.ctl_pitch;
    flt.M_yaw += a.puffN * set.ctl_yaw;
    if (set.force_report) {
        trk << "After puffers:\n";
        propforcerep();
    }
}

// ---- wing elements -------------------------------------------------------------

// Share of an engine's slipstream that reaches a part whose wash window runs
// from lo through the peak at max to hi (deg). A side of no width is a step.
static float wash_share(float phi, float lo, float max, float hi)
{
    if (phi < lo || phi > hi) return 0;
    if (phi <= max) return max > lo ? (phi - lo) / (max - lo) : 1.0f;
    return hi > max ? (hi - phi) / (hi - max) : 1.0f;
}

// The propwash of every engine whose slipstream reaches the element, into
// its axial and normal velocity.
static void element_propwash(int p, int k, float* u, float* w)
{
    const planestruct& a = pln[0];
    if (a.is_heli || !turns_propellers(a)) return;
    for (int e = 0; e < a.numen && e < plane_engines; e++) {
        if (!a.in_propwash[p][e][k]) continue;
        float W = flt.wash_speed[e], dir_a = flt.thrust_dir_a[e], dir_n = flt.thrust_dir_n[e];
        float phi = atan2f(flt.V_true * flt.sin_alpha - W * dir_n, flt.V_true * flt.cos_alpha + W * dir_a) * con.radtodeg;
        float f = wash_share(phi, a.lo_washdir[p][e], a.max_washdir[p][e], a.hi_washdir[p][e]);
        *u += is_vstab(p) ? W * f : W * f * dir_a;
        *w -= W * f * dir_n;
        if (set.force_report) {
            report_line("   The propwash from engine #", (float)(e + 1), 0, 0, " is at an angle of ");
            report_value(phi, 6, 1) << " deg. (aircraft body axis system, 0=horizontal, 90=straight up)\n";
            report_line("   This causes ", f * 100, 5, 1, "% of the total propwash to act on the surface.\n");
            report_line("   The speed increment due to propwash is therefore ", W * f, 6, 2, " m/s.\n");
            velocity_line("   Vector form AFTER propwash is: V=", *u, *w);
        }
    }
}

// The element's control devices: increments of its lift, drag and moment
// coefficients, and the angle the lift devices add to its alpha.
static void element_devices(int p, int k, float* dcl, float* dcd, float* dcm, float* induced)
{
    const planestruct& a = pln[0];
    int left = is_left_aileron_side(p);
    *dcl = *dcd = *dcm = *induced = 0;
    struct device {
        int on, kind;
        float crat, def;
        int lift;
        const char* name;
    };
    const device devices[6] = {
        {a.ailn[p][k], 5, a.ailn_crat, left ? flt.ailn_def_L : flt.ailn_def_R, 1, "AILERON"},
        {a.splr[p][k], 6, a.splr_crat, left ? flt.splr_def_L : flt.splr_def_R, 0, "SPOILER"},
        {a.sbrk[p][k] && flt.sbrk_handle > 0, 7, a.sbrk_crat, flt.sbrk_handle * 0.5f * a.sbrk_def, 0, "SPEEDBRAKE"},
        {a.drud[p][k], 8, a.drud_crat, left ? flt.drud_def_L : flt.drud_def_R, 0, "DRAG-RUDDER"},
        {a.elev[p][k] && a.hstabtype == 0, 5, a.elev_crat, p == part_hstab_left ? flt.elev_def_L : flt.elev_def_R, 1,
         "ELEVATOR"},
        {a.rudd[p][k], 5, a.rudd_crat, flt.rudd_def_now, 1, "RUDDER"},
    };
    for (const device& d : devices) {
        if (!d.on) continue;
        float l, dd, m;
        set_con_eff(p, d.kind, d.crat, d.def, &l, &dd, &m, d.name);
        *dcl += l;
        *dcd += dd;
        *dcm += m;
        if (d.lift) *induced += induce_alpha(l, p);
    }

    // Split flaps work on the side the failure left; the row is clamped, as a
    // situation file may restore any ratio.
    int kept = is_left_surface(p) ? flap_side_left : flap_side_right;
    int flaps_work = rel.system_ok[sys_asym_flap] || kept == buildup_run.flap_side;
    if (a.flap[p][k] && flt.flap_ratio > 0.01f && flaps_work) {
        int row = intlim(intround(flt.flap_ratio * 50), 0, plane_flap_rows - 1);
        *dcl += a.clflap[row];
        *dcd += a.cdflap[row];
        *dcm += a.cmflap[row];
        *induced += induce_alpha(a.clflap[row], p);
        if (set.force_report) {
            report_line("   FLAP COEFF INC: cl incmntd by ", a.clflap[row], 7, 4, ", cd incmntd by ");
            report_value(a.cdflap[row], 7, 4) << ", cm incmntd by ";
            report_value(a.cmflap[row], 7, 4) << " at a flap deflection of ";
            report_value(flt.flap_ratio * 100, 0, 0) << "%.\n";
        }
    }
}

// One element k of wing-like part p: its local flow, devices and force, and
// the downwash it sheds for the next half-step.
static void wing_element(int p, int k, const predicted& in, float c, float sn, float V_el, float dw_part[plane_parts])
{
    const planestruct& a = pln[0];
    int report = set.force_report;
    if (report) {
        char title[24];
        snprintf(title, sizeof title, "ELEMENT #%d:", k + 1);
        report_title_line(title);
    }
    float r = get_wing_rarm(p, k, 0);
    float x = get_wing_Xarm(p, r, 0), y = get_wing_Yarm(p, r, 0), z = get_wing_Zarm(p, r, 0);
    if (report) {
        report_line("   element x=", x, 7, 3, " m, pos right from CG\n");
        report_line("   element y=", y, 7, 3, " m, pos up    from CG\n");
        report_line("   element z=", z, 7, 3, " m, pos aft   from CG\n");
    }

    float a_g = a.anginc[p][k] + in.alpha * c - in.beta * sn;
    flt.el_flowdir[p][k] = -a_g;
    if (report) {
        report_line("   After incidence, dihedral, and sweep, alpha=", a_g, 6, 2, " deg, V=");
        report_value(V_el, 6, 2) << " m/s.\n";
    }
    float ag = a_g * con.degtorad;
    float u = V_el * cosf(ag) - in.Q * y - in.R * x;
    float w = V_el * sinf(ag) + (in.P * x + in.Q * z) * c + (in.P * y - in.R * z) * sn;
    if (report) velocity_line("   vector form, AFTER  aircraft rotational velocities: V=", u, w);
    element_propwash(p, k, &u, &w);

    flt.el_vel[p][k] = sqrtf(u * u + w * w);
    flt.el_alpha[p][k] = atan2f(w, u) * con.radtodeg + flt.el_downwash[p][k];
    flt.el_flowdir[p][k] += flt.el_alpha[p][k];
    if (report) {
        report_line("   The alpha increment due to downwash is ", flt.el_downwash[p][k], 6, 2, " deg.\n");
        report_line("   The surface is therefore at an alpha of ", flt.el_alpha[p][k], 6, 2, " deg while at ");
        report_value(flt.el_vel[p][k], 6, 2) << " m/s.\n";
        report_line("   The change in infinite flow direction due to rotation rates, propwash, and downwash is ",
                   flt.el_flowdir[p][k], 6, 2, " deg.\n");
    }

    if (is_hstab(p)) {
        if (a.hstabtype == 1) {
            float def = p == part_hstab_left ? flt.elev_def_L : flt.elev_def_R;
            flt.el_alpha[p][k] -= def;
            if (report) report_line("   The alpha increment due hstab def=", -def, 6, 2, " deg.\n");
        }
        if (a.hstbtrimmax > 0.01f) {
            float ahead = a.Zarm[part_hstab_left] < 0 ? 1.0f : -1.0f;
            float trim = flt.pitch_trim * a.hstbtrimmax * ahead;
            flt.el_alpha[p][k] += trim;
            if (report) report_line("   The alpha increment due hstab trim=", trim, 6, 2, " deg.\n");
        }
    }
    if (report) {
        report_line("   Finally, surface is at an alpha of ", flt.el_alpha[p][k], 6, 2, " deg while at ");
        report_value(flt.el_vel[p][k], 6, 2) << " m/s.\n";
    }

    float dcl, dcd, dcm, induced;
    element_devices(p, k, &dcl, &dcd, &dcm, &induced);
    flt.el_alpha[p][k] += induced;
    if (report) {
        report_line("   Effective alpha increased ", induced, 6, 2,
                   " deg by all combined lift-incrementation devices up to final alpha of ");
        report_value(flt.el_alpha[p][k], 6, 2) << " deg.\n";
    }

    float L, D, M;
    float cl = F_el_force(dcl, dcd, dcm, &L, &D, &M, p, k);
    addFaero(-D, -L * sn, L * c, x, y, z);
    flt.M_pitch += M * c;
    flt.M_yaw -= M * sn;
    if (report) aeroforcerep();

    // A stalled part's wake beats: its downwash pulses with the flow breaking away.
    float g = flt.part_stalled[p] ? std::fabs(sinf(2 * msc.sim_time)) : 1.0f;
    dw_part[p] += cl * a.spec_wash[p] / a.els[p] * g;
}

static void wing_parts(const predicted& in, float dw_part[plane_parts])
{
    const planestruct& a = pln[0];
    for (int p = part_wing_first; p <= part_pylon_last; p++) {
        if (!have_this_part(p, 0)) continue;
        // Only the left wings and stabiliser turn the dihedral and sideslip
        // over; a pylon keeps its own sign whichever side it hangs on.
        float s = is_left_surface(p) ? -1.0f : 1.0f;
        float dih = a.dihed[p] * con.degtorad;
        float c = cosf(dih), sn = s * sinf(dih);
        float V_el = std::fabs(flt.V_true * cosf((a.sweepnow[p] + s * in.beta * c) * con.degtorad));
        if (set.force_report) part_heading(p);
        int els = intlim(a.els[p], 0, plane_elements);
        for (int k = 0; k < els; k++) wing_element(p, k, in, c, sn, V_el, dw_part);
    }
}

// The downwash each wing or tail element meets in the next half-step: what
// the parts ahead of it shed, none at supersonic speed.
static void next_downwash(const float dw_part[plane_parts])
{
    const planestruct& a = pln[0];
    for (int r = part_wing_first; r <= part_hstab_right; r++) {
        int els = intlim(a.els[r], 0, plane_elements);
        for (int k = 0; k < els; k++) {
            float dw = 0;
            if (flt.mach < 1)
                for (int src = part_wing_first; src <= part_hstab_right; src++)
                    if (a.in_downwash[r][src][k]) dw -= dw_part[src];
            flt.el_downwash[r][k] = dw;
        }
    }
}

// ---- bodies --------------------------------------------------------------------

// Supersonic fuselage coefficients: a sum of surface panels meeting the flow
// at their slope, each on its own shock-expansion line.
static void fuselage_supersonic(const predicted& in, float* CL, float* CS, float* CD)
{
    const planestruct& a = pln[0];
    const int f = part_fuselage;
    float M = fltlim(flt.mach, 1.1f, 3.0f);
    float K = 2 / sqrtf(M * M - 1);
    float total = 0;
    *CL = *CS = *CD = 0;
    for (int s = 0; s < 10; s++)
        for (int k = 0; k < 15; k++) {
            float x0 = a.body_X[f][s][k], x1 = a.body_X[f][s][k + 1];
            float y0 = a.body_Y[f][s][k], y1 = a.body_Y[f][s][k + 1];
            float dx0 = a.body_X[f][s + 1][k] - x0, dx1 = a.body_X[f][s + 1][k + 1] - x1;
            float dy0 = a.body_Y[f][s + 1][k] - y0, dy1 = a.body_Y[f][s + 1][k + 1] - y1;
            float dz = 0.5f * ((a.body_Z[f][s + 1][k] - a.body_Z[f][s][k]) +
                               (a.body_Z[f][s + 1][k + 1] - a.body_Z[f][s][k + 1]));
            float A = pythag(x1 - x0, y1 - y0) * dz;
            if (!(std::fabs(A) > 0)) continue;   // a panel of no area has no slope either
            float th_y = atanf(0.5f * (dy0 + dy1) / dz), th_x = atanf(0.5f * (dx0 + dx1) / dz);
            float e1 = 0.75f * in.alpha * con.degtorad - th_y;
            float e2 = 0.75f * in.beta * con.degtorad - th_x;
            float e = sqrtf(e1 * e1 + e2 * e2);
            *CL += e1 * K * cosf(e1) * A;
            *CS += e2 * K * cosf(e2) * A;
            *CD += e * K * sinf(e) * A;
            total += A;
        }
    if (total != 0) {
        *CL /= total;
        *CS /= total;
        *CD /= total;
    } else {
        *CL = *CS = *CD = 0;
    }
    *CD += 0.003f;
}

static void fuselage(const predicted& in)
{
    const planestruct& a = pln[0];
    float A = std::fabs(sqrtf(in.alpha * in.alpha + in.beta * in.beta));
    float S_front = interp(0, a.fuse_s_frn, 90, 0.5f * (a.fuse_s_top + a.fuse_s_sid), A);
    float CL, CS, CD;
    if (flt.mach < 1) {
        CL = 0.5f * (0.27f * flt.sin_alpha + 0.02f * fltlim(in.alpha, -15, 15));
        CS = 0.5f * (0.27f * flt.sin_beta + 0.005f * fltlim(in.beta, -15, 15));
        CD = interp(0, a.fuse_cd, 90, 0.27f, A) + (CL * CL + CS * CS) / con.pi;
        float M = fltlim(flt.mach, 0, 0.8f);
        float k = 1 / sqrtf(1 - M * M);
        CL *= k;
        CS *= k;
        CD *= k;
        if (flt.mach > 0.75f) CD += 2.5f * (flt.mach - 0.75f) * (flt.mach - 0.75f);
    } else {
        fuselage_supersonic(in, &CL, &CS, &CD);
    }
    float V = flt.V_true + (a.fusewash ? flt.wash_speed[0] : 0.0f);
    float q = 0.5f * atm.rho * V * V;
    float lift = CL * q * a.fuse_s_top, side = CS * q * a.fuse_s_sid, drag = CD * q * S_front;
    addFaero(-drag, side, lift, 0, a.fuseYcent, a.fuseZcent);

    if (set.force_report) {
        trk << " FUSELAGE:\n";
        report_line("   fuse speed                    =", flt.V_true, 8, 2, " m/s.\n");
        report_line("   fuse speed after propwash     =", V, 8, 2, " m/s.\n");
        report_line("   fuse machnumber               =", flt.mach, 8, 3, " mach.\n");
        report_line("   air density for fuse          =", atm.rho, 8, 4, " kg/cubic mtr.\n");
        report_line("   fuse top   area for lift force=", a.fuse_s_top, 8, 3, " square meters.\n");
        report_line("   fuse side  area for side force=", a.fuse_s_sid, 8, 3, " square meters.\n");
        report_line("   fuse total area for drag force=", S_front, 8, 3, " square meters.\n");
        report_line("   fuse vertical CL (positive up)=", CL, 8, 4, ".\n");
        report_line("   fuse side CL (positive right) =", CS, 8, 4, ".\n");
        report_line("   fuse cd                       =", CD, 8, 4, ".\n");
        report_line("   fuselage lift force           =", lift, 8, 0, " N.\n");
        report_line("   fuselage side force           =", side, 8, 0, " N.\n");
        report_line("   fuselage drag force           =", drag, 8, 0, " N.\n");
        aeroforcerep();
    }
}

// Nacelles, floats or tanks and gear fairings: drag alone, at the centre of
// gravity. Jets and rockets have no nacelles of their own.
static void other_bodies(void)
{
    const planestruct& a = pln[0];
    static const char* const names[] = {"Nacelle #1", "Nacelle #2", "Nacelle #3", "Nacelle #4",
                                        "Float/Fuel Tank #1", "Float/Fuel Tank #2", "Nose Gear Fairing",
                                        "Left Gear Fairing", "Right Gear Fairing"};
    for (int p = part_nacelle_first; p <= part_fairing_last; p++) {
        if (!have_this_part(p, 0)) continue;
        float cd, V, S;
        if (is_nacelle(p)) {
            if (a.entype >= 4 && a.entype <= 6) continue;
            cd = a.entype == 3 ? a.fuse_cd : 2 * a.fuse_cd;
            V = flt.V_true + flt.wash_speed[p - part_nacelle_first];
            S = a.nace_s;
        } else if (p <= part_misc_last) {
            cd = a.fuse_cd;
            V = flt.V_true;
            S = a.misc_s;
        } else {
            cd = 0.05f;
            V = flt.V_true;
            S = a.fair_s;
        }
        float drag = cd * S * V * V * atm.rho * 0.5f;
        addFaero(-drag, 0, 0, 0, 0, 0);
        if (set.force_report) {
            trk << names[p - part_nacelle_first] << ":\n";
            report_line("   cd     =", cd, 8, 4, ".\n");
            report_line("   area   =", S, 8, 3, " square meters.\n");
            report_line("   speed  =", V, 8, 2, " m/s.\n");
            report_line("   drag   =", drag, 8, 0, " N.\n");
        }
    }
    if (set.force_report) aeroforcerep();
}

// Tyres in the wind, fuselage speedbrakes and the drag chute.
static void tyres_brakes_chute(void)
{
    const planestruct& a = pln[0];
    if (a.gear_type > 2) {
        for (int i = 0; i < 3; i++) {
            if (!a.gear_stat[i]) continue;
            float area = 1.6f * a.wheelrad * a.wheelrad * (a.fair_eq ? 0.1f : 1.0f);
            float drag = area * 0.25f * flt.q_dyn;
            addFaero(-drag, 0, 0, 0, a.mgearY, a.mgearZ);
            if (set.force_report) {
                trk << "Gear tire:\n";
                report_line("   area exposed (tire may be largely hidden by fairing)=", area, 8, 4, " square meters.\n");
                report_line("   drag of exposed tire                                =", drag, 8, 0, " N.\n");
            }
        }
    }
    if (a.fbrkEQ && flt.sbrk_handle > 0) {
        float drag = flt.sbrk_handle * 0.5f * a.brake_area * 1.23f * flt.q_dyn;
        addFaero(-drag, 0, 0, 0, 0, 0);
        if (set.force_report) report_line("   Fuselage-mounted speedbrakes adding ", drag, 0, 0, " N of drag.\n");
    }
    if (a.chuteEQ && ins.chute_out) {
        float drag = flt.q_dyn * a.chute_area;
        addFaero(-drag, 0, 0, 0, 0, 0);
        if (set.force_report) report_line("   Chutes adding ", drag, 0, 0, " N of drag.\n");
    }
    if (set.force_report) aeroforcerep();
}

// ---- contact -------------------------------------------------------------------

struct friction {
    float roll, side, skid;
};

static friction surface_friction(void)
{
    friction f = {0.04f, 0.75f * atm.rwy_friction, 0.4f * atm.rwy_friction};
    if (env.surface_type == 64) {
        f.roll *= 2;
        f.side *= 0.5f;
        f.skid *= 0.5f;
    } else if (env.surface_type >= 65 && env.surface_type <= 67) {
        f.roll *= 4;
        f.side *= 0.5f;
        f.skid *= 2;
    }
    return f;
}

// Skids, wheels, wing tips and the bottom of every body against land or a deck.
static void land_contact(int now[contact_states])
{
    const planestruct& a = pln[0];
    friction f = surface_friction();
    if (a.gear_type == 2) {
        const float pts[4][3] = {{-a.skidX, a.skidY, a.skidZ},
                                 {-a.skidX, a.skidY, a.skidZ + a.skidl},
                                 {a.skidX, a.skidY, a.skidZ},
                                 {a.skidX, a.skidY, a.skidZ + a.skidl}};
        for (int i = 0; i < 4; i++)
            if (handle_contact_point(3 + i, pts[i][0], pts[i][1], pts[i][2], a.skidcon, a.skiddmp, f.skid, f.skid))
                now[3 + i] = 1;
    }
    if (a.gear_type > 2) {
        if (a.gear_stat[0] &&
            handle_contact_point(0, 0, a.ngearY, a.ngearZ, a.ngearcon, a.ngeardmp, f.roll, f.side))
            now[0] = 1;
        if (a.gear_stat[1] &&
            handle_contact_point(1, -a.mgearX, a.mgearY, a.mgearZ, a.mgearcon, a.mgeardmp, f.roll, f.side))
            now[1] = 1;
        if (a.gear_stat[2] &&
            handle_contact_point(2, a.mgearX, a.mgearY, a.mgearZ, a.mgearcon, a.mgeardmp, f.roll, f.side))
            now[2] = 1;
    }
    for (int p = part_wing_first; p <= part_vstab_2; p++) {
        if (!have_this_part(p, 0)) continue;
        float r = a.semilen[p];
        if (handle_contact_point(contact_tip, get_wing_Xarm(p, r, 0), get_wing_Yarm(p, r, 0), get_wing_Zarm(p, r, 0),
                                 a.skidcon, a.skiddmp, f.skid, f.skid))
            now[contact_tip] = 1;
    }
    for (int p = part_fuselage; p <= part_misc_last; p++) {
        if (!have_this_part(p, 0)) continue;
        float ox, oy, oz;
        get_body_os(p, &ox, &oy, &oz, 0);
        int stations = intlim(f_body_s_dim(p, 0), 0, plane_stations);
        int mid = intlim(f_body_r_dim(p) / 2, 0, plane_points - 1);
        for (int s = 0; s < stations; s++)
            if (handle_contact_point(contact_body, a.body_X[p][s][mid] + ox, a.body_Y[p][s][mid] + oy,
                                     a.body_Z[p][s][mid] + oz, a.skidcon, a.skiddmp, f.skid, f.skid))
                now[contact_body] = 1;
    }
}

// The water's surface at body arm (x, z): the level, and the running wave
// when there is one to speak of.
static float water_surface(float x, float z)
{
    float h = env.ground_h;
    if (!(atm.wave_height * con.mtrstoft > 0.1f) || atm.wave_length == 0) return h;
    int om = degwrap(atm.wave_dir);
    float s = lookup_sin[om], c = lookup_cos[om];
    float N = -(float)flt.pos_z[0] + z * flt.cos_psi + x * flt.sin_psi;
    float E = (float)flt.pos_x[0] + x * flt.cos_psi - z * flt.sin_psi;
    float T = atm.wave_speed * msc.sim_time;
    float d = (N - T * c) * c - (E + T * s) * s;
    return h + 0.5f * atm.wave_height * sinf(2 * con.pi * d / atm.wave_length);
}

static void float_heading(int p)
{
    char title[40];
    const char* text = title;
    if (p == part_fuselage) text = "FUSE WATER-CONTACT";
    else if (p == part_misc_first) text = "LEFT FLOAT WATER CONTACT";
    else if (p == part_misc_last) text = "RIGHT FLOAT WATER CONTACT";
    else snprintf(title, sizeof title, "NACELLE #%d WATER CONTACT", p - part_nacelle_first + 1);
    report_title_line(text);
}

// Hull and floats on water: three points around each station's keel.
static void water_contact(int now[contact_states])
{
    const planestruct& a = pln[0];
    if (set.force_report) {
        report_title_line("FLOATS/FUEL TANKS FOR WATER CONTACT");
        report_line("v   =", flt.V_true, 8, 2, " m/s.\n");
        report_line("h   =", (float)flt.pos_y[0] - env.ground_h, 8, 2, " m.\n");
        report_line("vu  =", (float)flt.vel_y, 8, 2, " m/s.\n");
        report_line("the =", flt.theta[0], 8, 2, " deg.\n");
        report_line("Prad=", flt.Prad, 8, 4, " rad/s.\n");
        report_line("Qrad=", flt.Qrad, 8, 4, " rad/s.\n");
        report_line("Rrad=", flt.Rrad, 8, 4, " rad/s.\n");
    }
    for (int p = part_fuselage; p <= part_misc_last; p++) {
        if (!have_this_part(p, 0)) continue;
        if (set.force_report) float_heading(p);
        float ox, oy, oz;
        get_body_os(p, &ox, &oy, &oz, 0);
        int stations = intlim(f_body_s_dim(p, 0), 0, plane_stations);
        int mid = intlim(f_body_r_dim(p) / 2, 1, plane_points - 2);
        for (int s = 0; s < stations; s++)
            for (int k = mid - 1; k <= mid + 1; k++) {
                float x = a.body_X[p][s][k] + ox, y = a.body_Y[p][s][k] + oy, z = a.body_Z[p][s][k] + oz;
                if (handle_float_point(p, s, k, x, y, z, water_surface(x, z))) now[contact_body] = 1;
            }
    }
}

// The sound and the stick's jolt of each point that touched in this
// half-step after being clear in the last one.
static void touch_down_cues(const int now[contact_states], int scrape)
{
    const planestruct& a = pln[0];
    const int* prev = buildup_flight.contact_prev;
    for (int i = 0; i < 3; i++) {
        if (!now[i] || prev[i]) continue;
        int b = env.surface_type >= 64 && env.surface_type <= 67 ? snd_land_off : snd_land_runway;
        if (flt.vel_y < -2.54) b = snd_boom;
        play_buffer(b, 0);
        float jolt = a.wheelrad > 0 ? a.condef[i] / a.wheelrad * 300 : 100.0f;
        JOY_force(11, jolt, 0, 300);
    }
    for (int i : {contact_body, contact_tip}) {
        if (!now[i] || prev[i]) continue;
        play_buffer(scrape, 0);
        JOY_force(11, 100, 0, 250);
    }
}

// Ground or water, the arresting wire and the touch-down cues, near the
// surface only; higher up the contact memories keep their last values.
static void contact(void)
{
    const planestruct& a = pln[0];
    flt.on_ground = 0;
    for (float& d : pln[0].condef) d = 0;
    if (flt.pos_y[0] - env.ground_h >= 50) return;

    int now[contact_states] = {};
    int i = intlim(env.plane_cell_i, 0, region_grid_x - 1), j = intlim(env.plane_cell_j, 0, region_grid_z - 1);
    int on_land = !is_water[i][j] || env.on_carrier || env.on_frigate || env.on_platform;
    int scrape = on_land ? snd_boom : snd_land_water;
    if (on_land) land_contact(now);
    else water_contact(now);

    if (set.wire_caught) addFagear(-flt.mass_now * set.wire_decel, 0, 0.2f * a.mgearY);
    touch_down_cues(now, scrape);
    memcpy(buildup_flight.contact_prev, now, sizeof now);
}

// Propeller torque rolls the aircraft, unless the engines cancel it.
static void torque_roll(void)
{
    const planestruct& a = pln[0];
    if (a.is_heli || !turns_propellers(a) || a.omegamax == 0) return;
    if (!(a.numen == 1 || (a.numen == 2 && a.propdir[0] == a.propdir[1]))) return;
    flt.M_roll += a.propdir[0] * (a.pmax / a.omegamax) * a.numen * 0.75f * flt.vne_frac_sq * 2;
}

// ---- set_a ---------------------------------------------------------------------

static predicted predict_inputs(void)
{
    buildup_flight_state& m = buildup_flight;
    predicted in;
    in.alpha = flt.alpha + 0.5f * (flt.alpha - m.alpha);
    in.beta = flt.beta + 0.5f * (flt.beta - m.beta);
    in.P = flt.Prad + 0.5f * (flt.Prad - m.P);
    in.Q = flt.Qrad + 0.5f * (flt.Qrad - m.Q);
    in.R = flt.Rrad + 0.5f * (flt.Rrad - m.R);
    m.alpha = flt.alpha;
    m.beta = flt.beta;
    m.P = flt.Prad;
    m.Q = flt.Qrad;
    m.R = flt.Rrad;
    if (set.force_report) {
        report_line("alpha_use (after prediction)=", in.alpha, 8, 3, " deg.\n");
        report_line("beta_use  (after prediction)=", in.beta, 8, 3, " deg.\n");
        report_line("P_use (after prediction)=", in.P * con.radtodeg, 8, 3, " deg/second.\n");
        report_line("Q_use (after prediction)=", in.Q * con.radtodeg, 8, 3, " deg/second.\n");
        report_line("R_use (after prediction)=", in.R * con.radtodeg, 8, 3, " deg/second.\n");
    }
    return in;
}

void set_a(void)
{
    const planestruct& a = pln[0];
    if (buildup_run.flap_side == 0) buildup_run.flap_side = intrand(flap_side_right, flap_side_left);
    predicted in = predict_inputs();

    flt.F_prop_axial = flt.F_prop_side = flt.F_prop_normal = 0;
    flt.F_aero_axial = flt.F_aero_side = flt.F_aero_normal = 0;
    flt.F_gear_axial = flt.F_gear_side = flt.F_gear_vertical = 0;
    flt.M_pitch = flt.M_yaw = flt.M_roll = 0;

    if (atm.rho > 0) {
        if (turns_propellers(a)) props();
        else if (is_jet(a)) jets();
    }
    if (a.entype == engine_rocket) rockets();
    jato();
    puffers();

    float dw_part[plane_parts] = {};
    flt.stall_warn = 0;
    wing_parts(in, dw_part);
    next_downwash(dw_part);

    fuselage(in);
    other_bodies();
    tyres_brakes_chute();
    contact();
    torque_roll();
    set_a2();
}
