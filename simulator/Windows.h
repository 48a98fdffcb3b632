// The simulator's windows and what they hold between frames. Owns the flight
// plan fpl: the flight-plan form writes it, ATC reads it, and every new
// flight clears it.
#pragma once

// The settings windows by mnw.topwin; win_main (0) is the main view.
const int win_airport_id = 1;
const int win_airport_name = 2;
const int win_chart = 3;                  // the chart of msc.chart_kind
const int win_world = 4;
const int win_lat_lon = 5;
const int win_find_me = 6;
const int win_data_output = 7;
const int win_serial_output = 8;
const int win_time_of_day = 9;
const int win_rendering = 10;
const int win_weather_space = 11;
const int win_weather_atmosphere = 12;
const int win_weather_ground = 13;
const int win_weather_water = 14;
const int win_flight_mode = 15;           // hardware and flight mode
const int win_weights = 16;               // weights and fuel
const int win_reliability = 17;
const int win_instrument_reliability = 18;
const int win_equipment_reliability = 19;
const int win_sound = 20;
const int win_warnings = 21;
const int win_graph = 22;                 // the graphic flight record
const int win_isometric = 23;
const int win_diagram = 24;               // an airport diagram
const int win_flight_plan = 25;
const int win_credits = 26;

// The open window's manager, once a frame instead of the flight; the main
// view and a window without one have none.
void manage_open_window(int id);
// The picture drawn under window id's controls (bitmaps/VolSim/), or null.
const char* window_background(int id);
// The size of that picture: the window's own, and for the enroute chart its
// control strip, as tall as the region loader makes the chart.
void window_size(int id, float* dx, float* dy);
const float chart_strip_width = 71;
const float chart_height = 494;

// The main view's static picture, after the menu bar: the aircraft's own
// panel picture or the shipped panel and radio stack, the switch row and
// marker lamps, the instrument faces and scales, the engine faces and lever
// slots. Sets pln[0].cp when the aircraft's own picture loaded.
void compose_cockpit(void);

// ---- controls the settings windows and the panel share --------------------------

// The radio steppers. Only the size of step picks what moves, its sign the
// way: NAV and COM (hundredths of MHz) 10 a whole megahertz, wrapping in
// 108..117 and 118..136, 5 the fraction by 0.05 MHz, wrapping in 0..99 without
// a carry; the ADF (kHz) 100, 10, 1 one decimal digit, wrapping in 0..9 (any
// thousands drop); a transponder digit by step, 8 or more giving 0, below 0
// giving 7. Other steps change nothing.
void NAVinc(int* freq, int step);
void COMinc(int* freq, int step);
void ADFinc(int* freq, int step);
void XPNinc(int* digit, int step);
// The panel's levers by kind: a mouse coordinate along the lever's travel,
// from the lever's base, as 0..1. Kinds: 7 flaps, 10 wing sweep, 11 thrust
// vector, 12-15 throttles (12 also the collective), 16-19 propeller levers,
// 20-23 mixtures, 24 the carburettor heat; any other kind gives 0.
const int lever_flaps = 7;
const int lever_sweep = 10;
const int lever_vector = 11;
const int lever_throttle1 = 12;
const int lever_prop1 = 16;
const int lever_mixture1 = 20;
const int lever_carb_heat = 24;
float util_get_handle(int kind, float pos);

// A slider of one of six shapes editing *value between lo and hi (hi below
// lo runs it the other way; ends closer than 0.01 are pushed apart): 0 a
// vertical bar 54 high, 1 a bar 156 long with a pointer below, 2 to 4 thin
// bars 156 long in their own colours, 5 a bar 78 either side of x with a
// pointer, the value a share of it (-1..1). While the mouse drags inside its
// grab box the value follows the mouse; it is held to its range on every
// call. 1 on a frame the drag set it. Other kinds draw nothing and give 0.
int  util_scale(float x, float y, int kind, float lo, float hi, float* value);
// The row of failure slot `slot` (0..31), 39 units below (x, y) for each slot
// after first_slot: its mode selector and its time (hours, 0 to 99.99). With
// randomize set the slot first gets a random time from the reliability rate
// (0 to 1: the higher, the sooner) and the mode "always working" (1), or
// "mean time to fail" (2) for rates of 0.01 and above.
void util_setfailsit(int slot, int first_slot, float x, float y, int randomize, float rate);
// The data-output window's row y of item row: three columns of 20, 20 and 10
// rows 15 apart from y 354, with blank slots between the groups.
int  util_yval(int row);
// The region view's oblique projection of a local point (m) to window units
// from the region's south-west corner: north leans up and right.
void util_isomize(const float xyz[3], float* sx, float* sy, float scale);

// ---- the world map (window 4) and the region view (window 23) -------------------

