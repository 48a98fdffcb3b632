// 2D drawing, the colour table, the font and the texture loader. Every
// primitive draws through OpenGL, or into the software picture rgb_array
// while to_array is set. Owns col_rgb, rgb_array and the GL state caches.
#pragma once

const int rgb_array_bytes = 1440000;        // 800 x 600 x 3

extern float col_rgb[80][3];
extern unsigned char current_rgb[3];
extern unsigned char rgb_array[rgb_array_bytes];
extern int to_array;

void OGL_setstate(int fog, int texture, int lighting, int depth);
void OGL_bindtex(int tex_id);
void OGL_setcolor(int colour);
void OGL_assigncolor(int colour, float r, float g, float b);
void BUF_point(int x, int y);
void OGL_sbuf(void);
void OGL_line(int colour, float x1, float y1, float x2, float y2);
void OGL_fillrect(int colour, float x, float y, float width, float height);
void OGL_framerect(int colour, float x, float y, float width, float height);
void OGL_2dquad(float s1, float t1, float s2, float t2, float s3, float t3, float s4, float t4,
                float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);

// Text in the dot-matrix font.
void OGL_string(int colour, float x, float y, const char* text, float wrap_width, float advance);

// Loads a BMP as texture id (kinds -100, -102) or pastes it into rgb_array
// (kinds -101, -103). 1 when the file was opened.
int  OGL_texbmp(int kind, int id_or_x, int mode_or_y, const char* name, int* width, int* height);

// The window background: textures 500 to 534 over the whole screen.
void OGL_plot_background(void);
