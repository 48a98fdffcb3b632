// The world databases: the shipped files load whole and quietly, with their
// runways and landing systems fitting together; the loader converts to
// metres and keeps each airport's runway range, every table is full at its
// capacity and fatal one past it, and missing, foreign, damaged or unended
// files end in their alerts, a file with another header named as damaged.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>

static std::string nav_folder(void) { return std::string(test_scratch_folder()) + "additional nav data/"; }

static void put(const char* name, const std::string& body) { write_file(nav_folder() + name, "I\n500 version\n" + body); }

class World : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(nav_folder());
        snprintf(app_path, path_max, "%s", test_scratch_folder());
        MACIBM_set_constants();
        initing = 0;
        ogl_ready = 0;
    }
};
using WorldDeathTest = World;

static int find_airport(const char* id)
{
    for (int a = 0; a <= apt_wrl_max; a++)
        if (strncmp(apt_id[a], id, 4) == 0) return a;
    return -1;
}

TEST(ShippedWorld, LoadsWithoutAnAlertAndStartsAtKsbd)
{
    snprintf(app_path, path_max, "%s", PROGRAM_DIR);
    MACIBM_set_constants();
    initing = 0;
    ogl_ready = 0;
    err.open("Error.out", std::ios::out | std::ios::trunc);
    int boxes = host_test_message_box_count();
    load_world_databases();
    err.close();
    EXPECT_EQ(error_out(), "");
    EXPECT_EQ(host_test_message_box_count(), boxes);

    EXPECT_GE(apt_wrl_max + 1, 40);
    int sbd = find_airport("KSBD");
    ASSERT_GE(sbd, 0);
    EXPECT_NEAR(apt_h[sbd], 1159 * 0.3048f, 1.0f);
    ASSERT_LE(apt_lo_ind[sbd], apt_hi_ind[sbd]);
    EXPECT_NEAR(rwy_lat[apt_lo_ind[sbd]], 34.095f, 0.02f);
    EXPECT_NEAR(rwy_lon[apt_lo_ind[sbd]], -117.235f, 0.02f);
    EXPECT_NEAR(rwy_len[apt_lo_ind[sbd]], 3048.0f, 1.0f);

    // Every airport owns a runway range of its own, in order, in the region.
    int next = 0;
    for (int a = 0; a <= apt_wrl_max; a++) {
        EXPECT_EQ(apt_lo_ind[a], next) << apt_id[a];
        EXPECT_LE(apt_lo_ind[a], apt_hi_ind[a]) << apt_id[a];
        next = apt_hi_ind[a] + 1;
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) {
            EXPECT_TRUE(rwy_lat[r] > 32 && rwy_lat[r] < 35.5f && rwy_lon[r] > -120 && rwy_lon[r] < -115) << apt_id[a];
            EXPECT_TRUE(rwy_num[r] >= 1 && rwy_num[r] <= 36 && rwy_hdng[r] >= 0 && rwy_hdng[r] <= 360) << apt_id[a];
            EXPECT_TRUE(rwy_len[r] > 500 && rwy_width[r] > 10) << apt_id[a];
            int kind, lit_a[2], lit_b[2], lit_c[2];
            code_to_lgts(&kind, lit_a, lit_b, lit_c, rwy_code[r]);
            EXPECT_EQ(rwy_code[r] / 1000000 + 61, kind) << apt_id[a] << " surface digit 1 to 5";
        }
    }
    EXPECT_EQ(next, rwy_wrl_max + 1);

    // The ships' four slots stay empty; VORs, NDBs and a whole ILS are there.
    int per_type[10] = {};
    for (int n = 0; n < 4; n++) EXPECT_EQ(nav_type[n], 0);
    for (int n = 4; n <= nav_wrl_max; n++)
        if (nav_type[n] >= 2 && nav_type[n] <= 9) per_type[nav_type[n]]++;
    for (int t : {2, 3, 4, 6, 7, 8}) EXPECT_GT(per_type[t], 0) << "navaid type " << t;
    int fixes = 0;
    while (fix_lat[fixes] < 98.5f) fixes++;
    EXPECT_GE(fixes, 20);
    EXPECT_EQ(fix_name[0][5], 0);
    EXPECT_FLOAT_EQ(fix_lat[fixes + 1], -999.0f);
}

