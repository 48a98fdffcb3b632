// Foilwright's screen, once a frame: the parameter fields on the left, the
// coefficient plot on the right with its cursor, and the cursor's readout.
// The captions, the plot frame and the axis labels are in the background
// picture ("AFL", "FLP"), not drawn here.
//
// Sections: fields, plot, frame.
#include "Init.h"
#include "Function.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"

#include <cmath>

// ---- fields ----------------------------------------------------------------

const int field_plain = 0;           // 0 up to what the places show
const int field_signed = 1;          // negative values too
const int field_bounded = 2;         // held to lo .. hi

struct foil_field {
    float* value;
    float x, y;
    int colour, digits, decimals, kind;
    float lo, hi;
    const char* help;
};

static airfoilstruct& A = afl[0];

// Help texts two fields share.
static const char* const help_cmal2 =
    "This is the angle of attack at which the airfoil pitching-moment changes... it is almost always the same as the stalling angle of attack, entered below.";
static const char* const help_cm2 =
    "This is the coefficient of pitching moment at the pitch-moment change entered above. The pitch moment is an indication of how much the airfoil tends to twist UP. Since airfoils almost always pitch DOWN, this number is almost always negative.";

static const foil_field airfoil_fields[] = {
    {&A.Re[0][0][0], 152, 540, 1, 3, 1, field_plain, 0, 0,
     "Reynolds number basically is equal to the CHORD (size) of the wing times the SPEED of the airplane times a constant. Light planes may have a Reynolds number of about 9 million."},
    {&A.trat[0][0], 184, 502, 1, 3, 2, field_plain, 0, 0,
     "Thickness ratio is the ratio of how THICK the airfoil is at it's thickest point to it's CHORD (from leading edge to trailing edge). Typical thickness ratios go from about 0.08 (for a thin, low-drag airfoil) to 0.16 (for a thick, hi-lift airfoil)."},
    {&A.clB[0][0][0], 9, 454, 1, 5, 4, field_signed, 0, 0,
     "The lift intercept is the amount of lift the foil puts out at zero degrees angle of attack. This is the lift when the wing is aimed straight into the wind, and is not pitched up at all. 0.20 is a typical value."},
    {&A.clM[0][0][0], 70, 454, 1, 5, 4, field_plain, 0, 0,
     "The lift slope is the amount of lift the airfoil puts out for each degree angle of attack the wing has on the air. Airfoils almost always have a lift slope of very close to 0.1."},
    {&A.Lpow, 131, 454, 1, 5, 4, field_plain, 0, 0,
     "Tune this number so the lift curve transitions smoothly into the stall."},
    {&A.Lstall, 192, 454, 1, 5, 4, field_plain, 0, 0,
     "This is the maximum coefficient of lift that the airfoil can put out. 1.6 is common."},
    {&A.Ldrop1, 9, 401, 1, 5, 4, field_plain, 0, 0,
     "This is an indication of how sharp the stall is... a foil with a sharper stall will lose lift more abruptly when the wing goes to too high an angle of attack. A larger number here will result in a more sudden stall with a sharper drop of the airplane in flight."},
    {&A.Lpowstl, 70, 401, 1, 5, 4, field_plain, 0, 0,
     "Tune this number so the lift curve transitions smoothly after the stall."},
    {&A.Ldrop2, 131, 401, 1, 5, 4, field_plain, 0, 0,
     "This is an indication of how much lift is lost after the stall... thick and suercritical airfoils lose little lift, but thin low-drag airfoils lose a lot of lift here."},
    {&A.Dmin, 9, 348, 2, 5, 4, field_plain, 0, 0,
     "This is the minimum parasite drag coefficient of the airfoil. It probably occurs at an angle of attack close to zero degrees."},
    {&A.DminCL, 70, 348, 2, 5, 4, field_signed, 0, 0,
     "This is the coefficient of lift at which the minimum drag coefficient is achieved. It is probably close to the lift intercept value you entered above."},
    {&A.Dal10, 131, 348, 2, 5, 4, field_plain, 0, 0,
     "This is the parasite drag coefficient of the airfoil at an angle of attack of 10 degrees."},
    {&A.Dpow, 192, 348, 2, 5, 4, field_plain, 0, 0,
     "This number is theoretically close to 2.0, but you can tune it to fit actual data."},
    {&A.Bloc, 9, 295, 2, 5, 4, field_signed, 0, 0,
     "Some airfoils have a certain angle of attack range where the airflow is laminar, resulting in very low drag. This is the lift coefficient of the laminar flow low-drag bucket, if any."},
    {&A.Bwidth, 70, 295, 2, 5, 4, field_plain, 0, 0,
     "This is how wide the low-drag laminar flow bucket is, in terms of lift coefficient. It is the lift coefficient range across which dragis reduced by laminar flow."},
    {&A.Bdepth, 131, 295, 2, 5, 4, field_plain, 0, 0,
     "This is how much the coefficient of drag is reduced by laminar flow (if any)."},
    {&A.Bpower, 192, 295, 2, 5, 4, field_plain, 0, 0,
     "This is the power of curvature of the low-drag laminar flow bucket... 2.0 might be good guess."},
    {&A.cmal2[0][0][0], 70, 242, 3, 5, 3, field_signed, 0, 0,
     help_cmal2},
    {&A.cmal3[0][0][0], 131, 242, 3, 5, 3, field_signed, 0, 0,
     help_cmal2},
    {&A.cm1[0][0][0], 9, 189, 3, 5, 4, field_signed, 0, 0,
     "This is the coefficient of pitching moment at -20 degrees angle of attack. The pitch moment is an indication of how much the airfoil tends to twist UP. Since airfoils almost always pitch DOWN, this number is almost always negative."},
    {&A.cm2[0][0][0], 70, 189, 3, 5, 4, field_signed, 0, 0,
     help_cm2},
    {&A.cm3[0][0][0], 131, 189, 3, 5, 4, field_signed, 0, 0,
     help_cm2},
    {&A.cm4[0][0][0], 192, 189, 3, 5, 4, field_signed, 0, 0,
     "This is the coefficient of pitching moment at  20 degrees angle of attack. The pitch moment is an indication of how much the airfoil tends to twist UP. Since airfoils almost always pitch DOWN, this number is almost always negative."},
    {&A.almin, 70, 136, 6, 5, 3, field_bounded, -19.999f, -10.001f,
     "This is the negative angle of attack at which the airfoil stalls. The stall is the point at which the airfoil cannot put out any more lift and (usually abrubtly) throws in the towel and loses lift."},
    {&A.almax, 131, 136, 6, 5, 3, field_bounded, 10.001f, 19.999f,
     "This is the positive angle of attack at which the airfoil stalls. The stall is the point at which the airfoil cannot put out any more lift and (usually abrubtly) throws in the towel and loses lift."},
};

