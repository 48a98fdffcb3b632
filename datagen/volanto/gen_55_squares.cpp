// Writes the shipped scenery squares, every square from 32 to 35 N and 121
// to 115 W, into "additional nav data/" of the program folder under their
// 10-degree band folders, and the dry lake beds' texture into "additional
// nav data/custom terrain textures/". "DATA/" is left empty.
//
// A square file: 'i', int32 version 4; 80 rows south to north of 60 vertex
// records west to east, {float lat, float lon, float elevation m, int32
// terrain code}; object records, int32 type then for types 1 to 6 float lat,
// lon, height ft and two int32 0, for type 8 float lat, lon, heading and
// char[40] object name, until a type 99; 100 custom terrain texture names of
// char[40]. Little-endian throughout.
//
// The squares are laid out on one grid over the whole area, so that the
// edge a square shares with its neighbour has the same heights in both. The
// ground comes from socal_terrain.h: sea and lakes, the plains and ranges
// with seeded relief, then the coast's slope, the dry lake beds laid flat,
// and the airports of socal_airports.h: within 3 km of one the ground
// stands at its elevation, blending back into the land by 12 km, so that
// the flattening under the runways leaves no cliff. Land stands at least a
// metre above the water beside it.
//
// Sections: grid, ground, objects, writing, dry lake texture, main.
//   usage: gen_55_squares <program folder ending in '/'>
#include "HL_FUNCT.h"
#include "bmp_writer.h"
#include "socal_airports.h"
#include "socal_terrain.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// ---- grid ------------------------------------------------------------------

const int first_lat = 32, last_lat = 35, first_lon = -121, last_lon = -115;
const int square_rows = 80, square_cols = 60;
const int grid_rows = (last_lat - first_lat + 1) * (square_rows - 1) + 1;
const int grid_cols = (last_lon - first_lon + 1) * (square_cols - 1) + 1;
const int square_version = 4;
const int texture_slots = 100, name_bytes = 40;

// Terrain codes: -(100,000 water + 40,000 plain mapping + texture). Sea is
// texture 50 with the water flag; land 54, which the classifier turns into
// grass or rock; texture 2000 + k is the square's custom slot k.
const int code_water = -140050;
const int code_land = -40054;
static int code_custom(int slot) { return -(42000 + slot); }

const float airport_core_km = 3, airport_blend_km = 12;
const float runway_land_km = 2.2f;   // ground under every cell a runway touches is land
const float coast_slope_km = 3;      // land rises from the shore over this distance
const float ft_to_m = 0.3048f;

enum { dry = 0, sea = 1, salton = 2 };

static float elev[grid_rows][grid_cols];        // m
static unsigned char wet[grid_rows][grid_cols];  // dry, sea or salton
static signed char lake[grid_rows][grid_cols];   // the lake bed of the cell to the north-east, or -1

static double grid_lat(int r) { return first_lat + r / (double)(square_rows - 1); }
static double grid_lon(int c) { return first_lon + c / (double)(square_cols - 1); }

// ---- ground ----------------------------------------------------------------

struct runway_line {
    int airport;
    terrain_point a, b;
};

static std::vector<runway_line> runway_lines;

static void find_runway_lines(void)
{
    for (int k = 0; k < (int)(sizeof airports / sizeof airports[0]); k++)
        for (int n = 0; n < 4 && airports[k].rwy[n].num != 0; n++) {
            const runway_def& r = airports[k].rwy[n];
            double lat, lon;
            runway_line l;
            l.airport = k;
            runway_centre(airports[k], n, &lat, &lon);
            offset_point(lat, lon, true_heading(r), -r.len / 2, 0, &l.a.lat, &l.a.lon);
            offset_point(lat, lon, true_heading(r), r.len / 2, 0, &l.b.lat, &l.b.lon);
            runway_lines.push_back(l);
        }
}

