// Test hooks of the host layer, compiled into the test builds only
// (HOST_TESTING). They make runs repeatable and headless: a virtual clock,
// scripted events, keys fed as the display reports them, message boxes that
// record instead of blocking, folder overrides, a fake renderer name and
// pixel read-back.
#pragma once
#include "host.h"

// Every clock reading advances the clock by step_ms (0 stops it); the first
// reading after this call returns start_ms.
void host_test_clock(unsigned start_ms, unsigned step_ms);
void host_test_set_time(unsigned ms);

// Scripted events come before anything the display sends.
void host_test_push_event(const host_event& e);
void host_test_push_key(int vk, int shift);
void host_test_push_click(int px, int py);   // move, button down, button up
int  host_test_pending_events(void);
// Ends the messages of one frame: what is pushed after it comes a frame later.
void host_test_push_frame_break(void);
// With on, the display's own events (keys, clicks) are taken too, after the
// scripted ones: for the tools that show the program on a real display.
void host_test_display_events(int on);

// A key pressed, described as the display reports it and taken through the
// same translation as the display's own keys (dropped where they are), in
// order with the scripted events.
//   scan: the physical key, as its USB usage id: 4 'A' .. 29 'Z', 30 '1' ..
//     39 '0' on a US keyboard, 58 F1 .. 69 F12, 89 keypad 1 .. 98 keypad 0.
//   key: what the keyboard layout makes of it. A key that types a character
//     gives that character unshifted, as a code point ('z', '-', 0xDF sharp s;
//     Enter '\r', Backspace '\b', Tab '\t', Escape 27, Delete 127); any
//     other key gives host_key_of_scan + scan.
//   mods: the host_mod_ bits held.
void host_test_feed_key(int key, int scan, int mods);
const int host_key_of_scan = 1 << 30;
const int host_mod_lshift = 0x0001;
const int host_mod_rshift = 0x0002;
const int host_mod_lctrl = 0x0040;
const int host_mod_lalt = 0x0100;
const int host_mod_ralt = 0x0200;
const int host_mod_num = 0x1000;     // NumLock on
const int host_mod_caps = 0x2000;    // Caps Lock on

// Message boxes: recorded, never shown.
int  host_test_message_box_count(void);
const char* host_test_last_message_box(void);

// Folder overrides (each ending in '/'); nullptr clears one.
void host_test_program_folder(const char* folder);
void host_test_config_folder(const char* folder);

// Reports this renderer name instead of the driver's; nullptr clears it.
void host_test_renderer(const char* name);

// Reads the back buffer as RGB bytes, rows from the bottom up (as glReadPixels).
void host_test_read_pixels(int x, int y, int w, int h, unsigned char* rgb);
// The same from the picture the last swap showed.
void host_test_read_front(int x, int y, int w, int h, unsigned char* rgb);

// The mixer without a device: the next frames of its mono 16-bit output, at the
// rate host_test_audio_rate set (44100 by default) unless a device runs.
void host_audio_render(short* out, int frames);
void host_test_audio_rate(int hz);
void host_test_audio_no_device(int on);     // host_audio_open takes the silent sink
void host_test_audio_open_fails(int on);    // host_audio_open returns 0: no sound at all
// A voice's state: frame position, playing, looping, frequency and volume asked.
struct host_test_voice {
    int loaded, frames, channels, playing, looping, hz, centibels;
    double position;
};
host_test_voice host_test_voice_state(int slot);
// Speech without the mixer: waits for what is queued, then speaks text into
// out (mono 16-bit at host_test_speech_rate) and returns the samples made,
// at most cap; -1 when the engine does not run.
int  host_test_speech_render(const char* text, short* out, int cap);
int  host_test_speech_rate(void);              // the engine's samples a second, 0 before it starts
void host_test_speech_open_fails(int on);      // host_speech_open returns 0
void host_test_speech_say_fails(int on);       // host_speech_say takes nothing and returns 1
// With hold on, the engine's thread waits before handing its first samples
// on, until hold is off again: shows that a caller does not wait for it.
void host_test_speech_hold(int on);
void host_test_speech_wait(void);              // until everything queued has been spoken

// Joysticks: virtual sticks attached through the joystick system, no device
// or display needed. A stick has 4 axes (X, Y, Z, R), one hat and 16 buttons,
// and starts centred with nothing pressed.
int  host_test_joy_attach(void);                       // its id (0 the first), or -1
void host_test_joy_axis(int id, int axis, int value);  // the stick's axis 0..3 (X, Y, Z, R unless
                                                       // VOLANTO_JOY_AXES says otherwise); 0..65535
void host_test_joy_hat(int id, int pov);               // hundredths of a degree, 65535 centred
void host_test_joy_buttons(int id, unsigned mask);     // bit b: button b + 1
void host_test_joy_detach(int id);                     // unplugged; the others keep their ids
void host_test_joy_detach_all(void);
// The joystick system stops and does not start again until called with 0,
// when it starts afresh (and reads VOLANTO_JOY_AXES again).
void host_test_joy_no_system(int on);

// The motion platform's library loaded from path instead of "libmsim.so"
// (a stub that logs its calls); nullptr or "" goes back to the usual search.
// Takes effect at the next load: a library loaded stays.
void host_test_motion_library(const char* path);
