// Writes into the program folder given as the one argument (ending in '/')
// the world map window's picture "bitmaps/VolSim/loc_wrl.BMP", 788 x 443:
// the world in the map's own plate carree (the simulator's projection, so
// that the flown path and the aircraft fall where the picture has them),
// land over sea, a graticule every 30 degrees and, in the strip under the
// map, the meridians' longitudes and what a click does.
//
// The land is drawn from the coarse outline table below, written for this
// map from general geographic knowledge: APPROXIMATE throughout, a few
// dozen points a continent, good to a degree or two at best, with the
// smaller islands left out. It is no survey and follows no map data set.
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Windows.h"
#include "bmp_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

const int map_w = 788, map_h = 443;

struct colour {
    int r, g, b;
};
static const colour sea_colour = {118, 168, 214};
static const colour land_colour = {164, 196, 122};
static const colour shore_colour = {96, 128, 78};
static const colour lake = sea_colour;
static const colour strip = {153, 153, 153};   // the window body's grey

// ---- the outline table (APPROXIMATE) ------------------------------------------------

struct geo_pt {
    float lon, lat;
};

// Coastlines, each a closed ring of (longitude, latitude) in degrees.
static const geo_pt north_america[] = {
    {-168.0f, 65.6f}, {-166.5f, 68.3f}, {-163.0f, 69.5f}, {-156.8f, 71.3f}, {-150.0f, 70.4f},
    {-141.0f, 69.7f}, {-135.0f, 69.2f}, {-128.0f, 70.0f}, {-121.0f, 69.5f}, {-115.0f, 68.0f},
    {-108.0f, 68.2f}, {-98.0f, 67.8f},  {-94.5f, 70.5f},  {-90.0f, 68.5f},  {-85.0f, 68.8f},
    {-82.0f, 67.0f},  {-86.5f, 66.0f},  {-88.0f, 64.0f},  {-90.5f, 63.5f},  {-94.0f, 61.0f},
    {-94.2f, 58.8f},  {-92.4f, 57.0f},  {-88.0f, 56.3f},  {-82.3f, 55.2f},  {-82.0f, 52.8f},
    {-80.3f, 51.3f},  {-79.0f, 54.0f},  {-76.8f, 56.5f},  {-77.8f, 60.5f},  {-77.5f, 62.5f},
    {-73.0f, 62.2f},  {-70.0f, 61.0f},  {-69.5f, 59.0f},  {-67.0f, 58.5f},  {-64.5f, 60.3f},
    {-62.0f, 57.5f},  {-60.5f, 55.5f},  {-57.5f, 54.0f},  {-55.8f, 52.0f},  {-57.5f, 51.0f},
    {-60.0f, 50.2f},  {-64.5f, 49.9f},  {-67.0f, 49.3f},  {-64.2f, 48.8f},  {-65.0f, 47.0f},
    {-61.2f, 46.0f},  {-60.0f, 45.8f},  {-63.5f, 44.6f},  {-65.8f, 43.5f},  {-66.0f, 45.2f},
    {-67.5f, 44.5f},  {-70.2f, 43.7f},  {-70.6f, 42.2f},  {-70.0f, 41.7f},  {-72.5f, 41.2f},
    {-74.0f, 40.5f},  {-74.3f, 39.5f},  {-75.0f, 38.8f},  {-76.0f, 37.0f},  {-75.5f, 35.2f},
    {-77.8f, 34.0f},  {-79.5f, 32.8f},  {-81.3f, 31.5f},  {-80.6f, 28.5f},  {-80.0f, 26.5f},
    {-80.5f, 25.2f},  {-81.8f, 26.2f},  {-82.7f, 28.0f},  {-84.0f, 30.0f},  {-86.5f, 30.4f},
    {-89.0f, 30.3f},  {-89.3f, 29.0f},  {-91.5f, 29.5f},  {-94.0f, 29.6f},  {-97.2f, 27.7f},
    {-97.5f, 25.0f},  {-97.8f, 22.3f},  {-96.2f, 19.2f},  {-94.5f, 18.2f},  {-91.5f, 18.6f},
    {-90.4f, 21.0f},  {-87.0f, 21.5f},  {-87.5f, 19.0f},  {-88.2f, 16.0f},  {-86.0f, 15.9f},
    {-83.3f, 15.0f},  {-83.5f, 12.5f},  {-83.7f, 11.0f},  {-81.5f, 9.0f},   {-79.5f, 9.5f},
    {-77.8f, 8.6f},   {-77.4f, 7.8f},   {-78.4f, 8.2f},   {-80.0f, 7.3f},   {-80.5f, 8.2f},
    {-82.5f, 8.3f},   {-85.7f, 10.0f},  {-87.5f, 13.2f},  {-91.5f, 14.0f},  {-94.5f, 16.1f},
    {-98.0f, 16.2f},  {-101.5f, 17.5f}, {-105.5f, 20.5f}, {-105.6f, 22.5f}, {-108.8f, 25.5f},
    {-110.8f, 27.9f}, {-112.8f, 30.8f}, {-114.7f, 31.7f}, {-113.0f, 29.0f}, {-111.5f, 26.0f},
    {-109.5f, 23.1f}, {-110.3f, 23.6f}, {-112.1f, 24.8f}, {-114.2f, 27.8f}, {-115.5f, 29.5f},
    {-116.8f, 31.8f}, {-117.1f, 32.5f}, {-117.3f, 33.1f}, {-118.0f, 33.7f}, {-118.4f, 33.8f},
    {-118.8f, 34.0f}, {-119.5f, 34.4f}, {-120.6f, 34.6f}, {-120.9f, 35.4f}, {-121.9f, 36.6f},
    {-122.5f, 37.8f}, {-123.8f, 39.5f}, {-124.3f, 40.4f}, {-124.2f, 43.0f}, {-124.0f, 46.2f},
    {-124.7f, 48.4f}, {-123.2f, 48.3f}, {-125.0f, 49.5f}, {-128.0f, 50.8f}, {-130.5f, 54.3f},
    {-133.0f, 57.0f}, {-136.5f, 58.2f}, {-140.0f, 59.7f}, {-146.0f, 60.6f}, {-150.0f, 59.4f},
    {-151.5f, 60.7f}, {-154.0f, 58.0f}, {-156.5f, 56.8f}, {-160.0f, 55.5f}, {-164.5f, 54.5f},
    {-161.0f, 56.0f}, {-158.5f, 57.6f}, {-157.5f, 58.7f}, {-162.0f, 58.6f}, {-164.8f, 60.5f},
    {-165.3f, 62.5f}, {-161.0f, 64.5f}, {-163.0f, 64.6f}, {-166.5f, 64.5f}, {-166.0f, 65.3f},
};
static const geo_pt south_america[] = {
    {-77.4f, 7.8f},   {-76.8f, 8.6f},   {-75.5f, 10.5f},  {-74.0f, 11.2f},  {-71.5f, 12.4f},
    {-71.3f, 11.0f},  {-68.0f, 10.5f},  {-64.0f, 10.7f},  {-61.8f, 10.6f},  {-60.5f, 8.5f},
    {-57.0f, 6.0f},   {-53.0f, 5.5f},   {-51.0f, 4.0f},   {-50.0f, 1.8f},   {-49.5f, -0.5f},
    {-48.0f, -1.0f},  {-44.5f, -2.5f},  {-39.5f, -3.0f},  {-35.2f, -5.5f},  {-34.8f, -7.1f},
    {-35.5f, -9.5f},  {-38.5f, -13.0f}, {-39.0f, -17.8f}, {-40.2f, -20.5f}, {-42.0f, -23.0f},
    {-44.5f, -23.5f}, {-48.6f, -26.5f}, {-48.8f, -28.5f}, {-51.0f, -31.0f}, {-53.0f, -33.8f},
    {-56.0f, -34.9f}, {-58.4f, -34.6f}, {-57.0f, -36.3f}, {-57.5f, -38.0f}, {-62.0f, -39.0f},
    {-62.5f, -40.8f}, {-65.0f, -41.0f}, {-64.5f, -42.5f}, {-65.5f, -45.0f}, {-67.5f, -46.5f},
    {-65.8f, -47.8f}, {-68.5f, -50.5f}, {-68.4f, -52.4f}, {-66.5f, -54.7f}, {-67.3f, -55.9f},
    {-70.5f, -55.0f}, {-74.5f, -52.5f}, {-75.5f, -48.0f}, {-74.0f, -44.0f}, {-73.7f, -42.0f},
    {-73.5f, -37.0f}, {-71.6f, -33.0f}, {-71.5f, -30.0f}, {-70.4f, -23.6f}, {-70.2f, -18.5f},
    {-71.5f, -17.2f}, {-75.0f, -15.3f}, {-77.0f, -12.0f}, {-79.0f, -8.5f},  {-81.3f, -4.6f},
    {-80.3f, -3.4f},  {-80.9f, -1.0f},  {-80.0f, 1.0f},   {-78.9f, 1.8f},   {-77.5f, 4.0f},
    {-77.4f, 6.5f},
};
static const geo_pt greenland[] = {
    {-73.0f, 78.0f}, {-68.5f, 76.4f}, {-58.5f, 75.7f}, {-56.0f, 73.0f}, {-54.5f, 70.5f},
    {-53.0f, 68.0f}, {-52.0f, 65.0f}, {-50.0f, 62.0f}, {-48.0f, 61.0f}, {-44.5f, 60.0f},
    {-42.5f, 61.0f}, {-40.5f, 64.5f}, {-37.0f, 65.8f}, {-32.0f, 68.2f}, {-25.0f, 70.0f},
    {-22.0f, 71.5f}, {-21.0f, 74.0f}, {-19.0f, 77.0f}, {-17.0f, 80.0f}, {-25.0f, 83.0f},
    {-50.0f, 83.0f}, {-62.0f, 82.0f}, {-67.0f, 80.5f},
};
static const geo_pt baffin[] = {
    {-80.0f, 73.7f}, {-72.0f, 71.5f}, {-67.5f, 69.8f}, {-66.0f, 67.2f}, {-61.8f, 66.6f},
    {-64.5f, 63.5f}, {-65.5f, 62.0f}, {-71.0f, 62.6f}, {-74.5f, 64.3f}, {-78.0f, 64.5f},
    {-74.0f, 66.5f}, {-73.0f, 68.0f}, {-80.0f, 69.5f}, {-85.0f, 69.8f}, {-89.0f, 71.5f},
    {-86.0f, 73.5f},
};
static const geo_pt victoria_island[] = {
    {-119.0f, 71.0f}, {-114.0f, 73.2f}, {-105.0f, 73.0f}, {-101.0f, 71.0f},
    {-102.5f, 69.0f}, {-107.0f, 68.8f}, {-113.0f, 68.5f}, {-117.5f, 69.4f},
};
static const geo_pt banks_island[] = {
    {-125.5f, 72.0f}, {-124.0f, 73.8f}, {-120.0f, 74.3f}, {-116.0f, 73.5f}, {-120.0f, 71.5f},
};
static const geo_pt ellesmere_devon[] = {
    {-92.0f, 74.6f}, {-80.0f, 74.4f}, {-80.0f, 76.3f}, {-74.0f, 78.5f}, {-68.0f, 80.0f},
    {-60.0f, 82.0f}, {-90.0f, 82.0f}, {-92.0f, 80.0f}, {-96.0f, 77.0f},
};
static const geo_pt newfoundland[] = {
    {-59.3f, 47.6f}, {-57.5f, 50.5f}, {-55.8f, 51.6f}, {-55.5f, 49.8f},
    {-53.6f, 49.2f}, {-52.7f, 47.5f}, {-53.7f, 46.7f}, {-56.0f, 47.5f},
};
static const geo_pt cuba[] = {
    {-84.9f, 21.9f}, {-83.0f, 23.0f}, {-80.5f, 23.2f}, {-77.5f, 21.8f},
    {-74.2f, 20.2f}, {-77.7f, 19.8f}, {-78.5f, 21.5f}, {-81.7f, 22.3f},
};
static const geo_pt hispaniola[] = {
    {-74.4f, 18.5f}, {-72.8f, 19.9f}, {-69.9f, 19.7f}, {-68.3f, 18.6f}, {-71.3f, 17.6f}, {-72.9f, 18.2f},
};
static const geo_pt iceland[] = {
    {-22.5f, 64.0f}, {-24.0f, 65.5f}, {-22.0f, 66.4f}, {-18.0f, 66.2f}, {-14.5f, 66.3f},
    {-13.5f, 65.2f}, {-15.0f, 64.3f}, {-18.0f, 63.4f}, {-20.0f, 63.5f},
};
static const geo_pt great_britain[] = {
    {-5.7f, 50.1f},  {-3.5f, 50.3f},  {-1.0f, 50.7f},  {1.4f, 51.2f},   {1.7f, 52.6f},
    {0.3f, 53.5f},   {-0.1f, 54.5f},  {-1.5f, 55.5f},  {-2.5f, 56.2f},  {-1.8f, 57.5f},
    {-3.5f, 57.7f},  {-3.1f, 58.6f},  {-5.0f, 58.6f},  {-5.8f, 57.5f},  {-5.6f, 56.3f},
    {-5.8f, 55.3f},  {-4.9f, 54.7f},  {-3.3f, 54.9f},  {-3.0f, 53.4f},  {-4.7f, 52.8f},
    {-4.0f, 52.3f},  {-5.3f, 51.8f},  {-3.2f, 51.4f},  {-4.5f, 51.2f},  {-5.1f, 50.6f},
};
static const geo_pt ireland[] = {
    {-6.2f, 52.2f},  {-6.1f, 53.5f}, {-5.5f, 54.5f}, {-6.2f, 55.2f}, {-7.4f, 55.4f},
    {-8.6f, 54.6f},  {-10.1f, 54.2f}, {-9.5f, 53.2f}, {-10.3f, 51.9f}, {-9.6f, 51.5f},
    {-8.0f, 51.8f},
};
static const geo_pt eurasia[] = {
    // Iberia and the Atlantic shore_colour
    {-5.6f, 36.0f},  {-6.3f, 36.8f},  {-7.4f, 37.2f},  {-9.0f, 37.0f},  {-8.9f, 38.7f},
    {-8.7f, 41.2f},  {-9.3f, 43.0f},  {-8.0f, 43.7f},  {-3.8f, 43.5f},  {-1.5f, 43.4f},
    {-1.2f, 46.0f},  {-2.5f, 47.3f},  {-4.7f, 48.4f},  {-3.0f, 48.8f},  {-1.6f, 48.6f},
    {-1.6f, 49.7f},  {0.1f, 49.5f},   {1.6f, 50.9f},   {4.0f, 51.9f},   {4.8f, 53.0f},
    {7.0f, 53.5f},   {8.6f, 53.9f},   {8.6f, 55.5f},   {8.2f, 56.8f},   {10.6f, 57.7f},
    {10.4f, 56.3f},  {10.9f, 54.4f},  {12.5f, 54.4f},  {14.2f, 53.9f},  {18.6f, 54.6f},
    {21.0f, 55.2f},  {21.1f, 56.5f},  {23.5f, 57.2f},  {24.3f, 57.9f},  {23.5f, 59.2f},
    {28.0f, 59.5f},  {30.2f, 59.9f},  {25.0f, 60.2f},  {22.3f, 60.0f},  {21.5f, 61.5f},
    {21.3f, 63.2f},  {25.0f, 65.0f},  {22.3f, 65.8f},  {21.0f, 64.5f},  {17.5f, 62.5f},
    {17.3f, 60.7f},  {18.9f, 59.3f},  {16.5f, 57.0f},  {16.0f, 56.2f},  {12.9f, 55.4f},
    {12.5f, 56.5f},  {11.6f, 58.0f},  {10.6f, 59.3f},  {8.0f, 58.0f},   {5.5f, 59.0f},
    {5.0f, 61.0f},   {5.2f, 62.2f},   {8.0f, 63.4f},   {11.0f, 64.5f},  {13.5f, 67.5f},
    {16.0f, 68.5f},  {19.0f, 70.0f},  {25.8f, 71.1f},  {28.5f, 71.0f},  {33.0f, 69.3f},
    {36.5f, 69.0f},  {41.0f, 67.7f},  {40.5f, 66.2f},  {35.0f, 66.0f},  {37.0f, 64.0f},
    {40.5f, 64.6f},  {44.0f, 66.0f},  {44.0f, 68.4f},  {53.0f, 68.5f},  {59.0f, 69.0f},
    // the Arctic shore_colour
    {66.0f, 69.5f},  {67.0f, 71.5f},  {69.0f, 73.5f},  {72.5f, 72.8f},  {72.0f, 68.0f},
    {75.0f, 72.5f},  {80.0f, 73.5f},  {87.0f, 75.0f},  {100.0f, 77.5f}, {104.0f, 77.7f},
    {113.0f, 73.5f}, {126.0f, 73.2f}, {140.0f, 72.5f}, {150.0f, 71.5f}, {160.0f, 69.7f},
    {170.0f, 70.1f}, {176.0f, 69.8f}, {180.0f, 69.0f},
    // the Pacific shore_colour, Kamchatka to Indochina
    {180.0f, 65.1f}, {178.5f, 64.6f}, {177.0f, 62.6f}, {173.0f, 61.3f}, {170.0f, 60.0f},
    {163.0f, 59.8f}, {163.5f, 56.2f}, {162.0f, 54.5f}, {158.6f, 52.9f}, {156.7f, 51.0f},
    {156.0f, 54.0f}, {155.5f, 57.5f}, {156.8f, 61.5f}, {160.0f, 61.5f}, {151.0f, 59.5f},
    {143.0f, 59.3f}, {141.0f, 58.0f}, {138.0f, 54.5f}, {140.5f, 53.5f}, {141.0f, 52.3f},
    {140.0f, 48.0f}, {138.0f, 46.0f}, {135.0f, 43.5f}, {131.8f, 43.0f}, {130.0f, 42.2f},
    {129.5f, 40.8f}, {128.0f, 39.5f}, {129.4f, 36.5f}, {129.1f, 35.1f}, {126.5f, 34.4f},
    {126.3f, 36.5f}, {126.6f, 37.7f}, {125.0f, 37.8f}, {124.7f, 39.7f}, {121.2f, 38.8f},
    {122.0f, 40.5f}, {121.0f, 40.8f}, {118.0f, 39.1f}, {117.7f, 38.5f}, {119.5f, 37.2f},
    {122.5f, 37.3f}, {120.3f, 36.0f}, {119.3f, 34.8f}, {121.0f, 32.2f}, {121.9f, 31.2f},
    {122.0f, 30.0f}, {120.5f, 27.5f}, {119.5f, 25.5f}, {118.1f, 24.5f}, {114.2f, 22.3f},
    {111.0f, 21.5f}, {110.2f, 20.3f}, {109.7f, 21.5f}, {108.0f, 21.5f}, {106.7f, 20.5f},
    {105.8f, 19.0f}, {106.7f, 17.3f}, {108.2f, 16.0f}, {109.2f, 13.7f}, {109.1f, 11.5f},
    {107.0f, 10.4f}, {105.0f, 8.6f},  {105.1f, 10.0f}, {103.5f, 10.5f}, {102.3f, 12.2f},
    {100.9f, 13.4f}, {100.0f, 13.3f}, {99.2f, 10.5f},  {100.3f, 8.4f},  {101.3f, 6.9f},
    {103.4f, 4.9f},  {103.4f, 2.8f},  {104.2f, 1.4f},  {103.5f, 1.3f},  {101.3f, 2.8f},
    {100.3f, 5.4f},  {98.3f, 7.9f},   {98.6f, 10.0f},  {97.8f, 15.0f},  {97.6f, 16.5f},
    {96.2f, 16.8f},  {95.0f, 15.8f},  {94.3f, 16.2f},  {94.3f, 18.8f},  {92.3f, 20.7f},
    // the Bay of Bengal and India
    {91.8f, 22.3f},  {90.5f, 22.0f},  {88.5f, 21.6f},  {86.9f, 20.8f},  {85.0f, 19.3f},
    {82.3f, 16.8f},  {80.2f, 15.5f},  {80.3f, 13.1f},  {79.8f, 10.3f},  {77.5f, 8.1f},
    {76.3f, 9.9f},   {74.8f, 12.9f},  {73.5f, 16.0f},  {72.8f, 19.0f},  {72.6f, 21.4f},
    {70.3f, 20.9f},  {69.0f, 22.4f},  {68.4f, 23.6f},  {67.0f, 24.8f},  {64.5f, 25.2f},
    {61.6f, 25.2f},  {57.3f, 25.8f},  {56.3f, 27.2f},  {54.0f, 26.6f},  {51.5f, 27.9f},
    {50.3f, 29.3f},  {48.0f, 29.9f},
    // Arabia
    {48.8f, 27.5f},  {50.2f, 26.2f},  {51.6f, 25.9f},  {51.5f, 24.5f},  {54.4f, 24.3f},
    {56.0f, 25.5f},  {56.4f, 26.4f},  {56.3f, 24.8f},  {58.5f, 23.6f},  {59.8f, 22.5f},
    {58.5f, 20.5f},  {57.8f, 19.0f},  {55.0f, 17.5f},  {52.2f, 15.6f},  {49.0f, 14.5f},
    {45.0f, 12.8f},  {43.5f, 12.7f},  {42.7f, 15.5f},  {42.5f, 17.0f},  {40.0f, 20.5f},
    {39.2f, 21.5f},  {37.5f, 24.5f},  {35.2f, 28.0f},  {34.9f, 29.5f},  {34.3f, 27.8f},
    {32.6f, 29.9f},  {32.3f, 31.3f},
    // the Levant, Anatolia and the Mediterranean shore of Europe
    {34.2f, 31.3f},  {34.9f, 32.8f},  {35.5f, 33.8f},  {35.9f, 35.4f},  {36.0f, 36.8f},
    {34.6f, 36.8f},  {32.0f, 36.2f},  {30.7f, 36.9f},  {28.0f, 36.8f},  {27.3f, 37.8f},
    {26.3f, 38.4f},  {26.2f, 40.1f},  {26.0f, 40.8f},  {24.0f, 40.8f},  {22.9f, 40.6f},
    {23.5f, 39.9f},  {22.9f, 39.3f},  {24.0f, 38.2f},  {23.7f, 37.9f},  {22.9f, 37.5f},
    {23.0f, 36.4f},  {21.7f, 36.8f},  {21.1f, 37.8f},  {21.5f, 38.4f},  {20.7f, 39.2f},
    {19.9f, 39.9f},  {19.4f, 41.8f},  {18.5f, 42.5f},  {16.5f, 43.5f},  {15.0f, 44.5f},
    {13.8f, 44.9f},  {13.6f, 45.7f},  {12.3f, 45.4f},  {12.4f, 44.2f},  {13.6f, 43.6f},
    {14.5f, 42.2f},  {16.0f, 41.4f},  {18.5f, 40.1f},  {17.2f, 40.5f},  {16.6f, 39.0f},
    {16.1f, 38.0f},  {15.7f, 37.9f},  {15.6f, 38.3f},  {16.0f, 39.5f},  {14.3f, 40.8f},
    {12.5f, 41.7f},  {11.0f, 42.5f},  {10.3f, 43.5f},  {8.9f, 44.4f},   {7.5f, 43.8f},
    {5.4f, 43.3f},   {3.3f, 43.3f},   {3.1f, 42.0f},   {2.2f, 41.4f},   {0.9f, 41.0f},
    {-0.3f, 39.5f},  {0.2f, 38.7f},   {-0.7f, 37.6f},  {-2.1f, 36.7f},  {-4.4f, 36.7f},
};
// Chukotka east of the date line.
static const geo_pt chukotka_east[] = {
    {-180.0f, 69.0f}, {-175.0f, 67.7f}, {-171.7f, 66.9f}, {-169.7f, 66.1f},
    {-171.5f, 65.5f}, {-173.0f, 64.3f}, {-176.5f, 65.0f}, {-178.6f, 64.6f}, {-180.0f, 65.1f},
};
static const geo_pt africa[] = {
    {-5.9f, 35.8f},  {-2.0f, 35.1f},  {3.0f, 36.8f},   {10.2f, 37.2f},  {11.0f, 36.5f},
    {10.1f, 33.8f},  {12.0f, 33.0f},  {15.3f, 32.3f},  {19.1f, 30.3f},  {20.1f, 32.1f},
    {23.0f, 32.7f},  {25.0f, 31.6f},  {29.9f, 31.2f},  {32.3f, 31.3f},  {32.6f, 29.9f},
    {33.5f, 27.0f},  {35.5f, 24.0f},  {37.2f, 21.0f},  {38.5f, 18.0f},  {39.7f, 15.5f},
    {42.8f, 12.6f},  {43.3f, 11.5f},  {45.0f, 10.4f},  {51.2f, 11.8f},  {51.0f, 10.4f},
    {49.5f, 6.5f},   {46.5f, 2.5f},   {42.0f, -0.5f},  {40.0f, -3.3f},  {39.2f, -6.8f},
    {40.3f, -10.5f}, {40.7f, -15.0f}, {36.9f, -17.9f}, {35.3f, -22.0f}, {35.5f, -24.0f},
    {32.9f, -25.9f}, {32.5f, -28.5f}, {30.9f, -30.5f}, {27.9f, -33.0f}, {25.6f, -34.0f},
    {20.0f, -34.8f}, {18.4f, -34.2f}, {18.0f, -32.5f}, {16.5f, -28.6f}, {15.1f, -26.6f},
    {14.5f, -22.9f}, {11.8f, -17.3f}, {13.4f, -12.6f}, {13.2f, -8.8f},  {12.2f, -6.0f},
    {11.8f, -4.8f},  {9.3f, -1.0f},   {9.8f, 2.5f},    {9.7f, 4.0f},    {8.5f, 4.5f},
    {6.0f, 4.3f},    {4.5f, 6.3f},    {3.4f, 6.4f},    {0.0f, 5.6f},    {-3.0f, 5.1f},
    {-7.5f, 4.4f},   {-11.5f, 6.9f},  {-13.2f, 8.5f},  {-15.0f, 10.9f}, {-16.8f, 12.5f},
    {-17.5f, 14.7f}, {-16.5f, 19.5f}, {-17.1f, 20.8f}, {-14.9f, 24.6f}, {-13.2f, 27.6f},
    {-9.8f, 29.9f},  {-9.3f, 32.3f},  {-6.8f, 34.0f},
};
static const geo_pt madagascar[] = {
    {49.3f, -12.0f}, {50.5f, -15.3f}, {49.4f, -17.8f}, {47.6f, -23.0f}, {47.1f, -24.9f}, {45.2f, -25.6f},
    {43.6f, -23.5f}, {44.4f, -19.9f}, {44.2f, -16.5f}, {46.3f, -15.7f}, {48.0f, -13.6f},
};
static const geo_pt sri_lanka[] = {
    {79.9f, 9.8f}, {80.3f, 9.8f}, {81.9f, 7.5f}, {81.5f, 6.2f}, {80.6f, 5.9f}, {79.8f, 6.8f}, {79.8f, 8.2f},
};
static const geo_pt japan_south[] = {
    {130.7f, 31.0f}, {130.0f, 32.5f}, {129.8f, 33.5f}, {131.0f, 34.2f}, {131.5f, 34.6f},
    {132.8f, 35.5f}, {135.7f, 35.6f}, {136.7f, 36.9f}, {137.3f, 37.5f}, {138.5f, 37.8f},
    {140.0f, 39.8f}, {140.0f, 41.2f}, {141.4f, 41.4f}, {142.0f, 39.6f}, {141.0f, 38.3f},
    {140.9f, 36.9f}, {140.9f, 35.7f}, {139.8f, 35.0f}, {138.8f, 34.6f}, {137.2f, 34.6f},
    {136.9f, 33.5f}, {135.8f, 33.5f}, {135.0f, 34.5f}, {134.3f, 33.3f}, {133.0f, 32.7f},
    {132.0f, 33.0f}, {131.7f, 32.5f}, {131.0f, 31.2f},
};
static const geo_pt hokkaido[] = {
    {140.0f, 41.5f}, {141.2f, 41.8f}, {143.2f, 41.9f}, {145.8f, 43.3f}, {145.0f, 44.2f},
    {142.0f, 45.5f}, {141.6f, 44.3f}, {140.3f, 43.3f}, {140.0f, 42.2f},
};
static const geo_pt sakhalin[] = {
    {142.0f, 46.0f}, {143.5f, 46.3f}, {143.0f, 49.5f}, {144.6f, 49.0f},
    {143.0f, 54.3f}, {142.3f, 54.3f}, {142.2f, 51.0f}, {141.8f, 48.0f},
};
static const geo_pt taiwan[] = {
    {121.0f, 25.3f}, {122.0f, 25.0f}, {121.6f, 23.5f}, {120.8f, 21.9f}, {120.1f, 23.0f}, {120.5f, 24.4f},
};
static const geo_pt hainan[] = {
    {108.6f, 19.2f}, {110.5f, 20.1f}, {111.0f, 19.6f}, {109.6f, 18.2f}, {108.7f, 18.5f},
};
static const geo_pt luzon[] = {
    {120.6f, 18.5f}, {122.3f, 18.5f}, {122.0f, 16.8f}, {121.6f, 14.2f}, {124.1f, 12.6f},
    {123.6f, 13.9f}, {121.7f, 13.9f}, {120.6f, 14.2f}, {120.0f, 16.3f},
};
static const geo_pt mindanao[] = {
    {122.0f, 7.0f}, {123.5f, 8.5f}, {125.4f, 9.8f}, {126.6f, 7.3f}, {125.4f, 5.6f}, {124.0f, 6.3f},
};
static const geo_pt sumatra[] = {
    {95.3f, 5.6f},   {97.5f, 5.2f},   {100.3f, 2.5f}, {103.7f, -1.0f}, {106.0f, -3.0f}, {105.9f, -5.8f},
    {104.5f, -5.9f}, {102.3f, -4.0f}, {100.4f, -1.0f}, {98.7f, 1.7f},  {96.5f, 3.7f},
};
static const geo_pt java[] = {
    {105.2f, -6.8f}, {106.8f, -6.1f}, {108.5f, -6.6f}, {110.4f, -6.9f}, {112.7f, -7.2f},
    {114.4f, -7.7f}, {114.5f, -8.7f}, {111.0f, -8.2f}, {108.3f, -7.8f}, {106.0f, -7.5f},
};
static const geo_pt borneo[] = {
    {109.6f, 2.1f},  {111.5f, 2.8f},  {113.0f, 3.2f},  {115.3f, 5.1f},  {116.5f, 6.5f},
    {117.3f, 6.9f},  {119.2f, 5.2f},  {118.0f, 4.5f},  {117.7f, 1.5f},  {118.9f, 0.9f},
    {117.5f, 0.0f},  {116.5f, -2.0f}, {116.5f, -3.8f}, {114.5f, -3.6f}, {111.7f, -3.2f},
    {110.2f, -2.9f}, {109.6f, -1.5f}, {109.0f, 0.0f},
};
static const geo_pt sulawesi[] = {
    {119.4f, -5.5f}, {120.4f, -5.5f}, {120.5f, -3.0f}, {121.3f, -4.8f}, {122.7f, -4.5f},
    {121.5f, -2.3f}, {123.3f, -1.0f}, {121.0f, -1.4f}, {120.7f, 0.5f},  {124.5f, 0.4f},
    {125.2f, 1.6f},  {123.0f, 0.9f},  {120.9f, 1.3f},  {119.8f, 0.1f},  {119.2f, -2.5f},
    {118.8f, -3.0f},
};
static const geo_pt new_guinea[] = {
    {131.0f, -1.2f}, {132.3f, -0.4f}, {134.0f, -0.9f}, {135.5f, -3.3f}, {138.0f, -1.7f},
    {141.0f, -2.6f}, {144.5f, -3.8f}, {146.0f, -5.7f}, {147.5f, -6.1f}, {148.3f, -8.7f},
    {150.6f, -10.4f}, {149.5f, -10.3f}, {147.1f, -9.5f}, {145.5f, -7.9f}, {144.0f, -7.8f},
    {143.0f, -9.1f}, {141.0f, -9.1f}, {139.0f, -8.1f}, {138.0f, -8.4f}, {137.7f, -5.2f},
    {135.0f, -4.3f}, {133.5f, -4.0f}, {132.0f, -2.9f}, {131.2f, -1.5f},
};
static const geo_pt australia[] = {
    {113.7f, -21.9f}, {115.0f, -21.5f}, {118.5f, -20.3f}, {121.0f, -19.5f}, {122.2f, -17.9f},
    {123.5f, -16.5f}, {125.5f, -14.5f}, {127.5f, -14.0f}, {129.0f, -14.9f}, {130.3f, -12.5f},
    {132.5f, -11.5f}, {136.0f, -12.0f}, {136.9f, -12.3f}, {135.8f, -13.5f}, {135.5f, -15.0f},
    {137.7f, -16.2f}, {139.5f, -17.5f}, {140.8f, -17.4f}, {141.6f, -15.0f}, {141.5f, -12.5f},
    {142.5f, -10.7f}, {143.5f, -14.0f}, {145.3f, -15.0f}, {145.8f, -17.0f}, {146.3f, -19.0f},
    {149.0f, -21.0f}, {150.8f, -23.0f}, {153.1f, -25.0f}, {153.6f, -28.2f}, {153.0f, -31.0f},
    {151.3f, -33.8f}, {150.0f, -37.5f}, {147.5f, -38.0f}, {146.4f, -39.1f}, {144.5f, -38.3f},
    {141.5f, -38.4f}, {140.0f, -37.5f}, {139.5f, -36.0f}, {138.5f, -35.6f}, {138.5f, -34.9f},
    {137.8f, -32.8f}, {136.0f, -34.8f}, {135.3f, -34.6f}, {134.2f, -32.8f}, {131.0f, -31.5f},
    {129.0f, -31.7f}, {125.0f, -32.5f}, {121.9f, -33.9f}, {118.0f, -35.0f}, {115.0f, -34.3f},
    {115.7f, -32.0f}, {114.9f, -29.0f}, {113.5f, -26.5f}, {113.8f, -24.0f},
};
static const geo_pt tasmania[] = {
    {144.7f, -40.7f}, {148.3f, -40.9f}, {148.3f, -42.2f}, {147.1f, -43.6f}, {145.5f, -42.8f}, {144.6f, -41.2f},
};
static const geo_pt new_zealand_north[] = {
    {172.7f, -34.4f}, {174.5f, -35.5f}, {176.0f, -37.5f}, {178.5f, -37.7f}, {177.9f, -39.2f},
    {176.9f, -39.6f}, {175.2f, -41.6f}, {174.8f, -41.3f}, {174.6f, -39.8f}, {173.8f, -39.3f},
    {174.6f, -37.3f}, {174.0f, -35.9f},
};
static const geo_pt new_zealand_south[] = {
    {172.7f, -40.5f}, {174.3f, -41.7f}, {173.3f, -43.0f}, {172.8f, -43.7f}, {171.2f, -44.4f},
    {170.5f, -45.9f}, {168.5f, -46.6f}, {166.5f, -46.0f}, {167.0f, -45.0f}, {168.3f, -44.0f},
    {170.5f, -43.0f}, {172.0f, -41.5f},
};
static const geo_pt svalbard[] = {
    {11.0f, 78.3f}, {16.0f, 76.6f}, {22.0f, 77.5f}, {21.0f, 79.0f}, {27.0f, 80.0f}, {12.0f, 79.8f},
};
static const geo_pt novaya_zemlya[] = {
    {52.0f, 71.5f}, {56.0f, 70.6f}, {58.0f, 73.5f}, {62.0f, 75.5f},
    {69.0f, 76.9f}, {63.0f, 76.6f}, {56.0f, 74.0f}, {53.0f, 72.5f},
};
static const geo_pt sicily[] = {{12.4f, 38.1f}, {15.6f, 38.3f}, {15.1f, 36.7f}, {12.6f, 37.6f}};
static const geo_pt sardinia[] = {{8.4f, 41.0f}, {9.8f, 41.1f}, {9.6f, 39.1f}, {8.4f, 38.9f}};
static const geo_pt corsica[] = {{8.6f, 42.4f}, {9.4f, 43.0f}, {9.5f, 42.0f}, {9.2f, 41.4f}};
static const geo_pt crete[] = {{23.5f, 35.6f}, {26.3f, 35.3f}, {24.7f, 34.9f}};
static const geo_pt cyprus[] = {{32.3f, 34.7f}, {34.6f, 35.7f}, {34.0f, 35.0f}};

