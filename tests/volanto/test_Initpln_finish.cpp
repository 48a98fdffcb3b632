// Aircraft finishing over the shipped Cessna and small changes of it: the
// radii of gyration, body areas and centroid, slat factors, gear springs and
// rest attitude, stall speed, downwash and propwash tables, all finite and
// derived afresh each time; the flaps file and its alerts. Changes are made
// in SI to the loaded record, which is then finished again.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

static const size_t npos = std::string::npos;

// Both wheels' contact height under the centre of gravity before the struts
// are lowered: 4.05 ft under the thrust line, the centre 0.3 ft under it.
static const float wheel_y = (-4.05f + 0.3f) * 0.3048f;
// The static deflection for 2,550 lb, in feet: the straight line through
// 0.15 ft at 1 lb and 1.5 ft at 10,000 lb.
static const float deflection_2550_ft = 0.15f + 2549.0f * 1.35f / 9999.0f;

// The Cessna as load_plane left slot 0.
static planestruct loaded;

// Slot 0 finished again from the loaded Cessna, its gear heights put back
// and then changed in SI; gives the report of this finishing alone.
static std::string refinish(const std::function<void(planestruct&)>& change)
{
    pln[0] = loaded;
    pln[0].ngearY = pln[0].mgearY = wheel_y;
    change(pln[0]);
    trk.close();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    finish_plane(0);
    return plane_report();
}

static float deg(float rad) { return rad * 180.0f / 3.14159265f; }

// The first derived value of a that is not finite, "" when all are.
static std::string first_non_finite(const planestruct& a)
{
    const struct {
        const char* name;
        const float* v;
        int n;
    } fields[] = {
        {"Jxx_unitmass", &a.Jxx_unitmass, 1}, {"Jyy_unitmass", &a.Jyy_unitmass, 1},
        {"Jzz_unitmass", &a.Jzz_unitmass, 1}, {"fuseYcent", &a.fuseYcent, 1},
        {"fuseZcent", &a.fuseZcent, 1},       {"fuse_s_frn", &a.fuse_s_frn, 1},
        {"fuse_s_sid", &a.fuse_s_sid, 1},     {"fuse_s_top", &a.fuse_s_top, 1},
        {"nace_s", &a.nace_s, 1},             {"misc_s", &a.misc_s, 1},
        {"fair_s", &a.fair_s, 1},             {"slat_effect", a.slat_effect, plane_parts},
        {"clflap", a.clflap, plane_flap_rows}, {"cdflap", a.cdflap, plane_flap_rows},
        {"cmflap", a.cmflap, plane_flap_rows}, {"ngearcon", &a.ngearcon, 1},
        {"ngeardmp", &a.ngeardmp, 1},         {"mgearcon", &a.mgearcon, 1},
        {"mgeardmp", &a.mgeardmp, 1},         {"skidcon", &a.skidcon, 1},
        {"skiddmp", &a.skiddmp, 1},           {"h_eqlbm", &a.h_eqlbm, 1},
        {"the_eqlbm", &a.the_eqlbm, 1},       {"ngearY", &a.ngearY, 1},
        {"mgearY", &a.mgearY, 1},             {"spec_wash", a.spec_wash, plane_parts},
        {"lo_washdir", &a.lo_washdir[0][0], plane_parts * plane_engines},
        {"hi_washdir", &a.hi_washdir[0][0], plane_parts * plane_engines},
        {"max_washdir", &a.max_washdir[0][0], plane_parts * plane_engines},
    };
    for (auto& f : fields)
        for (int k = 0; k < f.n; k++)
            if (!std::isfinite(f.v[k])) return std::string(f.name) + "[" + std::to_string(k) + "]";
    return "";
}

static int flags_set(const planestruct& a)
{
    int n = 0;
    for (int i = 0; i < plane_parts; i++)
        for (int j = 0; j < plane_parts; j++)
            for (int e = 0; e < plane_elements; e++) n += a.in_downwash[i][j][e] != 0;
    return n;
}

class Finishing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(open_loader_surroundings(), 1);
        flt.redline_busted = 0;
        ASSERT_EQ(load_named(0), 1);
        loaded = pln[0];
    }
    void TearDown() override { close_loader_surroundings(); }
};

// An alert in a test that expects none ends the run as a failure.
using QuietFinishing = Finishing;
using FinishingDeathTest = Finishing;

