// Aircraft loading: the aircraft records and the aircraft file.
#include "Initpln.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host.h"
#include "Funct.h"
#include "HL_FUNCT.h"

#include <cmath>
#include <cstdio>
#include <cstring>

planestruct pln[2];
airfoilstruct afl[2];
inststruct ins;
float thro_x[plane_engines], prop_x[plane_engines], mixt_x[plane_engines];
float en_x[3][plane_engines];
float en_y[3];
float osh;

// ---- aircraft file ---------------------------------------------------------

const long plane_header_bytes = 5;   // order mark and version

// A read lands here whole before it replaces pln[p], so a failed read never
// leaves an aircraft made of two designs.
static planestruct pln_read;

static void plane_read_failed(const char* path)
{
    MACIBM_alert("An error occurred during read-in of the aircraft file.",
                 "Either the file has been corrupted, or it is not really an aircraft file.", path, "",
                 2004);
}

static int is_asi_unit(int32_t v) { return v == 1 || v == 2; }

// Names go into paths and alerts, so each ends within its 400 bytes
// whatever the file stored.
static void end_plane_names(planestruct& pl)
{
    pl.C_file[399] = 0;
    pl.C_name[399] = 0;
    pl.C_path[399] = 0;
    pl.tailnum[399] = 0;
    pl.flap_str[399] = 0;
    for (int part = 0; part < plane_parts; part++) {
        pl.Rafl0[part][399] = 0;
        pl.Rafl1[part][399] = 0;
        pl.Tafl0[part][399] = 0;
        pl.Tafl1[part][399] = 0;
    }
}

int read_plane_file(int p, const char* path)
{
    // A file cut anywhere, even inside its header, is a damaged aircraft
    // file rather than a scanning error or a missing file.
    char real[path_max];
    host_resolve_path(path, real, path_max);
    {
        std::ifstream probe(real, std::ios::in | std::ios::binary | std::ios::ate);
        if (!probe.is_open()) return 0;
        if ((long)probe.tellg() < plane_header_bytes + (long)sizeof(planestruct)) plane_read_failed(path);
    }
    if (!inf_open(path, kind_aircraft, plane_file_version, 1)) return 0;
    inf1.read((char*)&pln_read, sizeof pln_read);
    int whole = inf1.gcount() == (std::streamsize)sizeof pln_read;
    inf1.close();
    if (!whole) plane_read_failed(path);

    // The header's mark is not trusted: asi_units, 1 or 2, tells the order.
    // One that reads as neither in either order is no aircraft of ours.
    int foreign = !is_asi_unit(pln_read.asi_units);
    if (foreign) {
        int32_t units = pln_read.asi_units;
        rev_byte_order4(&units);
        if (!is_asi_unit(units)) plane_read_failed(path);
    }
    end_plane_names(pln_read);
    pln[p] = pln_read;
    if (foreign) rev_pln_bytes(p);
    return 1;
}

int write_plane_file(int p, const char* path)
{
    if (!ouf_open(path, kind_aircraft, plane_file_version)) return 0;
    ouf.write((const char*)&pln[p], sizeof(planestruct));
    return ouf_close();
}

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
    if (pln[p].is_heli && part == 0) name = "main rotor";
    if (pln[p].is_heli && part == 1) name = "tail rotor";
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
        MACIBM_alert("y>r", "", "", &shown, 2003);
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
    MACIBM_alert("The following airfoil is unusable:", name, "Correct it in 'Foilwright'.", why, 2004);
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
                     "The file is used by the:", part_name(part, p), 2004);
    if (intscan(path) != afl_device_code)
        MACIBM_alert("An airfoil file is corrupted! The name of the airfoil is:", path, "The file is used by the:",
                     part_name(part, p), 2004);
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
                         "Go into Airwright and select only 3 WIDE instruments for each row of instruments.", 2004);
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
    place_slots(last_slot);
    if (panel == 2) place_fixed();

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
