// The host's key table: keys fed as the display reports them (layout-aware
// key, physical scan code, modifiers) and the key-down the programs get.
#include <gtest/gtest.h>

#include "host_test.h"

#include <string>

// USB usage ids of the physical keys the cases press.
const int scan_a = 4, scan_m = 16, scan_q = 20, scan_w = 26, scan_y = 28, scan_z = 29, scan_1 = 30, scan_0 = 39;
const int scan_enter = 40, scan_escape = 41, scan_backspace = 42, scan_tab = 43, scan_space = 44;
const int scan_minus = 45, scan_equals = 46, scan_lbracket = 47, scan_rbracket = 48, scan_backslash = 49;
const int scan_semicolon = 51, scan_quote = 52, scan_grave = 53, scan_comma = 54, scan_period = 55;
const int scan_slash = 56, scan_f1 = 58, scan_insert = 73, scan_home = 74, scan_pageup = 75;
const int scan_delete = 76, scan_end = 77, scan_pagedown = 78, scan_right = 79, scan_left = 80;
const int scan_down = 81, scan_up = 82, scan_kp_divide = 84, scan_kp_multiply = 85, scan_kp_minus = 86;
const int scan_kp_plus = 87, scan_kp_enter = 88, scan_kp_1 = 89, scan_kp_0 = 98, scan_kp_period = 99;
const int scan_lctrl = 224, scan_lshift = 225;

static int named(int scan) { return host_key_of_scan + scan; }

// The key-down a fed key gives: "vk shift", or "" when it is dropped.
static std::string feed(int key, int scan, int mods)
{
    host_test_feed_key(key, scan, mods);
    host_event e;
    std::string got;
    while (host_next_event(&e))
        if (e.type == HE_KEYDOWN) got += std::to_string(e.vk) + " " + std::to_string(e.shift);
    return got;
}

static std::string down(int vk, int shift) { return std::to_string(vk) + " " + std::to_string(shift); }

struct KeyCase {
    const char* what;
    int key, scan, mods;
    std::string want;
};

static void check(const KeyCase* cases, size_t n)
{
    for (size_t k = 0; k < n; k++)
        EXPECT_EQ(feed(cases[k].key, cases[k].scan, cases[k].mods), cases[k].want) << cases[k].what;
}

TEST(HostKeys, LettersAndDigitsFollowTheLayoutNotThePhysicalKey)
{
    const KeyCase cases[] = {
        {"a", 'a', scan_a, 0, down('A', 0)},
        {"z", 'z', scan_z, 0, down('Z', 0)},
        {"z on a German layout", 'z', scan_y, 0, down('Z', 0)},
        {"y on a German layout", 'y', scan_z, 0, down('Y', 0)},
        {"a on a French layout", 'a', scan_q, 0, down('A', 0)},
        {"m on a French layout", 'm', scan_semicolon, 0, down('M', 0)},
        {"1", '1', scan_1, 0, down('1', 0)},
        {"0", '0', scan_0, 0, down('0', 0)},
    };
    check(cases, sizeof cases / sizeof cases[0]);
}

TEST(HostKeys, PunctuationFollowsTheLayout)
{
    const KeyCase cases[] = {
        {"US ;", ';', scan_semicolon, 0, down(VK_OEM_1, 0)},
        {"US =", '=', scan_equals, 0, down(VK_OEM_PLUS, 0)},
        {"US ,", ',', scan_comma, 0, down(VK_OEM_COMMA, 0)},
        {"US -", '-', scan_minus, 0, down(VK_OEM_MINUS, 0)},
        {"US .", '.', scan_period, 0, down(VK_OEM_PERIOD, 0)},
        {"US /", '/', scan_slash, 0, down(VK_OEM_2, 0)},
        {"US `", '`', scan_grave, 0, down(VK_OEM_3, 0)},
        {"US [", '[', scan_lbracket, 0, down(VK_OEM_4, 0)},
        {"US \\", '\\', scan_backslash, 0, down(VK_OEM_5, 0)},
        {"US ]", ']', scan_rbracket, 0, down(VK_OEM_6, 0)},
        {"US '", '\'', scan_quote, 0, down(VK_OEM_7, 0)},
        {"German - where US has /", '-', scan_slash, 0, down(VK_OEM_MINUS, 0)},
        {"French , where US has M", ',', scan_m, 0, down(VK_OEM_COMMA, 0)},
        {"French ; where US has ,", ';', scan_comma, 0, down(VK_OEM_1, 0)},
    };
    check(cases, sizeof cases / sizeof cases[0]);
}

