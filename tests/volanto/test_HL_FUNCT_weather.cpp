// Weather reports: the decoder over a table of reports (each landmark, each
// form of visibility and wind, the reports it once misread) and within its
// word and field tables; the lookup of the nearest station among the
// region's airports, over long lines, CR LF files and blank lines; and the
// shipped "WORLD.RWX", every line of which finds its airport and decodes.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>
#include <string>

static const float ft = 0.3048f;
static const float nm = 0.3048f * 6076.1155f;
static const float keep = -99.0f;   // what every output holds before a decoding

// The thirteen outputs, all starting at keep.
struct weather {
    float time = keep;
    int cover = (int)keep;
    float base = keep, top = keep, visibility = keep;
    int kind = (int)keep, strength = (int)keep;
    float temperature = keep, dew_point = keep, wind_dir = keep, wind_speed = keep, gust = keep, barometer = keep;
};

static weather decode(const char* report, float elevation, weather w = weather())
{
    decode_wxr(report, elevation, &w.time, &w.cover, &w.base, &w.top, &w.visibility, &w.kind, &w.strength,
               &w.temperature, &w.dew_point, &w.wind_dir, &w.wind_speed, &w.gust, &w.barometer);
    return w;
}

class Weather : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
    }
};

// ---- decode_wxr ----------------------------------------------------------------

// Expected values in the report's units; heights are feet above the station
// and visibility nautical miles, keep where the output must stay as it was.
struct decode_case {
    const char* report;
    float time;
    int cover;
    float base_ft, top_ft, visibility_nm;
    int kind, strength;
    float temperature, dew_point, wind_dir, wind_speed, gust, barometer;
};

static const int k = (int)keep;   // keep, for the int outputs

static const decode_case decode_cases[] = {
    // The example: two layers, light rain raising the top by 1000 ft.
    {"KXYZ 1150 25 SCT 80 BKN 5 R- 72/65/2710/992", 42600, 3, 2500, 9000, 5, 2, 1, 72, 65, 270, 10, 0, 29.92f},
    // Calm: direction 360, speed 0; a barometer below 5 inches is above 30.
    {"KXYZ 0005 25 SCT 10 72/65/0000/013", 300, 2, 2500, 2500, 10, k, k, 72, 65, 360, 0, 0, 30.13f},
    {"KXYZ 2359 40 OVC 7 58/50/2715G25/998", 86340, 4, 4000, 4000, 7, k, k, 58, 50, 270, 15, 10, 29.98f},
    // "1 1/2" before the weather word, and at the end of the sky.
    {"KXYZ 1150 5 OVC 1 1/2 RF 60/58/1805/001", 42600, 4, 500, 2500, 1.5f, 3, 2, 60, 58, 180, 5, 0, 30.01f},
    {"KXYZ 1150 5 OVC 1 1/2 60/58/1805/001", 42600, 4, 500, 500, 1.5f, k, k, 60, 58, 180, 5, 0, 30.01f},
    {"KXYZ 1150 5 BKN 12 OVC 3/4 RW+F 60/58/1805/001", 42600, 4, 500, 1200 + 3000, 0.75f, 4, 3, 60, 58, 180, 5, 0,
     30.01f},
    // "CLR" first: clear, even with layers after it; the tops stay.
    {"KXYZ 1150 CLR 25 SCT 80 BKN 10 72/65/2710/992", 42600, 1, keep, keep, 10, k, k, 72, 65, 270, 10, 0, 29.92f},
    // A thunderstorm raises the top ten times as far.
    {"KXYZ 1150 30 BKN 80 OVC 2 TRW+ 84/64/1520G40/985", 42600, 4, 3000, 8000 + 30000, 2, 1, 3, 84, 64, 150, 20,
     20, 29.85f},
    // Without a group only the time; a temperature of 0 or signed is not taken.
    {"KXYZ 1150 25 SCT 10 R-", 42600, k, keep, keep, keep, k, k, keep, keep, keep, keep, keep, keep},
    {"KXYZ 1150 CLR 10 0/-5/2710/992", 42600, 1, keep, keep, 10, k, k, keep, keep, 270, 10, 0, 29.92f},
    // A report without its id: the time is not read, the sky pairs stay in step.
    {"1150 25 SCT 80 BKN 5 R- 72/65/2710/992", keep, 3, 2500, 9000, 5, 2, 1, 72, 65, 270, 10, 0, 29.92f},
    // A time or barometer too short to read sets nothing.
    {"KXYZ 115 CLR 10 72/65/2710/99", keep, 1, keep, keep, 10, k, k, 72, 65, 270, 10, 0, keep},
    // Five "/": the group has a leading field all the same.
    {"KXYZ 1150 CLR 10 M/72/65/2710/992/", 42600, 1, keep, keep, 10, k, k, 72, 65, 270, 10, 0, 29.92f},
    // No weather word: the top is the highest layer, nothing more.
    {"KXYZ 1150 25 SCT 80 BKN 5 72/65/2710/992", 42600, 3, 2500, 8000, 5, k, k, 72, 65, 270, 10, 0, 29.92f},
    // A weather word and no layer: kind and strength, the top untouched.
    {"KXYZ 1150 CLR 5 S+ 30/28/2710/992", 42600, 1, keep, keep, 5, 2, 3, 30, 28, 270, 10, 0, 29.92f},
};

