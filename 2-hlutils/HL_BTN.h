// Bevelled frames of buttons, boxes, windows and tool tips, and the
// immediate-mode widgets' shared selection state.
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
