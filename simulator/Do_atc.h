// Air traffic control: the controllers' phrases, spoken through the speech
// engine and shown on the ATC line. Owns the dialogue record atc, which
// every new flight clears.
#pragma once

const int atc_text_max = 400;
const int atc_menu_rows = 20;     // the ATC list's rows and columns under the cursor
const int atc_menu_cols = 5;

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
};

extern atcstruct atc;

int  initspeechsynth(void);             // 1 when the speech engine started; init_gen keeps it in msc.speech_ok
void speakstring(const char* text);     // one controller phrase
// The opening of a controller's phrase into text (line_max characters): to
// the user (own 1) or to other traffic (0); the caller appends its sentence.
void start_command_string(char* text, int own);

// Once a second from the periodic systems: the filed plan's dialogue (while
// it is filed and picked up), the approach being vectored (with
// last_request, while vectoring), and every fourth second the carrier's
// landing signal officer.
void handle_plan(int pilot_call);
void controller_respond(char* request);
void LSO_respond(void);
// The ATC window's list of calls: click 0 draws it (the 2D overlays, while
// atc.menu_on is set), click 1 acts on the row under the cursor.
void plot_atc_options(int click);
