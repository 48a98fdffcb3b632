// Window start-up: every change of the open window goes through
// MACIBM_startwind, which composes the window's static picture once into
// rgb_array and uploads it as the background tiles 500 to 534. The library
// opens its own windows (996 to 999); this file has the simulator's, the
// main view's cockpit panel background, and the managers that the frame
// step runs instead of the flight while one is open.
//   window start-up
//   the cockpit panel background
//   window managers
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Drplane.h"
#include "P_init.h"
#include "records.h"
#include "Windows.h"

#include <cstdio>
#include <cstring>

flightplanstruct fpl;

static const window_entry window_table[] = {
    {win_main, "", 800, 600},
    {win_airport_id, "Airport by ID", 176, 440},
    {win_airport_name, "Airport by Name", 334, 200},
    {win_world, "World", 788, 443},
    {win_lat_lon, "Set Lat/Lon", 246, 165},
    {win_find_me, "Where Am I?", 531, 121},
    {win_data_output, "Set Data Output", 620, 400},
    {win_serial_output, "Set Serial Output", 600, 478},
    {win_time_of_day, "Set Time Of Day", 691, 147},
    {win_rendering, "Set Rendering Options", 600, 540},
    {win_weather_space, "Set Weather Space", 197, 84},
    {win_weather_atmosphere, "Set Weather Atmosphere", 618, 567},
    {win_weather_ground, "Set Weather Ground", 197, 148},
    {win_weather_water, "Set Weather Water", 197, 271},
    {win_flight_mode, "Set Joystick & Flight Mode", 787, 519},
    {win_weights, "Set Weights & Fuel", 436, 252},
    {win_reliability, "Set Reliability", 344, 345},
    {win_instrument_reliability, "Set Reliability", 350, 520},
    {win_equipment_reliability, "Set Reliability", 682, 560},
    {win_sound, "Set Sound", 293, 251},
    {win_warnings, "Set Warnings", 550, 172},
    {win_graph, "Graphics Output", 620, 420},
    {win_isometric, "Isometric Region", 760, 540},
    {win_flight_plan, "Flight Plan", 589, 415},
    {win_credits, "Credits", 589, 415},
};

// The enroute chart is the region at the chart's scale, with room for its legend.
static const char* chart_window(void)
{
    float dx = fltlim((float)intround(env.reg_width * con.mtrtonrt) + 71, 0, 790);
    float dy = (float)intround(env.reg_depth * con.mtrtonrt);
    MACIBM_window_setup(win_chart, dx, dy);
    return "Enroute";
}

// The diagram's title is the chart's name, left in C_s by the menu command.
static const char* diagram_window(void)
{
    MACIBM_window_setup(win_diagram, 432, 494);
    return C_s;
}

static void draw_menu_bar(void)
{
    OGL_line(6, 0, 599, 799, 599);
    OGL_line(6, 0, 598, 799, 598);
    OGL_fillrect(18, 0, 585, 800, 13);
    OGL_line(22, 0, 584, 799, 584);
    OGL_line(22, 0, 583, 799, 583);
    OGL_fillrect(29, 0, 0, 800, 583);
    for (int m = 0; m < menus_max; m++) {
        if (!mnw.menu_name[m][0]) continue;
        OGL_string(22, mnw.menux1[m] + 1, mnw.menuy1[m] + 4, mnw.menu_name[m], 800, 6);
        OGL_string(6, mnw.menux1[m], mnw.menuy1[m] + 5, mnw.menu_name[m], 800, 6);
    }
}

void MACIBM_startwind(int id)
{
    if (id == win_startup) id = win_main;
    else initing = 0;
    // A window or dialog holds the frames up: their time is not the flight's.
    if (id != win_main) suspend_frame_timing();
    if (MACIBM_library_window(id)) return;

    const char* title;
    if (id == win_chart) title = chart_window();
    else if (id == win_diagram) title = diagram_window();
    else title = MACIBM_table_window(id, window_table, sizeof window_table / sizeof window_table[0]);
    if (id == win_main) draw_menu_bar();
    else MACIBM_window_frame(title, 1);
    MACIBM_startwind2();
}

void MACIBM_startwind2(void)
{
    if (mnw.topwin == win_main && initing) {
        int w, h;
        OGL_texbmp(bmp_window, 0, 0, "VSYS", &w, &h);
        MACIBM_showinit(0);
    } else if (mnw.topwin == win_main) {
        compose_cockpit();
    }
    OGL_upload_background();
    to_array = 0;
}

// ---- the cockpit panel background --------------------------------------------------

