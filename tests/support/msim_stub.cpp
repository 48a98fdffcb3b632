// A stand-in for the motion platform's library: it keeps a line for each
// call it gets, which the tests read through msim_stub_log.
#include "msim_stub.h"

#include <cstdio>

static char log_text[65536];
static size_t log_used = 0;

static void log_line(const char* line)
{
    int n = snprintf(log_text + log_used, sizeof log_text - log_used, "%s\n", line);
    if (n > 0 && log_used + (size_t)n < sizeof log_text) log_used += (size_t)n;
}

int RNRInit(int arg)
{
    char line[64];
    snprintf(line, sizeof line, "RNRInit %d", arg);
    log_line(line);
    return 1;
}

int MSimMove(int roll, int pitch, int heading)
{
    char line[64];
    snprintf(line, sizeof line, "MSimMove %d %d %d", roll, pitch, heading);
    log_line(line);
    return 1;
}

int MSimExit(void)
{
    log_line("MSimExit");
    return 1;
}

const char* msim_stub_log(void) { return log_text; }
