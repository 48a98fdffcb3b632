// Skycaster's entry: the start-up, the frame loop until the quit flag, then
// shutdown.
#include "Brief.h"
#include "HL_MNW.h"

int main(int, char**)
{
    active_inst = 1;
    active_windstyle = 1;
    start_skycaster();
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
