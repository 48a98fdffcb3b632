// Flight placement over the shipped world and the default aircraft: every
// placement code as one table of (code, sub, world) -> where the aircraft
// starts, how fast, gear and throttles, flags and notices; the new flight's
// reset (the twelve places kept, the rest wiped, failures mended, a
// situation's values restored); and the start at the airport nearest a point.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "plane_files.h"
#include "records.h"
#include "Do_atc.h"
#include "Windows.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

static const float nm = 1852.0f;
static const float rad = (float)(acos(-1.0) / 180);

static int airport(const char* id)
{
    for (int a = 0; a <= apt_wrl_max; a++)
        if (strncmp(apt_id[a], id, 4) == 0) return a;
    return -1;
}

// What a start should give; NaN or -1 leaves a value unchecked.
struct start {
    float x, y, z, psi, speed;
    int gear = -1;
    float throttle = NAN;
};

// The runway end's start point (10 m inside the threshold) and its heading.
static start threshold(int rw, int reverse)
{
    float x = X_with_latlon(rwy_lat[rw], rwy_lon[rw]), z = Z_with_lat(rwy_lat[rw]);
    float h = rwy_hdng[rw], half = (rwy_len[rw] - 20) / 2, s = reverse ? -1.0f : 1.0f;
    start p{x - s * half * sinf(h * rad), NAN, z + s * half * cosf(h * rad), reverse ? h + 180 : h, 0};
    if (p.psi >= 360) p.psi -= 360;
    return p;
}

// The default aircraft at KSBD, in the region around it, standing on runway 06.
class Placement : public ::testing::Test {
public:
    int sbd = -1, rw = -1;
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(open_loader_surroundings(), 1);
        initing = 0;
        load_world_databases();
        ASSERT_EQ(load_named(0), 1);
        ASSERT_GT(msc.vstall, 10);
        sbd = airport("KSBD");
        ASSERT_GE(sbd, 0);
        rw = apt_lo_ind[sbd];
        msc.apt_sel = sbd;
        msc.rwy_sel = rw;
        flt.lat = rwy_lat[rw];
        flt.lon = rwy_lon[rw];
        env.reg_lat = intround(flt.lat - 1);
        env.reg_lon = intround(flt.lon - 1.5f);
        load_region(1);
        set_fltvars(place_runway, place_on_runway);
    }
    void TearDown() override { close_loader_surroundings(); }

    start here(void) const
    {
        return {(float)flt.pos_x[0], (float)flt.pos_y[0], (float)flt.pos_z[0], flt.psi[0], flt.gnd_speed[0]};
    }
    float ground(void) const { return apt_h[sbd] + pln[0].h_eqlbm; }
};

// Nothing for the searches to find where the flight is: no water,
// platforms, rigs, objects, ships or fire, whatever the region holds.
static start nothing_around(Placement& t)
{
    memset(is_water, 0, sizeof is_water);
    memset(offp_on_poly, 0, sizeof offp_on_poly);
    memset(oilr_on_poly, 0, sizeof oilr_on_poly);
    memset(obj_type, 0, sizeof obj_type);
    for (int s = 0; s < 2; s++) env.ship_x[s] = env.ship_z[s] = -9.9e9f;
    scn.fires_on = 0;
    memset(scn.fire_on, 0, sizeof scn.fire_on);
    return t.here();
}

static std::string first_line_of_last_box(void)
{
    std::string box = host_test_last_message_box();
    return box.substr(0, box.find('\n'));
}