// The Cessna passes every check and flies its stall speed from its wing and
// stabiliser area; the second slot derives the same aircraft but leaves the
// user's stall speed, the report and the slot-0-only gradients alone.
TEST_F(QuietFinishing, ShippedAircraftFinishesInBothSlots)
{
    EXPECT_EQ(first_non_finite(pln[0]), "");
    EXPECT_EQ(host_test_message_box_count(), 0);
    EXPECT_EQ(read_file("Error.out"), "");
    // Both halves of the inner and outer wing panels and the stabiliser, in
    // square feet from the design: 214.3 sq ft.
    float area = ((5.33f + 5.33f) * 7.8f + (5.33f + 3.71f) * 10.24f + (4.0f + 2.8f) * 5.67f) * 0.09290304f;
    float mass = 2550 * 0.4535925f;
    EXPECT_NEAR(msc.vstall, sqrtf(2 * con.g * mass / (area * con.rhoSL)), 0.01f);

    planestruct first = pln[0];
    std::string log = plane_report();
    msc.vstall = 12.5f;
    ASSERT_EQ(load_named(1), 1);
    const planestruct& b = pln[1];
    EXPECT_EQ(msc.vstall, 12.5f);
    EXPECT_EQ(plane_report(), log);
    EXPECT_EQ(first_non_finite(b), "");
    EXPECT_EQ(memcmp(b.in_downwash, first.in_downwash, sizeof b.in_downwash), 0);
    EXPECT_EQ(memcmp(b.in_propwash, first.in_propwash, sizeof b.in_propwash), 0);
    EXPECT_EQ(b.Jxx_unitmass, first.Jxx_unitmass);
    EXPECT_EQ(b.fuse_s_sid, first.fuse_s_sid);
    EXPECT_EQ(b.mgearcon, first.mgearcon);
    EXPECT_EQ(b.mgearY, first.mgearY);
    EXPECT_EQ(b.clflap[50], first.clflap[50]);
    EXPECT_NE(first.spec_wash[4], 0.0f);
    EXPECT_EQ(b.spec_wash[4], 0.0f);
    EXPECT_NE(first.max_washdir[4][0], 0.0f);
    EXPECT_EQ(b.max_washdir[4][0], 0.0f);
}

// The engine mass that turns the surface-area radius j0 into j about an axis
// at squared distance arm2 from the engine: j = j0 (M - m)/M + m arm2/M.
static float engine_mass(float j0, float j, float arm2, float M) { return M * (j - j0) / (arm2 - j0); }

// Radii from the spread of fuselage skin and wing area, then the engine's
// share of the empty mass moved to its own arms: the glider keeps the
// surface radii, each engine type weighs its rule of thumb, and an engine
// estimate above the aircraft is capped at 0.9 of the empty mass.
TEST_F(QuietFinishing, RadiiOfGyrationFromSurfacesThenTheEngines)
{
    const planestruct& c = loaded;
    for (float j : {c.Jxx_unitmass, c.Jyy_unitmass, c.Jzz_unitmass}) {
        EXPECT_GT(sqrtf(j), 0.5f);
        EXPECT_LT(sqrtf(j), 4.0f);
    }
    // Span and length both count in yaw.
    EXPECT_GT(c.Jyy_unitmass, c.Jxx_unitmass);
    EXPECT_GT(c.Jyy_unitmass, c.Jzz_unitmass);
    EXPECT_NE(plane_report().find("Engine number 1, however, weighs "), npos);

    std::string glider = refinish([](planestruct& a) {
        a.entype = 0;
        a.numen = 0;
        a.fusewash = 0;
    });
    EXPECT_NE(glider.find("Based on fuselage and wing surface-area distribution:\n"), npos);
    EXPECT_EQ(glider.find("Engine number"), npos);
    EXPECT_EQ(glider.find("Final radii of gyration"), npos);
    EXPECT_EQ(first_non_finite(pln[0]), "");
    const float j0[3] = {pln[0].Jxx_unitmass, pln[0].Jyy_unitmass, pln[0].Jzz_unitmass};
    EXPECT_GT(j0[1], j0[0]);
    EXPECT_GT(j0[1], j0[2]);

    const float M = c.m_empty, X = c.Xarm[0], Y = c.Yarm[0], Z = c.Zarm[0];
    const float arm2[3] = {Y * Y + Z * Z, X * X + Z * Z, X * X + Y * Y};
    const float lb = con.lbstokgs;
    const struct {
        const char* what;
        int entype;
        float pmax_hp, mpmax, tmax_lb, mass;
    } engines[] = {
        {"piston at sea-level pressure", 2, 180, 29.92f, 0, 180 * 1.75f * lb},
        {"boosted piston", 1, 180, 40.0f, 0, 180 * 1.75f * powf(29.92f / 40.0f, 1.5f) * lb},
        {"turboprop", 3, 180, 29.92f, 0, 90 * lb},
        {"jet", 4, 0, 29.92f, 1000, 180 * lb},
        {"piston at 0.1 inHg, heavier than the aircraft", 2, 180, 0.1f, 0, 0.9f * M},
    };
    for (auto& e : engines) {
        refinish([&](planestruct& a) {
            a.entype = e.entype;
            a.fusewash = 0;
            a.pmax = e.pmax_hp * con.hptowatt;
            a.mpmax = e.mpmax;
            a.tmax = e.tmax_lb * con.lbstontn;
        });
        EXPECT_EQ(first_non_finite(pln[0]), "") << e.what;
        const float j[3] = {pln[0].Jxx_unitmass, pln[0].Jyy_unitmass, pln[0].Jzz_unitmass};
        for (int k = 0; k < 3; k++) {
            EXPECT_GT(j[k], 0.0f) << e.what << " axis " << k;
            EXPECT_NEAR(engine_mass(j0[k], j[k], arm2[k], M), e.mass, 1e-3f * e.mass) << e.what << " axis " << k;
        }
    }
}

