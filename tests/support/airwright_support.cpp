// Airwright's part of the tests' reset: the run state of its start-up and
// files (Init) and of its frame step (UPDATA); and the small aircraft built
// from New by scripted presses, shared by the round trip and the preview.
#include "airwright_support.h"
#include "test_support.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Init.h"
#include "UPDATA.h"

#include <cmath>
#include <cstdlib>

void reset_program_state(void)
{
    clear_init_run_state();
    clear_update_run_state();
}

// ---- the small aircraft ----------------------------------------------------------

namespace {

// A number field of a screen, and the value it is dialled to.
struct dialled {
    int window;
    float x, y;
    int digits, decimals;
    built_value value;
};

const int wing = part_wing_first + 1;    // wing 1's right piece, the one edited
const int fin = part_vstab_1;
const int hstab = part_hstab_right;

// Surface rows A, B, C of a screen with the given offset.
constexpr float row_a(float offset) { return 281 + offset; }
constexpr float row_b(float offset) { return 236 + offset; }
constexpr float row_c(float offset) { return 191 + offset; }
const float hstab_offset = 7, vstab_offset = -62;

#define VALUE(name, expr) name, [](const planestruct& a) { return (float)(expr); }

const dialled fields[] = {
    {win_wing_1, 15, row_c(0), 4, 1, {VALUE("wing semilen", a.semilen[wing]), 15.0f}},
    {win_wing_1, 53, row_a(0), 4, 1, {VALUE("wing Croot", a.Croot[wing]), 5.0f}},
    {win_wing_1, 53, row_b(0), 4, 1, {VALUE("wing Ctip", a.Ctip[wing]), 4.0f}},
    {win_wing_1, 185, row_b(0), 4, 1, {VALUE("wing dihed", a.dihed[wing]), 3.0f}},
    {win_wing_1, 311, row_a(0), 4, 1, {VALUE("wing Zarm", a.Zarm[wing]), 6.0f}},
    {win_wing_1, 311, row_b(0), 4, 1, {VALUE("wing Xarm", a.Xarm[wing]), 1.5f}},
    {win_wing_1, 311, row_c(0), 4, 1, {VALUE("wing Yarm", a.Yarm[wing]), 1.0f}},
    {win_wing_1, 90, 156, 1, 0, {VALUE("wing els", a.els[wing]), 5}},
    {win_hstab, 15, row_c(hstab_offset), 4, 1, {VALUE("hstab semilen", a.semilen[hstab]), 6.0f}},
    {win_hstab, 53, row_a(hstab_offset), 4, 1, {VALUE("hstab Croot", a.Croot[hstab]), 3.0f}},
    {win_hstab, 53, row_b(hstab_offset), 4, 1, {VALUE("hstab Ctip", a.Ctip[hstab]), 2.5f}},
    {win_hstab, 311, row_a(hstab_offset), 4, 1, {VALUE("hstab Zarm", a.Zarm[hstab]), 20.0f}},
    {win_hstab, 311, row_c(hstab_offset), 4, 1, {VALUE("hstab Yarm", a.Yarm[hstab]), 0.5f}},
    {win_vstab_1, 15, row_c(vstab_offset), 4, 1, {VALUE("vstab semilen", a.semilen[fin]), 5.0f}},
    {win_vstab_1, 53, row_a(vstab_offset), 4, 1, {VALUE("vstab Croot", a.Croot[fin]), 4.0f}},
    {win_vstab_1, 53, row_b(vstab_offset), 4, 1, {VALUE("vstab Ctip", a.Ctip[fin]), 2.5f}},
    {win_vstab_1, 185, row_a(vstab_offset), 4, 1, {VALUE("vstab sweep1", a.sweep1[fin]), 30.0f}},
    {win_vstab_1, 311, row_a(vstab_offset), 4, 1, {VALUE("vstab Zarm", a.Zarm[fin]), 19.5f}},
    {win_vstab_1, 311, row_c(vstab_offset), 4, 1, {VALUE("vstab Yarm", a.Yarm[fin]), 1.0f}},
    {win_engines, 16, 398, 1, 0, {VALUE("numen", a.numen), 1}},
    {win_engines, 24, 317, 4, 1, {VALUE("engine Zarm", a.Zarm[0]), -0.5f}},
    {win_engines, 24, 227, 4, 1, {VALUE("engine Yarm", a.Yarm[0]), 0.5f}},
    {win_engines, 437, 412, 6, 1, {VALUE("pmax", a.pmax), 160.0f}},
    // A piston engine without its manifold pressure is no engine to the simulator.
    {win_engines, 677, 371, 3, 1, {VALUE("mpmax", a.mpmax), 29.9f}},
    {win_engines, 447, 330, 5, 0, {VALUE("omegamax", a.omegamax), 2700}},
    {win_engines, 447, 285, 5, 0, {VALUE("omegamin", a.omegamin), 600}},
    {win_props, 292, 434, 3, 1, {VALUE("prop radius", a.semilen[0]), 3.0f}},
    {win_props, 292, 389, 3, 1, {VALUE("prop chord in", a.Croot[0] * 12), 6.0f}},
    {win_fuselage, 256, 338, 3, 1, {VALUE("body_r", a.body_r[part_fuselage]), 3.5f}},
    {win_gear, 120, 413, 4, 1, {VALUE("ngearZ", a.ngearZ), 2.0f}},
    {win_gear, 120, 368, 4, 1, {VALUE("ngearY", a.ngearY), -4.0f}},
    {win_gear, 120, 230, 4, 1, {VALUE("mgearZ", a.mgearZ), 7.5f}},
    {win_gear, 120, 185, 4, 1, {VALUE("mgearX", a.mgearX), 4.0f}},
    {win_gear, 120, 140, 4, 1, {VALUE("mgearY", a.mgearY), -4.0f}},
    {win_gear, 322, 413, 4, 1, {VALUE("ngearZ_att", a.ngearZ_att), 2.0f}},
    {win_gear, 322, 368, 4, 1, {VALUE("ngearY_att", a.ngearY_att), -2.0f}},
    {win_gear, 322, 230, 4, 1, {VALUE("mgearZ_att", a.mgearZ_att), 7.5f}},
    {win_gear, 322, 185, 4, 1, {VALUE("mgearX_att", a.mgearX_att), 2.0f}},
    {win_gear, 322, 140, 4, 1, {VALUE("mgearY_att", a.mgearY_att), -2.0f}},
    {win_weight, 81, 297, 4, 1, {VALUE("cgZ", a.cgZ), 6.5f}},
    {win_weight, 81, 252, 4, 1, {VALUE("cgY", a.cgY), -0.5f}},
    {win_weight, 140, 185, 7, 0, {VALUE("m_empty", a.m_empty), 1200}},
    {win_weight, 140, 140, 7, 0, {VALUE("m_max", a.m_max), 2000}},
    {win_weight, 109, 73, 7, 0, {VALUE("m_fuel", a.m_fuel), 250}},
    {win_viewpoint, 48, 264, 3, 0, {VALUE("Vso", a.Vso), 45}},
    {win_viewpoint, 48, 219, 3, 0, {VALUE("Vs", a.Vs), 50}},
    {win_viewpoint, 48, 174, 3, 0, {VALUE("Vfe", a.Vfe), 85}},
    {win_viewpoint, 48, 129, 3, 0, {VALUE("Vno", a.Vno), 120}},
    {win_viewpoint, 48, 84, 3, 0, {VALUE("Vne", a.Vne), 150}},
    {win_viewpoint, 249, 384, 4, 1, {VALUE("peZ", a.peZ), 5.0f}},
    {win_viewpoint, 249, 294, 4, 1, {VALUE("peY", a.peY), 1.5f}},
};
const int field_count = (int)(sizeof fields / sizeof fields[0]);

#undef VALUE

built_value values[field_count];

// The nose and tail narrowed at the sides, the cabin's top raised.
const dragged_point drags[] = {
    {0, 4, 1.2f, 0.3f},
    {10, 4, 0.8f, 0.5f},
    {5, 0, 0.0f, 3.3f},
};
const int drag_count = (int)(sizeof drags / sizeof drags[0]);
const float fuselage_y0 = 138;

void frame(float x, float y, int clicked, int held)
{
    mnw.mx = x, mnw.my = y;
    mnw.mouse_clicked = clicked;
    mnw.now_dragging = held;
    APPLICATION_update();
    mnw.mouse_clicked = 0;
    mnw.now_dragging = 0;
}

void press(float x, float y) { frame(x, y, 1, 0); }

// The field's value stepped to the target place by place, from the largest;
// a frame first, so the value is what the field holds to its range.
void dial(const dialled& f)
{
    mnw.topwin = f.window;
    frame(f.x, f.y, 0, 0);
    float finest = powf(10.0f, (float)f.decimals);
    long units = lroundf((f.value.target - f.value.value(pln[0])) * finest);
    for (int k = 0; k < f.digits; k++) {
        long place = lroundf(powf(10.0f, (float)(f.digits - 1 - k)));
        long presses = units / place;
        units -= presses * place;
        float x = f.x + 10.0f * (float)k + 5;
        for (long n = 0; n < labs(presses); n++) press(x, presses > 0 ? f.y + 10 : f.y - 6);
    }
}

// An on/off box of element e's column at height y.
void tick(int window, int e, float y)
{
    mnw.topwin = window;
    press(41.0f * (float)e + 104 + 2 + 3, y + 3);
}

// Where a fuselage point (x, y), ft, of station i lies on its grid.
float grid_x(int i, float x) { return 66.0f * (float)i + 11 + x * 61 / pln[0].body_r[part_fuselage]; }
float grid_y(float y) { return fuselage_y0 - 2 + y * 61 / pln[0].body_r[part_fuselage]; }

void drag_point(const dragged_point& d)
{
    const planestruct& a = pln[0];
    float x1 = grid_x(d.station, a.body_X[part_fuselage][d.station][d.point]);
    float y1 = grid_y(a.body_Y[part_fuselage][d.station][d.point]);
    float x2 = grid_x(d.station, d.x), y2 = grid_y(d.y);
    frame(x1, y1, 1, 1);
    frame(0.5f * (x1 + x2), 0.5f * (y1 + y2), 0, 1);
    frame(x2, y2, 0, 1);
    frame(x2, y2, 0, 0);
}

}  // namespace

const built_value* small_aircraft_values(int* count)
{
    for (int k = 0; k < field_count; k++) values[k] = fields[k].value;
    *count = field_count;
    return values;
}

const dragged_point* small_aircraft_drags(int* count)
{
    *count = drag_count;
    return drags;
}

void build_small_aircraft(void)
{
    for (const dialled& f : fields) dial(f);
    // Flaps inboard, ailerons outboard; elevators and rudder all along.
    for (int e = 0; e < 2; e++) tick(win_wing_1, e, 53);
    for (int e = 3; e < 5; e++) tick(win_wing_1, e, 77);
    for (int e = 0; e < pln[0].els[hstab]; e++) tick(win_hstab, e, 84);
    for (int e = 0; e < pln[0].els[fin]; e++) tick(win_vstab_1, e, 15);
    // "single wheel" one up to " 2 side-by-side ".
    mnw.topwin = win_gear;
    press(100 + gear_type_width + 5, 481 + 10);
    mnw.topwin = win_fuselage;
    for (const dragged_point& d : drags) drag_point(d);
    mnw.topwin = win_main;
    mnw.mx = mnw.my = 0;
}