// A key a US keyboard does not have comes as its own character: the layout
// types it, unshifted, and Shift is reported as held.
TEST(HostKeys, ALayoutsOwnCharacterComesAsItselfUpToLatin1)
{
    auto own = [](int c, int shift) { return down(vk_character + c, shift); };
    const KeyCase cases[] = {
        {"French &", '&', scan_1, 0, own('&', 0)},
        {"French e acute", 0xE9, scan_1 + 1, 0, own(0xE9, 0)},
        {"French \"", '"', scan_1 + 2, 0, own('"', 0)},
        {"French section sign", 0xA7, scan_1 + 5, 0, own(0xA7, 0)},
        {"French !", '!', scan_slash, 0, own('!', 0)},
        {"French $", '$', scan_rbracket, 0, own('$', 0)},
        {"French e acute with Shift", 0xE9, scan_1 + 1, host_mod_lshift, own(0xE9, 1)},
        {"German o umlaut", 0xF6, scan_semicolon, 0, own(0xF6, 0)},
        {"German u umlaut", 0xFC, scan_lbracket, 0, own(0xFC, 0)},
        {"German +", '+', scan_rbracket, 0, own('+', 0)},
        {"German #", '#', scan_backslash, 0, own('#', 0)},
        {"German <", '<', 100, 0, own('<', 0)},
        {"sharp s", 0xDF, scan_minus, 0, own(0xDF, 0)},
        {"euro sign: no byte for it", 0x20AC, scan_1 + 4, 0, ""},
        {"first code point past Latin-1", 0x100, scan_1 + 4, 0, ""},
        {"Alt still drops it", 0xE9, scan_1 + 1, host_mod_ralt, ""},
    };
    check(cases, sizeof cases / sizeof cases[0]);
}

TEST(HostKeys, FunctionKeysButF10)
{
    for (int k = 0; k < 12; k++) {
        std::string want = k == 9 ? "" : down(VK_F1 + k, 0);
        EXPECT_EQ(feed(named(scan_f1 + k), scan_f1 + k, 0), want) << "F" << k + 1;
    }
}

TEST(HostKeys, AltCombinationsAreDropped)
{
    const KeyCase cases[] = {
        {"Alt a", 'a', scan_a, host_mod_lalt, ""},
        {"Alt Shift a", 'a', scan_a, host_mod_lalt | host_mod_lshift, ""},
        {"Alt F4", named(scan_f1 + 3), scan_f1 + 3, host_mod_lalt, ""},
        {"Alt keypad 8", named(scan_kp_1 + 7), scan_kp_1 + 7, host_mod_lalt | host_mod_num, ""},
    };
    check(cases, sizeof cases / sizeof cases[0]);
}

TEST(HostKeys, TheKeypadSendsItsOwnCodesWhateverNumLock)
{
    for (int mods : {0, host_mod_num}) {
        for (int k = 0; k < 9; k++)
            EXPECT_EQ(feed(named(scan_kp_1 + k), scan_kp_1 + k, mods), down(VK_NUMPAD1 + k, 0))
                << "keypad " << k + 1 << " mods " << mods;
        const KeyCase cases[] = {
            {"keypad 0", named(scan_kp_0), scan_kp_0, mods, down(VK_NUMPAD0, 0)},
            {"keypad .", named(scan_kp_period), scan_kp_period, mods, down(VK_DECIMAL, 0)},
            {"keypad /", named(scan_kp_divide), scan_kp_divide, mods, down(VK_DIVIDE, 0)},
            {"keypad *", named(scan_kp_multiply), scan_kp_multiply, mods, down(VK_MULTIPLY, 0)},
            {"keypad -", named(scan_kp_minus), scan_kp_minus, mods, down(VK_SUBTRACT, 0)},
            {"keypad +", named(scan_kp_plus), scan_kp_plus, mods, down(VK_ADD, 0)},
            {"keypad Enter", named(scan_kp_enter), scan_kp_enter, mods, down(VK_RETURN, 0)},
        };
        check(cases, sizeof cases / sizeof cases[0]);
    }
}

