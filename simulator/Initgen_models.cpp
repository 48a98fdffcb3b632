// The ship and platform models of start-up: the carrier, the frigate, the
// offshore platform and the oil rig as tables of pairs and boxes, stored into
// the model arrays once by init_gen (frames and box corners in Initgen.h).
//   ---- tables: carrier, frigate, offshore platform, oil rig
//   ---- building
#include "Initgen.h"

#include <iterator>

float carr_pxyz[carr_pairs][2][3];
float carr_lxyz[carr_lights][3];
float frig_pxyz[frig_pairs][2][3];
float offp_pxyz[offp_pairs][2][3];
float oilr_pxyz[oilr_pairs][2][3];

// A pair as tabulated: the lower point, then the upper point.
struct model_pair {
    float lx, ly, lz, ux, uy, uz;
};

// A box about (x, z): half-widths at the bottom height y0, then at the top height y1.
struct model_box {
    float x, z, hx0, hz0, y0, hx1, hz1, y1;
};

// ---- tables ------------------------------------------------------------------

// Carrier pairs 0-6: the hull's sides, a heptagon at y -10 below the
// waterline flaring out to y 10; 7-13: the flare up to the deck at y 18.
static const model_pair carr_hull[14] = {
    {-8, -10, 140, -9, 10, 155},   {-16, -10, 100, -18, 10, 100}, {-16, -10, -60, -18, 10, -62},
    {0, -10, -140, 0, 10, -150},   {16, -10, -60, 18, 10, -62},   {16, -10, 100, 18, 10, 100},
    {8, -10, 140, 9, 10, 155},
    {-9, 10, 155, -12, 18, 158},   {-18, 10, 100, -19, 18, 110},  {-18, 10, -62, -19, 18, -56},
    {0, 10, -150, 0, 18, -152},    {18, 10, -62, 19, 18, -62},    {18, 10, 100, 19, 18, 100},
    {9, 10, 155, 12, 18, 158},
};

// Carrier pairs 14-25: the flight-deck slab from y 18 to 21 around the deck
// outline: the main deck with the port and starboard sponsons.
static const float carr_deck[12][2] = {
    {-19, 160}, {-19, 112}, {-35, 80}, {-35, -51}, {-19, -56}, {-15, -154},
    {15, -154}, {20, -62},  {36, -39}, {36, 98},   {19, 98},   {20, 154},
};

// Carrier pairs 26-45: the island on the starboard sponson, four stacked
// levels, then the mast base.
static const model_box carr_island[5] = {
    {30, 40, 4, 14, 21, 4, 14, 29},
    {30, 39, 3.5f, 11, 29, 3.5f, 11, 33},
    {30, 37, 3.5f, 8, 33, 3.5f, 8, 43},
    {30, 36, 3, 5, 43, 3, 5, 45},
    {30, 36, 1.5f, 1.5f, 45, 1, 1, 50},
};

// Carrier pairs 46-51: masts and yards, each pair one line.
static const model_pair carr_masts[6] = {
    {30, 50, 36, 30, 66, 36}, {26, 60, 36, 34, 60, 36}, {27, 56, 36, 33, 56, 36},
    {30, 43, 44, 30, 54, 44}, {30, 43, 30, 30, 52, 30}, {28, 50, 30, 32, 50, 30},
};

// Carrier deck lights: rows evenly spaced from their first point toward
// their end point, the step a row's length over its count, all at y 21.
struct light_row {
    int first, last;
    float x0, z0, x1, z1;
};
static const light_row carr_light_rows[3] = {
    {0, 19, -10.5f, 158.73f, -35, -46},
    {20, 40, 1.25f, 156.835f, -26.695f, -58.5f},   // the angled deck's centre line
    {41, 62, 13, 154.94f, -18.39f, -71},
};