// The aircraft's own panel picture beside its file: 1 when it loaded. A
// path that does not fit means no custom panel.
static int load_custom_panel(void)
{
    char base[sizeof pln[0].C_path], path[sizeof pln[0].C_path];
    if (!plane_base_name(0, base, sizeof base)) return 0;
    if (snprintf(path, sizeof path, "%s panl", base) >= (int)sizeof path) return 0;
    int w, h;
    return OGL_texbmp(bmp_cockpit, 0, 0, path, &w, &h);
}

// The switch row under the windshield: each fitted switch in a frame with
// its label below (the panel picture holds the stall lamp and the
// autopilot's target windows), and the dark marker lamps.
static const float lamp_row_y = 314;

static void switch_field(float x, float w, const char* label)
{
    OGL_fillrect(22, x - 2, lamp_row_y - 2, w + 4, 14);
    OGL_framerect(18, x - 2, lamp_row_y - 2, w + 4, 14);
    OGL_string(12, x + w / 2 - 3.0f * (float)strlen(label), lamp_row_y - 11, label, 999, 6);
}

static void draw_lamp_row(void)
{
    const planestruct& a = pln[0];
    switch_field(38, 18, "LDG");
    if (a.HUDtype != 1) {
        switch_field(84, 18, "HUD");
        switch_field(123, 10, "CLR");
    }
    if (a.chuteEQ) switch_field(510, 18, "CHUTE");
    if (a.arrestingEQ) switch_field(556, 18, "HOOK");
    if (a.antiiceEQ) switch_field(602, 18, "A-ICE");
    if (a.jettisonEQ) switch_field(osh + 648, 18, "JETT");
    if (a.jatoEQ) switch_field(694, 18, "JATO");
    float r = radio_x();
    plot_marker(r + 494, 292, marker_outer_dark);
    plot_marker(r + 510, 292, marker_middle_dark);
    plot_marker(r + 526, 292, marker_inner_dark);
}

static void paste_face(const char* name, int kind)
{
    paste_picture(name, ins.ins_x[kind] - 64, ins.ins_y[kind] - 64);
}

static void paste_faces(void)
{
    const planestruct& a = pln[0];
    if (a.paneltype == 1) {
        if (show_ins(ins_asi)) paste_face("pict_asi", ins_asi);
        if (show_ins(ins_ah)) paste_face("pict_ahz", ins_ah);
        if (show_ins(ins_alt)) paste_face("pict_alt", ins_alt);
        if (show_ins(ins_ts)) paste_face(a.TStype == 2 ? "pict_ned" : "pict_trn", ins_ts);
        if (show_ins(ins_hsi)) paste_face("pict_hsi", ins_hsi);
        if (show_ins(ins_vvi)) paste_face("pict_vvi", ins_vvi);
    }
    if (show_ins(ins_adf)) paste_picture("pict_adf", adf_x() - 50, adf_y() - 96);
    if (show_ins(ins_supp)) {
        static const char* const supp_face[8] = {nullptr,    "pict_vor", "pict_str", "pict_arg",
                                                 "pict_rlt", "pict_var", "pict_rad", "pict_rmi"};
        if (a.supptype >= 1 && a.supptype <= 7) paste_picture(supp_face[a.supptype], supp_x() - 50, supp_y() - 82);
        // The clock under it, after the face that shares its corner.
        paste_picture("pict_tim", supp_x() - 50, supp_y() - 82);
        OGL_string(48, supp_x() + 18, supp_y() - 70, ":", 999, 6);
    }
    if (!has_nav1_receiver()) paste_picture("pict_gps", radio_x() + 489, 209);
    if (a.paneltype == 2) paste_picture("pict_efi", efis_x(), efis_y());
    if (a.gear_retract) paste_picture("b_gear", radio_x() + 608, 4);
    if (a.ecam) paste_picture("pict_eca", eng_x() + 645, 140);
}

// The glass panel's button labels over their click columns, the Mach
// number's and the HSI's labels; the ECAM's page labels over its buttons.
static void draw_display_labels(void)
{
    const planestruct& a = pln[0];
    if (a.paneltype == 2) {
        static const char* const mode_label[6] = {"z-  ", "z+  ", "enr ", "arr ", "wxr ", "TCAS"};
        for (int k = 0; k < 6; k++) OGL_string(39, efis_x() + 203 + 30 * k, efis_y() + 36, mode_label[k], 999, 6);
        if (show_ins(ins_asi)) OGL_string(44, asi_x() - 3, asi_y() - 61, "M=", 999, 6);
        if (show_ins(ins_hsi)) OGL_string(47, hsi_x() - 82, hsi_y() + 54, "NAV 2", 999, 6);
    }
    if (a.ecam) {
        static const char* const page_label[5] = {"ENGN", "FUEL", "FCON", "HYDR", "FAIL"};
        for (int k = 0; k < 5; k++) OGL_string(43, eng_x() + 648 + 30 * k, 150, page_label[k], 999, 6);
    }
}

