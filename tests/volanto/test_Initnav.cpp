// Runway geometry slots: the edge-light count, one slot's whole layout as a
// golden text, where the edge rows stand, crossing runways, a second build
// over an old slot, the rabbits, and KSBD's slot in the shipped world.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// Runway codes: surface 62, then per end the glide-slope indicator, runway
// light and approach-light digits.
static const int code_2_3_5__3_1_6 = 1235316;   // end 0: two-bar indicator, kind 5; end 1: row of four, kind 6
static const int code_1_1_1__1_1_2 = 1111112;   // approach kinds 1 and 2: no flashers

// A made world: a region at 10 N 20 E and one airport at 100 m whose
// runways the tests add; load_region hands out the slots in order and builds
// them, as a full load does.
class RunwaySlots : public ::testing::Test {
protected:
    const float airport_h = 100;
    // 1/64 degree north-east of the region's corner: small local numbers, exact in a float.
    const float lat = 10 + 1.0f / 64, lon = 20 + 1.0f / 64;

    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        env.reg_lat = 10;
        env.reg_lon = 20;
        apt_wrl_max = 0;
        rwy_wrl_max = -1;
        apt_h[0] = airport_h;
        apt_lo_ind[0] = 0;
        apt_hi_ind[0] = -1;
    }
    void TearDown() override
    {
        apt_wrl_max = -1;
        rwy_wrl_max = -1;
    }

    int add_runway(int number, float hdng, float len_ft, float width_ft, int code)
    {
        int r = ++rwy_wrl_max;
        apt_hi_ind[0] = r;
        rwy_num[r] = number;
        rwy_lcr[r] = 'x';
        rwy_lat[r] = lat;
        rwy_lon[r] = lon;
        rwy_hdng[r] = hdng;
        rwy_len[r] = len_ft * con.fttomtrs;
        rwy_width[r] = width_ft * con.fttomtrs;
        rwy_code[r] = code;
        return r;
    }

    // Moves runway r's centre by (x, z) metres in the local frame.
    void move_runway(int r, float x, float z)
    {
        float cx = X_with_latlon(rwy_lat[r], rwy_lon[r]) + x, cz = Z_with_lat(rwy_lat[r]) + z;
        rwy_lat[r] = Lat_with_z(cz);
        rwy_lon[r] = Lon_with_xlat(cx, rwy_lat[r]);
    }
};

// A world point in runway r's own frame: x across (right of an aircraft
// landing on end 0), y above height h, z along (end 0's threshold at +L/2).
struct Local {
    float x, y, z;
};
static Local runway_frame(int r, const float p[3], float h)
{
    float dx = p[0] - X_with_latlon(rwy_lat[r], rwy_lon[r]), dz = p[2] - Z_with_lat(rwy_lat[r]);
    return {rx3d(dx, dz, -rwy_hdng[r]), p[1] - h, rz3d(dx, dz, -rwy_hdng[r])};
}
// The world point at (x, z) of runway r's own frame.
static void world_point(int r, float x, float z, float* wx, float* wz)
{
    *wx = X_with_latlon(rwy_lat[r], rwy_lon[r]) + rx3d(x, z, rwy_hdng[r]);
    *wz = Z_with_lat(rwy_lat[r]) + rz3d(x, z, rwy_hdng[r]);
}

static bool removed(const float p[3]) { return p[1] == geo_removed_y; }

static bool same_point(const float a[3], const float b[3]) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

// ---- the edge-light count --------------------------------------------------------

