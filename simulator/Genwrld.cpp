// The scenery region.
//
// Sections: the region's records, the menu bar, the region's places, the
// grid, fires and ships, the loader.
#include "Genwrld.h"

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Menus.h"
#include "Startscn.h"
#include "Windows.h"

#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- the region's records -------------------------------------------------

environmentstruct env;

int ship_in_region(int s)
{
    return fltbox(env.ship_x[s], env.ship_z[s], env.reg_west_x, env.reg_north_z, env.reg_east_x, env.reg_south_z);
}

int wx_cell(float x, float z, int* i, int* j)
{
    *i = *j = -10;
    if (!(env.reg_east_x != env.reg_west_x) || !(env.reg_south_z != env.reg_north_z)) return 0;
    float fi = interp(env.reg_west_x, 0, env.reg_east_x, (float)(wx_grid_cols - 1), x);
    float fj = interp(env.reg_north_z, 0, env.reg_south_z, (float)(wx_grid_rows - 1), z);
    if (!std::isfinite(fi) || !std::isfinite(fj)) return 0;
    *i = (int)fltlim(fi, -10.0f, (float)(wx_grid_cols + 9));
    *j = (int)fltlim(fj, -10.0f, (float)(wx_grid_rows + 9));
    return *i >= 0 && *i < wx_grid_cols && *j >= 0 && *j < wx_grid_rows;
}
float planexyz[region_grid_x][region_grid_z][3];
float planenrml[region_grid_x][region_grid_z][3];
float planest[region_grid_x][region_grid_z][2][2][2];
unsigned planetex[region_grid_x][region_grid_z];
int is_water[region_grid_x][region_grid_z];
int city_on_poly[region_grid_x][region_grid_z];
int tree_on_poly[region_grid_x][region_grid_z];
int offp_on_poly[region_grid_x][region_grid_z];
int oilr_on_poly[region_grid_x][region_grid_z];
float city_xyz[region_grid_x][region_grid_z][2][7][3];
float tree_xyz[region_grid_x][region_grid_z][2][4][3];
int apt_inreg[world_apt_max];    // a size other than the header's does not compile
int nav_inreg[world_nav_max];

int apt_to_index[local_list_max];
int apt_lcl_max = -1;
int vor_to_index[local_list_max];
int vor_lcl_max = -1;
int ndb_to_index[local_list_max];
int ndb_lcl_max = -1;

int obj_type[obj_slots];
int obj_poltyp[obj_slots][obj_elements];
int obj_texrgb[obj_slots][obj_elements];
float obj_xyz[obj_slots][obj_elements][4][3];
float obj_nrml[obj_slots][obj_elements][3];
int obj_inrange[obj_slots];

int rwy_geo_ind[world_rwy_max];
int rwy_geo = -1;

// ---- the menu bar -------------------------------------------------------------

// The bar and the submenus hung on Location's items, created in this order:
// a submenu takes its place from its parent item, so it follows its menu.
struct menudef {
    int menu;
    int parent_item;    // -1: a title on the bar
    const char* title;
};
static const menudef bar_menus[] = {
    {0, -1, "About"},
    {1, -1, "File"},
    {2, -1, "Location"},
    {3, -1, "Settings"},
    {4, -1, "Output"},
    {5, -1, "View"},
    {6, -1, "Special"},
    {7, 200, ""},     // the local airports: takeoff
    {8, 202, ""},     // VFR final
    {9, 203, ""},     // ILS final
    {10, 205, ""},    // the local VORs
    {11, 206, ""},    // the local NDBs
    {12, 208, ""},
    {13, 209, ""},
    {14, 211, ""},
    {15, 212, ""},
    {16, 213, ""},
};

static const char special_help[] =
    "This will let you put yourself in a variety of interesting situations, such as on approach to gravel "
    "runways or aircraft carriers or even forest fires.";

