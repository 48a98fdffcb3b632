// Failures: each mode of a slot, the once-a-second pass with its gates and
// the flags it clears, the new flight's restore; and the Morse queue.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "records.h"
#include "test_support.h"

#include <cstring>
#include <vector>

class Failures : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_suite_state();
        rnd15_seed(7);
        restore_systems();
        rel.failure_rate = 1.0f;
        for (int k = 0; k < fail_slots; k++) {
            rel.fail_mode[k] = 0;          // never, unless a test says so
            rel.fail_time[k] = 10.0f;
        }
    }
    // Every slot on command and the command given: the pass then fails
    // exactly the slots whose gates hold.
    void command_all(void)
    {
        for (int k = 0; k < fail_slots; k++) rel.fail_mode[k] = fail_on_command;
        rel.fail_now = 1;
    }
    std::vector<int> failed_flags(void)
    {
        std::vector<int> out;
        for (int f = 0; f < system_flags; f++)
            if (!rel.system_ok[f]) out.push_back(f);
        return out;
    }
    int failed[fail_slots];
};

// ---- one slot ------------------------------------------------------------------

TEST_F(Failures, EachModeFailsOnlyWhenItsConditionHolds)
{
    struct mode_case {
        const char* name;
        int mode;
        float rate;       // failure_rate
        float value;      // fail_time
        int command;      // fail_now
        int fails;        // within 200 asks
    } cases[] = {
        {"random, reliability 0", fail_random, 0.0f, 10.0f, 0, 0},
        {"random, reliability 600", fail_random, 600.0f, 10.0f, 0, 1},
        {"mean time 0 h", fail_mtbf, 1.0f, 0.0f, 0, 1},
        {"mean time 10000 h", fail_mtbf, 1.0f, 10000.0f, 0, 0},
        {"time still ahead", fail_at_time, 1.0f, 0.001f, 0, 0},
        {"time passed", fail_at_time, 1.0f, -0.001f, 0, 1},
        {"on command, not given", fail_on_command, 1.0f, 10.0f, 0, 0},
        {"on command, given", fail_on_command, 1.0f, 10.0f, 1, 1},
        {"already failed", fail_failed, 0.0f, 10.0f, 0, 1},
        {"mode 0 never", 0, 600.0f, -1.0f, 1, 0},
        {"mode 6 never", 6, 600.0f, -1.0f, 1, 0},
    };
    for (const mode_case& c : cases) {
        rel.fail_mode[3] = c.mode;
        rel.failure_rate = c.rate;
        rel.fail_time[3] = c.value;
        rel.fail_now = c.command;
        int result = 0;
        for (int n = 0; n < 200 && !result; n++) result = fail_me(3);
        EXPECT_EQ(result, c.fails) << c.name;
        EXPECT_EQ(rel.fail_mode[3] == fail_failed, c.fails == 1) << c.name;
    }
}

TEST_F(Failures, ModeOneAtModerateReliabilityFailsRarelyButSometimes)
{
    // Two draws of 0..600 below 60: one chance in a hundred a second.
    rel.failure_rate = 60.0f;
    int fails = 0;
    for (int n = 0; n < 5000; n++) {
        rel.fail_mode[0] = fail_random;
        fails += fail_me(0);
    }
    EXPECT_GT(fails, 20);
    EXPECT_LT(fails, 100);
}

TEST_F(Failures, SlotOutsideTheTableNeverFails)
{
    rel.fail_now = 1;
    EXPECT_EQ(fail_me(-1), 0);
    EXPECT_EQ(fail_me(fail_slots), 0);
}

// ---- the pass ------------------------------------------------------------------