TEST_F(RunwaySlots, EdgeLightIntervalsFollowTheLengthInFeet)
{
    const struct {
        float len_ft, width_ft;
        int n;
    } cases[] = {
        {3000, 150, 20},    // one every 150 ft
        {200, 60, 20},      // a pad under 500 ft: one every 10 ft
        {400, 60, 40},
        {12000, 150, 49},   // 80 would run into the next row
        {1000, 100, 10},    // 7 is too few
    };
    int r = add_runway(6, 60, 0, 0, code_2_3_5__3_1_6);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.len_ft << " ft");
        rwy_len[r] = c.len_ft * con.fttomtrs;
        rwy_width[r] = c.width_ft * con.fttomtrs;
        load_region(1);
        const int s = rwy_geo_ind[r];
        ASSERT_EQ(s, 0);
        EXPECT_EQ(geo_rmax1[s], c.n);
        EXPECT_EQ(geo_rmax2[s], c.n + 50);
        EXPECT_EQ(geo_RCLS[s], c.n + 100);
        EXPECT_EQ(geo_tmax1[s], c.n + 150);
        EXPECT_EQ(geo_tmax2[s], c.n + 200);
        // The row's last light stands at the far threshold; nothing follows it.
        Local last = runway_frame(r, geo_litexyz[s][c.n], airport_h);
        EXPECT_NEAR(last.z, -rwy_len[r] / 2, 0.01f);
        if (c.n < 49) {
            EXPECT_TRUE(removed(geo_litexyz[s][c.n + 1]));
        }
    }
}

// ---- one slot ----------------------------------------------------------------------

static std::string fixed2(float v)
{
    char buf[32];
    snprintf(buf, sizeof buf, "%.2f", v);
    return strcmp(buf, "-0.00") == 0 ? "0.00" : buf;
}

static std::string xyz_text(float x, float y, float z)
{
    char buf[64];
    snprintf(buf, sizeof buf, "%8s %6s %8s", fixed2(x).c_str(), fixed2(y).c_str(), fixed2(z).c_str());
    return buf;
}

static std::string local_text(int r, const float p[3])
{
    Local l = runway_frame(r, p, apt_h[0]);
    return xyz_text(l.x, l.y, l.z);
}