struct itemdef {
    int item;    // menu x 100 + index
    const char* label;
    const char* help;
};
// The View labels put the key in brackets at column 27 and run to 29
// characters; the trail and replay labels are padded with blanks to 29.
static const itemdef bar_items[] = {
    {0, "About", "Check out the version number of this copy of Volanto."},
    {1, "Credits", "Check out who made this happen."},
    {100, "Open Aircraft", "Use this option to try flying a new airplane."},
    {101, "-", ""},
    {102, "Load Situation", "Use this option to load a saved situation, which may contain your favorite places and airplanes."},
    {103, "Save Situation", "Use this option to save the current situation, if it contains your favorite places and airplanes."},
    {104, "-", ""},
    {item_quit, "Quit", ""},
    {200, "Takeoff", ""},
    {201, "-", ""},
    {202, "VFR Final", ""},
    {203, "ILS Final", ""},
    {204, "-", ""},
    {205, "Over VOR", ""},
    {206, "Over NDB", ""},
    {207, "-", ""},
    {208, "Place Aircraft by Airport", "This will let you place yourself anywhere in the world by choosing airport names or ID's."},
    {209, "Place Aircraft by Location", "This will let you place yourself anywhere in the world by latitude and longitudes, or by clicking on a map."},
    {210, "-", ""},
    {211, "Special Take-Off", special_help},
    {212, "Special In-Flight", special_help},
    {213, "Special Approach", special_help},
    {214, "-", ""},
    {215, "Find Me", "Use this if needed."},
    {216, "Get Me Lost", "Use this if you dare."},
    {300, "Data Output...", "This option can send data to the disk, a graphical file, or the cockpit."},
    {301, "Serial Output...", "This can send data to the serial port to drive motion systems and stuff."},
    {302, "-", ""},
    {303, "Time Of Day...", "This sets the time of day, which always progresses in real-time from wherever you set it."},
    {304, "Rendering Options...", "This sets graphical levels. You can use it to tune performance to your machine. "},
    {305, "-", ""},
    {306, "Weather Space...", "This sets the meteor-shower density."},
    {307, "Weather Atmosphere...", "This sets wind, temerature, clouds, thermals, rate of change, etc. etc. etc."},
    {308, "Weather Ground...", "This sets runway conditions, used for braking and steering effectiveness."},
    {309, "Weather Water...", "This sets the wave length and height, used for seaplanes, which will have to battle any waves you enter."},
    {310, "-", ""},
    {311, "Hardware & Flight Mode...", "Use this to set up your joystick and stuff."},
    {312, "Weights & Fuel...", "Use this to set your plane's loading for the flight."},
    {313, "-", ""},
    {314, "Realistic Reliability...", "Use this to set reliability in a realistic manner... failures are rare."},
    {315, "Instrument Reliability...", "Use this to set instrument reliability. Failures occurr randmonly and without warning, and failure modes are realistic."},
    {316, "Equipment Reliability...", "Use this to set equipment reliability. Failures occurr randmonly and without warning, and failure modes are realistic."},
    {317, "-", ""},
    {318, "Sound...", "Set the various sound options for the sim here."},
    {319, "Warnings...", "Set the various warning options for the sim here."},
    {400, "Graphic Flight Record", "Use this to view data that you have stored in the 'SET DATA OUTPUT' window in the 'SETTINGS' menu."},
    {401, "Low Enroute Chart", "Check out the local low enroute map, with your flight path plotted on it."},
    {402, "Sectional Chart", "Check out the local sectional map, with your flight path plotted on it."},
    {403, "Weather Radar Map", "Check out the local radar-summary map, with your flight path plotted on it."},
    {404, "Local Virtual-World", "Check out the local virtual map, with your flight path plotted on it."},
    {405, "Isometric Region", "Check out the local region in 3-D, with your flight path plotted on it."},
    {406, "World Map", "Check out Earth, with your flight path plotted on it."},
    {407, "-", ""},
    {item_view_first, "Forwards                  [W]", ""},
    {501, "Down 4 Deg                [S]", ""},
    {502, "Down 8 Deg                [X]", ""},
    {503, "-", ""},
    {504, "Left   45 Deg             [Q]", ""},
    {505, "Right  45 Deg             [E]", ""},
    {506, "Left   90 Deg            [QQ]", ""},
    {507, "Right  90 Deg            [EE]", ""},
    {508, "Left  135 Deg           [QQQ]", ""},
    {509, "Right 135 Deg           [EEE]", ""},
    {510, "-", ""},
    {511, "Backwards                 [Z]", ""},
    {512, "-", ""},
    {513, "Airport Beacon Tower      [T]", ""},
    {514, "On Runway                 [#]", ""},
    {515, "-", ""},
    {516, "Chase                     [A]", ""},
    {517, "Follow: Arrow Keys Rotate [|]", ""},
    {518, "Follow: Arrow Keys Rotate [\\]", ""},
    {519, "Spot: Arrow Keys Move     [@]", ""},
    {520, "-", ""},
    {521, "Full-Screen With HUD      [_]", ""},
    {item_view_last, "Full-Screen Without HUD   [+]", ""},
    {523, "-", ""},
    {524, "Zoom In                   [=]", ""},
    {525, "Zoom Out                  [-]", ""},
    {526, "-", ""},
    {item_trail_show, "Show 3-D Flight-Path         ", "Show the flight-path like a trail behind the plane."},
    {item_trail_hide, "Hide 3-D Flight-Path         ", "Hide the flight-path like a trail behind the plane."},
    {529, "Reset 3-D Flight-Path        ", "Reset the flight-path that shows like a trail behind the plane."},
    {530, "-", ""},
    {item_replay_enter, "Enter Flight Replay Mode     ", "Enter replay mode, which allows you to replay your flight like it was taped on a VCR."},
    {item_replay_leave, "Leave Flight Replay Mode     ", "Leave replay mode, which allows you to replay your flight like it was taped on a VCR."},
    {600, "Output One Flight Engine Cycle [/]", "Dump all the math for one cycle of the sim to a disk output file so you can check the sim's math if you have the inclination."},
    {601, "-", ""},
    {602, "Reset Preferences and Exit", "Use this if the sim is acting flaky and you want to restart from the default condition."},
    {603, "-", ""},
    {604, "Instructions: Flight Controls", ""},
    {605, "Instructions: Cockpit", ""},
    {606, "Instructions: Keyboard", ""},
    {607, "Instructions: Air Traffic Control", ""},
    {608, "Instructions: Tech Support", ""},
    {609, "-", ""},
    {item_logbook, "Report Logged Time to Volanto.log", "Use this to keep track of Total, night, and instrument time flown."},
    {1200, "Airport ID...", "This will allow you to enter an airport ID and have Volanto put you on the ground there."},
    {1201, "Airport Name...", "This will allow you to enter an airport name and have Volanto put you on the ground there."},
    {1300, "Enroute...", "This will allow you to click on the local low-enroute chart to place your aircraft."},
    {1301, "Local VR...", "This will allow you to click on the local virtual-world chart to place your aircraft."},
    {1302, "World Visual...", "This will allow you to click on a global map to place your aircraft."},
    {1303, "Lat-Lon...", "This will allow you to choose a lat and lon to place your aircraft... Volanto will find the closest airport it can and start you off there."},
    {1400, "Grass Field Takeoff", "This will put you on the nearest grass field that Volanto can find. Soft-field landing technique requires that you use full flaps, a low approach speed, a gentle touchdown accomplished by adding power as needed, and keeping the nosewheel in the air as long as possible by holding the nose up during the landing roll."},
    {1401, "Dirt Field Takeoff", "This will put you on the nearest dirt field that Volanto can find. Soft-field landing technique requires that you use full flaps, a low approach speed, a gentle touchdown accomplished by adding power as needed, and keeping the nosewheel in the air as long as possible by holding the nose up during the landing roll."},
    {1402, "Gravel Field Takeoff", "This will put you on the nearest gravel field that Volanto can find. Soft-field landing technique requires that you use full flaps, a low approach speed, a gentle touchdown accomplished by adding power as needed, and keeping the nosewheel in the air as long as possible by holding the nose up during the landing roll."},
    {1403, "Carrier Catshot", "This will put you on the catapault of the nearest carrier."},
    {1404, "Seaplane Takeoff", "This will put you in the water nearby. Only try this in a seaplane from the aircraft folders, one with floats or a hull, or you will sink!"},
    {1500, "Formation Flying", "This will put you behind another aircraft of your type and speed, allowing you to practice formation flying."},
    {1501, "Glider-Tow", "This will put you behind a towplane that will tow your glider to altitude for some soaring."},
    {1502, "B-52 Drop", "This will put you under the wing of a B-52 for a drop... this is how your X-15 or other rocket-plane or high-speed glider flight should start."},
    {1600, "Helipad Approach", "This will put you on final to the nearest helipad that Volanto can find. You should be in a helo or a VTOL for this."},
    {1601, "Aircraft Carrier Approach", "This will put you on final to the nearest aircraft carrier that Volanto can find. You should probably have arresting gear for this. Some of the planes in the 'fighters' are so equipped. The F-4 is the ultimate challenge."},
    {1602, "Offshore Platform Approach", "This will put you on final to the nearest offshore platform that Volanto can find. You should be in a helo or a VTOL for this."},
    {1603, "Oil Rig Approach", "This will put you on final to the nearest oil rig that Volanto can find. You should be in a helo or a VTOL for this."},
    {1604, "Frigate Approach", "This will put you on final to the nearest frigate that Volanto can find. You should be in a helo or a VTOL for this."},
    {1605, "Forest Fire Approach", "This will put you near the nearest forest fire. Fly a water bomber from the aircraft folders into the wind, and drop your water on the fire over several passes to put it out."},
};

