// The decks under the aircraft, found by the frame's contact pass without
// GL and whatever the camera sees: the carrier's three deck regions and the
// frigate's flight deck turned with the ship, at any height; the platforms'
// and rigs' helidecks at their cell's midpoint; the arresting wires' catch
// and release; the catapult hook-up moved with the deck's lean; the ships'
// navaid slots, rewritten every frame where the radios will find them; and
// a landing on the carrier that catches a wire while the view looks back.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Integ.h"
#include "Startscn.h"
#include "flight_run.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

const float rad = (float)(acos(-1.0) / 180);

// The shipped Cessna at KSBD with both ships brought beside it. The
// frame draws no terrain, so no ship, platform or rig is drawn: what the
// aircraft stands on and the ships' navaids are the contact pass's alone.
class Decks : public ::testing::Test {
protected:
    float base_x = 0, base_z = 0;
    scene_calls saved;

    void SetUp() override
    {
        ASSERT_EQ(stand_cessna_at_ksbd(), 1);
        saved = scene;
        scene.plot_terrain = [] {};
        base_x = (float)flt.pos_x[0];
        base_z = (float)flt.pos_z[0];
        for (int s = 0; s < 2; s++) {
            env.ship_x[s] = base_x + 3000.0f * (float)(s + 1);
            env.ship_y[s] = 0;
            env.ship_z[s] = base_z;
            env.ship_hdg[s] = env.ship_pitch[s] = env.ship_roll[s] = 0;
        }
        memset(offp_on_poly, 0, sizeof offp_on_poly);
        memset(oilr_on_poly, 0, sizeof oilr_on_poly);
        ins.hook_down = 0;
        set.wire_caught = set.on_catapult = set.catapult_run = 0;
        set.wire_decel = 0;
    }
    void TearDown() override
    {
        scene = saved;
        close_loader_surroundings();
        err.close();
    }

    // One scene frame, the pilot looking back.
    static void frame(void)
    {
        set.view_id = view_backwards;
        update_scene_3d();
    }

    // The aircraft at (dx, dz) in world metres from ship s, at height y.
    static void over_ship(int s, float dx, float dz, float y)
    {
        flt.pos_x[0] = env.ship_x[s] + dx;
        flt.pos_y[0] = y;
        flt.pos_z[0] = env.ship_z[s] + dz;
    }
};

}  // namespace

// ---- decks -------------------------------------------------------------------------

// Offsets in world metres: at heading 90 the bow (model z negative) points
// east and the port side north. Hovering high over a deck counts as over
// it; the wheels decide touching.
TEST_F(Decks, TheShipsDecksTurnWithTheShipAtAnyHeight)
{
    const struct {
        const char* what;
        int ship;
        float hdg, dx, dz;
        int on;
    } cases[] = {
        {"carrier, mid deck", 0, 0, 0, 0, 1},
        {"carrier, near the bow", 0, 0, 0, -150, 1},
        {"carrier, near the stern", 0, 0, 0, 155, 1},
        {"carrier, port sponson", 0, 0, -30, 0, 1},
        {"carrier, starboard sponson", 0, 0, 33, 0, 1},
        {"carrier, abeam the port sponson's aft corner", 0, 0, -30, 100, 0},
        {"carrier, behind the starboard sponson", 0, 0, 30, 120, 0},
        {"carrier, behind the stern", 0, 0, 0, 165, 0},
        {"carrier, ahead of the bow", 0, 0, 0, -160, 0},
        {"carrier 90, near the bow: east", 0, 90, 150, 0, 1},
        {"carrier 90, near the stern: west", 0, 90, -155, 0, 1},
        {"carrier 90, port sponson: north", 0, 90, 0, -30, 1},
        {"carrier 90, starboard sponson: south", 0, 90, 0, 33, 1},
        {"carrier 90, where the bow points at heading 0", 0, 90, 0, -150, 0},
        {"frigate, flight deck", 1, 0, 0, 55, 1},
        {"frigate, ahead of the flight deck", 1, 0, 0, 35, 0},
        {"frigate, beside the flight deck", 1, 0, 17, 55, 0},
        {"frigate 180, flight deck: north", 1, 180, 0, -55, 1},
        {"frigate 180, where it lies at heading 0", 1, 180, 0, 55, 0},
    };
    for (const auto& c : cases)
        for (float above : {2.0f, 600.0f}) {
            SCOPED_TRACE(std::string(c.what) + (above > 100 ? ", high" : ", low"));
            env.ship_hdg[c.ship] = c.hdg;
            over_ship(c.ship, c.dx, c.dz, env.ship_y[c.ship] + 21 + above);
            frame();
            EXPECT_EQ(c.ship == 0 ? env.on_carrier : env.on_frigate, c.on);
            EXPECT_EQ(c.ship == 0 ? env.on_frigate : env.on_carrier, 0);
            EXPECT_EQ(env.surface_type, c.on ? 62 : surf_rough);
            EXPECT_EQ(env.on_platform, 0);
        }
}

