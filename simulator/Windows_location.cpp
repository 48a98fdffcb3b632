// The windows that choose where the flight starts and tell where it is:
// the airport by ID and by name, latitude and longitude, "Where Am I?", the
// flight plan form and the credits. Each draws only its live parts over its
// background picture, which carries the labels (gen_13_location_windows).
//   airport by ID
//   airport by name
//   latitude and longitude
//   where am I
//   flight plan
//   credits
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Funct.h"
#include "Genwrld.h"
#include "Initgen.h"
#include "records.h"
#include "Windows.h"

#include <cmath>
#include <cstdio>

// ---- airport by ID ---------------------------------------------------------------

// A column's character is the cell under the mouse: above the alphabet is
// the blank, below it the last code. The lookup waits for the window to close.
void manage_id_(void)
{
    char* id = msc.typed_apt_id;
    if (mnw.mouse_clicked || mnw.now_dragging) {
        int code = intlim((int)((id_alphabet_top - mnw.my) / id_cell_height), 0, id_alphabet_codes - 1);
        for (int i = 0; i < 4; i++) {
            float x = id_column_x + id_column_width * (float)i;
            if (!fltrange(mnw.mx, x, x + id_column_width)) continue;
            // A shorter identifier ends early: the columns before this one are blanks.
            for (int k = 0; k < i; k++)
                if (!id[k]) id[k] = ' ';
            id[i] = code_to_char(code);
        }
        id[4] = 0;
    }
    for (int i = 0; i < 4; i++) {
        int code = id[i] ? char_to_code(id[i]) : 0;
        OGL_framerect(9, id_column_x - 1 + id_column_width * (float)i,
                      id_alphabet_top - 13 - id_cell_height * (float)code, 16, 13);
    }
}

// ---- airport by name ---------------------------------------------------------------

// The start button starts on the chosen airport's first runway; an airport
// without one would lend another airport's, so it only closes the window.
void manage_nam(void)
{
    plot_name_list(name_list_at.x, name_list_at.y, apt_name, apt_id, &msc.apt_sel, 0, apt_wrl_max);
    if (!mnw.mouse_clicked) return;
    const win_box start = {name_start_x1, name_button_y1, name_start_x2, name_button_y2};
    const win_box cancel = {name_start_x2, name_button_y1, name_cancel_x2, name_button_y2};
    if (in_box(start, mnw.mx, mnw.my)) {
        if (apt_has_runway(msc.apt_sel)) {
            msc.rwy_sel = apt_lo_ind[msc.apt_sel];
            env.reg_lat = intround(rwy_lat[msc.rwy_sel] - 1.0f);
            env.reg_lon = intround(rwy_lon[msc.rwy_sel] - 1.5f);
            load_region(1);
            set_fltvars(place_runway, place_on_runway);
        }
        MACIBM_startwind(win_main);
    } else if (in_box(cancel, mnw.mx, mnw.my)) {
        MACIBM_startwind(win_main);
    }
}

// ---- latitude and longitude ----------------------------------------------------------

// The region's corner sits a degree south and west of the typed point;
// closing the window starts at the airport nearest that point.
void manage_lat(void)
{
    float lat = (float)env.reg_lat + 1.0f, lon = (float)env.reg_lon + 1.0f;
    instdbtn_range(48, lat_field_at.x, lat_field_at.y, &lat, 2, 0, -60, 60,
                   "Volanto will go to the closest airport to this latitude that it can find and put you on the "
                   "ground there, ready for take-off.");
    instdbtn_range(48, lon_field_at.x, lon_field_at.y, &lon, 3, 0, -180, 180,
                   "Volanto will go to the closest airport to this longitude that it can find and put you on the "
                   "ground there, ready for take-off.");
    env.reg_lat = intround(lat - 1.0f);
    env.reg_lon = intround(lon - 1.0f);
}

// ---- where am I ----------------------------------------------------------------------

const char* compass_word(float bearing)
{
    static const char* const words[8] = {"north", "north-east", "east", "south-east",
                                         "south", "south-west", "west", "north-west"};
    for (int k = 0; k < 8; k++)
        if (bearing < 22.5f + 45.0f * (float)k) return words[k];
    return words[0];
}

void where_am_i_text(char* text, int cap)
{
    text[0] = 0;
    int a = msc.apt_sel;
    if (!apt_has_runway(a)) return;
    // The threshold the first runway is entered from: half its length back
    // from its centre against its heading.
    float xa, za;
    runway_threshold(apt_lo_ind[a], &xa, &za);
    float x = (float)flt.pos_x[0], z = (float)flt.pos_z[0];
    float bearing = fltwrap(atan2f(x - xa, za - z) * con.radtodeg, 0, 360);
    int miles = intround(pythag(x - xa, z - za) * con.mtrstonm);
    snprintf(text, cap, "%d miles %s of %.40s (%.4s)", miles, compass_word(bearing), apt_name[a], apt_id[a]);
}

