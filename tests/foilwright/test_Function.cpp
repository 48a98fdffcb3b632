// The section model and its files: the curves' landmarks for a cambered and a
// symmetrical airfoil, the bucket, the moment line and a flap's increments;
// files written line for line as the readers take them and read back; saves
// that must not happen or did not happen leave the part dirty; damaged files
// end in their alerts; and the shipped sections match their real counterparts.
#include <gtest/gtest.h>

#include "Function.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Init.h"
#include "host_test.h"
#include "test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

static std::string at(const std::string& name) { return std::string(test_scratch_folder()) + name; }
static void open_log(void) { err.open("Error.out", std::ios::out | std::ios::trunc); }

static float lift_at(float alpha) { return cl[(int)lroundf(alpha * 10) + 270]; }   // |alpha| <= 20
static float drag_at(float alpha) { return cd[(int)lroundf(alpha * 10) + 270]; }

static std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// A symmetrical section: no camber, stall at +-14 degrees.
static void symmetrical_airfoil(void)
{
    reset_to_default(part_airfoil);
    afl[0].clB[0][0][0] = 0.0f;
    afl[0].clM[0][0][0] = 0.1f;
    afl[0].Lstall = 1.3f;
    afl[0].almin = -14.0f;
    afl[0].almax = 14.0f;
    afl[0].DminCL = 0.0f;
    afl[0].cm1[0][0][0] = 0.05f;
    afl[0].cm2[0][0][0] = 0.0f;
    afl[0].cm3[0][0][0] = 0.0f;
    afl[0].cm4[0][0][0] = -0.05f;
    afl[0].cmal2[0][0][0] = -14.0f;
    afl[0].cmal3[0][0][0] = 14.0f;
    generate();
}

// ---- lift, drag and moment curves ------------------------------------------

TEST(AirfoilModel, DefaultCamberedCurveMeetsItsLandmarks)
{
    reset_to_default(part_airfoil);
    EXPECT_FLOAT_EQ(fcolift(0), 0.25f);
    EXPECT_NEAR(fcolift(10), 1.27f, 1e-5);
    EXPECT_NEAR(fcolift(-10), 0.25f - 1.02f, 1e-5);
    EXPECT_GT(fcolift(14.99f), 1.599f);           // just below the stall: the maximum
    EXPECT_NEAR(fcolift(15), 1.5f, 1e-5);         // at the stall angle the drop is taken
    EXPECT_NEAR(fcolift(20), 0.7f, 1e-5);
    // The negative side mirrors the positive one about the lift at zero angle.
    EXPECT_NEAR(fcolift(-14.99f), 2 * 0.25f - 1.6f, 1e-3);
    EXPECT_NEAR(fcolift(-15), 2 * 0.25f - 1.6f, 1e-5);     // on this side the stall angle is before the drop
    EXPECT_NEAR(fcolift(-15.01f), 2 * 0.25f - 1.6f + 0.1f, 1e-3);
    EXPECT_NEAR(fcolift(-20), 2 * 0.25f - 1.6f + 0.1f + 0.8f, 1e-5);

    // Zero lift at -clB / clM, and the table's slope there is clM.
    float zero_lift = -0.25f / 0.102f;
    EXPECT_NEAR(fcolift(zero_lift), 0.0f, 1e-6);
    EXPECT_NEAR((lift_at(1) - lift_at(-1)) / 2, 0.102f, 1e-5);

    // The table's maximum lies just below the stall angle.
    int best = 270;
    for (int k = 70; k <= 470; k++)
        if (cl[k] > cl[best]) best = k;
    EXPECT_NEAR(table_alpha(best - 270), 14.9f, 1e-4);
    EXPECT_NEAR(cl[best], 1.6f, 0.01);

    // Minimum drag Dmin at the angle where lift is DminCL, and Dal10 at 10 degrees.
    float al_dmin = (0.2f - 0.25f) / 0.102f;
    EXPECT_NEAR(fcodrag(al_dmin), 0.0065f, 1e-7);
    EXPECT_NEAR(fcodrag(10), 0.0114f, 1e-6);
    float least = 1e9f;
    for (int k = 0; k < foil_table; k++) least = std::min(least, cd[k]);
    EXPECT_NEAR(least, 0.0065f, 1e-5);
}

