#include "Graphnif.h"
#include "Initgen.h"

// Only the clearing exists until the graph window is drawn: the buffer it
// leaves is the one the window will read.
void clear_graph(void)
{
    for (int i = 0; i < graph_samples; i++) {
        grf.sample_dt[i] = 999.0f;
        for (int g = 0; g < graph_slots; g++)
            for (int c = 0; c < 4; c++) grf.sample_data[g][c][i] = -999.0f;
    }
    grf.sample_index = -1;   // the next sample is the first
    grf.oldest_index = 0;
    grf.wrapped = 0;
}

void manage_grf(void) {}    // stands in until the graph window comes
void update_graph(void) {}  // stands in until the graph window comes: no sample is taken

// Stand in until the data output items come: nothing is written.
void out_label(int, int, int) {}
void out_dat(int, int, int) {}
