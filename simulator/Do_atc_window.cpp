// The ATC list: the pilot's calls over the view and the pick lists of the
// region's airports and navaids. One function draws the list (every frame
// while it is up) and acts on the row or cell under the cursor (a click or
// Enter); the calls go to the controllers' dialogue, ATIS and the flight-plan
// window.
//   run state and the cursor
//   text
//   the calls
//   the pick lists
//   the list
#include "Do_atc.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "records.h"

#include <cmath>
#include <cstring>

static const int col_call = 48;        // a call that may be made, and the pick lists
static const int col_suggested = 57;   // the call the plan waits for

// The calls by their row of the options list.
static const int row_file_plan = 0;
static const int row_amend_plan = 1;
static const int row_atis = 2;
static const int row_pick_up = 4;
static const int row_close_plan = 5;
static const int row_check_in = 6;
static const int row_say_again = 7;
static const int row_taxi = 9;
static const int row_take_off = 10;
static const int row_vectors = 11;       // 11 to 15 open the pick lists 5 to 9
static const int row_par = 15;
static const int row_wind = 17;
static const int row_missed = 18;
static const int row_emergency = 19;

// A row of the options list: hidden, shown, or shown as the one to make.
static const int call_hidden = 0;
static const int call_shown = 1;
static const int call_suggested = 2;

// Where the list lies, in the main view's units.
static const float list_top = 540;       // the first row's text; rows 10 apart downwards
static const float row_height = 10;
static const float call_x = 12;
static const float pick_x = 20;          // a pick list's first column; columns 150 apart
static const float column_width = 150;
static const float text_advance = 6;

// ---- run state and the cursor -------------------------------------------------

// The mouse where the cursor last followed it: a mouse at rest leaves the
// cursor to the arrow keys. Kept for the whole run.
struct atc_list_run_state {
    float mouse_x, mouse_y;
};
static atc_list_run_state list_run;

void clear_atc_window_state(void) { list_run = atc_list_run_state(); }

// The cursor takes the cell under a mouse that moved, then is held to the
// list whoever moved it last: the arrow keys, a level's change and a saved
// record may leave it anywhere.
static void place_cursor(void)
{
    if (fabsf(mnw.mx - list_run.mouse_x) > 0.5f || fabsf(mnw.my - list_run.mouse_y) > 0.5f) {
        atc.menu_col = (int)fltlim((mnw.mx - 17) / column_width, -1, atc_menu_cols + 1);
        atc.menu_row = (int)fltlim((547 - mnw.my) * 0.1f, -1, atc_menu_rows + 1);
        list_run.mouse_x = mnw.mx;
        list_run.mouse_y = mnw.my;
    }
    atc.menu_col = intlim(atc.menu_col, 0, atc_menu_cols - 1);
    atc.menu_row = intlim(atc.menu_row, 0, atc_menu_rows - 1);
}

// ---- text -----------------------------------------------------------------------

static void put_tail(char* out) { app_chars(out, pln[0].tailnum, sizeof pln[0].tailnum); }

// The airport's name, nothing for an index outside the table.
static void put_airport(char* out, int a)
{
    if (airport_in_table(a)) app_chars(out, apt_name[a], sizeof apt_name[a]);
}

static int start_airport(void) { return airport_in_table(msc.apt_sel) ? msc.apt_sel : -1; }

// ---- the calls ----------------------------------------------------------------

// The state of every row from the plan, the aircraft and the controller's
// last words, as they are at this call.
static void call_states(int state[atc_menu_rows])
{
    for (int i = 0; i < atc_menu_rows; i++) state[i] = call_hidden;
    int filed = fpl.filed != 0, picked_up = fpl.active != 0;
    int air = !flt.on_ground;
    int start = start_airport();
    int towered_ground = !air && start >= 0 && apt_twr[start];

    state[row_file_plan] = filed ? call_hidden : call_suggested;
    state[row_amend_plan] = filed ? call_shown : call_hidden;
    state[row_atis] = call_shown;
    if (filed) state[row_pick_up] = picked_up ? call_hidden : call_suggested;
    if (filed && picked_up) state[row_close_plan] = call_shown;
    if (atc.checkin_due) state[row_check_in] = filed ? call_suggested : call_shown;
    if (atc.ctrl_text[0]) state[row_say_again] = call_shown;
    if (towered_ground) {
        int awaited = filed && atc.plan_state == 3;
        state[row_taxi] = state[row_take_off] = awaited ? call_suggested : call_shown;
    }
    for (int i = row_vectors; i <= row_par; i++)
        if (air) state[i] = call_shown;
    state[row_wind] = call_shown;
    if (air) state[row_missed] = state[row_emergency] = call_shown;
}

