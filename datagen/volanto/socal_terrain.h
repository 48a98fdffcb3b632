// The generated terrain of southern California, 32 to 36 N and 121 to 114 W:
// where the sea and the lakes are, how high the land stands, and the objects
// that stand on it. Plain tables and small pure functions of latitude and
// longitude; the generators that lay the scenery squares on a grid (the
// shipped data set's, and the world editor's later) add what needs the grid:
// the coast's slope, the airports' flat ground and the codes.
//
// Every fact here is from the public record as remembered, not from a survey:
// coast points to a few hundredths of a degree, summit heights to some tens
// of metres, valley floors and object positions roughly. Approximate
// throughout: good for flying over, not for navigating by.
//
// Sections: types, water, heights, dry lakes, objects, geometry, height field.
#pragma once
#include <cmath>
#include <cstdint>

// ---- types -----------------------------------------------------------------

struct terrain_point {
    double lat, lon;
};

// An outline, closed from its last point back to its first.
struct terrain_outline {
    const char* name;
    int count;
    terrain_point p[64];
};

// A range's crest: along the line, the crest height and the distance from
// the crest where the range has come down to the plain.
struct ridge_point {
    double lat, lon;
    float crest;       // m
    float half_width;  // km
};

struct ridge_def {
    const char* name;
    int count;
    ridge_point p[8];
};

// The floor of the plains and valleys at one place, m.
struct plain_point {
    double lat, lon;
    float h;
};

// A dry lake bed: an ellipse, its axes turned by tilt degrees clockwise from
// north, flat at its elevation.
struct lake_bed_def {
    const char* name;
    double lat, lon;
    float semi_major, semi_minor;   // km
    float tilt;                     // deg
    float elev;                     // m
};

// ---- water -------------------------------------------------------------------

const float sea_level = 0;
const float salton_level = -69;

// The Pacific: the mainland coast from Big Sur round Point Conception to the
// border and down Baja California past the squares' southern edge, closed
// well offshore. San Diego Bay and the smaller bays are narrower than a
// grid cell and left out.
static const terrain_outline socal_pacific = {"Pacific", 59, {
    {36.30, -121.90}, {36.05, -121.60}, {35.80, -121.37}, {35.66, -121.28}, {35.58, -121.12},
    {35.52, -121.05}, {35.45, -120.93}, {35.37, -120.87}, {35.30, -120.88}, {35.24, -120.90},
    {35.17, -120.76}, {35.14, -120.66}, {35.05, -120.63}, {34.90, -120.66}, {34.75, -120.62},
    {34.58, -120.65}, {34.45, -120.47},                                        // Point Conception
    {34.47, -120.30}, {34.47, -120.15}, {34.43, -119.92}, {34.40, -119.70}, {34.40, -119.55},
    {34.35, -119.42}, {34.28, -119.30}, {34.20, -119.25}, {34.15, -119.21}, {34.10, -119.14},
    {34.08, -119.06}, {34.04, -118.95}, {34.00, -118.81}, {34.03, -118.68}, {34.04, -118.57},
    {34.01, -118.50}, {33.94, -118.445}, {33.86, -118.405}, {33.78, -118.42}, {33.72, -118.36},
    {33.71, -118.29}, {33.74, -118.22}, {33.75, -118.13}, {33.66, -118.00}, {33.60, -117.88},
    {33.46, -117.70}, {33.38, -117.58}, {33.20, -117.39}, {33.00, -117.28}, {32.85, -117.265},
    {32.665, -117.245},                                                        // Point Loma
    {32.68, -117.19}, {32.60, -117.135}, {32.53, -117.125},                    // the border
    {32.45, -117.10}, {32.35, -117.07}, {32.25, -117.03}, {32.12, -116.93}, {32.00, -116.87},
    {31.80, -116.75}, {31.80, -123.00}, {36.30, -123.00}}};

