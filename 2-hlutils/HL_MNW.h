// The library shell every program links: start-up (MACIBM_init), the frame
// loop and key routing, menus and tool tips, alerts and shutdown. Owns the
// folder paths, the alert log err and the shell flags below; each program
// supplies the four APPLICATION_ hooks and its window start-up, which hands
// the library's own windows (996 to 999) to MACIBM_library_window.
#pragma once
#include <fstream>
#include "Hl_types.h"
#include "host.h"

extern int active_inst;                       // what the entry was started with
extern int active_windstyle;
extern float lookup_sin[361], lookup_cos[361];  // entry i: i degrees

extern char app_path[path_max];               // program folder, ends in '/'
extern char wrk_path[path_max];               // folder the open dialog shows
extern char afl_path[path_max], flp_path[path_max], tex_path[path_max];
extern char obj_path[path_max], otx_path[path_max], cus_path[path_max], sit_path[path_max];
extern char cd_path[path_max];                // root of the shipped scenery squares
extern char prf_path[path_max];               // the program's preferences file
extern char res_path[path_max];               // "XRes 5.prf"

extern std::ofstream err;                     // "Error.out", every alert's four lines
extern int ogl_ready;                         // alerts draw in the window once set
extern int gdone;                             // the frame loop ends when set
extern int is_3dfx;                           // the renderer needs the program's own cursor
extern int initing;                           // start-up state: the progress bar works
extern int got_event;                         // a key, click or paint came
extern int up_handled;                        // the first paint came; frames draw from then on

extern int return_hit;                        // Enter in a text-entry window, for one frame
extern char g_cs0[line_max];                  // typed text, at most typed_max characters
#ifdef PROG_VOLANTO
const int typed_max = 32;
#else
const int typed_max = 31;                     // the editors keep one character less
#endif
extern char g_cs1[line_max], g_cs2[line_max], g_cs3[line_max], g_cs4[line_max];  // the alert's lines

// Start-up, first thing each program's entry calls.
void MACIBM_init(void);
// MACIBM_init calls it: frame-loop clock and timers, progress bar, menu cursor, desktop mode.
void clear_shell_run_state(void);
// MACIBM_init's first step, before the video comes up: the run state above,
// the graph's and the widgets', and the library's records (aircraft, airfoils, constants,
// menus) back to their start values.
void clear_library_records(void);
// Start-up steps that need no window: the constants record and sine tables;
// the resolution file into XRES, YRES, CRES (800 x 600 x 16 when missing or damaged).
void MACIBM_set_constants(void);
void MACIBM_read_resprefs(void);
// 1 switches to XRES x YRES, 0 back to the desktop mode; 1 on success.
int  MACIBM_setres(int to_program_mode);
// Non-zero advances the start-up progress bar and shows it; 0 draws the empty track.
void MACIBM_showinit(int step);
// The window procedure: one message from the host.
void IBM_handlewin(const host_event& e);

// One pass of the frame loop: messages, timers, one frame drawn and shown.
void MACIBM_event_proc(void);
// A key-down message with its Windows virtual-key code.
void MACIBM_handlekey(int virtual_key);

// Every message of the suite, at one of these levels. Returns only for the
// about box and a notice.
const int alert_about = 2001;                 // the about box's own four lines
const int alert_notice = 2002;                // a notice; work goes on
const int alert_fatal_number = 2003;          // fatal, the number as fourth line
const int alert_fatal = 2004;                 // fatal: the program ends with status 1
void MACIBM_alert(const char* line1, const char* line2, const char* line3, const char* line4, int level);
void MACIBM_alert(const char* line1, const char* line2, const char* line3, const int* number, int level);
// Shutdown: the entry calls it after its loop; a fatal alert calls it itself.
void MACIBM_finishup(void);

// Menus: a click goes through the menu bar first. Item numbers are menu x 100
// + index; a chosen item reaches the program as APPLICATION_handlemenu(item).
extern int m_x1, m_y1, m_x2, m_y2;            // box of the open drop-down
// parent_item -1 puts the title on the bar (menu 0 first); otherwise the menu
// hangs as a submenu on that item.
void MACIBM_create_menu(int menu, int parent_item, const char* title);
// Appends item (menu x 100 + index, in index order); "-" is a separator.
void MACIBM_append_menu(int menu, int item, const char* name, const char* help);
void MACIBM_handleclick(void);

// Every program's File menu ends in Quit; a close request from the desktop sends it too.
const int item_quit = 105;

// Hooks each program defines.
void APPLICATION_update(void);
void APPLICATION_handlekey(char key, int flag);
void APPLICATION_handlemenu(int item);
void APPLICATION_setupmenus(void);
#ifndef PROG_VOLANTO
// Each editor's: 1 when item of the open menu shows a check mark.
int  APPLICATION_item_marked(int item);
#endif
#if defined(PROG_FOILWRIGHT) || defined(PROG_TERRAWRIGHT) || defined(PROG_SKYCASTER)
// The editors whose only windows are the library's share one window start-up
// (HL_MNW_editor.cpp); each names its main view's picture in its bitmaps
// folder, "" for none.
const char* APPLICATION_main_picture(void);
#endif

// Window start-up, defined by each program: makes id the open window.
void MACIBM_startwind(int id);
void MACIBM_startwind2(void);

// The main view, and the library's own windows; their sizes and titles are the library's.
const int win_main = 0;
const int win_startup = -1;                   // the first start: the main view while start-up runs
const int win_alert = 996;                    // MACIBM_alert
const int win_question = 997;                 // the editors' save question
const int win_open = 998;                     // the open dialog
const int win_save = 999;                     // the save dialog, and text entry

// Window start-up, shared part: makes id the open window, dx x dy centred on
// the screen, closes any menu, and starts its static picture (rgb_array
// cleared, to_array set). The program's start-up draws into it next.
void MACIBM_window_setup(int id, float dx, float dy);
// The whole start-up of a library window, first thing in each program's
// MACIBM_startwind: for 996 to 999 sets the window up, draws its frame and
// static picture, uploads the background and returns 1; 0 for any other id.
int  MACIBM_library_window(int id);

// The main view's picture: the bar with the menu titles over the black view area.
void MACIBM_main_view_frame(void);

// One window of a program's table: its id, title and size in reference units.
struct window_entry {
    int id;
    const char* title;
    float dx, dy;
};
// MACIBM_window_setup for window id of the program's table; a window missing
// from it keeps the last size and has no title. Returns the title.
const char* MACIBM_table_window(int id, const window_entry* table, int count);

// What the frame loop, the window procedure and key and click routing call;
// tests point these at recorders. Each starts as the function of its name.
struct shell_calls {
    void (*update_scene_3d)(void);              // the simulator's steps: null in the editors
    void (*update_panel)(void);
    void (*update_scene_2d)(void);
    void (*freeviews_keys)(int key);
    void (*function_key)(int key);
    void (*yoke_key)(int key);
    void (*manage_das)(float x, float y);       // the panel: the simulator's own press
    void (*OGL_plot_background)(void);
    void (*APPLICATION_update)(void);
    void (*APPLICATION_handlekey)(char key, int flag);
    void (*APPLICATION_handlemenu)(int item);
    void (*MACIBM_startwind)(int id);
    void (*MACIBM_draw_menu)(void);
    void (*MACIBM_draw_tooltip)(void);
    void (*OGL_sbuf)(void);
};
extern shell_calls shell;
