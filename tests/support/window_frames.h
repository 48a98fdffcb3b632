// The headless window tests' surroundings: a window's manager run without a
// window, at the picture's corner, drawing into the software picture, with
// the mouse set in window units.
#pragma once
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "Windows.h"

// This frame's mouse, in window units.
inline void mouse(float x, float y, int clicked, int held = 0)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = clicked;
    mnw.now_dragging = held;
    mnw.delay_dragging = 0;
}

// One frame of a window's manager, drawn into the software picture.
inline void frame(void (*manage)(void))
{
    to_array = 1;
    manage();
    to_array = 0;
}

// A window of this size at the picture's corner, for the managers alone.
inline void window_at_origin(int id)
{
    float dx, dy;
    window_size(id, &dx, &dy);
    mnw.topwin = id;
    mnw.x = mnw.y = 0;
    mnw.dx = dx;
    mnw.dy = dy;
}
