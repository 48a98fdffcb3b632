// Skycaster on the virtual display, started as the program starts on the
// shipped data with no preferences: the screen picture, both pickers and
// the five paragraphs drawn where they belong, and a click on the
// destination list that changes the briefing it draws.
#include <gtest/gtest.h>

#include "Brief.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "test_support.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

static std::vector<unsigned char> shown(void)
{
    std::vector<unsigned char> rgb(800 * 600 * 3);
    host_test_read_front(0, 0, 800, 600, rgb.data());
    return rgb;
}

static const unsigned char* at(const std::vector<unsigned char>& s, int x, int y)
{
    return s.data() + ((size_t)y * 800 + x) * 3;
}

// Pixels of the text's green (colour 7) in rows y1..y2, x 79..719.
static int text_pixels(const std::vector<unsigned char>& s, int y1, int y2)
{
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = 79; x < 720; x++) {
            const unsigned char* c = at(s, x, y);
            if (c[0] < 40 && c[1] > 200 && c[2] < 40) n++;
        }
    return n;
}

static void frames(int n)
{
    for (int k = 0; k < n; k++) MACIBM_event_proc();
}

TEST(SkycasterScreen, TheShippedDataGiveTheScreenAndFiveParagraphs)
{
    start_skycaster();
    frames(3);
    ASSERT_GT(wxr_apt_max, 4);
    EXPECT_EQ(std::string(apt_id[bri.dep_apt]), "KSBD");
    std::vector<unsigned char> s = shown();

    // The picture's grey body beside the text area, and its dark text well.
    const unsigned char* body = at(s, 30, 300);
    EXPECT_NEAR(body[0], 153, 3);
    EXPECT_NEAR(body[1], 153, 3);
    const unsigned char* well = at(s, 725, 45);
    EXPECT_LT(well[0], 40);

    // Each paragraph starts on its row; the gap below the first is empty.
    const int rows[5] = {301, 209, 169, 129, 89};
    for (int k = 0; k < 5; k++) EXPECT_GT(text_pixels(s, rows[k], rows[k] + 7), 50) << rows[k];
    EXPECT_EQ(text_pixels(s, 225, 260), 0);

    // Both pickers list the airports by name in their own green.
    for (int x0 : {86, 416}) {
        int names = 0;
        for (int x = x0 + 8; x < x0 + 230; x++) {
            const unsigned char* c = at(s, x, 473);
            if (c[1] > 200 && c[0] > 30 && c[0] < 80) names++;
        }
        EXPECT_GT(names, 10) << x0;
    }
    EXPECT_EQ(read_file("Error.out"), "");
}

TEST(SkycasterScreen, AClickOnTheDestinationListChangesTheBriefing)
{
    start_skycaster();
    frames(3);
    std::string before = paragraph[0];
    std::vector<unsigned char> first = shown();
    // A click 10 units below the middle row of the destination list picks
    // the entry two below it (the list's own pick rule).
    host_test_push_click(450, 600 - 471);
    frames(3);
    EXPECT_EQ(bri.dst_apt, 2);
    EXPECT_NE(std::string(paragraph[0]), before);
    EXPECT_NE(strstr(paragraph[0], apt_name[2]), nullptr) << paragraph[0];
    std::vector<unsigned char> after = shown();
    int changed = 0;
    for (int y = 291; y < 310; y++)
        for (int x = 79; x < 720; x++) changed += memcmp(at(first, x, y), at(after, x, y), 3) != 0;
    EXPECT_GT(changed, 20);
}