// Inland seas and great lakes, drawn over the land.
static const geo_pt black_sea[] = {
    {28.0f, 41.3f}, {29.5f, 41.2f}, {31.5f, 41.3f}, {35.0f, 42.0f}, {37.5f, 41.0f},
    {41.5f, 41.5f}, {41.6f, 42.6f}, {39.7f, 43.5f}, {37.5f, 44.7f}, {36.6f, 45.3f},
    {35.4f, 45.1f}, {34.0f, 44.4f}, {33.4f, 44.6f}, {32.5f, 45.4f}, {33.5f, 46.0f},
    {31.5f, 46.6f}, {30.7f, 46.5f}, {29.7f, 45.2f}, {28.7f, 44.2f}, {27.9f, 43.2f},
    {28.0f, 42.0f},
};
static const geo_pt caspian_sea[] = {
    {47.5f, 45.6f}, {49.5f, 46.6f}, {51.9f, 47.1f}, {53.2f, 46.5f}, {53.0f, 45.3f},
    {51.3f, 44.5f}, {50.3f, 44.6f}, {52.7f, 42.5f}, {53.0f, 41.0f}, {53.9f, 38.0f},
    {54.0f, 37.3f}, {51.0f, 36.7f}, {49.5f, 37.5f}, {48.9f, 38.4f}, {49.5f, 40.2f},
    {48.5f, 41.8f}, {47.5f, 43.0f}, {46.8f, 44.5f},
};
static const geo_pt lake_superior[] = {
    {-92.1f, 46.7f}, {-89.5f, 48.0f}, {-88.2f, 48.9f}, {-86.0f, 48.7f}, {-84.5f, 47.0f},
    {-85.5f, 46.6f}, {-87.5f, 46.5f}, {-90.5f, 46.6f},
};
static const geo_pt lake_michigan_huron[] = {
    {-87.8f, 41.7f}, {-87.0f, 42.5f}, {-85.5f, 45.0f}, {-84.6f, 45.9f}, {-81.5f, 45.9f},
    {-80.2f, 45.2f}, {-80.7f, 44.5f}, {-81.7f, 43.5f}, {-82.4f, 43.0f}, {-83.4f, 44.0f},
    {-84.7f, 45.5f}, {-86.4f, 44.5f}, {-86.3f, 42.2f},
};
static const geo_pt lakes_erie_ontario[] = {
    {-83.4f, 41.7f}, {-81.5f, 41.6f}, {-79.0f, 42.8f}, {-77.0f, 43.3f}, {-76.2f, 43.6f},
    {-76.8f, 44.1f}, {-79.5f, 43.6f}, {-79.8f, 43.2f}, {-81.0f, 42.7f}, {-82.7f, 42.1f},
};
static const geo_pt lake_victoria[] = {
    {31.8f, -1.0f}, {33.5f, 0.3f}, {34.8f, -0.5f}, {33.5f, -2.5f}, {32.0f, -2.6f},
};

