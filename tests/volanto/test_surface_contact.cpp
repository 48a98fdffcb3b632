// What the aircraft stands on, found every frame from every local airport's
// surfaces in their drawing order, without GL: the runway's outline and the
// airport's height, a taxiway piece and its first corner's height, nothing
// beside the runway (nor on the signs' 3 m widening), the runway over a
// taxiway that crosses it, a helipad, the taxiway tested last where two
// overlap; and the same whatever the camera sees, and before the first
// region load. The
// surfaces are the loader's: KSBD as the start leaves it, and an airport of
// two crossing runways built by setuprunway.
#include <gtest/gtest.h>

#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Startscn.h"
#include "records.h"
#include "volanto_support.h"

#include <string>

namespace {

// The point at fractions (fx, fz) of quad `quad` of slot g, from its first
// corner: fx towards corner 1 (across a runway), fz towards corner 3.
void point_on(int g, int quad, float fx, float fz, float* x, float* z)
{
    const float(*q)[3] = geo_markxyz[g][quad];
    float w[4] = {(1 - fx) * (1 - fz), fx * (1 - fz), fx * fz, (1 - fx) * fz};
    *x = *z = 0;
    for (int k = 0; k < 4; k++) {
        *x += w[k] * q[k][0];
        *z += w[k] * q[k][2];
    }
}

// Where the centre line of quad q1 of slot g1 (from its P1-P2 edge towards
// P4-P3) crosses that of quad q2 of slot g2: the fraction along the first.
float crossing_at(int g1, int q1, int g2, int q2)
{
    float a[2], b[2], c[2], d[2];
    point_on(g1, q1, 0.5f, 0, &a[0], &a[1]);
    point_on(g1, q1, 0.5f, 1, &b[0], &b[1]);
    point_on(g2, q2, 0.5f, 0, &c[0], &c[1]);
    point_on(g2, q2, 0.5f, 1, &d[0], &d[1]);
    auto cross = [](float ux, float uz, float vx, float vz) { return ux * vz - uz * vx; };
    return cross(c[0] - a[0], c[1] - a[1], d[0] - c[0], d[1] - c[1]) /
           cross(b[0] - a[0], b[1] - a[1], d[0] - c[0], d[1] - c[1]);
}

class SurfaceContact : public ::testing::Test {
protected:
    scene_calls saved;
    int ksbd = -1;          // world index
    int ksbd_slot = -1;
    int cross = -1;         // the crossing airport's world index
    int cross_rwy = -1, cross_twy = -1;   // its slots: the two runways
    int cross_pad = -1;                   // and its helipad's

    void SetUp() override
    {
        ASSERT_EQ(stand_cessna_at_ksbd(), 1);
        saved = scene;
        // The drawers draw nothing here: the aircraft's surface may not depend on them.
        scene.plot_stars = [](float, float, float, float, float, float, float) {};
        scene.plot_clouds = [] {};
        scene.plot_terrain = [] {};
        scene.plot_city_lights = [] {};
        scene.plot_trees = [] {};
        scene.plot_lightning = [] {};
        scene.plot_pavement = [](int, int, int, float, int, float, float, float, float) {};
        scene.plot_runway = [](int, int, int, int, float, float, float, float) {};
        scene.plot_rway_lights = [] {};
        scene.plot_obstacles = [] {};
        scene.plot_fires = [] {};
        scene.plot_plane = [](int, int) {};
        scene.plot_cool_hud = [] {};
        scene.plot_nrml_hud = [] {};
        scene.do_window_precip = [](float, float, float, float) {};
        scene.load_region = [](int) {};
        ksbd = msc.apt_sel;
        ASSERT_EQ(apt_to_index[0], ksbd);
        ASSERT_EQ(apt_lo_ind[ksbd], apt_hi_ind[ksbd]) << "KSBD has one runway";
        ksbd_slot = rwy_geo_ind[apt_lo_ind[ksbd]];
        ASSERT_EQ(geo_type[ksbd_slot], surf_concrete);
        ASSERT_EQ(geo_tway[ksbd_slot], 1);
        add_crossing_airport();
    }
    void TearDown() override
    {
        scene = saved;
        close_loader_surroundings();
        err.close();
    }

