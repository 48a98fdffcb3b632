// The joystick and flight-mode, weights, reliability, sound and warning windows.
#include "Windows.h"

void manage_flt(void) {}    // stands in until the hardware and flight-mode window comes
void manage_wgt(void) {}    // stands in until the weights and fuel window comes
void manage_rel(void) {}    // stands in until the reliability window comes
void manage_ins(void) {}    // stands in until the instrument-reliability window comes
void manage_eqp(void) {}    // stands in until the equipment-reliability window comes
void manage_snd(void) {}    // stands in until the sound window comes
void manage_wrn(void) {}    // stands in until the warnings window comes
