// 2D drawing, the colour table, the font and the texture loader. Every
// primitive draws through OpenGL, or into the software picture rgb_array
// while to_array is set. Owns col_rgb, rgb_array and the GL state caches.
#pragma once

#include <cstdio>

const int rgb_array_bytes = 1440000;        // 800 x 600 x 3

extern float col_rgb[80][3];
extern unsigned char current_rgb[3];
extern unsigned char rgb_array[rgb_array_bytes];
extern int to_array;

// ---- state, colours, primitives --------------------------------------------

void OGL_setstate(int fog, int texture, int lighting, int depth);
void OGL_bindtex(int tex_id);
// MACIBM_init calls it: the caches above forget GL's switches and the bound texture.
void clear_graph_run_state(void);
void OGL_setcolor(int colour);
void OGL_assigncolor(int colour, float r, float g, float b);
void BUF_point(int x, int y);               // points off the picture are dropped
void OGL_sbuf(void);
void OGL_line(int colour, float x1, float y1, float x2, float y2);
void OGL_fillrect(int colour, float x, float y, float width, float height);
void OGL_framerect(int colour, float x, float y, float width, float height);
void OGL_framecircle(int colour, float x, float y, float radius);
// Band of arcs one unit apart; angles in degrees clockwise from straight up.
void OGL_arc(int colour, float x, float y, float radius_from, float radius_to,
             float angle_from, float angle_to);
