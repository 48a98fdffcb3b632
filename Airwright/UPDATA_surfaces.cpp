// Airwright's surface and expert design screens: wings, stabilisers and
// pylons with their elements, the expert airfoils of every surface and
// rotor, and the special, VTOL and stability screens of both sets.
//
//   field tables   number and yes/no fields read from a table of places
//   surfaces       the three rows of sizes, angles and root position
//   airfoils       the four airfoil files and the variable sweep
//   expert         Special Controls, VTOL Controls, Artificial Stability
#include "UPDATA.h"
#include "HL_BTN.h"
#include "HL_MNW.h"
#include "Init.h"

// ---- field tables ------------------------------------------------------------------

// A number field at a fixed place: held to lo..hi; its help is help itself,
// or a position help composed from it when compose is set.
struct number_field {
    float planestruct::*value;
    float x, y;
    int digits, decimals;
    float lo, hi;
    const char* help;
    const char* (*compose)(const char* part);
};

static void number_fields(const number_field* f, int n)
{
    planestruct& a = pln[0];
    for (int k = 0; k < n; k++)
        instdbtn_range(col_value, f[k].x, f[k].y, &(a.*f[k].value), f[k].digits, f[k].decimals, f[k].lo, f[k].hi,
                       f[k].compose ? f[k].compose(f[k].help) : f[k].help);
}

struct yes_no_field {
    int32_t planestruct::*value;
    float x, y;
};

static void yes_no_fields(const yes_no_field* f, int n)
{
    planestruct& a = pln[0];
    for (int k = 0; k < n; k++) in2textbtn(f[k].x, f[k].y, " no", "yes", yes_no_width, &(a.*f[k].value));
}

template <typename T, int N>
static int count_of(const T (&)[N])
{
    return N;
}

// ---- surfaces ---------------------------------------------------------------------------

// The surface fields of part s, one field per part of each array.
struct surface_field {
    float (planestruct::*value)[plane_parts];
    float x;
    int row;                          // 0, 1, 2: the screen's rows from the top
    float lo, hi;
    const char* help;
    const char* (*compose)(const char* part);
};

static const char* const root_quarter = "25% chord of the wing root";

static const surface_field shape_fields[] = {
    {&planestruct::Croot, 53, 0, 0, 999.9f,
     "This is the distance from the leading edge of the wing to the trailing edge of the wing at the root (base) "
     "of the wing.", nullptr},
    {&planestruct::Ctip, 53, 1, 0, 999.9f,
     "This is the distance from the leading edge of the wing to the trailing edge of the wing at the tip (outside "
     "edge) of the wing.", nullptr},
    {&planestruct::semilen, 15, 2, 0, 999.9f,
     "This is the LENGTH of EACH WING from the root to the tip, measured along a straight line going through the "
     "center of the wing, 25% of the way back from the leading edge.", nullptr},
    {&planestruct::sweep1, 185, 0, -90, 90,
     "The sweep is the angle that the wings are swept BACK from sticking straight out the side of the airplane. "
     "Wing sweep is used to allow high-speed travel (above Mach 0.7 or so), because the wing does not have to "
     "attack the air head-on.", nullptr},
    {&planestruct::dihed, 185, 1, -135, 135,
     "The dihedral is the angle that the wings are lifted UP from sticking straight out the side of the airplane. "
     "Dihedral helos keep the aircraft wings-level in flight, but makes it difficult for you to yaw the aircraft "
     "without the wings rolling in respsonse.", nullptr},
};
static const surface_field root_fields[] = {
    {&planestruct::Zarm, 311, 0, -999.9f, 999.9f, root_quarter, z_name},
    {&planestruct::Xarm, 311, 1, -999.9f, 999.9f, root_quarter, x_name},
    {&planestruct::Yarm, 311, 2, -999.9f, 999.9f, root_quarter, y_name},
};

// The pylons stand on their engines: their base is placed from the engine's
// thrust centre instead of from the reference point.
static const number_field pylon_base[] = {
    {&planestruct::pylondz, 311, 281 - 174, 4, 1, -999.9f, 999.9f,
     "This is how far the engine pylon base is behind the engine thrust center.", nullptr},
    {&planestruct::pylondx, 311, 236 - 174, 4, 1, -999.9f, 999.9f,
     "This is how far the engine pylon base is radially from the engine thrust center.", nullptr},
};

