// Airwright's general design screens: each screen's fields drawn over its
// picture and edited in place, one function per screen of each set, run by
// the frame step while the screen is open.
//
//   field helpers    number fields, the composed position help, file names
//   shared widgets   insecbtn's columns, the panel's instrument places
//   screens          Viewpoint, Panel, Force Feedback, Engines, Propellers
//                    and rotors, Rotor System, Control Geometry, Weight &
//                    Balance, Landing Gear
#include "UPDATA.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Init.h"

#include <cstdio>
#include <cstring>

// ---- field helpers -------------------------------------------------------------

// A number field held to lo..hi: digits places, decimals of them after the point.
static int ranged(float x, float y, float* v, int digits, int decimals, float lo, float hi, const char* help)
{
    return instdbtn_range(col_value, x, y, v, digits, decimals, lo, hi, help);
}

// From 0 to all nines.
static int number(float x, float y, float* v, int digits, int decimals, const char* help)
{
    return instdbtn(col_value, x, y, v, digits, decimals, 0, help);
}

// From minus all nines to all nines.
static int signed_number(float x, float y, float* v, int digits, int decimals, const char* help)
{
    return instdbtn(col_value, x, y, v, digits, decimals, 1, help);
}

// A whole-number field over an int: the wheel's value stored rounded.
static int whole(float x, float y, int32_t* v, int digits, float lo, float hi, const char* help)
{
    float f = (float)*v;
    int hit = ranged(x, y, &f, digits, 0, lo, hi, help);
    *v = intround(f);
    return hit;
}

static const char* const reference_note =
    " is. The reference point may be any point on the aircraft, but you have to use the SAME reference point "
    "for ALL the data you enter on the aircraft. The nose of the aircraft is a typical reference point.";

static const char* position_help(const char* lead, const char* part)
{
    snprintf(C_s, sizeof C_s, "%s%s%s", lead, part, reference_note);
    return C_s;
}

const char* x_name(const char* part)
{
    return position_help("This is how far to the side of the reference point the ", part);
}
const char* y_name(const char* part) { return position_help("This is how far above the reference point the ", part); }
const char* z_name(const char* part) { return position_help("This is how far behind the reference point the ", part); }

// A place's coordinate, ft: its help is composed just before the call.
static void signed_position(float x, float y, float* v, const char* help) { signed_number(x, y, v, 4, 1, help); }

// 1 when path names a file directly in folder (which ends in "/").
static int directly_in(const char* path, const char* folder)
{
    size_t n = strlen(folder);
    return strncmp(path, folder, n) == 0 && path[n] && !strchr(path + n, '/');
}

int folder_file_field(float x, float y, char* name, int name_max, int kind, const char* folder, const char* what,
                      const char* help)
{
    char pick[path_max], path[path_max];
    snprintf(pick, sizeof pick, "%s", name);
    path[0] = 0;
    if (!instringbtn(x, y, pick, path, kind, help) || !path[0]) return 0;
    // The aircraft keeps a bare name, which the simulator looks up in the
    // folder itself: a file elsewhere would be lost to it.
    char line[line_max];
    if (!directly_in(path, folder)) {
        snprintf(line, sizeof line, "The %s must lie in the folder itself, not in a folder inside it.", what);
        MACIBM_alert(line, path, "Move the file there, or choose one that is.", "The name was not changed.",
                     alert_notice);
        return 0;
    }
    if (strlen(pick) >= (size_t)name_max) {
        snprintf(line, sizeof line, "The name of this %s is too long for the aircraft to keep.", what);
        MACIBM_alert(line, pick, "Choose a file with a shorter name.", "The name was not changed.", alert_notice);
        return 0;
    }
    snprintf(name, (size_t)name_max, "%s", pick);
    return 1;
}

// ---- shared widgets ------------------------------------------------------------------

static const char* const engines_help = "This the number of engines on the aircraft.";
static const char* const elements_help =
    "This is the number of pieces that the wing is broken down into mathematically, with Volanto finding the "
    "force on each piece many times per second. The Pieces are evenly spaced along the wing, working from the "
    "root out to the tip of the wing.";
