// What a frame must not cost, counted: texture uploads, file opens and heap
// allocations. Linking frame_costs.cpp into an executable puts its own
// glTexImage2D, file opens and global operator new and delete in front of
// the real ones, for the program's code linked in and for the shared
// libraries' calls alike (the C++ streams open through the C library), and
// each passes on to the real function. The counts run from the start, on
// every thread; a reader takes two and subtracts.
#pragma once

struct framecoststruct {
    long tex_uploads;   // glTexImage2D calls, a mipmap level each
    long file_opens;    // fopen, fopen64, open, open64, openat, openat64, opendir; failed ones too
    long allocations;   // operator new and new[], every form but the aligned ones
};

framecoststruct frame_costs_now(void);
// What was counted from start until now.
framecoststruct frame_costs_since(const framecoststruct& start);
