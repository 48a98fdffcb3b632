// Writes into the program folder given as the one argument (ending in '/')
// the labelled background pictures of the location windows in
// "bitmaps/VolSim/", over the plain grey ones gen_12_windows wrote: the
// airport-ID window's alphabet ("loc_id_"), the airport-name window's list
// well and buttons ("loc_nam"), the latitude and longitude fields
// ("loc_lat"), the "Where Am I?" report ("loc_whr") and the flight plan form
// ("fltplan"). Drawn with the library's own drawing into rgb_array at the
// places the windows' managers draw their live parts (Windows.h).
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Windows.h"
#include "window_labels.h"

#include <cstdio>
#include <cstring>
#include <string>

// ---- drawing helpers -------------------------------------------------------------

// A raised button over its box with its text in the middle.
static void button(float x1, float y1, float x2, float y2, const char* text)
{
    MACIBM_button(x1 + 1, y1 + 1, x2 - 1, y2 - 1, 1);
    MACIBM_button(x1, y1, x2, y2, 1);
    label_centred((x1 + x2) / 2, (y1 + y2) / 2 - 3, text);
}

// A box of the form, ruled in the frames' dark grey, with its heading.
static void form_box(float x1, float y1, float x2, float y2, const char* heading)
{
    OGL_framerect(col_dark, x1, y1, x2 - x1, y2 - y1);
    if (heading) label(x1 + 6, y2 - 11, heading);
}

// ---- the pictures -------------------------------------------------------------------

// The alphabet in four columns on a dark well, each character in the middle
// of the cell the window frames when it is chosen.
static void draw_airport_id(float, float)
{
    // The frames run from a unit left of each column, 16 wide, and 2 below
    // the cell: the characters stand 3 units inside them.
    float last_code_frame = id_alphabet_top - 13 - id_cell_height * (float)(id_alphabet_codes - 1);
    well(id_column_x - 2, last_code_frame - 2, id_column_x + 3 * id_column_width + 17, id_alphabet_top + 2,
         col_dark);
    for (int i = 0; i < 4; i++) {
        float gx = id_column_x + 5 + id_column_width * (float)i;
        char column[2] = {(char)('1' + i), 0};
        label(gx, id_alphabet_top + 5, column);
        // The blank's cell shows a dim bar, so that it reads as a cell.
        OGL_string(col_shade, gx, id_alphabet_top - 11, "_", 999, 6);
        for (int code = 1; code < id_alphabet_codes; code++) {
            char c[2] = {code_to_char(code), 0};
            OGL_string(col_light, gx, id_alphabet_top - 10 - id_cell_height * (float)code, c, 999, 6);
        }
    }
    label(6, 412, "Airport ID");
    paragraph(6, 392, 80,
              "Click a character in each column to spell the airport's identifier.\n\n"
              "The top cell of a column is a blank.\n\n"
              "Close the window to start on the airport's first runway.");
}

// The list's well, its headings, the arrows and thumb track at its right,
// and the two buttons under it.
static void draw_airport_name(float, float)
{
    float x = name_list_at.x, y = name_list_at.y;
    label(x + 8, y + 76, "Airport");
    label(x + 239, y + 76, "ID");
    well(x + 1, y - 65, x + 272, y + 72);
    well(x + 278, y - 49, x + 296, y + 57, col_dark);
    MACIBM_button(x + 278, y + 57, x + 295, y + 71, 1);
    arrow(x + 286, y + 65, 1);
    MACIBM_button(x + 278, y - 64, x + 295, y - 50, 1);
    arrow(x + 286, y - 58, 0);
    button(name_start_x1, name_button_y1, name_start_x2, name_button_y2, "Start at this airport");
    button(name_start_x2, name_button_y1, name_cancel_x2, name_button_y2, "Cancel");
}

static void draw_lat_lon(float dx, float)
{
    wheel_field(lat_field_at.x, lat_field_at.y, 2, 1);
    wheel_field(lon_field_at.x, lon_field_at.y, 3, 1);
    label(15, lat_field_at.y, "Latitude");
    label(15, lat_field_at.y - 12, "+ north, - south");
    label(15, lon_field_at.y, "Longitude");
    label(15, lon_field_at.y - 12, "+ east, - west");
    label(lat_field_at.x + 28, lat_field_at.y, "deg");
    label(lon_field_at.x + 38, lon_field_at.y, "deg");
    paragraph(10, 40, dx - 20,
              "Click above a digit to raise it, below it to lower it. Close the window to fly to the airport "
              "nearest the point.");
}