// The check-in names the controller the plan was handed to.
static void check_in_text(char* out)
{
    switch (atc.plan_state) {
    case 4:
        put_airport(out, start_airport());
        app_text(out, " departure ");
        put_tail(out);
        app_text(out, " with you.");
        return;
    case 5:
        app_text(out, "Center, ");
        put_tail(out);
        app_text(out, " with you.");
        return;
    case 6:
    case 7:
        put_airport(out, atc.dest_apt);
        app_text(out, atc.plan_state == 6 ? " approach " : " tower ");
        put_tail(out);
        app_text(out, " with you inbound.");
        return;
    case 9:
        put_airport(out, atc.dest_apt);
        app_text(out, " ground ");
        put_tail(out);
        app_text(out, " clear active.");
        return;
    }
    put_tail(out);
    app_text(out, " with you.");
}

static const char* const call_words[atc_menu_rows] = {
    "File flight plan",
    "Amend flight plan",
    "Get ATIS...",
    "",
    " would like to pick up my flight plan.",
    " would like to close my flight plan.",
    "",
    " say again please.",
    "",
    " request taxi to active ",
    " request take off ",
    " request vectors...",
    " request landing...",
    " request I L S...",
    " request localizer...",
    " request precision approach radar approach...",
    "",
    " Wind check please!",
    " Going missed approach.",
    " DECLARING AN EMERGENCY, REQUEST VECTORS NEAREST FIELD!",
};

// The text of row i; the calls from row 4 on open with the tail number.
static void call_text(int i, char* out)
{
    out[0] = 0;
    if (i == row_check_in) {
        check_in_text(out);
        return;
    }
    if (i >= row_pick_up) put_tail(out);
    app_text(out, call_words[i]);
    if (i == row_taxi || i == row_take_off) put_airport(out, start_airport());
}

static int call_colour(int state) { return state == call_suggested ? col_suggested : col_call; }

static void draw_calls(const int state[atc_menu_rows])
{
    char text[atc_text_max];
    for (int i = 0; i < atc_menu_rows; i++) {
        if (state[i] == call_hidden) continue;
        call_text(i, text);
        OGL_string(call_colour(state[i]), call_x, list_top - row_height * (float)i, text, 776, text_advance);
    }
    int r = atc.menu_row;
    OGL_framerect(call_colour(state[r]), 10, 538 - row_height * (float)r, 400, 10);
}

// A request to the controller: "request ", the kind's three capitals and
// the target's name straight after them.
static void request(const char* kind, const char* name, size_t name_size)
{
    char text[atc_text_max] = "request ";
    app_text(text, kind);
    app_chars(text, name, name_size);
    controller_respond(text);
}

static void say_words(const char* words)
{
    char text[atc_text_max];
    snprintf(text, sizeof text, "%s", words);
    controller_respond(text);
}

static void make_call(int row, int state)
{
    if (state != call_hidden && row == row_atis) {
        atc.menu_level = atc_level_atis;
        return;
    }
    if (state != call_hidden && row >= row_vectors && row <= row_par) {
        atc.menu_level = atc_level_vectors + row - row_vectors;
        atc.vectoring = 0;
        return;
    }
    atc.menu_on = 0;
    if (state == call_hidden) return;
    int start = start_airport();
    switch (row) {
    case row_file_plan:
        if (start >= 0) snprintf(fpl.departure, sizeof fpl.departure, "%.4s", apt_id[start]);
        shell.MACIBM_startwind(win_flight_plan);
        break;
    case row_amend_plan: shell.MACIBM_startwind(win_flight_plan); break;
    case row_pick_up:
        fpl.active = 1;
        atc.plan_state = 0;   // the next second's step delivers the clearance
        break;
    case row_close_plan: {
        fpl.filed = fpl.active = 0;
        atc.vectoring = 0;
        char text[atc_text_max] = "";
        put_tail(text);
        app_text(text, " flight plan closed. Squawk 1 2 0 0. Good day.");
        speakstring(text);
        break;
    }
    case row_check_in:
        atc.checkin_due = 0;
        handle_plan(1);
        break;
    case row_say_again: {
        // The phrase is said from a copy: speaking writes the same buffer.
        char text[atc_text_max] = "";
        app_chars(text, atc.ctrl_text, sizeof atc.ctrl_text);
        speakstring(text);
        break;
    }
    case row_taxi:
    case row_take_off:
        atc.vectoring = 0;
        request(row == row_taxi ? "TAX" : "TAK", apt_name[start], sizeof apt_name[start]);
        break;
    case row_wind: say_words("WIN"); break;
    case row_missed: say_words("MIS"); break;
    case row_emergency: say_words("DEC"); break;
    }
}

