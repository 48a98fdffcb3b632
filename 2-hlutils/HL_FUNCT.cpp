// Numeric, random and string helpers.
#include "HL_FUNCT.h"
#include "HL_FILE.h"
#include "Hl_types.h"

#include <cmath>
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

float fltwrap(float v, float lo, float hi)
{
    float n = hi - lo;
    if (v < lo) return v + n;
    if (v <= hi) return v;
    return v - n;
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
