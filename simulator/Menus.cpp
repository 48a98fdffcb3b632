// The simulator's menu commands.
#include "Menus.h"
#include "HL_MNW.h"

void APPLICATION_handlemenu(int item)
{
    if (item == item_quit) gdone = 1;
}
