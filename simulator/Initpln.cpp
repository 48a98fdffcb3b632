// Aircraft loading: the aircraft, airfoil and panel records filled from their files.
//
// Sections (grep "---- name"):
//   loader helpers   part names, slot spacing, circle rows, areas, the 3 x 3 charts
//   airfoil files    grabafoil: one airfoil file into its slot of afl
//   panel layout     set_panel_layout: instrument places, scales, levers, gauges,
//                    attitude rows
//   aircraft loader  load_plane: read, check, SI units, centre of gravity, flags,
//                    airfoils, elements, joined wings, finite-wing factors,
//                    propeller discs, the build-up report and the sounds
// The second stage, the derived tables and the design checks, is in
// Initpln_finish.cpp.
#include "Initpln.h"
#include "Fltcalc.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "Hl_sound.h"
#include "Genwrld.h"
#include "Initgen.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

float thro_x[plane_engines], prop_x[plane_engines], mixt_x[plane_engines];
float en_x[3][plane_engines];
float en_y[3];
float osh;

// ---- loader helpers --------------------------------------------------------

char global_part_name[32];

static const char* const part_names[plane_parts] = {
    "propeller 1", "propeller 2", "propeller 3", "propeller 4", "left wing 1", "rigt wing 1",
    "left wing 2", "rigt wing 2", "left wing 3", "rigt wing 3", "left h-stab", "rigt h-stab",
    "vert stab 1", "vert stab 2", "eng pylon 1", "eng pylon 2", "eng pylon 3", "eng pylon 4",
    "fuselage   ", "nacelle 1  ", "nacelle 2  ", "nacelle 3  ", "nacelle 4  ", "misc body 1",
    "misc body 2", "w-fairing 1", "w-fairing 2", "w-fairing 3",
};

char* part_name(int part, int p)
{
    global_part_name[0] = 0;
    if (part < 0 || part >= plane_parts) return global_part_name;
    const char* name = part_names[part];
    if (pln[p].is_heli && part == part_main_rotor) name = "main rotor";
    if (pln[p].is_heli && part == part_tail_rotor) name = "tail rotor";
    snprintf(global_part_name, sizeof global_part_name, "%s", name);
    return global_part_name;
}

// Kinds 0, 4 and 8 are the narrow instruments; a slot outside the panel
// holds nothing wide.
static int slot_is_wide(int slot, int p)
{
    if (slot < 0 || slot >= plane_slots) return 0;
    int kind = pln[p].ins_of_loc[slot];
    return kind != 0 && kind != 4 && kind != 8;
}

int ret_ins_sep(int a, int b, int p)
{
    return (slot_is_wide(a, p) ? 65 : 51) + (slot_is_wide(b, p) ? 64 : 50);
}

void work_down_circle(float r, float* y, float* x_left, float* x_right)
{
    if (fabsf(*y) > fabsf(r)) {
        int shown = (int)*y;   // the alert shows a whole number
        MACIBM_alert("y>r", "", "", &shown, alert_fatal_number);
    }
    float left_over = r * r - *y * *y;
    *x_right = left_over < 0.0f ? 0.0f : sqrtf(left_over);
    *x_left = -*x_right;
    *y += 1.0f;
}

float findarea(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3)
{
    float ax = x2 - x1, ay = y2 - y1, az = z2 - z1;
    float bx = x3 - x1, by = y3 - y1, bz = z3 - z1;
    return 0.5f * pythag3(ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx);
}

float interp9(float x1, float x2, float x3, float y1, float y2, float y3, float z11, float z12, float z13,
              float z21, float z22, float z23, float z31, float z32, float z33, float x, float y)
{
    int right = !(x < x2);
    int lower = !(y > y2);
    float xa = right ? x2 : x1, xb = right ? x3 : x2;
    float ya = lower ? y2 : y1, yb = lower ? y3 : y2;
    float upper_a = right ? z12 : z11, upper_b = right ? z13 : z12;
    float mid_a = right ? z22 : z21, mid_b = right ? z23 : z22;
    float low_a = right ? z32 : z31, low_b = right ? z33 : z32;
    float top = lower ? interp(xa, mid_a, xb, mid_b, x) : interp(xa, upper_a, xb, upper_b, x);
    float bot = lower ? interp(xa, low_a, xb, low_b, x) : interp(xa, mid_a, xb, mid_b, x);
    return interp(ya, top, yb, bot, y);
}

// Four charts over c (6, 9, 12 across) and d (1.0, 0.5, 0.2 down).
static float specwash_chart(const float z[9], float c, float d)
{
    return interp9(6, 9, 12, 1.0f, 0.5f, 0.2f, z[0], z[1], z[2], z[3], z[4], z[5], z[6], z[7], z[8], c, d);
}

float findspecwash(float a, float b, float c, float d)
{
    static const float T1[9] = {6.2f, 4.0f, 3.0f, 8.0f, 5.1f, 3.9f, 9.1f, 6.1f, 4.3f};
    static const float T2[9] = {-5.25f, -3.5f, -2.51f, -8.17f, -5.33f, -4.0f, -12.0f, -7.38f, -5.0f};
    static const float T3[9] = {0.8f, 0.6f, 0.5f, 0.7f, 0.5f, 0.4f, 0.4f, 0.3f, 0.1f};
    static const float T4[9] = {1.5f, 1.3f, 1.0f, 1.5f, 1.1f, 0.7f, 1.4f, 1.0f, 0.4f};
    a = fltlim(a, 0.0f, 1.0f);
    b = fltlim(b, 0.5f, 2.0f);
    c = fltlim(c, 3.0f, 15.0f);
    d = fltlim(d, 0.1f, 1.1f);
    float t1 = specwash_chart(T1, c, d), t2 = specwash_chart(T2, c, d);
    float t3 = specwash_chart(T3, c, d), t4 = specwash_chart(T4, c, d);
    float k = interp(0.0f, t4, 0.4f, t3, a);
    float e = b - 0.6f;
    return fltlim(t1 + t2 * a, 0.0f, 10.0f) - fltlim(k * e, 0.0f, 10.0f) * e;
}

