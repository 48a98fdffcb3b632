// Foilwright's program state: its own misc record (the part being edited and
// its file), the airfoil record that holds the section's parameters, and the
// defaults a new part starts from; the menus and their commands (Init.cpp),
// and the screen: fields, plot and readout (Init_screen.cpp). Owns msc, the
// plot cursor and the call record foil_calls; the model and the file code in
// Function read and write msc and afl.
#pragma once
#include "Hl_types.h"

const int part_airfoil = 200;        // the part types are the file kinds
const int part_flap = 201;
const int view_alpha = 300;          // lift, drag and moment against angle
const int view_polar = 301;          // drag and moment against lift

// Foilwright's own layout, in this order.
struct miscstruct {
    int part_type;                   // part_airfoil or part_flap
    int view_type;                   // view_alpha or view_polar
    int part_named;                  // 1 once the part has a file of its own
    int part_dirty;                  // 1 while edits are unsaved
    char part_fname[path_max];       // the name the save question shows
    char part_path[path_max];        // full path of the part's file
};

extern miscstruct msc;

// Every parameter of both part types back to the defaults; the part becomes
// an untitled, clean part of this type, and its tables are generated.
void reset_to_default(int type);

// ---- menus and commands --------------------------------------------------

// Menu items, menu x 100 + index; Quit is the library's item_quit (105).
const int item_about = 0;
const int item_new = 100;
const int item_open = 101;
const int item_save = 102;
const int item_save_as = 103;
const int item_file_rule = 104;
const int item_airfoil = 200;
const int item_flap = 201;
const int item_view_alpha = 300;
const int item_view_polar = 301;

// What donewdeal and dothing do.
const int deal_new = 0;
const int deal_open = 1;
const int deal_quit = 2;
const int deal_switch = 3;          // to the part type given

// Runs action after the save question when the part is dirty: Save first
// goes on only once the part was written, Cancel stops the command. Every
// action but Quit ends in the main view.
void donewdeal(int action, int type);
// The action itself: New and a switch reset to type, Open reads the file the
// dialog picks, Quit sets gdone.
void dothing(int action, int type);
// The save dialog, then the write, under the typed name with the part
// type's extension (".afl", ".flp") added unless it has it in either case.
// 1 when the part was written; 0 when the dialog was cancelled, the path
// with the extension would not fit (after a notice) or the write failed.
int  saveasproc(void);

// The library's modal windows as Foilwright calls them; each starts as the
// function of its name, and tests point them at scripted answers.
struct foil_call_record {
    int (*MACIBM_nuke_alert)(const char* name);
    int (*MACIBM_opensave)(int mode, int kind, char* name, char* path);
};
extern foil_call_record foil_calls;

// ---- screen --------------------------------------------------------------

// The plot box: 401 columns from x 250, values from y 140 to 540 about 340.
const int plot_x = 250;
const int plot_y_low = 140;
const int plot_y_high = 540;
const int plot_y_zero = 340;
const int plot_last_column = 400;
// fpx's answer for a column whose value is not a number: nothing is drawn there.
const int plot_no_column = -100000;

// The cursor's column, kept from frame to frame for the whole run; it
// starts at 5 degrees.
const int plot_start_column = 250;
struct plot_run_state {
    int cursor = plot_start_column;  // 0 .. plot_last_column
};
extern plot_run_state plot_run;
void clear_plot_run_state(void);     // the cursor back to its start, column 250

// One point of a curve at column x: drawn in colour at y 340 + value x 200
// when that lies in the plot box; a value that is not finite is left out.
void  elementpoint(int colour, int x, float value);
// The plot's x for a column: the column itself in view 300; in view 301 the
// scaled lift there (an airfoil's column held to its stall angles and to the
// table), or plot_no_column when that lift is not a number.
int   fpx(int column);
// The table entry that column shows: column + 70 for an airfoil, column for a flap.
int   plot_index(int column);
// What the readout shows for the cursor: the angle in degrees, or the flap's
// deflection from 0 to 1.
float cursor_position(void);
