// The flight model's frame and the state integration.
//
// Sections (grep "---- name"):
//   flight step        update_flight
//   state integration  integ_vx
// The serial and motion-platform output of the step is in Integ_serial.cpp.
#include "Integ.h"

#include "Event.h"
#include "Fltcalc.h"
#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "Graphnif.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_joy.h"
#include "Hl_sound.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Startscn.h"
#include "host.h"

#include <cmath>
#include <string>

// ---- flight step ---------------------------------------------------------------

float serial_dat[serial_values];
int serial_ind = -1;

// What the flight step keeps for one flight: the rotor buffet's two phases.
struct flight_step_flight_state {
    float buffet_phase[2] = {0, 0};
};
static flight_step_flight_state step_flight;

void clear_flight_step_flight_state(void) { step_flight = flight_step_flight_state(); }

// Height of the lifting parts over the ground in their own semi-spans: wings
// and horizontal tails of an aeroplane, the main rotor of a helicopter, each
// gets its lift and induced-drag factors. Returns the last part's height
// ratio, 99 (out of ground effect) when there is none to measure.
static float ground_effect(void)
{
    const planestruct& a = pln[0];
    int first = a.is_heli ? part_main_rotor : part_wing_first;
    int last = a.is_heli ? part_main_rotor : part_hstab_right;
    float h = 99;
    for (int p = first; p <= last; p++) {
        if (!have_this_part(p, 0)) continue;
        // A rotor without a radius would divide by nothing.
        if (a.semilen[p] <= 0.05f) {
            h = 99;
        } else {
            float above = (float)flt.pos_y[0] - env.ground_h + a.Yarm[p] * flt.cos_theta - a.Zarm[p] * flt.sin_theta;
            h = above / a.semilen[p];
        }
        float cl, cdi;
        if (a.is_heli) {
            cl = interp(0.5f, 1.2f, 1.5f, 1.0f, h);
            cdi = interp(0.5f, 0.5f, 1.5f, 1.0f, h);
        } else {
            float u = 1 - fltlim(0.5f * h, 0, 1), w = 8 * h;
            cl = 1 + 0.25f * u * u;
            cdi = w * w / (w * w + 1);
        }
        flt.ge_cl_mult[p] = fltlim(cl, 1, 2);
        flt.ge_cdi_mult[p] = fltlim(cdi, 0.5f, 1);
    }
    return h;
}

// A rotor or a vectored jet close to the ground shakes the aircraft in its
// own recirculating wash, the harder the lower, in pitch and roll at once.
static void rotor_buffet(float h)
{
    const planestruct& a = pln[0];
    if (!a.is_heli && !a.vectEQ) return;
    float k = fltlim(interp(0, 1, 3, 0, h), 0, 1) * (a.vectEQ ? 2.0f : 1.0f);
    float(&phase)[2] = step_flight.buffet_phase;
    phase[0] += fltrand(0.5f, 1.5f) * msc.dt;
    phase[1] += fltrand(0.5f, 1.5f) * msc.dt;
    float weight = flt.mass_now * con.g;
    if (weight <= 0) return;
    float shake = flt.thrust_dir_n[0] * k * flt.thrust_now[0] / weight;
    flt.theta[0] += shake * fltrand(0.05f, 0.1f) * sinf(phase[0] * flt.engine_speed[0]);
    flt.phi[0] += shake * fltrand(0.05f, 0.1f) * sinf(phase[1] * flt.engine_speed[0]);
}

// Temperature of the standard day by height (ft, K): the troposphere's lapse,
// the stratosphere's two layers and the mesosphere's fall.
static const float temp_table[6][2] = {
    {0, 288.15f}, {36152, 216.65f}, {82346, 216.65f}, {155348, 270.65f}, {175344, 270.65f}, {265000, 180.65f},
};

