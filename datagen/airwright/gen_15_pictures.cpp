// Writes into the program folder given as the one argument (ending in '/')
// the pictures of Airwright's general design screens in "bitmaps/AirWrght/",
// each at its window's size: "P_VIEW", "H_VIEW", "A_PANL", "A_FORC",
// "A_ENGN", "A_PROP", "H_ROTR", "P_CONT", "A_WTBL" and "A_GEAR". Each holds,
// on the window body's grey, a caption beside or above every field and its
// unit after the digits, the labels of the radio rows, the arrows of the
// choice fields and the panel's slot frames. The places where the screens
// draw their values stay plain grey. Drawn with the library's own software
// drawing into rgb_array.
//
// Sections: fields, screens, main.
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
