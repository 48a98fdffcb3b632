// Sound output of the simulator: the 23 sound slots, each one WAV file loaded
// whole into a voice of the host's mixer, and the engine, wind and rain loops
// tuned every frame from the flight state. Only this module talks to the
// mixer; it reads the sound switches of msc and set.
#pragma once

const int sound_slots = 23;
// Each slot holds the WAV file of its name from the aircraft's folder.
const int snd_engine = 0;          // "engn.WAV", looped; else one of "sounds/eng1..5.WAV"
const int snd_wind = 1;            // "wind.WAV", looped
const int snd_rain = 2;            // "rain.WAV", looped
const int snd_stall = 3;           // "stal.WAV"
const int snd_flaps = 4;           // "flap.WAV"
const int snd_thunder = 5;         // "thun.WAV"
const int snd_gear = 6;            // "gear.WAV"
const int snd_land_runway = 7;     // "lrun.WAV"
const int snd_land_off = 8;        // "loff.WAV", off the runway
const int snd_land_water = 9;      // "lwat.WAV"
const int snd_boom = 10;           // "boom.WAV"
const int snd_sink_rate = 11;      // "sink.WAV"; from here on only heard in the cockpit
const int snd_pull_up = 12;        // "pull.WAV"
const int snd_gear_warning = 13;   // "gwrn.WAV"
const int snd_glide_slope = 14;    // "glid.WAV"
const int snd_minimums = 15;       // "mini.WAV"
const int snd_wind_shear = 16;     // "wshr.WAV"
const int snd_caution = 17;        // "caut.WAV"
const int snd_50_feet = 18;        // "50ft.WAV"
const int snd_25_feet = 19;        // "25ft.WAV"
const int snd_10_feet = 20;        // "10ft.WAV"
const int snd_morse_dot = 21;      // "mdot.WAV"
const int snd_morse_dash = 22;     // "mdas.WAV"
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