// Density, temperature, speed of sound and density ratio at the aircraft's
// height, on the day that the sea-level temperature makes.
static void air_data(void)
{
    float y = (float)flt.pos_y[0];
    const float(&tab)[22][2] = atm.std_atm;
    float density = y < tab[0][0] ? tab[0][1] : tab[21][1];
    // A row of no height (an empty table, before start-up fills it) divides by nothing.
    for (int i = 0; i <= 20; i++)
        if (tab[i][0] <= y && y <= tab[i + 1][0])
            density = tab[i + 1][0] > tab[i][0] ? interp(tab[i][0], tab[i][1], tab[i + 1][0], tab[i + 1][1], y) : tab[i][1];

    float ft = con.fttomtrs;
    int seg = 0;   // below the first layer the troposphere's line goes on down
    for (int i = 1; i <= 4; i++)
        if (y >= temp_table[i][0] * ft) seg = i;
    float t = y >= temp_table[5][0] * ft
                  ? temp_table[5][1]
                  : interp(temp_table[seg][0] * ft, temp_table[seg][1], temp_table[seg + 1][0] * ft, temp_table[seg + 1][1], y);
    atm.temp_k = t + (atm.sl_temp - 59.02f) * con.dgrtodgk;
    atm.a_sound = sqrtf(401.8f * atm.temp_k);
    atm.rho = density * 518.69f / (atm.sl_temp + 459.67f);
    atm.sigma = atm.rho / con.rhoSL;
}

// The engines' slow part: afterburners, the mixture's share of power and the
// exhaust temperature, fuel flow and the throttle's lag behind its lever.
static void engines(void)
{
    const planestruct& a = pln[0];
    int n = intlim(a.numen, 0, plane_engines);
    for (int i = 0; i < n; i++) {
        flt.burner_on[i] = a.burnerinc > 1.0f && flt.throttle[i] > 0.99f && !flt.reverser[i];

        float m = flt.mixture[i];
        if (is_piston(a)) {
            // Too lean for the air's density starves the engine; too rich
            // loses a little power and cools the exhaust.
            float b1 = atm.sigma - 0.3f, b2 = atm.sigma - 0.4f, lean, cool;
            if (m <= b1) {
                lean = cool = 5 * (b1 - m);
            } else {
                lean = 0.1f * (m - b1);
                cool = 2 * (m - b1);
            }
            flt.mix_factor[i] = fltlim(m <= b2 ? 0 : 1 - lean, 0, 1);
            // A reversed throttle gives the gauge no root.
            flt.egt_frac[i] = m <= b2 ? 0 : fltlim((1 - cool) * sqrtf(fltmax2(flt.throttle[i], 0)), 0, 1);
        } else {
            flt.mix_factor[i] = m > 0.5f ? 1.0f : 0.0f;
        }

        int by_thrust = is_jet(a) || a.entype == engine_rocket;
        float flow = burnin_fuel(fabsf(by_thrust ? flt.thrust_now[i] : flt.power[i]));
        if (is_jet(a) && flt.burner_on[i]) flow *= 2;
        flt.fuel_flow[i] = flt.engine_running[i] ? flow : 0;

        if (rel.system_ok[sys_throttle]) {
            float f = flt.reverser[i] && turns_propellers(a) ? 0.5f : 1.0f;
            flt.throttle[i] = (1 - msc.dt) * flt.throttle[i] + msc.dt * flt.throttle_req[i] * f;
            if (a.entype == engine_rocket && flt.throttle_req[i] < 0.5f) flt.throttle[i] = 0;
        }
    }
}

// The region grid's cell under a point, by the region's edges, held inside
// the grid: a point beyond the region names the edge's cell.
static int grid_i(float x)
{
    return intlim(intround(interp(env.reg_west_x, 0, env.reg_east_x, region_grid_x - 1, x)), 0, region_grid_x - 1);
}

static int grid_j(float z)
{
    return intlim(intround(interp(env.reg_south_z, 0, env.reg_north_z, region_grid_z - 1, z)), 0, region_grid_z - 1);
}

// A traffic aircraft that is new, or has flown out of the 40 nm square around
// the user, comes back on the square's circle (anywhere inside it the first
// time) heading towards the user within 45 degrees.
static void respawn_traffic(int i, float R)
{
    int b = intrand(0, 359);
    float d = fabsf((float)flt.pos_x[i]) < 0.01f ? fltrand(0, R) : R;
    flt.pos_x[i] = fltlim((float)flt.pos_x[0] + d * lookup_sin[b], env.reg_west_x, env.reg_east_x);
    flt.pos_y[i] = fltlim((float)flt.pos_y[0] + fltrand(-3000, 3000), env.ground_h + 300, 20000);
    flt.pos_z[i] = fltlim((float)flt.pos_z[0] - d * lookup_cos[b], env.reg_north_z, env.reg_south_z);
    flt.gnd_speed[i] = 1.7f * msc.vstall;
    flt.theta[i] = 0;
    flt.phi[i] = 0;
    flt.psi[i] = fltwrap(b + 180 + fltrand(-45, 45), 0, 360);
}

