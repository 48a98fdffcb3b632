// Host layer: the one place the suite meets the machine (window, GL context,
// events, display modes, clock, message box, folders). Everything above it
// sees these functions only, never SDL or system headers.
#pragma once

struct host_mode {
    int w, h, bpp;
};

int  host_init(void);                       // 1 when the video system came up
void host_shutdown(void);                   // closes the window, restores the desktop mode

// Display modes. host_display_set only checks and records the mode; opening
// the window applies it (full screen when the display lists a mode of that
// width and height, else a borderless window of exactly that size).
int  host_display_current(host_mode* m);    // 1 when read
int  host_display_largest(host_mode* m);    // the largest listed mode; 1 when read
int  host_display_set(const host_mode* m);  // 1 when the width and height can be had
void host_display_restore(void);            // back to the desktop mode

// Window and OpenGL context. Returns 0 when open; otherwise the failed stage:
// 1 the window, 2 choosing the pixel format, 3 setting it (the GL context).
int  host_window_open(const char* title, int w, int h, int colour_bits, int depth_bits);
void host_window_close(void);
int  host_window_is_open(void);
void host_swap(void);
const char* host_gl_vendor(void);
const char* host_gl_renderer(void);
void host_cursor_visible(int on);

// A modal box for messages before the window exists.
void host_message_box(const char* caption, const char* text);
void host_beep(void);

// Events, in the order the window would have received them. Positions are
// pixels from the top left of the drawable.
enum {
    HE_NONE = 0,
    HE_KEYDOWN,      // vk = Windows virtual-key code, shift = Shift held
    HE_MOUSEMOVE,
    HE_BUTTONDOWN,   // left or right
    HE_BUTTONUP,
    HE_PAINT,        // the window needs its picture again
    HE_CLOSE         // the desktop asks the program to quit
};
struct host_event {
    int type;
    int vk;
    int x, y;
    int shift;
};
int  host_next_event(host_event* e);        // 1 = got one
int  host_shift_down(void);                 // Shift as of the last key event taken

// Clock.
unsigned host_ticks_ms(void);
// Blocks for ms; under the tests' virtual clock it only moves that clock on.
void host_sleep_ms(unsigned ms);

// Folders. Both end in '/'. The program folder is the executable's; the
// configuration folder ("Windows folder" of the programs) is created when missing.
int  host_program_folder(char* out, int cap);   // 1 when it fits
enum {                 // what host_config_folder found
    HF_READY = 0,      // the folder is there
    HF_TOO_LONG,       // its path does not fit in cap
    HF_NOT_MADE        // it is missing and cannot be created
};
// For HF_NOT_MADE, why gets the system's reason ("Not a directory"), good
// until the next host call.
int  host_config_folder(char* out, int cap, const char** why);

// Opens a file the way the programs name it: when the exact name is missing,
// the last component is looked up without regard to case. Returns 1 and the
// path to use in out, or 0 when nothing matches (out then holds the path as given).
int  host_resolve_path(const char* in, char* out, int cap);

// Files rewritten by writing a new one beside them and renaming it over the
// old. host_may_replace: 0 when path exists but may not be written (a plain
// overwrite would be refused), else 1. host_copy_file_mode gives to the
// permissions of from; 1 when done.
int  host_may_replace(const char* path);
int  host_copy_file_mode(const char* from, const char* to);
// Waits until the file's bytes are on the disk; 1 when they are.
int  host_sync_file(const char* path);
// The same for the folder entry of path (after a rename), as far as the
// system allows; a folder that cannot be synced is no failure.
void host_sync_folder_of(const char* path);

// Lists a folder for the open dialog: every entry but dot-names and special
// files, links followed, in case-insensitive order of name. take gets each
// name with is_folder 1 for a directory that can be entered, and returns 0 to
// stop the listing. Returns 0 when the folder cannot be read.
typedef int (*host_list_take)(const char* name, int is_folder, void* ctx);
int  host_list_folder(const char* folder, host_list_take take, void* ctx);

// Sound: the suite's own mixer of 23 voices, played through an audio device or,
// where the machine has none, run into a silent sink. A voice holds 8-bit
// unsigned or 16-bit signed PCM, one or two channels, played at the frequency
// last asked for whatever its own rate, with a gain from hundredths of a decibel.
const int host_voices = 23;
struct host_wave_format {      // the fields of a PCM format record that matter
    int tag;                   // 1 for PCM
    int channels;
    int rate;                  // frames per second
    int block_align;           // bytes per frame
    int bits;                  // per sample
};
int  host_audio_open(void);                 // 1 when the device or the silent sink runs
void host_audio_close(void);                // stops the device and frees every voice
// Takes a copy of the samples; 1 when the format is one the mixer plays (a data
// size that is not whole frames is cut to whole frames). The voice starts
// stopped, at its start, at the file's rate and full gain.
int  host_voice_load(int slot, const host_wave_format* f, const void* pcm, unsigned bytes);
void host_voice_play(int slot, int loop);   // from its position; a playing voice takes only the loop flag
void host_voice_stop(int slot);             // keeps the position
int  host_voice_freq(int slot, int hz);     // 1 when set (a loaded voice, 100 to 100000 Hz)
void host_voice_volume(int slot, int centibels);  // 0 full, -10000 the floor

