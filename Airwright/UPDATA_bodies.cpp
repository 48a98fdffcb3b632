// Airwright's body design screens: the fuselage, nacelles, tanks or floats
// and wheel fairings with their section editor. Stand-ins until their
// widgets come.
#include "UPDATA.h"

void screen_fuselage(void) {}
void screen_nacelles(void) {}
void screen_misc(void) {}
void screen_fairings(void) {}
