// Writes into the program folder given as the one argument (ending in '/')
// the start-up picture "bitmaps/VSYS.BMP", the cockpit textures "letters",
// "tapes", "cursor", "needle", "dg" and the handle sheet "hand", and in
// "bitmaps/VolSim/" every picture the panel composition pastes: the panel
// backgrounds, the radio stack and the GPS head, the glass and ECAM
// displays, the gear panel, the instrument and engine faces and the lever
// pictures. Everything is drawn by code into the library's software picture
// rgb_array and written by the generators' BMP writer.
//
// The panel pictures' positions are pixels of the picture itself, origin
// bottom left, and follow where the panel driver draws the live parts: a
// window lies under every readout, a knob over every click zone, and the
// faces leave their scales to the simulator. Pure magenta is the tiles'
// transparent colour: it stands in the windshield rows and round the
// handle pictures, nowhere else.
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "bmp_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static std::string program_folder;

// ---- picture helpers -----------------------------------------------------

// The w x h block at the bottom left of rgb_array, as a BMP file.
static int save_picture(const char* name, int w, int h)
{
    std::string path = program_folder + name;
    if (write_bmp(path.c_str(), rgb_array, w, h, 800)) return 1;
    fprintf(stderr, "gen_10_pictures: cannot write %s\n", path.c_str());
    return 0;
}

// Drawing stays inside the picture being drawn: x0 <= x < x1, y0 <= y < y1.
static int clip_x0 = 0, clip_y0 = 0, clip_x1 = 800, clip_y1 = 600;

static void clip_to(int x, int y, int w, int h)
{
    clip_x0 = x;
    clip_y0 = y;
    clip_x1 = x + w;
    clip_y1 = y + h;
}

static void set_px(int x, int y, float r, float g, float b)
{
    if (x < clip_x0 || x >= clip_x1 || y < clip_y0 || y >= clip_y1) return;
    unsigned char* p = rgb_array + (y * 800 + x) * 3;
    p[0] = (unsigned char)intlim((int)r, 0, 255);
    p[1] = (unsigned char)intlim((int)g, 0, 255);
    p[2] = (unsigned char)intlim((int)b, 0, 255);
}

// Mixes a colour over the pixel by a weight 0..1.
static void blend_px(int x, int y, float r, float g, float b, float a)
{
    if (x < clip_x0 || x >= clip_x1 || y < clip_y0 || y >= clip_y1 || a <= 0) return;
    if (a > 1) a = 1;
    unsigned char* p = rgb_array + (y * 800 + x) * 3;
    set_px(x, y, p[0] + (r - p[0]) * a, p[1] + (g - p[1]) * a, p[2] + (b - p[2]) * a);
}

static void fill(int w, int h, float r, float g, float b)
{
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) set_px(x, y, r, g, b);
}

// A soft-edged disc.
static void disc(float cx, float cy, float radius, float r, float g, float b)
{
    for (int y = (int)(cy - radius - 2); y <= (int)(cy + radius + 2); y++)
        for (int x = (int)(cx - radius - 2); x <= (int)(cx + radius + 2); x++) {
            float d = pythag(x - cx, y - cy);
            blend_px(x, y, r, g, b, radius + 0.5f - d);
        }
}

// Dots of one character: 7 rows (capitals, digits, signs) or the 9 rows of
// the lower-case shapes, row 6 on the baseline. Returns the row count.
static const char* glyph_rows(char c, int* rows)
{
    if (c >= 'a' && c <= 'z') {
        *rows = 9;
        return font_lower_dots[c - 'a'];
    }
    *rows = 7;
    return font_dots_of(c);
}

// ---- the start-up picture --------------------------------------------------

static float ridge(float x, float base, float a1, float a2, float a3, float phase)
{
    return base + a1 * sinf(x * 0.011f + phase) + a2 * sinf(x * 0.031f + 2 * phase) +
           a3 * sinf(x * 0.097f + 3 * phase);
}

static void draw_sky(int horizon)
{
    for (int y = horizon; y < 600; y++) {
        float t = powf((float)(y - horizon) / (600 - horizon), 0.55f);
        for (int x = 0; x < 800; x++)
            set_px(x, y, 238 + (38 - 238) * t, 214 + (92 - 214) * t, 178 + (172 - 178) * t);
    }
    // Sun and its glow.
    float sx = 700, sy = 470;
    for (int y = horizon; y < 600; y++)
        for (int x = 380; x < 800; x++) {
            float d = pythag(x - sx, y - sy);
            blend_px(x, y, 255, 236, 190, 0.55f * expf(-d / 70.0f));
        }
    disc(sx, sy, 26, 255, 250, 225);
}

static void draw_clouds(void)
{
    struct puff {
        float x, y, r;
    };
    static const puff puffs[] = {
        {120, 505, 26}, {150, 520, 32}, {190, 512, 28}, {222, 500, 20}, {95, 495, 18},
        {440, 545, 20}, {468, 556, 26}, {500, 548, 22}, {525, 538, 15},
        {690, 330, 16}, {715, 340, 22}, {745, 333, 18}, {768, 325, 12},
        {300, 300, 12}, {318, 308, 16}, {340, 302, 12},
    };
    for (const puff& p : puffs)
        for (int y = (int)(p.y - p.r - 2); y <= (int)(p.y + p.r + 2); y++)
            for (int x = (int)(p.x - p.r - 2); x <= (int)(p.x + p.r + 2); x++) {
                float d = pythag(x - p.x, y - p.y);
                // Lit from above: the underside greys.
                float shade = 0.82f + 0.18f * fltlim((y - p.y) / p.r + 0.5f, 0, 1);
                blend_px(x, y, 255 * shade, 255 * shade, 252 * shade, (p.r + 0.5f - d) * 0.9f);
            }
}

static void draw_land(int horizon)
{
    // Far mountains in haze, then green hills.
    for (int x = 0; x < 800; x++) {
        int top = (int)ridge((float)x, horizon + 38, 18, 12, 4, 0.3f);
        for (int y = horizon; y <= top; y++) {
            float haze = (float)(y - horizon) / (top - horizon + 1);
            set_px(x, y, 128 + 40 * haze, 142 + 36 * haze, 168 + 28 * haze);
        }
        int hill = (int)ridge((float)x, horizon + 14, 9, 6, 2, 2.1f);
        for (int y = horizon; y <= hill; y++) set_px(x, y, 86, 122, 82);
    }
    // Fields in perspective: bands that widen towards the viewer.
    for (int y = 0; y < horizon; y++) {
        float depth = 3000.0f / (horizon - y + 4);   // distance along the ground
        int band = (int)(depth / 9.0f);
        for (int x = 0; x < 800; x++) {
            float across = (x - 400) * depth / 900.0f;
            int strip = (int)floorf(across / 7.0f);
            int kind = (band * 7 + strip * 3) % 5;
            if (kind < 0) kind += 5;
            static const float tone[5][3] = {
                {92, 140, 64}, {118, 152, 72}, {150, 140, 84}, {78, 124, 60}, {132, 160, 88}};
            float near = (float)(horizon - y) / horizon;      // darker and richer close by
            float k = 1.0f - 0.25f * near;
            float haze = 1.0f - near;
            haze = haze * haze * haze * 0.5f;
            set_px(x, y, tone[kind][0] * k + (200 - tone[kind][0] * k) * haze,
                   tone[kind][1] * k + (205 - tone[kind][1] * k) * haze,
                   tone[kind][2] * k + (200 - tone[kind][2] * k) * haze);
        }
    }
}

// The runway runs from the bottom edge to the vanishing point on the horizon.
static void draw_runway(int horizon)
{
    const float vx = 400, vy = (float)horizon, half_near = 110;
    for (int y = 0; y < horizon - 8; y++) {
        float f = (vy - y) / vy;                       // 1 at the bottom, 0 at the horizon
        float half = half_near * f;
        float depth = 1.0f / (f + 0.02f);
        for (int x = (int)(vx - half); x <= (int)(vx + half); x++) {
            float u = (x - vx) / half;                 // -1 .. 1 across
            float g = 86 + 6 * sinf(x * 1.7f + y * 2.3f);
            set_px(x, y, g, g, g + 4);
            int edge = fabsf(u) > 0.93f;
            int centre = fabsf(u) < 0.025f + 0.01f / f && fmodf(depth * 1.6f, 2.0f) < 1.0f;
            int threshold = y < 34 && y > 12 && fabsf(u) < 0.85f && fmodf((u + 1) * 9, 1.0f) < 0.55f;
            if (edge || centre || threshold) set_px(x, y, 235, 235, 230);
        }
    }
}