// The slot of runway r as text, in the runway's own frame. Removed light
// points are gathered into one line per run.
static std::string slot_text(int r)
{
    const int s = rwy_geo_ind[r];
    std::string t;
    char line[160];
    snprintf(line, sizeof line, "runway %02d: %.0f x %.0f ft, heading %.0f, code %d; surface %d, taxiways %d\n",
             rwy_num[r], rwy_len[r] * con.mtrstoft, rwy_width[r] * con.mtrstoft, rwy_hdng[r], rwy_code[r],
             geo_type[s], geo_tway[s]);
    t += line;
    for (int e = 0; e < 2; e++) {
        snprintf(line, sizeof line, "end %d: runway lights %d, approach lights %d, glide-slope indicator %d\n", e,
                 geo_litrwy[s][e], geo_litapp[s][e], geo_litgls[s][e]);
        t += line;
    }
    snprintf(line, sizeof line, "row ends: %d %d %d %d %d\n", geo_rmax1[s], geo_rmax2[s], geo_RCLS[s], geo_tmax1[s],
             geo_tmax2[s]);
    t += line;
    t += "positions: x across, y above the airport, z along (end 0 at +L/2), m\n";

    static const char* const quad_names[geo_quads] = {"runway", "taxiway", "connector 0", "connector middle",
                                                      "connector 1", "apron"};
    for (int q = 0; q < geo_quads; q++) {
        t += "# quad " + std::to_string(q) + ", " + quad_names[q] + "\n";
        for (int k = 0; k < 4; k++) t += "   " + std::to_string(k) + " " + local_text(r, geo_markxyz[s][q][k]) + "\n";
    }
    for (int k = 0; k < 2; k++)
        t += "sock " + std::to_string(k) + ":   " +
             (removed(geo_sockxyz[s][k]) ? std::string("hidden") : local_text(r, geo_sockxyz[s][k])) + "\n";
    t += "# strip corners\n";
    for (int k = 0; k < 4; k++) t += "   " + std::to_string(k) + " " + local_text(r, geo_cornxyz[s][k]) + "\n";
    for (int e = 0; e < 2; e++) {
        const float* d = geo_rabDxyz[s][e];
        t += "rabbit " + std::to_string(e) + ": start" + local_text(r, geo_rabSxyz[s][e]) + ", step" +
             xyz_text(rx3d(d[0], d[2], -rwy_hdng[r]), d[1], rz3d(d[0], d[2], -rwy_hdng[r])) + "\n";
    }

    struct Section {
        int first;
        std::string name;
    };
    std::vector<Section> sections = {
        {geo_left_row, "left edge row"},          {geo_right_row, "right edge row"},
        {geo_centre_row, "centreline row"},       {geo_taxi_inner_row, "taxiway inner row"},
        {geo_taxi_outer_row, "taxiway outer row round the apron"},
    };
    for (int e = 0; e < 2; e++) {
        const int b = e * geo_end_offset;
        const std::string end = "end " + std::to_string(e) + " ";
        if (e == 1)
            sections.insert(sections.end(), {{geo_threshold_bar0, "threshold bar end 0"},
                                             {geo_threshold_bar1, "threshold bar end 1"},
                                             {geo_connector_lights, "connector lights"},
                                             {geo_apron_lights, "apron lights"}});
        sections.insert(sections.end(), {{b + geo_approach_left, end + "approach row left"},
                                         {b + geo_approach_right, end + "approach row right"},
                                         {b + geo_crossbar_left, end + "crossbar left"},
                                         {b + geo_crossbar_right, end + "crossbar right"},
                                         {b + geo_gsi, end + "glide-slope indicator"},
                                         {b + geo_rabbit, end + "rabbit"},
                                         {b + geo_approach_side, end + "approach-side rows"},
                                         {b + geo_touchdown, end + "touchdown-zone rows"},
                                         {b + geo_outer_approach, end + "outer approach rows"}});
    }
    sections.push_back({geo_beacon, "beacon"});

    for (size_t k = 0; k < sections.size(); k++) {
        const int first = sections[k].first, end = k + 1 < sections.size() ? sections[k + 1].first : geo_lights;
        t += "# " + sections[k].name + "\n";
        for (int i = first; i < end;) {
            if (removed(geo_litexyz[s][i])) {
                int j = i;
                while (j + 1 < end && removed(geo_litexyz[s][j + 1])) j++;
                if (j == i) snprintf(line, sizeof line, "%4d removed\n", i);
                else snprintf(line, sizeof line, "%4d..%d removed\n", i, j);
                t += line;
                i = j + 1;
            } else {
                snprintf(line, sizeof line, "%4d %s\n", i, local_text(r, geo_litexyz[s][i]).c_str());
                t += line;
                i++;
            }
        }
    }
    return t;
}

TEST_F(RunwaySlots, OneSlotMatchesItsGoldenText)
{
    int r = add_runway(6, 60, 3000, 150, code_2_3_5__3_1_6);
    load_region(1);
    ASSERT_EQ(rwy_geo_ind[r], 0);
    std::string diff = golden_diff("runway_slot_06.txt", slot_text(r));
    EXPECT_EQ(diff, "");
}

TEST_F(RunwaySlots, EdgeRowsEndOneMetreOutsideTheRunwayAtBothThresholds)
{
    int r = add_runway(6, 60, 3000, 150, code_2_3_5__3_1_6);
    load_region(1);
    const int s = rwy_geo_ind[r], n = geo_rmax1[s];
    // Runway quad corners: 0 and 1 across end 1, 2 and 3 across end 0; 3 and 0 on the left edge.
    const float(*q)[3] = geo_markxyz[s][0];
    const struct {
        int light, corner, across_to, along_to;
    } ends[] = {{geo_left_row, 3, 2, 0}, {geo_left_row + n, 0, 1, 3}};
    for (const auto& e : ends) {
        SCOPED_TRACE(testing::Message() << "light " << e.light);
        const float* p = geo_litexyz[s][e.light];
        const float* c = q[e.corner];
        float ax = q[e.across_to][0] - c[0], az = q[e.across_to][2] - c[2];
        float lx = q[e.along_to][0] - c[0], lz = q[e.along_to][2] - c[2];
        float a = sqrtf(ax * ax + az * az), l = sqrtf(lx * lx + lz * lz);
        // One metre away from the runway's corner, on the threshold's line.
        EXPECT_NEAR(((p[0] - c[0]) * ax + (p[2] - c[2]) * az) / a, -1.0f, 0.005f);
        EXPECT_NEAR(((p[0] - c[0]) * lx + (p[2] - c[2]) * lz) / l, 0.0f, 0.005f);
        EXPECT_FLOAT_EQ(p[1], airport_h + 0.5f);
    }
}

