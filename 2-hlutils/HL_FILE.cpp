// File headers and field scanners, and the open and save dialog.
//
// Sections: globals, reading characters, inf_open, ouf_open and ouf_close,
// scanners, dialog listing, dialog places, dialog loop, dialog drawing,
// record lines, aircraft file.
#include "HL_FILE.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host.h"

#include <cctype>
#include <cmath>
#include <iomanip>
#include <cstdio>
#include <cstring>

// ---- globals -------------------------------------------------------------

std::ifstream inf1, inf2;
int inf_use = 1;
int inf_is_bin = 0;
int rev_inf_bin = 0;
char x_eln = '\n';
int extra_char_eoln = 0;
int inf_found = 0;
int inf_version = -1;
std::ofstream ouf;
char C_s[line_max];
char copyright_apt[line_max], copyright_nav[line_max];

// A text header was read, so the line end is known; strscan reads nothing before.
static int eln_known = 0;

// What the open window keeps from frame to frame, at its start values.
struct file_window_state {
    int blink = 0;                      // the save dialog's cursor, drawn dark while set
};
static file_window_state file_window;

void clear_file_window_state(void) { file_window = file_window_state(); }

static std::ifstream& in_use(void) { return inf_use == 2 ? inf2 : inf1; }

int scan_soft = 0;
int scan_failed = 0;

// 1 while the stream reads; a failed read ends the program, or under
// scan_soft is noted and gives 0 so that the scanner stops.
static int check_stream(std::ifstream& in, const char* label)
{
    if (!in.fail() && !in.bad()) return 1;
    if (scan_soft) {
        scan_failed = 1;
        return 0;
    }
    MACIBM_alert("File-scanning error!", "", "file:", label, alert_fatal);
    return 0;
}

// ---- reading characters --------------------------------------------------

// One character; in a text file CR LF reads as LF, so files written on a
// system that ends lines with both read the same. EOF sets the stream's fail state.
static int next_char(std::ifstream& in)
{
    int c = in.get();
    if (c == '\r' && !inf_is_bin && in.peek() == '\n') c = in.get();
    return c;
}

// Four raw bytes of a binary file, turned into this machine's byte order.
static void read4(std::ifstream& in, void* dst)
{
    unsigned char b[4] = {0, 0, 0, 0};
    in.read((char*)b, 4);
    if (rev_inf_bin) rev_byte_order4(b);
    memcpy(dst, b, 4);
}

// A binary file's integer, or a decimal number of a text file; the caller
// checks the stream.
static int raw_int(std::ifstream& in)
{
    int v = 0;
    if (inf_is_bin) read4(in, &v);
    else in >> v;
    return v;
}

// ---- inf_open ------------------------------------------------------------

void inf_wrong_version(const char* path)
{
    MACIBM_alert("The following file is the wrong version for this version of Volanto:", path,
                 "Throw that file away. You should only use the files that came with the program.",
                 "You may have to re-install Volanto from the CD.", alert_fatal);
}

int inf_open(const char* path, int kind, int version, int fatal)
{
    inf1.clear();
    if (inf1.is_open()) inf1.close();
    inf1.clear();
    eln_known = 0;
    inf_found = 0;
    inf_version = -1;
    // A path cut short could name another file: it cannot be opened.
    if (strlen(path) >= (size_t)path_max) return 0;
    char real[path_max];
    host_resolve_path(path, real, path_max);
    inf_is_bin = (kind == kind_aircraft || kind == kind_scenery) ? 1 : 0;
    inf1.open(real, std::ios::in | std::ios::binary);
    if (!inf1.good()) return 0;
    inf_found = 1;

    int mark = inf1.get();
    if (inf1.fail()) return 0;
    if (inf_is_bin) {
        if (mark != 'a' && mark != 'i') return 0;
    } else {
        if (mark != 'A' && mark != 'I') return 0;
        int eln = inf1.get();
        if (eln == '\r' && inf1.peek() == '\n') eln = inf1.get();
        x_eln = (char)eln;
        eln_known = 1;
    }
    extra_char_eoln = 0;
    if (mark == 'a') rev_inf_bin = 1;
    if (mark == 'i') rev_inf_bin = 0;

    // The version is read from inf1 whichever stream the scanners use.
    int saved_use = inf_use;
    inf_use = 1;
    int v = raw_int(inf1);
    inf_use = saved_use;
    // A header without a readable version is no file of ours; only a caller
    // that insists hears about it.
    if (inf1.fail()) {
        if (!fatal) return 0;
        check_stream(inf1, path);
    }
    inf_version = v;
    if (v != version) {
        if (!fatal) return 0;
        inf_wrong_version(path);
    }
    if (!inf_is_bin) {
        strscan(C_s, path, line_max);
        if (kind == kind_airports) snprintf(copyright_apt, sizeof copyright_apt, "%s", C_s);
        if (kind == kind_navaids) snprintf(copyright_nav, sizeof copyright_nav, "%s", C_s);
    }
    return inf1.good() ? 1 : 0;
}