// ---- airfoil files -----------------------------------------------------------

static void foil_unusable(const char* name, const char* why)
{
    MACIBM_alert("The following airfoil is unusable:", name, "Correct it in 'Foilwright'.", why, alert_fatal);
}

// Every number goes through the scanners, so a file cut short or holding a
// word where a number stands ends in "File-scanning error!" at that number,
// and the table positions alone bound what is stored.
void grabafoil(const char* name, int part, int tip, int high_re, float* almax_out, int p)
{
    if (part < 0 || part >= plane_parts || tip < 0 || tip > 1 || high_re < 0 || high_re > 1 || p < 0 || p > 1)
        return;
    airfoilstruct& a = afl[p];

    // Built here, not in C_s: the header reader leaves the version line's
    // rest there, and the alerts must show the path.
    char path[path_max];
    int fits = snprintf(path, sizeof path, "%s%s", afl_path, name) < (int)sizeof path;
    int saved_use = inf_use;
    inf_use = 1;
    if (!fits || !inf_open(path, kind_text, afl_file_version, 1))
        MACIBM_alert("An airfoil file could not be found! The name of the airfoil is:", path,
                     "The file is used by the:", part_name(part, p), alert_fatal);
    if (intscan(path) != afl_device_code)
        MACIBM_alert("An airfoil file is corrupted! The name of the airfoil is:", path, "The file is used by the:",
                     part_name(part, p), alert_fatal);
    rln(path);

    // The constants line: a label word, then thickness, Reynolds number,
    // minimum and maximum angle; the editor's further parameters are not ours.
    char label[32];
    wrdscan(label, path, (int)sizeof label, 0);
    a.trat[part][tip] = fltscan(path);
    a.Re[part][tip][high_re] = fltscan(path);
    fltscan(path);
    *almax_out = fltscan(path);
    rln(path);
    rln(path);   // column heads

    // Negative side from 90 degrees down to 0, the alpha column thrown away.
    for (int i = afl_drag_rows - 1; i >= 100; i--) {
        fltscan(path);
        a.clneg[part][tip][high_re][i - 100] = fltscan(path);
        a.cdneg[part][tip][high_re][i] = fltscan(path);
    }
    for (int i = 99; i >= 0; i--) {
        fltscan(path);
        a.cdneg[part][tip][high_re][i] = fltscan(path);
    }
    rln(path);

    // Eight values, each followed by its label.
    float* values[8] = {&a.clM[part][tip][high_re], &a.clB[part][tip][high_re], &a.cmal2[part][tip][high_re],
                        &a.cmal3[part][tip][high_re], &a.cm1[part][tip][high_re], &a.cm2[part][tip][high_re],
                        &a.cm3[part][tip][high_re], &a.cm4[part][tip][high_re]};
    for (float* v : values) {
        *v = fltscan(path);
        rln(path);
    }
    rln(path);

    // Positive side from 0 up to 90 degrees.
    for (int i = 0; i < 100; i++) {
        fltscan(path);
        a.cdpos[part][tip][high_re][i] = fltscan(path);
    }
    for (int i = 100; i < afl_drag_rows; i++) {
        fltscan(path);
        a.clpos[part][tip][high_re][i - 100] = fltscan(path);
        a.cdpos[part][tip][high_re][i] = fltscan(path);
    }
    inf1.close();
    inf_use = saved_use;

    // Written so that a value that is no number is refused too.
    for (int j = 0; j < afl_lift_rows; j++) {
        float pos = a.clpos[part][tip][high_re][j], neg = a.clneg[part][tip][high_re][j];
        if (!(pos >= -2.0f && pos <= 2.0f) || !(neg >= -2.0f && neg <= 2.0f))
            foil_unusable(name, "This foil has absurd lift values! Try re-saving the foil in Foilwright if needed!");
    }
    for (int i = 0; i < afl_drag_rows; i++)
        if (!(a.cdpos[part][tip][high_re][i] >= 0.0f) || !(a.cdneg[part][tip][high_re][i] >= 0.0f))
            foil_unusable(name, "This foil has drag less than zero!");
    // The zero-lift angle divides by the lift slope.
    float slope = a.clM[part][tip][high_re];
    if (slope == 0.0f || !std::isfinite(slope))
        foil_unusable(name, "This foil has no lift slope in its linear range!");
    a.al_zl[part][tip][high_re] = -a.clB[part][tip][high_re] / slope;
}

// ---- panel layout --------------------------------------------------------------

static const int upper_row_y = 222, lower_row_y = 84;

// Kinds 1, 2, 3, 5, 6 and 7 are the wide ones, the standard six.
static int kind_is_wide(int kind) { return kind >= 1 && kind <= 7 && kind != 4; }