// The tow plane: it accelerates to 35 m/s, climbs above 25 m/s and, once
// flying, banks gently into a left turn that it holds at 10 degrees.
static void tow_plane(void)
{
    if (!set.tow_on) return;   // waiting for the glider: it stays on the ground
    float& v = flt.gnd_speed[1];
    v += fltlim(0.4f * (35 - v), 0, 2) * msc.dt;
    if (v > 25) flt.pos_y[1] += 0.5f * (v - 25) * msc.dt;
    // Standing, the turn rate would be 0/0.
    if (v > 34.9f) {
        if (flt.phi[1] > -10) flt.phi[1] -= msc.dt;
        float turn = con.g * sinf(flt.phi[1] * con.degtorad) * 360 / (con.pim2 * v);
        flt.psi[1] = fltwrap(flt.psi[1] + turn * msc.dt, 0, 360);
    }
}

// Aircraft 1 to 11 fly straight and level by dead reckoning, climbing out of
// the terrain; aircraft 1 is the drop or tow aircraft in those starts.
static void traffic(void)
{
    const float R = 40 * con.nmtomtrs, r = con.degtorad;
    const int special = set.tow_hold || set.tow_on || set.drop_on;
    for (int i = 1; i < flt_aircraft; i++) {
        float along = cosf(flt.theta[i] * r) * flt.gnd_speed[i] * msc.dt;
        flt.pos_x[i] += sinf(flt.psi[i] * r) * along;
        flt.pos_z[i] -= cosf(flt.psi[i] * r) * along;

        // The tow or drop aircraft must not jump 40 nm away while the glider
        // hangs on it, or the rope would fling the glider after it.
        int held = i == 1 && special;
        float dx = (float)(flt.pos_x[i] - flt.pos_x[0]), dz = (float)(flt.pos_z[i] - flt.pos_z[0]);
        if (!held && (msc.sim_time < 1.0f || fabsf(dx) > R || fabsf(dz) > R)) respawn_traffic(i, R);

        if (i == 1 && set.drop_on) {
            flt.pos_y[1] = 45000 * con.fttomtrs;
            flt.gnd_speed[1] = 500 * con.ktstomsc;
            flt.theta[1] = flt.psi[1] = flt.phi[1] = 0;
        } else if (i == 1 && (set.tow_hold || set.tow_on)) {
            tow_plane();
        } else {
            int ci = grid_i((float)flt.pos_x[i]), cj = grid_j((float)flt.pos_z[i]);
            if (flt.pos_y[i] < planexyz[ci][cj][1] + 300) flt.pos_y[i] += 5 * msc.dt;
        }
    }
}

// The ten-per-second events on every N-th frame, N making them about ten a
// second of simulated time, and the once-a-second systems on the first of
// every ten of those.
static void schedule_periodic_systems(void)
{
    msc.frame_count = msc.frame_count >= 30000 ? 1 : msc.frame_count + 1;
    int n = intlim(intround(fltlim(0.1f / msc.dt, 1, 99)), 1, 99);
    if (msc.frame_count % n != 0) return;
    mod_evt();
    if (msc.tenth_count == 0) mod_sec();
    msc.tenth_count = (msc.tenth_count + 1) % 10;
}

// The roll the build-up turns lift with, about the air path. Moving tail
// first the path is reversed, and the body's roll phi seen about it is
// 180 - phi: its sine stays and its cosine changes sign.
static void path_roll(void)
{
    float d = fltwrap(flt.hpath - flt.psi[0], -180, 180);
    flt.sin_path_roll = flt.sin_phi;
    flt.cos_path_roll = fabsf(d) > 90 ? -flt.cos_phi : flt.cos_phi;
}

// The logbook's flown, instrument and night time, the stopwatch, the time
// of day and Zulu time.
static void clocks(void)
{
    float dt = msc.dt;
    msc.logged_time += dt;
    int in_cloud = scn.below_clouds && atm.visibility * atm.wx_factor < 3 * con.nmtomtrs;
    int between_layers = !scn.below_clouds && !scn.above_clouds && atm.cloud_type != 1;
    if (in_cloud || between_layers) msc.instrument_time += dt;
    float hour = msc.time_of_day / 3600;
    if (hour < 5 || hour > 19) msc.night_time += dt;
    if (msc.timer_on) {
        msc.timer += dt;
        if (msc.timer >= 3600) msc.timer -= 3600;
    }
    msc.time_of_day = fltwrap(msc.time_of_day + dt, 0, 86400);
    // The local day's zone is the longitude's hour; Zulu is behind an east zone.
    msc.tod_zone = fltwrap(msc.time_of_day - intround(flt.lon / 15) * 3600.0f, 0, 86400);
}

