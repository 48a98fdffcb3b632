// 2D drawing and the colour table, the dot-matrix font, the BMP loader and
// the window background.
//
// Sections: state caches, colours, primitives, font tables, text and
// numbers, BMP loader, window background.
#include "HL_GRAPH.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "program.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstring>

float col_rgb[80][3];
unsigned char current_rgb[3];
unsigned char rgb_array[rgb_array_bytes];
int to_array = 0;

// ---- state caches --------------------------------------------------------

// What GL was last told, for the whole run: a call that changes nothing
// reaches no GL function.
struct graph_run_state {
    int state_known = 0;                // the four switches below were read from GL
    int fog_on = 0, tex_on = 0, light_on = 0, depth_on = 0;
    int bound = -1;                     // the texture id bound last
};
static graph_run_state graph_run;

void clear_graph_run_state(void) { graph_run = graph_run_state(); }

void OGL_setstate(int fog, int texture, int lighting, int depth)
{
    int &state_known = graph_run.state_known, &fog_on = graph_run.fog_on, &tex_on = graph_run.tex_on;
    int &light_on = graph_run.light_on, &depth_on = graph_run.depth_on;
    if (!state_known) {
        fog_on = glIsEnabled(GL_FOG);
        tex_on = glIsEnabled(GL_TEXTURE_2D);
        light_on = glIsEnabled(GL_LIGHTING);
        depth_on = glIsEnabled(GL_DEPTH_TEST);
        state_known = 1;
    }
    if ((fog != 0) != (fog_on != 0)) fog ? glEnable(GL_FOG) : glDisable(GL_FOG);
    if ((depth != 0) != (depth_on != 0)) depth ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    if ((texture != 0) != (tex_on != 0)) texture ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
    if ((lighting != 0) != (light_on != 0)) {
        if (lighting) {
            glEnable(GL_LIGHTING);
            glEnable(GL_LIGHT0);
        } else {
            glDisable(GL_LIGHTING);
            glDisable(GL_LIGHT0);
        }
    }
    fog_on = fog;
    tex_on = texture;
    light_on = lighting;
    depth_on = depth;
}

// Texturing alone, the other three states as they are.
static void set_texturing(int on)
{
    const graph_run_state& g = graph_run;
    if (!g.state_known) OGL_setstate(0, on, 0, 0);
    else OGL_setstate(g.fog_on, on, g.light_on, g.depth_on);
}

void OGL_bindtex(int tex_id)
{
    int& bound = graph_run.bound;
    if (tex_id == bound) return;
    bound = tex_id;
    glBindTexture(GL_TEXTURE_2D, (GLuint)tex_id);
}

// ---- colours -------------------------------------------------------------

void OGL_setcolor(int colour)
{
    const float* c = col_rgb[colour];
    if (to_array) {
        for (int k = 0; k < 3; k++) current_rgb[k] = (unsigned char)intround(c[k] * 255.0f);
        return;
    }
    if (colour < 39) {
        // The panel light tints the first colours; a window open halves its effect.
        float t[3];
        for (int k = 0; k < 3; k++) {
            float lite = ins.lite_rgb[k];
            t[k] = c[k] * (mnw.topwin != win_main ? 0.5f * lite + 0.5f : lite);
        }
        glColor3f(t[0], t[1], t[2]);
    } else {
        glColor3f(c[0], c[1], c[2]);
    }
}

void OGL_assigncolor(int colour, float r, float g, float b)
{
    if (colour < 0 || colour > 79) MACIBM_alert("too many colors!", "", "", "", alert_fatal);
    col_rgb[colour][0] = r;
    col_rgb[colour][1] = g;
    col_rgb[colour][2] = b;
}

// ---- primitives ----------------------------------------------------------

// Points off the picture are dropped: rgb_array has no room beyond it.
void BUF_point(int x, int y)
{
    if (x < 0 || x >= 800 || y < 0 || y >= 600) return;
    unsigned char* p = rgb_array + (y * 800 + x) * 3;
    p[0] = current_rgb[0];
    p[1] = current_rgb[1];
    p[2] = current_rgb[2];
}

void OGL_sbuf(void)
{
    host_swap();
}

void OGL_line(int colour, float x1, float y1, float x2, float y2)
{
    OGL_setcolor(colour);
    float ox = mnw.x, oy = mnw.y;
    if (!to_array) {
        glBegin(GL_LINES);
        glVertex2f(x1 + ox + 0.5f, y1 + oy + 0.5f);
        glVertex2f(x2 + ox + 0.5f, y2 + oy + 0.5f);
        glEnd();
        // GL leaves a line's last pixel dark; the point lights it.
        glBegin(GL_POINTS);
        glVertex2f(x2 + ox + 0.5f, y2 + oy + 0.5f);
        glEnd();
        return;
    }
    float L = pythag(x2 - x1, y2 - y1);
    if (!std::isfinite(L)) return;
    // A zero-length line has no direction: it plots its start point once.
    float sx = L > 0 ? (x2 - x1) / L : 0, sy = L > 0 ? (y2 - y1) / L : 0;
    float px = x1 + ox, py = y1 + oy;
    for (float t = 0; t < L + 0.5f; t += 1.0f) {
        BUF_point(intround(px), intround(py));
        px += sx;
        py += sy;
    }
}