TEST_F(Placement, EachCodeStartsWhereItSays)
{
    ASSERT_NEAR(rwy_hdng[rw], 67, 0.5);
    const float final8 = 1.5f * nm, final9 = 9 * nm, glide = sinf(3 * rad);
    struct row {
        const char* what;
        int code, sub;
        std::function<start(Placement&)> arrange;   // sets the world up, gives the expected start
        const char* notice;                         // first line; nullptr none
    };
    const row rows[] = {
        {"on runway 06", place_runway, place_on_runway,
         [](Placement& t) {
             start s = threshold(t.rw, 0);
             s.y = t.ground();
             s.gear = 1;
             s.throttle = 0.01f;
             return s;
         }, nullptr},
        {"reversed runway wraps the heading", place_runway, place_on_runway,
         [](Placement& t) {
             rwy_hdng[t.rw] = 190;
             msc.rwy_reverse = 1;
             start s = threshold(t.rw, 1);
             s.psi = 10;
             s.y = t.ground();
             return s;
         }, nullptr},
        {"short final, gear up", place_runway, place_short_final,
         [=](Placement& t) {
             pln[0].gear_retract = 1;
             start s = threshold(t.rw, 0);
             s.x -= final8 * sinf(s.psi * rad);
             s.z += final8 * cosf(s.psi * rad);
             s.y = apt_h[t.sbd] + final8 * glide;
             s.speed = 1.2f * msc.vstall;
             s.gear = 0;
             s.throttle = 0.5f;
             return s;
         }, nullptr},
        {"long final", place_runway, place_long_final,
         [=](Placement& t) {
             start s = threshold(t.rw, 0);
             s.x -= final9 * sinf(s.psi * rad);
             s.z += final9 * cosf(s.psi * rad);
             s.y = apt_h[t.sbd] + final9 * glide;
             s.speed = 1.2f * msc.vstall;
             return s;
         }, nullptr},
        {"a seaplane starts on short final", place_runway, place_on_runway,
         [=](Placement& t) {
             pln[0].gear_type = 1;
             start s = threshold(t.rw, 0);
             s.x -= final8 * sinf(s.psi * rad);
             s.z += final8 * cosf(s.psi * rad);
             s.y = apt_h[t.sbd] + final8 * glide;
             s.speed = 1.2f * msc.vstall;
             return s;
         }, nullptr},
        {"a runway choice of another airport takes the first runway", place_runway, place_on_runway,
         [](Placement& t) {
             msc.rwy_sel = apt_lo_ind[airport("KONT")] + 1;
             start s = threshold(t.rw, 0);
             s.y = t.ground();
             return s;
         }, nullptr},
        {"situation under the ground uses the runway", place_situation, place_long_final,
         [](Placement& t) {
             set.place_lat = flt.lat + 0.1f;
             set.place_lon = flt.lon;
             set.place_alt = apt_h[t.sbd] + 5;
             start s = threshold(t.rw, 0);
             s.y = t.ground();
             return s;
         }, nullptr},
        {"situation with a damaged latitude uses the runway", place_situation, place_on_runway,
         [](Placement& t) {
             set.place_lat = NAN;
             set.place_alt = 3000;
             start s = threshold(t.rw, 0);
             s.y = t.ground();
             return s;
         }, nullptr},
        {"situation in the air, heading wrapped", place_situation, 0,
         [](Placement&) {
             set.place_lat = flt.lat + 0.1f;
             set.place_lon = flt.lon - 0.2f;
             set.place_alt = 2500;
             set.place_hdg = 370;
             set.place_speed = 60;
             return start{X_with_latlon(set.place_lat, set.place_lon), 2500, Z_with_lat(set.place_lat), 10, 60};
         }, nullptr},
        {"over a point, low and slow", place_over_point, 0,
         [](Placement& t) {
             set.place_lat = flt.lat;
             set.place_lon = flt.lon + 0.1f;
             set.place_alt = apt_h[t.sbd] + 10;
             set.place_hdg = 90;
             set.place_speed = 5;
             // Raised to 1000 m over the ground under the point, which is not the field's height.
             float x = X_with_latlon(set.place_lat, set.place_lon), z = Z_with_lat(set.place_lat);
             float vx, vy, vz;
             int i = 0, j = 0;
             float ground = find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0);
             return start{x, ground + 1000, z, 90, msc.vstall};
         }, nullptr},
        {"grass field: none in the world, the chosen runway", place_grass_field, 0,
         [](Placement& t) {
             start s = threshold(t.rw, 0);
             s.y = t.ground();
             return s;
         }, nullptr},
        {"carrier catshot", place_catshot, 0,
         [](Placement& t) {
             start s = t.here();
             env.ship_x[0] = s.x + 3000;
             env.ship_y[0] = 0;
             env.ship_z[0] = s.z;
             env.ship_hdg[0] = 88;
             float a = 90 * rad;
             return start{env.ship_x[0] + 55 * sinf(a) - 12.5f * cosf(a), NAN,
                          env.ship_z[0] - 55 * cosf(a) - 12.5f * sinf(a), 90, 0};
         }, nullptr},
        {"carrier approach on the angled deck", place_carrier, 0,
         [](Placement& t) {
             start s = t.here();
             env.ship_x[0] = s.x;
             env.ship_y[0] = 600;
             env.ship_z[0] = s.z - 20000;
             env.ship_hdg[0] = 100;
             float d = 90 * msc.vstall, a = 92 * rad;
             return start{env.ship_x[0] - d * sinf(a), NAN, env.ship_z[0] + d * cosf(a), 92, 1.2f * msc.vstall};
         }, nullptr},
        {"frigate approach", place_frigate, 0,
         [](Placement& t) {
             start s = t.here();
             env.ship_x[1] = s.x - 8000;
             env.ship_y[1] = 600;
             env.ship_z[1] = s.z;
             env.ship_hdg[1] = 180;
             float d = 90 * msc.vstall;
             return start{env.ship_x[1], 600 + d * sinf(3.5f * rad) + 7, env.ship_z[1] - d, 180, 1.2f * msc.vstall};
         }, nullptr},
        {"open water", place_seaplane, 0,
         [](Placement&) {
             pln[0].gear_retract = 1;
             // The region has sea of its own: this patch is made the only water.
             memset(is_water, 0, sizeof is_water);
             for (int i = 60; i <= 70; i++)
                 for (int j = 50; j <= 60; j++) is_water[i][j] = 1;
             start s{planexyz[68][58][0], NAN, planexyz[68][58][2], 0, 0.1f};
             s.gear = 0;
             return s;
         }, nullptr},
        {"formation behind the nearest aircraft", place_formation, 0,
         [](Placement& t) {
             start s = t.here();
             for (int p = 2; p < flt_aircraft; p++) flt.pos_x[p] = s.x + 90000;
             flt.pos_x[6] = s.x + 2000;
             flt.pos_y[6] = 2000;
             flt.pos_z[6] = s.z;
             flt.psi[6] = 40.4f;
             flt.gnd_speed[6] = 70;
             return start{s.x + 2000 - 0.2f * nm * sinf(30 * rad), 2000, s.z + 0.2f * nm * cosf(30 * rad), 40.4f, 70};
         }, nullptr},
        {"helipad approach", place_helipad, 0,
         [](Placement& t) {
             start s = t.here();
             obj_type[7] = 95;
             obj_xyz[7][0][0][0] = s.x + 500;
             obj_xyz[7][0][0][2] = s.z;
             obj_xyz[7][3][0][1] = apt_h[t.sbd] + 80;
             return start{s.x + 500, apt_h[t.sbd] + 80 + 0.05f * nm, s.z + nm, 0, 1.2f * msc.vstall};
         }, nullptr},
        // Searches that find nothing: the notice, and the flight goes on where it was.
        {"no ship for the catshot", place_catshot, 0, nothing_around,
         "I can't find any ships in the area!"},
        {"no carrier", place_carrier, 0, nothing_around, "I can't find any ships in the area!"},
        {"no frigate", place_frigate, 0, nothing_around, "I can't find any ships in the area!"},
        {"no platform", place_platform, 0, nothing_around,
         "I can't find any ships in the area!"},
        {"no water", place_seaplane, 0, nothing_around,
         "I can't find any signifigant amount of water in this area!"},
        {"no helipad", place_helipad, 0, nothing_around,
         "I can't find any buildings with helipads in the area!"},
        {"no fire", place_fire, 0, nothing_around,
         "I can't find any forest fires in the area!"},
        {"no other aircraft", place_formation, 0,
         [](Placement& t) {
             for (int p = 2; p < flt_aircraft; p++) flt.pos_x[p] = NAN;
             return t.here();
         }, "I can't find any other planes in the area!"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        SetUp();
        start want = r.arrange(*this);
        int boxes = host_test_message_box_count();
        set_fltvars(r.code, r.sub);
        if (r.notice) {
            ASSERT_EQ(host_test_message_box_count(), boxes + 1);
            EXPECT_EQ(first_line_of_last_box(), r.notice);
        } else {
            EXPECT_EQ(host_test_message_box_count(), boxes);
        }
        start got = here();
        EXPECT_NEAR(got.x, want.x, 0.5);
        EXPECT_NEAR(got.z, want.z, 0.5);
        if (!std::isnan(want.y)) {
            EXPECT_NEAR(got.y, want.y, 0.5);
        }
        EXPECT_NEAR(got.psi, want.psi, 0.01);
        EXPECT_NEAR(got.speed, want.speed, 0.01);
        if (want.gear >= 0) {
            for (int k = 0; k < 3; k++) EXPECT_EQ(pln[0].gear_stat[k], want.gear);
            EXPECT_EQ(flt.brake_ratio, want.gear ? 1.0f : 0.0f);
        }
        if (!std::isnan(want.throttle)) {
            EXPECT_FLOAT_EQ(flt.throttle_req[0], want.throttle);
        }
        TearDown();
    }
}