// The world map's plate carree in window units: longitude -180..180 over x
// 0..788, latitude -60..80 over y 50..443; below the map a strip for its
// scale. The flown path and clicks keep to the map.
const float world_map_left = 0, world_map_right = 788;
const float world_map_bottom = 50, world_map_top = 443;
void world_map_point(float lat, float lon, float* x, float* y);
// The region corner (whole degrees) a click at (mx, my) on the map asks
// for: a degree south and a degree and a half west of the point, so that the
// start's request, the corner plus that, is the point clicked.
void world_map_corner(float mx, float my, int* lat, int* lon);
// The region view's scale, window units a metre: the largest at which the
// whole region's ground fits a window dx by dy in the oblique projection.
float iso_scale(float dx, float dy);
// Where the region view draws a local point (m): the oblique projection at
// scale s, the region's ground centred in the window dx by dy.
void iso_point(const float xyz[3], float s, float dx, float dy, float* x, float* y);

// The windows' managers: the frame step calls the open window's one each
// frame instead of the flight (manage_map in Do_graph.h, manage_grf in Graphnif.h).
void manage_id_(void);
void manage_nam(void);
void manage_wrl(void);
void manage_lat(void);
void manage_whr(void);
void manage_dat(void);
void manage_ser(void);
void manage_tim(void);
void manage_ogl(void);
void manage_spa(void);
void manage_atm(void);
void manage_gnd(void);
void manage_wat(void);
void manage_flt(void);
void manage_wgt(void);
void manage_rel(void);
void manage_ins(void);
void manage_eqp(void);
void manage_snd(void);
void manage_wrn(void);
void manage_iso(void);
void manage_pln(void);
void manage_cre(void);

// ---- the location windows' places ---------------------------------------------
// Where their live parts stand: the managers draw and hit-test them, and the
// background pictures put their labels beside them.
struct win_point {
    float x, y;
};
// Airport by ID: the typed identifier's four columns over the background's
// alphabet, one cell a character code from the top down.
const float id_column_x = 93;             // the first column's left edge
const float id_column_width = 17;
const float id_alphabet_top = 424;
const float id_cell_height = 11;
const int id_alphabet_codes = 37;         // blank, digits, capitals
// Airport by name: the pick list and the start and cancel buttons below it.
const win_point name_list_at = {20, 111};
const float name_button_y1 = 15, name_button_y2 = 35;
const float name_start_x1 = 20, name_start_x2 = 155;     // the cancel button starts where it ends
const float name_cancel_x2 = 290;
// Set Lat/Lon: the two digit wheels.
const win_point lat_field_at = {153, 130};
const win_point lon_field_at = {143, 85};
// Where Am I?: the position's numbers and the sentence above them.
const win_point where_lat_at = {67, 62};
const win_point where_lon_at = {67, 42};
const win_point where_sentence_at = {12, 89};
// The flight plan form.
const win_point plan_rules_at[3] = {{10, 385}, {10, 368}, {10, 351}};     // IFR, VFR, other
const win_point plan_tail_at = {79, 370};
const win_point plan_type_at = {159, 370};
const win_point plan_departure_at = {354, 366};
const win_point plan_cruise_at = {527, 366};
const win_point plan_destination_at = {25, 160};
const win_point plan_contact_at[2] = {{278, 105}, {322, 105}};

// The compass word of a bearing from north (degrees, 0..360): "north",
// "north-east" ... "north-west", each 45 degrees wide about its direction.
const char* compass_word(float bearing);
// The "Where Am I?" sentence for the user's aircraft and the chosen start
// airport: "12 miles north-east of NAME (ID)"; "" without such an airport.
void where_am_i_text(char* text, int cap);

// ---- the data-output, serial and rendering windows' places ----------------------
// Where their live parts stand: the managers draw and hit-test them, and the
// background pictures put their labels beside them (gen_13_output_windows).
// A choice field's arrows stand at its x + its click offset, 15 wide, the
// lower one from y - 17 to y + 3, the upper one from y + 3 to y + 23.
//
// Set Data Output: three columns of rows (util_yval), each row four check
// boxes 13 apart, one a destination, then the item's name.
const float dat_column_x[3] = {9, 241, 435};     // items 0-19, 20-39, 40-49
const int dat_column_rows = 20;
const int dat_to_serial = 0, dat_to_file = 1, dat_to_graph = 2, dat_to_cockpit = 3;   // box k at x + 13k
const float dat_box_step = 13;
const float dat_name_dx = 54;                   // the item's name from the column's x
const int dat_graph_most = 4;
const int dat_cockpit_most = 10;
// The column x of item (0..59); its row's y is util_yval(item).
inline float dat_item_x(int item)
{
    return dat_column_x[item < dat_column_rows ? 0 : item < 2 * dat_column_rows ? 1 : 2];
}
// Set Serial Output: mode k's button (0 off .. 5), 10 x 10 at x 20; the port.
const float ser_button_x = 20;
const float ser_button_y[6] = {451, 430, 366, 302, 238, 174};
const win_point ser_port_at = {530, 70};
const float ser_port_offset = 14;
// Set Rendering Options.
const win_point ogl_texture_at = {430, 502};
const win_point ogl_screen_at = {430, 457};
const float ogl_choice_offset = 43;
const float ogl_switch_x = 388, ogl_switch_offset = 85;
const float ogl_buildings_y = 412, ogl_traffic_y = 367, ogl_trees_y = 322;
// The driver's strings: names at x 25, values at x 150 in 440 units, one
// line each but the extensions, whose lines stop above the advice.
const float ogl_driver_name_x = 25, ogl_driver_value_x = 150, ogl_driver_width = 440;
const float ogl_vendor_y = 225, ogl_extensions_y = 195;
const float ogl_driver_bottom = 110;            // no driver line below this
const float ogl_advice_top = 100;               // the advice's first line; 10 apart down

