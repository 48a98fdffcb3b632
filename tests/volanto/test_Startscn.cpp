// The 3D frame without a window: the region pages one degree at a time, the
// cockpit views turn with the aircraft and put the eye at the pilot's eye
// point, the outside cameras stand above the ground, look at the aircraft,
// lead it by what their easing lags and jump with it; the visible box opens
// ahead of the view, the culling is rebuilt only when its key changes, the
// nearest airport is the first of equals; the drawers are called in their
// order for each cloud layer. Drawers are recorded through `scene`.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "Plane.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string calls;   // what the recorders were called with, in order

void note(const char* text)
{
    calls += text;
    calls += ' ';
}

void rec_stars(float, float, float, float, float, float, float) { note("stars"); }
void rec_clouds(void) { note("clouds"); }
void rec_terrain(void) { note("terrain"); }
void rec_city(void) { note("city"); }
void rec_trees(void) { note("trees"); }
void rec_lightning(void) { note("lightning"); }
void rec_pavement(int lit, int geo, int quad, float count, int tex, float ox, float oz, float ws, float wc)
{
    char s[120];
    snprintf(s, sizeof s, "pave(%d,%d,%d,%g,%d,%g,%g,%d,%d)", lit, geo, quad, count, tex, ox, oz, intround(100 * ws),
             intround(100 * wc));
    note(s);
}
void rec_runway(int lit, int apt, int rwy, int geo, float, float, float, float)
{
    char s[60];
    snprintf(s, sizeof s, "runway(%d,%d,%d,%d)", lit, apt, rwy, geo);
    note(s);
}
void rec_rway_lights(void) { note("lights"); }
void rec_obstacles(void) { note("objects"); }
void rec_fires(void) { note("fires"); }
void rec_plane(int is_second, int close)
{
    char s[30];
    snprintf(s, sizeof s, "plane(%d,%d)", is_second, close);
    note(s);
}
void rec_cool_hud(void) { note("cool_hud"); }
void rec_nrml_hud(void) { note("hud"); }
void rec_precip(float, float, float, float) { note("precip"); }
void rec_load_region(int mode)
{
    char s[20];
    snprintf(s, sizeof s, "load(%d)", mode);
    note(s);
}

// A local airport: its world index and its runways lo..hi, each in slot
// first_slot + k with its corners (marker points 0 and 2) about (x, z).
void add_airport(int local, int world, int lo, int hi, int first_slot, float x, float z)
{
    apt_to_index[local] = world;
    apt_lcl_max = local > apt_lcl_max ? local : apt_lcl_max;
    apt_lo_ind[world] = lo;
    apt_hi_ind[world] = hi;
    for (int r = lo; r <= hi; r++) {
        int g = first_slot + r - lo;
        rwy_geo_ind[r] = g;
        rwy_num[r] = 6;
        rwy_len[r] = 1000;
        rwy_width[r] = 20;
        rwy_lat[r] = 34;
        rwy_lon[r] = -117.5f;
        geo_type[g] = 62;
        geo_markxyz[g][0][0][0] = x - 10, geo_markxyz[g][0][0][2] = z + 500;
        geo_markxyz[g][0][2][0] = x + 10, geo_markxyz[g][0][2][2] = z - 500;
    }
}

// The frame's world: flat ground at 0 with vertices 100 m apart, the cloud
// grid 500 m apart from the origin, the aircraft 10 m up in the middle of
// cell (50, 50) heading north, mid-region (no paging), noon, clear, 5 km.
class SceneFrame : public ::testing::Test {
protected:
    scene_calls saved;
    void SetUp() override
    {
        saved = scene;
        scene.plot_stars = rec_stars;
        scene.plot_clouds = rec_clouds;
        scene.plot_terrain = rec_terrain;
        scene.plot_city_lights = rec_city;
        scene.plot_trees = rec_trees;
        scene.plot_lightning = rec_lightning;
        scene.plot_pavement = rec_pavement;
        scene.plot_runway = rec_runway;
        scene.plot_rway_lights = rec_rway_lights;
        scene.plot_obstacles = rec_obstacles;
        scene.plot_fires = rec_fires;
        scene.plot_plane = rec_plane;
        scene.plot_cool_hud = rec_cool_hud;
        scene.plot_nrml_hud = rec_nrml_hud;
        scene.do_window_precip = rec_precip;
        scene.load_region = rec_load_region;
        prepare();
    }
    void TearDown() override { scene = saved; }

