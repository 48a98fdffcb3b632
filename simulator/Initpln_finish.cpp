// Aircraft loading, second stage: what the flight model needs of a design
// that its file does not hold in usable form, and the checks that refuse a
// design the flight model cannot fly.
//
// Sections (grep "---- name"):
//   derived values   radii of gyration, body areas, slats, the flaps file,
//                    gear constants and rest attitude, the stall speed,
//                    downwash and propwash tables; each told to trk for the
//                    user's aircraft
//   design checks    the rules, in the order a designer meets them
#include "Initpln.h"
#include "Fltcalc.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- derived values --------------------------------------------------------

// A file saved from a finished record, or written elsewhere, may hold
// derived values already; everything below is added or flagged on top of
// these, so they start from nothing. The gear heights are the design's own
// and are lowered in place.
static void clear_derived(planestruct& a)
{
    a.Jxx_unitmass = a.Jyy_unitmass = a.Jzz_unitmass = 0.0f;
    a.fuseYcent = a.fuseZcent = 0.0f;
    a.fuse_s_frn = a.fuse_s_sid = a.fuse_s_top = 0.0f;
    a.nace_s = a.misc_s = a.fair_s = 0.0f;
    for (float& f : a.slat_effect) f = 1.0f;
    for (int i = 0; i < plane_flap_rows; i++) a.clflap[i] = a.cdflap[i] = a.cmflap[i] = 0.0f;
    a.ngearcon = a.ngeardmp = a.mgearcon = a.mgeardmp = a.skidcon = a.skiddmp = 0.0f;
    a.h_eqlbm = a.the_eqlbm = 0.0f;
    memset(a.in_downwash, 0, sizeof a.in_downwash);
    memset(a.in_propwash, 0, sizeof a.in_propwash);
    memset(a.spec_wash, 0, sizeof a.spec_wash);
    memset(a.lo_washdir, 0, sizeof a.lo_washdir);
    memset(a.hi_washdir, 0, sizeof a.hi_washdir);
    memset(a.max_washdir, 0, sizeof a.max_washdir);
}

// Sums of the radii of gyration over a weight distribution.
struct gyration_sums {
    float w, y, z, xx, yy, zz;
};

static void add_point(gyration_sums& g, float w, float x, float y, float z)
{
    g.w += w;
    g.y += w * y;
    g.z += w * z;
    g.xx += w * (y * y + z * z);
    g.yy += w * (x * x + z * z);
    g.zz += w * (x * x + y * y);
}

static void add_triangle(gyration_sums& g, const planestruct& a, int s1, int j1, int s2, int j2, int s3, int j3)
{
    const int f = part_fuselage;
    const float(&X)[plane_stations][plane_points] = a.body_X[f];
    const float(&Y)[plane_stations][plane_points] = a.body_Y[f];
    const float(&Z)[plane_stations][plane_points] = a.body_Z[f];
    // Twice the area: the other half of the skin mirrors this one.
    float w = 2.0f * findarea(X[s1][j1], Y[s1][j1], Z[s1][j1], X[s2][j2], Y[s2][j2], Z[s2][j2], X[s3][j3],
                              Y[s3][j3], Z[s3][j3]);
    add_point(g, w, (X[s1][j1] + X[s2][j2] + X[s3][j3]) / 3.0f, (Y[s1][j1] + Y[s2][j2] + Y[s3][j3]) / 3.0f,
              (Z[s1][j1] + Z[s2][j2] + Z[s3][j3]) / 3.0f);
}

static void report_radii(const planestruct& a, const char* const labels[3], const char* last_end)
{
    const float j[3] = {a.Jzz_unitmass, a.Jxx_unitmass, a.Jyy_unitmass};
    for (int k = 0; k < 3; k++) {
        trk << labels[k];
        report_value(sqrtf(j[k]), 7, 3) << (k == 2 ? last_end : " meters.\n");
    }
}

// Mass of one engine, kg, from the rule-of-thumb weight per horsepower or
// per pound of thrust of its kind.
static float engine_mass(const planestruct& a)
{
    const float hp = a.pmax * con.watttohp, thrust_lb = a.tmax * con.ntntolbs;
    float lb = 0.0f;
    if (a.entype == 1 || a.entype == 2) lb = hp * 1.75f * powf(29.92f / a.mpmax, 1.5f);
    else if (a.entype == 3) lb = hp * 0.5f;
    else if (a.entype == 4 || a.entype == 5) lb = thrust_lb * 0.18f;
    else if (a.entype == 6) lb = thrust_lb * 0.01f;
    return lb * con.lbstokgs;
}

// An axis without inertia would stop the flight model's rotation dead.
static const float least_gyration = 0.01f;

