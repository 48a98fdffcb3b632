// A fatal alert ends the process with code 0, which would let a test that
// expects no alert pass unseen. A fixture that sets exit_fails makes such an
// exit fail the run instead, showing the alert's log.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "test_support.h"

inline bool exit_fails = false;

inline void fail_unexpected_exit(void)
{
    if (!exit_fails) return;
    fprintf(stderr, "unexpected exit during a test; Error.out:\n%s\n", read_file("Error.out").c_str());
    _exit(1);
}

inline void guard_exit(void)
{
    static bool registered = false;
    if (!registered) atexit(fail_unexpected_exit);
    registered = true;
    exit_fails = true;
}
