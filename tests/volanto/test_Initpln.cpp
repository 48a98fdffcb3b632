// The aircraft record and the aircraft file: the record is the file's image,
// byte for byte; the reader takes it whole in either byte order or not at all.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "plane_files.h"
#include "plane_layout.h"
#include "host_test.h"
#include "test_support.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

TEST(PlaneRecord, IsTheFileImageFieldByField)
{
    EXPECT_EQ(sizeof(planestruct), 189548u);
    ASSERT_EQ(plane_field_count, 253u);
    size_t next = 0;
    for (size_t f = 0; f < plane_field_count; f++) {
        const plane_field& pf = plane_fields[f];
        EXPECT_EQ(pf.at + 5, pf.file_offset) << pf.name;
        EXPECT_EQ(pf.size, pf.file_size) << pf.name;
        EXPECT_EQ(pf.at, next) << pf.name << " does not follow the field before it";
        next = pf.at + pf.size;
    }
    EXPECT_EQ(next, sizeof(planestruct));
}

// ---- files ------------------------------------------------------------------

static std::string header(char mark, bool big_endian)
{
    std::string h(1, mark);
    unsigned char v[4] = {46, 0, 0, 0};
    if (big_endian) rev_byte_order4(v);
    h.append((const char*)v, 4);
    return h;
}

static std::string image(const planestruct& pl) { return std::string((const char*)&pl, sizeof pl); }


static planestruct original;

TEST(PlaneFile, WrittenAndReadBackEqual)
{
    fill_plane(pln[0], 11);
    original = pln[0];
    ASSERT_EQ(write_plane_file(0, "Test Plane.acf"), 1);
    EXPECT_EQ(read_file("Test Plane.acf"), header('i', false) + image(original));

    fill_plane(pln[1], 12);
    ASSERT_EQ(read_plane_file(1, "Test Plane.acf", 1), 1);
    EXPECT_EQ(memcmp(&pln[1], &original, sizeof original), 0);
    EXPECT_EQ(memcmp(&pln[0], &original, sizeof original), 0);
}

TEST(PlaneFile, OrderComesFromAsiUnitsNotFromTheMark)
{
    fill_plane(original, 21);
    static planestruct foreign;
    foreign = original;
    to_other_byte_order(foreign);
    struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"big-endian image marked a", header('a', true) + image(foreign)},
        {"big-endian image marked i", header('i', false) + image(foreign)},
        {"native image marked a", header('a', true) + image(original)},
    };
    for (auto& c : cases) {
        write_file("plane.acf", c.file);
        memset(&pln[0], 0, sizeof pln[0]);
        ASSERT_EQ(read_plane_file(0, "plane.acf", 1), 1) << c.what;
        EXPECT_EQ(memcmp(&pln[0], &original, sizeof original), 0) << c.what;
        EXPECT_EQ(pln[0].asi_units, 2) << c.what;
    }
}

TEST(PlaneFile, NamesEndWithinTheirWidth)
{
    fill_plane(original, 31);
    memset(original.C_path, 'p', sizeof original.C_path);
    memset(original.Tafl1[27], 't', sizeof original.Tafl1[27]);
    memset(original.flap_str, 'f', sizeof original.flap_str);
    write_file("names.acf", header('i', false) + image(original));
    ASSERT_EQ(read_plane_file(0, "names.acf", 1), 1);
    EXPECT_EQ(strlen(pln[0].C_path), 399u);
    EXPECT_EQ(strlen(pln[0].Tafl1[27]), 399u);
    EXPECT_EQ(strlen(pln[0].flap_str), 399u);
    EXPECT_EQ(pln[0].Rafl0[0][0], 'R');   // the next name starts where it did
}

TEST(PlaneFile, MissingFileReadsNothing)
{
    fill_plane(pln[1], 41);
    original = pln[1];
    for (int fatal : {0, 1}) {
        EXPECT_EQ(read_plane_file(1, "no such plane.acf", fatal), 0) << fatal;
        EXPECT_EQ(memcmp(&pln[1], &original, sizeof original), 0) << fatal;
    }
}

