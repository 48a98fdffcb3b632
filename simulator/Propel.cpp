// Propellers, rotors and jets of the user's aircraft, once per half-step
// inside the force build-up.
//
// Sections (grep "---- name"):
//   flight state     the rotors' smoothed accelerations
//   slipstream       dv_total
//   engine torque    altitude, power curve, failures and ice; power; manifold pressure
//   report lines     the propeller's and the jet's lines of the force report
//   blades           aprop: blade elements at four positions, the slipstream, gyroscopic moments
//   rotor speed      aeroplane propellers, collective rotors, helicopters; the torque reaction
//   props            the order of the propellers' half-step
//   jets             spool, density and Mach, thrust
#include "Propel.h"

#include "Fltcalc.h"
#include "Fltutil.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

// The failure flags: a failed engine keeps only rel.engine_power of its
// power; a failed governor leaves the throttle where it is.
static int engine_ok(int e) { return rel.system_ok[sys_engine_power + e]; }
static int governor_ok(int e) { return rel.system_ok[sys_governor + e]; }

// ---- flight state --------------------------------------------------------------

// What the propellers keep for one flight: the rotational acceleration of
// each, smoothed over the last half-steps.
struct propel_flight_state {
    float omega_acc[plane_engines] = {};   // rad/s2
};
static propel_flight_state propel_flight;

void clear_propel_flight_state(void) { propel_flight = propel_flight_state(); }

// ---- slipstream ----------------------------------------------------------------

float dv_total(float dv_old, float thrust, float area, float v)
{
    // Standing air goes through the disc at 1 m/s at least, not at nothing.
    float vd = fabsf(fallout(v + 0.5f * dv_old, -1, 1));
    // A disc or ring of no area speeds no air up.
    float dv = area > 0 && atm.rho > 0 ? thrust / (area * atm.rho * vd) : 0;
    return dv_old * (1 - 0.5f * msc.dt) + dv * 0.5f * msc.dt;
}

// ---- engine torque -------------------------------------------------------------

// The manifold pressure of a piston engine: the air's own when it stands,
// else by the throttle and, the slower the engine turns, the fuller.
static void manifold_pressure(int i, float w, float fl)
{
    const planestruct& a = pln[0];
    float target = atm.baro_sl * atm.sigma;
    if (flt.engine_running[i]) {
        float by_throttle = interp(0, 0.3f * atm.baro_sl * fl, 1, a.mpmax * fl, flt.throttle[i]);
        float by_speed = a.omegamax > 0 ? interp(0, 1.5f, a.omegamax, 1.0f, w) : 1.0f;
        target = by_throttle * by_speed;
    }
    flt.manifold_p[i] = fltlim(flt.manifold_p[i] + (target - flt.manifold_p[i]) * msc.dt, 0, a.mpmax * fl);
}

// Engine i's shaft torque and power, turning rotor r (a helicopter's engines
// all turn its main rotor).
static void engine_torque(int i, int r)
{
    const planestruct& a = pln[0];
    // Full power up to the critical altitude. Above 43 km the base of the
    // power would go negative, and its fractional power no number.
    float base = fmaxf(1 - 2.306e-05f * a.critalt, 0);
    float fl = fltlim(atm.sigma + 1 - powf(base, 4.14f), 0, 1);
    float fm = (fl - 0.1f) * 1.1111111f * (1 - 0.1f * flt.carb_heat);

    // The loader refuses an engine without speeds; a record made otherwise
    // gives no torque rather than a division by nothing, and a range of no
    // width is a step at its speed.
    float Qmax = a.omegamax > 0 ? a.pmax / a.omegamax : 0;
    float w = flt.engine_speed[r];
    float range = a.omegamax - a.omegamin;
    float f = range > 0 ? fltlim((w - a.omegamin) / range, 0, 99) : (w > a.omegamin ? 1.0f : 0.0f);
    float full = (0.5f + 1.5f * f - f * f) * Qmax;
    float closed = ((a.entype == engine_turboprop ? 0.03f : 0.01f) - f * f) * Qmax;

    float Q;
    if (flt.engine_running[i])
        Q = interp(0, closed, 1, full, sqrtf(fmaxf(flt.throttle[i], 0))) * fm * flt.mix_factor[i];
    else
        Q = -signsqr(f) * Qmax;   // a windmilling engine brakes its propeller
    if (!engine_ok(i) && Q > 0) Q *= rel.engine_power;
    Q *= 1 - flt.ice_carb[i];
    // A rotor's freewheel lets it run faster than its engine, never backwards.
    if (a.is_heli || a.collectEQ) {
        Q = fmaxf(Q, 0);
        if (flt.engine_speed[r] < 0) flt.engine_speed[r] = 0;
        if (flt.engine_speed[r] > 0) Q -= 0.004f * Qmax;
    }
    flt.eng_torque[i] = Q;
    flt.power[i] = Q * flt.engine_speed[r];
    if (is_piston(a)) manifold_pressure(i, flt.engine_speed[r], fl);
}