// How text breaks into lines of at most cols characters: at the last blank
// that fits, or, for a word longer than a line, at the line's end; the
// blanks at a break belong to no line. The start (an index into text) and
// length of each line up to most lines; the count of lines written. A text
// of blanks alone has none.
int  fit_text_lines(const char* text, int cols, int most, int starts[], int lengths[]);

// What the rendering window keeps between frames: the chosen screen
// resolution and whether the user changed it since the start, after which
// every click in the window writes "XRes 5.prf". The start-up's reset.
void clear_output_window_state(void);

// ---- the time and weather windows' places ---------------------------------------
// A choice field's arrows stand right after its longest text: the texts
// are 6 units a character, and arrows under them would hide the words.

// Set Time Of Day: the day's bar from midnight to midnight, the marker
// standing above the hour, and the clock under the bar.
const float day_bar_left = 38, day_bar_right = 652;
const float day_marker_y = 95;
const float day_marker_width = 3, day_marker_height = 10;
const win_point clock_hours_at = {133, 26};
const win_point clock_colon_at = {145, 26};
const win_point clock_minutes_at = {150, 26};
// Set Weather Space.
const win_point meteor_choice_at = {29, 31};
const float meteor_arrows_dx = 93;
// Set Weather Atmosphere, the clouds (feet): their kind, the tops and the
// base above sea level and above the chosen airport.
const win_point cloud_type_at = {114, 516};
const float cloud_type_arrows_dx = 75;
const win_point cloud_tops_at = {19, 515};
const win_point cloud_base_at = {19, 453};
const win_point cloud_base_agl_at = {122, 453};
// The air's sliders (kind 1, the trend kind 5 about its x), each read-out
// over its bar. The visibility's number is text ("12.5"), its point a
// character of its own, so that it ends a blank before its class.
const float air_slider_x = 41;
const float visibility_y = 393;
const float precip_y = 336;
const float storm_y = 279;
const float turbulence_y = 222;
const float shear_y = 165;
const win_point trend_at = {119, 108};
const win_point visibility_number_at = {42, 395};
const win_point visibility_class_at = {72, 395};
const float level_word_x = 96;             // 2 above its bar's y
const win_point trend_word_at = {50, 110};
// The wind layers: ground (0), middle (1) and upper (2) heights, ft above
// ground (the ground's 0 only shown); a row of three bars a property,
// the ground layer's lowest and each layer above 9 units higher; the
// ranges from the ground to the upper layer in lines under the rows.
const win_point wind_height_at[3] = {{329, 456}, {329, 487}, {329, 528}};
const float wind_bar_x = 303;
const float wind_row_y[5] = {417, 382, 341, 306, 265};   // by the wl_ properties
const float wind_layer_dy = 9;
const win_point wind_range_at = {375, 252};              // the first line's value
const float wind_range_dy = 10;
const win_point thermal_coverage_at = {303, 184};
const win_point thermal_rate_at = {303, 154};
// The chosen airport's ATIS, the real-weather box and line, the sea-level
// temperature and pressure, and the box that draws the weather field anew.
const win_point atis_at = {241, 106};
const float atis_width = 351;
const win_point real_weather_box_at = {19, 68};
const win_point real_weather_line_at = {25, 45};
const win_point sl_temp_at = {487, 517};
const win_point baro_at = {477, 457};
const float regenerate_x1 = 475, regenerate_y1 = 415, regenerate_x2 = 602, regenerate_y2 = 440;
// Set Weather Ground.
const win_point friction_choice_at = {29, 95};
const float friction_arrows_dx = 111;
// Set Weather Water: the height and direction fields, the derived length
// and speed.
const win_point wave_height_at = {18, 195};
const win_point wave_length_at = {21, 140};
const win_point wave_speed_at = {21, 85};
const win_point wave_dir_at = {18, 30};

