// File headers and field scanners: every data file of the suite is opened,
// version-checked and read field by field through these, and written through
// ouf. Owns the input and output streams and their state, and the open and
// save dialog with its listing of the folder shown, and the record lines of
// the airport and navaid databases.
#pragma once
#include "Hl_types.h"

#include <fstream>

extern std::ifstream inf1, inf2;
extern int inf_use;           // 1 scanners read inf1, 2 inf2
extern int inf_is_bin;        // the file opened last is binary
extern int rev_inf_bin;       // its 4-byte values are big-endian
extern char x_eln;            // end-of-line character of the open text file
extern int extra_char_eoln;   // one more character follows each line end
extern std::ofstream ouf;
extern char C_s[line_max];         // scratch line; inf_open leaves the version line's rest here
extern char copyright_apt[line_max], copyright_nav[line_max];  // header lines kept from apt.dat and nav.dat

// Opens path on inf1 and reads its header; 1 when it is open with the
// expected version. With fatal set a wrong version ends the program.
int   inf_open(const char* path, int kind, int version, int fatal);
// Set by inf_open: the file could be opened. On a 0 from inf_open it tells a
// damaged file (another mark, an empty file, a version it refused) from one
// that is missing.
extern int inf_found;
// Set by inf_open: the version its header holds, -1 when it holds none that reads.
extern int inf_version;
// The fatal alert for a file of another version; inf_open gives it when fatal is set.
void  inf_wrong_version(const char* path);
// Starts writing path: the data goes to a new file beside it, which replaces
// the old file only when ouf_close finds it whole. 1 when the header is
// written; 0 after the notice (nothing reaches the disk then).
int   ouf_open(const char* path, int kind, int version);
// Ends every writer: 1 when the whole file was written, synced to the disk
// and moved into place, so a power cut leaves the old file or the new one;
// otherwise the notice, the old file stays as it was, and 0.
int   ouf_close(void);

// The scanners: each ends the program with "File-scanning error!" and the
// label when the read fails. A reader that answers a damaged file itself
// sets scan_soft: a failed read then sets scan_failed and gives 0 or an
// empty text, and every later read fails too.
extern int scan_soft;
extern int scan_failed;
int   intscan(const char* label);
float fltscan(const char* label);
int   bolscan(const char* label);     // 1 only for the value 1
// The next word (fixed 0) or a field of max - 1 characters (fixed 1); dst holds max.
void  wrdscan(char* dst, const char* label, int max, int fixed);
// The rest of the line (text, at most max - 2 characters kept), or max raw
// bytes of a binary file, into dst of max characters; always terminated.
void  strscan(char* dst, const char* label, int max);
void  rln(const char* label);         // skips the rest of the line
void  scancheck(const char* label);

// ---- the open and save dialog --------------------------------------------

const int dialog_items_max = 200;

extern int g_file_type;                       // the kind being picked
extern char g_name[dialog_items_max][32];     // entry names as drawn (cut to 31)
extern char g_path[dialog_items_max][path_max];    // full path of each entry
extern int g_is_folder[dialog_items_max];
extern int g_num_items;
extern int g_item_top, g_item_bot;            // first and last entry shown

// Runs the dialog modally: mode 998 opens, 999 saves. name is the typed text
// to start with; on 1 name and path (path_max characters each) hold the
// entry's name and full path; on 0 (cancelled) they are untouched.
int   MACIBM_opensave(int mode, int kind, char* name, char* path);
// The open or save dialog's step, while window 998 or 999 is open.
void  OPENSAVE_update(void);
// Every window start (MACIBM_window_setup) calls it: the cursor blink starts again.
void  clear_file_window_state(void);
// The dialog's static parts (the bars, the list and scroll wells, the save
// dialog's name field) into the window's picture; the window start-up calls it.
void  OPENSAVE_draw_frames(void);
// Lists wrk_path into the dialog's entries; returns their number.
int   GetDirItems(int kind);
// 1 when an entry of that name is listed for the kind.
int   takeit(const char* name, int kind, int is_folder);
// 1 when name ends in extension all in lower or all in upper case: the
// dialogs list a kind's files by those two spellings only.
int   name_ends_in(const char* name, const char* extension);
// A name and path (path_max each) the save dialog gave, made a file the
// dialogs list again: extension added unless it is there. 0 after a notice
// for a name that is empty, begins with a dot (no listing shows it) or does
// not fit with the extension; what ("aircraft", "part") names the thing saved.
int   take_saved_name(char* name, char* path, const char* extension, const char* what);
// name (path_max characters) becomes app_path + folder + "/" + name; a
// result that does not fit leaves name empty, which no open accepts.
void  ap_dir(const char* folder, char* name);

// ---- airport, runway and navaid record lines -------------------------------

// One line of "apt.dat" or "nav.dat" each, after its record code: with read 1
// the fields are scanned from inf1 into the pointers (a bad number or a line
// cut short ends the program with "File-scanning error!"); with read 0 the
// whole line, code first, is written to ouf. Values pass unconverted (feet
// stay feet). IDs are four character positions, names at most 38 characters
// on reading. Built only into the programs that read these databases.
void  fio_apt_line(float* h, int* twr, int* bld, char* id, char* name, int read);
void  fio_rwy_line(float* lat, float* lon, int* num, char* lcr, float* hdng, float* len,
                   float* width, int* code, int read);
// The type is the record code: written first, never touched when reading.
void  fio_nav_line(int* type, float* lat, float* lon, float* h, int* frq, float* hdng,
                   char* id, char* name, int read);

// ---- aircraft file ---------------------------------------------------------

// How read_plane_file answers a file it cannot take.
const int plane_read_damaged = 0;     // damage comes back as -1; another version ends the program
const int plane_read_fatal = 1;       // damage ends the program too (plane_read_failed)
const int plane_read_quiet = 2;       // damage and another version both come back as -1

// Reads the aircraft file at path into pln[p] whole: 1 when read, 0 when the
// file cannot be opened, -1 when it is damaged (a header mark other than "i"
// or "a", a file shorter than header and record, a record readable in
// neither byte order) or, read quietly, of another version. pln[p] is
// unchanged unless 1 comes back. The image comes in native byte order with
// every name terminated; the name fields hold what the file stored.
int read_plane_file(int p, const char* path, int mode);
// 1 when the counts and codes of pln[p] that index the loader's arrays lie
// within them: asi_units 1 or 2, numen 0..4, paneltype 1 or 2, instrument
// kinds 0..8, and for each existing surface and propeller 1..8 elements and
// 1..9 blades. A record failing it is a damaged file's.
int plane_within_bounds(int p);

// Ends every name field of an aircraft record within its field, whatever
// the file stored: names go into paths, alerts and texts.
void end_plane_names(planestruct& pl);

// Writes pln[p] as an aircraft file (mark "i", version 46, the image); 1 when
// the whole file reached the disk, else 0 with the old file kept.
int write_plane_file(int p, const char* path);

// The fatal alert for a damaged aircraft file; the loader gives it too when
// the default aircraft, read whole, fails its checks.
void plane_read_failed(const char* path);
// The same lines as a notice, for a caller that goes on without the file;
// instead is the fourth line, saying what it does instead.
void plane_read_notice(const char* path, const char* instead);