// ---- report lines --------------------------------------------------------------

static void velocity_row(const char* label, float v)
{
    const int column = 63;   // the colons line up
    int pad = column - (int)strlen(label);
    trk << "   " << label << std::string(pad > 0 ? pad : 0, ' ') << ":";
    report_value(v, 8, 2) << " m/s.\n";
}

static void prop_heading_lines(int i, float x, float y, float z, int ccw, const float V[4], float k)
{
    const planestruct& a = pln[0];
    char title[32];
    if (a.is_heli) snprintf(title, sizeof title, "%s", i == part_main_rotor ? "MAIN ROTOR" : "TAIL ROTOR");
    else snprintf(title, sizeof title, "PROPELLER, ENGINE #%d", i + 1);
    trk << "\n";
    report_title_line("");
    report_title_line(title);
    report_title_line("");
    report_line("   PROP HUB LOCATION: x=", x, 7, 3, " meters, y=");
    report_value(y, 7, 3) << " meters, z=";
    report_value(z, 7, 3) << " meters.\n";
    trk << "   The prop is turning " << (ccw ? "counter-clockwise" : "clockwise") << " at ";
    report_value(flt.engine_speed[i], 8, 2) << " rad per sec, and the engine torque is ";
    report_value(flt.eng_torque[i], 8, 1) << " N-m.\n";
    velocity_row("Geometric Vz (air into the disc)", V[2]);
    velocity_row("Geometric Vx (air attacking to the right)", V[0]);
    velocity_row("Geometric Vy (air attacking up from below)", V[1]);
    velocity_row("Inflow into the disc with the aircraft's rotation", V[3]);
    report_line("   Total 'mixed' propwash INCREASE in speed well behind prop is ", flt.wash_speed[i], 7, 2,
                " m/s, pos in from ahead.\n");
    report_line("   Propwash will go to ", k, 5, 3,
                " of normal due to translation of the blade out of the column of accelerated air.\n");
}

// One blade position's element state, before its force is worked out.
static void blade_lines(int i, int e, int p, float wash, float va, float vt, float pitch)
{
    static const char* const clock[4] = {"12", "3", "6", "9"};
    trk << "   at " << clock[p] << " O'CLOCK:\n";
    report_line("   propwash speed INCREMENT thru ring:  ", wash, 8, 2, " m/s.\n");
    report_line("   TOTAL INCOMING airspeed:             ", va, 8, 2, " m/s.\n");
    report_line("   speed due to ROTATION of the prop:   ", vt, 8, 2, " m/s.\n");
    report_line("   total SEGMENT speed:                 ", flt.el_vel[i][e], 8, 2, " m/s.\n");
    report_line("   corkscrew PATH from disk:            ", flt.el_flowdir[i][e], 8, 2, " deg. (-arctan(");
    report_value(va, 0, 2) << "/";
    report_value(vt, 0, 2) << "))\n";
    report_line("   element pitch:                       ", pitch, 8, 2, " deg.\n");
    report_line("   blade element ANGLE OF ATTACK:       ", flt.el_alpha[i][e], 8, 2, " deg.\n");
}

