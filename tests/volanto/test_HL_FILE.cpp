// File headers and scanners: bad files of every kind end in the scanning or
// wrong-version alert, good ones read back what the writers wrote, a failed
// save keeps the old file; and the open and save dialog's listing and picking,
// run without a window.
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <csignal>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace std::string_literals;

static std::string at(const std::string& name) { return std::string(test_scratch_folder()) + name; }
static void open_log(void) { err.open("Error.out", std::ios::out | std::ios::trunc); }

static std::string le4(int v)
{
    std::string s(4, 0);
    for (int k = 0; k < 4; k++) s[k] = (char)((unsigned)v >> (8 * k));
    return s;
}
static std::string be4(int v)
{
    std::string s(4, 0);
    for (int k = 0; k < 4; k++) s[3 - k] = (char)((unsigned)v >> (8 * k));
    return s;
}
static std::string be4f(float f)
{
    int v;
    memcpy(&v, &f, 4);
    return be4(v);
}

// ---- bad files -------------------------------------------------------------

struct bad_file {
    const char* what;
    std::string body;
    int kind;
    void (*read)(void);
    const char* label;          // the item the alert must name
};

TEST(ScannerDeathTest, EveryBadFileEndsInTheScanningAlertNamingTheItem)
{
    static char small[8];
    const bad_file cases[] = {
        {"text cut before a number", "I\n7 version\n12\n", 209, [] { intscan("a"); intscan("rwy count"); }, "rwy count"},
        {"a letter where an integer stands", "I\n7 version\nx12\n", 209, [] { intscan("apt_h"); }, "apt_h"},
        {"a letter where a float stands", "I\n7 version\n3 north\n", 209, [] { intscan("a"); fltscan("rwy_lat"); }, "rwy_lat"},
        {"a word for a flag", "I\n7 version\nyes\n", 209, [] { bolscan("logbook"); }, "logbook"},
        {"a last line without its end", "I\n7 version\nKSEA Seattle", 209, [] { strscan(small, "apt name", 8); }, "apt name"},
        {"a word at the end of the file", "I\n7 version\n   ", 209, [] { wrdscan(small, "nav ID", 5, 1); }, "nav ID"},
        {"a line skipped past the end", "I\n7 version\n5", 209, [] { intscan("a"); rln("skip"); }, "skip"},
        {"binary cut inside an integer", "i" + le4(7) + "\x01\x02", 202, [] { intscan("is_heli"); }, "is_heli"},
        {"binary cut inside a float", "i" + le4(7) + le4(1) + "\x01", 202, [] { intscan("a"); fltscan("Vne"); }, "Vne"},
        {"binary cut inside a text field", "i" + le4(7) + "abc", 202, [] { strscan(small, "tailnum", 8); }, "tailnum"},
        {"a version that is no number", "I\nseven version\n", 209, [] {}, nullptr},
        {"a header cut after its letter", "I", 209, [] {}, nullptr},
    };
    ogl_ready = 0;
    for (const bad_file& c : cases) {
        std::string path = at("bad.dat");
        write_file(path, c.body);
        EXPECT_EXIT(
            {
                open_log();
                if (inf_open(path.c_str(), c.kind, 7, 1)) c.read();
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        std::string label = c.label ? c.label : path;
        EXPECT_EQ(error_out(), "File-scanning error!\n\nfile:\n" + label + "\nend simulation\n") << c.what;
    }
}

TEST(ScannerDeathTest, AWrongVersionIsSilentWithoutFatalAndTheAlertWithIt)
{
    ogl_ready = 0;
    const struct {
        std::string body;
        int kind;
    } files[] = {{"I\n510 version\n1\n", 209}, {"i" + le4(45) + le4(1), 202}, {"a" + be4(45) + be4(1), 202}};
    std::string path = at("old.prf");
    for (const auto& f : files) {
        write_file(path, f.body);
        open_log();
        int boxes = host_test_message_box_count();
        EXPECT_EQ(inf_open(path.c_str(), f.kind, f.kind == 202 ? 46 : 511, 0), 0);
        EXPECT_EQ(host_test_message_box_count(), boxes);
        err.close();
        EXPECT_EQ(error_out(), "");
        EXPECT_EXIT(
            {
                open_log();
                inf_open(path.c_str(), f.kind, f.kind == 202 ? 46 : 511, 1);
            },
            ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(error_out(),
                  "The following file is the wrong version for this version of Volanto:\n" + path +
                      "\nThrow that file away. You should only use the files that came with the program.\n"
                      "You may have to re-install Volanto from the CD.\nend simulation\n");
    }
}

TEST(Header, ABadOrderMarkOrNoFileOpensNothingAndSaysNothing)
{
    const struct {
        std::string body;
        int kind;
    } files[] = {{"x" + le4(46), 202}, {"I" + le4(46), 204}, {"B\n7 version\n", 209}, {"", 209}};
    std::string path = at("mark.dat");
    int boxes = host_test_message_box_count();
    for (const auto& f : files) {
        write_file(path, f.body);
        EXPECT_EQ(inf_open(path.c_str(), f.kind, 7, 1), 0);
    }
    EXPECT_EQ(inf_open(at("missing.dat").c_str(), 209, 7, 1), 0);
    EXPECT_EQ(host_test_message_box_count(), boxes);
    // No text header read: strscan reads nothing.
    char line[20] = "stale";
    strscan(line, "none", 20);
    EXPECT_STREQ(line, "");
}

TEST(Header, ForeignByteOrderIsReversedAndOursIsNot)
{
    std::string path = at("plane.acf");
    write_file(path, "a" + be4(46) + be4(-3) + be4f(1.5f) + "N1234\0\0\0"s);
    ASSERT_EQ(inf_open(path.c_str(), 202, 46, 1), 1);
    EXPECT_EQ(rev_inf_bin, 1);
    EXPECT_EQ(intscan("i"), -3);
    EXPECT_EQ(fltscan("f"), 1.5f);
    char tail[8];
    strscan(tail, "tailnum", 8);
    EXPECT_STREQ(tail, "N1234");

    write_file(path, "i" + le4(46) + le4(-3));
    ASSERT_EQ(inf_open(path.c_str(), 202, 46, 1), 1);
    EXPECT_EQ(rev_inf_bin, 0);
    EXPECT_EQ(intscan("i"), -3);
}

TEST(Header, ABinaryTextFieldWithoutTerminatorGetsOne)
{
    std::string path = at("plane.acf");
    write_file(path, "i" + le4(46) + "ABCDEFGH" + le4(9));
    ASSERT_EQ(inf_open(path.c_str(), 202, 46, 1), 1);
    char field[9];
    field[8] = '#';
    strscan(field, "name", 8);
    EXPECT_STREQ(field, "ABCDEFG");
    EXPECT_EQ(field[8], '#');
    EXPECT_EQ(intscan("after"), 9);     // exactly max bytes were taken
}

// ---- line ends ---------------------------------------------------------------

TEST(Scanners, LfCrLfAndCrOnlyFilesReadAlike)
{
    const char* bodies[] = {
        "I\n7 version\n12 word\n  rest of line \nnext\n",
        "I\r\n7 version\r\n12 word\r\n  rest of line \r\nnext\r\n",
        "A\r7 version\r12 word\r  rest of line \rnext\r",
    };
    std::string path = at("lines.txt");
    for (const char* body : bodies) {
        write_file(path, body);
        ASSERT_EQ(inf_open(path.c_str(), 209, 7, 1), 1) << body;
        EXPECT_STREQ(C_s, "version");
        EXPECT_EQ(intscan("n"), 12);
        char word[10], line[40];
        wrdscan(word, "w", 10, 0);
        EXPECT_STREQ(word, "word");
        strscan(line, "l", 40);
        EXPECT_STREQ(line, "rest of line ");
        strscan(line, "l", 40);
        EXPECT_STREQ(line, "next");
    }
}

TEST(Scanners, StrscanKeepsMaxMinusTwoAndNeverWritesPastTheBuffer)
{
    std::string path = at("long.txt");
    write_file(path, "I\n7 version\n123456\n1234567\n12345678901234567890\nafter\n5\n\n");
    ASSERT_EQ(inf_open(path.c_str(), 209, 7, 1), 1);
    char buf[9];
    buf[8] = '#';
    strscan(buf, "s", 8);
    EXPECT_STREQ(buf, "123456");    // max - 2 characters: whole
    strscan(buf, "s", 8);
    EXPECT_STREQ(buf, "123456");    // one more: cut
    strscan(buf, "s", 8);
    EXPECT_STREQ(buf, "123456");    // far longer: cut, the rest of the line consumed
    EXPECT_EQ(buf[8], '#');
    strscan(buf, "s", 8);
    EXPECT_STREQ(buf, "after");
    EXPECT_EQ(intscan("n"), 5);
    strscan(buf, "s", 8);           // only a number on the line
    EXPECT_STREQ(buf, "");
}

TEST(Scanners, WrdscanFixedAndFreeFields)
{
    std::string path = at("words.txt");
    write_file(path, "I\n7 version\n  KSEA Seattle\n  AB  C rest\nABCDEFGH second\n");
    ASSERT_EQ(inf_open(path.c_str(), 209, 7, 1), 1);
    char w[6];
    w[5] = '#';
    wrdscan(w, "id", 5, 1);
    EXPECT_STREQ(w, "KSEA");
    char name[40];
    strscan(name, "name", 40);
    EXPECT_STREQ(name, "Seattle");          // the blank after the field was swallowed
    wrdscan(w, "id", 5, 1);
    EXPECT_STREQ(w, "AB  ");                // trailing blanks kept, the C swallowed
    strscan(name, "name", 40);
    EXPECT_STREQ(name, "rest");
    wrdscan(w, "word", 5, 0);
    EXPECT_STREQ(w, "ABCD");                // an over-long word keeps max - 1
    EXPECT_EQ(w[5], '#');
    wrdscan(w, "word", 5, 0);
    EXPECT_STREQ(w, "seco");
}

TEST(Scanners, OnlyOneIsTrueForBolscan)
{
    std::string path = at("flags.txt");
    write_file(path, "I\n7 version\n0 2 -1 1\n");
    ASSERT_EQ(inf_open(path.c_str(), 209, 7, 1), 1);
    EXPECT_EQ(bolscan("f"), 0);
    EXPECT_EQ(bolscan("f"), 0);
    EXPECT_EQ(bolscan("f"), 0);
    EXPECT_EQ(bolscan("f"), 1);
}

// ---- writing -----------------------------------------------------------------

TEST(Writers, ATextFileWritesItsHeaderLfAndFixedPointFloats)
{
    std::string path = at("Untitled.sit");
    ASSERT_EQ(ouf_open(path.c_str(), 203, 511), 1);
    ouf << 1.5f << '\n' << 0.0000001f << '\n' << 42 << '\n' << "Seattle Tacoma" << '\n';
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(read_file(path), "I\n511 version\n1.500000\n0.000000\n42\nSeattle Tacoma\n");
    EXPECT_EQ(access((path + ".new").c_str(), F_OK), -1);

    ASSERT_EQ(inf_open(path.c_str(), 203, 511, 1), 1);
    EXPECT_EQ(fltscan("f"), 1.5f);
    EXPECT_EQ(fltscan("f"), 0.0f);
    EXPECT_EQ(intscan("i"), 42);
    char line[40];
    strscan(line, "s", 40);
    strscan(line, "s", 40);
    EXPECT_STREQ(line, "Seattle Tacoma");
}

TEST(Writers, AnAirportFileKeepsItsHeaderLine)
{
    std::string in = at("apt.dat"), out = at("apt2.dat");
    write_file(in, "I\n500 Data (c) the publishers, 2001\n1 KSEA\n");
    ASSERT_EQ(inf_open(in.c_str(), 207, 500, 1), 1);
    EXPECT_STREQ(copyright_apt, "Data (c) the publishers, 2001");
    ASSERT_EQ(ouf_open(out.c_str(), 207, 500), 1);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(read_file(out), "I\n500 Data (c) the publishers, 2001\n");
}

TEST(Writers, ABinaryFileIsLittleEndianWithItsOrderMark)
{
    std::string path = at("plane.acf");
    ASSERT_EQ(ouf_open(path.c_str(), 202, 46), 1);
    int i = -7;
    float f = 2.25f;
    ouf.write((const char*)&i, 4);
    ouf.write((const char*)&f, 4);
    ASSERT_EQ(ouf_close(), 1);
    std::string bytes = read_file(path);
    EXPECT_EQ(bytes.substr(0, 5), "i" + le4(46));
    ASSERT_EQ(inf_open(path.c_str(), 202, 46, 1), 1);
    EXPECT_EQ(intscan("i"), -7);
    EXPECT_EQ(fltscan("f"), 2.25f);
}

static const char* notice_start = "I could not save the file! Could the directory that the file sits in be missing?";

TEST(Writers, AMissingFolderGivesTheNoticeAndWritesNothing)
{
    ogl_ready = 0;
    std::string path = at("no such folder/plane.acf");
    int boxes = host_test_message_box_count();
    EXPECT_EQ(ouf_open(path.c_str(), 202, 46), 0);
    EXPECT_EQ(host_test_message_box_count(), boxes + 1);
    EXPECT_EQ(std::string(host_test_last_message_box()).find(std::string(notice_start) + "\n\n" + path), 0u);
    ouf << "lost";
    EXPECT_EQ(ouf_close(), 0);                          // no second notice
    EXPECT_EQ(host_test_message_box_count(), boxes + 1);
}

// A save that breaks off part-way, by a full disk (a file-size limit here)
// or any write error, never touches the file that was there.
TEST(Writers, ASaveThatFailsPartWayKeepsTheOldFile)
{
    ogl_ready = 0;
    std::string path = at("Volanto 5.prf");
    const std::string old_body = "I\n511 version\nthe user's settings\n";
    for (int how = 0; how < 2; how++) {
        write_file(path, old_body);
        int boxes = host_test_message_box_count();
        ASSERT_EQ(ouf_open(path.c_str(), 209, 511), 1);
        struct rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        if (how == 0) {
            signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = {4096, saved.rlim_max};
            setrlimit(RLIMIT_FSIZE, &small);
        }
        for (int k = 0; k < 5000; k++) ouf << 1.0f * k << '\n';
        if (how == 1) ouf.setstate(std::ios::badbit);
        int ok = ouf_close();
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(ok, 0) << how;
        EXPECT_EQ(read_file(path), old_body) << how;
        EXPECT_EQ(access((path + ".new").c_str(), F_OK), -1) << how;
        EXPECT_EQ(host_test_message_box_count(), boxes + 1) << how;
        EXPECT_EQ(std::string(host_test_last_message_box()).find(notice_start), 0u);
    }
}

TEST(Writers, AWriterThatNeverClosedIsFinishedByTheNextOpen)
{
    std::string first = at("one.txt"), second = at("two.txt");
    ASSERT_EQ(ouf_open(first.c_str(), 209, 1), 1);
    ouf << "one\n";
    ASSERT_EQ(ouf_open(second.c_str(), 209, 1), 1);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(read_file(first), "I\n1 version\none\n");
}

// ---- the dialog's listing ----------------------------------------------------

static std::string make_folder(const std::string& name)
{
    std::string f = at(name) + "/";
    mkdir(f.c_str(), 0755);
    return f;
}

static void touch(const std::string& path) { write_file(path, "x"); }

static std::vector<std::string> listed(void)
{
    std::vector<std::string> v;
    for (int k = 0; k < g_num_items; k++) v.push_back(std::string(g_name[k]) + (g_is_folder[k] ? "/" : ""));
    return v;
}

TEST(HostListing, SkipsDotNamesAndSpecialFilesFollowsLinksAndIgnoresCase)
{
    std::string f = make_folder("host");
    for (const char* n : {"b.acf", "A.acf", "c.acf", ".hidden.acf"}) touch(f + n);
    make_folder("host/Sub");
    make_folder("elsewhere");
    symlink(at("elsewhere").c_str(), (f + "linked").c_str());
    symlink((f + "gone").c_str(), (f + "dangling").c_str());
    mkfifo((f + "pipe").c_str(), 0644);
    std::vector<std::string> names;
    auto take = [](const char* name, int is_folder, void* ctx) {
        ((std::vector<std::string>*)ctx)->push_back(std::string(name) + (is_folder ? "/" : ""));
        return 1;
    };
    ASSERT_EQ(host_list_folder(f.c_str(), take, &names), 1);
    EXPECT_EQ(names, (std::vector<std::string>{"A.acf", "b.acf", "c.acf", "linked/", "Sub/"}));
    EXPECT_EQ(host_list_folder(at("nowhere/").c_str(), take, &names), 0);
}

TEST(DialogListing, FiltersByKindAndSortsByTheFirstCharacter)
{
    std::string f = make_folder("list");
    for (const char* n : {"b.acf", "a2.ACF", "a1.acf", "Zed.acf", "mixed.Acf", "notes.txt", "ac", "x"}) touch(f + n);
    make_folder("list/planes");
    snprintf(wrk_path, path_max, "%s", f.c_str());

    g_num_items = GetDirItems(202);
    // Capitals sort before small letters; the same first letter keeps the folder's order.
    EXPECT_EQ(listed(), (std::vector<std::string>{"Zed.acf", "a1.acf", "a2.ACF", "b.acf", "planes/"}));
    EXPECT_EQ(std::string(g_path[0]), f + "Zed.acf");
    g_num_items = GetDirItems(209);
    EXPECT_EQ(g_num_items, 9);
    for (int kind : {204, 207, 208}) {
        g_num_items = GetDirItems(kind);
        EXPECT_EQ(listed(), (std::vector<std::string>{"planes/"})) << kind;
    }
    EXPECT_EQ(takeit(".", 209, 1), 0);
    EXPECT_EQ(takeit("..", 209, 1), 0);
    EXPECT_EQ(takeit("cf", 202, 0), 0);
}

TEST(DialogListing, OnlyTheEntriesListedNowAreSorted)
{
    std::string big = make_folder("big"), small = make_folder("small");
    for (const char* n : {"a1.acf", "a2.acf", "a3.acf"}) touch(big + n);
    for (const char* n : {"c.acf", "b.txt"}) touch(small + n);
    snprintf(wrk_path, path_max, "%s", big.c_str());
    GetDirItems(202);
    snprintf(wrk_path, path_max, "%s", small.c_str());
    g_num_items = GetDirItems(202);
    EXPECT_EQ(listed(), (std::vector<std::string>{"c.acf"}));
}

TEST(DialogListing, AtMost200EntriesAndLongNamesCutOnlyForDrawing)
{
    std::string f = make_folder("many");
    for (int k = 0; k < 210; k++) touch(f + "p" + std::to_string(1000 + k) + ".acf");
    for (int k = 0; k < 50; k++) touch(f + "a" + std::to_string(k) + ".txt");
    snprintf(wrk_path, path_max, "%s", f.c_str());
    EXPECT_EQ(GetDirItems(202), 200);
    EXPECT_STREQ(g_name[199], "p1199.acf");

    std::string g = make_folder("long");
    std::string longname(40, 'n');
    longname += ".acf";
    touch(g + longname);
    snprintf(wrk_path, path_max, "%s", g.c_str());
    ASSERT_EQ(GetDirItems(202), 1);
    EXPECT_EQ(strlen(g_name[0]), 31u);
    EXPECT_EQ(std::string(g_path[0]), g + longname);
}

TEST(DialogListing, ApDirBuildsUnderTheProgramFolderWithABound)
{
    snprintf(app_path, path_max, "/opt/vol/");
    char name[path_max] = "apt.dat";
    ap_dir("additional nav data", name);
    EXPECT_STREQ(name, "/opt/vol/additional nav data/apt.dat");
    std::string huge(390, 'x');
    snprintf(name, path_max, "%s", huge.c_str());
    ap_dir("planes", name);
    EXPECT_STREQ(name, "");
}

// ---- the dialog's loop, without a window ----------------------------------------
// The dialog window (320 x 488) is centred at 240, 56 on the 800 x 600 screen.

static void click_in_dialog(float wx, float wy)
{
    host_test_push_click((int)(240 + wx), (int)(600 - (56 + wy)));
    host_test_push_frame_break();
}

struct DialogLoop : ::testing::Test {
    std::string root;
    void SetUp() override
    {
        reset_suite_state();
        mnw.XRES = 800;
        mnw.YRES = 600;
        mnw.XRAT = 1;
        mnw.YRAT = 1;
        mnw.topwin = 0;
        host_test_clock(0, 10);
        root = make_folder("prog");
        snprintf(app_path, path_max, "%s", root.c_str());
        snprintf(wrk_path, path_max, "%s", root.c_str());
        snprintf(sit_path, path_max, "%ssituations/", root.c_str());
        make_folder("prog/situations");
        make_folder("prog/planes");
        give_plane_own_panel();   // the main view the dialog returns to
        touch(root + "planes/b.acf");
        touch(root + "planes/c.acf");
        touch(root + "situations/Untitled.sit");
    }
};

TEST_F(DialogLoop, EntersAFolderAndPicksByTheRowTheClickLandsIn)
{
    click_in_dialog(100, 432);          // row 0: "planes/"
    click_in_dialog(100, 418.5f);       // lower half of row 1's name: "c.acf"
    char name[path_max] = "keep", path[path_max] = "keep";
    EXPECT_EQ(MACIBM_opensave(win_open, 202, name, path), 1);
    EXPECT_STREQ(name, "c.acf");
    EXPECT_EQ(std::string(path), root + "planes/c.acf");
    EXPECT_EQ(mnw.topwin, 0);
}

TEST_F(DialogLoop, BelowTheLastEntryNothingHappensAndCancelChangesNothing)
{
    click_in_dialog(100, 300);          // no entry there
    click_in_dialog(100, 455);          // up from the start folder: nothing
    click_in_dialog(100, 475);          // cancel
    char name[path_max] = "keep", path[path_max] = "keep";
    EXPECT_EQ(MACIBM_opensave(win_open, 202, name, path), 0);
    EXPECT_STREQ(name, "keep");
    EXPECT_STREQ(path, "keep");
    EXPECT_EQ(std::string(wrk_path), root);
    EXPECT_EQ(host_test_pending_events(), 0);
    EXPECT_EQ(mnw.topwin, 0);
}

TEST_F(DialogLoop, GoingUpStopsAtTheStartFolder)
{
    make_folder("prog/situations/old");
    click_in_dialog(100, 422);          // row 1, "old/" (capitals sort first)
    click_in_dialog(100, 455);          // up
    click_in_dialog(100, 455);          // up again: stays
    click_in_dialog(100, 475);
    char name[path_max] = "", path[path_max] = "";
    EXPECT_EQ(MACIBM_opensave(win_open, 203, name, path), 0);
    EXPECT_EQ(std::string(wrk_path), root + "situations/");
}

// The save dialog's cursor blinks frame by frame; each window start begins
// the blink again, so a new dialog's first frame draws it as the first did.
TEST_F(DialogLoop, EachWindowStartsTheCursorBlinkAgain)
{
    OGL_assigncolor(29, 0, 0, 0);
    OGL_assigncolor(47, 0.6f, 1, 0.6f);
    g_cs0[0] = 0;
    g_num_items = 0;
    // The cursor of an empty name: x 16, y 12 to 22 in the dialog at 240, 56.
    auto cursor_green = [] {
        to_array = 1;
        OPENSAVE_update();
        to_array = 0;
        return (int)rgb_array[((56 + 17) * 800 + 240 + 16) * 3 + 1];
    };
    MACIBM_startwind(win_save);
    int first = cursor_green(), second = cursor_green();
    EXPECT_NE(first, second);
    cursor_green();
    MACIBM_startwind(win_save);
    EXPECT_EQ(cursor_green(), first);
}

TEST_F(DialogLoop, SavingTakesTheTypedNameWithoutFolderSeparators)
{
    host_test_push_frame_break();
    for (int k = 0; k < 4; k++) host_test_push_key(VK_BACK, 0);
    host_test_push_key('A', 1);
    host_test_push_key(VK_OEM_2, 0);    // '/'
    host_test_push_key('B', 1);
    host_test_push_key(VK_OEM_5, 0);    // '\\'

    host_test_push_frame_break();
    host_test_push_key(VK_RETURN, 0);
    char name[path_max] = "Flight.sit", path[path_max] = "";
    EXPECT_EQ(MACIBM_opensave(win_save, 203, name, path), 1);
    EXPECT_STREQ(name, "FlightAB");
    EXPECT_EQ(std::string(path), root + "situations/FlightAB");
}
