// Data output and the graph buffer without a window. "Volanto.out" as whole
// texts, compared with the golden files in tests/data/ by `diff -u`, written
// through the ten-per-second step for fixed states of the shipped Cessna
// (and of it made a helicopter); the values every destination takes (the
// no-value marker never written, the limits, values that are no number);
// the columns an aircraft has and the number formats as tables; the serial
// packet's index; and the graph: recording and its wrap, the strips'
// scales, the samples the window shows and the readout at the plot's ends.
//
// Regenerating: VOLANTO_REGOLD=1 ctest --test-dir build-test -R DataOutputFile
// writes the golden files instead of comparing; read the change with
// `git diff tests/data/` and commit it on its own.
#include <gtest/gtest.h>

#include "Fltutil.h"
#include "Graphnif.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Integ.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

// The lines of a text, each without its line end.
std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> out;
    size_t at = 0;
    for (size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        out.push_back(text.substr(at, end - at));
    if (at < text.size()) out.push_back(text.substr(at));
    return out;
}

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) n++;
    return n;
}

// What f writes into a fresh "Volanto.out".
template <class F> std::string written(F f)
{
    if (trk.is_open()) trk.close();
    trk.open("Volanto.out", std::ios::out | std::ios::trunc | std::ios::binary);
    f();
    trk.close();
    return read_file("Volanto.out");
}

// One simulated second of the ten-per-second step with the items selected
// for the file, the state held as it is.
std::string one_second_of(const std::vector<int>& items)
{
    for (int& f : set.out_file) f = 0;
    for (int i : items) set.out_file[i] = 1;
    set_dataoutput_params();
    return written([] {
        for (int t = 0; t < 10; t++) {
            msc.tenth_count = t;
            mod_evt();
        }
    });
}

}  // namespace

// ---- the data output file ------------------------------------------------------------

// The shipped Cessna standing on KSBD's runway after two seconds there,
// its engine idling.
class DataOutputFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(stand_cessna_at_ksbd(), 1);
        atm.g_accel = con.g;
        rnd15_seed(7);
        msc.dt = 0.05f;
        for (int f = 0; f < 40; f++) {
            surface_contact();
            update_flight();
        }
        ASSERT_EQ(pln[0].numen, 1);
        ASSERT_TRUE(flt.on_ground);
    }
    void TearDown() override
    {
        close_loader_surroundings();
        err.close();
    }
};

TEST_F(DataOutputFile, CessnaAtRestWritesItsLabelsAndTenLinesOverOneSecond)
{
    std::string text = one_second_of({0, 4, 14, 28, 40, 49});
    std::vector<std::string> lines = lines_of(text);
    ASSERT_EQ(lines.size(), 12u) << text;
    EXPECT_EQ(lines[0], "") << "a blank line before the labels";
    const std::string& label = lines[1];
    EXPECT_EQ(label.substr(0, 28), "  FREQ,/sec |   TIME,rtio | ");
    EXPECT_EQ(count(label, "  _RHO,sft3 | "), 1);
    EXPECT_EQ(count(label, "  GEAR,_0/1 |   LBRK,part |   RBRK,part |   SBRK,1012 | "), 1);
    EXPECT_EQ(count(label, "POWR"), 1) << "one engine, one power column";
    EXPECT_EQ(count(label, "  EMPT,__lb |   GROS,__lb | "), 1);
    EXPECT_EQ(label.size(), 14u * 11) << "eleven labelled columns of 14 characters";
    for (int k = 2; k < 12; k++) {
        // Item 14 leaves its brake columns empty: two cells fewer.
        EXPECT_EQ(lines[k].size(), 14u * 9) << lines[k];
        EXPECT_EQ(lines[k], lines[2]) << "the state holds";
    }
    EXPECT_EQ(text.find("nan"), std::string::npos) << "lift over drag at rest is 0";
    std::string diff = golden_diff("dataout_c172_rest.txt", text);
    EXPECT_TRUE(diff.empty()) << "the data output differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
}