    // 5.5 km north of KSBD and 5 m higher, the region's last airport: a
    // concrete runway 1000 x 40 m heading 067 and, crossing it at its middle,
    // an asphalt one 1000 x 30 m heading 157, each with a parallel taxiway.
    // The second's taxiway crosses the first runway 67.5 m from the middle
    // and the first's taxiway 90 m beside it. 1.1 km north stands an asphalt
    // helipad 30 x 30 m. The first corners of the taxiways and of the pad
    // stand 0.25, 0.5 and 0.75 m higher than the rest, so heights tell them.
    void add_crossing_airport(void)
    {
        cross = apt_wrl_max + 1;
        int r = rwy_wrl_max + 1;
        ASSERT_LT(r + 2, world_rwy_max);
        ASSERT_LT(apt_lcl_max + 1, local_list_max);
        ASSERT_LT(rwy_geo + 3, geo_slots);
        apt_h[cross] = apt_h[ksbd] + 5;
        apt_lo_ind[cross] = r;
        apt_hi_ind[cross] = r + 2;
        const float lat = rwy_lat[apt_lo_ind[ksbd]] + 0.05f, lon = rwy_lon[apt_lo_ind[ksbd]];
        const struct {
            int num;
            int code;
            float len, width, hdng;
            int tway;
            float north;   // degrees of latitude
        } rwys[3] = {{7, 2000000, 1000, 40, 67, 1, 0}, {16, 1000000, 1000, 30, 157, 1, 0},
                     {rwy_pad, 1000000, 30, 30, 0, 0, 0.01f}};
        for (int k = 0; k < 3; k++) {
            rwy_num[r + k] = rwys[k].num;
            rwy_lcr[r + k] = 'x';
            rwy_lat[r + k] = lat + rwys[k].north;
            rwy_lon[r + k] = lon;
            rwy_len[r + k] = rwys[k].len;
            rwy_width[r + k] = rwys[k].width;
            rwy_hdng[r + k] = rwys[k].hdng;
            rwy_code[r + k] = rwys[k].code;
            rwy_geo_ind[r + k] = rwy_geo + 1 + k;
        }
        for (int k = 0; k < 3; k++) {
            int g = ++rwy_geo;
            code_to_lgts(&geo_type[g], geo_litgls[g], geo_litrwy[g], geo_litapp[g], rwys[k].code);
            geo_tway[g] = rwys[k].tway;
            setuprunway(cross, r + k, g);
        }
        cross_rwy = rwy_geo_ind[r];
        cross_twy = rwy_geo_ind[r + 1];
        cross_pad = rwy_geo_ind[r + 2];
        ASSERT_EQ(geo_type[cross_rwy], surf_concrete);
        ASSERT_EQ(geo_type[cross_twy], surf_asphalt);
        ASSERT_EQ(geo_type[cross_pad], surf_asphalt);
        geo_markxyz[cross_rwy][1][0][1] += 0.25f;
        geo_markxyz[cross_twy][1][0][1] += 0.5f;
        geo_markxyz[cross_pad][0][0][1] += 0.75f;
        apt_to_index[++apt_lcl_max] = cross;
    }

    void stand_at(float x, float z, float above)
    {
        flt.pos_x[0] = x;
        flt.pos_z[0] = z;
        flt.pos_y[0] = above + pln[0].h_eqlbm;
    }
};

struct found {
    int surface, on_platform;
    float deck;
};

found contact_now(void) { return {env.surface_type, env.on_platform, env.deck_h}; }

}  // namespace

