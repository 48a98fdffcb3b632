#include "Do_atc.h"

atcstruct atc;

// The simulator has no speech engine yet: it reports that none started, so
// the controllers stay silent.
int initspeechsynth(void) { return 0; }

// Nothing is spoken and no ATC line is kept until the controllers' dialogue
// comes.
void speakstring(const char*) {}

// Stand in until the controllers' dialogue and the landing signal officer
// come: no one answers.
void handle_plan(int) {}
void controller_respond(char*) {}
void LSO_respond(void) {}

// Stands in until the ATC window comes: nothing is drawn.
void plot_atc_options(int) {}