// Islands, each an outline of its shore.
static const terrain_outline socal_islands[] = {
    {"Santa Catalina", 12, {{33.480, -118.610}, {33.455, -118.520}, {33.440, -118.470}, {33.430, -118.410},
                            {33.395, -118.360}, {33.350, -118.320}, {33.300, -118.295}, {33.295, -118.340},
                            {33.340, -118.420}, {33.380, -118.500}, {33.420, -118.570}, {33.455, -118.615}}},
    {"San Clemente", 9, {{33.035, -118.600}, {33.000, -118.545}, {32.930, -118.465}, {32.870, -118.400},
                         {32.815, -118.345}, {32.800, -118.375}, {32.860, -118.450}, {32.935, -118.530},
                         {33.000, -118.600}}},
    {"San Nicolas", 6, {{33.275, -119.575}, {33.285, -119.500}, {33.255, -119.420}, {33.225, -119.440},
                        {33.225, -119.520}, {33.240, -119.570}}},
    {"Santa Cruz", 8, {{34.065, -119.920}, {34.080, -119.750}, {34.065, -119.580}, {34.020, -119.530},
                       {33.970, -119.600}, {33.960, -119.750}, {33.985, -119.880}, {34.025, -119.925}}},
    {"Santa Rosa", 7, {{34.030, -120.235}, {34.020, -120.050}, {33.980, -119.970}, {33.910, -120.030},
                       {33.880, -120.110}, {33.920, -120.200}, {33.985, -120.250}}},
    {"San Miguel", 5, {{34.060, -120.440}, {34.065, -120.330}, {34.030, -120.305}, {34.005, -120.360},
                       {34.020, -120.440}}},
    {"Anacapa", 4, {{34.022, -119.450}, {34.022, -119.350}, {34.000, -119.350}, {34.000, -119.450}}},
};

// The Salton Sea, its surface at salton_level.
static const terrain_outline socal_salton_sea = {"Salton Sea", 11, {
    {33.520, -116.080}, {33.500, -115.980}, {33.400, -115.850}, {33.300, -115.720}, {33.200, -115.620},
    {33.130, -115.600}, {33.100, -115.660}, {33.180, -115.780}, {33.280, -115.900}, {33.380, -116.000},
    {33.470, -116.100}}};

// ---- heights ---------------------------------------------------------------