// ---- crossing runways ------------------------------------------------------------

// Runway 09 and, across its end 1, runway 18: 18's centre line passes 10 m
// inside 09's far threshold, its taxiway side toward 09's middle, so one of
// 09's windsocks stands on 18's strip. In 09's frame 18 runs across at
// z = -447 from x = -412 to 502, its parallel taxiway at z = -356 .. -333
// and its middle connector over 09 at x = 8 .. 82, z = -424 .. -356.
// Both lie along the axes, where the strip's 15 m margin (taken along one
// axis) is square to its edges.
class CrossingRunways : public RunwaySlots {
protected:
    int r09 = -1, r18 = -1;
    void add_runway_18(void)
    {
        r18 = add_runway(18, 180, 3000, 150, code_1_1_1__1_1_2);
        float x, z;
        world_point(r09, 45, -447, &x, &z);
        move_runway(r18, x - X_with_latlon(lat, lon), z - Z_with_lat(lat));
    }
    void SetUp() override
    {
        RunwaySlots::SetUp();
        r09 = add_runway(9, 90, 3000, 150, code_2_3_5__3_1_6);
        // The region's frame, so that placing runway 18 can use it.
        load_region(1);
    }
};

TEST_F(CrossingRunways, LightsOnTheOtherPavementGoSocksHideCornersStay)
{
    float alone[geo_lights][3];
    memcpy(alone, geo_litexyz[0], sizeof alone);
    add_runway_18();
    load_region(1);
    ASSERT_EQ(rwy_geo_ind[r09], 0);
    ASSERT_EQ(rwy_geo_ind[r18], 1);
    const int n = geo_rmax1[0];
    ASSERT_EQ(n, 20);

    const struct {
        int slot, light;
        bool gone;
        const char* why;
    } lights[] = {
        {0, geo_left_row, false, "09's strip corner at end 0"},
        {0, geo_left_row + n, true, "09's strip corner at end 1, on 18's runway"},
        {0, geo_taxi_outer_row + n, true, "09's taxiway corner at end 1, on 18's runway"},
        {0, geo_left_row + n - 1, false, "09's left edge short of 18"},
        {0, geo_right_row + n - 2, true, "09's right edge under 18's middle connector"},
        {0, geo_centre_row + n, true, "09's last centre light, on 18's runway"},
        {0, geo_centre_row + n - 1, false, "09's centre light short of 18"},
        {0, geo_threshold_bar0, false, "09's threshold bar at end 0"},
        {1, geo_right_row + 9, true, "18's right edge across 09"},
        {1, geo_right_row + 8, false, "18's right edge beside 09"},
    };
    for (const auto& l : lights) {
        SCOPED_TRACE(l.why);
        const float* p = geo_litexyz[l.slot][l.light];
        EXPECT_EQ(removed(p), l.gone);
        if (l.gone && l.slot == 0) {
            // Gone for the crossing alone, and in its place: only the mark takes it out of sight.
            EXPECT_FALSE(removed(alone[l.light]));
            EXPECT_TRUE(p[0] == alone[l.light][0] && p[2] == alone[l.light][2]);
        }
    }
    // 09's threshold bar at end 1 lies wholly on 18's runway.
    for (int i = geo_threshold_bar1; i < geo_threshold_bar1 + 13; i++) EXPECT_TRUE(removed(geo_litexyz[0][i])) << i;

    // The strip's corners are the lights as built, removed or not.
    const int corner_light[4] = {geo_left_row, geo_left_row + n, geo_taxi_outer_row + n, geo_taxi_outer_row};
    for (int k = 0; k < 4; k++) EXPECT_TRUE(same_point(geo_cornxyz[0][k], alone[corner_light[k]])) << "corner " << k;

    // 09's sock at end 1 stands on 18's strip; the others stand clear.
    EXPECT_TRUE(removed(geo_sockxyz[0][0]));
    for (const float* sock : {geo_sockxyz[0][1], geo_sockxyz[1][0], geo_sockxyz[1][1]})
        EXPECT_FLOAT_EQ(sock[1], airport_h + 5);

    // The strip reaches 15 m beyond the left edge row, also past a removed corner.
    const struct {
        float x, z;
        int on09, on18;
        const char* where;
    } points[] = {
        {-23.86f - 14, 228.6f, 1, 0, "14 m outside 09's left edge"},
        {-23.86f - 16, 228.6f, 0, 0, "16 m outside 09's left edge"},
        {-23.86f + 5, -457.2f - 10, 1, 1, "10 m beyond 09's removed corner"},
        {-255, -447, 0, 1, "on 18 only"},
    };
    for (const auto& pt : points) {
        SCOPED_TRACE(pt.where);
        float x, z;
        world_point(r09, pt.x, pt.z, &x, &z);
        EXPECT_EQ(in_runway(0, 0, x, z), pt.on09);
        EXPECT_EQ(in_runway(0, 1, x, z), pt.on18);
        EXPECT_EQ(in_runway(0, -1, x, z), pt.on09 || pt.on18);
    }
}