TEST_F(Weather, DecodesEachPartOfAReport)
{
    const float elevation = 100.0f;
    for (const decode_case& c : decode_cases) {
        SCOPED_TRACE(c.report);
        weather w = decode(c.report, elevation);
        auto height = [&](float f) { return f == keep ? keep : f * ft + elevation; };
        EXPECT_FLOAT_EQ(w.time, c.time);
        EXPECT_EQ(w.cover, c.cover);
        EXPECT_NEAR(w.base, height(c.base_ft), 0.01f);
        EXPECT_NEAR(w.top, height(c.top_ft), 0.01f);
        EXPECT_NEAR(w.visibility, c.visibility_nm == keep ? keep : c.visibility_nm * nm, 0.1f);
        EXPECT_EQ(w.kind, c.kind);
        EXPECT_EQ(w.strength, c.strength);
        EXPECT_FLOAT_EQ(w.temperature, c.temperature);
        EXPECT_FLOAT_EQ(w.dew_point, c.dew_point);
        EXPECT_FLOAT_EQ(w.wind_dir, c.wind_dir);
        EXPECT_FLOAT_EQ(w.wind_speed, c.wind_speed);
        EXPECT_FLOAT_EQ(w.gust, c.gust);
        EXPECT_NEAR(w.barometer, c.barometer, 0.001f);
    }
}

TEST_F(Weather, EveryWeatherWordGivesItsKindAndStrength)
{
    struct {
        const char* word;
        int kind, strength;
    } words[] = {{"R-", 2, 1},   {"R", 2, 2},     {"R+", 2, 3},    {"RW-", 4, 1},    {"RW", 4, 2},   {"RW+", 4, 3},
                 {"S-", 2, 1},   {"S", 2, 2},     {"S+", 2, 3},    {"SW-", 4, 1},    {"SW", 4, 2},   {"SW+", 4, 3},
                 {"TRW-", 1, 1}, {"TRW", 1, 2},   {"TRW+", 1, 3},  {"R-F", 3, 1},    {"RF", 3, 2},   {"R+F", 3, 3},
                 {"RW-F", 4, 1}, {"RWF", 4, 2},   {"RW+F", 4, 3},  {"TRW-F", 1, 1},  {"TRWF", 1, 2}, {"TRW+F", 1, 3},
                 {"FG", k, k},   {"r-", k, k}};
    for (auto c : words) {
        std::string report = std::string("KXYZ 1150 10 OVC 3 ") + c.word + " 50/48/2710/992";
        weather w = decode(report.c_str(), 0.0f);
        EXPECT_EQ(w.kind, c.kind) << c.word;
        EXPECT_EQ(w.strength, c.strength) << c.word;
        float raise = c.kind == k ? 0.0f : (float)c.strength * (c.kind == 1 ? 10000.0f : 1000.0f);
        EXPECT_NEAR(w.top, (1000.0f + raise) * ft, 0.01f) << c.word;
    }
}

// The real-weather refresh decodes into the targets it keeps, every minute:
// only this report's weather raises only the top this report set.
TEST_F(Weather, KeptTopsDoNotClimbWithEachDecoding)
{
    weather held;
    held.top = 5000 * ft;
    held.kind = 2;
    held.strength = 3;
    weather once = decode("KXYZ 1150 CLR 10 72/65/2710/992", 0.0f, held);
    weather twice = decode("KXYZ 1150 CLR 10 72/65/2710/992", 0.0f, once);
    EXPECT_FLOAT_EQ(twice.top, 5000 * ft);
    EXPECT_EQ(twice.kind, 2);

    weather dry = decode("KXYZ 1150 80 BKN 5 72/65/2710/992", 0.0f, held);
    EXPECT_NEAR(dry.top, 8000 * ft, 0.01f) << "not raised by the kind held";
    weather wet = decode("KXYZ 1150 80 BKN 5 R- 72/65/2710/992", 0.0f, held);
    EXPECT_NEAR(wet.top, 9000 * ft, 0.01f) << "raised by this report's light rain";
}