// The ranges. Summits: San Antonio 3,068 m, San Gorgonio 3,506, San Jacinto
// 3,302, Santiago Peak 1,734, Sandstone Peak 948, Palomar 1,870, Hot Springs
// Mountain 1,990, Cuyamaca 1,986, Pinos 2,692 (held to 2,400 with its
// neighbours), Double Mountain 2,400.
static const ridge_def socal_ridges[] = {
    {"San Gabriel", 7, {{34.37, -118.55, 700, 11}, {34.30, -118.32, 1600, 14}, {34.33, -118.05, 2200, 18},
                        {34.36, -117.80, 2800, 18}, {34.289, -117.646, 3068, 18}, {34.26, -117.52, 2000, 14},
                        {34.27, -117.45, 1300, 11}}},
    {"San Gabriel front range", 4, {{34.20, -118.20, 1200, 8}, {34.2236, -118.0617, 1740, 10},
                                    {34.22, -117.90, 1600, 10}, {34.18, -117.78, 1000, 8}}},
    {"San Bernardino", 7, {{34.28, -117.42, 1300, 13}, {34.23, -117.28, 1800, 16}, {34.24, -117.10, 2300, 19},
                           {34.19, -116.95, 2700, 19}, {34.099, -116.825, 3500, 19}, {34.08, -116.68, 2800, 18},
                           {34.03, -116.48, 1300, 13}}},
    {"San Jacinto and Santa Rosa", 6, {{33.93, -116.76, 1500, 10}, {33.815, -116.679, 3300, 14},
                                       {33.72, -116.60, 2400, 14}, {33.52, -116.43, 2650, 14},
                                       {33.40, -116.33, 1500, 13}, {33.30, -116.25, 700, 10}}},
    {"Santa Ana", 5, {{33.95, -117.72, 500, 8}, {33.83, -117.58, 1200, 11}, {33.711, -117.534, 1700, 13},
                      {33.58, -117.44, 1100, 11}, {33.45, -117.36, 600, 10}}},
    {"Santa Monica", 5, {{34.10, -119.02, 500, 8}, {34.12, -118.93, 900, 10}, {34.09, -118.72, 750, 10},
                         {34.11, -118.50, 500, 8}, {34.12, -118.30, 350, 4}}},
    {"Palomar to Cuyamaca and the Sierra de Juarez", 8,
     {{33.48, -117.00, 1000, 16}, {33.36, -116.86, 1870, 19}, {33.31, -116.58, 1990, 22},
      {33.10, -116.60, 1600, 22}, {32.95, -116.61, 1990, 22}, {32.85, -116.45, 1800, 19},
      {32.55, -116.20, 1300, 19}, {32.05, -115.95, 1600, 22}}},
    {"Santa Ynez", 4, {{34.52, -120.40, 700, 8}, {34.52, -120.00, 1100, 10}, {34.48, -119.60, 1200, 10},
                       {34.44, -119.30, 900, 8}}},
    {"San Rafael and Sierra Madre", 4, {{34.62, -120.10, 1500, 14}, {34.72, -119.90, 2000, 16},
                                        {34.90, -119.90, 1700, 14}, {35.10, -120.20, 1100, 13}}},
    {"Topatopa and Pinos", 5, {{34.50, -119.15, 1900, 14}, {34.65, -119.20, 2200, 16},
                               {34.81, -119.15, 2400, 16}, {34.77, -118.97, 2400, 14}, {34.80, -118.80, 1800, 11}}},
    {"Tehachapi", 5, {{34.85, -118.88, 1800, 13}, {34.98, -118.60, 2400, 14}, {35.05, -118.42, 2100, 14},
                      {35.18, -118.25, 1700, 13}, {35.30, -118.10, 1500, 11}}},
    {"Sierra Pelona and Liebre", 3, {{34.62, -118.72, 1700, 10}, {34.60, -118.50, 1600, 10},
                                     {34.55, -118.30, 1500, 8}}},
    {"Southern Sierra Nevada", 4, {{35.45, -118.55, 1900, 24}, {35.70, -118.40, 2500, 32},
                                   {35.95, -118.30, 2900, 35}, {36.10, -118.25, 3000, 35}}},
    {"Santa Lucia", 4, {{35.30, -120.55, 800, 11}, {35.55, -120.90, 1000, 14}, {35.85, -121.25, 1500, 16},
                        {36.10, -121.55, 1700, 16}}},
    {"Temblor and Caliente", 3, {{35.00, -119.55, 1300, 13}, {35.25, -119.75, 1200, 11},
                                 {35.55, -120.00, 1000, 10}}},
    {"Little San Bernardino and Eagle", 4, {{33.98, -116.45, 1500, 11}, {33.88, -116.10, 1400, 13},
                                            {33.85, -115.70, 1500, 13}, {33.87, -115.45, 1200, 10}}},
    {"Orocopia and Chocolate", 4, {{33.58, -115.85, 1100, 10}, {33.45, -115.55, 900, 10},
                                   {33.20, -115.25, 800, 10}, {32.95, -114.90, 600, 8}}},
    {"Chuckwalla", 2, {{33.66, -115.50, 1000, 10}, {33.55, -115.25, 1100, 10}}},
    {"Old Woman and Providence", 4, {{34.30, -115.20, 1500, 11}, {34.60, -115.40, 1400, 11},
                                     {34.93, -115.51, 2100, 13}, {35.25, -115.30, 2300, 13}}},
    {"Clark and Kingston", 3, {{35.53, -115.59, 2400, 11}, {35.73, -115.90, 2200, 11}, {35.95, -116.10, 1500, 10}}},
    {"Ord and Rodman", 3, {{34.68, -116.82, 1900, 10}, {34.55, -116.60, 1300, 8}, {34.45, -116.35, 1200, 8}}},
    {"Avawatz and Panamint", 3, {{35.50, -116.30, 1900, 11}, {35.75, -116.90, 1400, 11}, {36.05, -117.10, 2400, 14}}},
    {"Sierra Cucapa", 2, {{32.55, -115.55, 1000, 8}, {32.20, -115.35, 900, 8}}},
    {"Puente and San Jose Hills", 3, {{33.97, -118.02, 400, 3}, {33.95, -117.85, 450, 3},
                                      {34.05, -117.80, 400, 3}}},
    {"Palos Verdes", 2, {{33.78, -118.40, 440, 3}, {33.76, -118.32, 400, 3}}},
    {"Santa Catalina", 4, {{33.46, -118.57, 550, 3}, {33.40, -118.44, 640, 3}, {33.37, -118.40, 600, 3},
                           {33.32, -118.32, 450, 2.5}}},
    {"San Clemente", 2, {{33.00, -118.56, 500, 3}, {32.85, -118.39, 550, 3}}},
    {"Santa Cruz island", 2, {{34.05, -119.85, 600, 3}, {34.04, -119.62, 740, 3}}},
    {"Santa Rosa island", 2, {{33.98, -120.18, 450, 4}, {33.95, -120.04, 480, 4}}},
    {"San Miguel island", 2, {{34.04, -120.40, 250, 2}, {34.04, -120.35, 250, 2}}},
    {"San Nicolas island", 2, {{33.26, -119.54, 270, 2}, {33.25, -119.46, 250, 2}}},
    {"Anacapa island", 2, {{34.01, -119.43, 280, 1.5}, {34.01, -119.37, 200, 1.5}}},
};

