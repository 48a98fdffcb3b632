// The shipped airports of southern California around San Bernardino (KSBD),
// shared by the generators of the world databases and of the scenery squares
// (which flatten the ground at each airport and stand objects beside KSBD's
// runway). Plain data and small pure functions; nothing here writes.
//
// The facts are from the public record as remembered here, not from any
// survey: positions are airport reference points to about a hundredth of a
// degree, runway centres are placed from them (parallel runways 400 ft either
// side unless placed on their own), true headings are the runway number's
// magnetic heading plus about 12 degrees of east variation unless given.
// Approximate throughout.
#pragma once
#include <cmath>
#include <cstring>

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

static const runway_def no_runway = {0, 0, 0, 0, 0, 0, 0, 0};

static const airport_def airports[] = {
    {"KSBD", "San Bernardino International", 1159, 1, 1, 34.0954, -117.2350,
     {{6, 'x', 10000, 200, 2, 335, 321, 67.0f}, no_runway}},
    {"KREI", "Redlands Municipal", 1571, 0, 1, 34.0853, -117.1465, {{8, 'x', 4505, 75, 1, 221, 221, 0}, no_runway}},
    {"KRAL", "Riverside Municipal", 819, 1, 1, 33.9519, -117.4451,
     {{9, 'x', 5401, 100, 1, 335, 321, 0}, {16, 'x', 2851, 48, 1, 111, 111, 0}, no_runway}},
    {"KRIR", "Flabob", 764, 0, 1, 33.9886, -117.4100, {{6, 'x', 3200, 50, 1, 121, 121, 0}, no_runway}},
    {"KRIV", "March Air Reserve Base", 1535, 1, 1, 33.8807, -117.2594,
     {{14, 'x', 13300, 200, 2, 335, 335, 0}, no_runway}},
    {"KONT", "Ontario International", 944, 1, 1, 34.0560, -117.6012,
     {{8, 'L', 12197, 150, 2, 335, 335, 83.0f}, {8, 'R', 10200, 150, 2, 321, 335, 83.0f}, no_runway}},
    {"KCNO", "Chino", 650, 1, 1, 33.9747, -117.6369,
     {{8, 'L', 4919, 150, 1, 221, 221, 0}, {8, 'R', 7000, 150, 1, 321, 335, 0},
      {3, 'x', 4858, 150, 1, 221, 221, 0}, no_runway}},
    {"KCCB", "Cable", 1444, 0, 1, 34.1116, -117.6876, {{6, 'x', 3864, 75, 1, 221, 221, 0}, no_runway}},
    {"KPOC", "Brackett Field", 1011, 1, 1, 34.0916, -117.7818,
     {{8, 'L', 4839, 75, 1, 321, 321, 0}, {8, 'R', 3661, 75, 1, 221, 221, 0}, no_runway}},
    {"KAJO", "Corona Municipal", 533, 0, 1, 33.8977, -117.6024, {{7, 'x', 3200, 60, 1, 221, 221, 0}, no_runway}},
    {"KFUL", "Fullerton Municipal", 96, 1, 1, 33.8720, -117.9798, {{6, 'x', 3121, 75, 1, 321, 321, 0}, no_runway}},
    {"KSNA", "John Wayne-Orange County", 56, 1, 1, 33.6757, -117.8682,
     {{2, 'L', 5700, 150, 1, 321, 335, 0}, {2, 'R', 2887, 75, 1, 221, 221, 0}, no_runway}},
    {"KSLI", "Los Alamitos Army Airfield", 32, 1, 1, 33.7900, -118.0516,
     {{4, 'x', 8000, 150, 2, 321, 321, 0}, no_runway}},
    {"KLGB", "Long Beach", 60, 1, 1, 33.8177, -118.1516,
     {{12, 'x', 10000, 200, 1, 321, 335, 0}, {7, 'L', 6192, 150, 1, 221, 221, 0},
      {7, 'R', 5420, 150, 1, 221, 221, 0}, no_runway}},
    {"KCPM", "Compton-Woodley", 97, 0, 1, 33.8900, -118.2437,
     {{7, 'L', 3670, 60, 1, 221, 221, 0}, {7, 'R', 3327, 60, 1, 111, 111, 0}, no_runway}},
    {"KTOA", "Zamperini Field", 103, 1, 1, 33.8034, -118.3396,
     {{11, 'L', 5000, 150, 1, 321, 321, 0}, {11, 'R', 3000, 75, 1, 221, 221, 0}, no_runway}},
    {"KHHR", "Hawthorne Municipal", 66, 1, 1, 33.9228, -118.3352, {{7, 'x', 4884, 100, 1, 321, 321, 0}, no_runway}},
    {"KLAX", "Los Angeles International", 128, 1, 1, 33.9425, -118.4081,
     {{6, 'L', 8926, 150, 2, 351, 355, 83.0f}, {6, 'R', 10885, 150, 2, 351, 355, 83.0f},
      {7, 'L', 12923, 150, 2, 351, 355, 83.0f}, {7, 'R', 11095, 200, 2, 351, 355, 83.0f}}},
    {"KSMO", "Santa Monica Municipal", 177, 1, 1, 34.0158, -118.4513, {{3, 'x', 3500, 150, 1, 321, 321, 0}, no_runway}},
    {"KVNY", "Van Nuys", 802, 1, 1, 34.2098, -118.4897,
     {{16, 'R', 8001, 150, 1, 335, 321, 0}, {16, 'L', 4013, 75, 1, 221, 221, 0}, no_runway}},
    {"KBUR", "Bob Hope", 778, 1, 1, 34.2007, -118.3587,
     {{8, 'x', 5802, 150, 1, 335, 321, 0}, {15, 'x', 6886, 150, 1, 321, 321, 0}, no_runway}},
    {"KWHP", "Whiteman", 1003, 1, 1, 34.2593, -118.4134, {{12, 'x', 4120, 75, 1, 221, 221, 0}, no_runway}},
    {"KEMT", "San Gabriel Valley", 296, 1, 1, 34.0861, -118.0348, {{1, 'x', 3995, 75, 1, 321, 321, 0}, no_runway}},
    {"KCMA", "Camarillo", 77, 1, 1, 34.2137, -119.0943, {{8, 'x', 6013, 150, 1, 321, 321, 0}, no_runway}},
    {"KOXR", "Oxnard", 45, 1, 1, 34.2008, -119.2072, {{7, 'x', 5953, 100, 1, 321, 335, 0}, no_runway}},
    {"KNTD", "Point Mugu Naval Air Station", 13, 1, 1, 34.1203, -119.1209,
     {{3, 'x', 11102, 200, 2, 321, 321, 0}, {9, 'x', 5502, 200, 2, 221, 221, 0}, no_runway}},
    {"KSZP", "Santa Paula", 250, 0, 1, 34.3472, -119.0610, {{4, 'x', 2650, 60, 1, 111, 111, 0}, no_runway}},
    {"KAVX", "Catalina", 1602, 0, 1, 33.4049, -118.4158, {{4, 'x', 3000, 100, 1, 221, 221, 0}, no_runway}},
    {"KPMD", "Palmdale USAF Plant 42", 2543, 1, 1, 34.6294, -118.0846,
     {{4, 'x', 12001, 150, 2, 321, 321, 0}, {7, 'x', 12002, 200, 2, 321, 335, 0}, no_runway}},
    {"KWJF", "General William J Fox Airfield", 2351, 1, 1, 34.7411, -118.2186,
     {{6, 'x', 7201, 150, 1, 321, 321, 0}, no_runway}},
    {"KEDW", "Edwards Air Force Base", 2312, 1, 1, 34.9054, -117.8839,
     {{4, 'R', 15024, 300, 2, 335, 335, 0}, {4, 'L', 12000, 200, 2, 321, 321, 0}, no_runway}},
    {"KVCV", "Southern California Logistics", 2885, 1, 1, 34.5975, -117.3830,
     {{17, 'x', 15050, 150, 2, 335, 321, 0}, {3, 'x', 9138, 150, 1, 221, 221, 0}, no_runway}},
    {"KAPV", "Apple Valley", 3062, 0, 1, 34.5753, -117.1862,
     {{18, 'x', 6498, 150, 1, 221, 221, 0}, {8, 'x', 4099, 60, 1, 111, 111, 0}, no_runway}},
    {"L26", "Hesperia", 3390, 0, 1, 34.3771, -117.3158, {{3, 'x', 3890, 50, 1, 111, 111, 0}, no_runway}},
    {"L35", "Big Bear City", 6752, 0, 1, 34.2638, -116.8561, {{8, 'x', 5850, 75, 1, 221, 221, 0}, no_runway}},
    {"KBNG", "Banning Municipal", 2219, 0, 1, 33.9231, -116.8505, {{8, 'x', 4955, 100, 1, 221, 221, 0}, no_runway}},
    {"KHMT", "Hemet-Ryan", 1512, 1, 1, 33.7340, -117.0224, {{5, 'x', 4315, 100, 1, 221, 221, 0}, no_runway}},
    {"L65", "Perris Valley", 1413, 0, 1, 33.7609, -117.2184, {{15, 'x', 5100, 50, 1, 111, 111, 0}, no_runway}},
    {"KF70", "French Valley", 1350, 0, 1, 33.5742, -117.1285, {{18, 'x', 6000, 75, 1, 221, 221, 0}, no_runway}},
    {"KPSP", "Palm Springs International", 477, 1, 1, 33.8297, -116.5067,
     {{13, 'R', 10000, 150, 1, 321, 335, 0}, {13, 'L', 4952, 75, 1, 221, 221, 0}, no_runway}},
    {"KUDD", "Bermuda Dunes", 73, 0, 1, 33.7484, -116.2748, {{10, 'x', 5002, 70, 1, 221, 221, 0}, no_runway}},
    {"KTRM", "Jacqueline Cochran Regional", -115, 0, 1, 33.6267, -116.1597,
     {{17, 'x', 8500, 150, 1, 321, 321, 0}, {12, 'x', 4995, 100, 1, 221, 221, 0}, no_runway}},
    {"KTNP", "Twentynine Palms", 1888, 0, 1, 34.1316, -115.9460,
     {{8, 'x', 5531, 75, 1, 221, 221, 0}, {17, 'x', 3797, 75, 1, 111, 111, 0}, no_runway}},
    {"L08", "Borrego Valley", 522, 0, 1, 33.2590, -116.3210, {{8, 'x', 5011, 100, 1, 221, 221, 0}, no_runway}},
    {"L78", "Jacumba", 2844, 0, 0, 32.6162, -116.1649, {{7, 'x', 2508, 100, 4, 111, 111, 0}, no_runway}},
    {"L54", "Agua Caliente Springs", 1220, 0, 0, 32.9561, -116.2950, {{7, 'x', 2500, 60, 5, 111, 111, 0}, no_runway}},
    {"KIPL", "Imperial County", -54, 0, 1, 32.8342, -115.5787,
     {{14, 'x', 5308, 100, 1, 321, 321, 0}, {8, 'x', 4501, 60, 1, 111, 111, 0}, no_runway}},
    {"KNJK", "El Centro Naval Air Facility", -42, 1, 1, 32.8292, -115.6718,
     {{12, 'x', 9501, 200, 2, 321, 321, 0}, {8, 'x', 9503, 200, 2, 221, 221, 0}, no_runway}},
    {"KRNM", "Ramona", 1395, 1, 1, 33.0392, -116.9154, {{9, 'x', 5001, 150, 1, 321, 321, 0}, no_runway}},
    {"KCRQ", "McClellan-Palomar", 331, 1, 1, 33.1283, -117.2802, {{6, 'x', 4897, 150, 1, 321, 335, 0}, no_runway}},
    {"KOKB", "Oceanside Municipal", 28, 0, 1, 33.2190, -117.3494, {{6, 'x', 2712, 50, 1, 111, 111, 0}, no_runway}},
    {"KNKX", "Miramar Marine Corps Air Station", 477, 1, 1, 32.8684, -117.1425,
     {{6, 'L', 12000, 200, 2, 321, 321, 0}, {6, 'R', 8000, 200, 2, 321, 321, 0}, no_runway}},
    {"KMYF", "Montgomery-Gibbs Executive", 427, 1, 1, 32.8157, -117.1396,
     {{10, 'L', 4577, 150, 1, 321, 321, 0}, {10, 'R', 3400, 60, 1, 221, 221, 0},
      {5, 'x', 3401, 60, 1, 111, 111, 0}, no_runway}},
    {"KSEE", "Gillespie Field", 388, 1, 1, 32.8262, -116.9724,
     {{9, 'L', 5342, 100, 1, 321, 321, 0}, {9, 'R', 2738, 60, 1, 221, 221, 0},
      {17, 'x', 4145, 100, 1, 221, 221, 0}, no_runway}},
    {"KSAN", "San Diego International", 17, 1, 1, 32.7336, -117.1897,
     {{9, 'x', 9401, 200, 2, 335, 335, 0}, no_runway}},
    {"KNZY", "North Island Naval Air Station", 26, 1, 1, 32.6992, -117.2153,
     {{18, 'x', 8001, 200, 2, 321, 321, 0}, {11, 'x', 7501, 200, 2, 321, 321, 0}, no_runway}},
    {"KSDM", "Brown Field Municipal", 526, 1, 1, 32.5723, -116.9802,
     {{8, 'L', 7972, 150, 1, 321, 321, 0}, {8, 'R', 3180, 75, 1, 221, 221, 0}, no_runway}},
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

// ---- geometry --------------------------------------------------------------

static const double ft_per_deg_lat = 6076.12 * 60.0;
static const double airport_pi = 3.14159265358979;

// The point d_along ft along the true heading and d_right ft to its right.
static inline void offset_point(double lat, double lon, float hdng, double d_along, double d_right, double* olat,
                                 double* olon)
{
    double h = hdng * airport_pi / 180.0;
    double north = d_along * cos(h) - d_right * sin(h);
    double east = d_along * sin(h) + d_right * cos(h);
    *olat = lat + north / ft_per_deg_lat;
    *olon = lon + east / (ft_per_deg_lat * cos(lat * airport_pi / 180.0));
}

static inline float true_heading(const runway_def& r)
{
    // Magnetic variation here is about 12 degrees east.
    if (r.hdng != 0) return r.hdng;
    float h = (float)r.num * 10.0f + 12.0f;
    return h > 360 ? h - 360 : h;
}

// The centre of runway k of airport a.
static inline void runway_centre(const airport_def& a, int k, double* lat, double* lon)
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

// The index of the airport with identifier id in airports, or -1.
static inline int airport_index(const char* id)
{
    for (size_t k = 0; k < sizeof airports / sizeof airports[0]; k++)
        if (strcmp(airports[k].id, id) == 0) return (int)k;
    return -1;
}
