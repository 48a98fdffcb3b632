// Volanto's entry: the window through the library, the frame loop until the
// quit flag, then shutdown.
#include "HL_MNW.h"
#include "records.h"

#include <cstring>

int main(int, char**)
{
    active_inst = 1;
    active_windstyle = 1;
    memset(&ott, 0, sizeof ott);
    memset(&flt, 0, sizeof flt);
    memset(&ins, 0, sizeof ins);
    memset(&set, 0, sizeof set);
    memset(&msc, 0, sizeof msc);
    memset(&nav, 0, sizeof nav);
    memset(&atm, 0, sizeof atm);
    memset(&grf, 0, sizeof grf);
    memset(&pat, 0, sizeof pat);
    memset(&rel, 0, sizeof rel);
    MACIBM_init();
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