// The area a body section encloses, by the shoelace over its n points.
static float section_area(const planestruct& a, int part, int s, int n)
{
    float twice = 0;
    for (int k = 0; k < n; k++) {
        int l = (k + 1) % n;
        twice += a.body_X[part][s][k] * a.body_Y[part][s][l] - a.body_X[part][s][l] * a.body_Y[part][s][k];
    }
    return fabsf(0.5f * twice);
}

static float largest_section(const planestruct& a, int part, int stations, int n)
{
    float most = 0;
    for (int s = 0; s < stations; s++) most = fmaxf(most, section_area(a, part, s, n));
    return most;
}

// A box fuselage 1.2 m wide from 0.5 m under the centre of gravity to 0.9 m
// over it, 8 m long from 2 m ahead: every section the same, points 0 to 8 down
// the right side, the left side mirrored. With reversed set the stations run
// from the tail.
static const float box_w = 0.6f, box_top = 0.9f, box_bottom = -0.5f, box_nose = -2.0f, box_len = 8.0f;
static void box_fuselage(planestruct& a, int reversed)
{
    const float h = box_top - box_bottom;
    for (int s = 0; s <= 10; s++)
        for (int k = 0; k < 16; k++) {
            int j = k <= 8 ? k : 16 - k;
            float x = (j == 0 || j == 8) ? 0.0f : box_w;
            float y = j == 0 ? box_top : j == 8 ? box_bottom : box_top - h * (float)(j - 1) / 6.0f;
            a.body_X[part_fuselage][s][k] = k <= 8 ? x : -x;
            a.body_Y[part_fuselage][s][k] = y;
            a.body_Z[part_fuselage][s][k] = box_nose + box_len * (float)(reversed ? 10 - s : s) / 10.0f;
        }
}

// Areas of the fuselage and fairings from their sections; the skin's
// centroid from the fuselage alone, at the middle of a box whichever way its
// stations run, and at the centre of gravity for a fuselage without skin.
TEST_F(QuietFinishing, BodyAreasAndTheFuselageCentroid)
{
    const planestruct& a = loaded;
    float side = 0, top = 0;
    for (int s = 0; s < 10; s++) {
        float dz = a.body_Z[18][s + 1][0] - a.body_Z[18][s][0];
        float h0 = a.body_Y[18][s][0] - a.body_Y[18][s][8], h1 = a.body_Y[18][s + 1][0] - a.body_Y[18][s + 1][8];
        side += 0.5f * (h0 + h1) * dz;
        top += (a.body_X[18][s][4] + a.body_X[18][s + 1][4]) * dz;   // widest at the side point
    }
    EXPECT_NEAR(a.fuse_s_sid, side, 1e-4f * side);
    EXPECT_NEAR(a.fuse_s_top, top, 1e-4f * top);
    EXPECT_NEAR(a.fuse_s_frn, largest_section(a, 18, 11, 16), 1e-4f);
    EXPECT_NEAR(a.fair_s, largest_section(a, 25, 7, 8), 1e-5f);
    EXPECT_EQ(a.nace_s, 0.0f);
    EXPECT_EQ(a.misc_s, 0.0f);
    // The cabin's section, 3.7 ft wide and 4.5 ft high, is boxier than an
    // ellipse and rounder than a box.
    const float half_w = 1.85f * 0.3048f, half_h = 2.25f * 0.3048f;
    EXPECT_GT(a.fuse_s_frn, 3.14159f * half_w * half_h);
    EXPECT_LT(a.fuse_s_frn, 4 * half_w * half_h);
    EXPECT_GT(a.fuseZcent, a.body_Z[18][0][0]);
    EXPECT_LT(a.fuseZcent, a.body_Z[18][10][0]);
    EXPECT_GT(a.fuseYcent, a.body_Y[18][4][8]);
    EXPECT_LT(a.fuseYcent, a.body_Y[18][4][0]);

    const float w = 2 * box_w, h = box_top - box_bottom;
    const struct {
        const char* what;
        std::function<void(planestruct&)> change;
        float frn, sid, top, ycent, zcent;
    } cases[] = {
        {"a box", [](planestruct& p) { box_fuselage(p, 0); }, w * h, h * box_len, w * box_len,
         0.5f * (box_top + box_bottom), box_nose + 0.5f * box_len},
        {"a box, stations from the tail", [](planestruct& p) { box_fuselage(p, 1); }, w * h, h * box_len,
         w * box_len, 0.5f * (box_top + box_bottom), box_nose + 0.5f * box_len},
        {"a line of points, no skin",
         [](planestruct& p) {
             for (int s = 0; s <= 10; s++)
                 for (int k = 0; k < 16; k++) {
                     p.body_X[18][s][k] = 0;
                     p.body_Y[18][s][k] = 0.2f;
                     p.body_Z[18][s][k] = box_nose + 0.8f * (float)s;
                 }
         },
         0, 0, 0, 0, 0},
    };
    for (auto& c : cases) {
        refinish(c.change);
        const planestruct& b = pln[0];
        EXPECT_EQ(first_non_finite(b), "") << c.what;
        EXPECT_NEAR(b.fuse_s_frn, c.frn, 1e-4f) << c.what;
        EXPECT_NEAR(b.fuse_s_sid, c.sid, 1e-4f) << c.what;
        EXPECT_NEAR(b.fuse_s_top, c.top, 1e-4f) << c.what;
        EXPECT_NEAR(b.fuseYcent, c.ycent, 1e-4f) << c.what;
        EXPECT_NEAR(b.fuseZcent, c.zcent, 1e-4f) << c.what;
    }
}