// Every menu and item of the library's tables emptied and laid off screen.
static void clear_menus(void)
{
    for (int m = 0; m < menus_max; m++) {
        mnw.menu_name[m][0] = 0;
        mnw.menux1[m] = mnw.menuy1[m] = mnw.menux2[m] = mnw.menuy2[m] = -9999;
    }
    for (int it = 0; it < menus_max * items_per_menu; it++) {
        mnw.item_name[it][0] = 0;
        mnw.itemx1[it] = mnw.itemy1[it] = mnw.itemx2[it] = mnw.itemy2[it] = -9999;
    }
    // An item left empty must not keep the last region's tool tip.
    for (int it = 0; it < help_menus * items_per_menu; it++) mnw.item_help[it][0] = 0;
}

static void build_menu_bar(void)
{
    for (const menudef& m : bar_menus) {
        MACIBM_create_menu(m.menu, m.parent_item, m.title);
        for (const itemdef& it : bar_items)
            if (it.item / items_per_menu == m.menu) MACIBM_append_menu(m.menu, it.item, it.label, it.help);
    }
}

void rway_to_cs(int number, char letter, int pad, char* out)
{
    const int n = abs(number % 100);
    int k = 0;
    for (const char* p = pad ? "Pad" : "Rwy"; *p; p++) out[k++] = *p;
    out[k++] = ' ';
    out[k++] = (char)('0' + n / 10);
    out[k++] = (char)('0' + n % 10);
    if (letter && letter != 'x') out[k++] = letter;
    out[k] = 0;
}