// Made a helicopter, its engine values are its main and tail rotor's.
TEST_F(DataOutputFile, HelicopterWritesTwoRotorSpeeds)
{
    pln[0].is_heli = 1;
    flt.engine_speed[0] = 40.0f;    // rad/s
    flt.engine_speed[1] = 180.0f;
    flt.engine_speed[2] = 55.0f;    // no rotor of its own: hidden
    std::string text = one_second_of({31});
    std::vector<std::string> lines = lines_of(text);
    ASSERT_EQ(lines.size(), 12u) << text;
    EXPECT_EQ(lines[1], "  RPM1,_rpm |   RPM2,_rpm | ");
    EXPECT_EQ(lines[2], "     381.97 |     1718.87 | ");
    std::string diff = golden_diff("dataout_helicopter_rotors.txt", text);
    EXPECT_TRUE(diff.empty()) << "the data output differs from its golden text (VOLANTO_REGOLD=1 rewrites it):\n"
                              << diff;
}

TEST_F(DataOutputFile, EntriesFiftyToFiftyNineWriteNothing)
{
    std::vector<int> with_unused = {1};
    for (int i = dataout_labelled; i < dataout_items; i++) with_unused.push_back(i);
    EXPECT_EQ(one_second_of(with_unused), one_second_of({1}));
    for (int i = dataout_labelled; i < dataout_items; i++) {
        EXPECT_EQ(written([i] {
                      out_label(out_to_file, i, 0);
                      out_dat(out_to_file, i, 0);
                  }),
                  "")
            << i;
        serial_ind = -1;
        out_dat(out_to_serial, i, 0);
        EXPECT_EQ(serial_ind, -1) << i;
    }
}

// ---- the values every destination takes ------------------------------------------------

class DataOutputValues : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        pln[0].numen = 1;
        clear_graph();
        grf.sample_index = 0;
    }
    void TearDown() override
    {
        if (trk.is_open()) trk.close();
    }
};

// The simulation clock (item 1) by each destination: the file's cell, the
// serial packet's value and the graph's.
TEST_F(DataOutputValues, TheMarkerIsNeverWrittenAndTheRestIsHeldToItsLimits)
{
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float clock;
        const char* cell;     // "" written nothing
        float serial, graph;  // -999 for no serial value
    } cases[] = {
        {12.5f, "      12.50 | ", 12.5f, 12.5f},
        {1e12f, "9900000000.00 | ", 9.9e9f, 9.9e9f},
        {-1e12f, "-9900000000.00 | ", -9.9e9f, -9.9e9f},
        {inf, "9900000000.00 | ", 9.9e9f, 9.9e9f},
        {nan, "       0.00 | ", 0.0f, 0.0f},
        {-999.0f, "", -999.0f, -999.0f},
        {-999.0005f, "", -999.0f, -999.0005f},
        {-998.99f, "    -998.99 | ", -998.99f, -998.99f},
    };
    for (const auto& c : cases) {
        msc.sim_time = c.clock;
        EXPECT_EQ(written([] { out_dat(out_to_file, 1, 0); }), c.cell) << c.clock;
        serial_ind = -1;
        out_dat(out_to_serial, 1, 0);
        if (c.serial == -999.0f) {
            EXPECT_EQ(serial_ind, -1) << c.clock;
        } else {
            EXPECT_EQ(serial_ind, 0) << c.clock;
            EXPECT_EQ(serial_dat[0], c.serial) << c.clock;
        }
        out_dat(out_to_graph, 1, 2);
        EXPECT_EQ(grf.sample_data[2][0][0], c.graph) << c.clock << ": the graph keeps every value";
        EXPECT_EQ(grf.sample_data[2][1][0], dataout_none) << "the columns item 1 does not have";
    }
}

