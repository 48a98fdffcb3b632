// The byte swap of 4-byte values and of an aircraft record from the other
// platform: which fields turn, which stay as read.
#include <gtest/gtest.h>

#include "Hl_types.h"
#include "plane_layout.h"
#include "test_support.h"

#include <cstring>

TEST(RevByteOrder4, ReversesFourBytesInPlace)
{
    unsigned char b[6] = {9, 1, 2, 3, 4, 9};
    rev_byte_order4(b + 1);
    const unsigned char want[6] = {9, 4, 3, 2, 1, 9};
    EXPECT_EQ(memcmp(b, want, 6), 0);
}

// Checks every field of the format against a record before the swap: the
// listed ones have each 4-byte element reversed, all others keep their bytes.
static void expect_swapped_as_listed(const planestruct& before, const planestruct& after)
{
    const unsigned char* a = (const unsigned char*)&before;
    const unsigned char* b = (const unsigned char*)&after;
    for (size_t f = 0; f < plane_field_count; f++) {
        const plane_field& pf = plane_fields[f];
        bool ok = true;
        for (size_t k = pf.at; k < pf.at + pf.size; k++) {
            size_t mirror = pf.swapped ? (k - (k - pf.at) % 4) + 3 - (k - pf.at) % 4 : k;
            if (b[k] != a[mirror]) ok = false;
        }
        EXPECT_TRUE(ok) << pf.name << (pf.swapped ? " should be reversed" : " should keep its bytes");
    }
}

TEST(RevPlnBytes, ReversesExactlyTheFieldsAFileSupplies)
{
    for (int slot = 0; slot < 2; slot++) {
        fill_plane(pln[slot], 7 + slot);
        fill_plane(pln[1 - slot], 99);
        static planestruct before, other;
        before = pln[slot];
        other = pln[1 - slot];
        rev_pln_bytes(slot);
        expect_swapped_as_listed(before, pln[slot]);
        EXPECT_EQ(memcmp(&other, &pln[1 - slot], sizeof other), 0) << "the other slot was touched";
    }
}

TEST(RevPlnBytes, DesignCodesOfTheInstrumentsTurnToo)
{
    // A 2 written on the other platform must read as 2, or the loader makes it 1.
    reset_suite_state();
    pln[0].ADFtype = 0x02000000;
    pln[0].TStype = 0x02000000;
    rev_pln_bytes(0);
    EXPECT_EQ(pln[0].ADFtype, 2);
    EXPECT_EQ(pln[0].TStype, 2);
}

TEST(RevPlnBytes, TwiceRestoresTheRecordAndNeverTouchesNames)
{
    fill_plane(pln[1], 3);
    memset(pln[1].tailnum, 'N', sizeof pln[1].tailnum);   // names need no terminator to be left alone
    static planestruct before;
    before = pln[1];
    rev_pln_bytes(1);
    for (size_t f = 0; f < plane_field_count; f++) {
        const plane_field& pf = plane_fields[f];
        if (!pf.is_text) continue;
        EXPECT_EQ(memcmp((const char*)&before + pf.at, (const char*)&pln[1] + pf.at, pf.size), 0) << pf.name;
    }
    rev_pln_bytes(1);
    EXPECT_EQ(memcmp(&before, &pln[1], sizeof before), 0);
}
