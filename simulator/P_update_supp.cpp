// The supplementary slot's radar altimeter, stormscope and variometer.
#include "P_update.h"

// Each draws nothing until its instrument is built.
void update_radalt(void) {}
void update_stormscope(void) {}
void update_vari(void) {}
