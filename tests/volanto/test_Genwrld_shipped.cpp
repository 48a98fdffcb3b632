// The shipped region at KSBD as one golden text: the region's corner and
// edges, its local lists, every runway slot, KSBD's runway menu, and per
// quadrant what the square made of it (heights to the metre, water, city,
// tree, platform and rig cells, custom texture names), the objects by kind,
// fire and ships. Seeded, so a change to the shipped squares, the reader or
// the loader shows here as a readable difference.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

static std::string line(const char* format, ...) __attribute__((format(printf, 1, 2)));
static std::string line(const char* format, ...)
{
    char buf[400];
    va_list args;
    va_start(args, format);
    vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    return std::string(buf) + "\n";
}

// What one quadrant holds, in integers so that every build counts the same.
static std::string quadrant_text(int q)
{
    const int i0 = 59 * (q % 3), j0 = 79 * (q / 3);
    long long height_sum = 0;
    int lowest = 1 << 30, highest = -(1 << 30), water = 0, city = 0, tree = 0, platform = 0, rig = 0, custom = 0;
    for (int c = 0; c <= 59; c++)
        for (int r = 0; r <= 79; r++) {
            int h = intround(planexyz[i0 + c][j0 + r][1]);
            height_sum += h;
            lowest = intmin2(lowest, h);
            highest = intmax2(highest, h);
            offp_on_poly[i0 + c][j0 + r] ? platform++ : 0;
            oilr_on_poly[i0 + c][j0 + r] ? rig++ : 0;
            if (c == 59 || r == 79) continue;
            water += is_water[i0 + c][j0 + r];
            city += city_on_poly[i0 + c][j0 + r];
            tree += tree_on_poly[i0 + c][j0 + r];
            custom += planetex[i0 + c][j0 + r] >= 2000;
        }
    std::string t = line("quadrant %d: square %+d %+d, base %d", q, quad_tex[q].lat, quad_tex[q].lon, quad_tex[q].base);
    t += line("  heights %d..%d m, sum %lld", lowest, highest, height_sum);
    t += line("  cells: water %d, city %d, trees %d, custom %d; platforms %d, rigs %d", water, city, tree, custom,
              platform, rig);
    for (int k = 0; k < square_textures; k++)
        if (quad_tex[q].name[k][0]) t += line("  texture %d: %s", k, quad_tex[q].name[k]);
    return t;
}

// The items of one menu, each quoted, in item order.
static std::string menu_labels(int menu)
{
    std::string t;
    for (int k = 0; k < items_per_menu; k++)
        if (mnw.item_name[menu * items_per_menu + k][0]) t += std::string(" \"") + mnw.item_name[menu * items_per_menu + k] + "\"";
    return t;
}

TEST(ShippedRegionAtKsbd, MatchesItsGoldenText)
{
    reset_suite_state();
    set_loader_paths();
    initing = 0;
    ogl_ready = 0;
    load_world_databases();
    int sbd = -1;
    for (int a = 0; a <= apt_wrl_max; a++)
        if (strncmp(apt_id[a], "KSBD", 4) == 0) sbd = a;
    ASSERT_GE(sbd, 0);
    msc.apt_sel = sbd;
    env.reg_lat = intround(rwy_lat[apt_lo_ind[sbd]] - 1.0f);
    env.reg_lon = intround(rwy_lon[apt_lo_ind[sbd]] - 1.5f);
    rnd15_seed(26);
    err.open("Error.out", std::ios::out | std::ios::trunc);
    load_region(1);
    err.close();
    EXPECT_EQ(error_out(), "");

    std::string t = line("corner %d %d; east %.0f m, north %.0f m; heights %.0f..%.0f m", env.reg_lat, env.reg_lon,
                         env.reg_east_x, env.reg_north_z, env.elev_min, env.elev_max);
    t += "airports:";
    for (int l = 0; l <= apt_lcl_max; l++) t += std::string(" ") + apt_id[apt_to_index[l]];
    t += "\n";

    t += "runway slots (airport, runway, surface, taxiways, lights and approach per end, edge intervals):\n";
    for (int l = 0; l <= apt_lcl_max; l++) {
        int a = apt_to_index[l];
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a]; r++) {
            int s = rwy_geo_ind[r];
            if (s < 0) {
                t += line("  %-4.4s %02d%c: no slot", apt_id[a], rwy_num[r], rwy_lcr[r]);
                continue;
            }
            t += line("  %3d %-4.4s %02d%c: %d %d  %d/%d %d/%d %d/%d  %d", s, apt_id[a], rwy_num[r], rwy_lcr[r],
                      geo_type[s], geo_tway[s], geo_litrwy[s][0], geo_litrwy[s][1], geo_litapp[s][0],
                      geo_litapp[s][1], geo_litgls[s][0], geo_litgls[s][1], geo_rmax1[s]);
        }
    }
    t += "takeoff menus:\n";
    for (int l = 0; l <= apt_lcl_max; l++) {
        t += line("  %-4.4s", apt_id[apt_to_index[l]]);
        t.pop_back();
        t += menu_labels(20 + l) + "\n";
    }
    // Item 100 m + k of the VOR (10) and NDB (11) menus is list entry k.
    const struct { const char* title; int menu; const int* to_index; } navaid_menus[] = {
        {"VORs", 10, vor_to_index}, {"NDBs", 11, ndb_to_index}};
    for (const auto& m : navaid_menus) {
        t += std::string(m.title) + ":\n";
        for (int k = 0; k < local_list_max; k++) {
            const char* name = mnw.item_name[m.menu * items_per_menu + k];
            if (!name[0]) continue;
            const int n = m.to_index[k];
            t += line("  %d \"%s\" %-4.4s %d", m.menu * items_per_menu + k, name, nav_id[n], nav_frq[n]);
        }
    }

    for (int q = 0; q < 6; q++) t += quadrant_text(q);

    std::map<int, int> kinds;
    for (int o = 0; o < obj_slots; o++)
        if (obj_type[o]) kinds[obj_type[o]]++;
    t += "objects by stored type:";
    for (const auto& k : kinds) t += " " + std::to_string(k.first) + " x " + std::to_string(k.second);
    t += "\n";
    t += scn.fires_on ? line("fire at %.0f %.0f", scn.fire_xyz[0][0], scn.fire_xyz[0][2]) : "no fire\n";
    for (int s = 0; s < 2; s++) t += line("ship %d at %.0f %.0f", s, env.ship_x[s], env.ship_z[s]);

    EXPECT_EQ(golden_diff("region_ksbd.txt", t), "");
}
