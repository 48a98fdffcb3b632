// The outside view: the 3D scene and the 2D overlays of the main view, and
// the scene record scn that the scene frame keeps.
#pragma once

struct scenerystruct {
    int above_clouds;         // the eye is above the cloud tops: rain cannot be heard
};

extern scenerystruct scn;

void update_scene_3d(void);   // first in a main-view frame; sets the panel light colour
void update_scene_2d(void);   // after the panel
