// The instrument panel, drawn each frame in the main view over the panel
// background that the window start-up composed: the gyros and the compass,
// the status line, lamps, readouts, the instruments the aircraft's panel
// selectors choose, the engine gauges and every lever, and the small drawing
// functions they share. Owns the panel's run state pnl (gyro drift and the
// compass card), which a new flight does not clear, and the frame's handle
// list. The loader's layout (ins, en_x, thro_x...) is read through the
// panel's names below.
#pragma once
#include "Hl_types.h"

// ---- the layout under the panel's names -------------------------------------

// Instrument kinds of the loader's layout: ins.ins_x/ins_y[kind] centres,
// ins.ins_on[kind] shown (kinds 1-8).
const int ins_asi = 1;
const int ins_ah = 2;
const int ins_alt = 3;
const int ins_supp = 4;        // the supplementary slot, by supptype
const int ins_ts = 5;
const int ins_hsi = 6;
const int ins_vvi = 7;
const int ins_adf = 8;
const int ins_efis = 9;        // the main glass display
const int ins_baro = 10;       // the altimeter-setting knob

inline float asi_x(void) { return ins.ins_x[ins_asi]; }
inline float asi_y(void) { return ins.ins_y[ins_asi]; }
inline float ah_x(void) { return ins.ins_x[ins_ah]; }
inline float ah_y(void) { return ins.ins_y[ins_ah]; }
inline float alt_x(void) { return ins.ins_x[ins_alt]; }
inline float alt_y(void) { return ins.ins_y[ins_alt]; }
inline float supp_x(void) { return ins.ins_x[ins_supp]; }
inline float supp_y(void) { return ins.ins_y[ins_supp]; }
inline float ts_x(void) { return ins.ins_x[ins_ts]; }
inline float ts_y(void) { return ins.ins_y[ins_ts]; }
inline float hsi_x(void) { return ins.ins_x[ins_hsi]; }
inline float hsi_y(void) { return ins.ins_y[ins_hsi]; }
inline float vvi_x(void) { return ins.ins_x[ins_vvi]; }
inline float vvi_y(void) { return ins.ins_y[ins_vvi]; }
inline float adf_x(void) { return ins.ins_x[ins_adf]; }
inline float adf_y(void) { return ins.ins_y[ins_adf]; }
inline float efis_x(void) { return ins.ins_x[ins_efis]; }
inline float efis_y(void) { return ins.ins_y[ins_efis]; }
inline float baro_x(void) { return ins.ins_x[ins_baro]; }
inline float baro_y(void) { return ins.ins_y[ins_baro]; }
inline int show_ins(int kind) { return ins.ins_on[kind]; }
// The radio column's and the engine and lever group's x origins: the
// loader's two offsets, both along x.
inline float radio_x(void) { return ins.radio_dx; }
inline float eng_x(void) { return ins.radio_dy; }

// The glass displays' settings, over the start-up defaults of ins_sw and
// ins_val (ins_sw[0] is not one of them).
inline int& efis_mode(void) { return ins.ins_sw[1]; }       // 1 or 2
inline int& map_mode(void) { return ins.ins_sw[2]; }        // 0..2
inline int& efis_wx(void) { return ins.ins_sw[3]; }
inline int& efis_tfc(void) { return ins.ins_sw[4]; }
inline float& efis_range(void) { return ins.ins_val[0]; }   // nm
inline float& map_range(void) { return ins.ins_val[1]; }
inline float& map2_range(void) { return ins.ins_val[2]; }

// ECAM pages: 3 engines (the dial gauges show with it), then the others.
const int ecam_engines = 3;
const int ecam_fuel = 4;
const int ecam_controls = 5;
const int ecam_hydraulics = 6;
const int ecam_cautions = 7;

// ---- the panel frame --------------------------------------------------------

// The engine gauges, by the reading each holds per engine.
const int gauge_egt = 0;
const int gauge_tac = 1;
const int gauge_n1 = 2;
const int gauge_mpr = 3;
const int gauge_trq = 4;
const int gauge_ff = 5;
const int engine_gauges = 6;