// A small aircraft crossing the sky, drawn with the library's lines.
static void draw_aircraft(void)
{
    OGL_assigncolor(2, 0.16f, 0.18f, 0.24f);
    float x = 330, y = 530;
    for (int k = -1; k <= 1; k++) {
        OGL_line(2, x - 34, y + k, x + 30, y + 4 + k);          // fuselage
        OGL_line(2, x - 6, y + 1 + k, x + 14, y + 3 + k);
    }
    for (int k = 0; k < 3; k++) {
        OGL_line(2, x + 2 + k, y + 2, x - 14 + k, y - 18);       // wings
        OGL_line(2, x + 2 + k, y + 2, x + 16 + k, y + 20);
        OGL_line(2, x - 30 + k, y + 1, x - 36 + k, y + 12);      // tail
    }
    OGL_line(2, x - 34, y, x - 40, y - 6);
    OGL_line(2, x - 34, y, x - 42, y + 5);
}

// Text made of the font's own dots, each a disc.
static void dot_text(const char* text, float x, float baseline, float pitch, float radius,
                     float r, float g, float b)
{
    for (int i = 0; text[i]; i++, x += 6 * pitch) {
        int rows;
        const char* dots = glyph_rows(text[i], &rows);
        for (int row = 0; row < rows; row++)
            for (int c = 0; c < 5; c++)
                if (dots[row * 5 + c] == '#') disc(x + c * pitch, baseline + (6 - row) * pitch, radius, r, g, b);
    }
}

// Text with square dots of the given size.
static void block_text(const char* text, int x, int y, int size, float r, float g, float b)
{
    for (int i = 0; text[i]; i++, x += 6 * size) {
        int rows;
        const char* dots = glyph_rows(text[i], &rows);
        for (int row = 0; row < rows; row++)
            for (int c = 0; c < 5; c++)
                if (dots[row * 5 + c] == '#')
                    for (int dy = 0; dy < size; dy++)
                        for (int dx = 0; dx < size; dx++)
                            set_px(x + c * size + dx, y + (6 - row) * size + dy, r, g, b);
    }
}

static int write_startup_picture(void)
{
    const int horizon = 180;
    draw_sky(horizon);
    draw_clouds();
    draw_land(horizon);
    draw_runway(horizon);
    draw_aircraft();

    const char* title = "Volanto";
    float pitch = 13, width = (6.0f * strlen(title) - 1) * pitch;
    float x = (800 - width) / 2, baseline = 372;
    dot_text(title, x + 4, baseline - 4, pitch, 5.5f, 20, 40, 80);     // shadow
    dot_text(title, x, baseline, pitch, 5.5f, 255, 255, 255);

    const char* line = "FLIGHT SIMULATION SUITE";
    int size = 2, lw = (int)(6 * strlen(line) - 1) * size;
    block_text(line, (800 - lw) / 2 + 1, 333, size, 20, 40, 80);
    block_text(line, (800 - lw) / 2, 334, size, 255, 250, 235);

    // A line in the ordinary font, drawn the way every program draws text.
    OGL_assigncolor(1, 1.0f, 1.0f, 1.0f);
    OGL_string(1, 676, 24, "Version 5.0", 800, 6);
    return save_picture("bitmaps/VSYS.BMP", 800, 600);
}

// ---- cockpit textures --------------------------------------------------------

// Glyph g of the font texture sits in column g mod 21 and row g div 21 of
// 6 x 11 cells counted from the first stored row; its 10 texel rows start two
// below the baseline, so row 6 of the dots lies on the cell's third row.
static int write_letters(void)
{
    fill(128, 64, 255, 0, 255);
    for (int g = 1; g <= 89; g++) {
        char c = 0;
        for (int k = 33; k < 127 && !c; k++)
            if (font_glyph_index((char)k) == g && (g != 74 || k == '_')) c = (char)k;
        if (!c) continue;
        int rows;
        const char* dots = glyph_rows(c, &rows);
        int x0 = (g % 21) * 6, y0 = (g / 21) * 11;
        for (int row = 0; row < rows; row++)
            for (int col = 0; col < 5; col++)
                if (dots[row * 5 + col] == '#') set_px(x0 + col, y0 + 8 - row, 255, 255, 255);
    }
    // The moving map's symbols, 11 x 9 texels in rows 55..63: an airport at
    // s 0, an NDB at 11, a VOR at 22.
    for (int a = 0; a < 360; a += 15) {
        float s = sinf(a * 0.0174533f), c = cosf(a * 0.0174533f);
        set_px((int)lroundf(5 + 3.6f * s), (int)lroundf(59 + 3.6f * c), 255, 255, 255);
        if (a % 45 == 0) set_px((int)lroundf(16 + 4 * s), (int)lroundf(59 + 4 * c), 255, 255, 255);
    }
    for (int k = -2; k <= 2; k++) set_px(5 + k, 59 - k, 255, 255, 255);   // the runway
    set_px(16, 59, 255, 255, 255);
    static const int hexagon[6][2] = {{-2, 4}, {2, 4}, {4, 0}, {2, -4}, {-2, -4}, {-4, 0}};
    for (int k = 0; k < 6; k++) {
        const int* p = hexagon[k];
        const int* q = hexagon[(k + 1) % 6];
        for (int t = 0; t <= 4; t++)
            set_px(27 + p[0] + (q[0] - p[0]) * t / 4, 59 + p[1] + (q[1] - p[1]) * t / 4, 255, 255, 255);
    }
    set_px(27, 59, 255, 255, 255);
    return save_picture("textures/cockpit/letters.BMP", 128, 64);
}

// A digit standing upright once the strip is turned a quarter clockwise:
// rows run along s, columns along t, 4 texels a column.
static void drum_digit(char c, int s0, int t0)
{
    const char* dots = font_dots_of(c);
    for (int row = 0; row < 7; row++)
        for (int col = 0; col < 5; col++)
            if (dots[row * 5 + col] == '#')
                for (int k = 0; k < 4; k++) set_px(s0 + row, t0 + 4 * col + k, 255, 255, 255);
}

// Upright text squeezed 4:1 in height, as the strips are drawn.
static void strip_text(const char* text, int s0, int t0)
{
    for (int i = 0; text[i]; i++, s0 += 6) {
        const char* dots = font_dots_of(text[i]);
        for (int row = 0; row < 7; row++)
            for (int col = 0; col < 5; col++)
                if (dots[row * 5 + col] == '#')
                    for (int k = 0; k < 4; k++) set_px(s0 + col, t0 + 4 * (6 - row) + k, 255, 255, 255);
    }
}

