// Helpers shared by the tests.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// The folder this test process works in, ending in '/'.
const char* test_scratch_folder(void);

// A clean start for a test, before its own setup: every clear function (the
// run's, the window's and, in the simulator, the flight's) and the records
// tests start from (mnw, pln, afl and the program's own) zeroed. Tests reset
// through this, never by zeroing records by hand.
void reset_suite_state(void);
// The program's part of it, defined in support/<program>_support.cpp.
void reset_program_state(void);

// The whole of a file, or "" when it cannot be read.
inline std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The folder a round trip's two halves share, ending in '/': ctest names it
// in ROUNDTRIP_DIR (tests/CMakeLists.txt, roundtrip_pair); "" outside ctest.
inline std::string roundtrip_folder(void)
{
    const char* dir = getenv("ROUNDTRIP_DIR");
    return dir ? dir : "";
}

// The alert log of the test's folder.
inline std::string error_out(void) { return read_file("Error.out"); }

inline void write_file(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// Golden texts: whole outputs compared with the files in tests/data/ by
// `diff -u`. With VOLANTO_REGOLD=1 set the test writes the golden file
// instead; the change is read with `git diff tests/data/` and committed on
// its own, saying why the text moved.
//
// The text with every mention of the program folder made the same on every machine.
std::string portable(std::string text);
// "" when text is the golden file's; otherwise diff's account of the difference.
std::string golden_diff(const char* name, const std::string& text);

// A 24-bit BMP of w x h whose pixel (c, r), rows from the bottom, is
// colour(c, r) as 0xRRGGBB; its folder is made first.
template <typename F>
void write_test_bmp(const std::string& path, int w, int h, F colour)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    int row = (w * 3 + 3) & ~3;
    std::string d(54, '\0');
    auto put = [&](int at, uint32_t v, int n) {
        for (int k = 0; k < n; k++) d[at + k] = (char)((v >> (8 * k)) & 255);
    };
    d[0] = 'B';
    d[1] = 'M';
    put(2, 54 + row * h, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, w, 4);
    put(22, h, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int r = 0; r < h; r++) {
        std::string line(row, '\0');
        for (int c = 0; c < w; c++) {
            uint32_t v = colour(c, r);
            line[c * 3] = (char)(v & 255);            // B
            line[c * 3 + 1] = (char)((v >> 8) & 255); // G
            line[c * 3 + 2] = (char)(v >> 16);        // R
        }
        d += line;
    }
    write_file(path, d);
}