static void jet_lines(int i, float T)
{
    const planestruct& a = pln[0];
    char title[24];
    snprintf(title, sizeof title, "JET ENGINE #%d", i + 1);
    trk << "\n";
    report_title_line(title);
    report_line("   vertical cant=", flt.vert_cant[i], 8, 2, " deg. (0=full aft)\n");
    report_line("   position: x=", a.Xarm[i], 7, 3, " meters, y=");
    report_value(a.Yarm[i], 7, 3) << " meters, z=";
    report_value(a.Zarm[i], 7, 3) << " meters.\n";
    report_line("   spool=", flt.spool[i], 6, 3, ", N1=");
    report_value(flt.jet_n1[i], 6, 2) << "%.\n";
    report_line("   thrust=", T, 9, 0, " N: axial ");
    report_value(T * flt.thrust_dir_a[i], 9, 0) << " N, normal ";
    report_value(T * flt.thrust_dir_n[i], 9, 0) << " N.\n";
}

// ---- blades --------------------------------------------------------------------

// Blade positions 12, 3, 6 and 9 o'clock. A counter-clockwise blade meets
// the crossflow Vx, Vy with these signs (a clockwise one with the opposite),
// and the cyclic adds roll and pitch stick in these senses (times propdir).
static const float cross_x[4] = {1, 0, -1, 0};
static const float cross_y[4] = {0, -1, 0, 1};
static const float cyclic_roll[4] = {-1, 0, 1, 0};
static const float cyclic_pitch[4] = {0, 1, 0, -1};
// The quarter of the disc each position loads, 1 up, 2 right, 3 down, 4 left.
static const int quarter_cw[4] = {2, 3, 4, 1};
static const int quarter_ccw[4] = {4, 1, 2, 3};

// The hub moved 0.2 r into quarter q of a disc canted by (c, s): an unevenly
// loaded disc turns the aircraft.
static void quarter_point(int q, float d, float c, float s, float* x, float* y, float* z)
{
    if (q == 1) {
        *y += d * c;
        *z += d * s;
    } else if (q == 2) {
        *x += d;
    } else if (q == 3) {
        *y -= d * c;
        *z -= d * s;
    } else {
        *x -= d;
    }
}