// The floors of the plains and valleys between the ranges. The Mojave
// stands at 700 to 1,000 m in the west and falls towards the Colorado; the
// Coachella and Imperial valleys lie at or below sea level.
static const plain_point socal_plains[] = {
    // Los Angeles and Orange County
    {34.05, -118.25, 90}, {33.95, -118.35, 35}, {33.86, -118.20, 15}, {33.80, -118.00, 15},
    {33.75, -117.87, 35}, {33.85, -117.90, 50}, {33.66, -117.80, 40}, {34.05, -118.45, 80},
    {34.18, -118.45, 250}, {34.26, -118.55, 320}, {34.15, -118.15, 250}, {34.07, -118.00, 100},
    {34.05, -117.75, 260}, {34.05, -117.55, 290}, {33.90, -117.65, 200},
    // Inland Empire
    {34.00, -117.40, 250}, {34.10, -117.30, 330}, {34.06, -117.18, 470}, {33.90, -117.25, 460},
    {33.75, -117.20, 430}, {33.73, -117.00, 460}, {33.55, -117.15, 330}, {33.92, -116.85, 680},
    {33.93, -116.97, 790},
    // Coachella and Imperial valleys, the Colorado delta
    {33.83, -116.52, 140}, {33.74, -116.36, 40}, {33.72, -116.23, -5}, {33.63, -116.15, -35},
    {33.53, -116.05, -65}, {33.40, -115.75, -60}, {33.20, -115.52, -55}, {33.05, -115.50, -45},
    {32.98, -115.53, -35}, {32.85, -115.60, -18}, {32.79, -115.56, -15}, {32.68, -115.50, -2},
    {32.63, -115.45, 3}, {32.40, -115.20, 10}, {32.30, -115.70, -5}, {32.15, -115.55, 5},
    {33.10, -115.95, -20}, {33.15, -116.13, 40}, {32.75, -115.95, 100},
    // the Colorado desert and river
    {32.85, -115.10, 90}, {32.70, -114.60, 60}, {33.10, -114.70, 120}, {33.60, -114.60, 80},
    {33.71, -115.40, 280}, {33.80, -115.00, 300}, {34.00, -115.40, 450}, {34.13, -116.05, 600},
    {34.13, -116.31, 1000}, {34.00, -116.20, 1150}, {33.30, -114.90, 250},
    // Mojave
    {34.45, -116.90, 900}, {34.50, -117.30, 870}, {34.40, -117.32, 1000}, {34.58, -117.20, 900},
    {34.60, -117.60, 870}, {34.70, -118.10, 720}, {34.58, -118.10, 800}, {34.90, -117.90, 700},
    {35.05, -118.20, 820}, {34.90, -117.00, 700}, {35.00, -116.60, 600}, {34.80, -116.45, 650},
    {35.27, -116.07, 290}, {34.56, -115.74, 200}, {34.85, -115.30, 650}, {34.85, -114.60, 150},
    {35.20, -114.80, 800}, {35.60, -117.67, 700}, {35.40, -117.00, 900}, {35.70, -116.50, 500},
    {35.90, -116.20, 250}, {35.95, -117.35, 550}, {35.20, -117.50, 800},
    // San Joaquin valley and the Tehachapi
    {35.37, -119.02, 125}, {35.20, -119.30, 90}, {35.60, -119.40, 80}, {35.95, -119.30, 70},
    {35.13, -118.45, 1200}, {34.85, -118.90, 1150}, {34.93, -119.60, 700},
    // central coast
    {35.62, -120.69, 250}, {35.28, -120.66, 70}, {34.95, -120.44, 70}, {34.62, -120.19, 150},
    {34.64, -120.46, 40}, {34.42, -119.70, 20}, {34.28, -119.20, 15}, {34.20, -119.15, 15},
    {34.39, -118.92, 140}, {34.42, -118.55, 370}, {34.18, -118.88, 270},
    // San Diego and northern Baja California
    {33.20, -117.30, 60}, {33.12, -117.08, 200}, {32.90, -117.15, 120}, {32.72, -117.15, 30},
    {32.80, -116.95, 130}, {33.04, -116.90, 430}, {32.53, -117.02, 40}, {32.35, -116.90, 300},
    {32.57, -116.63, 540}, {32.62, -116.17, 860}, {33.26, -116.38, 160}, {32.95, -116.30, 370},
    {33.55, -116.67, 1200}, {33.28, -116.63, 950},
    // the islands
    {33.40, -118.45, 150}, {32.92, -118.48, 150}, {34.01, -119.80, 150}, {33.96, -120.10, 120},
    {33.25, -119.50, 100},
};

