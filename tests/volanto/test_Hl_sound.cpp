// Sound: the host's mixer taken without a device (resampling, gain, loops and
// one-shots), the WAV reader with every fault it must catch, and the pitch
// and loudness of the slots and loops.
#include <gtest/gtest.h>

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Hl_sound.h"
#include "records.h"
#include "host_test.h"
#include "test_support.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// ---- WAV bytes -----------------------------------------------------------

static std::string u32le(uint32_t v)
{
    std::string s;
    for (int i = 0; i < 4; i++) s += (char)((v >> (8 * i)) & 255);
    return s;
}

static std::string u16le(unsigned v) { return std::string(1, (char)(v & 255)) + (char)((v >> 8) & 255); }

static std::string fmt_record(unsigned tag, unsigned channels, uint32_t rate, unsigned bits)
{
    unsigned align = channels * bits / 8;
    return u16le(tag) + u16le(channels) + u32le(rate) + u32le(rate * align) + u16le(align) + u16le(bits);
}

// The extensible record: the plain one under tag 0xfffe, then 22 bytes more,
// valid bits, channel mask and the sub-format, which begins with the plain
// tag of its kind of samples.
static std::string extensible_record(unsigned sub_tag, unsigned channels, uint32_t rate, unsigned bits)
{
    return fmt_record(0xfffe, channels, rate, bits) + u16le(22) + u16le(bits) + u32le(channels == 2 ? 3 : 4) +
           u16le(sub_tag) + std::string("\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71", 14);
}

static std::string chunk(const char* id, const std::string& body)
{
    return std::string(id, 4) + u32le((uint32_t)body.size()) + body;
}

static std::string riff(const std::string& inside)
{
    return "RIFF" + u32le((uint32_t)inside.size() + 4) + "WAVE" + inside;
}

// 16-bit mono frames of the given values.
static std::string pcm16(const std::vector<int>& v)
{
    std::string s;
    for (int x : v) s += u16le((unsigned)(uint16_t)(int16_t)x);
    return s;
}

static std::string wav16(int frames)
{
    std::vector<int> v(frames);
    for (int i = 0; i < frames; i++) v[i] = i * 10;
    return riff(chunk("fmt ", fmt_record(1, 1, 22050, 16)) + chunk("data", pcm16(v)));
}

// ---- the mixer -----------------------------------------------------------

static host_wave_format mono16(int rate) { return host_wave_format{1, 1, rate, 2, 16}; }

static std::vector<short> render(int frames)
{
    std::vector<short> out(frames);
    host_audio_render(out.data(), frames);
    return out;
}

// Each test runs in its own process, so the mixer starts empty.
class Mixer : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_audio_close();   // no voices left over when the tests share a process
        host_test_audio_rate(44100);
    }
    void TearDown() override { host_audio_close(); }
    void load(int slot, const std::vector<int>& v, int rate)
    {
        std::string bytes = pcm16(v);
        host_wave_format f = mono16(rate);
        ASSERT_EQ(host_voice_load(slot, &f, bytes.data(), (unsigned)bytes.size()), 1);
    }
};

TEST_F(Mixer, StepsThroughTheVoiceAtAskedOverOutputRate)
{
    std::vector<int> ramp(64);
    for (int i = 0; i < 64; i++) ramp[i] = i * 100;
    struct { int hz; double step; } cases[] = {{22050, 0.5}, {44100, 1.0}, {88200, 2.0}, {11025, 0.25}};
    for (auto& c : cases) {
        load(0, ramp, 22050);   // the file's own rate does not matter once a frequency is asked
        ASSERT_EQ(host_voice_freq(0, c.hz), 1);
        host_voice_play(0, 0);
        std::vector<short> out = render(20);
        for (int i = 0; i < 20; i++) EXPECT_NEAR(out[i], 100 * i * c.step, 0.5) << c.hz << " Hz, frame " << i;
    }
}

TEST_F(Mixer, GainComesFromHundredthsOfADecibel)
{
    struct { int cb; double gain; } cases[] = {{0, 1.0}, {-2000, 0.1}, {-5000, 0.0031623}, {-10000, 1e-5}, {300, 1.0}};
    for (auto& c : cases) {
        load(0, std::vector<int>(8, 30000), 44100);
        host_voice_volume(0, c.cb);
        host_voice_play(0, 1);
        short s = render(1)[0];
        EXPECT_NEAR(s, 30000 * c.gain, 0.6) << c.cb;
    }
    // -5000 is quiet but not silent.
    load(0, std::vector<int>(8, 30000), 44100);
    host_voice_volume(0, -5000);
    host_voice_play(0, 1);
    EXPECT_EQ(render(1)[0], 95);
}