// Distance in km from (lat, lon) to airport k: to its reference point or
// the nearest of its runways.
static double km_to_airport(int k, double lat, double lon)
{
    double e, n;
    km_from(airports[k].lat, airports[k].lon, lat, lon, &e, &n);
    double d = sqrt(e * e + n * n);
    for (const runway_line& l : runway_lines)
        if (l.airport == k) d = fmin(d, km_to_segment(lat, lon, l.a, l.b, nullptr));
    return d;
}

static void lay_water(void)
{
    for (int r = 0; r < grid_rows; r++)
        for (int c = 0; c < grid_cols; c++) {
            double lat = grid_lat(r), lon = grid_lon(c);
            wet[r][c] = in_pacific(lat, lon) ? sea : in_salton_sea(lat, lon) ? salton : dry;
            if (wet[r][c] == dry) continue;
            for (const runway_line& l : runway_lines)
                if (km_to_segment(lat, lon, l.a, l.b, nullptr) < runway_land_km) wet[r][c] = dry;
        }
}

static void lay_lake_beds(void)
{
    for (int r = 0; r < grid_rows; r++)
        for (int c = 0; c < grid_cols; c++) {
            lake[r][c] = -1;
            if (r + 1 < grid_rows && c + 1 < grid_cols && !wet[r][c])
                lake[r][c] = (signed char)lake_bed_at((grid_lat(r) + grid_lat(r + 1)) / 2,
                                                      (grid_lon(c) + grid_lon(c + 1)) / 2);
        }
    // Every corner of a lake bed's cell lies at the bed's height.
    for (int r = 0; r + 1 < grid_rows; r++)
        for (int c = 0; c + 1 < grid_cols; c++)
            if (lake[r][c] >= 0) {
                float h = socal_lake_beds[lake[r][c]].elev;
                elev[r][c] = elev[r + 1][c] = elev[r][c + 1] = elev[r + 1][c + 1] = h;
            }
}

// Distance in km from each vertex to the nearest sea vertex, by two chamfer
// passes over the grid.
static float sea_km[grid_rows][grid_cols];

static void measure_sea_distance(void)
{
    const float unreached = 1e9f, dy = (float)(km_per_deg / (square_rows - 1));
    for (int r = 0; r < grid_rows; r++)
        for (int c = 0; c < grid_cols; c++) sea_km[r][c] = wet[r][c] == sea ? 0 : unreached;
    auto relax = [&](int r, int c, int rr, int cc) {
        if (rr < 0 || rr >= grid_rows || cc < 0 || cc >= grid_cols) return;
        float dx = (float)(km_per_deg / (square_cols - 1) * cos(grid_lat(r) * terrain_pi / 180));
        float step = (float)hypot(dx * (cc - c), dy * (rr - r));
        if (sea_km[rr][cc] + step < sea_km[r][c]) sea_km[r][c] = sea_km[rr][cc] + step;
    };
    for (int r = 0; r < grid_rows; r++)
        for (int c = 0; c < grid_cols; c++) {
            relax(r, c, r - 1, c - 1);
            relax(r, c, r - 1, c);
            relax(r, c, r - 1, c + 1);
            relax(r, c, r, c - 1);
        }
    for (int r = grid_rows - 1; r >= 0; r--)
        for (int c = grid_cols - 1; c >= 0; c--) {
            relax(r, c, r + 1, c + 1);
            relax(r, c, r + 1, c);
            relax(r, c, r + 1, c - 1);
            relax(r, c, r, c + 1);
        }
}

static double smoothstep01(double t)
{
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return t * t * (3 - 2 * t);
}

