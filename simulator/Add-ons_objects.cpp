// The region's objects: masts, pylons, buildings and custom objects, their
// night lights, and the roofs the aircraft can stand on.
#include "Add-ons.h"

// Until the objects are drawn the frame finds nothing to draw or stand on.
void plot_obstacles(void) {}
void bucket_objects(void) {}
void object_contact(void) {}