static const char* const incidence_help =
    "The angle of incidence is how much each part of the wing is aimed UP in the front... this is used to gain "
    "extra lift from the wing in cruise, and cause only certain points of the wing to stall (done by increasing "
    "the incidence of only that part of the wing.";

// The element's on/off boxes of a surface, each naming its control.
struct element_box {
    int32_t (planestruct::*flag)[plane_parts][plane_elements];
    float y;
    const char* help;
};

static const element_box wing_boxes[] = {
    {&planestruct::ailn, 77, "Check this box if this piece of the wing carries ailerons."},
    {&planestruct::splr, 65, "Check this box if this piece of the wing carries spoilers."},
    {&planestruct::flap, 53, "Check this box if this piece of the wing carries flaps."},
    {&planestruct::slat, 41, "Check this box if this piece of the wing carries slats."},
    {&planestruct::sbrk, 29, "Check this box if this piece of the wing carries speedbrakes."},
    {&planestruct::drud, 17, "Check this box if this piece of the wing carries drag rudders."},
};
static const element_box hstab_boxes[] = {
    {&planestruct::elev, 84, "Check this box if this piece of the stabilizer carries elevators."},
    {&planestruct::flap, 72, "Check this box if this piece of the stabilizer carries flaps."},
    {&planestruct::slat, 60, "Check this box if this piece of the stabilizer carries slats."},
};
static const element_box vstab_boxes[] = {
    {&planestruct::rudd, 15, "Check this box if this piece of the fin carries the rudder, worked by the rudder pedals."},
};

static void element_columns(int s, int count)
{
    planestruct& a = pln[0];
    float inc_y;
    const element_box* boxes = nullptr;
    int n_boxes = 0;
    if (is_wing(s)) {
        inc_y = 111, boxes = wing_boxes, n_boxes = (int)(sizeof wing_boxes / sizeof wing_boxes[0]);
    } else if (s == part_hstab_right) {
        inc_y = 118;
        if (!a.is_heli) boxes = hstab_boxes, n_boxes = (int)(sizeof hstab_boxes / sizeof hstab_boxes[0]);
    } else if (s == part_vstab_1 || s == part_vstab_2) {
        // The helicopter's fins have no pieces to edit.
        if (a.is_heli) return;
        inc_y = 49, boxes = vstab_boxes, n_boxes = (int)(sizeof vstab_boxes / sizeof vstab_boxes[0]);
    } else {
        return;
    }
    for (int e = 0; e < count; e++) {
        float x = 41.0f * (float)e + 104;
        signed_number(x, inc_y, &a.anginc[s][e], 3, 1, incidence_help);
        for (int k = 0; k < n_boxes; k++) inintbtn(x + 2, boxes[k].y, &(a.*boxes[k].flag)[s][e], boxes[k].help);
    }
}

static void engine_columns(int count)
{
    planestruct& a = pln[0];
    const char* hub = "prop hub or engine thrust center";
    for (int k = 0; k < count; k++) {
        float x = 55.0f * (float)k + 24;
        signed_position(x, 317, &a.Zarm[k], z_name(hub));
        signed_position(x, 272, &a.Xarm[k], x_name(hub));
        signed_position(x, 227, &a.Yarm[k], y_name(hub));
    }
}

void insecbtn(int kind, float x, float y, int32_t* count, int low, int high)
{
    whole(x, y, count, 1, (float)low, (float)high, kind == 0 ? engines_help : elements_help);
    // A count from a file outside the columns draws no column past the arrays.
    int shown = intlim(*count, 0, kind == 0 ? plane_engines : plane_elements);
    if (kind == 0) engine_columns(shown);
    else if (in_parts(kind)) element_columns(kind, shown);
}

// The nine instruments a place may show, in the order of their values.
static const char* const instrument_names[9] = {
    "      NONE       ", "    airspeed     ", " artifcl horizon ", "    altimeter    ", "  supplementary  ",
    "    turn-slip    ", " directional gyro", "  vertical speed ", "      A.D.F.     ",
};
const int instrument_kinds = 9;
const int col_chosen = 0, col_not_chosen = 19;