// Strips in 256ths: the digit drum (t 232..252, a digit every 9 texels from
// s 0, 0 to 9 then 0 again for the roll), a scale of 2 texels a unit
// (t 180..228, value 0 at s 20) and four course scales of 1 texel a degree
// (t 144..192, 96..144, 48..96, 0..48, value 0 at s 30).
static int write_tapes(void)
{
    fill(256, 256, 24, 24, 26);
    for (int v = 0; v <= 10; v++) drum_digit((char)('0' + v % 10), 9 * v + 1, 232);

    OGL_assigncolor(3, 1, 1, 1);
    OGL_assigncolor(4, 0.6f, 0.6f, 0.6f);
    for (int v = -10; v <= 118; v += 5) {
        float s = 2.0f * v + 20;
        OGL_line(v % 10 == 0 ? 3 : 4, s, 218, s, v % 10 == 0 ? 227.0f : 223.0f);
    }
    for (int v = 0; v <= 110; v += 20) {
        char text[8];
        snprintf(text, sizeof text, "%d", v / 10);
        strip_text(text, 2 * v + 20 - 3 * (int)strlen(text), 182);
    }

    // The VOR's course card: the upper window reads the course (kind 2 for
    // 0..180, 3 for the rest, the value less 180) left to right; the lower
    // the reciprocal, right to left, as the bottom of one turning card.
    static const int strip_base[4] = {144, 96, 48, 0};
    for (int k = 0; k < 4; k++) {
        int t = strip_base[k];
        OGL_line(4, 0, (float)t, 255, (float)t);
        for (int v = -30; v <= 225; v += 5) {
            int course = k == 0 ? v : k == 1 ? v + 180 : k == 2 ? 360 - v : 180 - v;
            course = ((course % 360) + 360) % 360;
            float s = (float)(v + 30);
            OGL_line(course % 10 == 0 ? 3 : 4, s, (float)(t + 38), s, course % 10 == 0 ? (float)(t + 47) : (float)(t + 43));
            if (course % 30 != 0) continue;
            char text[12];
            snprintf(text, sizeof text, "%d", course / 10);
            strip_text(text, v + 30 - 3 * (int)strlen(text), t + 4);
        }
    }
    return save_picture("textures/cockpit/tapes.BMP", 256, 256);
}

// The arrow's tip at the top left texel; 32 texels are 16 screen units, so
// each mark below is 2 x 2 texels: 'X' black outline, '.' white, blank clear.
static int write_cursor(void)
{
    static const char* const arrow[16] = {
        "X",         "XX",         "X.X",       "X..X",     "X...X",    "X....X",
        "X.....X",   "X......X",   "X.......X", "X....XXXXX", "X..X..X", "X.X X..X",
        "XX  X..X",  "X    X..X",  "     X..X", "      XX",
    };
    fill(32, 32, 255, 0, 255);
    for (int r = 0; r < 16; r++)
        for (int c = 0; arrow[r][c]; c++) {
            char m = arrow[r][c];
            if (m == ' ') continue;
            float v = m == 'X' ? 0 : 255;
            for (int k = 0; k < 4; k++) set_px(2 * c + k % 2, 31 - 2 * r - k / 2, v, v, v);
        }
    return save_picture("textures/cockpit/cursor.BMP", 32, 32);
}

// Tail at t 0, tip at t 1, centred across s; brightness becomes alpha.
static int write_needle(void)
{
    fill(64, 64, 0, 0, 0);
    for (int y = 0; y < 64; y++) {
        float along = (y + 0.5f) / 64.0f;
        float half = along < 0.85f ? 22.0f - 10.0f * along : (1.0f - along) / 0.15f * 13.5f;
        for (int x = 0; x < 64; x++) {
            float a = fltlim(half + 0.5f - fabsf(x + 0.5f - 32.0f), 0, 1);
            set_px(x, y, 255 * a, 255 * a, 255 * a);
        }
    }
    return save_picture("textures/cockpit/needle.BMP", 64, 64);
}

// A compass card: ticks every 5 degrees, longer every 10, and the headings
// every 30 degrees standing on the ring, in tens of degrees with the four
// cardinal letters.
static int write_dg(void)
{
    fill(256, 256, 0, 0, 0);
    OGL_assigncolor(3, 1, 1, 1);
    const float cx = 128, cy = 128, deg = 3.14159265f / 180.0f;
    for (int a = 0; a < 360; a += 5) {
        float s = sinf(a * deg), c = cosf(a * deg);
        float inner = a % 10 == 0 ? 104.0f : 112.0f;
        if (a % 30 == 0) inner = 98;
        for (int w = -1; w <= 1; w++) {
            float ox = w * 0.5f * c, oy = -w * 0.5f * s;
            OGL_line(3, cx + inner * s + ox, cy + inner * c + oy, cx + 124 * s + ox, cy + 124 * c + oy);
        }
    }
    static const char* const labels[12] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
    for (int k = 0; k < 12; k++) {
        float a = 30.0f * k * deg, s = sinf(a), c = cosf(a);
        const char* text = labels[k];
        int n = (int)strlen(text);
        const float size = 2.5f;                       // texels a dot
        for (int i = 0; i < n; i++) {
            const char* dots = font_dots_of(text[i]);
            for (int row = 0; row < 7; row++)
                for (int col = 0; col < 5; col++) {
                    if (dots[row * 5 + col] != '#') continue;
                    // Across the ring (u) and towards the centre (v), then turned to angle a.
                    float u = ((i * 6 + col) - (n * 6 - 1) / 2.0f) * size;
                    float v = 76 + (6 - row) * size;
                    for (float du = 0; du < size; du += 0.5f)
                        for (float dv = 0; dv < size; dv += 0.5f) {
                            float px = cx + (u + du) * c + (v + dv) * s;
                            float py = cy - (u + du) * s + (v + dv) * c;
                            set_px((int)px, (int)py, 255, 255, 255);
                        }
                }
        }
    }
    return save_picture("textures/cockpit/dg.BMP", 256, 256);
}

// ---- panel colours ---------------------------------------------------------------------

struct colour {
    float r, g, b;
};

static colour mix(colour a, colour b, float k)
{
    return {a.r + (b.r - a.r) * k, a.g + (b.g - a.g) * k, a.b + (b.b - a.b) * k};
}

static colour times(colour a, float k) { return {a.r * k, a.g * k, a.b * k}; }

static const colour magenta = {255, 0, 255};
static const colour body = {58, 66, 80};          // the panel's grey-blue
static const colour band = {43, 49, 60};          // the lamp and switch row
static const colour shield = {29, 31, 36};        // glare shield
static const colour shield_heli = {33, 32, 31};
static const colour window_black = {6, 6, 8};
static const colour dial_black = {15, 15, 17};
static const colour bezel_light = {206, 208, 212};
static const colour bezel_dark = {112, 114, 120};
static const colour white = {232, 232, 226};
static const colour grey_label = {170, 172, 176};
static const colour stack = {42, 44, 50};         // avionics faces
static const colour housing = {34, 36, 40};       // glass display housings
static const colour plate = {46, 51, 61};         // lever plates on the body
static const colour button_face = {76, 79, 86};

// ---- the panel pictures' pixels ---------------------------------------------------------

static void set_px(int x, int y, colour c) { set_px(x, y, c.r, c.g, c.b); }

static void blend_px(int x, int y, colour c, float a) { blend_px(x, y, c.r, c.g, c.b, a); }

static void disc(float cx, float cy, float radius, colour c) { disc(cx, cy, radius, c.r, c.g, c.b); }

static void rect(int x, int y, int w, int h, colour c)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) set_px(i, j, c);
}

static void hline(int x0, int x1, int y, colour c) { rect(x0, y, x1 - x0 + 1, 1, c); }
static void vline(int x, int y0, int y1, colour c) { rect(x, y0, 1, y1 - y0 + 1, c); }

// A new picture of w x h at the bottom left of rgb_array, filled.
static void begin_picture(int w, int h, colour c)
{
    clip_to(0, 0, w, h);
    fill(w, h, c.r, c.g, c.b);
}

static int save_panel_picture(const char* name, int w, int h)
{
    return save_picture(("bitmaps/VolSim/" + std::string(name) + ".BMP").c_str(), w, h);
}

// ---- text ------------------------------------------------------------------------

// The font's own 5 x 7 capitals, from (x, y) at the baseline, 6 a character.
static void caption(const char* s, int x, int y, colour c)
{
    for (; *s; s++, x += 6) {
        const char* dots = font_dots_of(*s);
        for (int row = 0; row < 7; row++)
            for (int col = 0; col < 5; col++)
                if (dots[row * 5 + col] == '#') set_px(x + col, y + 6 - row, c);
    }
}