// A system the panel reads works (rel.system_ok, the sys_* flags).
int panel_system_ok(int flag);
// An angle in 0..360 from any finite value.
float panel_wrap360(float v);
// A heading as a whole degree 0..359 for the cards and the sine tables, from
// any value: a course from a damaged file is many turns out, or no number (0).
int panel_whole_deg(float v);

// The panel frame's own readings: a flight value that is not a finite
// number fails its reading for the frame, and the panel shows the last
// finite one. Held values start at zero with the run, like the lagged ones.
enum held_reading {
    held_pitch, held_roll, held_heading, held_true_heading, held_acc_x,
    held_temp, held_fuel, held_ail_trim, held_rud_trim, held_elev_trim,
    held_sweep, held_vector, held_flap, held_sweep_req, held_vector_req, held_flap_req,
    held_carb_heat, held_collective, held_ap_alt, held_ap_vvi, held_ap_speed,
    held_cdi0, held_cdi1, held_gsi0, held_gsi1,
    held_throttle0, held_prop0 = held_throttle0 + plane_engines, held_mixture0 = held_prop0 + plane_engines,
    held_count = held_mixture0 + plane_engines
};
const int panel_held_readings = held_count;

// A lightning strike the stormscope shows until its expiry.
struct stormstrike {
    float x, z;                  // m, local
    float expiry;                // sim_time
};
const int storm_strikes = 30;
const int radar_colours = 5;     // black, green, dark green, yellow, red
// The weather radar's picture: radar_side x radar_side RGB pixels at the
// start of rgb_array, row 0 at the bottom, uploaded as texture tex_radar.
const int radar_side = 128;

// The panel's state over the whole run: a new flight or aircraft keeps it.
struct panelrunstruct {
    int drift_drawn;             // the gyro drifts are drawn on the first frame
    float gyro_drift_pitch;      // degrees, -40..-10 or 10..40
    float gyro_drift_roll;       // degrees, -20..-10 or 10..20
    float gyro_fail_time;        // sim_time of the last frame the vacuum worked
    float compass_hdg;           // the magnetic compass card, degrees 0..360
    // The dials' held and lagged readings: a failed instrument keeps its own.
    float asi_angle;             // the airspeed needle, degrees
    int alt_count;               // the altimeter: 360 counts a thousand feet
    float vvi_shown;             // the vertical-speed needle's offset, degrees
    float turn_angle;            // the turn needle, degrees
    float ball_offset;           // the slip ball, panel units
    float mmo_angle;             // the maximum-speed needle, degrees
    float asi_kts;               // the airspeed the drum and the glass tape show
    float mach;                  // the glass display's Mach number
    float alt_ft;                // the glass display's altitude, feet
    // Each engine gauge's last reading in its own units (the tachometer's
    // before the gear ratio): a reading that is not a number shows it.
    float engine_held[engine_gauges][plane_engines];
    float held[panel_held_readings];   // the frame's last finite readings
    // The cards and needles a failed gyro or radio leaves where they were.
    int hsi_card;                // degrees 0..359
    float rmi_card;              // degrees
    float adf_needle;            // degrees 0..360, relative to the nose
    float dme_nm;                // the DME's smoothed distance, nm 0..999
    // The supplementary instruments and the ECAM.
    int radalt_above;            // the radar altimeter read at or above the decision height
    float radalt_ft;             // its last height that was a number, 0..2500
    int flash_seen;              // the stormscope saw the flash last frame
    int strike_slot;             // the stormscope's last slot written, 0..29
    stormstrike strike[storm_strikes];
    float strike_clock;          // sim_time of the stormscope's last frame: a reset goes back
    double vari_energy;          // the variometer's last specific energy, m2/s2
    float vari_reading;          // its needle's last angle from level, degrees -128..128
    int hyd_pointers_set;        // the ECAM's hydraulic pointers have a place
    float hyd_pointer[2];        // panel x
    // The glass displays' weather radar: its colours, its texture, its last rebuild.
    int radar_colours_built;
    unsigned char radar_colour[radar_colours][3];
    int radar_texture_made;      // texture 167 exists (black until the first picture)
    int radar_tick;              // tick10 of the last frame that drew the radar; -1 after one without it
    int radar_uploads;           // pictures uploaded, for the tests and the benchmark
};
extern panelrunstruct pnl;
void clear_panel_run_state(void);
// Reading id's value v, or the last finite one when v is not a number.
float panel_hold(int id, float v);