// ---- the pick lists --------------------------------------------------------------

int use_apt(int k)
{
    if (!airport_in_table(k) || !apt_inreg[k]) return 0;
    switch (atc.menu_level) {
    case atc_level_atis:
    case atc_level_landing: return apt_twr[k] != 0;
    case atc_level_vectors: return 1;
    }
    return 0;
}

int use_nav(int k)
{
    if (k < world_nav_first || !navaid_in_table(k) || !nav_inreg[k]) return 0;
    switch (atc.menu_level) {
    case atc_level_ils:
    case atc_level_par: return nav_type[k] == navaid_ils;
    case atc_level_loc: return nav_type[k] == navaid_localizer;
    }
    return 0;
}

static int lists_navaids(void)
{
    return atc.menu_level == atc_level_ils || atc.menu_level == atc_level_loc || atc.menu_level == atc_level_par;
}

// The table index of the first entry of the list from index k on, -1 past
// the last.
static int next_entry(int k)
{
    if (lists_navaids()) {
        for (; navaid_in_table(k); k++)
            if (use_nav(k)) return k;
    } else {
        for (; airport_in_table(k); k++)
            if (use_apt(k)) return k;
    }
    return -1;
}

static const char* entry_name(int k) { return lists_navaids() ? nav_name[k] : apt_name[k]; }

// Columns of 20 from the left; the fifth is the last the cursor reaches,
// and the entries after it run on past the view's edge.
static void draw_pick_list(void)
{
    size_t cut = atc.menu_level == atc_level_par ? 8 : 24;
    int n = 0;
    for (int k = next_entry(0); k >= 0; k = next_entry(k + 1), n++) {
        char text[atc_text_max] = "";
        app_chars(text, entry_name(k), cut);
        float x = pick_x + column_width * (float)(n / atc_menu_rows);
        float y = list_top - row_height * (float)(n % atc_menu_rows);
        OGL_string(col_call, x, y, text, 999, text_advance);
    }
    OGL_framerect(col_call, 17 + column_width * (float)atc.menu_col, 538 - row_height * (float)atc.menu_row, 148, 10);
}

// The ATIS of an airport under a random information letter, from the real
// weather where a station reports.
static void speak_atis(int a)
{
    char letter = code_to_char(intrand(11, 36));
    char text[atc_text_max];
    get_ATIS(a, letter, text, 1);
    speakstring(text);
}

static void pick(void)
{
    atc.menu_on = 0;
    int want = atc.menu_col * atc_menu_rows + atc.menu_row;
    int k = next_entry(0);
    for (int n = 0; k >= 0 && n < want; n++) k = next_entry(k + 1);
    if (k < 0) return;   // an empty cell
    switch (atc.menu_level) {
    case atc_level_atis: speak_atis(k); break;
    case atc_level_vectors: request("VEC", apt_name[k], sizeof apt_name[k]); break;
    case atc_level_landing: request("LAN", apt_name[k], sizeof apt_name[k]); break;
    case atc_level_ils: request("ILS", nav_name[k], sizeof nav_name[k]); break;
    case atc_level_loc: request("LOC", nav_name[k], sizeof nav_name[k]); break;
    case atc_level_par: request("PAR", nav_name[k], sizeof nav_name[k]); break;
    }
}

// ---- the list ----------------------------------------------------------------------

void plot_atc_options(int click)
{
    place_cursor();
    if (atc.menu_level != atc_level_options) {
        if (click) pick();
        else draw_pick_list();
        return;
    }
    int state[atc_menu_rows];
    call_states(state);
    if (click) make_call(atc.menu_row, state[atc.menu_row]);
    else draw_calls(state);
}