// Small 3 x 5 capitals for the labels that must fit a 20-unit column.
struct small_glyph {
    char c;
    const char* dots;   // 5 rows of 3, top first
};
static const small_glyph small_glyphs[] = {
    {'A', ".#." "#.#" "###" "#.#" "#.#"}, {'B', "##." "#.#" "##." "#.#" "##."},
    {'C', ".##" "#.." "#.." "#.." ".##"}, {'D', "##." "#.#" "#.#" "#.#" "##."},
    {'E', "###" "#.." "##." "#.." "###"}, {'F', "###" "#.." "##." "#.." "#.."},
    {'G', ".##" "#.." "#.#" "#.#" ".##"}, {'H', "#.#" "#.#" "###" "#.#" "#.#"},
    {'I', "###" ".#." ".#." ".#." "###"}, {'K', "#.#" "#.#" "##." "#.#" "#.#"},
    {'L', "#.." "#.." "#.." "#.." "###"}, {'M', "#.#" "###" "###" "#.#" "#.#"},
    {'N', "##." "#.#" "#.#" "#.#" "#.#"}, {'O', ".#." "#.#" "#.#" "#.#" ".#."},
    {'P', "##." "#.#" "##." "#.." "#.."}, {'R', "##." "#.#" "##." "#.#" "#.#"},
    {'S', ".##" "#.." ".#." "..#" "##."}, {'T', "###" ".#." ".#." ".#." ".#."},
    {'U', "#.#" "#.#" "#.#" "#.#" "###"}, {'V', "#.#" "#.#" "#.#" "#.#" ".#."},
    {'W', "#.#" "#.#" "###" "###" "#.#"}, {'X', "#.#" "#.#" ".#." "#.#" "#.#"},
    {'Y', "#.#" "#.#" ".#." ".#." ".#."}, {'Z', "###" "..#" ".#." "#.." "###"},
    {'0', "###" "#.#" "#.#" "#.#" "###"}, {'1', ".#." "##." ".#." ".#." "###"},
    {'2', "##." "..#" ".#." "#.." "###"}, {'3', "##." "..#" ".#." "..#" "##."},
    {'4', "#.#" "#.#" "###" "..#" "..#"}, {'5', "###" "#.." "##." "..#" "##."},
    {'6', ".##" "#.." "###" "#.#" "###"}, {'7', "###" "..#" ".#." ".#." ".#."},
    {'8', "###" "#.#" "###" "#.#" "###"}, {'9', "###" "#.#" "###" "..#" "##."},
    {'-', "..." "..." "###" "..." "..."}, {'+', "..." ".#." "###" ".#." "..."},
    {'.', "..." "..." "..." "..." ".#."}, {'/', "..#" "..#" ".#." "#.." "#.."},
    {'i', ".#." "..." ".#." ".#." ".#."}, {'k', "#.." "#.#" "##." "#.#" "#.#"},
    {'m', "..." "###" "###" "#.#" "#.#"}, {'n', "..." "##." "#.#" "#.#" "#.#"},
    {'t', ".#." "###" ".#." ".#." ".##"},
};

static const char* small_dots(char c)
{
    for (const small_glyph& g : small_glyphs)
        if (g.c == c) return g.dots;
    return "...............";
}

static int small_width(const char* s) { return (int)strlen(s) * 4 - 1; }

// From (x, y), the bottom of the letters, 4 a character.
static void small(const char* s, int x, int y, colour c)
{
    for (; *s; s++, x += 4) {
        const char* dots = small_dots(*s);
        for (int row = 0; row < 5; row++)
            for (int col = 0; col < 3; col++)
                if (dots[row * 3 + col] == '#') set_px(x + col, y + 4 - row, c);
    }
}

// Centred on the column cx.
static void small_at(const char* s, float cx, int y, colour c)
{
    small(s, (int)lroundf(cx - (small_width(s) - 1) / 2.0f), y, c);
}

// ---- panel parts ----------------------------------------------------------------

// A readout window: black inside a sunken one-pixel frame; (x, y, w, h) the outer box.
static void window(int x, int y, int w, int h)
{
    rect(x, y, w, h, {24, 25, 28});
    hline(x, x + w - 1, y, {104, 107, 114});      // lit from above: the lower edge catches it
    vline(x + w - 1, y, y + h - 1, {104, 107, 114});
    rect(x + 1, y + 1, w - 2, h - 2, window_black);
}

// A raised push button.
static void button(int x, int y, int w, int h, colour face)
{
    rect(x, y, w, h, face);
    hline(x, x + w - 1, y + h - 1, times(face, 1.6f));
    vline(x, y, y + h - 1, times(face, 1.35f));
    hline(x, x + w - 1, y, times(face, 0.5f));
    vline(x + w - 1, y, y + h - 1, times(face, 0.6f));
}

// A dark recess the driver draws a switch, lamp or button into.
static void recess(int x, int y, int w, int h)
{
    rect(x, y, w, h, {18, 19, 22});
    hline(x, x + w - 1, y, {80, 84, 92});
    vline(x + w - 1, y, y + h - 1, {80, 84, 92});
}

// A knurled knob, lit from the top left.
static void knob(float cx, float cy, float r)
{
    disc(cx + 0.8f, cy - 0.8f, r + 0.7f, {14, 14, 16});   // its shadow on the panel
    disc(cx, cy, r, {150, 152, 156});
    disc(cx, cy, r - 1.4f, {58, 59, 63});
    disc(cx - r * 0.25f, cy + r * 0.25f, r * 0.45f, {84, 86, 90});
    for (int a = 0; a < 360; a += 30) {
        float s = sinf(a * 0.0174533f), c = cosf(a * 0.0174533f);
        blend_px((int)lroundf(cx + (r - 0.8f) * s), (int)lroundf(cy + (r - 0.8f) * c), {60, 60, 64}, 0.8f);
    }
}

// A round bezel of light metal round a dark dial, lit from the top left.
static void bezel(float cx, float cy, float r_dial, float r_out)
{
    for (int y = (int)(cy - r_out - 2); y <= (int)(cy + r_out + 2); y++)
        for (int x = (int)(cx - r_out - 2); x <= (int)(cx + r_out + 2); x++) {
            float dx = x - cx, dy = y - cy, d = pythag(dx, dy);
            float lit = d > 0 ? 0.5f + 0.5f * (dy - dx) / (1.41421f * d) : 0.5f;
            blend_px(x, y, {20, 20, 22}, r_out + 1.3f - d);               // dark outer edge
            blend_px(x, y, mix(bezel_dark, bezel_light, lit), r_out + 0.3f - d);
        }
    disc(cx, cy, r_dial + 0.9f, {40, 40, 44});                            // the inner lip
    disc(cx, cy, r_dial, dial_black);
}

// A small plate of its own on the panel body, framed.
static void lever_plate(int w, int h)
{
    begin_picture(w, h, plate);
    hline(0, w - 1, h - 1, {70, 76, 88});
    vline(0, 0, h - 1, {64, 70, 82});
    hline(0, w - 1, 0, {30, 33, 40});
    vline(w - 1, 0, h - 1, {30, 33, 40});
}

// ---- the panel background ---------------------------------------------------------

