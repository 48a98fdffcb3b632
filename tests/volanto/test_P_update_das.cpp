// The panel's press without a window, row by row: what one press at a point
// changes, and that nothing else in the records it may write moves. Shared
// borders working both areas, points on a knob's split line, held steps,
// the slot's kind deciding between NAV 1 and the GPS, the lever quadrant's
// throttles, reversers and collective under the mouse and the joystick
// throttle, the GPS entry over a small table of its own, the panel keys'
// points, and courses from a damaged file.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// ---- where and how the press comes ---------------------------------------------------

struct pt {
    float x, y;
};
typedef std::function<pt(void)> place;

// Points by the layout of the aircraft under test, known only once it is laid out.
place at(float x, float y) { return [=] { return pt{x, y}; }; }
place from_ah(float dx, float dy) { return [=] { return pt{ah_x() + dx, ah_y() + dy}; }; }
place from_supp(float dx, float dy) { return [=] { return pt{supp_x() + dx, supp_y() + dy}; }; }
place from_hsi(float dx, float dy) { return [=] { return pt{hsi_x() + dx, hsi_y() + dy}; }; }
place from_adf(float dx, float dy) { return [=] { return pt{adf_x() + dx, adf_y() + dy}; }; }
place from_baro(float dx, float dy) { return [=] { return pt{baro_x() + dx, baro_y() + dy}; }; }
place from_efis(float dx, float dy) { return [=] { return pt{efis_x() + dx, efis_y() + dy}; }; }
place from_radio(float dx, float y) { return [=] { return pt{radio_x() + dx, y}; }; }
place from_levers(float dx, float y) { return [=] { return pt{eng_x() + dx, y}; }; }
// Where the control reader presses for the joystick throttle at t (0..1).
place stick_at(float t) { return from_levers(675, 11 + 48 * t); }

// The frame the button goes down, a button held past half a second, or the
// control reader's call for the joystick throttle (not dragging).
enum press_kind { fresh, held, stick };

// ---- what a press may change ----------------------------------------------------------

struct span {
    const void* at;
    size_t size;
};
template <typename T>
span field(T& v)
{
    return {&v, sizeof v};
}

struct record_bytes {
    const char* name;
    const void* at;
    size_t size;
};
const record_bytes written[] = {
    {"flt", &flt, sizeof flt}, {"set", &set, sizeof set}, {"msc", &msc, sizeof msc}, {"nav", &nav, sizeof nav},
    {"ins", &ins, sizeof ins}, {"ott", &ott, sizeof ott}, {"scn", &scn, sizeof scn},
};
typedef std::vector<std::string> snapshot;

snapshot take_snapshot(void)
{
    snapshot s;
    for (const record_bytes& r : written) s.emplace_back((const char*)r.at, r.size);
    return s;
}

// Fails for every record that changed outside the fields allowed.
void expect_only(const snapshot& was, const std::vector<span>& allowed)
{
    for (size_t k = 0; k < sizeof written / sizeof written[0]; k++) {
        const record_bytes& r = written[k];
        std::string now((const char*)r.at, r.size);
        uintptr_t base = (uintptr_t)r.at;
        for (const span& f : allowed) {
            uintptr_t p = (uintptr_t)f.at;
            if (p >= base && p + f.size <= base + r.size) now.replace(p - base, f.size, was[k], p - base, f.size);
        }
        if (now == was[k]) continue;
        size_t i = 0;
        while (now[i] == was[k][i]) i++;
        i &= ~(size_t)3;
        int32_t w0, w1;
        float f0, f1;
        memcpy(&w0, &was[k][i], 4), memcpy(&f0, &was[k][i], 4);
        memcpy(&w1, &now[i], 4), memcpy(&f1, &now[i], 4);
        ADD_FAILURE() << r.name << " changed outside the fields expected, first at byte " << i << ": " << w0
                      << " (" << f0 << ") became " << w1 << " (" << f1 << ")";
    }
}

// ---- one row of a table --------------------------------------------------------------------

typedef std::function<void(planestruct&)> options;

struct press_row {
    const char* name;
    options aircraft;                  // before the layout
    std::function<void(void)> before;  // the state the press meets
    place where;
    press_kind how;
    std::vector<span> changes;         // the fields it may change: everything else stays
    std::function<void(void)> check;
};

options slot(int supptype) { return [=](planestruct& a) { a.supptype = supptype; }; }
options glass(void) { return [](planestruct& a) { a.paneltype = 2; }; }

// A single piston aircraft on the dial panel with every slot filled and the
// second radio stack, so the radio column (156) and the lever group (-155)
// lie apart and off the origin; everything working, a frame of 0.05 s.
void lay_out(const options& aircraft)
{
    reset_suite_state();
    MACIBM_set_constants();
    for (int& ok : rel.system_ok) ok = 1;
    lay_out_test_piston(1, [&](planestruct& a) {
        a.radiotype = 2;
        if (aircraft) aircraft(a);
    });
    msc.dt = 0.05f;
    msc.sim_time = 100;
}

void press(const press_row& row, const std::function<void(void)>& tables = nullptr)
{
    SCOPED_TRACE(row.name);
    lay_out(row.aircraft);
    if (tables) tables();
    mnw.now_dragging = row.how != stick;
    mnw.delay_dragging = row.how == held;
    if (row.before) row.before();
    pt p = row.where();
    snapshot was = take_snapshot();
    manage_das(p.x, p.y);
    expect_only(was, row.changes);
    if (row.check) row.check();
}

const float ft_per_m = 3.2808399f;
// Feet a minute in metres a second.
float fpm(float v) { return v / ft_per_m / 60; }

}  // namespace

// ---- screen areas, switches and the autopilot's targets ----------------------------------

