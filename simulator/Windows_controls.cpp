// The controls the settings windows and the cockpit panel share: the radio
// steppers and the panel levers' travel.
#include "HL_FUNCT.h"
#include "Windows.h"

#include <cstdlib>

static int direction(int step) { return step < 1 ? -1 : 1; }

// One band of MHz, the fraction its own wheel.
static void step_frequency(int* freq, int step, int mhz_lo, int mhz_hi)
{
    int mhz = *freq / 100, fraction = *freq - 100 * mhz;
    if (fraction < 0) fraction += 100, mhz--;
    int size = abs(step);
    if (size == 10) mhz += direction(step);
    else if (size == 5) fraction += 5 * direction(step);
    else return;
    *freq = 100 * intwrap_all(mhz, mhz_lo, mhz_hi) + intwrap_all(fraction, 0, 99);
}

void NAVinc(int* freq, int step) { step_frequency(freq, step, 108, 117); }
void COMinc(int* freq, int step) { step_frequency(freq, step, 118, 136); }

void ADFinc(int* freq, int step)
{
    int f = abs(*freq);
    int digit[3] = {(f / 100) % 10, (f / 10) % 10, f % 10};
    int size = abs(step), k = size == 100 ? 0 : size == 10 ? 1 : size == 1 ? 2 : -1;
    if (k < 0) return;
    digit[k] = intwrap_all(digit[k] + direction(step), 0, 9);
    *freq = 100 * digit[0] + 10 * digit[1] + digit[2];
}

void XPNinc(int* digit, int step)
{
    int d = *digit + step;
    if (d >= 8) d = 0;
    else if (d < 0) d = 7;
    *digit = d;
}

float util_get_handle(int kind, float pos)
{
    float a, b;
    if (kind == lever_flaps) a = 73, b = 127;
    else if (kind == lever_sweep) a = 73, b = 112;
    else if (kind == lever_vector) a = 73, b = 126;
    else if (intrange(kind, lever_throttle1, lever_throttle1 + 3) || kind == lever_carb_heat) a = 4, b = 52;
    else if (intrange(kind, lever_prop1, lever_mixture1 + 3)) a = 4, b = 39;
    else return 0;
    return fltlim(interp(a, 0, b, 1, pos), 0, 1);
}