TEST(AirfoilModel, CurvesJoinWithoutStepsExceptTheStallDrop)
{
    for (int cambered = 0; cambered < 2; cambered++) {
        SCOPED_TRACE(cambered ? "cambered" : "symmetrical");
        if (cambered) reset_to_default(part_airfoil);
        else symmetrical_airfoil();
        // Each formula's edge meets the next one's: +-10, +-20 degrees.
        for (float edge : {-20.0f, -10.0f, 10.0f, 20.0f}) {
            float inside = edge > 0 ? std::nextafter(edge, 0.0f) : std::nextafter(edge, 0.0f);
            float outside = edge > 0 ? std::nextafter(edge, 90.0f) : std::nextafter(edge, -90.0f);
            EXPECT_NEAR(fcolift(inside), fcolift(edge), 1e-4) << edge;
            EXPECT_NEAR(fcolift(outside), fcolift(edge), 1e-4) << edge;
            EXPECT_NEAR(fcodrag(outside), fcodrag(edge), 1e-5) << edge;
        }
        // Past the stall the curve steps down once (Ldrop1) and then moves on
        // smoothly: no step between neighbouring table entries anywhere else.
        for (int k = 1; k < foil_table; k++) {
            float a0 = table_alpha(k - 271), a1 = table_alpha(k - 270);
            if ((a0 < afl[0].almax && a1 >= afl[0].almax) || (a0 < afl[0].almin && a1 >= afl[0].almin)) continue;
            float step = std::fabs(a1 - a0) < 0.5f ? 0.03f : 0.05f;
            EXPECT_LT(std::fabs(cl[k] - cl[k - 1]), step) << a1;
            EXPECT_LT(std::fabs(cd[k] - cd[k - 1]), step) << a1;
            EXPECT_LT(std::fabs(cm[k] - cm[k - 1]), step) << a1;
        }
        EXPECT_NEAR(fcolift(90), 0.0f, 1e-6);
        EXPECT_NEAR(fcolift(-90), 0.0f, 1e-6);
        EXPECT_NEAR(fcodrag(90), 1.28f, 1e-6);
        EXPECT_NEAR(fcodrag(-90), 1.28f, 1e-6);
        EXPECT_NEAR(fcomomt(90), -0.32f, 1e-6);
        EXPECT_NEAR(fcomomt(-90), 0.32f, 1e-6);
    }
}

TEST(AirfoilModel, SymmetricalSectionIsOddInLiftAndEvenInDrag)
{
    symmetrical_airfoil();
    EXPECT_EQ(fcolift(0), 0.0f);
    for (int i = 1; i <= 270; i++) {
        // At exactly the stall angle the positive side has dropped, the negative not yet.
        if (i == 140) continue;
        EXPECT_NEAR(cl[270 + i], -cl[270 - i], 1e-5) << table_alpha(i);
        EXPECT_NEAR(cd[270 + i], cd[270 - i], 1e-6) << table_alpha(i);
    }
    EXPECT_NEAR(lift_at(13.9f), 1.3f, 0.01);
    EXPECT_NEAR(lift_at(14), 1.2f, 1e-5);
    EXPECT_NEAR(lift_at(-14), -1.3f, 1e-5);
    EXPECT_NEAR(drag_at(0), 0.0065f, 1e-7);
}