// The helideck stands on the marked cell's midpoint, 56 m up on a platform
// and 97 m on a rig, and is found from the aircraft's cell or its neighbour.
TEST_F(Decks, HelidecksStandAtTheCellMidpointFromTheAircraftsCellOrTheNext)
{
    const int ci = 90, cj = 80;
    const float* a = planexyz[ci][cj];
    const float* b = planexyz[ci + 1][cj + 1];
    const float mx = 0.5f * (a[0] + b[0]), my = 0.5f * (a[1] + b[1]), mz = 0.5f * (a[2] + b[2]);
    const struct {
        const char* what;
        int rig;
        float dx, dz;
        int cell_di;   // the aircraft's cell from the marked one
        int on;
        float deck;
    } cases[] = {
        {"platform helideck", 0, 0, 65, 0, 1, my + 56},
        {"platform helideck's corner", 0, 11.5f, 53.5f, 0, 1, my + 56},
        {"platform, from the next cell", 0, 0, 65, 1, 1, my + 56},
        {"platform, off the helideck", 0, 0, 45, 0, 0, 0},
        {"platform, two cells away", 0, 0, 65, 2, 0, 0},
        {"rig helideck", 1, -13, 90, 0, 1, my + 97},
        {"rig, from the cell before", 1, 0, 100, -1, 1, my + 97},
        {"rig, off the helideck", 1, 0, 70, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        memset(offp_on_poly, 0, sizeof offp_on_poly);
        memset(oilr_on_poly, 0, sizeof oilr_on_poly);
        (c.rig ? oilr_on_poly : offp_on_poly)[ci][cj] = 1;
        env.plane_cell_i = ci + c.cell_di;
        env.plane_cell_j = cj;
        flt.pos_x[0] = mx + c.dx;
        flt.pos_y[0] = my + 300;
        flt.pos_z[0] = mz + c.dz;
        env.deck_h = -1;
        frame();
        EXPECT_EQ(env.on_platform, c.on);
        EXPECT_EQ(env.surface_type, c.on ? 62 : surf_rough);
        if (c.on) {
            EXPECT_FLOAT_EQ(env.deck_h, c.deck);
        }
        EXPECT_EQ(env.on_carrier + env.on_frigate, 0);
    }
}

// ---- wires and catapult ------------------------------------------------------------

// The carrier heads east; the wire area lies 76 to 136 m aft of its middle.
// Speeds are over the sea: the deck itself moves at 15 m/s.
TEST_F(Decks, AWireCatchesOnlyAFastRollHookDownAndLetsGoWhenPulledBack)
{
    env.ship_hdg[0] = 90;
    const struct {
        const char* what;
        float gnd_speed;
        int hook, on_ground;
        float beta, aft;   // aft: m behind the carrier's middle
        int hooked_before;
        int hooked;
        float decel;
    } cases[] = {
        {"10 m/s over the deck", 25, 1, 1, 0, 100, 0, 0, 0},
        {"11 m/s over the deck", 26, 1, 1, 0, 100, 0, 1, 11 * 11 / 200.0f},
        {"30 m/s, at the area's forward edge", 45, 1, 1, -20, 80, 0, 1, 30 * 30 / 200.0f},
        {"hook up", 40, 0, 1, 0, 100, 0, 0, 0},
        {"in the air", 40, 1, 0, 0, 100, 0, 0, 0},
        {"sliding sideways", 40, 1, 1, 95, 100, 0, 0, 0},
        {"ahead of the wires", 40, 1, 1, 0, 60, 0, 0, 0},
        {"behind the wires", 40, 1, 1, 0, 145, 0, 0, 0},
        {"hooked, pulled back at 1.9 m/s", 13.1f, 1, 1, 0, 100, 1, 1, 3},
        {"hooked, pulled back at 2.1 m/s", 12.9f, 1, 1, 0, 100, 1, 0, 3},
        {"hooked, still rolling fast", 40, 1, 1, 0, 100, 1, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        over_ship(0, -c.aft, 0, 21 + pln[0].h_eqlbm);
        flt.gnd_speed[0] = c.gnd_speed;
        ins.hook_down = c.hook;
        flt.on_ground = c.on_ground;
        flt.beta = c.beta;
        set.wire_caught = c.hooked_before;
        set.wire_decel = c.hooked_before ? 3 : 0;
        frame();
        EXPECT_EQ(env.on_carrier, 1);
        EXPECT_EQ(set.wire_caught, c.hooked);
        EXPECT_FLOAT_EQ(set.wire_decel, c.decel);
        EXPECT_EQ(set.on_catapult, 0);
    }
}

// Rolling slowly into the catapult's box sets the brakes and puts the
// aircraft on the catapult point, 12.5 m to port and 55 m ahead of the
// middle, where the rolling, pitching deck carries it: that point is the
// deck's as drawn, turned by roll, then pitch, then heading.
TEST_F(Decks, TheCatapultTakesASlowAircraftOntoItsPointOnTheLeaningDeck)
{
    const struct {
        const char* what;
        float hdg, pitch, roll;
        float gnd_speed;
        int on_ground, hooked, launching, held;
        int snaps;
    } cases[] = {
        {"level deck, heading 30", 30, 0, 0, 16, 1, 0, 0, 0, 1},
        {"rolled 3 degrees", 30, 0, 3, 16, 1, 0, 0, 0, 1},
        {"rolled -3, pitched 1", 200, 1, -3, 16, 1, 0, 0, 0, 1},
        {"pitched -1.5, rolled 2", 300, -1.5f, 2, 34.9f, 1, 0, 0, 0, 1},
        {"35 m/s: too fast", 30, 0, 0, 35, 1, 0, 0, 0, 0},
        {"in the air", 30, 0, 0, 16, 0, 0, 0, 0, 0},
        {"hooked", 30, 0, 0, 16, 1, 1, 0, 0, 0},
        {"launching", 30, 0, 0, 16, 1, 0, 1, 0, 0},
        {"already held", 30, 0, 0, 16, 1, 0, 0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        env.ship_hdg[0] = c.hdg;
        env.ship_pitch[0] = c.pitch;
        env.ship_roll[0] = c.roll;
        // Model (-15, -52): in the box, off its point.
        float h = c.hdg * rad, s = sinf(h), co = cosf(h);
        over_ship(0, -15 * co + 52 * s, -15 * s - 52 * co, 21 + pln[0].h_eqlbm);
        double x0 = flt.pos_x[0], z0 = flt.pos_z[0];
        flt.gnd_speed[0] = c.gnd_speed;
        flt.on_ground = c.on_ground;
        flt.brake_ratio = 0;
        set.wire_caught = c.hooked;
        set.catapult_run = c.launching;
        set.on_catapult = c.held;
        frame();
        if (!c.snaps) {
            EXPECT_EQ(set.on_catapult, c.held);
            EXPECT_EQ(flt.brake_ratio, 0);
            EXPECT_EQ(flt.pos_x[0], x0);
            EXPECT_EQ(flt.pos_z[0], z0);
            continue;
        }
        EXPECT_EQ(set.on_catapult, 1);
        EXPECT_EQ(flt.brake_ratio, 1.0f);
        // (-12.5, 21, -55) turned as the ship is drawn: roll about z, pitch about x, heading about y.
        float p = c.pitch * rad, r = c.roll * rad;
        float x = -12.5f * cosf(r) + 21 * sinf(r), y = 12.5f * sinf(r) + 21 * cosf(r);
        float z = y * sinf(p) - 55 * cosf(p);
        float wx = x * co - z * s, wz = x * s + z * co;
        EXPECT_NEAR(flt.pos_x[0], env.ship_x[0] + wx, 0.05);
        EXPECT_NEAR(flt.pos_z[0], env.ship_z[0] + wz, 0.05);
    }
}

// ---- navaids -----------------------------------------------------------------------

// Written every frame, wherever the camera looks: the carrier's approach
// leads along the angled deck to its landing reference point, the frigate's
// to the ship. The radios project the slots back to where the ships are,
// in every part of the region and beyond its edges.
TEST_F(Decks, TheShipsNavaidsFollowThemEveryFrameWhereTheRadiosFindThem)
{
    const float w = env.reg_west_x, e = env.reg_east_x, s = env.reg_south_z, n = env.reg_north_z;
    const float third = (e - w) / 3, half = (s - n) / 2;
    const struct {
        const char* what;
        float x, z;   // the carrier's
        float hdg, localizer;
    } cases[] = {
        {"heading 90", w + 1.3f * third, s - 0.4f * half, 90, 82},
        {"heading 5: wrapped", w + 2.5f * third, s - 1.5f * half, 5, 357},
        {"heading 8", w + 0.2f * third, s - 0.2f * half, 8, 0},
        {"west part of a square, north row", w + 0.7f * third, s - 1.8f * half, 271.5f, 263.5f},
        {"east of the region", e + 20000, s - 0.5f * half, 180, 172},
        {"west of and north of the region", w - 15000, n - 9000, 300, 292},
        {"south of the region", w + 1.5f * third, s + 12000, 45, 37},
    };
    const float* ref = carr_lxyz[carr_light_reference];
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        env.ship_x[0] = c.x;
        env.ship_z[0] = c.z;
        env.ship_y[0] = 1.5f;
        env.ship_hdg[0] = c.hdg;
        env.ship_x[1] = c.x + 4000;
        env.ship_z[1] = c.z - 3000;
        env.ship_y[1] = -0.5f;
        env.ship_hdg[1] = 200;
        frame();

        float h = c.hdg * rad;
        float rx = c.x + ref[0] * cosf(h) - ref[2] * sinf(h), rz = c.z + ref[0] * sinf(h) + ref[2] * cosf(h);
        const struct {
            int slot, type, frq;
            float x, z, y, hdng;
            const char* name;
        } slots[] = {
            {0, navaid_ils, 10800, rx, rz, 1.5f + 21, c.localizer, "USS Enterprise"},
            {1, navaid_glide_slope, 10800, rx, rz, 1.5f + 21, c.localizer + 400000, "USS Enterprise"},
            {2, navaid_ils, 10810, c.x + 4000, c.z - 3000, -0.5f, 200, "USS Corvane"},
            {3, navaid_glide_slope, 10810, c.x + 4000, c.z - 3000, -0.5f, 400200, "USS Corvane"},
        };
        for (const auto& k : slots) {
            SCOPED_TRACE(k.slot);
            EXPECT_EQ(nav_type[k.slot], k.type);
            EXPECT_EQ(nav_frq[k.slot], k.frq);
            EXPECT_NEAR(X_with_latlon(nav_lat[k.slot], nav_lon[k.slot]), k.x, 1.0f);
            EXPECT_NEAR(Z_with_lat(nav_lat[k.slot]), k.z, 1.0f);
            EXPECT_FLOAT_EQ(nav_h[k.slot], k.y);
            EXPECT_NEAR(nav_hdng[k.slot], k.hdng, 0.01f);
            EXPECT_EQ(nav_inreg[k.slot], 1);
            EXPECT_STREQ(nav_id[k.slot], "----");
            EXPECT_STREQ(nav_name[k.slot], k.name);
        }
    }
    // A ship no region has placed offers the radios nothing; the other still does.
    env.ship_x[1] = env.ship_z[1] = ship_unplaced;
    frame();
    EXPECT_EQ(nav_inreg[0], 1);
    EXPECT_EQ(nav_inreg[1], 1);
    EXPECT_EQ(nav_inreg[2], 0);
    EXPECT_EQ(nav_inreg[3], 0);
}

// ---- a landing ---------------------------------------------------------------------

namespace {

// The harness's Cessna over a carrier on open sea; each frame the whole
// scene frame runs with the view looking back, then the flight step.
class CarrierLanding : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        ASSERT_EQ(start_headless(PROGRAM_DIR), 1);
        atm.wave_height = 0;
    }
    void TearDown() override
    {
        close_loader_surroundings();
        err.close();
    }
};

// The middle of a cell with open sea for six cells about it, where the
// frame does not page the region.
int open_sea(float* x, float* z)
{
    for (int i = 60; i <= 117; i++)
        for (int j = 40; j <= 118; j++) {
            int all = 1;
            for (int di = -6; di <= 6 && all; di++)
                for (int dj = -6; dj <= 6 && all; dj++) all = is_water[i + di][j + dj] != 0;
            if (!all) continue;
            *x = 0.5f * (planexyz[i][j][0] + planexyz[i + 1][j + 1][0]);
            *z = 0.5f * (planexyz[i][j][2] + planexyz[i + 1][j + 1][2]);
            return 1;
        }
    return 0;
}

// Model-frame point of the carrier under the aircraft: x to starboard, z aft.
void carrier_model_point(float* mx, float* mz)
{
    float h = env.ship_hdg[0] * rad, s = sinf(h), c = cosf(h);
    float dx = (float)flt.pos_x[0] - env.ship_x[0], dz = (float)flt.pos_z[0] - env.ship_z[0];
    *mx = dx * c + dz * s;
    *mz = -dx * s + dz * c;
}

}  // namespace