TEST_F(Weather, VariableWindBlowsFromATenDegreeStep)
{
    std::set<int> seen;
    for (unsigned seed = 1; seed <= 200; seed++) {
        rnd15_seed(seed);
        weather w = decode("KXYZ 1150 CLR 10 72/65/VR05/992", 0.0f);
        int dir = (int)w.wind_dir;
        EXPECT_FLOAT_EQ(w.wind_dir, (float)dir);
        EXPECT_TRUE(dir >= 10 && dir <= 360 && dir % 10 == 0) << dir;
        EXPECT_FLOAT_EQ(w.wind_speed, 5);
        EXPECT_FLOAT_EQ(w.gust, 0);
        seen.insert(dir);
    }
    EXPECT_GT(seen.size(), 20u);
}

// Longer reports than the decoder's tables: 40 words of 399 characters and
// five group fields. What lies beyond is not looked at.
TEST_F(Weather, OverlongReportsStayInsideTheTables)
{
    std::string many = "KXYZ 1150";
    for (int n = 0; n < 20; n++) many += " 25 SCT";
    weather past = decode((many + " 5 R- 72/65/2710/992").c_str(), 0.0f);
    EXPECT_FLOAT_EQ(past.time, 42600);
    EXPECT_EQ(past.cover, k) << "the group is word 44, past the table";
    EXPECT_FLOAT_EQ(past.temperature, keep);

    std::string within = "KXYZ 1150 25 SCT 5 R- 72/65/2710/992";
    for (int n = 0; n < 60; n++) within += " 80 OVC";
    weather inside = decode(within.c_str(), 0.0f);
    EXPECT_EQ(inside.cover, 2);
    EXPECT_FLOAT_EQ(inside.temperature, 72);

    std::string long_word = "KXYZ 1150 " + std::string(1000, '9') + " SCT 5 R- 72/65/2710/992";
    weather cut = decode(long_word.c_str(), 0.0f);
    EXPECT_EQ(cut.cover, 1) << "a height of 399 digits is no height";
    EXPECT_FLOAT_EQ(cut.temperature, 72);

    weather fields = decode("KXYZ 1150 CLR 10 X/72/65/2710/992/1/2/3/4/5/6", 0.0f);
    EXPECT_FLOAT_EQ(fields.temperature, 72);
    EXPECT_FLOAT_EQ(fields.wind_dir, 270);
    EXPECT_NEAR(fields.barometer, 29.92f, 0.001f);

    std::string long_group = "KXYZ 1150 CLR 10 72/65/2710/" + std::string(600, '9');
    weather big = decode(long_group.c_str(), 0.0f);
    EXPECT_FLOAT_EQ(big.barometer, keep) << "a field of 388 digits is no barometer";
    EXPECT_FLOAT_EQ(big.temperature, 72);
}

// ---- get_wxr_str ---------------------------------------------------------------

// Four airports on quarter degrees, so that distances tie exactly: KAAA and
// KBBB in the region, KCCC between them outside it, L26 (a short id, kept
// padded as the reader keeps it) in the region.
class Stations : public Weather {
protected:
    void SetUp() override
    {
        Weather::SetUp();
        struct {
            const char* id;
            float lat, lon, h;
            int inreg;
        } airports[] = {{"KAAA", 34.0f, -117.0f, 100, 1},
                        {"KBBB", 34.0f, -117.5f, 200, 1},
                        {"KCCC", 34.0f, -117.25f, 300, 0},
                        {"L26 ", 35.0f, -117.0f, 400, 1}};
        int n = 0;
        for (auto a : airports) {
            snprintf(apt_id[n], sizeof apt_id[n], "%s", a.id);
            apt_lo_ind[n] = apt_hi_ind[n] = n;
            rwy_lat[n] = a.lat;
            rwy_lon[n] = a.lon;
            apt_h[n] = a.h;
            apt_inreg[n] = a.inreg;
            n++;
        }
        apt_wrl_max = rwy_wrl_max = n - 1;
        path = std::string(test_scratch_folder()) + "WORLD.RWX";
    }
    void TearDown() override
    {
        inf1.close();
        inf1.clear();
    }