TEST(AirfoilModel, TableAnglesIncludeTheEndsOfTheFineRange)
{
    const struct {
        int i;
        float alpha;
    } rows[] = {{-270, -90}, {-201, -21}, {-200, -20}, {-1, -0.1f}, {0, 0}, {100, 10}, {200, 20}, {201, 21}, {270, 90}};
    for (auto r : rows) EXPECT_FLOAT_EQ(table_alpha(r.i), r.alpha) << r.i;
    reset_to_default(part_airfoil);
    EXPECT_FLOAT_EQ(cl[270 + 100], fcolift(10));   // exactly 10: the stall formula's join value
    EXPECT_FLOAT_EQ(cl[270 + 200], fcolift(20));
}

TEST(AirfoilModel, BucketCutsDragByItsDepthAcrossItsWidth)
{
    reset_to_default(part_airfoil);
    afl[0].Bloc = 0.45f;       // at 1.9608 degrees
    afl[0].Bwidth = 0.3f;      // 2.94 degrees either side
    afl[0].Bdepth = 0.002f;
    afl[0].Bpower = 2.0f;
    generate();
    float centre = (0.45f - 0.25f) / 0.102f, half = 0.5f * 0.3f / 0.102f, edge = 0.3f / 0.102f;
    auto plain = [](float a) {
        const airfoilstruct& A = afl[0];
        return powf(fabsf((a - A.alDmin) / A.tenMalDmin), A.Dpow) * A.delD + A.Dmin;
    };
    const struct {
        float alpha, cut;
    } points[] = {{centre, 0.003f}, {centre + half, 0.001f}, {centre - half, 0.001f},
                  {centre + edge, 0.0f}, {centre - edge - 0.5f, 0.0f}};
    for (auto p : points) EXPECT_NEAR(plain(p.alpha) - fcodrag(p.alpha), p.cut, 2e-6) << p.alpha;

    // Any of width, depth or power at 0: no bucket at all.
    for (int which = 0; which < 3; which++) {
        reset_to_default(part_airfoil);
        afl[0].Bloc = 0.45f;
        afl[0].Bwidth = which == 0 ? 0.0f : 0.3f;
        afl[0].Bdepth = which == 1 ? 0.0f : 0.002f;
        afl[0].Bpower = which == 2 ? 0.0f : 2.0f;
        generate();
        EXPECT_FLOAT_EQ(fcodrag(centre), plain(centre)) << which;
    }
}

TEST(AirfoilModel, MomentRunsThroughItsBreakPoints)
{
    reset_to_default(part_airfoil);     // cm1 0.05, cm2 -0.05 at -10, cm3 -0.025 at 16, cm4 -0.075
    const struct {
        float alpha, cm;
    } points[] = {{-90, 0.32f}, {-55, 0.185f}, {-20, 0.05f}, {-15, 0.0f}, {-10, -0.05f},
                  {3, -0.0375f}, {16, -0.025f}, {18, -0.05f}, {20, -0.075f}, {55, -0.1975f}, {90, -0.32f}};
    for (auto p : points) EXPECT_NEAR(fcomomt(p.alpha), p.cm, 1e-6) << p.alpha;
}

TEST(FlapModel, IncrementsGrowFromNoneToTheSumOfTheCoefficients)
{
    reset_to_default(part_airfoil);
    std::vector<float> airfoil_tail(cl + 401, cl + foil_table);
    float derived = afl[0].linhilift;
    reset_to_default(part_flap);    // 2, 0, -0.6 / 0.04, 0.04, 0 / -0.6, -0.1, -0.1
    EXPECT_EQ(cl[0], 0.0f);
    EXPECT_EQ(cd[0], 0.0f);
    EXPECT_EQ(cm[0], 0.0f);
    EXPECT_NEAR(cl[400], 1.4f, 1e-6);
    EXPECT_NEAR(cd[400], 0.08f, 1e-6);
    EXPECT_NEAR(cm[400], -0.8f, 1e-6);
    EXPECT_NEAR(cl[200], 2 * 0.5f - 0.6f * 0.125f, 1e-6);   // half deflection
    EXPECT_NEAR(cd[200], 0.04f * 0.5f + 0.04f * 0.25f, 1e-6);
    EXPECT_NEAR(cm[100], -0.6f * 0.25f - 0.1f * 0.0625f - 0.1f * 0.015625f, 1e-6);
    EXPECT_FLOAT_EQ(cls, 0.5f);
    EXPECT_FLOAT_EQ(cds, 5.0f);
    // A flap leaves the rest of the tables and the airfoil's fields alone.
    EXPECT_EQ(std::vector<float>(cl + 401, cl + foil_table), airfoil_tail);
    EXPECT_EQ(afl[0].linhilift, derived);
}