// Counts the wide instruments of each row and finds, for each kind 1-8, the
// last slot that shows it (0 for none). More than three wide in a row is fatal.
static void check_wide_instruments(int last_slot[9])
{
    const planestruct& a = pln[0];
    int upper = 0, lower = 0;
    for (int k = 0; k < 9; k++) last_slot[k] = 0;
    for (int slot = 1; slot <= 8; slot++) {
        int kind = a.ins_of_loc[slot];
        if (kind_is_wide(kind)) (slot <= 4 ? upper : lower)++;
        if (kind >= 1 && kind <= 8) last_slot[kind] = slot;
        if (upper > 3 || lower > 3)
            MACIBM_alert("Invalid panel specification!",
                         "There can only be THREE WIDE INSTRUMENTS ON EACH ROW of the panel (the fourth must be narrow to fit!)",
                         "The WIDE instruments are the 'standard six', namely the airspeed, horizon, altimeter, turn-slip, HSI, and vertical speed",
                         "Go into Airwright and select only 3 WIDE instruments for each row of instruments.", alert_fatal);
    }
}

// Centres of the slots of the first panel, each row from its first slot on.
static void place_slots(const int last_slot[9])
{
    float slot_x[9] = {0};
    for (int first = 1; first <= 5; first += 4) {
        slot_x[first] = slot_is_wide(first, 0) ? 66.0f : 52.0f;
        for (int s = first + 1; s < first + 4; s++) slot_x[s] = slot_x[s - 1] + (float)ret_ins_sep(s - 1, s, 0);
    }
    for (int k = 1; k <= 8; k++) {
        int s = last_slot[k];
        ins.ins_on[k] = s != 0;
        if (s == 0) continue;   // a kind no slot shows keeps its place
        ins.ins_x[k] = slot_x[s];
        ins.ins_y[k] = (float)(s <= 4 ? upper_row_y : lower_row_y);
    }
}

// The second panel puts every kind in a fixed place.
static void place_fixed(void)
{
    static const struct { int on; float x, y; } fixed[10] = {
        {0, 0, 0},    {1, 11, 218}, {1, 92, 218}, {1, 159, 218}, {1, 439, 222},
        {0, 65, 64},  {1, 92, 93},  {1, 189, 92}, {1, 439, 84},  {1, 0, 0},
    };
    for (int k = 1; k <= 9; k++) {
        ins.ins_on[k] = fixed[k].on;
        ins.ins_x[k] = fixed[k].x;
        ins.ins_y[k] = fixed[k].y;
    }
    if (pln[0].is_heli) ins.ins_on[4] = ins.ins_on[8] = 0;
}

// 330 needle degrees over the scale; no scale at all when the ends give none.
static void scale_airspeed(void)
{
    planestruct& a = pln[0];
    if (a.AStype == 1 || a.AStype == 3) {
        a.ASpwr = 1.0f;
        a.Vmin = a.vectEQ ? 0.0f : fltnear(a.Vso - 10.0f, 10.0f);
        a.Vmax = fltnear(a.Vne + 10.0f, 10.0f);
    } else if (a.AStype == 2) {
        a.ASpwr = 0.3f;
        a.Vmin = 60.0f;
        a.Vmax = 449.0f;
    }
    float span = powf(a.Vmax, a.ASpwr) - powf(a.Vmin, a.ASpwr);
    ins.asi_scale = (std::isfinite(span) && span > 0.0f) ? 330.0f / span : 0.0f;
}

// A gauge without a full scale (a glider's tachometer, a jet's manifold
// pressure) gets no needle scale rather than a division by zero.
static float gauge_scale(float needle, float full_scale)
{
    return (std::isfinite(full_scale) && full_scale > 0.0f) ? needle / full_scale : 0.0f;
}

static void place_levers(void)
{
    static const float thro[4][4] = {{669}, {662, 676}, {655, 669, 683}, {648, 662, 676, 690}};
    static const float prop[4][4] = {{720}, {715, 725}, {710, 720, 730}, {705, 715, 725, 735}};
    static const float mixt[4][4] = {{761}, {756, 766}, {751, 761, 771}, {746, 756, 766, 776}};
    // Columns a smaller aircraft does not set must not keep the last one's.
    for (int e = 0; e < plane_engines; e++) thro_x[e] = prop_x[e] = mixt_x[e] = 0;
    int n = pln[0].numen;
    if (n < 1 || n > plane_engines) return;   // no engine, no levers
    for (int e = 0; e < n; e++) {
        thro_x[e] = thro[n - 1][e];
        prop_x[e] = prop[n - 1][e];
        mixt_x[e] = mixt[n - 1][e];
    }
}

static void place_engine_gauges(void)
{
    const planestruct& a = pln[0];
    // Three and four engines leave row 0 unset: it stays empty (0), not the
    // last aircraft's, and shows no exhaust temperature.
    for (int row = 0; row < 3; row++) {
        en_y[row] = 0;
        for (int e = 0; e < plane_engines; e++) en_x[row][e] = 0;
    }
    if (a.numen <= 2) {
        float d = a.ecam ? -2.0f : 0.0f;
        for (int row = 0; row < 3; row++) {
            en_x[row][0] = 684.0f + d;
            en_x[row][1] = 761.0f + d;
        }
        en_y[0] = 293.0f;
        en_y[1] = 254.0f + (a.ecam ? 17.0f : 0.0f);
        en_y[2] = 177.0f + (a.ecam ? 25.0f : 0.0f);
    } else {
        for (int e = 0; e < plane_engines; e++) {
            en_x[1][e] = 685.0f + 10.0f * (float)e;
            en_x[2][e] = 760.0f + 10.0f * (float)e;
        }
        en_y[1] = en_y[2] = 171.0f;
    }
}