void OGL_fillrect(int colour, float x, float y, float w, float h)
{
    OGL_setcolor(colour);
    float ox = mnw.x, oy = mnw.y;
    if (!to_array) {
        glBegin(GL_TRIANGLES);
        glVertex2f(x + ox, y + oy);
        glVertex2f(x + ox, y + h + oy);
        glVertex2f(x + w + ox, y + h + oy);
        glVertex2f(x + w + ox, y + h + oy);
        glVertex2f(x + w + ox, y + oy);
        glVertex2f(x + ox, y + oy);
        glEnd();
        return;
    }
    // Only the part on the picture is walked.
    int c0 = intmax2(intround(x + ox), 0), c1 = intmin2(intround(x + ox + w), 800);
    int r0 = intmax2(intround(y + oy), 0), r1 = intmin2(intround(y + oy + h), 600);
    for (int c = c0; c < c1; c++)
        for (int r = r0; r < r1; r++) BUF_point(c, r);
}

void OGL_framerect(int colour, float x, float y, float w, float h)
{
    OGL_line(colour, x, y, x, y + h);
    OGL_line(colour, x, y + h, x + w, y + h);
    OGL_line(colour, x + w, y + h, x + w, y);
    OGL_line(colour, x + w, y, x, y);
}

void OGL_framecircle(int colour, float x, float y, float r)
{
    float lx = x, ly = y - r, rx = x, ry = y - r;
    for (float dy = -r; dy <= r; dy += 1.0f) {
        float w = sqrtf(fltmax2(r * r - dy * dy, 0));
        OGL_line(colour, lx, ly, x - w, y + dy);
        OGL_line(colour, rx, ry, x + w, y + dy);
        lx = x - w;
        ly = y + dy;
        rx = x + w;
        ry = y + dy;
    }
}

// The points are relative to the drawing origin: OGL_line adds it once, so
// an arc inside an open window stands where its caller put it.
void OGL_arc(int colour, float x, float y, float r_from, float r_to, float a_from, float a_to)
{
    for (float r = r_from; r <= r_to; r += 1.0f) {
        float px = 0, py = 0;
        int first = 1;
        for (float a = a_from; a <= a_to; a += 1.0f) {
            float qx = x + r * sinf(a * con.degtorad), qy = y + r * cosf(a * con.degtorad);
            if (first) {
                px = qx;
                py = qy;
                first = 0;
            }
            OGL_line(colour, px, py, qx, qy);
            px = qx;
            py = qy;
        }
    }
}

void OGL_2dquad(float s1, float t1, float s2, float t2, float s3, float t3, float s4, float t4,
                float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    float ox = mnw.x, oy = mnw.y;
    glBegin(GL_QUADS);
    glTexCoord2f(s1, t1); glVertex2f(x1 + ox, y1 + oy);
    glTexCoord2f(s2, t2); glVertex2f(x2 + ox, y2 + oy);
    glTexCoord2f(s3, t3); glVertex2f(x3 + ox, y3 + oy);
    glTexCoord2f(s4, t4); glVertex2f(x4 + ox, y4 + oy);
    glEnd();
}

void OGL_3dline(float x1, float y1, float z1, float x2, float y2, float z2)
{
    glVertex3f(x1, y1, z1);
    glVertex3f(x2, y2, z2);
}

// ---- 3D quads ----------------------------------------------------------------

static void quad_normal(const float p1[3], const float p2[3], const float p3[3])
{
    float a[3], b[3], n[3];
    for (int k = 0; k < 3; k++) {
        a[k] = p3[k] - p2[k];
        b[k] = p2[k] - p1[k];
    }
    find_normal_vects(a, b, n);
    glNormal3fv(n);
}

void OGL_3dquad(const float p1[3], const float p2[3], const float p3[3], const float p4[3])
{
    OGL_3dquad_st(p1, p2, p3, p4, 1, 1, 0, 0);
}

void OGL_3dquad_st(const float p1[3], const float p2[3], const float p3[3], const float p4[3], float s1, float t1,
                   float s2, float t2)
{
    quad_normal(p1, p2, p3);
    glTexCoord2f(s1, t1);
    glVertex3fv(p1);
    glTexCoord2f(s1, t2);
    glVertex3fv(p2);
    glTexCoord2f(s2, t2);
    glVertex3fv(p3);
    glTexCoord2f(s2, t1);
    glVertex3fv(p4);
}

void OGL_3dquad_range(const float p1[3], const float p2[3], const float p3[3], const float p4[3], float x0,
                      float z0, float dx, float dz)
{
    quad_normal(p1, p2, p3);
    for (const float* p : {p1, p2, p3, p4}) {
        glTexCoord2f((p[0] - x0) / dx, (p[2] - z0) / dz);
        glVertex3fv(p);
    }
}

// ---- font tables -----------------------------------------------------------

