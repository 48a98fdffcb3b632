// Airwright's frame step and 3-D preview.
//
//   run state        the preview's clock between frames
//   design screens   one function per window number of each set
//   frame step       APPLICATION_update, its steps in order
//   preview          find_dis_to_plane, manage_plot, the 3-D turn
//   drawing inputs   the moving controls and the beacon's pulse
#include "UPDATA.h"
#include "../simulator/Drplane.h"   // the aircraft mesh and drawing the simulator shares
#include "Drplane_records.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

flightstruct flt;
preview_clock_state preview_clock;

// ---- run state -------------------------------------------------------------------

// The frame loop's clock at the last frame step, for the preview's time step.
struct update_run_state {
    int started;
    float last_time;
    int last_screen;     // the window open at the last frame step
};
static update_run_state update_run;

void clear_update_run_state(void)
{
    update_run = update_run_state{};
    preview_clock = preview_clock_state{};
    clear_section_pick_state();
}

// A frame's step for the propellers and lights: a stalled frame would spin
// them in one jump, a clock that went back would turn them backwards.
const float preview_dt_max = 0.25f;

// ---- design screens ----------------------------------------------------------------

// Each screen's widgets are in its topic file: UPDATA_screens.cpp (general),
// UPDATA_surfaces.cpp (surfaces and expert), UPDATA_bodies.cpp (bodies).

struct screen_entry {
    int id;
    void (*run)(void);
};

static const screen_entry airplane_screens[] = {
    {win_viewpoint, screen_viewpoint},   {win_panel, screen_panel},
    {win_force, screen_force},           {win_engines, screen_engines},
    {win_props, screen_props},           {win_wing_1, screen_wing_1},
    {win_wing_2, screen_wing_2},         {win_wing_3, screen_wing_3},
    {win_hstab, screen_hstab},           {win_vstab_1, screen_vstab_1},
    {win_vstab_2, screen_vstab_2},       {win_control, screen_control},
    {win_fuselage, screen_fuselage},     {win_nacelles, screen_nacelles},
    {win_misc, screen_misc},             {win_fairings, screen_fairings},
    {win_pylons, screen_pylons},         {win_weight, screen_weight},
    {win_gear, screen_gear},             {win_x_prop, screen_x_prop},
    {win_x_wing_1, screen_x_wing_1},     {win_x_wing_2, screen_x_wing_2},
    {win_x_wing_3, screen_x_wing_3},     {win_x_hstab, screen_x_hstab},
    {win_x_vstab_1, screen_x_vstab_1},   {win_x_vstab_2, screen_x_vstab_2},
    {win_x_special, screen_x_special},   {win_x_vtol, screen_x_vtol},
    {win_x_stability, screen_x_stability},
};

static const screen_entry helicopter_screens[] = {
    {win_viewpoint, hscreen_viewpoint},       {win_panel, screen_panel},
    {win_force, screen_force},                {win_engines, hscreen_engines},
    {win_props, hscreen_main_rotor},          {hwin_tail_rotor, hscreen_tail_rotor},
    {hwin_rotor, hscreen_rotor},              {hwin_hstab, hscreen_hstab},
    {hwin_vstab_1, hscreen_vstab_1},          {hwin_vstab_2, hscreen_vstab_2},
    {hwin_fuselage, screen_fuselage},         {hwin_nacelle, screen_nacelles},
    {hwin_misc, screen_misc},                 {hwin_fairings, screen_fairings},
    {hwin_weight, screen_weight},             {hwin_gear, screen_gear},
    {hwin_x_main_rotor, screen_x_prop},       {hwin_x_tail_rotor, hscreen_x_tail_rotor},
    {hwin_x_hstab, hscreen_x_hstab},          {hwin_x_stability, screen_x_stability},
};

// ---- frame step --------------------------------------------------------------------

// 1. Any press in a screen counts as a change to the design.
static void mark_press_in_screen(void)
{
    if (mnw.topwin != win_main && mnw.mouse_clicked) msc.dirty = 1;
}

