// The serial and motion-platform output, with a pseudo-terminal as COM1:
// the NMEA stream of a flight read by a strict reader back to the position,
// the fields' layout, the packets of modes 2, 4, 5 and 6 with their sums,
// the send times (the first frame of a flight, midnight), failures that turn
// the output off without ending the program, a reader that never reads, and
// the motion platform's calls through a stub library that logs them.
#include <gtest/gtest.h>

#include "flight_run.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Integ.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <poll.h>
#include <regex>
#include <string>
#include <unistd.h>
#include <vector>

// ---- a pseudo-terminal for a port ------------------------------------------

// The master side of a pseudo-terminal whose slave a port's variable names:
// what the program writes to the port is read here.
struct pty_reader {
    int master = -1;
    explicit pty_reader(const char* variable)
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        setenv(variable, ptsname(master), 1);
    }
    ~pty_reader()
    {
        if (master >= 0) close(master);
    }
    // Reads until done(got) or wait_ms pass without a byte: the bytes come
    // through the terminal a moment after the write.
    std::string take_until(std::function<bool(const std::string&)> done, int wait_ms = 2000)
    {
        std::string got;
        char buf[8192];
        while (!done(got)) {
            pollfd p = {master, POLLIN, 0};
            if (poll(&p, 1, wait_ms) <= 0 || !(p.revents & POLLIN)) break;
            ssize_t n = read(master, buf, sizeof buf);
            if (n <= 0) break;
            got.append(buf, (size_t)n);
        }
        return got;
    }
    std::string take_line(void)
    {
        return take_until([](const std::string& s) { return !s.empty() && s.back() == '\n'; });
    }
    std::string take_bytes(size_t n)
    {
        return take_until([n](const std::string& s) { return s.size() >= n; });
    }
    // What is there, waiting until nothing more comes for a short while.
    std::string take_all(void)
    {
        return take_until([](const std::string&) { return false; }, 100);
    }
};

// ---- a strict NMEA 0183 reader ---------------------------------------------

struct nmea_sentence {
    std::string type;                  // "GPGGA"
    std::vector<std::string> fields;   // after the type
};

static const char* const re_time = "([01][0-9]|2[0-3])[0-5][0-9][0-5][0-9]\\.[0-9]{2}";
static const char* const re_lat = "([0-8][0-9]|90)[0-5][0-9]\\.[0-9]{2}";
static const char* const re_lon = "(0[0-9][0-9]|1[0-7][0-9]|180)[0-5][0-9]\\.[0-9]{2}";
static const char* const re_ns = "[NS]";
static const char* const re_ew = "[EW]";
static const char* const re_dec = "[0-9]+\\.[0-9]+";
static const char* const re_signed = "-?[0-9]+\\.[0-9]";

static const std::vector<const char*> gga_fields = {
    re_time, re_lat, re_ns, re_lon, re_ew, "[0-8]", "[0-9]{2}", re_dec, re_signed, "M", re_signed, "M",
    "([0-9]+\\.[0-9]+)?", "([0-9]{4})?"};
static const std::vector<const char*> rmc_fields = {
    re_time, "[AV]", re_lat, re_ns, re_lon, re_ew, re_dec, "([0-9]{1,2}|[0-2][0-9]{2}|3[0-5][0-9])\\.[0-9]+",
    "(0[1-9]|[12][0-9]|3[01])(0[1-9]|1[0-2])[0-9]{2}", "([0-9]{1,2}|0[0-9]{2}|1[0-7][0-9]|180)\\.[0-9]+", re_ew};

