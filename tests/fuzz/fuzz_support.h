// What the fuzz targets share. Each target writes its input to a scratch file
// and calls one reader as the program does; only sanitizer reports, crashes
// and hangs are findings.
//   A fatal alert ends the input, not the process: the fuzz binaries link
//   MACIBM_alert through the wrappers below (ld --wrap), which throw
//   fuzz_fatal for the fatal levels, so the reader's own locals (its streams)
//   unwind as they would not through exit. Notices reach the real alert.
#pragma once
#include <cstddef>
#include <cstdint>

// libFuzzer's entry points: set-up once per process, then one call per input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// The two MACIBM_alert overloads under their linker names, and the real ones.
extern "C" void __wrap__Z12MACIBM_alertPKcS0_S0_S0_i(const char* line1, const char* line2, const char* line3,
                                                     const char* line4, int level);
extern "C" void __real__Z12MACIBM_alertPKcS0_S0_S0_i(const char* line1, const char* line2, const char* line3,
                                                     const char* line4, int level);
extern "C" void __wrap__Z12MACIBM_alertPKcS0_S0_PKii(const char* line1, const char* line2, const char* line3,
                                                    const int* number, int level);
extern "C" void __real__Z12MACIBM_alertPKcS0_S0_PKii(const char* line1, const char* line2, const char* line3,
                                                    const int* number, int level);

// Thrown where the program would end with a fatal alert.
struct fuzz_fatal {};

// Runs one reader call: 1 when it returned, 0 when it ended in a fatal alert.
template <class F> int survives(F call)
{
    try {
        call();
        return 1;
    } catch (const fuzz_fatal&) {
        return 0;
    }
}

// The target's own set-up, once, after the scratch folder (test_scratch_folder())
// was made and "Error.out" was sent nowhere.
void fuzz_setup(void);

// Writes the input to path (in the scratch folder), replacing what was there.
void fuzz_write(const char* path, const uint8_t* data, size_t size);
