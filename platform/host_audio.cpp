// The host's sound: the suite's own mixer of 23 voices and the speech
// stream. SDL's audio thread pulls mono 16-bit samples from it through the
// callback; without a device the mixer runs into a silent sink (nobody pulls)
// and tests pull it themselves.
//
// Sections: state, voices, speech, mixing, device, test hooks.
#include "host.h"
#include "host_internal.h"
#include "host_test.h"

#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>

// ---- state ---------------------------------------------------------------

struct voice {
    short* pcm;            // frames x channels, 16-bit signed
    int frames;
    int channels;
    int playing, looping;
    int hz;                // frequency asked for
    int centibels;
    float gain;            // 10^(centibels / 2000)
    double position;       // in frames of the voice
};

static voice voices[host_voices];

// The speech engine's samples waiting to be heard, a ring; about 95 s at the
// engine's rate, well over the longest phrase.
const int speech_ring = 1 << 21;
struct speech_stream {
    short pcm[speech_ring];
    int start, count;      // the oldest sample and how many wait
    int rate;              // samples a second
    double frac;           // how far past start the mix has read, 0..1
};
static speech_stream speech;

static SDL_AudioDeviceID device = 0;
static int audio_up = 0;
static int audio_subsystem = 0;
static int mix_rate = 44100;           // output frames per second
static int sink_rate = 44100;          // the rate without a device
static int no_device = 0;
static int open_fails = 0;

// The callback runs on SDL's audio thread and the speech arrives on the
// engine's: every change to a voice or the stream, and every mix, happens
// under this lock, so that none sees half a change. The device is never
// opened or closed while it is held, since closing waits for the callback.
static std::mutex mixer_mutex;

static void lock_mixer(void) { mixer_mutex.lock(); }
static void unlock_mixer(void) { mixer_mutex.unlock(); }

static int slot_ok(int slot) { return slot >= 0 && slot < host_voices; }

// ---- voices --------------------------------------------------------------

int host_voice_load(int slot, const host_wave_format* f, const void* pcm, unsigned bytes)
{
    if (!slot_ok(slot) || !f || !pcm) return 0;
    int width = f->bits / 8;
    if (f->tag != 1 || (f->bits != 8 && f->bits != 16)) return 0;
    if (f->channels != 1 && f->channels != 2) return 0;
    if (f->rate <= 0 || f->block_align != f->channels * width) return 0;
    unsigned frames = bytes / (unsigned)f->block_align;
    if (frames == 0 || frames > 0x7fffffffu / (unsigned)f->channels) return 0;

    size_t count = (size_t)frames * (size_t)f->channels;
    short* data = (short*)malloc(count * sizeof(short));
    if (!data) return 0;
    const unsigned char* b = (const unsigned char*)pcm;
    for (size_t i = 0; i < count; i++) {
        if (width == 1) data[i] = (short)(((int)b[i] - 128) * 256);
        else data[i] = (short)(uint16_t)(b[2 * i] | (b[2 * i + 1] << 8));
    }

    lock_mixer();
    short* old = voices[slot].pcm;
    voice& v = voices[slot];
    v.pcm = data;
    v.frames = (int)frames;
    v.channels = f->channels;
    v.playing = 0;
    v.looping = 0;
    v.hz = f->rate;
    v.centibels = 0;
    v.gain = 1.0f;
    v.position = 0;
    unlock_mixer();
    free(old);
    return 1;
}

void host_voice_play(int slot, int loop)
{
    if (!slot_ok(slot)) return;
    lock_mixer();
    voice& v = voices[slot];
    if (v.pcm) {
        v.playing = 1;
        v.looping = loop != 0;
    }
    unlock_mixer();
}

void host_voice_stop(int slot)
{
    if (!slot_ok(slot)) return;
    lock_mixer();
    voices[slot].playing = 0;
    unlock_mixer();
}

int host_voice_freq(int slot, int hz)
{
    if (!slot_ok(slot) || hz < 100 || hz > 100000) return 0;
    lock_mixer();
    int ok = voices[slot].pcm != nullptr;
    if (ok) voices[slot].hz = hz;
    unlock_mixer();
    return ok;
}

void host_voice_volume(int slot, int centibels)
{
    if (!slot_ok(slot)) return;
    if (centibels > 0) centibels = 0;
    if (centibels < -10000) centibels = -10000;
    float gain = powf(10.0f, centibels / 2000.0f);
    lock_mixer();
    voices[slot].centibels = centibels;
    voices[slot].gain = gain;
    unlock_mixer();
}

static void free_voices(void)
{
    lock_mixer();
    for (voice& v : voices) {
        free(v.pcm);
        v = voice();
    }
    unlock_mixer();
}

// ---- speech --------------------------------------------------------------

void host_audio_speech_pcm(const short* pcm, int n, int rate)
{
    if (!pcm || n <= 0 || rate <= 0) return;
    lock_mixer();
    if (audio_up) {
        speech_stream& q = speech;
        if (q.count == 0) q.frac = 0;
        q.rate = rate;
        int room = speech_ring - q.count;
        if (n > room) n = room;
        for (int i = 0; i < n; i++) q.pcm[(q.start + q.count + i) % speech_ring] = pcm[i];
        q.count += n;
    }
    unlock_mixer();
}