// "" when line is one whole valid sentence of a kind the reader knows, else
// what is wrong with it.
static std::string read_nmea(const std::string& line, nmea_sentence* out)
{
    if (line.size() > 82) return "longer than 82 characters";
    if (line.size() < 9 || line[0] != '$') return "no '$' at the start";
    if (line.compare(line.size() - 2, 2, "\r\n") != 0) return "not ended by CR LF";
    size_t star = line.size() - 5;
    if (line[star] != '*') return "no checksum";
    std::string hex = line.substr(star + 1, 2);
    if (!std::regex_match(hex, std::regex("[0-9A-F]{2}"))) return "checksum not two upper-case hex digits";
    unsigned sum = 0;
    for (size_t i = 1; i < star; i++) {
        char c = line[i];
        if (c < 0x20 || c > 0x7E || strchr("$*!\\^~", c)) return "a reserved character in the body";
        sum ^= (unsigned char)c;
    }
    if (sum != strtoul(hex.c_str(), nullptr, 16)) return "checksum does not match";
    std::vector<std::string> parts;
    std::string body = line.substr(1, star - 1);
    size_t from = 0;
    for (size_t comma; (comma = body.find(',', from)) != std::string::npos; from = comma + 1)
        parts.push_back(body.substr(from, comma - from));
    parts.push_back(body.substr(from));
    out->type = parts[0];
    out->fields.assign(parts.begin() + 1, parts.end());
    const std::vector<const char*>* rules = out->type == "GPGGA" ? &gga_fields
                                            : out->type == "GPRMC" ? &rmc_fields
                                                                   : nullptr;
    if (!rules) return "unknown sentence " + out->type;
    if (out->fields.size() != rules->size())
        return out->type + " has " + std::to_string(out->fields.size()) + " fields";
    for (size_t i = 0; i < rules->size(); i++)
        if (!std::regex_match(out->fields[i], std::regex((*rules)[i])))
            return out->type + " field " + std::to_string(i + 1) + " \"" + out->fields[i] + "\"";
    return "";
}

static double nmea_angle(const std::string& value, const std::string& hemisphere)
{
    double v = atof(value.c_str());
    double deg = floor(v / 100);
    double a = deg + (v - 100 * deg) / 60;
    return hemisphere == "S" || hemisphere == "W" ? -a : a;
}

static double nmea_time(const std::string& t)
{
    return atoi(t.substr(0, 2).c_str()) * 3600.0 + atoi(t.substr(2, 2).c_str()) * 60.0 + atof(t.substr(4).c_str());
}

// ---- packets ---------------------------------------------------------------

// The little-endian floats of a packet.
static std::vector<float> packet_floats(const std::string& bytes)
{
    std::vector<float> v;
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        unsigned u = 0;
        for (int b = 0; b < 4; b++) u |= (unsigned)(unsigned char)bytes[at + b] << (8 * b);
        float f;
        memcpy(&f, &u, 4);
        v.push_back(f);
    }
    return v;
}

// The float sum of all but the last, in order from 0.
static float float_sum(const std::vector<float>& v)
{
    float s = 0;
    for (size_t k = 0; k + 1 < v.size(); k++) s += v[k];
    return s;
}

// ---- fixtures --------------------------------------------------------------

// The output step on its own: the constants, a clean run on COM1, the day
// at 1000 s and a frame that is not a flight's first.
static void start_serial_run(void)
{
    MACIBM_set_constants();
    reset_suite_state();
    clear_serial_run_state();
    msc.time_of_day = 1000;
    msc.frame_count = 5;
    set.serial_port = 0;
}

// The same with COM1 a pseudo-terminal.
class SerialOutput : public ::testing::Test {
protected:
    pty_reader com{"VOLANTO_COM1"};
    void SetUp() override
    {
        ASSERT_GE(com.master, 0);
        start_serial_run();
    }
    void TearDown() override { serial_shutdown(); }
    // The next frame's step, dt of day time later.
    void step(float dt)
    {
        msc.time_of_day += dt;
        serial_output();
    }
};

// ---- NMEA ------------------------------------------------------------------