// Flown onto the deck just behind the wires at 32 m/s (17 m/s over the
// deck), sinking, throttle closed: the hook catches and holds the aircraft
// on the deck until it has been pulled back; with the hook up it rolls on
// past the wires.
TEST_F(CarrierLanding, TheHookCatchesAWireWhileTheViewLooksBack)
{
    for (int hook : {1, 0}) {
        SCOPED_TRACE(hook ? "hook down" : "hook up");
        place_runway_start();
        float sx = 0, sz = 0;
        ASSERT_EQ(open_sea(&sx, &sz), 1) << "no open sea in the region";
        env.ship_x[0] = sx;
        env.ship_z[0] = sz;
        env.ship_hdg[0] = 40;
        env.ship_pitch[0] = env.ship_roll[0] = 0;
        env.ship_x[1] = env.ship_z[1] = -9.9e9f;
        ASSERT_TRUE(ship_in_region(0));
        // Over the stern, on the deck's centre line, 2 m above the wheels' touch.
        float h = env.ship_hdg[0] * rad, s = sinf(h), c = cosf(h);
        const float aft = 150, speed = 32;
        flt.pos_x[0] = sx - aft * s;
        flt.pos_z[0] = sz + aft * c;
        flt.pos_y[0] = 21 + pln[0].h_eqlbm + 2;
        flt.psi[0] = env.ship_hdg[0];
        flt.theta[0] = flt.phi[0] = 0;
        flt.vel_x = speed * s;
        flt.vel_z = -speed * c;
        flt.vel_y = -1;
        flt.gnd_speed[0] = speed;
        flt.lat = Lat_with_z((float)flt.pos_z[0]);
        flt.lon = Lon_with_xlat((float)flt.pos_x[0], flt.lat);
        frun.ctl.throttle = 0;
        frun.ctl.brakes = 0;
        ins.hook_down = hook;
        set.wire_caught = 0;
        set.view_id = view_backwards;

        int touched = 0, caught_at = -1, released_at = -1, past_wires = 0;
        float touch_z = 0, catch_v = 0, catch_decel = 0, least_over_deck = 99;
        for (int f = 0; f < 20 * run_frames_per_second && released_at < 0 && !past_wires; f++) {
            apply_run_controls();
            float v = flt.gnd_speed[0] - 15;
            int was = set.wire_caught;
            update_scene_3d();
            if (!was && set.wire_caught) {
                caught_at = f;
                catch_v = v;
                catch_decel = set.wire_decel;
            }
            if (was && !set.wire_caught) released_at = f;
            update_flight();
            ASSERT_EQ(msc.crash_count, 0) << "frame " << f;
            float mx, mz;
            carrier_model_point(&mx, &mz);
            if (flt.on_ground && !touched) {
                touched = 1;
                touch_z = mz;
                EXPECT_EQ(env.on_carrier, 1);
                EXPECT_NEAR(flt.pos_y[0], env.ship_y[0] + 21 + pln[0].h_eqlbm, 1.0) << "on the deck, not the sea";
            }
            if (touched) least_over_deck = fminf(least_over_deck, flt.gnd_speed[0] - 15);
            past_wires = mz < 40;   // well beyond where a wire stops it
            ASSERT_GT(mz, -154) << "rolled off the bow at frame " << f;
        }
        ASSERT_EQ(touched, 1);
        EXPECT_GT(touch_z, 76);
        EXPECT_LT(touch_z, 136);
        if (hook) {
            ASSERT_GE(caught_at, 0);
            EXPECT_GT(catch_v, 10);
            EXPECT_NEAR(catch_decel, catch_v * catch_v / 200, 0.01f);
            EXPECT_GE(released_at, 0) << "pulled back, it lets go";
            EXPECT_LT(least_over_deck, -2);
            EXPECT_EQ(past_wires, 0);
        } else {
            EXPECT_EQ(caught_at, -1);
            EXPECT_EQ(past_wires, 1) << "rolls on past the wires";
        }
    }
}