// Metres east and north from (lat0, lon0) to (lat, lon).
static void metres_from(float lat0, float lon0, float lat, float lon, float* east, float* north)
{
    *north = (lat - lat0) * 60 * 1852.0f;
    *east = (lon - lon0) * 60 * 1852.0f * cosf(lat0 * 3.14159265f / 180);
}

// The shipped runways and instrument landing systems fit together: runways
// of one direction at an airport lie apart, and every localizer stands past
// the far end of a runway on its centre line, on the end's landing course,
// with approach lights at that end.
TEST(ShippedWorld, ParallelRunwaysLieApartAndEveryLocalizerServesALitRunwayEnd)
{
    snprintf(app_path, path_max, "%s", PROGRAM_DIR);
    MACIBM_set_constants();
    initing = 0;
    ogl_ready = 0;
    load_world_databases();

    for (int a = 0; a <= apt_wrl_max; a++)
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++)
            for (int q = r + 1; q <= apt_hi_ind[a]; q++) {
                float turn = fmodf(fabsf(rwy_hdng[r] - rwy_hdng[q]), 180);
                if (turn > 10 && turn < 170) continue;
                float east, north;
                metres_from(rwy_lat[r], rwy_lon[r], rwy_lat[q], rwy_lon[q], &east, &north);
                float h = rwy_hdng[r] * 3.14159265f / 180;
                float apart = fabsf(east * cosf(h) - north * sinf(h));   // across the runway
                EXPECT_GT(apart, 200.0f) << apt_id[a] << " runways " << rwy_num[r] << rwy_lcr[r] << " and "
                                         << rwy_num[q] << rwy_lcr[q];
            }

    int localizers = 0;
    for (int n = world_nav_first; n <= nav_wrl_max; n++) {
        if (nav_type[n] != 4) continue;
        localizers++;
        int served = 0;
        for (int r = 0; r <= rwy_wrl_max && !served; r++)
            for (int e = 0; e < 2 && !served; e++) {
                float course = fmodf(rwy_hdng[r] + 180.0f * (float)e, 360);
                float off = fmodf(fabsf(nav_hdng[n] - course), 360);
                if (off > 1 && off < 359) continue;
                float east, north;
                metres_from(rwy_lat[r], rwy_lon[r], nav_lat[n], nav_lon[n], &east, &north);
                float h = course * 3.14159265f / 180;
                float ahead = east * sinf(h) + north * cosf(h), aside = east * cosf(h) - north * sinf(h);
                if (fabsf(aside) > 30 || ahead < rwy_len[r] / 2 || ahead > rwy_len[r] / 2 + 1000) continue;
                served = 1;
                int kind, gsi[2], lights[2], approach[2];
                code_to_lgts(&kind, gsi, lights, approach, rwy_code[r]);
                EXPECT_GE(approach[e], 2) << nav_name[n] << ": no approach lights at the end it serves";
            }
        EXPECT_TRUE(served) << nav_name[n] << " serves no runway end";
    }
    EXPECT_GE(localizers, 10);
}

// Airport 0 has runway 0's index as its first: without runway lines it must
// still own none, not the next airport's first.
TEST_F(World, AFirstAirportWithoutRunwaysOwnsNone)
{
    put("apt.dat",
        "1     50 0 0 KBBB No Runways\n"
        "1    100 1 0 KAAA First Field\n"
        "10  33.500000 -118.500000  9 x  90.00  5000  100 1111111\n"
        "99\n");
    put("nav.dat", "2  34.086600 -118.029500    300.0      359   0.00 EMT  El Monte\n99\n");
    put("fix.dat", " 34.1 -118.9 SADDE\n99\n");
    load_world_databases();
    ASSERT_EQ(apt_wrl_max, 1);
    EXPECT_LT(apt_hi_ind[0], apt_lo_ind[0]);
    EXPECT_EQ(apt_lo_ind[1], 0);
    EXPECT_EQ(apt_hi_ind[1], 0);
}