// Row ends of the attitude indicator, a circle on the first panel and a
// square on the second, moved to the horizon's place.
static void attitude_rows(int panel)
{
    planestruct& a = pln[0];
    const int rows = 118;
    float shift = ins.ins_x[2];
    float r = (float)(a.ah_top_prim - a.ah_bot_prim) / 2.0f;   // half rows: the circle ends on the last row
    float y = -r;
    for (int row = a.ah_bot_prim; row <= a.ah_top_prim && row < rows; row++) {
        if (panel == 1) {
            work_down_circle(r, &y, &a.ahx1_prim[row], &a.ahx2_prim[row]);
        } else {
            a.ahx1_prim[row] = (float)-a.ah_semidim_int;
            a.ahx2_prim[row] = (float)a.ah_semidim_int;
        }
        a.ahx1_prim[row] += shift;
        a.ahx2_prim[row] += shift;
    }
    if (panel != 1) return;
    y = -a.ah_semidim_flt;
    for (int row = a.ah_bot_roll; row <= a.ah_top_roll && row < rows; row++) {
        work_down_circle(a.ah_semidim_flt, &y, &a.ahx1_roll[row], &a.ahx2_roll[row]);
        a.ahx1_roll[row] += shift;
        a.ahx2_roll[row] += shift;
    }
}

void set_panel_layout(void)
{
    planestruct& a = pln[0];
    // The loader admits panel types 1 and 2 only; anything else is laid out
    // as the first, so no row table is ever walked from stored values.
    int panel = a.paneltype == 2 ? 2 : 1;

    int last_slot[9];
    check_wide_instruments(last_slot);
    if (panel == 1) place_slots(last_slot);
    else place_fixed();

    if (panel == 1) {
        ins.ins_x[10] = ins.ins_x[3] - 35.0f;
        ins.ins_y[10] = ins.ins_y[3] - 45.0f;
    } else {
        ins.ins_x[10] = ins.ins_x[9] + 175.0f;
        ins.ins_y[10] = ins.ins_y[9] + 15.0f;
    }
    ins.ins_y[4] += 15.0f;
    ins.ins_y[8] += 15.0f;

    ins.radio_dx = a.radiotype == 1 ? 0.0f : 156.0f;
    ins.radio_dy = a.radiotype == 1 ? 0.0f : -155.0f;
    if (a.is_heli) {
        osh = -100.0f;
        for (int k = 1; k <= 10; k++) ins.ins_x[k] += 155.0f;
        ins.radio_dx -= 489.0f;
        ins.radio_dy -= 100.0f;
    } else {
        osh = 0.0f;
    }

    scale_airspeed();
    if (panel == 1) ins.vvi_scale = con.msctofpm * (a.VVItype == 2 ? 0.032f : 0.08f);
    else ins.vvi_scale = con.msctofpm * 0.02f;

    float needle = a.tape ? 100.0f : 272.0f;
    ins.tac_scale = gauge_scale(needle, tac_max());
    ins.n1_scale = gauge_scale(needle, n1__max());
    ins.mpr_scale = gauge_scale(needle, mpr_max());
    ins.trq_scale = gauge_scale(needle, trq_max());
    ins.ff_scale = gauge_scale(needle, ff__max());

    if (panel == 1) {
        a.ah_top_roll = 115;
        a.ah_top_prim = 105;
        a.ah_semidim_flt = 57.5f;
        a.ah_dim_int = 115;
        a.ah_bot_roll = 0;
        a.ah_bot_prim = 10;
        a.ah_semidim_int = 57;
    } else {
        a.ah_top_prim = 104;
        a.ah_semidim_flt = 52.0f;
        a.ah_dim_int = 104;
        a.ah_bot_prim = 0;
        a.ah_semidim_int = 52;
    }

    place_levers();
    place_engine_gauges();

    // Glide-slope marks beside the HSI on the first panel, the horizon on the second.
    int k = panel == 1 ? 6 : 2;
    float x = ins.ins_x[k], y = ins.ins_y[k];
    a.gsx1 = (int)(x - (panel == 1 ? 59.0f : 57.0f));
    a.gsx2 = (int)(x + 53.0f);
    a.gsy1 = (int)(y - 2.0f);
    a.gsyc = (int)y;
    a.gsy2 = (int)(y + 2.0f);
    a.gsw = panel == 1 ? 5 : 4;

    attitude_rows(panel);
}

// ---- aircraft loader -----------------------------------------------------------
//
// load_plane in its order: read, units, centre of gravity and check, names,
// derived flags, panel, airfoils with the finite-wing build-up, propeller
// discs, the second stage, sounds. For the user's aircraft each step that
// shapes the flight model is told to trk, so a designer can see what the
// simulator made of the design.

static void report_head(const char* path)
{
    trk << std::fixed;
    report_title_line("");
    trk << "Volanto aircraft build-up report\n";
    trk << "Simulating " << path << "\n";
    report_title_line("");
    trk << "\n";
    trk << "x location positive aft      x force positive forwards    pitch/alpha pos nose up\n"
           "y location positive right    y force positive right       roll pos right\n"
           "z location positive up       z force positive up          yaw/beta pos nose right\n"
           "\n"
           "elevator, aileron, spoiler   positive control surface up      \n"
           "rudder                       positive control surface right   \n"
           "drag-yaw                     positive control surface deployed\n"
           "pitch cyclic prop pitch      positive request nose up         \n"
           "roll  cyclic prop pitch      positive request nose right      \n\n";
}