// Relief laid over the ranges and plains: seeded, so every run gives the
// same ground. Tens of metres, more in the mountains.
const uint32_t terrain_seed = 26001;

// ---- dry lakes -------------------------------------------------------------

// Rogers Dry Lake beside Edwards, Rosamond Dry Lake west of it, El Mirage
// Lake further east. Custom terrain texture slot 0 of a square holding one.
static const lake_bed_def socal_lake_beds[] = {
    {"Rogers", 34.930, -117.830, 8.0f, 3.5f, 10, 692},
    {"Rosamond", 34.835, -118.040, 4.5f, 3.0f, 0, 694},
    {"El Mirage", 34.640, -117.620, 2.8f, 1.6f, 80, 863},
};

const char* const lake_bed_texture = "dry_lake";

// ---- objects ---------------------------------------------------------------

// Object record types as the square file has them.
const int envrec_tower = 1, envrec_building = 2, envrec_mast = 3, envrec_pylon = 4, envrec_water_tower = 5,
          envrec_chimney = 6, envrec_custom = 8, envrec_end = 99;

// One object: for types 1 to 6 its height in feet, for type 8 its heading.
struct terrain_object {
    int type;
    double lat, lon;
    float value;
    const char* name;   // type 8 only
};

static const terrain_object socal_landmarks[] = {
    // downtown Los Angeles
    {envrec_building, 34.0500, -118.2600, 1100, ""},   // Wilshire Grand
    {envrec_building, 34.0511, -118.2543, 1018, ""},   // US Bank Tower
    {envrec_building, 34.0502, -118.2571, 858, ""},    // Aon Center
    {envrec_building, 34.0530, -118.2508, 750, ""},    // Two California Plaza
    {envrec_building, 34.0498, -118.2555, 749, ""},    // Gas Company Tower
    {envrec_building, 34.0553, -118.2527, 735, ""},    // Bank of America Plaza
    {envrec_building, 34.0477, -118.2607, 725, ""},    // 777 Tower
    {envrec_building, 34.0517, -118.2537, 723, ""},    // Wells Fargo Tower
    {envrec_building, 34.0511, -118.2578, 699, ""},    // City National Plaza
    {envrec_building, 34.0490, -118.2590, 534, ""},
    {envrec_building, 34.0537, -118.2427, 454, ""},    // City Hall
    // Century City and Long Beach
    {envrec_building, 34.0590, -118.4160, 571, ""},
    {envrec_building, 34.0570, -118.4150, 571, ""},
    {envrec_building, 34.0555, -118.4110, 492, ""},
    {envrec_building, 33.7672, -118.1897, 397, ""},
    // downtown San Diego
    {envrec_building, 32.7161, -117.1690, 500, ""},    // One America Plaza
    {envrec_building, 32.7104, -117.1677, 497, ""},
    {envrec_building, 32.7180, -117.1600, 499, ""},    // Symphony Towers
    {envrec_building, 32.7180, -117.1655, 475, ""},
    {envrec_building, 32.7170, -117.1640, 450, ""},
    {envrec_building, 32.7100, -117.1590, 450, ""},
    {envrec_building, 32.7125, -117.1630, 420, ""},
    // masts on Mount Wilson, some over 150 m, and on other summits
    {envrec_mast, 34.2255, -118.0660, 200, ""},
    {envrec_mast, 34.2262, -118.0632, 310, ""},
    {envrec_mast, 34.2240, -118.0690, 420, ""},
    {envrec_mast, 34.2270, -118.0600, 520, ""},
    {envrec_mast, 34.2230, -118.0715, 600, ""},
    {envrec_mast, 34.3300, -118.6000, 300, ""},        // Oat Mountain
    {envrec_mast, 32.8400, -117.2450, 300, ""},        // Mount Soledad
    {envrec_mast, 32.6950, -116.9350, 330, ""},        // San Miguel Mountain
    {envrec_mast, 33.9650, -117.3000, 280, ""},        // Box Springs Mountain
    // the observatory's old sun tower on Mount Wilson: a record the reader passes by
    {envrec_tower, 34.2247, -118.0572, 150, ""},
    // water towers
    {envrec_water_tower, 34.0590, -117.1780, 130, ""},   // Redlands
    {envrec_water_tower, 34.0920, -117.4350, 120, ""},   // Fontana
    {envrec_water_tower, 34.1450, -117.2600, 110, ""},   // north San Bernardino
    {envrec_water_tower, 34.9000, -117.0200, 120, ""},   // Barstow
    {envrec_water_tower, 34.6900, -118.1400, 130, ""},   // Lancaster
    {envrec_water_tower, 34.4200, -117.3000, 115, ""},   // Hesperia
    {envrec_water_tower, 33.7400, -116.9800, 110, ""},   // Hemet
    {envrec_water_tower, 32.7900, -115.5600, 120, ""},   // El Centro
    // coastal power stations' chimneys, those on the beach moved inland to
    // the grid's coarser shore
    {envrec_chimney, 35.3710, -120.8550, 450, ""},   // Morro Bay, three stacks
    {envrec_chimney, 35.3715, -120.8540, 450, ""},
    {envrec_chimney, 35.3720, -120.8530, 450, ""},
    {envrec_chimney, 34.2070, -119.2360, 200, ""},   // Mandalay
    {envrec_chimney, 34.1300, -119.1690, 200, ""},   // Ormond Beach
    {envrec_chimney, 33.9180, -118.4150, 200, ""},   // Scattergood
    {envrec_chimney, 33.9100, -118.4220, 200, ""},   // El Segundo
    {envrec_chimney, 33.8500, -118.3920, 200, ""},   // Redondo Beach
    {envrec_chimney, 33.7650, -118.1000, 200, ""},   // Haynes
    {envrec_chimney, 33.7700, -118.1030, 200, ""},   // Alamitos
    {envrec_chimney, 33.6550, -117.9550, 200, ""},   // Huntington Beach
    {envrec_chimney, 33.1380, -117.3350, 400, ""},   // Encina, Carlsbad
    {envrec_chimney, 32.6150, -117.1000, 165, ""},   // South Bay, Chula Vista
    {envrec_chimney, 32.4000, -117.0600, 250, ""},   // Rosarito
};

