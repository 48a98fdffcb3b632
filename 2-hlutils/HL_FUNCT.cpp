// Numeric, random and string helpers, the aircraft geometry, terrain codes
// and scenery names, the terrain-class helpers every grid shares, and the
// weather-report decoder; the classes over the simulator's region grid are in
// HL_FUNCT_terrain.cpp, the lookup of the nearest report in HL_FUNCT_weather.cpp.
#include "HL_FUNCT.h"
#include "HL_FILE.h"
#include "Hl_types.h"
#include "records.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// ---- numbers -------------------------------------------------------------

int intround(float x)
{
    return x >= 0 ? (int)(x + 0.5f) : (int)(x - 0.5f);
}

float fltnear(float x, float step)
{
    return (float)intround(x / step) * step;
}

int intnear(int n, int step)
{
    return (int)fltnear((float)n, (float)step);
}

float sqr(float x) { return x * x; }

float signsqr(float x) { return x < 0 ? -x * x : x * x; }

float pythag(float a, float b) { return sqrtf(a * a + b * b); }

float pythag3(float a, float b, float c) { return sqrtf(a * a + b * b + c * c); }

float interp(float x1, float y1, float x2, float y2, float x)
{
    return (y2 - y1) / (x2 - x1) * (x - x1) + y1;
}

float closer_assymp(float a, float b, float t)
{
    return (1.0f - t) * a + t * b;
}

float fallout(float v, float lo, float hi)
{
    if (v < lo || v > hi) return v;
    return v < (lo + hi) * 0.5f ? lo : hi;
}

int intlim(int v, int lo, int hi)
{
    if (v < lo) return lo;
    if (v <= hi) return v;
    return hi;
}

float fltlim(float v, float lo, float hi)
{
    if (v < lo) return lo;
    if (v <= hi) return v;
    return hi;
}

int intwrap(int v, int lo, int hi)
{
    int n = hi - lo + 1;
    if (v < lo) return v + n;
    if (v <= hi) return v;
    return v - n;
}

int intwrap_all(int v, int lo, int hi)
{
    // A value from a damaged file may be many periods out: one step brings it back.
    int n = hi - lo + 1;
    int d = (v - lo) % n;
    return lo + (d < 0 ? d + n : d);
}

int degwrap(int deg)
{
    // Any number of turns: a whole-degree value read from a file indexes 360-entry tables.
    return intwrap_all(deg, 0, 359);
}

float fltwrap(float v, float lo, float hi)
{
    float n = hi - lo;
    if (v < lo) return v + n;
    if (v <= hi) return v;
    return v - n;
}

float fltwrap_all(float v, float lo, float hi)
{
    // An angle from a file or a long step may be many turns out.
    float n = hi - lo;
    float d = fmodf(v - lo, n);
    return lo + (d < 0 ? d + n : d);
}

int intrange(int v, int lo, int hi) { return lo <= v && v <= hi; }

int fltrange(float v, float lo, float hi) { return lo <= v && v <= hi; }

int fltbox(float x, float y, float x1, float y1, float x2, float y2)
{
    return x1 <= x && x <= x2 && y1 <= y && y <= y2;
}

int intmin2(int a, int b) { return a < b ? a : b; }
int intmax2(int a, int b) { return a > b ? a : b; }
float fltmin2(float a, float b) { return a < b ? a : b; }
float fltmax2(float a, float b) { return a <= b ? b : a; }

float fltmin4(float a, float b, float c, float d)
{
    return fltmin2(fltmin2(a, b), fltmin2(c, d));
}

float fltmax4(float a, float b, float c, float d)
{
    return fltmax2(fltmax2(a, b), fltmax2(c, d));
}

void bol_switch(int* a, int* b)
{
    int t = *a;
    *a = *b;
    *b = t;
}

#ifndef PROG_VOLANTO
float fltmax3(float a, float b, float c) { return fltmax2(fltmax2(a, b), c); }

void flt_switch(float* a, float* b)
{
    float t = *a;
    *a = *b;
    *b = t;
}
#endif

void sec_to_hrs_min(float seconds, int* hours, int* minutes)
{
    int s = (int)seconds;
    *hours = s / 3600;
    *minutes = s / 60 - 60 * *hours;
}

float rx2d(float x, float y, float angle)
{
    float a = angle * con.degtorad;
    return x * cosf(a) + y * sinf(a);
}

float ry2d(float x, float y, float angle)
{
    float a = angle * con.degtorad;
    return y * cosf(a) - x * sinf(a);
}