TEST_F(World, LoadingConvertsToMetresAndKeepsEachAirportsRunways)
{
    put("apt.dat",
        "10  33.000000 -118.000000 36 x 360.00  4000  100 1111111\n"  // before any airport: nobody's
        "1    100 1 0 KAAA First-Field-Name\n"
        "10  33.500000 -118.500000  9 x  90.00  5000  100 1111111\n"
        "1     50 0 0 KBBB No Runways\n"
        "7\n"                                                          // an unknown code, skipped
        "1    200 1 1 KCCC Third\n"
        "10  34.000000 -117.000000  6 L  67.00  3000   75 2335321\n"
        "10  34.001000 -117.000000  6 R  67.00  2000   60 1111111\n"
        "99\n");
    put("nav.dat",
        "3  33.918800 -117.529404   1000.0    11220   0.00 PDZ  Paradise\n"
        "2  34.086600 -118.029500    300.0      359   0.00 EMT  El Monte\n"
        "99\n");
    put("fix.dat", " 34.1 -118.9 SADDE\n 34.0 -118.8 FUELR\n99\n");
    load_world_databases();

    EXPECT_EQ(apt_wrl_max, 2);
    EXPECT_EQ(rwy_wrl_max, 3);
    EXPECT_STREQ(apt_name[0], "First Field Name");
    EXPECT_FLOAT_EQ(apt_h[0], 30.48f);
    EXPECT_EQ(apt_lo_ind[0], 1);
    EXPECT_EQ(apt_hi_ind[0], 1);
    EXPECT_FLOAT_EQ(rwy_len[1], 1524.0f);
    EXPECT_FLOAT_EQ(rwy_width[1], 30.48f);
    EXPECT_LT(apt_hi_ind[1], apt_lo_ind[1]) << "no runway lines: an empty range";
    EXPECT_EQ(apt_lo_ind[2], 2);
    EXPECT_EQ(apt_hi_ind[2], 3);
    EXPECT_EQ(rwy_lcr[3], 'R');
    EXPECT_STREQ(apt_id[2], "KCCC");

    EXPECT_EQ(nav_wrl_max, 5);
    EXPECT_EQ(nav_type[4], 3);
    EXPECT_STREQ(nav_id[4], "PDZ ");
    EXPECT_FLOAT_EQ(nav_h[4], 304.8f);
    EXPECT_EQ(nav_type[5], 2);
    EXPECT_EQ(nav_frq[5], 359);

    EXPECT_STREQ(fix_name[1], "FUELR");
    EXPECT_FLOAT_EQ(fix_lon[1], -118.8f);
    EXPECT_FLOAT_EQ(fix_lat[2], 99.0f);
    EXPECT_FLOAT_EQ(fix_lon[2], -999.0f);
}

TEST_F(World, EmptyFilesLeaveEmptyTablesAndTheFixEndMarkRounds)
{
    put("apt.dat", "99\n");
    put("nav.dat", "99\n");
    put("fix.dat", "99\n");
    load_world_databases();
    EXPECT_EQ(apt_wrl_max, -1);
    EXPECT_EQ(rwy_wrl_max, -1);
    EXPECT_EQ(nav_wrl_max, 3);
    EXPECT_FLOAT_EQ(fix_lat[1], -999.0f);

    const struct {
        const char* mark;
        int fixes;
    } marks[] = {{"99.4", 1}, {"98.6", 1}, {"98.5", 1}, {"99.5 1 ABCDE\n99", 2}, {"98.4 1 ABCDE\n99", 2}};
    for (const auto& m : marks) {
        put("fix.dat", std::string(" 34.0 -117.0 ALPHA\n") + m.mark + "\n");
        read_fix_dat();
        int n = 0;
        while (fix_lat[n] < 98.5f || fix_lat[n] >= 99.5f) n++;
        EXPECT_EQ(n, m.fixes) << m.mark;
    }
}