// A flight as the program flies it: a sentence a simulated second, GGA and
// RMC in turn, each whole and valid, each telling where the aircraft was
// when it went to within half the last digit.
TEST(SerialNmea, AFlightSendsGgaAndRmcInTurnOnceASecondEachBackToThePosition)
{
    pty_reader com("VOLANTO_COM1");
    ASSERT_GE(com.master, 0);
    ASSERT_EQ(start_headless(PROGRAM_DIR), 1);
    clear_serial_run_state();
    place_in_air(3000, 100, 45);
    frun.ctl.throttle = 0.8f;
    frun.ctl.roll = 0.3f;   // a turn: the track and the position keep moving
    set.serial_mode = 1;
    set.serial_port = 0;

    struct before_frame {
        double lat, lon, y, kt, track, var, zulu, tod;
    };
    std::vector<std::pair<nmea_sentence, before_frame>> got;
    std::string last;
    for (int f = 0; f < 12 * run_frames_per_second; f++) {
        before_frame b = {flt.lat, flt.lon, flt.pos_y[0], (double)flt.gnd_speed[0] * con.msctokts, flt.track,
                          env.mag_var, msc.tod_zone, msc.time_of_day};
        fly_frame();
        if (last == nmea_str) continue;
        last = nmea_str;
        std::string line = com.take_line();
        ASSERT_EQ(line, last) << "frame " << f;
        nmea_sentence s;
        ASSERT_EQ(read_nmea(line, &s), "") << line;
        got.push_back({s, b});
    }
    ASSERT_GE(got.size(), 11u);

    const double half_minute = 0.005 / 60, eps = 1e-7;
    for (size_t k = 0; k < got.size(); k++) {
        const nmea_sentence& s = got[k].first;
        const before_frame& b = got[k].second;
        SCOPED_TRACE(k);
        EXPECT_EQ(s.type, k % 2 == 0 ? "GPGGA" : "GPRMC");
        if (k > 0) {
            double gap = b.tod - got[k - 1].second.tod;
            EXPECT_GT(gap, 1.0);
            EXPECT_LE(gap, 1.0 + run_dt + 1e-3);
        }
        EXPECT_NEAR(nmea_time(s.fields[0]), b.zulu, 0.005 + 1e-3);
        if (s.type == "GPGGA") {
            EXPECT_NEAR(nmea_angle(s.fields[1], s.fields[2]), b.lat, half_minute + eps);
            EXPECT_NEAR(nmea_angle(s.fields[3], s.fields[4]), b.lon, half_minute + eps);
            EXPECT_NEAR(atof(s.fields[8].c_str()), b.y, 0.05 + 1e-6);
        } else {
            EXPECT_EQ(s.fields[1], "A");
            EXPECT_NEAR(nmea_angle(s.fields[2], s.fields[3]), b.lat, half_minute + eps);
            EXPECT_NEAR(nmea_angle(s.fields[4], s.fields[5]), b.lon, half_minute + eps);
            EXPECT_NEAR(atof(s.fields[6].c_str()), b.kt, 0.05 + 1e-4);
            EXPECT_NEAR(atof(s.fields[7].c_str()), b.track, 0.05 + 1e-4);
            EXPECT_NEAR(atof(s.fields[9].c_str()), fabs(b.var), 0.05 + 1e-4);
            EXPECT_EQ(s.fields[10], b.var > 0 ? "W" : "E");
        }
    }
}

// Each field's layout, from the values that make it.
TEST_F(SerialOutput, NmeaFieldsAreLaidOutFromTheirValues)
{
    struct field_case {
        const char* what;
        std::function<void()> set_value;
        const char* type;
        size_t field;            // the first of the fields compared, after the type
        const char* expected;    // that field and, after a comma, the next where given
    };
    const field_case cases[] = {
        {"latitude south", [] { flt.lat = -33.5f; }, "GPGGA", 1, "3330.00,S"},
        {"latitude 0", [] { flt.lat = 0; }, "GPGGA", 1, "0000.00,S"},
        {"latitude to the nearest hundredth", [] { flt.lat = 33.1f; }, "GPGGA", 1, "3306.00,N"},
        {"longitude east", [] { flt.lon = 151.2575f; }, "GPRMC", 4, "15115.45,E"},
        {"longitude west", [] { flt.lon = -118.4f; }, "GPGGA", 3, "11824.00,W"},
        {"altitude", [] { flt.pos_y[0] = 123.44; }, "GPGGA", 8, "123.4,M"},
        {"altitude below the sea", [] { flt.pos_y[0] = -12.26; }, "GPGGA", 8, "-12.3,M"},
        {"altitude just below the sea", [] { flt.pos_y[0] = -0.04; }, "GPGGA", 8, "0.0,M"},
        {"altitude above 999.9", [] { flt.pos_y[0] = 10668.0; }, "GPGGA", 8, "10668.0,M"},
        {"speed beyond the field", [] { flt.gnd_speed[0] = 1200 * con.ktstomsc; }, "GPRMC", 6, "999.9"},
        {"speed", [] { flt.gnd_speed[0] = 45.3f * con.ktstomsc; }, "GPRMC", 6, "045.3"},
        {"course", [] { flt.track = 271.25f; }, "GPRMC", 7, "271.3"},
        {"course round to north", [] { flt.track = 359.97f; }, "GPRMC", 7, "000.0"},
        {"variation west", [] { env.mag_var = 12.34f; }, "GPRMC", 9, "012.3,W"},
        {"variation east", [] { env.mag_var = -3.26f; }, "GPRMC", 9, "003.3,E"},
        {"Zulu time", [] { msc.tod_zone = 3723.456f; }, "GPRMC", 0, "010203.46"},
        {"Zulu time at the day's end", [] { msc.tod_zone = 86400; }, "GPGGA", 0, "000000.00"},
    };
    set.serial_mode = 1;
    for (const field_case& c : cases) {
        SCOPED_TRACE(c.what);
        memset(&flt, 0, sizeof flt);
        env.mag_var = 0;
        msc.tod_zone = 0;
        c.set_value();
        // Two sentences, one of each kind.
        step(1.1f);
        std::string first = com.take_line();
        step(1.1f);
        std::string second = com.take_line();
        nmea_sentence a, b;
        ASSERT_EQ(read_nmea(first, &a), "") << first;
        ASSERT_EQ(read_nmea(second, &b), "") << second;
        const nmea_sentence& s = a.type == c.type ? a : b;
        ASSERT_EQ(s.type, c.type);
        std::string shown = s.fields[c.field];
        if (strchr(c.expected, ',')) shown += "," + s.fields[c.field + 1];
        EXPECT_EQ(shown, c.expected) << (a.type == c.type ? first : second);
    }
}

