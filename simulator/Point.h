// Points of light in the outside view: the runway and approach lights and
// the night sky (stars, meteors, the moon).
#pragma once

// Every in-view airport's lights, while scn.rway_lights is set.
void plot_rway_lights(void);
// (r, g, b) the frame's sky colour; the rectangle the viewport's, in
// reference units, where meteors may appear.
void plot_stars(float r, float g, float b, float left, float bottom, float right, float top);