// Rows top to bottom, five dots each.
#define G_NONE  "....." "....." "....." "....." "....." "....." "....."
#define G_UNDER "....." "....." "....." "....." "....." "....." "#####"
#define G_0 ".###." "#...#" "#...#" "#...#" "#...#" "#...#" ".###."
#define G_1 "..#.." ".##.." "..#.." "..#.." "..#.." "..#.." "..#.."
#define G_2 ".###." "#...#" "....#" "...#." "..#.." ".#..." "#####"
#define G_3 ".###." "#...#" "....#" "..##." "....#" "#...#" ".###."
#define G_4 "...#." "..##." ".#.#." "#..#." "#####" "...#." "...#."
#define G_5 "#####" "#...." "####." "....#" "....#" "#...#" ".###."
#define G_6 "..##." ".#..." "#...." "####." "#...#" "#...#" ".###."
#define G_7 "#####" "....#" "...#." "..#.." ".#..." ".#..." ".#..."
#define G_8 ".###." "#...#" "#...#" ".###." "#...#" "#...#" ".###."
#define G_9 ".###." "#...#" "#...#" ".####" "....#" "...#." ".##.."
#define G_A ".###." "#...#" "#...#" "#####" "#...#" "#...#" "#...#"
#define G_B "####." "#...#" "#...#" "####." "#...#" "#...#" "####."
#define G_C ".###." "#...#" "#...." "#...." "#...." "#...#" ".###."
#define G_D "####." "#...#" "#...#" "#...#" "#...#" "#...#" "####."
#define G_E "#####" "#...." "#...." "####." "#...." "#...." "#####"
#define G_F "#####" "#...." "#...." "####." "#...." "#...." "#...."
#define G_G ".###." "#...#" "#...." "#.###" "#...#" "#...#" ".####"
#define G_H "#...#" "#...#" "#...#" "#####" "#...#" "#...#" "#...#"
#define G_I ".###." "..#.." "..#.." "..#.." "..#.." "..#.." ".###."
#define G_J "..###" "...#." "...#." "...#." "...#." "#..#." ".##.."
#define G_K "#...#" "#..#." "#.#.." "##..." "#.#.." "#..#." "#...#"
#define G_L "#...." "#...." "#...." "#...." "#...." "#...." "#####"
#define G_M "#...#" "##.##" "#.#.#" "#.#.#" "#...#" "#...#" "#...#"
#define G_N "#...#" "#...#" "##..#" "#.#.#" "#..##" "#...#" "#...#"
#define G_O ".###." "#...#" "#...#" "#...#" "#...#" "#...#" ".###."
#define G_P "####." "#...#" "#...#" "####." "#...." "#...." "#...."
#define G_Q ".###." "#...#" "#...#" "#...#" "#.#.#" "#..##" ".####"
#define G_R "####." "#...#" "#...#" "####." "#.#.." "#..#." "#...#"
#define G_S ".####" "#...." "#...." ".###." "....#" "....#" "####."
#define G_T "#####" "..#.." "..#.." "..#.." "..#.." "..#.." "..#.."
#define G_U "#...#" "#...#" "#...#" "#...#" "#...#" "#...#" ".###."
#define G_V "#...#" "#...#" "#...#" "#...#" "#...#" ".#.#." "..#.."
#define G_W "#...#" "#...#" "#...#" "#.#.#" "#.#.#" "#.#.#" ".#.#."
#define G_X "#...#" "#...#" ".#.#." "..#.." ".#.#." "#...#" "#...#"
#define G_Y "#...#" "#...#" ".#.#." "..#.." "..#.." "..#.." "..#.."
#define G_Z "#####" "....#" "...#." "..#.." ".#..." "#...." "#####"

const char font_dots[95][36] = {
    G_NONE,                                                          // space
    "..#.." "..#.." "..#.." "..#.." "..#.." "....." "..#..",         // !
    G_UNDER,                                                         // "
    ".#.#." ".#.#." "#####" ".#.#." "#####" ".#.#." ".#.#.",         // #
    "..#.." ".####" "#.#.." ".###." "..#.#" "####." "..#..",         // $
    "##..#" "##..#" "...#." "..#.." ".#..." "#..##" "#..##",         // %
    ".##.." "#..#." "#.#.." ".#..." "#.#.#" "#..#." ".##.#",         // &
    "..#.." "..#.." ".#..." "....." "....." "....." ".....",         // '
    "...#." "..#.." ".#..." ".#..." ".#..." "..#.." "...#.",         // (
    ".#..." "..#.." "...#." "...#." "...#." "..#.." ".#...",         // )
    "....." "..#.." "#.#.#" ".###." "#.#.#" "..#.." ".....",         // *
    "....." "..#.." "..#.." "#####" "..#.." "..#.." ".....",         // +
    "....." "....." "....." "....." "..#.." "..#.." ".#...",         // ,
    "....." "....." "....." "#####" "....." "....." ".....",         // -
    "....." "....." "....." "....." "....." "....." "..#..",         // .
    "....#" "....#" "...#." "..#.." ".#..." "#...." "#....",         // /
    G_0, G_1, G_2, G_3, G_4, G_5, G_6, G_7, G_8, G_9,
    "....." "..#.." "..#.." "....." "..#.." "..#.." ".....",         // :
    "....." "..#.." "..#.." "....." "..#.." "..#.." ".#...",         // ;
    "...#." "..#.." ".#..." "#...." ".#..." "..#.." "...#.",         // <
    "....." "....." "#####" "....." "#####" "....." ".....",         // =
    ".#..." "..#.." "...#." "....#" "...#." "..#.." ".#...",         // >
    ".###." "#...#" "....#" "...#." "..#.." "....." "..#..",         // ?
    ".###." "#...#" "#.###" "#.#.#" "#.###" "#...." ".###.",         // @
    G_A, G_B, G_C, G_D, G_E, G_F, G_G, G_H, G_I, G_J, G_K, G_L, G_M,
    G_N, G_O, G_P, G_Q, G_R, G_S, G_T, G_U, G_V, G_W, G_X, G_Y, G_Z,
    ".###." ".#..." ".#..." ".#..." ".#..." ".#..." ".###.",         // [
    "#...." "#...." ".#..." "..#.." "...#." "....#" "....#",         // backslash
    ".###." "...#." "...#." "...#." "...#." "...#." ".###.",         // ]
    "..#.." ".#.#." "#...#" "....." "....." "....." ".....",         // ^
    G_UNDER,                                                         // _
    G_UNDER,                                                         // `
    G_A, G_B, G_C, G_D, G_E, G_F, G_G, G_H, G_I, G_J, G_K, G_L, G_M,
    G_N, G_O, G_P, G_Q, G_R, G_S, G_T, G_U, G_V, G_W, G_X, G_Y, G_Z,
    G_UNDER,                                                         // {
    "..#.." "..#.." "..#.." "..#.." "..#.." "..#.." "..#..",         // |
    G_UNDER,                                                         // }
    G_UNDER,                                                         // ~
};

