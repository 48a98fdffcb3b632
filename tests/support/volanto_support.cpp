// Volanto's part of the tests' reset (the flight's clear functions and the
// simulator's records that tests set up) and its test surroundings.
#include "test_support.h"
#include "volanto_support.h"
#include "Do_graph.h"
#include "Graphnif.h"
#include "Integ.h"
#include "gl_view.h"
#include "HL_GRAPH.h"
#include "host_test.h"
#include "HL_MNW.h"
#include "records.h"
#include "Do_atc.h"
#include "Fltcalc.h"
#include "Windows.h"
#include "Initpln.h"
#include "Startscn.h"
#include "Plane.h"
#include "Drplane.h"
#include "Add-ons.h"
#include "Initnav.h"
#include "Point.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void reset_program_state(void)
{
    clear_flight_state();
    clear_joy_run_state();
    clear_frame_run_state();
    clear_texture_run_state();
    clear_plane_run_state();
    clear_object_buckets();
    clear_fire_run_state();
    clear_sky_run_state();
    clear_camera_run_state();
    clear_terrain_lists();
    clear_wake_run_state();
    clear_night_sky_run_state();
    clear_precip_run_state();
    clear_buildup_run_state();
    clear_events_run_state();
    clear_periodic_run_state();
    clear_panel_run_state();
    clear_menu_run_state();
    clear_map_run_state();
    clear_atc_dialogue_state();
    clear_atc_window_state();
    clear_graph_window_state();
    clear_output_window_state();
    clear_weather_windows_state();
    clear_settings_windows_state();
    memset(&flt, 0, sizeof flt);
    memset(&set, 0, sizeof set);
    memset(&msc, 0, sizeof msc);
    memset(&atm, 0, sizeof atm);
    memset(&env, 0, sizeof env);
    memset(star_xyz, 0, sizeof star_xyz);
    memset(carr_pxyz, 0, sizeof carr_pxyz);
    memset(carr_lxyz, 0, sizeof carr_lxyz);
    memset(frig_pxyz, 0, sizeof frig_pxyz);
    memset(offp_pxyz, 0, sizeof offp_pxyz);
    memset(oilr_pxyz, 0, sizeof oilr_pxyz);
    memset(&nav, 0, sizeof nav);
    memset(&rel, 0, sizeof rel);
    memset(&ott, 0, sizeof ott);
    memset(&pat, 0, sizeof pat);
    memset(&grf, 0, sizeof grf);
    memset(serial_dat, 0, sizeof serial_dat);
    serial_ind = -1;
    ogl_res = 0;
    memset(apt_inreg, 0, sizeof apt_inreg);
    memset(&scn, 0, sizeof scn);
    memset(&fpl, 0, sizeof fpl);
    memset(&atc, 0, sizeof atc);
    memset(nav_inreg, 0, sizeof nav_inreg);
    memset(apt_to_index, 0, sizeof apt_to_index);
    memset(vor_to_index, 0, sizeof vor_to_index);
    memset(ndb_to_index, 0, sizeof ndb_to_index);
    apt_lcl_max = vor_lcl_max = ndb_lcl_max = -1;
    region_loads = 0;
    memset(obj_type, 0, sizeof obj_type);
    memset(obj_poltyp, 0, sizeof obj_poltyp);
    memset(obj_texrgb, 0, sizeof obj_texrgb);
    memset(obj_xyz, 0, sizeof obj_xyz);
    memset(obj_nrml, 0, sizeof obj_nrml);
    memset(obj_inrange, 0, sizeof obj_inrange);
    clear_object_ring_run();
    memset(cloudxyz, 0, sizeof cloudxyz);
    memset(cloudrgb, 0, sizeof cloudrgb);
    for (int& slot : rwy_geo_ind) slot = -1;
    rwy_geo = -1;
    memset(geo_type, 0, sizeof geo_type);
    memset(geo_tway, 0, sizeof geo_tway);
    memset(geo_litrwy, 0, sizeof geo_litrwy);
    memset(geo_litapp, 0, sizeof geo_litapp);
    memset(geo_litgls, 0, sizeof geo_litgls);
    memset(geo_litexyz, 0, sizeof geo_litexyz);
    memset(geo_markxyz, 0, sizeof geo_markxyz);
    memset(geo_sockxyz, 0, sizeof geo_sockxyz);
    memset(geo_rabSxyz, 0, sizeof geo_rabSxyz);
    memset(geo_rabDxyz, 0, sizeof geo_rabDxyz);
    memset(geo_cornxyz, 0, sizeof geo_cornxyz);
}