    static void prepare(void)
    {
        calls.clear();
        reset_suite_state();
        MACIBM_set_constants();
        lay_flat_ground();
        for (int i = 0; i < cloud_cols; i++)
            for (int j = 0; j < cloud_rows; j++) {
                cloudxyz[i][j][0] = 500.0f * (float)i;
                cloudxyz[i][j][1] = 1000;
                cloudxyz[i][j][2] = -500.0f * (float)j;
            }
        region_loads = 1;
        env.reg_lat = 33;
        env.reg_lon = -119;
        flt.lat = 34;
        flt.lon = -117.5f;
        place_aircraft(5050, 10, -5050);
        attitude(0, 0, 0);
        mnw.XRAT = mnw.YRAT = 1;
        mnw.XRES = 800;
        mnw.YRES = 600;
        scn.zoom = 1;
        scn.plane_size = 10;
        scn.chase_dist = 20;
        msc.dt = 0.05f;
        msc.time_of_day = 12 * 3600;
        set.view_id = view_forwards;
        atm.cloud_type = 1;
        atm.wx_factor = 1;
        atm.sl_temp = 60;
        atm.precip_level = 1;
        set_visibility(5000);
    }

    static void place_aircraft(float x, float y, float z)
    {
        flt.pos_x[0] = x;
        flt.pos_y[0] = y;
        flt.pos_z[0] = z;
    }
    static void attitude(float theta, float psi, float phi)
    {
        flt.theta[0] = theta;
        flt.psi[0] = psi;
        flt.phi[0] = phi;
        attitude_sines();
    }
    // The visibility the frame works with, as the day-light works it out
    // from the report on the ground in clear air.
    static void set_visibility(float v)
    {
        atm.visibility = v;
        atm.vis_eff = v;
        env.ground_h = (float)flt.pos_y[0];
    }
    static void frame(void)
    {
        calls.clear();
        update_scene_3d();
    }
    static float eye(int k) { return con.VIEW_xyz[k]; }
    static void overcast(float base, float tops)
    {
        atm.cloud_type = 4;
        atm.cloud_base = base;
        atm.cloud_tops = tops;
    }
    // The region loads of the last frame.
    static std::string loads(void)
    {
        std::string out;
        for (size_t at = calls.find("load("); at != std::string::npos; at = calls.find("load(", at + 1))
            out += calls.substr(at, 8);
        return out;
    }
};

// ---- paging ---------------------------------------------------------------------

TEST_F(SceneFrame, TheRegionPagesOneDegreeAFrameAtItsBounds)
{
    const struct {
        float dlon, dlat;        // from the corner
        const char *first, *second;
        int lon, lat;            // the corner after both frames
    } cases[] = {
        {0.94f, 1.0f, "load(2) ", "", -120, 33},
        {2.06f, 1.0f, "load(3) ", "", -118, 33},
        {1.5f, 0.44f, "load(5) ", "", -119, 32},
        {1.5f, 1.56f, "load(4) ", "", -119, 34},
        {0.96f, 0.46f, "", "", -119, 33},
        {2.04f, 1.54f, "", "", -119, 33},
        // Both bounds crossed: the longitude first, the latitude a frame later.
        {0.94f, 0.44f, "load(2) ", "load(5) ", -120, 32},
        {2.06f, 1.56f, "load(3) ", "load(4) ", -118, 34},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dlon) + " " + std::to_string(c.dlat));
        env.reg_lat = 33;
        env.reg_lon = -119;
        flt.lon = -119 + c.dlon;
        flt.lat = 33 + c.dlat;
        frame();
        EXPECT_EQ(loads(), c.first);
        frame();
        EXPECT_EQ(loads(), c.second);
        EXPECT_EQ(env.reg_lon, c.lon);
        EXPECT_EQ(env.reg_lat, c.lat);
    }
}

// ---- the cockpit views --------------------------------------------------------------

TEST_F(SceneFrame, CockpitViewsTurnWithTheAircraft)
{
    attitude(10, 100, 20);
    const struct {
        int view;
        float pitch, heading, roll;
    } cases[] = {
        {view_forwards, 10, 100, 20},   {view_down_4, 6, 100, 20},       {view_down_8, 2, 100, 20},
        {view_left_45, 15, 55, 5},      {view_right_45, -5, 145, 15},    {view_left_90, 20, 10, -10},
        {view_right_90, -20, 190, 10},  {view_left_135, 5, -35, -15},    {view_right_135, -15, 235, -5},
        {view_backwards, -10, 280, -20}, {view_full_hud, 10, 100, 20},   {view_full_no_hud, 10, 100, 20},
    };
    for (const auto& c : cases) {
        set.view_id = c.view;
        frame();
        EXPECT_FLOAT_EQ(scn.view_pitch, c.pitch) << c.view;
        EXPECT_FLOAT_EQ(scn.view_heading, c.heading) << c.view;
        EXPECT_FLOAT_EQ(scn.view_roll, c.roll) << c.view;
    }
}

