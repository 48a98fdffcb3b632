// The host's speech: espeak-ng synthesising on its own thread, in retrieval
// mode, so that its samples go into the suite's mixer (one audio device, and
// the silent sink where there is none) rather than to a device of its own.
#include "host.h"
#include "host_internal.h"
#include "host_test.h"

#include <espeak-ng/speak_lib.h>

#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>

// ---- state ---------------------------------------------------------------

enum { engine_untried, engine_up, engine_failed };
static int engine = engine_untried;
static int engine_rate = 0;

// Test hooks: a capture buffer that takes the samples instead of the mixer,
// forced failures, and a gate that holds the engine's thread.
static std::mutex hook_mutex;
static std::condition_variable hook_changed;
static short* capture_out = nullptr;
static int capture_cap = 0, capture_n = 0;
static int open_fails = 0, say_fails = 0, hold = 0;

// ---- engine --------------------------------------------------------------

static void set_hold(int on)
{
    {
        std::lock_guard<std::mutex> lock(hook_mutex);
        hold = on;
    }
    hook_changed.notify_all();
}

// On the engine's thread. A null or empty chunk marks the end of a text.
static int take_samples(short* pcm, int n, espeak_EVENT*)
{
    if (!pcm || n <= 0) return 0;
    std::unique_lock<std::mutex> lock(hook_mutex);
    hook_changed.wait(lock, [] { return !hold; });
    if (capture_out) {
        int room = capture_cap - capture_n;
        int k = n < room ? n : room;
        if (k > 0) memcpy(capture_out + capture_n, pcm, (size_t)k * sizeof(short));
        capture_n += k;
        return 0;
    }
    lock.unlock();
    host_audio_speech_pcm(pcm, n, engine_rate);
    return 0;
}

// The engine's thread must be gone before the program's statics are.
static void stop_engine(void)
{
    if (engine != engine_up) return;
    set_hold(0);
    espeak_Cancel();
    espeak_Terminate();
    engine = engine_failed;
}

static int pick_voice(const char* language, int gender, int age)
{
    espeak_VOICE want;
    memset(&want, 0, sizeof want);
    want.languages = language;
    want.gender = (unsigned char)gender;
    want.age = (unsigned char)age;
    if (espeak_SetVoiceByProperties(&want) == EE_OK) return 1;
    // Any voice of the language's family: "en" for "en-us".
    char family[8];
    int k = 0;
    while (language[k] && language[k] != '-' && k < 7) family[k] = language[k], k++;
    family[k] = 0;
    memset(&want, 0, sizeof want);
    want.languages = family;
    return espeak_SetVoiceByProperties(&want) == EE_OK;
}

int host_speech_open(const char* language, int gender, int age)
{
    if (open_fails || !language) return 0;
    if (engine != engine_untried) return engine == engine_up;
    engine = engine_failed;
    // Without its data the engine would end the program: it must only fail.
    int rate = espeak_Initialize(AUDIO_OUTPUT_RETRIEVAL, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        espeak_Terminate();
        return 0;
    }
    if (!pick_voice(language, gender, age)) {
        espeak_Terminate();
        return 0;
    }
    espeak_SetSynthCallback(take_samples);
    engine_rate = rate;
    engine = engine_up;
    atexit(stop_engine);
    return 1;
}

int host_speech_say(const char* text)
{
    if (engine != engine_up || !text) return 1;
    if (say_fails) return 1;
    size_t size = strlen(text) + 1;
    espeak_ERROR e = espeak_Synth(text, size, 0, POS_CHARACTER, 0, espeakCHARS_AUTO, nullptr, nullptr);
    return e == EE_OK ? 0 : 1;
}

void host_speech_stop(void)
{
    if (engine != engine_up) return;
    set_hold(0);
    espeak_Cancel();
    host_audio_speech_clear();
}

// ---- test hooks ----------------------------------------------------------
#ifdef HOST_TESTING

void host_test_speech_hold(int on) { set_hold(on); }

int host_test_speech_render(const char* text, short* out, int cap)
{
    if (engine != engine_up || !text || !out || cap < 0) return -1;
    espeak_Synchronize();
    {
        std::lock_guard<std::mutex> lock(hook_mutex);
        capture_out = out;
        capture_cap = cap;
        capture_n = 0;
    }
    int queued = espeak_Synth(text, strlen(text) + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO, nullptr, nullptr);
    if (queued == EE_OK) espeak_Synchronize();
    std::lock_guard<std::mutex> lock(hook_mutex);
    capture_out = nullptr;
    return queued == EE_OK ? capture_n : -1;
}

int host_test_speech_rate(void) { return engine == engine_up ? engine_rate : 0; }
void host_test_speech_open_fails(int on) { open_fails = on; }
void host_test_speech_say_fails(int on) { say_fails = on; }

void host_test_speech_wait(void)
{
    if (engine == engine_up) espeak_Synchronize();
}

#endif
