// The panel's static faces. Until the faces are built, the routines draw
// nothing: the window start-up already calls each where and when its face
// belongs.
#include "P_init.h"

void init_asi(void) {}
void init_vvi(void) {}
void init_egt(float, float) {}
void init_tac(float, float) {}
void init_mpr(float, float) {}
void init_trq(float, float) {}
void init_n1_(float, float) {}
void init_ff_(float, float) {}
void init_handle(int) {}