static void missing_default_plane(const char* path)
{
    MACIBM_alert("I could not find the plane you last flew, and I could also not find the following:", path,
                 "Be sure that the Cessna 172 is in the 'General Aviation' folder in the 'Planes' folder.",
                 "That (default) airplane is required to start up. Re-Install the 'Planes' folder from the CD or download if needed.",
                 alert_fatal);
}

// The counts and codes that index arrays downstream. A file breaking one is
// damaged, whatever else it holds. Run in SI, so that "exists" means what it
// will mean for the build-up; no step before this one indexes by them.
static int plane_counts_ok(int p)
{
    if (!plane_within_bounds(p)) return 0;
    // A turning propeller or rotor needs a disc to push air with.
    for (int part = part_prop_first; part <= part_prop_last; part++)
        if (have_this_part(part, p) && !(pln[p].semilen[part] > 0.05f)) return 0;
    return 1;
}

static void convert_units(planestruct& a)
{
    const float ft = con.fttomtrs;
    a.peX *= ft;
    a.peY *= ft;
    a.peZ *= ft;
    a.pmax *= con.hptowatt;
    a.critalt *= ft;
    // Engine rpm to propeller rad/s; a jet's gear ratio of 0 leaves them as rpm-scaled.
    float* speeds[4] = {&a.omegamin, &a.omegamax, &a.omegamingreen, &a.omegamaxgreen};
    for (float* w : speeds) {
        *w *= con.rpmtorsc;
        if (a.gearrat != 0.0f) *w /= a.gearrat;
    }
    a.tmax *= con.lbstontn;
    a.fmax *= con.lbstontn;
    a.burnerinc *= con.lbstontn;
    a.facejet *= con.sftosmtr;
    a.vectarm *= ft;
    a.misc_X *= ft;
    a.misc_Y *= ft;
    a.misc_Z *= ft;
    for (int part = 0; part < plane_parts; part++) {
        a.semilen[part] *= ft;
        a.Croot[part] *= ft;
        a.Ctip[part] *= ft;
        a.Xarm[part] *= ft;
        a.Yarm[part] *= ft;
        a.Zarm[part] *= ft;
        a.sweep1[part] = fltwrap(a.sweep1[part], -180.0f, 180.0f);
        a.sweep2[part] = fltwrap(a.sweep2[part], -180.0f, 180.0f);
        for (int st = 0; st < plane_stations; st++)
            for (int pt = 0; pt < plane_points; pt++) {
                a.body_X[part][st][pt] *= ft;
                a.body_Y[part][st][pt] *= ft;
                a.body_Z[part][st][pt] *= ft;
            }
    }
    a.cgY *= ft;
    a.cgZ *= ft;
    a.m_empty *= con.lbstokgs;
    a.m_max *= con.lbstokgs;
    a.m_fuel *= con.lbstokgs;
    a.m_jettison *= con.lbstokgs;
    float* lengths[] = {&a.skidX,      &a.skidY,      &a.skidZ,      &a.skidl,      &a.ngearY,
                        &a.ngearZ,     &a.mgearX,     &a.mgearY,     &a.mgearZ,     &a.ngearY_att,
                        &a.ngearZ_att, &a.mgearX_att, &a.mgearY_att, &a.mgearZ_att, &a.wheelrad,
                        &a.jatoY,      &a.jatoZ};
    for (float* l : lengths) *l *= ft;
    a.jatothrust *= con.lbstontn;
    a.brake_area *= con.sftosmtr;
    a.chute_area *= con.sftosmtr;
    a.puffL *= con.ftlbtonm;
    a.puffM *= con.ftlbtonm;
    a.puffN *= con.ftlbtonm;
}

// Everything downstream measures from the centre of gravity.
static void shift_to_cg(planestruct& a)
{
    const float cy = a.cgY, cz = a.cgZ;
    float* ys[] = {&a.peY, &a.ngearY, &a.ngearY_att, &a.mgearY, &a.mgearY_att, &a.skidY, &a.jatoY, &a.misc_Y};
    float* zs[] = {&a.peZ, &a.ngearZ, &a.ngearZ_att, &a.mgearZ, &a.mgearZ_att, &a.skidZ, &a.jatoZ, &a.misc_Z};
    for (float* y : ys) *y -= cy;
    for (float* z : zs) *z -= cz;
    for (int part = 0; part <= part_pylon_last; part++) {
        a.Yarm[part] -= cy;
        a.Zarm[part] -= cz;
    }
    for (int st = 0; st <= 10; st++)
        for (int pt = 0; pt < plane_points; pt++) {
            a.body_Y[part_fuselage][st][pt] -= cy;
            a.body_Z[part_fuselage][st][pt] -= cz;
        }
}