// Row i's text stands at y - 20 - 10 i and takes clicks from a unit below
// it up to the next row's.
void fiddle_ins_loc(int slot, float x, float y)
{
    planestruct& a = pln[0];
    if (slot < 1 || slot >= plane_slots) return;
    for (int i = 0; i < instrument_kinds; i++) {
        float ry = y - 20 - 10.0f * (float)i;
        if (mnw.mouse_clicked && mnw.mx >= x + 24 && mnw.mx <= x + 124 && mnw.my > ry - 1 && mnw.my <= ry + 9) {
            // Each instrument shows in one place at most.
            for (int other = 1; other < plane_slots; other++)
                if (other != slot && a.ins_of_loc[other] == i) a.ins_of_loc[other] = 0;
            a.ins_of_loc[slot] = i;
        }
    }
    for (int i = 0; i < instrument_kinds; i++)
        OGL_string(a.ins_of_loc[slot] == i ? col_chosen : col_not_chosen, x + 24, y - 20 - 10.0f * (float)i,
                   instrument_names[i], 999, 6);
}

// ---- screens --------------------------------------------------------------------------

// A row of radio boxes: box i (from 1) at (x, y0 - step i).
static void radio_row(float x, float y0, float step, int32_t* value, int n)
{
    for (int i = 1; i <= n; i++) inonebool(x, y0 - step * (float)i, value, i);
}

static const char* const markings_only =
    " THESE NUMBERS ARE FOR AIRSPEED INDICATOR MARKINGS ONLY, AND ARE NOT USED IN THE FLIGHT MODEL! VOLANTO WILL "
    "DETERMINE THESE SPEEDS FOR THE FLIGHT MODEL BASED ON THE AIRCRAFT GEOMETRY, NOT THE NUMBERS YOU ENTER HERE!";

// The help of a speed field: what the speed is, then the same warning.
static const char* speed_help(const char* what)
{
    snprintf(C_s, sizeof C_s, "%s%s", what, markings_only);
    return C_s;
}

static void eye_point(float y)
{
    planestruct& a = pln[0];
    const char* eye = "pilot's viewpoint location";
    signed_position(249, y, &a.peZ, z_name(eye));
    signed_position(249, y - 45, &a.peX, x_name(eye));
    signed_position(249, y - 90, &a.peY, y_name(eye));
}

void screen_viewpoint(void)
{
    planestruct& a = pln[0];
    in6charbtn(col_value, 95, 382, a.tailnum);
    radio_row(20, 336, 16, &a.asi_units, 2);
    number(48, 264, &a.Vso, 3, 0,
           speed_help("This is speed below which the airplane will stall with the flaps deployed."));
    number(48, 219, &a.Vs, 3, 0, speed_help("This is speed below which the airplane will stall with the flaps retracted."));
    number(48, 174, &a.Vfe, 3, 0, speed_help("This is the maximum allowable speed at for extending the flaps."));
    number(48, 129, &a.Vno, 3, 0, speed_help("This is the maximum allowable speed for flying in rough air."));
    number(48, 84, &a.Vne, 3, 0, speed_help("This is the maximum allowable airspeed."));
    number(48, 39, &a.Mmo, 3, 2,
           speed_help("This is the maximum allowable mach number, applicable to turbine machines only."));
    eye_point(384);
}

void hscreen_viewpoint(void)
{
    planestruct& a = pln[0];
    in6charbtn(col_value, 95, 157, a.tailnum);
    radio_row(20, 111, 16, &a.asi_units, 2);
    number(48, 39, &a.Vne, 3, 0,
           "This is the maximum allowable speed. This number has no impact on the flight model, and is used for "
           "marking the airspeed indicator only!");
    eye_point(159);
}

// The radio-or-engine box of the airplane's panel.
static const win_box radio_box = {529, 174, 660, 194};

