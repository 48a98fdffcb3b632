// The pilot's controls once a frame: the yokes and the stick, the autopilot,
// the trims and the stability augmentation into the three control ratios,
// then the ratios into surface deflections, fin cants and wing sweep.
//
// Sections (grep "---- name"):
//   flight state     what the controls keep from frame to frame
//   yokes and stick  mouse yoke, stick rate limit, throttle axis
//   autopilot        lateral, vertical and speed holds
//   control ratios   augmentation, failures, trims
//   surfaces         the ratios into deflections (live and replay)
//   touchdown        automatic brakes, speed brakes and the disconnect
#include "Event.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"

#include <cmath>

// ---- flight state ----------------------------------------------------------

// What the controls keep from frame to frame for one flight, at its start values.
struct controls_flight_state {
    int throttle_read = 0;             // a first joystick throttle has been taken
    float last_throttle_axis = 0;      // the axis as last taken over
    int vertical_engaged = 0;          // the vertical autopilot was on last frame
    float integrator = 0;              // vertical autopilot, degrees of pitch
    float trim_at_engage = 0;          // pitch_trim when it engaged
    float at_last_ias = 0;             // autothrottle, knots
    float at_last_throttle = 0.5f;
    int was_on_ground = 0;
};
static controls_flight_state ctl_flight;

void clear_controls_flight_state(void) { ctl_flight = controls_flight_state(); }

static float move_toward(float v, float target, float step)
{
    return v + fltlim(target - v, -step, step);
}

static float ias_ms(void) { return flt.ias_kts * con.ktstomsc; }

// Airspeed over the stall speed; 1 before an aircraft has given its stall speed.
static float stall_ratio(void) { return msc.vstall > 0.0f ? ias_ms() / msc.vstall : 1.0f; }

// A helicopter, or an aircraft whose first thrust line points mostly up.
static int hovers(void) { return pln[0].is_heli || pln[0].vertcant[0] > 60.0f; }

static int autopilot_ok(void) { return rel.system_ok[sys_autopilot]; }

// NAV1 when its switch is on, else NAV2: the lateral and glide-slope holds agree.
static int ap_receiver(void) { return ott.ap_nav1 ? 0 : 1; }

// An aircraft whose NAV1 button flies the GPS (no NAV1 receiver) has its
// glide slope on NAV2.

// ---- yokes and stick -------------------------------------------------------

// The mouse flies only when no stick gives a pitch axis.
static void mouse_yoke(void)
{
    if (set.joy_device != joy_none || !msc.mouse_yoke_on) return;
    set.pitch_key = (447.0f - mnw.my) * 0.01f;
    set.roll_key = (mnw.mx - 400.0f) * 0.01f;
}

// A stick slews at most 4 per second, so a jump of the axis is no step input.
static void read_stick(float* throttle)
{
    float pitch, roll, yaw;
    JOY_get(&pitch, &roll, &yaw, throttle, 1);
    float step = 4.0f * msc.dt;
    set.stick_pitch = move_toward(set.stick_pitch, pitch, step);
    set.stick_roll = move_toward(set.stick_roll, roll, step);
    set.stick_yaw = move_toward(set.stick_yaw, yaw, step);
}

// The throttle axis takes over only once it moves, so a lever left anywhere
// does not fight the keys and the panel. It then works the panel's handle as
// a press would, with dragging held off so the press does not hand the
// throttle back to the mouse.
static void throttle_axis(float t)
{
    controls_flight_state& s = ctl_flight;
    if (!s.throttle_read) {
        s.throttle_read = 1;
        s.last_throttle_axis = t;
    }
    if (std::fabs(t - s.last_throttle_axis) > 0.03f) set.joy_throttle_on = 1;
    if (!set.joy_throttle_on) return;
    s.last_throttle_axis = t;
    int dragging = mnw.now_dragging;
    mnw.now_dragging = 0;
    shell.manage_das(ins.radio_dy + 675.0f, 4.0f + 48.0f * t + 7.0f);
    mnw.now_dragging = dragging;
}

// The automatic inputs fall with the square of speed above the stall speed,
// as the surfaces' power grows with it.
static float auto_gain(void)
{
    if (pln[0].is_heli) return 1.0f;
    return 1.0f / fltlim(sqr(stall_ratio()), 1.0f, 1000.0f);
}