// Failures set to come at a time count their hours down.
static void failure_timers(void)
{
    for (int k = 0; k < fail_slots; k++)
        if (rel.fail_mode[k] == fail_at_time) rel.fail_time[k] -= msc.dt / 3600;
}

// The force report's head: the frame, the height and air, the speeds and
// angles, and the engines' cants; the build-up's first half-step follows it.
static void force_report_header(void)
{
    const std::string bullets3(3, (char)0xA5);
    const float deg = con.radtodeg;
    trk << "\n";
    report_title_line("");
    report_title_line("");
    trk << bullets3 << "AT TIME COUNTER " << msc.frame_count << std::string(75, (char)0xA5) << "\n";
    report_title_line("");
    report_title_line("");
    report_line("h       =", (float)flt.pos_y[0], 12, 2, " meters.\n");
    report_line("rho     =", atm.rho, 12, 6, " kg/cubic meter, density ratio=");
    report_value(atm.sigma, 9, 6) << ".\n";
    report_line("airspeed=", flt.V_true, 12, 3, " m/s, mach number=");
    report_value(flt.mach, 9, 4) << ".\n";
    report_line("psi  =", flt.psi[0], 12, 3, " deg.\n");
    report_line("the  =", flt.theta[0], 12, 3, " deg.\n");
    report_line("phi  =", flt.phi[0], 12, 3, " deg.\n");
    report_line("hpath=", flt.hpath, 12, 3, " deg with respect to the air.\n");
    report_line("vpath=", flt.vpath, 12, 3, " deg with respect to the air.\n");
    report_line("alpha=", flt.alpha, 12, 3, " deg.\n");
    report_line("beta =", flt.beta, 12, 3, " deg.\n");
    report_line("P=", flt.Prad * deg, 12, 3, " deg/second.\n");
    report_line("Q=", flt.Qrad * deg, 12, 3, " deg/second.\n");
    report_line("R=", flt.Rrad * deg, 12, 3, " deg/second.\n");
    // A helicopter's two rotors are its parts 0 and 1 whatever its engine count.
    int n = pln[0].is_heli ? 2 : intlim(pln[0].numen, 0, plane_engines);
    for (int i = 0; i < n; i++) {
        if (!have_this_part(i, 0)) continue;
        trk << "current vertcant[" << i << "]=";
        report_value(flt.vert_cant[i], 9, 3) << "\n";
        trk << "current sidecant[" << i << "]=";
        report_value(flt.side_cant[i], 9, 3) << "\n";
    }
}

// The ships steam on through the region, turning right, always right, away
// from any coast ahead of them. Ships outside the region stay where they are.
static void ships(void)
{
    const float r = con.degtorad, dt = msc.dt;
    for (int s = 0; s < 2; s++) {
        if (!ship_in_region(s)) continue;
        float v = ship_speed[s], hdg = env.ship_hdg[s];
        env.ship_x[s] += v * dt * sinf(hdg * r);
        // The sea under the ship, never a deck: with the user standing on it
        // the deck's own height would lift the ship every frame.
        int i = grid_i(env.ship_x[s]), j = grid_j(env.ship_z[s]);
        float sx, sy = 0, sz;
        env.ship_y[s] = find_local_h(env.ship_x[s], env.ship_z[s], &sx, &sy, &sz, &i, &j, 0);
        env.ship_z[s] -= v * dt * cosf(hdg * r);

        // Land four cells ahead, or the grid's edge near, on any side the
        // heading points to. The edge is tested first: past it is no grid.
        int west = (i <= 6 || !is_water[i - 4][j]) && hdg >= 180 && hdg <= 360;
        int north = (j >= 153 || !is_water[i][j + 4]) && (hdg >= 270 || hdg <= 90);
        int east = (i >= 172 || !is_water[i + 4][j]) && hdg >= 0 && hdg <= 180;
        int south = (j <= 6 || !is_water[i][j - 4]) && hdg >= 90 && hdg <= 270;
        env.ship_turn[s] = west || north || east || south ? 0.15f * v : 0;
        env.ship_hdg[s] = fltwrap(hdg + env.ship_turn[s] * dt, 0, 360);
    }
}

