// Flight utilities and the flight state, and the ten-per-second events.
//
// Sections (grep "---- name"):
//   flight state            flt, ott, pat, clear_flight_state, attitude_sines
//   ten-per-second events   mod_evt, one function a step: the data-output
//                           file, marker tones, stall horn, Morse identifier,
//                           path sample, local turbulence, NAV needles,
//                           moving surfaces, wind and gusts, landing gear,
//                           rabbit lights, brake relief, panel flash
#include "Fltutil.h"
#include "Fltcalc.h"
#include "Hl_sound.h"
#include "Hl_joy.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Event.h"
#include "Genwrld.h"
#include "Graphnif.h"
#include "Initnav.h"
#include "Initpln.h"
#include "Propel.h"
#include "Integ.h"
#include "Startscn.h"

#include <cmath>

// ---- flight state ----------------------------------------------------------------

flightstruct flt;
ottostruct ott;
pathstruct pat;

// One call per module that keeps state for a flight; flt itself is the
// flight reset's to zero.
void clear_flight_state(void)
{
    clear_fltcalc_flight_state();
    clear_sound_flight_state();
    clear_controls_flight_state();
    clear_flight_step_flight_state();
    clear_events_flight_state();
    clear_periodic_flight_state();
    clear_propel_flight_state();
}

float loaded_mass(void) { return pln[0].m_empty + flt.payload + flt.fuel + flt.jettison; }

float bearing_to(float x, float z)
{
    return fltwrap(atan2f(x - (float)flt.pos_x[0], (float)flt.pos_z[0] - z) * con.radtodeg, 0, 360);
}

void attitude_sines(void)
{
    float r = con.degtorad;
    flt.sin_theta = sinf(flt.theta[0] * r);
    flt.cos_theta = cosf(flt.theta[0] * r);
    flt.sin_psi = sinf(flt.psi[0] * r);
    flt.cos_psi = cosf(flt.psi[0] * r);
    flt.sin_phi = sinf(flt.phi[0] * r);
    flt.cos_phi = cosf(flt.phi[0] * r);
}

// ---- ten-per-second events -------------------------------------------------------

// What the events keep for one flight. Every time in it is of sim_time,
// which a new flight restarts, so none of it may outlive the flight.
struct events_flight_state {
    // the identifier being played: one queue of dots, dashes and pauses
    int morse_on = 0;
    int morse_state[morse_slots] = {};
    float morse_time[morse_slots] = {};   // [0] the identifier's start
    // the glide-slope call-out: armed on a stable approach, then every 2 s below the path
    int gs_armed = 0;
    float gs_next = 0;
    float gust[3] = {0, 0, 0};            // m/s, x y z: where the gusts head, renewed each second
    // the wind-shear event: 0 none, 1 headwind, 2 tailwind, 3 a burst through
    int shear_kind = 0;
    float shear_start = 9.9e9f, shear_end = 9.9e9f;
    float shear_along = 0;                // m/s, along the heading
    float shear_down = 0;                 // m/s
};
static events_flight_state evt_flight;

// What they keep for the run: the path ring's write index (the path itself
// is cleared with pat), and what mirrors the stall horn and flap loops, which
// play on across a new flight until these steps see a change and stop them.
struct events_run_state {
    int path_index = 0;
    int stall_warn_seen = 0;
    int wing_stall_seen = 0;              // part 4, the first wing: the stick's buffet
    int flap_sound_on = 0;
};
static events_run_state evt_run;

void clear_events_flight_state(void) { evt_flight = events_flight_state(); }
void clear_events_run_state(void) { evt_run = events_run_state(); }

// Any number of turns into -180..180 and 0..360: headings and courses come
// from files and panels as well as from sums of other angles.
static float wrap180(float a) { return a - 360.0f * floorf((a + 180.0f) / 360.0f); }
static float wrap360(float a) { return a - 360.0f * floorf(a / 360.0f); }

// value moved by step toward target, and landed on it when that leaves it
// nearer than a step.
static float step_toward(float value, float target, float step)
{
    float moved = value + (target > value ? step : -step);
    return fabsf(target - moved) < step ? target : moved;
}

