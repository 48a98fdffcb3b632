// Writes the shipped world databases into the program folder's "additional
// nav data": "apt.dat" and "nav.dat" through the library's record-line
// writers, so that their format is the one every reader takes, and "fix.dat"
// in the form the simulator reads. The world is southern California around
// San Bernardino (KSBD), where the factory defaults start.
//
// The facts are from the public record as remembered here, not from any
// survey: positions are airport reference points to about a hundredth of a
// degree, runway centres are placed from them (parallel runways 400 ft either
// side unless placed on their own), true headings are the runway number's
// magnetic heading plus about 12 degrees of east variation unless given, and
// navaid frequencies and fix positions are approximate throughout. Good
// enough to fly among, not to navigate by.
//
// Sections: tables (airports, VORs and NDBs, ILS, fixes), geometry, writers, main.
//   usage: gen_50_world <program folder ending in '/'>
#include "HL_FILE.h"
#include "Hl_types.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

// ---- tables ----------------------------------------------------------------

// Surface digit of the runway code: 1 asphalt, 2 concrete, 3 grass, 4 dirt, 5 gravel.
// Light digits of an end: glide-slope indicator (1 none, 2 VASI, 3 PAPI),
// runway lights (1 none, 2 edge, 3 and threshold, 4 and centre line, 5 and
// touchdown zone), approach lights (1 none, 2 to 5 ever fuller, from 3 with
// a sequenced flasher).
struct runway_def {
    int num;
    char side;             // 'L', 'C', 'R' or 'x'
    float len, width;      // ft
    int surface;
    int end0, end1;        // light digits of the runway's own end and the opposite one
    float hdng;            // true heading of the own end; 0: from the number
};

struct airport_def {
    const char* id;
    const char* name;
    float elev;            // ft
    int twr, bld;
    double lat, lon;       // reference point
    runway_def rwy[4];
};

static const runway_def none = {0, 0, 0, 0, 0, 0, 0, 0};