// Ship motion in the sea: a frigate pitches and rolls faster and further
// than the carrier.
static float ship_wave(float* angle_out, int ship, float frigate_amp, float carrier_amp)
{
    int frigate = ship == place_frigate;
    float w = frigate ? 1.5f : 0.7f;
    float amp = (frigate ? frigate_amp : carrier_amp) * atm.wave_height;
    float t = msc.sim_time;
    *angle_out = amp * sinf(w * t);
    return w * amp * cosf(w * t);
}

float the_dot_now(float* pitch_out, int ship) { return ship_wave(pitch_out, ship, 1.5f, 0.5f); }
float phi_dot_now(float* roll_out, int ship) { return ship_wave(roll_out, ship, 3.0f, 1.5f); }

static void ship_motion(void)
{
    const int code[2] = {place_carrier, place_frigate};
    for (int s = 0; s < 2; s++) {
        env.ship_pitch_rate[s] = the_dot_now(&env.ship_pitch[s], code[s]);
        env.ship_roll_rate[s] = phi_dot_now(&env.ship_roll[s], code[s]);
    }
}

// Two half-steps of build-up and integration, each at its own simulated time
// and ship attitude. The force report covers the first alone.
static void integrate(void)
{
    msc.dt *= 0.5f;
    for (int half = 0; half < 2; half++) {
        msc.sim_time += msc.dt;
        ship_motion();
        set_a();
        integ_vx();
        if (half == 0) set.force_report = 0;
    }
    msc.dt *= 2;
}

// What the pilot is told after a crash that ice, carburettor ice or a failed
// vacuum system may have caused.
static void crash_notices(void)
{
    if (flt.ice_amount > 0.01f)
        MACIBM_alert("The aircraft was carrying ice at time of impact.",
                     "You have to keep out of the clouds between 0 and 32 deg F.",
                     "There is a thermometer in the upper-right hand corner of the screen.", "", alert_notice);
    if (flt.ice_carb[0] > 0.01f || flt.ice_carb[1] > 0.01f || flt.ice_carb[2] > 0.01f || flt.ice_carb[3] > 0)
        MACIBM_alert("The aircraft was carrying carb ice at time of impact.",
                     "You have to use carb heat when at low power in these weather conditions.",
                     "Use carb heat on carbureted engines when operating with engine RPM below the green arc.", "",
                     alert_notice);
    if (!rel.system_ok[sys_vacuum])
        MACIBM_alert("Your vacuum system had failed before impact.", "You have to keep a cross-check going.",
                     "The rest of the airplane was in one piece until you buried it.",
                     "Volanto features realistic gyro spin-down effects, including gyro sluggishness and tumble.",
                     alert_notice);
}

// On the ground too fast downwards, too steep, too far over or under the
// ground: the crash, its notices and a new flight on the runway.
static void crash(void)
{
    float limit = pln[0].is_heli ? 45.0f : 120.0f;
    if (!flt.on_ground) return;
    if (!(flt.vel_y < -15 || fabsf(flt.phi[0]) > limit || fabsf(flt.theta[0]) > limit || flt.pos_y[0] < env.ground_h))
        return;
    msc.crash_count++;
    stop_engine_and_windrain();
    play_buffer(snd_boom, 0);
    JOY_force(12, 0, 0, 0);
    JOY_force(11, 100, fltrand(0, 360), 250);
    host_sleep_ms(4000);
    crash_notices();
    set_fltvars(place_runway, place_on_runway);
    play_engine_and_windrain();
}

void update_flight(void)
{
    update_controls();
    if (set.out_graph_any) update_graph();
    maintain_sounds();

    flt.mass_now = loaded_mass();
    rotor_buffet(ground_effect());

    {
        float vx, vy = 0, vz;
        env.ground_h = find_local_h((float)flt.pos_x[0], (float)flt.pos_z[0], &vx, &vy, &vz, &env.plane_cell_i,
                                    &env.plane_cell_j, 1);
    }
    air_data();
    engines();
    traffic();
    serial_output();
    schedule_periodic_systems();
    path_roll();
    clocks();
    failure_timers();
    if (set.force_report) force_report_header();
    ships();
    integrate();
    crash();
}

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
    attitude_sines();
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
