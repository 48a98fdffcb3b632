// Runway geometry slots.
#include "Initnav.h"

int geo_type[geo_slots];
int geo_tway[geo_slots];
int geo_litrwy[geo_slots][2];
int geo_litapp[geo_slots][2];
int geo_litgls[geo_slots][2];
int geo_rmax1[geo_slots], geo_rmax2[geo_slots], geo_RCLS[geo_slots];
int geo_tmax1[geo_slots], geo_tmax2[geo_slots];
float geo_markxyz[geo_slots][geo_quads][4][3];
float geo_litexyz[geo_slots][geo_lights][3];
float geo_sockxyz[geo_slots][2][3];
float geo_rabSxyz[geo_slots][2][3];
float geo_rabDxyz[geo_slots][2][3];
float geo_cornxyz[geo_slots][4][3];

// Stands in until the runway slots are built.
void setuprunway(int, int, int) {}
int in_runway(int, int, float, float) { return 0; }
void as_mark_xy(int, int, float, float, float, float, float, float) {}
void as_grnd_xy(int, int, float, float, float) {}
void as_interp(int, int, int) {}
void as_edge(int, int, int, int, int, int) {}
void clear_region(int, int, int, int, int) {}
void step_rabbits(int) {}
