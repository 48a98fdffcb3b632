// The texture table: the scene's fixed texture ids filled from the shared
// textures folder, and reloaded when what shapes them changes: an aircraft
// file, the texture resolution, the season, snow or the climate band.
#include "Startscn.h"
#include "Fltutil.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <cmath>
#include <cstring>

const int res_none = -99;            // the remembered resolution before the first load
const int flag_none = -1;            // a remembered flag before the first load

const int tree_tex = tex_trees;                  // 141, the season's tree
const int moon_tex = tex_overlay_first + 1;      // 142
const int glow_first = tex_overlay_first + 2;    // 143..148, brightness as alpha

struct named_tex {
    int id;
    const char* name;
};

// The terrain classes first, then their transitions: the order the set loads in.
static const named_tex terrain_set[] = {
    {50, "wat"},       {54, "grs"},       {58, "mnt"},       {51, "grs_wat_h"},
    {52, "grs_wat_c"}, {53, "wat_grs_c"}, {55, "grs_mnt_h"}, {56, "grs_mnt_c"},
    {57, "mnt_grs_c"}, {59, "mnt_wat_h"}, {60, "mnt_wat_c"}, {61, "wat_mnt_c"},
};
static_assert(sizeof terrain_set / sizeof terrain_set[0] == tex_terrain_last - tex_terrain_first + 1,
              "every terrain id has its name");

static const char* const pavement_names[] = {"rway_gras", "rway_dirt", "rway_grav"};
// Both runway sets hold these names; the loader tells asphalt from concrete by id.
const char* const runway_set_names[rway_set_size] = {
    "rway_0L",   "rway_1L",   "rway_2L",   "rway_3L",   "rway_0R",   "rway_1R",   "rway_2R",
    "rway_3R",   "rway_4R",   "rway_5R",   "rway_6R",   "rway_7R",   "rway_8R",   "rway_9R",
    "rway_L",    "rway_C",    "rway_R",    "rway_turn", "rway_pave", "rway_disp", "rway_thld",
    "rway_tdz1", "rway_tdz2", "rway_tdz3", "rway_fdmk", "rway_lins", "rway_lint", "rway_linc"};
static const char* const building_names[] = {"bld_block", "bld_nartop", "bld_tapered",
                                             "bld_narbot", "bld_avon",   "bld_contow"};
static const char* const surface_names[] = {"tire",  "metal",    "deck",     "dirty", "pad",    "tower",
                                            "hull",  "redwhite", "windsock", "pylon", "markers"};
static const char* const moon_names[] = {"moon"};
static const char* const glow_names[] = {"pdisc", "cloud", "bsnow", "wake1", "wake2", "smoke"};
static const char* const fire_names[] = {"fire1", "fire2", "fire3", "fire4",  "fire5",  "fire6",
                                         "fire7", "fire8", "fire9", "fire10", "fire11", "fire12"};

// A run of consecutive ids loaded in one mode.
struct tex_group {
    int first;
    int count;
    const char* const* names;
    int mode;
};

template <int count>
static constexpr tex_group group(int first, const char* const (&names)[count], int mode)
{
    return {first, count, names, mode};
}

// What only the resolution shapes: the rest of the table, in id order.
static const tex_group resolution_set[] = {
    group(tex_grass, pavement_names, bmp_keyed),
    group(tex_asphalt_first, runway_set_names, bmp_opaque),
    group(tex_concrete_first, runway_set_names, bmp_opaque),
    group(tex_buildings_first, building_names, bmp_opaque),
    group(tex_surfaces_first, surface_names, bmp_opaque),
    group(moon_tex, moon_names, bmp_keyed),
    group(glow_first, glow_names, bmp_glow),
    group(tex_fire_first, fire_names, bmp_keyed),
};

static_assert(tex_dirt == tex_grass + 1 && tex_gravel == tex_grass + 2, "the pavements run on");
static_assert(tex_asphalt_last - tex_asphalt_first + 1 == sizeof runway_set_names / sizeof runway_set_names[0] &&
                  tex_concrete_last - tex_concrete_first + 1 == sizeof runway_set_names / sizeof runway_set_names[0],
              "each runway set holds every runway name");
static_assert(tex_buildings_last - tex_buildings_first + 1 == sizeof building_names / sizeof building_names[0],
              "every building id has its name");
static_assert(tex_surfaces_last - tex_surfaces_first + 1 == sizeof surface_names / sizeof surface_names[0],
              "every surface id has its name");
static_assert(tex_overlay_last - glow_first + 1 == sizeof glow_names / sizeof glow_names[0],
              "the overlays end with the glows");
static_assert(tex_fire_last - tex_fire_first + 1 == sizeof fire_names / sizeof fire_names[0],
              "every fire id has its name");

// What the table was last loaded for, over the whole run.
struct texture_run_state {
    int res = res_none;           // ogl_res
    int winter = flag_none;
    int frost = flag_none;        // below freezing, not at it: the loader's dry winter
    int snow = flag_none;
    int tropics = flag_none;
    char plane_path[2][sizeof pln[0].C_path] = {};
};
static texture_run_state tex_run;

void clear_texture_run_state(void) { tex_run = texture_run_state(); }

static void load_one(int id, const char* name, int mode)
{
    int w = 0, h = 0;
    scene.OGL_texbmp(bmp_shared, id, mode, name, &w, &h);
}

void load_texes(void)
{
    // The conditions under which the loader swaps the terrain names.
    const int winter = atm.sl_temp <= 32;
    const int frost = atm.sl_temp < 32;
    const int snow = atm.precip_level > 1.0f;
    const int tropics = fabsf(flt.lat) < 30;
    const int first = tex_run.res == res_none;
    const int res_changed = ogl_res != tex_run.res;

    // The aircraft: a new file, or a new resolution for its paint. An
    // empty slot has no aircraft to build.
    for (int p = 0; p < 2; p++) {
        const char* path = pln[p].C_path;
        const int new_file = strncmp(path, tex_run.plane_path[p], sizeof tex_run.plane_path[p]) != 0;
        if (path[0] && (new_file || res_changed)) scene.load_plane_geo(1, 0, 0, p);
        if (new_file) memcpy(tex_run.plane_path[p], path, sizeof tex_run.plane_path[p]);
    }

    // The region: in full the first time; later only its own textures,
    // since a full load would move the region's origin under the aircraft.
    if (first) scene.load_region(1);
    else if (res_changed) scene.reload_region_textures();

    // The terrain set and the season's tree. The loader's wet winter starts
    // at freezing, its dry winter only below it, so a dry 32 F has summer
    // ground under a winter tree, and both edges count.
    const int season_changed = winter != tex_run.winter || (winter && snow != tex_run.snow) ||
                               (!snow && frost != tex_run.frost);
    if (res_changed || season_changed || tropics != tex_run.tropics) {
        for (const named_tex& t : terrain_set) load_one(t.id, t.name, bmp_terrain);
        load_one(tree_tex, winter ? "tree_winter" : "tree_sumer", bmp_keyed);
    }

    // The rest of the table, which only the resolution shapes.
    if (res_changed)
        for (const tex_group& g : resolution_set)
            for (int k = 0; k < g.count; k++) load_one(g.first + k, g.names[k], g.mode);

    // What the table now holds; the aircraft paths are kept above.
    tex_run.res = ogl_res;
    tex_run.winter = winter;
    tex_run.frost = frost;
    tex_run.snow = snow;
    tex_run.tropics = tropics;
}