TEST_F(Mixer, OneShotStopsAtItsEndAndRewinds)
{
    std::vector<int> v = {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000};
    load(3, v, 44100);
    host_voice_play(3, 0);
    std::vector<short> out = render(15);
    for (int i = 0; i < 10; i++) EXPECT_EQ(out[i], v[i]);
    for (int i = 10; i < 15; i++) EXPECT_EQ(out[i], 0) << "frame " << i;
    host_test_voice st = host_test_voice_state(3);
    EXPECT_EQ(st.playing, 0);
    EXPECT_EQ(st.position, 0.0);
    // Played again it sounds whole, not silent.
    host_voice_play(3, 0);
    out = render(10);
    for (int i = 0; i < 10; i++) EXPECT_EQ(out[i], v[i]);
}

TEST_F(Mixer, LoopWrapsAndReadsAcrossItsJoin)
{
    std::vector<int> v = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    load(1, v, 44100);
    host_voice_play(1, 1);
    std::vector<short> out = render(25);
    for (int i = 0; i < 25; i++) EXPECT_EQ(out[i], v[i % 10]) << "frame " << i;
    EXPECT_EQ(host_test_voice_state(1).playing, 1);
    // At half speed the step from the last frame back to the first is read on the line between them.
    ASSERT_EQ(host_voice_freq(1, 22050), 1);
    out = render(20);   // from position 5 in half steps
    EXPECT_EQ(out[8], 900);   // position 9
    EXPECT_EQ(out[9], 450);   // position 9.5: halfway from the last frame to the first
    EXPECT_EQ(out[10], 0);
}

TEST_F(Mixer, PlayKeepsThePositionAndStopHoldsIt)
{
    std::vector<int> v = {10, 20, 30, 40, 50, 60, 70, 80};
    load(2, v, 44100);
    host_voice_play(2, 0);
    render(3);
    host_voice_play(2, 1);   // already playing: only the loop flag changes
    EXPECT_EQ(render(1)[0], 40);
    host_voice_stop(2);
    EXPECT_EQ(render(2)[0], 0);
    host_voice_play(2, 1);
    EXPECT_EQ(render(1)[0], 50);
}

TEST_F(Mixer, VoicesAddAndClipAtTheSampleRange)
{
    load(0, std::vector<int>(4, 20000), 44100);
    load(1, std::vector<int>(4, 20000), 44100);
    load(2, std::vector<int>(4, -5000), 44100);
    host_voice_play(0, 1);
    host_voice_play(2, 1);
    EXPECT_EQ(render(1)[0], 15000);
    host_voice_play(1, 1);
    host_voice_stop(2);
    EXPECT_EQ(render(1)[0], 32767);
}

TEST_F(Mixer, TakesOnlyTheFormatsItPlays)
{
    std::string bytes(64, '\x80');
    struct { host_wave_format f; int taken; int frames; int first; } cases[] = {
        {{1, 1, 22050, 1, 8}, 1, 64, 0},        // 8-bit unsigned: 128 is silence
        {{1, 2, 22050, 4, 16}, 1, 16, 0},       // stereo 16-bit
        {{1, 1, 22050, 2, 16}, 1, 32, 0},
        {{1, 1, 22050, 3, 24}, 0, 0, 0},        // 24-bit
        {{1, 3, 22050, 6, 16}, 0, 0, 0},        // three channels
        {{1, 2, 22050, 2, 16}, 0, 0, 0},        // block alignment that does not match
        {{1, 1, 0, 2, 16}, 0, 0, 0},            // no rate
        {{3, 1, 22050, 4, 32}, 0, 0, 0},        // floats
    };
    for (auto& c : cases) {
        EXPECT_EQ(host_voice_load(5, &c.f, bytes.data(), (unsigned)bytes.size()), c.taken) << c.f.bits << "/" << c.f.channels;
        if (c.taken) {
            EXPECT_EQ(host_test_voice_state(5).frames, c.frames);
        }
    }
    // A data size that is not whole frames is cut to whole frames; less than one frame is nothing.
    host_wave_format f = mono16(22050);
    EXPECT_EQ(host_voice_load(5, &f, bytes.data(), 7), 1);
    EXPECT_EQ(host_test_voice_state(5).frames, 3);
    EXPECT_EQ(host_voice_load(5, &f, bytes.data(), 1), 0);
}