// Within the core of the nearest airport the ground is that airport's
// elevation; beyond it the airports within blend range pull the land
// towards their elevations, the nearest most, fading out at the range.
static float with_airports(double lat, double lon, float h)
{
    const int n_airports = (int)(sizeof airports / sizeof airports[0]);
    double sum_w = 0, sum_wh = 0, pull = 0;
    double core_d = airport_core_km, core_h = 0;
    int in_core = 0;
    for (int k = 0; k < n_airports; k++) {
        double e, n;
        km_from(airports[k].lat, airports[k].lon, lat, lon, &e, &n);
        if (e * e + n * n > 20.0 * 20.0) continue;   // no runway reaches that far
        double d = km_to_airport(k, lat, lon);
        if (d >= airport_blend_km) continue;
        double a_h = airports[k].elev * ft_to_m;
        // Where two cores overlap, the nearer airport's field wins.
        if (d <= core_d) {
            core_d = d;
            core_h = a_h;
            in_core = 1;
        }
        if (in_core) continue;
        double p = 1 - smoothstep01((d - airport_core_km) / (airport_blend_km - airport_core_km));
        // Near one airport's core the others count for little, so the
        // ground leaves the core without a step.
        double w = p / ((d - airport_core_km + 0.05) * (d - airport_core_km + 0.05));
        sum_w += w;
        sum_wh += w * a_h;
        if (p > pull) pull = p;
    }
    if (in_core) return (float)core_h;
    if (sum_w <= 0) return h;
    return (float)(h + (sum_wh / sum_w - h) * pull);
}

static void lay_heights(void)
{
    for (int r = 0; r < grid_rows; r++)
        for (int c = 0; c < grid_cols; c++) elev[r][c] = relief_height(grid_lat(r), grid_lon(c));
    lay_lake_beds();
    measure_sea_distance();
    for (int r = 0; r < grid_rows; r++)
        for (int c = 0; c < grid_cols; c++) {
            if (wet[r][c] == sea) {
                elev[r][c] = sea_level;
                continue;
            }
            if (wet[r][c] == salton) {
                elev[r][c] = salton_level;
                continue;
            }
            float h = elev[r][c], low = sea_level + 1;
            if (h > low) h = (float)(low + (h - low) * smoothstep01(sea_km[r][c] / coast_slope_km));
            elev[r][c] = with_airports(grid_lat(r), grid_lon(c), h);
        }
    // Land at least a metre above any water beside it.
    for (int r = 0; r < grid_rows; r++)
        for (int c = 0; c < grid_cols; c++) {
            if (wet[r][c]) continue;
            for (int rr = r - 1; rr <= r + 1; rr++)
                for (int cc = c - 1; cc <= c + 1; cc++) {
                    if (rr < 0 || rr >= grid_rows || cc < 0 || cc >= grid_cols || !wet[rr][cc]) continue;
                    float low = (wet[rr][cc] == sea ? sea_level : salton_level) + 1;
                    if (elev[r][c] < low) elev[r][c] = low;
                }
        }
}

static int terrain_code(int r, int c)
{
    if (wet[r][c]) return code_water;
    if (lake[r][c] >= 0) return code_custom(0);
    return code_land;
}

// ---- objects ---------------------------------------------------------------

struct placed_object {
    int type;
    float lat, lon, value;
    std::string name;
};

static std::vector<placed_object> objects;

static void place(int type, double lat, double lon, float value, const char* name)
{
    objects.push_back({type, (float)lat, (float)lon, value, name});
}

// A point d km from (lat, lon) on true bearing b degrees.
static void from_point(double lat, double lon, double b, double d, double* olat, double* olon)
{
    double a = b * terrain_pi / 180;
    *olat = lat + d * cos(a) / km_per_deg;
    *olon = lon + d * sin(a) / (km_per_deg * cos(lat * terrain_pi / 180));
}

// 1 when the grid cell holding (lat, lon) is water, as the reader will see it.
static int in_water(double lat, double lon)
{
    int r = (int)floor((lat - first_lat) * (square_rows - 1)), c = (int)floor((lon - first_lon) * (square_cols - 1));
    return r >= 0 && r < grid_rows && c >= 0 && c < grid_cols && wet[r][c];
}

