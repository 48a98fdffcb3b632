// Volanto's entry: the window through the library, the frame loop until the
// quit flag, then shutdown.
#include "HL_MNW.h"
#include "records.h"

#include <cstring>

int main(int, char**)
{
    active_inst = 1;
    active_windstyle = 1;
    memset(&set, 0, sizeof set);
    memset(&msc, 0, sizeof msc);
    memset(&ins, 0, sizeof ins);
    MACIBM_init();
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