// The windshield, the glare shield with the compass and thermometer windows,
// the lamp row and the panel body. The instrument places vary by aircraft,
// so the body is one flat colour the faces' corners match; right of x 485
// the radio stack and the lever group trade places, so it stays bare.
static int write_panel(const char* name, colour glare)
{
    begin_picture(800, 582, body);

    // The coaming: the body's upper edge catches the light.
    hline(0, 799, 339, {96, 104, 120});
    hline(0, 799, 338, {78, 86, 101});
    hline(0, 799, 337, {66, 74, 89});

    // The lamp and switch row, a shallow darker band.
    rect(0, 303, 800, 32, band);
    hline(0, 799, 334, {30, 34, 42});
    hline(0, 799, 303, {70, 78, 94});
    recess(6, 313, 12, 12);                                  // stall lamp
    small_at("STALL", 12, 306, grey_label);
    // Autopilot targets: a window under each readout and a rocker over each knob.
    struct readout {
        int window_x, window_w;
        int rocker_x, rocker_w;
        const char* label;
    };
    static const readout readouts[3] = {
        {267, 35, 307, 17, "ALT"}, {351, 36, 392, 17, "VS"}, {441, 30, 475, 10, "SPD"}};
    for (const readout& r : readouts) {
        window(r.window_x, 316, r.window_w, 13);
        small_at(r.label, r.window_x + r.window_w / 2.0f - 0.5f, 309, grey_label);
        button(r.rocker_x, 306, r.rocker_w, 19, button_face);
        float cx = r.rocker_x + (r.rocker_w - 1) / 2.0f;
        for (int k = 0; k < 3; k++) {
            hline((int)lroundf(cx - k), (int)lroundf(cx + k), 320 - k, white);   // up
            hline((int)lroundf(cx - k), (int)lroundf(cx + k), 309 + k, white);   // down
        }
    }

    rect(0, 340, 800, 220, magenta);                         // the windshield

    rect(0, 560, 800, 22, glare);
    hline(0, 799, 560, times(glare, 0.55f));
    hline(0, 799, 581, times(glare, 1.25f));
    // Magnetic compass: the card scrolls inside; the lubber mark stands below.
    rect(342, 564, 63, 18, {120, 122, 128});
    rect(343, 565, 61, 17, window_black);
    for (int k = 0; k < 3; k++) hline(373 - k, 373 + k, 563 - k, white);
    // Outside-air thermometer, x = 748 + T / 2 from -50 to 90 degrees.
    caption("OAT", 690, 566, grey_label);
    rect(720, 562, 77, 11, {96, 98, 104});
    rect(721, 563, 75, 9, window_black);
    for (int t = -50; t <= 90; t += 10) vline(748 + t / 2, 569, t % 50 == 0 ? 571 : 570, white);
    static const int marked[4] = {-40, 0, 40, 80};
    for (int t : marked) {
        char s[8];
        snprintf(s, sizeof s, "%d", t);
        small_at(s, 748 + t / 2.0f, 575, grey_label);
    }
    return save_panel_picture(name, 800, 582);
}

// ---- the radio stack ----------------------------------------------------------------

// Frequency readouts: three digits, the point at +18 and two digits at +23.
static void frequency_window(int x, int y, const char* label)
{
    window(x - 3, y - 3, 41, 13);
    small_at(label, x + 17, y + 12, grey_label);
}

// A radio's two tuning knobs: whole megahertz on the left, the fraction on the right.
static void tuning_knobs(float x, float y)
{
    knob(x, y, 9);
    knob(x + 24, y, 9);
}

static int write_radio_stack(void)
{
    begin_picture(152, 304, stack);
    // Seven units, each with a dark seam above its lit edge.
    static const int seams[6] = {80, 118, 157, 209, 259, 281};
    for (int y : seams) {
        hline(0, 151, y, {20, 21, 24});
        hline(0, 151, y - 1, {64, 67, 75});
    }
    vline(0, 0, 303, {24, 25, 28});
    vline(151, 0, 303, {24, 25, 28});

    // Marker lamps and the audio selector.
    rect(3, 290, 51, 14, {16, 16, 18});
    small_at("MKR", 28, 284, grey_label);
    static const char* const audio[5] = {"ADF", "NAV1", "NAV2", "OFF", ""};
    for (int k = 0; k < 5; k++) {
        recess(55 + 20 * k, 289, 12, 11);
        small_at(audio[k], 60.5f + 20 * k, 283, grey_label);
    }

    // DME: distance, speed and time, and its source switches.
    window(7, 267, 90, 13);
    small_at("NM", 18.5f, 261, grey_label);
    small_at("KT", 51.5f, 261, grey_label);
    small_at("MIN", 84.5f, 261, grey_label);
    small("DME", 100, 272, grey_label);
    recess(112, 269, 38, 12);
    small_at("N1", 121.5f, 262, grey_label);
    small_at("N2", 139.5f, 262, grey_label);

    // Communication and navigation radios.
    frequency_window(34, 240, "COM 1");
    frequency_window(102, 240, "NAV 1");
    tuning_knobs(45, 220);
    tuning_knobs(113, 220);
    frequency_window(34, 191, "COM 2");
    frequency_window(102, 191, "NAV 2");
    tuning_knobs(45, 171);
    tuning_knobs(113, 171);

    // Transponder: reply lamp, ident button, four code digits with their knobs.
    rect(9, 146, 5, 5, {110, 112, 118});
    rect(10, 147, 3, 3, window_black);
    small("XPDR", 18, 146, grey_label);
    button(47, 141, 14, 13, button_face);
    small_at("ID", 53.5f, 145, white);
    for (int k = 0; k < 4; k++) {
        window(74 + 20 * k, 143, 9, 11);
        knob(81 + 20 * k, 130, 6);
    }

    // Autopilot mode buttons, each label in its own column.
    recess(7, 86, 62, 15);
    recess(70, 86, 82, 15);
    static const int ap_x[7] = {8, 28, 48, 71, 91, 111, 131};
    static const char* const ap_label[7] = {"HDG", "NAV1", "NAV2", "ALT", "VVI", "GS", "SPD"};
    for (int k = 0; k < 7; k++) small_at(ap_label[k], ap_x[k] + 9.5f, 103, grey_label);
    small_at("AUTOPILOT", 76, 110, grey_label);

    // Fuel: the needle runs x 25 to 56 between its ticks at 25, 40 and 55.
    window(22, 40, 38, 9);
    for (int x = 25; x <= 55; x += 15) vline(x, 42, 46, white);
    caption("E", 15, 41, white);
    caption("F", 62, 41, white);
    caption("FUEL", 29, 29, grey_label);

    // Brakes annunciator, dark until the driver lights it.
    rect(6, 5, 68, 15, {90, 92, 98});
    rect(7, 6, 66, 13, {22, 22, 20});

    // Aileron and rudder trim: marks 14 a unit either side of x 97.
    struct trim_scale {
        int y;
        const char* label;
    };
    static const trim_scale trims[2] = {{52, "AIL TRIM"}, {23, "RUD TRIM"}};
    for (const trim_scale& t : trims) {
        window(80, t.y - 2, 35, 7);
        for (int x = 83; x <= 111; x += 7) {
            set_px(x, t.y - 1, grey_label);
            set_px(x, t.y + 3, grey_label);
        }
        small_at(t.label, 97, t.y + 7, grey_label);
        small("L", 76, t.y - 1, grey_label);
        small("R", 116, t.y - 1, grey_label);
    }
    // The gear corner (x 119 up, y 4 to 60) stays bare for the gear panel.
    return save_panel_picture("pict_rdo", 152, 304);
}

// The GPS head over the upper radios when no VOR receiver is fitted.
static int write_gps(void)
{
    begin_picture(152, 72, stack);
    hline(0, 151, 71, {64, 67, 75});
    hline(0, 151, 0, {20, 21, 24});
    vline(0, 0, 71, {24, 25, 28});
    vline(151, 0, 71, {24, 25, 28});

    window(7, 55, 120, 13);        // destination name, its cursor below
    window(7, 40, 119, 13);        // identifier, bearing and the deviation mark
    window(6, 26, 120, 13);        // distance, ground speed, time
    small("nm", 35, 30, grey_label);
    small("kt", 75, 30, grey_label);
    small("min", 107, 30, grey_label);

    static const int switch_y[3] = {61, 39, 17};
    static const char* const kinds[3] = {"APT", "VOR", "NDB"};
    for (int k = 0; k < 3; k++) {
        recess(131, switch_y[k] - 1, 20, 12);
        small_at(kinds[k], 140.5f, switch_y[k] - 6, grey_label);
    }
    knob(57, 11, 8);               // value
    knob(114, 11, 8);              // cursor
    caption("GPS", 8, 8, white);
    return save_panel_picture("pict_gps", 152, 72);
}

// ---- displays -------------------------------------------------------------------------

// A display housing of dark plastic with rounded corners on the panel body.
static void housing_box(int x, int y, int w, int h)
{
    const float r = 5;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) {
            float cx = fminf(fmaxf((float)i, x + r), x + w - 1 - r);
            float cy = fminf(fmaxf((float)j, y + r), y + h - 1 - r);
            float d = pythag(i - cx, j - cy);
            blend_px(i, j, {22, 23, 26}, r + 0.5f - d);
            blend_px(i, j, housing, r - 0.5f - d);
        }
}

static void screen(int x, int y, int w, int h)
{
    rect(x - 1, y - 1, w + 2, h + 2, {62, 64, 70});
    rect(x, y, w, h, window_black);
}

