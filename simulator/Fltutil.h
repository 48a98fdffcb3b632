// Flight utilities and the flight state: flt, the moving state of a flight
// (controls, force sums, attitude, position and speed of all twelve aircraft,
// air data, engines, masses), ott, the autopilot, and pat, the flown path.
// The flight model writes them; a new flight zeroes them whole (flt keeping
// the twelve positions). Also the failures, which fail the systems of rel
// slot by slot, and the Morse queue of the radios' identifiers.
#pragma once
#include "Hl_types.h"
#include "Initgen.h"

const int flt_aircraft = 12;     // index 0 the user's aircraft, 1 tow or drop aircraft, 2-11 others

// Degrees and metres unless marked. Arrays of 12 hold every aircraft; all
// other fields are the user's aircraft alone. Its size is not fixed: the
// flight model adds fields, and it is always cleared with sizeof.
struct flightstruct {
    float slat_ratio;                      // 0..1
    int sbrk_handle;                       // -1 armed (automatic only), 0 in, 1 half, 2 full
    float vector_angle;                    // thrust vector
    float sweep_ratio;                     // 0..1, variable-sweep wings
    float sweep_req;                       // 0..1, the sweep the ratio moves toward
    float flap_ratio;                      // 0..1, follows flap_request
    float flap_request;                    // lever 0..1 in steps of 0.25
    float throttle[plane_engines];           // in effect 0..1
    float throttle_req[plane_engines];       // asked by keys, panel, joystick or autothrottle
    float prop_req[plane_engines];           // governor speed asked
    float mixture[plane_engines];            // 0..1
    float carb_heat;                       // 0 or 1
    float roll_trim, yaw_trim, pitch_trim; // -1..1; the vertical autopilot drives pitch_trim

    // force and moment sums of one half-step
    float F_prop_axial, F_prop_side, F_prop_normal;       // N, body axes
    float F_aero_axial, F_aero_side, F_aero_normal;       // N, wind axes
    float F_gear_axial, F_gear_side, F_gear_vertical;     // N, heading and vertical axes
    float M_pitch, M_yaw, M_roll;                         // N m, body axes
    float Pdot, Qdot, Rdot;                               // deg/s2

    // attitude, rates, position and speed
    float roll_rate, pitch_rate, yaw_rate;                // P, Q, R in deg/s
    float theta[flt_aircraft];             // pitch
    float psi[flt_aircraft];               // heading 0..360
    float phi[flt_aircraft];               // roll
    float Prad, Qrad, Rrad;                // the body rates in rad/s
    float a_x, a_y, a_z;                   // m/s2, earth frame, gravity included
    double vel_x, vel_y, vel_z;            // m/s, x east, y up, z south
    double pos_x[flt_aircraft], pos_y[flt_aircraft], pos_z[flt_aircraft];   // y above sea level
    float lat, lon;                        // the user's, degrees
    float alt_now;                         // indicated; the altitude hold compares it
    float dist_flown;                      // m this flight, for the logbook
    float gnd_speed[flt_aircraft];         // m/s

    // air data
    float V_true;                          // m/s
    float vel_fwd;                         // m/s, body axis
    float ias_kts;
    float mach;
    float q_dyn;                           // Pa
    float vne_frac_sq;                     // (IAS / Vne)^2
    float alpha, beta;

    // sines and cosines the force build-up reuses
    float sin_phi, cos_phi, sin_path_roll, cos_path_roll, sin_theta, cos_theta, sin_psi, cos_psi;
    float sin_alpha, cos_alpha, sin_beta, cos_beta;
    float sin_path_psi, cos_path_psi, sin_path_theta, cos_path_theta;

    // parts and elements
    float ge_cdi_mult[plane_parts], ge_cl_mult[plane_parts];   // ground effect
    float wash_speed[plane_engines];         // m/s, propwash increment
    int part_stalled[plane_parts];
    int stall_warn;
    float el_vel[plane_parts][plane_elements];         // m/s
    float el_alpha[plane_parts][plane_elements];
    float el_flowdir[plane_parts][plane_elements];     // flow-direction change
    float el_downwash[plane_parts][plane_elements];

    // surface deflections
    float ailn_def_L, ailn_def_R;
    float splr_def_L, splr_def_R;
    float elev_def_L, elev_def_R;
    float drud_def_L, drud_def_R;          // never negative
    float rudd_def_now;
    float side_cant[4];                    // fins 1-4
    float sin_side_cant[4], cos_side_cant[4];
    float vert_cant[4];                    // with cyclic and vectoring
    float thrust_dir_n[4], thrust_dir_a[4];   // normal and axial share of each engine's thrust