void screen_panel(void)
{
    planestruct& a = pln[0];
    radio_row(18, 509, 16, &a.paneltype, 2);
    radio_row(18, 449, 16, &a.supptype, 7);
    radio_row(232, 509, 16, &a.VVItype, 2);
    radio_row(232, 449, 16, &a.HUDtype, 3);
    radio_row(447, 509, 16, &a.AStype, 3);
    radio_row(447, 433, 16, &a.ADFtype, 2);
    radio_row(447, 373, 16, &a.TStype, 2);

    static const float slot_x[4] = {0, 129, 258, 387};
    static const float slot_y[2] = {234, 104};
    for (int slot = 1; slot < plane_slots; slot++) {
        int col = (slot - 1) % 4, row = (slot - 1) / 4;
        // A helicopter's panel has no fourth place in either row.
        if (a.is_heli && col == 3) continue;
        fiddle_ins_loc(slot, slot_x[col], slot_y[row]);
    }
    if (a.is_heli) return;
    if (mnw.mouse_clicked && in_box(radio_box, mnw.mx, mnw.my)) a.radiotype = a.radiotype == 1 ? 2 : 1;
    OGL_string(a.radiotype == 2 ? col_not_chosen : col_chosen, 529, 180, "engine ins", 999, 6);
    OGL_string(a.radiotype == 2 ? col_chosen : col_not_chosen, 591, 180, "  radios  ", 999, 6);
}

void screen_force(void)
{
    planestruct& a = pln[0];
    inintbtn(19, 41, &a.ff_hydraulic,
             "Hydraulic flight control systems boost controls that are too heavy to be manipulated by human "
             "strength. Unfortuanately for humans, they can also fail, rendering an airplane virtually un-steerable. "
             "Hydraulic failures can occurr in Volanto.");
    inintbtn(19, 25, &a.ff_stickshaker,
             "Stick-shakers are helpful but annoying little devices that thrash the stick around in your hand if the "
             "airplane gets close to stalling. They are typically installed in big biz-jets and airliners.");
}

// The fields both sets' Engines screens share.
static void engine_fields(void)
{
    planestruct& a = pln[0];
    in6textbtn(36, 398, " carbuerated recip ", "fuel-injected recip", "     turboprop     ", "  low-bypass jet   ",
               "  high-bypass jet  ", " liquid-fuel rocket", engine_type_width, &a.entype);
    in2textbtn(673, 244, " no", "yes", yes_no_width, &a.revthrustEQ);
    in2textbtn(673, 96, " no", "yes", yes_no_width, &a.revthrustEQ);
    int by_thrust = a.entype == engine_low_bypass || a.entype == engine_high_bypass || a.entype == engine_rocket;
    number(160, 398, &a.sfc, 4, 2,
           by_thrust ? "This is the number of pounds of fuel burned per hour per pound of thrust output from the engine."
                     : "This is the number of pounds of fuel burned per hour per horsepower output of the engine.");
    number(437, 412, &a.pmax, 6, 1,
           "This is the maximum horsepower output of the engine, obtained at sea level at standard temperature and "
           "density.");
    number(657, 412, &a.critalt, 5, 0,
           "Engines generally put out less power at high altitude due to thinner air, but turbocharging can keep "
           "packing in air even at high altitudes. The critical altitude is the highest altitude at which the "
           "engine can still put out full power.");
    number(677, 371, &a.mpmax, 3, 1,
           "This is the pressure in the intake manifold at full power at sea level in standard temperature... "
           "non-turbocharged reciprocating engines will see about 29.92.");
    number(447, 330, &a.omegamax, 5, 0, "This is the maximum allowable engine RPM.");
    number(447, 285, &a.omegamin, 5, 0, "This is the RPM at which the engine idles.");
    number(657, 330, &a.omegamaxgreen, 5, 0, "This is the maximum allowable CONTINUOUS engine RPM.");
    number(657, 285, &a.omegamingreen, 5, 0,
           "This is the minimum allowable CONTINUOUS engine RPM without fear of carbuerator ice forming.");
}