// The glass panel: the flight display with its tapes, horizon and heading
// rose on the left, the map display and its six buttons on the right.
static int write_glass(void)
{
    begin_picture(388, 300, body);
    housing_box(0, 0, 388, 300);

    screen(4, 30, 192, 264);
    const colour seam = {42, 44, 50};
    rect(5, 165, 33, 107, seam);          // airspeed tape
    rect(6, 166, 31, 105, window_black);
    rect(39, 165, 107, 107, seam);        // attitude
    rect(40, 166, 105, 105, window_black);
    rect(147, 165, 47, 107, seam);        // altitude tape
    rect(148, 166, 45, 105, window_black);

    knob(54, 12, 7);                      // course
    small_at("CRS", 54, 22, grey_label);
    knob(139, 12, 7);                     // heading bug
    small_at("HDG", 139, 22, grey_label);
    knob(175, 12, 7);                     // altimeter setting
    small_at("BARO", 175, 22, grey_label);

    screen(199, 48, 183, 225);            // map window
    for (int k = 0; k < 6; k++) button(200 + 30 * k, 20, 29, 26, {52, 54, 60});
    for (int k = 0; k < 4; k++) rect(271 + 30 * k, 25, 7, 6, {16, 16, 18});   // lamp frames
    return save_panel_picture("pict_efi", 388, 300);
}

// The ECAM: the screen over the page box, five page buttons with lamp frames.
static int write_ecam(void)
{
    begin_picture(155, 170, body);
    housing_box(0, 0, 155, 170);
    screen(3, 27, 150, 142);
    for (int k = 0; k < 5; k++) {
        button(30 * k + 2, 1, 27, 23, {52, 54, 60});
        rect(30 * k + 14, 3, 7, 6, {16, 16, 18});
    }
    return save_panel_picture("pict_eca", 155, 170);
}

// The gear panel over the radio stack's corner: lamps and the handle slot.
static int write_gear_panel(void)
{
    begin_picture(32, 56, {50, 53, 60});
    hline(0, 31, 55, {74, 78, 86});
    vline(0, 0, 55, {74, 78, 86});
    hline(0, 31, 0, {24, 25, 28});
    vline(31, 0, 55, {24, 25, 28});
    static const int lamp[3][2] = {{14, 14}, {8, 4}, {20, 4}};
    for (const auto& l : lamp) {
        rect(l[0] - 1, l[1] - 1, 6, 6, {110, 112, 118});
        rect(l[0], l[1], 4, 4, window_black);
    }
    recess(6, 24, 20, 27);
    small_at("GEAR", 15.5f, 51, white);
    return save_panel_picture("b_gear", 32, 56);
}

// ---- instrument faces ------------------------------------------------------------------

// The clock strip at the bottom of every face pasted at the supplementary
// slot: start and reset buttons and a window under minutes and seconds.
static void timer_strip(void)
{
    rect(0, 0, 100, 24, body);
    button(13, 8, 19, 11, button_face);
    small_at("RUN", 22, 11, white);
    button(37, 8, 17, 11, button_face);
    small_at("RST", 45, 11, white);
    window(55, 9, 31, 13);
    small_at("TIME", 70, 3, grey_label);
}

static int write_timer(void)
{
    begin_picture(100, 24, body);
    timer_strip();
    return save_panel_picture("pict_tim", 100, 24);
}

static void wide_face(void)
{
    begin_picture(128, 128, body);
    bezel(64, 64, 58, 63.5f);
}

// A radial mark about (cx, cy) from radius r1 to r2 at angle a (degrees
// clockwise from up), width units wide.
static void radial(float cx, float cy, float a, float r1, float r2, float width, colour c)
{
    float s = sinf(a * 0.0174533f), k = cosf(a * 0.0174533f);
    for (float r = r1; r <= r2; r += 0.5f)
        for (float w = -(width - 1) / 2.0f; w <= (width - 1) / 2.0f + 0.01f; w += 1.0f)
            set_px((int)lroundf(cx + r * s + w * k), (int)lroundf(cy + r * k - w * s), c);
}

// A capital of the font centred on (cx, cy).
static void caption_at(const char* s, float cx, float cy, colour c)
{
    caption(s, (int)lroundf(cx - (6.0f * (float)strlen(s) - 1) / 2.0f), (int)lroundf(cy - 3), c);
}

// The turn instruments' ball tube, the ball 15 units either side of the
// centre, its foot 46 below it.
static void ball_tube(void)
{
    rect(45, 16, 39, 10, {150, 152, 156});
    rect(46, 17, 37, 8, window_black);
}

// The altimeter's ring: a hundred feet a number 0 to 9, a tick every 20 ft
// under the long needle's tip (radius 44), the 100-ft ones longer.
static void altimeter_ring(void)
{
    for (int k = 0; k < 50; k++) radial(64, 64, 7.2f * (float)k, k % 5 == 0 ? 48.0f : 52.0f, 56, k % 5 == 0 ? 2.0f : 1.0f, white);
    for (int n = 0; n < 10; n++) {
        char digit[2] = {(char)('0' + n), 0};
        float a = 36.0f * (float)n * 0.0174533f;
        caption_at(digit, 64 + 40 * sinf(a), 64 + 40 * cosf(a), white);
    }
}

static int write_wide_faces(void)
{
    int ok = 1;
    wide_face();
    small_at("AIRSPEED", 64, 80, grey_label);
    ok &= save_panel_picture("pict_asi", 128, 128);

    // The horizon fills the whole dial inside radius 58; the knob that
    // raises and lowers the aircraft symbol stands at (55, -55).
    wide_face();
    knob(119, 9, 8);
    ok &= save_panel_picture("pict_ahz", 128, 128);

    // The drums read at x -17..6, y -21..-12 (altitude) and x 9..32, y
    // -5..4 (setting) from the centre; the setting knob at (-35, -48).
    wide_face();
    altimeter_ring();
    window(71, 57, 28, 14);
    window(45, 41, 27, 14);
    small_at("ALT", 64, 84, grey_label);
    knob(29, 16, 9);
    ok &= save_panel_picture("pict_alt", 128, 128);

    // The miniature aircraft's wing tips (radius 31) level, and banked 30
    // degrees at the standard rate of turn either way.
    wide_face();
    for (float a : {60.0f, 90.0f, 120.0f, 240.0f, 270.0f, 300.0f}) radial(64, 64, a, 34, 44, 2, white);
    caption_at("L", 64 + 51 * sinf(240 * 0.0174533f), 64 + 51 * cosf(240 * 0.0174533f), white);
    caption_at("R", 64 + 51 * sinf(120 * 0.0174533f), 64 + 51 * cosf(120 * 0.0174533f), white);
    ball_tube();
    small_at("TURN COORD", 64, 34, grey_label);
    ok &= save_panel_picture("pict_trn", 128, 128);

    // The needle (radius 40) at the standard rate of turn either way.
    wide_face();
    for (float a : {-30.0f, 30.0f}) radial(64, 64, a, 43, 52, 3, white);
    ball_tube();
    small_at("TURN", 64, 34, grey_label);
    ok &= save_panel_picture("pict_ned", 128, 128);

    // The glide-slope marks run x 5..10 and 117..122, five units a dot
    // either side of the centre row; the course and heading knobs sit at
    // (-37, -50) and (47, -50).
    wide_face();
    window(3, 37, 10, 55);
    window(115, 37, 10, 55);
    for (int dy : {-20, -10, 0, 10, 20}) {
        set_px(11, 64 + dy, white);
        set_px(116, 64 + dy, white);
        if (dy == 0) set_px(4, 64, white), set_px(123, 64, white);
    }
    knob(27, 14, 8);
    small_at("CRS", 27, 0, grey_label);
    knob(111, 14, 8);
    small_at("HDG", 111, 0, grey_label);
    ok &= save_panel_picture("pict_hsi", 128, 128);

    wide_face();
    small_at("VERT SPEED", 64, 82, grey_label);
    ok &= save_panel_picture("pict_vvi", 128, 128);
    return ok;
}

