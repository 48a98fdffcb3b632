// The ECAM's system pages: fuel, flight controls, hydraulics and failures.
// Each stands on the display's dark box, its x from the engine group's origin.
#include "P_update.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "records.h"

#include <cmath>

static void text(int colour, float x, float y, const char* s) { OGL_string(colour, x, y, s, 999, 6); }

static void number(float x, float y, float v, int digits, int decimals)
{
    OGL_number(43, x, y, v, digits, decimals, 6, 0);
}

// ---- page 4: fuel ------------------------------------------------------------

static void fuel_page(float E)
{
    const planestruct& a = pln[0];
    static const char* const flow_label[plane_engines] = {
        "FF #1:          PPH", "FF #2:          PPH", "FF #3:          PPH", "FF #4:          PPH"};
    text(43, E + 660, 278, "FUEL L:         LB");
    text(43, E + 660, 268, "FUEL R:         LB");
    text(43, E + 660, 258, "FUEL TOT:       LB");
    int engines = intlim(a.numen, 0, plane_engines);
    for (int i = 0; i < engines; i++) text(43, E + 660, 238 - 10 * (float)i, flow_label[i]);
    text(43, E + 660, 198, "ENDURANCE:      HR");
    text(43, E + 660, 188, "RANGE:          NM");
    if (engines < 1) return;   // nothing burns fuel: the labels stand alone

    float fuel = flt.fuel;
    number(E + 718, 278, fuel * 0.5f * con.kgstolbs, 6, 0);
    number(E + 718, 268, fuel * 0.5f * con.kgstolbs, 6, 0);
    number(E + 718, 258, fuel * con.kgstolbs, 6, 0);
    float sum = 0;   // kg/s
    for (int i = 0; i < engines; i++) {
        number(E + 718, 238 - 10 * (float)i, flt.fuel_flow[i] * con.kgstolbs * 3600, 6, 0);
        sum += flt.fuel_flow[i];
    }
    // Stopped engines would last for ever: the flow is taken as at least a milligram a second.
    if (!(sum >= 0.000001f)) sum = 0.000001f;
    float hours = fuel / sum * (1.0f / 3600);
    number(E + 734, 198, hours, 3, 1);
    number(E + 724, 188, hours * flt.gnd_speed[0] * con.msctokts, 5, 0);
}

// ---- page 5: flight controls ----------------------------------------------------

static void controls_page(float E)
{
    const planestruct& a = pln[0];
    // The two wings with their slat, spoiler and flap boxes.
    static const float frame[8][4] = {{658, 257, 63, 22}, {724, 257, 63, 22}, {660, 273, 57, 6}, {727, 273, 57, 6},
                                      {673, 266, 19, 6},  {752, 266, 19, 6},  {673, 257, 47, 8}, {724, 257, 47, 8}};
    for (const auto& f : frame) OGL_framerect(43, E + f[0], f[1], f[2], f[3]);

    static const char* const row_label[3] = {"AILERON ", "RUDDER  ", "ELEVATOR"};
    for (int k = 0; k < 3; k++) {
        float yk = 235 - 22 * (float)k;
        OGL_line(43, E + 648, yk, E + 795, yk);
        OGL_line(43, E + 715, yk - 4, E + 775, yk - 4);
        OGL_line(43, E + 715, yk - 6, E + 775, yk - 6);
        for (float sx : {715.0f, 744.0f, 773.0f}) OGL_fillrect(43, E + sx, yk - 4, 3, 3);
        OGL_string(43, E + 658, yk - 10, row_label[k], 99, 6);
    }

    if (a.slatEQ && flt.slat_ratio > 0.01f) {
        int c = flt.slat_ratio < 0.99f ? 42 : 48;
        OGL_fillrect(c, E + 662, 275, 54, 3);
        OGL_fillrect(c, E + 729, 275, 54, 3);
    }
    // Set where the lever asks, or still travelling.
    if (a.flapEQ && flt.flap_ratio > 0.01f) {
        int c = fabsf(flt.flap_ratio - flt.flap_request) <= 0.01f ? 48 : 42;
        OGL_fillrect(c, E + 675, 259, 44, 5);
        OGL_fillrect(c, E + 726, 259, 44, 5);
    }
    if (a.sbrkEQ && flt.sbrk_handle > 0) {
        OGL_fillrect(48, E + 675, 268, 16, 3);
        OGL_fillrect(48, E + 754, 268, 16, 3);
    }

    plot_pointer(E + 745 + set.ctl_roll * 30, 228, 39);
    plot_pointer(E + 745 + set.ctl_yaw * 30, 206, 39);
    plot_pointer(E + 745 + set.ctl_pitch * 30, 184, 39);
}