// Gear springs from the static deflection (capped at 1 ft) and the nose and
// main loads, and the rest height and attitude before the struts are lowered
// by their deflection. Tricycles share the main leg's spring; a
// tail wheel keeps its own; skids leave the wheels where they are.
TEST_F(QuietFinishing, GearSpringsAndRestAttitude)
{
    const float ft = 0.3048f, d0 = deflection_2550_ft * ft;
    const struct {
        const char* what;
        std::function<void(planestruct&)> change;
        float deflection_ft, h, attitude;
        int own_nose_spring;
    } cases[] = {
        {"the Cessna, tricycle at 2,550 lb", [](planestruct&) {}, deflection_2550_ft, -wheel_y, 0.0f, 0},
        {"the Cessna at 30,000 lb", [](planestruct& a) { a.m_max = 30000 * con.lbstokgs; }, 1.0f, -wheel_y, 0.0f, 0},
        // 0.2 m off the nose leg: the nose sits low, 7.02 degrees.
        {"a short nose leg", [](planestruct& a) { a.ngearY = wheel_y + 0.2f; }, deflection_2550_ft,
         -wheel_y - 0.2f * 0.42062f / 1.63678f, 352.98f, 0},
        // Main wheels just ahead of the centre of gravity, a short tail leg
        // 4.5 m aft: nose up by asin(0.543 / 4.8).
        {"a tail wheel",
         [](planestruct& a) {
             a.mgearZ = -0.3f;
             a.ngearZ = 4.5f;
             a.ngearY = -0.6f;
         },
         deflection_2550_ft, -wheel_y - 0.3f * 0.543f / 4.8f, 6.4953f, 1},
        // A quarter of the load on the skids' front end, three quarters at the rear.
        {"a helicopter on skids",
         [](planestruct& a) {
             a.is_heli = 1;
             a.gear_type = 2;
             a.skidZ = -1.5f;
             a.skidl = 2.0f;
             a.skidY = -1.0f;
         },
         deflection_2550_ft, 1.0f - 0.625f * d0, deg(asinf(0.25f * d0)), 0},
    };
    for (auto& c : cases) {
        planestruct before = loaded;
        before.ngearY = before.mgearY = wheel_y;
        c.change(before);
        refinish(c.change);
        const planestruct& a = pln[0];
        EXPECT_EQ(first_non_finite(a), "") << c.what;
        const float M = before.m_max, g = con.g, d = c.deflection_ft * ft;
        const float nZ = before.ngearZ, mZ = before.mgearZ;
        const float Fn = M * g * mZ / (mZ - nZ), Fm = 0.5f * M * g * -nZ / (mZ - nZ);
        EXPECT_NEAR(a.skidcon, 0.5f * g * M / d, 1e-4f * a.skidcon) << c.what;
        EXPECT_NEAR(a.skiddmp, 0.05f * a.skidcon, 1e-4f * a.skiddmp) << c.what;
        EXPECT_NEAR(a.mgearcon, Fm / d, 1e-4f * a.mgearcon) << c.what;
        EXPECT_NEAR(a.ngearcon, c.own_nose_spring ? Fn / d : Fm / d, 1e-4f * a.ngearcon) << c.what;
        EXPECT_NEAR(a.mgeardmp, 0.1f * a.mgearcon, 1e-4f * a.mgeardmp) << c.what;
        EXPECT_NEAR(a.ngeardmp, 0.1f * a.ngearcon, 1e-4f * a.ngeardmp) << c.what;
        EXPECT_NEAR(a.h_eqlbm, c.h, 2e-4f) << c.what;
        EXPECT_NEAR(a.the_eqlbm, c.attitude, 0.01f) << c.what;
        if (before.gear_type == 2) {
            EXPECT_EQ(a.ngearY, before.ngearY) << c.what;
            EXPECT_EQ(a.mgearY, before.mgearY) << c.what;
        } else {
            EXPECT_NEAR(a.mgearY, before.mgearY - d, 1e-5f) << c.what;
            EXPECT_NEAR(a.ngearY, before.ngearY - Fn / a.ngearcon, 1e-5f) << c.what;
        }
    }
    // The loaded Cessna rests level on its struts.
    EXPECT_NEAR(loaded.mgearY, wheel_y - d0, 1e-5f);
    EXPECT_EQ(loaded.ngearcon, loaded.mgearcon);
    EXPECT_LT(fabsf(fltwrap(loaded.the_eqlbm, -180, 180)), 1.0f);
}