TEST(PanelPress, SwitchesAndAutopilotTargets)
{
    const press_row rows[] = {
        {"no joystick: the mouse takes the yoke", nullptr, [] { set.joy_device = -1; }, at(400, 400), fresh,
         {field(msc.mouse_yoke_on)}, [] { EXPECT_EQ(msc.mouse_yoke_on, 1); }},
        // The list acts on the row under the mouse: in the air, row 14 opens
        // the localizers' list.
        {"the ATC list up: the list takes the press, the yoke stays", nullptr,
         [] {
             set.joy_device = -1;
             flt.on_ground = 0;
             atc.menu_on = 1;
             mnw.mx = 400, mnw.my = 400;
         },
         at(400, 400), fresh, {}, [] { EXPECT_EQ(atc.menu_level, atc_level_loc); }},
        {"the ATC list's last row, at its foot", nullptr,
         [] {
             flt.on_ground = 0;
             atc.menu_on = 1;
             mnw.mx = 400, mnw.my = 348;
         },
         at(400, 348), fresh, {},
         [] {
             EXPECT_EQ(atc.menu_row, atc_menu_rows - 1);
             EXPECT_EQ(atc.menu_on, 0) << "the emergency call made";
         }},
        {"a joystick in use: the yoke stays", nullptr, [] { set.joy_device = 15; }, at(400, 400), fresh, {}, nullptr},
        {"replay button 1 at its corner", nullptr, [] { set.replay_speed = 4; }, at(326, 540), fresh,
         {field(set.replay_speed)}, [] { EXPECT_EQ(set.replay_speed, 1); }},
        {"buttons 2 and 3 share 367..369: 3 wins", nullptr, [] { set.replay_speed = 4; }, at(369, 550), fresh,
         {field(set.replay_speed)}, [] { EXPECT_EQ(set.replay_speed, 3); }},
        {"buttons 5 and 6 share 431..433: 6 wins", nullptr, [] { set.replay_speed = 4; }, at(431, 560), fresh,
         {field(set.replay_speed)}, [] { EXPECT_EQ(set.replay_speed, 6); }},
        {"flying: the replay buttons are dead", nullptr, nullptr, at(336, 550), fresh, {}, nullptr},
        {"landing lights at the switch's corner", nullptr, nullptr, at(26, 314), fresh, {field(ins.ldg_lights)},
         [] { EXPECT_EQ(ins.ldg_lights, 1); }},
        {"no head-up display to switch", [](planestruct& a) { a.HUDtype = 1; }, nullptr, at(92, 322), fresh, {},
         nullptr},
        {"hook down", [](planestruct& a) { a.arrestingEQ = 1; }, [] { ins.hook_down = 1; }, at(560, 322), fresh,
         {field(ins.hook_down)}, [] { EXPECT_EQ(ins.hook_down, 0); }},
        {"JATO fires", [](planestruct& a) { a.jatoEQ = 1; }, [] { flt.jato_left = 5; }, at(700, 322), fresh,
         {field(ins.jato_burning)}, [] { EXPECT_EQ(ins.jato_burning, 1); }},
        {"JATO spent at 0.01 s: dead", [](planestruct& a) { a.jatoEQ = 1; }, [] { flt.jato_left = 0.01f; },
         at(700, 322), fresh, {}, nullptr},
        {"JATO burning is never put out here", [](planestruct& a) { a.jatoEQ = 1; },
         [] {
             flt.jato_left = 5;
             ins.jato_burning = 1;
         },
         at(700, 322), fresh, {}, nullptr},
        {"jettison: the load and the fires nearer than 100 m", [](planestruct& a) { a.jettisonEQ = 1; },
         [] {
             flt.jettison = 300;
             flt.pos_x[0] = 1000, flt.pos_y[0] = 50, flt.pos_z[0] = 2000;
             const float fire[3][3] = {{1050, 50, 2000}, {1000, 150, 2000}, {1000, 50, 2099}};
             for (int i = 0; i < 3; i++) {
                 scn.fire_on[i] = 1;
                 for (int c = 0; c < 3; c++) scn.fire_xyz[i][c] = fire[i][c];
             }
         },
         at(656, 322), fresh, {field(flt.jettison), field(scn.fire_on)},
         [] {
             EXPECT_EQ(flt.jettison, 0.0f);
             EXPECT_EQ(scn.fire_on[0], 0);
             EXPECT_EQ(scn.fire_on[1], 1) << "exactly 100 m away";
             EXPECT_EQ(scn.fire_on[2], 0);
         }},
        {"a helicopter's jettison sits 100 to the left",
         [](planestruct& a) {
             a.is_heli = 1;
             a.jettisonEQ = 1;
         },
         [] { flt.jettison = 300; }, at(536, 322), fresh, {field(flt.jettison)},
         [] { EXPECT_EQ(flt.jettison, 0.0f); }},
        // 1234.5 m is 4050.2 ft.
        {"altitude target up lands on whole hundreds", nullptr, [] { ott.alt_target = 1234.5f; }, at(315, 316),
         fresh, {field(ott.alt_target)}, [] { EXPECT_NEAR(ott.alt_target * ft_per_m, 4200, 0.01); }},
        {"altitude target on its line steps down", nullptr, [] { ott.alt_target = 1234.5f; }, at(315, 315), fresh,
         {field(ott.alt_target)}, [] { EXPECT_NEAR(ott.alt_target * ft_per_m, 4000, 0.01); }},
        {"altitude target stops at 0", nullptr, [] { ott.alt_target = 20; }, at(305, 305), fresh,
         {field(ott.alt_target)}, [] { EXPECT_EQ(ott.alt_target, 0.0f); }},
        {"altitude target stops at 90,000 ft", nullptr, [] { ott.alt_target = 90000 / ft_per_m; }, at(325, 325),
         fresh, {field(ott.alt_target)}, [] { EXPECT_NEAR(ott.alt_target * ft_per_m, 90000, 0.05); }},
        {"vertical-speed target up lands on whole hundreds", nullptr, [] { ott.vvi_target = fpm(230); },
         at(400, 320), fresh, {field(ott.vvi_target)}, [] { EXPECT_NEAR(ott.vvi_target, fpm(300), 1e-5); }},
        {"vertical-speed target on its line steps down", nullptr, [] { ott.vvi_target = fpm(230); }, at(400, 315),
         fresh, {field(ott.vvi_target)}, [] { EXPECT_NEAR(ott.vvi_target, fpm(100), 1e-5); }},
        {"speed target up in fives", nullptr, [] { ott.speed_target = 101; }, at(485, 325), fresh,
         {field(ott.speed_target)}, [] { EXPECT_EQ(ott.speed_target, 105.0f); }},
        {"speed target on its line steps down", nullptr, [] { ott.speed_target = 101; }, at(485, 315), fresh,
         {field(ott.speed_target)}, [] { EXPECT_EQ(ott.speed_target, 95.0f); }},
        {"speed target stops at 0", nullptr, [] { ott.speed_target = 2; }, at(475, 305), fresh,
         {field(ott.speed_target)}, [] { EXPECT_EQ(ott.speed_target, 0.0f); }},
    };
    for (const press_row& row : rows) press(row);
}

// ---- instrument knobs --------------------------------------------------------------------

// Each knob either side of its line, on the line, and held; the glass
// panel's HSI knobs 30 lower.
TEST(PanelPress, InstrumentKnobsSplitAtTheirLines)
{
    const press_row rows[] = {
        {"HSI course left: -1", nullptr, [] { nav.nav_crs2 = 10; }, from_hsi(-50, -50), fresh,
         {field(nav.nav_crs2)}, [] { EXPECT_EQ(nav.nav_crs2, 9.0f); }},
        {"HSI course right: +1", nullptr, [] { nav.nav_crs2 = 10; }, from_hsi(-25, -50), fresh,
         {field(nav.nav_crs2)}, [] { EXPECT_EQ(nav.nav_crs2, 11.0f); }},
        {"HSI course on its line", nullptr, [] { nav.nav_crs2 = 10; }, from_hsi(-37, -50), fresh, {}, nullptr},
        {"HSI course held: 3 a frame", nullptr, [] { nav.nav_crs2 = 10; }, from_hsi(-25, -50), held,
         {field(nav.nav_crs2)}, [] { EXPECT_EQ(nav.nav_crs2, 13.0f); }},
        {"HSI course below 0 wraps", nullptr, [] { nav.nav_crs2 = 0.5f; }, from_hsi(-50, -50), fresh,
         {field(nav.nav_crs2)}, [] { EXPECT_EQ(nav.nav_crs2, 359.5f); }},
        {"glass panel: the course knob 30 lower", glass(), [] { nav.nav_crs2 = 10; }, from_hsi(-25, -80), fresh,
         {field(nav.nav_crs2)}, [] { EXPECT_EQ(nav.nav_crs2, 11.0f); }},
        {"glass panel: the dial panel's point misses", glass(), [] { nav.nav_crs2 = 10; }, from_hsi(-25, -41),
         fresh, {}, nullptr},
        {"heading bug left of 0 wraps to 359", nullptr, nullptr, from_hsi(35, -50), fresh, {field(nav.hdg_bug)},
         [] { EXPECT_EQ(nav.hdg_bug, 359); }},
        {"heading bug on its line", nullptr, [] { nav.hdg_bug = 90; }, from_hsi(47, -50), fresh, {}, nullptr},
        {"heading bug held right past 359", nullptr, [] { nav.hdg_bug = 358; }, from_hsi(60, -50), held,
         {field(nav.hdg_bug)}, [] { EXPECT_EQ(nav.hdg_bug, 1); }},
        {"glass panel: the heading bug 30 lower", glass(), [] { nav.hdg_bug = 90; }, from_hsi(35, -70), fresh,
         {field(nav.hdg_bug)}, [] { EXPECT_EQ(nav.hdg_bug, 89); }},
        {"VOR course left: +1", slot(1), [] { nav.nav_crs1 = 100; }, from_supp(-38, -40), fresh,
         {field(nav.nav_crs1)}, [] { EXPECT_EQ(nav.nav_crs1, 101.0f); }},
        {"VOR course held right: -3", slot(1), [] { nav.nav_crs1 = 100; }, from_supp(-18, -40), held,
         {field(nav.nav_crs1)}, [] { EXPECT_EQ(nav.nav_crs1, 97.0f); }},
        {"VOR course on its line", slot(1), [] { nav.nav_crs1 = 100; }, from_supp(-28, -40), fresh, {}, nullptr},
        {"no VOR indicator: its knob is dead", slot(0), [] { nav.nav_crs1 = 100; }, from_supp(-38, -40), fresh, {},
         nullptr},
        {"ADF card left from 359: +1 wraps", nullptr, [] { ins.adf_card = 359; }, from_adf(-40, -50), fresh,
         {field(ins.adf_card)}, [] { EXPECT_EQ(ins.adf_card, 0); }},
        {"ADF card held right: -3 wraps", nullptr, [] { ins.adf_card = 1; }, from_adf(-30, -50), held,
         {field(ins.adf_card)}, [] { EXPECT_EQ(ins.adf_card, 358); }},
        {"ADF card on its line", nullptr, [] { ins.adf_card = 90; }, from_adf(-35, -50), fresh, {}, nullptr},
        {"no ADF on the panel: its knob is dead", nullptr, [] { ins.ins_on[ins_adf] = 0; }, from_adf(-40, -50),
         fresh, {}, nullptr},
        {"attitude symbol up", nullptr, nullptr, from_ah(55, -50), fresh, {field(set.ah_adjust)},
         [] { EXPECT_EQ(set.ah_adjust, 1.0f); }},
        {"attitude symbol held: still 1", nullptr, nullptr, from_ah(55, -60), held, {field(set.ah_adjust)},
         [] { EXPECT_EQ(set.ah_adjust, -1.0f); }},
        {"attitude symbol on its line", nullptr, nullptr, from_ah(55, -55), fresh, {}, nullptr},
        {"attitude symbol stops at 10", nullptr, [] { set.ah_adjust = 10; }, from_ah(70, -40), fresh, {}, nullptr},
        {"glass panel: no attitude knob", glass(), nullptr, from_ah(55, -50), fresh, {}, nullptr},
        // On the six-pack the knob and its line sit 3 below the slot's centre.
        {"altimeter setting up on the six-pack", nullptr, nullptr, from_baro(0, 5), fresh, {field(ins.altim_set)},
         [] { EXPECT_NEAR(ins.altim_set, 29.923f, 1e-5); }},
        {"altimeter setting held: no bigger step", nullptr, nullptr, from_baro(0, -10), held,
         {field(ins.altim_set)}, [] { EXPECT_NEAR(ins.altim_set, 29.917f, 1e-5); }},
        {"altimeter setting on the six-pack's line", nullptr, nullptr, from_baro(0, -3), fresh, {}, nullptr},
        {"altimeter setting on the glass panel: 0.01", glass(), nullptr, from_baro(0, -3), fresh,
         {field(ins.altim_set)}, [] { EXPECT_NEAR(ins.altim_set, 29.91f, 1e-5); }},
        {"altimeter setting stops at 35", nullptr, [] { ins.altim_set = 35; }, from_baro(0, 12), fresh, {}, nullptr},
        {"decision height up 10 below 600", slot(4), [] { ins.dh_ft = 100; }, from_supp(-40, -45), fresh,
         {field(ins.dh_ft)}, [] { EXPECT_EQ(ins.dh_ft, 110.0f); }},
        {"decision height from 590 up to 600", slot(4), [] { ins.dh_ft = 590; }, from_supp(-40, -45), fresh,
         {field(ins.dh_ft)}, [] { EXPECT_EQ(ins.dh_ft, 600.0f); }},
        {"decision height down 100 from 600", slot(4), [] { ins.dh_ft = 600; }, from_supp(-40, -35), fresh,
         {field(ins.dh_ft)}, [] { EXPECT_EQ(ins.dh_ft, 500.0f); }},
        {"decision height on its line", slot(4), [] { ins.dh_ft = 100; }, from_supp(-40, -40), held, {}, nullptr},
        {"decision height stops at 0", slot(4), [] { ins.dh_ft = 5; }, from_supp(-40, -35), fresh,
         {field(ins.dh_ft)}, [] { EXPECT_EQ(ins.dh_ft, 0.0f); }},
    };
    for (const press_row& row : rows) press(row);
}