struct outline {
    const geo_pt* pts;
    int count;
    int water;    // drawn over the land
};
#define RING(a, water) {a, (int)(sizeof a / sizeof a[0]), water}
static const outline outlines[] = {
    RING(north_america, 0),   RING(south_america, 0), RING(greenland, 0),         RING(baffin, 0),
    RING(victoria_island, 0), RING(banks_island, 0),  RING(ellesmere_devon, 0),   RING(newfoundland, 0),
    RING(cuba, 0),            RING(hispaniola, 0),    RING(iceland, 0),           RING(great_britain, 0),
    RING(ireland, 0),         RING(eurasia, 0),       RING(chukotka_east, 0),     RING(africa, 0),
    RING(madagascar, 0),      RING(sri_lanka, 0),     RING(japan_south, 0),       RING(hokkaido, 0),
    RING(sakhalin, 0),        RING(taiwan, 0),        RING(hainan, 0),            RING(luzon, 0),
    RING(mindanao, 0),        RING(sumatra, 0),       RING(java, 0),              RING(borneo, 0),
    RING(sulawesi, 0),        RING(new_guinea, 0),    RING(australia, 0),         RING(tasmania, 0),
    RING(new_zealand_north, 0), RING(new_zealand_south, 0), RING(svalbard, 0),    RING(novaya_zemlya, 0),
    RING(sicily, 0),          RING(sardinia, 0),      RING(corsica, 0),           RING(crete, 0),
    RING(cyprus, 0),          RING(black_sea, 1),     RING(caspian_sea, 1),       RING(lake_superior, 1),
    RING(lake_michigan_huron, 1), RING(lakes_erie_ontario, 1), RING(lake_victoria, 1),
};