// ---- a new part ------------------------------------------------------------

// The parameter values themselves are pinned by the constants lines below.
TEST(NewPart, IsUntitledCleanAndOfItsTypeWithItsTables)
{
    const struct {
        int type;
        const char* name;
        float cds, cl_full;
    } cases[] = {{part_airfoil, "Untitled.afl", 50.0f, 0.25f}, {part_flap, "Untitled.flp", 5.0f, 1.4f}};
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        msc.view_type = view_polar;
        msc.part_named = 1;
        msc.part_dirty = 1;
        snprintf(msc.part_fname, sizeof msc.part_fname, "edited.xyz");
        memset(cl, 0, sizeof cl);
        reset_to_default(c.type);
        EXPECT_EQ(msc.part_type, c.type);
        EXPECT_EQ(msc.view_type, view_alpha);
        EXPECT_EQ(msc.part_named, 0);
        EXPECT_EQ(msc.part_dirty, 0);
        EXPECT_STREQ(msc.part_fname, c.name);
        EXPECT_FLOAT_EQ(cds, c.cds);
        // Generated at once: the lift at zero angle, or at full deflection.
        EXPECT_NEAR(cl[c.type == part_flap ? 400 : 270], c.cl_full, 1e-6);
    }
}

// ---- files -----------------------------------------------------------------

TEST(PartFiles, AirfoilFileIsWrittenLineForLineAsTheReadersTakeIt)
{
    reset_to_default(part_airfoil);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", at("a.afl").c_str());
    msc.part_dirty = 1;
    ASSERT_EQ(writeoutpart(), 1);
    EXPECT_EQ(msc.part_dirty, 0);
    std::vector<std::string> l = lines_of(read_file(at("a.afl")));
    ASSERT_EQ(l.size(), 557u);
    EXPECT_EQ(l[0], "I");
    EXPECT_EQ(l[1], "363 version");
    EXPECT_EQ(l[2], "1234 device type code");
    EXPECT_EQ(l[3], "constants:  0.100000 4.500000 -15.000000 15.000000 0.250000 0.102000 1.400000 1.600000 "
                    "0.100000 0.800000 1.400000 0.200000 0.006500 0.011400 2.300000 -10.000000 16.000000 "
                    "0.050000 -0.050000 -0.025000 -0.075000 0.000000 0.000000 2.000000 0.000000");
    EXPECT_EQ(l[4], "index     cl         cd");
    EXPECT_EQ(l[5].substr(0, 5), "-90.0");
    EXPECT_EQ(l[5].substr(14), "  1.28000");
    EXPECT_EQ(l[175].substr(0, 6), "-10.0 ");
    EXPECT_EQ(l[176], "-9.9  0.01032");
    EXPECT_EQ(l[275].substr(0, 5), " 0.0 ");
    EXPECT_EQ(l[276], "");
    const char* labelled[8] = {"0.10200   clM", "0.25000   clB", "-10.00000 cmal2", "16.00000 cmal3",
                               "0.05000   cm1", "-0.05000   cm2", "-0.02500   cm3", "-0.07500   cm4"};
    for (int k = 0; k < 8; k++) EXPECT_EQ(l[277 + k], labelled[k]);
    EXPECT_EQ(l[285], "");
    EXPECT_EQ(l[286], l[275]);                      // the zero row, once on each side
    EXPECT_EQ(l[385].substr(0, 5), " 9.9 ");
    EXPECT_EQ(l[386].substr(0, 5), "10.0 ");
    EXPECT_EQ(l[486].substr(0, 14), "20.0  0.70000 ");
    EXPECT_EQ(l[556], "90.0  0.00000  1.28000");
    // Rows of three fields hold a lift and a drag of 8 characters with 5 decimals.
    for (int k : {5, 175, 386, 556}) {
        ASSERT_GE(l[k].size(), 22u) << k;
        EXPECT_EQ(l[k].size() - l[k].find(' ', 1), 18u) << l[k];
        EXPECT_EQ(l[k][l[k].size() - 6], '.') << l[k];
    }
}