// ---- display buttons --------------------------------------------------------------------

TEST(PanelPress, DisplayButtonsAndTheirSharedBorders)
{
    const press_row rows[] = {
        {"glass range doubled", glass(), [] { efis_range() = 8; }, from_efis(215, 35), fresh,
         {field(efis_range())}, [] { EXPECT_EQ(efis_range(), 16.0f); }},
        // Doubled to the 32 limit, then halved: no single button gives 16 from 20.
        {"u = 230 doubles then halves", glass(), [] { efis_range() = 20; }, from_efis(230, 35), fresh,
         {field(efis_range())}, [] { EXPECT_EQ(efis_range(), 16.0f); }},
        {"u = 260 halves and selects mode 1", glass(),
         [] {
             efis_range() = 16;
             efis_mode() = 2;
         },
         from_efis(260, 20), fresh, {field(efis_range()), field(efis_mode())},
         [] {
             EXPECT_EQ(efis_range(), 8.0f);
             EXPECT_EQ(efis_mode(), 1);
         }},
        {"glass range stops at 4", glass(), [] { efis_range() = 4; }, from_efis(245, 35), fresh, {}, nullptr},
        {"glass mode 2", glass(), [] { efis_mode() = 1; }, from_efis(305, 50), fresh, {field(efis_mode())},
         [] { EXPECT_EQ(efis_mode(), 2); }},
        {"glass weather", glass(), [] { efis_wx() = 1; }, from_efis(335, 35), fresh, {field(efis_wx())},
         [] { EXPECT_EQ(efis_wx(), 0); }},
        {"glass traffic at the right end", glass(), nullptr, from_efis(380, 35), fresh, {field(efis_tfc())},
         [] { EXPECT_EQ(efis_tfc(), 1); }},
        {"six-pack: the glass buttons are dead", nullptr, [] { efis_range() = 8; }, from_efis(215, 35), fresh, {},
         nullptr},
        {"ECAM page 3", [](planestruct& a) { a.ecam = 1; }, nullptr, from_levers(650, 150), fresh,
         {field(ins.ecam_page)}, [] { EXPECT_EQ(ins.ecam_page, 3); }},
        {"ECAM pages 3 and 4 share u = 675: 4 wins", [](planestruct& a) { a.ecam = 1; }, nullptr,
         from_levers(675, 150), fresh, {field(ins.ecam_page)}, [] { EXPECT_EQ(ins.ecam_page, 4); }},
        {"ECAM cautions", [](planestruct& a) { a.ecam = 1; }, nullptr, from_levers(790, 160), fresh,
         {field(ins.ecam_page)}, [] { EXPECT_EQ(ins.ecam_page, 7); }},
        {"no ECAM: its buttons are dead", nullptr, nullptr, from_levers(650, 150), fresh, {}, nullptr},
        {"map mode 0 at the top", slot(3), [] { map_mode() = 2; }, from_supp(38, 30), fresh, {field(map_mode())},
         [] { EXPECT_EQ(map_mode(), 0); }},
        {"map exactly 22 above the centre: mode 1", slot(3), [] { map_mode() = 2; }, from_supp(38, 22), fresh,
         {field(map_mode())}, [] { EXPECT_EQ(map_mode(), 1); }},
        {"map mode 2", slot(3), nullptr, from_supp(38, 0), fresh, {field(map_mode())},
         [] { EXPECT_EQ(map_mode(), 2); }},
        {"map range halved", slot(3), [] { map_range() = 30; }, from_supp(38, -20), fresh, {field(map_range())},
         [] { EXPECT_EQ(map_range(), 15.0f); }},
        {"map range doubled at the foot, to 30 at most", slot(3), [] { map_range() = 20; }, from_supp(38, -40),
         fresh, {field(map_range())}, [] { EXPECT_EQ(map_range(), 30.0f); }},
        {"second map range doubled left of its line", slot(6), [] { map2_range() = 10; }, from_supp(-20, -40),
         fresh, {field(map2_range())}, [] { EXPECT_EQ(map2_range(), 20.0f); }},
        {"second map range halved on its line, 7.5 at least", slot(6), [] { map2_range() = 10; },
         from_supp(-2, -40), fresh, {field(map2_range())}, [] { EXPECT_EQ(map2_range(), 7.5f); }},
        {"the stopwatch starts with an empty slot", slot(0), nullptr, from_supp(-30, -70), fresh,
         {field(msc.timer_on)}, [] { EXPECT_EQ(msc.timer_on, 1); }},
        {"the stopwatch resets", slot(0), [] { msc.timer = 120; }, from_supp(0, -70), fresh, {field(msc.timer)},
         [] { EXPECT_EQ(msc.timer, 0.0f); }},
        {"the stopwatch's shared border works both", slot(0),
         [] {
             msc.timer = 120;
             msc.timer_on = 1;
         },
         from_supp(-15, -58), fresh, {field(msc.timer), field(msc.timer_on)},
         [] {
             EXPECT_EQ(msc.timer, 0.0f);
             EXPECT_EQ(msc.timer_on, 0);
         }},
    };
    for (const press_row& row : rows) press(row);
}

// ---- the radio column ----------------------------------------------------------------------