// ---- drawing ------------------------------------------------------------------------------

static unsigned char picture[map_h][map_w][3];
static unsigned char is_land[map_h][map_w];     // the coasts' scratch

static void set_px(int x, int y, colour c)
{
    if (x < 0 || x >= map_w || y < 0 || y >= map_h) return;
    picture[y][x][0] = (unsigned char)c.r;
    picture[y][x][1] = (unsigned char)c.g;
    picture[y][x][2] = (unsigned char)c.b;
}

// Mixes c over the pixel by a weight 0..1.
static void blend_px(int x, int y, colour c, float a)
{
    if (x < 0 || x >= map_w || y < 0 || y >= map_h) return;
    unsigned char* p = picture[y][x];
    colour m = {(int)(p[0] + (c.r - p[0]) * a), (int)(p[1] + (c.g - p[1]) * a), (int)(p[2] + (c.b - p[2]) * a)};
    set_px(x, y, m);
}

// Pixel centres inside the ring (even-odd), on the map part of the picture only.
static void fill_ring(const outline& o, colour c)
{
    std::vector<float> px(o.count), py(o.count);
    for (int k = 0; k < o.count; k++) world_map_point(o.pts[k].lat, o.pts[k].lon, &px[k], &py[k]);
    for (int y = (int)world_map_bottom; y < map_h; y++) {
        float yc = y + 0.5f;
        std::vector<float> cross;
        for (int k = 0; k < o.count; k++) {
            int n = (k + 1) % o.count;
            if ((py[k] <= yc) == (py[n] <= yc)) continue;
            cross.push_back(px[k] + (yc - py[k]) / (py[n] - py[k]) * (px[n] - px[k]));
        }
        std::sort(cross.begin(), cross.end());
        for (size_t k = 0; k + 1 < cross.size(); k += 2)
            for (int x = (int)ceilf(cross[k] - 0.5f); x + 0.5f <= cross[k + 1]; x++) set_px(x, y, c);
    }
}