// One frame's lever, switch and button pictures, drawn in one batch.
const int panel_handles_max = 64;
struct panelhandle {
    float x, y, w, h;
    int kind;                    // handle_* below
};
struct panelhandlelist {
    int count;
    panelhandle item[panel_handles_max];
};
extern panelhandlelist panel_handles;

// Once a frame after the scene and the panel background, while the main
// view shows the panel.
void update_panel(void);
// A press (or a held drag) at (x, y) in units of the 800 x 600 panel: works
// every lever, knob or button whose area holds the point, in a fixed order
// (a shared border works both). mnw.delay_dragging marks a held press.
void manage_das(float x, float y);

// A receiver's deviation in dots as a needle's offset: held to 5 dots
// either side (behind a station the receivers leave it unbounded).
int  needle_deviation(float v, float units_per_dot);

// ---- the instruments the driver calls ----------------------------------------

void update_airspeed(void);
void update_alt(void);
void update_vvi(void);
void update_arthoriz(void);
void update_turnslip(void);
// Deviations in the instruments' units: lateral across, vertical down.
void update_HSI(int lateral, int vertical);
void update_VORandGS(int lateral, int vertical);
void update_ADF(void);
void update_RMI(void);
void update_DME(void);
void update_GPS(void);
// The GPS destination's kind: nav.gps_mode, any value but 2 (NDB) or 3 (VOR)
// reading as 1 (airport); and its name, null when the index is outside its table.
int gps_kind(void);
// The last index of a GPS kind's table, -1 when it holds nothing.
int gps_table_last(int kind);
const char* gps_destination_name(void);
// One symbol of the moving map into an open quad batch of the symbol
// texture: kind 1 an airport (with its identifier below), 2 and 3 navaids.
void hs_plot_nav(int kind, int index, float x, float y);
void update_radalt(void);
void update_stormscope(void);
void update_vari(void);
// The glass displays: 12 the main display, 13 the moving map, 14 the weather radar.
const int glass_main = 12;
const int glass_map = 13;
const int glass_radar = 14;
void update_glass(int mode);
// A moving-map display's window and its map, from the display's settings in
// ins and the user's true heading. The aircraft point (cx, cy) lies side
// units right of the left edge, up units below the top and down above the
// bottom; the range reaches from it to the top edge.
struct glasswindow {
    int x0, y0, x1, y1;          // corners, panel units
    int side, up, down;
    int cx, cy;
    int map_mode;                // 0 centred, 1 expanded (aircraft low): heading up; 2 centred, north up
    float range;                 // nm
    float scale;                 // panel units per metre
    float map_angle;             // degrees the map turns: the true heading heading up, 0 north up
    float symbol_angle;          // degrees the aircraft symbol turns: 0 heading up, the true heading north up
};
glasswindow glass_window(int mode);
// Where a world offset from the user's aircraft (dx east, dz south, m) stands on the display.
void glass_point(const glasswindow& g, float dx, float dz, float* sx, float* sy);
// Engine e's gauge with its centre (dial) or foot (tape) at (x, y).
void update_egt(int e, float x, float y);
void update_tac(int e, float x, float y);
void update_mpr(int e, float x, float y);
void update_trq(int e, float x, float y);
void update_n1_(int e, float x, float y);
void update_ff_(int e, float x, float y);
void update_ecam(void);

// ---- drawing primitives -------------------------------------------------------

