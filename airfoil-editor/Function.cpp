// The section model and its files.
//
// Sections: tables, lift, drag, moment, generate, writing, reading.
#include "Function.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"

#include <cmath>
#include <cstdio>

// ---- tables --------------------------------------------------------------

float cl[foil_table], cd[foil_table], cm[foil_table];
float cls, cds, cms;

float table_alpha(int i)
{
    if (i < -200) return (float)(i + 180);
    if (i > 200) return (float)(i - 180);
    return (float)i / 10.0f;      // the nearest float to the tenth, so 10.0 is exact
}

// The model's parameters and derived fields live in part 0, root, low
// Reynolds number of the edited airfoil record.
static airfoilstruct& A = afl[0];

// ---- lift ----------------------------------------------------------------

float fcolift(float alpha)
{
    if (fltrange(alpha, -20, -10)) {
        if (alpha < A.almin)
            return powf((A.almin - alpha) / A.almintoend, A.Lpowstl) * A.Ldrop2 + A.LstallnegPLdrop1;
        return (powf((A.almin - alpha) / A.almintolin, A.Lpow) - 1) * A.Llintostall + A.linlolift;
    }
    if (fltrange(alpha, 10, 20)) {
        if (alpha < A.almax)
            return A.linhilift - (powf((A.almax - alpha) / A.almaxtolin, A.Lpow) - 1) * A.Llintostall;
        return A.LstallposMLdrop1 - powf((A.almax - alpha) / A.almaxtoend, A.Lpowstl) * A.Ldrop2;
    }
    if (fltrange(alpha, -10, 10)) return A.clM[0][0][0] * alpha + A.clB[0][0][0];
    // Beyond the stall region lift falls on a straight line to none at 90 degrees.
    float edge = alpha < 0 ? -20.0f : 20.0f;
    return interp(20, fcolift(edge), 90, 0, fabsf(alpha));
}

// ---- drag ----------------------------------------------------------------

float fcodrag(float alpha)
{
    if (fltrange(alpha, -20, 20)) {
        float c = powf(fabsf((alpha - A.alDmin) / A.tenMalDmin), A.Dpow) * A.delD + A.Dmin;
        if (A.Bwidth > 0 && A.Bdepth > 0 && A.Bpower > 0) {
            // The laminar bucket: no reduction at its edge, half the depth at
            // half its width, one and a half times the depth at its centre.
            float d = fabsf(alpha - A.Blocalpha);
            if (fltrange(d, A.Bwidth1, A.Bwidth2))
                c -= powf((d - A.Bwidth2) / (A.Bwidth1 - A.Bwidth2), A.Bpwr1) * A.Bdepth1;
            if (d < A.Bwidth1) c -= powf((A.Bwidth1 - d) / A.Bwidth1, A.Bpwr2) * A.Bdepth2 + A.Bdepth1;
        }
        return c;
    }
    float edge = alpha < 0 ? -20.0f : 20.0f;
    return interp(20, fcodrag(edge), 90, 1.28f, fabsf(alpha));
}

// ---- moment --------------------------------------------------------------

float fcomomt(float alpha)
{
    const float cmal2 = A.cmal2[0][0][0], cmal3 = A.cmal3[0][0][0];
    const float cm1 = A.cm1[0][0][0], cm2 = A.cm2[0][0][0], cm3 = A.cm3[0][0][0], cm4 = A.cm4[0][0][0];
    if (alpha <= -20) return interp(-90, 0.32f, -20, cm1, alpha);
    if (fltrange(alpha, -20, cmal2)) return interp(-20, cm1, cmal2, cm2, alpha);
    if (fltrange(alpha, cmal2, cmal3)) return interp(cmal2, cm2, cmal3, cm3, alpha);
    if (fltrange(alpha, cmal3, 20)) return interp(cmal3, cm3, 20, cm4, alpha);
    return interp(20, cm4, 90, -0.32f, alpha);
}

// ---- generate ------------------------------------------------------------