static void derive_flags(int p)
{
    planestruct& a = pln[p];
    a.collectEQ = a.is_heli || (a.numen >= 1 && a.vectEQ && turns_propellers(a));
    a.jatoEQ = a.jatodur > 0;
    a.fbrkEQ = a.brake_area > 0;
    a.chuteEQ = a.chute_area > 0;
    a.jettisonEQ = a.m_jettison > 0;
    a.puffEQ = a.puffL > 0 || a.puffM > 0 || a.puffN > 0;
    // Engines of no kind have no power to run on: a glider.
    if (a.numen == 0) a.entype = 0;
    if (a.entype == 0) a.numen = 0;
    // A tail wheel steers the other way; the file keeps the designer's sign.
    if (a.ngearZ > a.mgearZ) a.nwsteer = -a.nwsteer;
    if (a.AShiV < a.ASloV + 1) a.AShiV = a.ASloV + 1;
    a.us_alt = env.reg_lat >= 24 && env.reg_lat <= 50 && env.reg_lon >= -180 && env.reg_lon <= -60;
    a.ecam = (a.paneltype == 2 || a.numen > 2) && !a.is_heli;
    a.tape = a.numen > 2;
    // A stabilizer whose three-quarter chord lies ahead of the centre of
    // gravity is a canard: its elevator works the other way.
    const int hs = part_hstab_left;
    if (have_this_part(part_wing_first, p) && have_this_part(hs, p) && a.Zarm[hs] + 0.75f * a.Croot[hs] < 0) {
        a.elev_up = -a.elev_up;
        a.elev_dn = -a.elev_dn;
    }
    if (a.ADFtype != 2) a.ADFtype = 1;
    if (a.TStype != 2) a.TStype = 1;
    for (int part = part_pylon_first; part <= part_pylon_last; part++) a.els[part] = 1;
}

// Airfoils of one part, the Reynolds-number rule and the stall angle.
static void load_part_airfoils(int part, int p)
{
    planestruct& a = pln[p];
    airfoilstruct& f = afl[p];
    const char* files[4] = {a.Rafl0[part], a.Rafl1[part], a.Tafl0[part], a.Tafl1[part]};
    float almax[4];
    for (int k = 0; k < 4; k++) grabafoil(files[k], part, k / 2, k % 2, &almax[k], p);
    // Interpolation between the two files of a section needs a span.
    for (int tip = 0; tip < 2; tip++)
        if (fabsf(f.Re[part][tip][1] - f.Re[part][tip][0]) < 0.01f) {
            f.Re[part][tip][0] = 0.0f;
            f.Re[part][tip][1] = 99.9f;
        }
    a.alpha_max[part] = (almax[0] + almax[1] + almax[2] + almax[3]) / 4.0f;
    if (p != 0) return;
    static const char* const labels[4] = {"   root lo Re: alphamax=", "   root hi Re: alphamax=",
                                          "   tip  lo Re: alphamax=", "   tip  hi Re: alphamax="};
    for (int k = 0; k < 4; k++) {
        trk << labels[k];
        report_value(almax[k], 6, 2) << " deg, trat=";
        report_value(f.trat[part][k / 2], 5, 3) << ", Re=";
        report_value(f.Re[part][k / 2][k % 2], 5, 2) << " meg for " << files[k] << ".\n";
    }
}

// Element areas and mean chords along the straight taper, and the devices
// that the elements carry.
static void build_elements(int part, int p)
{
    planestruct& a = pln[p];
    const int n = a.els[part];
    for (int el = 0; el < n; el++) {
        if (is_wing(part) || is_hstab(part)) {
            if (a.flap[part][el]) a.flapEQ = 1;
            if (a.slat[part][el]) a.slatEQ = 1;
            if (is_wing(part) && a.sbrk[part][el]) a.sbrkEQ = 1;
        }
        float c1 = a.Croot[part] + (a.Ctip[part] - a.Croot[part]) * (float)el / n;
        float c2 = a.Croot[part] + (a.Ctip[part] - a.Croot[part]) * (float)(el + 1) / n;
        a.s[part][el] = a.semilen[part] * 0.5f * (c1 + c2) / n;
        a.mac[part][el] = c1 + c2 > 0 ? (2.0f / 3.0f) * (c1 + c2 - c1 * c2 / (c1 + c2)) : 0.0f;
        if (p == 0) {
            trk << "   el #" << el + 1 << ": s=";
            report_value(a.s[part][el], 7, 3) << " sqr mtrs, mac=";
            report_value(a.mac[part][el], 6, 3) << " mtrs.\n";
        }
    }
}

static int near_point(int part, float rarm, int other, float other_rarm, float within, int p)
{
    return fabsf(get_wing_Xarm(part, rarm, p) - get_wing_Xarm(other, other_rarm, p)) < within &&
           fabsf(get_wing_Yarm(part, rarm, p) - get_wing_Yarm(other, other_rarm, p)) < within &&
           fabsf(get_wing_Zarm(part, rarm, p) - get_wing_Zarm(other, other_rarm, p)) < within;
}

// Two panels that meet tip to root fly as one wing: span, root and tip of
// the whole in b, cr, ct.
static void join_wings(int part, int p, float* b, float* cr, float* ct)
{
    const planestruct& a = pln[p];
    for (int j = part_wing_first; j <= part_vstab_2; j++) {
        if (j == part || !have_this_part(j, p) || fabsf(a.dihed[j] - a.dihed[part]) >= 30.0f) continue;
        int joined = 0;
        if (near_point(part, a.semilen[part], j, 0.0f, 0.2f * a.Ctip[part], p)) {
            *b = a.semilen[part] + a.semilen[j];
            *cr = a.Croot[part];
            *ct = a.Ctip[j];
            joined = 1;
        }
        if (near_point(j, a.semilen[j], part, 0.0f, 0.2f * a.Ctip[j], p)) {
            *b = a.semilen[part] + a.semilen[j];
            *cr = a.Croot[j];
            *ct = a.Ctip[part];
            joined = 1;
        }
        if (joined && p == 0) {
            char first[32];
            snprintf(first, sizeof first, "%s", part_name(part, p));
            trk << "   !!!Note: I am joining " << first << " to " << part_name(j, p)
                << " to form one continuous wing!!!\n";
        }
    }
}