TEST_F(Mixer, EightBitAndStereoComeOutAsSignedMono)
{
    std::string eight("\xff\x00\x80", 3);
    host_wave_format f8 = {1, 1, 44100, 1, 8};
    ASSERT_EQ(host_voice_load(0, &f8, eight.data(), 3), 1);
    host_voice_play(0, 0);
    std::vector<short> out = render(3);
    EXPECT_EQ(out[0], 127 * 256);
    EXPECT_EQ(out[1], -128 * 256);
    EXPECT_EQ(out[2], 0);

    std::string stereo = pcm16({1000, 3000, -2000, 0});
    host_wave_format f2 = {1, 2, 44100, 4, 16};
    ASSERT_EQ(host_voice_load(0, &f2, stereo.data(), (unsigned)stereo.size()), 1);
    host_voice_play(0, 0);
    out = render(2);
    EXPECT_EQ(out[0], 2000);
    EXPECT_EQ(out[1], -1000);
}

// ---- the slots -----------------------------------------------------------

// An aircraft "Trainer.acf" in the scratch folder, which is also the program
// folder with its "sounds"; the device is the silent sink.
class Sound : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        ogl_ready = 0;
        dir = test_scratch_folder();
        snprintf(app_path, sizeof app_path, "%s", dir.c_str());
        snprintf(pln[0].C_path, sizeof pln[0].C_path, "%sTrainer.acf", dir.c_str());
        std::filesystem::create_directories(dir + "sounds");
        MACIBM_set_constants();
        host_test_audio_no_device(1);
        host_test_audio_rate(22050);
        dispose_sound();
        ASSERT_EQ(init_sound(), 1);
        msc.snd_ok = 1;
        msc.sound_on = 1;
        set.view_id = 500;
        pln[0].entype = 1;
        pln[0].numen = 1;
        pln[0].is_heli = 0;
        pln[0].Vne = 160;
        pln[0].pmax = 160 * con.hptowatt;
        pln[0].gearrat = 1;
    }
    void TearDown() override { dispose_sound(); }
    void put(const std::string& name, const std::string& bytes) { write_file(dir + "sounds/" + name, bytes); }
    void fill_first_slots(void)
    {
        put("eng1.WAV", wav16(40));
        put("wind.WAV", wav16(40));
        put("rain.WAV", wav16(40));
        for (int s = 0; s < 3; s++) fill_buffer(s);
    }
    static host_test_voice slot(int s) { return host_test_voice_state(s); }
};
using SoundDeathTest = Sound;

TEST_F(Sound, TheAircraftsOwnFileComesFirstThenTheEngineFallback)
{
    write_file(dir + "Trainer engn.WAV", wav16(100));
    put("eng1.WAV", wav16(50));
    fill_buffer(0);
    EXPECT_EQ(slot(0).frames, 100);
    EXPECT_EQ(buffers_filled, 1);
    remove((dir + "Trainer engn.WAV").c_str());
    fill_buffer(0);
    EXPECT_EQ(slot(0).frames, 50);
}

TEST_F(Sound, EngineFallbackByEngineTypeAndHelicopter)
{
    for (int k = 1; k <= 5; k++) put("eng" + std::to_string(k) + ".WAV", wav16(10 * k));
    struct { int entype, heli, file; } cases[] = {
        {1, 0, 1}, {2, 0, 1}, {3, 0, 2}, {4, 0, 3}, {5, 0, 3}, {6, 0, 3}, {0, 0, 1}, {7, 0, 1},
        {1, 1, 4}, {2, 1, 4}, {3, 1, 5}, {4, 1, 1}, {6, 1, 1}, {9, 1, 1},
    };
    for (auto& c : cases) {
        pln[0].entype = c.entype;
        pln[0].is_heli = c.heli;
        fill_buffer(0);
        EXPECT_EQ(slot(0).frames, 10 * c.file) << "type " << c.entype << (c.heli ? " helicopter" : "");
    }
}

