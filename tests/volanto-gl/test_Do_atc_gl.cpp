// The controller's voice in a real window on the shipped data: the Location
// menu's frigate approach shows its message on the ATC line while the mixer
// carries it spoken.
#include <gtest/gtest.h>

#include "Do_atc.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

// A click at a point in reference units: the window is 800 x 600 pixels.
static void click_at(float x, float y)
{
    host_test_push_click((int)x, (int)(600 - y));
    MACIBM_event_proc();
}

// Pixels of palette colour c in the band of the ATC line.
static int atc_line_pixels(int c)
{
    const int x0 = 6, y0 = 533, w = 400, h = 12;
    std::vector<unsigned char> rgb(w * h * 3);
    host_test_read_front(x0, y0, w, h, rgb.data());
    int n = 0;
    for (int i = 0; i < w * h; i++) {
        int d = 0;
        for (int k = 0; k < 3; k++) d += abs(rgb[3 * i + k] - (int)lrintf(col_rgb[c][k] * 255));
        n += d < 12;
    }
    return n;
}

TEST(AtcVoiceGl, TheFrigateApproachIsShownAndSpoken)
{
    host_test_push_key(VK_RETURN, 0);   // no stick: the joystick notice
    start_simulator();
    MACIBM_event_proc();
    ASSERT_EQ(msc.speech_ok, 1);
    // Location, then its "Special Approach" submenu, then the item.
    const int approaches = place_frigate / 100;
    const int location = mnw.menu_prnt[approaches];
    click_at(mnw.menux1[location] + 5, mnw.menuy1[location] + 5);
    ASSERT_EQ(mnw.menu_up, location);
    click_at(mnw.menux1[approaches] + 5, mnw.menuy1[approaches] + 5);
    ASSERT_EQ(mnw.menu_up, approaches);
    click_at(mnw.itemx1[place_frigate] + 20, mnw.itemy1[place_frigate] + 5);
    EXPECT_STREQ(atc.ctrl_text, "Frigate I L S is on 1 0 8 . 1 0.");

    // The engine and wind fall silent, so that what the mixer gives is the
    // voice; taken at once, before the device's own thread plays it away.
    for (int slot = 0; slot < host_voices; slot++) host_voice_stop(slot);
    host_test_speech_wait();
    std::vector<short> heard(44100 * 4);
    host_audio_render(heard.data(), (int)heard.size());
    double sum = 0;
    for (short s : heard) sum += (double)s * s;
    EXPECT_GT(sqrt(sum / heard.size()), 300.0) << "the message spoken";

    MACIBM_event_proc();
    EXPECT_GT(atc_line_pixels(48), 40) << "the message on the ATC line";
    MACIBM_finishup();
}