// The eye 0.3 m right, 1 m up and 2 m ahead of the centre of gravity.
TEST_F(SceneFrame, TheEyeSitsAtThePilotsEyePointTurnedWithTheAircraft)
{
    pln[0].peX = 0.3f;
    pln[0].peY = 1;
    pln[0].peZ = -2;
    const struct {
        const char* what;
        float theta, psi, phi;
        float east, up, south;   // the eye from the aircraft
    } cases[] = {
        {"heading north", 0, 0, 0, 0.3f, 1, -2},
        {"heading east", 0, 90, 0, 2, 1, 0.3f},
        {"nose straight up", 90, 0, 0, 0.3f, 2, 1},
        {"rolled right on its side", 0, 0, 90, 1, -0.3f, -2},
    };
    for (const auto& c : cases) {
        attitude(c.theta, c.psi, c.phi);
        frame();
        EXPECT_NEAR(eye(0) - 5050, c.east, 1e-3) << c.what;
        EXPECT_NEAR(eye(1) - 10, c.up, 1e-3) << c.what;
        EXPECT_NEAR(eye(2) + 5050, c.south, 1e-3) << c.what;
    }
    EXPECT_EQ(env.cam_cell_i, 50);
    EXPECT_EQ(env.cam_cell_j, 50);
    EXPECT_NEAR(env.camera_ground_h, 0, 0.2);
}

// ---- the outside views -----------------------------------------------------------

// The first frame takes the camera's target at once; a camera under the
// ground is lifted 2 m above it before it aims at the aircraft.
TEST_F(SceneFrame, OutsideCamerasStandAboveTheGroundAndLookAtTheAircraft)
{
    const struct {
        int view;
        float x, y, z;
        float pitch, heading;
    } cases[] = {
        {view_tower, 6000, 30, -6000, -0.8529f, -135},
        {view_runway, 5150, 5, -5050, 2.8624f, -90},
        {view_spot, 5050, 2, -4950, 4.5739f, 0},           // lifted from -50
        {view_chase, 5030, 2, -5050, 21.8014f, 90},         // behind on the track, lifted from 0
        {view_follow, 5032.679f, 20, -5050, -30, 90},
        {view_follow_2, 5032.679f, 20, -5050, -30, 90},
    };
    for (const auto& c : cases) {
        prepare();
        add_airport(0, 4, 8, 8, 3, 6000, -6000);
        geo_litexyz[3][geo_beacon][0] = 6000;
        geo_litexyz[3][geo_beacon][1] = 30;
        geo_litexyz[3][geo_beacon][2] = -6000;
        msc.near_rwy = 8;
        msc.rwy_view_x = 5150, msc.rwy_view_y = 5, msc.rwy_view_z = -5050;
        msc.spot_x = 5050, msc.spot_y = -50, msc.spot_z = -4950;
        flt.sin_trk = 1, flt.cos_trk = 0, flt.sin_gam = 0.5f;
        msc.view_hdg = (float)M_PI / 2, msc.view_pitch = (float)M_PI / 6;
        set.view_id = c.view;
        frame();
        EXPECT_NEAR(eye(0), c.x, 1e-3) << c.view;
        EXPECT_NEAR(eye(1), c.y, 1e-3) << c.view;
        EXPECT_NEAR(eye(2), c.z, 1e-3) << c.view;
        EXPECT_NEAR(scn.view_pitch, c.pitch, 1e-3) << c.view;
        EXPECT_NEAR(scn.view_heading, c.heading, 1e-3) << c.view;
        EXPECT_EQ(scn.view_roll, 0) << c.view;
    }
}

// Flying east at 100 m/s the chase camera settles chase_dist behind the
// aircraft, not behind by what its easing lags; a placement 5 km away is
// taken at once, with no lead from the jump.
TEST_F(SceneFrame, TheChaseCameraLeadsByItsLagAndJumpsWithAPlacement)
{
    set.view_id = view_chase;
    flt.sin_trk = 1, flt.cos_trk = 0, flt.sin_gam = 0;
    attitude(0, 90, 0);
    for (int f = 0; f < 200; f++) {
        flt.pos_x[0] += 100 * msc.dt;
        frame();
    }
    EXPECT_NEAR(eye(0), flt.pos_x[0] - 20, 0.01);
    EXPECT_NEAR(eye(2), flt.pos_z[0], 1e-3);

    flt.pos_x[0] += 5000;
    frame();
    EXPECT_NEAR(eye(0), flt.pos_x[0] - 20, 1e-3) << "taken at once, no lead";

    // No time step: no lead, and the camera stays where it is.
    float before = eye(0);
    msc.dt = 0;
    flt.pos_x[0] += 10;
    frame();
    EXPECT_TRUE(std::isfinite(eye(0)));
    EXPECT_EQ(eye(0), before);
}