// Each derived field uses the parameters and the fields before it.
static void derive_airfoil(void)
{
    const float clB = A.clB[0][0][0], clM = A.clM[0][0][0];
    A.linlolift = clB - 10 * clM;
    A.linhilift = clB + 10 * clM;
    A.almintoend = A.almin + 20;
    A.almintolin = A.almin + 10;
    A.almaxtoend = A.almax - 20;
    A.almaxtolin = A.almax - 10;
    A.Llintostall = A.Lstall - A.linhilift;
    A.LstallnegPLdrop1 = 2 * clB - A.Lstall + A.Ldrop1;
    A.LstallposMLdrop1 = A.Lstall - A.Ldrop1;
    A.alDmin = (A.DminCL - clB) / clM;
    A.tenMalDmin = 10 - A.alDmin;
    A.delD = A.Dal10 - A.Dmin;
    A.Blocalpha = (A.Bloc - clB) / clM;
    A.Bwidth1 = 0.5f * A.Bwidth / clM;
    A.Bwidth2 = A.Bwidth / clM;
    A.Bpwr1 = A.Bpower;
    A.Bpwr2 = 1 / A.Bpower;
    A.Bdepth1 = 0.5f * A.Bdepth;
    A.Bdepth2 = A.Bdepth;
}

void generate(void)
{
    if (msc.part_type == part_airfoil) {
        derive_airfoil();
        for (int i = -270; i <= 270; i++) {
            float alpha = table_alpha(i);
            cl[i + 270] = fcolift(alpha);
            cd[i + 270] = fcodrag(alpha);
            cm[i + 270] = fcomomt(alpha);
        }
        cls = 0.5f;
        cds = 50.0f;
        cms = 1.0f;
    } else if (msc.part_type == part_flap) {
        for (int i = 0; i <= 400; i++) {
            float a = (float)i / 400.0f;
            float a2 = a * a, a3 = a * a * a;
            cl[i] = A.FLPlco1 * a + A.FLPlco2 * a2 + A.FLPlco3 * a3;
            cd[i] = A.FLPdco1 * a + A.FLPdco2 * a2 + A.FLPdco3 * a3;
            cm[i] = A.FLPmco1 * a + A.FLPmco2 * a2 + A.FLPmco3 * a3;
        }
        cls = 0.5f;
        cds = 5.0f;
        cms = 1.0f;
    }
}

// ---- writing -------------------------------------------------------------

// Every line goes through here, so the file is byte for byte what we print.
static void put(const char* line) { ouf << line << '\n'; }

// A zero that came out of a product with a negative factor is written as 0,
// not "-0".
static double shown(float v) { return v == 0 ? 0.0 : v; }

// Room for one float in fixed notation with six decimals and a blank: a
// sign, 39 digits, the point and the decimals. Values read from a file may be
// that large and still give finite tables.
const int float_text_max = 48;

// The airfoil row at table position i: angle and drag, with lift when wanted.
static void put_row(int i, int with_lift)
{
    char line[3 * float_text_max];
    if (with_lift)
        snprintf(line, sizeof line, "%4.1f %8.5f %8.5f", table_alpha(i), shown(cl[i + 270]), shown(cd[i + 270]));
    else snprintf(line, sizeof line, "%4.1f %8.5f", table_alpha(i), shown(cd[i + 270]));
    put(line);
}

static void write_airfoil(void)
{
    char line[16 + 25 * float_text_max];
    const float constants[25] = {
        A.trat[0][0], A.Re[0][0][0], A.almin, A.almax, A.clB[0][0][0], A.clM[0][0][0], A.Lpow,
        A.Lstall, A.Ldrop1, A.Ldrop2, A.Lpowstl, A.DminCL, A.Dmin, A.Dal10, A.Dpow,
        A.cmal2[0][0][0], A.cmal3[0][0][0], A.cm1[0][0][0], A.cm2[0][0][0], A.cm3[0][0][0],
        A.cm4[0][0][0], A.Bwidth, A.Bdepth, A.Bpower, A.Bloc};
    int n = snprintf(line, sizeof line, "constants: ");
    for (float v : constants)
        if (n < (int)sizeof line) n += snprintf(line + n, sizeof line - n, " %.6f", v);
    put(line);
    put("index     cl         cd");
    for (int i = -270; i <= -100; i++) put_row(i, 1);
    for (int i = -99; i <= 0; i++) put_row(i, 0);
    put("");
    const struct {
        float v;
        const char* label;
    } labelled[8] = {{A.clM[0][0][0], "   clM"}, {A.clB[0][0][0], "   clB"},
                     {A.cmal2[0][0][0], " cmal2"}, {A.cmal3[0][0][0], " cmal3"},
                     {A.cm1[0][0][0], "   cm1"}, {A.cm2[0][0][0], "   cm2"},
                     {A.cm3[0][0][0], "   cm3"}, {A.cm4[0][0][0], "   cm4"}};
    for (const auto& l : labelled) {
        snprintf(line, sizeof line, "%.5f%s", l.v, l.label);
        put(line);
    }
    put("");
    for (int i = 0; i <= 99; i++) put_row(i, 0);
    for (int i = 100; i <= 270; i++) put_row(i, 1);
}