    // Writes the file, opens it on inf1 as the caller does and looks up
    // (lat, lon); report and elevation start as "none" and -1.
    int lookup(const std::string& file, float lat, float lon)
    {
        write_file(path, file);
        return lookup_written(lat, lon);
    }
    int lookup_written(float lat, float lon)
    {
        inf1.close();
        inf1.clear();
        inf1.open(path);
        snprintf(report, sizeof report, "none");
        elevation = -1;
        int found = get_wxr_str(report, &elevation, lat, lon);
        inf1.close();
        inf1.clear();
        return found;
    }

    std::string path;
    char report[line_max];
    float elevation;
};

static const std::string line_a = "KAAA KAAA 1150 CLR 10 72/65/0000/992";
static const std::string line_b = "KBBB KBBB 1150 25 SCT 10 70/60/2710/990";
static const std::string line_c = "KCCC KCCC 1150 5 OVC 1 R+ 60/58/1805/985";

TEST_F(Stations, TheNearestStationOfTheRegionGivesItsReport)
{
    std::string file = line_b + "\n" + line_a + "\n";
    ASSERT_EQ(lookup(file, 34.0f, -117.1f), 1);
    EXPECT_STREQ(report, line_a.c_str() + 5);
    EXPECT_FLOAT_EQ(elevation, 100);
    ASSERT_EQ(lookup(file, 34.5f, -117.4f), 1);
    EXPECT_STREQ(report, line_b.c_str() + 5);
    EXPECT_FLOAT_EQ(elevation, 200);

    ASSERT_EQ(lookup("L26  KL26 1150 CLR 10 72/65/0000/992\n", 34.0f, -117.0f), 1);
    EXPECT_STREQ(report, "KL26 1150 CLR 10 72/65/0000/992");
    EXPECT_FLOAT_EQ(elevation, 400);
}

TEST_F(Stations, ATieKeepsTheFirstAndAirportsOutsideTheRegionDoNotCount)
{
    // KCCC lies on the point asked for, KAAA and KBBB a quarter degree either side.
    ASSERT_EQ(lookup(line_c + "\n" + line_b + "\n" + line_a + "\n", 34.0f, -117.25f), 1);
    EXPECT_STREQ(report, line_b.c_str() + 5);
    ASSERT_EQ(lookup(line_c + "\n" + line_a + "\n" + line_b + "\n", 34.0f, -117.25f), 1);
    EXPECT_STREQ(report, line_a.c_str() + 5);

    // Only stations that are no airport of the region: nothing found, nothing touched.
    EXPECT_EQ(lookup(line_c + "\nKZZZ KZZZ 1150 CLR 10 72/65/0000/992\n", 34.0f, -117.25f), 0);
    EXPECT_STREQ(report, "none");
    EXPECT_FLOAT_EQ(elevation, -1);

    // An airport without a runway has no position: read before any runway,
    // its range is the next airport's runway 0 (as the loader leaves it).
    apt_lo_ind[1] = apt_hi_ind[1] = 0;
    rwy_lat[0] = 34.0f;
    rwy_lon[0] = -117.5f;
    ASSERT_EQ(lookup(line_a + "\n" + line_b + "\n", 34.0f, -117.5f), 1);
    EXPECT_STREQ(report, line_b.c_str() + 5);
}

TEST_F(Stations, ALongLineKeepsIts398FirstCharactersAndTheNextLineReads)
{
    std::string text;
    for (int n = 0; text.size() < 500; n++) text += std::to_string(n % 10);
    ASSERT_EQ(lookup("KAAA " + text + "\n" + line_b + "\n", 34.0f, -117.0f), 1);
    EXPECT_EQ(std::string(report), text.substr(0, 398));
    ASSERT_EQ(lookup_written(34.0f, -117.5f), 1);
    EXPECT_STREQ(report, line_b.c_str() + 5);
}

TEST_F(Stations, CrLfEndingsAndBlankOrShortLinesDoNotShiftTheRecords)
{
    struct {
        const char* name;
        std::string file;
    } files[] = {
        {"CR LF", line_b + "\r\n" + line_a + "\r\n"},
        {"blank and short lines", "\n\n" + line_b + "\n\n   \nKAAA\n" + line_a},
        {"CR alone", line_b + "\r" + line_a + "\r"},
        {"CR LF and blanks", "\r\n" + line_b + "\r\n\r\n\r\n" + line_a + "\r\n\r\n"},
    };
    for (auto& f : files) {
        ASSERT_EQ(lookup(f.file, 34.0f, -117.0f), 1) << f.name;
        EXPECT_STREQ(report, line_a.c_str() + 5) << f.name;
        ASSERT_EQ(lookup_written(34.0f, -117.5f), 1) << f.name;
        EXPECT_STREQ(report, line_b.c_str() + 5) << f.name;
    }
}