// Frigate pairs 0-12: the hull ring from the port side of the stern round
// the bow to the starboard side; main deck at y 8, the aft flight deck at
// y 7 from z 40 to 70, the quarterdeck below it.
static const model_pair frig_hull[13] = {
    {-12, -6, 82, -12, 6, 84}, {-15, -6, 70, -15, 7, 70},  {-15, -6, 40, -15, 7, 40},
    {-15, -6, 38, -15, 8, 38}, {-14, -6, -40, -15, 8, -40}, {-8, -6, -80, -10, 9, -85},
    {0, -5, -92, 0, 10, -100},
    {8, -6, -80, 10, 9, -85},  {14, -6, -40, 15, 8, -40},  {15, -6, 38, 15, 8, 38},
    {15, -6, 40, 15, 7, 40},   {15, -6, 70, 15, 7, 70},    {12, -6, 82, 12, 6, 84},
};

// Frigate pairs 13-40: the superstructure, hangar to radar mast base; the
// last two are a gun mount and the mast base.
static const model_box frig_boxes[7] = {
    {0, 27, 10, 11, 8, 10, 11, 16},     // hangar, forward of the flight deck
    {0, 4, 9, 12, 8, 9, 12, 18},        // deckhouse
    {0, -16, 8, 8, 8, 8, 8, 22},        // bridge block
    {0, -15, 7, 5, 22, 7, 5, 28},       // bridge
    {0, 6, 3, 4, 18, 2.5f, 3.5f, 26},   // funnel
    {0, -60, 3, 3, 8, 2, 2, 11},        // gun mount
    {0, -4, 2, 2, 18, 1, 1, 28},        // mast base; the mast above it reaches y 50
};

// Offshore platform pairs 4-7: the deck block, wider at the far end from
// the helideck.
static const model_pair offp_block[4] = {
    {-5, 45, 75, -5, 54, 75}, {-40, 45, -40, -40, 54, -40}, {40, 45, -40, 40, 54, -40}, {5, 45, 75, 5, 54, 75},
};

// Offshore platform pairs 0-3, 8-11 and 12-15: the helideck slab, the module
// on the deck block and the flare tower on the module.
static const model_box offp_helideck = {0, 65, 11, 11, 55, 12, 12, 56};
static const model_box offp_module = {0, 0, 21, 21, 54, 19, 19, 61};
static const model_box offp_flare = {0, 0, 1, 1, 61, 1, 1, 165};

// Oil rig boxes, four pairs each: half-widths, bottom and top, centre, and
// the scale of the half-widths at the bottom and at the top. Box 5 is the
// helideck.
struct rig_box {
    float hx, hz, y0, y1, x, z, s0, s1;
};
static const rig_box oilr_boxes[25] = {
    {50, 50, 95, 110, 0, 0, 1, 1},       {70, 70, 55, 65, 0, 0, 1, 1},
    {70, 70, 85, 95, 0, 0, 1, 1},        {58, 58, 105, 106, 0, 0, 1, 1},
    {2, 2, 0, 210, 0, 0, 1, 1},          {14, 14, 95, 97, 0, 90, 0.95f, 1},
    {5, 5, 110, 120, 35, 35, 1, 0.75f},  {5, 5, 112, 122, 35, 5, 1, 0.75f},
    {10, 10, 110, 135, -35, 35, 1, 1},   {12, 30, 110, 112, 35, -5, 1, 1},
    {9, 9, 110, 125, 35, -35, 1, 1},     {14, 14, 110, 130, -35, -35, 1, 1},
    {15, 15, 120, 121, -35, 35, 1, 1},   {15, 15, 130, 131, -35, 35, 1, 1},
    {1.5f, 28, 90, 96, -10, 76, 1, 1},   {1.5f, 28, 90, 96, 10, 76, 1, 1},
    {58, 58, 100, 101, 0, 0, 1, 1},      {10, 10, 110, 123, 0, 35, 1, 1},
    {12, 12, 115, 116, 0, 35, 1, 1},     {12, 12, 120, 121, 0, 35, 1, 1},
    {65, 65, 70, 71, 0, 0, 1, 1},        {65, 65, 78, 79, 0, 0, 1, 1},
    {5, 5, 110, 120, -35, 0, 1, 0.75f},  {20, 60, 65, 85, -30, 0, 1, 1},
    {20, 60, 65, 85, 30, 0, 1, 1},
};