TEST_F(Sound, FormatChunkLongerThanTheRecordIsSkippedAndOtherChunksPassed)
{
    std::string fmt40 = fmt_record(1, 1, 11025, 16) + u16le(22) + std::string(22, 'x');
    put("wind.WAV", riff(chunk("fmt ", fmt40) + chunk("LIST", "INFOabcd") + chunk("data", pcm16({1, 2, 3}))));
    fill_buffer(1);
    EXPECT_EQ(slot(1).frames, 3);
    EXPECT_EQ(slot(1).hz, 11025);
    // The name is found whatever its case on disk.
    remove((dir + "sounds/wind.WAV").c_str());
    put("WIND.wav", wav16(7));
    fill_buffer(1);
    EXPECT_EQ(slot(1).frames, 7);
}

// Chunks are walked by their sizes: the word "data" in a comment is no data
// chunk, and an odd-sized chunk is followed by its pad byte.
TEST_F(Sound, ChunksAreWalkedByTheirSizes)
{
    std::string fmt = chunk("fmt ", fmt_record(1, 1, 22050, 16));
    std::string data = chunk("data", pcm16({5, 6, 7}));
    std::string info = chunk("LIST", "INFOICMT" + u32le(12) + "data of mine");
    struct { const char* what; std::string inside; } cases[] = {
        {"comment between format and data", fmt + info + data},
        {"comment before the format", info + fmt + data},
        {"odd chunks and their pads", chunk("junk", "odd") + '\0' + fmt + chunk("LIST", "INFOx") + '\0' + data},
        {"odd format record", chunk("fmt ", fmt_record(1, 1, 22050, 16) + "x") + '\0' + data},
    };
    for (auto& c : cases) {
        put("wind.WAV", riff(c.inside));
        fill_buffer(1);
        EXPECT_EQ(slot(1).frames, 3) << c.what;
        EXPECT_EQ(slot(1).hz, 22050) << c.what;
        host_voice_play(1, 0);
        std::vector<short> out(3);
        host_audio_render(out.data(), 3);
        EXPECT_EQ(out, (std::vector<short>{5, 6, 7})) << c.what;
    }
}

// Tools write stereo in the extensible format; with PCM under it the file
// plays as its plain twin does.
TEST_F(Sound, ExtensiblePcmPlaysAsPlainPcm)
{
    std::string frames = pcm16({1000, 3000, -2000, 0, 500, 700});
    put("wind.WAV", riff(chunk("fmt ", fmt_record(1, 2, 22050, 16)) + chunk("data", frames)));
    put("rain.WAV", riff(chunk("fmt ", extensible_record(1, 2, 22050, 16)) + chunk("data", frames)));
    fill_buffer(1);
    fill_buffer(2);
    host_test_voice plain = slot(1), ext = slot(2);
    EXPECT_EQ(ext.loaded, 1);
    EXPECT_EQ(ext.frames, plain.frames);
    EXPECT_EQ(ext.channels, 2);
    EXPECT_EQ(ext.hz, plain.hz);
    std::vector<short> heard[2];
    for (int k = 0; k < 2; k++) {
        host_voice_play(1 + k, 0);
        heard[k].resize(3);
        host_audio_render(heard[k].data(), 3);
    }
    EXPECT_EQ(heard[0], (std::vector<short>{2000, -1000, 600}));
    EXPECT_EQ(heard[1], heard[0]);
}

TEST_F(Sound, NothingLoadsWithoutTheDevice)
{
    dispose_sound();
    put("wind.WAV", wav16(10));
    fill_buffer(1);
    EXPECT_EQ(slot(1).loaded, 0);
    EXPECT_EQ(buffers_filled, 0);
}

TEST_F(SoundDeathTest, SlotOutsideTheTableEndsTheProgramWithItsNumber)
{
    for (int bad : {23, -1}) {
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                fill_buffer(bad);
            },
            ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(error_out(), "Requested sound out of range!\n\n\n" + std::to_string(bad) + "\nend simulation\n");
    }
}

