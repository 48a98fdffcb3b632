// The instrument panel, drawn each frame in the main view.
#pragma once

void update_panel(void);
// A press (or a held drag) at (x, y) in units of the 800 x 600 panel: works
// the lever, knob or button there.
void manage_das(float x, float y);