const char font_lower_dots[26][46] = {
    "....." "....." ".###." "....#" ".####" "#...#" ".####" "....." ".....",   // a
    "#...." "#...." "####." "#...#" "#...#" "#...#" "####." "....." ".....",   // b
    "....." "....." ".###." "#...." "#...." "#...#" ".###." "....." ".....",   // c
    "....#" "....#" ".####" "#...#" "#...#" "#...#" ".####" "....." ".....",   // d
    "....." "....." ".###." "#...#" "#####" "#...." ".###." "....." ".....",   // e
    "..##." ".#..#" ".#..." "###.." ".#..." ".#..." ".#..." "....." ".....",   // f
    "....." "....." ".####" "#...#" "#...#" "#...#" ".####" "....#" ".###.",   // g
    "#...." "#...." "#.##." "##..#" "#...#" "#...#" "#...#" "....." ".....",   // h
    "..#.." "....." ".##.." "..#.." "..#.." "..#.." ".###." "....." ".....",   // i
    "...#." "....." "..##." "...#." "...#." "...#." "...#." "#..#." ".##..",   // j
    "#...." "#...." "#..#." "#.#.." "##..." "#.#.." "#..#." "....." ".....",   // k
    ".##.." "..#.." "..#.." "..#.." "..#.." "..#.." ".###." "....." ".....",   // l
    "....." "....." "##.#." "#.#.#" "#.#.#" "#.#.#" "#.#.#" "....." ".....",   // m
    "....." "....." "#.##." "##..#" "#...#" "#...#" "#...#" "....." ".....",   // n
    "....." "....." ".###." "#...#" "#...#" "#...#" ".###." "....." ".....",   // o
    "....." "....." "####." "#...#" "#...#" "#...#" "####." "#...." "#....",   // p
    "....." "....." ".####" "#...#" "#...#" "#...#" ".####" "....#" "....#",   // q
    "....." "....." "#.##." "##..#" "#...." "#...." "#...." "....." ".....",   // r
    "....." "....." ".###." "#...." ".###." "....#" "####." "....." ".....",   // s
    ".#..." ".#..." "###.." ".#..." ".#..." ".#..#" "..##." "....." ".....",   // t
    "....." "....." "#...#" "#...#" "#...#" "#..##" ".##.#" "....." ".....",   // u
    "....." "....." "#...#" "#...#" "#...#" ".#.#." "..#.." "....." ".....",   // v
    "....." "....." "#...#" "#...#" "#.#.#" "#.#.#" ".#.#." "....." ".....",   // w
    "....." "....." "#...#" ".#.#." "..#.." ".#.#." "#...#" "....." ".....",   // x
    "....." "....." "#...#" "#...#" "#...#" "#...#" ".####" "....#" ".###.",   // y
    "....." "....." "#####" "...#." "..#.." ".#..." "#####" "....." ".....",   // z
};

