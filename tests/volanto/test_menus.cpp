// Menus: the bar and drop-down layout, opening, closing and choosing by
// click, submenus and the out-of-range alerts.
#include <gtest/gtest.h>

#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cstring>
#include <string>

struct Menus : ::testing::Test {
    void SetUp() override
    {
        reset_suite_state();
        mnw.menu_up = -1;
        for (int m = 0; m < menus_max; m++) mnw.menu_prnt[m] = -1;
        ogl_ready = 0;
    }
    static void click(float x, float y)
    {
        mnw.mx = x;
        mnw.my = y;
        mnw.mouse_clicked = 1;
        MACIBM_handleclick();
    }
};

TEST_F(Menus, TitlesRunAlongTheBarInCreationOrder)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_create_menu(1, -1, "File");
    EXPECT_EQ(mnw.menux1[0], 10);
    EXPECT_EQ(mnw.menux2[0], 40);
    EXPECT_EQ(mnw.menux1[1], 50);
    EXPECT_EQ(mnw.menux2[1], 74);
    EXPECT_EQ(mnw.menuy1[1], 583);
    EXPECT_EQ(mnw.menuy2[1], 600);
    // Building the bar again starts again at the left.
    MACIBM_create_menu(0, -1, "About");
    EXPECT_EQ(mnw.menux1[0], 10);
}

TEST_F(Menus, FiftyItemsFillOneColumnThenStartASecond)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_create_menu(1, -1, "Location");
    for (int k = 0; k < 50; k++) MACIBM_append_menu(1, 100 + k, "KSEA Seattle", "");
    float w = 6 * 12 + 25;
    EXPECT_EQ(mnw.itemy2[100], 583);
    EXPECT_EQ(mnw.itemy1[100], 571);
    EXPECT_EQ(mnw.itemx1[100], 50);
    EXPECT_EQ(mnw.itemx2[100], 50 + w);
    EXPECT_EQ(mnw.itemy2[145], 43);
    EXPECT_EQ(mnw.itemx1[145], 50);
    EXPECT_EQ(mnw.itemx1[146], 50 + w);       // the second column
    EXPECT_EQ(mnw.itemy2[146], 583);
    EXPECT_EQ(mnw.itemy2[147], 571);
    EXPECT_EQ(mnw.itemx1[149], 50 + w);
}

TEST_F(Menus, SeparatorsTakeTwoUnitsAndEmptySlotsNone)
{
    MACIBM_create_menu(0, -1, "File");
    MACIBM_append_menu(0, 0, "Open Aircraft", "");
    MACIBM_append_menu(0, 1, "-", "");
    MACIBM_append_menu(0, 2, "Quit", "");
    EXPECT_EQ(mnw.itemy1[1], 571 - 2);
    EXPECT_EQ(mnw.itemy2[2], 569);
    EXPECT_EQ(mnw.itemy1[2], 557);
    // Slot 3 left empty: slot 4 follows slot 2 directly.
    MACIBM_append_menu(0, 4, "Runway 34R", "");
    EXPECT_EQ(mnw.itemy2[4], 557);
    EXPECT_EQ(mnw.itemx1[4], 10);
    // The width follows the longest item, for every item.
    EXPECT_EQ(mnw.itemx2[0] - mnw.itemx1[0], 6 * 13 + 25);
    EXPECT_EQ(mnw.itemx2[2] - mnw.itemx1[2], 6 * 13 + 25);
}

TEST_F(Menus, AClickOpensATitleAndASecondClickClosesIt)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, 100, "Open Aircraft", "");
    MACIBM_append_menu(1, 101, "-", "");
    MACIBM_append_menu(1, 102, "Quit", "");
    click(60, 590);
    EXPECT_EQ(mnw.menu_up, 1);
    EXPECT_EQ(mnw.mouse_clicked, 1);          // still a click for the program
    EXPECT_EQ(m_x1, 50);
    EXPECT_EQ(m_x2, 50 + 6 * 13 + 25);
    EXPECT_EQ(m_y2, 583);
    EXPECT_EQ(m_y1, 583 - 12 - 2 - 12);
    click(60, 590);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(mnw.mouse_clicked, 1);
    // Clicking another title while one is open switches to it.
    click(60, 590);
    click(20, 590);
    EXPECT_EQ(mnw.menu_up, 0);
}

