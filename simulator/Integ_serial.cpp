// The flight step's outside device: a GPS receiver's NMEA sentences, float
// packets for a logger or a cockpit, or the motion platform.
//
// Sections (grep "---- name"):
//   device        opening, switching and closing, failures
//   packets       serial_out and the modes' packets
//   NMEA          the GGA and RMC sentences
//   output step   serial_output
#include "Integ.h"

#include "Fltutil.h"
#include "Genwrld.h"
#include "Graphnif.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "host.h"

#include <cmath>
#include <cstdio>
#include <cstring>

int win_port_file = host_serial_invalid;
char nmea_str[nmea_max];

// ---- device ----------------------------------------------------------------

const int serial_mode_off = 0;
const int serial_mode_nmea = 1;
const int serial_mode_flight = 2;
const int serial_mode_motion = 3;
const int serial_mode_position = 4;
const int serial_mode_cues = 5;
static_assert(serial_mode_items == 6, "the data items' mode");

// What the output keeps for the whole run: the device opened (the mode and
// port it was opened for), the day times of the last sentence and packet,
// the sentence alternation and the drops.
struct serial_run_state {
    int mode = serial_mode_off;   // the mode last opened; what is open now
    int port = 99;                // no port: the first mode that is not off opens
    float sentence_tod = 0;
    float packet_tod = 0;
    int alternation = 1;          // toggled before each sentence: 0 GGA, 1 RMC
    int dropped = 0;
};
static serial_run_state serial_run;

void clear_serial_run_state(void)
{
    serial_run = serial_run_state();
    win_port_file = host_serial_invalid;
}

int serial_dropped(void) { return serial_run.dropped; }

static void close_device(void)
{
    if (serial_run.mode == serial_mode_motion) {
        host_motion_exit();
    } else if (serial_run.mode != serial_mode_off) {
        host_serial_close(win_port_file);
        win_port_file = host_serial_invalid;
    }
    serial_run.mode = serial_mode_off;
}

void serial_shutdown(void) { close_device(); }

// The output is off after any failure, and the preferences keep it off, so
// an unplugged port costs one notice, never the program.
static void serial_failed(const char* line1, const char* line2, const char* line3)
{
    close_device();
    set.serial_mode = serial_mode_off;
    MACIBM_alert(line1, line2, line3, "", alert_notice);
}

static void open_device(void)
{
    if (set.serial_mode == serial_run.mode && set.serial_port == serial_run.port) return;
    close_device();
    serial_run.mode = set.serial_mode;
    serial_run.port = set.serial_port;
    if (serial_run.mode == serial_mode_motion) {
        host_motion_init(1);
        return;
    }
    // A mode no device answers to opens nothing.
    if (serial_run.mode < serial_mode_nmea || serial_run.mode > serial_mode_items) return;
    int baud = serial_run.mode == serial_mode_nmea ? 4800 : 38400;
    int sys_err = 0;
    int stage = host_serial_open(serial_run.port, baud, &win_port_file, &sys_err);
    char number[16];
    switch (stage) {
    case HS_OK: return;
    case HS_PARAMS: serial_failed("Cant set the com-port parameters!", "", ""); return;
    case HS_OPEN:
        snprintf(number, sizeof number, "%d", sys_err);
        serial_failed("Com port file is invalid!", "Error code:", number);
        return;
    case HS_STATE: serial_failed("Can't set com state!", "", ""); return;
    case HS_SETUP: serial_failed("Can't set up com port!", "", ""); return;
    default: serial_failed("Can't set com timeouts!", "", ""); return;
    }
}

// 1 when sent; a write the port has no room for is dropped and counted.
static int send_bytes(const void* bytes, int n)
{
    int sys_err = 0;
    int sent = host_serial_write(win_port_file, bytes, n, &sys_err);
    if (sent == 0) serial_run.dropped++;
    return sent == n ? 1 : sent < 0 ? -1 : 0;
}

// ---- packets ---------------------------------------------------------------

static_assert(serial_values * 4 <= host_serial_queue, "a whole packet fits the port's queue");

