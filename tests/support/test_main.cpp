// Every test process works in a scratch folder of its own, with its own
// configuration folder, so that "Error.out" and preferences never cross
// between tests. Death-test children reuse their parent's folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "host_test.h"
#include "test_support.h"

static std::string scratch;
static bool owns_scratch = false;

const char* test_scratch_folder(void) { return scratch.c_str(); }

static void remove_scratch(void)
{
    if (owns_scratch && !getenv("VOLANTO_KEEP_SCRATCH")) {
        std::error_code ec;
        std::filesystem::remove_all(scratch, ec);
    }
}

int main(int argc, char** argv)
{
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
    }
    if (chdir(scratch.c_str()) != 0) return 2;
    host_test_config_folder((scratch + "config/").c_str());
    host_test_program_folder(PROGRAM_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
