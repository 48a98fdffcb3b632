// Flying headless: the simulator's start-up without a window, the user's
// aircraft placed in a fixed situation and flown frame by frame at a fixed
// pace with fixed controls, one line of its state per simulated second. The
// flight tests, fly_headless and bench_update_flight share it. Owns frun;
// callers set its controls between frames, the frames apply them.
#pragma once
#include <cstdio>

const float run_dt = 0.05f;           // s, every frame
const int run_frames_per_second = 20;

// What the pilot holds, applied every frame: the yoke as the keyboard's, so
// it passes through the control step like a key press.
struct run_controls {
    float throttle;          // 0..1, every engine's lever
    float mixture;           // 0..1
    float brakes;            // 0..1
    float flaps;             // the handle, 0..1
    float trim;              // pitch trim, -1..1
    float pitch, roll, yaw;  // keyboard yoke, -1..1: nose up, right wing down, nose right
};

// The harness's own elevator loop: it flies the yoke on top of ctl.pitch.
const int hold_none = 0;
const int hold_kias = 1;     // an indicated airspeed
const int hold_alt = 2;      // the height it was engaged at

struct flightrunstruct {
    run_controls ctl;
    int hold;
    float hold_target;       // knots, or m above sea level
    float pitch_target;      // deg, what the outer loop asks of the attitude
    float outer_i, inner_i;  // the loops' integrators: deg of pitch, yoke
    float loop_yoke;         // what the loop added to the yoke on the last frame
    int wings_level;         // the ailerons hold the wings level, as a pilot would against the propeller's torque
    float loop_roll;         // what that hold added to the yoke on the last frame
    float roll_i;            // its integrator, yoke
    int frames;              // flown since the placement (or since trimmed)
};
extern flightrunstruct frun;

// One line of the record: the columns fly_headless prints.
struct run_line {
    float t_s, x_m, z_m, alt_ft, agl_ft, kias, ktas, vs_fpm, pitch_deg, roll_deg, hdg_deg, rpm;
    int on_ground, stall_warn;
};

// The start-up as the program's, without a window: the records, init_gen,
// the databases and the factory aircraft from program_folder (ending in
// '/'), factory settings with real weather off and the air calm, the
// virtual clock, no stick. Clears frun. 1 when the aircraft loaded.
int  start_headless(const char* program_folder);

// Placements: a new flight each, frun's loop and clock cleared, its controls kept.
void place_runway_start(void);                            // the factory runway's start, at rest
void place_in_air(float alt_ft, float kias, float hdg);   // over the factory runway, level, above sea level
// Total mass in pounds: the payload is what the empty aircraft and its fuel
// leave, held to 0 .. m_max - m_empty.
void set_total_weight(float lb);

void hold_airspeed(float kias);
void hold_altitude(void);     // the height of this moment
void hold_off(void);

// The fixed controls and the loop into the flight record, for the frame about
// to be flown; fly_frame calls it before update_flight.
void apply_run_controls(void);
void fly_frame(void);
// Frames for whole seconds, a line to out (nullptr: none) after every
// second. 0 when a crash ended the flight early.
int  fly_seconds(int seconds, FILE* out);

run_line run_now(void);
void print_run_header(FILE* out);
void print_run_line(FILE* out, const run_line& l);

// Flies level at the throttle with the altitude loop while the pitch trim
// takes the yoke's load off, as a pilot trims; leaves the aircraft trimmed,
// the loop off and frun's clock at 0. The trim found, or -2 when it did not
// settle in ten minutes of flight.
float trim_for_level(float throttle);

// The engine's speed that is its redline, in rpm.
float redline_rpm(void);