// The slot's kind decides between NAV 1, COM 1 and the DME selector, and
// the GPS box under them; the knobs step down on their lines and at shared
// borders both act.
TEST(PanelPress, RadioColumnByTheSupplementarySlot)
{
    const std::vector<span> gps = {field(nav.gps_mode), field(nav.gps_index), field(nav.gps_id_char),
                                   field(nav.gps_cursor), field(nav.panel_preset)};
    const press_row rows[] = {
        {"audio: left of r + 560 picks 4", nullptr, nullptr, from_radio(550, 290), fresh, {field(nav.audio_sel)},
         [] { EXPECT_EQ(nav.audio_sel, 4); }},
        {"audio: r + 560 picks 0", nullptr, [] { nav.audio_sel = 2; }, from_radio(560, 290), fresh,
         {field(nav.audio_sel)}, [] { EXPECT_EQ(nav.audio_sel, 0); }},
        {"audio: the right end picks 3", nullptr, nullptr, from_radio(640, 300), fresh, {field(nav.audio_sel)},
         [] { EXPECT_EQ(nav.audio_sel, 3); }},
        {"DME on NAV 2 with the VOR indicator", slot(1), nullptr, from_radio(630, 270), fresh, {field(nav.dme_sel)},
         [] { EXPECT_EQ(nav.dme_sel, 1); }},
        {"DME back on NAV 1 with the RMI", slot(7), [] { nav.dme_sel = 1; }, from_radio(610, 270), fresh,
         {field(nav.dme_sel)}, [] { EXPECT_EQ(nav.dme_sel, 0); }},
        {"with the map in the slot the DME point is the GPS airport button", slot(3), [] { nav.gps_mode = 3; },
         from_radio(630, 270), fresh, gps, [] { EXPECT_EQ(nav.gps_mode, 1); }},
        {"NAV 1 up a megahertz", slot(1), [] { nav.nav1 = 11170; }, from_radio(600, 225), fresh, {field(nav.nav1)},
         [] { EXPECT_EQ(nav.nav1, 11270); }},
        {"NAV 1 on its line steps down", slot(1), [] { nav.nav1 = 11170; }, from_radio(600, 220), fresh,
         {field(nav.nav1)}, [] { EXPECT_EQ(nav.nav1, 11070); }},
        {"NAV 1 fraction up", slot(7), [] { nav.nav1 = 11170; }, from_radio(625, 232), fresh, {field(nav.nav1)},
         [] { EXPECT_EQ(nav.nav1, 11175); }},
        {"no NAV 1 with the radar altimeter: the point is the GPS cursor knob", slot(4), [] { nav.nav1 = 11170; },
         from_radio(600, 225), fresh, gps,
         [] {
             EXPECT_EQ(nav.nav1, 11170);
             EXPECT_EQ(nav.gps_cursor, 4);
         }},
        {"NAV 2 with any slot: the fraction wraps without a carry", slot(3), [] { nav.nav2 = 11795; },
         from_radio(625, 175), fresh, {field(nav.nav2)}, [] { EXPECT_EQ(nav.nav2, 11700); }},
        {"NAV 2 on its line from 108 wraps to 117", slot(0), [] { nav.nav2 = 10800; }, from_radio(600, 171), fresh,
         {field(nav.nav2)}, [] { EXPECT_EQ(nav.nav2, 11700); }},
        {"COM 1 with the RMI", slot(7), [] { nav.com1 = 12100; }, from_radio(530, 225), fresh, {field(nav.com1)},
         [] { EXPECT_EQ(nav.com1, 12200); }},
        {"COM 1 fraction down on its line wraps without a borrow", slot(1), [] { nav.com1 = 12100; },
         from_radio(560, 220), fresh, {field(nav.com1)}, [] { EXPECT_EQ(nav.com1, 12195); }},
        {"COM 1 without a NAV 1 receiver is dead", slot(0), [] { nav.com1 = 12100; }, from_radio(530, 225), fresh,
         gps, [] { EXPECT_EQ(nav.com1, 12100); }},
        {"COM 2 down from 118 wraps to 136", slot(3), [] { nav.com2 = 11800; }, from_radio(530, 171), fresh,
         {field(nav.com2)}, [] { EXPECT_EQ(nav.com2, 13600); }},
        {"COM 2's knobs share r + 546: both step", nullptr, [] { nav.com2 = 12100; }, from_radio(546, 175), fresh,
         {field(nav.com2)}, [] { EXPECT_EQ(nav.com2, 12205); }},
        {"ADF hundreds up", nullptr, [] { nav.adf = 350; }, from_adf(-15, -80), fresh, {field(nav.adf)},
         [] { EXPECT_EQ(nav.adf, 450); }},
        {"ADF hundreds on its line steps down", nullptr, [] { nav.adf = 350; }, from_adf(-15, -83), fresh,
         {field(nav.adf)}, [] { EXPECT_EQ(nav.adf, 250); }},
        {"ADF hundreds and tens share adf_x - 5: both step", nullptr, [] { nav.adf = 350; }, from_adf(-5, -75), fresh,
         {field(nav.adf)}, [] { EXPECT_EQ(nav.adf, 460); }},
        {"ADF units 9 up to 0", nullptr, [] { nav.adf = 359; }, from_adf(25, -71), fresh, {field(nav.adf)},
         [] { EXPECT_EQ(nav.adf, 350); }},
        {"no ADF on the panel: its digits are dead", nullptr,
         [] {
             nav.adf = 350;
             ins.ins_on[ins_adf] = 0;
         },
         from_adf(-15, -80), fresh, {}, nullptr},
        {"transponder digit 0 up", nullptr, [] { nav.xpdr[0] = 1; }, from_radio(571, 135), fresh, {field(nav.xpdr)},
         [] { EXPECT_EQ(nav.xpdr[0], 2); }},
        {"transponder on its line steps down", nullptr, [] { nav.xpdr[0] = 1; }, from_radio(571, 130), fresh,
         {field(nav.xpdr)}, [] { EXPECT_EQ(nav.xpdr[0], 0); }},
        {"transponder digit 3 from 7 up to 0", nullptr, [] { nav.xpdr[3] = 7; }, from_radio(631, 140), fresh,
         {field(nav.xpdr)}, [] { EXPECT_EQ(nav.xpdr[3], 0); }},
        {"transponder digits 0 and 1 share r + 581: both step", nullptr,
         [] {
             nav.xpdr[0] = 1;
             nav.xpdr[1] = 2;
         },
         from_radio(581, 135), fresh, {field(nav.xpdr)},
         [] {
             EXPECT_EQ(nav.xpdr[0], 2);
             EXPECT_EQ(nav.xpdr[1], 3);
         }},
    };
    for (const press_row& row : rows) press(row);
}

// ---- autopilot buttons, ident, brakes, trims and gear -------------------------------------------

TEST(PanelPress, AutopilotButtonsBrakesTrimsAndGear)
{
    std::vector<span> modes;
    for (int k = 0; k < ap_modes; k++) modes.push_back(field(ott_mode(ott, k)));
    std::vector<span> modes_and_vvi = modes;
    modes_and_vvi.push_back(field(ott.vvi_target));
    const std::vector<span> gear = {field(set.gear_down), field(set.gear_time)};
    auto on = [](std::vector<int> ks) {
        return [=] {
            for (int k : ks) ott_mode(ott, k) = 1;
        };
    };
    auto modes_are = [](std::vector<int> want) {
        return [=] {
            for (int k = 0; k < ap_modes; k++) EXPECT_EQ(ott_mode(ott, k), want[k]) << "mode " << k;
        };
    };
    const press_row rows[] = {
        {"heading hold on, the NAV modes off", nullptr, on({1, 2, 3}), from_radio(500, 90), fresh, modes,
         modes_are({1, 0, 0, 1, 0, 0, 0})},
        {"u = 517 is NAV 1's", nullptr, on({0}), from_radio(517, 80), fresh, modes, modes_are({0, 1, 0, 0, 0, 0, 0})},
        {"NAV 2 clears heading and NAV 1", nullptr, on({0, 1, 6}), from_radio(540, 105), fresh, modes,
         modes_are({0, 0, 1, 0, 0, 0, 1})},
        {"the speed button owns its right edge", nullptr, nullptr, from_radio(640, 90), fresh, modes,
         modes_are({0, 0, 0, 0, 0, 0, 1})},
        {"a second press turns the glide slope off", nullptr, on({5}), from_radio(610, 90), fresh, modes,
         modes_are({0, 0, 0, 0, 0, 0, 0})},
        {"altitude hold at +300 fpm climbs at 500", nullptr,
         [] {
             ott.vvi_target = fpm(300);
             ott.ap_vvi = ott.ap_gs = 1;
         },
         from_radio(570, 90), fresh, modes_and_vvi,
         [] {
             EXPECT_EQ(ott.ap_alt, 1);
             EXPECT_EQ(ott.ap_vvi, 0);
             EXPECT_EQ(ott.ap_gs, 0);
             EXPECT_NEAR(ott.vvi_target, fpm(500), 1e-4);
         }},
        {"altitude hold at -300 fpm climbs at 500", nullptr, [] { ott.vvi_target = fpm(-300); }, from_radio(570, 90),
         fresh, modes_and_vvi, [] { EXPECT_NEAR(ott.vvi_target, fpm(500), 1e-4); }},
        {"altitude hold keeps a descent of 800 fpm", nullptr, [] { ott.vvi_target = fpm(-800); },
         from_radio(557, 90), fresh, modes, [] { EXPECT_EQ(ott.ap_alt, 1); }},
        {"vertical speed takes the present climb", nullptr,
         [] {
             flt.vel_y = 3.5;
             ott.ap_alt = 1;
         },
         from_radio(590, 90), fresh, modes_and_vvi,
         [] {
             EXPECT_EQ(ott.ap_vvi, 1);
             EXPECT_EQ(ott.ap_alt, 0);
             EXPECT_EQ(ott.vvi_target, 3.5f);
         }},
        {"transponder ident", nullptr, nullptr, from_radio(527, 130), fresh,
         {field(ins.reply_on), field(ins.reply_off)},
         [] {
             EXPECT_EQ(ins.reply_on, 100.0f);
             EXPECT_EQ(ins.reply_off, 105.0f);
         }},
        {"transponder ident's second box", nullptr, nullptr, from_radio(550, 155), fresh,
         {field(ins.reply_on), field(ins.reply_off)}, [] { EXPECT_EQ(ins.reply_on, 100.0f); }},
        {"brakes on", nullptr, nullptr, from_radio(494, 5), fresh, {field(flt.brake_ratio)},
         [] { EXPECT_EQ(flt.brake_ratio, 1.0f); }},
        {"brakes at 0.1 come off", nullptr, [] { flt.brake_ratio = 0.1f; }, from_radio(520, 10), fresh,
         {field(flt.brake_ratio)}, [] { EXPECT_EQ(flt.brake_ratio, 0.0f); }},
        {"the brakes' press fires a waiting catapult", nullptr,
         [] {
             flt.brake_ratio = 1;
             set.on_catapult = 1;
         },
         from_radio(564, 20), fresh, {field(flt.brake_ratio), field(set.on_catapult), field(set.catapult_run)},
         [] {
             EXPECT_EQ(set.on_catapult, 0);
             EXPECT_EQ(set.catapult_run, 1);
         }},
        {"and starts a waiting tow", nullptr, [] { set.tow_hold = 1; }, from_radio(520, 10), fresh,
         {field(flt.brake_ratio), field(set.tow_hold), field(set.tow_on)},
         [] {
             EXPECT_EQ(set.tow_hold, 0);
             EXPECT_EQ(set.tow_on, 1);
         }},
        {"aileron trim left of r + 586 down", nullptr, nullptr, from_radio(576, 45), fresh, {field(flt.roll_trim)},
         [] { EXPECT_NEAR(flt.roll_trim, -0.005f, 1e-7); }},
        {"aileron trim at r + 586 up", nullptr, nullptr, from_radio(586, 45), fresh, {field(flt.roll_trim)},
         [] { EXPECT_NEAR(flt.roll_trim, 0.005f, 1e-7); }},
        {"aileron trim stops at 1", nullptr, [] { flt.roll_trim = 0.999f; }, from_radio(606, 60), fresh,
         {field(flt.roll_trim)}, [] { EXPECT_EQ(flt.roll_trim, 1.0f); }},
        {"rudder trim down", nullptr, nullptr, from_radio(570, 10), fresh, {field(flt.yaw_trim)},
         [] { EXPECT_NEAR(flt.yaw_trim, -0.005f, 1e-7); }},
        {"gear up: each leg done 3 to 5 s on", [](planestruct& a) { a.gear_retract = 1; }, [] { set.gear_down = 1; },
         from_radio(625, 30), fresh, gear,
         [] {
             EXPECT_EQ(set.gear_down, 0);
             for (float t : set.gear_time) {
                 EXPECT_GE(t, 103.0f);
                 EXPECT_LE(t, 105.0f);
             }
         }},
        {"a failed left leg never finishes", [](planestruct& a) { a.gear_retract = 1; },
         [] { rel.system_ok[sys_gear + 1] = 0; }, from_radio(610, 0), fresh, gear,
         [] {
             EXPECT_EQ(set.gear_down, 1);
             EXPECT_EQ(set.gear_time[1], 9.9e9f);
             EXPECT_LE(set.gear_time[0], 105.0f);
         }},
        {"fixed gear: the handle is dead", nullptr, nullptr, from_radio(625, 30), fresh, {}, nullptr},
    };
    for (const press_row& row : rows) press(row);
}