// Span efficiency of a wing stacked over another (wings only).
static void biplane_efficiency(int part, int p)
{
    planestruct& a = pln[p];
    for (int j = part_wing_first; j <= part_wing_last; j++) {
        if (j == part || !have_this_part(j, p)) continue;
        float ct_min = fminf(a.Ctip[part], a.Ctip[j]), ct_max = fmaxf(a.Ctip[part], a.Ctip[j]);
        float dy = fabsf(a.Yarm[part] - a.Yarm[j]);
        if (!(fabsf(a.Xarm[part] - a.Xarm[j]) < ct_min && fabsf(a.semilen[part] - a.semilen[j]) < 2.0f * ct_min &&
              dy > 0.1f * ct_max && fabsf(a.Zarm[part] - a.Zarm[j]) < dy))
            continue;
        float r = dy / (a.semilen[part] + a.semilen[j]);
        float sigma = 0.9962f - 4.896f * r + 17.98f * r * r - 37.8f * r * r * r + 31.0f * r * r * r * r;
        float mu = a.semilen[part] / a.semilen[j];
        if (mu > 1.0f) mu = 1.0f / mu;
        a.e[part] = 2.0f * mu * mu / (1.0f + 2.0f * sigma * mu + mu * mu);
        if (p == 0) trk << "   Applying biplane interference factor to Oswalds Efficiency!\n";
    }
}

// Finite-wing corrections of one part: aspect ratio, span efficiency, and
// the factors by which its airfoil data are read.
static void finite_wing(int part, int p)
{
    planestruct& a = pln[p];
    const airfoilstruct& f = afl[p];
    float b = a.semilen[part], cr = a.Croot[part], ct = a.Ctip[part];
    if (is_surface(part)) join_wings(part, p, &b, &cr, &ct);

    // Zero chords or a part swept to 90 degrees give no aspect ratio and no
    // ratios of chords, rather than a division by zero.
    const float sweep = a.sweep1[part];
    const float cos_s = cosf(sweep * con.degtorad), sin_s = sinf(sweep * con.degtorad);
    float run = b * sin_s + 0.25f * cr - 0.25f * ct, span = b * cos_s;
    float sweep_eff = span != 0.0f ? atanf(run / span) * con.radtodeg : (run > 0 ? 90.0f : run < 0 ? -90.0f : 0.0f);
    float k1 = fltlim(sweep_eff / 65.0f, 0.0f, 1.0f);
    float k2 = cr > 0 ? fltlim(1.0f - ct / cr, 0.0f, 1.0f) : 0.0f;
    a.AR[part] = cr + ct > 0 ? 2.0f * span / (0.5f * (cr + ct)) : 0.0f;
    a.delta_fac[part] = k1 * k2;

    const float ar = a.AR[part], sweep_abs = fabsf(sweep);
    float ar_term = 1.0f - 0.045f * powf(fmaxf(ar, 0.0f), 0.68f);
    float cos_swept = fmaxf(cosf(fltlim(sweep_abs, 30.0f, 90.0f) * con.degtorad), 0.0f);
    float e1 = 1.78f * ar_term - 0.64f;
    float e2 = 4.61f * ar_term * powf(cos_swept, 0.15f) - 3.1f;
    a.e[part] = sweep_abs < 30.0f ? interp(0.0f, e1, 30.0f, e2, sweep_abs) : e2;
    if (is_wing(part)) biplane_efficiency(part, p);
    a.e[part] = fltlim(a.e[part], 0.5f, 1.0f);

    float slopes = f.clM[part][0][0] + f.clM[part][0][1] + f.clM[part][1][0] + f.clM[part][1][1];
    float a0 = 45.0f * slopes / con.pi;
    float ideal = con.pi * a.e[part] * ar;
    float q = ideal > 0 ? 1.0f / (1.0f + a0 / ideal) : 0.0f;
    a.al_D_al0[part] = 1.0f - 0.68f * (1.0f - q);
    a.cl_D_cl0[part] = 1.0f - 0.32f * (1.0f - q);
    float cm_den = ar + 2.0f * cos_s;
    a.cm_D_cm0[part] = cm_den != 0.0f ? ar * cos_s * cos_s / cm_den : 0.0f;
    a.alpha_max[part] /= a.al_D_al0[part];

    if (p != 0) return;
    trk << "   Oswalds efficiency factor based on AR (";
    report_value(ar, 5, 2) << ") and sweep (";
    report_value(sweep, 5, 1) << " deg) is ";
    report_value(a.e[part], 5, 3) << ".\n";
    trk << "   Thoretical lift-slope reduction is to ";
    report_value(100.0f * q, 5, 1) << "% of the 2-D value.\n";
    trk << "   We will accomplish this by:\n";
    trk << "      using coefficient data at an angle of attack that is ";
    report_value(100.0f * a.al_D_al0[part], 5, 1) << "% of actual (alphamax=";
    report_value(a.alpha_max[part], 5, 2) << "),\n";
    trk << "      and reducing airfoil lift coefficients to            ";
    report_value(100.0f * a.cl_D_cl0[part], 5, 1) << "% of their 2-D value.\n";
    trk << "      Based on AR and sweep, cm change is to               ";
    report_value(100.0f * a.cm_D_cm0[part], 5, 1) << "% of it's 2-D value.\n";
    trk << "      Based on AR and TR, aerodynamic center is moved      ";
    report_value(100.0f * a.delta_fac[part], 5, 1) << "% of the way from the the 25% chord to the 50% chord.\n\n";
}

