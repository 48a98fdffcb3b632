// The runway geometry of the loaded region's airports: per runway slot its
// pavement, lights and approach lights, built when the region loads.
#pragma once

// Ten times a second from the flight step: each approach-light run's
// "rabbit" restarts at its first light when tenth is 0 and otherwise steps
// one light toward the runway.
void step_rabbits(int tenth);