// ---- packets ---------------------------------------------------------------

// Each packet mode's values in order, then their float sum, as 4 (n + 1)
// little-endian bytes.
TEST_F(SerialOutput, PacketsCarryTheirModesValuesAndTheirSum)
{
    flt.ias_kts = 101.5f;
    flt.theta[0] = 3;
    flt.phi[0] = -10;
    flt.psi[0] = 270;
    flt.alt_now = 1000;
    flt.yaw_rate = 2;
    flt.beta = -1.5f;
    flt.alpha = 4.25f;
    flt.vel_y = 500 * con.fpmtomsc;
    msc.sim_time = 12.5f;
    flt.lat = 33.25f;
    flt.lon = -118.5f;
    flt.pos_x[0] = 1000;
    flt.pos_y[0] = 304.8;
    flt.pos_z[0] = -2000;
    flt.gnd_speed[0] = 100 * con.ktstomsc;
    flt.Qdot = 0.5f;
    flt.Rdot = -0.25f;
    flt.Pdot = 1.5f;
    flt.mass_now = 1000;
    flt.F_prop_axial = 1500, flt.F_aero_axial = -500, flt.F_gear_axial = 0;
    flt.F_prop_side = 100, flt.F_aero_side = 50, flt.F_gear_side = 50;
    flt.F_prop_normal = 0.02f, flt.F_aero_normal = 0.02f, flt.F_gear_vertical = 0.01f;
    flt.on_ground = 1;
    msc.last_key = 'g';
    set.out_serial[1] = 1;   // the simulated time
    set.out_serial[5] = 1;   // angle of attack and sideslip
    const float ft = con.mtrstoft;

    struct packet_case {
        int mode;
        std::vector<float> values;
    };
    const packet_case cases[] = {
        {2, {-999, 101.5f, 3, -10, 1000 * ft, 2, -1.5f, 270, 500}},
        {4, {-999, 12.5f, 3, 270, -10, -118.5f, 33.25f, 1000 * ft, 1000, -2000 * ft}},
        // The vertical force sum inside +-0.1 N goes out as 0.1.
        {5, {-999, 100, 4.25f, 0.5f, -0.25f, 1.5f, 200 * ft / 1000, 0.1f * ft / 1000, 1000 * ft / 1000, 1, 3, -10,
             'g'}},
        {6, {12.5f, 4.25f, -1.5f}},
    };
    for (const packet_case& c : cases) {
        SCOPED_TRACE(c.mode);
        set.serial_mode = c.mode;
        step(0.1f);
        size_t n = c.values.size();
        std::string bytes = com.take_bytes(4 * (n + 1));
        ASSERT_EQ(bytes.size(), 4 * (n + 1));
        std::vector<float> v = packet_floats(bytes);
        for (size_t k = 0; k < n; k++) EXPECT_NEAR(v[k], c.values[k], 1e-3f * fmaxf(1, fabsf(c.values[k]))) << k;
        EXPECT_EQ(v[n], float_sum(v));
    }

    // Mode 6 with nothing selected: the sum of nothing alone.
    memset(set.out_serial, 0, sizeof set.out_serial);
    step(0.1f);
    std::string bytes = com.take_bytes(4);
    EXPECT_EQ(bytes, std::string(4, '\0'));
    EXPECT_EQ(com.take_all(), "");
}