static void radii_of_gyration(int p)
{
    planestruct& a = pln[p];
    gyration_sums g = {};
    for (int s = 0; s < 10; s++)
        for (int j = 0; j < 8; j++) {
            add_triangle(g, a, s, j, s, j + 1, s + 1, j + 1);
            add_triangle(g, a, s, j, s + 1, j, s + 1, j + 1);
        }
    // A fuselage of coincident points has no skin and no centroid.
    if (g.w > 0.0f) {
        a.fuseYcent = g.y / g.w;
        a.fuseZcent = g.z / g.w;
    }
    for (int part = part_wing_first; part <= part_pylon_last; part++) {
        if (!have_this_part(part, p)) continue;
        for (int e = 0; e < a.els[part]; e++) {
            float r = get_wing_rarm(part, e, p);
            add_point(g, a.s[part][e], get_wing_Xarm(part, r, p), get_wing_Yarm(part, r, p),
                      get_wing_Zarm(part, r, p));
        }
    }
    if (g.w > 0.0f) {
        a.Jxx_unitmass = g.xx / g.w;
        a.Jyy_unitmass = g.yy / g.w;
        a.Jzz_unitmass = g.zz / g.w;
    }
    a.Jxx_unitmass = fmaxf(a.Jxx_unitmass, least_gyration);
    a.Jyy_unitmass = fmaxf(a.Jyy_unitmass, least_gyration);
    a.Jzz_unitmass = fmaxf(a.Jzz_unitmass, least_gyration);
    if (p == 0) {
        static const char* const labels[3] = {"   The radius of gyration in roll  is ",
                                              "   The radius of gyration in pitch is ",
                                              "   The radius of gyration in yaw   is "};
        trk << "Based on fuselage and wing surface-area distribution:\n";
        report_radii(a, labels, " meters.\n\n");
    }
    if (a.entype == 0) return;

    // The engines are point masses at their propeller hubs; the rest of the
    // empty aircraft keeps the skin's distribution. An estimate that
    // outweighs the aircraft (a tiny manifold pressure) is held to 90 % of it.
    float m = engine_mass(a);
    const float engines_max = 0.9f * a.m_empty;
    if (a.numen > 0 && !(a.numen * m <= engines_max)) m = fmaxf(engines_max, 0.0f) / a.numen;
    if (a.m_empty > 0.0f) {
        float k = (a.m_empty - a.numen * m) / a.m_empty;
        a.Jxx_unitmass *= k;
        a.Jyy_unitmass *= k;
        a.Jzz_unitmass *= k;
        for (int n = 0; n < a.numen; n++) {
            a.Jxx_unitmass += m * (sqr(a.Yarm[n]) + sqr(a.Zarm[n])) / a.m_empty;
            a.Jyy_unitmass += m * (sqr(a.Xarm[n]) + sqr(a.Zarm[n])) / a.m_empty;
            a.Jzz_unitmass += m * (sqr(a.Xarm[n]) + sqr(a.Yarm[n])) / a.m_empty;
        }
        a.Jxx_unitmass = fmaxf(a.Jxx_unitmass, least_gyration);
        a.Jyy_unitmass = fmaxf(a.Jyy_unitmass, least_gyration);
        a.Jzz_unitmass = fmaxf(a.Jzz_unitmass, least_gyration);
    }
    if (p != 0) return;
    for (int n = 0; n < a.numen; n++) {
        trk << "Engine number " << n + 1 << ", however, weighs ";
        report_value(m, 8, 1) << " kg of the total empty aircraft weight of ";
        report_value(a.m_empty, 8, 1) << ", and is at:\n";
        trk << "   long arm=";
        report_value(a.Zarm[n], 7, 3) << " meters.\n";
        trk << "   lat  arm=";
        report_value(a.Xarm[n], 7, 3) << " meters.\n";
        trk << "   vert arm=";
        report_value(a.Yarm[n], 7, 3) << " meters.\n\n";
    }
    static const char* const labels[3] = {"   The radius of gyration in roll is  ",
                                          "   The radius of gyration in pitch is ",
                                          "   The radius of gyration in yaw is   "};
    trk << "Final radii of gyration are then as follows:\n";
    report_radii(a, labels, " meters.\n\n");
}

// The largest cross-section of a body, from the half-profile's trapezoids
// doubled.
static float frontal_area(int part, int p)
{
    const planestruct& a = pln[p];
    const int half = f_body_r_dim(part) / 2;
    float largest = 0.0f;
    for (int s = 0; s < f_body_s_dim(part, p); s++) {
        float area = 0.0f;
        for (int j = 1; j <= half; j++)
            area += (a.body_X[part][s][j - 1] + a.body_X[part][s][j]) *
                    (a.body_Y[part][s][j - 1] - a.body_Y[part][s][j]);
        largest = fmaxf(largest, area);
    }
    return largest;
}