static const number_field hstab_trim[] = {
    {&planestruct::hstbtrimmax, 223, 28, 2, 0, 0, 99,
     "This is how many degrees the entire stabilizer can move up or down for trim control. Most airplane can NOT "
     "move the entire stabilizer for trim control, and threy should have ZERO here. Airliners are the exception, "
     "which must move their entire stabilizer to trim the aircraft.", nullptr},
};

static void surface_rows(int s, float offset, const surface_field* f, int n)
{
    planestruct& a = pln[0];
    for (int k = 0; k < n; k++) {
        float y = 281 + offset - 45.0f * (float)f[k].row;
        instdbtn_range(col_value, f[k].x, y, &(a.*f[k].value)[s], 4, 1, f[k].lo, f[k].hi,
                       f[k].compose ? f[k].compose(f[k].help) : f[k].help);
    }
}

// The per-screen offsets of the rows.
const float wing_rows = 0, hstab_rows = 7, vstab_rows = -62, low_rows = -174;

// Part s's screen; elements_low 0 for a screen without element fields.
static void surface_screen(int s, float offset, int elements_low)
{
    planestruct& a = pln[0];
    surface_rows(s, offset, shape_fields, count_of(shape_fields));
    if (is_pylon(s)) number_fields(pylon_base, count_of(pylon_base));
    else surface_rows(s, offset, root_fields, count_of(root_fields));
    if (elements_low) insecbtn(s, 90, 156 + offset, &a.els[s], elements_low, plane_elements);
    if (s == part_hstab_right) {
        number_fields(hstab_trim, count_of(hstab_trim));
        in2textbtn(342, 163, "stabilizer", "stabilator", hstab_type_width, &a.hstabtype);
    }
}

const int wing_elements_low = 4, stab_elements_low = 2;

// The right-hand pieces of the wing pairs: the screens edit these.
const int wing_1 = part_wing_first + 1;
const int wing_2 = part_wing_first + 3;
const int wing_3 = part_wing_first + 5;

void screen_wing_1(void) { surface_screen(wing_1, wing_rows, wing_elements_low); }
void screen_wing_2(void) { surface_screen(wing_2, wing_rows, wing_elements_low); }
void screen_wing_3(void) { surface_screen(wing_3, wing_rows, wing_elements_low); }
void screen_hstab(void) { surface_screen(part_hstab_right, hstab_rows, stab_elements_low); }
void screen_vstab_1(void) { surface_screen(part_vstab_1, vstab_rows, stab_elements_low); }
void screen_vstab_2(void) { surface_screen(part_vstab_2, vstab_rows, stab_elements_low); }
// The one pylon edited stands for all: the frame step copies it.
void screen_pylons(void) { surface_screen(part_pylon_first, low_rows, 0); }
void hscreen_hstab(void) { surface_screen(part_hstab_right, hstab_rows, stab_elements_low); }
// A helicopter's fins are whole: their count's place lies below the window.
void hscreen_vstab_1(void) { surface_screen(part_vstab_1, low_rows, 0); }
void hscreen_vstab_2(void) { surface_screen(part_vstab_2, low_rows, 0); }

// ---- airfoils ------------------------------------------------------------------------------

static const char* const root_help =
    "This is the airfoil section that the plane will use at this wing's ROOT. THe default airfoil assigned by "
    "Airwright is usually adequate for most purposes if you are not sure about which airfoil to select. The "
    "airfoil you select will decide the cross-section shape of the wing and resulting flight performance.";
static const char* const tip_help =
    "This is the airfoil section that the plane will use at this wing's TIP. If it is different than the foil you "
    "have selected for the ROOT, then Volanto will linearly interpolate airfoil results across the wing from root "
    "to tip. If you want more foil control than this, then you can join multiple wings together to form one big "
    "wing.";
static const char* const root_2_help =
    "This is the airfoil section that the plane will use at this wing's ROOT at a second Reynolds number. If you "
    "enter a different airfoil file for the second Reynolds number (optional) then Volanto will linearly "
    "interpolate airfoil results between the two foils depending on the element Reynolds number in flight.";
static const char* const tip_2_help =
    "This is the airfoil section that the plane will use at this wing's TIP at a second Reynolds number. If you "
    "enter a different airfoil file for the second Reynolds number (optional) then Volanto will linearly "
    "interpolate airfoil results between the two foils depending on the element Reynolds number in flight.";
static const char* const sweep_help =
    "This is the maximum sweep that the wing can go to... Enter the minimum value in the standard wing window if "
    "the wing has variable-sweep wings. Variable-sweep wings allow wings-out flying for low-speed performance, and "
    "wings-swept flying for flight above Mach 0.7 or so.";

