// The world map and the isometric view of the region.
#include "Windows.h"

void manage_wrl(void) {}    // stands in until the world-map window comes
void manage_iso(void) {}    // stands in until the isometric-region window comes