static const airport_def airports[] = {
    {"KSBD", "San Bernardino International", 1159, 1, 1, 34.0954, -117.2350,
     {{6, 'x', 10000, 200, 2, 335, 321, 67.0f}, none}},
    {"KREI", "Redlands Municipal", 1571, 0, 1, 34.0853, -117.1465, {{8, 'x', 4505, 75, 1, 221, 221, 0}, none}},
    {"KRAL", "Riverside Municipal", 819, 1, 1, 33.9519, -117.4451,
     {{9, 'x', 5401, 100, 1, 335, 321, 0}, {16, 'x', 2851, 48, 1, 111, 111, 0}, none}},
    {"KRIR", "Flabob", 764, 0, 1, 33.9886, -117.4100, {{6, 'x', 3200, 50, 1, 121, 121, 0}, none}},
    {"KRIV", "March Air Reserve Base", 1535, 1, 1, 33.8807, -117.2594,
     {{14, 'x', 13300, 200, 2, 335, 335, 0}, none}},
    {"KONT", "Ontario International", 944, 1, 1, 34.0560, -117.6012,
     {{8, 'L', 12197, 150, 2, 335, 335, 83.0f}, {8, 'R', 10200, 150, 2, 321, 335, 83.0f}, none}},
    {"KCNO", "Chino", 650, 1, 1, 33.9747, -117.6369,
     {{8, 'L', 4919, 150, 1, 221, 221, 0}, {8, 'R', 7000, 150, 1, 321, 335, 0},
      {3, 'x', 4858, 150, 1, 221, 221, 0}, none}},
    {"KCCB", "Cable", 1444, 0, 1, 34.1116, -117.6876, {{6, 'x', 3864, 75, 1, 221, 221, 0}, none}},
    {"KPOC", "Brackett Field", 1011, 1, 1, 34.0916, -117.7818,
     {{8, 'L', 4839, 75, 1, 321, 321, 0}, {8, 'R', 3661, 75, 1, 221, 221, 0}, none}},
    {"KAJO", "Corona Municipal", 533, 0, 1, 33.8977, -117.6024, {{7, 'x', 3200, 60, 1, 221, 221, 0}, none}},
    {"KFUL", "Fullerton Municipal", 96, 1, 1, 33.8720, -117.9798, {{6, 'x', 3121, 75, 1, 321, 321, 0}, none}},
    {"KSNA", "John Wayne-Orange County", 56, 1, 1, 33.6757, -117.8682,
     {{2, 'L', 5700, 150, 1, 321, 335, 0}, {2, 'R', 2887, 75, 1, 221, 221, 0}, none}},
    {"KSLI", "Los Alamitos Army Airfield", 32, 1, 1, 33.7900, -118.0516,
     {{4, 'x', 8000, 150, 2, 321, 321, 0}, none}},
    {"KLGB", "Long Beach", 60, 1, 1, 33.8177, -118.1516,
     {{12, 'x', 10000, 200, 1, 321, 335, 0}, {7, 'L', 6192, 150, 1, 221, 221, 0},
      {7, 'R', 5420, 150, 1, 221, 221, 0}, none}},
    {"KCPM", "Compton-Woodley", 97, 0, 1, 33.8900, -118.2437,
     {{7, 'L', 3670, 60, 1, 221, 221, 0}, {7, 'R', 3327, 60, 1, 111, 111, 0}, none}},
    {"KTOA", "Zamperini Field", 103, 1, 1, 33.8034, -118.3396,
     {{11, 'L', 5000, 150, 1, 321, 321, 0}, {11, 'R', 3000, 75, 1, 221, 221, 0}, none}},
    {"KHHR", "Hawthorne Municipal", 66, 1, 1, 33.9228, -118.3352, {{7, 'x', 4884, 100, 1, 321, 321, 0}, none}},
    {"KLAX", "Los Angeles International", 128, 1, 1, 33.9425, -118.4081,
     {{6, 'L', 8926, 150, 2, 351, 355, 83.0f}, {6, 'R', 10885, 150, 2, 351, 355, 83.0f},
      {7, 'L', 12923, 150, 2, 351, 355, 83.0f}, {7, 'R', 11095, 200, 2, 351, 355, 83.0f}}},
    {"KSMO", "Santa Monica Municipal", 177, 1, 1, 34.0158, -118.4513, {{3, 'x', 3500, 150, 1, 321, 321, 0}, none}},
    {"KVNY", "Van Nuys", 802, 1, 1, 34.2098, -118.4897,
     {{16, 'R', 8001, 150, 1, 335, 321, 0}, {16, 'L', 4013, 75, 1, 221, 221, 0}, none}},
    {"KBUR", "Bob Hope", 778, 1, 1, 34.2007, -118.3587,
     {{8, 'x', 5802, 150, 1, 335, 321, 0}, {15, 'x', 6886, 150, 1, 321, 321, 0}, none}},
    {"KWHP", "Whiteman", 1003, 1, 1, 34.2593, -118.4134, {{12, 'x', 4120, 75, 1, 221, 221, 0}, none}},
    {"KEMT", "San Gabriel Valley", 296, 1, 1, 34.0861, -118.0348, {{1, 'x', 3995, 75, 1, 321, 321, 0}, none}},
    {"KCMA", "Camarillo", 77, 1, 1, 34.2137, -119.0943, {{8, 'x', 6013, 150, 1, 321, 321, 0}, none}},
    {"KOXR", "Oxnard", 45, 1, 1, 34.2008, -119.2072, {{7, 'x', 5953, 100, 1, 321, 335, 0}, none}},
    {"KNTD", "Point Mugu Naval Air Station", 13, 1, 1, 34.1203, -119.1209,
     {{3, 'x', 11102, 200, 2, 321, 321, 0}, {9, 'x', 5502, 200, 2, 221, 221, 0}, none}},
    {"KSZP", "Santa Paula", 250, 0, 1, 34.3472, -119.0610, {{4, 'x', 2650, 60, 1, 111, 111, 0}, none}},
    {"KAVX", "Catalina", 1602, 0, 1, 33.4049, -118.4158, {{4, 'x', 3000, 100, 1, 221, 221, 0}, none}},
    {"KPMD", "Palmdale USAF Plant 42", 2543, 1, 1, 34.6294, -118.0846,
     {{4, 'x', 12001, 150, 2, 321, 321, 0}, {7, 'x', 12002, 200, 2, 321, 335, 0}, none}},
    {"KWJF", "General William J Fox Airfield", 2351, 1, 1, 34.7411, -118.2186,
     {{6, 'x', 7201, 150, 1, 321, 321, 0}, none}},
    {"KEDW", "Edwards Air Force Base", 2312, 1, 1, 34.9054, -117.8839,
     {{4, 'R', 15024, 300, 2, 335, 335, 0}, {4, 'L', 12000, 200, 2, 321, 321, 0}, none}},
    {"KVCV", "Southern California Logistics", 2885, 1, 1, 34.5975, -117.3830,
     {{17, 'x', 15050, 150, 2, 335, 321, 0}, {3, 'x', 9138, 150, 1, 221, 221, 0}, none}},
    {"KAPV", "Apple Valley", 3062, 0, 1, 34.5753, -117.1862,
     {{18, 'x', 6498, 150, 1, 221, 221, 0}, {8, 'x', 4099, 60, 1, 111, 111, 0}, none}},
    {"L26", "Hesperia", 3390, 0, 1, 34.3771, -117.3158, {{3, 'x', 3890, 50, 1, 111, 111, 0}, none}},
    {"L35", "Big Bear City", 6752, 0, 1, 34.2638, -116.8561, {{8, 'x', 5850, 75, 1, 221, 221, 0}, none}},
    {"KBNG", "Banning Municipal", 2219, 0, 1, 33.9231, -116.8505, {{8, 'x', 4955, 100, 1, 221, 221, 0}, none}},
    {"KHMT", "Hemet-Ryan", 1512, 1, 1, 33.7340, -117.0224, {{5, 'x', 4315, 100, 1, 221, 221, 0}, none}},
    {"L65", "Perris Valley", 1413, 0, 1, 33.7609, -117.2184, {{15, 'x', 5100, 50, 1, 111, 111, 0}, none}},
    {"KF70", "French Valley", 1350, 0, 1, 33.5742, -117.1285, {{18, 'x', 6000, 75, 1, 221, 221, 0}, none}},
    {"KPSP", "Palm Springs International", 477, 1, 1, 33.8297, -116.5067,
     {{13, 'R', 10000, 150, 1, 321, 335, 0}, {13, 'L', 4952, 75, 1, 221, 221, 0}, none}},
    {"KUDD", "Bermuda Dunes", 73, 0, 1, 33.7484, -116.2748, {{10, 'x', 5002, 70, 1, 221, 221, 0}, none}},
    {"KTRM", "Jacqueline Cochran Regional", -115, 0, 1, 33.6267, -116.1597,
     {{17, 'x', 8500, 150, 1, 321, 321, 0}, {12, 'x', 4995, 100, 1, 221, 221, 0}, none}},
    {"KTNP", "Twentynine Palms", 1888, 0, 1, 34.1316, -115.9460,
     {{8, 'x', 5531, 75, 1, 221, 221, 0}, {17, 'x', 3797, 75, 1, 111, 111, 0}, none}},
    {"L08", "Borrego Valley", 522, 0, 1, 33.2590, -116.3210, {{8, 'x', 5011, 100, 1, 221, 221, 0}, none}},
    {"L78", "Jacumba", 2844, 0, 0, 32.6162, -116.1649, {{7, 'x', 2508, 100, 4, 111, 111, 0}, none}},
    {"L54", "Agua Caliente Springs", 1220, 0, 0, 32.9561, -116.2950, {{7, 'x', 2500, 60, 5, 111, 111, 0}, none}},
    {"KIPL", "Imperial County", -54, 0, 1, 32.8342, -115.5787,
     {{14, 'x', 5308, 100, 1, 321, 321, 0}, {8, 'x', 4501, 60, 1, 111, 111, 0}, none}},
    {"KNJK", "El Centro Naval Air Facility", -42, 1, 1, 32.8292, -115.6718,
     {{12, 'x', 9501, 200, 2, 321, 321, 0}, {8, 'x', 9503, 200, 2, 221, 221, 0}, none}},
    {"KRNM", "Ramona", 1395, 1, 1, 33.0392, -116.9154, {{9, 'x', 5001, 150, 1, 321, 321, 0}, none}},
    {"KCRQ", "McClellan-Palomar", 331, 1, 1, 33.1283, -117.2802, {{6, 'x', 4897, 150, 1, 321, 335, 0}, none}},
    {"KOKB", "Oceanside Municipal", 28, 0, 1, 33.2190, -117.3494, {{6, 'x', 2712, 50, 1, 111, 111, 0}, none}},
    {"KNKX", "Miramar Marine Corps Air Station", 477, 1, 1, 32.8684, -117.1425,
     {{6, 'L', 12000, 200, 2, 321, 321, 0}, {6, 'R', 8000, 200, 2, 321, 321, 0}, none}},
    {"KMYF", "Montgomery-Gibbs Executive", 427, 1, 1, 32.8157, -117.1396,
     {{10, 'L', 4577, 150, 1, 321, 321, 0}, {10, 'R', 3400, 60, 1, 221, 221, 0},
      {5, 'x', 3401, 60, 1, 111, 111, 0}, none}},
    {"KSEE", "Gillespie Field", 388, 1, 1, 32.8262, -116.9724,
     {{9, 'L', 5342, 100, 1, 321, 321, 0}, {9, 'R', 2738, 60, 1, 221, 221, 0},
      {17, 'x', 4145, 100, 1, 221, 221, 0}, none}},
    {"KSAN", "San Diego International", 17, 1, 1, 32.7336, -117.1897,
     {{9, 'x', 9401, 200, 2, 335, 335, 0}, none}},
    {"KNZY", "North Island Naval Air Station", 26, 1, 1, 32.6992, -117.2153,
     {{18, 'x', 8001, 200, 2, 321, 321, 0}, {11, 'x', 7501, 200, 2, 321, 321, 0}, none}},
    {"KSDM", "Brown Field Municipal", 526, 1, 1, 32.5723, -116.9802,
     {{8, 'L', 7972, 150, 1, 321, 321, 0}, {8, 'R', 3180, 75, 1, 221, 221, 0}, none}},
};