static char opposite_letter(char letter)
{
    if (letter == 'L') return 'R';
    if (letter == 'R') return 'L';
    if (letter == 'C') return 'C';
    return 'x';
}

// Local airport l's entries: its name in the takeoff, VFR and ILS lists and
// the Output menu.
static void add_airport_items(int l, int a)
{
    char name[26];
    snprintf(name, sizeof name, "%.25s", apt_name[a]);
    for (int menu = 7; menu <= 9; menu++) MACIBM_append_menu(menu, menu * items_per_menu + l, name, "");
    MACIBM_append_menu(4, 408 + l, name, "");
}

// The submenu of runway ends under each of airport l's list entries.
// Runway k's ends are items 2k and 2k + 1: a pad (numbered 99) keeps its k
// with no items, and from k = 50 on there is no room left in the submenu. A
// submenu takes its parent item's box when it is made: only once every
// airport is listed have the lists their final width.
static void add_runway_ends(int l, int a)
{
    for (int list = 0; list < 3; list++) {
        const int menu = 7 + list, sub = 20 + 100 * list + l;
        MACIBM_create_menu(sub, menu * items_per_menu + l, "");
        for (int r = apt_lo_ind[a], k = 0; r <= apt_hi_ind[a]; r++, k++) {
            if (rwy_num[r] == rwy_pad || 2 * k + 1 >= items_per_menu) continue;
            const int pad = rwy_len[r] * con.mtrstoft < 500;
            char end[8];
            rway_to_cs(rwy_num[r], rwy_lcr[r], pad, end);
            MACIBM_append_menu(sub, sub * items_per_menu + 2 * k, end, "");
            rway_to_cs(intwrap(rwy_num[r] + 18, 1, 36), opposite_letter(rwy_lcr[r]), pad, end);
            MACIBM_append_menu(sub, sub * items_per_menu + 2 * k + 1, end, "");
        }
    }
}

// ---- the region's places --------------------------------------------------------


static float lon_degree(float lat) { return cosf(lat * con.degtorad) * 60 * con.nmtomtrs; }

int latlon_in_region(float lat, float lon)
{
    return lat >= env.reg_lat && lat <= env.reg_lat + 2 && lon >= env.reg_lon && lon <= env.reg_lon + 3;
}

