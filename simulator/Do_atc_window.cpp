// The ATC list: the pilot's calls over the view and the pick lists of the
// region's airports and navaids.
#include "Do_atc.h"

// Stands in until the ATC window comes: nothing is drawn.
void plot_atc_options(int) {}
int use_apt(int) { return 0; }
int use_nav(int) { return 0; }
void clear_atc_window_state(void) {}
