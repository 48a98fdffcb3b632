// 2D drawing and the colour table; the window background.
#include "HL_GRAPH.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"

#include <GL/gl.h>
#include <cmath>

float col_rgb[80][3];
unsigned char current_rgb[3];
unsigned char rgb_array[rgb_array_bytes];
int to_array = 0;

// ---- state caches --------------------------------------------------------

void OGL_setstate(int fog, int texture, int lighting, int depth)
{
    static int known = 0;
    static int fog_on, tex_on, light_on, depth_on;
    if (!known) {
        fog_on = glIsEnabled(GL_FOG);
        tex_on = glIsEnabled(GL_TEXTURE_2D);
        light_on = glIsEnabled(GL_LIGHTING);
        depth_on = glIsEnabled(GL_DEPTH_TEST);
        known = 1;
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

void OGL_bindtex(int tex_id)
{
    static int bound = -1;
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
        float t[3];
        for (int k = 0; k < 3; k++) {
            float lite = ins.lite_rgb[k];
            t[k] = c[k] * (mnw.topwin != 0 ? 0.5f * lite + 0.5f : lite);
        }
        glColor3f(t[0], t[1], t[2]);
    } else {
        glColor3f(c[0], c[1], c[2]);
    }
}

void OGL_assigncolor(int colour, float r, float g, float b)
{
    if (colour < 0 || colour > 79) MACIBM_alert("too many colors!", "", "", "", 2004);
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
        glBegin(GL_POINTS);
        glVertex2f(x2 + ox + 0.5f, y2 + oy + 0.5f);
        glEnd();
        return;
    }
    float L = sqrtf((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
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
    int c0 = intround(x + ox), c1 = intround(x + ox + w);
    int r0 = intround(y + oy), r1 = intround(y + oy + h);
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

// ---- text and textures (the font and the loader come with their own work) --

void OGL_string(int, float, float, const char*, float, float) {}

int OGL_texbmp(int, int, int, const char*, int* width, int* height)
{
    *width = 4;
    *height = 4;
    return 0;
}

// ---- window background ---------------------------------------------------

void OGL_plot_background(void)
{
    float c[3];
    for (int k = 0; k < 3; k++) {
        c[k] = ins.lite_rgb[k];
        if (mnw.topwin != 0) c[k] = 0.5f * c[k] + 0.5f;
    }
    glColor3f(c[0], c[1], c[2]);
    OGL_setstate(0, 1, 0, 0);
    glEnable(GL_ALPHA_TEST);
    for (int j = 0; j < 5; j++) {
        for (int i = 0; i < 7; i++) {
            OGL_bindtex(500 + i + 7 * j);
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