static float widest_point(const planestruct& a, int s)
{
    float w = 0.0f;
    for (int j = 0; j <= 8; j++) w = fmaxf(w, a.body_X[part_fuselage][s][j]);
    return w;
}

static void body_areas(int p)
{
    planestruct& a = pln[p];
    const int f = part_fuselage;
    a.fuse_s_frn = frontal_area(f, p);
    a.nace_s = frontal_area(part_nacelle_first, p);
    a.misc_s = frontal_area(part_misc_first, p);
    a.fair_s = frontal_area(part_fairing_first, p);
    for (int s = 0; s < 10; s++) {
        // Stations listed tail first still enclose an area.
        float dz = fabsf(a.body_Z[f][s + 1][0] - a.body_Z[f][s][0]);
        a.fuse_s_sid +=
            ((a.body_Y[f][s][0] - a.body_Y[f][s][8]) + (a.body_Y[f][s + 1][0] - a.body_Y[f][s + 1][8])) * 0.5f * dz;
        a.fuse_s_top += (widest_point(a, s) + widest_point(a, s + 1)) * dz;
    }
    if (p != 0) return;
    trk << "Based on fuselage geometry:\n";
    const struct {
        const char* label;
        float v;
        const char* unit;
    } lines[5] = {
        {"   The frontal area of the fuselage is ", a.fuse_s_frn, " square meters.\n"},
        {"   The side    area of the fuselage is ", a.fuse_s_sid, " square meters.\n"},
        {"   The top     area of the fuselage is ", a.fuse_s_top, " square meters.\n"},
        {"   The longitudinal centroid of the fuselage is at ", a.fuseZcent, " meters.\n"},
        {"   The vertical     centroid of the fuselage is at ", a.fuseYcent, " meters.\n"},
    };
    for (auto& l : lines) {
        trk << l.label;
        report_value(l.v, 7, 3) << l.unit;
    }
    trk << "These dimensions, like all dimensions in this output file, are with respect to the C.G.!\n\n";
    if (a.nace_eq && turns_propellers(a)) {
        trk << "The frontal area of the engine nacelles is   ";
        report_value(a.nace_s, 7, 3) << " square meters each.\n";
    }
    if (a.misc_eq) {
        trk << "The frontal area of the fuel tanks/floats is ";
        report_value(a.misc_s, 7, 3) << " square meters each.\n";
    }
    if (a.fair_eq) {
        trk << "The frontal area of the wheel fairings is    ";
        report_value(a.fair_s, 7, 3) << " square meters each.\n";
    }
    trk << "\n";
}

static int has_slat(const planestruct& a, int part)
{
    for (int e = 0; e < a.els[part]; e++)
        if (a.slat[part][e]) return 1;
    return 0;
}

static void slat_effects(int p)
{
    planestruct& a = pln[p];
    for (int part = part_wing_first; part <= part_hstab_right; part++) {
        if (!have_this_part(part, p) || !has_slat(a, part)) continue;
        // A part that never stalls has nothing for the slats to stretch.
        if (a.alpha_max[part] > 0.0f) a.slat_effect[part] = (a.slat_inc + a.alpha_max[part]) / a.alpha_max[part];
        if (!std::isfinite(a.slat_effect[part])) a.slat_effect[part] = 1.0f;
        if (p != 0) continue;
        trk << "For " << part_name(part, p) << ":\n";
        trk << "Full slat deployment will cause coefficient data to spread out alpha-wise to ";
        report_value(a.slat_effect[part] * 100.0f, 3, 0) << "% of original.\n";
        trk << "Full slat deployment will also change the lift coefficient by the same amount (keeping the lift SLOPE the same).\n\n";
    }
}

static void flaps_unreadable(const planestruct& a)
{
    MACIBM_alert("An error occurred during read-in of the flaps file.",
                 "Either the file has been corrupted, or it is not really a flaps file. The corrupted flaps file is: ",
                 a.flap_str,
                 "Re-generate the flaps file by opening it up with the 'Foilwright' application and then saving it.",
                 alert_fatal);
}