// Packets go at most every 0.05 s of day time, but always in a flight's
// first frame; sentences once a second. At midnight the day time starts
// again from 0 and so do both timers.
TEST_F(SerialOutput, SendTimesFollowTheDayTimeThroughAFlightsFirstFrameAndMidnight)
{
    set.serial_mode = 2;
    step(0.1f);
    EXPECT_EQ(com.take_bytes(40).size(), 40u);
    step(0.03f);
    EXPECT_EQ(com.take_all(), "") << "sooner than 0.05 s";
    msc.frame_count = 0;
    step(0.01f);
    EXPECT_EQ(com.take_bytes(40).size(), 40u) << "the flight's first frame";
    msc.frame_count = 1;

    // Across midnight: one just before, one just after, then the usual gap.
    for (int mode : {2, 1}) {
        SCOPED_TRACE(mode);
        set.serial_mode = mode;
        msc.time_of_day = 86399.0f;
        step(0.9f);
        EXPECT_NE(com.take_all(), "") << "before midnight";
        msc.time_of_day = 0;
        step(0.06f);
        EXPECT_NE(com.take_all(), "") << "just after midnight";
        step(0.06f);
        EXPECT_EQ(com.take_all().size(), mode == 2 ? 40u : 0u) << "the timers run on";
    }
}

// ---- failures --------------------------------------------------------------

// A port that cannot be had is told once; the output is then off, and no
// later frame tries again.
TEST_F(SerialOutput, APortThatCannotBeOpenedIsANoticeAndTheOutputGoesOff)
{
    struct failure_case {
        const char* path;
        const char* text;   // the notice's lines
    };
    std::string missing = std::string(test_scratch_folder()) + "no such port";
    const failure_case cases[] = {
        {missing.c_str(), "Com port file is invalid!\n\nError code:\n\n2\n\n"},
        {"/dev/null", "Can't set com state!\n\n\n\n\n\n"},
    };
    for (const failure_case& c : cases) {
        SCOPED_TRACE(c.path);
        setenv("VOLANTO_COM1", c.path, 1);
        int boxes = host_test_message_box_count();
        set.serial_mode = 1;
        step(1.1f);
        EXPECT_EQ(host_test_message_box_count(), boxes + 1);
        EXPECT_EQ(std::string(host_test_last_message_box()), c.text);
        EXPECT_EQ(set.serial_mode, 0);
        EXPECT_EQ(win_port_file, host_serial_invalid);
        for (int f = 0; f < 5; f++) step(1.1f);
        EXPECT_EQ(host_test_message_box_count(), boxes + 1);
    }
}

// A port that stops taking bytes (the adapter pulled out: here the other
// side gone) is a notice of the Part's texts and the output goes off.
TEST(SerialFailure, AFailedWriteIsANoticeAndTheOutputGoesOff)
{
    struct write_case {
        int mode;
        const char* text;
    };
    const write_case cases[] = {
        {1, "Can't output data to serial port!\n\n\n\n\n\n"},
        {2, "Data can't be sent to the serial port!\n\nThe bytes that are being sent are not equal to the bytes "
            "that we are trying to send!\n\n\n\n"},
    };
    for (const write_case& c : cases) {
        SCOPED_TRACE(c.mode);
        start_serial_run();
        auto com = std::make_unique<pty_reader>("VOLANTO_COM1");
        set.serial_mode = c.mode;
        serial_output();
        EXPECT_NE(com->take_all(), "");
        com.reset();
        int boxes = host_test_message_box_count();
        msc.time_of_day += 1.1f;
        serial_output();
        EXPECT_EQ(host_test_message_box_count(), boxes + 1);
        EXPECT_EQ(std::string(host_test_last_message_box()), c.text);
        EXPECT_EQ(set.serial_mode, 0);
        EXPECT_EQ(win_port_file, host_serial_invalid);
    }
}

// The next start after a failure flies: the preferences keep the output off.
TEST(SerialFailure, TheNextStartAfterAFailureFliesWithTheOutputOff)
{
    ASSERT_EQ(start_headless(PROGRAM_DIR), 1);
    clear_serial_run_state();
    setenv("VOLANTO_COM1", (std::string(test_scratch_folder()) + "unplugged").c_str(), 1);
    place_in_air(3000, 100, 0);
    set.serial_mode = 1;
    fly_frame();
    EXPECT_EQ(set.serial_mode, 0);
    std::string prefs = std::string(test_scratch_folder()) + "after.prf";
    ASSERT_EQ(dump_prefs(prefs.c_str(), kind_text), 1);

    set.serial_mode = 1;
    ASSERT_EQ(grab_prefs(prefs.c_str(), kind_text, 1), 1);
    EXPECT_EQ(set.serial_mode, 0);
    clear_serial_run_state();
    int boxes = host_test_message_box_count();
    EXPECT_EQ(fly_seconds(3, nullptr), 1);
    EXPECT_EQ(host_test_message_box_count(), boxes);
}

