// Air traffic control: the voice every phrase leaves through (rendered,
// through the mixer, failing) and the ATC line it keeps; the carrier's
// landing signal officer over a table of positions.
#include <gtest/gtest.h>

#include "Add-ons.h"
#include "Do_atc.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "host.h"
#include "host_test.h"
#include "records.h"
#include "test_support.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

static double rms(const short* pcm, int n)
{
    double sum = 0;
    for (int i = 0; i < n; i++) sum += (double)pcm[i] * pcm[i];
    return n > 0 ? sqrt(sum / n) : 0;
}

// The mixer's next seconds of output.
static std::vector<short> mixer_output(float seconds)
{
    std::vector<short> out((size_t)(44100 * seconds));
    host_audio_render(out.data(), (int)out.size());
    return out;
}

const double speech_floor = 300;   // RMS well above silence, well below a voice

// ---- speech --------------------------------------------------------------------

struct Speech : ::testing::Test {
    void SetUp() override
    {
        reset_suite_state();
        host_test_audio_no_device(1);
        host_test_audio_rate(44100);
        ASSERT_EQ(host_audio_open(), 1);
        msc.speech_ok = initspeechsynth();
        ASSERT_EQ(msc.speech_ok, 1) << "the suite's voice starts on a Debian machine with its data";
        set.atc_text = 1;
        set.atc_speech = 1;
        msc.sim_time = 100;
    }
    void TearDown() override
    {
        host_test_speech_open_fails(0);
        host_test_speech_say_fails(0);
        host_audio_close();
    }
};

TEST_F(Speech, TheVoiceSpeaksAPhraseAloudAndALongerOneForLonger)
{
    std::vector<short> pcm(host_test_speech_rate() * 30);
    int short_n = host_test_speech_render("Power", pcm.data(), (int)pcm.size());
    int long_n = host_test_speech_render("Call the ball, I L S 1 0 8 point 0 0, heading 3 5 2", pcm.data(),
                                         (int)pcm.size());
    ASSERT_GT(short_n, 0);
    EXPECT_GT(long_n, 3 * short_n);
    EXPECT_GT(rms(pcm.data(), long_n), speech_floor);
}

// The caller is back before the engine has handed on a sample; the mixer
// carries the phrase once the engine has spoken.
TEST_F(Speech, APhraseIsQueuedAndHeardThroughTheMixerAfterwards)
{
    host_test_speech_hold(1);
    speakstring("Frigate I L S is on 1 0 8 . 1 0.");
    EXPECT_LT(rms(mixer_output(0.5f).data(), 22050), 1.0) << "nothing has arrived yet";
    host_test_speech_hold(0);
    host_test_speech_wait();
    std::vector<short> heard = mixer_output(4);
    EXPECT_GT(rms(heard.data(), (int)heard.size()), speech_floor);
    EXPECT_LT(rms(mixer_output(1).data(), 44100), 1.0) << "what was heard is gone";
}

TEST_F(Speech, ThePhraseShownAndForHowLong)
{
    struct {
        const char* name;
        std::string text;
        int text_on, speech_on;
        size_t shown;
        float until;
        int heard;
    } cases[] = {
        {"500 characters", std::string(500, 'a'), 1, 0, 399, 139.9f, 0},
        {"empty", "", 1, 1, 0, 100, 0},
        {"text only", "Power", 1, 0, 5, 100.5f, 0},
        {"speech only", "Power", 0, 1, 5, -1, 1},
    };
    for (const auto& c : cases) {
        atc.ctrl_text_until = -1;
        set.atc_text = c.text_on;
        set.atc_speech = c.speech_on;
        speakstring(c.text.c_str());
        host_test_speech_wait();
        EXPECT_EQ(strlen(atc.ctrl_text), c.shown) << c.name;
        EXPECT_EQ(std::string(atc.ctrl_text), c.text.substr(0, c.shown)) << c.name;
        EXPECT_NEAR(atc.ctrl_text_until, c.until, 1e-3f) << c.name << ": 0.1 s a character while text is on";
        std::vector<short> heard = mixer_output(2);
        EXPECT_EQ(rms(heard.data(), (int)heard.size()) > speech_floor, c.heard == 1) << c.name;
    }
}