const char* font_dots_of(char c)
{
    if (c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
    if (c < 32 || c > 126) return font_dots['_' - 32];
    return font_dots[c - 32];
}

int font_glyph_index(char c)
{
    static const char punct[] = "!@#$%^&*()-_+=[]|\\':;<.>,?/";   // glyphs 63 to 89
    if (c >= '0' && c <= '9') return 1 + (c - '0');
    if (c >= 'A' && c <= 'Z') return 11 + 2 * (c - 'A');
    if (c >= 'a' && c <= 'z') return 12 + 2 * (c - 'a');
    if (c != 0) {
        const char* p = strchr(punct, c);
        if (p) return 63 + (int)(p - punct);
    }
    return 74;
}

// ---- text and numbers ------------------------------------------------------

void OGL_sub_character(float x, float y, const int flags[35])
{
    int X = intround(x), Y = intround(y);
    for (int r = 0; r < 7; r++)
        for (int c = 0; c < 5; c++)
            if (flags[r * 5 + c]) BUF_point(X + c, Y + 6 - r);
}

void OGL_char(float x, float y, char c)
{
    if (c == ' ') return;
    if (to_array) {
        const char* dots = font_dots_of(c);
        int flags[35];
        for (int k = 0; k < 35; k++) flags[k] = dots[k] == '#';
        OGL_sub_character(x, y, flags);
        return;
    }
    int g = font_glyph_index(c);
    float s = (float)(g % 21) * 0.046875f, t = (float)(g / 21) * 0.171875f;
    glTexCoord2f(s, t);
    glVertex2f(x, y - 2);
    glTexCoord2f(s, t + 0.15625f);
    glVertex2f(x, y + 8);
    glTexCoord2f(s + 0.0390625f, t + 0.15625f);
    glVertex2f(x + 5, y + 8);
    glTexCoord2f(s + 0.0390625f, t);
    glVertex2f(x + 5, y - 2);
}

// The font texture, the alpha test and a quad list around a run of
// characters; the software path needs none of them.
static void text_begin(int colour)
{
    OGL_setcolor(colour);
    if (to_array) return;
    OGL_bindtex(tex_letters);
    set_texturing(1);
    glEnable(GL_ALPHA_TEST);
    glBegin(GL_QUADS);
}

static void text_end(void)
{
    if (to_array) return;
    glEnd();
    glDisable(GL_ALPHA_TEST);
    set_texturing(0);
}

void OGL_string(int colour, float x, float y, const char* text, float wrap_width, float advance)
{
    if (!text) return;
    float x0 = (float)intround(x + mnw.x), py = (float)intround(y + mnw.y), px = x0;
    text_begin(colour);
    for (int i = 0; text[i]; i++) {
        if (text[i] != '\n') {
            OGL_char(px, py, text[i]);
            px += advance;
        }
        if (wrap_width < 800) {
            // The next word, up to a blank or the end, at 6 units a character.
            int n = 0;
            while (text[i + 1 + n] && text[i + 1 + n] != ' ' && text[i + 1 + n] != '\n') n++;
            if (px + 6.0f * n > x0 + wrap_width) {
                py -= 10;
                px = x0;
            }
            if (text[i + 1] == '\n') {
                py -= 10;
                px = x0;
            }
        }
    }
    text_end();
}

// Computed in double: an infinite or huge value can neither overflow the
// digit count nor keep the scientific form dividing for ever.
void OGL_number(int colour, float x, float y, float value, int digits, int decimals,
                float advance, int sign)
{
    float px = (float)intround(x + mnw.x), py = (float)intround(y + mnw.y);
    text_begin(colour);

    int negative = value < 0;
    double mag = fabs((double)value);
    double scaled = trunc(mag * pow(10.0, decimals) + 0.5);
    int finite = std::isfinite(scaled) && scaled < 1e15;
    long long n = finite ? (long long)scaled : 0;
    int count = 1;
    for (long long m = n; m > 9 && count < 8; m /= 10) count++;
    if (!finite) count = 9;

    if (sign && negative && (n != 0 || !finite)) OGL_char(px - 6, py, '-');
    float cursor = px - advance;

    if (digits <= 0) {
        // nothing but the sign
    } else if (count <= digits) {
        long long place = 10000000;
        for (int k = 8; k >= 1; k--, place /= 10) {
            if (k >= 2 && decimals == k - 1) OGL_char(cursor + 1.5f * advance, py, '.');
            if (k <= digits) {
                OGL_char(cursor + advance, py, (char)('0' + (n / place) % 10));
                cursor += advance;
            }
        }
    } else {
        int e = 2;
        while (mag >= 999 && e <= 9) {
            mag /= 10;
            e++;
        }
        // Past e 9 the mantissa is no longer meaningful; 999 keeps it to three digits.
        long long m = std::isnan(mag) ? 0 : (mag >= 999 ? 999 : (long long)(mag + 0.5));
        OGL_char(cursor + 1.5f * advance, py, '.');
        OGL_char(cursor + advance, py, (char)('0' + (m / 100) % 10));
        OGL_char(cursor + 2 * advance, py, (char)('0' + (m % 100) / 10));
        OGL_char(cursor + 3 * advance, py, 'x');
        OGL_char(cursor + 4 * advance, py, e > 9 ? '0' : (char)('0' + e));
    }
    text_end();
}

// ---- BMP loader ------------------------------------------------------------

// Where a texture of kind bmp_shared lives, by its id; 0 when the path does not fit.
static int texture_folder(int id, char* out, int cap)
{
    const char* sub = "";
    if (id >= tex_terrain_first && id <= tex_terrain_last) sub = "terrain/";
    else if (id == tex_grass) sub = "grass/";
    else if (id == tex_dirt) sub = "dirt/";
    else if (id == tex_gravel) sub = "grav/";
    else if (id >= tex_asphalt_first && id <= tex_asphalt_last) sub = "asphalt/";
    else if (id >= tex_concrete_first && id <= tex_concrete_last) sub = "concrete/";
    else if (id >= tex_buildings_first && id <= tex_buildings_last) sub = "buildings/";
    else if (id >= tex_surfaces_first && id <= tex_surfaces_last) sub = "surfaces/";
    else if (id >= tex_overlay_first && id <= tex_overlay_last) sub = "overlay/";
    else if (id >= tex_fire_first && id <= tex_fire_last) sub = "fire/";
    else if (id >= tex_hand && id <= tex_dg) sub = "cockpit/";
    if (id >= tex_custom_first) return snprintf(out, cap, "%s", cus_path) < cap;
    if (id >= tex_object_first) return snprintf(out, cap, "%s", otx_path) < cap;
    return snprintf(out, cap, "%s%s", tex_path, sub) < cap;
}

#ifdef PROG_VOLANTO
struct season_name {
    int id;
    const char* name;
};

static const season_name dry_winter[] = {
    {58, "sno"}, {54, "mnt"}, {51, "mnt_wat_h"}, {52, "mnt_wat_c"}, {53, "wat_mnt_c"},
    {55, "mnt_sno_h"}, {56, "mnt_sno_c"}, {57, "sno_mnt_c"}, {59, "sno_wat_h"},
    {60, "sno_wat_c"}, {61, "wat_sno_c"}, {0, nullptr}};
static const season_name wet_winter[] = {
    {54, "sno"}, {51, "sno_wat_h"}, {52, "sno_wat_c"}, {53, "wat_sno_c"},
    {55, "sno_mnt_h"}, {56, "sno_mnt_c"}, {57, "mnt_sno_c"}, {0, nullptr}};
static const season_name tropics[] = {
    {50, "car"}, {52, "grs_car_c"}, {51, "grs_car_h"}, {60, "mnt_car_c"},
    {59, "mnt_car_h"}, {53, "car_grs_c"}, {61, "car_mnt_c"}, {0, nullptr}};

static const char* season_lookup(const season_name* table, int id, const char* name)
{
    for (; table->name; table++)
        if (table->id == id) return table->name;
    return name;
}

// Winter first, then the tropics over it. The tropics are both sides of the
// equator, the same test the scene's reloader makes.
static const char* seasonal_name(int id, const char* name)
{
    if (id < tex_terrain_first || id > tex_terrain_last) return name;
    float T = atm.sl_temp, P = atm.precip_level;
    if (T < 32 && P <= 1.0f) name = season_lookup(dry_winter, id, name);
    if (T <= 32 && P > 1.0f) name = season_lookup(wet_winter, id, name);
    if (fabsf(flt.lat) < 30) name = season_lookup(tropics, id, name);
    return name;
}

// Shrink factor from the texture-resolution setting, taken as 1 to 5 whatever
// the preferences held.
static int shrink_factor(int id)
{
    static const int other[5] = {4, 2, 2, 1, 1}, terrain[5] = {16, 8, 4, 2, 1};
    if ((id >= tex_hand && id <= 167) || id == 141 || id == 142 || id == 144) return 1;
    int level = intlim(ogl_res, 1, 5) - 1;
    return is_terrain_tex(id) ? terrain[level] : other[level];
}
#else
static const char* seasonal_name(int, const char* name) { return name; }
static int shrink_factor(int) { return 1; }
#endif

static unsigned read_u16(const unsigned char* p) { return p[0] | (p[1] << 8); }
static unsigned read_u32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((unsigned)p[3] << 24);
}