static void write_flap(void)
{
    char line[16 + 9 * float_text_max];
    snprintf(line, sizeof line, "constants: %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.6f", A.FLPlco1,
             A.FLPlco2, A.FLPlco3, A.FLPdco1, A.FLPdco2, A.FLPdco3, A.FLPmco1, A.FLPmco2, A.FLPmco3);
    put(line);
    put("def cl cd cm");
    for (int i = 0; i <= 50; i++) {
        snprintf(line, sizeof line, "%d %.6f %.6f %.6f", i, shown(cl[8 * i]), shown(cd[8 * i]),
                 shown(cm[8 * i]));
        put(line);
    }
}

// The simulator stops at a table row that is no number, so such a part is
// never written; with a lift slope of 0, or a minimum drag at the lift of
// 10 degrees, the model makes one.
static int tables_finite(void)
{
    int n = msc.part_type == part_flap ? 401 : foil_table;
    for (int k = 0; k < n; k++)
        if (!std::isfinite(cl[k]) || !std::isfinite(cd[k]) || !std::isfinite(cm[k])) return 0;
    return 1;
}

int writeoutpart(void)
{
    if (msc.part_type != part_airfoil && msc.part_type != part_flap) return 0;
    if (!tables_finite()) {
        MACIBM_alert("This part cannot be saved: some of its coefficients are not numbers!", msc.part_path,
                     "Check the lift slope, which must not be zero, and the drag values.",
                     "The part was not saved.", alert_notice);
        return 0;
    }
    if (!ouf_open(msc.part_path, msc.part_type, afl_file_version)) return 0;
    put(msc.part_type == part_airfoil ? "1234 device type code" : "2345 device type code");
    if (msc.part_type == part_airfoil) write_airfoil();
    else write_flap();
    // ouf_close has given its notice when the file did not reach the disk;
    // the part then stays dirty so the edits are not taken as saved.
    if (!ouf_close()) return 0;
    msc.part_dirty = 0;
    return 1;
}

// ---- reading -------------------------------------------------------------

void readinpart(void)
{
    const char* path = msc.part_path;
    if (!inf_open(path, msc.part_type, afl_file_version, 1)) {
        MACIBM_alert("Sorry, I can't open the part!!!", "Reason: Undetermined!", "Revert to back-up!", "", alert_fatal);
        return;
    }
    int code = intscan(path);
    if ((code == afl_device_code && msc.part_type == part_flap) ||
        (code == flp_device_code && msc.part_type == part_airfoil))
        MACIBM_alert("This does not appear to be a valid file type for Foilwright!", "", "", "", alert_fatal);
    rln(path);
    msc.part_named = 1;

    // The label word, then the parameters; a value that does not read ends
    // the program, so no previous part's values stay behind under this name.
    wrdscan(C_s, path, line_max, 0);
    if (msc.part_type == part_airfoil) {
        float* const to[25] = {
            &A.trat[0][0], &A.Re[0][0][0], &A.almin, &A.almax, &A.clB[0][0][0], &A.clM[0][0][0],
            &A.Lpow, &A.Lstall, &A.Ldrop1, &A.Ldrop2, &A.Lpowstl, &A.DminCL, &A.Dmin, &A.Dal10,
            &A.Dpow, &A.cmal2[0][0][0], &A.cmal3[0][0][0], &A.cm1[0][0][0], &A.cm2[0][0][0],
            &A.cm3[0][0][0], &A.cm4[0][0][0], &A.Bwidth, &A.Bdepth, &A.Bpower, &A.Bloc};
        for (float* v : to) *v = fltscan(path);
    } else {
        float* const to[9] = {&A.FLPlco1, &A.FLPlco2, &A.FLPlco3, &A.FLPdco1, &A.FLPdco2,
                              &A.FLPdco3, &A.FLPmco1, &A.FLPmco2, &A.FLPmco3};
        for (float* v : to) *v = fltscan(path);
    }
    rln(path);
    msc.part_dirty = 0;
    inf1.close();
    generate();
}
