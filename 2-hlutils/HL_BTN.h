// Bevelled frames of buttons, boxes and tool tips, and the immediate-mode
// widgets' shared selection state.
#pragma once

extern int select_ctr;   // widget counter, reset every frame by the frame loop

// Raised (non-zero) draws light left and top edges; 0 draws it pressed.
void MACIBM_button(float x1, float y1, float x2, float y2, int raised);

// Menus and tool tips drawn by the frame loop.
void MACIBM_draw_menu(void);      // the open drop-down
void MACIBM_draw_tooltip(void);   // the tool tip of this frame, once the mouse has rested