TEST_F(Failures, PassFailsTheSlotsWhoseGatesHoldAndNoOthers)
{
    struct aircraft_case {
        const char* name;
        int paneltype, numen, flapEQ, slatEQ, gear_type, ff_hydraulic, revthrustEQ, antiiceEQ, is_heli;
        std::vector<int> flags;      // cleared by one commanded pass
        // Slots whose mode stays "on command": a gate shut, or the system
        // already gone (slot 29's autopilot goes with the electrics of slot 20).
        std::vector<int> untouched;
    } cases[] = {
        {"single-engine, dials, fixed gear", 1, 1, 1, 0, 2, 0, 0, 0, 0,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 19, 23, 25, 29, 30, 31, 37, 41, 42},
         {7, 8, 15, 17, 18, 19, 21, 26, 27, 29, 31}},
        {"glider: no engine slot at all", 1, 0, 0, 0, 2, 0, 1, 0, 0,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15, 16, 23, 29, 31, 41, 42},
         {7, 8, 10, 14, 16, 17, 18, 19, 21, 22, 24, 26, 27, 28, 29, 31}},
        {"glass jet with everything", 2, 1, 1, 1, 3, 1, 1, 1, 0,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 29, 30,
          31, 32, 36, 37, 41, 42},
         {0, 29, 31}},
        {"helicopter", 1, 1, 0, 0, 2, 0, 0, 0, 1,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 16, 19, 23, 25, 29, 31, 37, 41, 42, 43},
         {7, 8, 14, 15, 17, 18, 19, 21, 24, 26, 27, 29}},
    };
    for (const aircraft_case& c : cases) {
        SetUp();
        planestruct& p = pln[0];
        p.paneltype = c.paneltype;
        p.numen = c.numen;
        p.flapEQ = c.flapEQ;
        p.slatEQ = c.slatEQ;
        p.gear_type = c.gear_type;
        p.ff_hydraulic = c.ff_hydraulic;
        p.revthrustEQ = c.revthrustEQ;
        p.antiiceEQ = c.antiiceEQ;
        p.is_heli = c.is_heli;
        command_all();
        fail_systems(failed);
        EXPECT_EQ(failed_flags(), c.flags) << c.name;
        for (int k : c.untouched) {
            EXPECT_EQ(rel.fail_mode[k], fail_on_command) << c.name << ", slot " << k;
            EXPECT_EQ(failed[k], 0) << c.name << ", slot " << k;
        }
        EXPECT_EQ(rel.fail_now, 0) << c.name << ": the command is spent";
    }
}

TEST_F(Failures, ElectricalFailureTakesTheAutopilotRadiosAndGlassWithIt)
{
    pln[0].paneltype = 1;
    rel.fail_mode[20] = fail_failed;
    EXPECT_EQ(fail_systems(failed), 0) << "no master caution for the electrics";
    EXPECT_EQ(failed_flags(), (std::vector<int>{sys_standby, sys_efis, sys_radios, sys_electrical,
                                                sys_autopilot}));
    EXPECT_EQ(failed[20], 1);
}

TEST_F(Failures, AnEngineGroupFailsOneEngineAndThenWaits)
{
    pln[0].numen = 4;
    rel.fail_mode[10] = fail_failed;
    fail_systems(failed);
    std::vector<int> gone = failed_flags();
    ASSERT_EQ(gone.size(), 1u);
    EXPECT_GE(gone[0], sys_engine);
    EXPECT_LT(gone[0], sys_engine + 4);
    // The slot stays failed, but with one engine out the group's gate is shut.
    for (int n = 0; n < 20; n++) fail_systems(failed);
    EXPECT_EQ(failed_flags(), gone);
    EXPECT_EQ(failed[10], 0);

    // Over many flights every engine can be the one.
    std::vector<int> seen(4, 0);
    for (int flight = 0; flight < 200; flight++) {
        restore_systems();
        rel.fail_mode[10] = fail_failed;
        fail_systems(failed);
        for (int e = 0; e < 4; e++)
            if (!rel.system_ok[sys_engine + e]) seen[e] = 1;
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 1, 1, 1}));
}

TEST_F(Failures, MasterCautionOnlyForCautionSlots)
{
    pln[0].paneltype = 1;
    pln[0].numen = 1;
    struct caution_case {
        int slot;
        int caution;
    } cases[] = {{0, 1}, {1, 0}, {9, 0}, {10, 1}, {11, 1}, {20, 0}, {25, 1}, {29, 0}, {30, 0}};
    for (const caution_case& c : cases) {
        restore_systems();
        for (int k = 0; k < fail_slots; k++) rel.fail_mode[k] = 0;
        rel.fail_mode[c.slot] = fail_failed;
        EXPECT_EQ(fail_systems(failed), c.caution) << "slot " << c.slot;
        EXPECT_EQ(failed[c.slot], 1) << "slot " << c.slot;
    }
}

TEST_F(Failures, CommandFailsOnlyInTheSecondItIsGiven)
{
    rel.fail_mode[11] = fail_on_command;
    fail_systems(failed);
    EXPECT_EQ(rel.system_ok[sys_aileron], 1);
    rel.fail_now = 1;
    fail_systems(failed);
    EXPECT_EQ(rel.system_ok[sys_aileron], 0);
    rel.fail_mode[12] = fail_on_command;
    fail_systems(failed);
    EXPECT_EQ(rel.system_ok[sys_elevator], 1) << "the command was spent by the pass before";
}

