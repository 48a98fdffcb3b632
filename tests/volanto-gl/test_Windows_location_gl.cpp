// The airport-ID window on the screen over the shipped data: an identifier
// spelled by clicks on the alphabet's cells, framed where it was clicked,
// and the flight started on that airport's runway when the window closes.
#include <gtest/gtest.h>

#include "Funct.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Windows.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdio>

namespace {

// Starts with no stick attached; Enter answers the joystick notice.
void start_on_shipped_data(void)
{
    host_test_push_key(VK_RETURN, 0);
    start_simulator();
    MACIBM_event_proc();
}

// A click at a point of the open window, in its units: the screen is 800 x 600 pixels.
void click_in_window(float x, float y)
{
    host_test_push_click((int)(mnw.x + x), (int)(600 - (mnw.y + y)));
    MACIBM_event_proc();
}

int airport(const char* id)
{
    int a = -1;
    return get_index_from_id(id, 1, &a) ? a : -1;
}

}  // namespace

TEST(AirportByIdGl, PickingKsbdStartsTheFlightOnItsRunway)
{
    start_on_shipped_data();
    int ont = airport("KONT"), sbd = airport("KSBD");
    ASSERT_GE(ont, 0);
    ASSERT_GE(sbd, 0);
    // Away from San Bernardino first: on Ontario's runway.
    snprintf(msc.typed_apt_id, sizeof msc.typed_apt_id, "KONT");
    MACIBM_startwind(win_airport_id);
    MACIBM_startwind(win_main);
    ASSERT_EQ(msc.apt_sel, ont);

    APPLICATION_handlemenu(1200);
    ASSERT_EQ(mnw.topwin, win_airport_id);
    MACIBM_event_proc();
    const char* want = "KSBD";
    for (int i = 0; i < 4; i++) {
        int code = char_to_code(want[i]);
        click_in_window(id_column_x + 8 + id_column_width * (float)i,
                        id_alphabet_top - 5.5f - id_cell_height * (float)code);
    }
    EXPECT_STREQ(msc.typed_apt_id, "KSBD");

    // Each column frames the clicked cell in yellow on the dark alphabet.
    MACIBM_event_proc();
    for (int i = 0; i < 4; i++) {
        int code = char_to_code(want[i]);
        unsigned char edge[3], inside[3];
        int x = (int)(mnw.x + 92 + 17 * i), y = (int)(mnw.y + 411 - 11 * code);
        host_test_read_front(x, y + 6, 1, 1, edge);
        host_test_read_front(x + 2, y + 6, 1, 1, inside);
        EXPECT_TRUE(edge[0] > 200 && edge[1] > 200 && edge[2] < 80) << "column " << i;
        EXPECT_LT(inside[0] + inside[1] + inside[2], 3 * 100) << "column " << i;
    }

    click_in_window(4, mnw.dy + 7);   // the close box
    ASSERT_EQ(mnw.topwin, win_main);
    EXPECT_EQ(msc.apt_sel, sbd);
    int r = apt_lo_ind[sbd];
    EXPECT_EQ(msc.rwy_sel, r);
    EXPECT_EQ(env.reg_lat, intround(rwy_lat[r] - 1.0f));
    EXPECT_EQ(env.reg_lon, intround(rwy_lon[r] - 1.5f));
    // Standing 10 m inside the runway's threshold, along it.
    float h = rwy_hdng[r] * con.degtorad, half = (rwy_len[r] - 20) / 2;
    EXPECT_NEAR(flt.pos_x[0], X_with_latlon(rwy_lat[r], rwy_lon[r]) - half * sinf(h), 1);
    EXPECT_NEAR(flt.pos_z[0], Z_with_lat(rwy_lat[r]) + half * cosf(h), 1);
    EXPECT_NEAR(flt.psi[0], rwy_hdng[r], 0.5);
    MACIBM_finishup();
}