void set_loader_paths(void)
{
    MACIBM_set_constants();
    snprintf(app_path, path_max, "%s", PROGRAM_DIR);
    snprintf(afl_path, path_max, "%sairfoils/", PROGRAM_DIR);
    snprintf(flp_path, path_max, "%sflaps/", PROGRAM_DIR);
    snprintf(tex_path, path_max, "%stextures/", PROGRAM_DIR);
    snprintf(obj_path, path_max, "%sadditional nav data/custom objects/", PROGRAM_DIR);
    snprintf(otx_path, path_max, "%sadditional nav data/custom object textures/", PROGRAM_DIR);
    snprintf(cus_path, path_max, "%sadditional nav data/custom terrain textures/", PROGRAM_DIR);
    env.reg_lat = 33;
    env.reg_lon = -119;
}

int open_loader_surroundings(void)
{
    ogl_ready = 0;
    if (!err.is_open()) err.open("Error.out", std::ios::out | std::ios::trunc);
    set_loader_paths();
    host_test_audio_no_device(1);
    dispose_sound();
    int opened = init_sound();
    msc.snd_ok = 1;
    if (trk.is_open()) trk.close();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    return opened;
}

void close_loader_surroundings(void)
{
    if (trk.is_open()) trk.close();
    dispose_sound();
}

int stand_cessna_at_ksbd(void)
{
    reset_suite_state();
    set_loader_paths();
    if (!err.is_open()) err.open("Error.out", std::ios::out | std::ios::trunc);
    ogl_ready = 0;
    initing = 0;
    host_test_audio_no_device(1);
    host_test_clock(1000, 0);
    init_gen();
    load_world_databases();
    hard_prefs();
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s%s%s", PROGRAM_DIR, default_plane_folder, default_plane_file);
    snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", default_plane_file);
    if (!load_plane(0)) return 0;
    load_texes();   // the region, as start-up loads it: the first second finds nothing to reload
    set_fltvars(place_runway, place_on_runway);
    return 1;
}

int start_shipped_on_display(int frames)
{
    host_test_clock(0, 50);
    if (host_test_joy_attach() != 0) return 0;
    start_simulator();
    if (gdone || error_out() != "") return 0;
    host_test_push_event({HE_PAINT, 0, 0, 0, 0});
    for (int f = 0; f < frames; f++) MACIBM_event_proc();
    return mnw.topwin == win_main;
}

void start_frame_over_flat_ground(void)
{
    reset_suite_state();
    write_file(std::string(test_scratch_folder()) + "config/XRes 5.prf", "I\n2 version\n1024\n768\n24\n");
    MACIBM_init();
    to_array = 0;
    mnw.x = mnw.y = 0;
    lay_flat_ground();
    region_loads = 1;
    env.reg_lat = 33, env.reg_lon = -119;
    flt.lat = 34, flt.lon = -117.5f;
    flt.pos_x[0] = 5050, flt.pos_y[0] = 100, flt.pos_z[0] = -5050;
    env.ground_h = 100;
    scn.zoom = 1, scn.plane_size = 10;
    msc.dt = 0.05f, msc.time_of_day = 12 * 3600;
    atm.cloud_type = 1, atm.wx_factor = 1, atm.visibility = atm.vis_eff = 5000;
    set.view_id = view_forwards;
    pln[0].HUDtype = 1;
}

void lay_flat_ground(void)
{
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            planexyz[i][j][0] = 100.0f * (float)i;
            planexyz[i][j][1] = 0;
            planexyz[i][j][2] = -100.0f * (float)j;
        }
    env.plane_cell_i = 50;
    env.plane_cell_j = 50;
    flt.pos_x[0] = 5000;
    flt.pos_z[0] = -5000;
}

void give_plane_own_panel(void)
{
    std::string base = std::string(test_scratch_folder()) + "own panel/Plane";
    write_test_bmp(base + " panl.BMP", 800, 582, [](int, int y) { return y >= 340 && y < 560 ? 0xFF00FF : 0x303840; });
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s.acf", base.c_str());
}

void start_panel_window(void)
{
    reset_suite_state();
    MACIBM_init();
    to_array = 0;
    mnw.topwin = win_main;
    mnw.x = mnw.y = 0;
    mnw.XRAT = mnw.YRAT = 1;
    glViewport(0, 0, 800, 600);
    ortho_camera(0, 800, 0, 600, 1, false);
    OGL_setstate(0, 0, 0, 0);
}

