// Foilwright's part of the tests' reset: the plot cursor's run state and the
// call record back to the library's windows; its tests start a part with
// reset_to_default.
#include "test_support.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "Init.h"

void reset_program_state(void)
{
    clear_plot_run_state();
    foil_calls.MACIBM_nuke_alert = MACIBM_nuke_alert;
    foil_calls.MACIBM_opensave = MACIBM_opensave;
}