static const char* const help_flap_lift =
    "The lift coefficient is an indication of the amount of lift the flap adds to the wing when the flaps are deployed. This number will basically always be positive. (flaps add lift) The right-hand side of this graph applies to full flap deflection, however many degrees that may be.";
static const char* const help_flap_drag =
    "The drag coefficient is an indication of the amount of drag the flap adds to the wing when the flaps are deployed. This number will basically always be positive. (flaps add drag) The right-hand side of this graph applies to full flap deflection, however many degrees that may be.";
static const char* const help_flap_moment =
    "The moment coefficient is an indication of the amount of pitching moment the flap adds to the wing when the flaps are deployed. This number will basically always be negative. (flaps make the wing pitch down) The right-hand side of this graph applies to full flap deflection, however many degrees that may be.";

static const foil_field flap_fields[] = {
    {&A.FLPlco1, 9, 454, 1, 5, 4, field_signed, 0, 0, help_flap_lift},
    {&A.FLPlco2, 70, 454, 1, 5, 4, field_signed, 0, 0, help_flap_lift},
    {&A.FLPlco3, 131, 454, 1, 5, 4, field_signed, 0, 0, help_flap_lift},
    {&A.FLPdco1, 9, 401, 2, 5, 4, field_signed, 0, 0, help_flap_drag},
    {&A.FLPdco2, 70, 401, 2, 5, 4, field_signed, 0, 0, help_flap_drag},
    {&A.FLPdco3, 131, 401, 2, 5, 4, field_signed, 0, 0, help_flap_drag},
    {&A.FLPmco1, 9, 348, 3, 5, 4, field_signed, 0, 0, help_flap_moment},
    {&A.FLPmco2, 70, 348, 3, 5, 4, field_signed, 0, 0, help_flap_moment},
    {&A.FLPmco3, 131, 348, 3, 5, 4, field_signed, 0, 0, help_flap_moment},
};