// A voice that fails says so once; the phrases after it are shown only.
TEST_F(Speech, AVoiceThatFailsGivesOneNoticeThenTextOnly)
{
    host_test_speech_say_fails(1);
    int before = host_test_message_box_count();
    speakstring("Power");
    ASSERT_EQ(host_test_message_box_count(), before + 1);
    EXPECT_EQ(std::string(host_test_last_message_box()).rfind("Can't speak ATC command!", 0), 0u);
    EXPECT_EQ(msc.speech_ok, 0);
    speakstring("Come left");
    EXPECT_EQ(host_test_message_box_count(), before + 1);
    EXPECT_STREQ(atc.ctrl_text, "Come left");
    EXPECT_NEAR(atc.ctrl_text_until, 100.9f, 1e-3f);
}

TEST_F(Speech, AnEngineThatDoesNotStartLeavesTextOnlyWithoutAWord)
{
    host_test_speech_open_fails(1);
    int before = host_test_message_box_count();
    msc.speech_ok = initspeechsynth();
    EXPECT_EQ(msc.speech_ok, 0);
    speakstring("Power");
    EXPECT_STREQ(atc.ctrl_text, "Power");
    EXPECT_EQ(host_test_message_box_count(), before);
    std::vector<short> heard = mixer_output(1);
    EXPECT_LT(rms(heard.data(), (int)heard.size()), 1.0);
}

// Without its data the engine does not start, and the program goes on. In a
// process of its own: the engine starts once a run.
TEST(SpeechDeathTest, AnEngineWithoutItsDataIsNoVoiceNotTheEnd)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::string empty = std::string(test_scratch_folder()) + "no voices";
    std::filesystem::create_directories(empty + "/espeak-ng-data");
    EXPECT_EXIT(
        {
            setenv("ESPEAK_DATA_PATH", empty.c_str(), 1);
            _exit(initspeechsynth() == 0 ? 7 : 8);
        },
        ::testing::ExitedWithCode(7), "");
}

// Closing the sound while a long phrase is spoken stops the voice first:
// nothing of it is heard when the sound opens again.
TEST_F(Speech, ClosingTheSoundStopsTheVoice)
{
    speakstring(std::string(300, 'a').append(" Power Off").c_str());
    host_audio_close();
    ASSERT_EQ(host_audio_open(), 1);
    host_test_speech_wait();
    std::vector<short> heard = mixer_output(2);
    EXPECT_LT(rms(heard.data(), (int)heard.size()), 1.0);
}

// ---- landing signal officer ---------------------------------------------------------

// The carrier at the origin heading 8 degrees, so that its angled deck runs
// due north; the aircraft level with its eye at its reference point, placed
// by its distance, bearing off the deck line and glide angle from the
// landing reference point.
struct Officer : ::testing::Test {
    void SetUp() override
    {
        reset_suite_state();
        MACIBM_set_constants();
        build_ship_models();
        env.ship_hdg[0] = 8;
        flt.cos_phi = flt.cos_theta = flt.cos_psi = 1;
        msc.speech_ok = 0;
        set.atc_text = 1;
    }
    // What the officer says with the aircraft at d nm, off degrees off the
    // deck line (positive to the west of it, left of the line), g degrees
    // up, heading hdg (0 is along the deck) with angle of attack aoa.
    std::string call(float d, float off, float g, float aoa = 9, float hdg = 0)
    {
        float ref[3];
        carrier_reference_point(ref);
        float m = d * con.nmtomtrs, b = off * con.degtorad;
        flt.pos_x[0] = ref[0] - m * sinf(b);
        flt.pos_z[0] = ref[2] + m * cosf(b);
        flt.pos_y[0] = ref[1] + m * tanf(g * con.degtorad);
        flt.psi[0] = hdg;
        flt.alpha = aoa;
        atc.ctrl_text[0] = 0;
        LSO_respond();
        return atc.ctrl_text;
    }
};

const char* const ball_call = "Call the ball, I L S 1 0 8 point 0 0, heading 3 6 0";

TEST_F(Officer, CallsTheBallOncePerApproach)
{
    EXPECT_EQ(call(2, 0, 4), ball_call);
    EXPECT_EQ(call(1.5f, 0, 4), "") << "on the glide path, on speed: nothing to say";
    EXPECT_EQ(call(1, 0, 7), "Power Off");
    EXPECT_EQ(call(1, 20, 4), "") << "out of the cone";
    EXPECT_EQ(atc.ball_called, 0);
    EXPECT_EQ(call(1, 0, 4), ball_call) << "a new approach, a new ball call";
}