// What the radio-navigation instruments draw their cards, needles, scales
// and glide-slope marks with; tests point these at recorders. Each starts as
// the function of its name.
struct panel_draw_calls {
    void (*plot_dg)(float x, float y, int heading, float half_size);
    void (*plot_needle)(float x, float y, float angle, float r_tail, float r_tip, float half_width, int colour);
    void (*plot_tape)(int kind, float x, float y, float value);
    void (*plot_gs)(float x, float y);
};
extern panel_draw_calls panel_draw;

// Pictures of the handle sheet (texture 161), 4 x 4 cells of 32 units.
const int handle_button_off = 0;
const int handle_button_on = 1;
const int handle_gear_up = 2;
const int handle_gear_down = 3;
const int handle_ap_off = 4;
const int handle_ap_on = 5;
const int handle_switch_off = 6;
const int handle_switch_on = 7;
const int handle_throttle = 8;
const int handle_prop = 9;
const int handle_mixture = 10;
const int handle_trim = 11;
const int handle_flap = 12;
const int handle_speedbrake = 13;
const int handle_carb_heat = 14;
const int handle_sweep = 15;      // also the thrust vector

// Marker lamps: dark kinds (the background's) and lit ones.
const int marker_outer_dark = 8;
const int marker_outer_lit = 9;
const int marker_middle_dark = 10;
const int marker_middle_lit = 11;
const int marker_inner_dark = 12;
const int marker_inner_lit = 13;

// The glass displays' selector buttons, in pairs: the even kind selected.
const int argus_dp_on = 14;
const int argus_dp_off = 15;
const int argus_en_on = 16;
const int argus_en_off = 17;
const int argus_ar_on = 18;
const int argus_ar_off = 19;

// plot_glass_tape's orientations.
const int tape_horizontal = 15;
const int tape_vertical = 16;

// A needle about (x, y) at angle degrees clockwise from up, from r_tail (a
// negative one behind the pivot) to r_tip, half_width either side.
void plot_needle(float x, float y, float angle, float r_tail, float r_tip, float half_width, int colour);
void plot_pointer(float x, float y, int colour);    // tip at (x, y), pointing up
void plot_gs(float x, float y);                     // glide-slope bar from its top left
void plot_efis_light(float x, float y, int lit);
void plot_argus_button(float x, float y, int kind);
void plot_marker(float x, float y, int kind);
// The rotating card (texture 166), half_size either side of (x, y).
void plot_dg(float x, float y, int heading, float half_size);
// One span of the attitude indicator's row between the face's edges (the
// caller has opened a line batch); x_left, x_right are the face's row tables.
void plot_hline(int row, float hx, float hy, float* x_left, float* x_right, float slope, int clip_left,
                int clip_right);
// Every span of one side of the horizon: the inner face or the bank ring.
void plot_ahregion(float hx, float hy, int clip_left, int clip_right, float slope, int inner);
void plot_tape_bug(int colour, float x, float y, float half_height, float offset);
// A glass display's scrolling tape centred on value, half_length either side
// of centre: vertical (values grow upwards) with its ticks at edge and its
// numbers at label_pos, or horizontal with both as rows. A tick every step,
// a number every label_every clear of the current-value box of box_half
// about the centre (-999: no box); scale units per unit of value. The head-up
// display shares it. A value that is not a finite number draws nothing.
void plot_glass_tape(int colour, float label_pos, float edge, float centre, float half_length, float box_half,
                     float value, float step, int label_every, float scale, int orient);
// Four vertices of the handle sheet's picture kind; the caller sets the
// colour, binds texture 161 and opens the quad batch.
void plot_handle(float x, float y, float width, float height, int kind);
// One window onto the tapes texture (163): kind 0 a drum digit, 1-5 the strips.
void plot_tape(int kind, float x, float y, float value);
// A four-digit rolling drum; each digit rolls on as the one to its right
// passes 9.
void plot_vtape(float x, float y, float value);
// What the drum shows for value: thousands first, each a digit position
// that keeps its fraction while rolling.
void vtape_digits(float value, float d[4]);
