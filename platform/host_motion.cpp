// Host layer: the motion platform's outside library, loaded when first
// asked for. See host.h.
#include "host.h"
#include "host_test.h"

#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

// The library's three calls; what they return is not used.
struct motion_library {
    void* lib = nullptr;
    int (*init)(int) = nullptr;
    int (*move)(int, int, int) = nullptr;
    int (*exit)(void) = nullptr;
};
static motion_library motion;

#ifdef HOST_TESTING
static char test_library[1024];
void host_test_motion_library(const char* path) { snprintf(test_library, sizeof test_library, "%s", path ? path : ""); }
#endif

static void* open_library(void)
{
#ifdef HOST_TESTING
    if (test_library[0]) return dlopen(test_library, RTLD_NOW | RTLD_LOCAL);
#endif
    // The copy beside the program comes first, as the other system looks.
    char folder[1024], path[1100];
    if (host_program_folder(folder, sizeof folder)) {
        snprintf(path, sizeof path, "%slibmsim.so", folder);
        if (access(path, F_OK) == 0) {
            void* lib = dlopen(path, RTLD_NOW | RTLD_LOCAL);
            if (lib) return lib;
        }
    }
    return dlopen("libmsim.so", RTLD_NOW | RTLD_LOCAL);
}

// A library without all three calls counts as none.
static int load_library(void)
{
    if (motion.lib) return 1;
    void* lib = open_library();
    if (!lib) return 0;
    motion_library m;
    m.lib = lib;
    m.init = (int (*)(int))dlsym(lib, "RNRInit");
    m.move = (int (*)(int, int, int))dlsym(lib, "MSimMove");
    m.exit = (int (*)(void))dlsym(lib, "MSimExit");
    if (!m.init || !m.move || !m.exit) {
        dlclose(lib);
        return 0;
    }
    motion = m;
    return 1;
}

int host_motion_init(int arg)
{
    if (!load_library()) return 0;
    motion.init(arg);
    return 1;
}

void host_motion_move(int roll, int pitch, int heading)
{
    if (motion.lib) motion.move(roll, pitch, heading);
}

void host_motion_exit(void)
{
    if (motion.lib) motion.exit();
}