// Full slats stretch the part's data along alpha by (slat_inc +
// alpha_max)/alpha_max; parts without slats, and a slatted part whose stall
// angle gives nothing to stretch, keep 1.
TEST_F(QuietFinishing, SlatEffect)
{
    for (int part : {4, 5, 6, 7, 10, 11}) EXPECT_EQ(loaded.slat_effect[part], 1.0f) << part;
    EXPECT_EQ(plane_report().find("Full slat deployment"), npos);

    const struct {
        float alpha_max, effect;
    } cases[] = {{20, 1.25f}, {0, 1.0f}, {-3, 1.0f}};
    for (auto& c : cases) {
        std::string log = refinish([&](planestruct& a) {
            a.slat[4][0] = 1;
            a.slat_inc = 5;
            a.alpha_max[4] = c.alpha_max;
        });
        EXPECT_EQ(pln[0].slat_effect[4], c.effect) << c.alpha_max;
        for (int part : {5, 6, 7, 10, 11}) EXPECT_EQ(pln[0].slat_effect[part], 1.0f) << part;
        if (c.alpha_max == 20) {
            EXPECT_NE(log.find("For left wing 1:\nFull slat deployment will cause coefficient data to spread out "
                               "alpha-wise to 125% of original.\n"),
                      npos)
                << log;
        }
    }
}

// The stabiliser lies behind the wing: each of its elements is flagged for
// the wing panel of its own side whose span covers it, and for no other part.
TEST_F(QuietFinishing, TailElementsInTheDownwashOfTheWingAboveThem)
{
    // All three stabiliser elements lie within the inner panel's 7.8 ft.
    for (int e = 0; e < 3; e++) {
        EXPECT_EQ(loaded.in_downwash[10][4][e], 1) << e;
        EXPECT_EQ(loaded.in_downwash[11][5][e], 1) << e;
    }
    EXPECT_EQ(flags_set(loaded), 6);
    // The gradient of the wing as seen from the tail.
    auto gradient = [](const planestruct& a, int i, int j, float taper) {
        float dx = fabsf(a.Zarm[i] - a.Zarm[j]) / a.semilen[j], dz = fabsf(a.Yarm[i] - a.Yarm[j]) / a.semilen[j];
        return findspecwash(dz, dx, a.AR[j], taper);
    };
    EXPECT_NEAR(loaded.spec_wash[4], gradient(loaded, 10, 4, 1.0f), 1e-5f);
    EXPECT_NEAR(loaded.spec_wash[5], gradient(loaded, 11, 5, 1.0f), 1e-5f);
    EXPECT_GT(loaded.spec_wash[4], 0.0f);
    EXPECT_EQ(loaded.spec_wash[10], 0.0f);

    // A stabiliser of 3.6 m: its tip element (3 m out) lies under the outer panel.
    refinish([](planestruct& a) { a.semilen[10] = a.semilen[11] = 3.6f; });
    const planestruct& a = pln[0];
    for (int side = 0; side < 2; side++) {
        const int hs = 10 + side, inner = 4 + side, outer = 6 + side;
        EXPECT_EQ(a.in_downwash[hs][inner][0], 1) << side;
        EXPECT_EQ(a.in_downwash[hs][inner][1], 1) << side;
        EXPECT_EQ(a.in_downwash[hs][inner][2], 0) << side;
        EXPECT_EQ(a.in_downwash[hs][outer][2], 1) << side;
    }
    EXPECT_EQ(flags_set(a), 6);
    EXPECT_NEAR(a.spec_wash[6], gradient(a, 10, 6, a.Ctip[6] / a.Croot[6]), 1e-5f);

    // A wing of no chord has no taper to speak of: the gradient takes 1.
    refinish([](planestruct& b) { b.Croot[4] = b.Ctip[4] = b.Croot[5] = b.Ctip[5] = 0; });
    EXPECT_EQ(first_non_finite(pln[0]), "");
    EXPECT_NEAR(pln[0].spec_wash[4], gradient(pln[0], 10, 4, 1.0f), 1e-5f);
}

