// Numeric and string helpers every module calls, and the suite's own random
// source. Every float-to-integer conversion truncates toward zero; intround
// is the one rounding rule.
#pragma once

int   intround(float x);                    // halves away from zero
float fltlim(float v, float lo, float hi);
int   fltbox(float x, float y, float x1, float y1, float x2, float y2);  // inclusive

// The 15-bit random source (0 to 32767), the same on every machine.
void  rnd15_seed(unsigned seed);
int   rnd15(void);