// The data-output file: a blank line and the labels each second, the values
// every tenth.
static void data_output_file(void)
{
    if (!set.out_file_any) return;
    if (msc.tenth_count == 0) {
        trk << '\n';
        for (int i = 0; i < dataout_items; i++)
            if (set.out_file[i]) out_label(out_to_file, i, 0);
        trk << '\n';
    }
    for (int i = 0; i < dataout_items; i++)
        if (set.out_file[i]) out_dat(out_to_file, i, 0);
    trk << '\n';
}

// Marker beacons by their cadence over the second: the outer dashes, the
// middle dots then dashes, the inner dots.
static void marker_tones(void)
{
    int t = msc.tenth_count;
    if (nav.mkr_outer && t == 0) play_buffer(snd_morse_dash, 0);
    if (nav.mkr_middle && t == 0) play_buffer(snd_morse_dot, 0);
    if (nav.mkr_middle && t == 4) play_buffer(snd_morse_dash, 0);
    if (nav.mkr_inner && (t == 0 || t == 3 || t == 6)) play_buffer(snd_morse_dot, 0);
}

// The stall horn loops while the warning holds, and the stick shakes; without
// electrical power nothing changes, so a horn already sounding sounds on.
static void stall_horn(void)
{
    if (!rel.system_ok[sys_electrical]) return;
    const planestruct& a = pln[0];
    if (flt.stall_warn != evt_run.stall_warn_seen) {
        if (flt.stall_warn) {
            play_buffer(snd_stall, 1);
            if (a.ff_stickshaker) JOY_force(6, 100.0f, 10.0f, 0.0f);
        } else {
            stop_buffer(snd_stall);
            if (a.ff_stickshaker) JOY_force(8, 0.0f, 0.0f, 0.0f);
        }
    }
    int wing = flt.part_stalled[part_wing_first];
    if (!a.ff_hydraulic && !a.ff_stickshaker && wing != evt_run.wing_stall_seen) {
        if (wing) JOY_force(6, 500.0f * flt.vne_frac_sq, 5.0f, 0.0f);
        else JOY_force(8, 0.0f, 0.0f, 0.0f);
    }
    evt_run.stall_warn_seen = flt.stall_warn;
    evt_run.wing_stall_seen = wing;
}

static const int morse_receivers[3] = {recv_nav1, recv_nav2, recv_adf};

// The selected receiver's identifier in Morse, again every 10 s while it is
// selected and heard: NAV1, NAV2 or the ADF.
static void morse_identifier(void)
{
    events_flight_state& m = evt_flight;
    float now = msc.sim_time;
    if (!m.morse_on) {
        for (int r : morse_receivers) {
            if (!nav.receiving[r] || nav.audio_sel != r) continue;
            m.morse_on = 1;
            m.morse_time[0] = now;
            for (int k = 0; k < morse_slots; k++) m.morse_state[k] = morse_quiet;
            int k = 0;
            for (int c = 0; c < 4; c++) build_morse_id(nav.ident[r][c], m.morse_state, m.morse_time, &k);
            break;
        }
    }
    if (!m.morse_on) return;
    for (int k = 0; k < morse_slots; k++) {
        if (m.morse_state[k] == morse_quiet || !(m.morse_time[k] < now)) continue;
        play_buffer(m.morse_state[k] == morse_dot ? snd_morse_dot : snd_morse_dash, 0);
        m.morse_state[k] = morse_quiet;
    }
    if (m.morse_time[0] + 10.0f < now) m.morse_on = 0;
}