float rx3d(float x, float z, float angle)
{
    float a = angle * con.degtorad;
    return x * cosf(a) - z * sinf(a);
}

float rz3d(float x, float z, float angle)
{
    float a = angle * con.degtorad;
    return x * sinf(a) + z * cosf(a);
}

// ---- random numbers ------------------------------------------------------

// A linear congruential generator whose upper bits give 15 usable bits.
static unsigned rnd15_state = 1;

void rnd15_seed(unsigned seed) { rnd15_state = seed; }

int rnd15(void)
{
    rnd15_state = rnd15_state * 1103515245u + 12345u;
    return (int)((rnd15_state >> 16) & 0x7fff);
}

// Divided by 32768, so the largest draw still lands on hi: the result may
// index a table of hi - lo + 1 entries.
int intrand(int lo, int hi)
{
    long long span = (long long)hi - lo + 1;
    return lo + (int)(rnd15() * span / 32768);
}

float fltrand(float lo, float hi)
{
    return (float)rnd15() * ((hi - lo) * (1.0f / 32767.0f)) + lo;
}

// ---- strings -------------------------------------------------------------

void C_to_C(const char* src, char* dst)
{
    if (!src) return;
    if (src != dst) memmove(dst, src, strlen(src) + 1);
}

void C_plus_C(const char* a, const char* b, char* dst)
{
    size_t na = strlen(a), nb = strlen(b);
    memmove(dst + na, b, nb + 1);
    if (a != dst) memmove(dst, a, na);
}

void app_C(char* dst, const char* tail)
{
    memmove(dst + strlen(dst), tail, strlen(tail) + 1);
}

void str_switch(char* a, char* b)
{
    C_to_C(a, C_s);
    C_to_C(b, a);
    C_to_C(C_s, b);
}

int char_to_int(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c == '+') return 1;
    if (c == '-') return -1;
    return 0;
}

char int_to_char(int n)
{
    return (n >= 1 && n <= 9) ? (char)('0' + n) : '0';
}

int str_is_int(const char* s)
{
    for (; *s; s++)
        if (*s < '0' || *s > '9') return 0;
    return 1;
}

int str_to_int(const char* s)
{
    size_t n = strlen(s);
    if (n < 1 || n > 4 || !str_is_int(s)) return -1;
    int v = 0;
    for (size_t k = 0; k < n; k++) v = v * 10 + (s[k] - '0');
    return v;
}

// The first of the five places holds n div 10000 whole, so a magnitude of
// 100,000 or more shows "0" there.
void int_to_str(int n, char* out)
{
    long long m = n < 0 ? -(long long)n : n;
    int k = 0;
    if (n < 0) out[k++] = '-';
    static const int places[5] = {10000, 1000, 100, 10, 1};
    int started = 0;
    for (int p = 0; p < 5; p++) {
        long long d = m / places[p];
        if (p > 0) d %= 10;
        if (d != 0 || started || p == 4) {
            out[k++] = int_to_char((int)(d > 9 ? 0 : d));
            started = 1;
        }
    }
    out[k] = 0;
}

static int frac_digit(char c)
{
    return (c >= '1' && c <= '9') || c == '+';
}

int str_is_frac(const char* s)
{
    return strlen(s) == 3 && frac_digit(s[0]) && s[1] == '/' && frac_digit(s[2]);
}

// A divisor of value 0 ("0" or any character that is no digit, "+" or "-")
// gives -1.0, never a division by zero.
float str_to_frac(const char* s)
{
    if (strlen(s) != 3) return -1.0f;
    int b = char_to_int(s[2]);
    if (b == 0) return -1.0f;
    return (float)char_to_int(s[0]) / (float)b;
}

// ---- aircraft geometry ---------------------------------------------------

float latsign(int part, int p)
{
    if (is_prop(part) || is_pylon(part))
        return pln[p].Xarm[part] < -0.05f ? -1.0f : 1.0f;
    if ((is_wing(part) || is_hstab(part)) && part % 2 == 0) return -1.0f;
    return 1.0f;
}

// A part without elements has no element centres: 0 rather than a division by zero.
float get_wing_rarm(int part, int element, int p)
{
    if (!in_parts(part) || pln[p].els[part] <= 0) return 0.0f;
    return ((float)element + 0.5f) / (float)pln[p].els[part] * pln[p].semilen[part];
}

