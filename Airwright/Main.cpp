// Airwright's entry: the start-up on a new design (or the one open at the
// last Quit), the frame loop until Quit, then shutdown.
#include "HL_MNW.h"
#include "records.h"

int main(int, char**)
{
    active_inst = 1;
    active_windstyle = 1;
    airwright_startup();
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