TEST_F(DataOutputValues, AZeroDivisorGivesZero)
{
    // At rest: no lift, no drag. A stopped engine: thrust and no power.
    flt.thrust_now[0] = 100.0f;
    flt.V_true = 30.0f;
    msc.dt = 0;
    msc.time_ratio = 1;
    atm.a_sound = 0;
    atm.g_accel = 0;
    EXPECT_EQ(written([] {
                  for (int item : {0, 17, 40, 41}) out_dat(out_to_file, item, 0);
              }),
              "       0.00 |        1.00 |        0.00 |        0.00 |        0.00 |        0.00 | ");
}

// The serial packet takes the values after the last, the markers and the
// hidden columns left out, and keeps a place for its sum.
TEST_F(DataOutputValues, SerialValuesFollowTheIndex)
{
    flt.power[0] = 74570.0f;        // 100 hp; the engines the Cessna lacks count nothing
    flt.power[1] = 5000.0f;
    set.gear_down = 1;
    flt.sbrk_handle = 2;
    serial_ind = -1;
    out_dat(out_to_serial, 28, 0);
    ASSERT_EQ(serial_ind, 0);
    EXPECT_NEAR(serial_dat[0], 100.0f, 0.01f);
    out_dat(out_to_serial, 14, 0);  // gear, then the speedbrake: the brakes carry no value
    ASSERT_EQ(serial_ind, 2);
    EXPECT_EQ(serial_dat[1], 1.0f);
    EXPECT_EQ(serial_dat[2], 2.0f);

    serial_ind = serial_values - 4;
    out_dat(out_to_serial, 27, 0);  // three values, room for two
    EXPECT_EQ(serial_ind, serial_values - 2);
}

// The label's four fields: a name ending in a blank is no column, blanks
// become '_' in the file, and a label shorter than its 39 characters reads
// as blanks beyond its end.
TEST_F(DataOutputValues, LabelsSplitIntoNamesAndUnits)
{
    EXPECT_EQ(written([] { out_label(out_to_file, 17, 0); }), "  MACH,___# |   ___G,unit | ");
    EXPECT_EQ(written([] { out_label(out_to_file, 49, 0); }), "  EMPT,__lb |   GROS,__lb | ");
    EXPECT_EQ(written([] { sub_out_label(out_to_file, 1, 0, "TIME  sec"); }), "  TIME,_sec | ");
    EXPECT_EQ(written([] { sub_out_label(out_to_file, 1, 0, "ABC   sec DEFG"); }), "  DEFG,____ | ");
    for (int i = 0; i < dataout_labelled; i++) EXPECT_EQ(strlen(dataout_labels[i]), 39u) << i;
}

// Columns 1 to 4 as a string of 0s and 1s.
static std::string used(int item)
{
    std::string s;
    for (int k = 1; k <= 4; k++) s += usedat(item, k) ? '1' : '0';
    return s;
}

TEST_F(DataOutputValues, TheColumnsAnAircraftHas)
{
    const struct {
        int engines, heli, item;
        const char* columns;
    } cases[] = {
        {1, 0, 28, "1000"}, {1, 0, 31, "1000"}, {1, 0, 5, "1111"},  {2, 0, 8, "1100"},  {2, 0, 29, "1100"},
        {3, 0, 36, "1110"}, {4, 0, 41, "1111"}, {4, 0, 33, "1111"}, {0, 0, 9, "0000"},  {0, 0, 32, "0000"},
        {1, 1, 31, "1100"}, {1, 1, 30, "1000"}, {4, 1, 29, "1100"}, {4, 1, 36, "1111"}, {0, 1, 32, "1100"},
        {0, 1, 14, "1111"},
    };
    for (const auto& c : cases) {
        pln[0].numen = c.engines;
        pln[0].is_heli = c.heli;
        EXPECT_EQ(used(c.item), c.columns) << c.engines << " engines, helicopter " << c.heli << ", item " << c.item;
    }
}