float get_wing_Xarm(int part, float rarm, int p)
{
    const planestruct& a = pln[p];
    return a.Xarm[part] + latsign(part, p) * rarm * cosf(a.sweep1[part] * con.degtorad) *
                              cosf(a.dihed[part] * con.degtorad);
}

float get_wing_Yarm(int part, float rarm, int p)
{
    const planestruct& a = pln[p];
    return a.Yarm[part] + rarm * cosf(a.sweep1[part] * con.degtorad) * sinf(a.dihed[part] * con.degtorad);
}

float get_wing_Zarm(int part, float rarm, int p)
{
    const planestruct& a = pln[p];
    return a.Zarm[part] + rarm * sinf(a.sweep1[part] * con.degtorad);
}

// Callers walk body_X[part][station], so the count never passes the
// record's 18 stations whatever the file's blade count or element count.
int f_body_s_dim(int part, int p)
{
    int n = 0;
    if (is_prop(part)) {
        // Clamped as a float first: the blade count comes from the file.
        float stations = 2.0f * pln[p].numblades[part];
        n = stations >= 0.0f && stations <= plane_stations ? (int)stations : (stations > 0.0f ? plane_stations : 0);
    }
    else if (is_surface(part) || is_pylon(part)) n = pln[p].els[part] + 1;
    else if (part == part_fuselage) n = 11;
    else if (part >= part_nacelle_first && part <= part_fairing_last) n = 7;
    return intlim(n, 0, plane_stations);
}

int f_body_r_dim(int part)
{
    if (is_prop(part)) return 2;
    if (is_surface(part) || is_pylon(part)) return 12;
    if (part == part_fuselage || is_nacelle(part) || is_misc_body(part)) return 16;
    if (is_fairing(part)) return 8;
    return 0;
}

int have_this_part(int part, int p)
{
    if (!in_parts(part)) return 0;
    const planestruct& a = pln[p];
#ifdef PROG_VOLANTO
    // Past the redline the right wings have come off.
    if (flt.redline_busted && is_wing(part) && part % 2 == 1) return 0;
#endif
    if (part <= part_tail_rotor) return a.is_heli || (turns_propellers(a) && a.numen >= part + 1);
    if (part <= part_prop_last) return turns_propellers(a) && a.numen >= part + 1;
    if (part <= part_vstab_2) return a.semilen[part] > 0.05f;
    if (part <= part_pylon_last) return a.semilen[part] > 0.05f && a.numen >= part - part_pylon_first + 1;
    if (part == part_fuselage) return 1;
    if (part == part_nacelle_first) return a.nace_eq && a.numen >= 1;
    if (part <= part_nacelle_last) return a.nace_eq && a.numen >= part - part_nacelle_first + 1 && !a.is_heli;
    if (part == part_misc_first) return a.misc_eq != 0;
    if (part == part_misc_last) return a.misc_eq && a.misc_X > 0.01f;
    // Fairings over the wheels, or the two skids' bodies.
    // A wheel fairing shows while its leg is out; a skid aircraft has two, none at the nose.
    if (a.fair_eq && a.gear_type >= 3 && a.gear_stat[part - part_fairing_first] != 0) return 1;
    return a.gear_type == 2 && part <= part_fairing_first + 1;
}

void get_body_os(int part, float* x, float* y, float* z, int p)
{
    const planestruct& a = pln[p];
    if (part >= part_prop_first && part <= part_pylon_last) {
        *x = a.Xarm[part];
        *y = a.Yarm[part];
        *z = a.Zarm[part];
    } else if (part == part_fuselage) {
        *x = *y = *z = 0.0f;
    } else if (is_nacelle(part)) {
        // A nacelle sits on its engine's propeller.
        int prop = part - part_nacelle_first;
        *x = a.Xarm[prop];
        *y = a.Yarm[prop];
        *z = a.Zarm[prop];
    } else if (is_misc_body(part)) {
        *x = part == part_misc_first ? -a.misc_X : a.misc_X;
        *y = a.misc_Y;
        *z = a.misc_Z;
    } else if (is_fairing(part) && a.gear_type > 2) {
        if (part == part_fairing_first) {
            *x = 0.0f;
            *y = a.ngearY + a.condef[0] + a.wheelrad;
            *z = a.ngearZ;
        } else {
            *x = part == part_fairing_first + 1 ? -a.mgearX : a.mgearX;
            *y = a.mgearY + a.condef[part - part_fairing_first] + a.wheelrad;
            *z = a.mgearZ;
        }
    } else if (part <= part_fairing_first + 1 && is_fairing(part) && a.gear_type == 2) {
        int left = part == part_fairing_first;
        *x = left ? -a.skidX : a.skidX;
        *y = a.skidY + a.condef[left ? 3 : 5] + a.wheelrad;
        *z = a.skidZ;
    }
}