// One sample of the flown path into the ring, the slot after it marked as
// the end. A time of 0 is that mark, so the first instant of a flight is
// stored as just after it.
static void path_sample(void)
{
    int k = (evt_run.path_index + 1) % path_samples;
    evt_run.path_index = k;
    pat.path_time[(k + 1) % path_samples] = 0.0f;
    pat.path_time[k] = fltmax2(msc.sim_time, 0.001f);
    float plane[6] = {(float)flt.pos_x[0], (float)flt.pos_y[0], (float)flt.pos_z[0],
                      flt.theta[0], flt.psi[0], flt.phi[0]};
    for (int v = 0; v < 6; v++) pat.path_plane[k][v] = plane[v];
    for (int s = 0; s < 2; s++) {
        float ship[6] = {env.ship_x[s], env.ship_y[s], env.ship_z[s],
                         env.ship_pitch[s], env.ship_hdg[s], env.ship_roll[s]};
        float* to = s == 0 ? pat.path_carrier[k] : pat.path_frigate[k];
        for (int v = 0; v < 6; v++) to[v] = ship[v];
    }
    for (int g = 0; g < 3; g++) pat.path_gear[k][g] = (float)pln[0].gear_stat[g];
    for (int c = 0; c < 7; c++) pat.path_condef[k][c] = pln[0].condef[c];
    float controls[6] = {set.ctl_pitch, set.ctl_roll, set.ctl_yaw, flt.flap_ratio, flt.sweep_ratio, pln[0].vertcant[0]};
    for (int v = 0; v < 6; v++) pat.path_controls[k][v] = controls[v];
}

// Local turbulence from the storm cells within two cells of the aircraft,
// felt only under the cloud tops and fading out above the layer's middle.
static void local_turbulence(void)
{
    atm.storm = 0.0f;
    if (!scn.above_clouds) {
        int i, j;
        wx_cell((float)flt.pos_x[0], (float)flt.pos_z[0], &i, &j);
        for (int ii = i - 2; ii <= i + 2; ii++)
            for (int jj = j - 2; jj <= j + 2; jj++) {
                // cells off the field hold no storm
                if (ii < 0 || ii >= wx_grid_cols || jj < 0 || jj >= wx_grid_rows) continue;
                atm.storm += (atm.storm_level - 1.0f) * atm.wx_grid[ii][jj] * 0.04f;
            }
    }
    atm.storm *= layer_fade(con.VIEW_xyz[1], (atm.cloud_base + atm.cloud_tops) * 0.5f, atm.cloud_tops);
}

float layer_fade(float h, float full_at, float none_at)
{
    if (full_at == none_at) return h < none_at ? 1.0f : 0.0f;
    return fltlim(interp(none_at, 0.0f, full_at, 1.0f, h), 0.0f, 1.0f);
}

// The glide-slope call-out: armed on a stable approach (on the localizer and
// the path, lined up, not climbing, within 10 nm), disarmed by a climb, the
// ground or a turn away; then "glide slope" every 2 s while low below the path.
static void glide_slope_alert(int r, float dev, float gs)
{
    const planestruct& a = pln[0];
    if (!(nav.gs_angle[r] > 0.0f) || !a.bitchinbettyEQ || !set.snd_warnings) return;
    events_flight_state& g = evt_flight;
    float now = msc.sim_time;
    float x = (float)flt.pos_x[0], z = (float)flt.pos_z[0];
    float off_course = fabsf(wrap180(flt.psi[0] - nav.loc_crs[r]));
    float vs = (float)flt.vel_y * con.msctofpm;
    float dist = pythag(nav.stn_x[r] - x, z - nav.stn_z[r]);
    if (fabsf(dev) < 2.5f && fabsf(gs) < 2.5f && off_course < 10.0f && vs < 100.0f && dist < 10.0f * con.nmtomtrs)
        g.gs_armed = 1;
    if (vs > 1000.0f || flt.on_ground || off_course > 45.0f) g.gs_armed = 0;
    if (g.gs_armed && (float)flt.pos_y[0] * con.mtrstoft < 1000.0f && gs < -1.0f && now > g.gs_next) {
        play_buffer(snd_glide_slope, 0);
        g.gs_next = now + 2.0f;
    }
}