// The 51 rows of lift, drag and moment increments, by deployment from none
// to full. Every number goes through the scanners, so a file cut short ends
// in "File-scanning error!" with the path.
static void read_flaps_file(int p)
{
    planestruct& a = pln[p];
    // Built here, not in C_s: the header reader leaves the version line's
    // rest there. A path too long for the buffer is a file that cannot be
    // opened.
    char path[path_max];
    int fits = snprintf(path, sizeof path, "%s%s", flp_path, a.flap_str) < (int)sizeof path;
    int saved_use = inf_use;
    inf_use = 1;
    if (!fits || !inf_open(path, kind_flaps, afl_file_version, 1)) {
        // A file that opened but is no flaps file is damaged, not missing.
        if (fits && inf_found) flaps_unreadable(a);
        MACIBM_alert("The flap file that is required by the aircraft you are attempting to fly could not be found.",
                     "The name of the missing flap file is: ", a.flap_str,
                     "Make sure the missing flap file is in the 'flaps' folder.", alert_fatal);
    }
    if (intscan(path) != flp_device_code) flaps_unreadable(a);
    rln(path);
    rln(path);   // the editor's flap constants
    rln(path);   // column heads
    for (int i = 0; i < plane_flap_rows; i++) {
        intscan(path);
        a.clflap[i] = fltscan(path);
        a.cdflap[i] = fltscan(path);
        a.cmflap[i] = fltscan(path);
    }
    inf1.close();
    inf_use = saved_use;
}

static float asin_deg(float v) { return asinf(fltlim(v, -1.0f, 1.0f)) * con.radtodeg; }

// Spring and damping of each leg from the static deflection that the
// aircraft's weight should give, then the height and attitude at rest.
static void landing_gear(int p)
{
    planestruct& a = pln[p];
    const float weight = a.m_max * con.g;
    // 0.15 ft at 1 lb to 1.5 ft at 10,000 lb, no more than a foot.
    float d_ft = fltlim(interp(1.0f, 0.15f, 10000.0f, 1.5f, a.m_max * con.kgstolbs), 0.15f, 1.0f);
    float d = d_ft * con.fttomtrs;

    // Gears at one station carry the weight evenly; the design checks refuse them.
    float span = a.mgearZ - a.ngearZ;
    float Fn = span != 0.0f ? weight * a.mgearZ / span : weight / 3.0f;
    float Fm = span != 0.0f ? 0.5f * weight * -a.ngearZ / span : weight / 3.0f;
    a.ngearcon = Fn / d;
    a.mgearcon = Fm / d;
    // A nose wheel is as stiff as a main leg; a tail wheel is sprung for its own load.
    if (a.mgearZ > a.ngearZ) a.ngearcon = a.mgearcon;
    a.ngeardmp = 0.1f * a.ngearcon;
    a.mgeardmp = 0.1f * a.mgearcon;
    a.skidcon = 2.0f * (0.25f * weight / d);
    a.skiddmp = 0.05f * a.skidcon;

    if (a.gear_type == 2) {
        if (a.skidl > 0.0f) {
            float k = 2.0f * a.skidcon;
            float yF = -a.skidY - ((a.skidZ + a.skidl) / a.skidl) * weight / k;
            float yR = -a.skidY - (-a.skidZ / a.skidl) * weight / k;
            a.h_eqlbm = interp(a.skidZ + a.skidl, yR, a.skidZ, yF, 0.0f);
            a.the_eqlbm = fltwrap(asin_deg((yF - yR) / a.skidl), 0.0f, 360.0f);
        } else {
            a.h_eqlbm = -a.skidY;
        }
    } else if (a.gear_type > 2) {
        if (span != 0.0f) {
            a.h_eqlbm = interp(a.mgearZ, -a.mgearY, a.ngearZ, -a.ngearY, 0.0f);
            a.the_eqlbm = fltwrap(asin_deg((a.mgearY - a.ngearY) / span), 0.0f, 360.0f);
        } else {
            a.h_eqlbm = -0.5f * (a.mgearY + a.ngearY);
        }
        if (a.ngearcon != 0.0f) a.ngearY -= Fn / a.ngearcon;
        if (a.mgearcon != 0.0f) a.mgearY -= Fm / a.mgearcon;
    }
}

// Only the user's aircraft sets the stall speed that the warnings and the
// panel read; a second aircraft loaded for a tow or a drop leaves it alone.
static void stall_speed(int p)
{
    if (p != 0) return;
    const planestruct& a = pln[p];
    float S = 0.0f;
    for (int part = part_wing_first; part <= part_hstab_left; part += 2)
        if (have_this_part(part, p)) S += (a.Croot[part] + a.Ctip[part]) * a.semilen[part];
    // Without a wing to stall, or one too small to give a speed, the warnings
    // take a helicopter's figure.
    float v = sqrtf(fmaxf(2.0f * con.g * a.m_max / (S * con.rhoSL), 0.0f));
    msc.vstall = a.is_heli || !(S > 0.0f) || !std::isfinite(v) ? 50.0f * con.ktstomsc : v;
}

