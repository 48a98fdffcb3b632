// The instrument panel, drawn each frame in the main view.
#pragma once

void update_panel(void);
// A press (or a held drag) at (x, y) in units of the 800 x 600 panel: works
// the lever, knob or button there.
void manage_das(float x, float y);

// plot_glass_tape's orientations.
const int tape_horizontal = 15;
const int tape_vertical = 16;
// A glass display's scrolling tape centred on value, half_length either side
// of centre: vertical (values grow upwards) with its ticks at edge and its
// numbers at label_pos, or horizontal with both as rows. A tick every step,
// a number every label_every clear of the current-value box of box_half
// about the centre (-999: no box); scale units per unit of value. The head-up
// display shares it. Draws nothing until the panel's tapes are built.
void plot_glass_tape(int colour, float label_pos, float edge, float centre, float half_length, float box_half,
                     float value, float step, int label_every, float scale, int orient);