// The first frame of a run leads by nothing even when the aircraft starts
// less than a kilometre from where the run's camera state began.
TEST_F(SceneFrame, TheFirstFrameTakesTheTargetWithNoLead)
{
    set.view_id = view_chase;
    flt.sin_trk = 0, flt.cos_trk = 1;
    place_aircraft(100, 10, -100);
    frame();
    EXPECT_NEAR(eye(0), 100, 1e-3);
    EXPECT_NEAR(eye(2), -80, 1e-3);
}

// Without a local airport, or without a slot for its first runway, the
// tower view keeps easing toward the target it had.
TEST_F(SceneFrame, TheTowerViewWithoutAnAirportKeepsItsTarget)
{
    set.view_id = view_chase;
    flt.sin_trk = 0, flt.cos_trk = 1;
    frame();
    float held[3] = {eye(0), eye(1), eye(2)};
    set.view_id = view_tower;
    for (int no_slot = 0; no_slot < 2; no_slot++) {
        if (no_slot) {
            add_airport(0, 4, 8, 8, 3, 6000, -6000);
            rwy_geo_ind[8] = -1;
            msc.near_rwy = 8;
        } else {
            apt_lcl_max = -1;
            msc.near_rwy = -1;
        }
        for (int f = 0; f < 5; f++) {
            flt.pos_x[0] += 3;
            frame();
        }
        for (int k = 0; k < 3; k++) EXPECT_NEAR(eye(k), held[k], 1e-3) << no_slot;
    }
}

// ---- culling ------------------------------------------------------------------------

// Each side of the box lies vis from the eye, except the side behind the
// view, which stays at the eye.
TEST_F(SceneFrame, TheVisibleBoxOpensAheadOfTheView)
{
    set_visibility(3000);
    msc.rwy_view_x = 8050, msc.rwy_view_y = 10, msc.rwy_view_z = -5050;   // east of the aircraft
    const struct {
        int view;
        float psi;
        int octant;
    } cases[] = {
        {view_forwards, 10, 1},  {view_forwards, 50, 2},  {view_forwards, 100, 3},  {view_forwards, 150, 4},
        {view_forwards, 200, 5}, {view_forwards, 250, 6}, {view_forwards, 300, 7},  {view_forwards, 340, 8},
        {view_right_90, 10, 3},  {view_backwards, 10, 5}, {view_left_45, 10, 8},    {view_right_135, 300, 2},
        {view_chase, 100, 3},    {view_runway, 10, 7},    // looking west at the aircraft
    };
    for (const auto& c : cases) {
        clear_camera_run_state();
        set.view_id = c.view;
        attitude(0, c.psi, 0);
        flt.sin_trk = sinf(c.psi * con.degtorad), flt.cos_trk = cosf(c.psi * con.degtorad);
        frame();
        int o = c.octant;
        float x = eye(0), z = eye(2);
        EXPECT_FLOAT_EQ(scn.vis_xmin, o == 2 || o == 3 ? x : x - 3000) << c.view << " " << c.psi;
        EXPECT_FLOAT_EQ(scn.vis_zmin, o == 4 || o == 5 ? z : z - 3000) << c.view << " " << c.psi;
        EXPECT_FLOAT_EQ(scn.vis_xmax, o == 6 || o == 7 ? x : x + 3000) << c.view << " " << c.psi;
        EXPECT_FLOAT_EQ(scn.vis_zmax, o == 8 || o == 1 ? z : z + 3000) << c.view << " " << c.psi;
    }
}

// The cloud drawer reads the point after the last of the range: above an
// overcast, with 90 nm of visibility from near the grid's far corner, the
// range stops at points 80 and 64.
TEST_F(SceneFrame, TheCloudRangeStopsShortOfTheGridsLastPoints)
{
    set_visibility(5000);
    attitude(0, 10, 0);   // looking north: the box's south side at the eye
    frame();
    EXPECT_EQ(scn.cld_imin, 0);    // x 50 .. 10050 over points 500 m apart
    EXPECT_EQ(scn.cld_imax, 20);
    EXPECT_EQ(scn.cld_jmin, 10);   // z -5050 at the south side, -10050 at the north
    EXPECT_EQ(scn.cld_jmax, 20);

    overcast(1000, 2000);
    place_aircraft(39000, 3000, -31000);
    set_visibility(166680);
    atm.visibility = 10000;
    frame();
    EXPECT_EQ(scn.above_clouds, 1);
    EXPECT_EQ(scn.cld_imin, 0);
    EXPECT_EQ(scn.cld_imax, 80);
    EXPECT_EQ(scn.cld_jmin, 62);
    EXPECT_EQ(scn.cld_jmax, 64);
}

