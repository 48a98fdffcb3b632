// Airwright's part of the tests' reset: the run state of its start-up and
// files (Init) and of its frame step (UPDATA).
#include "test_support.h"
#include "Init.h"
#include "UPDATA.h"

void reset_program_state(void)
{
    clear_init_run_state();
    clear_update_run_state();
}
