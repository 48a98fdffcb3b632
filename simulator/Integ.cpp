// The flight model's frame and the state integration.
//
// Sections (grep "---- name"):
//   flight step        update_flight
//   state integration  integ_vx
#include "Integ.h"

#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <cmath>

// ---- flight step ---------------------------------------------------------------

// Stands in until the flight step comes: a frame moves nothing.
void update_flight(void) {}



// ---- state integration ---------------------------------------------------------

// Magnetic declination, degrees east, at 60 S, 30 S, the equator, 30 N and
// 60 N, from 180 W to 180 E every 10 degrees.
static const float declination_deg[5][37] = {
    // 60 S
    { 44.72,  43.81,  42.82,  41.93,  41.18,  40.30,  38.97,  36.79,  33.55,  29.31,
      23.84,  17.58,  11.06,   4.85,  -0.86,  -5.82, -10.24, -14.51, -19.32, -24.78,
     -31.16, -38.19, -45.41, -52.48, -59.00, -64.66, -69.58, -73.25, -74.97, -73.50,
     -63.83, -30.52,  18.23,  37.82,  43.70,  44.98,  44.72},
    // 30 S
    { 16.67,  16.87,  16.82,  16.80,  16.81,  16.77,  16.70,  16.56,  16.14,  14.31,
       9.88,   2.62,  -6.52, -14.98, -21.09, -24.50, -25.77, -25.65, -24.29, -21.90,
     -20.35, -21.92, -26.18, -30.21, -31.84, -30.46, -26.38, -19.78, -12.01,  -5.00,
       0.23,   4.22,   7.81,  11.13,  13.84,  15.66,  16.67},
    // the equator
    { 10.29,   9.81,   9.12,   9.01,   9.30,   9.32,   9.17,   9.08,   8.19,   5.42,
       0.30,  -6.61, -13.56, -18.56, -20.73, -19.71, -16.25, -11.58,  -7.59,  -4.67,
      -2.04,  -0.13,  -0.08,  -1.96,  -4.17,  -5.00,  -4.32,  -2.46,  -0.72,   0.46,
       1.13,   1.93,   3.59,   5.89,   8.14,   9.84,  10.29},
    // 30 N
    {  8.09,  10.34,  11.72,  12.76,  13.58,  13.72,  13.03,  11.12,   7.33,   1.42,
      -5.78, -12.37, -16.60, -17.72, -16.23, -13.02,  -9.12,  -5.31,  -2.08,   0.08,
       1.47,   2.47,   2.86,   2.63,   1.94,   1.21,   0.76,   0.43,  -0.57,  -2.36,
      -4.25,  -5.43,  -4.91,  -2.60,   0.93,   4.78,   8.09},
    // 60 N
    {  5.51,  11.92,  17.69,  22.48,  26.02,  27.50,  26.18,  20.50,   8.43,  -8.71,
     -23.43, -30.98, -32.64, -30.67, -26.66, -21.67, -16.30, -10.77,  -5.49,  -0.63,
       3.94,   7.82,  11.27,  13.97,  15.79,  15.89,  13.87,   9.14,   1.87,  -6.04,
     -12.21, -15.05, -14.67, -11.78,  -6.92,  -1.04,   5.51},
};

// The declination (east positive) at lat, lon: linear in latitude at the
// cell's two edge longitudes, then linear in longitude. The cell is the
// table's nearest, so beyond 60 degrees the lines through its rows go on.
static float declination(float lat, float lon)
{
    // Limited before rounding: nothing out of range reaches an int.
    int row = intround(fltlim(lat / 30 - 0.5f, -2, 1));    // the cell's south edge / 30
    int col = intround(fltlim(lon / 10 - 0.5f, -18, 17));  // its west edge / 10
    const float* s = declination_deg[row + 2];
    const float* n = declination_deg[row + 3];
    int w = col + 18;
    float f = (lat - 30.0f * row) / 30, g = (lon - 10.0f * col) / 10;
    float west = s[w] + f * (n[w] - s[w]);
    float east = s[w + 1] + f * (n[w + 1] - s[w + 1]);
    return west + g * (east - west);
}

// atan2 in degrees, 0 when both are zero whatever their signs: standing in
// calm air gives alpha, beta and the paths 0, not a half turn from a -0.
static float angle_deg(double y, double x)
{
    if (y == 0 && x == 0) return 0;
    return (float)atan2(y, x) * con.radtodeg;
}

// Once a number is lost it spreads into every later step.
static int state_is_lost(void)
{
    const double state[] = {flt.pos_x[0], flt.pos_y[0], flt.pos_z[0], flt.vel_x, flt.vel_y, flt.vel_z,
                            flt.theta[0], flt.psi[0], flt.phi[0], flt.roll_rate, flt.pitch_rate, flt.yaw_rate};
    for (double v : state)
        if (!std::isfinite(v)) return 1;
    return 0;
}