// The damaged files: found, so not missing. Each is -1 to a caller that goes
// on without it (fatal 0), and the fatal read-in alert otherwise (below).
struct damaged_plane_file {
    const char* what;
    std::string bytes;
};
static std::vector<damaged_plane_file> damaged_plane_files(void)
{
    fill_plane(original, 71);
    std::string whole = header('i', false) + image(original);
    static planestruct odd;
    odd = original;
    odd.asi_units = 3;
    return {
        {"empty", ""},
        {"cut inside the header", whole.substr(0, 3)},
        {"header only", whole.substr(0, 5)},
        {"cut inside the record", whole.substr(0, 5 + 100000)},
        {"one byte short", whole.substr(0, whole.size() - 1)},
        {"marked x", header('x', false) + image(original)},
        {"marked as a text file", header('I', false) + image(original)},
        {"no airspeed unit in either order", header('i', false) + image(odd)},
    };
}

TEST(PlaneFile, ADamagedFileIsToldFromAMissingOneAndReadsNothing)
{
    ogl_ready = 0;
    int boxes = host_test_message_box_count();
    for (const auto& c : damaged_plane_files()) {
        write_file("damaged.acf", c.bytes);
        fill_plane(pln[0], 72);
        original = pln[0];
        EXPECT_EQ(read_plane_file(0, "damaged.acf", 0), -1) << c.what;
        EXPECT_EQ(memcmp(&pln[0], &original, sizeof original), 0) << c.what;
    }
    // The caller says what it makes of it.
    EXPECT_EQ(host_test_message_box_count(), boxes);
}

TEST(PlaneFile, WriterReportsWhetherTheWholeFileWasWritten)
{
    ogl_ready = 0;
    fill_plane(pln[0], 51);
    EXPECT_EQ(write_plane_file(0, "no such folder/plane.acf"), 0);

    write_file("older.acf", "old design");
    ASSERT_EQ(write_plane_file(0, "older.acf"), 1);
    EXPECT_EQ(read_file("older.acf"), header('i', false) + image(pln[0]));
}

// ---- damaged files: fatal, and the slot keeps the previous aircraft ----------

// The fatal alert ends the process; this records at exit whether pln[slot]
// still held what it held before the read.
static int guard_slot;
static void report_slot_state(void)
{
    write_file("slot.state", memcmp(&pln[guard_slot], &original, sizeof original) == 0 ? "untouched" : "changed");
}

static void read_guarded(int slot, const char* path, int fatal = 1)
{
    err.open("Error.out", std::ios::out | std::ios::trunc);
    fill_plane(pln[slot], 61);
    original = pln[slot];
    guard_slot = slot;
    atexit(report_slot_state);
    read_plane_file(slot, path, fatal);
}

TEST(PlaneFileDeathTest, ADamagedFileIsFatalAndLeavesTheSlotAlone)
{
    ogl_ready = 0;
    int slot = 0;
    for (const auto& c : damaged_plane_files()) {
        write_file("damaged.acf", c.bytes);
        remove("slot.state");
        slot = 1 - slot;
        EXPECT_EXIT(read_guarded(slot, "damaged.acf"), ::testing::ExitedWithCode(1), "") << c.what;
        EXPECT_EQ(error_out(), read_in_alert + "damaged.acf\n\nend simulation\n") << c.what;
        EXPECT_EQ(read_file("slot.state"), "untouched") << c.what;
    }
}

TEST(PlaneFileDeathTest, AnotherVersionIsFatal)
{
    ogl_ready = 0;
    fill_plane(original, 91);
    std::string file = header('i', false) + image(original);
    file[1] = 45;
    write_file("old.acf", file);
    // Not damage: the header reader's own alert, whoever asks.
    for (int fatal : {0, 1}) {
        EXPECT_EXIT(read_guarded(0, "old.acf", fatal), ::testing::ExitedWithCode(1), "") << fatal;
        EXPECT_EQ(error_out().rfind("The following file is the wrong version for this version of Volanto:\nold.acf\n", 0), 0u)
            << fatal;
    }
}
