// Bevelled frames of buttons, boxes, windows and tool tips, and the
// immediate-mode widgets (HL_BTN_widgets.cpp). Owns the widgets' run state:
// the name list's thumb drag, the only thing a widget keeps between frames.
#pragma once

extern int select_ctr;   // widget counter, reset every frame by the frame loop

// A place in a window, window units, edges included. A button or box is
// named once as one of these and both drawn and hit-tested from it.
struct win_box {
    float x1, y1, x2, y2;
};

// 1 when (x, y) lies in b.
int  in_box(const win_box& b, float x, float y);

// Raised (non-zero) draws light left and top edges; 0 draws it pressed.
void MACIBM_button(float x1, float y1, float x2, float y2, int raised);
// A push button as every library button is drawn: a bevel on b and a second
// one a unit larger around it.
void MACIBM_button_box(const win_box& b, int raised);

// The frame of the open window (mnw.dx x mnw.dy) with its title bar and
// centred title; close_boxes adds the two close boxes in the bar's corners.
void MACIBM_window_frame(const char* title, int close_boxes);

// Menus and tool tips drawn by the frame loop.
void MACIBM_draw_menu(void);      // the open drop-down
void MACIBM_draw_tooltip(void);   // the tool tip of this frame, once the mouse has rested

// ---- widgets ---------------------------------------------------------------
//
// One call a frame each: reads this frame's mouse from mnw (mx, my,
// mouse_clicked, now_dragging, delay_dragging), edits the caller's variable,
// draws it at its new value and returns 1 on the frame the user changed it.
// (x, y) is the anchor in window units; every hit box includes its edges. A
// widget under the mouse that has a help text sets this frame's help line
// (mnw.help_x1, help_y2, help_message).

// The start-up's reset of the widgets' run state.
void clear_widget_run_state(void);

// The 9 x 9 bevelled box of a check box or radio box, lit when on.
void block(float x, float y, int on);
// A check box: a click toggles *value between 0 and 1.
int  inboolbtn(float x, float y, int* value, const char* help);
// One box of a radio group (boxes sharing one variable): a click sets
// *value = mine; the box is lit while *value == mine.
int  inonebool(float x, float y, int* value, int mine);
// A choice among N texts shown at (x, y), stepped by the background's arrows
// at x + width: the lower one (y - 17 to y + 3) back, the upper one (y + 3 to
// y + 23) on. *choice runs 1..N and wraps; a value from elsewhere outside it
// is held to its nearer end. in2textbtn's choice runs 0..1, an on/off variable.
int  in5textbtn(float x, float y, const char* t1, const char* t2, const char* t3, const char* t4,
                const char* t5, float width, int* choice);
int  in4textbtn(float x, float y, const char* t1, const char* t2, const char* t3, const char* t4, float width,
                int* choice);
int  in3textbtn(float x, float y, const char* t1, const char* t2, const char* t3, float width, int* choice);
int  in2textbtn(float x, float y, const char* t1, const char* t2, float width, int* choice);
// Four characters (blank, digits, capitals), each stepped by a click above
// (back) or below (on) y + 3 in its column of 10, held at blank and Z; any
// other character becomes "0". code holds 5: the end is written after the fourth.
// 1 on a click in a column.
int  in4charbtn(int colour, float x, float y, char* code);
// The digit wheel: digits places of 10 units, decimals of them after the
// point; a click above y + 3 in a place adds that place's step, below it
// takes it away (a click on the edge of two places steps both); the value is
// then held to lo..hi. 1 on a click in a place.
int  instdbtn_range(int colour, float x, float y, float* value, int digits, int decimals, float lo, float hi,
                    const char* help);
// instdbtn_range from 0, or from -hi with allow_negative, to the largest
// value the places show (digits 3, decimals 1: 99.9). digits 1 to 8.
int  instdbtn(int colour, float x, float y, float* value, int digits, int decimals, int allow_negative,
              const char* help);
// The scrolling pick list of entries lo..hi: 13 rows of name and id with
// entry *index in the middle row, arrows and a thumb on the right. A click
// on a row makes it the current one; *index stays in lo..hi. An empty list
// (hi < lo) shows no rows and leaves *index alone.
void plot_name_list(float x, float y, const char names[][40], const char ids[][5], int* index, int lo, int hi);

#ifndef PROG_VOLANTO
// ---- the editors' widgets ----------------------------------------------------

// A file name in colour 48 at (x, y); a click in the box just left of it
// (x - 20, y - 7 to x, y + 13) runs the open dialog for files of kind, which
// on OK leaves the file's name in name and its full path in path (path_max
// each). 1 on the frame of the click, whatever the dialog answered.
int  instringbtn(float x, float y, char* name, char* path, int kind, const char* help);
// An on/off box over an int: a click makes 0 into 1 and anything else into 0.
void inintbtn(float x, float y, int* flag, const char* help);
// A choice among six texts, stepped as in5textbtn's; *choice runs 1..6, and
// a value from elsewhere far outside it is held to its nearer end.
int  in6textbtn(float x, float y, const char* t1, const char* t2, const char* t3, const char* t4,
                const char* t5, const char* t6, float width, int* choice);
// Six characters, as in4charbtn's four (columns of 10, drawn 10 apart); code
// holds 7: the end is written after the sixth.
int  in6charbtn(int colour, float x, float y, char* code);

// The save question (window 997) before edits are lost: "Save changes to
// <name> first?" with Save, Don't Save and Cancel. Runs the frame loop until
// answered: 1 save first, 2 discard the changes, 3 cancel, also when the
// window went some other way. The program's own step does not run meanwhile.
const int nuke_save = 1;
const int nuke_discard = 2;
const int nuke_cancel = 3;
int  MACIBM_nuke_alert(const char* name);
// The question's picture, drawn by the window start-up of window 997.
void nuke_alert_picture(void);
#endif
