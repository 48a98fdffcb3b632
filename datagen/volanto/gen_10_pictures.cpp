// Writes the start-up picture "bitmaps/VSYS.BMP" and the cockpit textures
// "letters", "tapes", "cursor", "needle" and "dg" into the program folder
// given as the one argument (ending in '/'). Everything is drawn by code into
// the library's software picture rgb_array and written by the generators'
// BMP writer.
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "bmp_writer.h"

#include <cmath>
#include <cstdio>
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

static void set_px(int x, int y, float r, float g, float b)
{
    if (x < 0 || x >= 800 || y < 0 || y >= 600) return;
    unsigned char* p = rgb_array + (y * 800 + x) * 3;
    p[0] = (unsigned char)intlim((int)r, 0, 255);
    p[1] = (unsigned char)intlim((int)g, 0, 255);
    p[2] = (unsigned char)intlim((int)b, 0, 255);
}

// Mixes a colour over the pixel by a weight 0..1.
static void blend_px(int x, int y, float r, float g, float b, float a)
{
    if (x < 0 || x >= 800 || y < 0 || y >= 600 || a <= 0) return;
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
// (t 180..228, value 0 at s 20) and four scales of 1 texel a unit
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

    static const int strip_base[4] = {144, 96, 48, 0};
    for (int k = 0; k < 4; k++) {
        int t = strip_base[k];
        OGL_line(4, 0, (float)t, 255, (float)t);
        for (int v = -30; v <= 226; v += 5) {
            float s = (float)(v + 30);
            OGL_line(v % 10 == 0 ? 3 : 4, s, (float)(t + 38), s, v % 10 == 0 ? (float)(t + 47) : (float)(t + 43));
        }
        for (int v = 0; v <= 220; v += 20) {
            char text[8];
            snprintf(text, sizeof text, "%d", v / (k + 1) / 10);
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
    return ok ? 0 : 1;
}