TEST(PartFiles, FlapsFileHoldsEveryEighthPointToFullDeflection)
{
    reset_to_default(part_flap);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", at("f.flp").c_str());
    ASSERT_EQ(writeoutpart(), 1);
    std::vector<std::string> l = lines_of(read_file(at("f.flp")));
    ASSERT_EQ(l.size(), 2u + 1 + 1 + 1 + 51);
    EXPECT_EQ(l[2], "2345 device type code");
    EXPECT_EQ(l[3], "constants: 2.000000 0.000000 -0.600000 0.040000 0.040000 0.000000 -0.600000 -0.100000 -0.100000");
    EXPECT_EQ(l[4], "def cl cd cm");
    EXPECT_EQ(l[5], "0 0.000000 0.000000 0.000000");
    EXPECT_EQ(l[30], "25 0.925000 0.030000 -0.337500");    // point 200: half deflection
    EXPECT_EQ(l[55], "50 1.400000 0.080000 -0.800000");
}

TEST(PartFiles, ReopeningRestoresTheParametersAndTheTablesExactly)
{
    for (int type : {part_airfoil, part_flap}) {
        SCOPED_TRACE(type);
        reset_to_default(type);
        airfoilstruct& a = afl[0];
        a.trat[0][0] = 0.123457f;
        a.Re[0][0][0] = 2.5f;
        a.clB[0][0][0] = 0.311f;
        a.clM[0][0][0] = 0.0987f;
        a.almax = 17.25f;
        a.Bloc = 0.3f;
        a.Bwidth = 0.25f;
        a.Bdepth = 0.0015f;
        a.cm4[0][0][0] = -0.123456f;
        a.FLPlco2 = 0.333333f;
        a.FLPmco3 = -0.015625f;
        generate();
        const airfoilstruct saved_params = a;
        std::vector<float> tables(cl, cl + foil_table);
        tables.insert(tables.end(), cd, cd + foil_table);
        tables.insert(tables.end(), cm, cm + foil_table);
        snprintf(msc.part_path, sizeof msc.part_path, "%s", at("round").c_str());
        ASSERT_EQ(writeoutpart(), 1);

        reset_to_default(type);
        snprintf(msc.part_path, sizeof msc.part_path, "%s", at("round").c_str());
        msc.part_dirty = 1;
        readinpart();
        EXPECT_EQ(msc.part_named, 1);
        EXPECT_EQ(msc.part_dirty, 0);
        std::vector<float> again(cl, cl + foil_table);
        again.insert(again.end(), cd, cd + foil_table);
        again.insert(again.end(), cm, cm + foil_table);
        EXPECT_EQ(again, tables);
        if (type == part_airfoil) {
            EXPECT_EQ(a.trat[0][0], saved_params.trat[0][0]);
            EXPECT_EQ(a.cm4[0][0][0], saved_params.cm4[0][0][0]);
            EXPECT_EQ(a.Bdepth, saved_params.Bdepth);
            EXPECT_EQ(a.FLPlco2, 0.0f);       // an airfoil file carries no flap values
        } else {
            EXPECT_EQ(a.FLPlco2, saved_params.FLPlco2);
            EXPECT_EQ(a.FLPmco3, saved_params.FLPmco3);
        }
    }
}

