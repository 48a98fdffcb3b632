// The instrument panel. Until the panel is drawn and worked whole, the
// attitude indicator reads the attitude, a press on the all-throttles handle
// sets the throttles and nothing else on the panel acts; the main view shows
// its window's picture, through which the outside view shows, and the strip
// between the view and the menu bar is black, so an alert that closed does
// not stay on the screen.
#include "P_update.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Startscn.h"
#include "records.h"

#include <cmath>

static const int col_black = 29;
static const float menu_bar_bottom = 583;   // the picture's lines under the menu bar

void update_panel(void)
{
    OGL_plot_background();
    // From the row of pixels above the view, whose height is truncated to
    // whole pixels, up to the menu bar.
    float strip_bottom = floorf(view_top_with_panel * mnw.YRAT) / mnw.YRAT;
    OGL_fillrect(col_black, 0, strip_bottom, 800, menu_bar_bottom - strip_bottom);
    ins.ah_pitch = flt.theta[0];
    ins.ah_roll = flt.phi[0];
}

// The all-throttles handle: 13 units wide about its column, its travel from
// 11 (idle) to 59 (full) in panel units.
static const float throttle_column = 675.0f;
static const float throttle_half_width = 6.5f;
static const float throttle_idle_y = 11.0f;
static const float throttle_travel = 48.0f;

void manage_das(float x, float y)
{
    float column = ins.radio_dy + throttle_column;
    if (!fltbox(x, y, column - throttle_half_width, throttle_idle_y - 7.0f,
                column + throttle_half_width, throttle_idle_y + throttle_travel + 7.0f))
        return;
    float t = fltlim((y - throttle_idle_y) / throttle_travel, 0.0f, 1.0f);
    for (int e = 0; e < plane_engines; e++) flt.throttle_req[e] = t;
}

void plot_glass_tape(int, float, float, float, float, float, float, float, int, float, int) {}