static int airfoil_field(float x, float y, char* name, int name_max, const char* help)
{
    return folder_file_field(x, y, name, name_max, kind_airfoil, afl_path, "airfoil", help);
}

// Part s's airfoils; the thickness comes from the first Reynolds number's
// pair alone, so only those two re-read it.
static void airfoil_screen(int s, int variable_sweep)
{
    planestruct& a = pln[0];
    if (airfoil_field(68, 38, a.Rafl0[s], (int)sizeof a.Rafl0[s], root_help)) assign_foil_thickness(a.Rafl0[s], s, 0);
    if (airfoil_field(300, 38, a.Tafl0[s], (int)sizeof a.Tafl0[s], tip_help)) assign_foil_thickness(a.Tafl0[s], s, 1);
    airfoil_field(68, 19, a.Rafl1[s], (int)sizeof a.Rafl1[s], root_2_help);
    airfoil_field(300, 19, a.Tafl1[s], (int)sizeof a.Tafl1[s], tip_2_help);
    if (!variable_sweep) return;
    in2textbtn(183, 121, " no", "yes", yes_no_width, &a.varsweepEQ[s]);
    instdbtn_range(col_value, 474, 121, &a.sweep2[s], 3, 1, -90, 90, sweep_help);
}

void screen_x_prop(void) { airfoil_screen(part_prop_first, 0); }
void screen_x_wing_1(void) { airfoil_screen(wing_1, 1); }
void screen_x_wing_2(void) { airfoil_screen(wing_2, 1); }
void screen_x_wing_3(void) { airfoil_screen(wing_3, 1); }
void screen_x_hstab(void) { airfoil_screen(part_hstab_right, 1); }
void screen_x_vstab_1(void) { airfoil_screen(part_vstab_1, 0); }
void screen_x_vstab_2(void) { airfoil_screen(part_vstab_2, 0); }
void hscreen_x_tail_rotor(void) { airfoil_screen(part_tail_rotor, 0); }
void hscreen_x_hstab(void) { airfoil_screen(part_hstab_right, 0); }

// ---- expert ----------------------------------------------------------------------------------

static const char* const jato_nozzle = "JATO exhaust nozzle";

static const number_field special_numbers[] = {
    {&planestruct::jatoZ, 82, 474, 4, 1, -999.9f, 999.9f, jato_nozzle, z_name},
    {&planestruct::jatoY, 82, 429, 4, 1, -999.9f, 999.9f, jato_nozzle, y_name},
    {&planestruct::jatotheta, 82, 384, 3, 0, 0, 999,
     "This is the JATO (Jet Assisted Take Off) angle from the horizontal.", nullptr},
    {&planestruct::jatothrust, 82, 339, 7, 0, 0, 9999999,
     "This is the thrust that the JATO (Jet Assisted Take Off) puts out during it's burn.", nullptr},
    {&planestruct::jatodur, 82, 294, 3, 0, 0, 999,
     "This is how long the JATO (Jet Assisted Take Off) burns before it burns out.", nullptr},
    {&planestruct::stabroll, 375, 474, 3, 1, 0, 99.9f,
     "The stabilators or elevators (on the horizontal stabilizer or tail) can deflect differentially to assist in "
     "roll control. The F-14 and other fighters do this.", nullptr},
    {&planestruct::stabhdng, 375, 429, 3, 1, 0, 99.9f,
     "The stabilators or elevators (on the horizontal stabilizer or tail) can deflect differentially to provide "
     "yaw control if the horizontal stabilizer has a dihedral above 45 degrees or so. The Beech Bonanza does "
     "this.", nullptr},
    {&planestruct::ailpitch, 341, 384, 3, 1, -99.9f, 99.9f,
     "The ailerons can droop as you pull back on the stick to provide extra lift for pull-ups. We are aware of no "
     "planes that actually do this.", nullptr},
    {&planestruct::ailflaps, 341, 339, 3, 1, 0, 99.9f,
     "The ailerons can droop as the flaps are deployed to provide extra lift for take-off and landing. "
     "Short-take-off and landing aircraft, as well as some complex fighters, do this.", nullptr},
    {&planestruct::brake_area, 217, 28, 3, 0, 0, 999,
     "This is the frontal area (in square feet) of any fuselage-mounted speedbrakes. Many fighters have these.",
     nullptr},
    {&planestruct::chute_area, 504, 28, 5, 0, 0, 99999,
     "This is the frontal area (in square feet) of any parachutes. A few (rare) high-speed airplanes have these.",
     nullptr},
};
static const yes_no_field special_switches[] = {
    {&planestruct::arrestingEQ, 344, 295},  {&planestruct::antiiceEQ, 461, 295},
    {&planestruct::bitchinbettyEQ, 614, 295}, {&planestruct::autosbrkEQ, 165, 224},
    {&planestruct::autofbrkEQ, 165, 182},   {&planestruct::autosweepEQ, 165, 140},
};

