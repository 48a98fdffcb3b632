// Air traffic control: the controllers' phrases, spoken through the speech
// engine and shown on the ATC line. Owns the dialogue record atc, which
// every new flight clears.
#pragma once
#include <cstddef>

const int atc_text_max = 400;
const int atc_menu_rows = 20;     // the ATC list's rows and columns under the cursor
const int atc_menu_cols = 5;

// The ATC list's levels: the calls, then the pick lists.
const int atc_level_options = 0;
const int atc_level_atis = 1;        // towered airports
const int atc_level_vectors = 5;     // every airport
const int atc_level_landing = 6;     // towered airports
const int atc_level_ils = 7;         // ILS localizers
const int atc_level_loc = 8;         // localizers alone
const int atc_level_par = 9;         // ILS localizers, talked down

struct atcstruct {
    char callsign[atc_text_max];      // leads every phrase to the user
    int menu_on;                      // the ATC window is shown
    int menu_level;                   // 0 options, 1 ATIS, 5 vectors, 6 landing, 7 ILS, 8 LOC, 9 PAR
    int menu_col;                     // 0..atc_menu_cols - 1, under the mouse or the arrow keys
    int menu_row;                     // 0..atc_menu_rows - 1
    int vectoring;                    // last_request is served again every second
    char last_request[atc_text_max];
    char ctrl_text[atc_text_max];     // the controller's last phrase
    float ctrl_text_until;            // s of simulated time
    int plan_state;                   // the flight-plan dialogue's step
    int dest_apt;                     // airport index
    int checkin_due;                  // after a hand-off
    int ball_called;                  // the carrier's landing signal officer
    float deck_rel[3];                // m, the eye from the carrier's landing reference point
    int vector_kind;                  // the approach of last_request: atc_level_ils, _loc or _par
};

extern atcstruct atc;

// ---- speech (Do_atc.cpp) ------------------------------------------------------

// 1 when the speech engine started; init_gen keeps it in msc.speech_ok.
int  initspeechsynth(void);
// Shows one controller phrase (cut to 399 characters) on the ATC line for
// 0.1 s a character while ATC text is on, and speaks it in the background
// while verbal ATC is on and the engine runs; never waits for the voice.
void speakstring(const char* text);

// ---- phrases, the active runway and ATIS (Do_atc_phrases.cpp) ---------------

// Every builder but get_phonetic appends to a buffer of atc_text_max and
// cuts what would not fit.
// Appends at most `most` characters of tail: a table's field need not end
// inside it.
void app_chars(char* text, const char* tail, size_t most);
void app_text(char* text, const char* tail);
void app_int(char* text, int n);
const int phonetic_word_max = 9;   // "november" and its end
// The word of a digit or capital letter ("niner", "x ray"), else empty;
// out holds phonetic_word_max.
void get_phonetic(char c, char* out);
// The opening of a controller's phrase: the user's callsign and tail number
// (own 1) or a random N-number of other traffic (0), in phonetic words from
// the number's second character on, each followed by a blank (a tail number
// of fewer than two characters has none); the caller appends its sentence.
void start_command_string(char* text, int own);
void app_freq(char* text, int mhz, int khz);          // "1 2 1 point 9 0"
void app_squawk(char* text);                          // four random digits 0..7
void app_heading_string(char* text, float heading, int step);   // "0 9 0", 0 as "3 6 0"
void app_turn_string(char* text, float heading, int step);      // from the magnetic heading
void app_wind_string(char* text, int direction, int speed, int variation, int gust);
void app_altimeter_string(char* text, float pressure);          // inHg in, inches or hectopascals out
void app_current_rway_string(char* text, int airport);          // "runway 2 7 left"
void app_rand_plane(char* text, float altitude_ft);             // a type of aircraft for the height
// The airport's runway in use from the wind (a real-weather report's when
// "WORLD.RWX" has one for the region) and its localizers: the runway's world
// index, its end (1 or 2), and the localizer when one lines up (has_ils 1).
// Without a localizer within 5 nm and with 5 knots of wind or less, the
// first runway's first end; runway -1 for an airport without runways, and
// localizer -1 when none lines up.
void get_active_rway(int airport, int* runway, int* end, int* has_ils, int* localizer);
// The airport's ATIS text under information `letter` (a capital), into out
// of atc_text_max, from the simulator's weather or, with
// use_real_weather, the nearest station's report; empty for an index
// outside the airport table.
void get_ATIS(int airport, char letter, char* out, int use_real_weather);

// ---- the dialogue (Do_atc_dialogue.cpp) -----------------------------------------

// One step of the filed plan's dialogue: once a second while the plan is
// filed and picked up (0), and from the ATC list when the pilot checks in (1).
void handle_plan(int pilot_called);
// Answers one pilot request ("WIN", "MIS", "DEC", or "request " and a kind of
// three capitals with its target's name straight after); once a second
// again with last_request while an approach is vectored.
void controller_respond(char* request);
// A background transmission, or nothing while the last phrase is shown; 1
// when it vectored the user.
int  make_random_call(int may_vector_user, int may_handoff_user);
// The dialogue's own clocks and last words, kept over flights for the run.
void clear_atc_dialogue_state(void);

// The carrier's landing signal officer (Do_atc.cpp): watches the user's eye
// point from the landing reference point and calls the ball, then power,
// attitude and line-up, or a wave-off close in.
void LSO_respond(void);

// ---- the ATC list (Do_atc_window.cpp) ----------------------------------------------

// The ATC window's list of calls: click 0 draws it (the 2D overlays, while
// atc.menu_on is set), click 1 acts on the row under the cursor.
void plot_atc_options(int click);
// 1 when the airport or navaid belongs in the pick list of atc.menu_level.
int  use_apt(int index);
int  use_nav(int index);
// The list's last mouse position, kept over flights for the run.
void clear_atc_window_state(void);