void serial_out(int n)
{
    n = intlim(n, 0, serial_values - 1);
    float sum = 0;
    for (int k = 0; k < n; k++) sum += serial_dat[k];
    serial_dat[n] = sum;
    // Little-endian whatever the machine: the reader's byte order.
    unsigned char bytes[serial_values * 4];
    for (int k = 0; k <= n; k++) {
        unsigned u;
        memcpy(&u, &serial_dat[k], 4);
        for (int b = 0; b < 4; b++) bytes[4 * k + b] = (unsigned char)(u >> (8 * b));
    }
    if (send_bytes(bytes, 4 * (n + 1)) < 0)
        serial_failed("Data can't be sent to the serial port!",
                      "The bytes that are being sent are not equal to the bytes that we are trying to send!", "");
}

static void flight_packet(void)
{
    const float v[9] = {-999, flt.ias_kts, flt.theta[0], flt.phi[0], flt.alt_now * con.mtrstoft, flt.yaw_rate,
                        flt.beta, flt.psi[0], con.msctofpm * (float)flt.vel_y};
    memcpy(serial_dat, v, sizeof v);
    serial_out(9);
}

static void position_packet(void)
{
    const float v[10] = {-999, msc.sim_time, flt.theta[0], flt.psi[0], flt.phi[0], flt.lon, flt.lat,
                         (float)flt.pos_x[0] * con.mtrstoft, (float)flt.pos_y[0] * con.mtrstoft,
                         (float)flt.pos_z[0] * con.mtrstoft};
    memcpy(serial_dat, v, sizeof v);
    serial_out(10);
}

// What a motion base keys on: on the ground, a gear leg finishing within
// the next five seconds, or the first frame of a flight.
static float cue_event(void)
{
    if (flt.on_ground) return 1;
    static const float leg_code[3] = {10, 100, 1000};
    for (int k = 0; k < 3; k++)
        if (msc.sim_time <= set.gear_time[k] && set.gear_time[k] <= msc.sim_time + 5) return leg_code[k];
    return msc.frame_count == 0 ? 10000.0f : 0.0f;
}

static void cues_packet(void)
{
    float axial = flt.F_prop_axial + flt.F_aero_axial + flt.F_gear_axial;
    float side = flt.F_prop_side + flt.F_aero_side + flt.F_gear_side;
    float normal = fallout(flt.F_prop_normal + flt.F_aero_normal + flt.F_gear_vertical, -0.1f, 0.1f);
    // Without a mass there is no acceleration to tell.
    float per_mass = flt.mass_now > 0 ? con.mtrstoft / flt.mass_now : 0;
    const float v[13] = {-999, flt.gnd_speed[0] * con.msctokts, flt.alpha, flt.Qdot, flt.Rdot, flt.Pdot,
                         side * per_mass, normal * per_mass, axial * per_mass, cue_event(), flt.theta[0], flt.phi[0],
                         (float)msc.last_key};
    memcpy(serial_dat, v, sizeof v);
    serial_out(13);
}

static void items_packet(void)
{
    serial_ind = -1;
    for (int item = 0; item < dataout_items; item++)
        if (set.out_serial[item]) out_dat(out_to_serial, item, 0);
    serial_out(serial_ind + 1);
}

// Roll and pitch of +-60 degrees span the platform's byte; the heading
// runs 128 to 384 as the platform takes it.
static void motion_move(void)
{
    int roll = intlim((int)(flt.phi[0] * 128 / 60 + 128), 0, 255);
    int pitch = intlim((int)(flt.theta[0] * 128 / 60 + 128), 0, 255);
    int heading = (int)(flt.psi[0] * 128 / 180 + 128);
    host_motion_move(roll, pitch, heading);
}

// ---- NMEA ------------------------------------------------------------------

// A tenths field ddd.d of a value that is never negative, held to 999.9.
static void put_tenths(char* out, int cap, double value)
{
    long long v = llround(10 * value);
    if (v < 0) v = 0;
    if (v > 9999) v = 9999;
    snprintf(out, (size_t)cap, "%03lld.%lld", v / 10, v % 10);
}

// DDMM.hh or DDDMM.hh and the hemisphere letter, to the nearest hundredth
// of a minute.
static void put_angle(char* out, int cap, double angle, int degree_digits, char positive, char negative)
{
    int h = (int)llround(fmin(fabs(angle), 180.0) * 6000);
    snprintf(out, (size_t)cap, "%0*d%02d.%02d,%c", degree_digits, h / 6000, h / 100 % 60, h % 100,
             angle > 0 ? positive : negative);
}

