// The simulator's windows and what they hold between frames. Owns the flight
// plan fpl: the flight-plan form writes it, ATC reads it, and every new
// flight clears it.
#pragma once

// 48 bytes in this order.
struct flightplanstruct {
    int filed;
    int active;               // the filed plan is being flown with ATC
    int rules_ifr;            // at most one of the three rules set
    int rules_vfr;
    int rules_other;
    int contact_option_1;     // at most one of the two set
    int contact_option_2;
    char departure[5];        // four letters and the end; the start placement writes it
    char destination[5];
    int assigned_altitude;    // ft, ATC's
    int cruise_altitude;      // ft
};

static_assert(sizeof(flightplanstruct) == 48, "the flight plan is 48 bytes");

extern flightplanstruct fpl;