void start_panel_picture(void)
{
    reset_suite_state();
    MACIBM_set_constants();
    for (int k = 0; k < 80; k++) OGL_assigncolor(k, (float)(k + 1) / 255.0f, 0, 0);
    memset(rgb_array, 0, sizeof rgb_array);
    to_array = 1;
}

double dial_law(double knots)
{
    const planestruct& a = pln[0];
    double u = a.asi_units == 2 ? knots : knots * 1.1507795;
    double p = a.ASpwr;
    return (pow(u, p) - pow(a.Vmin, p)) * 330 / (pow(a.Vmax, p) - pow(a.Vmin, p));
}

void lay_out_test_piston(int panel, std::function<void(planestruct&)> also)
{
    planestruct& a = pln[0];
    a.paneltype = panel;
    a.radiotype = 1;
    a.AStype = 1;
    a.VVItype = 1;
    a.TStype = 2;
    a.numen = 1;
    a.entype = 1;
    a.asi_units = 2;
    a.Vso = 47, a.Vs = 55, a.Vno = 129, a.Vne = 163;
    for (int slot = 1; slot <= 8; slot++) a.ins_of_loc[slot] = slot;
    if (also) also(a);
    set_panel_layout();
    ins.altim_set = 29.92f;
}

void lay_out_test_turboprop(int tape, int ecam)
{
    planestruct& a = pln[0];
    a.paneltype = 1, a.radiotype = 1, a.AStype = 1, a.VVItype = 1;
    a.Vso = 47, a.Vne = 156;
    for (int slot = 1; slot <= 8; slot++) a.ins_of_loc[slot] = slot;
    a.numen = 1, a.entype = 3;
    a.omegamax = 1350 * con.rpmtorsc;
    a.gearrat = 2;
    a.mpmax = 30;
    a.pmax = 500000;
    a.sfc = 0.5f;
    a.tape = tape;
    a.ecam = ecam;
    set_panel_layout();
}

std::string rgb_region(int x0, int y0, int x1, int y1)
{
    std::string s;
    for (int y = y0; y <= y1; y++) s.append((const char*)rgb_array + (y * 800 + x0) * 3, (size_t)(x1 - x0 + 1) * 3);
    return s;
}

int rgb_colour(int x, int y) { return (int)rgb_array[(y * 800 + x) * 3] - 1; }

std::set<int> rgb_columns(int colour, int y, int x0, int x1)
{
    std::set<int> got;
    for (int x = x0; x <= x1; x++)
        if (rgb_colour(x, y) == colour) got.insert(x);
    return got;
}

// The 5 x 7 cell whose bottom-left dot is (x, y), rows top to bottom.
static std::string cell_dots(int x, int y)
{
    std::string dots;
    for (int r = 0; r < 7; r++)
        for (int c = 0; c < 5; c++) {
            const unsigned char* p = rgb_array + ((y + 6 - r) * 800 + x + c) * 3;
            dots += p[0] || p[1] || p[2] ? '#' : '.';
        }
    return dots;
}

int rgb_shows(int x, int y, const char* text, int advance)
{
    for (int k = 0; text[k]; k++) {
        std::string want = text[k] == ' ' ? std::string(35, '.') : std::string(font_dots_of(text[k]));
        if (cell_dots(x + k * advance, y) != want) return 0;
    }
    return 1;
}

std::string rgb_text(int x, int y, int count, int advance)
{
    std::string text;
    for (int k = 0; k < count; k++) {
        std::string dots = cell_dots(x + k * advance, y);
        char got = dots.find('#') == std::string::npos ? ' ' : '?';
        for (int ch = 33; ch < 97 && got == '?'; ch++)
            if (dots == font_dots_of((char)ch)) got = (char)ch;
        text += got;
    }
    return text;
}

std::string rgb_whole(void) { return std::string((const char*)rgb_array, rgb_array_bytes); }

std::string rgb_first_difference(const std::string& got, const std::string& want)
{
    for (size_t k = 0; k < got.size(); k += 3)
        if (got.compare(k, 3, want, k, 3) != 0) {
            int i = (int)(k / 3);
            return "first at (" + std::to_string(i % 800) + ", " + std::to_string(i / 800) + "): colour " +
                   std::to_string((int)(unsigned char)got[k] - 1) + ", not " +
                   std::to_string((int)(unsigned char)want[k] - 1);
        }
    return "";
}