TEST_F(Stations, AMissingOrEmptyFileFindsNothing)
{
    EXPECT_EQ(lookup("", 34.0f, -117.0f), 0);
    EXPECT_STREQ(report, "none");
    std::remove(path.c_str());
    EXPECT_EQ(lookup_written(34.0f, -117.0f), 0);
    EXPECT_STREQ(report, "none");
    EXPECT_FLOAT_EQ(elevation, -1);
}

// ---- the shipped file ------------------------------------------------------------

// Every airport of the shipped world has one line, found at its own runway,
// and every report sets the time, the sky and the whole temperature group.
TEST(ShippedWeather, EveryStationFindsItsAirportAndDecodes)
{
    reset_suite_state();
    snprintf(app_path, path_max, "%s", PROGRAM_DIR);
    MACIBM_set_constants();
    initing = 0;
    ogl_ready = 0;
    load_world_databases();
    ASSERT_GE(apt_wrl_max, 0);
    for (int a = 0; a <= apt_wrl_max; a++) apt_inreg[a] = 1;

    std::string path = std::string(PROGRAM_DIR) + "WORLD.RWX";
    std::istringstream lines(read_file(path));
    std::set<std::string> ids;
    std::set<int> covers, kinds, strengths;
    int gusts = 0, calms = 0, fractions = 0, lines_read = 0;
    for (std::string line; std::getline(lines, line); lines_read++) {
        SCOPED_TRACE(line);
        ASSERT_GE(line.size(), 5u);
        std::string id = line.substr(0, 4);
        EXPECT_TRUE(ids.insert(id).second) << "one line a station";
        int a = 0;
        while (a <= apt_wrl_max && strncmp(apt_id[a], id.c_str(), 4) != 0) a++;
        ASSERT_LE(a, apt_wrl_max) << "the station is a shipped airport";

        inf1.close();
        inf1.clear();
        inf1.open(path);
        char report[line_max];
        float elevation = -1;
        int r = apt_lo_ind[a];
        ASSERT_EQ(get_wxr_str(report, &elevation, rwy_lat[r], rwy_lon[r]), 1);
        inf1.close();
        inf1.clear();
        EXPECT_EQ(std::string(report), line.substr(5));
        EXPECT_FLOAT_EQ(elevation, apt_h[a]);

        weather w = decode(report, elevation);
        EXPECT_NE(w.time, keep);
        EXPECT_TRUE(w.cover >= 1 && w.cover <= 4);
        EXPECT_GT(w.visibility, 0);
        EXPECT_GT(w.temperature, 0);
        EXPECT_GT(w.dew_point, 0);
        EXPECT_LE(w.dew_point, w.temperature);
        EXPECT_TRUE(w.wind_dir >= 10 && w.wind_dir <= 360);
        EXPECT_GE(w.wind_speed, 0);
        EXPECT_GE(w.gust, 0);
        EXPECT_TRUE(w.barometer > 28.5f && w.barometer < 31.0f);
        if (w.base != keep) {
            EXPECT_GT(w.base, elevation);
            EXPECT_GE(w.top, w.base);
        }
        covers.insert(w.cover);
        if (w.kind != k) kinds.insert(w.kind);
        if (w.strength != k) strengths.insert(w.strength);
        gusts += w.gust > 0;
        calms += w.wind_speed == 0;
        fractions += line.find('/') < line.rfind(' ');

        if (id == "KSBD") {
            // The factory start in real weather: clear, calm, standard pressure.
            EXPECT_EQ(w.cover, 1);
            EXPECT_FLOAT_EQ(w.base, keep);
            EXPECT_EQ(w.kind, k);
            EXPECT_FLOAT_EQ(w.wind_speed, 0);
            EXPECT_FLOAT_EQ(w.gust, 0);
            EXPECT_NEAR(w.barometer, 29.92f, 0.001f);
        }
    }
    EXPECT_EQ(lines_read, apt_wrl_max + 1);
    EXPECT_EQ(covers, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(strengths, (std::set<int>{1, 2, 3}));
    EXPECT_GT(gusts, 0);
    EXPECT_GT(calms, 0);
    EXPECT_GT(fractions, 0);
}