// A VOR: the radial's deviation from the selected course, TO within 90
// degrees of it (inclusive), otherwise FROM with the needle turned round.
static void vor_needle(int r, float bearing)
{
    float obs = r == recv_nav1 ? nav.nav_crs1 : nav.nav_crs2;
    float dev = wrap180(bearing - (obs - env.mag_var));
    if (fltrange(dev, -90.0f, 90.0f)) {
        nav.tofrom[r] = 1;
    } else {
        nav.tofrom[r] = 2;
        dev = -wrap180(dev + 180.0f);
    }
    nav.cdi[r] = fltlim(dev * 0.5f, -5.0f, 5.0f);
}

int glide_slope_received(int r)
{
    return nav.receiving[r] && nav.gs_angle[r] > 0.0f && nav.gs_angle[r] < 99.0f;
}

// A localizer, with its glide slope when it has one: heard only from in
// front (the needles then clamp to five dots); from behind the flag stays
// down and the needles keep the raw angles.
static void localizer_needles(int r, float bearing)
{
    float x = (float)flt.pos_x[0], y = (float)flt.pos_y[0], z = (float)flt.pos_z[0];
    float dev = wrap180(bearing - nav.loc_crs[r]);
    float gs = 0.0f;
    if (nav.gs_angle[r] > 0.0f)
        gs = atan2f(y - nav.gs_h[r], pythag(nav.gs_x[r] - x, z - nav.gs_z[r])) * con.radtodeg - nav.gs_angle[r];
    nav.cdi[r] = dev;
    nav.gsi[r] = gs;
    if (!fltrange(dev, -90.0f, 90.0f)) return;
    nav.tofrom[r] = 1;
    glide_slope_alert(r, dev, gs);
    nav.cdi[r] = fltlim(dev * 2.0f, -5.0f, 5.0f);
    nav.gsi[r] = fltlim(gs * 2.0f, -5.0f, 5.0f);
}

// The two NAV receivers' needles; NAV1 only on the panels that show it.
static void nav_needles(void)
{
    for (int r = recv_nav1; r <= recv_nav2; r++) {
        if (r == recv_nav1 && !has_nav1_receiver()) continue;
        nav.cdi[r] = 0.0f;
        nav.gsi[r] = 0.0f;
        nav.tofrom[r] = 0;
        if (!nav.receiving[r]) continue;
        float bearing = bearing_to(nav.stn_x[r], nav.stn_z[r]);
        if (nav.gs_angle[r] > 99.0f) vor_needle(r, bearing);
        else localizer_needles(r, bearing);
    }
}

// Wing sweep, thrust vector, flaps and slats toward their commands. Each
// lands on its command once a step leaves it nearer than a step, so a
// handle off the steps' grid (a panel drag, a situation) is reached and the
// flap sound stops.
static void moving_surfaces(void)
{
    planestruct& a = pln[0];
    if (has_variable_sweep(a) && fabsf(flt.sweep_ratio - flt.sweep_req) > 0.01f)
        flt.sweep_ratio = step_toward(flt.sweep_ratio, flt.sweep_req, 0.02f);
    if (!a.is_heli && a.vectEQ && fabsf(a.vertcant[0] - flt.vector_angle) > 0.01f)
        a.vertcant[0] = step_toward(a.vertcant[0], flt.vector_angle, 2.0f);

    if (a.flapEQ || a.slatEQ) {
        int flaps_move = a.flapEQ && rel.system_ok[sys_flaps];
        float gap = flt.flap_request - flt.flap_ratio;
        if (fabsf(gap) <= 0.01f) {
            // Landed on the handle exactly: one off the quarter marks is
            // reached too, and nothing dithers about it.
            if (flaps_move) flt.flap_ratio = flt.flap_request;
            if (flaps_move && a.slatEQ && rel.system_ok[sys_slats]) flt.slat_ratio = fltlim(4.0f * flt.flap_ratio, 0.0f, 1.0f);
            if (evt_run.flap_sound_on) stop_buffer(snd_flaps);
            evt_run.flap_sound_on = 0;
        } else {
            if (flaps_move) {
                // never faster than a step, and within one (and its rounding) onto the handle
                float f = fabsf(gap) <= 0.0251f ? flt.flap_request : flt.flap_ratio + (gap > 0 ? 0.025f : -0.025f);
                flt.flap_ratio = fltlim(f, 0.0f, 1.0f);
                if (!evt_run.flap_sound_on) play_buffer(snd_flaps, 1);
                evt_run.flap_sound_on = 1;
            }
            if (a.slatEQ && rel.system_ok[sys_slats]) flt.slat_ratio = fltlim(4.0f * flt.flap_ratio, 0.0f, 1.0f);
        }
    }
    if (a.autosweepEQ) flt.sweep_req = 1.0f - sqrtf(fltmax2(flt.flap_ratio, 0.0f));
}