// Each table loads full, and one record more is fatal with its index.
TEST_F(WorldDeathTest, EveryTableLoadsFullAndOneMoreIsFatal)
{
    const struct {
        const char* file;
        int capacity;
        std::string (*records)(int n);
        void (*read)(void);
        int (*count)(void);
        const char* alert;
        int index;   // the index that did not fit
    } tables[] = {
        {"apt.dat", 12000,
         [](int n) {
             std::string s;
             for (int k = 0; k < n; k++) s += "1 10 0 0 A" + std::to_string(k % 1000) + " Field\n";
             return s + "99\n";
         },
         read_apt_dat, [] { return apt_wrl_max + 1; }, "Too many airports in apt.dat file!", 12000},
        {"apt.dat", 16000,
         [](int n) {
             std::string s = "1 10 0 0 KAAA Field\n";
             for (int k = 0; k < n; k++) s += "10 34 -117 9 x 90 5000 100 1111111\n";
             return s + "99\n";
         },
         read_apt_dat, [] { return rwy_wrl_max + 1; }, "Too many runways in apt.dat file!", 16000},
        {"nav.dat", 19996,
         [](int n) {
             std::string s;
             for (int k = 0; k < n; k++) s += "2 34 -117 100 359 0 NDB Beacon\n";
             return s + "99\n";
         },
         read_nav_dat, [] { return nav_wrl_max - 3; }, "Too many navs in world database!", 20000},
        {"fix.dat", 33999,
         [](int n) {
             std::string s;
             for (int k = 0; k < n; k++) s += "34 -117 FIXES\n";
             return s + "99\n";
         },
         read_fix_dat,
         [] {
             int n = 0;
             while (fix_lat[n] < 98.5f) n++;
             return n;
         },
         "Too many fixes in world database!", 33999},
    };
    for (const auto& t : tables) {
        put(t.file, t.records(t.capacity));
        t.read();
        EXPECT_EQ(t.count(), t.capacity) << t.alert;

        put(t.file, t.records(t.capacity + 1));
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                t.read();
                exit(3);
            },
            ::testing::ExitedWithCode(1), "")
            << t.alert;
        EXPECT_EQ(error_out(), std::string(t.alert) + "\n\n\n" + std::to_string(t.index) + "\nend simulation\n");
    }
}

TEST_F(WorldDeathTest, AMissingForeignDamagedOrUnendedFileIsFatal)
{
    std::string apt = nav_folder() + "apt.dat";
    const struct {
        const char* what;
        std::string body;   // empty: no file at all
        std::string alert;
    } cases[] = {
        {"no file", "", "I am unable to access a nav, airport, or fix data file!\nThe path I am looking at is as follows:\n" + apt +
                            "\nMake sure the file listed above is available in the path listed above!\n"},
        {"another version", "I\n499 version\n99\n",
         "The following file is the wrong version for this version of Volanto:\n" + apt +
             "\nThrow that file away. You should only use the files that came with the program.\n"
             "You may have to re-install Volanto from the CD.\n"},
        {"no end line", "I\n500 version\n1 10 0 0 KAAA Field\n", "File-scanning error!\n\nfile:\napt.dat\n"},
        {"a damaged runway", "I\n500 version\n1 10 0 0 KAAA Field\n10 34 -117 9 x 90 long 100 1111111\n99\n",
         "File-scanning error!\n\nfile:\nscan rwy rwy_len\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(apt);
        if (!c.body.empty()) write_file(apt, c.body);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                read_apt_dat();
                exit(3);
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        EXPECT_EQ(error_out(), c.alert + "end simulation\n") << c.what;
    }
}

// A file that is there but has no world file's header is named as damaged,
// not as missing, whichever of the three it is.
TEST_F(WorldDeathTest, AFileWithAnotherHeaderIsNamedAsDamaged)
{
    const struct {
        const char* name;
        void (*read)(void);
        std::string body;
    } cases[] = {
        {"apt.dat", read_apt_dat, "X\n500 version\n99\n"},
        {"nav.dat", read_nav_dat, "i\n500 version\n99\n"},
        {"fix.dat", read_fix_dat, ""},
        {"apt.dat", read_apt_dat, "I\nxyz version\n99\n"},   // the right mark, no version
        {"nav.dat", read_nav_dat, "I\n"},                       // cut after the mark
        {"fix.dat", read_fix_dat, "I"},
    };
    for (const auto& c : cases) {
        std::string path = nav_folder() + c.name;
        write_file(path, c.body);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                c.read();
                exit(3);
            },
            ::testing::ExitedWithCode(1), "")
            << c.name;
        EXPECT_EQ(error_out(), "The following nav, airport, or fix data file is damaged:\n" + path +
                                   "\nIts header is not the header of a world data file.\n"
                                   "Replace it with the file that came with the program.\nend simulation\n")
            << c.name;
    }
}