// Cities with low buildings (under 110 m) scattered round their centres.
struct city_def {
    const char* name;
    double lat, lon;
    int buildings;
    float radius;       // km
    float tallest;      // ft
};

static const city_def socal_cities[] = {
    {"Los Angeles", 34.050, -118.255, 10, 2.5f, 340}, {"Hollywood", 34.100, -118.330, 5, 1.5f, 200},
    {"Pasadena", 34.147, -118.144, 5, 1.5f, 180},    {"Glendale", 34.146, -118.255, 4, 1.2f, 250},
    {"Burbank", 34.181, -118.309, 4, 1.2f, 180},     {"Santa Monica", 34.019, -118.491, 4, 1.0f, 200},
    {"Long Beach", 33.770, -118.193, 6, 1.5f, 300},  {"Anaheim", 33.836, -117.914, 4, 1.5f, 160},
    {"Santa Ana", 33.745, -117.868, 4, 1.2f, 250},   {"Irvine", 33.680, -117.830, 4, 1.5f, 250},
    {"Riverside", 33.981, -117.375, 5, 1.2f, 150},   {"San Bernardino", 34.108, -117.289, 6, 1.2f, 150},
    {"Redlands", 34.055, -117.182, 3, 1.0f, 80},     {"Ontario", 34.063, -117.651, 4, 1.2f, 120},
    {"Pomona", 34.055, -117.750, 3, 1.0f, 120},      {"Oxnard", 34.197, -119.177, 3, 1.0f, 120},
    {"Ventura", 34.278, -119.293, 3, 1.0f, 120},     {"Santa Barbara", 34.420, -119.698, 4, 1.0f, 90},
    {"San Luis Obispo", 35.282, -120.660, 3, 1.0f, 80}, {"Bakersfield", 35.373, -119.019, 5, 1.5f, 200},
    {"Lancaster", 34.698, -118.137, 3, 1.2f, 80},    {"Palmdale", 34.579, -118.117, 3, 1.2f, 80},
    {"Victorville", 34.536, -117.291, 3, 1.2f, 80},  {"Barstow", 34.898, -117.022, 3, 1.0f, 60},
    {"Palm Springs", 33.830, -116.545, 4, 1.2f, 80}, {"Indio", 33.721, -116.216, 3, 1.0f, 60},
    {"El Centro", 32.792, -115.563, 3, 1.0f, 80},    {"Mexicali", 32.625, -115.450, 5, 2.0f, 200},
    {"Tijuana", 32.525, -117.030, 6, 2.0f, 300},     {"Oceanside", 33.196, -117.379, 3, 1.0f, 100},
    {"Escondido", 33.119, -117.086, 3, 1.0f, 100},   {"El Cajon", 32.795, -116.962, 3, 1.0f, 100},
    {"San Diego", 32.740, -117.150, 6, 2.5f, 250},   {"Temecula", 33.494, -117.148, 3, 1.0f, 80},
    {"Hemet", 33.748, -116.972, 3, 1.0f, 60},        {"Yuma", 32.693, -114.628, 3, 1.2f, 100},
};