// The five wind values h m above the ground: the surface layer at the
// ground, the winds-aloft layers at their heights, straight between them and
// the upper layer's above. Two layers at one height give the upper one's;
// directions turn the short way round.
static void wind_at_height(float h, float w[5])
{
    const float(&layer)[3][5] = atm.wind_layer;
    float mid = atm.wind_alt_mid, high = atm.wind_alt_high;
    if (h >= high) {
        for (int v = 0; v < 5; v++) w[v] = layer[2][v];
        return;
    }
    int lo = 1;
    float h_lo = mid, h_hi = high;
    if (h < mid) {
        lo = 0;
        h_lo = 0.0f;
        h_hi = mid;
    }
    int hi = lo + 1;
    float f = h_hi > h_lo ? fltlim((h - h_lo) / (h_hi - h_lo), 0.0f, 1.0f) : 1.0f;
    for (int v = 0; v < 5; v++) w[v] = layer[lo][v] + (layer[hi][v] - layer[lo][v]) * f;
    float d0 = layer[lo][wl_wind_dir];
    w[wl_wind_dir] = wrap360(d0 + wrap180(layer[hi][wl_wind_dir] - d0) * f);
}

// Once a second: new gust targets from the wind where the aircraft flies,
// its shear and turbulence, a thermal under it and the storm about it. The
// horizontal gusts ease near the ground, the vertical ones die there, all of
// them thin out high up, and a slow aircraft feels them more.
static void renew_gust_targets(float h)
{
    float w[5];
    wind_at_height(h, w);
    float s = (fltrand(-1.0f, 1.0f) * w[wl_shear_speed] + w[wl_wind_speed]) * con.ktstomsc;
    // Directions come unchecked from files: no float too large for an int is converted.
    float dir = fmodf(fltrand(-1.0f, 1.0f) * w[wl_shear_dir] + w[wl_wind_dir] - env.mag_var, 360.0f);
    int d = std::isfinite(dir) ? degwrap((int)dir) : 0;
    int ci = intlim(env.plane_cell_i, 0, region_grid_x - 1), cj = intlim(env.plane_cell_j, 0, region_grid_z - 1);
    float t = atm.thermal_cell[ci][cj] ? atm.thermal_rate * con.fpmtomsc : 0.0f;
    float a = w[wl_turbulence] * 1.5f + atm.storm * 10.0f;
    float y = (float)flt.pos_y[0];
    float fh = fltlim(h * 0.05f, 0.5f, 1.0f);
    float fv = fltlim(h * 0.01f, 0.0f, 1.0f);
    float ft = fltlim((fltmax2(atm.wind_alt_high, 6000.0f) + 2000.0f - y) * 0.001f, 0.1f, 1.0f);
    // no stall speed known counts as the slowest
    float fs = msc.vstall > 0.0f ? fltlim(40.0f / msc.vstall, 0.1f, 2.0f) : 2.0f;
    float* g = evt_flight.gust;
    g[0] = (a * fltrand(-1.0f, 1.0f) - s * lookup_sin[d]) * fh * ft * fs;
    g[1] = (a * fltrand(-1.0f, 1.0f) + t) * fv * ft * fs;
    g[2] = (a * fltrand(-1.0f, 1.0f) + s * lookup_cos[d]) * fh * ft * fs;
}

