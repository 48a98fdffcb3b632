// Writes into the program folder given as the one argument (ending in '/')
// the pictures of Airwright's design screens in "bitmaps/AirWrght/", each at
// its window's size: the general screens ("P_VIEW", "H_VIEW", "A_PANL",
// "A_FORC", "A_ENGN", "A_PROP", "H_ROTR", "P_CONT", "A_WTBL", "A_GEAR"), the
// surfaces ("P_WING", "P_HSTB", "P_VSTB", "P_PYLN", "H_HSTB", "H_VSTB"), the
// bodies ("A_FUSE", "A_NACE", "A_MISC", "A_FAIR") and the expert screens
// ("AX_PROP", "PX_WING", "PX_HSTB", "PX_VSTB", "HX_HSTB", "PX_SPCN",
// "PX_VCCN", "AX_ASTB"). Each holds, on the window body's grey, a caption
// beside or above every field and its unit after the digits, the labels of
// the radio rows and of the element columns, the arrows of the choice
// fields, the panel's slot frames and the bodies' section grids. The places
// where the screens draw their values stay plain grey. A picture shared by
// several screens shows what they have in common. Drawn with the library's
// own software drawing into rgb_array.
//
// Sections: fields, screens, surfaces, bodies, expert screens, main.
#include "UPDATA.h"
#include "picture_labels.h"

// ---- fields ------------------------------------------------------------------

// A digit wheel of digits places at (x, y) draws its sign at x - 3 and its
// places of 10 from x + 3, 10 high: the caption ends left of the sign, the
// unit starts after the last place.
const float caption_gap = 6;
const float sign_room = 6;

static void unit_after(float x, float y, int digits, const char* unit)
{
    if (unit) label(x + 10.0f * (float)digits + 8, y + 1, unit);
}

// A number field with its caption on its left.
static void number_left(float x, float y, int digits, int sign, const char* caption, const char* unit)
{
    float end = x - caption_gap - (sign ? sign_room : 0);
    label(end - text_width(caption), y + 1, caption);
    unit_after(x, y, digits, unit);
}

// A number field with its caption above it, clear of the digits.
static void number_above(float x, float y, int digits, int sign, const char* caption, const char* unit)
{
    label(x - (sign ? sign_room : 0), y + 16, caption);
    unit_after(x, y, digits, unit);
}

// A choice field's texts run from x; its arrows sit at x + width, the upper
// one stepping on, the lower one back. The screens pass the same width.
static void choice_arrows(float x, float y, float width)
{
    float cx = x + width + 7;
    arrow(cx, y + 15, 1, 4);
    arrow(cx, y - 9, 0, 4);
}

static void choice_left(float x, float y, float width, const char* caption)
{
    label(x - caption_gap - text_width(caption), y + 1, caption);
    choice_arrows(x, y, width);
}

// A row of radio boxes: box i (from 1) at (x, y0 - step i), its label after it.
static void radio_row(float x, float y0, float step, const char* heading, const char* const* labels, int n)
{
    if (heading) label(x, y0 + 2, heading);
    for (int i = 1; i <= n; i++) label(x + 12, y0 - step * (float)i + 1, labels[i - 1]);
}

static void start_picture(int w, int h)
{
    memset(rgb_array, 0, rgb_array_bytes);
    OGL_fillrect(col_body, 0, 0, (float)w, (float)h);
}

// ---- screens -------------------------------------------------------------------

static const char* const speed_unit = "mph/kts";

// The tail number, the airspeed unit and the eye's place: both Viewpoints.
static void view_common(float tail_y, float units_y, float eye_y)
{
    label(95 - caption_gap - text_width("Tail number"), tail_y + 2, "Tail number");
    static const char* const units[2] = {"miles per hour", "knots"};
    radio_row(20, units_y, 16, "Airspeed unit", units, 2);
    label(200, eye_y + 26, "Pilot's eye, from the reference point");
    number_left(249, eye_y, 4, 1, "behind", "ft");
    number_left(249, eye_y - 45, 4, 1, "right of", "ft");
    number_left(249, eye_y - 90, 4, 1, "above", "ft");
}