// ---- a reader that never reads ---------------------------------------------

// The port fills and stays full: every frame's step still returns at once,
// what finds no room is dropped and counted, and the stream holds only
// whole packets.
TEST_F(SerialOutput, AReaderThatNeverReadsStallsNoFrameAndGetsOnlyWholePackets)
{
    set.serial_mode = 2;
    int sends = 0;
    double slowest = 0;
    for (; sends < 100000 && serial_dropped() < 50; sends++) {
        flt.ias_kts = (float)sends;
        auto t0 = std::chrono::steady_clock::now();
        step(0.1f);
        slowest = std::max(slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    ASSERT_EQ(serial_dropped(), 50) << "the port never filled";
    EXPECT_LT(slowest, 0.05);
    EXPECT_EQ(set.serial_mode, 2);

    // The reader comes back: what was left of a packet comes first.
    std::string stream = com.take_all();
    flt.ias_kts = (float)sends++;
    step(0.1f);
    stream += com.take_all();
    ASSERT_EQ(stream.size() % 40, 0u);
    ASSERT_EQ(stream.size() / 40, (size_t)(sends - serial_dropped()));
    float last_ias = -1;
    for (size_t at = 0; at < stream.size(); at += 40) {
        std::vector<float> v = packet_floats(stream.substr(at, 40));
        ASSERT_EQ(v[0], -999) << at;
        ASSERT_EQ(v[9], float_sum(v)) << at;
        ASSERT_GT(v[1], last_ias) << at;
        last_ias = v[1];
    }
}

// ---- motion platform -------------------------------------------------------

// The stub's log, read from the very library the program loaded.
static const char* motion_log(void)
{
    static void* lib = dlopen(MSIM_STUB, RTLD_NOW);
    auto log = lib ? (const char* (*)(void))dlsym(lib, "msim_stub_log") : nullptr;
    return log ? log() : "(no stub)";
}

// Mode 3 starts the platform, moves it with roll and pitch held to its byte,
// and stops it on leaving the mode and at shutdown; nothing goes to a port.
TEST_F(SerialOutput, TheMotionPlatformStartsMovesHeldToItsRangeAndStops)
{
    motion_log();
    host_test_motion_library(MSIM_STUB);
    set.serial_mode = 3;
    struct move_case {
        float phi, theta, psi;
    };
    const move_case moves[] = {
        {0, 0, 0}, {30, -30, 90}, {60, -60, 359.9f}, {70, -75, 180}, {-61, 61, 10},
    };
    for (const move_case& m : moves) {
        flt.phi[0] = m.phi;
        flt.theta[0] = m.theta;
        flt.psi[0] = m.psi;
        step(0.1f);
    }
    set.serial_mode = 0;
    step(0.1f);
    set.serial_mode = 3;
    step(0.1f);
    MACIBM_finishup();
    EXPECT_STREQ(motion_log(),
                 "RNRInit 1\n"
                 "MSimMove 128 128 128\n"
                 "MSimMove 192 64 192\n"
                 "MSimMove 255 0 383\n"
                 "MSimMove 255 0 256\n"
                 "MSimMove 0 255 135\n"
                 "MSimExit\n"
                 "RNRInit 1\n"
                 "MSimMove 0 255 135\n"
                 "MSimExit\n");
    EXPECT_EQ(com.take_all(), "");
}

// Without the library the platform's mode does nothing, not even a notice;
// a shutdown with nothing opened closes nothing.
TEST_F(SerialOutput, WithoutTheLibraryTheMotionModeDoesNothing)
{
    host_test_motion_library((std::string(test_scratch_folder()) + "libmsim.so").c_str());
    int boxes = host_test_message_box_count();
    set.serial_mode = 3;
    flt.phi[0] = 20;
    for (int f = 0; f < 3; f++) step(0.1f);
    set.serial_mode = 0;
    step(0.1f);
    serial_shutdown();
    serial_shutdown();
    EXPECT_EQ(host_test_message_box_count(), boxes);
    EXPECT_EQ(set.serial_mode, 0);
}
