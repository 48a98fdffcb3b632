// Sound output for the programs that have none: every call does nothing, so
// the library's shutdown and the editors link without the mixer.
#include "Hl_sound.h"

int buffers_filled = 0;

int init_sound(void) { return 0; }
void fill_buffer(int) {}
void play_buffer(int, int) {}
void stop_buffer(int) {}
int set_frq_vol(float, float, int) { return 0; }
void maintain_sounds(void) {}
void play_engine_and_windrain(void) {}
void stop_engine_and_windrain(void) {}
void dispose_sound(void) {}
void clear_sound_flight_state(void) {}
