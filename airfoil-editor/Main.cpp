// Foilwright's entry: the start-up on the default airfoil, the frame loop
// until Quit, then shutdown.
#include "HL_MNW.h"
#include "records.h"

// The start-up's progress bar runs in this many steps.
const int startup_steps = 121;

int main(int, char**)
{
    active_inst = 1;
    active_windstyle = 1;
    MACIBM_init();
    for (int k = 0; k < startup_steps; k++) MACIBM_showinit(1);
    reset_to_default(part_airfoil);
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