// ---- ouf_open and ouf_close ----------------------------------------------

// The file being written goes to ouf_temp beside ouf_target; ouf_close moves
// it into place only when every byte reached the disk.
static char ouf_target[path_max];
static char ouf_temp[path_max];
static int ouf_pending = 0;

static void save_notice(const char* path)
{
    MACIBM_alert("I could not save the file! Could the directory that the file sits in be missing?", path,
                 "Could the file be flagged as read-only? This happens in Windows if you copy it from a CD!",
                 "Try putting this app in the background and then flag the file as NOT read-only, or creating the folder listed in the path above.",
                 alert_notice);
}

int ouf_open(const char* path, int kind, int version)
{
    // A writer that never closed its file is finished before the next starts.
    if (ouf_pending) ouf_close();
    ouf.clear();
    if (ouf.is_open()) ouf.close();
    ouf.clear();

    if (snprintf(ouf_target, sizeof ouf_target, "%s", path) >= (int)sizeof ouf_target ||
        snprintf(ouf_temp, sizeof ouf_temp, "%s.new", path) >= (int)sizeof ouf_temp) {
        save_notice(path);
        return 0;
    }
    ouf.open(ouf_temp, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!ouf.is_open()) {
        ouf.clear();
        save_notice(path);
        return 0;
    }
    ouf_pending = 1;
    if (kind == kind_aircraft || kind == kind_scenery) {
        unsigned char b[4];
        unsigned u = (unsigned)version;
        for (int k = 0; k < 4; k++) b[k] = (unsigned char)(u >> (8 * k));
        ouf.put('i');
        ouf.write((const char*)b, 4);
    } else {
        ouf.setf(std::ios::fixed, std::ios::floatfield);
        ouf.precision(6);
        ouf << "I\n" << version << ' ';
        if (kind == kind_airports) ouf << copyright_apt;
        else if (kind == kind_navaids) ouf << copyright_nav;
        else ouf << "version";
        ouf << '\n';
    }
    if (!ouf.good()) {
        ouf.close();
        ouf.clear();
        remove(ouf_temp);
        ouf_pending = 0;
        save_notice(path);
        return 0;
    }
    return 1;
}

int ouf_close(void)
{
    if (!ouf_pending) {
        // ouf_open failed and has said so; nothing was written.
        if (ouf.is_open()) ouf.close();
        ouf.clear();
        return 0;
    }
    ouf_pending = 0;
    int ok;
    if (ouf.is_open()) {
        ouf.flush();
        ok = ouf.good();
        ouf.close();
        if (ouf.fail()) ok = 0;
    } else {
        ok = !ouf.fail();      // the writer closed it itself
    }
    ouf.clear();
    if (ok && !host_sync_file(ouf_temp)) ok = 0;
    if (ok && rename(ouf_temp, ouf_target) != 0) ok = 0;
    if (ok) host_sync_folder_of(ouf_target);
    if (!ok) {
        remove(ouf_temp);
        save_notice(ouf_target);
    }
    return ok;
}

// ---- scanners ------------------------------------------------------------

int intscan(const char* label)
{
    int v = raw_int(in_use());
    scancheck(label);
    return v;
}