// The rebuild writes the nearest airport, so a stale mark shows that none ran.
TEST_F(SceneFrame, CullingIsRebuiltOnlyWhenItsKeyChanges)
{
    struct change {
        const char* what;
        void (*apply)(void);
        int rebuilds;
    };
    const change cases[] = {
        {"nothing", [] {}, 0},
        {"a move within the cell", [] { flt.pos_x[0] += 30; }, 0},
        {"a turn within the octant", [] { attitude(0, 30, 0); }, 0},
        {"a visibility that rounds the same", [] { set_visibility(5000.3f); }, 0},
        {"the next cell", [] { flt.pos_x[0] += 100; }, 1},
        {"the next octant", [] { attitude(0, 50, 0); }, 1},
        {"another visibility", [] { set_visibility(4000); }, 1},
        {"a region load at the same corner", [] { region_loads++; }, 1},
        {"the corner's latitude", [] { env.reg_lat = 34, flt.lat = 35; }, 1},
        {"the corner's longitude", [] { env.reg_lon = -118, flt.lon = -116.5f; }, 1},
    };
    for (const change& c : cases) {
        prepare();
        add_airport(0, 4, 8, 8, 0, 5050, -6050);
        attitude(0, 10, 0);
        frame();
        ASSERT_EQ(msc.near_apt, 4);
        msc.near_apt = -5;
        frame();
        EXPECT_EQ(msc.near_apt, -5) << "no change yet: " << c.what;
        c.apply();
        frame();
        EXPECT_EQ(msc.near_apt != -5, c.rebuilds) << c.what;
    }
}

TEST_F(SceneFrame, TheNearestAirportIsTheFirstOfEquals)
{
    // By the first runways' latitude and longitude, each 0.25 degrees away.
    add_airport(0, 7, 20, 21, 0, 5050, -6050);
    add_airport(1, 3, 10, 10, 2, 5050, -6050);
    add_airport(2, 9, 30, 30, 3, 5050, -6050);
    rwy_lat[20] = 34.25f, rwy_lon[20] = -117.5f;
    rwy_lat[21] = 34.0f, rwy_lon[21] = -117.5f;   // not a first runway
    rwy_lat[10] = 34.0f, rwy_lon[10] = -117.25f;
    rwy_lat[30] = 33.75f, rwy_lon[30] = -117.5f;
    frame();
    EXPECT_EQ(msc.near_apt, 7);
    EXPECT_EQ(msc.near_apt_lcl, 0);
    EXPECT_EQ(msc.near_rwy, 20);

    rwy_lat[30] = 33.875f;
    region_loads++;
    frame();
    EXPECT_EQ(msc.near_apt, 9);
    EXPECT_EQ(msc.near_apt_lcl, 2);
    EXPECT_EQ(msc.near_rwy, 30);

    // A region without airports keeps what was found.
    apt_lcl_max = -1;
    region_loads++;
    frame();
    EXPECT_EQ(msc.near_apt, 9);
}

// Heading north with 2 km of visibility: the cone's far corners lie 2,828 m
// out at 45 degrees either side.
TEST_F(SceneFrame, TheInViewListsFollowTheCone)
{
    set_visibility(2000);
    const float ex = 5050, ez = -5050;
    struct {
        int type;
        float x, z;
        int in_view;
    } objects[] = {
        {1, ex, ez - 1000, 1},          // ahead
        {1, ex + 2500, ez, 0},          // near the box, but far right of the cone
        {0, ex, ez - 1000, 0},          // a free slot
        {1, ex, ez + 3000, 0},          // behind, beyond the box
    };
    for (int k = 0; k < 4; k++) {
        obj_type[k] = objects[k].type;
        obj_xyz[k][0][0][0] = objects[k].x;
        obj_xyz[k][0][0][2] = objects[k].z;
    }
    add_airport(0, 4, 8, 8, 0, ex, ez - 1500);
    add_airport(1, 5, 9, 9, 1, ex + 10000, ez);
    ter_inrange[0][0] = 7;   // outside the range: left alone
    frame();
    for (int k = 0; k < 4; k++) EXPECT_EQ(obj_inrange[k], objects[k].in_view) << k;
    EXPECT_EQ(apt_inrange[0], 1);
    EXPECT_EQ(apt_inrange[1], 0);
    EXPECT_EQ(scn.ter_jmin, 50) << "the range starts at the eye's cell behind the view";
    EXPECT_EQ(ter_inrange[50][60], 1);
    EXPECT_EQ(ter_inrange[0][0], 7);
    float ahead = ez - 1000, behind = ez + 1000;
    EXPECT_EQ(incone(ex, ahead, 0), 1);
    EXPECT_EQ(incone(ex, behind, 0), 0);
    EXPECT_EQ(incone(ex, behind, 1500), 1) << "the margin widens the cone";

    // Looking more than 30 degrees down marks every point, in the range or not.
    ter_inrange[0][0] = 0;
    attitude(-40, 0, 0);
    frame();
    EXPECT_NE(ter_inrange[0][0], 0);
}