TEST_F(Placement, SpecialStartsSetTheirFlags)
{
    env.ship_x[0] = (float)flt.pos_x[0] + 3000;
    env.ship_z[0] = (float)flt.pos_z[0];
    set_fltvars(place_catshot, 0);
    EXPECT_EQ(set.on_catapult, 1);
    EXPECT_EQ(pln[0].gear_stat[0], 1);

    // Any other start takes the aircraft off the catapult.
    set_fltvars(place_runway, place_on_runway);
    EXPECT_EQ(set.on_catapult, 0);
    EXPECT_EQ(flt.pos_y[0], (float)(apt_h[sbd] + pln[0].h_eqlbm));
}

// A dirt field exists in the shipped world, far south of KSBD: the start
// moves there and the region with it. No grass field exists: the chosen runway.
TEST_F(Placement, FieldStartsFindTheNearestRunwayOfTheirClass)
{
    set_fltvars(place_dirt_field, 0);
    int a = msc.apt_sel, r = msc.rwy_sel;
    ASSERT_NE(a, sbd);
    EXPECT_EQ(rwy_code[r] / 1000000, 4);
    EXPECT_GE(r, apt_lo_ind[a]);
    EXPECT_LE(r, apt_hi_ind[a]);
    EXPECT_EQ(env.reg_lat, intround(rwy_lat[r] - 1));
    EXPECT_EQ(env.reg_lon, intround(rwy_lon[r] - 1.5f));
    // The region reloaded around the field: the ground under its runway laid flat just below the deck.
    {
        float vx, vy, vz;
        int i = 0, j = 0;
        float x = X_with_latlon(rwy_lat[r], rwy_lon[r]), z = Z_with_lat(rwy_lat[r]);
        EXPECT_NEAR(find_local_h(x, z, &vx, &vy, &vz, &i, &j, 0), apt_h[a] - 0.2f, 0.01f);
    }
    start want = threshold(r, 0);
    EXPECT_NEAR(flt.pos_x[0], want.x, 0.5);
    EXPECT_NEAR(flt.pos_z[0], want.z, 0.5);
    EXPECT_NEAR(flt.pos_y[0], apt_h[a] + pln[0].h_eqlbm, 0.5);
    EXPECT_EQ(flt.gnd_speed[0], 0);

    set_fltvars(place_gravel_field, 0);
    EXPECT_EQ(rwy_code[msc.rwy_sel] / 1000000, 5);

    int gravel = msc.apt_sel;
    set_fltvars(place_grass_field, 0);
    EXPECT_EQ(msc.apt_sel, gravel);
}