float fltscan(const char* label)
{
    std::ifstream& in = in_use();
    float v = 0;
    if (inf_is_bin) read4(in, &v);
    else in >> v;
    scancheck(label);
    return v;
}

int bolscan(const char* label) { return intscan(label) == 1 ? 1 : 0; }

void wrdscan(char* dst, const char* label, int max, int fixed)
{
    if (max <= 0) return;
    std::ifstream& in = in_use();
    int i = 0, stored = 0;
    for (;;) {
        int c = next_char(in);
        if (!check_stream(in, label)) break;
        int sep = (c == ' ' || c == '\t' || c == (unsigned char)x_eln);
        if (!stored && sep) continue;
        // A fixed field ends at max - 1 characters and swallows the one after them.
        if (fixed && i >= max - 1) break;
        if (!fixed && sep) break;
        dst[i] = (char)c;
        stored = 1;
        if (i < max - 1) i++;
    }
    dst[i] = 0;
}

void strscan(char* dst, const char* label, int max)
{
    if (max <= 0) return;
    if (inf_is_bin) {
        // Fixed-size text fields of binary files; one without its terminator
        // gets one, so it never runs on into what follows.
        inf1.read(dst, max);
        if (!check_stream(inf1, label)) dst[0] = 0;
        dst[max - 1] = 0;
        return;
    }
    dst[0] = 0;
    if (!eln_known) return;
    // The simulator keeps max - 2 characters of a long line, the editors max - 1.
#ifdef PROG_VOLANTO
    int last = max - 2 < 0 ? 0 : max - 2;
#else
    int last = max - 1;
#endif
    int i = 0, started = 0;
    for (;;) {
        int c = next_char(inf1);
        if (!check_stream(inf1, label)) break;
        if (!started && c == ' ') continue;
        started = 1;
        if (c == (unsigned char)x_eln) break;
        dst[i] = (char)c;
        if (i < last) i++;
    }
    dst[i] = 0;
    if (extra_char_eoln) {
        next_char(inf1);
        check_stream(inf1, label);
    }
}

void rln(const char* label)
{
    std::ifstream& in = in_use();
    for (;;) {
        int c = next_char(in);
        if (in.fail() || c == (unsigned char)x_eln) break;
    }
    if (extra_char_eoln) next_char(in);
    scancheck(label);
}

void scancheck(const char* label) { check_stream(in_use(), label); }

// ---- dialog listing ------------------------------------------------------

int g_file_type = 0;
char g_name[dialog_items_max][32];
char g_path[dialog_items_max][path_max];
int g_is_folder[dialog_items_max];
int g_num_items = 0;
int g_item_top = 0, g_item_bot = 0;

static const char* kind_extension(int kind)
{
    switch (kind) {
    case kind_airfoil: return "afl";
    case kind_flaps: return "flp";
    case kind_aircraft: return "acf";
    case kind_situation: return "sit";
    case kind_bitmap: return "bmp";
    case kind_object: return "obj";
    }
    return nullptr;
}

int takeit(const char* name, int kind, int is_folder)
{
    if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0) return 0;
    if (is_folder || kind == kind_text) return 1;
    const char* ext = kind_extension(kind);
    size_t n = strlen(name);
    if (!ext || n < 3) return 0;
    const char* tail = name + n - 3;
    char upper[4];
    for (int k = 0; k < 4; k++) upper[k] = (char)toupper((unsigned char)ext[k]);
    return (strcmp(tail, ext) == 0 || strcmp(tail, upper) == 0) ? 1 : 0;
}

static int take_entry(const char* name, int is_folder, void* ctx)
{
    int* count = (int*)ctx;
    if (*count >= dialog_items_max) return 0;
    if (!takeit(name, g_file_type, is_folder)) return 1;
    int k = *count;
    // The entry's path, and a folder's with its '/', must fit, or it could
    // not be opened or entered: such an entry is not listed.
    if (snprintf(g_path[k], sizeof g_path[k], "%s%s", wrk_path, name) >= (int)sizeof g_path[k] - 1) return 1;
    snprintf(g_name[k], sizeof g_name[k], "%s", name);
    g_is_folder[k] = is_folder;
    (*count)++;
    return 1;
}