// Which elements of each surface sit behind another surface of the same side,
// within its span.
static void downwash_flags(int p)
{
    planestruct& a = pln[p];
    for (int i = part_wing_first; i <= part_hstab_right; i++)
        for (int j = part_wing_first; j <= part_hstab_right; j++) {
            if (!have_this_part(i, p) || !have_this_part(j, p)) continue;
            if (!(a.Zarm[j] < a.Zarm[i]) || i % 2 != j % 2) continue;
            float lo = fabsf(get_wing_Xarm(j, 0.0f, p)), hi = fabsf(get_wing_Xarm(j, a.semilen[j], p));
            for (int e = 0; e < a.els[i]; e++)
                a.in_downwash[i][j][e] = fltrange(fabsf(get_wing_Xarm(i, get_wing_rarm(i, e, p), p)), lo, hi);
        }
}

// The loader has checked the element counts of the parts that exist only;
// a missing part's count is whatever its file held.
static int elements_shown(int part, int p) { return have_this_part(part, p) ? pln[p].els[part] : 0; }

static int flagged_in_downwash(int i, int j, int p)
{
    for (int e = 0; e < elements_shown(i, p); e++)
        if (pln[p].in_downwash[i][j][e]) return 1;
    return 0;
}

// One chart row: the left part's elements from the tip in, then the right
// part's from the root out. A cell beyond a part's elements is blank, as
// wide as a marked one, so the columns stay in line.
static void chart_row(int left, int p, int downwash)
{
    const planestruct& a = pln[p];
    const int sides[2] = {left, left + 1};
    for (int k = 0; k < 2; k++) {
        const int part = sides[k];
        const int n = elements_shown(part, p);
        for (int c = 0; c < plane_elements; c++) {
            const int e = k == 0 ? plane_elements - 1 - c : c;
            trk << " ";
            for (int m = 0; m < 4; m++) {
                if (e >= n) trk << (downwash ? "  " : " ");
                else if (downwash) {
                    static const char* const marks[4] = {"W1", "W2", "W3", "HS"};
                    int source = part_wing_first + 2 * m + part % 2;
                    trk << (a.in_downwash[part][source][e] ? marks[m] : "--");
                } else {
                    static const char* const marks[4] = {"1", "2", "3", "4"};
                    trk << (a.in_propwash[part][m][e] ? marks[m] : "-");
                }
            }
            trk << " ";
        }
        if (k == 0) trk << "FUSE";
    }
    trk << "\n";
}

static void report_downwash_chart(int p)
{
    trk << "DOWNWASH SITUATION:  W1=wing 1\n"
           "                     W2=wing 2\n"
           "                     W3=wing 3\n"
           "                     HS=horiz stab\n\n";
    for (int part = part_wing_first; part <= part_hstab_left; part += 2) {
        if (!have_this_part(part, p)) continue;
        trk << part_name(part, p) << ": ";
        chart_row(part, p, 1);
    }
    trk << "\n";
}

// How steeply each surface's wake sweeps down onto the surfaces behind it.
// A later surface behind the same one takes its place.
static void downwash_gradients(int p)
{
    planestruct& a = pln[p];
    for (int i = part_wing_first; i <= part_hstab_right; i++)
        for (int j = part_wing_first; j <= part_hstab_right; j++) {
            if (!flagged_in_downwash(i, j, p) || !(a.semilen[j] > 0.0f)) continue;
            float dx = fabsf(a.Zarm[i] - a.Zarm[j]) / a.semilen[j];
            float dz = fabsf(a.Yarm[i] - a.Yarm[j]) / a.semilen[j];
            float taper = a.Croot[j] > 0.0f ? a.Ctip[j] / a.Croot[j] : 1.0f;
            a.spec_wash[j] = findspecwash(dz, dx, a.AR[j], taper);
            char source[32];
            snprintf(source, sizeof source, "%s", part_name(j, p));
            trk << "Based on the " << source << " AR of ";
            report_value(a.AR[j], 6, 2) << ",\n";
            trk << "                         TR of ";
            report_value(taper, 6, 3) << ",\n";
            trk << "                         x-separation of ";
            report_value(dx, 6, 3) << " semi-spans,\n";
            trk << "                     and z-separation of ";
            report_value(dz, 6, 3) << " semi-spans,\n";
            trk << "the downwash of the " << source << " on the ";
            trk << part_name(i, p) << " will be ";
            report_value(a.spec_wash[j], 6, 3) << " deg per coefficient of lift\n";
            trk << "TIMES THE COSINE of the " << source << " sweep.\n\n";
        }
}

// Which elements of each surface behind a propeller lie in its slipstream,
// taken as the square about the hub that holds the disc.
static void propwash_flags(int p)
{
    planestruct& a = pln[p];
    for (int n = 0; n < plane_engines; n++)
        for (int w = part_wing_first; w <= part_vstab_2; w++) {
            if (!have_this_part(n, p) || !have_this_part(w, p) || !(a.Zarm[n] < a.Zarm[w])) continue;
            const float R = a.semilen[n];
            for (int e = 0; e < a.els[w]; e++) {
                float r = get_wing_rarm(w, e, p);
                a.in_propwash[w][n][e] = fltrange(get_wing_Xarm(w, r, p), a.Xarm[n] - R, a.Xarm[n] + R) &&
                                         fltrange(get_wing_Yarm(w, r, p), a.Yarm[n] - R, a.Yarm[n] + R);
            }
        }
}