void aprop(int i, float x, float y, float z)
{
    const planestruct& a = pln[0];
    const int report = set.force_report;

    // The air in the disc's frame; Vin is what comes into the disc, with
    // the aircraft's rotation.
    float sv = flt.thrust_dir_n[i], cv = flt.thrust_dir_a[i];
    float ss = flt.sin_side_cant[i], cs = flt.cos_side_cant[i];
    float u = flt.vel_fwd, v = flt.v_air, w = flt.w_air;
    float Vy = u * sv + w * cv;
    float t = u * cv - w * sv;
    float Vx = v * cs + t * ss;
    float Vz = t * cs - v * ss;
    float Vin = Vz - flt.Prad * x * sv * cs - flt.Rrad * x * cv * cs - flt.Rrad * z * ss;

    // Moving across its own slipstream the blade leaves the accelerated air behind.
    float kts = pythag3(Vx, Vy, Vz) * con.msctokts;
    float k = kts <= 15   ? 1.0f
              : kts <= 25 ? interp(15, 1, 25, 0.7f, kts)
              : kts <= 55 ? interp(25, 0.7f, 55, 0.5f, kts)
                          : 0.5f;

    int ccw = a.propdir[i] < 1;
    float turn = ccw ? 1.0f : -1.0f, dir = (float)a.propdir[i];
    float omega = flt.engine_speed[i];
    if (report) {
        const float V[4] = {Vx, Vy, Vz, Vin};
        prop_heading_lines(i, x, y, z, ccw, V, k);
    }

    flt.prop_torque[i] = 0;
    flt.thrust_now[i] = 0;
    // The tail rotor pushes at its hub: its lopsided loading is not felt.
    int shifts = !a.is_heli || i == part_main_rotor;
    float dc = cosf(a.vertcant[i] * con.degtorad), ds = sinf(a.vertcant[i] * con.degtorad);
    float per_position = a.numblades[i] * 0.25f;
    int els = intlim(a.els[i], 0, plane_elements);
    for (int e = 0; e < els; e++) {
        float r = get_wing_rarm(i, e, 0);
        float ring_thrust = 0;
        float wash = 0.5f * k * flt.wash_ring[i][e];
        float va = wash + Vin;
        if (report) {
            char title[80];
            snprintf(title, sizeof title, "PROPELLER BLADES ALL 4 LOCATIONS (12/3/6/9 O'CLOCK), RADIAL ELEMENT %d", e + 1);
            report_title_line(title);
        }
        for (int p = 0; p < 4; p++) {
            float vt = omega * r + turn * (cross_x[p] * Vx + cross_y[p] * Vy);
            float pitch = flt.blade_pitch[i] + a.anginc[i][e] +
                          dir * (cyclic_roll[p] * a.ailncyclic * set.stick_roll +
                                 cyclic_pitch[p] * a.elevcyclic * set.stick_pitch);
            // F_el_force reads the element's state from here.
            flt.el_vel[i][e] = pythag(va, vt);
            flt.el_flowdir[i][e] = atan2f(-va, vt) * con.radtodeg;
            flt.el_alpha[i][e] = pitch + flt.el_flowdir[i][e];
            if (report) blade_lines(i, e, p, wash, va, vt, pitch);

            // Lift along the disc's axis, drag in its plane.
            float L, D, M;
            F_el_force(0, 0, 0, &L, &D, &M, i, e);
            flt.prop_torque[i] += D * r * per_position;
            float Tp = L * per_position;
            flt.thrust_now[i] += Tp;
            ring_thrust += Tp;

            float px = x, py = y, pz = z;
            if (shifts) quarter_point(ccw ? quarter_ccw[p] : quarter_cw[p], 0.2f * r, dc, ds, &px, &py, &pz);
            addFsprop(Tp * ss, py, pz);
            addFaprop(Tp * cv * cs, px, py);
            addFnprop(Tp * sv * cs, px, pz);
        }
        flt.wash_ring[i][e] = dv_total(flt.wash_ring[i][e], ring_thrust, a.ringarea[i][e], Vin);
    }
    flt.wash_speed[i] = dv_total(flt.wash_speed[i], flt.thrust_now[i], a.discarea[i], Vin);

    // The spinning mass resists the aircraft's rotation about each axis alike.
    if (!(a.is_heli && i == part_tail_rotor)) {
        float h = a.miprop[i] * omega;
        flt.M_roll -= h * flt.Prad * sv;
        flt.M_pitch -= h * flt.Qrad;
        flt.M_yaw -= h * flt.Rrad * cv;
    }
    if (report) propforcerep();
}

// ---- rotor speed ---------------------------------------------------------------

// The constant-speed governor: coarser when the propeller runs faster than
// its lever asks, within the blade's stops.
static float governed_pitch(int i, float w, float acc)
{
    const planestruct& a = pln[0];
    float step = (0.3f * (w - flt.prop_req[i]) + 0.1f * acc) * msc.dt;
    return fltlim(flt.blade_pitch[i] + step, a.minpitch[i], a.maxpitch[i]);
}

// A propeller light for its torque (a thin blade makes one) would overshoot
// its balance by more each half-step until the numbers ran out: no half-step
// changes a speed by more than a tenth of the top speed.
static float speed_change(float acc)
{
    float most = 0.1f * fabsf(pln[0].omegamax);
    return fltlim(msc.dt * acc, -most, most);
}