static void swap_entries(int a, int b)
{
    char name[32], path[path_max];
    memcpy(name, g_name[a], sizeof name);
    memcpy(g_name[a], g_name[b], sizeof name);
    memcpy(g_name[b], name, sizeof name);
    memcpy(path, g_path[a], sizeof path);
    memcpy(g_path[a], g_path[b], sizeof path);
    memcpy(g_path[b], path, sizeof path);
    int f = g_is_folder[a];
    g_is_folder[a] = g_is_folder[b];
    g_is_folder[b] = f;
}

int GetDirItems(int kind)
{
    int saved = g_file_type;
    g_file_type = kind;
    int count = 0;
    host_list_folder(wrk_path, take_entry, &count);
    g_file_type = saved;
    // By the first character only, so names that share it keep the folder's
    // order. Only the entries listed now take part.
    for (int pass = 0; pass < 201; pass++) {
        int swapped = 0;
        for (int p = 0; p + 1 < count; p++) {
            if (g_name[p + 1][0] != 0 && (signed char)g_name[p][0] > (signed char)g_name[p + 1][0]) {
                swap_entries(p, p + 1);
                swapped = 1;
            }
        }
        if (!swapped) break;
    }
    return count;
}

void ap_dir(const char* folder, char* name)
{
    char built[path_max];
    if (snprintf(built, sizeof built, "%s%s/%s", app_path, folder, name) >= (int)sizeof built) built[0] = 0;
    memcpy(name, built, sizeof built);
}

int name_ends_in(const char* name, const char* extension)
{
    size_t n = strlen(name), e = strlen(extension);
    if (n < e) return 0;
    int lower = 1, upper = 1;
    for (size_t k = 0; k < e; k++) {
        char c = name[n - e + k], x = extension[k];
        lower = lower && c == (char)tolower((unsigned char)x);
        upper = upper && c == (char)toupper((unsigned char)x);
    }
    return lower || upper;
}

int take_saved_name(char* name, char* path, const char* extension, const char* what)
{
    char line[line_max], not_saved[line_max];
    snprintf(not_saved, sizeof not_saved, "The %s was not saved.", what);
    if (name[0] == 0 || name[0] == '.') {
        snprintf(line, sizeof line, "This %s cannot be saved under that name: a name must not be empty or begin with a dot.",
                 what);
        MACIBM_alert(line, name, "Save it again under another name.", not_saved, alert_notice);
        return 0;
    }
    if (name_ends_in(name, extension)) return 1;
    size_t e = strlen(extension);
    if (strlen(name) + e >= path_max || strlen(path) + e >= path_max) {
        snprintf(line, sizeof line, "This %s cannot be saved: the name with its extension is too long for its folder.",
                 what);
        MACIBM_alert(line, path, "Choose a shorter name, or a folder nearer the program's own.", not_saved,
                     alert_notice);
        return 0;
    }
    strcat(name, extension);
    strcat(path, extension);
    return 1;
}

// ---- dialog places -------------------------------------------------------

// Window units of the 320 x 488 dialog. Each place is drawn and hit-tested
// from here, so what takes a click is what the user sees.
static constexpr win_box cancel_bar = {10, 468, 310, 482};
static constexpr win_box up_bar = {10, 447, 310, 461};     // also shows the start folder's name
static constexpr win_box list_box = {10, 34, 293, 440};
static constexpr win_box name_field = {10, 10, 310, 28};   // save dialog only
static constexpr win_box scroll_track = {296, 34, 310, 440};

// The list's rows: dialog_rows of row_height down from the top of list_rows,
// inside the list box; a click in the box above the first row or below the
// last picks nothing. A row runs from its top down to the next row's top.
static constexpr int dialog_rows = 40;
static constexpr float row_height = 10;
static constexpr win_box list_rows = {10, 37, 293, 437};
static_assert(dialog_rows * row_height == list_rows.y2 - list_rows.y1, "the rows fill list_rows");