// ---- terrain codes, light codes and scenery file names ----------------------

// The corner coordinates of a transition texture's four orientations, in the
// order s00, s01, s11, s10, t00, t01, t11, t10.
static const float orientation_st[4][8] = {
    {0, 0, 1, 1, 0, 1, 1, 0},   // 40000, bit 5
    {1, 0, 0, 1, 0, 0, 1, 1},   // 30000, bit 6
    {1, 1, 0, 0, 1, 0, 0, 1},   // 20000, bit 7
    {0, 1, 1, 0, 1, 1, 0, 0},   // 10000, bit 8
};

void put_corners(float st[2][2][2], const float* v)
{
    st[0][0][0] = v[0];
    st[0][1][0] = v[1];
    st[1][1][0] = v[2];
    st[1][0][0] = v[3];
    st[0][0][1] = v[4];
    st[0][1][1] = v[5];
    st[1][1][1] = v[6];
    st[1][0][1] = v[7];
}

void code_to_state(int* water, float st[2][2][2], unsigned* texture, int code)
{
    *texture = 0;
    *water = 0;
    if (code < 0) {
        long long n = -(long long)code;
        if (n >= 100000) {
            *water = 1;
            n -= 100000;
        }
        static const int steps[4] = {40000, 30000, 20000, 10000};
        for (int k = 0; k < 4; k++) {
            if (n >= steps[k]) {
                n -= steps[k];
                put_corners(st, orientation_st[k]);
            }
        }
        *texture = (unsigned)n;
        return;
    }
    // The older bit-flag form: the lowest set bit of each group decides.
    for (int bit = 28; bit >= 9; bit--)
        if (code & (1 << bit)) *texture = 2000u + (unsigned)(bit - 9);
    for (int bit = 8; bit >= 5; bit--)
        if (code & (1 << bit)) put_corners(st, orientation_st[bit - 5]);
    if (code & 4) *water = 1;
    if (code & 2) *water = 1;
}

// One end's three light digits, each 0 read as 1 and each bounded by its
// table: hundreds 1..3, tens 1..6, units 1..6.
static void lights_of_end(int p, int* a, int* b, int* c)
{
    *a = *b = *c = 1;
    for (int d = 3; d >= 1; d--)
        if (p >= d * 100) {
            *a = d;
            p -= d * 100;
        }
    for (int d = 6; d >= 1; d--)
        if (p >= d * 10) {
            *b = d;
            p -= d * 10;
        }
    for (int d = 6; d >= 1; d--)
        if (p >= d) {
            *c = d;
            p -= d;
        }
}

void code_to_lgts(int* kind, int a[2], int b[2], int c[2], int code)
{
    *kind = 62;
    if (code >= 1000000) {
        int k = code / 1000000;
        if (k >= 1 && k <= 5) *kind = 61 + k;
        code %= 1000000;
    }
    lights_of_end(code / 1000, &a[0], &b[0], &c[0]);
    lights_of_end(code % 1000, &a[1], &b[1], &c[1]);
}

char code_to_char(int code)
{
    if (code == 0) return ' ';
    if (code >= 1 && code <= 10) return (char)('0' + code - 1);
    if (code >= 11 && code <= 36) return (char)('A' + code - 11);
    return '0';
}

int char_to_code(char c)
{
    if (c == ' ') return 0;
    if (c >= '0' && c <= '9') return c - '0' + 1;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 11;
    return 1;
}

void return_latlon_str_ENV(int lat, int lon, char* out)
{
    // Integer division truncates toward zero, so latitudes below -60 share
    // the band -060; the editor builds the same names.
    int band_lat = (lat + 60) / 10 * 10 - 60;
    int band_lon = (lon + 180) / 10 * 10 - 180;
    char name[64];
    snprintf(name, sizeof name, "%c%03d%c%03d/%c%03d%c%03d.env", band_lat < 0 ? '-' : '+', abs(band_lat),
             band_lon < 0 ? '-' : '+', abs(band_lon), lat < 0 ? '-' : '+', abs(lat), lon < 0 ? '-' : '+',
             abs(lon));
    // A square off the globe would give a longer name: it is cut, never run past out.
    memcpy(out, name, 21);
    out[21] = 0;
}

