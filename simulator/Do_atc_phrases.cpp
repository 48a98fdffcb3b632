#include "Do_atc.h"

// Stands in until the phrases come: an empty opening.
void start_command_string(char* text, int) { text[0] = 0; }