// The scroll thumb is a square as wide as the track. Its centre runs from
// half a thumb below the track's top (first entry at the top of the list) to
// half a thumb above its bottom (last entry): the thumb never leaves the track.
static constexpr float thumb_half = (scroll_track.x2 - scroll_track.x1) / 2;
static constexpr win_box thumb_travel = {scroll_track.x1, scroll_track.y1 + thumb_half, scroll_track.x2,
                                         scroll_track.y2 - thumb_half};

// The shown row (0 at the top) at height y in list_rows; -1 off the rows.
static int row_at(float x, float y)
{
    if (!in_box(list_rows, x, y)) return -1;
    int k = (int)floorf((list_rows.y2 - y) / row_height);
    return k < dialog_rows ? k : -1;
}

// The bottom of shown row k: its name stands 2 units above it.
static float row_bottom(int k) { return list_rows.y2 - row_height * (float)(k + 1); }

// ---- dialog loop ---------------------------------------------------------

// A typed file name takes no folder separators.
static void strip_separators(char* s)
{
    char* out = s;
    for (char* p = s; *p; p++)
        if (*p != '/' && *p != '\\') *out++ = *p;
    *out = 0;
}

static const char* start_folder(int kind)
{
    switch (kind) {
    case kind_airfoil: return afl_path;
    case kind_flaps: return flp_path;
    case kind_situation: return sit_path;
    case kind_bitmap: return cus_path;
    case kind_object: return obj_path;
    }
    return nullptr;
}

static void go_up(size_t lowest)
{
    size_t n = strlen(wrk_path);
    if (n <= lowest) return;
    size_t k = n - 1;                       // the trailing '/'
    while (k > 0 && wrk_path[k - 1] != '/') k--;
    if (k < lowest) k = lowest;
    wrk_path[k] = 0;
}

int MACIBM_opensave(int mode, int kind, char* name, char* path)
{
    g_file_type = kind;
    snprintf(g_cs0, typed_max + 1, "%s", name);
    strip_separators(g_cs0);
    const char* start = start_folder(kind);
    if (start) snprintf(wrk_path, path_max, "%s", start);
    size_t lowest = strlen(start ? start : app_path);
    if (strlen(wrk_path) < lowest || strncmp(wrk_path, app_path, strlen(app_path)) != 0)
        snprintf(wrk_path, path_max, "%s", app_path);

    g_item_top = 0;
    g_item_bot = 999;
    int previous = mnw.topwin;
    MACIBM_startwind(mode);
    g_num_items = GetDirItems(kind);

    int dragging = 0, result = 0, closed_here = 0;
    while (mnw.topwin == mode && !gdone) {
        if (g_item_top > g_num_items - 1) g_item_top = g_num_items - 1;
        if (g_item_top < 0) g_item_top = 0;
        int last_shown = g_item_top + dialog_rows - 1;
        g_item_bot = last_shown < g_num_items - 1 ? last_shown : g_num_items - 1;

        MACIBM_event_proc();
        if (mnw.topwin != mode) break;
        strip_separators(g_cs0);
        g_num_items = GetDirItems(kind);
        float mx = mnw.mx, my = mnw.my;

        if (mode == win_save && return_hit) {
            char full[path_max];
            if (snprintf(full, sizeof full, "%s%s", wrk_path, g_cs0) < (int)sizeof full) {
                snprintf(name, path_max, "%s", g_cs0);
                snprintf(path, path_max, "%s", full);
                result = 1;
                closed_here = 1;
                break;
            }
        }

        if (mnw.mouse_clicked && in_box(scroll_track, mx, my)) dragging = 1;
        if (dragging && g_num_items > 0) {
            const win_box& t = thumb_travel;
            g_item_top = intround((t.y2 - fltlim(my, t.y1, t.y2)) / (t.y2 - t.y1) * (float)(g_num_items - 1));
        }
        if (!mnw.now_dragging) dragging = 0;

        if (!mnw.mouse_clicked) continue;
        if (in_box(cancel_bar, mx, my)) {
            closed_here = 1;
            break;
        }
        if (in_box(up_bar, mx, my)) {
            go_up(lowest);
            g_item_top = 0;
            g_num_items = GetDirItems(kind);    // the next frame shows the new folder
            continue;
        }
        int shown = row_at(mx, my);
        if (shown >= 0) {
            // Of the entries listed this frame.
            int row = g_item_top + shown;
            if (row >= g_num_items) continue;
            if (g_is_folder[row]) {
                // A folder whose path has no room left for its separator is not entered.
                char folder[path_max];
                if (snprintf(folder, path_max, "%s/", g_path[row]) >= path_max) continue;
                memcpy(wrk_path, folder, path_max);
                g_item_top = 0;
                g_num_items = GetDirItems(kind);
            } else if (mode == win_open) {
                snprintf(name, path_max, "%s", g_path[row] + strlen(wrk_path));
                snprintf(path, path_max, "%s", g_path[row]);
                result = 1;
                closed_here = 1;
                break;
            }
        }
    }
    if (closed_here || gdone) MACIBM_startwind(previous);
    return result;
}