static void read_failure(const char* path)
{
    MACIBM_alert("File-scanning error!", "grf_inf.fail", "file:", path, alert_fatal);
}

// Builds the mipmap chain of the RGB picture in rgb_array in place, each
// level the truncated mean of the texels below it. Sides never drop under 1,
// so a thin picture still ends at 1 x 1.
static void upload_mipmaps(int w, int h)
{
    int level = 0;
    while (w > 1 || h > 1) {
        int nw = intmax2(1, w / 2), nh = intmax2(1, h / 2);
        for (int j = 0; j < nh; j++) {
            for (int i = 0; i < nw; i++) {
                for (int k = 0; k < 3; k++) {
                    int sum = 0, count = 0;
                    for (int dj = 0; dj < 2; dj++)
                        for (int di = 0; di < 2; di++) {
                            int sx = 2 * i + di, sy = 2 * j + dj;
                            if (sx >= w || sy >= h) continue;
                            sum += rgb_array[(sy * w + sx) * 3 + k];
                            count++;
                        }
                    rgb_array[(j * nw + i) * 3 + k] = (unsigned char)(sum / count);
                }
            }
        }
        w = nw;
        h = nh;
        level++;
        glTexImage2D(GL_TEXTURE_2D, level, GL_RGB, w, h, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb_array);
    }
}