// ---- terrain classes and local height --------------------------------------

int inside_cw_reg(float x1, float z1, float x2, float z2, float px, float pz, float margin)
{
    if (fabsf(x2 - x1) <= fabsf(z2 - z1)) {
        // A point of an edge of no length: its x stands for the edge.
        float xl = z2 != z1 ? interp(z1, x1, z2, x2, pz) : x1;
        return z2 >= z1 ? (px - margin < xl) : (px + margin > xl);
    }
    float zl = interp(x1, z1, x2, z2, px);
    return x2 >= x1 ? (pz + margin > zl) : (pz - margin < zl);
}

int inside_cw_poly(const float (*corner)[3], int n, float px, float pz, float margin)
{
    for (int k = 0; k < n; k++) {
        const float* a = corner[k];
        const float* b = corner[(k + 1) % n];
        if (!inside_cw_reg(a[0], a[2], b[0], b[2], px, pz, margin)) return 0;
    }
    return 1;
}

void find_normal_vects(const float a[3], const float b[3], float n[3])
{
    float x = a[1] * b[2] - a[2] * b[1];
    float y = a[2] * b[0] - a[0] * b[2];
    float z = a[0] * b[1] - a[1] * b[0];
    float len = pythag3(x, y, z);
    if (len > 0) {
        n[0] = x / len;
        n[1] = y / len;
        n[2] = z / len;
    } else {
        n[0] = 0;
        n[1] = 1;
        n[2] = 0;
    }
}

// ---- weather reports -------------------------------------------------------

// What the decoder keeps of a report: its first 40 words, each cut to fit a
// line, and the temperature group's first five fields.
static const int report_words = 40;
static const int group_fields = 5;

struct weather_word {
    const char* word;
    int kind, strength;
};

static const weather_word weather_words[] = {
    {"R-", 2, 1},    {"R", 2, 2},      {"R+", 2, 3},     {"RW-", 4, 1},   {"RW", 4, 2},    {"RW+", 4, 3},
    {"S-", 2, 1},    {"S", 2, 2},      {"S+", 2, 3},     {"SW-", 4, 1},   {"SW", 4, 2},    {"SW+", 4, 3},
    {"TRW-", 1, 1},  {"TRW", 1, 2},    {"TRW+", 1, 3},   {"R-F", 3, 1},   {"RF", 3, 2},    {"R+F", 3, 3},
    {"RW-F", 4, 1},  {"RWF", 4, 2},    {"RW+F", 4, 3},   {"TRW-F", 1, 1}, {"TRWF", 1, 2},  {"TRW+F", 1, 3},
};

// Cuts text at every sep (two in a row give an empty piece) into at most max
// pieces of at most line_max - 1 characters; returns their number.
static int split_at(const char* text, char sep, char pieces[][line_max], int max)
{
    int n = 0, len = 0;
    pieces[0][0] = 0;
    for (const char* c = text; *c; c++) {
        if (*c != sep) {
            if (len < line_max - 1) {
                pieces[n][len++] = *c;
                pieces[n][len] = 0;
            }
            continue;
        }
        if (n + 1 == max) return max;
        n++;
        len = 0;
        pieces[n][0] = 0;
    }
    return n + 1;
}

static int has_letter(const char* s)
{
    for (; *s; s++)
        if ((*s >= 'A' && *s <= 'Z') || (*s >= 'a' && *s <= 'z')) return 1;
    return 0;
}

// 2 scattered, 3 broken, 4 overcast; 0 for any other word.
static int cover_code(const char* s)
{
    if (strcmp(s, "SCT") == 0) return 2;
    if (strcmp(s, "BKN") == 0) return 3;
    if (strcmp(s, "OVC") == 0) return 4;
    return 0;
}

static int count_of(const char* s, char c)
{
    int n = 0;
    for (; *s; s++) n += *s == c;
    return n;
}

// A number of visibility: 1 to 4 digits. An empty word (two blanks) or a
// longer one is no number, so it never gives a negative visibility.
static int is_number(const char* s) { return str_to_int(s) >= 0; }