static std::string slot_bytes(int s)
{
    std::string b;
    auto add = [&b](const void* p, size_t size) { b.append((const char*)p, size); };
    add(geo_litexyz[s], sizeof geo_litexyz[s]);
    add(geo_markxyz[s], sizeof geo_markxyz[s]);
    add(geo_sockxyz[s], sizeof geo_sockxyz[s]);
    add(geo_cornxyz[s], sizeof geo_cornxyz[s]);
    add(geo_rabSxyz[s], sizeof geo_rabSxyz[s]);
    add(geo_rabDxyz[s], sizeof geo_rabDxyz[s]);
    return b;
}

TEST_F(CrossingRunways, ASecondLoadBuildsTheSameSlots)
{
    add_runway_18();
    load_region(1);
    const std::string first[2] = {slot_bytes(0), slot_bytes(1)};
    // What another runway could have left in the slots: a light that 09 never lays.
    geo_litexyz[0][30][0] = 1;
    geo_litexyz[0][30][1] = 2;
    geo_litexyz[0][30][2] = 3;
    load_region(1);
    EXPECT_TRUE(removed(geo_litexyz[0][30]));
    for (int s = 0; s < 2; s++) EXPECT_TRUE(slot_bytes(s) == first[s]) << "slot " << s;
}

// ---- the rabbits -------------------------------------------------------------------

// A runway whose two ends both have approach-light kind k: surface 62, and
// per end glide-slope indicator 1, runway lights 1 and approach lights k.
static int code_with_approach_kind(int k) { return 1000000 + (110 + k) * 1000 + (110 + k); }