TEST_F(DataOutputValues, DigitsAndDecimalsOfTheColumns)
{
    const struct {
        int item;
        int d[4], e[4];
    } cases[] = {
        {0, {4, 3, 0, 0}, {1, 2, 0, 0}},  {4, {4, 0, 0, 0}, {4, 0, 0, 0}},  {14, {1, 3, 3, 1}, {0, 2, 2, 0}},
        {13, {4, 3, 3, 0}, {2, 2, 2, 0}}, {26, {3, 4, 4, 0}, {1, 1, 0, 0}}, {41, {4, 4, 4, 4}, {3, 3, 3, 3}},
        {49, {4, 4, 0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        int d[4] = {-1, -1, -1, -1}, e[4] = {-1, -1, -1, -1};
        set_dig_dec(c.item, &d[0], &d[1], &d[2], &d[3], &e[0], &e[1], &e[2], &e[3]);
        for (int k = 0; k < 4; k++) {
            EXPECT_EQ(d[k], c.d[k]) << "item " << c.item << " column " << k + 1;
            EXPECT_EQ(e[k], c.e[k]) << "item " << c.item << " column " << k + 1;
        }
    }
    for (int item : {-1, 50, 59}) {
        int d[4] = {7, 7, 7, 7}, e[4] = {7, 7, 7, 7};
        set_dig_dec(item, &d[0], &d[1], &d[2], &d[3], &e[0], &e[1], &e[2], &e[3]);
        for (int k = 0; k < 4; k++) EXPECT_TRUE(d[k] == 7 && e[k] == 7) << "item " << item << " left alone";
    }
}

// ---- the graph -----------------------------------------------------------------------

// Slots 0 and 2 graph the clock (item 1) and the angles of attack and
// sideslip (item 5); 1 and 3 are empty. A frame of 1/16 s, exact in float.
class GraphBuffer : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        set.out_graph[1] = set.out_graph[5] = 1;
        set_dataoutput_params();
        ASSERT_EQ(set.graph_sel[0], 1);
        ASSERT_EQ(set.graph_sel[1], 5);
        set.graph_sel[2] = 5;
        set.graph_sel[1] = -1;
        msc.dt = 0.0625f;
    }
    // n frames, the clock counting them.
    static void record(int n)
    {
        for (int k = 0; k < n; k++) {
            msc.sim_time += 1.0f;
            flt.alpha = 0.5f;
            flt.beta = -0.75f;
            update_graph();
        }
    }
    static void shown(int* first, int* last)
    {
        graph_lay_out();
        *first = *last = -9;
        EXPECT_EQ(graph_shown_samples(first, last), 1);
    }
};

TEST_F(GraphBuffer, RecordsEachFrameAndWrapsAt1800)
{
    record(graph_samples);
    EXPECT_EQ(grf.sample_index, 1799);
    EXPECT_EQ(grf.wrapped, 0);
    EXPECT_EQ(grf.oldest_index, 0);
    EXPECT_EQ(grf.sample_data[0][0][0], 1.0f);
    EXPECT_EQ(grf.sample_data[0][0][1799], 1800.0f);
    EXPECT_EQ(grf.sample_data[2][1][1799], -0.75f);
    EXPECT_EQ(grf.sample_data[1][0][1799], dataout_none) << "an empty slot records nothing";
    EXPECT_EQ(grf.sample_dt[1799], 0.0625f);

    record(1);
    EXPECT_EQ(grf.sample_index, 0);
    EXPECT_EQ(grf.wrapped, 1);
    EXPECT_EQ(grf.oldest_index, 1);
    EXPECT_EQ(grf.sample_data[0][0][0], 1801.0f);
    record(5);
    EXPECT_EQ(grf.sample_index, 5);
    EXPECT_EQ(grf.oldest_index, 6);

    // Emptied, it keeps its place: the selection resets the index.
    clear_graph();
    EXPECT_EQ(grf.wrapped, 0);
    EXPECT_EQ(grf.oldest_index, 0);
    EXPECT_EQ(grf.sample_index, 5);
    EXPECT_EQ(grf.sample_dt[5], 999.0f);
    set_dataoutput_params();
    EXPECT_EQ(grf.sample_index, -1);
}

