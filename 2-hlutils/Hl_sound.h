// Sound output of the simulator: the 23 sound slots, each one WAV file loaded
// whole into a voice of the host's mixer, and the engine, wind and rain loops
// tuned every frame from the flight state. Only this module talks to the
// mixer; it reads the sound switches of msc and set.
#pragma once

const int sound_slots = 23;
extern int buffers_filled;                 // 1 after the first fill; play, stop and tune wait for it

int  init_sound(void);                     // 1 when the device (or its silent stand-in) opened
void fill_buffer(int slot);                // loads a slot's WAV file; every fault is fatal
void play_buffer(int slot, int loop);      // from the slot's current position
void stop_buffer(int slot);
// Frequency pitch x 22050 Hz (100 to 100000), volume from loudness
// (-5000 + 5000 x sqrt(0.67 loudness) hundredths of a dB, -5000 to 0).
// Returns 1 when the frequency could not be set.
int  set_frq_vol(float pitch, float loudness, int slot);
void maintain_sounds(void);                // once a frame from the flight step
void clear_sound_flight_state(void);       // clear_flight_state calls it: the Doppler's last distance
void play_engine_and_windrain(void);       // starts the three loops that apply
void stop_engine_and_windrain(void);
void dispose_sound(void);                  // releases the slots and the device at shutdown
