// Window start-up: every change of the open window goes through
// MACIBM_startwind, which composes the window's static picture once into
// rgb_array and uploads it as the background tiles 500 to 534.
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

struct window_entry {
    int id;
    const char* title;
    float dx, dy;
};

static const window_entry window_table[] = {
    {0, "", 800, 600},
    {996, "ALERT", 400, 195},
    {997, "ALERT", 300, 100},
    {998, "OPEN", 320, 488},
    {999, "SAVE", 320, 488},
};

static const char* window_title = "";

static void draw_menu_bar(void)
{
    OGL_line(6, 0, 599, 799, 599);
    OGL_line(6, 0, 598, 799, 598);
    OGL_fillrect(18, 0, 585, 800, 13);
    OGL_line(22, 0, 584, 799, 584);
    OGL_line(22, 0, 583, 799, 583);
    OGL_fillrect(29, 0, 0, 800, 583);
    for (int m = 0; m < menus_max; m++) {
        if (!mnw.menu_name[m][0]) continue;
        OGL_string(22, mnw.menux1[m] + 1, mnw.menuy1[m] + 4, mnw.menu_name[m], 800, 6);
        OGL_string(6, mnw.menux1[m], mnw.menuy1[m] + 5, mnw.menu_name[m], 800, 6);
    }
}

static void draw_window_frame(void)
{
    float dx = mnw.dx, dy = mnw.dy;
    OGL_fillrect(18, -5, -5, dx + 10, dy + 20);
    OGL_fillrect(12, 0, 0, dx, dy);
    MACIBM_button(-1, -1, dx, dy, 0);
    MACIBM_button(-5, -5, dx + 4, dy + 14, 1);
    MACIBM_button(-6, -6, dx + 5, dy + 15, 1);

    float w = (6.0f * strlen(window_title)) / 2;
    OGL_string(22, dx / 2 - w + 1, dy + 3, window_title, dx - 6, 6);
    OGL_string(6, dx / 2 - w, dy + 4, window_title, dx - 6, 6);
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
    if (mnw.topwin >= 996 && mnw.topwin <= 999) return;
    for (float xb : {-1.0f, dx - 10}) {
        float yb = dy + 2;
        OGL_framerect(29, xb, yb, 10, 10);
        MACIBM_button(xb + 1, yb + 1, xb + 9, yb + 9, 1);
        MACIBM_button(xb + 2, yb + 2, xb + 8, yb + 8, 1);
    }
}

void MACIBM_startwind(int id)
{
    if (id == -1) id = 0;
    else initing = 0;
    clear_file_window_state();

    window_title = "";
    for (const window_entry& w : window_table) {
        if (w.id != id) continue;
        window_title = w.title;
        mnw.dx = w.dx;
        mnw.dy = w.dy;
    }
    mnw.menu_up = -1;
    mnw.topwin = id;
    mnw.x = (float)intround((800 - mnw.dx) * 0.5f);
    mnw.y = (float)intround((600 - mnw.dy) * 0.5f);
    to_array = 1;
    got_event = 1;
    mnw.mouse_clicked = 0;
    memset(rgb_array, 0, sizeof rgb_array);

    if (id == 0) draw_menu_bar();
    else draw_window_frame();
    MACIBM_startwind2();
}

// Uploads rgb_array as 35 tiles of 128 x 128; pure magenta is transparent.
static void upload_tiles(void)
{
    static unsigned char tile[128 * 128 * 4];     // scratch of one call, static for its size
    for (int r = 0; r < 5; r++) {
        for (int c = 0; c < 7; c++) {
            for (int y = 0; y < 128; y++) {
                for (int x = 0; x < 128; x++) {
                    int px = 128 * c + x, py = 128 * r + y;
                    unsigned char* t = tile + (y * 128 + x) * 4;
                    if (px >= 800 || py >= 600) {
                        t[0] = t[1] = t[2] = t[3] = 0;
                        continue;
                    }
                    const unsigned char* s = rgb_array + (py * 800 + px) * 3;
                    t[0] = s[0];
                    t[1] = s[1];
                    t[2] = s[2];
                    t[3] = (s[0] == 255 && s[1] == 0 && s[2] == 255) ? 0 : 255;
                }
            }
            OGL_bindtex(tex_tiles_first + c + tex_tiles_across * r);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE, tile);
        }
    }
}

// ---- the library's open and save dialogs (998, 999) ------------------------
// The static parts: the two bars, the list with its scroll bar, and for
// saving the name field. OPENSAVE_update draws the entries over them.

static void dialog_bar(float y, const char* text)
{
    OGL_string(29, 224, y + 4, text, 800, 6);
    MACIBM_button(10, y, 310, y + 14, 1);
    MACIBM_button(9, y - 1, 311, y + 15, 1);
}

static void draw_file_dialog_frames(void)
{
    dialog_bar(468, "   Cancel    ");
    dialog_bar(447, "Go up a level");
    OGL_fillrect(29, 10, 34, 283, 406);
    MACIBM_button(10, 34, 293, 440, 0);
    OGL_fillrect(22, 296, 34, 14, 406);
    MACIBM_button(296, 34, 310, 440, 0);
    if (mnw.topwin == 999) {
        OGL_fillrect(29, 10, 10, 300, 18);
        MACIBM_button(10, 10, 310, 28, 0);
    }
}

// ---------------------------------------------------------------------------

void MACIBM_startwind2(void)
{
    if (mnw.topwin == 996) {
        OGL_string(29, 10, 180, g_cs1, 380, 6);
        OGL_string(29, 10, 140, g_cs2, 380, 6);
        OGL_string(29, 10, 100, g_cs3, 380, 6);
        OGL_string(29, 10, 60, g_cs4, 380, 6);
        OGL_string(29, 195, 19, "O.K.", 800, 6);
        MACIBM_button(20, 15, 380, 29, 1);
        MACIBM_button(19, 14, 381, 30, 1);
    }
    if (mnw.topwin == 998 || mnw.topwin == 999) draw_file_dialog_frames();
    if (mnw.topwin == 0 && initing) {
        int w, h;
        OGL_texbmp(-101, 0, 0, "VSYS", &w, &h);
        MACIBM_showinit(0);
    }
    upload_tiles();
    to_array = 0;
}