// Above an overcast, the ground wholly under the tops, the airports, their
// lights and the objects are hidden.
TEST_F(SceneFrame, AboveAnOvercastOnlyGroundAboveTheTopsShows)
{
    overcast(200, 500);
    place_aircraft(5050, 1000, -5050);
    set_visibility(166680);
    atm.visibility = 5000;
    planexyz[50][60][1] = 600;   // one peak through the tops
    add_airport(0, 4, 8, 8, 0, 5050, -6050);
    frame();
    EXPECT_EQ(ter_inrange[50][60], 1);
    EXPECT_EQ(ter_inrange[49][59], 1) << "a cell with the peak as its far corner";
    EXPECT_EQ(ter_inrange[50][61], 0);
    EXPECT_EQ(ter_inrange[48][60], 0);
    EXPECT_EQ(calls, "stars clouds terrain ");
}

// ---- drawing ----------------------------------------------------------------------

TEST_F(SceneFrame, TheWorldIsDrawnInItsOrderForEachCloudLayer)
{
    const struct {
        const char* what;
        int type;
        float y;   // the eye; base 1000, tops 1500
        const char* order;
    } cases[] = {
        {"clear", 1, 10, "stars terrain trees runway(0,4,8,0) lights objects fires "},
        {"below a broken layer", 3, 10, "stars clouds terrain trees runway(0,4,8,0) lights objects fires "},
        {"above a scattered layer", 2, 3000, "stars terrain trees runway(0,4,8,0) lights objects clouds fires "},
        {"above an overcast", 4, 3000, "stars clouds terrain trees fires "},
        {"below an overcast", 4, 10, "terrain trees runway(0,4,8,0) lights objects fires precip "},
        {"inside an overcast", 4, 1200, "terrain trees runway(0,4,8,0) lights objects fires precip "},
    };
    for (const auto& c : cases) {
        prepare();
        add_airport(0, 4, 8, 8, 0, 5050, -6050);
        set.render_flag_1 = 1;
        set.render_flag_4 = 1;
        scn.fires_on = 1;
        atm.cloud_type = c.type;
        atm.cloud_base = 1000;
        atm.cloud_tops = 1500;
        place_aircraft(5050, c.y, -5050);
        set_visibility(5000);
        atm.precip_intensity = 0.7f;   // the last frame's rain
        frame();
        EXPECT_EQ(calls, c.order) << c.what;
        // Out of the rain the rain sound falls silent.
        if (!strstr(c.order, "precip")) {
            EXPECT_EQ(atm.precip_intensity, 0.0f) << c.what;
        }
    }
    // At night the city lights; in a flash the lightning; no fire in the rain.
    prepare();
    msc.time_of_day = 22 * 3600;
    atm.flash_until = 1;
    scn.fires_on = 1;
    atm.precip_level = 2;
    frame();
    EXPECT_EQ(calls, "stars terrain city lightning lights ");
}

// The fires burn above freezing, not at it, and in precipitation up to 1.
TEST_F(SceneFrame, FiresBurnOnlyAboveFreezingAndInLittlePrecipitation)
{
    const struct {
        float temp, precip;
        bool drawn;
    } cases[] = {{32, 1, false}, {32.1f, 1, true}, {60, 1.01f, false}, {60, 0, true}, {20, 5, false}};
    for (const auto& c : cases) {
        prepare();
        scn.fires_on = 1;
        atm.sl_temp = c.temp;
        atm.precip_level = c.precip;
        frame();
        EXPECT_EQ(calls.find("fires") != std::string::npos, c.drawn) << c.temp << " F, precipitation " << c.precip;
    }
    prepare();
    frame();
    EXPECT_EQ(calls.find("fires"), std::string::npos) << "a region without fires";
}

