// Flying headless (flight_run.h). The start-up follows start_simulator step
// by step but for the window, the preferences file and the stick; the frames
// are update_flight's, with the controls written where the keys and the
// panel write them.
//
// Sections (grep "---- name"):
//   start-up      records, paths, init_gen, databases, factory settings, aircraft
//   placements    runway start, a point in the air, the weight
//   frames        the fixed controls, the elevator loop, a frame, whole seconds
//   record        one line of state and its printing
//   trim          trimming for level flight
#include "flight_run.h"

#include "Funct.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Integ.h"
#include "host_test.h"
#include "records.h"
#include "Startscn.h"

#include <cmath>
#include <cstring>

flightrunstruct frun;

// ---- start-up --------------------------------------------------------------------

// The program's folders under the one given, as the shell derives them.
static void set_program_paths(const char* folder)
{
    struct sub {
        char* path;
        const char* name;
    } subs[] = {
        {afl_path, "airfoils/"},
        {flp_path, "flaps/"},
        {tex_path, "textures/"},
        {obj_path, "additional nav data/custom objects/"},
        {otx_path, "additional nav data/custom object textures/"},
        {cus_path, "additional nav data/custom terrain textures/"},
        {sit_path, "additional nav data/situations/"},
    };
    snprintf(app_path, path_max, "%s", folder);
    snprintf(wrk_path, path_max, "%s", folder);
    snprintf(cd_path, path_max, "%s", folder);
    for (const sub& s : subs) snprintf(s.path, path_max, "%s%s", folder, s.name);
}

static void clear_loops(void)
{
    frun.hold = hold_none;
    frun.hold_target = frun.pitch_target = 0;
    frun.outer_i = frun.inner_i = frun.loop_yoke = frun.loop_roll = frun.roll_i = 0;
    frun.frames = 0;
}

int start_headless(const char* program_folder)
{
    memset(&frun, 0, sizeof frun);
    frun.ctl.mixture = 1;
    clear_simulator_records();

    // What the shell's start-up does before it opens the window.
    clear_library_records();
    if (!err.is_open()) err.open("Error.out", std::ios::out | std::ios::trunc);
    set_program_paths(program_folder);
    MACIBM_set_constants();
    host_test_clock(1000, 0);
    rnd15_seed(host_ticks_ms() % 32000);
    ogl_ready = 0;
    initing = 0;
    host_test_audio_no_device(1);

    init_gen();
    nav_wrl_max = world_nav_first - 1;
    load_world_databases();
    hard_prefs();
    // Calm air: the factory weather has no wind, turbulence or shear; real
    // weather would bring the reports' winds.
    atm.real_weather = 0;
    set_dataoutput_params();
    if (!load_plane(0)) return 0;
    snprintf(pln[1].C_path, sizeof pln[1].C_path, "%s", pln[0].C_path);
    snprintf(pln[1].C_file, sizeof pln[1].C_file, "%s", pln[0].C_file);
    load_plane(1);
    load_texes();
    set_fltvars(place_runway, place_on_runway);
    // No stick: the keyboard yoke flies, as with none plugged in.
    set.joy_device = joy_none;
    msc.mouse_yoke_on = 0;
    clear_loops();
    return 1;
}

// ---- placements --------------------------------------------------------------------

void place_runway_start(void)
{
    set_fltvars(place_runway, place_on_runway);
    clear_loops();
}

// The density ratio of the standard day the factory settings give, at
// height y: the table and the day's temperature, as the flight step reads them.
static float sigma_at(float y)
{
    const float(&tab)[22][2] = atm.std_atm;
    float density = y < tab[0][0] ? tab[0][1] : tab[21][1];
    for (int i = 0; i <= 20; i++)
        if (tab[i][0] <= y && y <= tab[i + 1][0] && tab[i + 1][0] > tab[i][0])
            density = interp(tab[i][0], tab[i][1], tab[i + 1][0], tab[i + 1][1], y);
    return density * 518.69f / (atm.sl_temp + 459.67f) / con.rhoSL;
}

