// Air traffic control's side of the dialogue: the filed plan's controllers,
// the answers to the pilot's requests with the approach vectoring, and the
// background transmissions.
#include "Do_atc.h"

// Stand in until the controllers' dialogue comes: no one answers.
void handle_plan(int) {}
void controller_respond(char*) {}
int make_random_call(int, int) { return 0; }
void clear_atc_dialogue_state(void) {}
