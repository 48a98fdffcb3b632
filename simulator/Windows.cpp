// Window start-up: every change of the open window goes through
// MACIBM_startwind, which composes the window's static picture once into
// rgb_array and uploads it as the background tiles 500 to 534. The library
// opens its own windows (996 to 999); this file has the simulator's table
// of them with the managers that the frame step runs instead of the flight
// while one is open (in the Windows_ topic files), and the main view's
// cockpit panel background.
//   window start-up
//   the cockpit panel background
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Do_atc.h"
#include "Do_graph.h"
#include "Drplane.h"
#include "Funct.h"
#include "Graphnif.h"
#include "P_init.h"
#include "records.h"
#include "Windows.h"

#include <cstdio>
#include <cstring>

flightplanstruct fpl;

// ---- the window table ----------------------------------------------------------

// Each window by its id: title, size, the manager the frame step runs while
// it is open, and the picture drawn under its controls.
struct sim_window {
    int id;
    const char* title;
    float dx, dy;
    void (*manage)(void);
    const char* background;
};

static const sim_window sim_windows[] = {
    {win_main, "", 800, 600, nullptr, nullptr},
    {win_airport_id, "Airport by ID", 176, 440, manage_id_, "loc_id_"},
    {win_airport_name, "Airport by Name", 334, 200, manage_nam, "loc_nam"},
    {win_chart, "Enroute", 0, 0, manage_map, "loc_nrt"},     // sized by the region
    {win_world, "World", 788, 443, manage_wrl, "loc_wrl"},
    {win_lat_lon, "Set Lat/Lon", 246, 165, manage_lat, "loc_lat"},
    {win_find_me, "Where Am I?", 531, 121, manage_whr, "loc_whr"},
    {win_data_output, "Set Data Output", 620, 400, manage_dat, "set_dat"},
    {win_serial_output, "Set Serial Output", 600, 478, manage_ser, "set_ser"},
    {win_time_of_day, "Set Time Of Day", 691, 147, manage_tim, "set_tim"},
    {win_rendering, "Set Rendering Options", 600, 540, manage_ogl, "set_ogl"},
    {win_weather_space, "Set Weather Space", 197, 84, manage_spa, "set_spa"},
    {win_weather_atmosphere, "Set Weather Atmosphere", 618, 567, manage_atm, "set_atm"},
    {win_weather_ground, "Set Weather Ground", 197, 148, manage_gnd, "set_gnd"},
    {win_weather_water, "Set Weather Water", 197, 271, manage_wat, "set_wat"},
    {win_flight_mode, "Set Joystick & Flight Mode", 787, 519, manage_flt, "set_flt"},
    {win_weights, "Set Weights & Fuel", 436, 252, manage_wgt, "set_wgt"},
    {win_reliability, "Set Reliability", 344, 345, manage_rel, "set_rel"},
    {win_instrument_reliability, "Set Reliability", 350, 520, manage_ins, "set_ins"},
    {win_equipment_reliability, "Set Reliability", 682, 560, manage_eqp, "set_eqp"},
    {win_sound, "Set Sound", 293, 251, manage_snd, "set_snd"},
    {win_warnings, "Set Warnings", 550, 172, manage_wrn, "set_wrn"},
    {win_graph, "Graphics Output", 620, 420, manage_grf, "out_grf"},
    {win_isometric, "Isometric Region", 760, 540, manage_iso, nullptr},
    {win_diagram, nullptr, 432, 494, manage_map, "out_plt"},  // titled by the chart's name in C_s
    {win_flight_plan, "Flight Plan", 589, 415, manage_pln, "fltplan"},
    {win_credits, "Credits", 589, 415, manage_cre, nullptr},
};

static const sim_window* find_window(int id)
{
    for (const sim_window& w : sim_windows)
        if (w.id == id) return &w;
    return nullptr;
}

void manage_open_window(int id)
{
    const sim_window* w = find_window(id);
    if (w && w->manage) w->manage();
}

const char* window_background(int id)
{
    const sim_window* w = find_window(id);
    return w ? w->background : nullptr;
}

void window_size(int id, float* dx, float* dy)
{
    const sim_window* w = find_window(id);
    *dx = w ? w->dx : 0;
    *dy = w ? w->dy : 0;
    if (id == win_chart) {
        *dx = chart_strip_width;
        *dy = chart_height;
    }
}

// The enroute chart is the region at the chart's scale, with room for its
// control strip on the right.
static void chart_size(float* dx, float* dy)
{
    *dx = fltlim((float)intround(env.reg_width * con.mtrtonrt) + chart_strip_width, 0, 790);
    *dy = (float)intround(env.reg_depth * con.mtrtonrt);
}

// Sizes and centres the window; one missing from the table keeps the last
// size and has no title.
static const char* set_up_window(int id)
{
    const sim_window* w = find_window(id);
    float dx = mnw.dx, dy = mnw.dy;
    const char* title = "";
    if (w) {
        dx = w->dx;
        dy = w->dy;
        title = w->title ? w->title : C_s;
    }
    if (id == win_chart) chart_size(&dx, &dy);
    MACIBM_window_setup(id, dx, dy);
    return title;
}

