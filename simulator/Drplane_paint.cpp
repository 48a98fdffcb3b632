// The aircraft's paint: each paintable part's picture loaded, its template
// written, or the user's paint retouched to the part's outline.
#include "Drplane.h"

void paint_plane(int, int, int, int) {}