// The tow plane waits on the runway 20 m ahead of the glider; the drop
// aircraft carries its gear up. A missing system plane changes nothing.
TEST_F(Placement, TowAndDropLoadTheSystemPlanes)
{
    pln[0].entype = 0;   // a glider: no notice
    int boxes = host_test_message_box_count();
    set_fltvars(place_glider_tow, 0);
    EXPECT_EQ(host_test_message_box_count(), boxes);
    EXPECT_STREQ(pln[1].C_file, "Husky.acf");
    EXPECT_EQ(set.tow_hold, 1);
    EXPECT_EQ(set.air_traffic_on, 1);
    for (int k = 0; k < 3; k++) EXPECT_EQ(pln[1].gear_stat[k], 1);
    start user = threshold(rw, 0);
    EXPECT_NEAR(flt.pos_x[0], user.x, 0.5);
    EXPECT_NEAR(flt.pos_z[0], user.z, 0.5);
    float h = rwy_hdng[rw] * rad;
    EXPECT_NEAR(flt.pos_x[1], user.x + 20 * sinf(h), 0.5);
    EXPECT_NEAR(flt.pos_z[1], user.z - 20 * cosf(h), 0.5);
    EXPECT_NEAR(flt.pos_y[1], apt_h[sbd] + pln[1].h_eqlbm, 0.5);
    EXPECT_FLOAT_EQ(flt.psi[1], rwy_hdng[rw]);
    EXPECT_FLOAT_EQ(flt.theta[1], pln[1].the_eqlbm);

    // A powered aircraft is told, then towed all the same; the drop clears the tow.
    pln[0].entype = 1;
    set_fltvars(place_drop, 0);
    EXPECT_EQ(host_test_message_box_count(), boxes + 1);
    EXPECT_EQ(first_line_of_last_box(), "You should be flying a glider for this.");
    EXPECT_STREQ(pln[1].C_file, "B-52H Stratofortress.acf");
    EXPECT_EQ(set.drop_on, 1);
    EXPECT_EQ(set.tow_hold, 0);
    for (int k = 0; k < 3; k++) EXPECT_EQ(pln[1].gear_stat[k], 0);

    snprintf(app_path, path_max, "%s", test_scratch_folder());
    float x = (float)flt.pos_x[0];
    set_fltvars(place_glider_tow, 0);
    EXPECT_EQ(host_test_message_box_count(), boxes + 2);
    std::string box = host_test_last_message_box();
    EXPECT_EQ(box.substr(0, box.find('\n')),
              "I can't find one of the planes in the 'System Planes (don't move)' folder");
    EXPECT_NE(box.find(std::string(test_scratch_folder()) + "planes/System Planes (don't move)/Husky/Husky.acf"),
              std::string::npos);
    EXPECT_STREQ(pln[1].C_file, "B-52H Stratofortress.acf");
    EXPECT_EQ(set.tow_hold, 0);
    EXPECT_EQ(flt.pos_x[0], x);
}

