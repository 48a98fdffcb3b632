// The reset every test program shares; the program's own records and clears
// come from its support/<program>_support.cpp.
#include "test_support.h"
#include "HL_FILE.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstring>

void reset_suite_state(void)
{
    clear_shell_run_state();
    clear_graph_run_state();
    clear_file_window_state();
    memset(&mnw, 0, sizeof mnw);
    memset(pln, 0, sizeof pln);
    memset(afl, 0, sizeof afl);
    memset(&ins, 0, sizeof ins);
    reset_program_state();
}
