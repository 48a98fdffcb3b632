// The editors' window tests drive the real frame loop on the virtual
// display: frames run, clicks and menu choices queued as the user makes
// them, and pixels of the shown picture read back by colour.
#pragma once
#include "HL_MNW.h"
#include "host_test.h"

#include <cstdlib>

// Up to n frames, fewer once the loop is ending.
inline void frames(int n)
{
    for (int k = 0; k < n && !gdone; k++) MACIBM_event_proc();
}

// A click at (x, y) of the 800 x 600 screen, y up, in a frame of its own.
inline void click(float x, float y)
{
    host_test_push_click((int)x, (int)(600 - y));
    host_test_push_frame_break();
}

// A click on the menu's title, from the laid-out menus.
inline void open_menu(int menu)
{
    click((mnw.menux1[menu] + mnw.menux2[menu]) / 2, (mnw.menuy1[menu] + mnw.menuy2[menu]) / 2);
}

// The menu opened, then a click on the item's middle.
inline void choose(int menu, int item)
{
    open_menu(menu);
    click(mnw.itemx1[item] + 20, (mnw.itemy1[item] + mnw.itemy2[item]) / 2);
}

// The shown pixel (x, y), y up, is the colour within 3 a channel.
inline bool shows(int x, int y, int r, int g, int b)
{
    unsigned char c[3];
    host_test_read_front(x, y, 1, 1, c);
    return abs(c[0] - r) <= 3 && abs(c[1] - g) <= 3 && abs(c[2] - b) <= 3;
}

// Shown pixels of the colour in a box of the screen.
inline int count_shown(int x, int y, int w, int h, int r, int g, int b)
{
    int n = 0;
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) n += shows(i, j, r, g, b);
    return n;
}
