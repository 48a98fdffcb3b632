// The fuzz binaries' shared part: the scratch folder each process keeps its
// files in (as the tests do, with its own configuration folder), the fatal
// alert's wrappers, and writing an input to a file. The process stays in the
// folder it was started in, where the fuzzer's own paths lead.
#include "fuzz_support.h"
#include "host_test.h"
#include "HL_MNW.h"
#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

static std::string scratch;

const char* test_scratch_folder(void) { return scratch.c_str(); }

static void remove_scratch(void)
{
    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
}

int LLVMFuzzerInitialize(int*, char***)
{
    char tmpl[] = "/tmp/volanto-fuzz.XXXXXX";
    if (!mkdtemp(tmpl)) abort();
    scratch = std::string(tmpl) + "/";
    std::filesystem::create_directories(scratch + "config");
    atexit(remove_scratch);
    host_test_config_folder((scratch + "config/").c_str());
    host_test_program_folder(PROGRAM_DIR);
    ogl_ready = 0;
    // Notices would fill "Error.out" over a long run; their text is no finding.
    err.open("/dev/null", std::ios::out);
    fuzz_setup();
    return 0;
}

static int is_fatal(int level) { return level == alert_fatal || level == alert_fatal_number; }

void __wrap__Z12MACIBM_alertPKcS0_S0_S0_i(const char* line1, const char* line2, const char* line3,
                                          const char* line4, int level)
{
    if (is_fatal(level)) throw fuzz_fatal();
    __real__Z12MACIBM_alertPKcS0_S0_S0_i(line1, line2, line3, line4, level);
}

void __wrap__Z12MACIBM_alertPKcS0_S0_PKii(const char* line1, const char* line2, const char* line3,
                                         const int* number, int level)
{
    if (is_fatal(level)) throw fuzz_fatal();
    __real__Z12MACIBM_alertPKcS0_S0_PKii(line1, line2, line3, number, level);
}

void fuzz_write(const char* path, const uint8_t* data, size_t size)
{
    FILE* f = fopen(path, "wb");
    if (!f) abort();
    if (size && fwrite(data, 1, size, f) != size) abort();
    fclose(f);
}
