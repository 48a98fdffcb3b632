// The file header and the field scanners over any file: the input opened by
// inf_open as a text file (an airfoil's version, else the world databases')
// and then as a binary one (the aircraft file's), each followed by a run of
// scanners until the file ends in "File-scanning error!". The input's last
// byte picks the order of the scanners, so the fuzzer reaches every mix.
#include "fuzz_support.h"
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_MNW.h"

#include <string>

static std::string file_path;

void fuzz_setup(void) { file_path = std::string(test_scratch_folder()) + "fuzz.txt"; }

static void scan_all(unsigned pick, int binary)
{
    const char* path = file_path.c_str();
    char word[32], field[6], line[line_max];
    for (int step = 0; step < 4000; step++) {
        pick = pick * 1103515245u + 12345u;
        switch ((pick >> 16) % 7) {
        case 0: intscan(path); break;
        case 1: fltscan(path); break;
        case 2: bolscan(path); break;
        case 3: wrdscan(word, path, (int)sizeof word, 0); break;
        case 4: wrdscan(field, path, (int)sizeof field, 1); break;
        case 5: strscan(line, path, binary ? 40 : line_max); break;
        default: rln(path); break;
        }
    }
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    unsigned pick = data[size - 1];
    inf_use = 1;
    fuzz_write(file_path.c_str(), data, size);
    const char* path = file_path.c_str();
    survives([&] {
        if (inf_open(path, kind_text, afl_file_version, 0) || inf_open(path, kind_airports, 500, 0) ||
            inf_open(path, kind_text, afl_file_version, 1))
            scan_all(pick, 0);
    });
    survives([&] {
        if (inf_open(path, kind_aircraft, plane_file_version, 1)) scan_all(pick, 1);
    });
    inf1.close();
    return 0;
}