struct navaid_def {
    int type;              // 2 NDB, 3 VOR
    const char* id;
    const char* name;
    double lat, lon;
    float elev;            // ft
    int frq;               // VOR: MHz x 100; NDB: kHz
};

static const navaid_def stations[] = {
    {3, "PDZ", "Paradise VORTAC", 33.9188, -117.5294, 1300, 11220},
    {3, "POM", "Pomona VORTAC", 34.0788, -117.7867, 1080, 11040},
    {3, "SLI", "Seal Beach VORTAC", 33.7831, -118.0546, 20, 11570},
    {3, "LAX", "Los Angeles VORTAC", 33.9331, -118.4320, 180, 11360},
    {3, "SMO", "Santa Monica VOR-DME", 34.0104, -118.4569, 120, 11080},
    {3, "VNY", "Van Nuys VOR-DME", 34.2241, -118.4919, 810, 11310},
    {3, "FIM", "Fillmore VORTAC", 34.3567, -118.8811, 2600, 11250},
    {3, "VTU", "Ventura VOR-DME", 34.1150, -119.0495, 10, 10820},
    {3, "PMD", "Palmdale VORTAC", 34.6316, -118.0638, 2510, 11450},
    {3, "LHS", "Lake Hughes VORTAC", 34.6830, -118.4164, 5800, 10840},
    {3, "HEC", "Hector VORTAC", 34.7971, -116.4628, 1980, 11270},
    {3, "DAG", "Daggett VORTAC", 34.9625, -116.5781, 1930, 11320},
    {3, "TNP", "Twentynine Palms VORTAC", 34.1124, -115.7699, 1880, 11420},
    {3, "PSP", "Palm Springs VORTAC", 33.8700, -116.4299, 740, 11550},
    {3, "TRM", "Thermal VORTAC", 33.6280, -116.1602, -110, 11620},
    {3, "JLI", "Julian VORTAC", 33.1404, -116.5858, 5580, 11400},
    {3, "OCN", "Oceanside VORTAC", 33.2406, -117.4176, 100, 11530},
    {3, "MZB", "Mission Bay VORTAC", 32.7823, -117.2253, 10, 11780},
    {3, "PGY", "Poggi VORTAC", 32.6100, -116.9799, 590, 10980},
    {3, "IPL", "Imperial VORTAC", 32.7486, -115.5083, -50, 11590},
    {3, "SXC", "Santa Catalina VORTAC", 33.3749, -118.4200, 2090, 11140},
    {3, "GMN", "Gorman VORTAC", 34.8056, -118.8516, 4950, 11610},
    {2, "EMT", "El Monte NDB", 34.0866, -118.0295, 300, 359},
    {2, "CPM", "Compton NDB", 33.8894, -118.2441, 100, 378},
    {2, "AVX", "Catalina NDB", 33.4068, -118.4146, 1600, 257},
    {2, "RIR", "Flabob NDB", 33.9897, -117.4097, 760, 344},
    {2, "BNG", "Banning NDB", 33.9224, -116.8490, 2200, 338},
    {2, "OKB", "Oceanside NDB", 33.2179, -117.3487, 30, 270},
};

