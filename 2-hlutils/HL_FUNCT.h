// Numeric and string helpers every module calls, and the suite's own random
// source. Every float-to-integer conversion truncates toward zero; intround
// is the one rounding rule. Comparisons are inclusive unless said.
#pragma once

// ---- numbers -------------------------------------------------------------

int   intround(float x);                    // halves away from zero
float fltnear(float x, float step);         // nearest multiple of step
int   intnear(int n, int step);
float sqr(float x);
float signsqr(float x);                     // x * |x|
float pythag(float a, float b);
float pythag3(float a, float b, float c);
float interp(float x1, float y1, float x2, float y2, float x);   // not limited to the interval
float closer_assymp(float a, float b, float t);
float fallout(float v, float lo, float hi); // a value inside the band goes to its nearer edge
int   intlim(int v, int lo, int hi);
float fltlim(float v, float lo, float hi);
int   intwrap(int v, int lo, int hi);       // one period only
float fltwrap(float v, float lo, float hi); // one period only
int   intrange(int v, int lo, int hi);
int   fltrange(float v, float lo, float hi);
int   fltbox(float x, float y, float x1, float y1, float x2, float y2);
int   intmin2(int a, int b);
int   intmax2(int a, int b);
float fltmin2(float a, float b);
float fltmax2(float a, float b);
float fltmin4(float a, float b, float c, float d);
float fltmax4(float a, float b, float c, float d);
void  bol_switch(int* a, int* b);
void  sec_to_hrs_min(float seconds, int* hours, int* minutes);

// Planar turns by an angle in degrees: rx2d/ry2d turn (x, y) clockwise,
// rx3d/rz3d turn (x, z) the other way.
float rx2d(float x, float y, float angle);
float ry2d(float x, float y, float angle);
float rx3d(float x, float z, float angle);
float rz3d(float x, float z, float angle);

// ---- random numbers ------------------------------------------------------

// The 15-bit random source (0 to 32767), the same on every machine.
void  rnd15_seed(unsigned seed);
int   rnd15(void);
int   intrand(int lo, int hi);              // lo..hi, never hi + 1
float fltrand(float lo, float hi);          // lo..hi inclusive

// ---- strings (zero-terminated, in the caller's arrays) --------------------

void  C_to_C(const char* src, char* dst);   // a null src leaves dst alone
void  C_plus_C(const char* a, const char* b, char* dst);
void  app_C(char* dst, const char* tail);
void  str_switch(char* a, char* b);         // through the scratch line C_s
int   char_to_int(char c);                  // digits, '+' 1, '-' -1, else 0
char  int_to_char(int n);                   // 1..9 give '1'..'9', else '0'
int   str_is_int(const char* s);            // empty counts as an integer
int   str_to_int(const char* s);            // 1 to 4 digits, else -1
void  int_to_str(int n, char* out);         // five digit places at most
int   str_is_frac(const char* s);           // "3/4"
float str_to_frac(const char* s);           // -1.0 when not a usable fraction

// ---- aircraft geometry (programs that hold pln) ---------------------------

// Where the parts, elements and bodies of pln[p] sit. Arms: x right, y up,
// z aft, in the unit the record holds; angles in the record are degrees.
// They read pln[p] and never write it. Built only into the programs that
// hold aircraft records.
float latsign(int part, int p);                           // -1.0 left side, +1.0 right
float get_wing_rarm(int part, int element, int p);        // span distance of the element's centre
float get_wing_Xarm(int part, float rarm, int p);         // point at span distance rarm
float get_wing_Yarm(int part, float rarm, int p);
float get_wing_Zarm(int part, float rarm, int p);
int   f_body_s_dim(int part, int p);                      // body stations, 0..18
int   f_body_r_dim(int part);                             // points per cross-section, 0..16
int   have_this_part(int part, int p);                    // 1 when the part exists
// Anchor of a part's body points; outputs untouched for parts without one.
void  get_body_os(int part, float* x, float* y, float* z, int p);
