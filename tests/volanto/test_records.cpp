// The simulator's state records: the orders other code and files rely on,
// and the records whose bytes are fixed.
#include <gtest/gtest.h>

#include "records.h"

#include <cstddef>
#include <vector>

// Each listed field lies after the one before it.
static void expect_in_order(const std::vector<size_t>& at, const char* record)
{
    for (size_t k = 1; k < at.size(); k++) EXPECT_LT(at[k - 1], at[k]) << record << " field " << k;
}

#define AT(type, field) offsetof(type, field)

TEST(Records, FlightStateFieldsKeepTheirOrder)
{
    expect_in_order({AT(flightstruct, slat_ratio), AT(flightstruct, sbrk_handle), AT(flightstruct, flap_request),
                     AT(flightstruct, throttle), AT(flightstruct, throttle_req), AT(flightstruct, pitch_trim),
                     AT(flightstruct, F_prop_axial), AT(flightstruct, F_gear_vertical), AT(flightstruct, M_roll),
                     AT(flightstruct, Rdot), AT(flightstruct, roll_rate), AT(flightstruct, theta),
                     AT(flightstruct, psi), AT(flightstruct, phi), AT(flightstruct, Prad), AT(flightstruct, a_x),
                     AT(flightstruct, vel_x), AT(flightstruct, pos_x), AT(flightstruct, pos_z), AT(flightstruct, lat),
                     AT(flightstruct, gnd_speed), AT(flightstruct, V_true), AT(flightstruct, vne_frac_sq),
                     AT(flightstruct, cos_path_theta), AT(flightstruct, ge_cl_mult), AT(flightstruct, part_stalled),
                     AT(flightstruct, el_downwash), AT(flightstruct, rudd_def_now), AT(flightstruct, thrust_dir_a),
                     AT(flightstruct, reverser), AT(flightstruct, engine_speed), AT(flightstruct, mass_now),
                     AT(flightstruct, on_ground)},
                    "flt");
    EXPECT_EQ(sizeof flt.pos_x[0], 8u);   // positions are doubles
    EXPECT_EQ(sizeof flt.pos_x / sizeof flt.pos_x[0], 12u);
}

TEST(Records, AutopilotIsTenFieldsInOrder)
{
    expect_in_order({AT(ottostruct, ap_hdg), AT(ottostruct, ap_nav1), AT(ottostruct, ap_nav2), AT(ottostruct, ap_alt),
                     AT(ottostruct, ap_vvi), AT(ottostruct, ap_gs), AT(ottostruct, ap_speed),
                     AT(ottostruct, alt_target), AT(ottostruct, vvi_target), AT(ottostruct, speed_target)},
                    "ott");
    EXPECT_EQ(sizeof(ottostruct), 40u);
}

TEST(Records, GraphBufferHeaderThenSamples)
{
    expect_in_order({AT(graphstruct, graph_shown), AT(graphstruct, left_time), AT(graphstruct, sample_index),
                     AT(graphstruct, oldest_index), AT(graphstruct, wrapped), AT(graphstruct, sample_dt),
                     AT(graphstruct, sample_data)},
                    "grf");
    EXPECT_EQ(AT(graphstruct, sample_dt), 20u);   // five 4-byte values before the samples
    EXPECT_EQ(sizeof grf.sample_data, 4u * 4u * 1800u * sizeof(float));
}

TEST(Records, FlownPathIsItsFixedImage)
{
    EXPECT_EQ(sizeof(pathstruct), 840004u);
    expect_in_order({AT(pathstruct, replay_time), AT(pathstruct, path_time), AT(pathstruct, path_plane),
                     AT(pathstruct, path_carrier), AT(pathstruct, path_frigate), AT(pathstruct, path_gear),
                     AT(pathstruct, path_condef), AT(pathstruct, path_controls)},
                    "pat");
    EXPECT_EQ(AT(pathstruct, path_controls), 4u + 6000u * 29u * 4u);
}

TEST(Records, SettingsHoldWhatTheFilesAndDefaultsPutThere)
{
    EXPECT_EQ(sizeof msc.typed_apt_id, 5u);   // "KAAA" and its end
    EXPECT_EQ(sizeof set.sit_values, 46u * 4u); // the situation's 46 values after the placement
    EXPECT_EQ(AT(situationvalues, ap_target), 7u * 4u);
    EXPECT_EQ(AT(situationvalues, engine), 22u * 4u);
}