// Runways whose centre lies far from the reference point, in place of the
// 400 ft rule: ft along the runway's true heading and to its right. At Los
// Angeles the north pair lies west of the south pair, their inner runways
// 4,300 ft apart.
struct placement_def {
    const char* apt;
    int rwy;
    float along, right;
};

static const placement_def placements[] = {
    {"KLAX", 0, -2650, -2850}, {"KLAX", 1, -1850, -2150}, {"KLAX", 2, 2950, 2150}, {"KLAX", 3, 2050, 2950},
};

// An ILS to a runway end: the runway by airport and index, which end, and the
// localizer's identifier and frequency (MHz x 100).
struct ils_def {
    const char* apt;
    int rwy;
    int opposite;          // 1: the end opposite the runway's own number
    const char* id;
    int frq;
};

static const ils_def ils_list[] = {
    {"KSBD", 0, 0, "ISBD", 10930}, {"KONT", 0, 1, "IONT", 11135}, {"KONT", 1, 1, "IINE", 11175},
    {"KRAL", 0, 0, "IRAL", 10850}, {"KCNO", 1, 1, "ICNO", 10830}, {"KSNA", 0, 1, "ISNA", 11175},
    {"KLGB", 0, 1, "ILGB", 11030}, {"KLAX", 0, 1, "ILAX", 10850}, {"KLAX", 1, 1, "IIAS", 10810},
    {"KLAX", 2, 1, "ICFN", 11170}, {"KLAX", 3, 1, "IHQB", 10990}, {"KVNY", 0, 0, "IVNY", 11130},
    {"KBUR", 0, 0, "IBUR", 11030}, {"KOXR", 0, 1, "IOXR", 10870}, {"KPMD", 1, 1, "IPMD", 11090},
    {"KVCV", 0, 0, "IVCV", 10950}, {"KPSP", 0, 1, "IPSP", 11110}, {"KCRQ", 0, 1, "ICRQ", 10830},
    {"KSAN", 0, 1, "ISAN", 11090}, {"KEDW", 0, 1, "IEDW", 10910},
};

