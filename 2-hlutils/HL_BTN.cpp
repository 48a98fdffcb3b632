#include "HL_BTN.h"
#include "HL_GRAPH.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <cstring>

int select_ctr = 0;

int in_box(const win_box& b, float x, float y) { return fltbox(x, y, b.x1, b.y1, b.x2, b.y2); }

void MACIBM_button(float x1, float y1, float x2, float y2, int raised)
{
    int first = raised ? 6 : 22;
    int second = raised ? 22 : 6;
    OGL_line(first, x1, y1, x1, y2);
    OGL_line(first, x1, y2, x2, y2);
    OGL_line(second, x2, y2, x2, y1);
    OGL_line(second, x2, y1, x1, y1);
}

void MACIBM_button_box(const win_box& b, int raised)
{
    MACIBM_button(b.x1, b.y1, b.x2, b.y2, raised);
    MACIBM_button(b.x1 - 1, b.y1 - 1, b.x2 + 1, b.y2 + 1, raised);
}

// ---- window frames -------------------------------------------------------

void MACIBM_window_frame(const char* title, int close_boxes)
{
    float dx = mnw.dx, dy = mnw.dy;
    OGL_fillrect(18, -5, -5, dx + 10, dy + 20);
    OGL_fillrect(12, 0, 0, dx, dy);
    MACIBM_button(-1, -1, dx, dy, 0);
    MACIBM_button(-5, -5, dx + 4, dy + 14, 1);
    MACIBM_button(-6, -6, dx + 5, dy + 15, 1);

    // The title centred in the bar, with three grooves either side where they fit.
    float w = (6.0f * strlen(title)) / 2;
    OGL_string(22, dx / 2 - w + 1, dy + 3, title, dx - 6, 6);
    OGL_string(6, dx / 2 - w, dy + 4, title, dx - 6, 6);
    float a = dx / 2 - w - 5, b = dx / 2 + w + 4, c = dx - 15;
    if (a > 14 && c > b) {
        for (int k = 1; k <= 3; k++) {
            float yk = dy + 3 * k;
            OGL_line(22, 14, yk + 2, a, yk + 2);
            OGL_line(22, b, yk + 2, c, yk + 2);
            OGL_line(12, 14, yk + 1, a, yk + 1);
            OGL_line(12, b, yk + 1, c, yk + 1);
        }
    }
    if (!close_boxes) return;
    for (float xb : {-1.0f, dx - 10}) {
        float yb = dy + 2;
        OGL_framerect(29, xb, yb, 10, 10);
        MACIBM_button(xb + 1, yb + 1, xb + 9, yb + 9, 1);
        MACIBM_button(xb + 2, yb + 2, xb + 8, yb + 8, 1);
    }
}

// ---- menus and tool tips -------------------------------------------------

static int menu_separator(int item) { return strcmp(mnw.item_name[item], "-") == 0; }

#ifdef PROG_VOLANTO
// A small disc before an item that is switched on.
static void item_mark(int item)
{
    if (item / items_per_menu != mnw.menu_up || !mnw.item_name[item][0]) return;
    float x = mnw.itemx1[item], y = mnw.itemy1[item];
    OGL_line(6, x + 5, y + 8, x + 7, y + 8);
    OGL_line(6, x + 4, y + 7, x + 8, y + 7);
    OGL_line(6, x + 4, y + 6, x + 8, y + 6);
    OGL_line(6, x + 4, y + 5, x + 8, y + 5);
    OGL_line(6, x + 5, y + 4, x + 7, y + 4);
}

static void simulator_marks(void)
{
    if (set.view_id >= item_view_first && set.view_id <= item_view_last) item_mark(set.view_id);
    item_mark(grf.graph_shown ? item_trail_show : item_trail_hide);
    item_mark(set.replay_speed != 0 ? item_replay_enter : item_replay_leave);
    if (msc.logbook_on) item_mark(item_logbook);
}
#else
// A tick before an item whose option is in force: from 6 units in, its top
// about 8 units above the item's bottom.
static void item_mark(int item)
{
    if (!mnw.item_name[item][0] || menu_separator(item)) return;
    float x = mnw.itemx1[item] + 6, y = mnw.itemy1[item];
    OGL_line(6, x, y + 5, x + 2, y + 3);
    OGL_line(6, x, y + 6, x + 2, y + 4);
    OGL_line(6, x + 2, y + 3, x + 6, y + 8);
    OGL_line(6, x + 2, y + 4, x + 6, y + 9);
}

static void editor_marks(int menu)
{
    for (int k = 0; k < items_per_menu; k++) {
        int it = menu * items_per_menu + k;
        if (APPLICATION_item_marked(it)) item_mark(it);
    }
}
#endif