// The power line that leaves the substation north of KSBD's runway for the
// Cajon Pass: a pylon every half kilometre.
static const terrain_point socal_pylon_line[] = {{34.118, -117.236}, {34.160, -117.285}, {34.215, -117.345}};
const float pylon_spacing = 0.5f;   // km
const float pylon_height = 130;     // ft

// San Bernardino's own: the terminal on the north-west side of the runway,
// its apron towards it, the water tank behind the terminal's west end, and
// low hangars along that side (m along the runway's true heading from its
// centre and to its right; the runway's parallel taxiway and apron lie on
// its right).
struct runway_object {
    int type;
    float along, right;   // m
    float value;          // ft for types 1 to 6, heading offset from the runway's for type 8
    const char* name;
};

static const runway_object socal_ksbd_objects[] = {
    {envrec_custom, 0, -200, 270, "sbd_terminal"},
    {envrec_custom, -150, -260, 0, "sbd_tank"},
    {envrec_building, -900, -230, 40, ""},
    {envrec_building, -800, -240, 35, ""},
    {envrec_building, -700, -230, 45, ""},
    {envrec_building, 500, -230, 40, ""},
    {envrec_building, 620, -240, 30, ""},
    {envrec_building, 760, -235, 50, ""},
    {envrec_building, 900, -260, 35, ""},
};

// ---- geometry --------------------------------------------------------------

const double km_per_deg = 111.2;
const double terrain_pi = 3.14159265358979;

// (lat, lon) as km east and north of (lat0, lon0), flat at their mean latitude.
static inline void km_from(double lat0, double lon0, double lat, double lon, double* east, double* north)
{
    *north = (lat - lat0) * km_per_deg;
    *east = (lon - lon0) * km_per_deg * cos((lat + lat0) * 0.5 * terrain_pi / 180);
}

// Distance in km from (lat, lon) to the segment a..b.
static inline double km_to_segment(double lat, double lon, terrain_point a, terrain_point b, double* along)
{
    double bx, by, px, py;
    km_from(a.lat, a.lon, b.lat, b.lon, &bx, &by);
    km_from(a.lat, a.lon, lat, lon, &px, &py);
    double l2 = bx * bx + by * by, t = l2 > 0 ? (px * bx + py * by) / l2 : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    if (along) *along = t;
    double dx = px - t * bx, dy = py - t * by;
    return sqrt(dx * dx + dy * dy);
}

// 1 when (lat, lon) lies inside the outline (even-odd rule).
static inline int in_outline(const terrain_outline& o, double lat, double lon)
{
    int in = 0;
    for (int i = 0, j = o.count - 1; i < o.count; j = i++) {
        const terrain_point &a = o.p[i], &b = o.p[j];
        if ((a.lat > lat) != (b.lat > lat) && lon < (b.lon - a.lon) * (lat - a.lat) / (b.lat - a.lat) + a.lon)
            in = !in;
    }
    return in;
}