// The new flight keeps where all twelve aircraft are (in single precision)
// and wipes the rest of the last flight.
TEST_F(Placement, ResetKeepsThePlacesAndWipesTheFlight)
{
    for (int p = 1; p < flt_aircraft; p++) {
        flt.pos_x[p] = 1000.123456789 * p;
        flt.pos_y[p] = 300 + p;
        flt.pos_z[p] = -2000.5 * p;
        flt.theta[p] = 3;
        flt.psi[p] = 350 + p;
        flt.phi[p] = -4;
        flt.gnd_speed[p] = 40;
    }
    flt.psi[5] = 370;
    flt.redline_busted = 1;
    flt.vel_y = -12;
    ott.ap_alt = 1;
    pat.path_time[100] = 5;
    pat.path_plane[9][2] = 4;
    snprintf(atc.callsign, sizeof atc.callsign, "Old one");
    atc.menu_on = 1;
    fpl.filed = 1;
    for (int k = 0; k < fail_slots; k++) rel.fail_mode[k] = k % 6;
    for (int k = 0; k < system_flags; k++) rel.system_ok[k] = 0;
    msc.sim_time = 77;
    memset(pln[0].C_name, 'x', sizeof pln[0].C_name);   // a name with no end
    memcpy(pln[0].C_name, "Cessna 172", 10);

    set.place_lat = flt.lat;
    set.place_lon = flt.lon;
    set.place_alt = 3000;
    set.place_hdg = 45;
    set.place_speed = 60;
    set.catapult_run = 1;
    set.joy_throttle_on = 1;
    flt.theta[0] = 12;
    flt.phi[0] = 30;
    set_fltvars(place_over_point, 0);

    for (int p = 1; p < flt_aircraft; p++) {
        EXPECT_EQ(flt.pos_x[p], (double)(float)(1000.123456789 * p)) << p;
        EXPECT_EQ(flt.pos_y[p], 300 + p) << p;
        EXPECT_EQ(flt.pos_z[p], (double)(float)(-2000.5 * p)) << p;
        EXPECT_EQ(flt.theta[p], 3);
        EXPECT_EQ(flt.phi[p], -4);
        EXPECT_EQ(flt.gnd_speed[p], 40);
    }
    EXPECT_FLOAT_EQ(flt.psi[5], 10);
    EXPECT_FLOAT_EQ(flt.psi[4], 354);
    EXPECT_EQ(flt.theta[0], 0);
    EXPECT_EQ(flt.phi[0], 0);
    EXPECT_EQ(flt.redline_busted, 0);
    EXPECT_EQ(flt.vel_y, 0);
    EXPECT_NEAR(flt.vel_x, 60 * sinf(45 * rad), 1e-3);
    EXPECT_NEAR(flt.vel_z, -60 * cosf(45 * rad), 1e-3);
    // The first build-up turns its forces along the heading, before the integrator has run.
    EXPECT_EQ(flt.cos_alpha, 1);
    EXPECT_EQ(flt.cos_beta, 1);
    EXPECT_EQ(flt.cos_path_theta, 1);
    EXPECT_EQ(flt.cos_path_roll, 1);
    EXPECT_NEAR(flt.sin_path_psi, sinf(45 * rad), 1e-6);
    EXPECT_NEAR(flt.cos_path_psi, cosf(45 * rad), 1e-6);
    EXPECT_EQ(ott.ap_alt, 0);
    EXPECT_EQ(pat.path_time[100], 0);
    EXPECT_EQ(pat.path_plane[9][2], 0);
    EXPECT_STREQ(atc.callsign, "Cessna");
    EXPECT_EQ(atc.menu_on, 0);
    EXPECT_EQ(fpl.filed, 0);
    EXPECT_STREQ(fpl.departure, "KMMM");
    EXPECT_STREQ(fpl.destination, "KMMM");
    for (int k = 0; k < fail_slots; k++) EXPECT_EQ(rel.fail_mode[k], k % 6 == 5 ? 1 : k % 6) << k;
    for (int k = 0; k < system_flags; k++) EXPECT_EQ(rel.system_ok[k], 1) << k;
    EXPECT_EQ(msc.sim_time, 0);
    EXPECT_EQ(set.catapult_run, 0);
    EXPECT_EQ(set.joy_throttle_on, 0);
    EXPECT_EQ(set.view_id, 500);
    EXPECT_EQ(scn.zoom, 1.0f);
    EXPECT_GT(scn.plane_size, 3);
    EXPECT_EQ(scn.chase_dist, 2 * scn.plane_size);
    EXPECT_FLOAT_EQ(flt.fuel, pln[0].m_fuel / 2);
    EXPECT_FLOAT_EQ(flt.mixture[0], 1);
    EXPECT_FLOAT_EQ(flt.throttle[0], 0.5f);
}