// The time of day (s) a click on the day's bar at x gives, 0 to 24 hours.
float day_bar_time(float x);
// The runway surface's class of a friction, 1 clean and dry (1.0), 2 damp
// or slushy (0.7), 3 wet or icy (0.4): the nearest, held to the three.
int   friction_class(float friction);
// The atmosphere window's words: a visibility (nm), a 1-to-5 level
// (precipitation, storms, turbulence), a shear level, a trend (-1..1).
const char* visibility_class(float nm);
const char* level_word(float level);
const char* shear_word(float level);
const char* trend_word(float trend);
// What they keep between frames, the atmosphere window's last ATIS, back to
// its start.
void clear_weather_windows_state(void);

// ---- the controls, weights, reliability, sound and warning windows' places ------
// Where their live parts stand, shared with their background pictures'
// labels (gen_13_settings_windows).
//
// What they keep between frames, the joystick input being assigned, back to
// its start.
void clear_settings_windows_state(void);
//
// Joystick and flight mode: the three sensitivity sliders (pitch, roll, yaw)
// and the stability augmentation's, each a vertical bar 20 wide and 54 high.
const win_point flt_sensitivity_at[3] = {{21, 404}, {55, 404}, {89, 404}};
const win_point flt_augment_at = {479, 432};
const float flt_slider_height = 54;
// The hardware check boxes at x 475: rudder pedals, avionics stack, throttle
// quadrant, collective stick.
const float flt_hardware_x = 475;
const float flt_hardware_y[4] = {381, 332, 282, 222};
const win_point flt_layout_at = {634, 148};   // keyboard layout, arrows 15 right
const float flt_layout_arrows = 15;
// The stick's reach about its centre and the yaw bar over it, 49 units a
// full deflection.
const win_point flt_stick_at = {92, 311};
const float flt_yaw_y = 237;
const float flt_yaw_height = 14;
const float flt_reach = 49;
// The joystick's inputs, one row each from the top, and the functions an
// input can have, one box each from the top.
const win_point flt_input_at = {198, 469};
const float flt_input_step = 20;
const float flt_input_width = 71, flt_input_height = 15;
const win_point flt_function_at = {280, 474};
const float flt_function_step = 15;
const int flt_functions = 31;

// Weights and fuel: sliders 156 long at x 117, read-outs in pounds at x 118.
const float wgt_slider_x = 117;
const float wgt_payload_y = 160, wgt_fuel_y = 115, wgt_jettison_y = 70;
const float wgt_slider_length = 156;
const float wgt_readout_x = 118;
const float wgt_empty_y = 205, wgt_total_y = 29;
const win_point wgt_max_at = {330, 29};
const win_point wgt_endurance_at = {330, 117};

// Hours of fuel at the aircraft's full-power burn on all engines, 0 when it
// has no engine that burns fuel.
float endurance_hours(float fuel);

// Reliability: the global likelihood's one digit, and the failure rows of
// the instruments (slots 0-9) and the equipment (10-20 left, 21-31 right)
// under their rate sliders.
const win_point rel_rate_at = {166, 253};
const win_point ins_slider_at = {21, 445};
const win_point ins_rows_at = {0, 378};
const int ins_first_slot = 0, ins_last_slot = 9;
const win_point eqp_slider_at[2] = {{21, 485}, {353, 485}};
const win_point eqp_rows_at[2] = {{0, 418}, {332, 418}};
const int eqp_first_slot[2] = {10, 21}, eqp_last_slot[2] = {20, 31};
const float fail_row_step = 39;
const float fail_mode_dx = 151, fail_mode_arrows = 54, fail_time_dx = 282;

// Sound: the check boxes from the top (the headset's stands in), the speech
// engine's line, three rows of 10 when wrapped, and below them where the
// voice comes from.
const win_point snd_box_at[5] = {{19, 224}, {33, 201}, {19, 174}, {19, 151}, {19, 128}};
const win_point snd_speech_at = {25, 106};
const float snd_speech_width = 240;
const int snd_speech_rows = 3;
const win_point snd_voice_at = {25, 66};

// Warnings: the check boxes from the top.
const win_point wrn_box_at[3] = {{19, 134}, {19, 87}, {19, 40}};

// 48 bytes in this order.
struct flightplanstruct {
    int filed;
    int active;               // the filed plan is being flown with ATC
    int rules_ifr;            // at most one of the three rules set
    int rules_vfr;
    int rules_other;
    int contact_option_1;     // at most one of the two set
    int contact_option_2;
    char departure[5];        // four letters and the end; the start placement writes it
    char destination[5];
    int assigned_altitude;    // ft, ATC's
    int cruise_altitude;      // ft
};

static_assert(sizeof(flightplanstruct) == 48, "the flight plan is 48 bytes");

extern flightplanstruct fpl;
