// The scenery region.
//
// Sections: the region's records, the stand-in loader.
#include "Genwrld.h"

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initnav.h"

#include <cmath>
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
int ndb_to_index[local_list_max];

int obj_type[obj_slots];
int obj_poltyp[obj_slots][obj_elements];
int obj_texrgb[obj_slots][obj_elements];
float obj_xyz[obj_slots][obj_elements][4][3];
float obj_nrml[obj_slots][obj_elements][3];
int obj_inrange[obj_slots];

int rwy_geo_ind[world_rwy_max];
int rwy_geo = -1;

// ---- the stand-in loader --------------------------------------------------

// This is the stand-in until the region loader is built: the region's frame,
// edges and lists as the loader leaves them, over flat land at the chosen
// airport's height, with no squares read, no objects, no water and no ships
// in it, and no menu bar built.

// Squares of 59 cells west to east and 79 south to north; the south-west
// vertex of each of the six squares anchors the x of its square.
static const int square_cells_x = 59;
static const int square_cells_z = 79;

static float lon_degree(float lat) { return cosf(lat * con.degtorad) * 60 * con.nmtomtrs; }

static int in_region(float lat, float lon)
{
    return lat >= env.reg_lat && lat <= env.reg_lat + 2 && lon >= env.reg_lon && lon <= env.reg_lon + 3;
}

// The full load's frame: the south-west corner at x = 0, z = 0.
static void set_region_edges(void)
{
    env.reg_west_x = 0;
    env.reg_south_z = 0;
    env.reg_east_x = env.reg_west_x + cosf(env.reg_lat * con.degtorad) * 180 * con.nmtomtrs;
    env.reg_north_z = env.reg_south_z - 120 * con.nmtomtrs;
    env.reg_width = env.reg_east_x - env.reg_west_x;
    env.reg_depth = env.reg_south_z - env.reg_north_z;
    // The chart shows the region's depth as 494 units.
    con.mtrtonrt = 494 / env.reg_depth;
    con.nrttomtr = 1 / con.mtrtonrt;

    float west = env.reg_west_x, step = lon_degree((float)env.reg_lat);
    for (int c = 0; c < 3; c++)
        for (int r = 0; r < 2; r++) planexyz[square_cells_x * c][square_cells_z * r][0] = west + c * step;
}

static void clear_cells_and_objects(void)
{
    memset(planest, 0, sizeof planest);
    memset(planetex, 0, sizeof planetex);
    memset(is_water, 0, sizeof is_water);
    memset(city_on_poly, 0, sizeof city_on_poly);
    memset(tree_on_poly, 0, sizeof tree_on_poly);
    memset(offp_on_poly, 0, sizeof offp_on_poly);
    memset(oilr_on_poly, 0, sizeof oilr_on_poly);
    memset(city_xyz, 0, sizeof city_xyz);
    memset(tree_xyz, 0, sizeof tree_xyz);
    memset(obj_type, 0, sizeof obj_type);
    memset(obj_poltyp, 0, sizeof obj_poltyp);
    memset(obj_texrgb, 0, sizeof obj_texrgb);
    memset(obj_xyz, 0, sizeof obj_xyz);
    memset(obj_nrml, 0, sizeof obj_nrml);
}

// The region's airports and navaids in database order. An airport is where
// its first runway is; one without runways is in no region.
static void list_local_places(void)
{
    apt_lcl_max = -1;
    for (int a = 0; a <= apt_wrl_max && a < world_apt_max; a++) {
        apt_inreg[a] = apt_has_runway(a) && in_region(rwy_lat[apt_lo_ind[a]], rwy_lon[apt_lo_ind[a]]);
        if (apt_inreg[a] && apt_lcl_max < local_list_max - 1) apt_to_index[++apt_lcl_max] = a;
    }
    // A region without airports reports one, entry 0 as it was.
    if (apt_lcl_max < 0) apt_lcl_max = 0;

    int vors = 0, ndbs = 0;
    for (int n = 0; n <= nav_wrl_max && n < world_nav_max; n++) {
        nav_inreg[n] = in_region(nav_lat[n], nav_lon[n]);
        if (!nav_inreg[n]) continue;
        if (nav_type[n] == navaid_vor && vors < local_list_max) vor_to_index[vors++] = n;
        if (nav_type[n] == navaid_ndb && ndbs < local_list_max) ndb_to_index[ndbs++] = n;
    }
}

// Every runway of every local airport gets the next geometry slot, in list
// order; the loader sets the slot's light kinds and taxiway first.
static void hand_out_runway_slots(void)
{
    // Runways outside the region, or past the last slot, have none; a region
    // without airports keeps a stale entry 0 in its list, whose runways so
    // point nowhere.
    for (int r = 0; r <= rwy_wrl_max && r < world_rwy_max; r++) rwy_geo_ind[r] = -1;
    rwy_geo = -1;
    int told = 0;
    for (int l = 0; l <= apt_lcl_max; l++) {
        int a = apt_to_index[l];
        if (!apt_inreg[a]) continue;
        int has_pad = 0;
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) has_pad |= rwy_num[r] == 99;
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) {
            if (rwy_geo + 1 >= geo_slots) {
                if (!told) MACIBM_alert("Too many runways in the region!", "", "", "", alert_notice);
                told = 1;
                continue;
            }
            int slot = rwy_geo_ind[r] = ++rwy_geo;
            code_to_lgts(&geo_type[slot], geo_litgls[slot], geo_litrwy[slot], geo_litapp[slot], rwy_code[r]);
            float sq_ft = rwy_len[r] * con.mtrstoft * rwy_width[r] * con.mtrstoft;
            geo_tway[slot] = !has_pad && rwy_num[r] != 99 && sq_ft > 250000 &&
                             (geo_type[slot] == 62 || geo_type[slot] == 63);
            setuprunway(a, r, slot);
        }
    }
}

void load_region(int mode)
{
    if (mode != 1) return;
    set_region_edges();
    clear_cells_and_objects();
    // Far outside any region, so that nothing moves or draws them.
    for (int s = 0; s < 2; s++) {
        env.ship_x[s] = -9.9e9f;
        env.ship_z[s] = -9.9e9f;
        env.ship_hdg[s] = 0;
    }
    list_local_places();
    hand_out_runway_slots();
    for (int q = 0; q < 6; q++) read_quadrant(env.reg_lat + q / 3, env.reg_lon + q % 3, q);
    env.elev_min = env.elev_max = 0;
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            env.elev_min = fminf(env.elev_min, planexyz[i][j][1]);
            env.elev_max = fmaxf(env.elev_max, planexyz[i][j][1]);
        }
    for (int si = 0; si < 5; si++)
        for (int sj = 0; sj < 4; sj++) fill_a_sector_with_ocast(si, sj);
}