static void place_objects(void)
{
    for (const terrain_object& o : socal_landmarks) place(o.type, o.lat, o.lon, o.value, o.name);

    // Each city's buildings scattered over its disc, the same every run; a
    // spot in the sea is drawn again.
    for (int k = 0; k < (int)(sizeof socal_cities / sizeof socal_cities[0]); k++) {
        const city_def& t = socal_cities[k];
        for (int b = 0, draw = 0; b < t.buildings && draw < 8 * t.buildings; draw++) {
            double u = (terrain_hash(k, draw, 11) + 1) / 2, v = (terrain_hash(k, draw, 12) + 1) / 2;
            double w = (terrain_hash(k, draw, 13) + 1) / 2, lat, lon;
            from_point(t.lat, t.lon, 360 * u, t.radius * sqrt(v), &lat, &lon);
            if (in_water(lat, lon)) continue;
            place(envrec_building, lat, lon, (float)(40 + (t.tallest - 40) * w * w), "");
            b++;
        }
    }

    // The power line's pylons, evenly along its legs.
    double carry = 0;
    for (size_t k = 0; k + 1 < sizeof socal_pylon_line / sizeof socal_pylon_line[0]; k++) {
        const terrain_point &a = socal_pylon_line[k], &b = socal_pylon_line[k + 1];
        double e, n;
        km_from(a.lat, a.lon, b.lat, b.lon, &e, &n);
        double len = sqrt(e * e + n * n), at = carry;
        for (; at <= len; at += pylon_spacing) {
            double t = at / len;
            place(envrec_pylon, a.lat + (b.lat - a.lat) * t, a.lon + (b.lon - a.lon) * t, pylon_height, "");
        }
        carry = at - len;
    }

    // San Bernardino's own, beside its runway.
    int sbd = airport_index("KSBD");
    if (sbd < 0) return;
    const runway_def& r = airports[sbd].rwy[0];
    double clat, clon;
    runway_centre(airports[sbd], 0, &clat, &clon);
    float hdng = true_heading(r);
    for (const runway_object& o : socal_ksbd_objects) {
        double lat, lon;
        offset_point(clat, clon, hdng, o.along / ft_to_m, o.right / ft_to_m, &lat, &lon);
        float value = o.value;
        if (o.type == envrec_custom) value = fmodf(hdng + o.value, 360);
        place(o.type, lat, lon, value, o.name);
    }
}

// ---- writing ---------------------------------------------------------------

static void put_int(std::vector<unsigned char>& out, int32_t v)
{
    unsigned char b[4];
    put32(b, (unsigned)v);
    out.insert(out.end(), b, b + 4);
}

static void put_float(std::vector<unsigned char>& out, float v)
{
    uint32_t u;
    memcpy(&u, &v, 4);
    put_int(out, (int32_t)u);
}

static void put_name(std::vector<unsigned char>& out, const char* name)
{
    unsigned char b[name_bytes] = {0};
    snprintf((char*)b, name_bytes, "%s", name);
    out.insert(out.end(), b, b + name_bytes);
}

// The bytes of the square at south-west corner (lat, lon).
static std::vector<unsigned char> square_bytes(int lat, int lon)
{
    std::vector<unsigned char> out;
    out.push_back('i');
    put_int(out, square_version);
    const int r0 = (lat - first_lat) * (square_rows - 1), c0 = (lon - first_lon) * (square_cols - 1);
    int lake_cells = 0;
    for (int r = 0; r < square_rows; r++)
        for (int c = 0; c < square_cols; c++) {
            int gr = r0 + r, gc = c0 + c;
            put_float(out, (float)grid_lat(gr));
            put_float(out, (float)grid_lon(gc));
            put_float(out, elev[gr][gc]);
            put_int(out, terrain_code(gr, gc));
            if (r < square_rows - 1 && c < square_cols - 1 && lake[gr][gc] >= 0) lake_cells++;
        }
    for (const placed_object& o : objects) {
        if ((int)floorf(o.lat) != lat || (int)floorf(o.lon) != lon) continue;
        put_int(out, o.type);
        put_float(out, o.lat);
        put_float(out, o.lon);
        put_float(out, o.value);
        if (o.type == envrec_custom) {
            put_name(out, o.name.c_str());
        } else {
            put_int(out, 0);
            put_int(out, 0);
        }
    }
    put_int(out, envrec_end);
    // Slot 0 only where a lake bed uses it: every named slot is a texture to load.
    for (int k = 0; k < texture_slots; k++) put_name(out, k == 0 && lake_cells ? lake_bed_texture : "Untitled");
    return out;
}