TEST(HostKeys, EditingAndNavigationKeys)
{
    const KeyCase cases[] = {
        {"Enter", '\r', scan_enter, 0, down(VK_RETURN, 0)},
        {"Escape", 27, scan_escape, 0, down(VK_ESCAPE, 0)},
        {"Backspace", '\b', scan_backspace, 0, down(VK_BACK, 0)},
        {"Tab", '\t', scan_tab, 0, down(VK_TAB, 0)},
        {"Space", ' ', scan_space, 0, down(VK_SPACE, 0)},
        {"Delete", 127, scan_delete, 0, down(VK_DELETE, 0)},
        {"Insert", named(scan_insert), scan_insert, 0, down(VK_INSERT, 0)},
        {"Home", named(scan_home), scan_home, 0, down(VK_HOME, 0)},
        {"End", named(scan_end), scan_end, 0, down(VK_END, 0)},
        {"Page Up", named(scan_pageup), scan_pageup, 0, down(VK_PRIOR, 0)},
        {"Page Down", named(scan_pagedown), scan_pagedown, 0, down(VK_NEXT, 0)},
        {"left", named(scan_left), scan_left, 0, down(VK_LEFT, 0)},
        {"up", named(scan_up), scan_up, 0, down(VK_UP, 0)},
        {"right", named(scan_right), scan_right, 0, down(VK_RIGHT, 0)},
        {"down", named(scan_down), scan_down, 0, down(VK_DOWN, 0)},
        {"Ctrl alone", named(scan_lctrl), scan_lctrl, host_mod_lctrl, down(VK_CONTROL, 0)},
    };
    check(cases, sizeof cases / sizeof cases[0]);
}

TEST(HostKeys, ShiftIsReportedWithTheKeyAndKeptUntilTheNext)
{
    const KeyCase cases[] = {
        {"left Shift a", 'a', scan_a, host_mod_lshift, down('A', 1)},
        {"right Shift 1", '1', scan_1, host_mod_rshift, down('1', 1)},
        {"Shift F1", named(scan_f1), scan_f1, host_mod_lshift, down(VK_F1, 1)},
        {"Shift alone", named(scan_lshift), scan_lshift, host_mod_lshift, down(VK_SHIFT, 1)},
        {"Caps Lock is not Shift", 'a', scan_a, host_mod_caps, down('A', 0)},
        {"Ctrl is not Shift", 'a', scan_a, host_mod_lctrl, down('A', 0)},
    };
    check(cases, sizeof cases / sizeof cases[0]);
    feed('a', scan_a, host_mod_lshift);
    EXPECT_EQ(host_shift_down(), 1);
    feed('a', scan_a, 0);
    EXPECT_EQ(host_shift_down(), 0);
}

TEST(HostKeys, FedKeysComeInOrderWithScriptedEvents)
{
    host_test_push_key(VK_F2, 0);
    host_test_feed_key(named(scan_f1 + 9), scan_f1 + 9, 0);      // F10: dropped, the next comes
    host_test_feed_key('q', scan_q, 0);
    host_test_push_frame_break();
    host_test_feed_key('w', scan_w, 0);
    host_event e;
    std::string got;
    while (host_next_event(&e)) got += std::to_string(e.vk) + ",";
    EXPECT_EQ(got, std::to_string(VK_F2) + "," + std::to_string('Q') + ",");
    ASSERT_TRUE(host_next_event(&e));       // the next frame
    EXPECT_EQ(e.vk, 'W');
}
