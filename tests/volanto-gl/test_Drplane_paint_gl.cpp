// Touch-ups of the user's paint on the virtual display: the retouched file
// read back through the texture loader keeps the paint inside the part's
// outline at its full size, whatever the texture resolution, with the
// surroundings in one background colour and its rows padded; it goes back
// to the file the loader read; a failed write keeps the user's file; and a
// part without paint gets no file.
#include <gtest/gtest.h>

#include "Drplane.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int wing = part_wing_first + 1;

// The user's paint: every pixel its own colour.
uint32_t paint(int c, int r) { return 0x400000u + (uint32_t)c * 0x0800u + (uint32_t)r * 3u + 1u; }

uint32_t loaded(int w, int c, int r)
{
    const unsigned char* px = rgb_array + ((size_t)r * w + c) * 3;
    return (uint32_t)(px[0] << 16 | px[1] << 8 | px[2]);
}

// Slot 0 "Tiny.acf" with a right wing of one element, no controls, its
// leading edge at s 0.1 and trailing edge at 0.9 at the root, 0.5 at the tip.
void tiny_painted_wing(void)
{
    reset_suite_state();
    MACIBM_init();
    ogl_res = 5;
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "Tiny.acf");
    pln[0].semilen[wing] = 5;
    pln[0].els[wing] = 1;
    geo_sections[0][wing] = 2;
    geo_st[0][wing][0][0][0] = geo_st[0][wing][1][0][0] = 0.1f;
    geo_st[0][wing][0][5][0] = geo_st[0][wing][1][5][0] = 0.3f;
    geo_st[0][wing][0][6][0] = 0.9f;
    geo_st[0][wing][1][6][0] = 0.5f;
    for (const auto& e : std::filesystem::directory_iterator(test_scratch_folder()))
        if (e.path().filename().string().rfind("Tiny", 0) == 0) std::filesystem::remove(e.path());
}

}  // namespace

TEST(PaintTouchUp, KeepsThePaintInsideTheOutlineAndClearsTheRest)
{
    struct touch_case {
        const char* file;   // the user's file, as the loader finds it
        int h;
        int res;            // texture resolution
    } cases[] = {
        {"Tiny wng1.bmp", 20, 5},
        {"Tiny WNG1.BMP", 20, 5},    // another case: written back to the same file
        {"Tiny wng1.bmp", 20, 2},    // a shrunk texture: the file keeps its size
        {"Tiny wng1.bmp", 1, 5},     // one row: the root's outline
    };
    for (const touch_case& k : cases) {
        tiny_painted_wing();
        write_test_bmp(std::string(test_scratch_folder()) + k.file, 30, k.h, paint);
        ogl_res = k.res;
        paint_plane(0, 0, 1, 0);

        int files = 0;
        for (const auto& e : std::filesystem::directory_iterator(test_scratch_folder()))
            files += e.path().filename().string().rfind("Tiny", 0) == 0;
        EXPECT_EQ(files, 1) << k.file << ": nothing but the user's file";
        std::string bytes = read_file(k.file);
        ASSERT_EQ(bytes.size(), 54u + 92u * k.h) << k.file << ": rows of 90 bytes padded to 92";
        EXPECT_EQ((unsigned char)bytes[2] | (unsigned char)bytes[3] << 8, (int)bytes.size());

        ogl_res = 5;
        int w = 0, h = 0;
        ASSERT_EQ(OGL_texbmp(-102, paint_tex(0, paint_wng1), 0, "Tiny wng1", &w, &h), 1);
        ASSERT_EQ(w, 30);
        ASSERT_EQ(h, k.h);
        uint32_t bg = loaded(w, 0, 0);
        for (int shift : {0, 8, 16}) {
            EXPECT_GE((bg >> shift) & 255, 50u);
            EXPECT_LE((bg >> shift) & 255, 200u);
        }
        for (int r = 0; r < h; r++) {
            // Trailing edge from column 26 at the root to 15 at the tip.
            float f = h > 1 ? (float)r / (h - 1) : 0;
            int hi = intround(29 * (0.9f + (0.5f - 0.9f) * f)) + 1;
            for (int c = 0; c < w; c++) {
                uint32_t want = c >= 2 && c <= hi ? paint(c, r) : bg;
                ASSERT_EQ(loaded(w, c, r), want) << k.file << " " << k.h << " column " << c << " row " << r;
            }
        }
    }
}

// A touch-up cut short by a full disk (a file-size limit here) leaves the
// user's paint as it was, and says nothing.
TEST(PaintTouchUp, AFailedWriteKeepsTheUsersFile)
{
    tiny_painted_wing();
    write_test_bmp(std::string(test_scratch_folder()) + "Tiny wng1.bmp", 30, 20, paint);
    const std::string before = read_file("Tiny wng1.bmp");
    int boxes = host_test_message_box_count();

    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = {1000, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    paint_plane(0, 0, 1, 0);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(read_file("Tiny wng1.bmp"), before);
    EXPECT_EQ(access("Tiny wng1.bmp.new", F_OK), -1);
    EXPECT_EQ(host_test_message_box_count(), boxes);
}

TEST(PaintTouchUp, APartWithoutPaintGetsNoFile)
{
    tiny_painted_wing();
    paint_plane(0, 0, 1, 0);
    for (const auto& e : std::filesystem::directory_iterator(test_scratch_folder()))
        EXPECT_NE(e.path().filename().string().rfind("Tiny", 0), 0u) << e.path();
}

// The touch-up renames a new file over the user's: a paint file the user
// made read-only is left as it is, and a replaced one keeps its permissions.
// Root may write anything, so the touch-up runs as an ordinary user there.
TEST(PaintTouchUp, KeepsAReadOnlyFileAndThePermissions)
{
    struct {
        mode_t mode;
        bool retouched;
    } cases[] = {{0444, false}, {0640, true}};
    const uid_t nobody = 65534;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        tiny_painted_wing();
        const std::string folder = test_scratch_folder(), path = folder + "Tiny wng1.bmp";
        write_test_bmp(path, 30, 20, paint);
        const std::string before = read_file(path);
        const bool root = geteuid() == 0;
        if (root) {
            ASSERT_EQ(chown(path.c_str(), nobody, nobody), 0);
            ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
        }
        ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
        if (root) {
            ASSERT_EQ(seteuid(nobody), 0);
        }
        paint_plane(0, 0, 1, 0);
        if (root) {
            ASSERT_EQ(seteuid(0), 0);
        }

        EXPECT_EQ(read_file(path) != before, c.retouched);
        struct stat st;
        ASSERT_EQ(stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(access((path + ".new").c_str(), F_OK), -1);
    }
}