void screen_engines(void)
{
    planestruct& a = pln[0];
    insecbtn(0, 16, 398, &a.numen, 0, plane_engines);
    engine_fields();
    ranged(304, 398, &a.vertcant[0], 2, 1, -9.9f, 9.9f,
           "This is how far each engine is canted UP. This can be done to direct propwash or jetwash, but is rarely "
           "done in practice.");
    for (int k = 1; k < plane_engines; k++) a.vertcant[k] = a.vertcant[0];
    ranged(457, 371, &a.gearrat, 4, 2, 1, 99.99f,
           "This is the gear ratio of the engine to the prop... a gear ratio of 2 means the engine turns twice as "
           "fast as the prop. Most light planes have a gear ratio of 1.0.");
    number(457, 177, &a.tmax, 6, 0,
           "This is the maximum thrust output of the engine, obtained at sea level at standard temperature and "
           "density.");
    number(457, 136, &a.burnerinc, 6, 0, "This is the addtional thrust provided by afterburners, if any.");
    number(697, 177, &a.facejet, 3, 0,
           "This is the frontal area of the engine compressor... it is 3.14 times the engine radius squared. This "
           "is used to compute the DRAG of the jet engine at low throttle settings.");
    number(707, 136, &a.spooltime, 2, 0,
           "This is the time it takes for the engine to spool up from idle to full power.");
    number(457, 28, &a.fmax, 8, 1,
           "This is the maximum thrust of the rocket engine. In Volanto, this maximum thrust will not vary with "
           "altitude or speed. In Volanto, it is fully throttle-able, though real rocket engines are not always "
           "quite so flexible!");
}

void hscreen_engines(void)
{
    planestruct& a = pln[0];
    whole(16, 398, &a.numen, 1, 1, 2, "This is the number of engines on the helo.");
    engine_fields();
}

// Propeller or rotor p: the blades, their size and their design point.
static void propeller_fields(int p)
{
    planestruct& a = pln[0];
    in2textbtn(289, 478, " no", "yes", yes_no_width, &a.varpitchEQ);
    for (int k = 0; k < plane_engines; k++)
        in2textbtn(114 + 39.0f * (float)k, 344, " CW", "CCW", yes_no_width, &a.propdir[k]);
    ranged(76, 478, &a.numblades[p], 1, 0, 2, 9, "This is the number of blades on EACH propeller.");
    ranged(292, 434, &a.semilen[p], 3, 1, 0.1f, 99.9f,
           "This is the radius of the propeller, which is the DISTANCE FROM THE PROPELLER HUB OUT TO THE PROPELLER "
           "TIPS");
    // Shown in inches. Stored back only in a frame the user changed it, so
    // rounding through inches never moves a chord nobody touched.
    float chord_in = a.Croot[p] * 12;
    if (ranged(292, 389, &chord_in, 3, 1, 0.1f, 99.9f,
               "This is the average CHORD of each propeller blade, which is the distance from the leading edge to "
               "the trailing edge of the blade. It is about 5 or 6 inches for light plane."))
        a.Croot[p] = chord_in / 12;
    a.Ctip[p] = a.Croot[p];

    // The blade is designed from whichever the user changed this frame.
    float pitch_was = a.des_adv[p], rpm_was = a.des_rpm[p], speed_was = a.des_vel[p];
    int pitch = number(212, 184, &a.des_adv[p], 3, 0,
                       "This is the amount that the airplane would travel forward with each rotation of the prop if "
                       "the prop could carve through the air with no slippage at all.");
    int rpm = ranged(88, 141, &a.des_rpm[p], 5, 0, 100, 99999,
                     "This is the PROP RPM that you want you prop to be optimized for.");
    int speed = number(319, 141, &a.des_vel[p], 3, 0,
                       "This is the cruise speed that you want your prop to optimized for.");
    ranged(130, 75, &a.minpitch[p], 3, 1, -90, 90,
           "This is the minimum pitch that the prop should be able to go to. Zero degrees is a typical 'flat' "
           "pitch.");
    ranged(130, 30, &a.maxpitch[p], 3, 1, 0, 90,
           "This is the maximum pitch that the prop should be able to go to. Airwright can usually enter a decent "
           "value for you here if you set the prop design speed and RPM.");
    pitch = pitch && a.des_adv[p] != pitch_was;
    rpm = rpm && a.des_rpm[p] != rpm_was;
    speed = speed && a.des_vel[p] != speed_was;
    if (!mnw.mouse_clicked || !(pitch || rpm || speed)) return;
    design_prop(p, rpm || speed ? 1 : 0);
    // This frame's fields already show the values before the design.
    OGL_number(col_value, 212 + 3, 184, a.des_adv[p], 3, 0, 10, 0);
    OGL_number(col_value, 88 + 3, 141, a.des_rpm[p], 5, 0, 10, 0);
    OGL_number(col_value, 319 + 3, 141, a.des_vel[p], 3, 0, 10, 0);
    OGL_number(col_value, 130 + 3, 75, a.minpitch[p], 3, 1, 10, 1);
    OGL_number(col_value, 130 + 3, 30, a.maxpitch[p], 3, 1, 10, 0);
}