// ---- the lever quadrant ------------------------------------------------------------------

// The upper box's handles at their lines: the flap handle on quarters, the
// speed brake truncated toward zero, the sweep and vector handles sharing
// columns, the pitch trim's split.
TEST(PanelPress, UpperLevers)
{
    // The height at which the flap handle reads v before rounding.
    auto flap_y = [](float v) { return 77 + 54 * (1 - v); };
    // The height at which the speed-brake line reads v.
    auto sbrk_y = [](float v) { return 122.5f - 8 * (v + 1); };
    options flaps = [](planestruct& a) { a.flapEQ = 1; };
    options sbrk = [](planestruct& a) { a.sbrkEQ = 1; };
    options auto_sbrk = [](planestruct& a) { a.sbrkEQ = a.autosbrkEQ = 1; };
    options sweep = [](planestruct& a) { a.varsweepEQ[part_wing_first] = 1; };
    auto flap_is = [](float v) { return [=] { EXPECT_EQ(flt.flap_request, v); }; };
    auto sbrk_is = [](int v) { return [=] { EXPECT_EQ(flt.sbrk_handle, v); }; };
    const press_row rows[] = {
        {"flaps at 0.1: up", flaps, [] { flt.flap_request = 1; }, from_levers(665, flap_y(0.1f)), fresh,
         {field(flt.flap_request)}, flap_is(0)},
        {"flaps at 0.2: a quarter", flaps, nullptr, from_levers(665, flap_y(0.2f)), fresh, {field(flt.flap_request)},
         flap_is(0.25f)},
        {"flaps at 0.55: half", flaps, nullptr, from_levers(650, flap_y(0.55f)), fresh, {field(flt.flap_request)},
         flap_is(0.5f)},
        {"flaps at 0.8: three quarters", flaps, nullptr, from_levers(680, flap_y(0.8f)), fresh,
         {field(flt.flap_request)}, flap_is(0.75f)},
        {"flaps at 0.95: full", [](planestruct& a) { a.slatEQ = 1; }, nullptr, from_levers(665, flap_y(0.95f)),
         fresh, {field(flt.flap_request)}, flap_is(1)},
        {"no flaps or slats: the handle is dead", nullptr, nullptr, from_levers(665, flap_y(0.5f)), fresh, {},
         nullptr},
        {"speed brake at 1.9: 1", sbrk, nullptr, from_levers(708, sbrk_y(1.9f)), fresh, {field(flt.sbrk_handle)},
         sbrk_is(1)},
        {"speed brake at -0.5: 0, toward zero", auto_sbrk, [] { flt.sbrk_handle = 2; },
         from_levers(708, sbrk_y(-0.5f)), fresh, {field(flt.sbrk_handle)}, sbrk_is(0)},
        {"speed brake at -1 without the automatic one: 0", sbrk, [] { flt.sbrk_handle = 2; },
         from_levers(698, sbrk_y(-1)), fresh, {field(flt.sbrk_handle)}, sbrk_is(0)},
        {"speed brake at -1 with the automatic one: armed", auto_sbrk, nullptr, from_levers(718, sbrk_y(-1)), fresh,
         {field(flt.sbrk_handle)}, sbrk_is(-1)},
        {"speed brake past 2: 2", [](planestruct& a) { a.fbrkEQ = 1; }, nullptr, from_levers(708, 72), fresh,
         {field(flt.sbrk_handle)}, sbrk_is(2)},
        {"sweep", sweep, nullptr, from_levers(740, 77.5f + 39 * 0.25f), fresh, {field(flt.sweep_req)},
         [] { EXPECT_NEAR(flt.sweep_req, 0.75f, 1e-5); }},
        {"automatic sweep: the handle is dead",
         [](planestruct& a) {
             a.varsweepEQ[part_wing_first] = 1;
             a.autosweepEQ = 1;
         },
         nullptr, from_levers(740, 90), fresh, {}, nullptr},
        {"thrust vector", [](planestruct& a) { a.vectEQ = 1; }, nullptr, from_levers(770, 77.5f + 53 * 0.5f), fresh,
         {field(flt.vector_angle)}, [] { EXPECT_NEAR(flt.vector_angle, 60, 1e-4); }},
        {"sweep and vector share 745..764: both",
         [](planestruct& a) {
             a.varsweepEQ[part_wing_first] = 1;
             a.vectEQ = 1;
         },
         nullptr, from_levers(750, 77.5f), fresh, {field(flt.sweep_req), field(flt.vector_angle)},
         [] {
             EXPECT_EQ(flt.sweep_req, 1.0f);
             EXPECT_EQ(flt.vector_angle, 120.0f);
         }},
        {"pitch trim below 101.5: up", nullptr, nullptr, from_levers(790, 100), fresh, {field(flt.pitch_trim)},
         [] { EXPECT_NEAR(flt.pitch_trim, 0.005f, 1e-7); }},
        {"pitch trim at 101.5: down", nullptr, nullptr, from_levers(790, 101.5f), fresh, {field(flt.pitch_trim)},
         [] { EXPECT_NEAR(flt.pitch_trim, -0.005f, 1e-7); }},
        {"a failed trim: dead", nullptr, [] { rel.system_ok[sys_trim] = 0; }, from_levers(790, 100), fresh, {},
         nullptr},
    };
    for (const press_row& row : rows) press(row);
}

