// The windows that choose where the flight starts and tell where it is:
// the airport by ID and by name, latitude and longitude, "Where Am I?", the
// flight plan form and the credits.
#include "Windows.h"

void manage_id_(void) {}    // stands in until the airport-ID window comes
void manage_nam(void) {}    // stands in until the airport-name window comes
void manage_lat(void) {}    // stands in until the latitude-longitude window comes
void manage_whr(void) {}    // stands in until the find-me window comes
void manage_pln(void) {}    // stands in until the flight-plan form comes
void manage_cre(void) {}    // stands in until the credits window comes
