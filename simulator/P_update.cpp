#include "P_update.h"

void update_panel(void) {}