// The lower box under the mouse and under the joystick throttle: the
// stick's point moves the throttles and the collective but never the
// reversers or the lever's claim; a fresh press stops at forward idle, a
// held one reverses; a failed reverser stands deployed; with a collective
// the later levers read the press's own height.
TEST(PanelPress, ThrottlesReversersAndTheCollective)
{
    options reversing = [](planestruct& a) { a.revthrustEQ = 1; };
    auto engines = [](int n, int reverse) {
        return [=](planestruct& a) {
            a.numen = n;
            a.revthrustEQ = reverse;
        };
    };
    auto collective = [](int heli, float cant) {
        return [=](planestruct& a) {
            a.collectEQ = 1;
            a.is_heli = heli;
            a.vertcant[0] = cant;
            a.minpitch[0] = 2;
            a.maxpitch[0] = 14;
        };
    };
    auto claimed = [] { set.joy_throttle_on = 1; };
    const float idle_forward = (0.25f - 0.24f) / 0.76f;   // the handle at y' 16
    const press_row rows[] = {
        {"the stick moves the throttle and leaves the reverser and its claim", reversing,
         [] {
             set.joy_throttle_on = 1;
             flt.reverser[0] = 1;
         },
         stick_at(0.5f), stick, {field(flt.throttle_req)},
         [] { EXPECT_NEAR(flt.throttle_req[0], (0.5f - 0.24f) / 0.76f, 1e-5); }},
        {"the stick in the reverse range is raised to idle", reversing,
         [] {
             set.joy_throttle_on = 1;
             flt.reverser[0] = 1;
         },
         stick_at(0.1f), stick, {field(flt.throttle_req)},
         [=] { EXPECT_NEAR(flt.throttle_req[0], idle_forward, 1e-5); }},
        {"the stick's point works four throttles", engines(4, 0), claimed, stick_at(0.3f), stick,
         {field(flt.throttle_req)},
         [] {
             for (float t : flt.throttle_req) EXPECT_NEAR(t, 0.3f, 1e-5);
         }},
        {"a fresh press in the reverse range stops at forward idle", reversing,
         [] {
             set.joy_throttle_on = 1;
             flt.reverser[0] = 1;
         },
         from_levers(681, 15), fresh, {field(flt.throttle_req), field(flt.reverser), field(set.joy_throttle_on)},
         [=] {
             EXPECT_NEAR(flt.throttle_req[0], idle_forward, 1e-5);
             EXPECT_EQ(flt.reverser[0], 0);
             EXPECT_EQ(set.joy_throttle_on, 0);
         }},
        {"held in the reverse range: reverse", reversing, nullptr, from_levers(681, 15), held,
         {field(flt.throttle_req), field(flt.reverser)},
         [] {
             EXPECT_NEAR(flt.throttle_req[0], (0.24f - 4 / 48.0f) / 0.24f, 1e-5);
             EXPECT_EQ(flt.reverser[0], 1);
         }},
        {"no reversers: the low end is not raised", nullptr, nullptr, from_levers(681, 15), fresh,
         {field(flt.throttle_req)}, [] { EXPECT_NEAR(flt.throttle_req[0], 4 / 48.0f, 1e-5); }},
        {"the all-throttles column leaves the claim alone", engines(2, 0), claimed, from_levers(675.5f, 35), fresh,
         {field(flt.throttle_req)},
         [] {
             EXPECT_NEAR(flt.throttle_req[0], 0.5f, 1e-5);
             EXPECT_NEAR(flt.throttle_req[1], 0.5f, 1e-5);
         }},
        {"a failed reverser stands deployed after any press in the box", engines(2, 1),
         [] { rel.system_ok[sys_reverser + 1] = 0; }, from_levers(648, 40), fresh, {field(flt.reverser)},
         [] {
             EXPECT_EQ(flt.reverser[0], 0);
             EXPECT_EQ(flt.reverser[1], 1);
         }},
        {"a helicopter's collective: the main rotor only", collective(1, 0), claimed, stick_at(0.25f), stick,
         {field(flt.blade_pitch)},
         [] {
             EXPECT_NEAR(flt.blade_pitch[0], 11, 1e-5);
             EXPECT_EQ(flt.blade_pitch[1], 0.0f);
         }},
        {"a tilt rotor above 60 degrees: every rotor, and the mouse takes the claim", collective(0, 90), claimed,
         from_levers(675, 11 + 48 * 0.25f), fresh, {field(flt.blade_pitch), field(set.joy_throttle_on)},
         [] {
             for (float b : flt.blade_pitch) EXPECT_NEAR(b, 5, 1e-5);
             EXPECT_EQ(set.joy_throttle_on, 0);
         }},
        {"a collective at 60 degrees or less: all four throttles", collective(0, 60), claimed, stick_at(0.25f), stick,
         {field(flt.throttle_req)},
         [] {
             for (float t : flt.throttle_req) EXPECT_NEAR(t, 0.25f, 1e-5);
         }},
        {"the mixture's height", nullptr, nullptr, from_levers(765, 35), fresh, {field(flt.mixture)},
         [] { EXPECT_NEAR(flt.mixture[0], 0.5f, 1e-5); }},
        {"with a collective the mixture reads the press's own height", collective(0, 0), nullptr,
         from_levers(765, 28), fresh, {field(flt.mixture)}, [] { EXPECT_NEAR(flt.mixture[0], 0.5f, 1e-5); }},
        {"the propeller lever", [](planestruct& a) { a.varpitchEQ = 1, a.omegamingreen = 100, a.omegamax = 200; },
         nullptr, from_levers(724, 35), fresh, {field(flt.prop_req)},
         [] { EXPECT_NEAR(flt.prop_req[0], 150, 1e-3); }},
        {"the carburettor heat", nullptr, nullptr, from_levers(790, 28.5f), fresh, {field(flt.carb_heat)},
         [] { EXPECT_NEAR(flt.carb_heat, 0.5f, 1e-5); }},
    };
    for (const press_row& row : rows) press(row);
}

// ---- the panel keys ----------------------------------------------------------------------

// Each key's point makes its change through the press.
TEST(PanelPress, KeysPressTheirKnobsAndButtons)
{
    struct key_row {
        char key;
        const char* name;
        options aircraft;
        std::function<void(void)> before;
        std::vector<span> changes;
        std::function<void(void)> check;
    };
    std::vector<span> modes;
    for (int k = 0; k < ap_modes; k++) modes.push_back(field(ott_mode(ott, k)));
    auto only_mode = [](int m) {
        return [=] {
            for (int k = 0; k < ap_modes; k++) EXPECT_EQ(ott_mode(ott, k), k == m ? 1 : 0) << "mode " << k;
        };
    };
    auto crs2 = [](float v) { return [=] { EXPECT_EQ(nav.nav_crs2, v); }; };
    auto bug = [](int v) { return [=] { EXPECT_EQ(nav.hdg_bug, v); }; };
    auto crs1 = [](float v) { return [=] { EXPECT_EQ(nav.nav_crs1, v); }; };
    auto at_100 = [] { nav.nav_crs2 = nav.nav_crs1 = 100, nav.hdg_bug = 100; };
    const key_row rows[] = {
        {'n', "HSI course -1", nullptr, at_100, {field(nav.nav_crs2)}, crs2(99)},
        {'m', "HSI course +1", nullptr, at_100, {field(nav.nav_crs2)}, crs2(101)},
        {'y', "heading bug -1", nullptr, at_100, {field(nav.hdg_bug)}, bug(99)},
        {'u', "heading bug +1", nullptr, at_100, {field(nav.hdg_bug)}, bug(101)},
        {'n', "glass panel: HSI course -1", glass(), at_100, {field(nav.nav_crs2)}, crs2(99)},
        {'m', "glass panel: HSI course +1", glass(), at_100, {field(nav.nav_crs2)}, crs2(101)},
        {'y', "glass panel: heading bug -1", glass(), at_100, {field(nav.hdg_bug)}, bug(99)},
        {'u', "glass panel: heading bug +1", glass(), at_100, {field(nav.hdg_bug)}, bug(101)},
        {'i', "altimeter setting down", nullptr, nullptr, {field(ins.altim_set)},
         [] { EXPECT_NEAR(ins.altim_set, 29.917f, 1e-5); }},
        {'o', "altimeter setting up on the glass panel", glass(), nullptr, {field(ins.altim_set)},
         [] { EXPECT_NEAR(ins.altim_set, 29.93f, 1e-5); }},
        {'h', "VOR course +1", slot(1), at_100, {field(nav.nav_crs1)}, crs1(101)},
        {'h', "second map range doubled", slot(6), [] { map2_range() = 10; }, {field(map2_range())},
         [] { EXPECT_EQ(map2_range(), 20.0f); }},
        {'h', "on the radar altimeter's line: nothing", slot(4), [] { ins.dh_ft = 200; }, {}, nullptr},
        {'j', "VOR course -1", slot(1), at_100, {field(nav.nav_crs1)}, crs1(99)},
        {'j', "second map range doubled", slot(6), [] { map2_range() = 10; }, {field(map2_range())},
         [] { EXPECT_EQ(map2_range(), 20.0f); }},
        {'k', "decision height down", slot(4), [] { ins.dh_ft = 200; }, {field(ins.dh_ft)},
         [] { EXPECT_EQ(ins.dh_ft, 190.0f); }},
        {'k', "VOR course +1", slot(1), at_100, {field(nav.nav_crs1)}, crs1(101)},
        {'l', "decision height up", slot(4), [] { ins.dh_ft = 200; }, {field(ins.dh_ft)},
         [] { EXPECT_EQ(ins.dh_ft, 210.0f); }},
        {'c', "ADF card +1", nullptr, [] { ins.adf_card = 100; }, {field(ins.adf_card)},
         [] { EXPECT_EQ(ins.adf_card, 101); }},
        {'v', "ADF card -1", nullptr, [] { ins.adf_card = 100; }, {field(ins.adf_card)},
         [] { EXPECT_EQ(ins.adf_card, 99); }},
        {'b', "brakes", nullptr, nullptr, {field(flt.brake_ratio)}, [] { EXPECT_EQ(flt.brake_ratio, 1.0f); }},
        {'g', "gear", [](planestruct& a) { a.gear_retract = 1; }, nullptr, {field(set.gear_down), field(set.gear_time)},
         [] { EXPECT_EQ(set.gear_down, 1); }},
        // The key handler's own step before the press: mode 0 on, 1..6 off.
        {'!', "every mode off", nullptr,
         [] {
             ott.ap_alt = ott.ap_gs = 1;
             ott_mode(ott, 0) = 1;
             for (int k = 1; k < ap_modes; k++) ott_mode(ott, k) = 0;
         },
         modes, only_mode(-1)},
        {'$', "heading hold", nullptr, nullptr, modes, only_mode(0)},
        {'%', "NAV 1", nullptr, nullptr, modes, only_mode(1)},
        {'^', "NAV 2", nullptr, nullptr, modes, only_mode(2)},
        {'&', "altitude hold", nullptr, [] { ott.vvi_target = fpm(1000); }, modes, only_mode(3)},
        {'*', "glide slope", nullptr, nullptr, modes, only_mode(5)},
        {'7', "aileron trim down", nullptr, nullptr, {field(flt.roll_trim)}, [] { EXPECT_LT(flt.roll_trim, 0); }},
        {'8', "aileron trim up", nullptr, nullptr, {field(flt.roll_trim)}, [] { EXPECT_GT(flt.roll_trim, 0); }},
        {'9', "rudder trim down", nullptr, nullptr, {field(flt.yaw_trim)}, [] { EXPECT_LT(flt.yaw_trim, 0); }},
        {'0', "rudder trim up", nullptr, nullptr, {field(flt.yaw_trim)}, [] { EXPECT_GT(flt.yaw_trim, 0); }},
        {'[', "pitch trim down", nullptr, nullptr, {field(flt.pitch_trim)}, [] { EXPECT_LT(flt.pitch_trim, 0); }},
        {']', "pitch trim up", nullptr, nullptr, {field(flt.pitch_trim)}, [] { EXPECT_GT(flt.pitch_trim, 0); }},
    };
    for (const key_row& k : rows) {
        std::string name = std::string("key ") + k.key + ": " + k.name;
        char key = k.key;
        press_row row = {name.c_str(), k.aircraft, k.before,
                         [key] {
                             pt p = {-1, -1};
                             EXPECT_EQ(panel_key_point(key, &p.x, &p.y), 1);
                             return p;
                         },
                         fresh, k.changes, k.check};
        press(row);
    }

    float x = -7, y = -7;
    EXPECT_EQ(panel_key_point('q', &x, &y), 0);
    EXPECT_EQ(x, -7.0f);
    EXPECT_EQ(y, -7.0f);
}