static void draw_plane_view(void)
{
    start_picture(590, 433);
    view_common(382, 336, 384);
    static const struct {
        float y;
        const char* caption;
        const char* unit;
    } speeds[] = {
        {264, "Vso (flaps-down stall)", speed_unit}, {219, "Vs (flaps-up stall)", speed_unit},
        {174, "Vfe (max flaps extended)", speed_unit}, {129, "Vno (max in rough air)", speed_unit},
        {84, "Vne (never exceed)", speed_unit}, {39, "Mmo (max Mach, turbines)", "Mach"},
    };
    for (const auto& s : speeds) number_above(48, s.y, 3, 0, s.caption, s.unit);
    paragraph(200, 200, 360,
              "The speeds only mark the airspeed indicator. The flight model finds the stall and the "
              "limits from the aircraft's own geometry, whatever is entered here.");
}

static void draw_heli_view(void)
{
    start_picture(590, 208);
    view_common(157, 111, 159);
    number_above(48, 39, 3, 0, "Vne (never exceed)", speed_unit);
}

static void draw_panel(void)
{
    start_picture(662, 553);
    static const char* const panels[2] = {"round dials", "glass panel"};
    static const char* const supp[7] = {"VOR and glide slope", "storm scope", "moving map", "radar altimeter",
                                        "variometer",    "weather radar", "RMI"};
    static const char* const vvi[2] = {"standard scale", "fine scale"};
    static const char* const hud[3] = {"no head-up display", "head-up display", "synthetic vision"};
    static const char* const asi[3] = {"linear, own speeds", "wide range 60-449", "linear, fixed marks"};
    static const char* const adf[2] = {"card set by its knob", "card follows heading"};
    static const char* const ts[2] = {"turn and slip", "turn needle"};
    radio_row(18, 509, 16, "Panel kind", panels, 2);
    radio_row(18, 449, 16, "Supplementary instrument", supp, 7);
    radio_row(232, 509, 16, "Vertical speed", vvi, 2);
    radio_row(232, 449, 16, "Head-up display", hud, 3);
    radio_row(447, 509, 16, "Airspeed scale", asi, 3);
    radio_row(447, 433, 16, "A.D.F.", adf, 2);
    radio_row(447, 373, 16, "Turn indicator", ts, 2);

    label(4, 244, "Instrument places (an instrument shows in one place at most)");
    static const float slot_x[4] = {0, 129, 258, 387};
    static const float slot_y[2] = {234, 104};
    for (int row = 0; row < 2; row++) {
        for (int col = 0; col < 4; col++) {
            float x = slot_x[col], y = slot_y[row];
            float bottom = y - 110 < 1 ? 1 : y - 110;
            MACIBM_button(x + 1, bottom, x + 127, y - 1, 0);
            char name[32];
            snprintf(name, sizeof name, col == 3 ? "place %d (airplane)" : "place %d", row * 4 + col + 1);
            label(x + 8, y - 11, name);
        }
    }
    label(529, 200, "Panel (airplane)");
    OGL_framerect(col_dark, 528, 173, 133, 22);
}

static void draw_force_feedback(void)
{
    start_picture(385, 152);
    label(19, 62, "Force-feedback stick effects");
    label(33, 42, "hydraulic flight controls (they can fail)");
    label(33, 26, "stick shaker near the stall");
}