    // engines and masses
    int engine_running[plane_engines];
    float thrust_now[plane_engines];         // N
    float blade_pitch[plane_engines];        // a helicopter's engine 2 is the tail rotor
    float throttle_lagged[plane_engines];
    int reverser[8];
    float engine_speed[plane_engines];
    float mix_factor[plane_engines];         // power share the mixture allows, 0..1
    float jet_n1[plane_engines];             // percent, the jets' N1
    float payload, fuel, jettison;         // kg
    float mass_now;                        // kg
    float jato_left;                       // s
    float brake_ratio;                     // 0..1
    float ice_amount;
    int on_ground;                         // any contact point on ground, deck or water
    int redline_busted;                    // flown past the redline: the right wings are gone
    int flap_warned;                       // told once of flaps out above Vfe; again after the handle goes up

    // the integration's own: Euler rates, the magnetic heading, the paths
    // over the ground and through the air, and the rest of the air-relative
    // body velocity (vel_fwd is its forward part)
    float theta_dot, psi_dot, phi_dot;     // deg/s
    float hdg_mag;                         // 0..360, psi + env.mag_var
    float track;                           // course over the ground, 0..360
    float gamma_gnd;                       // climb angle over the ground
    float hpath, vpath;                    // heading 0..360 and climb angle of the air-relative velocity
    float v_air, w_air;                    // m/s, body side (to the left) and normal (downwards) components
    float sin_trk, cos_trk, sin_gam, cos_gam;   // of track and gamma_gnd, over the ground: not the path pairs

    // the flight step's engine values
    float power[plane_engines];              // W
    float fuel_flow[plane_engines];          // kg/s
    float egt_frac[plane_engines];           // 0..1, what the EGT gauge shows
    float egt_disp[plane_engines];           // the EGT mark, lagging egt_frac
    int burner_on[plane_engines];            // afterburner lit
    float ice_carb[plane_engines];           // carburettor ice

    // the propellers' and jets' own, carried from half-step to half-step
    float eng_torque[plane_engines];         // N m, what the engine gives its shaft
    float prop_torque[plane_engines];        // N m, what the air takes from the propeller
    float manifold_p[plane_engines];         // inHg
    float spool[plane_engines];              // 0..1, a jet's core
    float wash_ring[plane_engines][plane_elements];   // m/s, slipstream increment per blade-element ring
};

// The autopilot: switches 1 = on. A new flight zeroes it, a situation restores it.
struct ottostruct {
    int ap_hdg, ap_nav1, ap_nav2, ap_alt, ap_vvi, ap_gs, ap_speed;
    float alt_target;                      // m
    float vvi_target;                      // m/s; also altitude hold's rate limit
    float speed_target;                    // knots
};

// The seven mode switches by the panel's button order: heading, NAV 1,
// NAV 2, altitude, vertical speed, glide slope, speed.
const int ap_modes = 7;
inline int& ott_mode(ottostruct& o, int k)
{
    switch (k) {
    case 0: return o.ap_hdg;
    case 1: return o.ap_nav1;
    case 2: return o.ap_nav2;
    case 3: return o.ap_alt;
    case 4: return o.ap_vvi;
    case 5: return o.ap_gs;
    default: return o.ap_speed;
    }
}

// The flown path for the trail and the replay: a ring of parallel samples,
// about ten a second, recorded by the ten-per-second events.
const int path_samples = 6000;
struct pathstruct {
    float replay_time;                          // replay clock, s of simulated time
    float path_time[path_samples];              // simulated time; 0.0 marks the slot after the newest
    float path_plane[path_samples][6];          // user's x, y, z (m), pitch, heading, roll
    float path_carrier[path_samples][6];        // the carrier's six state values
    float path_frigate[path_samples][6];        // the frigate's
    float path_gear[path_samples][3];           // gear_stat of the user's aircraft
    float path_condef[path_samples][7];         // the first seven contact deflections
    float path_controls[path_samples][6];       // elevator, aileron, rudder, flap ratio, sweep ratio, vertcant
};
static_assert(sizeof(pathstruct) == 840004, "pathstruct is 1 + 6000 x 35 floats");

extern flightstruct flt;

// The user's aircraft's whole mass as loaded now, kg: empty, payload, fuel
// and what it can jettison.
float loaded_mass(void);
extern ottostruct ott;
extern pathstruct pat;

// The cached sines and cosines of aircraft 0's pitch, heading and roll,
// from flt.theta/psi/phi[0]; whoever sets the attitude calls it.
void attitude_sines(void);
// Degrees true, 0..360, from the user's aircraft to the local point (x, z).
float bearing_to(float x, float z);