// The land's edge, a pixel wide, where land meets sea.
static void draw_coasts(void)
{
    for (int y = 0; y < map_h; y++)
        for (int x = 0; x < map_w; x++) {
            const unsigned char* p = picture[y][x];
            is_land[y][x] = p[0] == land_colour.r && p[1] == land_colour.g && p[2] == land_colour.b;
        }
    for (int y = (int)world_map_bottom; y < map_h; y++)
        for (int x = 0; x < map_w; x++) {
            if (!is_land[y][x]) continue;
            int shore = 0;
            for (int d = 0; d < 4; d++) {
                int nx = x + (d == 0) - (d == 1), ny = y + (d == 2) - (d == 3);
                if (nx >= 0 && nx < map_w && ny >= (int)world_map_bottom && ny < map_h && !is_land[ny][nx]) shore = 1;
            }
            if (shore) set_px(x, y, shore_colour);
        }
}

// Meridians and parallels every 30 degrees, the equator a little stronger.
static void draw_graticule(void)
{
    const colour line = {40, 60, 90};
    for (int lon = -150; lon <= 150; lon += 30) {
        float x, y;
        world_map_point(0, (float)lon, &x, &y);
        for (int py = (int)world_map_bottom; py < map_h; py++) blend_px(intround(x), py, line, 0.3f);
    }
    for (int lat = -30; lat <= 60; lat += 30) {
        float x, y;
        world_map_point((float)lat, 0, &x, &y);
        for (int px = 0; px < map_w; px++) blend_px(px, intround(y), line, lat == 0 ? 0.45f : 0.3f);
    }
}

