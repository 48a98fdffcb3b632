// A scenery square file in "additional nav data", read by read_quadrant into
// quadrant 4 of a region at 33 N 119 W laid out as a full load leaves it:
// one listed airport with buildings and a tower whose runway has a geometry
// slot, navaid huts, and a custom object "post" that type-8 records may
// name. The grids keep what the previous input left, as a scroll does.
// Texture bitmaps are missing and with no GL context the texture calls do
// nothing. After every input the square's stream must be closed, or the
// reading must have ended in the fatal alert.
#include "fuzz_support.h"
#include "test_support.h"
#include "Funct.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initnav.h"
#include "records.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

static std::string square_path;

void fuzz_setup(void)
{
    MACIBM_set_constants();
    initing = 0;
    std::string root = test_scratch_folder();
    std::filesystem::create_directories(root + "additional nav data/+030-120");
    std::filesystem::create_directories(root + "custom objects");
    write_file(root + "custom objects/post.OBJ", "I\n2 1 2 3\n0 0 0\n0 5 0\n99\n");
    snprintf(app_path, path_max, "%s", root.c_str());
    snprintf(cd_path, path_max, "%s", root.c_str());
    snprintf(obj_path, path_max, "%scustom objects/", root.c_str());
    snprintf(cus_path, path_max, "%scustom terrain textures/", root.c_str());
    square_path = root + "additional nav data/+030-120/+034-118.env";

    env.reg_lat = 33;
    env.reg_lon = -119;
    float step = cosf(33 * con.degtorad) * 60 * con.nmtomtrs;
    env.reg_east_x = 3 * step;
    env.reg_north_z = -120 * con.nmtomtrs;
    for (int c = 0; c < 3; c++)
        for (int r = 0; r < 2; r++) planexyz[59 * c][79 * r][0] = c * step;

    apt_wrl_max = 0;
    rwy_wrl_max = 0;
    apt_h[0] = 300;
    apt_bld[0] = 1;
    apt_twr[0] = 1;
    apt_lo_ind[0] = apt_hi_ind[0] = 0;
    rwy_num[0] = 9;
    rwy_lcr[0] = 'x';
    rwy_lat[0] = 34.3f;
    rwy_lon[0] = -117.8f;
    rwy_hdng[0] = 90;
    rwy_len[0] = 3000;
    rwy_width[0] = 45;
    rwy_code[0] = 1235316;
    apt_inreg[0] = 1;
    apt_to_index[0] = 0;
    apt_lcl_max = 0;
    rwy_geo_ind[0] = rwy_geo = 0;
    code_to_lgts(&geo_type[0], geo_litgls[0], geo_litrwy[0], geo_litapp[0], rwy_code[0]);
    setuprunway(0, 0, 0);

    nav_wrl_max = 9;
    for (int n = 0; n <= nav_wrl_max; n++) {
        nav_type[n] = n < 4 ? 3 : n - 2;
        nav_lat[n] = 34.2f + 0.05f * (float)n;
        nav_lon[n] = -117.6f;
        nav_hdng[n] = 45;
        nav_inreg[n] = 1;
    }
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_write(square_path.c_str(), data, size);
    inf_use = 1;
    int returned = survives([] { read_quadrant(34, -118, 4); });
    if (returned && inf1.is_open()) abort();
    return 0;
}