// Wind shear below 300 m, the likelier the higher the shear setting: 10 to
// 20 s of a head- or tailwind swell, or a burst that swings from head- to
// tailwind with a downdraught between. Its wind in shear[3].
static void wind_shear_event(float h, float shear[3])
{
    events_flight_state& e = evt_flight;
    float now = msc.sim_time;
    const planestruct& a = pln[0];
    atm.wind_shear = 0;
    shear[0] = shear[1] = shear[2] = 0.0f;
    if (e.shear_kind == 0) {
        float p = interp(1.0f, 300.0f, 5.0f, 60.0f, atm.shear_level);
        if (atm.shear_level > 1.0f && h < 300.0f && fltrand(0.0f, p) <= 0.1f) {
            e.shear_kind = intrand(1, 3);
            e.shear_start = now;
            e.shear_end = now + fltrand(10.0f, 20.0f);
            e.shear_along = fltrand(30.0f, 90.0f) * con.ktstomsc;
            e.shear_down = fltrand(2000.0f, 8000.0f) * con.fpmtomsc;
            if (a.bitchinbettyEQ && set.snd_warnings) play_buffer(snd_wind_shear, 0);
        }
    }
    if (e.shear_kind == 0) return;
    float phase = interp(e.shear_start, 0.0f, e.shear_end, 1.0f, now);
    float u = 0.0f, w = 0.0f;
    if (e.shear_kind == 1) u = sinf(phase * con.pi);
    else if (e.shear_kind == 2) u = -sinf(phase * con.pi);
    else {
        u = sinf(phase * con.pim2);
        w = (cosf(phase * con.pim2) - 1.0f) * 0.5f;
    }
    float hdg = flt.psi[0] * con.degtorad;
    shear[0] = -e.shear_along * u * sinf(hdg);
    shear[1] = e.shear_down * w;
    shear[2] = e.shear_along * u * cosf(hdg);
    atm.wind_shear = 1;
    if (e.shear_end < now) e.shear_kind = 0;
}

// The wind the aircraft flies in: gust targets each second, any shear, and
// the air's velocity easing a tenth of the way toward them every call.
static void wind_and_gusts(void)
{
    float h = (float)flt.pos_y[0] - env.ground_h;
    if (msc.tenth_count == 0) renew_gust_targets(h);
    float shear[3];
    wind_shear_event(h, shear);
    const float* g = evt_flight.gust;
    atm.wind_x = 0.9f * atm.wind_x + 0.1f * (g[0] + shear[0]);
    atm.wind_y = 0.9f * atm.wind_y + 0.1f * (g[1] + shear[1]);
    atm.wind_z = 0.9f * atm.wind_z + 0.1f * (g[2] + shear[2]);
}

// Each leg that differs from the handle takes its place once its travel
// time (set by the panel when the handle moved) has passed.
static void landing_gear(void)
{
    if (!pln[0].gear_retract) return;
    int handle = set.gear_down != 0;
    for (int g = 0; g < 3; g++)
        if (pln[0].gear_stat[g] != handle && set.gear_time[g] < msc.sim_time) pln[0].gear_stat[g] = handle;
}

// A tail-wheel aircraft pitching nose-down on the ground eases its brakes
// before it noses over. The rest pitch is kept 0..360, so it is compared
// as -180..180.
static void brake_relief(void)
{
    const planestruct& a = pln[0];
    if (flt.on_ground && a.ngearZ > 0.0f && flt.theta[0] < wrap180(a.the_eqlbm) - 2.0f) flt.brake_ratio *= 0.75f;
}

// The transponder's reply light: a short flash about once a second.
static void panel_flash(void)
{
    if (fltrand(0.0f, 1.0f) < 0.1f) {
        ins.reply_on = msc.sim_time;
        ins.reply_off = msc.sim_time + fltrand(0.1f, 0.3f);
    }
}

// The steps in their order; the tenth counter tells which part of the
// second this call is.
void mod_evt(void)
{
    data_output_file();
    marker_tones();
    stall_horn();
    morse_identifier();
    path_sample();
    local_turbulence();
    nav_needles();
    moving_surfaces();
    wind_and_gusts();
    landing_gear();
    step_rabbits(msc.tenth_count);
    brake_relief();
    panel_flash();
}
