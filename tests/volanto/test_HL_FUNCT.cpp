// Numeric, random and string helpers: rounding and truncation, wrapping and
// clamping at their edges, the random source's range, the short string forms.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

TEST(Rounding, IntroundHalvesAwayFromZero)
{
    struct {
        float x;
        int want;
    } cases[] = {{2.5f, 3}, {-2.5f, -3}, {-0.5f, -1}, {0.5f, 1}, {0.49f, 0}, {-0.49f, 0},
                 {1.4999f, 1}, {-1.5f, -2}, {0.0f, 0}, {1e6f + 0.5f, 1000001}};
    for (auto c : cases) EXPECT_EQ(intround(c.x), c.want) << "x = " << c.x;
}

TEST(Rounding, ConversionsToIntegerTruncateTowardZero)
{
    int h, m;
    sec_to_hrs_min(3725.9f, &h, &m);
    EXPECT_EQ(h, 1);
    EXPECT_EQ(m, 2);
    sec_to_hrs_min(3599.99f, &h, &m);     // not rounded up to the hour
    EXPECT_EQ(h, 0);
    EXPECT_EQ(m, 59);

    // intnear goes through the rounding rule, then truncates.
    EXPECT_EQ(intnear(7, 5), 5);
    EXPECT_EQ(intnear(8, 5), 10);
    EXPECT_EQ(intnear(-8, 5), -10);
    EXPECT_FLOAT_EQ(fltnear(-2.5f, 1.0f), -3.0f);
    EXPECT_FLOAT_EQ(fltnear(12.4f, 0.5f), 12.5f);
}

TEST(Limits, WrappingIsOnePeriodOnly)
{
    struct {
        int v, lo, hi, want;
    } ints[] = {{0, 1, 5, 5}, {1, 1, 5, 1}, {5, 1, 5, 5}, {6, 1, 5, 1}, {11, 1, 5, 6}, {-5, 1, 5, 0}};
    for (auto c : ints) EXPECT_EQ(intwrap(c.v, c.lo, c.hi), c.want) << c.v;

    struct {
        float v, lo, hi, want;
    } flts[] = {{370, 0, 360, 10}, {-10, 0, 360, 350}, {360, 0, 360, 360}, {0, 0, 360, 0},
                {800, 0, 360, 440}, {-0.5f, 0, 359, 358.5f}};
    for (auto c : flts) EXPECT_FLOAT_EQ(fltwrap(c.v, c.lo, c.hi), c.want) << c.v;
}

// Unlike intwrap, any number of turns: a whole degree from a file indexes a 360-entry table.
TEST(Limits, DegwrapFoldsAnyWholeDegreeIntoATurn)
{
    struct {
        int deg, want;
    } cases[] = {{0, 0}, {359, 359}, {360, 0}, {-1, 359}, {-360, 0}, {-361, 359}, {725, 5}, {-725, 355},
                 {INT_MAX, INT_MAX % 360}, {INT_MIN, INT_MIN % 360 + 360}};
    for (auto c : cases) EXPECT_EQ(degwrap(c.deg), c.want) << c.deg;
}

TEST(Limits, ClampsRangesAndBoxesAreInclusive)
{
    EXPECT_EQ(intlim(-1, 0, 10), 0);
    EXPECT_EQ(intlim(10, 0, 10), 10);
    EXPECT_EQ(intlim(11, 0, 10), 10);
    EXPECT_FLOAT_EQ(fltlim(10.0001f, 0, 10), 10);
    EXPECT_FLOAT_EQ(fltlim(-3, -2, 2), -2);
    EXPECT_FLOAT_EQ(fltlim(1.5f, -2, 2), 1.5f);

    EXPECT_EQ(intrange(5, 5, 9), 1);
    EXPECT_EQ(intrange(9, 5, 9), 1);
    EXPECT_EQ(intrange(10, 5, 9), 0);
    EXPECT_EQ(fltrange(1.0f, 0.0f, 1.0f), 1);
    EXPECT_EQ(fltrange(1.0001f, 0.0f, 1.0f), 0);
    EXPECT_EQ(fltbox(10, 20, 10, 20, 30, 40), 1);
    EXPECT_EQ(fltbox(30, 40, 10, 20, 30, 40), 1);
    EXPECT_EQ(fltbox(30.01f, 40, 10, 20, 30, 40), 0);
    EXPECT_EQ(fltbox(15, 19.99f, 10, 20, 30, 40), 0);

    // fallout pushes a value inside the band to its nearer edge; the midpoint goes to hi.
    EXPECT_FLOAT_EQ(fallout(5, 0, 10), 10);
    EXPECT_FLOAT_EQ(fallout(4.9f, 0, 10), 0);
    EXPECT_FLOAT_EQ(fallout(-1, 0, 10), -1);
    EXPECT_FLOAT_EQ(fallout(0, 0, 10), 0);
    EXPECT_FLOAT_EQ(fallout(10.5f, 0, 10), 10.5f);
}