// ---- leaving a window ------------------------------------------------------------

static void leave_airport_id(void)
{
    int a = -1;
    if (get_index_from_id(msc.typed_apt_id, 1, &a) && apt_has_runway(a)) {
        msc.apt_sel = a;
        msc.rwy_sel = apt_lo_ind[a];
        env.reg_lat = intround(rwy_lat[msc.rwy_sel] - 1.0f);
        env.reg_lon = intround(rwy_lon[msc.rwy_sel] - 1.5f);
        load_region(1);
        set_fltvars(place_runway, place_on_runway);
        return;
    }
    mnw.topwin = win_main;
    MACIBM_alert("I could not find an airport with this ID anywhere in the country!",
                 "Small airports (with a NUMBER for the first digit) are not simulated.",
                 "There are still over 6,100 airports simulated by Volanto.", "", alert_notice);
}

static void leave_weights(void)
{
    if (loaded_mass() <= pln[0].m_max) return;
    mnw.topwin = win_main;
    MACIBM_alert("Your total weight is above the maximum allowable weight for the airplane!",
                 "You will be breaking several Federal Aviation Regulations by flying this thing!",
                 "You SHOULD reduce your fuel or fixed load.", "", alert_notice);
}

static void leave_atmosphere(void)
{
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) atm.thermal_cell[i][j] = fltrand(0, 0.99f) < atm.thermal_coverage;
}

// The instruments are the first ten system flags, the equipment the rest.
const int instrument_flags = 10;

static void leave_instrument_reliability(void)
{
    for (int k = 0; k < instrument_flags; k++) rel.system_ok[k] = 1;
}

static void leave_equipment_reliability(void)
{
    for (int k = instrument_flags; k < system_flags; k++) rel.system_ok[k] = 1;
    for (float& t : set.alarm_stamp) t = 0;
}

static void leave_sound(void)
{
    stop_engine_and_windrain();
    play_engine_and_windrain();
}

// The controller's phrase to the user, then the sentence.
static void say_to_user(const char* sentence)
{
    start_command_string(C_s, 1);
    char phrase[line_max];
    snprintf(phrase, sizeof phrase, "%s%s", C_s, sentence);
    snprintf(C_s, sizeof C_s, "%s", phrase);
    speakstring(C_s);
}

static void leave_flight_plan(void)
{
    if (!get_index_from_id(fpl.destination, 1, &atc.dest_apt)) {
        say_to_user("I am unable to find an airport with that identifier. You will need to file to an airport that "
                    "I have in my computer.");
        return;
    }
    atc.plan_state = 0;
    if (fpl.active) {
        say_to_user("flight plan amended as requested.");
    } else {
        fpl.filed = 1;
        fpl.active = 0;
    }
}

// What the window being left applies of what it edited.
static void leave_window(int id)
{
    switch (id) {
    case win_airport_id: leave_airport_id(); break;
    case win_lat_lon: set_up_env_with_latlon(env.reg_lat + 1.0f, env.reg_lon + 1.0f); break;   // the typed point
    case win_weights: leave_weights(); break;
    case win_data_output: set_dataoutput_params(); break;   // it empties the graph itself
    case win_weather_atmosphere: leave_atmosphere(); break;
    case win_instrument_reliability: leave_instrument_reliability(); break;
    case win_equipment_reliability: leave_equipment_reliability(); break;
    case win_sound: leave_sound(); break;
    case win_flight_plan: leave_flight_plan(); break;
    }
}

// ---- window start-up --------------------------------------------------------------

void MACIBM_startwind(int id)
{
    if (id == win_startup) id = win_main;
    else initing = 0;
    // The window being left applies what it edited, unless an alert opens
    // over it or it is only drawn again (a repaint).
    if (id != win_alert && id != mnw.topwin) leave_window(mnw.topwin);
    // A window or dialog holds the frames up: their time is not the flight's.
    if (id != win_main) suspend_frame_timing();
    if (MACIBM_library_window(id)) return;

    const char* title = set_up_window(id);
    if (id == win_main) MACIBM_main_view_frame();
    else MACIBM_window_frame(title, 1);
    MACIBM_startwind2();
}

