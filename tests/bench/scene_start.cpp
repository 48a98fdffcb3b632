// Starting Volanto for a scene (scene_start.h).
#include "scene_start.h"

#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// The private configuration folder, for the run.
struct scene_run_state {
    std::string config;
};
static scene_run_state scene_run;

scene_request scene_factory(void)
{
    scene_request r = {};
    r.code = place_runway;
    r.sub = place_on_runway;
    r.kts = 100;
    r.view = view_forwards;
    r.hour = -1;
    r.cloud_type = -1;
    r.base_ft = r.tops_ft = r.vis_nm = r.precip = -1;
    return r;
}

static void remove_config(void)
{
    std::error_code ec;
    if (!scene_run.config.empty()) std::filesystem::remove_all(scene_run.config, ec);
}

int scene_program_start(int w, int h)
{
    std::string folder = (std::filesystem::temp_directory_path() / "volanto-scene.XXXXXX").string();
    if (!mkdtemp(&folder[0])) {
        fprintf(stderr, "could not make a configuration folder %s\n", folder.c_str());
        return 0;
    }
    scene_run.config = folder + "/";
    atexit(remove_config);
    FILE* f = fopen((scene_run.config + "XRes 5.prf").c_str(), "w");
    if (!f) {
        fprintf(stderr, "could not write the window size into %s\n", scene_run.config.c_str());
        return 0;
    }
    fprintf(f, "I\n2 version\n%d\n%d\n24\n", w, h);
    fclose(f);
    host_test_config_folder(scene_run.config.c_str());
    host_test_audio_no_device(1);
    host_test_joy_attach();

    active_inst = 1;
    active_windstyle = 1;
    start_simulator();
    // The window's first paint, as the display sends it once the window shows.
    host_test_push_event({HE_PAINT, 0, 0, 0, 0});
    return 1;
}

void scene_apply(const scene_request& r)
{
    if (r.hour >= 0) msc.time_of_day = r.hour * 3600;
    const float ft = con.fttomtrs;
    if (r.cloud_type >= 0 || r.base_ft >= 0 || r.tops_ft >= 0 || r.vis_nm >= 0 || r.precip >= 0) atm.real_weather = 0;
    if (r.cloud_type >= 0) atm.cloud_type = r.cloud_type;
    if (r.base_ft >= 0) atm.cloud_base = r.base_ft * ft;
    if (r.tops_ft >= 0) atm.cloud_tops = r.tops_ft * ft;
    if (r.vis_nm >= 0) atm.visibility = r.vis_nm * con.nmtomtrs;
    if (r.precip >= 0) {
        // as the weather window moves it: no storm above the rain
        atm.precip_level = r.precip;
        if (atm.storm_level > r.precip) atm.storm_level = r.precip;
    }
    set.panel_hidden = r.panel_hidden;

    if (r.air) {
        int rw = msc.rwy_sel;
        set.place_lat = rwy_lat[rw];
        set.place_lon = rwy_lon[rw];
        set.place_alt = r.alt_ft * ft;
        set.place_hdg = r.hdg;
        set.place_speed = r.kts * con.ktstomsc;
        set_fltvars(place_over_point, 0);
        // The placement keeps 1000 m clear of the ground; the height asked
        // stands, but not under the ground.
        flt.pos_y[0] = fmax(set.place_alt, env.ground_h + pln[0].h_eqlbm);
    } else {
        set_fltvars(r.code, r.sub);
    }
    APPLICATION_handlemenu(r.view);
}
