// The roofs the aircraft stands on, found every frame from every object of
// the region whatever the camera sees: a rooftop pad and a flat roof give
// the paved surface at the roof's height, anywhere inside the top ring;
// beside a roof, on a chimney or a mast there is nothing.
// The objects drawer draws nothing here, and the in-view list is empty or
// the frame's own: the contact may not depend on either.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Startscn.h"
#include "records.h"
#include "volanto_support.h"

#include <cstring>
#include <string>

namespace {

class ObjectContact : public ::testing::Test {
protected:
    scene_calls saved;
    float ax = 0, az = 0;   // the aircraft's place at KSBD

    void SetUp() override
    {
        ASSERT_EQ(stand_cessna_at_ksbd(), 1);
        saved = scene;
        scene.plot_obstacles = [] {};
        ax = (float)flt.pos_x[0];
        az = (float)flt.pos_z[0];
    }
    void TearDown() override
    {
        scene = saved;
        close_loader_surroundings();
    }

    // An object of the type built 3 km north of KSBD's runway, its slot.
    int build(int type, float value, float north)
    {
        build_obs(ax, az - north, value, "", type);
        return obr.cursor;
    }
};

}  // namespace

TEST_F(ObjectContact, TheAircraftStandsOnRoofsWhateverIsDrawn)
{
    const float no_deck = -12345;
    // A building over 250 m of type 90 stands with a pad on its roof: 94.
    int pad = build(90, 300, 3000);
    ASSERT_EQ(obj_type[pad], 94);
    int flat = build(obj_building, 40, 4000);
    int chimney = build(obj_chimney, 60, 5000);
    int mast = build(obj_mast, 100, 6000);
    const float(*pad_top)[3] = obj_xyz[pad][3];
    const float(*flat_top)[3] = obj_xyz[flat][1];
    float pad_hx = pad_top[3][0] - ax;
    ASSERT_GT(pad_hx, 20);
    ASSERT_GT(pad_top[0][1], 299);

    const struct {
        const char* what;
        float x, z;
        int on;
        float deck;
    } cases[] = {
        {"the pad's middle", ax, az - 3000, 1, pad_top[0][1]},
        {"inside the pad roof's north-west corner", pad_top[1][0] + 0.1f, pad_top[1][2] + 0.1f, 1, pad_top[0][1]},
        {"inside its south-east corner", pad_top[3][0] - 0.1f, pad_top[3][2] - 0.1f, 1, pad_top[0][1]},
        {"a metre east of it", pad_top[3][0] + 1, az - 3000, 0, no_deck},
        {"a flat roof", flat_top[2][0] - 1, flat_top[2][2] + 1, 1, flat_top[0][1]},
        {"a chimney's top", ax, az - 5000, 0, no_deck},
        {"a mast", ax, az - 6000, 0, no_deck},
    };
    const struct {
        const char* what;
        int view;
    } cameras[] = {{"the pass, nothing in view", 0}, {"looking ahead", view_forwards}, {"looking back", view_backwards}};
    for (const auto& c : cases)
        for (const auto& cam : cameras) {
            SCOPED_TRACE(std::string(c.what) + ", " + cam.what);
            flt.pos_x[0] = c.x;
            flt.pos_z[0] = c.z;
            env.surface_type = 0;
            env.on_platform = 0;
            env.deck_h = no_deck;
            if (cam.view) {
                set.view_id = cam.view;
                update_scene_3d();
            } else {
                memset(obj_inrange, 0, sizeof obj_inrange);
                surface_contact();
            }
            EXPECT_EQ(env.on_platform, c.on);
            EXPECT_EQ(env.surface_type, c.on ? surf_asphalt : surf_rough);
            EXPECT_FLOAT_EQ(env.deck_h, c.deck);
        }
    EXPECT_EQ(obj_type[chimney], obj_chimney);
    EXPECT_EQ(obj_type[mast], obj_mast);
}

// A roof over the runway is stood on in place of it: the objects come
// after the airports, as they are drawn after them.
TEST_F(ObjectContact, ARoofOverTheRunwayWins)
{
    int hangar = build(obj_hangar, 0, 0);
    surface_contact();
    EXPECT_EQ(env.on_platform, 1);
    EXPECT_EQ(env.surface_type, surf_asphalt);
    EXPECT_FLOAT_EQ(env.deck_h, obj_xyz[hangar][3][0][1]);
}
