// Morse identifiers: one character into timed slots of the identifier queue.
#include "Fltutil.h"

// Each slot's tone starts at its time; the next slot starts when it ends.
static void add_slot(int states[morse_slots], float times[morse_slots], int k, int state, float length)
{
    if (k < 0 || k >= morse_slots - 1) return;   // the queue is full: nothing more is heard
    states[k] = state;
    times[k + 1] = times[k] + length;
}

void add_dot(int states[morse_slots], float times[morse_slots], int k) { add_slot(states, times, k, morse_dot, 0.3f); }
void add_das(int states[morse_slots], float times[morse_slots], int k) { add_slot(states, times, k, morse_dash, 0.5f); }
void add_qui(int states[morse_slots], float times[morse_slots], int k) { add_slot(states, times, k, morse_quiet, 1.0f); }

static const char* const morse_letters[26] = {
    ".-", "-...", "-.-.", "-..", ".", "..-.", "--.", "....", "..", ".---", "-.-", ".-..", "--",
    "-.", "---", ".--.", "--.-", ".-.", "...", "-", "..-", "...-", ".--", "-..-", "-.--", "--..",
};

void build_morse_id(char c, int states[morse_slots], float times[morse_slots], int* k)
{
    if (c >= 'A' && c <= 'Z') {
        for (const char* m = morse_letters[c - 'A']; *m; m++) {
            if (*m == '.') add_dot(states, times, *k);
            else add_das(states, times, *k);
            (*k)++;
        }
    }
    add_qui(states, times, *k);
    (*k)++;
}