static void draw_engines(void)
{
    start_picture(780, 461);
    label(8, 414, "count");
    label(60, 414, "engine type");
    choice_arrows(36, 398, engine_type_width);
    number_above(160, 398, 4, 0, "fuel per hp or lb", "lb/hr");
    number_above(304, 398, 2, 1, "cant up (airplane)", "deg");

    number_above(437, 412, 6, 0, "max power, sea level", "hp");
    number_above(657, 412, 5, 0, "critical altitude", "ft");
    number_left(457, 371, 4, 0, "gear ratio engine:prop (airplane)", nullptr);
    number_left(677, 371, 3, 0, "manifold pressure", "in Hg");
    number_left(447, 330, 5, 0, "max", "rpm");
    number_left(447, 285, 5, 0, "idle", "rpm");
    number_left(657, 330, 5, 0, "max continuous", "rpm");
    number_left(657, 285, 5, 0, "min continuous", "rpm");
    choice_left(673, 244, yes_no_width, "thrust reversers");

    label(24, 350, "Engine places (airplane), ft from the reference point");
    for (int k = 0; k < 4; k++) {
        char name[16];
        snprintf(name, sizeof name, "engine %d", k + 1);
        label(55.0f * (float)k + 20, 336, name);
    }
    label(245, 318, "behind");
    label(245, 273, "right of");
    label(245, 228, "above");

    label(380, 200, "Jets (airplane)");
    number_left(457, 177, 6, 0, "max thrust", "lb");
    number_left(457, 136, 6, 0, "afterburner", "lb");
    number_left(697, 177, 3, 0, "inlet area", "sq ft");
    number_left(707, 136, 2, 0, "spool-up", "sec");
    label(380, 115, "Rockets (airplane)");
    choice_left(673, 96, yes_no_width, "thrust reversers");
    number_left(457, 28, 8, 0, "rocket thrust", "lb");
}

static void draw_propellers(void)
{
    start_picture(500, 528);
    number_left(76, 478, 1, 0, "blades", nullptr);
    choice_left(289, 478, yes_no_width, "variable pitch");
    number_left(292, 434, 3, 0, "radius, hub to tip", "ft");
    number_left(292, 389, 3, 0, "blade chord", "in");
    label(20, 346, "turns");
    for (int k = 0; k < 4; k++) {
        char name[8];
        snprintf(name, sizeof name, "no.%d", k + 1);
        label(114 + 39.0f * (float)k, 364, name);
        choice_arrows(114 + 39.0f * (float)k, 344, yes_no_width);
    }
    paragraph(20, 240, 460,
              "Set the pitch, or the design rpm and speed, and the blade is designed to match; "
              "the pitch range follows.");
    number_left(212, 184, 3, 0, "pitch (travel per turn)", "in");
    number_left(88, 141, 5, 0, "design rpm", nullptr);
    number_left(319, 141, 3, 0, "design speed", "kts");
    number_left(130, 75, 3, 1, "min blade pitch", "deg");
    number_left(130, 30, 3, 0, "max blade pitch", "deg");
}

static void draw_rotor_system(void)
{
    start_picture(507, 370);
    number_left(168, 335, 2, 0, "forward cant, deg", nullptr);
    number_left(168, 294, 2, 1, "side cant, deg", nullptr);
    number_above(209, 294, 3, 1, "tail rotor offset", "deg");
    number_left(168, 253, 3, 0, "tail/main rpm ratio", nullptr);
    label(165, 226, "main rotor hub");
    label(342, 226, "tail rotor hub");
    number_left(168, 208, 4, 1, "behind", "ft");
    number_left(168, 163, 4, 1, "above", "ft");
    number_left(345, 208, 4, 1, "behind", "ft");
    number_left(345, 163, 4, 1, "above", "ft");
    number_left(345, 118, 4, 1, "right of", "ft");
    number_left(339, 73, 3, 0, "pitch cyclic", "deg");
    number_left(339, 28, 3, 0, "roll cyclic", "deg");
}

static void draw_control_geometry(void)
{
    start_picture(686, 326);
    label(20, 296, "Control surfaces");
    label(97, 276, "chord");
    label(97, 268, "ratio");
    label(150, 276, "up");
    label(185, 276, "down");
    label(150, 268, "deg");
    label(185, 268, "deg");
    static const char* const names[6] = {"ailerons", "elevators", "rudder", "spoilers", "drag rudders",
                                         "speedbrakes"};
    for (int k = 0; k < 6; k++) number_left(100, 255 - 45.0f * (float)k, 3, 0, names[k], nullptr);
    label(377, 304, "flap file (click the box)");
    MACIBM_button(377, 276, 395, 295, 1);
    number_left(533, 248, 2, 0, "slats add", "deg");
    label(328, 193, "control smoothing");
    static const char* const smooth[3] = {"strong", "light", "none"};
    radio_row(328, 189, 36, nullptr, smooth, 3);
}

