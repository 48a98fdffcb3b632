#include "HL_FUNCT.h"

int intround(float x)
{
    return x >= 0 ? (int)(x + 0.5f) : (int)(x - 0.5f);
}

float fltlim(float v, float lo, float hi)
{
    if (v < lo) return lo;
    if (v <= hi) return v;
    return hi;
}

int fltbox(float x, float y, float x1, float y1, float x2, float y2)
{
    return x1 <= x && x <= x2 && y1 <= y && y <= y2;
}

// A linear congruential generator whose upper bits give 15 usable bits.
static unsigned rnd15_state = 1;

void rnd15_seed(unsigned seed) { rnd15_state = seed; }

int rnd15(void)
{
    rnd15_state = rnd15_state * 1103515245u + 12345u;
    return (int)((rnd15_state >> 16) & 0x7fff);
}
