// The graph window: up to four data-output items plotted against time from
// the graph record grf (Initgen.h), one sample a frame.
#pragma once

// An empty graph: every time step 999.0 (an empty sample), every value
// -999.0 (no value), nothing recorded yet. At start-up and whenever the
// data-output selection changes.
void clear_graph(void);
// Each frame while the graph window (22) is open: draws the recorded items.
void manage_grf(void);
// Once a frame from the flight step while an item goes to the graph: the
// frame's sample into the buffer.
void update_graph(void);

// Data output: one item's labels or values to a destination (8 the data
// output file, 9 the graph, 11 the serial packet), row a place within it.
const int out_to_file = 8;
void out_label(int dest, int item, int row);
void out_dat(int dest, int item, int row);