static void draw_weight_balance(void)
{
    start_picture(403, 346);
    label(20, 320, "Centre of gravity, from the reference point");
    number_left(81, 297, 4, 1, "behind", "ft");
    number_left(81, 252, 4, 1, "above", "ft");
    number_left(140, 185, 7, 0, "empty weight", "lb");
    number_left(140, 140, 7, 0, "max takeoff weight", "lb");
    number_left(109, 73, 7, 0, "fuel", "lb");
    number_left(109, 28, 7, 0, "jettison load", "lb");
}

static void draw_landing_gear(void)
{
    start_picture(460, 516);
    choice_left(100, 481, gear_type_width, "gear");
    choice_left(390, 481, yes_no_width, "retracts");
    label(10, 450, "Nose or tail wheel");
    label(114, 432, "tire on ground");
    label(316, 432, "strut attached");
    number_left(120, 413, 4, 1, "behind", "ft");
    number_left(120, 368, 4, 1, "above", "ft");
    unit_after(322, 413, 4, "ft");
    unit_after(322, 368, 4, "ft");
    number_left(166, 327, 3, 0, "steering", "deg");
    label(10, 267, "Main gear");
    label(114, 249, "tire on ground");
    label(316, 249, "strut attached");
    number_left(120, 230, 4, 1, "behind", "ft");
    number_left(120, 185, 4, 0, "to the side", "ft");
    number_left(120, 140, 4, 1, "above", "ft");
    unit_after(322, 230, 4, "ft");
    unit_after(322, 185, 4, "ft");
    unit_after(322, 140, 4, "ft");
    label(10, 98, "Skids");
    number_left(120, 72, 4, 1, "front behind", "ft");
    number_left(120, 27, 4, 0, "to the side", "ft");
    number_left(322, 72, 4, 1, "above", "ft");
    number_left(322, 27, 4, 0, "length", "ft");
}

// ---- surfaces ------------------------------------------------------------------

// The surface screens' three rows move together by the screen's offset;
// the low one is the pylons' and the helicopter's fins', whose windows are
// too short for element columns.
const float row_a = 281, row_b = 236, row_c = 191;
const float wing_offset = 0, hstab_offset = 7, vstab_offset = -62, low_offset = -174;

// The planform and, on all but the pylons, the root's place.
static void planform(float off, int pylon)
{
    float a = row_a + off, b = row_b + off, c = row_c + off;
    number_above(53, a, 4, 0, "root chord", "ft");
    number_above(53, b, 4, 0, "tip chord", "ft");
    number_above(15, c, 4, 0, "length, root to tip", "ft");
    number_above(185, a, 4, 1, "sweep back", "deg");
    number_above(185, b, 4, 1, "dihedral (up)", "deg");
    if (pylon) {
        label(305, a + 28, "Pylon base");
        number_above(311, a, 4, 1, "behind the thrust centre", "ft");
        number_above(311, b, 4, 1, "out from the thrust centre", "ft");
        return;
    }
    label(305, a + 28, "Root at 25% chord");
    number_above(311, a, 4, 1, "behind the ref. point", "ft");
    number_above(311, b, 4, 1, "right of the ref. point", "ft");
    number_above(311, c, 4, 1, "above the ref. point", "ft");
}

// The element count and its columns: each piece's number over its column,
// the incidence and the on/off boxes named left of the first column.
struct box_row {
    float y;
    const char* name;
};

static void element_columns(float off, int low, float incidence_y, const box_row* boxes, int n_boxes)
{
    char name[24];
    snprintf(name, sizeof name, "pieces (%d-8)", low);
    number_left(90, 156 + off, 1, 0, name, nullptr);
    label(100 - text_width("piece"), incidence_y + 23, "piece");
    for (int e = 0; e < 8; e++) {
        char digit[4];
        snprintf(digit, sizeof digit, "%d", e + 1);
        label_centred(41.0f * (float)e + 104 + 18, incidence_y + 23, digit);
    }
    number_left(104, incidence_y, 3, 1, "incidence, deg", nullptr);
    for (int k = 0; k < n_boxes; k++) label(100 - text_width(boxes[k].name), boxes[k].y + 1, boxes[k].name);
}