void place_in_air(float alt_ft, float kias, float hdg)
{
    int rw = intlim(msc.rwy_sel, 0, world_rwy_max - 1);
    float y = alt_ft * con.fttomtrs;
    set.place_lat = rwy_lat[rw];
    set.place_lon = rwy_lon[rw];
    set.place_alt = y;
    set.place_hdg = hdg;
    set.place_speed = kias * con.ktstomsc / sqrtf(fmaxf(sigma_at(y), 0.01f));   // calm air: true = ground speed
    set_fltvars(place_over_point, 0);
    flt.pos_y[0] = y;   // the placement keeps 1000 m clear of the ground; the height asked may be less
    clear_loops();
}

void set_total_weight(float lb)
{
    const planestruct& a = pln[0];
    flt.payload = fltlim(lb * con.lbstokgs - a.m_empty - flt.fuel, 0, fmaxf(a.m_max - a.m_empty, 0));
    flt.mass_now = a.m_empty + flt.payload + flt.fuel + flt.jettison;
}

// ---- frames ------------------------------------------------------------------------

// Engaging starts the pitch asked from the attitude flown, so the yoke does not jump.
static void engage(int hold, float target)
{
    frun.hold = hold;
    frun.hold_target = target;
    frun.outer_i = frun.pitch_target = flt.theta[0];
    frun.inner_i = frun.loop_yoke;
}

void hold_airspeed(float kias) { engage(hold_kias, kias); }
void hold_altitude(void) { engage(hold_alt, (float)flt.pos_y[0]); }
void hold_off(void)
{
    frun.hold = hold_none;
    frun.loop_yoke = 0;
}

// Two loops, as a pilot flies with the elevator: the outer turns the speed
// or height error into a pitch attitude, the inner flies the yoke to that
// attitude against the pitch rate. Too fast pitches up; too low pitches up.
static float elevator_loop(void)
{
    // Before a placement's first frame the air data are still unmeasured.
    if (frun.hold == hold_none || frun.frames == 0) return 0;
    const float dt = run_dt;
    float e;
    if (frun.hold == hold_kias) {
        e = flt.ias_kts - frun.hold_target;                                 // knots
        frun.outer_i = fltlim(frun.outer_i + 0.04f * e * dt, -20, 25);
        frun.pitch_target = fltlim(frun.outer_i + 0.3f * e, -20, 25);
    } else {
        float vs_want = fltlim((frun.hold_target - (float)flt.pos_y[0]) * 0.1f, -4, 4);   // m/s
        e = vs_want - (float)flt.vel_y;
        frun.outer_i = fltlim(frun.outer_i + 0.3f * e * dt, -20, 25);
        frun.pitch_target = fltlim(frun.outer_i + 1.5f * e, -20, 25);
    }
    float pe = frun.pitch_target - flt.theta[0];
    frun.inner_i = fltlim(frun.inner_i + 0.02f * pe * dt, -1, 1);
    return fltlim(frun.inner_i + 0.05f * pe - 0.03f * flt.pitch_rate, -1, 1);
}

// The propeller's torque and the rigging against it balance only near
// cruise: elsewhere the aircraft rolls, and a pilot holds the wings level
// with the ailerons, against the bank and its rate.
static float aileron_loop(void)
{
    if (!frun.wings_level || frun.frames == 0) return 0;
    // On the wheels the yoke would steer as well: it stays centred there.
    if (flt.on_ground) {
        frun.roll_i = 0;
        return 0;
    }
    // the integral takes up the steady torque, so no bank is left standing
    frun.roll_i = fltlim(frun.roll_i + 0.03f * flt.phi[0] * run_dt, -0.5f, 0.5f);
    return fltlim(-(0.05f * flt.phi[0] + 0.02f * flt.roll_rate + frun.roll_i), -1, 1);
}