struct fix_def {
    const char* name;
    double lat, lon;
};

static const fix_def fixes[] = {
    {"SADDE", 34.1060, -118.8720}, {"FUELR", 34.0820, -118.7980}, {"SUZZI", 33.9480, -118.1810},
    {"CIVET", 33.9250, -118.1100}, {"ARNES", 33.9260, -118.2200}, {"ROSIE", 33.9310, -118.3120},
    {"HUNDA", 33.9560, -117.8940}, {"KRAIN", 33.9660, -117.6460}, {"BASET", 33.9990, -117.9230},
    {"GAATE", 33.9470, -117.4200}, {"RIIVR", 33.8690, -117.6230}, {"HOLTZ", 33.8510, -117.1110},
    {"CALBE", 34.0510, -117.3060}, {"SBDNO", 34.0320, -116.9900}, {"BEAUM", 33.9310, -116.9770},
    {"TUSTI", 33.7330, -117.8230}, {"FIRST", 33.9720, -118.3910}, {"DARTS", 34.0150, -118.6070},
    {"ZUMAA", 34.0200, -118.8330}, {"PIONE", 34.6030, -118.1400}, {"HABBS", 34.5710, -117.6420},
    {"VICKY", 34.5040, -117.3940}, {"BLYTH", 33.6160, -116.6620}, {"PALMZ", 33.8020, -116.3810},
    {"SHAMU", 32.7630, -117.2780}, {"LUCKI", 32.7500, -117.0780}, {"TIDES", 33.0050, -117.3620},
    {"KLIPR", 33.3710, -117.0570}, {"OCEAN", 33.4400, -117.8800}, {"JULIE", 32.9940, -116.6980},
};