// Without pedals a hovering aircraft's yaw is held for the pilot: sideslip
// damped in forward flight, yaw rate in the hover.
static void hover_yaw_damping(float g)
{
    if (!hovers() || set.rudder_pedals || flt.on_ground) return;
    float f = fltlim(stall_ratio(), 0.0f, 1.0f);
    set.stick_yaw = -(f * flt.beta * 0.05f + (1.0f - f) * flt.yaw_rate * 0.1f) * g;
}

// ---- autopilot -------------------------------------------------------------

// Magnetic heading to fly: the bug, or the navigation course corrected for
// the needle. Variation is west-positive: magnetic = true + mag_var.
static float ap_target_heading(void)
{
    if (ott.ap_hdg) return (float)nav.hdg_bug;
    int u = ap_receiver();
    float course;
    if (ott.ap_nav1 && !has_nav1_receiver()) {
        course = nav.gps_crs + env.mag_var;   // the GPS course is true
    } else if (nav.gate[u] <= 99) {
        course = u == 0 ? nav.nav_crs1 : nav.nav_crs2;
    } else {
        float b = atan2f(nav.stn_x[u] - (float)flt.pos_x[0], (float)flt.pos_z[0] - nav.stn_z[u]) * con.radtodeg;
        course = fltwrap(b, 0.0f, 360.0f) + env.mag_var;
    }
    float cut = fltlim(nav.cdi[u] * 800.0f / fallout(flt.ias_kts, -1.0f, 1.0f), -30.0f, 30.0f);
    return fltwrap(course + cut, 0.0f, 360.0f);
}

// Banks toward the target heading, no steeper than a standard-rate turn.
static void lateral_autopilot(float g)
{
    if (!autopilot_ok() || !(ott.ap_hdg || ott.ap_nav1 || ott.ap_nav2)) return;
    float error = fltwrap(ap_target_heading() - (flt.psi[0] + env.mag_var), -180.0f, 180.0f);
    float limit = atanf(flt.gnd_speed[0] * con.pi / (con.g * 60.0f)) * con.radtodeg;
    float bank = fltlim(fltlim(error, -limit, limit), -30.0f, 30.0f);
    set.stick_roll = (-flt.Pdot * 0.0001f - flt.roll_rate * 0.001f + (bank - ins.ah_roll) * 0.01f) * g;
    set.stick_yaw = pln[0].is_heli ? (-flt.beta * 0.05f - flt.yaw_rate * 0.05f) * g : 0.0f;
}

// Flies a vertical speed through the pitch trim, about the trim it found at
// engagement, with an integrator against steady errors.
static void vertical_autopilot(float g)
{
    controls_flight_state& s = ctl_flight;
    if (!autopilot_ok() || !(ott.ap_alt || ott.ap_vvi || ott.ap_gs)) {
        s.vertical_engaged = 0;
        return;
    }
    if (!s.vertical_engaged) {
        s.vertical_engaged = 1;
        s.trim_at_engage = flt.pitch_trim;
        s.integrator = 0;
    }
    float vs = 0;
    if (ott.ap_vvi) vs = ott.vvi_target;
    if (ott.ap_alt) {
        float limit = std::fabs(ott.vvi_target);
        vs = fltlim((ott.alt_target - flt.alt_now) * 0.05f, -limit, limit);
    }
    // Only a glide slope that is received gives a path; without one (-99.9,
    // or a VOR's 99.9) the hold would pitch for the marker's angle.
    int u = ott.ap_nav1 && has_nav1_receiver() ? 0 : 1;
    if (ott.ap_gs && nav.gs_angle[u] > 0.0f && nav.gs_angle[u] < 99.0f)
        vs = -flt.gnd_speed[0] * sinf((nav.gs_angle[u] + 2.0f * nav.gsi[u]) * con.degtorad);
    s.integrator += (-flt.a_y * 0.2f + (vs - (float)flt.vel_y) * 0.1f) * msc.dt;
    // At rest the climb angle is 0/0; hold level instead.
    float target = 0;
    if (flt.gnd_speed[0] >= 0.1f) target = asinf(fltlim(vs / flt.gnd_speed[0], -0.99f, 0.99f)) * con.radtodeg;
    if (rel.system_ok[sys_trim]) {
        float k = pln[0].is_heli ? 0.1f : 1.0f;
        flt.pitch_trim = (-flt.pitch_rate * 0.1f + (target + s.integrator - ins.ah_pitch) * 0.5f * k) * g
                         + s.trim_at_engage;
    }
    if (std::fabs(flt.pitch_trim) > 1.0f) s.integrator *= 0.95f;
    flt.pitch_trim = fltlim(flt.pitch_trim, -1.0f, 1.0f);
}