// A situation brings back its autopilot, gear, flaps, trims, masses and
// engines; another start does not.
TEST_F(Placement, SituationRestoresItsValues)
{
    situationvalues& s = set.sit_values;
    for (int k = 0; k < 7; k++) s.ap_switch[k] = k % 2;
    s.ap_target[0] = 1500;
    s.ap_target[1] = 2.5f;
    s.ap_target[2] = 110;
    s.ap_hold_flag = 1;
    for (int k = 0; k < 3; k++) s.gear_stat[k] = 0;
    for (int k = 0; k < 8; k++) s.flight[k] = 0.1f * (k + 1);
    for (int e = 0; e < plane_engines; e++)
        for (int k = 0; k < 6; k++) s.engine[k][e] = 0.1f * k + 0.01f * e;
    set.place_lat = flt.lat;
    set.place_lon = flt.lon;
    set.place_alt = 2000;
    set.place_hdg = 0;
    set.place_speed = 50;

    set_fltvars(place_over_point, 0);
    EXPECT_EQ(ott.ap_nav1, 0);
    EXPECT_EQ(pln[0].gear_stat[0], 1);

    set_fltvars(place_situation, 0);
    EXPECT_EQ(ott.ap_nav1, 1);
    EXPECT_EQ(ott.ap_nav2, 0);
    EXPECT_EQ(ott.ap_speed, 0);
    EXPECT_EQ(ott.ap_gs, 1);
    EXPECT_EQ(ott.alt_target, 1500);
    EXPECT_EQ(ott.vvi_target, 2.5f);
    EXPECT_EQ(ott.speed_target, 110);
    EXPECT_EQ(set.ap_hold_flag, 1);
    for (int k = 0; k < 3; k++) EXPECT_EQ(pln[0].gear_stat[k], 0);
    EXPECT_FLOAT_EQ(flt.flap_ratio, 0.1f);
    EXPECT_FLOAT_EQ(flt.flap_request, 0.2f);
    EXPECT_FLOAT_EQ(flt.pitch_trim, 0.3f);
    EXPECT_FLOAT_EQ(flt.yaw_trim, 0.5f);
    EXPECT_FLOAT_EQ(flt.payload, 0.8f);
    EXPECT_FLOAT_EQ(flt.throttle[2], 0.02f);
    EXPECT_FLOAT_EQ(flt.throttle_req[1], 0.11f);
    EXPECT_FLOAT_EQ(flt.prop_req[3], 0.23f);
    EXPECT_FLOAT_EQ(flt.blade_pitch[0], 0.3f);
    EXPECT_FLOAT_EQ(flt.mixture[1], 0.41f);
    EXPECT_FLOAT_EQ(flt.engine_speed[2], 0.52f);
    EXPECT_NEAR(flt.pos_y[0], 2000, 1e-3);

    // A damaged file: what is no number keeps the start's value, the rest
    // is held to its range.
    s.flight[5] = NAN;
    s.flight[7] = -50;
    s.engine[0][0] = NAN;
    s.engine[4][0] = 5;
    set_fltvars(place_situation, 0);
    EXPECT_FLOAT_EQ(flt.fuel, pln[0].m_fuel / 2);
    EXPECT_EQ(flt.payload, 0.0f);
    EXPECT_FLOAT_EQ(flt.throttle[0], 0.5f) << "the start's throttle above the stall speed";
    EXPECT_EQ(flt.mixture[0], 1.0f);
}