TEST_F(RunwaySlots, RabbitsRunInFromTheApproachLightsOfKinds3To6)
{
    const struct {
        int kind;
        bool flashes;
        float start_beyond;   // metres beyond the threshold
    } kinds[] = {
        {3, true, 1000}, {4, true, 1000}, {5, true, 1000},
        {6, true, 500},   // a run half as long
        {2, false, 0},    // in the slot where kind 6 flashed
    };
    int r = add_runway(6, 60, 3000, 150, 0);
    const float half = rwy_len[r] / 2;
    for (const auto& k : kinds) {
        SCOPED_TRACE(testing::Message() << "approach kind " << k.kind);
        rwy_code[r] = code_with_approach_kind(k.kind);
        load_region(1);
        ASSERT_EQ(rwy_geo_ind[r], 0);
        ASSERT_EQ(geo_litapp[0][0], k.kind);
        ASSERT_EQ(geo_litapp[0][1], k.kind);
        // Ten flashes a second, one approach light (50 m) nearer the runway each.
        for (int tenth = 0; tenth < 10; tenth++) {
            step_rabbits(tenth);
            if (tenth != 0 && tenth != 9) continue;
            for (int e = 0; e < 2; e++) {
                SCOPED_TRACE(testing::Message() << "tenth " << tenth << ", end " << e);
                const float* rabbit = geo_litexyz[0][geo_rabbit + e * geo_end_offset];
                if (!k.flashes) {
                    EXPECT_TRUE(removed(rabbit));
                    continue;
                }
                Local l = runway_frame(r, rabbit, airport_h);
                EXPECT_NEAR(l.x, 0, 0.01f);
                EXPECT_NEAR(l.y, 0, 0.001f);
                EXPECT_NEAR(l.z, (e == 0 ? 1 : -1) * (half + k.start_beyond - 50 * tenth), 0.01f);
            }
        }
    }
}

TEST_F(RunwaySlots, AStaleListEntryStepsNoRabbit)
{
    int r = add_runway(6, 60, 3000, 150, code_with_approach_kind(5));
    load_region(1);
    for (int tenth = 0; tenth < 4; tenth++) step_rabbits(tenth);
    float before[2][3];
    for (int e = 0; e < 2; e++) memcpy(before[e], geo_litexyz[0][geo_rabbit + e * geo_end_offset], sizeof before[e]);

    // A region without airports: its list is empty, though entry 0 still
    // names the last region's airport, whose runway has no slot this time;
    // slot 0 still holds it.
    env.reg_lat = 40;
    load_region(1);
    ASSERT_EQ(apt_lcl_max, -1);
    ASSERT_EQ(apt_to_index[0], 0);
    ASSERT_EQ(apt_inreg[0], 0);
    EXPECT_EQ(rwy_geo_ind[r], -1);
    EXPECT_EQ(rwy_geo, -1);
    for (int tenth = 0; tenth < 2; tenth++) {
        step_rabbits(tenth);
        for (int e = 0; e < 2; e++)
            EXPECT_TRUE(same_point(geo_litexyz[0][geo_rabbit + e * geo_end_offset], before[e]))
                << "tenth " << tenth << ", end " << e;
    }
}

// ---- the shipped world -----------------------------------------------------------

TEST(ShippedRunwaySlots, KsbdEdgeLightsRunAlongItsRunwayAtItsHeight)
{
    ASSERT_TRUE(stand_cessna_at_ksbd());
    int sbd = -1;
    for (int a = 0; a <= apt_wrl_max && sbd < 0; a++)
        if (strncmp(apt_id[a], "KSBD", 4) == 0) sbd = a;
    ASSERT_GE(sbd, 0);
    const int r = apt_lo_ind[sbd], s = rwy_geo_ind[r];
    ASSERT_GE(s, 0);
    const int n = geo_rmax1[s];
    EXPECT_EQ(n, 49);   // 10,000 ft
    const float half_w = rwy_width[r] / 2, half_l = rwy_len[r] / 2;
    int seen[2] = {0, 0};
    for (int side = -1; side <= 1; side += 2) {
        const int row = side < 0 ? geo_left_row : geo_right_row;
        for (int i = row; i <= row + n; i++) {
            const float* p = geo_litexyz[s][i];
            if (removed(p)) continue;
            seen[side > 0]++;
            Local l = runway_frame(r, p, apt_h[sbd]);
            EXPECT_NEAR(l.x, side * (half_w + 1), 0.05f) << i;
            EXPECT_LE(fabsf(l.z), half_l + 0.05f) << i;
            EXPECT_NEAR(l.y, 0.5f, 0.001f) << i;
        }
    }
    // Only the right row gives way, to the connectors.
    EXPECT_EQ(seen[0], n + 1);
    EXPECT_GT(seen[1], n / 2);
}