void apply_run_controls(void)
{
    const run_controls& c = frun.ctl;
    for (int e = 0; e < plane_engines; e++) {
        flt.throttle_req[e] = fltlim(c.throttle, 0, 1);
        flt.mixture[e] = fltlim(c.mixture, 0, 1);
    }
    flt.brake_ratio = fltlim(c.brakes, 0, 1);
    flt.flap_request = fltlim(c.flaps, 0, 1);
    flt.pitch_trim = fltlim(c.trim, -1, 1);
    frun.loop_yoke = elevator_loop();
    set.pitch_key = fltlim(c.pitch + frun.loop_yoke, -1, 1);
    frun.loop_roll = aileron_loop();
    set.roll_key = fltlim(c.roll + frun.loop_roll, -1, 1);
    set.yaw_key = fltlim(c.yaw, -1, 1);
    msc.dt = run_dt;
}

void fly_frame(void)
{
    apply_run_controls();
    surface_contact();    // what the frame finds before each flight step: the runway under the wheels
    update_flight();
    frun.frames++;
}

int fly_seconds(int seconds, FILE* out)
{
    // No line before the first frame: the air data are the first frame's work.
    int crashes = msc.crash_count;
    for (int s = 0; s < seconds; s++) {
        for (int f = 0; f < run_frames_per_second; f++) {
            fly_frame();
            if (msc.crash_count != crashes) return 0;
        }
        if (out) print_run_line(out, run_now());
    }
    return 1;
}

// ---- record ------------------------------------------------------------------------

float redline_rpm(void) { return pln[0].omegamax * pln[0].gearrat * con.rsctorpm; }

run_line run_now(void)
{
    run_line l;
    l.t_s = (float)frun.frames * run_dt;
    l.x_m = (float)flt.pos_x[0];
    l.z_m = (float)flt.pos_z[0];
    l.alt_ft = (float)flt.pos_y[0] * con.mtrstoft;
    l.agl_ft = ((float)flt.pos_y[0] - env.ground_h) * con.mtrstoft;
    l.kias = flt.ias_kts;
    l.ktas = flt.V_true * con.msctokts;
    l.vs_fpm = (float)flt.vel_y * con.msctofpm;
    l.pitch_deg = flt.theta[0];
    l.roll_deg = flt.phi[0];
    l.hdg_deg = flt.psi[0];
    l.rpm = flt.engine_speed[0] * pln[0].gearrat * con.rsctorpm;
    l.on_ground = flt.on_ground;
    l.stall_warn = flt.stall_warn;
    return l;
}

void print_run_header(FILE* out)
{
    fprintf(out, "t_s x_m z_m alt_ft agl_ft kias ktas vs_fpm pitch_deg roll_deg hdg_deg rpm on_ground stall_warn\n");
}

void print_run_line(FILE* out, const run_line& l)
{
    fprintf(out, "%.1f %.1f %.1f %.1f %.1f %.1f %.1f %.0f %.2f %.2f %.2f %.0f %d %d\n", l.t_s, l.x_m, l.z_m,
            l.alt_ft, l.agl_ft, l.kias, l.ktas, l.vs_fpm, l.pitch_deg, l.roll_deg, l.hdg_deg, l.rpm, l.on_ground,
            l.stall_warn);
    fflush(out);
}

// ---- trim --------------------------------------------------------------------------

float trim_for_level(float throttle)
{
    frun.ctl.throttle = throttle;
    hold_altitude();
    const float y0 = frun.hold_target;
    const int limit = 600 * run_frames_per_second, settle = 20 * run_frames_per_second;
    int crashes = msc.crash_count, steady = 0;
    for (int f = 0; f < limit && steady < settle; f++) {
        fly_frame();
        if (msc.crash_count != crashes) break;
        // The trim moves the elevator half as far as the yoke: twice the
        // yoke's load, taken off over some seconds so the loop keeps up.
        frun.ctl.trim = fltlim(frun.ctl.trim + 0.2f * frun.loop_yoke * run_dt, -1, 1);
        int level = fabsf(frun.loop_yoke) < 0.01f && fabs(flt.vel_y) < 50 * con.fpmtomsc &&
                    fabsf((float)flt.pos_y[0] - y0) < 10;
        steady = level ? steady + 1 : 0;
    }
    hold_off();
    frun.frames = 0;
    return steady >= settle ? frun.ctl.trim : -2;
}