void integ_vx(void)
{
    const float h = msc.dt, r = con.degtorad;

    // The catapult pushes along the deck's launch line, 2 degrees right of the ship's heading.
    if (set.catapult_run) {
        float c = 0.005f * msc.vstall * msc.vstall, d = (env.ship_hdg[0] + 2) * r;
        flt.a_x += c * sinf(d);
        flt.a_z -= c * cosf(d);
    }
    // Hanging under the drop aircraft: no rates, level, carried north at its speed.
    if (set.drop_on) {
        flt.Pdot = flt.Qdot = flt.Rdot = 0;
        flt.roll_rate = flt.pitch_rate = flt.yaw_rate = 0;
        flt.Prad = flt.Qrad = flt.Rrad = 0;
        flt.a_x = flt.a_y = flt.a_z = 0;
        flt.theta[0] = flt.psi[0] = flt.phi[0] = 0;
        flt.vel_x = flt.vel_y = 0;
        flt.vel_z = -flt.gnd_speed[1];
    }

    // Body rates; the stability augmentation damps yaw half as hard as roll and pitch.
    float k = set.ctl_scale_a * h;
    flt.roll_rate = (flt.roll_rate + flt.Pdot * h) * (1 - 6 * k);
    flt.pitch_rate = (flt.pitch_rate + flt.Qdot * h) * (1 - 6 * k);
    flt.yaw_rate = (flt.yaw_rate + flt.Rdot * h) * (1 - 3 * k);
    flt.Prad = flt.roll_rate * r;
    flt.Qrad = flt.pitch_rate * r;
    flt.Rrad = flt.yaw_rate * r;

    flt.vel_x += flt.a_x * h;
    flt.vel_y += flt.a_y * h;
    flt.vel_z += flt.a_z * h;

    // Euler rates from the new body rates and the last half-step's attitude.
    // Near the vertical heading and roll are one turn, and 1/cos(pitch)
    // blows up: the roll rate turns the heading instead.
    float P = flt.roll_rate, Q = flt.pitch_rate, R = flt.yaw_rate;
    if (fabsf(flt.theta[0]) < 89.9f) {
        float turn = R * flt.cos_phi + Q * flt.sin_phi;
        flt.theta_dot = Q * flt.cos_phi - R * flt.sin_phi;
        flt.psi_dot = turn / flt.cos_theta;
        flt.phi_dot = P + flt.sin_theta / flt.cos_theta * turn;
    } else {
        flt.theta_dot = (fabsf(flt.phi[0]) <= 90 ? Q : -Q) + (flt.theta[0] > 0 ? -fabsf(R) : fabsf(R));
        flt.psi_dot = P;
        flt.phi_dot = 0;
    }

    // Held on the catapult: carried with the deck under it, along the launch line.
    if (set.on_catapult) {
        float sx = 0, sy = 0, sz = 0;   // off a deck the surface stands still
        find_local_h((float)flt.pos_x[0], (float)flt.pos_z[0], &sx, &sy, &sz, &env.plane_cell_i,
                     &env.plane_cell_j, 1);
        flt.vel_x = sx;
        flt.vel_z = sz;
        flt.psi[0] = fltwrap(env.ship_hdg[0] + 2, 0, 360);
    }

    // Speeds; the indicated airspeed uses the last half-step's angle of attack.
    flt.gnd_speed[0] = (float)sqrt(flt.vel_x * flt.vel_x + flt.vel_y * flt.vel_y + flt.vel_z * flt.vel_z);
    double air_x = flt.vel_x - atm.wind_x, air_y = flt.vel_y - atm.wind_y, air_z = flt.vel_z - atm.wind_z;
    flt.V_true = (float)sqrt(air_x * air_x + air_y * air_y + air_z * air_z);
    flt.mach = atm.a_sound > 0 ? flt.V_true / atm.a_sound : 0;
    flt.ias_kts = flt.V_true * flt.cos_alpha * sqrtf(atm.sigma) * con.msctokts;
    flt.q_dyn = 0.5f * atm.rho * flt.V_true * flt.V_true;
    // Vne is stored in the indicator's unit; a helicopter's may be 0.
    flt.vne_frac_sq = pln[0].Vne > 0 ? sqr(ias_asi() / pln[0].Vne) : 0;
    flt.dist_flown += flt.gnd_speed[0] * h;
    if (flt.ias_kts < 0) flt.ias_kts = 0;

    // Angles. Pitching through the vertical comes out the other side the
    // right way up: pitch back below 90, heading and roll turned half round.
    float pitch_was = fabsf(flt.theta[0]);
    flt.theta[0] = fltwrap(flt.theta[0] + flt.theta_dot * h, -180, 180);
    flt.psi[0] = fltwrap(flt.psi[0] + flt.psi_dot * h, 0, 360);
    flt.phi[0] = fltwrap(flt.phi[0] + flt.phi_dot * h, -180, 180);
    // A pitch that stopped at 90 exactly still turns over on its way past.
    if (pitch_was <= 90 && fabsf(flt.theta[0]) > 90) {
        flt.theta[0] = fltwrap(180 - flt.theta[0], -180, 180);
        flt.psi[0] = fltwrap(flt.psi[0] + 180, 0, 360);
        flt.phi[0] = fltwrap(flt.phi[0] + 180, -180, 180);
    }

    // Variation is west positive: magnetic = true + mag_var.
    env.mag_var = -declination(flt.lat, flt.lon);
    flt.hdg_mag = fltwrap(flt.psi[0] + env.mag_var, 0, 360);

    // Under the drop aircraft the fuselage's cross-section 9 hangs at its belly.
    if (set.drop_on) {
        flt.pos_x[0] = flt.pos_x[1] + 5.5;
        flt.pos_y[0] = flt.pos_y[1] - pln[0].body_Y[part_fuselage][9][0];
        flt.pos_z[0] = flt.pos_z[1] + 4.0 - pln[0].body_Z[part_fuselage][9][0];
    } else {
        flt.pos_x[0] += flt.vel_x * h;
        flt.pos_y[0] += flt.vel_y * h;
        flt.pos_z[0] += flt.vel_z * h;
    }

    // A lost state cannot be flown on: a new flight on the runway, as after a crash.
    if (state_is_lost()) {
        MACIBM_alert("The flight model lost its numbers.", "The flight starts again on the runway.", "", "",
                     alert_notice);
        set_fltvars(place_runway, place_on_runway);
        return;
    }

    // 1000 ft per inch of mercury between the altimeter's setting and the sea-level pressure.
    flt.alt_now = (float)flt.pos_y[0] + (ins.altim_set - atm.baro_sl) * 1000 * con.fttomtrs;
    flt.lat = Lat_with_z((float)flt.pos_z[0]);
    flt.lon = Lon_with_xlat((float)flt.pos_x[0], flt.lat);

    // Paths over the ground and through the air; bearings from north, clockwise.
    flt.gamma_gnd = angle_deg(flt.vel_y, sqrt(flt.vel_x * flt.vel_x + flt.vel_z * flt.vel_z));
    flt.vpath = angle_deg(air_y, sqrt(air_x * air_x + air_z * air_z));
    flt.track = fltwrap(angle_deg(flt.vel_x, -flt.vel_z), 0, 360);
    flt.hpath = fltwrap(angle_deg(air_x, -air_z), 0, 360);

    // The air-relative velocity into body axes (forward, left, down), by
    // the last half-step's heading, pitch and roll.
    float ax = (float)air_x, ay = (float)air_y, az = (float)air_z;
    float h1 = ax * flt.cos_psi + az * flt.sin_psi;
    float h2 = az * flt.cos_psi - ax * flt.sin_psi;
    float h3 = h2 * flt.sin_theta + ay * flt.cos_theta;
    flt.vel_fwd = -(h2 * flt.cos_theta - ay * flt.sin_theta);
    flt.v_air = -(h1 * flt.cos_phi - h3 * flt.sin_phi);
    flt.w_air = -(h1 * flt.sin_phi + h3 * flt.cos_phi);
    flt.alpha = angle_deg(flt.w_air, flt.vel_fwd);
    flt.beta = angle_deg(flt.v_air, flt.vel_fwd);

    // Every reader takes these from here, for the angles just found.
    flt.sin_theta = sinf(flt.theta[0] * r);
    flt.cos_theta = cosf(flt.theta[0] * r);
    flt.sin_psi = sinf(flt.psi[0] * r);
    flt.cos_psi = cosf(flt.psi[0] * r);
    flt.sin_phi = sinf(flt.phi[0] * r);
    flt.cos_phi = cosf(flt.phi[0] * r);
    flt.sin_alpha = sinf(flt.alpha * r);
    flt.cos_alpha = cosf(flt.alpha * r);
    flt.sin_beta = sinf(flt.beta * r);
    flt.cos_beta = cosf(flt.beta * r);
    flt.sin_trk = sinf(flt.track * r);
    flt.cos_trk = cosf(flt.track * r);
    flt.sin_gam = sinf(flt.gamma_gnd * r);
    flt.cos_gam = cosf(flt.gamma_gnd * r);
    flt.sin_path_psi = sinf(flt.hpath * r);
    flt.cos_path_psi = cosf(flt.hpath * r);
    flt.sin_path_theta = sinf(flt.vpath * r);
    flt.cos_path_theta = cosf(flt.vpath * r);
}