// Holds the speed target through all four throttles, slewing at most 0.1 a second.
static void autothrottle(void)
{
    controls_flight_state& s = ctl_flight;
    if (!autopilot_ok() || !ott.ap_speed) return;
    float ias = flt.ias_kts;
    float t = (ott.speed_target - ias) * 0.05f + 0.5f - (ias - s.at_last_ias) / msc.dt * 0.25f;
    t = fltlim(t, s.at_last_throttle - 0.1f * msc.dt, s.at_last_throttle + 0.1f * msc.dt);
    t = fltlim(t, 0.0f, 1.0f);
    s.at_last_throttle = t;
    s.at_last_ias = ias;
    for (int e = 0; e < plane_engines; e++) flt.throttle_req[e] = t;
}

// ---- control ratios --------------------------------------------------------

// Rate damping at low speed, attitude holding at high speed, blended by IAS
// between the aircraft's two speeds (knots); stick and trim set the rates asked.
static void stability_augmentation(float g)
{
    const planestruct& a = pln[0];
    float ias = flt.ias_kts;
    float f_lo = fltlim(interp(a.ASloV, 1.0f, a.AShiV, 0.0f, ias), 0.0f, 1.0f);
    float f_hi = fltlim(interp(a.ASloV, 0.0f, a.AShiV, 1.0f, ias), 0.0f, 1.0f);
    float p = 0.5f * flt.pitch_trim + set.stick_pitch;
    float y = 0.25f * flt.yaw_trim + set.stick_yaw;
    float r = 0.1f * flt.roll_trim + set.stick_roll;
    float G = rel.system_ok[sys_stability] ? g : 0.0f;
    float G_yaw = flt.on_ground ? 0.0f : G;
    float P = flt.roll_rate, Q = flt.pitch_rate, R = flt.yaw_rate;
    set.ctl_pitch = ((a.ASmaxp1 * p - Q) * a.ASp1 * f_lo + ((a.ASmaxp2 * p - flt.alpha) * a.ASp2 - Q * a.ASp1) * f_hi) * G
                    + set.stick_pitch;
    set.ctl_yaw = ((a.ASmaxh1 * y - R) * a.ASh1 * f_lo + ((a.ASmaxh2 * y - flt.beta) * a.ASh2 - R * a.ASh1) * f_hi) * G_yaw
                  + set.stick_yaw;
    set.ctl_roll = ((a.ASmaxr1 * r - P) * a.ASr1 * f_lo + (a.ASmaxr2 * r - P) * a.ASr2 * f_hi) * G + set.stick_roll;
}

static float working(int system) { return rel.system_ok[system] ? 1.0f : 0.0f; }

static void control_failures(void)
{
    set.ctl_pitch = fltlim(set.ctl_pitch * rel.control_power * working(sys_elevator), -1.0f, 1.0f);
    set.ctl_yaw = fltlim(set.ctl_yaw * rel.control_power * working(sys_rudder), -1.0f, 1.0f);
    set.ctl_roll = fltlim(set.ctl_roll * rel.control_power * working(sys_aileron), -1.0f, 1.0f);
}

// Trims act after the failures: a trim tab still moves a surface whose
// control has failed.
static void add_trims(void)
{
    set.ctl_pitch = fltlim(set.ctl_pitch + 0.5f * flt.pitch_trim, -1.0f, 1.0f);
    set.ctl_yaw = fltlim(set.ctl_yaw + 0.25f * flt.yaw_trim, -1.0f, 1.0f);
    set.ctl_roll = fltlim(set.ctl_roll + 0.1f * flt.roll_trim, -1.0f, 1.0f);
}

// ---- surfaces --------------------------------------------------------------