// 1 when (lat, lon) is open sea: west of the mainland coast and on no island.
static inline int in_pacific(double lat, double lon)
{
    if (!in_outline(socal_pacific, lat, lon)) return 0;
    for (const terrain_outline& o : socal_islands)
        if (in_outline(o, lat, lon)) return 0;
    return 1;
}

static inline int in_salton_sea(double lat, double lon) { return in_outline(socal_salton_sea, lat, lon); }

// The lake bed under (lat, lon), or -1.
static inline int lake_bed_at(double lat, double lon)
{
    for (int k = 0; k < (int)(sizeof socal_lake_beds / sizeof socal_lake_beds[0]); k++) {
        const lake_bed_def& b = socal_lake_beds[k];
        double e, n, a = b.tilt * terrain_pi / 180;
        km_from(b.lat, b.lon, lat, lon, &e, &n);
        double u = (n * cos(a) + e * sin(a)) / b.semi_major, v = (e * cos(a) - n * sin(a)) / b.semi_minor;
        if (u * u + v * v <= 1) return k;
    }
    return -1;
}

// ---- height field ------------------------------------------------------------

// The plains' floor: the nearer points weigh most, softened over some
// kilometres so that no point stands out as a knoll or a pit.
static inline float plain_floor(double lat, double lon)
{
    double sw = 0, sh = 0;
    for (const plain_point& p : socal_plains) {
        double e, n;
        km_from(p.lat, p.lon, lat, lon, &e, &n);
        double d2 = e * e + n * n + 36, w = 1 / (d2 * sqrt(d2));
        sw += w;
        sh += w * p.h;
    }
    return (float)(sh / sw);
}

// The ranges over floor h: each crest falls to the plain by a cosine over
// its half-width; where ranges meet the higher one stands.
static inline float with_ridges(double lat, double lon, float h)
{
    float top = h;
    for (const ridge_def& r : socal_ridges)
        for (int k = 0; k + 1 < r.count; k++) {
            const ridge_point &a = r.p[k], &b = r.p[k + 1];
            double t;
            double d = km_to_segment(lat, lon, {a.lat, a.lon}, {b.lat, b.lon}, &t);
            double w = a.half_width + (b.half_width - a.half_width) * t;
            if (d >= w) continue;
            double crest = a.crest + (b.crest - a.crest) * t;
            float v = (float)(h + (crest - h) * 0.5 * (1 + cos(terrain_pi * d / w)));
            if (v > top) top = v;
        }
    return top;
}

// A fixed value in -1..1 for lattice point (i, j) of layer `layer`.
static inline float terrain_hash(int64_t i, int64_t j, uint32_t layer)
{
    uint64_t h = (uint64_t)i * 0x9E3779B97F4A7C15ull ^ (uint64_t)j * 0xC2B2AE3D27D4EB4Full ^
                 ((uint64_t)(terrain_seed + layer) << 32);
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 29;
    return (float)((h >> 40) & 0xffffff) / 8388607.5f - 1;
}

// Smooth noise in -1..1 with features `step` degrees apart.
static inline float terrain_noise(double lat, double lon, double step, uint32_t layer)
{
    double y = lat / step, x = lon / step, fy = floor(y), fx = floor(x);
    double ty = y - fy, tx = x - fx;
    ty = ty * ty * (3 - 2 * ty);
    tx = tx * tx * (3 - 2 * tx);
    int64_t i = (int64_t)fy, j = (int64_t)fx;
    double a = terrain_hash(i, j, layer), b = terrain_hash(i, j + 1, layer);
    double c = terrain_hash(i + 1, j, layer), d = terrain_hash(i + 1, j + 1, layer);
    return (float)((a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty);
}

// The land's height at (lat, lon) before the coast, the lakes and the
// airports shape it: plains, ranges, and relief of some tens of metres.
static inline float relief_height(double lat, double lon)
{
    float h = with_ridges(lat, lon, plain_floor(lat, lon));
    float amp = 6 + 0.012f * (h > 0 ? h : 0);
    return h + amp * (0.7f * terrain_noise(lat, lon, 0.07, 1) + 0.3f * terrain_noise(lat, lon, 0.025, 2));
}