// An airport is where its first runway is; one without runways is in no region.
static void mark_region_places(void)
{
    for (int a = 0; a < world_apt_max; a++)
        apt_inreg[a] = apt_has_runway(a) && latlon_in_region(rwy_lat[apt_lo_ind[a]], rwy_lon[apt_lo_ind[a]]);
    for (int n = 0; n < world_nav_max; n++) nav_inreg[n] = n <= nav_wrl_max && latlon_in_region(nav_lat[n], nav_lon[n]);
}

// The local airports in database order, each with a geometry slot for every
// runway. An airport whose runways do not all fit in the slots left ends the
// list with one notice: it and every later one are left out, as the airports
// past the 92nd are, so that no listed airport has a runway without a slot.
// An empty list leaves apt_lcl_max at -1.
static void list_local_airports(void)
{
    apt_lcl_max = -1;
    rwy_geo = -1;
    for (int& slot : rwy_geo_ind) slot = -1;
    for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++) {
        if (!apt_inreg[a]) continue;
        if (apt_lcl_max == local_list_max - 1) break;
        const int lo = apt_lo_ind[a], hi = apt_hi_ind[a];
        if (rwy_geo + (hi - lo + 1) >= geo_slots) {
            MACIBM_alert("Too many runways in the region!", "", "", "", alert_notice);
            break;
        }
        apt_to_index[++apt_lcl_max] = a;
        int has_pad = 0;
        for (int r = lo; r <= hi; r++) has_pad |= rwy_num[r] == rwy_pad;
        for (int r = lo; r <= hi; r++) {
            const int slot = rwy_geo_ind[r] = ++rwy_geo;
            code_to_lgts(&geo_type[slot], geo_litgls[slot], geo_litrwy[slot], geo_litapp[slot], rwy_code[r]);
            const float sq_ft = rwy_len[r] * con.mtrstoft * rwy_width[r] * con.mtrstoft;
            geo_tway[slot] = !has_pad && rwy_num[r] != rwy_pad && sq_ft > 250000 &&
                             (geo_type[slot] == 62 || geo_type[slot] == 63);
            setuprunway(a, r, slot);
        }
        add_airport_items(apt_lcl_max, a);
    }
    for (int l = 0; l <= apt_lcl_max; l++) add_runway_ends(l, apt_to_index[l]);
}

static void list_local_navaids(void)
{
    int vors = 0, ndbs = 0;
    char name[40];
    for (int n = 0; n <= nav_wrl_max && n < world_nav_max; n++) {
        if (!nav_inreg[n]) continue;
        snprintf(name, sizeof name, "%.39s", nav_name[n]);
        if (nav_type[n] == navaid_vor && vors < local_list_max) {
            vor_to_index[vors] = n;
            MACIBM_append_menu(10, 1000 + vors++, name, "");
        }
        if (nav_type[n] == navaid_ndb && ndbs < local_list_max) {
            ndb_to_index[ndbs] = n;
            MACIBM_append_menu(11, 1100 + ndbs++, name, "");
        }
    }
    vor_lcl_max = vors - 1;
    ndb_lcl_max = ndbs - 1;
}

// ---- the grid -------------------------------------------------------------------

int scroll_block(int q0, int q1, int r0, int r1, int iu, int ju, int di, int dj, int cols, int rows, gridblock* b)
{
    const long long i_lo = (long long)q0 * iu, i_hi = (long long)q1 * iu;
    const long long j_lo = (long long)r0 * ju, j_hi = (long long)r1 * ju;
    const int fits = i_lo >= 0 && i_lo <= i_hi && i_hi < cols && i_lo + di >= 0 && i_hi + di < cols && j_lo >= 0 &&
                     j_lo <= j_hi && j_hi < rows && j_lo + dj >= 0 && j_hi + dj < rows;
    if (fits) *b = {(int)i_lo, (int)i_hi, (int)j_lo, (int)j_hi};
    return fits;
}

void move_grid_block(void* grid, int rows, int bytes, const gridblock& b, int di, int dj)
{
    char* g = (char*)grid;
    const int i_first = di > 0 ? b.i_hi : b.i_lo, i_step = di > 0 ? -1 : 1;
    const int j_first = dj > 0 ? b.j_hi : b.j_lo, j_step = dj > 0 ? -1 : 1;
    for (int i = i_first; i >= b.i_lo && i <= b.i_hi; i += i_step)
        for (int j = j_first; j >= b.j_lo && j <= b.j_hi; j += j_step)
            memcpy(g + ((long)(i + di) * rows + (j + dj)) * bytes, g + ((long)i * rows + j) * bytes, (size_t)bytes);
}

