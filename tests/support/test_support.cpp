// The reset every test program shares; the program's own records and clears
// come from its support/<program>_support.cpp.
#include "test_support.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

void reset_suite_state(void)
{
    clear_shell_run_state();
    clear_graph_run_state();
    clear_widget_run_state();
    clear_file_window_state();
    memset(&mnw, 0, sizeof mnw);
    memset(pln, 0, sizeof pln);
    memset(afl, 0, sizeof afl);
    memset(&ins, 0, sizeof ins);
    reset_program_state();
}

std::string portable(std::string text)
{
    const std::string dir = PROGRAM_DIR, mark = "<program folder>/";
    for (size_t at = text.find(dir); at != std::string::npos; at = text.find(dir, at + mark.size()))
        text.replace(at, dir.size(), mark);
    return text;
}

std::string golden_diff(const char* name, const std::string& text)
{
    const std::string golden = std::string(TEST_DATA_DIR) + name;
    const char* regold = getenv("VOLANTO_REGOLD");
    if (regold && strcmp(regold, "1") == 0) {
        std::error_code ec;
        std::filesystem::create_directories(TEST_DATA_DIR, ec);
        write_file(golden, text);
        return read_file(golden) == text ? "" : "could not write " + golden;
    }
    const std::string actual = std::string(test_scratch_folder()) + name;
    write_file(actual, text);
    std::string out;
    FILE* diff = popen(("diff -u '" + golden + "' '" + actual + "' 2>&1").c_str(), "r");
    if (!diff) return "could not run diff";
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, diff)) > 0;) out.append(buf, n);
    int status = pclose(diff);
    if (status != 0 && out.empty()) out = "diff failed";
    return status == 0 ? "" : out;
}
