// Fixed states of the shipped Cessna for whole force build-up cycles, shared
// by the golden force reports and the build-up's tests: cruising at 3,000 ft
// and 100 kt, and standing on the runway on its gear.
#pragma once
#include "volanto_support.h"
#include "Fltcalc.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "records.h"

#include <cmath>
#include <cstring>

inline void set_angle(float deg, float* s, float* c)
{
    *s = sinf(deg * con.degtorad);
    *c = cosf(deg * con.degtorad);
}

// Level wings, heading north, the nose theta (deg) up; the flight path
// along the heading and level.
inline void attitude(float theta)
{
    flt.theta[0] = theta;
    flt.psi[0] = flt.phi[0] = 0;
    set_angle(theta, &flt.sin_theta, &flt.cos_theta);
    set_angle(0, &flt.sin_phi, &flt.cos_phi);
    set_angle(0, &flt.sin_psi, &flt.cos_psi);
    set_angle(0, &flt.sin_path_roll, &flt.cos_path_roll);
    set_angle(0, &flt.sin_path_theta, &flt.cos_path_theta);
    set_angle(0, &flt.sin_path_psi, &flt.cos_path_psi);
}

// The air data of a true airspeed (m/s) at alpha and beta (deg) in the air
// of atm; the indicated speed from the density ratio.
inline void air_data(float speed, float alpha, float beta)
{
    const planestruct& a = pln[0];
    flt.V_true = flt.vel_fwd = flt.gnd_speed[0] = speed;
    flt.vel_x = flt.vel_y = 0;
    flt.vel_z = -speed;
    flt.mach = atm.a_sound > 0 ? speed / atm.a_sound : 0;
    flt.q_dyn = 0.5f * atm.rho * speed * speed;
    flt.ias_kts = speed * sqrtf(atm.rho / 1.225f) * con.msctokts;
    float ias_asi = a.asi_units == 1 ? flt.ias_kts * 1.15078f : flt.ias_kts;
    flt.vne_frac_sq = a.Vne > 0 ? (ias_asi / a.Vne) * (ias_asi / a.Vne) : 0;
    flt.alpha = alpha;
    flt.beta = beta;
    set_angle(alpha, &flt.sin_alpha, &flt.cos_alpha);
    set_angle(beta, &flt.sin_beta, &flt.cos_beta);
}

// A cycle with nothing carried over from the last: no rates to predict
// from, no contacts, no downwash on the tail.
inline void fresh_cycle(void)
{
    clear_buildup_flight_state();
    memset(flt.el_downwash, 0, sizeof flt.el_downwash);
}

// Cruising at 3,000 ft (standard air) and 100 kt, 3 degrees nose up with
// 2 degrees of sideslip and a gentle roll, pitch and yaw; a quarter flap,
// right aileron, some up elevator and right rudder (trailing edges up
// positive, as the controls set them: the left aileron is down); the engine
// running at cruise power over flat ground at sea level. Loaded to the
// maximum mass; 100 s into the flight, half-steps of 1/40 s; every system
// working. Its propeller, given no side cant, meets no air and pushes
// nothing: the sums are the airframe's (propeller_at_cruise sets it going).
inline void cessna_in_flight(void)
{
    restore_systems();
    atm.rho = 1.1210f;
    atm.a_sound = 336.4f;
    atm.g_accel = con.g;
    atm.rwy_friction = 1;
    lay_flat_ground();
    env.ground_h = 0;
    flt.pos_y[0] = 3000 * con.fttomtrs;
    msc.sim_time = 100;
    msc.dt = 0.025f;

    attitude(3);
    air_data(100 * con.ktstomsc, 3, 2);
    for (int p = 0; p < plane_parts; p++) flt.ge_cl_mult[p] = flt.ge_cdi_mult[p] = 1;   // out of ground effect
    flt.Prad = 2 * con.degtorad;
    flt.Qrad = 1 * con.degtorad;
    flt.Rrad = -1.5f * con.degtorad;

    flt.flap_ratio = 0.25f;
    flt.ailn_def_L = -8;
    flt.ailn_def_R = 6;
    flt.elev_def_L = flt.elev_def_R = 3;
    flt.rudd_def_now = -4;
    flt.engine_running[0] = 1;
    flt.throttle[0] = 0.75f;
    flt.thrust_dir_a[0] = 1;
    flt.thrust_dir_n[0] = 0;
    flt.mass_now = pln[0].m_max;
}

// The propeller of cessna_in_flight turning at 90 % of its top speed on a
// thrust line straight ahead, the mixture giving the engine full power in
// air of the density set, which meets the disc at the angle of attack and
// the sideslip set.
inline void propeller_at_cruise(void)
{
    flt.engine_speed[0] = 0.9f * pln[0].omegamax;
    flt.mix_factor[0] = 1;
    flt.sin_side_cant[0] = 0;
    flt.cos_side_cant[0] = 1;
    atm.sigma = atm.rho / con.rhoSL;
    flt.w_air = flt.vel_fwd * tanf(flt.alpha * con.degtorad);
    flt.v_air = flt.vel_fwd * tanf(flt.beta * con.degtorad);
}

// Standing on the runway with every leg down: at the gear's rest height, at
// its rest pitch and at the maximum mass the gear is sized for, on a dry
// runway in still sea-level air; every system working.
inline void cessna_at_rest(void)
{
    const planestruct& a = pln[0];
    restore_systems();
    atm.rho = 1.225f;
    atm.a_sound = 340.3f;
    atm.g_accel = con.g;
    atm.rwy_friction = 1;
    lay_flat_ground();
    env.ground_h = 0;
    env.surface_type = 0;
    msc.sim_time = 100;
    msc.dt = 0.025f;

    attitude(fltwrap(a.the_eqlbm, -180, 180));
    air_data(0, 0, 0);
    flt.Prad = flt.Qrad = flt.Rrad = 0;
    flt.pos_y[0] = env.ground_h + a.h_eqlbm;
    for (int k = 0; k < 3; k++) pln[0].gear_stat[k] = 1;
    flt.mass_now = a.m_max;
}

// The twelve force and moment sums and the six accelerations of the last
// cycle, for comparing cycles exactly.
struct buildup_sums {
    float v[18];
};
inline buildup_sums sums_now(void)
{
    return {{flt.F_prop_axial, flt.F_prop_side, flt.F_prop_normal, flt.F_aero_axial, flt.F_aero_side,
             flt.F_aero_normal, flt.F_gear_axial, flt.F_gear_side, flt.F_gear_vertical, flt.M_pitch, flt.M_yaw,
             flt.M_roll, flt.a_x, flt.a_y, flt.a_z, flt.Pdot, flt.Qdot, flt.Rdot}};
}
