// Record lines of the airport and navaid databases: the exact text each
// writer produces, every record read back through the scanners (IDs of one
// to four characters, long names, the runway code's digits), the readers'
// rules for headings and flags, and the scanning alert for a damaged line.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "test_support.h"

#include <cstring>
#include <functional>
#include <string>

static std::string at(const std::string& name) { return std::string(test_scratch_folder()) + name; }

// The body of a file written by one writer call, after its two header lines.
static std::string written(const std::function<void(void)>& write)
{
    std::string path = at("lines.dat");
    EXPECT_EQ(ouf_open(path.c_str(), kind_text, 500), 1);
    write();
    EXPECT_EQ(ouf_close(), 1);
    std::string all = read_file(path);
    return all.substr(all.find('\n', 2) + 1);
}

// Opens a text file holding body after the header, ready for the readers.
static void open_body(const std::string& body)
{
    std::string path = at("in.dat");
    write_file(path, "I\n500 version\n" + body);
    ASSERT_EQ(inf_open(path.c_str(), kind_text, 500, 1), 1);
}

struct apt_rec {
    float h;
    int twr, bld;
    char id[5], name[40];
};
struct rwy_rec {
    float lat, lon;
    int num;
    char lcr;
    float hdng, len, width;
    int code;
};
struct nav_rec {
    int type;
    float lat, lon, h;
    int frq;
    float hdng;
    char id[5], name[40];
};

static void apt_io(apt_rec& a, int read) { fio_apt_line(&a.h, &a.twr, &a.bld, a.id, a.name, read); }
static void rwy_io(rwy_rec& r, int read)
{
    fio_rwy_line(&r.lat, &r.lon, &r.num, &r.lcr, &r.hdng, &r.len, &r.width, &r.code, read);
}
static void nav_io(nav_rec& n, int read)
{
    fio_nav_line(&n.type, &n.lat, &n.lon, &n.h, &n.frq, &n.hdng, n.id, n.name, read);
}

