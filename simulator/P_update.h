// The instrument panel, drawn each frame in the main view.
#pragma once

void update_panel(void);