// Engine faces: one column per engine, or one for tapes and helicopters.
static void draw_engine_faces(void)
{
    const planestruct& a = pln[0];
    int n = (a.tape || a.is_heli) ? 1 : intlim(a.numen, 0, plane_engines);
    float e = eng_x();
    for (int i = 0; i < n; i++) {
        switch (a.entype) {
        case 1:
        case 2:
            if (has_gauge_row0()) init_egt(e + en_x[0][i], en_y[0]);
            init_tac(e + en_x[1][i], en_y[1]);
            if (a.varpitchEQ) init_mpr(e + en_x[2][i], en_y[2]);
            break;
        case 3:
            init_tac(e + en_x[1][i], en_y[1]);
            init_trq(e + en_x[2][i], en_y[2]);
            break;
        case 4:
        case 5:
            init_n1_(e + en_x[1][i], en_y[1]);
            init_ff_(e + en_x[2][i], en_y[2]);
            break;
        case 6:
            init_ff_(e + en_x[1][i], en_y[1]);
            break;
        default:
            break;
        }
    }
}

static void draw_lever_slots(void)
{
    const planestruct& a = pln[0];
    int n = intlim(a.numen, 0, plane_engines);
    init_handle(slot_trim);
    if (a.entype == 1) init_handle(slot_carb_heat);
    if (a.sbrkEQ || a.fbrkEQ) init_handle(slot_speedbrake);
    if (has_variable_sweep(a)) init_handle(slot_sweep);
    if (a.vectEQ) init_handle(slot_vector);
    if (a.flapEQ || a.slatEQ) init_handle(slot_flaps);
    if (a.entype == 0) return;
    if (a.collectEQ) {
        init_handle(slot_throttle_first);
    } else {
        for (int i = 0; i < n; i++) init_handle(slot_throttle_first + i);
        // The propeller levers the panel draws: every propeller engine with a governor.
        if (a.entype >= 1 && a.entype <= 3 && a.varpitchEQ)
            for (int i = 0; i < n; i++) init_handle(slot_prop_first + i);
    }
    for (int i = 0; i < n; i++) init_handle(slot_mixture_first + i);
}

void compose_cockpit(void)
{
    planestruct& a = pln[0];
    a.cp = load_custom_panel();
    if (!a.cp) {
        paste_picture(a.is_heli ? "PANL_H" : "PANL_P", 0, 0);
        paste_picture("pict_rdo", radio_x() + 489, 0);
        char tail[sizeof a.tailnum];
        snprintf(tail, sizeof tail, "%.*s", (int)sizeof a.tailnum - 1, a.tailnum);
        OGL_string(9, 172, 319, tail, 999, 6);
    }
    draw_lamp_row();
    if (!a.cp) paste_faces();
    if (a.paneltype == 1 && show_ins(ins_asi)) init_asi();
    if (a.paneltype == 1 && !a.cp && show_ins(ins_vvi)) init_vvi();
    draw_display_labels();
    draw_engine_faces();
    if (!a.cp) draw_lever_slots();
}

// ---- window managers -----------------------------------------------------------

void manage_id_(void) {}    // stands in until the airport-ID window comes
void manage_nam(void) {}    // stands in until the airport-name window comes
void manage_wrl(void) {}    // stands in until the world-map window comes
void manage_lat(void) {}    // stands in until the latitude-longitude window comes
void manage_whr(void) {}    // stands in until the find-me window comes
void manage_dat(void) {}    // stands in until the data-output window comes
void manage_ser(void) {}    // stands in until the serial-output window comes
void manage_tim(void) {}    // stands in until the time-of-day window comes
void manage_ogl(void) {}    // stands in until the rendering window comes
void manage_spa(void) {}    // stands in until the weather-space window comes
void manage_atm(void) {}    // stands in until the weather-atmosphere window comes
void manage_gnd(void) {}    // stands in until the weather-ground window comes
void manage_wat(void) {}    // stands in until the weather-water window comes
void manage_flt(void) {}    // stands in until the hardware and flight-mode window comes
void manage_wgt(void) {}    // stands in until the weights and fuel window comes
void manage_rel(void) {}    // stands in until the reliability window comes
void manage_ins(void) {}    // stands in until the instrument-reliability window comes
void manage_eqp(void) {}    // stands in until the equipment-reliability window comes
void manage_snd(void) {}    // stands in until the sound window comes
void manage_wrn(void) {}    // stands in until the warnings window comes
void manage_iso(void) {}    // stands in until the isometric-region window comes
void manage_pln(void) {}    // stands in until the flight-plan form comes
void manage_cre(void) {}    // stands in until the credits window comes