static void make_texture(int id, int mode, int comps, int* width, int* height, const char* path)
{
    int w = *width, h = *height;
    int f = shrink_factor(id);
    GLint max_size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
    if (max_size > 0)
        while (f < 1024 && (max_size < w / f || max_size < h / f)) f *= 2;
    if (f > 1) {
        // Every f-th texel of every f-th row, alpha included; never below 1 x 1.
        int nw = intmax2(1, w / f), nh = intmax2(1, h / f);
        for (int r = 0; r < nh; r++)
            for (int c = 0; c < nw; c++)
                memmove(rgb_array + (r * nw + c) * comps, rgb_array + ((r * f) * w + c * f) * comps,
                        comps);
        w = nw;
        h = nh;
    }
    *width = w;
    *height = h;

    GLenum format = comps == 4 ? GL_RGBA : GL_RGB;
    OGL_bindtex(id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, (GLint)format, w, h, 0, format, GL_UNSIGNED_BYTE, rgb_array);
    if (mode == bmp_terrain) {
        upload_mipmaps(w, h);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    } else {
        int nearest = (id >= tex_fire_first && id <= tex_fire_last) || (id >= tex_letters && id <= tex_cursor) ||
                      id == 167;
        GLint filter = nearest ? GL_NEAREST : GL_LINEAR;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    }
    // Clamped to the edge: plain clamping would blend in the border colour.
    int clamped = is_terrain_tex(id);
    GLint wrap = clamped ? GL_CLAMP_TO_EDGE : GL_REPEAT;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    // Only now: the alert's window reuses rgb_array and the texture binding.
    if (mode == bmp_terrain && w != h)
        MACIBM_alert("WHOA!", "You have defined a NON-SQUARE texture for terrain!",
                     "NON-SQUARE textures are fine for everything but water and terrain files!", path, alert_notice);
}

int read_bmp(FILE* in, const char* path, int kind, int id_or_x, int mode_or_y, int* width, int* height)
{
    int paste = (kind == bmp_window || kind == bmp_cockpit);
    int id = paste ? 0 : id_or_x;
    int mode = paste ? 0 : mode_or_y;
    int comps = (mode == bmp_keyed || mode == bmp_glow) ? 4 : 3;
    int ox = paste ? (int)((float)id_or_x + mnw.x) : 0;
    int oy = paste ? (int)((float)mode_or_y + mnw.y) : 0;

    // The info header's size comes first: the fields below sit where they do
    // only in a header of 40 bytes or more, never in the old 12-byte one.
    unsigned char head[54];
    if (fread(head, 1, 18, in) != 18) read_failure(path);
    unsigned long long header_size = read_u32(head + 14);
    if (head[0] != 'B' || head[1] != 'M')
        MACIBM_alert("Trying to read a texture bitmap that is not a bitmap", path, "", "", alert_fatal);
    if (header_size < 40) MACIBM_alert("Bitmap is not a Windows bitmap! (its header is too short)", path, "", "", alert_fatal);
    if (fread(head + 18, 1, sizeof head - 18, in) != sizeof head - 18) read_failure(path);

    int w = (int)read_u32(head + 18), h = (int)read_u32(head + 22);
    unsigned bits = read_u16(head + 28), compression = read_u32(head + 30);
    const char* fault = nullptr;
    if (w > 1024) fault = "Bitmap too wide! (max is 1024)";
    else if (h > 1024) fault = "Bitmap too tall! (max is 1024)";
    else if (bits != 24)
        MACIBM_alert("Wrong bitmap color depth for texture!", path, "We need 24-bit color.", "", alert_fatal);
    else if (compression != 0) fault = "Bitmap is compressed!";
    // rgb_array bounds every picture; a top-down or empty one has no rows to read.
    else if (w <= 0 || h <= 0) fault = "Bitmap has no size! (rows must run bottom-up)";
    else if ((long)w * h * comps > rgb_array_bytes) fault = "Bitmap too big! (at most 1,440,000 bytes of pixels)";
    if (fault) MACIBM_alert(fault, path, "", "", alert_fatal);

    if (kind == bmp_cockpit && (w != 800 || h != 582)) {
        MACIBM_alert(path,
                     "Custom cockpit bitmap is not 800 x 582 pixels! The cockpit bitmap must be 800 x 582 pixels, with 32 or 24 bit RGB color.",
                     "You are probably trying to use a custom cockpit from an older version of Volanto that is not the right size.",
                     "Throw this obsolete panel away. I will let you go flying with the default panel.", alert_notice);
        return 0;
    }

    // The pixels start where the header says: past a larger header, masks or
    // a palette, never inside the headers. All of them lie in the file, or it
    // is a read failure, never a picture of stale pixels.
    int row_bytes = (w * 3 + 3) & ~3;
    unsigned long long offset = read_u32(head + 10);
    if (offset < 14 + header_size) MACIBM_alert("Bitmap data offset points into its header!", path, "", "", alert_fatal);
    long end = fseek(in, 0, SEEK_END) == 0 ? ftell(in) : -1;
    if (end < 0 || offset + (unsigned long long)row_bytes * h > (unsigned long long)end ||
        fseek(in, (long)offset, SEEK_SET) != 0)
        read_failure(path);

    // Rows bottom-up, B G R, each padded to 4 bytes.
    int stride = paste ? 800 : w;
    static unsigned char row[1024 * 3 + 3];       // scratch of one call, static for its size
    for (int r = 0; r < h; r++) {
        if (fread(row, 1, (size_t)row_bytes, in) != (size_t)row_bytes) read_failure(path);
        int py = r + oy;
        if (paste && (py < 0 || py >= 600)) continue;
        for (int c = 0; c < w; c++) {
            int px = ox + c;
            if (paste && (px < 0 || px >= 800)) continue;
            const unsigned char* s = row + c * 3;
            unsigned char* d = rgb_array + ((long)py * stride + px) * comps;
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
            if (mode == bmp_keyed) {
                int magenta = s[2] == 255 && s[1] == 0 && s[0] == 255;
                if (magenta) d[0] = d[1] = d[2] = 0;
                d[3] = magenta ? 0 : 255;
            } else if (mode == bmp_glow) {
                d[3] = (unsigned char)((s[0] + s[1] + s[2]) / 3);
                // The propeller disc and the smoke are drawn dark.
                unsigned char v = (id == tex_pdisc || id == tex_smoke) ? 0 : 255;
                d[0] = d[1] = d[2] = v;
            }
        }
    }
    *width = w;
    *height = h;
    return 1;
}