TEST_F(Menus, ChoosingAnItemClosesTheMenuAndTakesTheClick)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_create_menu(9, -1, "Spare");
    MACIBM_append_menu(9, 900, "One", "");
    MACIBM_append_menu(9, 901, "-", "");
    MACIBM_append_menu(9, 902, "Two", "");
    float tx = mnw.menux1[9] + 2;
    // A click on a separator chooses nothing and closes the menu.
    click(tx, 590);
    click(tx + 5, mnw.itemy1[901] + 1);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(mnw.mouse_clicked, 1);
    click(tx, 590);
    click(tx + 5, mnw.itemy1[902] + 6);
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(mnw.mouse_clicked, 0);
    // With no menu open, items are not hit.
    click(tx + 5, mnw.itemy1[902] + 6);
    EXPECT_EQ(mnw.mouse_clicked, 1);
}

TEST_F(Menus, ASubmenuHangsBesideItsItemAndOpensFromIt)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_create_menu(4, -1, "Location");
    MACIBM_append_menu(4, 400, "Airports", "");
    MACIBM_append_menu(4, 401, "Runways", "");
    MACIBM_create_menu(40, 401, "Runways");
    MACIBM_append_menu(40, 4000, "34R", "");
    MACIBM_append_menu(40, 4001, "16L", "");
    EXPECT_EQ(mnw.menu_prnt[40], 4);
    EXPECT_EQ(mnw.itemx1[4000], mnw.itemx2[401]);
    EXPECT_EQ(mnw.itemy1[4000], mnw.itemy1[401]);
    EXPECT_EQ(mnw.itemy2[4001], mnw.itemy1[401]);
    // Not reachable from the bar while its menu is shut.
    click(mnw.itemx1[401] + 3, mnw.itemy1[401] + 6);
    EXPECT_EQ(mnw.menu_up, -1);
    click(mnw.menux1[4] + 3, 590);
    click(mnw.itemx1[401] + 3, mnw.itemy1[401] + 6);
    EXPECT_EQ(mnw.menu_up, 40);
    EXPECT_EQ(mnw.mouse_clicked, 1);
}

TEST_F(Menus, HelpIsKeptForTheFirstFifteenMenusOnly)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_create_menu(14, -1, "Last");
    MACIBM_create_menu(15, -1, "Beyond");
    MACIBM_append_menu(14, 1400, "Item", "Help for it.");
    MACIBM_append_menu(15, 1500, "Item", "Never stored.");
    EXPECT_STREQ(mnw.item_help[1400], "Help for it.");
    EXPECT_STREQ(mnw.item_name[1500], "Item");
}

TEST_F(Menus, OverLongNamesAreCutToTheirFields)
{
    std::string long_name(60, 'n'), long_help(500, 'h');
    MACIBM_create_menu(0, -1, long_name.c_str());
    MACIBM_append_menu(0, 0, long_name.c_str(), long_help.c_str());
    EXPECT_EQ(strlen(mnw.menu_name[0]), 39u);
    EXPECT_EQ(strlen(mnw.item_name[0]), 39u);
    EXPECT_EQ(strlen(mnw.item_help[0]), 399u);
}

TEST(MenusDeathTest, IndicesOutOfRangeAreFatal)
{
    ogl_ready = 0;
    const struct {
        void (*call)(void);
        const char* text;
    } cases[] = {
        {[] { MACIBM_create_menu(320, -1, "Big"); }, "Menu index out of range in create_menu!\n\n\nBig\n"},
        {[] { MACIBM_append_menu(320, 32000, "Big", ""); }, "Menu index out of range in append_menu!\n\n\nBig\n"},
        {[] { MACIBM_append_menu(3, 400, "Far", ""); }, "Item index out of range in append_menu!\n\n\nFar\n"},
        {[] { MACIBM_create_menu(5, 32000, "Sub"); }, "Item index out of range in create_menu!\n\n\nSub\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                c.call();
            },
            ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(read_file("Error.out"), std::string(c.text) + "end simulation\n");
    }
}