static_assert(std::size(carr_hull) + std::size(carr_deck) + 4 * std::size(carr_island) + std::size(carr_masts) ==
                  carr_pairs,
              "the carrier's tables fill its pairs");
static_assert(std::size(frig_hull) + 4 * std::size(frig_boxes) == frig_pairs, "the frigate's tables fill its pairs");
static_assert(4 * std::size(oilr_boxes) == oilr_pairs, "the oil rig's boxes fill its pairs");

// ---- building ----------------------------------------------------------------

static void load_pair(const model_pair& p, float pair[2][3])
{
    load_geo(p.lx, p.ly, p.lz, pair[0]);
    load_geo(p.ux, p.uy, p.uz, pair[1]);
}

// Four pairs from pairs[0], in the box corner order.
static void load_box(const model_box& b, float pairs[][2][3])
{
    static const float sx[4] = {-1, -1, 1, 1};
    static const float sz[4] = {1, -1, -1, 1};
    for (int c = 0; c < 4; c++) {
        load_geo(b.x + sx[c] * b.hx0, b.y0, b.z + sz[c] * b.hz0, pairs[c][0]);
        load_geo(b.x + sx[c] * b.hx1, b.y1, b.z + sz[c] * b.hz1, pairs[c][1]);
    }
}

static void build_carrier(void)
{
    int n = 0;
    for (const model_pair& p : carr_hull) load_pair(p, carr_pxyz[n++]);
    for (const auto& d : carr_deck) {
        load_geo(d[0], 18, d[1], carr_pxyz[n][0]);
        load_geo(d[0], 21, d[1], carr_pxyz[n][1]);
        n++;
    }
    for (const model_box& b : carr_island) {
        load_box(b, &carr_pxyz[n]);
        n += 4;
    }
    for (const model_pair& p : carr_masts) load_pair(p, carr_pxyz[n++]);

    for (const light_row& r : carr_light_rows) {
        float count = (float)(r.last - r.first + 1);
        for (int i = r.first; i <= r.last; i++) {
            float f = (float)(i - r.first) / count;
            load_geo(r.x0 + (r.x1 - r.x0) * f, 21, r.z0 + (r.z1 - r.z0) * f, carr_lxyz[i]);
        }
    }
    // The landing aid beside the port deck edge: the meatball between three
    // datum lights each side, raised above the deck.
    for (int i = 63; i < carr_lights; i++)
        load_geo(-35.0f + 1.5f * (float)(i - carr_light_meatball), 23, 76, carr_lxyz[i]);
}

static void build_frigate(void)
{
    int n = 0;
    for (const model_pair& p : frig_hull) load_pair(p, frig_pxyz[n++]);
    for (const model_box& b : frig_boxes) {
        load_box(b, &frig_pxyz[n]);
        n += 4;
    }
}

static void build_offshore_platform(void)
{
    load_box(offp_helideck, &offp_pxyz[0]);
    for (int k = 0; k < 4; k++) load_pair(offp_block[k], offp_pxyz[4 + k]);
    load_box(offp_module, &offp_pxyz[8]);
    load_box(offp_flare, &offp_pxyz[12]);
}

static void build_oil_rig(void)
{
    for (int k = 0; k < (int)std::size(oilr_boxes); k++) {
        const rig_box& r = oilr_boxes[k];
        model_box b = {r.x, r.z, r.hx * r.s0, r.hz * r.s0, r.y0, r.hx * r.s1, r.hz * r.s1, r.y1};
        load_box(b, &oilr_pxyz[4 * k]);
    }
}

void build_ship_models(void)
{
    build_carrier();
    build_frigate();
    build_offshore_platform();
    build_oil_rig();
}