void screen_props(void) { propeller_fields(0); }
void hscreen_main_rotor(void) { propeller_fields(0); }
void hscreen_tail_rotor(void) { propeller_fields(1); }

void hscreen_rotor(void)
{
    planestruct& a = pln[0];
    // Shown as the forward cant from the vertical; stored back only when changed.
    float forward = 90 - a.vertcant[0];
    if (ranged(168, 335, &forward, 2, 1, 0, 9.9f,
               "The rotor is typically canted forwards a bit so you don't have to lower the nose so much to cruise."))
        a.vertcant[0] = 90 - forward;
    signed_number(168, 294, &a.sidecant[0], 2, 1,
                  "The rotor is typically canted to the side just a few degrees to offset the side thrust of the "
                  "tail rotor in hover.");
    signed_number(209, 294, &a.sidecant[1], 3, 1,
                  "Imagine the tail rotor as facing straight up, thrust coming DOWN, just like the main rotor. This "
                  "is the angle of the tail rotor from that vertical, positive to the right. The tail rotor offset is "
                  "generally 90 degrees if it blows air to the left, -90 degrees of it blows air to the right.");
    ranged(168, 253, &a.trotor_rat, 3, 1, 1, 99.9f,
           "The tail rotor ratio is the ratio of tail-rotor RPM to main rotor RPM... a value of 5 or 6 is typical.");
    signed_position(168, 208, &a.Zarm[0], z_name("main rotor hub"));
    signed_position(168, 163, &a.Yarm[0], y_name("main rotor hub"));
    signed_position(345, 208, &a.Zarm[1], z_name("tail rotor hub"));
    signed_position(345, 163, &a.Yarm[1], y_name("tail rotor hub"));
    signed_position(345, 118, &a.Xarm[1], x_name("tail rotor hub"));
    number(339, 73, &a.elevcyclic, 3, 0,
           "This is how much the pitch of the blades changes for with maximum pitch input from the pilot.");
    number(339, 28, &a.ailncyclic, 3, 0,
           "This is how much the pitch of the blades changes for with maximum roll input from the pilot.");
}

static const char* const chord_ratio_note =
    " The chord ratio is the fraction of the wing, from leading edge to trailing edge, that the control surface "
    "takes up. Controls typically have a chord ratio of about 0.2 to 0.3.";

// One control surface's row: what it is, then how it is sized or how far it moves.
static const char* control_help(const char* what, const char* more)
{
    snprintf(C_s, sizeof C_s, "%s%s", what, more);
    return C_s;
}

static void chord_ratio(float y, float* v, const char* what)
{
    ranged(100, y, v, 3, 2, 0, 0.5f, control_help(what, chord_ratio_note));
}

static void travel(float x, float y, float* v, const char* what, const char* typical)
{
    number(x, y, v, 3, 1, control_help(what, typical));
}

