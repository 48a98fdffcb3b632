// Writes the fuzz targets' seeds: usage make_fuzz_seeds PROGRAM_DIR SEEDS_DIR.
// SEEDS_DIR/<target>/ gets the generated data set's files of the target's
// kind and one small file for each fault fixed in its reader, so that the
// fuzzer starts from the files the readers once got wrong. Files over 256 KB
// are left out (the fuzzer would cut them short). The preferences targets
// start from the golden preferences of the tests. Nothing here is kept in
// the repository: the build writes it afresh.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

static fs::path seeds;
static fs::path program;
static const uintmax_t largest_seed = 256 * 1024;

static std::string read_whole(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

static void put(const char* target, const std::string& name, const std::string& bytes)
{
    fs::create_directories(seeds / target);
    std::ofstream out(seeds / target / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

static int ends_with(const std::string& s, const char* tail)
{
    std::string t = tail;
    if (s.size() < t.size()) return 0;
    for (size_t k = 0; k < t.size(); k++)
        if (tolower((unsigned char)s[s.size() - t.size() + k]) != t[k]) return 0;
    return 1;
}

// Every generated file under folder (and its subfolders) whose name ends in
// one of tails (lower case), copied under target with a name that keeps its place.
static void copy_generated(const char* target, const char* folder, std::vector<const char*> tails)
{
    fs::path from = program / folder;
    if (!fs::exists(from)) return;
    for (const auto& e : fs::recursive_directory_iterator(from)) {
        if (!e.is_regular_file() || e.file_size() > largest_seed) continue;
        std::string name = e.path().filename().string();
        for (const char* t : tails) {
            if (!ends_with(name, t)) continue;
            std::string place = fs::relative(e.path(), program).string();
            for (char& c : place)
                if (c == '/' || c == ' ') c = '_';
            put(target, place, read_whole(e.path()));
            break;
        }
    }
}

// ---- little-endian pieces ----------------------------------------------------

static std::string u16(unsigned v) { return std::string{(char)(v & 255), (char)(v >> 8 & 255)}; }
static std::string u32(uint32_t v) { return u16(v & 0xffff) + u16(v >> 16); }

// ---- BMP files ---------------------------------------------------------------

// A 4 x 2 picture of 24-bit pixels, rows bottom-up and already 4-byte wide.
static std::string pixels_4x2(void)
{
    std::string p;
    for (int k = 0; k < 24; k++) p += (char)(k * 10);
    return p;
}

// The info header of 124 bytes that image editors write today: the pixels
// start at 138, not 54.
static std::string bmp_v5_header(void)
{
    std::string info = u32(124) + u32(4) + u32(2) + u16(1) + u16(24) + u32(0) + u32(24) + u32(2835) + u32(2835) +
                       u32(0) + u32(0);
    info += u32(0x00ff0000) + u32(0x0000ff00) + u32(0x000000ff) + u32(0);   // channel masks
    info += "BGRs";                                                         // colour space
    info += std::string(124 - info.size(), '\0');
    std::string pix = pixels_4x2();
    return "BM" + u32((uint32_t)(14 + info.size() + pix.size())) + u32(0) + u32(138) + info + pix;
}

// The old 12-byte header, with 16-bit width and height; the pixels start at 26.
static std::string bmp_core_header(void)
{
    std::string info = u32(12) + u16(4) + u16(2) + u16(1) + u16(24);
    std::string pix = pixels_4x2();
    return "BM" + u32((uint32_t)(14 + info.size() + pix.size())) + u32(0) + u32(26) + info + pix;
}

// ---- WAV files ---------------------------------------------------------------

static std::string samples(int bytes)
{
    std::string s;
    for (int k = 0; k < bytes; k++) s += (char)((k * 37) & 255);
    return s;
}

static std::string fmt_pcm(int channels, int bits)
{
    int align = channels * bits / 8;
    return "fmt " + u32(16) + u16(1) + u16(channels) + u32(22050) + u32(22050 * align) + u16(align) + u16(bits);
}

static std::string riff(const std::string& body) { return "RIFF" + u32((uint32_t)(4 + body.size())) + "WAVE" + body; }

// A LIST chunk before the data whose text holds the word "data".
static std::string wav_data_in_list(void)
{
    std::string text = "metadata: none";
    text += '\0';
    std::string info = "INFO" + std::string("ICMT") + u32((uint32_t)text.size()) + text;
    std::string data = samples(400);
    return riff(fmt_pcm(1, 16) + "LIST" + u32((uint32_t)info.size()) + info + "data" + u32(400) + data);
}

static std::string wav_24_bit(void) { return riff(fmt_pcm(1, 24) + "data" + u32(300) + samples(300)); }

// The extensible format record (tag 0xFFFE, 40 bytes) over 16-bit stereo PCM.
static std::string wav_extensible_stereo(void)
{
    std::string guid = u32(1) + u16(0) + u16(0x10) + std::string("\x80\x00\x00\xaa\x00\x38\x9b\x71", 8);
    std::string fmt = "fmt " + u32(40) + u16(0xfffe) + u16(2) + u32(22050) + u32(22050 * 4) + u16(4) + u16(16) +
                      u16(22) + u16(16) + u32(3) + guid;
    return riff(fmt + "data" + u32(400) + samples(400));
}

// ---- aircraft and world files ------------------------------------------------

static std::string first_aircraft(void)
{
    fs::path planes = program / "planes";
    if (!fs::exists(planes)) return "";
    for (const auto& e : fs::recursive_directory_iterator(planes))
        if (e.is_regular_file() && ends_with(e.path().filename().string(), ".acf")) return read_whole(e.path());
    return "";
}

// A world file under an airfoil's header: the mark and line end are right,
// the version is not.
static std::string world_wrong_header(const char* name)
{
    std::string body = read_whole(program / "additional nav data" / name);
    size_t second = body.find('\n');
    size_t third = second == std::string::npos ? std::string::npos : body.find('\n', second + 1);
    if (third == std::string::npos) return "I\n363 version\n";
    return "I\n363 version\n" + body.substr(third + 1);
}

// ---- custom objects ------------------------------------------------------------

// n lines of two points each, then the end mark: at 51 the mark has no
// element of its own to stand in.
static std::string object_of_lines(int n, const char* eol)
{
    std::string body = std::string("I") + eol;
    for (int e = 0; e < n; e++) body += std::string("2 1 2 3") + eol + "0 0 0" + eol + "1 1 1" + eol;
    return body + "99" + eol;
}

// A light, a line, and faces whose texture words end their lines or share
// them with more, untextured or named.
static std::string object_of_each_kind(void)
{
    return "I\n1 99 99 99 flasher\n0 10 0\n2 10 10 10\n-5 0 0\n5 0 0\n3 Untitled\n0 0 0\n0 0 -4\n4 0 0\n"
           "4 wall and more\n0 0 0\n0 5 0\n2 5 0\n2 0 0\n4 Unt\n0 0 0\n0 5 0\n2 5 0\n2 0 0\n99\n";
}

// ---- scenery squares -----------------------------------------------------------

static std::string f32(float f)
{
    uint32_t v;
    memcpy(&v, &f, 4);
    return u32(v);
}

// The square at 34 N 118 W: land in its west half, sea in its east, a custom
// texture cell, the object records and the texture names given.
static std::string square_file(const std::string& objects, const std::string& first_name)
{
    std::string b = "i" + u32(4);
    for (int r = 0; r < 80; r++)
        for (int c = 0; c < 60; c++) {
            int code = c < 30 ? -40054 : -140050;
            if (r == 10 && c == 10) code = -42000;
            b += f32(34 + r / 79.0f) + f32(-118 + c / 59.0f) + f32(c < 30 ? 300.0f + r : 0.0f) + u32((uint32_t)code);
        }
    b += objects + u32(99);
    for (int k = 0; k < 100; k++) {
        std::string n = k == 0 ? first_name : "Untitled";
        n.resize(40, '\0');
        b += n;
    }
    return b;
}

static std::string square_objects(void)
{
    std::string o;
    for (int type = 1; type <= 6; type++)
        o += u32((uint32_t)type) + f32(34.1f + 0.05f * type) + f32(-117.9f) + f32(type == 2 ? 400.0f : 120.0f) + u32(0) + u32(0);
    o += u32(7);
    std::string name = "post";
    name.resize(40, '\0');
    o += u32(8) + f32(34.5f) + f32(-117.8f) + f32(45) + name;
    o += u32(3) + f32(35.5f) + f32(-116.5f) + f32(100) + u32(0) + u32(0);   // off the square
    return o;
}

// ---- preferences and situations ----------------------------------------------

// The golden preferences with value n (line n + 1, after the header's two
// lines) of each pair replaced; cut after keep lines when keep is above 0.
static std::string prefs_with(const std::string& golden, std::vector<std::pair<int, std::string>> values, int keep = 0)
{
    std::vector<std::string> lines;
    std::stringstream in(golden);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    for (const auto& v : values)
        if (v.first + 1 < (int)lines.size()) lines[v.first + 1] = v.second;
    if (keep > 0 && keep < (int)lines.size()) lines.resize(keep);
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

static void prefs_seeds(const char* target)
{
    std::string golden = read_whole(fs::path(TEST_DATA_DIR) / "Volanto 5.prf");
    if (golden.empty()) return;
    put(target, "golden.prf", golden);
    put(target, "fault_runway_place.prf", prefs_with(golden, {{4, "7"}}));
    put(target, "fault_unknown_id.prf", prefs_with(golden, {{3, "ZZZZ"}}));
    put(target, "fault_indices.prf",
        prefs_with(golden, {{13, "9"}, {37, "725.9"}, {38, "0"}, {108, "7"}, {151, "99999"}, {155, "37"},
                            {161, "4"}, {163, "6"}, {184, "1.5"}, {185, "-0.5"}}));
    put(target, "fault_wrong_version.prf", prefs_with(golden, {{0, "510 version"}}));
    put(target, "fault_cut_short.prf", prefs_with(golden, {}, 100));
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: make_fuzz_seeds PROGRAM_DIR SEEDS_DIR\n");
        return 2;
    }
    program = argv[1];
    seeds = argv[2];
    std::error_code ec;
    fs::remove_all(seeds, ec);
    fs::create_directories(seeds);

    copy_generated("fuzz_load_plane", "planes", {".acf"});
    std::string plane = first_aircraft();
    if (!plane.empty()) {
        plane[0] = 'X';
        put("fuzz_load_plane", "fault_wrong_mark.acf", plane);
    }

    copy_generated("fuzz_airwright_files", "planes", {".acf"});
    copy_generated("fuzz_airwright_files", "airfoils", {".afl"});
    put("fuzz_airwright_files", "prefs.prf",
        "I\n511 version\n0\n0.05\n0\n250\n-30\n1\n0\nUntitled.acf\nUntitled.acf\n");
    put("fuzz_airwright_files", "fault_header_cut.afl", "I\n363 vers");
    copy_generated("fuzz_grabafoil", "airfoils", {".afl"});
    copy_generated("fuzz_flaps_file", "flaps", {".flp"});
    copy_generated("fuzz_readinpart", "airfoils", {".afl"});
    copy_generated("fuzz_readinpart", "flaps", {".flp"});

    for (const char* n : {"apt", "nav", "fix"}) {
        std::string target = std::string("fuzz_") + n + "_dat", file = std::string(n) + ".dat";
        copy_generated(target.c_str(), "additional nav data", {file.c_str()});
        put(target.c_str(), "fault_wrong_header.dat", world_wrong_header(file.c_str()));
    }

    copy_generated("fuzz_fill_buffer", "sounds", {".wav"});
    copy_generated("fuzz_fill_buffer", "planes", {".wav"});
    put("fuzz_fill_buffer", "fault_data_in_list.WAV", wav_data_in_list());
    put("fuzz_fill_buffer", "fault_24_bit.WAV", wav_24_bit());
    put("fuzz_fill_buffer", "fault_extensible_stereo.WAV", wav_extensible_stereo());

    copy_generated("fuzz_texbmp", "bitmaps", {".bmp"});
    copy_generated("fuzz_texbmp", "textures", {".bmp"});
    put("fuzz_texbmp", "fault_header_124.BMP", bmp_v5_header());
    put("fuzz_texbmp", "fault_header_12.BMP", bmp_core_header());

    copy_generated("fuzz_scanners", "airfoils", {".afl"});
    copy_generated("fuzz_scanners", "flaps", {".flp"});
    copy_generated("fuzz_scanners", "additional nav data", {".dat"});
    copy_generated("fuzz_scanners", "planes", {".acf"});
    put("fuzz_scanners", "fault_wrong_header.dat", world_wrong_header("apt.dat"));

    copy_generated("fuzz_custom_object", "additional nav data/custom objects", {".obj"});
    put("fuzz_custom_object", "fault_51_elements.OBJ", object_of_lines(51, "\n"));
    put("fuzz_custom_object", "fault_52_elements.OBJ", object_of_lines(52, "\n"));
    put("fuzz_custom_object", "fault_crlf.OBJ", object_of_lines(3, "\r\n"));
    put("fuzz_custom_object", "fault_each_kind.OBJ", object_of_each_kind());
    put("fuzz_custom_object", "fault_no_elements.OBJ", "I\n99\n");

    copy_generated("fuzz_scenery_square", "additional nav data", {".env"});
    put("fuzz_scenery_square", "small.env", square_file("", "Untitled"));
    put("fuzz_scenery_square", "fault_objects_and_names.env", square_file(square_objects(), "a/b"));
    put("fuzz_scenery_square", "fault_truncated.env", square_file(square_objects(), "").substr(0, 5 + 4800 * 16 + 30));

    prefs_seeds("fuzz_grab_prefs");
    prefs_seeds("fuzz_grab_situation");
    std::string reports = read_whole(program / "WORLD.RWX");
    if (!reports.empty()) put("fuzz_weather_reports", "WORLD.RWX", reports);
    put("fuzz_weather_reports", "fault_no_repeated_id.RWX", "KSBD 1150 25 SCT 80 BKN 5 R- 72/65/2710/992\n");
    put("fuzz_weather_reports", "fault_short_time_and_barometer.RWX", "KSBD KSBD 11 CLR 10 72/65/2710/9\n");
    put("fuzz_weather_reports", "fault_five_slashes.RWX", "KSBD KSBD 1150 CLR 10 M/72/65/2715G25/992/\n");
    put("fuzz_weather_reports", "fault_top_without_weather.RWX", "KSBD KSBD 1150 CLR 5 TRW+ 72/65/VR05/013\n");
    put("fuzz_weather_reports", "fault_crlf_and_blank_lines.RWX",
        "\r\nKLAX KLAX 1150 5 OVC 1 1/2 RF 60/58/0000/001\r\n\r\nL35  KL35 1150 CLR 3/4 S 30/28/2710/992\r\n");

    // Skycaster's: the preferences, a NUL, the reports.
    std::string golden = read_whole(fs::path(TEST_DATA_DIR) / "Volanto 5.prf");
    const std::string nul(1, '\0');
    put("fuzz_skycaster_weather", "golden_and_shipped.bin", golden + nul + reports);
    put("fuzz_skycaster_weather", "fault_cut_short.bin", prefs_with(golden, {}, 12));
    put("fuzz_skycaster_weather", "fault_blank_and_short_lines.bin",
        golden + nul + "\n\nKSB\nKSBD KSBD 2350 30 SCT 8 R- 59/40/2710/992\nKRIV KRIV 1150 CLR\n");
    put("fuzz_skycaster_weather", "fault_unpacked_levels.bin",
        prefs_with(golden, {{6, "3e38"}, {10, "9e37"}, {13, "-7"}}) + nul);
    return 0;
}