// The propeller's 38 in radius about the thrust line reaches the inner two
// elements of the inner wing panels, the stabiliser and the fin; the stream
// angles (from the design's feet) bound each flagged part. A helicopter's
// rotor makes no slipstream tables.
TEST_F(QuietFinishing, PropwashFlagsAndStreamAngles)
{
    const planestruct& a = loaded;
    const struct {
        int part, mask;
    } flagged[] = {{4, 0x3}, {5, 0x3}, {6, 0}, {7, 0}, {10, 0x3}, {11, 0x3}, {12, 0x3}};
    for (auto& f : flagged)
        for (int e = 0; e < plane_elements; e++)
            EXPECT_EQ(a.in_propwash[f.part][0][e], (f.mask >> e) & 1) << f.part << " " << e;
    int others = 0;
    for (int w = 0; w < plane_parts; w++)
        for (int n = 1; n < plane_engines; n++)
            for (int e = 0; e < plane_elements; e++) others += a.in_propwash[w][n][e];
    EXPECT_EQ(others, 0);

    // Height over and distance behind the propeller hub, in feet.
    const float R = 38.0f / 12.0f;
    const struct {
        int part;
        float dy, dz;
    } angles[] = {{4, 2.4f, 5.86f}, {5, 2.4f, 5.86f}, {10, 0.4f, 22.0f}, {12, 0.6f, 20.7f}};
    for (auto& s : angles) {
        EXPECT_NEAR(a.max_washdir[s.part][0], deg(atan2f(s.dy, s.dz)), 0.01f) << s.part;
        EXPECT_NEAR(a.hi_washdir[s.part][0], deg(atan2f(s.dy + R, s.dz)), 0.01f) << s.part;
        EXPECT_NEAR(a.lo_washdir[s.part][0], deg(atan2f(s.dy - R, s.dz)), 0.01f) << s.part;
    }
    EXPECT_EQ(a.max_washdir[6][0], 0.0f);
    EXPECT_NE(plane_report().find("PROPWASH SITUATION"), npos);

    std::string log = refinish([](planestruct& b) { b.is_heli = 1; });
    const planestruct& h = pln[0];
    int flags = 0;
    float angle_sum = 0;
    for (int w = 0; w < plane_parts; w++)
        for (int n = 0; n < plane_engines; n++) {
            for (int e = 0; e < plane_elements; e++) flags += h.in_propwash[w][n][e];
            angle_sum += fabsf(h.lo_washdir[w][n]) + fabsf(h.hi_washdir[w][n]) + fabsf(h.max_washdir[w][n]);
        }
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(angle_sum, 0.0f);
    EXPECT_EQ(log.find("PROPWASH SITUATION"), npos);
    EXPECT_EQ(log.find("For propwash from"), npos);
}

// Without a left wing or stabiliser there is no area to stall: 50 knots, as
// for a helicopter.
TEST_F(QuietFinishing, StallSpeedOfFiftyKnotsWithoutAWing)
{
    const struct {
        const char* what;
        std::function<void(planestruct&)> change;
    } cases[] = {
        {"a helicopter", [](planestruct& a) { a.is_heli = 1; }},
        {"a fin alone", [](planestruct& a) {
             for (int part = 4; part <= 11; part++) a.semilen[part] = 0;
         }},
    };
    for (auto& c : cases) {
        msc.vstall = 0;
        refinish(c.change);
        EXPECT_EQ(first_non_finite(pln[0]), "") << c.what;
        EXPECT_NEAR(msc.vstall, 50 * con.ktstomsc, 1e-4f) << c.what;
    }
}