void MACIBM_draw_menu(void)
{
    int menu = mnw.menu_up;
    if (menu < 0 || menu >= menus_max) return;
    int first = menu * items_per_menu;

    int hover = -1;
    for (int k = 0; k < items_per_menu; k++) {
        int it = first + k;
        if (!mnw.item_name[it][0] || menu_separator(it)) continue;
        if (fltbox(mnw.mx, mnw.my, mnw.itemx1[it], mnw.itemy1[it], mnw.itemx2[it], mnw.itemy2[it] - 1)) hover = it;
    }
    if (hover >= 0 && menu < help_menus && mnw.item_help[hover][0]) {
        snprintf(mnw.help_message, sizeof mnw.help_message, "%s", mnw.item_help[hover]);
        mnw.help_x1 = mnw.itemx1[hover];
        mnw.help_y2 = mnw.itemy1[hover] - 5;
    }

    float x1 = (float)m_x1, y1 = (float)m_y1, x2 = (float)m_x2, y2 = (float)m_y2;
    OGL_fillrect(18, x1, y1, x2 - x1, y2 - y1);
    if (hover >= 0)
        OGL_fillrect(12, mnw.itemx1[hover], mnw.itemy1[hover], mnw.itemx2[hover] - mnw.itemx1[hover],
                     mnw.itemy2[hover] - mnw.itemy1[hover]);
    OGL_line(6, x1, y1 - 1, x1, y2);
    OGL_line(6, x1, y2, x2, y2);
    OGL_line(22, x2, y2, x2, y1 - 1);
    OGL_line(22, x2, y1 - 1, x1, y1 - 1);

    // Column breaks where an item starts further right than the one before.
    int prev = -1;
    for (int k = 0; k < items_per_menu; k++) {
        int it = first + k;
        if (!mnw.item_name[it][0]) continue;
        if (prev >= 0 && mnw.itemx1[it] != mnw.itemx1[prev]) {
            OGL_line(22, mnw.itemx1[it] - 1, y1, mnw.itemx1[it] - 1, y2);
            OGL_line(6, mnw.itemx1[it], y1, mnw.itemx1[it], y2);
        }
        prev = it;
    }

    // A triangle at the right end of every item that holds a submenu.
    for (int m = 0; m < menus_max; m++) {
        if (mnw.menu_prnt[m] != menu) continue;
        float sx = mnw.menux2[m], sy = mnw.menuy1[m];
        static const float ends[7] = {10, 8, 6, 4, 6, 8, 10};
        for (int r = 0; r < 7; r++) OGL_line(6, sx - 11, sy + 8 - r, sx - ends[r], sy + 8 - r);
        OGL_line(22, sx - 11, sy + 1, sx - 4, sy + 4);
    }

    for (int k = 0; k < items_per_menu; k++) {
        int it = first + k;
        if (!mnw.item_name[it][0]) continue;
        float ix1 = mnw.itemx1[it], iy1 = mnw.itemy1[it], ix2 = mnw.itemx2[it];
        if (menu_separator(it)) {
            OGL_line(22, ix1, iy1 + 1, ix2 - 1, iy1 + 1);
            OGL_line(6, ix1, iy1, ix2 - 1, iy1);
            continue;
        }
        int lit = it == hover;
        OGL_string(lit ? 29 : 22, ix1 + 13, iy1 + 2, mnw.item_name[it], 999, 6);
        OGL_string(lit ? 0 : 6, ix1 + 12, iy1 + 3, mnw.item_name[it], 999, 6);
    }
#ifdef PROG_VOLANTO
    simulator_marks();
#else
    editor_marks(menu);
#endif
}

void MACIBM_draw_tooltip(void)
{
    float x1 = mnw.help_x1, y2 = mnw.help_y2;
    int lines = (int)strlen(mnw.help_message) / 60;
    float right = (float)intround(x1 + 400);
    float bottom = (float)intround(y2 - 10.0f * (float)lines - 15);
    // Kept on the screen: pushed left off the right edge, up off the bottom.
    if (right > 790 - mnw.x) {
        float excess = right - (790 - mnw.x);
        x1 -= excess;
        right -= excess;
    }
    if (bottom < 10 - mnw.y) {
        float short_by = (10 - mnw.y) - bottom;
        bottom += short_by;
        y2 += short_by;
    }
    OGL_fillrect(18, x1 - 5, bottom - 5, right - x1 + 10, y2 - bottom + 10);
    OGL_fillrect(29, x1, bottom, right - x1, y2 - bottom);
    MACIBM_button(x1 - 1, bottom - 1, right + 1, y2 + 1, 0);
    MACIBM_button(x1 - 5, bottom - 5, right + 5, y2 + 5, 1);
    MACIBM_button(x1 - 6, bottom - 6, right + 6, y2 + 6, 1);
    OGL_string(42, x1 + 3, y2 - 11, mnw.help_message, right - x1 - 6, 6);
}

#ifndef PROG_VOLANTO
// ---- the save question ---------------------------------------------------

struct question_button {
    win_box box;
    const char* label;
    int answer;
};
static const question_button question_buttons[3] = {
    {{20, 45, 120, 60}, "     Save", nuke_save},
    {{20, 15, 120, 30}, "  Don't Save", nuke_discard},
    {{180, 15, 280, 30}, "    Cancel", nuke_cancel},
};

void nuke_alert_picture(void)
{
    OGL_string(29, 20, 80, g_cs1, 260, 6);
    for (const question_button& b : question_buttons) {
        MACIBM_button_box(b.box, 1);
        OGL_string(29, b.box.x1 + 10, b.box.y1 + 4, b.label, 999, 6);
    }
}

int MACIBM_nuke_alert(const char* name)
{
    // A long name is cut so that the whole question fits its line.
    const char* head = "Save changes to ";
    const char* tail = " first?";
    int room = line_max - 1 - (int)strlen(head) - (int)strlen(tail);
    snprintf(g_cs1, line_max, "%s%.*s%s", head, room, name ? name : "", tail);

    shell.MACIBM_startwind(win_question);
    while (mnw.topwin == win_question && !gdone) {
        MACIBM_event_proc();
        if (!mnw.mouse_clicked) continue;
        for (const question_button& b : question_buttons) {
            if (!in_box(b.box, mnw.mx, mnw.my)) continue;
            MACIBM_button_box(b.box, 0);
            shell.OGL_sbuf();
            shell.MACIBM_startwind(win_main);
            return b.answer;
        }
    }
    return nuke_cancel;
}
#endif