// Wings 1 to 3 share the picture.
static void draw_wing(void)
{
    start_picture(472, 326);
    planform(wing_offset, 0);
    static const box_row boxes[] = {{77, "ailerons"}, {65, "spoilers"},    {53, "flaps"},
                                    {41, "slats"},    {29, "speedbrakes"}, {17, "drag rudders"}};
    element_columns(wing_offset, 4, 111, boxes, 6);
}

// Both sets' horizontal stabiliser: the trim range and the kind; the
// airplane's pieces also carry control boxes.

static void hstab_common(void)
{
    planform(hstab_offset, 0);
    number_left(223, 28, 2, 0, "whole-stabilizer trim, up or down", "deg");
    choice_left(342, 163, hstab_type_width, "kind");
}

static void draw_plane_hstab(void)
{
    start_picture(472, 333);
    hstab_common();
    static const box_row boxes[] = {{84, "elevators"}, {72, "flaps"}, {60, "slats"}};
    element_columns(hstab_offset, 2, 118, boxes, 3);
}

static void draw_heli_hstab(void)
{
    start_picture(472, 333);
    hstab_common();
    element_columns(hstab_offset, 2, 118, nullptr, 0);
}

// Both of the airplane's vertical stabilisers.
static void draw_plane_vstab(void)
{
    start_picture(473, 264);
    planform(vstab_offset, 0);
    static const box_row boxes[] = {{15, "rudder"}};
    element_columns(vstab_offset, 2, 49, boxes, 1);
}

// The helicopter's fins have no pieces to edit.
static void draw_heli_vstab(void)
{
    start_picture(473, 152);
    planform(low_offset, 0);
}

static void draw_pylons(void)
{
    start_picture(473, 152);
    planform(low_offset, 1);
}

// ---- bodies --------------------------------------------------------------------

// Station i's grid frames x 66 i + 10 .. 66 i + 73 and y0 - 64 .. y0 + 60;
// the section's zero height runs through its middle, 2 below y0.
const float station_step = 66;

static void section_editor(int stations, float y0)
{
    label(10, y0 + 66, "Main station of each section, ft behind the reference point");
    for (int i = 0; i < stations; i++) {
        float x = station_step * (float)i + 10;
        OGL_framerect(col_dark, x, y0 - 64, 63, 124);
        OGL_line(col_shade, x + 1, y0 - 2, x + 62, y0 - 2);
    }
    float last = station_step * (float)(stations - 1) + 10;
    choice_arrows(10, y0 + end_toggle_rise, end_toggle_width);
    label(10 + end_toggle_width + 19, y0 + end_toggle_rise + 1, "front end");
    choice_arrows(last, y0 + end_toggle_rise, end_toggle_width);
    label(last - caption_gap - text_width("rear end"), y0 + end_toggle_rise + 1, "rear end");
    OGL_framerect(col_shade, 10, y0 - 80, last + 63 - 10, 15);
    label_centred((last + 73) / 2, y0 - 76, "click in this strip to copy a section onto the one beside it");
    label(10, y0 - 96, "Offset of the point last picked in each section from its main station, ft");
}

static void grid_width(float x, float y)
{
    number_left(x, y, 3, 0, "width of the grids below", "ft");
}

static const char* const grid_note =
    "Drag a point in a grid to move it: each grid holds the right half of its section, top to bottom, mirrored "
    "onto the left. A CLOSED end section is a single point.";

static void draw_fuselage(void)
{
    start_picture(740, 391);
    grid_width(256, 338);
    choice_left(532, 338, yes_no_width, "in the propeller's wash");
    number_left(156, 291, 4, 0, "drag coefficient", nullptr);
    paragraph(260, 301, 470, grid_note);
    section_editor(11, 138);
}