void OGL_2dquad(float s1, float t1, float s2, float t2, float s3, float t3, float s4, float t4,
                float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
// Two vertices; the caller opens and closes the GL line list.
void OGL_3dline(float x1, float y1, float z1, float x2, float y2, float z2);
// One quad's normal, then its corners with texture coordinates; the caller
// opens and closes the GL quad list and binds the texture. The normal is
// (p3 - p2) x (p2 - p1) scaled to 1, (0, 1, 0) for a quad of no area.
// Corners (1, 1), (1, 0), (0, 0), (0, 1):
void OGL_3dquad(const float p1[3], const float p2[3], const float p3[3], const float p4[3]);
// Corners (s1, t1), (s1, t2), (s2, t2), (s2, t1):
void OGL_3dquad_st(const float p1[3], const float p2[3], const float p3[3], const float p4[3], float s1, float t1,
                   float s2, float t2);
// Each corner ((x - x0) / dx, (z - z0) / dz): a texture repeating every dx m
// east and dz m south of (x0, z0) over the ground. dx and dz must not be 0.
void OGL_3dquad_range(const float p1[3], const float p2[3], const float p3[3], const float p4[3], float x0,
                      float z0, float dx, float dz);

// ---- the dot-matrix font -----------------------------------------------------

// 5 x 7 dots of each character code 32 to 126, rows top to bottom, '#' a
// dot. Characters without a glyph of their own hold the "_" dots.
extern const char font_dots[95][36];
// Lower-case shapes of the font texture: 5 x 9 dots, rows 0 to 6 stand on
// the baseline like the capitals, rows 7 and 8 hang below it.
extern const char font_lower_dots[26][46];
// The dots the software path plots for c (lower case as upper case).
const char* font_dots_of(char c);
// Glyph index 1 to 89 of c in the font texture (74, the "_" glyph, when c has none).
int  font_glyph_index(char c);

void OGL_sub_character(float x, float y, const int flags[35]);
// One character at (x, y); no origin. Between a GL quad list's open and close.
void OGL_char(float x, float y, char c);
void OGL_string(int colour, float x, float y, const char* text, float wrap_width, float advance);
void OGL_number(int colour, float x, float y, float value, int digits, int decimals,
                float advance, int sign);

// ---- BMP pictures and textures -------------------------------------------------

// Texture ids: the table's fixed numbers. Each group's files sit in a folder
// of its own under "textures/".
const int tex_paint_first = 0;         // aircraft paint: 16 a slot, beside the aircraft file
const int tex_paint_per_slot = 16;
const int tex_terrain_first = 50;      // terrain classes and their transitions, "terrain/"
const int tex_water = 50;
const int tex_flat = 54;
const int tex_steep = 58;
const int tex_terrain_last = 61;
const int tex_grass = 64;              // "grass/"
const int tex_dirt = 65;               // "dirt/"
const int tex_gravel = 66;             // "grav/"
const int tex_asphalt_first = 68;      // "asphalt/"
const int tex_asphalt_last = 95;
const int tex_concrete_first = 96;     // "concrete/"
const int tex_concrete_last = 123;
// A runway set's pictures, from its first id (the two sets hold the same names).
const int rway_set_size = 28;
const int rway_tens_first = 0;         // "rway_0L".."rway_3L": the tens digit, left half
const int rway_units_first = 4;        // "rway_0R".."rway_9R": the units digit, right half
const int rway_letter_L = 14;
const int rway_letter_C = 15;
const int rway_letter_R = 16;
const int rway_turn = 17;
const int rway_pave = 18;
const int rway_disp = 19;              // displaced-threshold arrows
const int rway_thld = 20;              // threshold bars
const int rway_tdz1 = 21;              // touchdown zone, one to three bar pairs
const int rway_tdz2 = 22;
const int rway_tdz3 = 23;
const int rway_fdmk = 24;              // aiming-point blocks
const int rway_lins = 25;              // centre-line dash with the zone's side stripes
const int rway_lint = 26;
const int rway_linc = 27;              // the plain centre-line dash
static_assert(tex_asphalt_first + rway_set_size == tex_concrete_first, "two sets of one size");
const int tex_buildings_first = 124;   // "buildings/"
const int tex_bld_block = 124;
const int tex_bld_nartop = 125;
const int tex_bld_tapered = 126;
const int tex_bld_narbot = 127;
const int tex_bld_avon = 128;
const int tex_bld_contow = 129;        // a control tower, its cab's glass at the top
const int tex_buildings_last = 129;
const int tex_surfaces_first = 130;    // "surfaces/"
const int tex_tire = 130;              // the wheels of every aircraft
const int tex_metal = 131;             // "metal": navaid masts and huts
const int tex_deck = 132;              // the carrier's whole flight deck
const int tex_dirty = 133;             // weathered steel and concrete
const int tex_pad = 134;               // a helipad: an H in a circle
const int tex_tower = 135;             // the carrier's island, in four bands up the t axis
// The edges in t of the tower's bands, the island's lowest level first: the
// picture is painted and the island drawn on the same bands.
const float island_band[5] = {0, 0.234f, 0.398f, 0.914f, 1};
const int tex_hull = 136;
const int tex_redwhite = 137;          // "redwhite": navaid antennas
const int tex_windsock = 138;
const int tex_pylon = 139;             // the rig's legs and columns
const int tex_markers = 140;           // runway sign glyphs, 4 x 4 cells:
// cell g at column g mod 4 and row g div 4 from the bottom; 0 to 9 the digits
const int marker_L = 10;
const int marker_R = 11;
const int marker_distance_first = 12;  // 12 to 14: 1, 2 and 3 thousand feet to go
const int marker_blank = 15;
const int tex_surfaces_last = 140;
const int tex_overlay_first = 141;     // "overlay/"
const int tex_trees = 141;             // the season's tree picture
const int tex_moon = 142;              // a grey disc on magenta
const int tex_pdisc = 143;             // a turning propeller; brightness as alpha, drawn black
const int tex_cloud = 144;             // a cloud puff, brightness as alpha; repeats once a cloud cell
const int tex_bsnow = 145;             // blowing snow, brightness as alpha
const int tex_wake1 = 146;             // a wake's centre strip, brightness as alpha
const int tex_wake2 = 147;             // its side strips
const int tex_smoke = 148;             // a smoke puff, brightness as alpha, drawn black
const int tex_overlay_last = 148;
const int tex_fire_first = 149;        // "fire/"
const int tex_fire_last = 160;
const int tex_hand = 161;              // "cockpit/" from here to tex_dg; the panel's handle sheet
const int tex_letters = 162;           // the font, and the moving map's symbols
const int tex_tapes = 163;
const int tex_cursor = 164;            // the program's own cursor
const int tex_needle = 165;
const int tex_dg = 166;
const int tex_radar = 167;             // the glass displays' weather radar, built by the panel
const int tex_tiles_first = 500;       // the window background: 35 tiles of 128 x 128, 7 a row
const int tex_tiles_across = 7;
const int tex_tiles_down = 5;
const int tex_object_first = 1000;     // custom object textures
const int tex_custom_first = 2000;     // custom terrain textures

inline int is_terrain_tex(int id)
{
    return (id >= tex_terrain_first && id <= tex_terrain_last) || id >= tex_custom_first;
}

// OGL_texbmp's kinds: what the name is and where the picture goes.
const int bmp_shared = -100;           // texture id from its folder under tex_path, by name
const int bmp_window = -101;           // pasted into rgb_array from the program's bitmaps/
const int bmp_by_path = -102;          // texture id, the name a full path less ".BMP"
const int bmp_cockpit = -103;          // a custom cockpit pasted into rgb_array, by full path
// Its modes for the texture kinds.
const int bmp_opaque = 0;
const int bmp_terrain = -104;          // square, mipmapped
const int bmp_keyed = -105;            // magenta transparent
const int bmp_glow = -106;             // brightness as alpha

// Loads a BMP as texture id (kinds -100, -102) or pastes it into rgb_array
// (kinds -101, -103). 1 when the file was opened.
int  OGL_texbmp(int kind, int id_or_x, int mode_or_y, const char* name, int* width, int* height);
// OGL_texbmp's reading, without GL: the BMP open on in (path names it in the
// alerts) into rgb_array as the kind and mode ask. Every fault of the file is
// fatal; 0 after the notice of a custom cockpit's wrong size, else 1 with
// width and height set. The caller closes in.
int  read_bmp(FILE* in, const char* path, int kind, int id_or_x, int mode_or_y, int* width, int* height);
int  read_bmp_file(const char* path, int kind, int id, int mode, int* width, int* height);  // 0: no such file

// The window background: rgb_array cut into 7 x 5 tiles of 128 x 128, tile
// (column c, row r from the bottom) as texture 500 + c + 7r; pure magenta is
// transparent. Each window start-up calls it once its picture is composed.
void OGL_upload_background(void);
// Draws textures 500 to 534 over the whole screen.
void OGL_plot_background(void);