// ---- dialog drawing ------------------------------------------------------

static const char* folder_header(int kind)
{
    switch (kind) {
    case kind_airfoil: return "'airfoils' folder";
    case kind_flaps: return "'flaps' folder";
    case kind_bitmap: return "'custom terrain textures' folder";
    case kind_object: return "'custom objects' folder";
    case kind_situation: return "'situations' folder";
    }
    return nullptr;
}

static void folder_icon(float y)
{
    OGL_line(42, 15, y, 25, y);
    OGL_line(42, 25, y, 25, y + 6);
    OGL_line(42, 25, y + 6, 21, y + 6);
    OGL_line(42, 21, y + 6, 20, y + 7);
    OGL_line(42, 20, y + 7, 16, y + 7);
    OGL_line(42, 16, y + 7, 15, y + 6);
    OGL_line(42, 15, y + 6, 15, y);
    OGL_line(42, 15, y + 5, 25, y + 5);
}

// A bar with its label right of the place the start folder's name takes.
static void dialog_bar(const win_box& b, const char* text)
{
    OGL_string(29, b.x1 + 214, b.y1 + 4, text, 800, 6);
    MACIBM_button_box(b, 1);
}

// A sunken, filled box.
static void dialog_well(const win_box& b, int colour)
{
    OGL_fillrect(colour, b.x1, b.y1, b.x2 - b.x1, b.y2 - b.y1);
    MACIBM_button(b.x1, b.y1, b.x2, b.y2, 0);
}

void OPENSAVE_draw_frames(void)
{
    dialog_bar(cancel_bar, "   Cancel    ");
    dialog_bar(up_bar, "Go up a level");
    dialog_well(list_box, 29);
    dialog_well(scroll_track, 22);
    if (mnw.topwin == win_save) dialog_well(name_field, 29);
}

void OPENSAVE_update(void)
{
    const char* header = folder_header(g_file_type);
    if (header) {
        OGL_fillrect(29, up_bar.x1 + 2, up_bar.y1 + 2, 6.0f * (float)strlen(header) + 6, 11);
        OGL_string(42, up_bar.x1 + 5, up_bar.y1 + 4, header, 800, 6);
    }
    for (int r = g_item_top; r <= g_item_bot && r < g_num_items; r++) {
        if (r < 0) continue;
        float y = row_bottom(r - g_item_top) + 2;
        OGL_string(g_is_folder[r] ? 42 : 47, list_rows.x1 + 20, y, g_name[r], 800, 6);
        if (g_is_folder[r]) folder_icon(y);
    }
    if (g_num_items > 1) {
        const win_box& t = thumb_travel;
        float centre = t.y2 + (t.y1 - t.y2) * (float)g_item_top / (float)(g_num_items - 1);
        float y1 = centre - thumb_half, y2 = centre + thumb_half;
        OGL_fillrect(49, t.x1, y1, t.x2 - t.x1, y2 - y1);
        OGL_line(47, t.x1, y1, t.x1, y2);
        OGL_line(47, t.x1, y2, t.x2, y2);
        OGL_line(51, t.x2, y2, t.x2, y1);
        OGL_line(51, t.x2, y1, t.x1, y1);
    }
    if (mnw.topwin == win_save) {
        int& blink = file_window.blink;
        blink = !blink;
        OGL_string(47, 15, 14, g_cs0, 800, 6);
        float x = 6.0f * (float)strlen(g_cs0) + 16;
        OGL_line(blink ? 29 : 47, x, 12, x, 22);
    }
}