// Each output starts from nothing: finishing a slot twice gives the same
// record, and a file carrying derived values (saved from a finished record,
// or foreign) loads as one carrying none.
TEST_F(QuietFinishing, DerivedValuesStartFromNothing)
{
    refinish([](planestruct&) {});
    planestruct once = pln[0];
    pln[0].ngearY = pln[0].mgearY = wheel_y;
    finish_plane(0);
    EXPECT_EQ(memcmp(&pln[0], &once, sizeof once), 0);

    ASSERT_EQ(read_plane_file(1, shipped.c_str(), 1), 1);
    planestruct& f = pln[1];
    f.Jxx_unitmass = f.Jyy_unitmass = f.Jzz_unitmass = 50;
    f.fuseYcent = f.fuseZcent = 3;
    f.fuse_s_frn = f.fuse_s_sid = f.fuse_s_top = 7;
    f.nace_s = f.misc_s = f.fair_s = 20;
    f.ngearcon = f.ngeardmp = f.mgearcon = f.mgeardmp = f.skidcon = f.skiddmp = 1e6f;
    f.h_eqlbm = 3;
    f.the_eqlbm = 45;
    for (int i = 0; i < plane_parts; i++) {
        f.slat_effect[i] = 2;
        f.spec_wash[i] = 9;
        for (int n = 0; n < plane_engines; n++) {
            f.lo_washdir[i][n] = f.hi_washdir[i][n] = f.max_washdir[i][n] = 33;
            for (int e = 0; e < plane_elements; e++) f.in_propwash[i][n][e] = 1;
        }
        for (int j = 0; j < plane_parts; j++)
            for (int e = 0; e < plane_elements; e++) f.in_downwash[i][j][e] = 1;
    }
    for (int r = 0; r < plane_flap_rows; r++) f.clflap[r] = f.cdflap[r] = f.cmflap[r] = 0.5f;
    ASSERT_EQ(write_plane_file(1, "Foreign.acf"), 1);
    float vstall = msc.vstall;
    ASSERT_EQ(load_named(0, "Foreign.acf"), 1);
    planestruct foreign = pln[0];
    memcpy(foreign.C_path, loaded.C_path, sizeof foreign.C_path);
    EXPECT_EQ(memcmp(&foreign, &loaded, sizeof loaded), 0);
    EXPECT_EQ(msc.vstall, vstall);
}

// Divisions the design can make empty: the gear's and the skid's rest
// attitude beyond the asin's reach stands on end (a notice, then loading
// goes on), and a helicopter without skin or surfaces, its engine at the
// centre of gravity, keeps some inertia about every axis.
TEST_F(QuietFinishing, DegenerateDesignsStayFinite)
{
    const char* const steep = "This thing sits on the ground with an excessive attitute.\n"
                              "Check up on the landing gear locations and heights in Airwright.\n\n"
                              "I will let you go flying, but you may encounter problems on the ground.\n";
    const struct {
        const char* what;
        std::function<void(planestruct&)> change;
        float attitude;
    } cases[] = {
        {"a nose wheel 3 m higher than the main wheels", [](planestruct& a) { a.ngearY = wheel_y + 3.0f; }, 270},
        {"a skid 0.1 m long from the centre of gravity back",
         [](planestruct& a) {
             a.is_heli = 1;
             a.gear_type = 2;
             a.skidZ = 0;
             a.skidl = 0.1f;
             a.skidY = -1.0f;
         },
         270},
    };
    for (auto& c : cases) {
        err.close();
        err.open("Error.out", std::ios::out | std::ios::trunc);
        int boxes = host_test_message_box_count();
        refinish(c.change);
        EXPECT_EQ(first_non_finite(pln[0]), "") << c.what;
        EXPECT_NEAR(pln[0].the_eqlbm, c.attitude, 0.01f) << c.what;
        EXPECT_EQ(host_test_message_box_count(), boxes + 1) << c.what;
        EXPECT_EQ(read_file("Error.out"), steep) << c.what;
    }

    refinish([](planestruct& a) {
        a.is_heli = 1;
        for (int part = 4; part <= 17; part++) a.semilen[part] = 0;
        for (int s = 0; s <= 10; s++)
            for (int k = 0; k < 16; k++) {
                a.body_X[18][s][k] = a.body_Y[18][s][k] = 0;
                a.body_Z[18][s][k] = -2.0f + 0.5f * (float)s;
            }
        a.Xarm[0] = a.Yarm[0] = a.Zarm[0] = 0;
    });
    const planestruct& a = pln[0];
    EXPECT_EQ(first_non_finite(a), "");
    EXPECT_GT(a.Jxx_unitmass, 0.0f);
    EXPECT_GT(a.Jyy_unitmass, 0.0f);
    EXPECT_GT(a.Jzz_unitmass, 0.0f);
    EXPECT_EQ(a.fuseYcent, 0.0f);
    EXPECT_EQ(a.fuseZcent, 0.0f);
}

// ---- the flaps file --------------------------------------------------------

static float row_cl(int i) { return 0.02f * (float)i - 0.1f; }
static float row_cd(int i) { return 0.0004f * (float)(i * i) / 50.0f; }
static float row_cm(int i) { return -0.004f * (float)i; }

// A flaps file as the airfoil editor writes it: header, code, constants,
// heading, then rows of deflection, cl, cd and cm.
static std::string flaps_text(const char* mark, const char* eol, int version, int code, int rows)
{
    std::string t = std::string(mark) + eol + std::to_string(version) + " version" + eol + std::to_string(code) +
                    " device type code" + eol + "constants: 1 0 0 0 0 0 0 0 0" + eol + "def cl cd cm" + eol;
    char line[96];
    for (int i = 0; i < rows; i++) {
        snprintf(line, sizeof line, "%d %.6f %.6f %.6f%s", i, row_cl(i), row_cd(i), row_cm(i), eol);
        t += line;
    }
    return t;
}