// The start-up screen's tips: one of each list, picked anew at every start.
static const char* const tips_a[] = {
    "Do the controls in Volanto seem a bit too sensitive for your taste? Simply go to the 'HARDWARE AND FLIGHT MODE' window in the 'SETTINGS' menu to adjust the joystick and damping properties. You can make the joystick less sensitive.",
    "Be sure to check out the 'SET DATA OUTPUT' window in the 'SETTINGS' menu to output data that you never thought to ask about! (Things like propulsive efficiency, drag in pounds, lift-over-drag-ratio, and mach-number).",
    "Check out the 'RENDERING OPTIONS' in the 'SETTINGS MENU' to try raising the texture resolution... IF YOUR 3-D CARD HAS ENOUGH RAM! (Like 16 meg)",
    "No joystick? Click in the centre of the windshield and the mouse flies the aircraft; click there again to get the pointer back.",
    "Hit ENTER to call air traffic control. The list of calls comes up over the view; the arrow keys pick one and ENTER makes it.",
    "The 'Q' and 'E' keys turn your head 45 degrees at a time; 'W' looks straight ahead again, 'A' shows the aircraft from behind.",
    "Pressed 'P'? That pauses the flight. Hit 'P' again to fly on.",
    "Every key Volanto knows is listed in 'Volanto Instructions.txt' beside the program, for the American, French and German keyboards.",
    "Airwright builds aircraft from their wings, bodies and engines; Volanto flies them from the forces on every part, so a badly balanced design flies badly.",
    "Foilwright draws and tests airfoils. Give a wing a new airfoil in Airwright and feel the difference in its stall.",
    "The 'LOCATION' menu lists every airport of the loaded region with its runway ends: pick one to start on it, or on a VFR or ILS final.",
    "Lost? 'Find Me' in the 'LOCATION' menu shows where you are; 'Get Me Lost' puts you somewhere over the region to find your own way home.",
    "The 'SPECIAL' menu starts you on a carrier's catapult, behind a tow plane, under a bomber's wing, or on approach to an oil rig or a forest fire.",
    "'Enter Flight Replay Mode' in the 'VIEW' menu plays back the last ten minutes of your flight, forwards and backwards, at any speed.",
    "Turn on 'Report Logged Time to Volanto.log' in the 'SPECIAL' menu and Volanto keeps your total, night and instrument time.",
    "'Save Situation' in the 'FILE' menu keeps the place, weather, radios and aircraft of the moment; 'Load Situation' brings them all back.",
    "The radios tune by clicking above a frequency knob to go up and below it to go down. Hold the button and the knob turns faster.",
    "Set the weather in the 'SETTINGS' menu: clouds, wind layers, shear, turbulence, rain and thunderstorms, and the waves for a seaplane.",
    "Equipment fails realistically when you want it to: the reliability windows in the 'SETTINGS' menu set what fails, when, and how often.",
    "A heavy aircraft needs a long runway: 'Weights & Fuel' in the 'SETTINGS' menu sets the fuel and the load, and warns you above the maximum weight.",
    "The '=' and '-' keys zoom the view in and out; in the chase and follow views they move the camera nearer and further.",
    "Skycaster shows the weather of the region's airports before you fly into it.",
};
static const char* const tips_b[] = {
    "Fly the approach at the speed the aircraft's designer gave it: too slow and the wing stalls, too fast and the runway runs out.",
    "If the program acts up after a change of settings, 'Reset Preferences and Exit' in the 'SPECIAL' menu brings back the factory settings.",
};
const int tips_a_count = (int)(sizeof tips_a / sizeof tips_a[0]);
const int tips_b_count = (int)(sizeof tips_b / sizeof tips_b[0]);

static void draw_startup_screen(void)
{
    int w, h;
    OGL_texbmp(bmp_window, 0, 0, "VSYS", &w, &h);
    MACIBM_showinit(0);
    const char* a = tips_a[intrand(1, tips_a_count) - 1];
    const char* b = tips_b[intrand(1, tips_b_count) - 1];
    OGL_fillrect(29, 10, 20, 300, 176);
    OGL_line(22, 10, 20, 10, 196);
    OGL_line(22, 10, 196, 310, 196);
    OGL_line(18, 310, 196, 310, 20);
    OGL_line(18, 310, 20, 10, 20);
    OGL_string(6, 15, 185, a, 280, 6);
    OGL_string(3, 15, 115, b, 280, 6);
    OGL_string(12, 15, 55, "Volanto and its companions: written from scratch by the Volanto team.", 280, 6);
    OGL_string(12, 15, 35, "Free to build, fly and change: the source comes with the suite.", 280, 6);
}

// The window's picture under its controls: the chart's strip at its right
// edge, any other at the window's origin.
static void draw_window_background(int id)
{
    if (id == win_credits) {
        OGL_fillrect(26, 0, 0, mnw.dx, mnw.dy);
        return;
    }
    const char* name = window_background(id);
    if (!name) return;
    int w, h;
    OGL_texbmp(bmp_window, id == win_chart ? mnw.dx - chart_strip_width : 0, 0, name, &w, &h);
}

// The charts open on the whole region, or on the diagram's airport.
static void reset_chart_view(void)
{
    env.map_zoom = 1;
    env.map_x = env.reg_west_x;
    env.map_z = env.reg_south_z;
    int a = msc.diagram_apt;
    if (msc.chart_kind == chart_diagram && apt_has_runway(a)) {
        int r = apt_lo_ind[a];
        env.map_x = X_with_latlon(rwy_lat[r], rwy_lon[r]) - 25950;
        env.map_z = Z_with_lat(rwy_lat[r]) + 25950;
    }
    env.profile_shift = 0;
}

void MACIBM_startwind2(void)
{
    int id = mnw.topwin;
    if (initing) {
        if (id == win_main) draw_startup_screen();
    } else {
        if (id == win_main) compose_cockpit();
        else draw_window_background(id);
        reset_chart_view();
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