void shift_geo(int i_q0, int i_q1, int j_q0, int j_q1, int di, int dj)
{
    gridblock b;
    const int fits = scroll_block(i_q0, i_q1, j_q0, j_q1, square_cells_x, square_cells_z, di, dj, region_grid_x,
                                  region_grid_z, &b);
    // The scrolls' blocks fit exactly; one reaching outside is the caller's mistake.
    assert(fits);
    if (!fits) return;
    const int rows = region_grid_z;
    move_grid_block(planest, rows, sizeof planest[0][0], b, di, dj);
    move_grid_block(planexyz, rows, sizeof planexyz[0][0], b, di, dj);
    move_grid_block(planetex, rows, sizeof planetex[0][0], b, di, dj);
    move_grid_block(is_water, rows, sizeof is_water[0][0], b, di, dj);
    move_grid_block(offp_on_poly, rows, sizeof offp_on_poly[0][0], b, di, dj);
    move_grid_block(oilr_on_poly, rows, sizeof oilr_on_poly[0][0], b, di, dj);
    move_grid_block(city_on_poly, rows, sizeof city_on_poly[0][0], b, di, dj);
    move_grid_block(tree_on_poly, rows, sizeof tree_on_poly[0][0], b, di, dj);
    move_grid_block(city_xyz, rows, sizeof city_xyz[0][0], b, di, dj);
    move_grid_block(tree_xyz, rows, sizeof tree_xyz[0][0], b, di, dj);
    env.cam_cell_i += di;
    env.plane_cell_i += di;
    env.cam_cell_j += dj;
    env.plane_cell_j += dj;
}

// What a scroll moves (the terrain's, weather's and cloud grid's blocks:
// first and last column, first and last row, and the move) and what it then
// builds anew: the squares read and the cloud sectors filled (a sector
// column or row; -1 for all).
struct scrolldef {
    int geo[6], wx[6], cloud[6];
    int new_quadrants[3];
    int new_count;
    int cloud_si, cloud_sj;
};
static const scrolldef scrolls[4] = {
    {{0, 2, 0, 2, 59, 0}, {0, 2, 0, 2, 210, 0}, {0, 4, 0, 4, 16, 0}, {0, 3, 0}, 2, 0, -1},       // 2 west
    {{1, 3, 0, 2, -59, 0}, {1, 3, 0, 2, -210, 0}, {1, 5, 0, 4, -16, 0}, {2, 5, 0}, 2, 4, -1},    // 3 east
    {{0, 3, 1, 2, 0, -79}, {0, 3, 0, 1, 0, 210}, {0, 5, 1, 4, 0, -16}, {3, 4, 5}, 3, -1, 3},    // 4 north
    {{0, 3, 0, 1, 0, 79}, {0, 3, 1, 2, 0, -210}, {0, 5, 0, 3, 0, 16}, {0, 1, 2}, 3, -1, 0},     // 5 south
};

// The squares' texture names go with their quadrants; a new quadrant's
// entry is left empty for its square's reader.
static void move_quad_tex(const scrolldef& s)
{
    quadtexstruct was[6];
    memcpy(was, quad_tex, sizeof was);
    const int dq = s.geo[4] / square_cells_x, dr = s.geo[5] / square_cells_z;
    for (int c = s.geo[0]; c < s.geo[1]; c++)
        for (int r = s.geo[2]; r < s.geo[3]; r++) quad_tex[3 * (r + dr) + c + dq] = was[3 * r + c];
    for (int k = 0; k < s.new_count; k++) memset(&quad_tex[s.new_quadrants[k]], 0, sizeof quad_tex[0]);
}

// The region's edges in the frame of the last full load, whose south-west
// corner is x = 0, z = 0; a scroll moves them one degree.
static void move_region_edges(int mode)
{
    const float lon_deg = lon_degree((float)env.reg_lat), lat_deg = 60 * con.nmtomtrs;
    if (mode == 1) env.reg_west_x = env.reg_south_z = 0;
    if (mode == 2) env.reg_west_x -= lon_deg;
    if (mode == 3) env.reg_west_x += lon_deg;
    if (mode == 4) env.reg_south_z -= lat_deg;
    if (mode == 5) env.reg_south_z += lat_deg;
    env.reg_east_x = env.reg_west_x + 3 * lon_deg;
    env.reg_north_z = env.reg_south_z - 2 * lat_deg;
    env.reg_width = env.reg_east_x - env.reg_west_x;
    env.reg_depth = env.reg_south_z - env.reg_north_z;
    // The chart shows the region's depth as 494 units.
    con.mtrtonrt = chart_height / env.reg_depth;
    con.nrttomtr = 1 / con.mtrtonrt;
}

