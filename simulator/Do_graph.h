// The charts: the chart window (3, the kind of msc.chart_kind) and an
// airport diagram (24), drawn from the region, the world tables and the
// flown path.
#pragma once

// Each frame while window 3 or 24 is open; a click there places the aircraft.
void manage_map(void);

// ---- the aircraft symbol and the flown path, for every map ----------------------

// The aircraft's symbol at (x, y) window units, turned to heading (degrees,
// nose up at 0): fuselage and tail, then wings or, for a helicopter, its
// rotor. Its colour alternates 8 and 9 on every call, so that it blinks.
void flashplane(float x, float y, float heading);
// One line of the symbol: the ends (x1, y1), (x2, y2) in symbol units, turned
// by heading about (x, y).
void plane_line(int colour, float heading, float x, float y, float x1, float y1, float x2, float y2);
// One segment of the flown path, from the point of the last call to (x, y),
// the point of path sample `sample`. A first call only starts the line; no
// segment is drawn when this sample or the one before it (wrapping) is empty,
// or when either point is off the 800 x 600 screen. Colour 29, or with blink
// 8 and 9 in turn; drawn twice, the copy a unit aside, so it reads thick.
void plot_path(int first, float x, float y, int sample, int blink);
void clear_map_run_state(void);   // the symbol's and the path's blink and the path's pen
