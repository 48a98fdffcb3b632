// Numeric and string helpers every module calls, and the suite's own random
// source. Every float-to-integer conversion truncates toward zero; intround
// is the one rounding rule. Comparisons are inclusive unless said. Also the
// scenery's packed codes and square names, the weather-report decoder, and,
// in the simulator, the terrain classes and ground height over the region
// grid that the region loader fills and the lookup of the nearest report.
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
int   intwrap_all(int v, int lo, int hi);   // any number of periods
int   degwrap(int deg);                     // any whole degree, any turns, into 0..359
float fltwrap(float v, float lo, float hi); // one period only
float fltwrap_all(float v, float lo, float hi);   // any number of periods
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
#ifndef PROG_VOLANTO
float fltmax3(float a, float b, float c);
void  flt_switch(float* a, float* b);
#endif
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

// ---- aircraft geometry -----------------------------------------------------

// Where the parts, elements and bodies of pln[p] sit. Arms: x right, y up,
// z aft, in the unit the record holds; angles in the record are degrees.
// They read pln[p] and never write it.
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

// ---- terrain codes, light codes and scenery file names ----------------------

// Unpacks a scenery square's terrain code: the water flag, the texture, and
// for a transition texture its corner coordinates st[di][dj][s, t] (left as
// they were when the code has no orientation).
void  code_to_state(int* water, float st[2][2][2], unsigned* texture, int code);
// Unpacks a runway code: kind 62..66 (surface) and per end 0, 1 the three
// light digits a (glide-slope indicator), b (runway lights), c (approach
// lights), a digit 0 read as 1.
void  code_to_lgts(int* kind, int a[2], int b[2], int c[2], int code);
char  code_to_char(int code);        // 0 blank, 1..10 digits, 11..36 capitals, else '0'
int   char_to_code(char c);          // the inverse; any other character 1
// The scenery square file of the square with south-west corner (lat, lon),
// relative to a scenery folder: "+030-120/+033-119.env"; out holds 22.
void  return_latlon_str_ENV(int lat, int lon, char* out);
// Lays out a cell's corner coordinates v, in the order s00, s01, s11, s10,
// t00, t01, t11, t10, into st[di][dj][s, t].
void  put_corners(float st[2][2][2], const float* v);

// ---- terrain classes and local height (the simulator's region grid) -------

// 1 when (px, pz) lies inside the clockwise edge (x1, z1) -> (x2, z2),
// widened by margin (x east, z south).
int   inside_cw_reg(float x1, float z1, float x2, float z2, float px, float pz, float margin);
// 1 when (px, pz) passes inside_cw_reg for every edge of the convex region
// of n corners (x, y, z; y unused) listed clockwise, from corner k to k + 1
// and from the last back to the first.
int   inside_cw_poly(const float (*corner)[3], int n, float px, float pz, float margin);
// n = a x b, unit length; (0, 1, 0) for a cross product of length 0.
void  find_normal_vects(const float a[3], const float b[3], float n[3]);
// Built into the programs that hold the simulator's region grid.
void  set_st(int i, int j, float s00, float s01, float s11, float s10,
             float t00, float t01, float t11, float t10, unsigned tex);
int   coast(int i, int j);           // the cell is of the current border set
void  new_border(unsigned base, unsigned other, unsigned edge, unsigned outer, unsigned inner,
                 int rows, int cols);
// Water, flat land and steep land for every cell below 2000, then the
// transitions between them; after the region loader has filled the grid.
void  assign_terrain_texes(int rows, int cols);
// The height (m) of the ground under (x, z), and with with_surfaces of a
// platform, a ship's deck or a bumpy surface there; vx, vz get the surface's
// velocity (vy only on a deck). *i, *j: the cell to start the search from,
// then the cell found.
float find_local_h(float x, float z, float* vx, float* vy, float* vz, int* i, int* j, int with_surfaces);

// ---- weather reports -------------------------------------------------------

// Decodes one surface report ("KXYZ 1150 25 SCT 80 BKN 5 R- 72/65/2710/992")
// into the thirteen weather values; elevation (m) is the station's. Each
// output is written only when its part of the report is there, so the
// caller's values stand for the rest. Only the first 40 words and the
// group's first five fields are looked at.
void  decode_wxr(const char* report, float elevation, float* time, int* cover, float* base, float* top,
                 float* visibility, int* kind, int* strength, float* temperature, float* dew_point,
                 float* wind_dir, float* wind_speed, float* gust, float* barometer);
// Reads "WORLD.RWX", opened by the caller on inf1, to its end and hands out
// the report (report holds line_max) and elevation (m) of the station
// nearest to (lat, lon) among the airports of the loaded region; 1 when
// one was found. Built into the simulator only: it reads its world tables.
int   get_wxr_str(char* report, float* elevation, float lat, float lon);
// The same from the program folder's "WORLD.RWX", opened on inf1 and
// closed again: 1 with the report and elevation, 0 when no airport of the
// region reports, -1 when the file is missing or does not open.
int   nearest_wxr_report(char* report, float* elevation, float lat, float lon);
int   wxr_file_present(void);        // the program folder holds "WORLD.RWX"