// The south-west vertex x of the squares in columns c0..c1 of row r.
static void set_anchors(int r, int c0, int c1, float lon_deg)
{
    for (int c = c0; c <= c1; c++) planexyz[square_cells_x * c][square_cells_z * r][0] = env.reg_west_x + c * lon_deg;
}

// A full load anchors both rows on the scale of the south edge; a scroll
// anchors only its new squares and keeps what it moved.
static void anchor_squares(int mode)
{
    const float south = lon_degree((float)env.reg_lat), north = lon_degree((float)env.reg_lat + 1);
    if (mode == 1 || mode == 2 || mode == 3)
        for (int r = 0; r < 2; r++) set_anchors(r, mode == 3 ? 2 : 0, mode == 2 ? 0 : 2, south);
    if (mode == 4) set_anchors(1, 0, 2, north);
    if (mode == 5) set_anchors(0, 0, 2, south);
}

static void clear_objects_ships_and_fires(void)
{
    memset(obj_type, 0, sizeof obj_type);
    memset(obj_poltyp, 0, sizeof obj_poltyp);
    memset(obj_texrgb, 0, sizeof obj_texrgb);
    memset(obj_xyz, 0, sizeof obj_xyz);
    memset(obj_nrml, 0, sizeof obj_nrml);
    // Far outside any region, so that nothing moves or draws them until placed.
    for (int s = 0; s < 2; s++) {
        env.ship_x[s] = ship_unplaced;
        env.ship_z[s] = ship_unplaced;
        env.ship_hdg[s] = 0;
    }
    // A fire kept from the last region would burn at a point of the old frame.
    scn.fires_on = 0;
    memset(scn.fire_on, 0, sizeof scn.fire_on);
    memset(scn.fire_xyz, 0, sizeof scn.fire_xyz);
}

int xz_in_region(float x, float z)
{
    return fltbox(x, z, env.reg_west_x, env.reg_north_z, env.reg_east_x, env.reg_south_z);
}

// Objects left outside the moved region are freed; the rest keep their slots.
static void free_objects_outside(void)
{
    for (int s = 0; s < obj_slots; s++)
        if (obj_type[s] && !xz_in_region(obj_xyz[s][0][0][0], obj_xyz[s][0][0][2])) obj_type[s] = 0;
}

static void scroll_region(const scrolldef& s)
{
    free_objects_outside();
    shift_geo(s.geo[0], s.geo[1], s.geo[2], s.geo[3], s.geo[4], s.geo[5]);
    shift_weather(s.wx[0], s.wx[1], s.wx[2], s.wx[3], s.wx[4], s.wx[5]);
    shift_cloud(s.cloud[0], s.cloud[1], s.cloud[2], s.cloud[3], s.cloud[4], s.cloud[5]);
    move_quad_tex(s);
}

// Unit normals from the neighbours on both sides, the rise weighted ten
// times so that the light shows the relief.
static void find_vertex_normals(void)
{
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            const int iw = i > 0 ? i - 1 : i, ie = i < region_grid_x - 1 ? i + 1 : i;
            const int js = j > 0 ? j - 1 : j, jn = j < region_grid_z - 1 ? j + 1 : j;
            float u[3], v[3];
            for (int c = 0; c < 3; c++) {
                u[c] = planexyz[ie][j][c] - planexyz[iw][j][c];
                v[c] = planexyz[i][jn][c] - planexyz[i][js][c];
            }
            u[1] *= 10;
            v[1] *= 10;
            find_normal_vects(u, v, planenrml[i][j]);
        }
}

static void find_elevation_range(void)
{
    env.elev_min = env.elev_max = 0;
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            env.elev_min = fminf(env.elev_min, planexyz[i][j][1]);
            env.elev_max = fmaxf(env.elev_max, planexyz[i][j][1]);
        }
}

// ---- fires and ships ------------------------------------------------------------