static int flagged_in_propwash(int w, int n, int p)
{
    for (int e = 0; e < elements_shown(w, p); e++)
        if (pln[p].in_propwash[w][n][e]) return 1;
    return 0;
}

static void report_propwash_chart(int p)
{
    trk << "\nPROPWASH SITUATION: 1 through 4 means propwash from that engine on element.\n\n";
    for (int part = part_wing_first; part <= part_vstab_1; part += 2) {
        if (!have_this_part(part, p)) continue;
        trk << part_name(part, p) << ":";
        chart_row(part, p, 0);
    }
    trk << "\n";
}

// The stream angles from each propeller at which its slipstream passes
// below a surface behind it, hits it fully, and passes above it.
static void propwash_angles(int p)
{
    planestruct& a = pln[p];
    for (int n = 0; n < plane_engines; n++)
        for (int w = part_wing_first; w <= part_vstab_2; w++) {
            if (!flagged_in_propwash(w, n, p)) continue;
            const float dz = a.Zarm[w] - a.Zarm[n], dy = a.Yarm[w] - a.Yarm[n], R = a.semilen[n];
            a.max_washdir[w][n] = atan2f(dy, dz) * con.radtodeg;
            a.hi_washdir[w][n] = atan2f(dy + R, dz) * con.radtodeg;
            a.lo_washdir[w][n] = atan2f(dy - R, dz) * con.radtodeg;
            char source[32];
            snprintf(source, sizeof source, "%s", part_name(n, p));
            trk << "For propwash from " << source << " onto " << part_name(w, p) << ":\n";
            trk << "There will be no   propwash if the propwash stream angle is above ";
            report_value(a.hi_washdir[w][n], 7, 2) << " deg.\n";
            trk << "There will be full propwash if the propwash stream angle is       ";
            report_value(a.max_washdir[w][n], 7, 2) << " deg.\n";
            trk << "There will be no   propwash if the propwash stream angle is below ";
            report_value(a.lo_washdir[w][n], 7, 2) << " deg.\n";
            trk << "The computer will interpolate automatically between these numbers based on prop stream angle.\n\n";
        }
}

static void check_design(int p);

void finish_plane(int p)
{
    if (p < 0 || p > 1) return;
    planestruct& a = pln[p];
    clear_derived(a);
    radii_of_gyration(p);
    body_areas(p);
    slat_effects(p);
    if (a.flapEQ) read_flaps_file(p);
    landing_gear(p);
    stall_speed(p);
    downwash_flags(p);
    // The gradients and stream angles are the user's aircraft's alone: the
    // second aircraft's forces are never built up.
    if (p == 0) {
        report_downwash_chart(p);
        downwash_gradients(p);
    }
    if (!a.is_heli) {
        propwash_flags(p);
        if (p == 0) {
            report_propwash_chart(p);
            propwash_angles(p);
        }
    }
    check_design(p);
}

// ---- design checks ---------------------------------------------------------

// Each rule that fails shows its four lines; a refused design ends the
// program, so only the first failure is ever seen.
struct design_rule {
    int level;
    const char* lines[4];   // a null line stands for the aircraft's file name
};

static void show_rule(const design_rule& r, int p)
{
    const char* l[4];
    for (int k = 0; k < 4; k++) l[k] = r.lines[k] ? r.lines[k] : pln[p].C_file;
    MACIBM_alert(l[0], l[1], l[2], l[3], r.level);
}


// Any of the wings or the stabiliser, by their left members.
static int stations_repeat(const planestruct& a)
{
    for (int s = 1; s <= 10; s++)
        if (a.body_Z[part_fuselage][s][0] == a.body_Z[part_fuselage][s - 1][0]) return 1;
    return 0;
}

static int stabilator_elevator(int p)
{
    const planestruct& a = pln[p];
    const int hs = part_hstab_left;
    if (!have_this_part(hs, p) || a.hstabtype != 1) return 0;
    for (int e = 0; e < a.els[hs]; e++)
        if (a.elev[hs][e]) return 1;
    return 0;
}

static int no_flying_surface(int p)
{
    for (int part = part_wing_first; part <= part_vstab_2; part++)
        if (have_this_part(part, p)) return 0;
    return 1;
}

static int canted_engine(const planestruct& a)
{
    for (int n = 0; n < plane_engines; n++)
        if (fabsf(a.vertcant[n]) > 0.01f) return 1;
    return 0;
}