// Degrees, trailing edge up positive for the ailerons and elevators.
static void surface_deflections(void)
{
    const planestruct& a = pln[0];
    float p = set.ctl_pitch, r = set.ctl_roll, y = set.ctl_yaw;

    float c = a.ailpitch * p - a.ailflaps * flt.flap_ratio;
    if (r < 0) {
        flt.ailn_def_L = -r * a.ailn_up + c;
        flt.ailn_def_R = r * a.ailn_dn + c;
        flt.splr_def_L = -r * a.splr_def;
        flt.splr_def_R = 0;
    } else {
        flt.ailn_def_L = -r * a.ailn_dn + c;
        flt.ailn_def_R = r * a.ailn_up + c;
        flt.splr_def_L = 0;
        flt.splr_def_R = r * a.splr_def;
    }

    flt.drud_def_L = fltmax2(0.0f, -y * a.drud_def);
    flt.drud_def_R = fltmax2(0.0f, y * a.drud_def);

    float e = p > 0 ? a.elev_up : a.elev_dn;
    flt.elev_def_L = p * e - r * a.stabroll + y * a.stabhdng;
    flt.elev_def_R = p * e + r * a.stabroll - y * a.stabhdng;

    flt.rudd_def_now = -y * a.rudd_def;

    if (a.is_heli) {
        float lo = a.minpitch[1], hi = a.maxpitch[1];
        if (a.propdir[1] > 0) {
            lo = a.maxpitch[1];
            hi = a.minpitch[1];
        }
        flt.blade_pitch[1] = interp(-1.0f, lo, 1.0f, hi, y);
    }
}

// Thrust lines of engines 1-4: the design cants, plus the cyclic on a rotor
// (the main rotor, and both rotors of a tilting propeller aircraft).
static void fin_cants(void)
{
    const planestruct& a = pln[0];
    float p = set.ctl_pitch, r = set.ctl_roll;
    int tilting = a.vectEQ && turns_propellers(a);
    for (int f = 0; f < 4; f++) {
        flt.side_cant[f] = a.sidecant[f];
        flt.vert_cant[f] = a.vertcant[f];
        if ((a.is_heli && f == 0) || (tilting && f <= 1)) {
            flt.vert_cant[f] += a.elevcyclic * p;
            flt.side_cant[f] += a.ailncyclic * r;
        }
        flt.sin_side_cant[f] = sinf(flt.side_cant[f] * con.degtorad);
        flt.cos_side_cant[f] = cosf(flt.side_cant[f] * con.degtorad);
        flt.thrust_dir_n[f] = sinf(flt.vert_cant[f] * con.degtorad);
        flt.thrust_dir_a[f] = cosf(flt.vert_cant[f] * con.degtorad);
    }
}

// The three wing pairs and the horizontal stabilisers.
static void wing_sweep(void)
{
    planestruct& a = pln[0];
    for (int part = part_wing_first; part <= part_hstab_right; part++)
        a.sweepnow[part] = a.varsweepEQ[part] ? interp(0.0f, a.sweep1[part], 1.0f, a.sweep2[part], flt.sweep_ratio)
                                              : a.sweep1[part];
}

// All vectored thrust lines turn with the first one.
static void vectored_thrust(void)
{
    planestruct& a = pln[0];
    if (!a.vectEQ || a.is_heli) return;
    for (int f = 1; f < 4; f++) a.vertcant[f] = a.vertcant[0];
}

// ---- touchdown -------------------------------------------------------------

static void touchdown(void)
{
    if (pln[0].autofbrkEQ) flt.brake_ratio = 1.0f;
    if (pln[0].autosbrkEQ && flt.sbrk_handle == -1) flt.sbrk_handle = 2;
    // As a stick button, not a typed key: the keyboard layouts remap typed keys.
    if (ott.ap_hdg || ott.ap_nav1 || ott.ap_nav2 || ott.ap_alt || ott.ap_vvi || ott.ap_gs || ott.ap_speed)
        shell.APPLICATION_handlekey('!', 1);
}

// ---- the frame's step ------------------------------------------------------

void update_controls(void)
{
    if (set.replay_speed == 0) {
        mouse_yoke();
        float throttle;
        read_stick(&throttle);
        throttle_axis(throttle);
        float g = auto_gain();
        hover_yaw_damping(g);
        lateral_autopilot(g);
        vertical_autopilot(g);
        autothrottle();
        set.stick_pitch = fltlim(set.stick_pitch, -1.0f, 1.0f);
        set.stick_roll = fltlim(set.stick_roll, -1.0f, 1.0f);
        set.stick_yaw = fltlim(set.stick_yaw, -1.0f, 1.0f);
        stability_augmentation(g);
        control_failures();
        add_trims();
    }
    surface_deflections();
    fin_cants();
    wing_sweep();
    vectored_thrust();
    // A replayed touchdown is not a real one, and leaving the replay is none.
    if (set.replay_speed == 0 && flt.on_ground && !ctl_flight.was_on_ground) touchdown();
    ctl_flight.was_on_ground = flt.on_ground;
}