// ---- airport, runway and navaid record lines -------------------------------

// One field of a record line: width and decimals set just before it.
static void put_flt(float v, int width, int decimals)
{
    ouf << std::setw(width) << std::setprecision(decimals) << v;
}

static void put_int(int v, int width) { ouf << std::setw(width) << v; }

// An ID is written as four character positions, left-aligned and blank
// padded, and one blank: the reader takes exactly four positions after the
// blanks before them, so a short ID comes back with its padding and the name
// keeps its first letter.
static void put_id_and_name(const char* id, const char* name)
{
    char field[5];
    snprintf(field, sizeof field, "%-4.4s", id);
    ouf << ' ' << field << ' ' << name << '\n';
}

void fio_apt_line(float* h, int* twr, int* bld, char* id, char* name, int read)
{
    if (read) {
        *h = fltscan("scan apt apt_h");
        *twr = bolscan("scan apt apt_twr");
        *bld = bolscan("scan apt apt_bld");
        wrdscan(id, "airport ID", 5, 1);
        strscan(name, "airport name", 40);
        return;
    }
    ouf << "1 ";
    put_flt(*h, 6, 0);
    ouf << ' ';
    put_int(*twr == 1 ? 1 : 0, 1);
    ouf << ' ';
    put_int(*bld == 1 ? 1 : 0, 1);
    put_id_and_name(id, name);
}

void fio_rwy_line(float* lat, float* lon, int* num, char* lcr, float* hdng, float* len,
                  float* width, int* code, int read)
{
    if (read) {
        *lat = fltscan("scan rwy rwy_lat");
        *lon = fltscan("scan rwy rwy_lon");
        *num = intscan("scan rwy rwy_num");
        // The side letter is one character after the blanks; a line cut here
        // fails the heading's scan that follows.
        char c = 'x';
        inf1 >> c;
        *lcr = c;
        *hdng = fltwrap(fltscan("scan rwy rwy_hdng"), 0, 360);
        *len = fltscan("scan rwy rwy_len");
        *width = fltscan("scan rwy rwy_width");
        *code = intscan("scan rwy rwy_code");
        return;
    }
    // A blank side would read back as the heading's first digit: a runway
    // without a side letter is written with the marker 'x'.
    char side = *lcr;
    if (side == 0 || isspace((unsigned char)side)) side = 'x';
    ouf << "10 ";
    put_flt(*lat, 10, 6);
    ouf << ' ';
    put_flt(*lon, 11, 6);
    ouf << ' ';
    put_int(*num, 2);
    ouf << ' ' << side << ' ';
    put_flt(*hdng, 6, 2);
    ouf << ' ';
    put_flt(*len, 5, 0);
    ouf << ' ';
    put_flt(*width, 4, 0);
    ouf << ' ';
    put_int(*code, 7);
    ouf << '\n';
}

void fio_nav_line(int* type, float* lat, float* lon, float* h, int* frq, float* hdng,
                  char* id, char* name, int read)
{
    if (read) {
        *lat = fltscan("scan nav line");
        *lon = fltscan("scan nav line");
        *h = fltscan("scan nav line");
        *frq = intscan("scan nav line");
        *hdng = fltscan("scan nav line");
        wrdscan(id, "nav ID", 5, 1);
        strscan(name, "nav line", 40);
        return;
    }
    put_int(*type, 1);
    ouf << ' ';
    put_flt(*lat, 10, 6);
    ouf << ' ';
    put_flt(*lon, 11, 6);
    ouf << ' ';
    put_flt(*h, 8, 1);
    ouf << ' ';
    put_int(*frq, 8);
    ouf << ' ';
    put_flt(*hdng, 6, 2);
    put_id_and_name(id, name);
}

// ---- aircraft file ---------------------------------------------------------

const long plane_header_bytes = 5;   // order mark and version

// A read lands here whole before it replaces pln[p], so a failed read never
// leaves an aircraft made of two designs.
static planestruct pln_read;