// ---- geometry --------------------------------------------------------------

static const double ft_per_deg_lat = 6076.12 * 60.0;
static const double pi = 3.14159265358979;

// The point d_along ft along the true heading and d_right ft to its right.
static void offset_point(double lat, double lon, float hdng, double d_along, double d_right, double* olat,
                         double* olon)
{
    double h = hdng * pi / 180.0;
    double north = d_along * cos(h) - d_right * sin(h);
    double east = d_along * sin(h) + d_right * cos(h);
    *olat = lat + north / ft_per_deg_lat;
    *olon = lon + east / (ft_per_deg_lat * cos(lat * pi / 180.0));
}

static float true_heading(const runway_def& r)
{
    // Magnetic variation here is about 12 degrees east.
    if (r.hdng != 0) return r.hdng;
    float h = (float)r.num * 10.0f + 12.0f;
    return h > 360 ? h - 360 : h;
}

// The centre of runway k of airport a.
static void runway_centre(const airport_def& a, int k, double* lat, double* lon)
{
    const runway_def& r = a.rwy[k];
    double along = 0, side = r.side == 'L' ? -400 : r.side == 'R' ? 400 : 0;
    for (const placement_def& p : placements)
        if (p.rwy == k && strcmp(p.apt, a.id) == 0) {
            along = p.along;
            side = p.right;
        }
    offset_point(a.lat, a.lon, true_heading(r), along, side, lat, lon);
}

// ---- writers ---------------------------------------------------------------

static int airport_index(const char* id)
{
    for (size_t k = 0; k < sizeof airports / sizeof airports[0]; k++)
        if (strcmp(airports[k].id, id) == 0) return (int)k;
    return -1;
}

static int write_apt(const std::string& path)
{
    snprintf(copyright_apt, sizeof copyright_apt, "Volanto shipped airports: southern California, approximate");
    if (!ouf_open(path.c_str(), kind_airports, 500)) return 0;
    for (const airport_def& a : airports) {
        float h = a.elev;
        int twr = a.twr, bld = a.bld;
        char id[5], name[40];
        snprintf(id, sizeof id, "%s", a.id);
        snprintf(name, sizeof name, "%s", a.name);
        ouf << '\n';
        fio_apt_line(&h, &twr, &bld, id, name, 0);
        for (int k = 0; k < 4 && a.rwy[k].num != 0; k++) {
            const runway_def& r = a.rwy[k];
            double lat, lon;
            runway_centre(a, k, &lat, &lon);
            float flat = (float)lat, flon = (float)lon, hd = true_heading(r), len = r.len, wid = r.width;
            int num = r.num;
            char side = r.side;
            int code = r.surface * 1000000 + r.end0 * 1000 + r.end1;
            fio_rwy_line(&flat, &flon, &num, &side, &hd, &len, &wid, &code, 0);
        }
    }
    ouf << "99\n";
    return ouf_close();
}

