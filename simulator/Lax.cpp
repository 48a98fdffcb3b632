// Volanto's entry: the start-up, the frame loop until the quit flag, then
// shutdown.
#include "HL_MNW.h"
#include "records.h"

int main(int, char**)
{
    active_inst = 1;
    active_windstyle = 1;
    // No previous instance is ever handed to a program here, so there is
    // nothing to refuse: a second copy simply runs.
    start_simulator();
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
