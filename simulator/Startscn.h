// The outside view: the 3D scene and the 2D overlays of the main view.
#pragma once

void update_scene_3d(void);   // first in a main-view frame; sets the panel light colour
void update_scene_2d(void);   // after the panel