// A file from elsewhere may hold any float the stream reads; as long as the
// tables stay finite the part is saved, and every value must reach the file
// whole, however many digits its fixed notation takes.
TEST(PartFiles, LargeValuesAreWrittenWhole)
{
    reset_to_default(part_airfoil);
    airfoilstruct& a = afl[0];
    for (float* v : {&a.trat[0][0], &a.Re[0][0][0], &a.Lpow, &a.Lpowstl, &a.Ldrop1, &a.Ldrop2, &a.Bloc,
                     &a.cm1[0][0][0], &a.cm2[0][0][0], &a.cm3[0][0][0], &a.cm4[0][0][0]})
        *v = 1e38f;
    a.Re[0][0][0] = -3e38f;
    a.Dal10 = 1e37f;
    generate();
    ASSERT_TRUE(std::isfinite(cl[270 - 200]) && std::fabs(cl[270 - 200]) > 1e38f);
    ASSERT_TRUE(std::isfinite(cd[270 - 200]) && cd[270 - 200] > 1e37f);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", at("large.afl").c_str());
    ASSERT_EQ(writeoutpart(), 1);
    std::vector<std::string> l = lines_of(read_file(at("large.afl")));
    ASSERT_EQ(l.size(), 557u);

    // Each table row still holds its angle, lift and drag as the model has them.
    for (int i : {-270, -200, -150, 150, 200, 270}) {
        int k = i < 0 ? 5 + (i + 270) : 386 + (i - 100);
        std::istringstream row(l[k]);
        double alpha, lift, drag;
        ASSERT_TRUE(row >> alpha >> lift >> drag) << l[k];
        EXPECT_FLOAT_EQ((float)alpha, table_alpha(i)) << l[k];
        // Five decimals, or the float's own precision for the large ones.
        EXPECT_NEAR(lift, cl[i + 270], 5e-6 + 1e-7 * std::fabs(cl[i + 270])) << l[k];
        EXPECT_NEAR(drag, cd[i + 270], 5e-6 + 1e-7 * std::fabs(cd[i + 270])) << l[k];
    }

    const airfoilstruct saved = a;
    reset_to_default(part_airfoil);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", at("large.afl").c_str());
    readinpart();
    EXPECT_EQ(a.trat[0][0], 1e38f);
    EXPECT_EQ(a.Re[0][0][0], -3e38f);
    EXPECT_EQ(a.Dal10, 1e37f);
    EXPECT_EQ(a.cm4[0][0][0], saved.cm4[0][0][0]);
    EXPECT_EQ(a.Bpower, saved.Bpower);           // the last constant, after the long ones
    EXPECT_EQ(a.Bloc, saved.Bloc);
}

// ---- saves that must not or did not happen -----------------------------------

TEST(PartFiles, PartThatIsNoNumberOrCannotBeWrittenStaysDirty)
{
    const struct {
        const char* what;
        void (*spoil)(void);
        const char* file;
    } cases[] = {
        {"lift slope 0", [] { afl[0].clM[0][0][0] = 0; }, "slope.afl"},
        {"minimum drag at the lift of 10 degrees",
         [] {
             afl[0].clM[0][0][0] = 0.125f;       // exact in binary, so the divisor is exactly 0
             afl[0].DminCL = 0.25f + 10 * 0.125f;
         },
         "drag.afl"},
        {"folder missing", [] {}, "no such folder/x.afl"},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        reset_to_default(part_airfoil);
        c.spoil();
        generate();
        snprintf(msc.part_path, sizeof msc.part_path, "%s", at(c.file).c_str());
        msc.part_dirty = 1;
        int boxes = host_test_message_box_count();
        EXPECT_EQ(writeoutpart(), 0);
        EXPECT_EQ(msc.part_dirty, 1);
        EXPECT_EQ(host_test_message_box_count(), boxes + 1);   // the notice, and the editor goes on
        EXPECT_EQ(read_file(at(c.file)), "");
        EXPECT_EQ(read_file(at(c.file) + ".new"), "");
    }
    EXPECT_NE(std::string(host_test_last_message_box()).find("I could not save the file!"), std::string::npos);
}