void manage_whr(void)
{
    // Five decimals (about a metre) in the eight places a number shows at
    // most; a whole place apart, so the point between them shows.
    OGL_number(48, where_lat_at.x, where_lat_at.y, flt.lat, 8, 5, 10, 1);
    OGL_number(48, where_lon_at.x, where_lon_at.y, flt.lon, 8, 5, 10, 1);
    char text[160];
    where_am_i_text(text, sizeof text);
    OGL_string(48, where_sentence_at.x, where_sentence_at.y, text, mnw.dx - 2 * where_sentence_at.x, 6);
}

// ---- flight plan -----------------------------------------------------------------------

// Check boxes of which at most one is on: turning one on clears the others.
static void one_of(const win_point* at, int* const* flags, const char* const* help, int n)
{
    for (int k = 0; k < n; k++) {
        if (!inboolbtn(at[k].x, at[k].y, flags[k], help[k]) || !*flags[k]) continue;
        for (int j = 0; j < n; j++)
            if (j != k) *flags[j] = 0;
    }
}

void manage_pln(void)
{
    const planestruct& a = pln[0];
    char line[40];
    snprintf(line, sizeof line, "%.12s", a.tailnum);
    OGL_string(22, plan_tail_at.x, plan_tail_at.y, line, 999, 6);
    // The type runs up to the departure field.
    snprintf(line, sizeof line, "%.31s", a.C_name);
    OGL_string(22, plan_type_at.x, plan_type_at.y, line, 999, 6);

    int* const rules[3] = {&fpl.rules_ifr, &fpl.rules_vfr, &fpl.rules_other};
    static const char* const rules_help[3] = {
        "You have to have an instrument rating to file an IFR (Instrument Flight Rules) plan. Expect controllers to "
        "stay with you throughout the flight if you file this type of plan, and happily clear you for instrument "
        "approaches if the weather is crummy.",
        "Any pilot may file this type of plan. Controllers will only offer you visual approaches on this type of "
        "plan. Expect controllers get worried if you request an instrument approach.",
        nullptr,
    };
    one_of(plan_rules_at, rules, rules_help, 3);
    int* const contact[2] = {&fpl.contact_option_1, &fpl.contact_option_2};
    static const char* const contact_line =
        "Enter your name and address on flight plan forms to allow you to be contacted if needed... this could "
        "occurr if a you commit a violation or you forget to close your flight-plan if you land out of ATC coverage.";
    static const char* const contact_help[2] = {contact_line, contact_line};
    one_of(plan_contact_at, contact, contact_help, 2);

    in4charbtn(48, plan_departure_at.x, plan_departure_at.y, fpl.departure);
    in4charbtn(48, plan_destination_at.x, plan_destination_at.y, fpl.destination);
    float cruise = (float)fpl.cruise_altitude;
    instdbtn(48, plan_cruise_at.x, plan_cruise_at.y, &cruise, 5, 0, 0,
             "ATC will expect you to maintain this altitude unless you amend your flight plan enroute.");
    fpl.cruise_altitude = (int)cruise;
}

// ---- credits ---------------------------------------------------------------------------

static const char* const credit_lines[] = {
    "Volanto flies an aircraft from the forces on each of its parts: wings, tails, bodies, propellers, rotors, "
    "jets and wheels, over scenery squares, airports and navaids, in weather of its own, with controllers who talk "
    "back.",
    "Airwright builds the aircraft Volanto flies, part by part, and writes their files. Foilwright draws airfoil "
    "and flap sections and works out their lift, drag and moment. Terrawright edits the scenery squares and the "
    "airport and navaid databases. Skycaster reads the weather reports and briefs a flight before it leaves.",
    "The aircraft, airfoils, scenery, airports, navaids, pictures, textures and sounds that come with the suite "
    "were made by this project, drawn and computed by its own data generator. Positions and runways are "
    "approximate: never use them to navigate a real aircraft.",
    "Volanto runs on SDL2 for its window, keys, joystick and sound, on OpenGL (Mesa) for its drawing, and on "
    "espeak-ng for the controllers' voices.",
    "Written from scratch by the Volanto team. The source comes with the suite: build it, fly it, change it.",
    "Thanks to everyone who flies it, breaks it and tells us how.",
};

// Lines text takes at this width, by the same rule as the drawing's wrap.
static int wrapped_lines(const char* text, float width)
{
    int lines = 1;
    float px = 0;
    for (int i = 0; text[i]; i++) {
        if (text[i] != '\n') px += 6;
        int n = 0;
        while (text[i + 1 + n] && text[i + 1 + n] != ' ' && text[i + 1 + n] != '\n') n++;
        if (px + 6.0f * (float)n > width) {
            lines++;
            px = 0;
        }
        if (text[i + 1] == '\n') {
            lines++;
            px = 0;
        }
    }
    return lines;
}

// Each line under the last with a line's gap between; the first clear of
// the window's top edge.
void manage_cre(void)
{
    float width = mnw.dx - 10, y = mnw.dy - 15;
    for (const char* line : credit_lines) {
        OGL_string(6, 5, y, line, width, 6);
        y -= 10.0f * (float)wrapped_lines(line, width) + 10;
    }
}
