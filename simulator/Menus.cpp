// The simulator's menu commands.
#include "HL_MNW.h"

static const int item_quit = 105;

void APPLICATION_handlemenu(int item)
{
    if (item == item_quit) gdone = 1;
}
