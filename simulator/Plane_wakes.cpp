#include "Plane.h"

// The wakes come with the ships' drawing.
void build_wake(int, float, float, float, float, float) {}