static void clear_speech(void)
{
    speech.start = 0;
    speech.count = 0;
    speech.frac = 0;
}

void host_audio_speech_clear(void)
{
    lock_mixer();
    clear_speech();
    unlock_mixer();
}

// Adds the waiting speech into acc at the mixer's rate, reading between
// samples by straight lines; what is read is gone.
static void mix_speech(float* acc, int frames)
{
    speech_stream& q = speech;
    if (q.count == 0 || q.rate <= 0) return;
    double step = (double)q.rate / (double)mix_rate;
    for (int i = 0; i < frames && q.count > 0; i++) {
        float a = q.pcm[q.start];
        float b = q.count > 1 ? q.pcm[(q.start + 1) % speech_ring] : a;
        acc[i] += a + (b - a) * (float)q.frac;
        q.frac += step;
        int whole = (int)q.frac;
        if (whole > q.count) whole = q.count;
        q.start = (q.start + whole) % speech_ring;
        q.count -= whole;
        q.frac -= whole;
    }
    if (q.count == 0) q.frac = 0;
}

// ---- mixing --------------------------------------------------------------

static float frame_value(const voice& v, int i)
{
    const short* p = v.pcm + (size_t)i * v.channels;
    return v.channels == 2 ? 0.5f * ((float)p[0] + (float)p[1]) : (float)p[0];
}

// Adds one voice into acc, reading between frames by straight lines. A loop
// reads across its end into its start; a one-shot that runs out stops and
// rewinds, so that the next play sounds it whole again.
static void mix_voice(voice& v, float* acc, int frames)
{
    if (!v.playing || !v.pcm || v.frames <= 0) return;
    double step = (double)v.hz / (double)mix_rate;
    double end = (double)v.frames;
    for (int i = 0; i < frames; i++) {
        if (v.position >= end) {
            if (!v.looping) {
                v.playing = 0;
                v.position = 0;
                return;
            }
            v.position = fmod(v.position, end);
        }
        int k = (int)v.position;
        double frac = v.position - k;
        float a = frame_value(v, k);
        float b = a;
        if (k + 1 < v.frames) b = frame_value(v, k + 1);
        else if (v.looping) b = frame_value(v, 0);
        acc[i] += (float)(a + (b - a) * frac) * v.gain;
        v.position += step;
    }
    if (!v.looping && v.position >= end) {
        v.playing = 0;
        v.position = 0;
    }
}

static void mix(short* out, int frames)
{
    const int chunk = 512;
    float acc[chunk];
    while (frames > 0) {
        int n = frames < chunk ? frames : chunk;
        memset(acc, 0, sizeof acc);
        for (voice& v : voices) mix_voice(v, acc, n);
        mix_speech(acc, n);
        for (int i = 0; i < n; i++) {
            float s = acc[i];
            if (s > 32767.0f) s = 32767.0f;
            if (s < -32768.0f) s = -32768.0f;
            out[i] = (short)lrintf(s);
        }
        out += n;
        frames -= n;
    }
}

// ---- device --------------------------------------------------------------

static void audio_callback(void*, Uint8* stream, int len)
{
    lock_mixer();
    mix((short*)stream, len / (int)sizeof(short));
    unlock_mixer();
}

int host_audio_open(void)
{
    if (open_fails) return 0;
    if (audio_up) return 1;
    mix_rate = sink_rate;
    if (!no_device && SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        audio_subsystem = 1;
        SDL_AudioSpec want, have;
        SDL_zero(want);
        want.freq = 44100;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = 1024;
        want.callback = audio_callback;
        device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
        if (device && have.freq > 0) {
            mix_rate = have.freq;
            SDL_PauseAudioDevice(device, 0);
        } else if (device) {
            SDL_CloseAudioDevice(device);
            device = 0;
        }
    }
    lock_mixer();
    audio_up = 1;
    unlock_mixer();
    return 1;
}

void host_audio_close(void)
{
    // The voice first: nothing may arrive for a stream that is gone.
    host_speech_stop();
    if (device) {
        SDL_CloseAudioDevice(device);
        device = 0;
    }
    free_voices();
    if (audio_subsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio_subsystem = 0;
    lock_mixer();
    audio_up = 0;
    clear_speech();
    unlock_mixer();
    mix_rate = sink_rate;
}

// ---- test hooks ----------------------------------------------------------
#ifdef HOST_TESTING

void host_audio_render(short* out, int frames)
{
    if (!out || frames <= 0) return;
    lock_mixer();
    mix(out, frames);
    unlock_mixer();
}

void host_test_audio_rate(int hz)
{
    if (hz <= 0) return;
    sink_rate = hz;
    if (!device) mix_rate = hz;
}

void host_test_audio_no_device(int on) { no_device = on; }
void host_test_audio_open_fails(int on) { open_fails = on; }

host_test_voice host_test_voice_state(int slot)
{
    host_test_voice t = {};
    if (!slot_ok(slot)) return t;
    lock_mixer();
    const voice& v = voices[slot];
    t.loaded = v.pcm != nullptr;
    t.frames = v.frames;
    t.channels = v.channels;
    t.playing = v.playing;
    t.looping = v.looping;
    t.hz = v.hz;
    t.centibels = v.centibels;
    t.position = v.position;
    unlock_mixer();
    return t;
}

#endif
