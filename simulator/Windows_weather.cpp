// The time-of-day and weather windows.
#include "Windows.h"

void manage_tim(void) {}    // stands in until the time-of-day window comes
void manage_spa(void) {}    // stands in until the weather-space window comes
void manage_atm(void) {}    // stands in until the weather-atmosphere window comes
void manage_gnd(void) {}    // stands in until the weather-ground window comes
void manage_wat(void) {}    // stands in until the weather-water window comes