// Each file is cut or bent in one way; each gives its own alert with the
// file's path, and none is read past its end.
TEST_F(SoundDeathTest, EveryFaultOfTheFileHasItsAlert)
{
    std::string fmt = chunk("fmt ", fmt_record(1, 1, 22050, 16));
    std::string data = chunk("data", pcm16({1, 2, 3, 4}));
    std::string whole = riff(fmt + data);
    const char* need = "We need 8- or 16-bit sound, mono or stereo.";
    struct { const char* what; std::string bytes; const char* alert; const char* line3 = ""; } cases[] = {
        {"not RIFF", "RIFX" + whole.substr(4), "This is not a RIFF file."},
        {"empty", "", "This is not a RIFF file."},
        {"not WAVE", "RIFF" + u32le(40) + "AVI " + fmt + data, "This is not a WAVE file."},
        {"no format chunk", "RIFF" + u32le(20) + "WAVE" + data, "WAVE file has no fmt chunk."},
        {"cut in the format size", "RIFF" + u32le(20) + "WAVEfmt " + "\x10\x00", "Failed to read format size."},
        {"format too short", riff(chunk("fmt ", fmt_record(1, 1, 22050, 16).substr(0, 14)) + data),
         "Failed to read format chunk opening sound."},
        {"format size beyond the file", "RIFF" + u32le(40) + "WAVEfmt " + u32le(1000) + fmt_record(1, 1, 22050, 16),
         "Failed to read format chunk opening sound."},
        {"extended format cut", "RIFF" + u32le(40) + "WAVEfmt " + u32le(40) + fmt_record(1, 1, 22050, 16) + "ab",
         "Failed to read format chunk opening sound."},
        {"float samples", riff(chunk("fmt ", fmt_record(3, 1, 22050, 32)) + data), "The sound file is not a PCM file.", need},
        {"24-bit samples", riff(chunk("fmt ", fmt_record(1, 1, 22050, 24)) + data), "The sound file is not a PCM file.", need},
        {"three channels", riff(chunk("fmt ", fmt_record(1, 3, 22050, 16)) + data), "The sound file is not a PCM file.", need},
        {"extensible floats", riff(chunk("fmt ", extensible_record(3, 2, 22050, 32)) + data),
         "The sound file is not a PCM file.", need},
        {"extensible 24-bit", riff(chunk("fmt ", extensible_record(1, 2, 22050, 24)) + data),
         "The sound file is not a PCM file.", need},
        {"extensible without its sub-format", riff(chunk("fmt ", fmt_record(0xfffe, 2, 22050, 16) + u16le(0)) + data),
         "The sound file is not a PCM file.", need},
        {"no channels", riff(chunk("fmt ", fmt_record(1, 0, 22050, 16)) + data), "The sound file is not a PCM file.", need},
        {"no rate", riff(chunk("fmt ", fmt_record(1, 1, 0, 16)) + data), "Failed to read format chunk opening sound."},
        {"no data chunk", riff(fmt + chunk("LIST", "abcd")), "WAVE file has no data chunk."},
        {"chunk past the file before the format", riff("LIST" + u32le(1000) + fmt + data), "WAVE file has no fmt chunk."},
        {"chunk past the file before the data", riff(fmt + "LIST" + u32le(100) + data), "WAVE file has no data chunk."},
        {"cut in the data size", riff(fmt) + "data\x08", "Failed to read data size."},
        {"empty data", riff(fmt + chunk("data", "")), "The sound-file data chunk has no data."},
        {"data size beyond the file", riff(fmt) + "data" + u32le(0xfffffff0u) + pcm16({1, 2}),
         "Failed to read data chunk opening sound."},
        {"cut inside the data", whole.substr(0, whole.size() - 3), "Failed to read data chunk opening sound."},
    };
    std::string path = dir + "sounds/wind.WAV";
    for (auto& c : cases) {
        put("wind.WAV", c.bytes);
        EXPECT_EXIT(
            {
                err.open("Error.out", std::ios::out | std::ios::trunc);
                fill_buffer(1);
            },
            ::testing::ExitedWithCode(1), "")
            << c.what;
        EXPECT_EQ(error_out(), std::string(c.alert) + "\n" + path + "\n" + c.line3 + "\n\nend simulation\n") << c.what;
    }
}