// Speech: a synthetic voice reading text aloud on its own thread, its samples
// mixed as one stream beside the voices (silent until the mixer runs).
const int host_gender_male = 1;
const int host_gender_female = 2;
// Starts the engine with the voice nearest to language ("en-us"), gender and
// age, or any voice of the language's family ("en"); 1 when one speaks. The
// engine starts once a run: later calls answer as the first did.
int  host_speech_open(const char* language, int gender, int age);
// Queues the text behind what is still being spoken and returns at once:
// 0 when queued, anything else when the engine took nothing.
int  host_speech_say(const char* text);
// Silences the voice: drops what is queued, waits for the engine's thread to
// stop and empties the mixer's speech stream. The mixer's close calls it, so
// no sample comes after.
void host_speech_stop(void);

// Windows virtual-key codes the library routes by.
enum {
    VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
    VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35,
    VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
    VK_INSERT = 45, VK_DELETE = 46,
    VK_NUMPAD0 = 96, VK_NUMPAD1, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD4, VK_NUMPAD5,
    VK_NUMPAD6, VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9,
    VK_MULTIPLY = 106, VK_ADD = 107, VK_SEPARATOR = 108, VK_SUBTRACT = 109,
    VK_DECIMAL = 110, VK_DIVIDE = 111,
    VK_F1 = 112, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9,
    VK_F10, VK_F11, VK_F12,
    VK_OEM_1 = 186,       // ;:
    VK_OEM_PLUS = 187,    // =+
    VK_OEM_COMMA = 188,   // ,<
    VK_OEM_MINUS = 189,   // -_
    VK_OEM_PERIOD = 190,  // .>
    VK_OEM_2 = 191,       // /?
    VK_OEM_3 = 192,       // `~
    VK_OEM_4 = 219,       // [{
    VK_OEM_5 = 220,       // \|
    VK_OEM_6 = 221,       // ]}
    VK_OEM_7 = 222        // '"
};
// A key of the keyboard's layout that types a character no US key gives
// (0x21..0xFF: '&' or 0xE9 on a French keyboard, '+' or 0xF6 on a German one)
// comes as vk_character + that character, Windows-1252 (which is Latin-1
// there); the key's own character, taken as typed, whatever Shift says.
const int vk_character = 0x10000;

// Joysticks: the first two sticks the system lists, ids 0 and 1. Axes come
// as 0..65535 (32767 or 32768 at rest), the hat in hundredths of a degree
// clockwise from forward (65535 centred), buttons 1-16 as bits 0-15. X, Y, Z
// and R are the stick's axes 0-3, or those VOLANTO_JOY_AXES names ("0132").
struct host_joy_state {
    int x, y, z, r;           // roll, pitch, throttle lever, rudder axes
    int pov;
    unsigned buttons;
};
// The sticks the joystick system can serve: 0 when it cannot start, else
// the two the host reads, whether or not one is plugged in.
int  host_joy_count(void);
// 1 when stick id is there and read; otherwise 0 and every field 0. A stick
// keeps its id while it stays plugged in; a free id takes the next one that comes.
int  host_joy_read(int id, host_joy_state* s);

// Serial ports: "COM1" and "COM2" are the devices that VOLANTO_COM1 and
// VOLANTO_COM2 name, else /dev/ttyS0 and /dev/ttyS1. Raw 8N1, no flow
// control, write-only and never waiting: a frame must not stall on a device
// that does not drain.
const int host_serial_invalid = -1;     // the handle of no port; closing it does nothing
const int host_serial_queue = 4096;     // bytes the output queue holds
enum {                 // the stage host_serial_open failed at
    HS_OK = 0,
    HS_PARAMS,         // a speed other than 4800 or 38400
    HS_OPEN,           // the device cannot be opened (sys_err says why)
    HS_STATE,          // its line cannot be set: not a serial device
    HS_SETUP,          // its queues cannot be emptied
    HS_TIMEOUTS        // it cannot be made not to wait
};
// port 0 "COM1", else "COM2". HS_OK with *handle open; otherwise the stage,
// *handle host_serial_invalid and *sys_err the system's error number.
int  host_serial_open(int port, int baud, int* handle, int* sys_err);
// Sends the n bytes whole or not at all, never waiting: n when they go out
// (what the device does not take at once follows before anything else),
// 0 when the queue has no room for all of them (nothing sent), -1 when the
// device fails (*sys_err says why). n is at most host_serial_queue.
int  host_serial_write(int handle, const void* buf, int n, int* sys_err);
void host_serial_close(int handle);

// The motion platform's library, "libmsim.so" from the program folder or
// else the system's library path, loaded at the first host_motion_init.
// Without it the three calls do nothing.
int  host_motion_init(int arg);         // 1 when the library is there
void host_motion_move(int roll, int pitch, int heading);
void host_motion_exit(void);