static void draw_where_am_i(float dx, float)
{
    label(where_sentence_at.x, where_sentence_at.y + 16, "Your aircraft, from the chosen airport's first runway:");
    well(where_sentence_at.x - 4, where_sentence_at.y - 4, dx - 8, where_sentence_at.y + 11);
    // The numbers: a sign place and eight of 10 units with the point between.
    const win_point at[2] = {where_lat_at, where_lon_at};
    const char* const name[2] = {"Lat", "Lon"};
    const char* const unit[2] = {"degrees, + north", "degrees, + east"};
    for (int k = 0; k < 2; k++) {
        well(at[k].x - 8, at[k].y - 4, at[k].x + 77, at[k].y + 11);
        label(at[k].x - 8 - 6 - text_width(name[k]), at[k].y, name[k]);
        label(at[k].x + 84, at[k].y, unit[k]);
    }
    label(where_sentence_at.x, 15, "Distance in nautical miles from the runway's threshold, direction true.");
}

static void draw_flight_plan(float dx, float dy)
{
    const float top = dy - 5, row = 340;
    form_box(4, row, 72, top, "Rules");
    static const char* const rules[3] = {"IFR", "VFR", "Other"};
    for (int k = 0; k < 3; k++) {
        MACIBM_button(plan_rules_at[k].x - 2, plan_rules_at[k].y - 2, plan_rules_at[k].x + 9,
                      plan_rules_at[k].y + 9, 0);
        label(plan_rules_at[k].x + 14, plan_rules_at[k].y + 1, rules[k]);
    }
    form_box(72, row, plan_type_at.x - 5, top, "Tail number");
    form_box(plan_type_at.x - 5, row, plan_departure_at.x - 5, top, "Aircraft type");
    form_box(plan_departure_at.x - 5, row, 470, top, "Departure");
    wheel_field(plan_departure_at.x, plan_departure_at.y, 4, 0);
    form_box(470, row, dx - 4, top, "Cruise alt. (feet)");
    wheel_field(plan_cruise_at.x, plan_cruise_at.y, 5, 0);

    form_box(4, 80, 190, 205, "Destination");
    wheel_field(plan_destination_at.x, plan_destination_at.y, 4, 0);
    paragraph(10, 125, 170, "The identifier of the airport you fly to.");
    form_box(190, 80, dx - 4, 205, "Pilot contact");
    const win_point* b = plan_contact_at;
    label(196, b[0].y + 20, "How the controllers address you on the radio:");
    static const char* const contact[2] = {"Sir", "Madam"};
    for (int k = 0; k < 2; k++) {
        MACIBM_button(b[k].x - 2, b[k].y - 2, b[k].x + 9, b[k].y + 9, 0);
        label(b[k].x + 13, b[k].y + 1, contact[k]);
    }

    form_box(4, 210, dx - 4, row - 5, "Filing");
    paragraph(10, 305, dx - 24,
              "Check one kind of rules, set the departure and destination airports by their identifiers and "
              "the altitude you will cruise at, then close this window to file the plan.\n\n"
              "The controllers look the destination up among the airports they know: an identifier they do not "
              "know files nothing, and they tell you so.");
    form_box(4, 10, dx - 4, 75, "With the controllers");
    paragraph(10, 45, dx - 24,
              "Once the plan is filed, call the controllers with ENTER to pick it up. Opening this window and "
              "closing it again while you fly the plan amends it.");
}

int main(int argc, char** argv)
{
    static const window_picture pictures[] = {
        {win_airport_id, draw_airport_id},
        {win_airport_name, draw_airport_name},
        {win_lat_lon, draw_lat_lon},
        {win_find_me, draw_where_am_i},
        {win_flight_plan, draw_flight_plan},
    };
    return write_window_pictures(argc, argv, "gen_13_location_windows", pictures,
                                 (int)(sizeof pictures / sizeof pictures[0]));
}