// The nacelles' and the wheel fairings' screens differ in their switch.
static void small_body(const char* fitted)
{
    start_picture(476, 427);
    choice_left(222, 374, yes_no_width, fitted);
    grid_width(167, 327);
    paragraph(240, 346, 230, grid_note);
    section_editor(7, 174);
}

static void draw_nacelles(void) { small_body("nacelles fitted"); }
static void draw_fairings(void) { small_body("wheel fairings fitted"); }

static void draw_tanks(void)
{
    start_picture(476, 558);
    choice_left(222, 505, yes_no_width, "tank or float fitted");
    grid_width(167, 458);
    paragraph(240, 477, 230, grid_note);
    section_editor(7, 305);
    label(10, 144, "Its place, from the reference point (a mirrored pair when to the side):");
    number_left(129, 118, 4, 1, "behind", "ft");
    number_left(129, 73, 4, 0, "to the side", "ft");
    number_left(129, 28, 4, 1, "above", "ft");
}

// ---- expert screens --------------------------------------------------------------

// A file-name field's box is left of its name: x - 20 .. x.
static void file_box(float x, float y)
{
    MACIBM_button(x - 20, y - 7, x - 2, y + 12, 1);
}

// The four airfoils of a part: root and tip at two Reynolds numbers.
static void airfoils(void)
{
    label(48, 56, "root airfoil");
    label(280, 56, "tip airfoil");
    label(4, 39, "Re 1");
    label(4, 20, "Re 2");
    file_box(68, 38);
    file_box(300, 38);
    file_box(68, 19);
    file_box(300, 19);
    paragraph(4, 94, 516,
              "Click a box to choose an airfoil file. A second Reynolds number's pair is optional: the "
              "flight model blends the two by each piece's Reynolds number in flight.");
}

static void draw_x_prop(void)
{
    start_picture(525, 111);
    airfoils();
}

// Wings 1 to 3 and the airplane's horizontal stabiliser may sweep.
static void draw_x_swept(void)
{
    start_picture(524, 155);
    airfoils();
    choice_left(183, 121, yes_no_width, "variable sweep");
    number_left(474, 121, 3, 1, "maximum sweep, deg", nullptr);
}

static void draw_x_small(void)
{
    start_picture(524, 110);
    airfoils();
}

static void draw_x_special(void)
{
    start_picture(657, 524);
    label(20, 500, "JATO (jet assisted take-off)");
    number_left(82, 474, 4, 1, "behind", "ft");
    number_left(82, 429, 4, 1, "above", "ft");
    number_left(82, 384, 3, 0, "angle", "deg");
    number_left(82, 339, 7, 0, "thrust", "lb");
    number_left(82, 294, 3, 0, "burn", "sec");
    label(220, 500, "Mixed controls");
    number_left(375, 474, 3, 0, "tail differential for roll", "deg");
    number_left(375, 429, 3, 0, "tail differential for yaw", "deg");
    number_left(341, 384, 3, 1, "aileron droop, stick back", "deg");
    number_left(341, 339, 3, 0, "aileron droop with flaps", "deg");
    choice_left(344, 295, yes_no_width, "arresting hook");
    choice_left(461, 295, yes_no_width, "anti-ice");
    choice_left(614, 295, yes_no_width, "voice call-outs");
    label(20, 250, "Automatic");
    choice_left(165, 224, yes_no_width, "speedbrakes");
    choice_left(165, 182, yes_no_width, "fuselage brakes");
    choice_left(165, 140, yes_no_width, "wing sweep");
    label(20, 60, "Drag devices, frontal area");
    number_left(217, 28, 3, 0, "fuselage speedbrakes", "sq ft");
    number_left(504, 28, 5, 0, "parachute", "sq ft");
}

static void draw_x_vtol(void)
{
    start_picture(484, 330);
    choice_left(149, 294, yes_no_width, "thrust vectoring");
    number_left(363, 294, 3, 0, "hub to nacelle pivot", "ft");
    label(20, 254, "Blade pitch change at full stick, hovering");
    number_left(328, 228, 2, 0, "pitch stick", "deg");
    number_left(328, 183, 2, 0, "roll stick", "deg");
    label(20, 144, "Puffers (air jets for hover), moment at full stick");
    number_left(188, 118, 6, 0, "pitch", "ft lb");
    number_left(188, 73, 6, 0, "roll", "ft lb");
    number_left(188, 28, 6, 0, "yaw", "ft lb");
}