TEST(PartFiles, RefusedSaveKeepsTheOldFile)
{
    reset_to_default(part_airfoil);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", at("keep.afl").c_str());
    ASSERT_EQ(writeoutpart(), 1);
    std::string before = read_file(at("keep.afl"));
    afl[0].clM[0][0][0] = 0;
    generate();
    msc.part_dirty = 1;
    EXPECT_EQ(writeoutpart(), 0);
    EXPECT_NE(std::string(host_test_last_message_box()).find("not numbers"), std::string::npos);
    EXPECT_EQ(read_file(at("keep.afl")), before);
}

// ---- damaged files -----------------------------------------------------------

TEST(PartFilesDeathTest, DamagedFilesEndInTheirAlerts)
{
    const std::string head = "I\n363 version\n";
    const struct {
        const char* what;
        int type;
        std::string body;
        const char* alert;
        int names_path;
    } cases[] = {
        {"missing", part_airfoil, "", "Sorry, I can't open the part!!!", 0},
        {"no header", part_airfoil, "1234 device type code\n", "Sorry, I can't open the part!!!", 0},
        {"airfoil opened as a flap", part_flap, head + "1234 device type code\nconstants: 1 2 3\n",
         "This does not appear to be a valid file type for Foilwright!", 0},
        {"flap opened as an airfoil", part_airfoil, head + "2345 device type code\nconstants: 1 2 3\n",
         "This does not appear to be a valid file type for Foilwright!", 0},
        {"damaged constant", part_airfoil,
         head + "1234 device type code\nconstants:  0.1 4.5 -15 15 0.25 x.102 1.4 1.6 0.1 0.8 1.4 0.2 "
                "0.0065 0.0114 2.3 -10 16 0.05 -0.05 -0.025 -0.075 0 0 2 0\n",
         "File-scanning error!", 1},
        {"constants cut short", part_airfoil, head + "1234 device type code\nconstants:  0.1 4.5 -15\n",
         "File-scanning error!", 1},
        {"flap constants cut short", part_flap, head + "2345 device type code\nconstants: 2 0 -0.6 0.04",
         "File-scanning error!", 1},
        {"no device code", part_airfoil, head + "device type code\n", "File-scanning error!", 1},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = at("bad part");
        remove(path.c_str());
        if (!c.body.empty()) write_file(path, c.body);
        EXPECT_EXIT(
            {
                open_log();
                reset_to_default(c.type);
                snprintf(msc.part_path, sizeof msc.part_path, "%s", path.c_str());
                readinpart();
                fprintf(stderr, "read on\n");
                exit(3);   // the read went on: the test fails
            },
            ::testing::ExitedWithCode(1), "");
        std::string log = read_file("Error.out");
        EXPECT_NE(log.find(c.alert), std::string::npos) << log;
        if (c.names_path) {
            EXPECT_NE(log.find(path), std::string::npos) << log;
        }
    }
}

// ---- the shipped sections ------------------------------------------------------

// A shipped airfoil as the simulator reads it: the lift rows of |alpha| >= 10
// on each side, every drag row, and the eight labelled values.
struct read_foil {
    std::vector<float> alpha_pos, cl_pos, alpha_neg, cl_neg, cd_all;
    float labelled[8];
};

static int parse_like_the_simulator(const std::string& text, read_foil& f)
{
    std::istringstream in(text);
    std::string line;
    for (int k = 0; k < 5; k++) std::getline(in, line);     // header, code, constants, column heads
    auto rows = [&](int n, int three, std::vector<float>* al, std::vector<float>* lift) {
        for (int k = 0; k < n; k++) {
            if (!std::getline(in, line)) return 0;
            std::istringstream r(line);
            float a, l = 0, d;
            if (!(r >> a)) return 0;
            if (three && !(r >> l)) return 0;
            if (!(r >> d)) return 0;
            std::string rest;
            if (r >> rest) return 0;
            if (three) {
                al->push_back(a);
                lift->push_back(l);
            }
            f.cd_all.push_back(d);
        }
        return 1;
    };
    if (!rows(171, 1, &f.alpha_neg, &f.cl_neg) || !rows(100, 0, nullptr, nullptr)) return 0;
    std::getline(in, line);
    for (float& v : f.labelled) {
        if (!std::getline(in, line)) return 0;
        std::istringstream r(line);
        if (!(r >> v)) return 0;
    }
    std::getline(in, line);
    if (!rows(100, 0, nullptr, nullptr) || !rows(171, 1, &f.alpha_pos, &f.cl_pos)) return 0;
    return !std::getline(in, line);
}