static const char* const plane_read_line1 = "An error occurred during read-in of the aircraft file.";
static const char* const plane_read_line2 = "Either the file has been corrupted, or it is not really an aircraft file.";

void plane_read_failed(const char* path)
{
    MACIBM_alert(plane_read_line1, plane_read_line2, path, "", alert_fatal);
}

void plane_read_notice(const char* path, const char* instead)
{
    MACIBM_alert(plane_read_line1, plane_read_line2, path, instead, alert_notice);
}

static int is_asi_unit(int32_t v) { return v == 1 || v == 2; }

// What read_plane_file gives for a damaged file.
static int plane_damaged(const char* path, int mode)
{
    if (mode == plane_read_fatal) plane_read_failed(path);
    return -1;
}

void end_plane_names(planestruct& pl)
{
    pl.C_file[sizeof pl.C_file - 1] = 0;
    pl.C_name[sizeof pl.C_name - 1] = 0;
    pl.C_path[sizeof pl.C_path - 1] = 0;
    pl.tailnum[sizeof pl.tailnum - 1] = 0;
    pl.flap_str[sizeof pl.flap_str - 1] = 0;
    for (int part = 0; part < plane_parts; part++) {
        pl.Rafl0[part][sizeof pl.Rafl0[part] - 1] = 0;
        pl.Rafl1[part][sizeof pl.Rafl1[part] - 1] = 0;
        pl.Tafl0[part][sizeof pl.Tafl0[part] - 1] = 0;
        pl.Tafl1[part][sizeof pl.Tafl1[part] - 1] = 0;
    }
}

int read_plane_file(int p, const char* path, int mode)
{
    // A file cut anywhere, even inside its header, is a damaged aircraft
    // file rather than a scanning error or a missing file.
    char real[path_max];
    host_resolve_path(path, real, path_max);
    {
        std::ifstream probe(real, std::ios::in | std::ios::binary | std::ios::ate);
        if (!probe.is_open()) return 0;
        if ((long)probe.tellg() < plane_header_bytes + (long)sizeof(planestruct)) return plane_damaged(path, mode);
    }
    int version_fatal = mode != plane_read_quiet;
    if (!inf_open(path, kind_aircraft, plane_file_version, version_fatal))
        return inf_found ? plane_damaged(path, mode) : 0;
    inf1.read((char*)&pln_read, sizeof pln_read);
    int whole = inf1.gcount() == (std::streamsize)sizeof pln_read;
    inf1.close();
    if (!whole) return plane_damaged(path, mode);

    // The header's mark is not trusted: asi_units, 1 or 2, tells the order.
    // One that reads as neither in either order is no aircraft of ours.
    int foreign = !is_asi_unit(pln_read.asi_units);
    if (foreign) {
        int32_t units = pln_read.asi_units;
        rev_byte_order4(&units);
        if (!is_asi_unit(units)) return plane_damaged(path, mode);
    }
    end_plane_names(pln_read);
    pln[p] = pln_read;
    if (foreign) rev_pln_bytes(p);
    return 1;
}

int plane_within_bounds(int p)
{
    const planestruct& a = pln[p];
    if ((a.asi_units != 1 && a.asi_units != 2) || !intrange(a.numen, 0, plane_engines)) return 0;
    if (a.paneltype != 1 && a.paneltype != 2) return 0;
    for (int slot = 0; slot < plane_slots; slot++)
        if (!intrange(a.ins_of_loc[slot], 0, 8)) return 0;
    // Pylons are set to one element by the loader, and bodies have none.
    for (int part = 0; part <= part_vstab_2; part++) {
        if (!have_this_part(part, p)) continue;
        if (!intrange(a.els[part], 1, plane_elements)) return 0;
        // A blade count sets the body's stations: none above 9.
        if (is_prop(part) && !(a.numblades[part] >= 1.0f && a.numblades[part] <= 9.0f)) return 0;
    }
    return 1;
}

int write_plane_file(int p, const char* path)
{
    if (!ouf_open(path, kind_aircraft, plane_file_version)) return 0;
    ouf.write((const char*)&pln[p], sizeof(planestruct));
    return ouf_close();
}
