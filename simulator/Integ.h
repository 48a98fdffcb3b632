// The flight model's frame: update_flight runs one frame of the user's
// aircraft (controls, air data, engines, traffic, ships, clocks, two
// half-steps of build-up and integration, crash); integ_vx advances the state
// by one half-step from the accelerations the build-up left in flt.
#pragma once

void update_flight(void);   // once a frame from the frame hook, live flight only
void integ_vx(void);        // after each set_a, on msc.dt already halved

// A ship's pitch and roll (degrees) at msc.sim_time into *out, in the sea
// that atm.wave_height makes; each returns the angle's rate (deg/s). ship is
// place_frigate for the frigate, any other code (place_carrier) the carrier.
float the_dot_now(float* pitch_out, int ship);
float phi_dot_now(float* roll_out, int ship);

// clear_flight_state calls it: the rotor buffet's phases start again from 0.
void clear_flight_step_flight_state(void);

// The serial packet being built: the values of the data-output items
// selected for the serial port, appended by out_dat (destination 11) after
// serial_ind, the index of the last one (-1 none). The sender starts each
// pass at -1 and adds the values' sum after the last, so 399 values at most.
const int serial_values = 400;
extern float serial_dat[serial_values];
extern int serial_ind;

// ---- serial and motion-platform output (Integ_serial.cpp) --------------------
// The device serial_mode and serial_port name (1 NMEA at 4800 baud; 2, 4, 5
// and 6 float packets at 38400; 3 the motion platform), opened by the flight
// step when they change. A failure is a notice that turns the output off
// (serial_mode 0); a sentence or packet the port has no room for is dropped.
extern int win_port_file;             // the open port, host_serial_invalid when none
const int nmea_max = 128;
extern char nmea_str[nmea_max];       // the last sentence built, CR LF ended
void serial_output(void);             // flight step: opens or switches the device, sends what is due
// Sends serial_dat[0..n-1] and, after them, their sum as one packet of
// 4 (n + 1) little-endian bytes.
void serial_out(int n);
void serial_shutdown(void);           // MACIBM_finishup: closes what the step opened, if anything
int  serial_dropped(void);            // sentences and packets dropped for want of room this run
void clear_serial_run_state(void);    // nothing opened or sent yet (the device is not closed)
