// Foilwright's part of the tests' reset: the program keeps no state of its
// own beyond its records, and its tests start a part with reset_to_default.
#include "test_support.h"

void reset_program_state(void) {}