void screen_control(void)
{
    planestruct& a = pln[0];
    const char* ailerons = "Ailerons are mounted on the wingtips and move in opposite directions to ROLL the airplane.";
    const char* elevators = "Elevators are mounted on the horizontal stabilizer (tail) of the airplane and move to "
                            "PITCH the airplane.";
    const char* rudders = "Rudders are mounted on the vertical stabilizer (tail) of the airplane and move to YAW the "
                          "airplane.";
    const char* spoilers = "Spoilers are mounted on the wingtips and move one at a time to ROLL the airplane.";
    const char* drag_rudders = "Drag rudders are mounted on the wingtips of flying wings and open up to create drag "
                               "to YAW the airplane.";
    const char* speedbrakes = "Speedbrakes are mounted anywher on the wing and open up to increase drag and decrease "
                              "lift to slow the airplane.";
    chord_ratio(255, &a.ailn_crat, ailerons);
    chord_ratio(210, &a.elev_crat, elevators);
    chord_ratio(165, &a.rudd_crat, rudders);
    chord_ratio(120, &a.splr_crat, spoilers);
    chord_ratio(75, &a.drud_crat, drag_rudders);
    chord_ratio(30, &a.sbrk_crat, speedbrakes);
    travel(147, 255, &a.ailn_up, ailerons, " They might move up 30 degrees typically.");
    travel(182, 255, &a.ailn_dn, ailerons, " They might move down 20 degrees typically.");
    travel(147, 210, &a.elev_up, elevators, " They might move up 30 degrees typically.");
    travel(182, 210, &a.elev_dn, elevators, " They might move down 20 degrees typically.");
    travel(147, 165, &a.rudd_def, rudders, " They might move 30 degrees typically.");
    travel(147, 120, &a.splr_def, spoilers, " They might move 30 degrees typically.");
    travel(147, 75, &a.drud_def, drag_rudders, " They might open 45 degrees typically.");
    travel(147, 30, &a.sbrk_def, speedbrakes, "  They might open 30 degrees in flight typically.");
    folder_file_field(397, 283, a.flap_str, (int)sizeof a.flap_str, kind_flaps, flp_path, "flap file",
                      "This is the flap file that this aircraft uses. The MAXIMUM DEFLECTION of the flap is built "
                      "directly into the flap file. The right-hand edge of the flap file as viewed in Foilwright "
                      "corresponds to this flap's maximum deflection, however many degrees that may be.");
    number(533, 248, &a.slat_inc, 2, 0,
           "Slats allow the wing to go to a higher angle of attack without stalling (running out of lift). Slats "
           "may allow the wing to gain an additional 8 degrees of angle of attack without stalling.");
    radio_row(328, 189, 36, &a.con_smooth, 3);
}

void screen_weight(void)
{
    planestruct& a = pln[0];
    const char* cg = "center of gravity (or balance point)";
    signed_position(81, 297, &a.cgZ, z_name(cg));
    signed_position(81, 252, &a.cgY, y_name(cg));
    number(140, 185, &a.m_empty, 7, 0,
           "This is the weight of the aircraft when empty of fuel or payload, but with oil and other fixed weight "
           "on board.");
    number(140, 140, &a.m_max, 7, 0, "This is the maximum allowable weight for the aircraf to take off.");
    number(109, 73, &a.m_fuel, 7, 0, "This is the total weight of fuel that the aircraft can carry.");
    number(109, 28, &a.m_jettison, 7, 0,
           "This is the maximum wieght that can be jettisoned from the aircraft. It can include bombs, water for "
           "forest fires, Jeeps pushed out the back of cargo planes, sling loads for helos, or anything else.");
}

void screen_gear(void)
{
    planestruct& a = pln[0];
    in6textbtn(100, 481, "      none      ", "      skids     ", "  single wheel  ", " 2 side-by-side ",
               "   2 fore-aft   ", "  4-wheel truck ", gear_type_width, &a.gear_type);
    in2textbtn(390, 481, " no", "yes", yes_no_width, &a.gear_retract);
    number(166, 327, &a.nwsteer, 3, 1,
           "This is the maximum amount that the nosewheel or tailwheel of the aircraft can steer from full rudder "
           "deflection. Enter zero of the wheel is free-castoring.");
    const char* nose = "nose gear tire contact point with the ground";
    const char* main = "main gear tire contact point with the ground";
    const char* strut = "This is where the gear strut actually attaches to the aircraft.";
    signed_position(120, 413, &a.ngearZ, z_name(nose));
    signed_position(120, 368, &a.ngearY, y_name(nose));
    signed_position(120, 230, &a.mgearZ, z_name(main));
    number(120, 185, &a.mgearX, 4, 1, x_name(main));
    signed_position(120, 140, &a.mgearY, y_name(main));
    signed_position(322, 413, &a.ngearZ_att, strut);
    signed_position(322, 368, &a.ngearY_att, strut);
    signed_position(322, 230, &a.mgearZ_att, strut);
    number(322, 185, &a.mgearX_att, 4, 1, strut);
    signed_position(322, 140, &a.mgearY_att, strut);
    signed_position(120, 72, &a.skidZ, z_name("front of the skid"));
    number(120, 27, &a.skidX, 4, 1, x_name("skid"));
    signed_position(322, 72, &a.skidY, y_name("skid"));
    number(322, 27, &a.skidl, 4, 1, "This is how long the skid is.");
}