// The Zulu clock's hhmmss.ss.
static void put_time(char* out, int cap)
{
    long long c = llround((double)msc.tod_zone * 100) % 8640000;
    if (c < 0) c += 8640000;
    snprintf(out, (size_t)cap, "%02lld%02lld%02lld.%02lld", c / 360000, c / 6000 % 60, c / 100 % 60, c % 100);
}

// The sentence's body after '$' is in nmea_str + 1; the checksum, the XOR
// of everything between '$' and '*', and the line end go after it.
static void close_sentence(void)
{
    unsigned sum = 0;
    for (const char* p = nmea_str + 1; *p; p++) sum ^= (unsigned char)*p;
    size_t n = strlen(nmea_str);
    snprintf(nmea_str + n, sizeof nmea_str - n, "*%02X\r\n", sum & 0xFF);
}

static void build_gga(void)
{
    char time[16], lat[20], lon[20];
    put_time(time, sizeof time);
    put_angle(lat, sizeof lat, flt.lat, 2, 'N', 'S');
    put_angle(lon, sizeof lon, flt.lon, 3, 'E', 'W');
    // Height above the sea in metres, signed; beyond any flight's reach it is held.
    long long a = llround(flt.pos_y[0] * 10);
    if (a > 999999) a = 999999;
    if (a < -999999) a = -999999;
    snprintf(nmea_str, sizeof nmea_str, "$GPGGA,%s,%s,%s,1,06,0.0,%s%lld.%lld,M,0.0,M,0.0,0000", time, lat, lon,
             a < 0 ? "-" : "", llabs(a) / 10, llabs(a) % 10);
    close_sentence();
}

// The simulator keeps no calendar: the date is a fixed one, 1 January 2026.
// A date from before a receiver was made reads to it as a GPS week counter
// that wrapped, and it moves the fix 1024 weeks on.
static const char* const nmea_date = "010126";

static void build_rmc(void)
{
    char time[16], lat[20], lon[20], speed[16], course[16], var[16];
    put_time(time, sizeof time);
    put_angle(lat, sizeof lat, flt.lat, 2, 'N', 'S');
    put_angle(lon, sizeof lon, flt.lon, 3, 'E', 'W');
    put_tenths(speed, sizeof speed, (double)flt.gnd_speed[0] * con.msctokts);
    // A track that rounds up to a full circle is north.
    double track = llround(10.0 * flt.track) >= 3600 ? 0.0 : (double)flt.track;
    put_tenths(course, sizeof course, track);
    put_tenths(var, sizeof var, fabs((double)env.mag_var));
    snprintf(nmea_str, sizeof nmea_str, "$GPRMC,%s,A,%s,%s,%s,%s,%s,%s,%c", time, lat, lon, speed, course, nmea_date,
             var, env.mag_var > 0 ? 'W' : 'E');
    close_sentence();
}

static void send_sentence(void)
{
    serial_run.alternation = !serial_run.alternation;
    if (serial_run.alternation == 0) build_gga();
    else build_rmc();
    if (send_bytes(nmea_str, (int)strlen(nmea_str)) < 0) serial_failed("Can't output data to serial port!", "", "");
}

// ---- output step -------------------------------------------------------------

const float sentence_gap = 1.0f;   // s of day time: one sentence a second
const float packet_gap = 0.05f;    // at most twenty packets a second

void serial_output(void)
{
    open_device();
    serial_run_state& r = serial_run;
    // The day time wrapped at midnight (or was set back): both timers start again.
    if (msc.time_of_day < r.sentence_tod || msc.time_of_day < r.packet_tod) {
        r.sentence_tod = -sentence_gap;
        r.packet_tod = -packet_gap;
    }
    if (r.mode == serial_mode_nmea) {
        if (r.sentence_tod + sentence_gap < msc.time_of_day) {
            r.sentence_tod = msc.time_of_day;
            send_sentence();
        }
        return;
    }
    if (r.mode == serial_mode_off) return;
    if (!(r.packet_tod + packet_gap < msc.time_of_day || msc.frame_count == 0)) return;
    r.packet_tod = msc.time_of_day;
    switch (r.mode) {
    case serial_mode_flight: flight_packet(); break;
    case serial_mode_motion: motion_move(); break;
    case serial_mode_position: position_packet(); break;
    case serial_mode_cues: cues_packet(); break;
    case serial_mode_items: items_packet(); break;
    default: break;
    }
}