// ---- courses from a damaged file -----------------------------------------------------------

// One press brings a course or heading many turns out, or no number at
// all, back into its range.
TEST(PanelPress, DamagedCoursesWrapInOnePress)
{
    auto in_course = [](const float& v) {
        return [&v] {
            EXPECT_GE(v, 0.0f);
            EXPECT_LE(v, 360.0f);
        };
    };
    const press_row rows[] = {
        // 10,000,001 is 27,777 turns and 281 degrees.
        {"HSI course at 1e7", nullptr, [] { nav.nav_crs2 = 1e7f; }, from_hsi(-25, -50), fresh, {field(nav.nav_crs2)},
         [] { EXPECT_EQ(nav.nav_crs2, 281.0f); }},
        {"HSI course at -725", nullptr, [] { nav.nav_crs2 = -725; }, from_hsi(-25, -50), fresh,
         {field(nav.nav_crs2)}, [] { EXPECT_EQ(nav.nav_crs2, 356.0f); }},
        {"HSI course held at -1e30", nullptr, [] { nav.nav_crs2 = -1e30f; }, from_hsi(-50, -50), held,
         {field(nav.nav_crs2)}, in_course(nav.nav_crs2)},
        {"HSI course not a number", nullptr, [] { nav.nav_crs2 = NAN; }, from_hsi(-50, -50), fresh,
         {field(nav.nav_crs2)}, in_course(nav.nav_crs2)},
        {"VOR course at 1e7", slot(1), [] { nav.nav_crs1 = 1e7f; }, from_supp(-18, -40), fresh, {field(nav.nav_crs1)},
         [] { EXPECT_EQ(nav.nav_crs1, 279.0f); }},
        {"heading bug at 100,000", nullptr, [] { nav.hdg_bug = 100000; }, from_hsi(60, -50), fresh,
         {field(nav.hdg_bug)}, [] { EXPECT_EQ(nav.hdg_bug, 281); }},
        {"heading bug at -100,000", nullptr, [] { nav.hdg_bug = -100000; }, from_hsi(60, -50), held,
         {field(nav.hdg_bug)}, [] { EXPECT_EQ(nav.hdg_bug, 83); }},
        {"ADF card at 5,000", nullptr, [] { ins.adf_card = 5000; }, from_adf(-40, -50), fresh, {field(ins.adf_card)},
         [] { EXPECT_EQ(ins.adf_card, 321); }},
    };
    for (const press_row& row : rows) press(row);
}

// ---- the GPS entry -------------------------------------------------------------------------

namespace {

const int gps_entries = 6;
// A row's changes when the press must change nothing at all (an empty list
// stands for the GPS's own fields).
const std::vector<span> nothing_else = {{nullptr, 0}};

// Six airports and six navaids of the GPS's own, over the loaded tables'
// first entries, put back afterwards.
class GpsEntry : public ::testing::Test {
protected:
    char apt_id_was[gps_entries][5], apt_name_was[gps_entries][40];
    char nav_id_was[gps_entries][5], nav_name_was[gps_entries][40];
    int nav_type_was[gps_entries], apt_max_was, nav_max_was;

    void SetUp() override
    {
        memcpy(apt_id_was, apt_id, sizeof apt_id_was);
        memcpy(apt_name_was, apt_name, sizeof apt_name_was);
        memcpy(nav_id_was, nav_id, sizeof nav_id_was);
        memcpy(nav_name_was, nav_name, sizeof nav_name_was);
        memcpy(nav_type_was, nav_type, sizeof nav_type_was);
        apt_max_was = apt_wrl_max, nav_max_was = nav_wrl_max;
    }
    void TearDown() override
    {
        memcpy(apt_id, apt_id_was, sizeof apt_id_was);
        memcpy(apt_name, apt_name_was, sizeof apt_name_was);
        memcpy(nav_id, nav_id_was, sizeof nav_id_was);
        memcpy(nav_name, nav_name_was, sizeof nav_name_was);
        memcpy(nav_type, nav_type_was, sizeof nav_type_was);
        apt_wrl_max = apt_max_was, nav_wrl_max = nav_max_was;
    }

    static void fill_tables(void)
    {
        static const char* const apts[gps_entries] = {"KAAA", "KBBB", "KCCC", "KDDD", "KEEE", "KFFF"};
        static const char* const navs[gps_entries] = {"ALFA", "BRAV", "CHAR", "DELT", "ECHO", "FOXT"};
        static const int types[gps_entries] = {navaid_ndb, navaid_vor, navaid_ndb, navaid_ils, navaid_vor, navaid_ndb};
        for (int i = 0; i < gps_entries; i++) {
            snprintf(apt_id[i], sizeof apt_id[i], "%s", apts[i]);
            snprintf(apt_name[i], sizeof apt_name[i], "%s field", apts[i]);
            snprintf(nav_id[i], sizeof nav_id[i], "%s", navs[i]);
            snprintf(nav_name[i], sizeof nav_name[i], "%s beacon", navs[i]);
            nav_type[i] = types[i];
        }
        apt_wrl_max = nav_wrl_max = gps_entries - 1;
    }

    // Every row with no NAV 1 receiver, so the GPS box answers.
    static void press_gps(press_row row)
    {
        if (!row.aircraft) row.aircraft = slot(0);
        if (row.changes.empty())
            row.changes = {field(nav.gps_mode), field(nav.gps_index), field(nav.gps_id_char), field(nav.gps_cursor),
                           field(nav.panel_preset)};
        press(row, fill_tables);
    }
};

// The GPS's points: the value knob up and down, the cursor knob, the kind
// buttons, and a point in the box on no control.
place value_up(void) { return from_radio(546, 215); }
place value_down(void) { return from_radio(546, 225); }
place cursor_up(void) { return from_radio(603, 215); }
place cursor_down(void) { return from_radio(603, 225); }
place kind_button(float y) { return from_radio(631, y); }
place in_box(void) { return from_radio(510, 270); }

void set_letters(const char* id)
{
    for (int j = 0; j < 4; j++) nav.gps_id_char[j] = char_to_code(id[j]);
}
std::string letters(void)
{
    std::string s;
    for (int j = 0; j < 4; j++) s += code_to_char(nav.gps_id_char[j]);
    return s;
}
std::function<void(void)> gps_at(int mode, int index, int cursor = 0)
{
    return [=] {
        nav.gps_mode = mode;
        nav.gps_index = index;
        nav.gps_cursor = cursor;
    };
}
std::function<void(void)> lands_on(int index, const char* id)
{
    return [=] {
        EXPECT_EQ(nav.gps_index, index);
        EXPECT_EQ(letters(), id);
    };
}

}  // namespace