// A burning fire inside the region's inner box stays; else, outside the
// high latitudes, a rare steep cell may start one (the last such cell wins).
static void light_fires(void)
{
    const float* sw = planexyz[20][20];
    const float* ne = planexyz[158][139];
    const float x1 = fminf(sw[0], ne[0]), x2 = fmaxf(sw[0], ne[0]);
    const float z1 = fminf(sw[2], ne[2]), z2 = fmaxf(sw[2], ne[2]);
    int burning = 0;
    for (int k = 0; k < fire_slots; k++)
        burning |= scn.fire_on[k] && fltbox(scn.fire_xyz[k][0], scn.fire_xyz[k][2], x1, z1, x2, z2);
    if (!burning && abs(env.reg_lat) < 40)
        for (int i = 20; i <= 157; i++)
            for (int j = 20; j <= 138; j++) {
                if (planetex[i][j] != (unsigned)tex_steep || fltrand(0, 1) >= 0.001f) continue;
                for (int k = 0; k < fire_slots; k++) {
                    scn.fire_on[k] = 1;
                    memcpy(scn.fire_xyz[k], planexyz[i][j], sizeof scn.fire_xyz[k]);
                }
                burning = 1;
            }
    scn.fires_on = burning;
}

// Open water four cells off a shore: exactly one offset within four cells,
// along either axis, reaches land, and no platform or rig stands there.
static int ship_cell(int i, int j)
{
    if (offp_on_poly[i][j] || oilr_on_poly[i][j]) return 0;
    int land = 0;
    for (int k = -4; k <= 4; k++) land += !is_water[i][j + k] || !is_water[i + k][j];
    return land == 1;
}

static int ship_near(int s, const float* p)
{
    return fabsf(env.ship_x[s] - p[0]) <= 2000 && fabsf(env.ship_z[s] - p[2]) <= 2000;
}

// Ships outside the region take the first free places off a shore, never
// within 2 km of each other; one that finds none stays where it is.
static void place_ships(void)
{
    int need[2] = {!ship_in_region(0), !ship_in_region(1)};
    for (int i = 12; i <= 164 && (need[0] || need[1]); i++)
        for (int j = 12; j <= 145; j++) {
            if (!ship_cell(i, j)) continue;
            float p[3];
            for (int c = 0; c < 3; c++) p[c] = 0.5f * (planexyz[i][j][c] + planexyz[i + 1][j + 1][c]);
            for (int s = 0; s < 2; s++) {
                if (!need[s] || ship_near(1 - s, p)) continue;
                env.ship_x[s] = p[0];
                env.ship_y[s] = p[1];
                env.ship_z[s] = p[2];
                need[s] = 0;
            }
        }
}

// ---- the loader -----------------------------------------------------------------

int runway_slot(int r)
{
    if (r < 0 || r >= world_rwy_max) return -1;
    int g = rwy_geo_ind[r];
    return g >= 0 && g < geo_slots ? g : -1;
}

int region_loads = 0;

void load_region(int mode)
{
    if (mode < 1 || mode > 5) return;
    region_loads++;
    const scrolldef* scroll = mode == 1 ? nullptr : &scrolls[mode - 2];
    clear_menus();
    move_region_edges(mode);
    if (scroll) scroll_region(*scroll);
    else clear_objects_ships_and_fires();
    anchor_squares(mode);
    build_menu_bar();
    mark_region_places();
    // The lists, slots and menu entries before the squares: their readers
    // flatten the ground under the runways and put buildings by them.
    list_local_airports();
    list_local_navaids();
    if (scroll)
        for (int k = 0; k < scroll->new_count; k++) {
            const int q = scroll->new_quadrants[k];
            read_quadrant(env.reg_lat + q / 3, env.reg_lon + q % 3, q);
        }
    else
        for (int q = 0; q < 6; q++) read_quadrant(env.reg_lat + q / 3, env.reg_lon + q % 3, q);
    find_vertex_normals();
    find_elevation_range();
    assign_terrain_texes(region_grid_x, region_grid_z);
    light_fires();
    for (int si = 0; si < 5; si++)
        for (int sj = 0; sj < 4; sj++) {
            const int fill = !scroll || ((scroll->cloud_si < 0 || scroll->cloud_si == si) &&
                                         (scroll->cloud_sj < 0 || scroll->cloud_sj == sj));
            if (fill) fill_a_sector_with_ocast(si, sj);
        }
    place_ships();
}

void reload_region_textures(void)
{
    for (int q = 0; q < 6; q++) load_square_textures(q);
    for (int k = 0; k < obj_textures; k++)
        if (obr.tex_name[k][0]) load_object_texture(k);
}