// Each propeller of an aeroplane turns at its own speed.
static void aeroplane_props(int n)
{
    const planestruct& a = pln[0];
    for (int i = 0; i < n; i++) {
        float& acc = propel_flight.omega_acc[i];
        float& w = flt.engine_speed[i];
        // A propeller without inertia would take any speed at once: it keeps its own.
        acc = a.miprop[i] > 0 ? (3 * acc + (flt.eng_torque[i] - flt.prop_torque[i]) / a.miprop[i]) * 0.25f : 0;
        w += speed_change(acc);
        if (is_piston(a) && !flt.engine_running[i] && w < 0.5f * a.omegamin) w = 0;
        if (!engine_ok(i)) w *= (rel.engine_power + 9) * 0.1f;

        // A fixed-pitch propeller keeps the pitch it was built with.
        if (!a.varpitchEQ) continue;
        if (flt.reverser[i] && a.revthrustEQ) flt.blade_pitch[i] = -15;
        else if (a.numen > 1 && fabsf(flt.prop_req[i] - a.omegamingreen) < 1) flt.blade_pitch[i] = 80;   // feathered
        else flt.blade_pitch[i] = governed_pitch(i, w, acc);
    }
}

// An aeroplane's collective-pitch rotors share one shaft: one speed for all.
// Tilted toward the horizontal the blade pitch holds it, nearer the vertical
// the throttle does.
static void collective_rotors(int n)
{
    const planestruct& a = pln[0];
    float drive = 0, inertia = 0;
    for (int i = 0; i < n; i++) {
        drive += flt.eng_torque[i] - flt.prop_torque[i];
        inertia += a.miprop[i];
    }
    float acc = inertia > 0 ? drive / inertia : 0;
    flt.engine_speed[0] += speed_change(acc);
    float w = flt.engine_speed[0];
    for (int i = 0; i < n; i++) {
        flt.engine_speed[i] = w;
        if (a.vertcant[i] <= 60) flt.blade_pitch[i] = governed_pitch(i, w, acc);
        else if (governor_ok(i)) flt.throttle_req[i] += ((a.omegamax - w) * 0.2f - 0.2f * acc) * msc.dt;
    }
}

// A helicopter: the engines turn the main rotor, the tail rotor turns
// geared to it, and without a collective lever the governor holds the
// rotor at its top speed through the throttle.
static void helicopter_rotors(int n)
{
    const planestruct& a = pln[0];
    float drive = flt.eng_torque[0] + (a.numen == 2 ? flt.eng_torque[1] : 0) - flt.prop_torque[0] - flt.prop_torque[1];
    float inertia = a.miprop[1] * a.trotor_rat + a.miprop[0];
    float acc = inertia > 0 ? drive / inertia : 0;
    flt.engine_speed[0] += speed_change(acc);
    // A broken tail-rotor drive leaves it windmilling.
    flt.engine_speed[part_tail_rotor] = rel.system_ok[sys_tail_rotor] ? flt.engine_speed[0] * a.trotor_rat : 1.0f;
    if (set.collective_stick && a.entype != engine_turboprop) return;
    for (int i = 0; i < n; i++) {
        if (!set.gov_on) flt.throttle_req[i] = 0.01f;
        else if (governor_ok(i))
            flt.throttle_req[i] += ((a.omegamax - flt.engine_speed[0]) * 0.2f - 0.2f * acc) * msc.dt;
    }
}

// The engines' torque turns the aircraft the other way: in roll about a
// propeller's axis, in yaw about a rotor's. Collective rotors share theirs.
static void torque_reaction(int n)
{
    const planestruct& a = pln[0];
    float mean = 0;
    for (int i = 0; i < n; i++) mean += flt.eng_torque[i] / n;
    int shared = a.collectEQ && !a.is_heli;
    for (int i = 0; i < n; i++) {
        int r = a.is_heli ? 0 : i;
        float Q = shared ? mean : flt.eng_torque[i];
        flt.M_roll -= flt.thrust_dir_a[r] * a.propdir[r] * Q;
        flt.M_yaw += flt.thrust_dir_n[r] * a.propdir[r] * Q;
    }
}