// Each group of an airport's runways from its last runway to its first:
// pavement (five pieces each), pads, runways; the landing lights only at
// the nearest airport; the windsock drifts with the wind every frame, also
// one above an overcast, where no airport is drawn. A pad of no width (a
// user's airport file) counts as a metre wide.
TEST_F(SceneFrame, AnAirportsPavementPadsAndRunwaysFromLastToFirst)
{
    add_airport(0, 4, 10, 12, 0, 5050, -6050);   // slots 0, 1, 2
    geo_tway[0] = geo_tway[2] = 1;
    geo_type[2] = 63;              // the second texture set
    rwy_num[11] = 99;              // a pad
    geo_type[1] = 63;
    rwy_len[11] = 40;
    rwy_width[11] = 0;
    add_airport(1, 5, 13, 13, 3, 5050, -6550);
    rwy_lat[13] = 36;              // farther than airport 4
    ins.ldg_lights = 1;
    atm.wind_x = 5;
    atm.wind_z = -2;
    atm.wind_layer[0][wl_wind_dir] = 100;
    env.mag_var = 10;
    msc.dt = 0.1f;
    overcast(1, 5);
    frame();
    EXPECT_EQ(calls.find("runway"), std::string::npos) << "above the overcast";
    atm.cloud_type = 1;
    frame();
    const char* sock = "5041,-5550.4,100,0)";   // corner 0 of the first runway, 2 frames of drift
    std::string want = "stars terrain ";
    for (const char* p : {"1,2,1,50,114", "1,2,5,3,114", "1,2,2,1,113", "1,2,3,1,113", "1,2,4,1,113",
                          "1,0,1,50,86", "1,0,5,3,86", "1,0,2,1,85", "1,0,3,1,85", "1,0,4,1,85", "1,1,0,40,114"})
        want += std::string("pave(") + p + "," + sock + " ";
    want += "runway(1,4,12,2) runway(1,4,10,0) runway(0,5,13,3) lights ";
    EXPECT_EQ(calls, want);
}

// The user's aircraft only from outside; the others with the traffic switch;
// "close" within 0.75 nm, nearer by the zoom.
TEST_F(SceneFrame, AircraftAreDrawnFromOutsideAndWithTheTraffic)
{
    const struct {
        int view, traffic;
        float zoom;
        const char* planes;
    } cases[] = {
        {view_forwards, 0, 1, ""},
        {view_forwards, 1, 1, "plane(1,1) plane(0,0) "},
        {view_forwards, 1, 2, "plane(1,1) plane(0,1) "},
        {view_chase, 0, 1, "plane(0,1) "},
        {view_chase, 1, 1, "plane(0,1) plane(1,1) plane(0,0) "},
    };
    for (const auto& c : cases) {
        prepare();
        flt.sin_trk = 0, flt.cos_trk = 1;
        flt.pos_x[1] = 5050, flt.pos_y[1] = 10, flt.pos_z[1] = -6050;   // 1 km ahead
        flt.pos_x[2] = 5050, flt.pos_y[2] = 10, flt.pos_z[2] = -7050;   // 2 km ahead
        set.view_id = c.view;
        set.air_traffic_on = c.traffic;
        scn.zoom = c.zoom;
        frame();
        std::string planes;
        for (size_t at = calls.find("plane"); at != std::string::npos; at = calls.find("plane", at + 1))
            planes += calls.substr(at, 11);
        EXPECT_EQ(planes, c.planes) << c.view << " " << c.traffic << " " << c.zoom;
    }
}

TEST_F(SceneFrame, HeadUpDisplaysByViewAndKind)
{
    const struct {
        int view, kind, hud_on;
        const char* huds;
    } cases[] = {
        {view_forwards, 2, 1, "hud "},
        {view_forwards, 2, 0, ""},
        {view_full_hud, 1, 0, "hud "},       // always in 521
        {view_forwards, 1, 1, ""},           // kind 1 has none in the forward views
        {view_full_no_hud, 2, 1, ""},
        {view_backwards, 2, 1, ""},
        {view_down_8, 3, 1, "cool_hud hud "},
        {view_right_90, 3, 1, ""},
    };
    for (const auto& c : cases) {
        set.view_id = c.view;
        pln[0].HUDtype = c.kind;
        ins.hud_on = c.hud_on;
        frame();
        std::string huds, padded = " " + calls;
        if (padded.find(" cool_hud ") != std::string::npos) huds += "cool_hud ";
        if (padded.find(" hud ") != std::string::npos) huds += "hud ";
        EXPECT_EQ(huds, c.huds) << c.view << " " << c.kind << " " << c.hud_on;
    }
}

// The head-up display's centre is the projection's optical centre.
TEST_F(SceneFrame, ThePanelMovesTheHeadUpDisplaysFrame)
{
    const struct {
        int hidden;
        float lft, rgt, bot, top, cx, cy;
    } cases[] = {
        {0, 200, 600, 334, 552, 400, 443},
        {1, 100, 700, 41, 560, 400, 300.5f},
    };
    for (const auto& c : cases) {
        set.panel_hidden = c.hidden;
        frame();
        EXPECT_EQ(con.HUD_lft, c.lft);
        EXPECT_EQ(con.HUD_rgt, c.rgt);
        EXPECT_EQ(con.HUD_bot, c.bot);
        EXPECT_EQ(con.HUD_top, c.top);
        EXPECT_EQ(con.cntrx, c.cx);
        EXPECT_EQ(con.cntry, c.cy);
    }
}

