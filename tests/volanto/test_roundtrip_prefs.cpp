// The simulator's half of the preferences read-back: its own writer leaves a
// preferences file with known weather in the folder ctest names (the build's
// "roundtrip"), which Skycaster's test then reads (the ctest fixture
// sky_prefs). Run by ctest through that fixture, not in the discovered set.
#include <gtest/gtest.h>

#include "volanto_support.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "records.h"
#include "test_support.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

TEST(RoundtripPrefs, DISABLED_TheSimulatorWritesKnownWeatherForSkycaster)
{
    reset_suite_state();
    set_loader_paths();
    initing = 0;
    ogl_ready = 0;
    load_world_databases();
    hard_prefs();
    ASSERT_EQ(strcmp(apt_id[msc.apt_sel], "KSBD"), 0);
    msc.time_of_day = 23.5f * 3600;
    atm.sl_temp = 71;
    atm.baro_sl = 30.12f;
    atm.precip_level = 3;
    atm.storm_level = 2;
    atm.cloud_type = 3;
    atm.cloud_tops = 2500;
    atm.cloud_base = 900;
    atm.visibility = 8000;
    atm.wind_layer[0][wl_wind_dir] = 250;
    atm.wind_layer[0][wl_wind_speed] = 14;
    atm.wind_layer[0][wl_shear_dir] = 40;
    atm.wind_layer[0][wl_shear_speed] = 6;
    const std::string dir = roundtrip_folder();
    ASSERT_NE(dir, "") << "ctest names the folder";
    std::filesystem::create_directories(dir);
    ASSERT_EQ(dump_prefs((dir + "Volanto 5.prf").c_str(), kind_text), 1);
}
