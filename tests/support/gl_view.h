// The window tests' camera: an orthographic view over a span of the world,
// so that window coordinates map straight back to metres.
#pragma once

#include <GL/gl.h>

// x from left to right across the window, and up it y from bottom to top,
// or with look_down -z from bottom to top (seen from straight above); depth
// metres either way. The viewport is the caller's.
inline void ortho_camera(double left, double right, double bottom, double top, double depth, bool look_down)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -depth, depth);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (look_down) glRotatef(90, 1, 0, 0);
}