// Every frame starts the aircraft off any surface; the contact pass sets
// it again. A catapult launch lasts only while the deck is under it.
TEST_F(SceneFrame, EveryFrameForgetsWhatTheAircraftStoodOn)
{
    env.on_carrier = env.on_frigate = env.on_platform = 1;
    env.surface_type = 62;
    atc.deck_rel[1] = 3;
    set.catapult_run = 1;
    frame();
    EXPECT_EQ(env.on_carrier + env.on_frigate + env.on_platform, 0);
    EXPECT_EQ(env.surface_type, 67);
    for (float d : atc.deck_rel) EXPECT_EQ(d, 9.9e9f);
    EXPECT_EQ(set.catapult_run, 0);

    scene.plot_terrain = [] { env.on_carrier = 1; };   // the carrier drawn under the aircraft
    set.catapult_run = 1;
    frame();
    EXPECT_EQ(set.catapult_run, 1);
}

// Runway lights at night and by day under 5 nm of reported visibility; city
// lights at night. The day runs from 7:00 to 17:00, both included.
TEST_F(SceneFrame, RunwayAndCityLightsByTheHourAndTheVisibility)
{
    const struct {
        float hour, vis_nm;
        int rway, city;
    } cases[] = {
        {12, 10, 0, 0},   {12, 5.1f, 0, 0},    {12, 4.9f, 1, 0}, {7, 10, 0, 0},
        {17, 10, 0, 0},   {6.98f, 10, 1, 1},   {17.02f, 10, 1, 1}, {22, 10, 1, 1},
    };
    for (const auto& c : cases) {
        msc.time_of_day = c.hour * 3600;
        atm.visibility = c.vis_nm * 1852;
        frame();
        EXPECT_EQ(scn.rway_lights, c.rway) << c.hour << " h, " << c.vis_nm << " nm";
        EXPECT_EQ(scn.city_lights, c.city) << c.hour << " h, " << c.vis_nm << " nm";
    }
}

// ---- faults mended ----------------------------------------------------------------

// Before the first region load nothing is paged or drawn; the eye stays at
// the aircraft with the cloud flags that the sounds read.
TEST_F(SceneFrame, BeforeTheFirstRegionLoadNothingIsDrawn)
{
    region_loads = 0;
    flt.lon = -110;   // far outside the corner's bounds
    overcast(200, 500);
    place_aircraft(100, 1000, -200);
    frame();
    EXPECT_EQ(calls, "");
    EXPECT_EQ(env.reg_lon, -119);
    EXPECT_EQ(eye(0), 100);
    EXPECT_EQ(eye(1), 1000);
    EXPECT_EQ(eye(2), -200);
    EXPECT_EQ(scn.above_clouds, 1);
    EXPECT_EQ(scn.below_clouds, 0);
}

TEST_F(SceneFrame, AZoomBelowOneCountsAsOne)
{
    attitude(0, 90, 0);
    frame();
    float one[4] = {x1, z1, x2, z2};
    EXPECT_NEAR(x1 - x0, 5000, 0.5f) << "45 degrees left of east";
    EXPECT_NEAR(z1 - z0, -5000, 0.5f);
    scn.zoom = 0;
    frame();
    EXPECT_EQ(x1, one[0]);
    EXPECT_EQ(z1, one[1]);
    EXPECT_EQ(x2, one[2]);
    EXPECT_EQ(z2, one[3]);
}

// Inside an overcast the visibility is 0: the cone keeps a metre, the
// terrain range is the eye's cell, and its cell is in view.
TEST_F(SceneFrame, NoVisibilityInsideAnOvercastStillLeavesACone)
{
    overcast(500, 2000);
    place_aircraft(5050, 1000, -5050);
    set_visibility(0);
    frame();
    EXPECT_NEAR(pythag(x1 - x0, z1 - z0), 1, 1e-3);
    EXPECT_NEAR(pythag(x2 - x0, z2 - z0), 1, 1e-3);
    EXPECT_EQ(incone(5050, -5050.5f, 0), 1);
    EXPECT_EQ(incone(5050, -5052, 0), 0);
    EXPECT_EQ(scn.ter_imin, 50);
    EXPECT_EQ(scn.ter_imax, 50);
    EXPECT_EQ(scn.ter_jmin, 50);
    EXPECT_EQ(scn.ter_jmax, 50);
    EXPECT_EQ(ter_inrange[50][50], 1);
}

}  // namespace