// 1 when any field of the table was changed this frame.
template <int N>
static int edit_fields(const foil_field (&fields)[N])
{
    int changed = 0;
    for (const foil_field& f : fields) {
        if (f.kind == field_bounded)
            changed |= instdbtn_range(f.colour, f.x, f.y, f.value, f.digits, f.decimals, f.lo, f.hi, f.help);
        else changed |= instdbtn(f.colour, f.x, f.y, f.value, f.digits, f.decimals, f.kind == field_signed, f.help);
    }
    return changed;
}

// ---- plot ------------------------------------------------------------------

plot_run_state plot_run;

void clear_plot_run_state(void) { plot_run = plot_run_state(); }

// A scaled value as a whole offset when it lies within limit of the zero
// line; 0 when it lies beyond, or is no number (the cast would be undefined).
static int offset_within(float scaled, float limit, int* offset)
{
    if (!(scaled > -limit - 1 && scaled < limit + 1)) return 0;
    *offset = (int)scaled;
    return 1;
}

void elementpoint(int colour, int x, float value)
{
    int dy;
    if (!offset_within(value * 200, (float)(plot_y_high - plot_y_zero), &dy)) return;
    int y = plot_y_zero + dy;
    if (y < plot_y_low || y > plot_y_high || x == plot_no_column) return;
    OGL_line(colour, (float)(x + plot_x), (float)y, (float)(x + plot_x), (float)(y + 1));
}

int plot_index(int column) { return msc.part_type == part_flap ? column : column + 70; }

// A column from an angle's tenths, held to the table: stall angles read
// from a file need not lie within the fields' bounds.
static int column_held(float c)
{
    if (!(c > 0)) return 0;
    if (c > plot_last_column) return plot_last_column;
    return (int)c;
}

int fpx(int column)
{
    if (msc.view_type != view_polar) return column;
    column = intlim(column, 0, plot_last_column);
    int x;
    if (msc.part_type == part_flap) return offset_within(cl[column] * 200, 1e6f, &x) ? x : plot_no_column;
    // The curve stops at the stall instead of folding back.
    float a = (float)(column - 200) * 0.1f;
    if (a < A.almin) column = column_held(truncf(A.almin * 10) + 200);
    else if (a >= A.almax) column = column_held(truncf(A.almax * 10) + 199);
    return offset_within(cl[column + 70] * 125, 1e6f, &x) ? x + 200 : plot_no_column;
}

float cursor_position(void)
{
    if (msc.part_type == part_flap) return (float)plot_run.cursor * 0.0025f;
    return (float)plot_run.cursor * 0.1f - 20;
}

// ---- frame -----------------------------------------------------------------

static void plot_cursor(void)
{
    if (fltbox(mnw.mx, mnw.my, plot_x, plot_y_low, plot_x + plot_last_column, plot_y_high))
        plot_run.cursor = intlim((int)(mnw.mx - plot_x), 0, plot_last_column);
    int x = fpx(plot_run.cursor);
    if (x == plot_no_column) return;
    OGL_line(0, (float)(plot_x + x), plot_y_low, (float)(plot_x + x), plot_y_high);
}

static void plot_curves(void)
{
    int polar = msc.view_type == view_polar;
    for (int i = 0; i <= plot_last_column; i++) {
        int x = fpx(i), k = plot_index(i);
        elementpoint(polar ? 1 : 6, x, 0);   // the zero line; in view 301 the lift axis
        if (!polar) elementpoint(1, x, cls * cl[k]);
        elementpoint(2, x, cds * cd[k]);
        elementpoint(3, x, cms * cm[k]);
    }
}

static void readout(void)
{
    int k = plot_index(plot_run.cursor);
    OGL_number(6, 33, 545, cursor_position(), 5, 3, 8, 1);
    OGL_number(1, 33, 530, cl[k], 5, 4, 8, 1);
    OGL_number(2, 33, 515, cd[k], 5, 4, 8, 1);
    OGL_number(3, 33, 500, cm[k], 5, 4, 8, 1);
}

void APPLICATION_update(void)
{
    int changed;
    if (msc.part_type == part_flap) {
        changed = edit_fields(flap_fields);
    } else {
        // They head the moment table, whose middle break angles lie between them.
        OGL_number(3, 12, 242, -20, 5, 3, 6, 1);
        OGL_number(3, 195, 242, 20, 5, 3, 6, 1);
        changed = edit_fields(airfoil_fields);
    }
    if (changed && mnw.mouse_clicked) {
        generate();
        msc.part_dirty = 1;
    }
    plot_cursor();
    plot_curves();
    readout();
}