void decode_wxr(const char* report, float elevation, float* time, int* cover, float* base, float* top,
                float* visibility, int* kind, int* strength, float* temperature, float* dew_point,
                float* wind_dir, float* wind_speed, float* gust, float* barometer)
{
    char w[report_words][line_max];
    int words = split_at(report, ' ', w, report_words);

    // A station id has a letter: a report without one starts with its time.
    int S = strlen(w[0]) == 4 && has_letter(w[0]) ? 1 : 0;
    int T = 0;
    for (int k = 0; k < words && T == 0; k++)
        if (count_of(w[k], '/') >= 3) T = k;
    // Four or more "/": the group has a leading field.
    int f = T > 0 && count_of(w[T], '/') >= 4 ? 1 : 0;

    // A time word too short for HHMM sets no time.
    if (S == 1 && words > 1 && strlen(w[1]) >= 4)
        *time = 36000.0f * char_to_int(w[1][0]) + 3600.0f * char_to_int(w[1][1]) + 600.0f * char_to_int(w[1][2]) +
                60.0f * char_to_int(w[1][3]);
    if (T == 0) return;

    int top_set = 0;
    if (S + 1 < T) {
        *cover = 1;
        int lo = 0, hi = 0, found = 0;
        if (strcmp(w[S + 1], "CLR") != 0)
            for (int i = S + 1; i < T - 2; i += 2) {
                int c = cover_code(w[i + 1]);
                int h = str_to_int(w[i]);
                if (c == 0 || h <= 0) continue;
                *cover = c;
                lo = found ? intmin2(lo, h) : h;
                hi = found ? intmax2(hi, h) : h;
                found = 1;
            }
        if (found) {
            *base = (float)lo * 100.0f * con.fttomtrs + elevation;
            *top = (float)hi * 100.0f * con.fttomtrs + elevation;
            top_set = 1;
        }
    }

    // Later forms override earlier ones: "1 1/2" is read whole by the last two.
    if (S < T - 1) {
        float n = con.nmtomtrs;
        if (is_number(w[T - 1])) *visibility = (float)str_to_int(w[T - 1]) * n;
        if (S < T - 2 && is_number(w[T - 2])) *visibility = (float)str_to_int(w[T - 2]) * n;
        if (str_is_frac(w[T - 1])) {
            *visibility = str_to_frac(w[T - 1]) * n;
            if (S < T - 2 && is_number(w[T - 2])) *visibility += (float)str_to_int(w[T - 2]) * n;
        }
        if (S < T - 2 && str_is_frac(w[T - 2])) {
            *visibility = str_to_frac(w[T - 2]) * n;
            if (S < T - 3 && is_number(w[T - 3])) *visibility += (float)str_to_int(w[T - 3]) * n;
        }
    }

    if (S + 3 < T && !is_number(w[T - 1]))
        for (const weather_word& m : weather_words) {
            if (strcmp(w[T - 1], m.word) != 0) continue;
            *kind = m.kind;
            *strength = m.strength;
            // Rain and snow build the clouds up, thunderstorms ten times as
            // far; only tops this report set, or kept values would climb
            // with every decoding.
            if (top_set) *top += (float)m.strength * (m.kind == 1 ? 10000.0f : 1000.0f) * con.fttomtrs;
            break;
        }

    char g[group_fields][line_max];
    int fields = split_at(w[T], '/', g, group_fields);
    for (int k = fields; k < group_fields; k++) g[k][0] = 0;
    if (str_to_int(g[f]) > 0) *temperature = (float)str_to_int(g[f]);
    if (str_to_int(g[f + 1]) > 0) *dew_point = (float)str_to_int(g[f + 1]);
    // Three digits make a barometer reading; fewer set none.
    const char* b = g[f + 3];
    if (str_to_int(b) > 0 && strlen(b) >= 3) {
        float inches = char_to_int(b[0]) + 0.1f * char_to_int(b[1]) + 0.01f * char_to_int(b[2]);
        *barometer = inches + (inches < 5.0f ? 30.0f : 20.0f);
    }
    const char* v = g[f + 2];
    size_t len = strlen(v);
    if (len == 4 || len == 7) {
        float speed = 10.0f * char_to_int(v[2]) + char_to_int(v[3]);
        float dir = v[0] == 'V' && v[1] == 'R' ? 10.0f * (float)intrand(0, 35)
                                               : 100.0f * char_to_int(v[0]) + 10.0f * char_to_int(v[1]);
        *wind_dir = dir < 0.01f ? 360.0f : dir;
        *wind_speed = speed;
        *gust = len == 7 && v[4] == 'G' ? 10.0f * char_to_int(v[5]) + char_to_int(v[6]) - speed : 0.0f;
    }
}