// Leftovers of the last flight and the world: a deck flag does not lift a
// runway start, and an airport without runways starts at the first one
// that has some.
TEST_F(Placement, RunwayStartIgnoresStaleDecksAndRunwaylessAirports)
{
    const start want = threshold(rw, 0);
    env.on_platform = 1;
    env.deck_h = apt_h[sbd] + 56;
    set_fltvars(place_runway, place_on_runway);
    EXPECT_NEAR(flt.pos_y[0], apt_h[sbd] + pln[0].h_eqlbm, 0.01);
    EXPECT_NEAR(msc.rwy_view_x, want.x + 2, 0.01);
    EXPECT_NEAR(msc.rwy_view_y, apt_h[sbd] + 2, 0.01);
    EXPECT_NEAR(msc.rwy_view_z, want.z + 2, 0.01);

    // The last airport given an empty runway range past the table.
    int last = apt_wrl_max;
    apt_lo_ind[last] = rwy_wrl_max + 1;
    apt_hi_ind[last] = rwy_wrl_max;
    msc.apt_sel = last;
    msc.rwy_sel = rwy_wrl_max + 1;
    set_fltvars(place_runway, place_on_runway);
    EXPECT_TRUE(apt_has_runway(msc.apt_sel));
    EXPECT_GE(msc.rwy_sel, apt_lo_ind[msc.apt_sel]);
    EXPECT_LE(msc.rwy_sel, apt_hi_ind[msc.apt_sel]);
    EXPECT_LT(std::fabs(flt.pos_x[0]), 400000.0) << "within reach of the region";
}

// Two airports, the first without runways whose empty range reads as the
// second's runway: the point's nearest is the second, the region's corner
// truncated toward zero, and the flight on its 9 nm final.
TEST_F(Placement, NearestAirportWithARunwayTakesThePoint)
{
    int a = apt_wrl_max + 1, r = rwy_wrl_max + 1;
    ASSERT_LT(a + 1, world_apt_max);
    ASSERT_LT(r, world_rwy_max);
    apt_lo_ind[a] = r;
    apt_hi_ind[a] = r - 1;
    snprintf(apt_id[a], 5, "XNON");
    apt_lo_ind[a + 1] = r;
    apt_hi_ind[a + 1] = r;
    snprintf(apt_id[a + 1], 5, "XRWY");
    apt_h[a + 1] = 200;
    rwy_lat[r] = 41.7f;
    rwy_lon[r] = -98.2f;
    rwy_hdng[r] = 90;
    rwy_len[r] = 2000;
    rwy_num[r] = 9;
    apt_wrl_max = a + 1;
    rwy_wrl_max = r;

    env.reg_lat = 40;
    env.reg_lon = -100;   // the point 41.0 N, 98.5 W, far from the shipped airports
    set_up_env_with_request_latlon();
    EXPECT_EQ(msc.apt_sel, a + 1);
    EXPECT_EQ(msc.rwy_sel, r);
    EXPECT_EQ(env.reg_lat, 40);
    EXPECT_EQ(env.reg_lon, -99);
    start want = threshold(r, 0);
    EXPECT_NEAR(flt.pos_x[0], want.x - 9 * nm, 0.5);
    EXPECT_NEAR(flt.pos_z[0], want.z, 0.5);
    EXPECT_NEAR(flt.pos_y[0], 200 + 9 * nm * sinf(3 * rad), 0.5);
    EXPECT_FLOAT_EQ(flt.gnd_speed[0], 1.2f * msc.vstall);
}
