// General initialisation of the simulator and its settings and state
// records: set (user settings), msc (frame time step, clocks), and the data
// output stream trk ("Volanto.out").
#pragma once
#include <fstream>

struct settingstruct {
    int panel_hidden;            // the panel is not drawn; the background shows instead
};

struct miscstruct {
    float dt;                    // flight-model time step (s)
};

extern settingstruct set;
extern miscstruct msc;
extern std::ofstream trk;