// Rings of the disc for the slipstream, the disc, and the rotating mass.
static void propeller_disc(int part, int p)
{
    planestruct& a = pln[p];
    const int n = a.els[part];
    const float R = a.semilen[part];
    if (p == 0) trk << "The " << part_name(part, p) << " DISC AREA is broken down into rings for propwash distribution as follows:\n";
    for (int el = 0; el < n; el++) {
        float outer = (float)(el + 1) / n * R, inner = (float)el / n * R;
        a.ringarea[part][el] = con.pi * outer * outer - con.pi * inner * inner;
        if (p == 0) {
            trk << "   element number " << el + 1 << " (lat arm=";
            report_value(get_wing_rarm(part, el, p), 6, 3) << " mtrs):   ring area=";
            report_value(a.ringarea[part][el], 7, 3) << " square meters.\n";
        }
    }
    a.discarea[part] = con.pi * R * R;
    if (p == 0) {
        trk << "                                      TOTAL DISC AREA=";
        report_value(a.discarea[part], 7, 3) << " square meters.\n\n";
    }
    float chord = 0.5f * (a.Ctip[part] + a.Croot[part]);
    float arm = 0.7071f * R;
    a.miprop[part] = R * chord * (0.12f * chord) * 0.5f * (a.is_heli ? 150.0f : 300.0f) * a.numblades[part] * arm * arm;
    if (!a.is_heli) a.miprop[part] *= 1.5f;
    a.propdir[part] = a.propdir[part] == 0 ? 1 : -1;
}

// The sounds in the order the loader has always filled them.
static const int sound_fill_order[sound_slots] = {
    snd_engine, snd_wind, snd_rain, snd_thunder, snd_flaps, snd_gear,
    snd_land_runway, snd_land_off, snd_land_water, snd_boom, snd_sink_rate, snd_pull_up,
    snd_gear_warning, snd_glide_slope, snd_minimums, snd_wind_shear, snd_caution, snd_stall,
    snd_50_feet, snd_25_feet, snd_10_feet, snd_morse_dot, snd_morse_dash};

// The slot's aircraft before a read, put back when the new file proves damaged.
static planestruct pln_before;

// Reads path into slot p, in SI about the centre of gravity, and checks what
// indexes arrays: 1 done, 0 missing, -1 damaged (slot p then as it was).
static int read_plane_in_si(int p, const char* path)
{
    pln_before = pln[p];
    int got = read_plane_file(p, path, 0);
    if (got != 1) return got;
    convert_units(pln[p]);
    shift_to_cg(pln[p]);
    if (plane_counts_ok(p)) return 1;
    pln[p] = pln_before;
    return -1;
}

int load_plane(int p)
{
    if (p < 0 || p > 1) return 0;
    planestruct& a = pln[p];

    // The caller chose the file; its names are put back after the read.
    char file[sizeof a.C_file], path[sizeof a.C_path];
    snprintf(file, sizeof file, "%s", a.C_file);
    snprintf(path, sizeof path, "%s", a.C_path);
    int got = read_plane_in_si(p, path);
    // A damaged file was found, so the user hears of it; then it goes as a
    // missing one would, so a damaged aircraft in the preferences never
    // keeps the user out of the simulator.
    if (got == -1) plane_read_notice(path, p == 0 ? "I will load the default Cessna 172 instead." : "");
    if (got != 1) {
        if (p == 1) return 0;
        char wanted[2 * path_max];
        snprintf(wanted, sizeof wanted, "%s%s%s", app_path, default_plane_folder, default_plane_file);
        snprintf(file, sizeof file, "%s", default_plane_file);
        size_t wanted_len = strlen(wanted);
        int fits = wanted_len < sizeof path;
        path[0] = 0;
        if (fits) memcpy(path, wanted, wanted_len + 1);
        got = fits ? read_plane_in_si(0, path) : 0;
        if (got == 0) missing_default_plane(wanted);
        if (got == -1) plane_read_failed(path);
    }
    // Nothing of the slot's previous aircraft stays in its airfoil tables, not
    // even for parts this one lacks; the editor's section model is not ours.
    memset((char*)&afl[p] + offsetof(airfoilstruct, trat), 0, sizeof(airfoilstruct) - offsetof(airfoilstruct, trat));
    if (p == 0) report_head(path);

    size_t len = strlen(file);
    snprintf(a.C_name, sizeof a.C_name, "%.*s", (int)(len >= 4 ? len - 4 : 0), file);
    snprintf(a.C_file, sizeof a.C_file, "%s", file);
    snprintf(a.C_path, sizeof a.C_path, "%s", path);
    for (char& c : a.tailnum)
        if (c == ' ') c = 0;

    derive_flags(p);
    if (p == 0) set_panel_layout();

    for (int part = 0; part <= part_pylon_last; part++) {
        if (!have_this_part(part, p)) continue;
        if (p == 0) trk << "Finite-Wing & Element Build-Up for " << part_name(part, p) << ":\n";
        load_part_airfoils(part, p);
        a.sweepnow[part] = a.sweep1[part];
        build_elements(part, p);
        finite_wing(part, p);
    }
    if (turns_propellers(a))
        for (int part = 0; part < plane_engines; part++)
            if (have_this_part(part, p)) propeller_disc(part, p);

    finish_plane(p);

    stop_engine_and_windrain();
    if (p == 0)
        for (int slot : sound_fill_order) fill_buffer(slot);
    return 1;
}