// Each place, by the pass alone and then through the frame with the camera
// in the cockpit looking ahead and looking back, outside at the spot and at
// the tower, and above an overcast whose tops lie under the airports (where
// the frame draws no airport): each time the same surface.
TEST_F(SurfaceContact, TheAircraftStandsOnTheSurfaceUnderItWhateverTheCameraSees)
{
    const float no_deck = -12345;
    const float ksbd_h = apt_h[ksbd], cross_h = apt_h[ksbd] + 5;
    const float runway_w = rwy_width[apt_lo_ind[ksbd]];
    // The second runway's taxiway is tested before the first's.
    const float taxiways_cross = crossing_at(cross_rwy, 1, cross_twy, 1);
    const struct {
        const char* what;
        int g, quad;
        float fx, fz;
        int surface, on_platform;
        float deck;
    } cases[] = {
        {"KSBD's runway, the middle", ksbd_slot, 0, 0.5f, 0.5f, surf_concrete, 1, ksbd_h},
        {"KSBD's runway, near an end", ksbd_slot, 0, 0.1f, 0.99f, surf_concrete, 1, ksbd_h},
        {"KSBD's runway, 1 m inside its edge", ksbd_slot, 0, 1 / runway_w, 0.3f, surf_concrete, 1, ksbd_h},
        {"KSBD's taxiway", ksbd_slot, 1, 0.5f, 0.3f, surf_concrete, 1, ksbd_h},
        {"KSBD's apron", ksbd_slot, 5, 0.5f, 0.5f, surf_concrete, 1, ksbd_h},
        {"on the signs' widening, 1.5 m beside KSBD's runway", ksbd_slot, 0, -1.5f / runway_w, 0.3f, surf_rough, 0,
         no_deck},
        {"between KSBD's runway and its taxiway", ksbd_slot, 0, 1.4f, 0.25f, surf_rough, 0, no_deck},
        {"the crossing taxiway alone", cross_twy, 1, 0.5f, 0.2f, surf_asphalt, 1, cross_h + 0.5f},
        {"the crossing taxiway over the runway", cross_twy, 1, 0.5f, 0.5f, surf_concrete, 1, cross_h},
        {"the two runways' crossing", cross_rwy, 0, 0.5f, 0.5f, surf_concrete, 1, cross_h},
        {"the helipad", cross_pad, 0, 0.5f, 0.5f, surf_asphalt, 1, cross_h + 0.75f},
        {"the two taxiways' crossing: the one tested last", cross_rwy, 1, 0.5f, taxiways_cross, surf_concrete, 1,
         cross_h + 0.25f},
    };
    const struct {
        const char* what;
        int view;
        int overcast;   // 1: tops under the airports
    } cameras[] = {
        {"the pass alone", 0, 0},
        {"looking ahead", view_forwards, 0},
        {"looking back", view_backwards, 0},
        {"at the spot", view_spot, 0},
        {"at the tower", view_tower, 0},
        {"above an overcast, looking ahead", view_forwards, 1},
        {"above an overcast, at the spot", view_spot, 1},
    };
    for (const auto& c : cases) {
        float x, z;
        point_on(c.g, c.quad, c.fx, c.fz, &x, &z);
        for (const auto& cam : cameras) {
            SCOPED_TRACE(std::string(c.what) + ", " + cam.what);
            stand_at(x, z, ksbd_h);
            env.surface_type = 0;
            env.on_platform = 1;
            env.deck_h = no_deck;
            atm.cloud_type = cam.overcast ? 4 : 1;
            atm.cloud_base = 100;
            atm.cloud_tops = 200;
            if (cam.view) {
                set.view_id = cam.view;
                update_scene_3d();
                if (cam.overcast) {
                    EXPECT_EQ(scn.above_clouds, 1);
                }
            } else {
                surface_contact();
            }
            found f = contact_now();
            EXPECT_EQ(f.surface, c.surface);
            EXPECT_EQ(f.on_platform, c.on_platform);
            if (c.on_platform) {
                EXPECT_FLOAT_EQ(f.deck, c.deck);
            }
            EXPECT_EQ(env.on_carrier + env.on_frigate, 0);
        }
    }
}

// With the aircraft on no airport the pass leaves the rough ground and
// clears every deck flag a carrier, frigate or platform left.
TEST_F(SurfaceContact, OffEveryAirportTheGroundIsRough)
{
    float x, z;
    point_on(ksbd_slot, 0, 0.5f, 2.0f, &x, &z);   // a runway length past its end
    stand_at(x, z, apt_h[ksbd]);
    env.on_carrier = env.on_frigate = env.on_platform = 1;
    env.surface_type = surf_asphalt;
    surface_contact();
    EXPECT_EQ(env.surface_type, surf_rough);
    EXPECT_EQ(env.on_carrier + env.on_frigate + env.on_platform, 0);
}

// Before the first region load the frame draws nothing, yet the pass runs:
// the flags are this frame's as on every other.
TEST_F(SurfaceContact, BeforeTheFirstRegionLoadTheAircraftStillFindsItsSurface)
{
    float x, z;
    point_on(ksbd_slot, 0, 0.5f, 0.5f, &x, &z);
    stand_at(x, z, apt_h[ksbd]);
    region_loads = 0;
    env.on_carrier = env.on_frigate = 1;
    env.on_platform = 0;
    env.surface_type = surf_grass;
    env.deck_h = -12345;
    update_scene_3d();
    EXPECT_EQ(env.surface_type, surf_concrete);
    EXPECT_EQ(env.on_platform, 1);
    EXPECT_FLOAT_EQ(env.deck_h, apt_h[ksbd]);
    EXPECT_EQ(env.on_carrier + env.on_frigate, 0);
}