// 2. The open screen's widgets, from the set of the design's mode.
static void run_open_screen(void)
{
    // A point picked in a body's section belongs to that visit of the screen.
    if (mnw.topwin != update_run.last_screen) clear_section_pick_state();
    update_run.last_screen = mnw.topwin;

    const screen_entry* set = pln[0].is_heli ? helicopter_screens : airplane_screens;
    int count = pln[0].is_heli ? (int)(sizeof helicopter_screens / sizeof helicopter_screens[0])
                               : (int)(sizeof airplane_screens / sizeof airplane_screens[0]);
    for (int k = 0; k < count; k++)
        if (set[k].id == mnw.topwin) {
            set[k].run();
            return;
        }
}

// 3. An airplane's propellers are all built like the first.
static void copy_propellers(void)
{
    planestruct& a = pln[0];
    if (a.is_heli) return;
    for (int p = 1; p < plane_engines; p++) {
        a.numblades[p] = a.numblades[0];
        a.des_adv[p] = a.des_adv[0];
        a.des_rpm[p] = a.des_rpm[0];
        a.des_vel[p] = a.des_vel[0];
        a.minpitch[p] = a.minpitch[0];
        a.maxpitch[p] = a.maxpitch[0];
        a.els[p] = a.els[0];
        a.semilen[p] = a.semilen[0];
        a.Croot[p] = a.Croot[0];
        a.Ctip[p] = a.Ctip[0];
        memcpy(a.anginc[p], a.anginc[0], sizeof a.anginc[p]);
        memcpy(a.Rafl0[p], a.Rafl0[0], sizeof a.Rafl0[p]);
        memcpy(a.Rafl1[p], a.Rafl1[0], sizeof a.Rafl1[p]);
        memcpy(a.Tafl0[p], a.Tafl0[0], sizeof a.Tafl0[p]);
        memcpy(a.Tafl1[p], a.Tafl1[0], sizeof a.Tafl1[p]);
    }
}

// 4. The preview shows every part at its standard sweep.
static void set_standard_sweep(void)
{
    for (int part = 0; part < plane_parts; part++) pln[0].sweepnow[part] = pln[0].sweep1[part];
}

// 5. Wheel size from the weight; skids as a tube whose front curls up,
// built into wheel fairing 1.
static const float skid_z[7] = {0, 0.02f, 0.05f, 0.08f, 0.12f, 0.98f, 1.0f};
static const float skid_y[7] = {0.048f, 0.03f, 0.013f, 0.005f, 0, 0, 0};
static const int skid_closed[7] = {1, 0, 0, 0, 0, 0, 1};

static void size_landing_gear(void)
{
    planestruct& a = pln[0];
    if (a.gear_type > gear_skids) {
        // A negative weight from a file has no root.
        a.wheelrad = 0.065f * powf(fltmax2(a.m_max, 0.0f), 0.25f);
    } else if (a.gear_type == gear_skids) {
        float L = a.skidl;
        a.wheelrad = 0.02f * L;
        int part = part_fairing_first;
        int S = f_body_s_dim(part, 0), n = f_body_r_dim(part);
        for (int i = 0; i < S && i < 7; i++) {
            float r = skid_closed[i] ? 0.0f : a.wheelrad;
            for (int k = 0; k < n; k++) {
                float q = 2.0f * con.pi * (float)k / (float)n;
                a.body_X[part][i][k] = r * sinf(q);
                a.body_Y[part][i][k] = skid_y[i] * L + r * cosf(q);
                a.body_Z[part][i][k] = skid_z[i] * L;
            }
        }
    }
}

// 6. Left twins mirror their right halves; repeated parts copy the first.
static void mirror_and_copy_parts(void)
{
    // Each wing pair is left then right: the right piece is the one edited.
    for (int left = part_wing_first; left < part_wing_last; left += 2) copy_foil(left + 1, left);
    copy_foil(part_hstab_right, part_hstab_left);
    for (int part = part_pylon_first + 1; part <= part_pylon_last; part++) copy_foil(part_pylon_first, part);
    for (int part = part_nacelle_first + 1; part <= part_nacelle_last; part++) copy_body(part_nacelle_first, part);
    copy_body(part_misc_first, part_misc_last);
    copy_body(part_fairing_first, part_fairing_first + 1);
    copy_body(part_fairing_first, part_fairing_first + 2);
}