// The library's font, drawn the way the windows draw their labels.
static void draw_text(std::vector<unsigned char>& rgb, int x, int y, const char* text)
{
    memset(rgb_array, 0, sizeof rgb_array);
    OGL_assigncolor(1, 1, 1, 1);
    OGL_string(1, (float)x, (float)y, text, 800, 6);
    for (int r = 0; r < map_h; r++)
        for (int c = 0; c < map_w; c++)
            if (rgb_array[(r * 800 + c) * 3]) {
                unsigned char* p = &rgb[((size_t)r * map_w + c) * 3];
                p[0] = p[1] = p[2] = 51;
            }
}

static std::string degrees(int v, char plus, char minus)
{
    char s[16];
    if (v == 0 || v == 180 || v == -180) snprintf(s, sizeof s, "%d", v < 0 ? -v : v);
    else snprintf(s, sizeof s, "%d%c", v < 0 ? -v : v, v < 0 ? minus : plus);
    return s;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_14_world_map PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';

    for (int y = 0; y < map_h; y++)
        for (int x = 0; x < map_w; x++) set_px(x, y, y < (int)world_map_bottom ? strip : sea_colour);
    for (const outline& o : outlines)
        if (!o.water) fill_ring(o, land_colour);
    for (const outline& o : outlines)
        if (o.water) fill_ring(o, lake);
    draw_coasts();
    draw_graticule();
    // The strip's top edge.
    for (int x = 0; x < map_w; x++) set_px(x, (int)world_map_bottom - 1, {102, 102, 102});

    std::vector<unsigned char> rgb((size_t)map_w * map_h * 3);
    memcpy(rgb.data(), picture, rgb.size());
    to_array = 1;
    // Each meridian's longitude under it; each parallel's latitude at the map's left edge.
    for (int lon = -180; lon <= 180; lon += 30) {
        float x, y;
        world_map_point(0, (float)lon, &x, &y);
        std::string s = degrees(lon, 'E', 'W');
        int w = 6 * (int)s.size() - 1;
        int tx = intlim(intround(x) - w / 2, 1, map_w - w - 1);
        draw_text(rgb, tx, 38, s.c_str());
    }
    for (int lat = -30; lat <= 60; lat += 30) {
        float x, y;
        world_map_point((float)lat, 0, &x, &y);
        draw_text(rgb, 3, intround(y) + 3, degrees(lat, 'N', 'S').c_str());
    }
    const char* hint = "Click on the map to start the flight at an airport near that point.";
    draw_text(rgb, (map_w - 6 * (int)strlen(hint)) / 2, 16, hint);

    std::string path = folder + "bitmaps/VolSim/loc_wrl.BMP";
    if (!write_bmp(path.c_str(), rgb.data(), map_w, map_h, map_w)) {
        fprintf(stderr, "gen_14_world_map: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
