// Airwright's tests' shared steps: the small aircraft a user builds from a
// New design by presses and drags on the design screens alone, and the
// values it is built to, in Airwright's units (feet, pounds, knots, hp, rpm).
#pragma once
#include "Hl_types.h"

// A value the build sets on a screen and what it is pressed to.
struct built_value {
    const char* name;
    float (*value)(const planestruct& a);
    float target;
};

// The values the build dials in; count is set to their number.
const built_value* small_aircraft_values(int* count);

// The fuselage points the build drags, and where to, ft.
struct dragged_point {
    int station, point;
    float x, y;
};
const dragged_point* small_aircraft_drags(int* count);

// From the current design (a New one), airplane mode: every value above
// dialled in on its screen, the wing's pieces given flaps and ailerons, the
// tail's elevators and rudder, the gear's kind stepped to "2 side-by-side",
// the fuselage's points dragged; the main view is open at the end.
void build_small_aircraft(void);
