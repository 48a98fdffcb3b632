// Every test process works in a scratch folder of its own, with its own
// configuration folder, so that "Error.out" and preferences never cross
// between tests. Death-test children reuse their parent's folder.
// A fatal alert ends the program with code 1; outside a death test that
// would end the run with no word of which test or why, so there it fails
// the test with "Error.out" shown instead.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "host_test.h"
#include "test_support.h"

static std::string scratch;
static bool owns_scratch = false;

static bool running_tests = false;

const char* test_scratch_folder(void) { return scratch.c_str(); }

static void remove_scratch(void)
{
    if (owns_scratch && !getenv("VOLANTO_KEEP_SCRATCH")) {
        std::error_code ec;
        std::filesystem::remove_all(scratch, ec);
    }
}

static void fail_exit_during_test(void)
{
    if (!running_tests) return;
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    fprintf(stderr, "The program ended during the test %s.%s. Error.out:\n%s\n", t ? t->test_suite_name() : "?",
            t ? t->name() : "?", read_file("Error.out").c_str());
    remove_scratch();
    _exit(1);
}

int main(int argc, char** argv)
{
    // Silent sound and the software renderer, however the test is started.
    // Headless tests never reach a display, even under a virtual one: a
    // connection opened and dropped can meet the server mid-reset.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
#ifdef HEADLESS_TESTS
    setenv("SDL_VIDEODRIVER", "dummy", 1);
#endif
    const char* inherited = getenv("VOLANTO_TEST_SCRATCH");
    if (inherited && inherited[0]) {
        scratch = inherited;
    } else {
        char tmpl[] = "/tmp/volanto-test.XXXXXX";
        if (!mkdtemp(tmpl)) return 2;
        scratch = std::string(tmpl) + "/";
        owns_scratch = true;
        setenv("VOLANTO_TEST_SCRATCH", scratch.c_str(), 1);
        std::filesystem::create_directories(scratch + "config");
        atexit(remove_scratch);
        atexit(fail_exit_during_test);
    }
    if (chdir(scratch.c_str()) != 0) return 2;
    host_test_config_folder((scratch + "config/").c_str());
    host_test_program_folder(PROGRAM_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    running_tests = true;
    int failed = RUN_ALL_TESTS();
    running_tests = false;
    return failed;
}