TEST_F(Officer, CorrectionsInTheirOrder)
{
    struct {
        float d, off, g, aoa;
        const char* said;
    } cases[] = {
        {2, 0, 7, 9, "Power Off"},        {2, 0, 1.5f, 9, "Power"},         {2, 0, 4, 5, "Power Off"},
        {2, 0, 4, 13, "Power"},           {2, 5, 4, 9, "Right for line up"}, {2, -5, 4, 9, "Come left"},
        {2, 0, 7, 13, "Power Off"},       {2, 5, 1.5f, 9, "Power"},         {2, 2, 4, 9, ""},
        {2, 0, 1.5f, 5, "Power"},         {0.2f, 0, 7, 5, "Wave Off!"},
        {0.2f, 0, 7, 9, "Wave Off!"},     {0.2f, 0, 1.5f, 9, "Wave Off!"},  {0.2f, 0, 4, 5, "Attitude!"},
        {0.2f, 5, 4, 9, ""},              {0.2f, 0, 4, 13, ""},
    };
    for (const auto& c : cases) {
        atc.ball_called = 1;
        EXPECT_EQ(call(c.d, c.off, c.g, c.aoa), c.said) << c.d << " nm, " << c.off << " off, " << c.g << " up, "
                                                         << c.aoa << " aoa";
    }
}

// Just inside each edge of the watched cone the approach goes on; just
// outside it nothing is said and the ball call is reset.
TEST_F(Officer, TheWatchedConesEdges)
{
    struct {
        float d, off, g, hdg;
        int watched;
    } cases[] = {
        {2, 14.9f, 4, 0, 1},   {2, 15.1f, 4, 0, 0},   {2, -14.9f, 4, 0, 1}, {2, -15.1f, 4, 0, 0},
        {2, 0, 4, 14.9f, 1},   {2, 0, 4, 15.1f, 0},   {2, 0, 4, -15.1f, 0}, {2, 0, 1.02f, 0, 1},
        {2, 0, 0.98f, 0, 0},   {2, 0, 8.98f, 0, 1},   {2, 0, 9.02f, 0, 0},  {0.101f, 0, 4, 0, 1},
        {0.099f, 0, 4, 0, 0},  {4.99f, 0, 4, 0, 1},   {5.01f, 0, 4, 0, 0},
    };
    for (const auto& c : cases) {
        atc.ball_called = 1;
        std::string said = call(c.d, c.off, c.g, 9, c.hdg);
        EXPECT_EQ(atc.ball_called, c.watched) << c.d << " nm, " << c.off << " off, " << c.g << " up, hdg " << c.hdg;
        if (!c.watched) {
            EXPECT_EQ(said, "");
        }
    }
}

// Whatever the view, and with the carrier not drawn, the officer watches the
// aircraft's eye, not the camera.
TEST_F(Officer, WatchesTheAircraftNotTheCamera)
{
    set.view_id = view_chase;
    con.VIEW_xyz[0] = 5000, con.VIEW_xyz[1] = 3000, con.VIEW_xyz[2] = -9000;
    for (float& d : atc.deck_rel) d = 9.9e9f;   // the carrier was culled
    EXPECT_EQ(call(2, 0, 4), ball_call);
    // The eye 10 m above the aircraft's centre: at 0.2 nm its glide angle
    // is higher by about 1.5 degrees.
    pln[0].peY = 10;
    atc.ball_called = 1;
    EXPECT_EQ(call(0.2f, 0, 3), "") << "the eye on the glide path";
    EXPECT_EQ(call(0.2f, 0, 5), "Wave Off!") << "the centre on it, the eye high";
}

// The deck heading in whole degrees, truncated, and west of north wrapped.
TEST_F(Officer, TheBallCallNamesTheDeckHeadingOfTheCarrier)
{
    struct {
        float carrier;
        const char* heading;
    } cases[] = {{100.7f, "0 9 2"}, {5, "3 5 7"}};
    for (const auto& c : cases) {
        env.ship_hdg[0] = c.carrier;
        float deck = c.carrier - 8;
        float ref[3];
        carrier_reference_point(ref);
        float m = 2 * con.nmtomtrs, b = deck * con.degtorad;
        flt.pos_x[0] = ref[0] - m * sinf(b);
        flt.pos_z[0] = ref[2] + m * cosf(b);
        flt.pos_y[0] = ref[1] + m * tanf(4 * con.degtorad);
        flt.psi[0] = deck;
        atc.ball_called = 0;
        LSO_respond();
        EXPECT_EQ(std::string(atc.ctrl_text), std::string("Call the ball, I L S 1 0 8 point 0 0, heading ") + c.heading)
            << c.carrier;
    }
}