// The centre of gravity must sit between the wheels: a tail wheel aft with
// the mains ahead (after the ground attitude), or a nose wheel ahead with
// the mains aft. A nose wheel at the centre of gravity carries nothing.
static int gear_not_around_cg(const planestruct& a)
{
    if (a.gear_type <= 2) return 0;
    if (a.ngearZ == 0.0f) return 1;
    return (a.ngearZ > 0.0f && a.mgearY * sinf(a.the_eqlbm * con.degtorad) + a.mgearZ > 0.0f) ||
           (a.ngearZ < 0.0f && a.mgearZ < 0.0f);
}

static const char* const fix_in_editor = "You need to change this in Airwright.";
static const char* const laws_1 = "This defies the immutable laws of physics!";
static const char* const laws_2 = "Please do not defy the immutable laws of physics!";
static const char* const in_question = "The airplane in question is:";
static const char* const two_tails = "There are 2 different tail-types in Volanto: STABILIZER and STABILATOR.";

static void check_design(int p)
{
    const planestruct& a = pln[p];
    const int heli = a.is_heli != 0;
    const float attitude = fltwrap(a.the_eqlbm, -180.0f, 180.0f);
    const struct {
        int fails;
        design_rule rule;
    } rules[] = {
        {!heli && a.Vno == 0.0f, {alert_fatal, {"You entered a Vno of zero!", fix_in_editor, "", ""}}},
        {!heli && a.Vne == 0.0f, {alert_fatal, {"You entered a Vne of zero!", fix_in_editor, "", ""}}},
        // A weight that is no number, or too great to be weighed, is refused with the empty one.
        {!(a.m_empty >= 1.0f) || !std::isfinite(a.m_empty * con.g),
         {alert_fatal, {"You have entered an empty weight of zero!", laws_1, laws_2, nullptr}}},
        {!(a.m_max >= 1.0f) || !std::isfinite(a.m_max * con.g),
         {alert_fatal, {"You have entered a maximum weight of zero!", laws_1, laws_2, nullptr}}},
        {is_piston(a) && a.mpmax < 0.1f,
         {alert_fatal,
          {"You have entered a maximum manifold pressure in Airwright of 0!",
           "It is not possible for a reciprocating engine to operate at full power with zero manifold pressure!",
           "Enter a correct maximum manifold pressure in Airwright... probably 29.9 for normally-aspirated engines.",
           ""}}},
        {stations_repeat(a),
         {alert_fatal,
          {"You have entered a fuselage with at least two sections at the same station!",
           "In other words, the longitudinal location of two fuselage cross-sections is the same.",
           "This is not tenable for the aerodynamics/hydrodynamics flight model.", "Please chnage this in Airwright."}}},
        {a.paneltype == 2 && (a.supptype == 3 || a.supptype == 6),
         {alert_fatal,
          {"You have indicated in 'Airwright' that this aircraft has a GLASS PANEL.",
           "However, you have selected either the Argus or weather-radar as the equipment option.",
           "The glass panel contains all the information of both the Argus and weather radar systems.",
           "Therefore you need to change your equipment type to some other option."}}},
        {a.m_max < a.m_empty,
         {alert_fatal,
          {"You have selected an empty weight that is greater than the maximum weight for this airplane!",
           "Go into Airwright and set the empty weight to less than the maximum weight!", in_question, nullptr}}},
        {a.hstabtype == 1 && a.hstbtrimmax > 0.01f,
         {alert_fatal,
          {two_tails, "You select the tail type for your airplane in the Airwright Horizontal Stabilizer screen.",
           "If you select a tail-type of STABILATOR, you may NOT enter a STABILIZER trim. (Trim is automatically set as a fraction of the full travel).",
           "You have selected a trim, though. Go into Airwright and set the STABILIZER trim to 0, or set the tail-type to STABILIZER."}}},
        {stabilator_elevator(p),
         {alert_fatal,
          {two_tails, "With STABILIZERS, an elevator moves for pitch control.",
           "With STABILATORS, the whole tail moves for pitch control.",
           "You have selected elevators as being on a STABILATOR, which is not acceptable. Correct the design in Airwright."}}},
        {a.fusewash && (a.entype == 0 || (a.entype >= 4 && a.entype <= 6)),
         {alert_fatal,
          {"You have selected the fuselage as being in propwash, yet there are no propellers on this aircraft!",
           "This has me very confused.",
           "Select reciprocating or turboprop engines, or select the fuselage as NOT being in propwash.",
           "Do this in 'Airwright'."}}},
        {a.vectEQ && turns_propellers(a) && (a.elevcyclic == 0.0f || a.ailncyclic == 0.0f) &&
             (a.puffL == 0.0f || a.puffM == 0.0f),
         {alert_fatal,
          {"This aircraft has vectored thrust, but does NOT have pitch and roll cyclic deflections or puffers!",
           "There will be no control authority in hover!", "Add pitch and roll cyclic deflections or add puffers.",
           "...or check the aircraft as being NON-VECTORED THRUST in Foilwright, 'engines' menu."}}},
        {a.vectEQ && a.entype >= 4 && a.entype <= 6 && (a.puffL == 0.0f || a.puffM == 0.0f),
         {alert_fatal,
          {"The puffer moments in pitch and roll are zero.",
           "This will not allow you to manuever the aircraft in pitch or roll.",
           "Put in some puffers for pitch and roll control....",
           "...you can use differential vectoring for rudder control."}}},
        {!heli && no_flying_surface(p),
         {alert_fatal,
          {"This aircraft has no flying surfaces!",
           "You must have at least a stabilizer or something on the airplane!",
           "Put on a wing or stabilizer or something in Airwright.", ""}}},
        {fabsf(attitude) > 30.0f,
         {alert_notice,
          {"This thing sits on the ground with an excessive attitute.",
           "Check up on the landing gear locations and heights in Airwright.", "",
           "I will let you go flying, but you may encounter problems on the ground."}}},
        {a.vectEQ && canted_engine(a),
         {alert_fatal,
          {"This aircraft has both vectored thrust and a canted engine! The trigonometry for this is not currently supported.",
           "You must set the thrust-vectoring option OFF OR set the engine cants to ZERO in Airwright.",
           "Call customer support if niether of these options is feasible.", ""}}},
        {a.vectEQ && has_variable_sweep(a),
         {alert_fatal,
          {"Aircraft has vectored thrust and variable-sweep wing or stabilizer!",
           "This is not allowed because the thrust vector and wing-sweep controls will overlap on the engine control console.",
           "Use vect thrust OR variable-sweep wings, not both.", "Correct the problem in Airwright."}}},
        {a.autosweepEQ && !has_variable_sweep(a),
         {alert_fatal,
          {"Your aircraft has been selected to have the wings and/or horizontal stabilizer sweep automatically ",
           "...yet neither the wings nor the horizontal stabilizer are selected for variable sweep!",
           "This is untenable.", "Correct the problem in Airwright."}}},
        // A skid of no length has no front or back for the weight to fall between.
        {a.gear_type == 2 && (a.skidZ > 0.0f || a.skidZ + a.skidl < 0.0f || !(a.skidl > 0.0f)),
         {alert_fatal,
          {"The center of gravity is not between the front and back of the skid!",
           "This will result in a machine that falls on it's nose or tail on the ground!", "", ""}}},
        {gear_not_around_cg(a),
         {alert_fatal,
          {"The center of gravity is not between the nose gear and the main gear!",
           "This will result in a plane that falls on it's nose or tail on the ground!",
           "Keep the CG between the landing gear by using 'Airwright' to enter the gear and CG in the right place",
           ""}}},
        // An engine that cannot turn at all has no range to govern.
        {turns_propellers(a) && (a.omegamax < a.omegamin || !(a.omegamax > 0.0f)),
         {alert_fatal,
          {"You entered an idle rpm greater then the maximum engine rpm in Airwright!",
           "That is not possible. Go back into Airwright, select the 'Engine' screen, and enter the engine rpm data.",
           in_question, nullptr}}},
        {turns_propellers(a) && a.pmax < 1.0f,
         {alert_fatal,
          {"You requested a reciprocating or turbine engine in Airwright, but have entered an engine power of zero!",
           "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a jet, enter that as the engine type.",
           in_question, nullptr}}},
        {is_jet(a) && a.tmax < 1.0f,
         {alert_fatal,
          {"You requested a jet engine in Airwright, but have entered an engine thrust of zero!",
           "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as the engine type.",
           in_question, nullptr}}},
        {a.entype == 6 && a.fmax < 1.0f,
         {alert_fatal,
          {"You requested a rocket engine in Airwright, but have entered an engine thrust of zero!",
           "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as the engine type.",
           in_question, nullptr}}},
        {a.entype == 6 && a.revthrustEQ == 1,
         {alert_fatal,
          {"You have selected a rocket engine, but still indicated that reverse-thrust is enabled.",
           "This oddity is not supported. Turn OFF reverse-thrust as being available in Airwright.", in_question,
           nullptr}}},
        {heli && a.entype >= 4 && a.entype <= 6,
         {alert_fatal,
          {"You are using a jet or rocket engine on a helicopter!",
           "Helicopters may use reciprocating or turboprop engines only!", in_question, nullptr}}},
        {heli && a.entype == 0,
         {alert_fatal,
          {"You have selected no engines for your helicopter!",
           "Make sure you have either 1 or 2 engines selected for your helicopter in Airwright", "", ""}}},
    };
    for (auto& r : rules)
        if (r.fails) show_rule(r.rule, p);
}
