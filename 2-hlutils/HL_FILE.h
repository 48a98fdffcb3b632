// File headers and field scanners: every data file of the suite is opened,
// version-checked and read field by field through these, and written through
// ouf. Owns the input and output streams and their state.
#pragma once
#include <fstream>

extern std::ifstream inf1, inf2;
extern int inf_use;           // 1 scanners read inf1, 2 inf2
extern int inf_is_bin;        // the file opened last is binary
extern int rev_inf_bin;       // its 4-byte values are big-endian
extern char x_eln;            // end-of-line character of the open text file
extern int extra_char_eoln;
extern std::ofstream ouf;
extern char C_s[400];         // scratch line

// Opens path on inf1 and reads its header; 1 when it is open with the
// expected version. With fatal set a wrong version ends the program.
int   inf_open(const char* path, int kind, int version, int fatal);
int   intscan(const char* label);
float fltscan(const char* label);
void  scancheck(const char* label);

// The open or save dialog's step, while window 998 or 999 is open.
void  OPENSAVE_update(void);