TEST(Limits, MinAndMaxOfEqualArgumentsGiveTheSecond)
{
    // +0 and -0 compare equal but keep their sign, so the choice shows.
    EXPECT_TRUE(std::signbit(fltmin2(0.0f, -0.0f)));
    EXPECT_FALSE(std::signbit(fltmin2(-0.0f, 0.0f)));
    EXPECT_TRUE(std::signbit(fltmax2(0.0f, -0.0f)));
    EXPECT_FALSE(std::signbit(fltmax2(-0.0f, 0.0f)));
    EXPECT_FLOAT_EQ(fltmin4(3, -1, 7, 2), -1);
    EXPECT_FLOAT_EQ(fltmax4(3, -1, 7, 2), 7);
    EXPECT_EQ(intmin2(-4, 2), -4);
    EXPECT_EQ(intmax2(-4, 2), 2);
    int a = 1, b = 2;
    bol_switch(&a, &b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

TEST(Arithmetic, SmallFormulas)
{
    EXPECT_FLOAT_EQ(signsqr(-3), -9);
    EXPECT_FLOAT_EQ(signsqr(3), 9);
    EXPECT_FLOAT_EQ(sqr(-3), 9);
    EXPECT_FLOAT_EQ(pythag(3, 4), 5);
    EXPECT_FLOAT_EQ(pythag3(2, 3, 6), 7);
    EXPECT_FLOAT_EQ(interp(0, 10, 10, 20, 15), 25);      // not limited to the interval
    EXPECT_FLOAT_EQ(interp(10, 0, 20, -10, 5), 5);
    EXPECT_FLOAT_EQ(closer_assymp(10, 20, 0.25f), 12.5f);
}

TEST(Arithmetic, TurnsUseDegrees)
{
    MACIBM_set_constants();
    // rx2d/ry2d turn clockwise: (1, 0) by 90 degrees goes to (0, -1).
    EXPECT_NEAR(rx2d(1, 0, 90), 0, 1e-6f);
    EXPECT_NEAR(ry2d(1, 0, 90), -1, 1e-6f);
    EXPECT_NEAR(rx2d(0, 1, 90), 1, 1e-6f);
    // rx3d/rz3d turn the other way: (1, 0) goes to (0, 1).
    EXPECT_NEAR(rx3d(1, 0, 90), 0, 1e-6f);
    EXPECT_NEAR(rz3d(1, 0, 90), 1, 1e-6f);
    EXPECT_NEAR(rx2d(2, 0, 60), 1, 1e-6f);
}

// A seed whose first draw is the source's largest value, 32767.
static unsigned seed_of_top_draw(void)
{
    for (unsigned s = 0; s < 10000000; s++) {
        rnd15_seed(s);
        if (rnd15() == 32767) return s;
    }
    return 0;
}

TEST(Random, SourceIsRepeatableFifteenBits)
{
    rnd15_seed(1234);
    int first[8];
    for (int& v : first) v = rnd15();
    rnd15_seed(1234);
    for (int v : first) EXPECT_EQ(rnd15(), v);
    int lo = 32767, hi = 0;
    for (int k = 0; k < 200000; k++) {
        int v = rnd15();
        lo = v < lo ? v : lo;
        hi = v > hi ? v : hi;
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 32767);
}

TEST(Random, IntrandStaysWithinItsRangeEvenOnTheLargestDraw)
{
    unsigned s = seed_of_top_draw();
    rnd15_seed(s);
    ASSERT_EQ(rnd15(), 32767);
    rnd15_seed(s);
    EXPECT_EQ(intrand(0, 9), 9);           // not 10
    rnd15_seed(s);
    EXPECT_EQ(intrand(-3, -1), -1);
    rnd15_seed(s);
    EXPECT_FLOAT_EQ(fltrand(2, 5), 5);     // fltrand reaches hi inclusive

    int seen[10] = {0};
    rnd15_seed(99);
    for (int k = 0; k < 100000; k++) {
        int v = intrand(0, 9);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 9);
        seen[v]++;
    }
    for (int n : seen) EXPECT_GT(n, 8000);
    for (int k = 0; k < 10000; k++) {
        float f = fltrand(-1, 1);
        ASSERT_GE(f, -1);
        ASSERT_LE(f, 1);
    }
}

TEST(Strings, CopyJoinAppendSwap)
{
    char a[40] = "old", b[40] = "other";
    C_to_C(nullptr, a);
    EXPECT_STREQ(a, "old");
    C_to_C("", a);
    EXPECT_STREQ(a, "");
    C_to_C("abc", a);
    EXPECT_STREQ(a, "abc");
    C_plus_C("abc", "def", b);
    EXPECT_STREQ(b, "abcdef");
    C_plus_C(a, "!", a);                   // into its own first part
    EXPECT_STREQ(a, "abc!");
    app_C(a, "xy");
    EXPECT_STREQ(a, "abc!xy");
    str_switch(a, b);
    EXPECT_STREQ(a, "abcdef");
    EXPECT_STREQ(b, "abc!xy");
}

TEST(Strings, CharacterCodes)
{
    struct {
        char c;
        int v;
    } to_int[] = {{'0', 0}, {'7', 7}, {'9', 9}, {'+', 1}, {'-', -1}, {'a', 0}, {' ', 0}};
    for (auto t : to_int) EXPECT_EQ(char_to_int(t.c), t.v) << t.c;
    struct {
        int v;
        char c;
    } to_char[] = {{1, '1'}, {9, '9'}, {0, '0'}, {10, '0'}, {-3, '0'}};
    for (auto t : to_char) EXPECT_EQ(int_to_char(t.v), t.c) << t.v;
}

TEST(Strings, Integers)
{
    EXPECT_EQ(str_is_int(""), 1);
    EXPECT_EQ(str_is_int("0123"), 1);
    EXPECT_EQ(str_is_int("12a"), 0);
    EXPECT_EQ(str_is_int("-1"), 0);

    struct {
        const char* s;
        int v;
    } reads[] = {{"0042", 42}, {"9999", 9999}, {"7", 7}, {"12345", -1}, {"", -1}, {"1a", -1}, {"-4", -1}};
    for (auto r : reads) EXPECT_EQ(str_to_int(r.s), r.v) << r.s;

    struct {
        int n;
        const char* s;
    } writes[] = {{-7, "-7"}, {0, "0"}, {42, "42"}, {99999, "99999"}, {10000, "10000"},
                  {100000, "00000"}, {123456, "03456"}, {-123456, "-03456"}};
    for (auto w : writes) {
        char out[16];
        int_to_str(w.n, out);
        EXPECT_STREQ(out, w.s) << w.n;
    }
}

TEST(Strings, Fractions)
{
    struct {
        const char* s;
        int is_frac;
        float value;
    } cases[] = {
        {"3/4", 1, 0.75f}, {"1-2", 0, 0.5f}, {"12/4", 0, -1.0f}, {"+/2", 1, 0.5f},
        {"3/0", 0, -1.0f},      // a zero divisor never divides
        {"3/x", 0, -1.0f},      // nor does a divisor that is no digit
        {"0/4", 0, 0.0f}, {"", 0, -1.0f}, {"9/+", 1, 9.0f},
    };
    for (auto c : cases) {
        EXPECT_EQ(str_is_frac(c.s), c.is_frac) << c.s;
        EXPECT_FLOAT_EQ(str_to_frac(c.s), c.value) << c.s;
    }
}