// The list walk: airports one by one, navaids to the next of the kind,
// wrapping round the table; held, by the frame step in hundredths; an index
// from the preferences beyond the table, or a kind outside 1..3, still
// inside it; a walk that finds no navaid of the kind ends where it began.
TEST_F(GpsEntry, ValueKnobWalksItsTable)
{
    const press_row rows[] = {
        {"airports +1, the letters following", nullptr, gps_at(1, 2), value_up(), fresh, {}, lands_on(3, "KDDD")},
        {"on the knob's line: -1", nullptr, gps_at(1, 2), from_radio(546, 220), fresh, {}, lands_on(1, "KBBB")},
        {"airports wrap at the end", nullptr, gps_at(1, 5), value_up(), fresh, {}, lands_on(0, "KAAA")},
        {"VORs: the walk skips the other kinds", nullptr, gps_at(3, 1), value_up(), fresh, {}, lands_on(4, "ECHO")},
        {"VORs wrap round the table", nullptr, gps_at(3, 4), value_up(), fresh, {}, lands_on(1, "BRAV")},
        {"NDBs walk back round the start", nullptr, gps_at(2, 0), value_down(), fresh, {}, lands_on(5, "FOXT")},
        {"no VOR in the table: the walk ends where it began", nullptr,
         [] {
             nav_type[1] = nav_type[4] = navaid_ndb;
             gps_at(3, 2)();
         },
         value_up(), fresh, {}, lands_on(2, "CHAR")},
        {"held for a frame of 0.05 s: 5 at a time", nullptr, gps_at(3, 4), value_up(), held, {}, lands_on(1, "BRAV")},
        {"held for a frame of 1 s: 100 airports, inside the table", nullptr,
         [] {
             msc.dt = 1;
             gps_at(1, 2)();
         },
         value_up(), held, {}, lands_on(0, "KAAA")},
        {"held for a frame of 1 s: 100 navaids back, on a VOR", nullptr,
         [] {
             msc.dt = 1;
             gps_at(3, 4)();
         },
         value_down(), held, {},
         [] {
             ASSERT_GE(nav.gps_index, 0);
             ASSERT_LT(nav.gps_index, gps_entries);
             EXPECT_EQ(nav_type[nav.gps_index], navaid_vor);
         }},
        {"an index from the preferences beyond the table", nullptr, gps_at(1, 1600), in_box(), fresh, {},
         lands_on(5, "KFFF")},
        {"and walked on from there", nullptr, gps_at(1, 1600), value_up(), fresh, {}, lands_on(0, "KAAA")},
        {"an index below 0", nullptr, gps_at(2, -7), in_box(), fresh, {}, lands_on(0, "ALFA")},
        {"a kind outside 1..3 reads as airports", nullptr, gps_at(9, 2), value_up(), fresh, {},
         [] {
             lands_on(3, "KDDD")();
             EXPECT_EQ(nav.panel_preset[0], 3);
         }},
        {"an empty table: the knob does nothing and no name shows", nullptr,
         [] {
             apt_wrl_max = -1;
             gps_at(1, 3)();
             nav.panel_preset[0] = 3;
             set_letters("ZZZZ");
         },
         value_up(), fresh, nothing_else, [] { EXPECT_EQ(gps_destination_name(), nullptr); }},
        {"with a NAV 1 receiver the box is dead", slot(1), gps_at(3, 1), kind_button(250), fresh, nothing_else,
         nullptr},
    };
    for (const press_row& row : rows) press_gps(row);
}

// The identifier's letters: refreshed from the entry with the cursor on the
// list, looked up in the kind's table with it on a letter, kept when nothing
// matches; the letter codes wrapping fully under a held step; the cursor
// knob's own steps.
TEST_F(GpsEntry, IdentifierLettersAndTheCursor)
{
    const press_row rows[] = {
        {"letters refreshed from the entry with the cursor on the list", nullptr,
         [] {
             gps_at(1, 3)();
             set_letters("ZZZZ");
         },
         in_box(), fresh, {}, lands_on(3, "KDDD")},
        {"a letter typed up to a VOR's identifier: the index moves", nullptr,
         [] {
             gps_at(3, 1, 4)();
             set_letters("ECHN");
         },
         value_up(), fresh, {},
         [] {
             lands_on(4, "ECHO")();
             EXPECT_EQ(nav.panel_preset[1], 4);
         }},
        {"an airport's identifier found", nullptr,
         [] {
             gps_at(1, 0, 1)();
             set_letters("KEEE");
         },
         in_box(), fresh, {}, lands_on(4, "KEEE")},
        {"no match: the index stays, the letters kept", nullptr,
         [] {
             gps_at(3, 1, 2)();
             set_letters("ZZZZ");
         },
         in_box(), fresh, {}, lands_on(1, "ZZZZ")},
        {"an NDB's identifier is no VOR", nullptr,
         [] {
             gps_at(3, 1, 1)();
             set_letters("CHAR");
         },
         in_box(), fresh, {}, lands_on(1, "CHAR")},
        {"a letter held up 100: fully wrapped", nullptr,
         [] {
             msc.dt = 1;
             gps_at(1, 0, 1)();
             nav.gps_id_char[0] = 30;
         },
         value_up(), held, {}, [] { EXPECT_EQ(nav.gps_id_char[0], 19); }},
        {"a letter held down 100: fully wrapped", nullptr,
         [] {
             msc.dt = 1;
             gps_at(1, 0, 3)();
             nav.gps_id_char[2] = 5;
         },
         value_down(), held, {}, [] { EXPECT_EQ(nav.gps_id_char[2], 16); }},
        {"cursor knob on its line: +1", nullptr, gps_at(1, 0), from_radio(603, 220), fresh, {},
         [] { EXPECT_EQ(nav.gps_cursor, 1); }},
        {"cursor knob down from 0 wraps to 4", nullptr, gps_at(1, 0), cursor_down(), fresh, {},
         [] { EXPECT_EQ(nav.gps_cursor, 4); }},
        {"cursor knob up from 4 wraps to the list", nullptr, gps_at(1, 2, 4), cursor_up(), fresh, {},
         [] {
             EXPECT_EQ(nav.gps_cursor, 0);
             EXPECT_EQ(letters(), "KCCC");
         }},
    };
    for (const press_row& row : rows) press_gps(row);
}

// The kind buttons take each kind's remembered index, and the shared
// borders go to the lower button; the index is remembered for its kind alone.
TEST_F(GpsEntry, KindButtonsRememberEachKind)
{
    auto presets = [](int a, int v, int n) {
        return [=] {
            nav.panel_preset[0] = a, nav.panel_preset[1] = v, nav.panel_preset[2] = n;
        };
    };
    auto kind_is = [](int mode, int index, const char* id) {
        return [=] {
            EXPECT_EQ(nav.gps_mode, mode);
            lands_on(index, id)();
        };
    };
    const press_row rows[] = {
        {"airports", nullptr,
         [=] {
             gps_at(3, 1)();
             presets(4, 1, 5)();
         },
         kind_button(270), fresh, {}, kind_is(1, 4, "KEEE")},
        {"VORs", nullptr, presets(4, 1, 5), kind_button(250), fresh, {}, kind_is(navaid_vor, 1, "BRAV")},
        {"NDBs", nullptr, presets(4, 1, 5), kind_button(230), fresh, {}, kind_is(navaid_ndb, 5, "FOXT")},
        {"y 260 holds airports and VORs: VORs", nullptr, presets(4, 1, 5), kind_button(260), fresh, {},
         kind_is(navaid_vor, 1, "BRAV")},
        {"y 240 holds VORs and NDBs: NDBs", nullptr, presets(4, 1, 5), kind_button(240), fresh, {},
         kind_is(navaid_ndb, 5, "FOXT")},
        {"a remembered index beyond the table", nullptr, presets(1600, 1, 5), kind_button(270), fresh, {},
         [=] {
             kind_is(1, 5, "KFFF")();
             EXPECT_EQ(nav.panel_preset[0], 5);
         }},
        {"remembered per kind", nullptr,
         [=] {
             gps_at(3, 1)();
             presets(2, 1, 0)();
             pt p = value_up()();
             manage_das(p.x, p.y);   // VOR 4
             p = kind_button(270)();
             manage_das(p.x, p.y);   // airport 2
         },
         kind_button(250), fresh, {},
         [=] {
             kind_is(navaid_vor, 4, "ECHO")();
             EXPECT_EQ(nav.panel_preset[0], 2);
             EXPECT_EQ(nav.panel_preset[1], 4);
             EXPECT_EQ(nav.panel_preset[2], 0);
         }},
    };
    for (const press_row& row : rows) press_gps(row);
}