// The flight reset calls it: every module's state that lives for one flight
// (the tow wobble's phases, the Doppler's last distance) back to its start.
void clear_flight_state(void);

// ---- periodic systems ----------------------------------------------------------

// The flight step runs mod_evt about ten times a second of simulated time and
// mod_sec right after the first of every ten mod_evt runs.
void mod_evt(void);   // flaps, gear, wind, navigation needles, the flown path
void mod_sec(void);   // weather, radios, fuel, icing, failures, gravity
// The radios' station search: 1 when navaid index is on frequency (as
// nav_frq holds it) and nearer the aircraft than range and *best, in
// unscaled degrees of latitude and longitude; *best then takes the distance.
int  check_nav(int index, int frequency, float* best, float range);
// Through a cloud layer: 1 at full_at and below, 0 at none_at and above,
// linear between; a layer of no depth is all below none_at, none from it up.
float layer_fade(float h, float full_at, float none_at);
// 1 while NAV receiver r hears a glide slope: not none (-99.9), not a VOR (99.9).
int  glide_slope_received(int r);
// clear_flight_state calls them: what the two keep for one flight (the Morse
// player, the glide-slope call-out, the wind-shear event and the gusts; the
// altitude call-outs, the fuel clock and the failure times).
void clear_events_flight_state(void);
void clear_periodic_flight_state(void);
// What they keep for the run (the path index, the sounds they started; the
// ATC counter, the GPS memory, the weather targets, the frame-rate governor).
void clear_events_run_state(void);
void clear_periodic_run_state(void);

// ---- failures ------------------------------------------------------------------

// The system flags of rel.system_ok, one index each; a group runs on by
// engine (e) or gear leg.
const int sys_vacuum = 0;
const int sys_airspeed = 1;
const int sys_attitude = 2;
const int sys_altimeter = 3;
const int sys_turn = 4;
const int sys_heading = 5;
const int sys_vsi = 6;
const int sys_standby = 7;          // glass panel: the standby instruments
const int sys_efis = 8;             // glass panel: the main display
const int sys_radios = 9;           // marker and radio reception
const int sys_engine = 10;          // + e: the engine runs
const int sys_aileron = 14;
const int sys_elevator = 15;
const int sys_rudder = 16;
const int sys_flaps = 17;
const int sys_slats = 18;
const int sys_throttle = 19;
const int sys_gear = 20;            // + leg: nose, left, right
const int sys_electrical = 23;
const int sys_hydraulics = 24;
const int sys_governor = 25;        // + e
const int sys_stability = 29;       // stability augmentation
const int sys_asym_flap = 30;       // 0: the flaps have split
const int sys_trim = 31;            // pitch trim, the autopilot's pitch servo
const int sys_reverser = 32;        // + e
const int sys_anti_ice = 36;
const int sys_engine_power = 37;    // + e: 0 and the engine's power fades
const int sys_autopilot = 41;
const int sys_autopilot_b = 42;     // the autopilot's second flag; nothing reads it yet
const int sys_tail_rotor = 43;

// The failure modes of rel.fail_mode.
const int fail_random = 1;          // against rel.failure_rate
const int fail_mtbf = 2;            // mean time between failures
const int fail_at_time = 3;
const int fail_on_command = 4;
const int fail_failed = 5;

// Asks slot (0..31) whether it fails now by its mode; 1 when it is failed
// after the call.
int  fail_me(int slot);
// The once-a-second pass over the 32 slots in order, each only while its
// gate holds and its system still works; a failing slot clears its flags.
// failed[k] is set to 1 for each slot that failed in this pass (0 for the
// others). Returns 1 when one of them sounds the master caution. The
// failure command is spent afterwards.
int  fail_systems(int failed[fail_slots]);
// Start-up and every new flight: failed slots back to mode 1, every system
// working, full control and engine power.
void restore_systems(void);

// ---- Morse identifiers ---------------------------------------------------------

// A queue of timed slots: a tone or a pause each, slot k + 1 starting when
// slot k ends. Four characters use at most 20 slots.
const int morse_slots = 24;
const int morse_quiet = 2;          // nothing to play, or played
const int morse_dot = 3;
const int morse_dash = 4;
void add_dot(int states[morse_slots], float times[morse_slots], int k);   // 0.3 s
void add_das(int states[morse_slots], float times[morse_slots], int k);   // 0.5 s
void add_qui(int states[morse_slots], float times[morse_slots], int k);   // 1.0 s
// Appends the letter's dots and dashes (upper-case letters only) and then a
// pause, advancing *k past each slot; any other character is the pause alone.
void build_morse_id(char c, int states[morse_slots], float times[morse_slots], int* k);