void screen_x_special(void)
{
    number_fields(special_numbers, count_of(special_numbers));
    yes_no_fields(special_switches, count_of(special_switches));
}

static const char* const puffer_help =
    "'Puffers' are air-jets at the extremities of the airplane that can pitch, yaw, and roll the airplane in "
    "hover. They create pitch, roll, and yaw moments (torques) that can be entered here.";

static const number_field vtol_numbers[] = {
    {&planestruct::vectarm, 363, 294, 3, 1, 0, 99.9f,
     "This is how far the prop hub is from the pivot point of the nacelle. It is approx the length of the nacelle "
     "for the V-22 Osprey.", nullptr},
    {&planestruct::elevcyclic, 328, 228, 2, 0, 0, 99,
     "This is how much the pitch of the blades changes for with maximum pitch input from the pilot.", nullptr},
    {&planestruct::ailncyclic, 328, 183, 2, 0, 0, 99,
     "This is how much the pitch of the blades changes for with maximum roll input from the pilot.", nullptr},
    {&planestruct::puffM, 188, 118, 6, 0, 0, 999999, puffer_help, nullptr},
    {&planestruct::puffL, 188, 73, 6, 0, 0, 999999, puffer_help, nullptr},
    {&planestruct::puffN, 188, 28, 6, 0, 0, 999999, puffer_help, nullptr},
};
static const yes_no_field vtol_switches[] = {{&planestruct::vectEQ, 149, 294}};

void screen_x_vtol(void)
{
    number_fields(vtol_numbers, count_of(vtol_numbers));
    yes_no_fields(vtol_switches, count_of(vtol_switches));
}

// The high-speed rows repeat the low-speed pitch and heading gains in their
// third column, so both ends of the blend are seen side by side; the two
// places edit one value.
static const number_field stability_numbers[] = {
    {&planestruct::ASloV, 204, 456, 4, 0, 0, 9999,
     "This is the airspeed (in knots indicated) below which the low-speed stability system will be in place. The "
     "stability system will phase smoothly between the low and high speeds.", nullptr},
    {&planestruct::AShiV, 471, 456, 4, 0, 0, 9999,
     "This is the airspeed (in knots indicated) above which the high-speed stability system will be in place. The "
     "stability system will phase smoothly between the low and high speeds.", nullptr},
    {&planestruct::ASmaxp1, 102, 330, 3, 0, 0, 999, nullptr, nullptr},
    {&planestruct::ASp1, 353, 330, 5, 4, 0, 9.9999f, nullptr, nullptr},
    {&planestruct::ASmaxh1, 102, 285, 3, 0, 0, 999, nullptr, nullptr},
    {&planestruct::ASh1, 353, 285, 5, 4, 0, 9.9999f, nullptr, nullptr},
    {&planestruct::ASmaxr1, 102, 240, 3, 0, 0, 999, nullptr, nullptr},
    {&planestruct::ASr1, 353, 240, 5, 4, 0, 9.9999f, nullptr, nullptr},
    {&planestruct::ASmaxp2, 102, 123, 3, 0, 0, 999, nullptr, nullptr},
    {&planestruct::ASp2, 279, 123, 5, 4, 0, 9.9999f, nullptr, nullptr},
    {&planestruct::ASp1, 474, 123, 5, 4, 0, 9.9999f, nullptr, nullptr},
    {&planestruct::ASmaxh2, 102, 78, 3, 0, 0, 999, nullptr, nullptr},
    {&planestruct::ASh2, 279, 78, 5, 4, 0, 9.9999f, nullptr, nullptr},
    {&planestruct::ASh1, 474, 78, 5, 4, 0, 9.9999f, nullptr, nullptr},
    {&planestruct::ASmaxr2, 102, 33, 3, 0, 0, 999, nullptr, nullptr},
    {&planestruct::ASr2, 279, 33, 5, 4, 0, 9.9999f, nullptr, nullptr},
};

void screen_x_stability(void) { number_fields(stability_numbers, count_of(stability_numbers)); }