TEST_F(Failures, NewFlightRestoresFailedSlotsAndEverySystem)
{
    rel.fail_mode[2] = fail_failed;
    rel.fail_mode[3] = fail_at_time;
    rel.fail_time[3] = -1.0f;
    rel.system_ok[sys_attitude] = 0;
    rel.system_ok[sys_engine_power] = 0;
    rel.control_power = 0.2f;
    rel.engine_power = 0.5f;
    rel.on_ram_air = 1;
    restore_systems();
    EXPECT_EQ(rel.fail_mode[2], fail_random);
    EXPECT_EQ(rel.fail_mode[3], fail_at_time) << "a slot not yet failed keeps its mode";
    EXPECT_EQ(failed_flags(), std::vector<int>{});
    EXPECT_EQ(rel.control_power, 1.0f);
    EXPECT_EQ(rel.engine_power, 1.0f);
    EXPECT_EQ(rel.on_ram_air, 0);
}

// ---- Morse identifiers ---------------------------------------------------------

struct MorseQueue {
    int states[morse_slots];
    float times[morse_slots];
    int k = 0;
    MorseQueue()
    {
        for (int s = 0; s < morse_slots; s++) {
            states[s] = morse_quiet;
            times[s] = -1.0f;
        }
        times[0] = 0.0f;
    }
    void add(const char* id)
    {
        for (int c = 0; c < 4 && id[c]; c++) build_morse_id(id[c], states, times, &k);
    }
};

TEST(Morse, LetterIsItsElementsAndAPause)
{
    MorseQueue q;
    build_morse_id('E', q.states, q.times, &q.k);
    EXPECT_EQ(q.k, 2);
    EXPECT_EQ(q.states[0], morse_dot);
    EXPECT_EQ(q.states[1], morse_quiet);
    EXPECT_FLOAT_EQ(q.times[1], 0.3f);
    EXPECT_FLOAT_EQ(q.times[2], 1.3f) << "the next character starts after the pause";

    MorseQueue b;
    build_morse_id('B', b.states, b.times, &b.k);
    EXPECT_EQ(std::vector<int>(b.states, b.states + 5),
              (std::vector<int>{morse_dash, morse_dot, morse_dot, morse_dot, morse_quiet}));
    EXPECT_FLOAT_EQ(b.times[5], 0.5f + 0.9f + 1.0f);
}

TEST(Morse, WholeAlphabetFollowsTheCode)
{
    const char* code[26] = {".-", "-...", "-.-.", "-..", ".", "..-.", "--.", "....", "..",
                            ".---", "-.-", ".-..", "--", "-.", "---", ".--.", "--.-", ".-.",
                            "...", "-", "..-", "...-", ".--", "-..-", "-.--", "--.."};
    for (int l = 0; l < 26; l++) {
        MorseQueue q;
        build_morse_id((char)('A' + l), q.states, q.times, &q.k);
        std::string heard;
        for (int s = 0; s < q.k - 1; s++) heard += q.states[s] == morse_dot ? '.' : '-';
        EXPECT_EQ(heard, code[l]) << (char)('A' + l);
        EXPECT_EQ(q.states[q.k - 1], morse_quiet);
    }
}

TEST(Morse, FourLongestLettersFitInTwentySlots)
{
    MorseQueue q;
    q.add("YQJB");   // four elements each
    EXPECT_EQ(q.k, 20);
    EXPECT_EQ(q.states[19], morse_quiet);
    EXPECT_GT(q.times[20], q.times[19]);
    for (int s = 21; s < morse_slots; s++) EXPECT_EQ(q.times[s], -1.0f) << s;
}

TEST(Morse, DigitsLowerCaseAndBlanksArePausesOnly)
{
    struct pause_case {
        const char* id;
        int slots;
        float length;
    } cases[] = {{"SB7", 3 + 1 + 4 + 1 + 1, 0.9f + 1.0f + 1.4f + 1.0f + 1.0f},
                 {"lax", 3, 3.0f},
                 {"E  ", 4, 1.3f + 2.0f}};
    for (const pause_case& c : cases) {
        MorseQueue q;
        for (int i = 0; i < 3 && c.id[i]; i++) build_morse_id(c.id[i], q.states, q.times, &q.k);
        EXPECT_EQ(q.k, c.slots) << c.id;
        EXPECT_NEAR(q.times[q.k], c.length, 1e-5f) << c.id;
    }
}

TEST(Morse, QueueNeverRunsPastItsSlots)
{
    MorseQueue q;
    for (int n = 0; n < 8; n++) build_morse_id('Y', q.states, q.times, &q.k);
    EXPECT_EQ(q.k, 40) << "the count runs on; nothing is written past the queue";
    EXPECT_EQ(q.states[morse_slots - 1], morse_quiet);
}
