// The controls the settings windows and the panel share, without a window:
// the radio steppers at their wraps, with steps of a size they do not take
// and with values from a damaged file, and the levers' travel by kind.
#include <gtest/gtest.h>

#include "Windows.h"


namespace {

typedef void (*stepper)(int*, int);

// A NAV or COM frequency inside its band: the megahertz in lo..hi, the
// fraction whatever it is.
bool in_band(int freq, int lo, int hi) { return freq >= 100 * lo && freq <= 100 * hi + 99; }

}  // namespace

TEST(RadioSteppers, WrapAtTheirEnds)
{
    struct row {
        const char* name;
        stepper step;
        int value, by;
        int want;
    };
    const row rows[] = {
        {"NAV 117.95 up 0.05: 117.00, no carry", NAVinc, 11795, 5, 11700},
        {"NAV 108.00 down 0.05: 108.95, no borrow", NAVinc, 10800, -5, 10895},
        {"NAV 117.50 up 1 MHz: 108.50", NAVinc, 11750, 10, 10850},
        {"NAV 108.20 down 1 MHz: 117.20", NAVinc, 10820, -10, 11720},
        {"NAV by 7: nothing", NAVinc, 11170, 7, 11170},
        {"NAV by 1: nothing", NAVinc, 11170, -1, 11170},
        {"NAV by 0: nothing", NAVinc, 11170, 0, 11170},
        {"COM 118.00 down 1 MHz: 136.00", COMinc, 11800, -10, 13600},
        {"COM 136.95 up 1 MHz: 118.95", COMinc, 13695, 10, 11895},
        {"COM 121.95 up 0.05: 121.00", COMinc, 12195, 5, 12100},
        {"COM by 7: nothing", COMinc, 12150, 7, 12150},
        {"ADF 1230 tens up: 240, the thousands dropped", ADFinc, 1230, 10, 240},
        {"ADF units 9 up: 0", ADFinc, 359, 1, 350},
        {"ADF units 0 down: 9", ADFinc, 350, -1, 359},
        {"ADF hundreds 9 up: 0", ADFinc, 950, 100, 50},
        {"ADF hundreds 0 down: 9", ADFinc, 50, -100, 950},
        {"ADF tens 0 down: 9", ADFinc, 305, -10, 395},
        {"ADF by 5: nothing", ADFinc, 350, 5, 350},
        {"transponder 7 up: 0", XPNinc, 7, 1, 0},
        {"transponder 0 down: 7", XPNinc, 0, -1, 7},
        {"transponder 3 up: 4", XPNinc, 3, 1, 4},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        int v = r.value;
        r.step(&v, r.by);
        EXPECT_EQ(v, r.want);
    }
}

// A frequency far out of its band (a damaged preferences file) is back in
// it after one step of either size, as is a transponder digit out of 0..7.
TEST(RadioSteppers, BringAFrequencyFarOutBackInOneStep)
{
    struct row {
        const char* name;
        stepper step;
        int value, by;
        int lo, hi;   // the band: megahertz, or the ADF's kHz and a digit's range
        bool mhz;
    };
    const row rows[] = {
        {"NAV 999.99 up 1 MHz", NAVinc, 99999, 10, 108, 117, true},
        {"NAV 999.99 up 0.05", NAVinc, 99999, 5, 108, 117, true},
        {"NAV -5.00 down 1 MHz", NAVinc, -500, -10, 108, 117, true},
        {"NAV -1.23 up 0.05", NAVinc, -123, 5, 108, 117, true},
        {"COM 20000.00 down 1 MHz", COMinc, 2000000, -10, 118, 136, true},
        {"COM 0.00 up 0.05", COMinc, 0, 5, 118, 136, true},
        {"ADF -1230 kHz up 1", ADFinc, -1230, 1, 0, 999, false},
        {"ADF 123456 kHz down 100", ADFinc, 123456, -100, 0, 999, false},
        {"transponder 100 up", XPNinc, 100, 1, 0, 7, false},
        {"transponder -50 down", XPNinc, -50, -1, 0, 7, false},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        int v = r.value;
        r.step(&v, r.by);
        if (r.mhz) {
            EXPECT_TRUE(in_band(v, r.lo, r.hi)) << v;
        } else {
            EXPECT_GE(v, r.lo);
            EXPECT_LE(v, r.hi);
        }
    }
}

// Each lever kind's travel at its ends and middle, held to 0..1 outside;
// kinds between and beyond the levers give 0.
TEST(LeverTravel, ByKindAtItsEndsAndMiddle)
{
    struct row {
        int kind;
        float base, top;   // the positions reading 0 and 1
    };
    const row levers[] = {
        {lever_flaps, 73, 127},         {lever_sweep, 73, 112},          {lever_vector, 73, 126},
        {lever_throttle1, 4, 52},       {lever_throttle1 + 1, 4, 52},    {lever_throttle1 + 3, 4, 52},
        {lever_prop1, 4, 39},           {lever_prop1 + 3, 4, 39},        {lever_mixture1, 4, 39},
        {lever_mixture1 + 3, 4, 39},    {lever_carb_heat, 4, 52},
    };
    for (const row& l : levers) {
        SCOPED_TRACE(l.kind);
        float mid = (l.base + l.top) / 2;
        EXPECT_NEAR(util_get_handle(l.kind, l.base), 0, 1e-6);
        EXPECT_NEAR(util_get_handle(l.kind, mid), 0.5f, 1e-6);
        EXPECT_NEAR(util_get_handle(l.kind, l.top), 1, 1e-6);
        EXPECT_NEAR(util_get_handle(l.kind, l.base + 0.25f * (l.top - l.base)), 0.25f, 1e-6);
        EXPECT_EQ(util_get_handle(l.kind, l.base - 10), 0.0f);
        EXPECT_EQ(util_get_handle(l.kind, l.top + 10), 1.0f);
    }
    for (int kind : {0, 6, 8, 9, 25, -12}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(util_get_handle(kind, 30), 0.0f);
        EXPECT_EQ(util_get_handle(kind, 100), 0.0f);
    }
}