// ---- props ---------------------------------------------------------------------

void props(void)
{
    const planestruct& a = pln[0];
    int n = intlim(a.numen, 0, plane_engines);
    for (int i = 0; i < n; i++) engine_torque(i, a.is_heli ? 0 : i);
    // A helicopter has its main and tail rotor whatever its engine count.
    int rotors = a.is_heli ? 2 : n;
    for (int i = 0; i < rotors; i++) aprop(i, a.Xarm[i], a.Yarm[i], a.Zarm[i]);
    if (a.is_heli) helicopter_rotors(n);
    else if (a.collectEQ) collective_rotors(n);
    else aeroplane_props(n);
    for (int i = 0; i < n; i++) flt.throttle_req[i] = fltlim(flt.throttle_req[i], 0, 1);
    torque_reaction(n);
}

// ---- jets ----------------------------------------------------------------------

// Thrust per rated thrust for the air's density and the Mach number: the
// ram of supersonic flight; a low-bypass engine gains up to Mach 2, a
// high-bypass one loses from the start.
static float jet_density_factor(void)
{
    const planestruct& a = pln[0];
    float M = flt.mach, d = atm.sigma;
    if (M > 1) d *= 2.4f * M * M / (0.4f * M * M + 2);
    if (a.entype == engine_low_bypass) d *= M < 2 ? interp(0, 1, 2, 2, M) : interp(2, 2, 3, 1, M);
    else if (a.entype == engine_high_bypass) d *= M < 1 ? interp(0, 1, 1, 0.9f, M) : interp(1, 0.9f, 1.2f, 0.5f, M);
    return d;
}

void jets(void)
{
    const planestruct& a = pln[0];
    int n = intlim(a.numen, 0, plane_engines);
    // No spool time would spool in no time: a hundredth of a second at least.
    float spooltime = fmaxf(a.spooltime, 0.01f);
    float d = jet_density_factor();
    float inlet_drag = 0.3f * a.facejet * flt.q_dyn;
    for (int i = 0; i < n; i++) {
        // The core runs toward the throttle, the faster the further off it
        // is; below 25 % N1 a started engine spools up to idle whatever the
        // throttle, and a stopped one runs down.
        float target = 0.95f * flt.throttle[i] + 0.05f;
        float e = target - flt.spool[i];
        float base = 3 * sqr(flt.jet_n1[i] / 100);
        float drive;
        if (!flt.engine_running[i]) drive = 0;
        else if (flt.jet_n1[i] < 25) drive = base + 0.04f;
        else drive = base + 2 * (e >= 0 ? 1 : -1) * powf(fabsf(e), 1.75f);
        flt.spool[i] = fltlim(flt.spool[i] + (drive - base) * msc.dt / spooltime, 0, 1);
        flt.jet_n1[i] = 100 * powf(flt.spool[i], 1.75f);

        float T = -inlet_drag;
        if (flt.engine_running[i]) {
            T = interp(0, 0.01f * a.tmax * d - inlet_drag, 1, a.tmax * d, flt.spool[i]);
            if (flt.burner_on[i]) T += a.burnerinc * d;
        }
        if (!engine_ok(i)) {
            flt.jet_n1[i] *= rel.engine_power;
            T *= rel.engine_power;
        }
        // The reverser turns a running engine's thrust; a stopped one's inlet
        // drag stays drag.
        if (flt.reverser[i] && a.revthrustEQ && flt.engine_running[i]) T *= -0.4f;
        flt.thrust_now[i] = T;

        // Along the thrust line at the engine; no side force.
        addFaprop(T * flt.thrust_dir_a[i], a.Xarm[i], a.Yarm[i]);
        addFnprop(T * flt.thrust_dir_n[i], a.Xarm[i], a.Zarm[i]);
        if (set.force_report) {
            jet_lines(i, T);
            propforcerep();
        }
    }
}
