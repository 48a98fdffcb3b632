// Airwright's surface and expert design screens: wings, stabilisers and
// pylons with their elements, the expert airfoils, and the special, VTOL
// and stability screens. Stand-ins until their widgets come.
#include "UPDATA.h"

void screen_wing_1(void) {}
void screen_wing_2(void) {}
void screen_wing_3(void) {}
void screen_hstab(void) {}
void screen_vstab_1(void) {}
void screen_vstab_2(void) {}
void screen_pylons(void) {}
void hscreen_hstab(void) {}
void hscreen_vstab_1(void) {}
void hscreen_vstab_2(void) {}
void screen_x_prop(void) {}
void screen_x_wing_1(void) {}
void screen_x_wing_2(void) {}
void screen_x_wing_3(void) {}
void screen_x_hstab(void) {}
void screen_x_vstab_1(void) {}
void screen_x_vstab_2(void) {}
void hscreen_x_tail_rotor(void) {}
void hscreen_x_hstab(void) {}
void screen_x_special(void) {}
void screen_x_vtol(void) {}
void screen_x_stability(void) {}
