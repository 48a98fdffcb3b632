// The data-output, serial-output and rendering windows.
#include "Windows.h"

void manage_dat(void) {}    // stands in until the data-output window comes
void manage_ser(void) {}    // stands in until the serial-output window comes
void manage_ogl(void) {}    // stands in until the rendering window comes