TEST(RecordLines, EachWriterSetsItsWidthsAndDecimals)
{
    const struct {
        const char* what;
        std::function<void(void)> write;
        const char* line;
    } cases[] = {
        {"airport, elevation rounded in width 6", [] { apt_rec a = {12.6f, 1, 0, "KSBD", "San Bernardino"}; apt_io(a, 0); },
         "1     13 1 0 KSBD San Bernardino\n"},
        {"airport, a flag other than 1 written as 0", [] { apt_rec a = {-115, 2, 1, "KTRM", "Thermal"}; apt_io(a, 0); },
         "1   -115 0 1 KTRM Thermal\n"},
        {"airport, a three-letter ID padded to four", [] { apt_rec a = {6752, 0, 1, "L35", "Big Bear"}; apt_io(a, 0); },
         "1   6752 0 1 L35  Big Bear\n"},
        {"airport, a one-letter ID and no name", [] { apt_rec a = {0, 0, 0, "Q", ""}; apt_io(a, 0); },
         "1      0 0 0 Q    \n"},
        {"runway, latitude 10.6 and longitude 11.6",
         [] { rwy_rec r = {37.5f, -117.25f, 6, 'L', 67, 10000, 200, 2335321}; rwy_io(r, 0); },
         "10  37.500000 -117.250000  6 L  67.00 10000  200 2335321\n"},
        {"runway, small code padded to 7, blank side as 'x'",
         [] { rwy_rec r = {-33.9f, 151.2f, 34, ' ', 345.5f, 800, 30, 1111}; rwy_io(r, 0); },
         "10 -33.900002  151.199997 34 x 345.50   800   30    1111\n"},
        {"VOR, three-letter ID",
         [] { nav_rec n = {3, 33.9188f, -117.5294f, 1300, 11220, 0, "PDZ", "Paradise VORTAC"}; nav_io(n, 0); },
         "3  33.918800 -117.529404   1300.0    11220   0.00 PDZ  Paradise VORTAC\n"},
        {"glide slope, packed heading wider than its field",
         [] { nav_rec n = {6, 34.0f, -117.0f, 944.5f, 11135, 300263, "IONT", "KONT 26R ILS"}; nav_io(n, 0); },
         "6  34.000000 -117.000000    944.5    11135 300263.00 IONT KONT 26R ILS\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(written(c.write), c.line) << c.what;
}

TEST(RecordLines, WhatIsWrittenReadsBackWithIdsOfEveryWidth)
{
    const char* ids[] = {"K", "L3", "L35", "KSBD"};
    std::string long_name = "Southern California Logistics Airport and Beyond";
    std::string path = at("round.dat");
    ASSERT_EQ(ouf_open(path.c_str(), kind_text, 500), 1);
    for (const char* id : ids) {
        apt_rec a = {1159, 1, 0, "", ""};
        snprintf(a.id, sizeof a.id, "%s", id);
        snprintf(a.name, sizeof a.name, "%s", long_name.c_str());
        apt_io(a, 0);
        nav_rec n = {2, 34.0866f, -118.0295f, 300, 359, 0, "", "El Monte NDB"};
        snprintf(n.id, sizeof n.id, "%s", id);
        nav_io(n, 0);
    }
    rwy_rec r = {34.095402f, -117.235001f, 6, 'R', 67.25f, 10000, 200, 2335321};
    rwy_io(r, 0);
    ASSERT_EQ(ouf_close(), 1);
    ASSERT_EQ(inf_open(path.c_str(), kind_text, 500, 1), 1);
    for (const char* id : ids) {
        EXPECT_EQ(intscan("code"), 1);
        apt_rec a = {};
        apt_io(a, 1);
        char want[5];
        snprintf(want, sizeof want, "%-4s", id);
        EXPECT_STREQ(a.id, want);
        EXPECT_EQ(std::string(a.name), long_name.substr(0, 38)) << id;
        EXPECT_FLOAT_EQ(a.h, 1159);
        EXPECT_EQ(a.twr, 1);
        EXPECT_EQ(a.bld, 0);
        EXPECT_EQ(intscan("code"), 2);
        nav_rec n = {};
        n.type = -1;
        nav_io(n, 1);
        EXPECT_EQ(n.type, -1) << "reading leaves the type to the caller";
        EXPECT_STREQ(n.id, want);
        EXPECT_STREQ(n.name, "El Monte NDB");
        EXPECT_EQ(n.frq, 359);
        EXPECT_FLOAT_EQ(n.lat, 34.0866f);
    }
    EXPECT_EQ(intscan("code"), 10);
    rwy_rec back = {};
    rwy_io(back, 1);
    EXPECT_FLOAT_EQ(back.lat, 34.095402f);
    EXPECT_FLOAT_EQ(back.lon, -117.235001f);
    EXPECT_EQ(back.num, 6);
    EXPECT_EQ(back.lcr, 'R');
    EXPECT_FLOAT_EQ(back.hdng, 67.25f);
    EXPECT_FLOAT_EQ(back.len, 10000);
    EXPECT_FLOAT_EQ(back.width, 200);
    // Surface 2 (concrete), end 0: PAPI, lights 3, approach 5; end 1: PAPI, lights 2, none.
    EXPECT_EQ(back.code, 2335321);
    int kind, a[2], b[2], c[2];
    code_to_lgts(&kind, a, b, c, back.code);
    EXPECT_EQ(kind, 63);
    EXPECT_EQ(a[0], 3);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(c[0], 5);
    EXPECT_EQ(a[1], 3);
    EXPECT_EQ(b[1], 2);
    EXPECT_EQ(c[1], 1);
}

TEST(RecordLines, ReadingWrapsTheHeadingOnceAndTakesOnlyOneAsAFlag)
{
    const struct {
        const char* hdng;
        float want;
    } headings[] = {{"-10", 350}, {"370", 10}, {"360", 360}, {"730", 370}, {"0", 0}, {"359.99", 359.99f}};
    for (const auto& h : headings) {
        open_body(std::string(" 33.5 -118.5 25 L ") + h.hdng + " 5000 100 1111111\n");
        rwy_rec r = {};
        rwy_io(r, 1);
        EXPECT_FLOAT_EQ(r.hdng, h.want) << h.hdng;
        EXPECT_EQ(r.lcr, 'L');
        EXPECT_EQ(r.code, 1111111);
    }
    const struct {
        const char* flags;
        int twr, bld;
    } flags[] = {{"2 1", 0, 1}, {"1 -1", 1, 0}, {"0 0", 0, 0}};
    for (const auto& f : flags) {
        open_body(std::string(" 100 ") + f.flags + " KAAA Name\n");
        apt_rec a = {};
        apt_io(a, 1);
        EXPECT_EQ(a.twr, f.twr) << f.flags;
        EXPECT_EQ(a.bld, f.bld) << f.flags;
        EXPECT_STREQ(a.id, "KAAA");
        EXPECT_STREQ(a.name, "Name");
    }
}

// A damaged line ends the program with the scanning alert naming the field.
TEST(RecordLinesDeathTest, ADamagedLineGivesTheScanningAlertForItsField)
{
    const struct {
        const char* body;
        int kind;   // 1 airport, 10 runway, else navaid
        const char* label;
    } cases[] = {
        {" x 1 1 KSBD San Bernardino\n", 1, "scan apt apt_h"},
        {" 1159 one 1 KSBD San Bernardino\n", 1, "scan apt apt_twr"},
        {" 1159 1 1 ", 1, "airport ID"},
        {" 1159 1 1 KSBD San Bernardino", 1, "airport name"},
        {" north -117.2 6 x 67 10000 200 1111111\n", 10, "scan rwy rwy_lat"},
        {" 34.1 -117.2 six x 67 10000 200 1111111\n", 10, "scan rwy rwy_num"},
        {" 34.1 -117.2 6", 10, "scan rwy rwy_hdng"},
        {" 34.1 -117.2 6 x 67 10000 wide 1111111\n", 10, "scan rwy rwy_width"},
        {" 34.1 -117.2 6 x 67 10000 200\n", 10, "scan rwy rwy_code"},
        {" 33.9 -117.5 1300 VHF 0 PDZ Paradise\n", 3, "scan nav line"},
        {" 33.9 -117.5 1300 11220 0 PD", 3, "nav ID"},
        {" 33.9 -117.5 1300 11220 0 PDZ  Paradise", 3, "nav line"},
    };
    ogl_ready = 0;
    for (const auto& c : cases) {
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                open_body(c.body);
                apt_rec a;
                rwy_rec r;
                nav_rec n;
                if (c.kind == 1) apt_io(a, 1);
                else if (c.kind == 10) rwy_io(r, 1);
                else nav_io(n, 1);
                exit(3);   // the line was taken whole: the test fails
            },
            ::testing::ExitedWithCode(1), "")
            << c.body;
        EXPECT_EQ(read_file("Error.out"), std::string("File-scanning error!\n\nfile:\n") + c.label + "\nend simulation\n")
            << c.body;
    }
}

TEST(RecordLines, ALongWordInAnIdFieldStaysInItsField)
{
    // An ID of more than four characters: the field keeps four and swallows
    // the fifth in place of its separator; nothing runs past the field.
    open_body(" 100 0 0 KSBDX San Bernardino\n");
    struct {
        apt_rec a;
        char after[8];
    } rec;
    memset(rec.after, 0x5a, sizeof rec.after);
    apt_io(rec.a, 1);
    EXPECT_STREQ(rec.a.id, "KSBD");
    EXPECT_STREQ(rec.a.name, "San Bernardino");
    for (char c : rec.after) EXPECT_EQ(c, 0x5a);
}