// 33 units for the largest value, values within 1 as though 1; the marker
// counts nothing.
TEST_F(GraphBuffer, ScalesFitTheLargestValue)
{
    const struct {
        float a, b;
        float scale;
    } cases[] = {{0.5f, -1.0f, 33.0f}, {0.25f, 0.0f, 33.0f}, {-66.0f, 10.0f, 0.5f}, {3.0f, -999.0f, 11.0f}};
    for (const auto& c : cases) {
        clear_graph();
        grf.sample_data[0][0][10] = c.a;
        grf.sample_data[0][3][1700] = c.b;
        graph_lay_out();
        EXPECT_FLOAT_EQ(graph_scale(0), c.scale) << c.a << " " << c.b;
    }
}

TEST_F(GraphBuffer, NothingShownBeforeTheFirstSample)
{
    int first, last;
    graph_lay_out();
    EXPECT_EQ(graph_shown_samples(&first, &last), 0) << "the selection's empty graph";
    EXPECT_EQ(graph_readout_sample(300), -1);

    // The start-up's graph: emptied, its index where the zeroed record left it.
    grf.sample_index = 0;
    clear_graph();
    graph_lay_out();
    EXPECT_EQ(graph_shown_samples(&first, &last), 0);
}

// Recording begun at index 1 leaves slot 0 empty: the plot starts at the
// first recorded sample, never 999 s to its left.
TEST_F(GraphBuffer, TheFirstRecordedSampleStandsAtTheLeftEdge)
{
    grf.sample_index = 0;
    clear_graph();
    record(3);
    int first, last;
    shown(&first, &last);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 3);
    EXPECT_EQ(graph_sample_x(0), -1);
    EXPECT_EQ(graph_sample_x(1), 100);
    EXPECT_EQ(graph_sample_x(2), 103);   // 1/16 s at 50 units a second
    EXPECT_EQ(graph_sample_x(3), 106);

    // Emptied after 100 samples, the index kept: the next ones are the record.
    grf.sample_index = -1;
    clear_graph();
    record(100);
    clear_graph();
    record(5);
    shown(&first, &last);
    EXPECT_EQ(first, 100);
    EXPECT_EQ(last, 104);
}

TEST_F(GraphBuffer, LeftTimeBeyondTheRecordShowsOnlyTheNewest)
{
    record(16);   // one second
    grf.left_time = 5;
    int first, last;
    shown(&first, &last);
    EXPECT_EQ(first, 15);
    EXPECT_EQ(last, 15);
    EXPECT_EQ(graph_sample_x(15), 100);
    EXPECT_EQ(graph_readout_sample(100), 15);
    EXPECT_EQ(graph_readout_sample(650), 15);
}

// Ten seconds from the left edge's time, across the buffer's wrap: the last
// sample just past them; the readout at both ends of the plot, the mouse
// beyond them held to its edges.
TEST_F(GraphBuffer, TenSecondsFromTheLeftEdgeAndTheReadoutAtBothEnds)
{
    record(graph_samples + 100);   // newest 99, oldest 100
    grf.left_time = 100;           // 1600 frames on
    int first, last;
    shown(&first, &last);
    EXPECT_EQ(first, 1700);
    EXPECT_EQ(last, 61) << "161 frames on, 10.0625 s";
    EXPECT_EQ(graph_sample_x(1700), 100);
    EXPECT_EQ(graph_sample_x(1799), 100 + intround(99 * 3.125f));
    EXPECT_EQ(graph_sample_x(60), 600);
    EXPECT_EQ(graph_sample_x(61), 603);
    EXPECT_EQ(graph_sample_x(62), -1);

    const struct {
        float mouse_x;
        int sample;
    } reads[] = {{0, 1700}, {100, 1700}, {100.9f, 1700}, {101, 1701}, {103, 1701}, {104, 1702},
                 {599, 60},  {600, 60},   {700, 60}};
    for (const auto& r : reads) EXPECT_EQ(graph_readout_sample(r.mouse_x), r.sample) << r.mouse_x;
}
