// The carrier, the frigate, the offshore platforms and the oil rigs, drawn
// with their deck and obstruction lights.
#include "Add-ons.h"

// Until the ships are drawn the frame finds nothing to draw.
void draw_a_carr(float, float, float) {}
void draw_a_frig(float, float, float) {}
void draw_a_offp(float, float, float) {}
void draw_a_oilr(float, float, float) {}