// The file is closed however the read ends, a fatal alert included.
struct bmp_closer {
    FILE* f;
    ~bmp_closer() { fclose(f); }
};

// read_bmp of the file at path, opened and closed here.
int read_bmp_file(const char* path, int kind, int id, int mode, int* width, int* height)
{
    FILE* in = fopen(path, "rb");
    if (!in) return 0;
    bmp_closer file = {in};
    return read_bmp(file.f, path, kind, id, mode, width, height);
}

int OGL_texbmp(int kind, int id_or_x, int mode_or_y, const char* name, int* width, int* height)
{
    int paste = (kind == bmp_window || kind == bmp_cockpit);
    int id = paste ? 0 : id_or_x;
    int mode = paste ? 0 : mode_or_y;
    if (kind == bmp_shared && id < tex_object_first && id % 3 == 0) MACIBM_showinit(1);

    *width = 4;
    *height = 4;
    int comps = (mode == bmp_keyed || mode == bmp_glow) ? 4 : 3;

    // A path that does not fit counts as a file that cannot be opened.
    char path[path_max], folder[path_max];
    int fits = 1;
    if (kind == bmp_shared) {
        fits = texture_folder(id, folder, path_max) &&
               snprintf(path, path_max, "%s%s.BMP", folder, seasonal_name(id, name)) < path_max;
    } else if (kind == bmp_window) {
        const char* sub = strcmp(name, "VSYS") == 0 ? "" : picture_folder;
        fits = snprintf(path, path_max, "%sbitmaps/%s%s.BMP", app_path, sub, name) < path_max;
    } else {
        fits = snprintf(path, path_max, "%s.BMP", name) < path_max;
    }

    char found[path_max];
    FILE* in = nullptr;
    if (fits && host_resolve_path(path, found, path_max)) in = fopen(found, "rb");
    if (!in) {
#ifdef PROG_VOLANTO
        if (kind == bmp_window) MACIBM_alert("Can't open bitmap!", path, "", "", alert_fatal);
#else
        // An editor may hold unsaved work: a missing picture leaves the window its frame.
        if (kind == bmp_window) return 0;
#endif
        if (kind == bmp_cockpit || id == tex_hand) return 0;
        // A missing texture is plain white.
        memset(rgb_array, 255, 4 * 4 * comps);
        make_texture(id, mode, comps, width, height, path);
        return 0;
    }

    bmp_closer file = {in};
    if (!read_bmp(file.f, path, kind, id_or_x, mode_or_y, width, height)) return 0;
    if (!paste) make_texture(id, mode, comps, width, height, path);
    return 1;
}

// ---- window background ---------------------------------------------------

// One tile on its way to the card; its contents live only during the upload.
static unsigned char tile[128 * 128 * 4];

void OGL_upload_background(void)
{
    for (int r = 0; r < tex_tiles_down; r++) {
        for (int c = 0; c < tex_tiles_across; c++) {
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
            // Sized: a 16-bit desktop must not thin the picture's colours.
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE, tile);
        }
    }
}

void OGL_plot_background(void)
{
    float c[3];
    for (int k = 0; k < 3; k++) {
        c[k] = ins.lite_rgb[k];
        if (mnw.topwin != win_main) c[k] = 0.5f * c[k] + 0.5f;
    }
    glColor3f(c[0], c[1], c[2]);
    OGL_setstate(0, 1, 0, 0);
    glEnable(GL_ALPHA_TEST);
    for (int j = 0; j < tex_tiles_down; j++) {
        for (int i = 0; i < tex_tiles_across; i++) {
            OGL_bindtex(tex_tiles_first + i + tex_tiles_across * j);
            float x1 = 128.0f * i, y1 = 128.0f * j;
            float x2 = fminf(128.0f * (i + 1), 800), y2 = fminf(128.0f * (j + 1), 600);
            float u = fltlim(6.25f - i, 0, 1), v = fltlim(4.6875f - j, 0, 1);
            glBegin(GL_QUADS);
            glTexCoord2f(0, 0); glVertex2f(x1, y1);
            glTexCoord2f(0, v); glVertex2f(x1, y2);
            glTexCoord2f(u, v); glVertex2f(x2, y2);
            glTexCoord2f(u, 0); glVertex2f(x2, y1);
            glEnd();
        }
    }
    glDisable(GL_ALPHA_TEST);
    OGL_setstate(0, 0, 0, 0);
}
