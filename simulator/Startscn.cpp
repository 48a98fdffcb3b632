#include "Startscn.h"

scenerystruct scn;

// The scene comes with its own work; until then the main view shows the
// picture of its window start-up.
void update_scene_3d(void) {}
void update_scene_2d(void) {}
