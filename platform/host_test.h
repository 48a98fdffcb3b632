// Test hooks of the host layer, compiled into the test builds only
// (HOST_TESTING). They make runs repeatable and headless: a virtual clock,
// scripted events, message boxes that record instead of blocking, folder
// overrides, a fake renderer name and pixel read-back.
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
void host_test_read_front(int x, int y, int w, int h, unsigned char* rgb);