static void nav_line(int type, double lat, double lon, float elev, int frq, float hdng, const char* id,
                     const char* name)
{
    float flat = (float)lat, flon = (float)lon;
    char cid[5], cname[40];
    snprintf(cid, sizeof cid, "%s", id);
    snprintf(cname, sizeof cname, "%s", name);
    fio_nav_line(&type, &flat, &flon, &elev, &frq, &hdng, cid, cname, 0);
}

// Localizer beyond the far end, glide slope 1,000 ft past the threshold and
// 400 ft aside (heading field: slope x 100,000 + course), outer marker 4.5 nm
// and middle marker 3,500 ft before the threshold.
static void write_ils(const ils_def& s)
{
    int k = airport_index(s.apt);
    if (k < 0) return;
    const airport_def& a = airports[k];
    const runway_def& r = a.rwy[s.rwy];
    double clat, clon;
    runway_centre(a, s.rwy, &clat, &clon);
    float course = true_heading(r) + (s.opposite ? 180.0f : 0.0f);
    if (course >= 360) course -= 360;
    int num = s.opposite ? (r.num + 18 - 1) % 36 + 1 : r.num;
    char side = r.side == 'L' ? (s.opposite ? 'R' : 'L') : r.side == 'R' ? (s.opposite ? 'L' : 'R') : 0;
    char name[40];
    snprintf(name, sizeof name, "%s %02d%s ILS", a.id, num, side ? std::string(1, side).c_str() : "");
    double lat, lon;
    offset_point(clat, clon, course, r.len / 2 + 1000, 0, &lat, &lon);
    nav_line(4, lat, lon, a.elev, s.frq, course, s.id, name);
    offset_point(clat, clon, course, -r.len / 2 + 1000, 400, &lat, &lon);
    nav_line(6, lat, lon, a.elev, s.frq, 300000.0f + (float)(int)course, s.id, name);
    offset_point(clat, clon, course, -r.len / 2 - 4.5 * 6076.12, 0, &lat, &lon);
    nav_line(7, lat, lon, a.elev, 7500, course, s.id, name);
    offset_point(clat, clon, course, -r.len / 2 - 3500, 0, &lat, &lon);
    nav_line(8, lat, lon, a.elev, 7500, course, s.id, name);
}

static int write_nav(const std::string& path)
{
    snprintf(copyright_nav, sizeof copyright_nav, "Volanto shipped navaids: southern California, approximate");
    if (!ouf_open(path.c_str(), kind_navaids, 500)) return 0;
    for (const navaid_def& n : stations) nav_line(n.type, n.lat, n.lon, n.elev, n.frq, 0, n.id, n.name);
    for (const ils_def& s : ils_list) write_ils(s);
    ouf << "99\n";
    return ouf_close();
}

// Latitude, longitude and a five-letter name a line; the end mark is a
// latitude of 99.
static int write_fix(const std::string& path)
{
    if (!ouf_open(path.c_str(), kind_text, 500)) return 0;
    for (const fix_def& f : fixes) {
        char line[64];
        snprintf(line, sizeof line, "%10.6f %11.6f %-5.5s\n", f.lat, f.lon, f.name);
        ouf << line;
    }
    ouf << "99\n";
    return ouf_close();
}

// ---- main ------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_50_world PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    folder += "additional nav data/";
    int ok = write_apt(folder + "apt.dat");
    ok &= write_nav(folder + "nav.dat");
    ok &= write_fix(folder + "fix.dat");
    if (!ok) fprintf(stderr, "gen_50_world: could not write the databases into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
