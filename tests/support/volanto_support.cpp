// Volanto's part of the tests' reset: the flight's clear functions and the
// simulator's records that tests set up.
#include "test_support.h"
#include "records.h"

#include <cstring>

void reset_program_state(void)
{
    clear_flight_state();
    memset(&flt, 0, sizeof flt);
    memset(&set, 0, sizeof set);
    memset(&msc, 0, sizeof msc);
    memset(&atm, 0, sizeof atm);
    memset(&env, 0, sizeof env);
}
