#include "HL_BTN.h"
#include "HL_GRAPH.h"

int select_ctr = 0;

void MACIBM_button(float x1, float y1, float x2, float y2, int raised)
{
    int first = raised ? 6 : 22;
    int second = raised ? 22 : 6;
    OGL_line(first, x1, y1, x1, y2);
    OGL_line(first, x1, y2, x2, y2);
    OGL_line(second, x2, y2, x2, y1);
    OGL_line(second, x2, y1, x1, y1);
}

void MACIBM_draw_menu(void) {}
void MACIBM_draw_tooltip(void) {}