TEST(ShippedParts, AirfoilsMatchTheirRealSectionsAndPassTheSimulatorsChecks)
{
    // Published section data at a Reynolds number of about 3 million, smooth
    // surface (approximate): lift at zero angle, slope per degree, maximum
    // lift and its angle, minimum drag.
    const struct {
        const char* name;
        float cl0, slope, clmax, at_clmax, cdmin;
    } sections[] = {
        {"NACA 2412 (popular).afl", 0.22f, 0.105f, 1.60f, 16.0f, 0.0060f},
        {"NACA 0009 (symmetrical).afl", 0.0f, 0.107f, 1.25f, 13.0f, 0.0052f},
        {"Clark-Y (good propeller).afl", 0.35f, 0.100f, 1.50f, 16.0f, 0.0075f},
    };
    for (auto s : sections) {
        SCOPED_TRACE(s.name);
        std::string path = std::string(PROGRAM_DIR) + "airfoils/" + s.name;
        read_foil f;
        ASSERT_TRUE(parse_like_the_simulator(read_file(path), f));
        EXPECT_NEAR(f.labelled[1], s.cl0, 0.05);
        EXPECT_NEAR(f.labelled[0], s.slope, 0.1 * s.slope);
        int best = 0;
        for (size_t k = 0; k < f.cl_pos.size(); k++)
            if (f.cl_pos[k] > f.cl_pos[best]) best = (int)k;
        EXPECT_NEAR(f.cl_pos[best], s.clmax, 0.1 * s.clmax);
        EXPECT_NEAR(f.alpha_pos[best], s.at_clmax, 2.0);
        float least = *std::min_element(f.cd_all.begin(), f.cd_all.end());
        EXPECT_NEAR(least, s.cdmin, 0.3 * s.cdmin);
        // What the simulator's reader refuses: lift beyond +-2, drag below 0.
        for (float v : f.cl_pos) EXPECT_LE(std::fabs(v), 2.0f);
        for (float v : f.cl_neg) EXPECT_LE(std::fabs(v), 2.0f);
        EXPECT_GE(least, 0.0f);

        // Foilwright opens it as its own.
        reset_to_default(part_airfoil);
        snprintf(msc.part_path, sizeof msc.part_path, "%s", path.c_str());
        readinpart();
        EXPECT_FLOAT_EQ(afl[0].clB[0][0][0], f.labelled[1]);
        EXPECT_FLOAT_EQ(afl[0].Re[0][0][0], 3.0f);
    }
}

TEST(ShippedParts, PlainFlapAddsLiftDragAndNoseDownMoment)
{
    std::string path = std::string(PROGRAM_DIR) + "flaps/plain flap.flp";
    std::vector<std::string> l = lines_of(read_file(path));
    ASSERT_EQ(l.size(), 56u);
    EXPECT_EQ(l[2], "2345 device type code");
    reset_to_default(part_flap);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", path.c_str());
    readinpart();
    for (int i = 1; i <= 400; i++) {
        EXPECT_GE(cl[i], cl[i - 1]) << i;
        EXPECT_GT(cd[i], cd[i - 1]) << i;
        EXPECT_LT(cm[i], cm[i - 1]) << i;
    }
    EXPECT_NEAR(cl[400], 0.9f, 0.1);
    EXPECT_NEAR(cm[400], -0.22f, 0.05);
}