// 7. Each pylon's outer end meets its engine: pylondx from the thrust centre
// back along the pylon's dihedral, pylondz behind it.
static void place_pylons(void)
{
    planestruct& a = pln[0];
    for (int part = part_pylon_first; part <= part_pylon_last; part++) {
        int e = part - part_pylon_first;
        float g = latsign(e, 0);
        float d = a.dihed[part] * con.degtorad, w = a.sweep1[part] * con.degtorad, L = a.semilen[part];
        a.Xarm[part] = a.Xarm[e] - g * cosf(d) * a.pylondx - g * cosf(w) * L * cosf(d);
        a.Yarm[part] = a.Yarm[e] - sinf(d) * a.pylondx - cosf(w) * L * sinf(d);
        a.Zarm[part] = a.Zarm[e] + a.pylondz - sinf(w) * L;
    }
}

// 8. Every frame: cheap enough, and the preview can never lag the record.
static void rebuild_mesh(void) { load_plane_geo(0, 0, 0, 0); }

// 9. What a helicopter cannot have other than so; the tail rotor's axis
// stays horizontal.
static void fix_helicopter(void)
{
    planestruct& a = pln[0];
    if (!a.is_heli) return;
    a.ins_of_loc[4] = 0;
    a.ins_of_loc[8] = 0;
    a.radiotype = 1;
    a.vertcant[1] = 90;
}

// The propellers' and lights' clock, from the frame loop's.
static void step_preview_clock(void)
{
    float now = mnw.time_elapsed;
    preview_clock.dt = update_run.started ? fltlim(now - update_run.last_time, 0.0f, preview_dt_max) : 0.0f;
    update_run.started = 1;
    update_run.last_time = now;
    preview_clock.tenth_count = intlim((int)fmodf(fmaxf(now, 0.0f) * 10.0f, 10.0f), 0, 9);
}

// The controls sweep through the design's own limits, each at its own pace
// so that every combination shows; still, they are centred.
static void move_controls(void)
{
    flt = flightstruct{};
    if (!msc.move_controls) return;
    const planestruct& a = pln[0];
    float t = mnw.time_elapsed;
    float roll = sinf(1.3f * t), pitch = sinf(0.9f * t), yaw = sinf(1.1f * t);
    // The up-going aileron takes the up limit, the other the down limit.
    if (roll < 0) {
        flt.ailn_def_L = -roll * a.ailn_up;
        flt.ailn_def_R = roll * a.ailn_dn;
    } else {
        flt.ailn_def_L = -roll * a.ailn_dn;
        flt.ailn_def_R = roll * a.ailn_up;
    }
    flt.elev_def_L = flt.elev_def_R = pitch * (pitch > 0 ? a.elev_up : a.elev_dn);
    flt.rudd_def_now = -yaw * a.rudd_def;
    flt.flap_ratio = 0.5f - 0.5f * cosf(0.5f * t);
    flt.pitch_trim = sinf(0.7f * t);
}

// 10. The main view: the preview, or the turn that was asked for.
static void spin_preview(void);
static void draw_main_view(void)
{
    if (mnw.topwin != win_main) return;
    msc.plane_size = find_dis_to_plane();
    if (msc.spin_mode == item_spin_quick || msc.spin_mode == item_spin_long) spin_preview();
    else manage_plot();
}

void APPLICATION_update(void)
{
    mark_press_in_screen();
    run_open_screen();
    copy_propellers();
    set_standard_sweep();
    size_landing_gear();
    mirror_and_copy_parts();
    place_pylons();
    rebuild_mesh();
    fix_helicopter();
    step_preview_clock();
    move_controls();
    draw_main_view();
}

// ---- preview -----------------------------------------------------------------------

// Widens front..back over z.
static void take_z(float z, float* front, float* back)
{
    *front = fminf(*front, z);
    *back = fmaxf(*back, z);
}