static void name_flaps(planestruct& a, const std::string& name)
{
    a.flapEQ = 1;
    snprintf(a.flap_str, sizeof a.flap_str, "%s", name.c_str());
}

// The 51 rows land in the tables, from either platform's file; an aircraft
// without flaps reads no file.
TEST_F(QuietFinishing, FlapsFileFillsTheTables)
{
    // The shipped plain flap: nothing at rest, 0.9, 0.06 and -0.22 at full travel.
    EXPECT_EQ(loaded.clflap[0], 0.0f);
    EXPECT_NEAR(loaded.clflap[50], 0.9f, 1e-6f);
    EXPECT_NEAR(loaded.cdflap[50], 0.06f, 1e-6f);
    EXPECT_NEAR(loaded.cmflap[50], -0.22f, 1e-6f);

    snprintf(flp_path, path_max, "%s", test_scratch_folder());
    write_file("Native.flp", flaps_text("I", "\n", 363, 2345, 51));
    write_file("Other.flp", flaps_text("A", "\r\n", 363, 2345, 51));
    for (const char* name : {"Native.flp", "Other.flp"}) {
        refinish([&](planestruct& a) { name_flaps(a, name); });
        for (int i = 0; i < plane_flap_rows; i++) {
            EXPECT_NEAR(pln[0].clflap[i], row_cl(i), 1e-6f) << name << " " << i;
            EXPECT_NEAR(pln[0].cdflap[i], row_cd(i), 1e-6f) << name << " " << i;
            EXPECT_NEAR(pln[0].cmflap[i], row_cm(i), 1e-6f) << name << " " << i;
        }
    }
    refinish([](planestruct& a) {
        name_flaps(a, "Nowhere.flp");
        a.flapEQ = 0;
    });
    static const float none[plane_flap_rows] = {};
    for (const float* table : {pln[0].clflap, pln[0].cdflap, pln[0].cmflap})
        EXPECT_EQ(memcmp(table, none, sizeof none), 0);
    EXPECT_EQ(read_file("Error.out"), "");
}

static std::string alert(const char* l1, const char* l2, const std::string& l3, const char* l4)
{
    return std::string(l1) + "\n" + l2 + "\n" + l3 + "\n" + l4 + "\n";
}

// A flaps file that is missing (or whose path would not fit), damaged, of
// another version or cut short ends the program with its alert.
TEST_F(FinishingDeathTest, FlapsFileFaultsAreFatal)
{
    snprintf(flp_path, path_max, "%s", test_scratch_folder());
    const std::string too_long = std::string(390, 'n');
    auto missing = [](const std::string& name) {
        return alert("The flap file that is required by the aircraft you are attempting to fly could not be found.",
                     "The name of the missing flap file is: ", name,
                     "Make sure the missing flap file is in the 'flaps' folder.");
    };
    auto damaged = [](const std::string& name) {
        return alert("An error occurred during read-in of the flaps file.",
                     "Either the file has been corrupted, or it is not really a flaps file. "
                     "The corrupted flaps file is: ",
                     name,
                     "Re-generate the flaps file by opening it up with the 'Foilwright' application "
                     "and then saving it.");
    };
    std::string good = flaps_text("I", "\n", 363, 2345, 51);
    const struct {
        const char* what;
        std::string name, text, alert;
    } cases[] = {
        {"missing", "Nowhere.flp", "", missing("Nowhere.flp")},
        {"a name that makes the path too long", too_long, "", missing(too_long)},
        {"an airfoil's device code", "Code.flp", flaps_text("I", "\n", 363, 1234, 51), damaged("Code.flp")},
        {"another mark", "Mark.flp", "X" + good.substr(1), damaged("Mark.flp")},
        {"another version", "Version.flp", flaps_text("I", "\n", 362, 2345, 51),
         alert("The following file is the wrong version for this version of Volanto:",
               (std::string(test_scratch_folder()) + "Version.flp").c_str(),
               "Throw that file away. You should only use the files that came with the program.",
               "You may have to re-install Volanto from the CD.")},
        {"cut short after 30 rows", "Short.flp", flaps_text("I", "\n", 363, 2345, 30),
         "File-scanning error!\n\nfile:\n"},
    };
    for (auto& c : cases) {
        if (!c.text.empty()) write_file(c.name, c.text);
        EXPECT_EXIT(
            {
                err.close();
                err.open("Error.out", std::ios::out | std::ios::trunc);
                refinish([&](planestruct& a) { name_flaps(a, c.name); });
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        // No ASSERT here: a death test's child runs the earlier rounds too.
        std::string log = read_file("Error.out");
        EXPECT_EQ(log.substr(0, c.alert.size()), c.alert) << c.what;
    }
}