// ---- page 6: hydraulics -----------------------------------------------------------

static void hydraulics_page(float E)
{
    const planestruct& a = pln[0];
    for (int k = 0; k < 2; k++) {
        float yk = 222 - 18 * (float)k;
        OGL_line(39, E + 648, yk - 2, E + 795, yk - 2);
        OGL_line(39, E + 648, yk, E + 795, yk);
        for (float h : {yk - 4, yk - 6}) {
            OGL_line(45, E + 733, h, E + 793, h);
            OGL_line(42, E + 748, h, E + 788, h);
            OGL_line(48, E + 763, h, E + 783, h);
        }
    }

    // A single engine drives both pumps, two or more one each; an aircraft
    // with no engine to drive them (none, or a rocket) shows them running.
    // With engines of a kind but none counted, nothing drives them.
    int pump[2] = {0, 0};
    if (a.entype == 0 || a.entype == 6) pump[0] = pump[1] = 1;
    else if (a.numen == 1) pump[0] = pump[1] = flt.engine_running[0] != 0;
    else if (a.numen >= 2) pump[0] = flt.engine_running[0] != 0, pump[1] = flt.engine_running[1] != 0;
    text(pump[0] ? 41 : 45, E + 657, 271, "HYDRAULIC PUMP 1");
    text(pump[1] ? 41 : 45, E + 657, 261, "HYDRAULIC PUMP 2");
    text(rel.on_ram_air ? 42 : 41, E + 657, 244, "RAM AIR TURBINE ON");

    // Both pointers glide to the pressure with a second's time constant; a
    // pressure that is not a number leaves them where they were.
    float t = E + 734 + rel.control_power * 53;
    for (float& p : pnl.hyd_pointer) {
        float next = p * (1 - msc.dt) + t * msc.dt;
        if (std::isfinite(next)) p = next;
    }
    plot_pointer(pnl.hyd_pointer[0], 212, 39);
    plot_pointer(pnl.hyd_pointer[1], 194, 39);
}

// ---- page 7: failures -------------------------------------------------------------

struct failure_line {
    float dx, y;
    const char* label;
    int flag;   // -1: always shown as working
};

static const failure_line failure_lines[] = {
    {657, 280, "AILERONS", sys_aileron},
    {657, 270, "ELEVATORS", sys_elevator},
    {657, 260, "RUDDERS", sys_rudder},
    {657, 250, "SLATS", sys_slats},
    {657, 240, "FLAP DISAG", sys_flaps},
    {657, 230, "THROTTLES", sys_throttle},
    {657, 220, "HYD SYSTEM", sys_hydraulics},
    {657, 210, "S.A.S.", sys_stability},
    {657, 200, "ASSYM FLAP", sys_asym_flap},
    {657, 190, "STAB TRIM", sys_trim},
    {657, 180, "T. REVERSE", -1},
    {657, 170, "ANTI-ICE", sys_anti_ice},
    {727, 280, "ENGINE #1", sys_engine + 0},
    {727, 270, "ENGINE #2", sys_engine + 1},
    {727, 260, "ENGINE #3", sys_engine + 2},
    {727, 250, "ENGINE #4", sys_engine + 3},
    {727, 240, "OIL PRES #1", sys_engine_power + 0},
    {727, 230, "OIL PRES #2", sys_engine_power + 1},
    {727, 220, "OIL PRES #3", sys_engine_power + 2},
    {727, 210, "OIL PRES #4", sys_engine_power + 3},
    {727, 200, "NOSE GEAR", sys_gear + 0},
    {727, 190, "LEFT GEAR", sys_gear + 1},
    {727, 180, "RIGHT GEAR", sys_gear + 2},
};

// Every line whatever the aircraft has: four engines' lines on a single.
static void failures_page(float E)
{
    for (const failure_line& l : failure_lines)
        text(l.flag < 0 || panel_system_ok(l.flag) ? 41 : 45, E + l.dx, l.y, l.label);
}

// ---- the display --------------------------------------------------------------------

void update_ecam(void)
{
    float E = eng_x();
    if (!pnl.hyd_pointers_set) {
        pnl.hyd_pointer[0] = pnl.hyd_pointer[1] = E + 775;
        pnl.hyd_pointers_set = 1;
    }
    // The engine page is the engine gauges' own.
    int page = ins.ecam_page;
    if (page == ecam_engines) return;
    OGL_fillrect(29, E + 648, 167, 149, 141);
    switch (page) {
    case ecam_fuel: fuel_page(E); break;
    case ecam_controls: controls_page(E); break;
    case ecam_hydraulics: hydraulics_page(E); break;
    case ecam_cautions: failures_page(E); break;
    default: break;   // no page of its own: the empty box
    }
}