// A round face of the supplementary slot: centre (50, 82), the clock strip
// below, the instrument's name above.
static void slot_face(const char* name)
{
    begin_picture(100, 146, body);
    timer_strip();
    bezel(50, 82, 44.5f, 49);
    small_at(name, 50, 136, grey_label);
}

// A rectangular display of the supplementary slot.
static void slot_display(int x, int y, int w, int h)
{
    begin_picture(100, 146, body);
    timer_strip();
    housing_box(x, y, w, h);
}

static int write_slot_faces(void)
{
    int ok = 1;
    // The course scales 35 x 12 at 28 above and 42 below the centre, the
    // flag's window at 27 right of it, the course knob at (-28, -40); the
    // needles' dots: four units a dot across, five a dot up and down.
    slot_face("VOR");
    window(32, 109, 37, 14);
    window(32, 39, 37, 14);
    window(76, 76, 21, 12);
    for (int k = 1; k <= 5; k++)
        for (int sign : {-1, 1}) {
            rect(50 + sign * 4 * k, 82, 1, 1, white);
            rect(50, 82 + sign * 5 * k, 1, 1, white);
        }
    for (int a = 0; a < 360; a += 20) set_px((int)lroundf(50 + 3 * sinf(a * 0.0174533f)), (int)lroundf(82 + 3 * cosf(a * 0.0174533f)), white);
    knob(22, 42, 8);
    small_at("OBS", 22, 27, grey_label);
    ok &= save_panel_picture("pict_vor", 100, 146);

    // Range rings at 5, 10 and 15 nm (2.5 units a mile), the nose mark above.
    slot_face("STORMSCOPE");
    for (float ring : {12.5f, 25.0f, 37.5f})
        for (int a = 0; a < 360; a += ring < 20 ? 30 : 15) radial(50, 82, (float)a, ring, ring, 1, grey_label);
    radial(50, 82, 0, 40, 44, 2, white);
    rect(48, 81, 5, 1, grey_label);
    rect(50, 79, 1, 5, grey_label);
    ok &= save_panel_picture("pict_str", 100, 146);

    slot_display(3, 33, 95, 99);               // moving map
    screen(10, 42, 64, 81);
    for (int y = 75; y <= 105; y += 15) recess(81, y - 1, 15, 14);   // mode buttons
    button(81, 58, 15, 14, button_face);
    small_at("IN", 88, 63, white);
    button(81, 43, 15, 13, button_face);
    small_at("OUT", 88, 47, white);
    small_at("MAP", 50, 136, grey_label);
    ok &= save_panel_picture("pict_arg", 100, 146);

    // Feet by the dial's law: 36 degrees a hundred up to 500 (half a turn),
    // then 18 a five hundred to 2500; the decision-height knob at (-40, -40).
    slot_face("RAD ALT");
    for (int v = 0; v <= 2500; v += v < 500 ? 50 : 250) {
        float a = v < 500 ? v * 0.36f : (v - 500) * 0.036f + 180;
        int major = v < 500 ? v % 100 == 0 : v % 500 == 0;
        radial(50, 82, a, major ? 36.0f : 39.0f, 43, major ? 2.0f : 1.0f, white);
        if (!major) continue;
        char label[12];
        snprintf(label, sizeof label, "%d", v / 100);
        float r = 29;
        small_at(label, 50 + r * sinf(a * 0.0174533f), (int)lroundf(80 + r * cosf(a * 0.0174533f)), white);
    }
    small_at("X100 FT", 32, 100, grey_label);
    knob(10, 42, 8);
    small_at("DH", 10, 27, grey_label);
    ok &= save_panel_picture("pict_rlt", 100, 146);

    // Feet a minute: zero at nine o'clock, 32 degrees a hundred, 400 up and
    // down at the stops.
    slot_face("VARIO");
    for (int v = -400; v <= 400; v += 50) {
        float a = -90 + 0.32f * (float)v;
        int major = v % 100 == 0;
        radial(50, 82, a, major ? 36.0f : 39.0f, 43, major ? 2.0f : 1.0f, white);
        if (!major) continue;
        char label[12];
        snprintf(label, sizeof label, "%d", abs(v) / 100);
        small_at(label, 50 + 29 * sinf(a * 0.0174533f), (int)lroundf(80 + 29 * cosf(a * 0.0174533f)), white);
    }
    small_at("UP", 62, 96, grey_label);
    small_at("DN", 62, 64, grey_label);
    ok &= save_panel_picture("pict_var", 100, 146);

    slot_display(2, 28, 97, 118);              // weather radar
    screen(7, 51, 87, 91);
    // The range knob at (-2, -40): its left half doubles the range, its right halves it.
    small("RANGE", 5, 38, grey_label);
    knob(48, 42, 8);
    small_at("+", 36, 39, white);
    small_at("-", 60, 39, white);
    small("WXR", 76, 38, grey_label);
    ok &= save_panel_picture("pict_rad", 100, 146);

    slot_face("RMI");
    ok &= save_panel_picture("pict_rmi", 100, 146);
    return ok;
}

// The ADF: card knob at the lower left, the frequency under the dial and
// its hundreds, tens and units knobs below it.
static int write_adf(void)
{
    begin_picture(100, 152, body);
    bezel(50, 96, 44.5f, 49);
    small_at("ADF", 50, 147, grey_label);
    knob(15, 46, 8);
    small_at("CARD", 15, 31, grey_label);
    window(34, 26, 31, 13);
    small("KHZ", 67, 30, grey_label);
    for (int k = 0; k < 3; k++) knob(35 + 20 * k, 13, 7);
    return save_panel_picture("pict_adf", 100, 152);
}

static int write_engine_faces(void)
{
    int ok = 1;
    begin_picture(76, 76, body);
    bezel(38, 38, 32, 37.5f);
    ok &= save_panel_picture("pict_eng", 76, 76);

    // The exhaust-temperature mark travels x 20..50 at y 8..12; the strip
    // stands on the lamp row's edge, so it is a plate of its own.
    lever_plate(60, 20);
    small("EGT", 3, 8, white);
    window(17, 6, 37, 9);
    ok &= save_panel_picture("pict_egt", 60, 20);
    return ok;
}

// ---- lever pictures ----------------------------------------------------------------------

// A groove two units wide the handle rides in.
static void groove(int x, int y0, int y1)
{
    rect(x, y0, 2, y1 - y0 + 1, {14, 15, 18});
    vline(x + 2, y0, y1, {72, 78, 90});
}

static int write_levers(void)
{
    int ok = 1;
    // The elevator trim wheel seen edge on; the mark rides x 5..10, y 9..54.
    lever_plate(16, 60);
    rect(3, 6, 10, 52, {12, 12, 14});
    for (int y = 7; y < 57; y++) hline(4, 11, y, y % 3 == 0 ? colour{30, 31, 34} : colour{64, 66, 70});
    small("TRIM", 0, 0, white);
    ok &= save_panel_picture("b_trim", 16, 60);

    // Speed brakes: the handle (x 6..25) stops at y 15, 25, 35 and 45.
    for (int automatic = 1; automatic >= 0; automatic--) {
        lever_plate(32, 52);
        groove(15, 14, 50);
        small_at("SPD BRK", 15.5f, 1, white);
        if (automatic) small_at("AUTO", 15.5f, 8, white);
        ok &= save_panel_picture(automatic ? "b_sbrka" : "b_sbrkm", 32, 52);
    }

    // Wing sweep: the handle x 1..27 rides y 1..49 between the driver's marks at x 0 and 28.
    lever_plate(32, 50);
    groove(13, 7, 47);
    small_at("SWEEP", 14, 1, white);
    ok &= save_panel_picture("b_swee", 32, 50);

    // Thrust vector: the handle x 15..41 rides y 1..62, marks at x 14 and 43.
    lever_plate(48, 64);
    groove(27, 7, 61);
    small_at("VECTOR", 23.5f, 1, white);
    ok &= save_panel_picture("b_vect", 48, 64);
    return ok;
}

// ---- the handle sheet ------------------------------------------------------------------