// Both sets: the low-speed rows hold the rates the stick commands, the
// high-speed rows the angles, with the low-speed rate gains again.
static void draw_x_stability(void)
{
    start_picture(726, 505);
    number_left(204, 456, 4, 0, "low-speed system below", speed_unit);
    number_left(471, 456, 4, 0, "high-speed system above", speed_unit);
    paragraph(20, 420, 690, "Between the two speeds the systems blend smoothly into each other.");
    static const char* const axes[3] = {"pitch", "yaw", "roll"};
    label(20, 372, "Low speed: the stick commands a rate");
    label(96, 350, "rate at full stick");
    label(347, 350, "gain on the rate error");
    for (int k = 0; k < 3; k++) {
        float y = 330 - 45.0f * (float)k;
        number_left(102, y, 3, 0, axes[k], "deg/s");
    }
    label(20, 165, "High speed: the stick commands an angle (roll: a rate)");
    label(96, 143, "angle at full stick");
    label(273, 143, "gain on the angle error");
    label(468, 143, "rate gain, as at low speed");
    for (int k = 0; k < 3; k++) {
        float y = 123 - 45.0f * (float)k;
        number_left(102, y, 3, 0, axes[k], k == 2 ? "deg/s" : "deg");
    }
}

// ---- main --------------------------------------------------------------------

int main(int argc, char** argv)
{
    std::string folder;
    if (!program_folder_argument(argc, argv, "gen_15_pictures", &folder)) return 2;
    assign_window_colours();
    to_array = 1;
    static const struct {
        const char* name;
        int w, h;
        void (*draw)(void);
    } pictures[] = {
        {"P_VIEW", 590, 433, draw_plane_view},   {"H_VIEW", 590, 208, draw_heli_view},
        {"A_PANL", 662, 553, draw_panel},        {"A_FORC", 385, 152, draw_force_feedback},
        {"A_ENGN", 780, 461, draw_engines},      {"A_PROP", 500, 528, draw_propellers},
        {"H_ROTR", 507, 370, draw_rotor_system}, {"P_CONT", 686, 326, draw_control_geometry},
        {"A_WTBL", 403, 346, draw_weight_balance}, {"A_GEAR", 460, 516, draw_landing_gear},
        {"P_WING", 472, 326, draw_wing},         {"P_HSTB", 472, 333, draw_plane_hstab},
        {"P_VSTB", 473, 264, draw_plane_vstab},  {"P_PYLN", 473, 152, draw_pylons},
        {"H_HSTB", 472, 333, draw_heli_hstab},   {"H_VSTB", 473, 152, draw_heli_vstab},
        {"A_FUSE", 740, 391, draw_fuselage},     {"A_NACE", 476, 427, draw_nacelles},
        {"A_MISC", 476, 558, draw_tanks},        {"A_FAIR", 476, 427, draw_fairings},
        {"AX_PROP", 525, 111, draw_x_prop},      {"PX_WING", 524, 155, draw_x_swept},
        {"PX_HSTB", 524, 155, draw_x_swept}, {"PX_VSTB", 524, 110, draw_x_small},
        {"HX_HSTB", 524, 110, draw_x_small},     {"PX_SPCN", 657, 524, draw_x_special},
        {"PX_VCCN", 484, 330, draw_x_vtol},      {"AX_ASTB", 726, 505, draw_x_stability},
    };
    int ok = 1;
    for (const auto& p : pictures) {
        p.draw();
        std::string path = folder + "bitmaps/AirWrght/" + p.name + ".BMP";
        if (!write_bmp(path.c_str(), rgb_array, p.w, p.h, 800)) {
            fprintf(stderr, "gen_15_pictures: cannot write %s\n", path.c_str());
            ok = 0;
        }
    }
    to_array = 0;
    return ok ? 0 : 1;
}