float find_dis_to_plane(void)
{
    const planestruct& a = pln[0];
    float front = 0, back = 0, side = 0;
    int engines = intlim(a.numen, 0, plane_engines);
    for (int part = 0; part <= part_vstab_2; part++) {
        if (is_prop(part)) {
            if (part < engines) take_z(a.Zarm[part], &front, &back);
            continue;
        }
        if (!(a.semilen[part] > 0.1f)) continue;
        float span = a.semilen[part];
        float root = get_wing_Zarm(part, 0, 0), tip = get_wing_Zarm(part, span, 0);
        take_z(root - 0.25f * a.Croot[part], &front, &back);
        take_z(root + 0.75f * a.Croot[part], &front, &back);
        take_z(tip - 0.25f * a.Ctip[part], &front, &back);
        take_z(tip + 0.75f * a.Ctip[part], &front, &back);
        side = fmaxf(side, fabsf(get_wing_Xarm(part, span, 0)));
    }
    take_z(a.ngearZ, &front, &back);
    take_z(a.mgearZ, &front, &back);
    int stations = f_body_s_dim(part_fuselage, 0);
    for (int i = 0; i < stations; i++) take_z(a.body_Z[part_fuselage][i][0], &front, &back);
    side = fmaxf(side, fabsf(a.mgearX));
    side = fmaxf(side, fabsf(a.body_r[part_fuselage]));
    float extent = fmaxf(side, fmaxf(fabsf(back - a.cgZ), fabsf(front - a.cgZ)));
    return fmaxf(extent, 1.0f);
}

// The whole screen in reference units again, for the menus and tool tips
// the frame loop draws next.
static void restore_2d_view(void)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    OGL_setstate(0, 0, 0, 0);
}

void manage_plot(void)
{
    float s = msc.plane_size, z = msc.view_zoom;
    float dx = mnw.dx > 0 ? mnw.dx : 800.0f, dy = mnw.dy > 0 ? mnw.dy : 600.0f;
    // A zoom or extent from a damaged file can make no view volume at all.
    if (!(s * z > 0) || !std::isfinite(17 * s) || !std::isfinite(s * z)) return;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-s * z, s * z, -s * z * dy / dx, s * z * dy / dx, 13 * s, 17 * s);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The aircraft sits 15 extents in front of the eye.
    glTranslatef(msc.view_dx * s, msc.view_dy * s, -15 * s);

    // A directional light from the viewer.
    const GLfloat white[4] = {1, 1, 1, 1}, from_eye[4] = {0, 0, 1, 0};
    glLightfv(GL_LIGHT0, GL_AMBIENT, white);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_POSITION, from_eye);
    glClear(GL_DEPTH_BUFFER_BIT);
    // The shared drawing fogs its textured pass as the simulator's scene
    // does; the preview has no haze, so the fog starts past the far plane.
    glFogf(GL_FOG_START, 20 * s);
    glFogf(GL_FOG_END, 40 * s);

    // Turned about the centre of gravity.
    glPushMatrix();
    glRotatef(-msc.view_heading, 0, 1, 0);
    glRotatef(-msc.view_pitch, -1, 0, 0);
    glRotatef(-msc.view_roll, 0, 0, 1);
    glTranslatef(0, -pln[0].cgY, -pln[0].cgZ);
    plot_plane(0, 1);
    glPopMatrix();
    restore_2d_view();
}

// The 3-D turn runs inside one frame at 60 degrees a second on the
// program's own clock; nothing else happens until it ends.
const float spin_rate = 60.0f;            // deg/s
const float spin_quick_deg = 135.0f;
const float spin_long_deg = 855.0f;

static void spin_preview(void)
{
    float total = msc.spin_mode == item_spin_long ? spin_long_deg : spin_quick_deg;
    msc.view_pitch = 0;
    msc.view_heading = 0;
    msc.view_roll = 90;
    msc.spin_mode = 0;
    unsigned last = host_ticks_ms();
    for (float turned = 0; turned < total;) {
        unsigned now = host_ticks_ms();
        float dt = (float)(now - last) * 0.001f;
        last = now;
        turned += spin_rate * dt;
        // A stalled pass can turn more than once round.
        msc.view_heading = fltwrap_all(msc.view_heading - spin_rate * dt, 0, 360);
        msc.view_roll = fltwrap_all(msc.view_roll - spin_rate * dt, 0, 360);
        OGL_plot_background();
        manage_plot();
        OGL_sbuf();
    }
}

// ---- drawing inputs -----------------------------------------------------------------

float pulse(float phase) { return 0.5f + 0.5f * sinf(2.0f * (mnw.time_elapsed + phase)); }