static int write_square(const std::string& nav_folder, int lat, int lon)
{
    char name[32];
    return_latlon_str_ENV(lat, lon, name);
    std::string path = nav_folder + name;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::vector<unsigned char> bytes = square_bytes(lat, lon);
    FILE* f = fopen(path.c_str(), "wb");
    int ok = f && fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (f && fclose(f) != 0) ok = 0;
    if (!ok) fprintf(stderr, "gen_55_squares: could not write %s\n", path.c_str());
    return ok;
}

// ---- dry lake texture ------------------------------------------------------

// Pale clay cracked into plates: the cracks are where a pixel lies about as
// near the second-nearest plate centre as the nearest. The centres repeat
// across the edges, so the texture tiles without a seam.
static int write_dry_lake(const std::string& path)
{
    const int size = 256, cells = 8, span = size / cells;
    static unsigned char rgb[size * size * 3];
    float cx[cells][cells], cy[cells][cells];
    for (int i = 0; i < cells; i++)
        for (int j = 0; j < cells; j++) {
            cx[i][j] = (j + 0.5f + 0.8f * terrain_hash(i, j, 21) / 2) * span;
            cy[i][j] = (i + 0.5f + 0.8f * terrain_hash(i, j, 22) / 2) * span;
        }
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            float d1 = 1e9f, d2 = 1e9f, tint = 0;
            int ci = y / span, cj = x / span;
            for (int di = -2; di <= 2; di++)
                for (int dj = -2; dj <= 2; dj++) {
                    int i = ci + di, j = cj + dj;
                    int wi = (i % cells + cells) % cells, wj = (j % cells + cells) % cells;
                    float px = cx[wi][wj] + (j - wj) * span, py = cy[wi][wj] + (i - wi) * span;
                    float d = hypotf(px - x, py - y);
                    if (d < d1) {
                        d2 = d1;
                        d1 = d;
                        tint = terrain_hash(wi, wj, 23);
                    } else if (d < d2) {
                        d2 = d;
                    }
                }
            float edge = d2 - d1;   // 0 on a crack
            float crack = edge < 1.2f ? 1 - edge / 1.2f : 0;
            // Each plate its own shade, a fine grain, and a little darker
            // towards its curled edges.
            float grain = terrain_hash(y, x, 24);
            float rim = edge < 6 ? (6 - edge) / 6 * 0.06f : 0;
            float shade = (1 + 0.035f * tint + 0.025f * grain - rim) * (1 - 0.45f * crack);
            unsigned char* p = rgb + (y * size + x) * 3;
            p[0] = (unsigned char)fminf(255, fmaxf(0, 226 * shade));
            p[1] = (unsigned char)fminf(255, fmaxf(0, 214 * shade));
            p[2] = (unsigned char)fminf(255, fmaxf(0, 192 * shade));
        }
    if (write_bmp(path.c_str(), rgb, size, size, size)) return 1;
    fprintf(stderr, "gen_55_squares: could not write %s\n", path.c_str());
    return 0;
}

// ---- main ------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_55_squares PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    folder += "additional nav data/";

    find_runway_lines();
    lay_water();
    lay_heights();
    place_objects();

    int ok = 1;
    for (int lat = first_lat; lat <= last_lat && ok; lat++)
        for (int lon = first_lon; lon <= last_lon && ok; lon++) ok = write_square(folder, lat, lon);
    if (ok) {
        std::error_code ec;
        std::filesystem::create_directories(folder + "custom terrain textures", ec);
        ok = write_dry_lake(folder + "custom terrain textures/" + lake_bed_texture + ".BMP");
    }
    return ok ? 0 : 1;
}