// Cell of kind k: column k mod 4, row k div 4 from the bottom, 32 x 32 each.
static int cell_x(int kind) { return 32 * (kind % 4); }
static int cell_y(int kind) { return 32 * (kind / 4); }

// Starts the picture of a kind: its rectangle, filled, and the drawing held inside it.
static void begin_handle(int kind, int w, int h, colour ground)
{
    clip_to(cell_x(kind), cell_y(kind), w, h);
    rect(cell_x(kind), cell_y(kind), w, h, ground);
}

// Small button, 10 x 9, with a lamp that is green when on.
static void handle_small_button(int kind, int on)
{
    begin_handle(kind, 10, 9, {30, 31, 34});
    int x = cell_x(kind), y = cell_y(kind);
    button(x, y, 10, 9, {120, 122, 128});
    rect(x + 3, y + 3, 4, 3, on ? colour{70, 240, 80} : colour{22, 50, 24});
    if (on) hline(x + 4, x + 5, y + 5, {200, 255, 200});
}

// Gear handle, 16 x 24: a wheel-shaped knob on a stem, up or down.
static void handle_gear(int kind, int down)
{
    begin_handle(kind, 16, 24, {20, 21, 24});
    float x = (float)cell_x(kind), y = (float)cell_y(kind);
    rect((int)x + 6, (int)y + 2, 4, 20, {150, 152, 158});
    vline((int)x + 6, (int)y + 2, (int)y + 21, {200, 202, 208});
    float wheel_y = down ? y + 5.5f : y + 17.5f;
    disc(x + 7.5f, wheel_y, 6, {90, 92, 96});
    disc(x + 7.5f, wheel_y, 4.8f, {236, 236, 232});
    disc(x + 7.5f, wheel_y, 1.5f, {120, 122, 126});
}

// Autopilot mode button, 20 x 13, its lamp strip lit green when on.
static void handle_ap_button(int kind, int on)
{
    begin_handle(kind, 20, 13, {30, 31, 34});
    int x = cell_x(kind), y = cell_y(kind);
    button(x, y, 20, 13, {104, 106, 112});
    rect(x + 3, y + 7, 14, 3, on ? colour{70, 240, 80} : colour{24, 44, 26});
    if (on) hline(x + 4, x + 15, y + 9, {190, 255, 190});
    hline(x + 3, x + 16, y + 3, {80, 82, 88});
}

// Toggle switch, 18 x 10: the bat up and the lamp lit when on.
static void handle_toggle(int kind, int on)
{
    begin_handle(kind, 18, 10, {36, 38, 42});
    int x = cell_x(kind), y = cell_y(kind);
    hline(x, x + 17, y + 9, {70, 72, 78});
    hline(x, x + 17, y, {20, 20, 24});
    rect(x + 2, y + 3, 3, 4, on ? colour{70, 240, 80} : colour{24, 44, 26});
    disc(x + 11.0f, y + 4.5f, 2.6f, {110, 112, 118});        // the nut
    int top = on ? y + 9 : y + 4, bottom = on ? y + 5 : y;
    rect(x + 10, bottom, 3, top - bottom + 1, {220, 222, 226});
    vline(x + 12, bottom, top, {150, 152, 156});
}

// A lever knob filling w x h: rounded, lit from the top left.
static void handle_knob(int kind, int w, int h, colour c)
{
    begin_handle(kind, w, h, times(c, 0.35f));
    float x = (float)cell_x(kind), y = (float)cell_y(kind);
    const float r = fminf(w, h) * 0.3f;
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            float cx = fminf(fmaxf((float)i, r - 0.5f), w - 0.5f - r);
            float cy = fminf(fmaxf((float)j, r - 0.5f), h - 0.5f - r);
            float d = pythag(i - cx, j - cy);
            float lit = 0.75f + 0.5f * ((float)j / h - (float)i / w);
            blend_px((int)x + i, (int)y + j, times(c, lit), r + 0.5f - d);
        }
}

// A propeller or mixture lever, 9 x 27: a coloured knob on a grey shaft.
static void handle_lever(int kind, colour c)
{
    begin_handle(kind, 9, 27, {26, 27, 30});
    int x = cell_x(kind), y = cell_y(kind);
    rect(x + 3, y, 3, 16, {150, 152, 156});
    vline(x + 3, y, y + 15, {190, 192, 196});
    for (int j = 14; j < 27; j++) {
        float k = 0.8f + 0.5f * (j - 14) / 13.0f;
        hline(x + (j == 14 || j == 26 ? 1 : 0), x + (j == 14 || j == 26 ? 7 : 8), y + j, times(c, k));
    }
    vline(x, y + 15, y + 25, times(c, 1.3f));
}

static int write_hand_sheet(void)
{
    clip_to(0, 0, 128, 128);
    rect(0, 0, 128, 128, magenta);
    handle_small_button(0, 0);
    handle_small_button(1, 1);
    handle_gear(2, 0);
    handle_gear(3, 1);
    handle_ap_button(4, 0);
    handle_ap_button(5, 1);
    handle_toggle(6, 0);
    handle_toggle(7, 1);
    handle_knob(8, 13, 14, {120, 122, 128});                  // throttle
    handle_lever(9, {60, 110, 235});                          // propeller
    handle_lever(10, {230, 50, 40});                          // mixture

    begin_handle(11, 6, 4, {250, 250, 246});                  // trim wheel mark
    hline(cell_x(11), cell_x(11) + 5, cell_y(11), {150, 150, 146});

    // Flap handle, 30 x 8: a white flap-shaped grip on its dark lever, round at the nose.
    begin_handle(12, 30, 8, {58, 60, 66});
    for (int i = 1; i < 29; i++) {
        float half = 3.2f * sqrtf(fminf(i / 3.0f, 1.0f)) * (1.0f - 0.7f * (i - 1) / 27.0f);
        for (int j = 0; j < 8; j++) {
            float a = half + 0.5f - fabsf(j - 3.5f);
            blend_px(cell_x(12) + i, cell_y(12) + j, j >= 4 ? colour{240, 240, 236} : colour{186, 188, 192}, a);
        }
    }

    begin_handle(13, 20, 5, {150, 152, 158});                 // speed brake
    hline(cell_x(13), cell_x(13) + 19, cell_y(13) + 4, {210, 212, 216});
    hline(cell_x(13), cell_x(13) + 19, cell_y(13), {80, 82, 88});
    rect(cell_x(13) + 1, cell_y(13) + 1, 3, 3, {60, 62, 66});
    rect(cell_x(13) + 16, cell_y(13) + 1, 3, 3, {60, 62, 66});

    handle_knob(14, 12, 13, {200, 200, 196});                 // carburettor heat

    // Sweep and vector handle, 27 x 9: a grey bar with a yellow grip.
    begin_handle(15, 27, 9, {140, 142, 148});
    hline(cell_x(15), cell_x(15) + 26, cell_y(15) + 8, {200, 202, 206});
    hline(cell_x(15), cell_x(15) + 26, cell_y(15), {70, 72, 78});
    rect(cell_x(15) + 9, cell_y(15) + 2, 9, 5, {235, 200, 40});
    return save_picture("textures/cockpit/hand.BMP", 128, 128);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_10_pictures PROGRAM_FOLDER/\n");
        return 2;
    }
    program_folder = argv[1];
    if (!program_folder.empty() && program_folder.back() != '/') program_folder += '/';
    to_array = 1;
    int ok = 1;
    memset(rgb_array, 0, sizeof rgb_array);
    ok &= write_startup_picture();
    ok &= write_letters();
    ok &= write_tapes();
    ok &= write_cursor();
    ok &= write_needle();
    ok &= write_dg();
    ok &= write_hand_sheet();
    ok &= write_panel("PANL_P", shield);
    ok &= write_panel("PANL_H", shield_heli);
    ok &= write_radio_stack();
    ok &= write_gps();
    ok &= write_glass();
    ok &= write_ecam();
    ok &= write_gear_panel();
    ok &= write_timer();
    ok &= write_wide_faces();
    ok &= write_slot_faces();
    ok &= write_adf();
    ok &= write_engine_faces();
    ok &= write_levers();
    return ok ? 0 : 1;
}