TEST_F(SoundDeathTest, MissingFileAndUnplayableFormatAreFatal)
{
    EXPECT_EXIT(
        {
            err.open("Error.out", std::ios::out | std::ios::trunc);
            fill_buffer(5);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(error_out(), "Cannot open sound file!\n" + dir + "sounds/thun.WAV\n\n\nend simulation\n");

    // A block alignment that does not match is left to the mixer, which names no file.
    std::string misaligned = u16le(1) + u16le(2) + u32le(22050) + u32le(88200) + u16le(2) + u16le(16);
    put("thun.WAV", riff(chunk("fmt ", misaligned) + chunk("data", std::string(8, 'a'))));
    EXPECT_EXIT(
        {
            err.open("Error.out", std::ios::out | std::ios::trunc);
            fill_buffer(5);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(error_out(), "Direct Sound Buffer Creation Failed\n\n\n5\nend simulation\n");
}

// ---- tuning --------------------------------------------------------------

TEST_F(Sound, FrequencyAndVolumeCurvesAndTheirClamps)
{
    fill_first_slots();
    struct { float pitch, loud; int hz, cb; } cases[] = {
        {1, 1, 22050, -907},          // 5000 x (1 - sqrt 0.67) below full
        {2, 0.5f, 44100, -2106},
        {0, 0, 100, -5000},
        {0.001f, 0.0001f, 100, -4959},
        {10, 5, 100000, 0},           // 220500 Hz and above full are clamped
        {-1, -1, 100, -5000},
        {NAN, NAN, 100, -5000},
        {INFINITY, INFINITY, 100000, 0},
    };
    for (auto& c : cases) {
        EXPECT_EQ(set_frq_vol(c.pitch, c.loud, 1), 0);
        EXPECT_EQ(slot(1).hz, c.hz) << c.pitch;
        EXPECT_EQ(slot(1).centibels, c.cb) << c.loud;
    }
}

TEST_F(Sound, PlayStopAndTuneWaitForTheFillAndTheSwitches)
{
    put("wind.WAV", wav16(40));
    play_buffer(1, 1);   // before any fill: nothing
    fill_buffer(1);
    EXPECT_EQ(slot(1).playing, 0);
    msc.sound_on = 0;
    play_buffer(1, 1);
    set_frq_vol(2, 0, 1);
    EXPECT_EQ(slot(1).playing, 0);
    EXPECT_EQ(slot(1).hz, 22050);
    msc.sound_on = 1;
    msc.snd_ok = 0;
    play_buffer(1, 1);
    EXPECT_EQ(slot(1).playing, 0);
    msc.snd_ok = 1;
    play_buffer(1, 1);
    EXPECT_EQ(slot(1).playing, 1);
    EXPECT_EQ(slot(1).looping, 1);
    msc.sound_on = 0;    // the user's switch does not keep a loop from stopping
    stop_buffer(1);
    EXPECT_EQ(slot(1).playing, 0);
}

TEST_F(Sound, OutsideViewsPlayOnlyWhatCarries)
{
    const char* names[sound_slots] = {"engn", "wind", "rain", "stal", "flap", "thun", "gear", "lrun",
                                      "loff", "lwat", "boom", "sink", "pull", "gwrn", "glid", "mini",
                                      "wshr", "caut", "50ft", "25ft", "10ft", "mdot", "mdas"};
    write_file(dir + "Trainer engn.WAV", wav16(20));
    for (int s = 1; s < sound_slots; s++) put(std::string(names[s]) + ".WAV", wav16(20));
    for (int s = 0; s < sound_slots; s++) fill_buffer(s);
    for (int view : {513, 514, 516, 519}) {
        set.view_id = view;
        for (int s = 0; s < sound_slots; s++) {
            stop_buffer(s);
            play_buffer(s, 1);
            int carries = s <= 2 || s == 5 || (s >= 7 && s <= 10);
            EXPECT_EQ(slot(s).playing, carries) << "view " << view << " slot " << s;
        }
    }
    set.view_id = 515;   // not an outside view
    play_buffer(13, 0);
    EXPECT_EQ(slot(13).playing, 1);
    // The stall horn and the flaps are put to full pitch and loudness as they start.
    set_frq_vol(3, 0, 3);
    play_buffer(3, 1);
    EXPECT_EQ(slot(3).hz, 22050);
    EXPECT_EQ(slot(3).centibels, -907);
}

TEST_F(Sound, WindFollowsAirspeedOverNeverExceed)
{
    fill_first_slots();
    struct { float vne, ias; int hz, cb; } cases[] = {
        {160, 160, 22050, -907},   // at Vne: the file's pitch at the full loudness factor
        {160, 80, 11025, -2954},   // r = 0.5, loudness 0.25
        {160, 0, 100, -5000},
        {0, 120, 100, -5000},      // a helicopter without Vne hears no wind, and no NaN
        {-10, 120, 100, -5000},
    };
    for (auto& c : cases) {
        pln[0].Vne = c.vne;
        flt.ias_kts = c.ias;
        maintain_sounds();
        EXPECT_EQ(slot(1).hz, c.hz) << c.vne << " " << c.ias;
        EXPECT_EQ(slot(1).centibels, c.cb) << c.vne << " " << c.ias;
    }
}

TEST_F(Sound, RainFollowsAirspeedAndIntensity)
{
    fill_first_slots();
    flt.ias_kts = 160;
    atm.precip_intensity = 1;
    maintain_sounds();
    EXPECT_EQ(slot(2).hz, 44100);   // k = 2 at Vne
    EXPECT_EQ(slot(2).centibels, 0);
    flt.ias_kts = 0;
    atm.precip_intensity = 0.5f;
    maintain_sounds();
    EXPECT_EQ(slot(2).hz, 5513);    // k = 0.25 at rest
    atm.precip_intensity = 0;
    maintain_sounds();
    EXPECT_EQ(slot(2).centibels, -5000);
}

TEST_F(Sound, OutsideTheLoopsFadeWithDistanceAndShiftWithClosingSpeed)
{
    fill_first_slots();
    set.view_id = 516;
    pln[0].entype = 6;          // fades over 2400 m
    flt.ias_kts = pln[0].Vne;
    atm.a_sound = 340;
    msc.dt = 0.05f;
    // At the aircraft: the full loudness.
    maintain_sounds();
    maintain_sounds();
    EXPECT_EQ(slot(1).hz, 22050);
    EXPECT_EQ(slot(1).centibels, -907);
    // Half the fade distance away and moving off at the speed of sound: a
    // quarter of the loudness, pitch at its lowest.
    con.VIEW_xyz[0] = 1200;
    maintain_sounds();
    EXPECT_EQ(slot(1).hz, 100);
    EXPECT_EQ(slot(1).centibels, intround(-5000 + 5000 * sqrtf(0.25f * 0.67f)));
    // Coming nearer at the speed of sound: twice the pitch.
    con.VIEW_xyz[0] = 1200 - 340 * 0.05f;
    maintain_sounds();
    EXPECT_EQ(slot(1).hz, 44100);
    // At the fade distance or beyond: silent.
    con.VIEW_xyz[0] = 2400;
    maintain_sounds();
    con.VIEW_xyz[0] = 3000;
    maintain_sounds();
    EXPECT_EQ(slot(1).centibels, -5000);
    EXPECT_EQ(slot(0).centibels, -5000);
}

// The first frame of a flight compares with no distance, as the first frame
// of the run does: a new flight does not hear the last one's eye point.
TEST_F(Sound, ANewFlightStartsTheDopplerFromNoDistance)
{
    fill_first_slots();
    set.view_id = 516;
    flt.ias_kts = pln[0].Vne;
    atm.a_sound = 340;
    msc.dt = 0.05f;
    con.VIEW_xyz[0] = 10;
    maintain_sounds();
    maintain_sounds();
    EXPECT_EQ(slot(1).hz, 22050);       // the eye at rest 10 m off: no shift
    clear_flight_state();
    maintain_sounds();
    EXPECT_EQ(slot(1).hz, 9079);        // 10 m from nothing in 0.05 s: 22050 x (1 - 200 / 340)
    maintain_sounds();
    EXPECT_EQ(slot(1).hz, 22050);
}

TEST_F(Sound, EngineLoopPitchAndLoudnessByType)
{
    fill_first_slots();
    con.VIEW_xyz[0] = con.VIEW_xyz[1] = con.VIEW_xyz[2] = 0;
    float rpm = con.rpmtorsc;
    struct { const char* what; int entype, heli, vect; float hp, speed, n1, throttle; int hz, cb; } cases[] = {
        {"piston at 2500 rpm, full throttle", 1, 0, 0, 160, 2500 * rpm, 0, 1, 22050, -907},
        {"piston at 1250 rpm, idle", 2, 0, 0, 160, 1250 * rpm, 0, 0, 11025, -1764},  // loudness 0.625
        {"small engine, reference 7000 rpm", 1, 0, 0, 8, 3500 * rpm, 0, 1, 11025, -1172},
        {"turboprop at 1900 rpm", 3, 0, 0, 900, 1900 * rpm, 0, 0, 22050, -1117},
        {"vectoring turboprop at 500 rpm", 3, 0, 1, 900, 500 * rpm, 0, 0, 22050, -1117},
        {"jet at 25 percent", 4, 0, 0, 0, 0, 25, 0, 11025, -1090},
        {"rocket", 6, 0, 0, 0, 0, 0, 1, 22050, -907},
        {"piston helicopter at 500 rpm", 2, 1, 0, 200, 500 * rpm, 0, 0, 22050, -1011},
        {"turbine helicopter at 400 rpm", 3, 1, 0, 600, 400 * rpm, 0, 1, 22050, -907},
    };
    for (auto& c : cases) {
        pln[0].entype = c.entype;
        pln[0].is_heli = c.heli;
        pln[0].vectEQ = c.vect;
        pln[0].pmax = c.hp * con.hptowatt;
        flt.engine_speed[0] = c.speed;
        flt.jet_n1[0] = c.n1;
        flt.throttle[0] = c.throttle;
        flt.mix_factor[0] = 1;
        maintain_sounds();
        EXPECT_EQ(slot(0).hz, c.hz) << c.what;
        EXPECT_EQ(slot(0).centibels, c.cb) << c.what;
    }
}

TEST_F(Sound, EngineTermsAverageOverTheEnginesAndHeadsetsQuietPistons)
{
    fill_first_slots();
    pln[0].numen = 2;
    float ref = 2500 * con.rpmtorsc;
    flt.engine_speed[0] = ref;
    flt.engine_speed[1] = 0.5f * ref;   // s = 0.75
    flt.throttle[0] = flt.throttle[1] = 1;
    flt.mix_factor[0] = 1;
    flt.mix_factor[1] = 0;               // t = 0.5
    maintain_sounds();
    EXPECT_EQ(slot(0).hz, intround(0.75f * 22050));
    float loud = (0.5f * 0.5f + 0.5f * 0.75f) * 0.5f + 0.5f;
    EXPECT_EQ(slot(0).centibels, intround(-5000 + 5000 * sqrtf(loud * 0.67f)));
    set.snd_headset = 1;
    maintain_sounds();
    EXPECT_EQ(slot(0).centibels, intround(-5000 + 5000 * sqrtf(0.4f * loud * 0.67f)));
    // A helicopter of another engine type keeps whatever the engine had.
    pln[0].is_heli = 1;
    pln[0].entype = 4;
    set_frq_vol(1.5f, 1, 0);
    maintain_sounds();
    EXPECT_EQ(slot(0).hz, 33075);
}

TEST_F(Sound, LoopsStartAsTheAircraftAndWeatherAllow)
{
    fill_first_slots();
    struct { int numen, above; float temp, precip; int engine, rain; } cases[] = {
        {1, 0, 59, 3, 1, 1},
        {0, 0, 59, 3, 0, 1},      // a glider has no engine loop
        {1, 1, 59, 3, 1, 0},      // above the clouds the rain is not heard
        {1, 0, 32, 3, 1, 0},      // snow at freezing and below
        {1, 0, 59, 1, 1, 0},      // no precipitation
    };
    for (auto& c : cases) {
        stop_engine_and_windrain();
        pln[0].numen = c.numen;
        scn.above_clouds = c.above;
        atm.sl_temp = c.temp;
        atm.precip_level = c.precip;
        play_engine_and_windrain();
        EXPECT_EQ(slot(0).playing, c.engine);
        EXPECT_EQ(slot(1).playing, 1);
        EXPECT_EQ(slot(1).looping, 1);
        EXPECT_EQ(slot(2).playing, c.rain);
    }
    stop_engine_and_windrain();
    for (int s = 0; s < 3; s++) EXPECT_EQ(slot(s).playing, 0);
}

TEST(ShippedSounds, EverySlotFileAndEngineFallbackIsThereAt22050Hz)
{
    const char* names[] = {"wind", "rain", "stal", "flap", "thun", "gear", "lrun", "loff", "lwat", "boom",
                           "sink", "pull", "gwrn", "glid", "mini", "wshr", "caut", "50ft", "25ft", "10ft",
                           "mdot", "mdas", "eng1", "eng2", "eng3", "eng4", "eng5"};
    for (const char* n : names) {
        std::string bytes = read_file(std::string(PROGRAM_DIR) + "sounds/" + n + ".WAV");
        ASSERT_GT(bytes.size(), 44u) << n;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << n;
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << n;
        EXPECT_EQ(bytes.substr(20, 16), fmt_record(1, 1, 22050, 16)) << n;
        EXPECT_EQ(bytes.substr(36, 4), "data") << n;
        EXPECT_EQ(bytes.size(), 44u + (unsigned char)bytes[40] + 256u * (unsigned char)bytes[41] +
                                    65536u * (unsigned char)bytes[42]) << n;
    }
}
