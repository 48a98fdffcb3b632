// Writes the shipped sounds into the program folder's "sounds" folder: every
// slot file but the engine's (slot 0 is looked for beside the aircraft and then
// falls back to "eng1.WAV" to "eng5.WAV"), and those five engine files. All are
// synthesised here at 22,050 Hz, 16-bit mono, because the simulator plays
// every slot at pitch x 22,050 Hz whatever the file says. Words are spoken by
// espeak-ng where it is installed, else they become a tone.
//
// Sections: helpers, loops (engines, wind, rain, horns), one-shots, words, main.
//   usage: gen_20_sounds <program folder ending in '/'>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

typedef std::vector<float> wave;

static const int rate = 22050;
static const double two_pi = 6.283185307179586;

// ---- helpers -------------------------------------------------------------

// A fixed noise source, so that every build writes the same files.
static uint32_t noise_state = 0x2545f491u;

static float noise(void)
{
    noise_state ^= noise_state << 13;
    noise_state ^= noise_state >> 17;
    noise_state ^= noise_state << 5;
    return (float)((double)noise_state / 2147483648.0 - 1.0);
}

static int secs(double s) { return (int)(s * rate + 0.5); }

// A tone frequency that fits a whole number of cycles into a loop of n samples,
// so that the loop joins without a click.
static double loop_freq(double hz, int n)
{
    double cycles = floor(hz * n / rate + 0.5);
    if (cycles < 1) cycles = 1;
    return cycles * rate / n;
}

// One-pole low-pass. With wrap set it runs twice round the buffer and keeps
// the second pass, so that a loop's end flows into its start.
static void lowpass(wave& w, double cutoff, int wrap)
{
    double a = 1.0 - exp(-two_pi * cutoff / rate);
    double y = 0;
    int passes = wrap ? 2 : 1;
    for (int p = 0; p < passes; p++)
        for (float& s : w) {
            y += a * (s - y);
            if (p == passes - 1) s = (float)y;
        }
}

static void highpass(wave& w, double cutoff, int wrap)
{
    wave low = w;
    lowpass(low, cutoff, wrap);
    for (size_t i = 0; i < w.size(); i++) w[i] -= low[i];
}

// A damped resonator that rings at hz; excitation in x, result added to out.
// With wrap set it runs twice round the buffer (for loops).
static void resonate(const wave& x, wave& out, double hz, double decay_s, float gain, int wrap)
{
    double r = exp(-1.0 / (decay_s * rate));
    double c = 2 * r * cos(two_pi * hz / rate);
    double y1 = 0, y2 = 0;
    int passes = wrap ? 2 : 1;
    size_t n = x.size();
    for (int p = 0; p < passes; p++)
        for (size_t i = 0; i < n; i++) {
            double y = c * y1 - r * r * y2 + x[i];
            y2 = y1;
            y1 = y;
            if (p == passes - 1) out[i] += (float)(y * gain);
        }
}

static void normalise(wave& w, float peak)
{
    float m = 0;
    for (float s : w) m = fmaxf(m, fabsf(s));
    if (m > 0)
        for (float& s : w) s *= peak / m;
}

// Short fades at both ends of a one-shot, so that it starts and stops cleanly.
static void fade_ends(wave& w, double in_s, double out_s)
{
    int a = secs(in_s), b = secs(out_s);
    int n = (int)w.size();
    for (int i = 0; i < a && i < n; i++) w[i] *= (float)i / a;
    for (int i = 0; i < b && i < n; i++) w[n - 1 - i] *= (float)i / b;
}

// Pulses of height amp at the given spacing, wrapped into the loop.
static void add_pulse(wave& x, int at, float amp, int noise_len)
{
    int n = (int)x.size();
    x[at % n] += amp;
    for (int k = 1; k < noise_len; k++) x[(at + k) % n] += amp * 0.3f * noise() * (1.0f - (float)k / noise_len);
}

static int write_wav(const std::string& path, const wave& w)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return 0;
    uint32_t data = (uint32_t)w.size() * 2;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; i++) out.put((char)((v >> (8 * i)) & 255)); };
    auto u16 = [&](unsigned v) { out.put((char)(v & 255)); out.put((char)((v >> 8) & 255)); };
    out.write("RIFF", 4);
    u32(36 + data);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);                 // PCM
    u16(1);                 // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(data);
    for (float s : w) {
        float c = fmaxf(-1.0f, fminf(1.0f, s));
        u16((unsigned)(uint16_t)(int16_t)lrintf(c * 32767.0f));
    }
    return out.good() ? 1 : 0;
}

// ---- loops ---------------------------------------------------------------

// Exhaust barks: one pulse per firing, every fourth cylinder a little weaker
// and each firing a little uneven, rung through the pipe's resonances.
static void engine_barks(wave& out, int period, int firings, float level)
{
    wave x(out.size(), 0.0f);
    for (int k = 0; k < firings; k++) {
        float amp = 1.0f - ((k % 4) == 1 ? 0.18f : 0.0f) - ((k % 4) == 3 ? 0.08f : 0.0f);
        amp *= 1.0f + 0.1f * noise();
        add_pulse(x, k * period, amp, period / 3);
    }
    wave y(out.size(), 0.0f);
    resonate(x, y, 105, 0.012, 1.0f, 1);
    resonate(x, y, 310, 0.006, 0.7f, 1);
    resonate(x, y, 760, 0.003, 0.35f, 1);
    wave crackle = x;
    highpass(crackle, 1500, 1);
    normalise(y, 1.0f);
    normalise(crackle, 0.25f);
    for (size_t i = 0; i < out.size(); i++) out[i] += level * (y[i] + crackle[i]);
}

// Rotor blades: a low slap per blade pass, with air noise under it.
static void rotor_slaps(wave& out, int period, int passes, float level)
{
    wave x(out.size(), 0.0f);
    for (int k = 0; k < passes; k++) add_pulse(x, k * period, 1.0f + 0.05f * noise(), period / 6);
    wave y(out.size(), 0.0f);
    resonate(x, y, 70, 0.03, 1.0f, 1);
    resonate(x, y, 190, 0.012, 0.6f, 1);
    normalise(y, 1.0f);
    for (size_t i = 0; i < out.size(); i++) out[i] += level * y[i];
}

static void whine(wave& out, double hz, float level)
{
    int n = (int)out.size();
    double f1 = loop_freq(hz, n), f2 = loop_freq(hz * 1.51, n);
    for (int i = 0; i < n; i++)
        out[i] += level * (float)(sin(two_pi * f1 * i / rate) + 0.4 * sin(two_pi * f2 * i / rate));
}

static void air_noise(wave& out, double cutoff, float level)
{
    wave n(out.size());
    for (float& s : n) s = noise();
    lowpass(n, cutoff, 1);
    lowpass(n, cutoff, 1);
    normalise(n, 1.0f);
    for (size_t i = 0; i < out.size(); i++) out[i] += level * n[i];
}

// Piston aeroplane at its reference speed of 2500 rpm: four cylinders, so
// about 83 firings a second.
static wave engine_piston(void)
{
    const int period = 264, firings = 84;
    wave w(period * firings, 0.0f);
    engine_barks(w, period, firings, 1.0f);
    air_noise(w, 600, 0.15f);
    normalise(w, 0.8f);
    return w;
}

// Turboprop at 1900 rpm: the blade-pass buzz of a four-blade propeller over
// the turbine's whine.
static wave engine_turboprop(void)
{
    const int period = 174, passes = 127;
    wave w(period * passes, 0.0f);
    for (int i = 0; i < (int)w.size(); i++) {
        double ph = (double)(i % period) / period;
        w[i] = (float)(0.6 * (1.0 - 2.0 * ph) + 0.4 * sin(two_pi * ph));
    }
    lowpass(w, 900, 1);
    normalise(w, 0.6f);
    whine(w, 2900, 0.12f);
    air_noise(w, 1500, 0.3f);
    normalise(w, 0.8f);
    return w;
}

// Jet: broad roar with the compressor's whine on top.
static wave engine_jet(void)
{
    wave w(rate, 0.0f);
    air_noise(w, 700, 1.0f);
    wave hiss(w.size());
    for (float& s : hiss) s = noise();
    lowpass(hiss, 4000, 1);
    highpass(hiss, 1200, 1);
    normalise(hiss, 0.35f);
    for (size_t i = 0; i < w.size(); i++) w[i] += hiss[i];
    whine(w, 4400, 0.08f);
    whine(w, 2150, 0.05f);
    normalise(w, 0.8f);
    return w;
}

// Piston helicopter: a two-blade rotor at 500 rpm over a piston engine.
static wave engine_piston_heli(void)
{
    const int slap = 1320, passes = 17;
    wave w(slap * passes, 0.0f);
    rotor_slaps(w, slap, passes, 1.0f);
    engine_barks(w, slap / 5, passes * 5, 0.45f);
    air_noise(w, 500, 0.2f);
    normalise(w, 0.8f);
    return w;
}

// Turbine helicopter: a two-blade rotor at 400 rpm with a turbine whine.
static wave engine_turbine_heli(void)
{
    const int slap = 1650, passes = 13;
    wave w(slap * passes, 0.0f);
    rotor_slaps(w, slap, passes, 1.0f);
    whine(w, 3300, 0.08f);
    air_noise(w, 900, 0.35f);
    normalise(w, 0.8f);
    return w;
}

// Rushing air with slow gusts (whole cycles in the loop).
static wave wind_loop(void)
{
    int n = 2 * rate;
    wave w(n, 0.0f);
    air_noise(w, 700, 1.0f);
    highpass(w, 120, 1);
    for (int i = 0; i < n; i++) {
        double t = (double)i / n;
        w[i] *= (float)(1.0 + 0.3 * sin(two_pi * 2 * t) + 0.15 * sin(two_pi * 5 * t + 1.0));
    }
    normalise(w, 0.8f);
    return w;
}

// A soft hiss with many small drops striking the airframe.
static wave rain_loop(void)
{
    int n = 2 * rate;
    wave w(n, 0.0f);
    for (float& s : w) s = noise();
    highpass(w, 2000, 1);
    normalise(w, 0.25f);
    wave drops(n, 0.0f);
    for (int k = 0; k < 900; k++) {
        int at = (int)((noise() * 0.5f + 0.5f) * (n - 1));
        float amp = 0.3f + 0.7f * fabsf(noise());
        for (int j = 0; j < 60; j++) drops[(at + j) % n] += amp * noise() * expf(-j / 12.0f);
    }
    highpass(drops, 800, 1);
    normalise(drops, 0.7f);
    for (int i = 0; i < n; i++) w[i] += drops[i];
    normalise(w, 0.7f);
    return w;
}

// The stall warning's reed horn, a loop of half a second.
static wave stall_horn(void)
{
    int n = rate / 2;
    wave w(n);
    double f = loop_freq(740, n), v = loop_freq(6, n);
    for (int i = 0; i < n; i++) {
        double t = (double)i / rate;
        double s = sin(two_pi * f * t + 0.3 * sin(two_pi * v * t));
        w[i] = (float)tanh(3.0 * s) + 0.15f * noise();
    }
    lowpass(w, 3500, 1);
    normalise(w, 0.7f);
    return w;
}

// The flap motor, looped while the flaps travel.
static wave flap_motor(void)
{
    int n = rate;
    wave w(n, 0.0f);
    double f = loop_freq(380, n), m = loop_freq(24, n);
    for (int i = 0; i < n; i++) {
        double t = (double)i / rate;
        double s = sin(two_pi * f * t) + 0.5 * sin(two_pi * 2 * f * t) + 0.25 * sin(two_pi * 4 * f * t);
        w[i] = (float)(s * (1.0 + 0.2 * sin(two_pi * m * t)));
    }
    normalise(w, 0.5f);
    air_noise(w, 1200, 0.2f);
    normalise(w, 0.6f);
    return w;
}

// ---- one-shots -----------------------------------------------------------

static wave thunder(void)
{
    int n = 5 * rate;
    wave crack(n, 0.0f), rumble(n);
    for (int i = 0; i < secs(0.4); i++) crack[i] = noise() * expf(-i / (float)secs(0.08));
    highpass(crack, 500, 0);
    for (float& s : rumble) s = noise();
    lowpass(rumble, 160, 0);
    lowpass(rumble, 160, 0);
    normalise(rumble, 1.0f);
    normalise(crack, 0.6f);
    wave w(n);
    for (int i = 0; i < n; i++) {
        double t = (double)i / rate;
        double env = (1.0 - exp(-t / 0.15)) * exp(-t / 1.6) * (1.0 + 0.5 * sin(two_pi * 0.9 * t) * sin(two_pi * 0.37 * t));
        w[i] = crack[i] + (float)env * rumble[i];
    }
    fade_ends(w, 0.002, 0.5);
    normalise(w, 0.9f);
    return w;
}

// Hydraulic pump while the gear travels, then the lock's clunk.
static wave gear_motor(void)
{
    int n = 3 * rate, run = secs(2.4);
    wave w(n, 0.0f);
    double ph = 0;
    for (int i = 0; i < run; i++) {
        double f = 290 + 40.0 * i / run;
        ph += two_pi * f / rate;
        w[i] = (float)(0.6 * sin(ph) + 0.25 * sin(2 * ph) + 0.15 * sin(3 * ph));
    }
    wave hiss(n, 0.0f);
    for (int i = 0; i < run; i++) hiss[i] = noise();
    lowpass(hiss, 1500, 0);
    normalise(hiss, 0.3f);
    for (int i = 0; i < run; i++) w[i] = (w[i] + hiss[i]) * (float)fmin(1.0, fmin(i / (0.1 * rate), (run - i) / (0.1 * rate)));
    wave x(n, 0.0f);
    x[secs(2.5)] = 1.0f;
    for (int k = 1; k < 200; k++) x[secs(2.5) + k] = 0.2f * noise();
    wave clunk(n, 0.0f);
    resonate(x, clunk, 95, 0.05, 1.0f, 0);
    resonate(x, clunk, 420, 0.02, 0.5f, 0);
    normalise(clunk, 0.9f);
    for (int i = 0; i < n; i++) w[i] += clunk[i];
    fade_ends(w, 0.01, 0.05);
    normalise(w, 0.8f);
    return w;
}

// Wheels meeting the runway: a thump and the tyres' chirp.
static wave touchdown_runway(void)
{
    int n = secs(0.6);
    wave w(n, 0.0f);
    double ph = 0;
    for (int i = 0; i < n; i++) {
        double t = (double)i / rate;
        ph += two_pi * (1900 - 900 * t) / rate;
        w[i] = (float)((0.5 * sin(ph) + 0.5 * noise()) * exp(-t / 0.12));
    }
    highpass(w, 700, 0);
    wave x(n, 0.0f);
    x[0] = 1.0f;
    resonate(x, w, 70, 0.06, 0.02f, 0);
    fade_ends(w, 0.003, 0.05);
    normalise(w, 0.9f);
    return w;
}

// Wheels on grass or dirt: a dull thump and a rustle.
static wave touchdown_soft(void)
{
    int n = secs(0.7);
    wave w(n, 0.0f), x(n, 0.0f);
    for (int i = 0; i < 300; i++) x[i] = noise() * (1.0f - i / 300.0f);
    resonate(x, w, 55, 0.08, 1.0f, 0);
    normalise(w, 1.0f);
    wave rustle(n);
    for (int i = 0; i < n; i++) rustle[i] = noise() * expf(-i / (float)secs(0.15));
    lowpass(rustle, 2500, 0);
    normalise(rustle, 0.4f);
    for (int i = 0; i < n; i++) w[i] += rustle[i];
    fade_ends(w, 0.002, 0.1);
    normalise(w, 0.9f);
    return w;
}

// Touching down on water: a splash that bubbles away.
static wave touchdown_water(void)
{
    int n = secs(1.4);
    wave w(n);
    for (int i = 0; i < n; i++) {
        double t = (double)i / rate;
        double env = (1.0 - exp(-t / 0.02)) * exp(-t / 0.35) * (1.0 + 0.4 * sin(two_pi * 13 * t));
        w[i] = noise() * (float)env;
    }
    lowpass(w, 2200, 0);
    highpass(w, 150, 0);
    fade_ends(w, 0.002, 0.2);
    normalise(w, 0.9f);
    return w;
}

// The crash: a blast, the rumble after it and metal ringing.
static wave crash(void)
{
    int n = secs(2.5);
    wave blast(n), x(n, 0.0f), metal(n, 0.0f);
    for (int i = 0; i < n; i++) {
        double t = (double)i / rate;
        blast[i] = noise() * (float)exp(-t / 0.5);
    }
    lowpass(blast, 1800, 0);
    for (int k = 0; k < 6; k++) x[secs(0.05 + 0.27 * k)] += 1.0f - 0.12f * k;
    resonate(x, metal, 430, 0.15, 1.0f, 0);
    resonate(x, metal, 690, 0.1, 0.7f, 0);
    resonate(x, metal, 1130, 0.07, 0.5f, 0);
    normalise(metal, 0.4f);
    normalise(blast, 1.0f);
    wave w(n);
    for (int i = 0; i < n; i++) w[i] = blast[i] + metal[i];
    fade_ends(w, 0.001, 0.3);
    normalise(w, 0.95f);
    return w;
}

static wave tone(double hz, double seconds, double square)
{
    int n = secs(seconds);
    wave w(n);
    for (int i = 0; i < n; i++) {
        double s = sin(two_pi * hz * i / rate);
        w[i] = (float)((1 - square) * s + square * tanh(4 * s));
    }
    fade_ends(w, 0.005, 0.005);
    normalise(w, 0.7f);
    return w;
}

// The gear warning: two blasts of a low horn.
static wave gear_horn(void)
{
    wave a = tone(260, 0.35, 0.8), w;
    w.insert(w.end(), a.begin(), a.end());
    w.insert(w.end(), (size_t)secs(0.15), 0.0f);
    w.insert(w.end(), a.begin(), a.end());
    return w;
}

// The caution chime: two struck tones, high then low.
static wave caution_chime(void)
{
    int n = secs(1.2);
    wave w(n, 0.0f);
    for (int i = 0; i < n; i++) {
        double t = (double)i / rate;
        double hi = sin(two_pi * 880 * t) + 0.3 * sin(two_pi * 2640 * t);
        double t2 = t - 0.35;
        double lo = t2 > 0 ? (sin(two_pi * 660 * t2) + 0.3 * sin(two_pi * 1980 * t2)) * exp(-t2 / 0.3) : 0;
        w[i] = (float)(hi * exp(-t / 0.25) + lo);
    }
    fade_ends(w, 0.002, 0.05);
    normalise(w, 0.7f);
    return w;
}

// ---- words ---------------------------------------------------------------

// Reads a PCM file as written by the speech command, as mono floats at our
// rate. 0 when it is not one we understand.
static int read_speech(const std::string& path, wave& out)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || memcmp(&b[0], "RIFF", 4) != 0 || memcmp(&b[8], "WAVE", 4) != 0) return 0;
    auto u32 = [&](size_t at) { return (uint32_t)b[at] | (uint32_t)b[at + 1] << 8 | (uint32_t)b[at + 2] << 16 | (uint32_t)b[at + 3] << 24; };
    auto u16 = [&](size_t at) { return (unsigned)b[at] | (unsigned)b[at + 1] << 8; };
    int channels = 0, srate = 0, bits = 0;
    size_t at = 12;
    while (at + 8 <= b.size()) {
        size_t len = u32(at + 4), body = at + 8;
        if (memcmp(&b[at], "fmt ", 4) == 0 && len >= 16 && body + 16 <= b.size()) {
            if (u16(body) != 1) return 0;
            channels = (int)u16(body + 2);
            srate = (int)u32(body + 4);
            bits = (int)u16(body + 14);
        } else if (memcmp(&b[at], "data", 4) == 0) {
            if (channels < 1 || srate <= 0 || (bits != 8 && bits != 16)) return 0;
            size_t avail = b.size() - body;
            if (len > avail) len = avail;   // a streamed file may not know its length
            int width = bits / 8;
            size_t frames = len / (size_t)(width * channels);
            wave src(frames);
            for (size_t f = 0; f < frames; f++) {
                double sum = 0;
                for (int c = 0; c < channels; c++) {
                    size_t p = body + (f * channels + c) * width;
                    sum += width == 1 ? (b[p] - 128) / 128.0 : (int16_t)u16(p) / 32768.0;
                }
                src[f] = (float)(sum / channels);
            }
            double step = (double)srate / rate;
            size_t n = (size_t)(frames / step);
            out.assign(n, 0.0f);
            for (size_t i = 0; i < n; i++) {
                double pos = i * step;
                size_t k = (size_t)pos;
                double fr = pos - k;
                float a = src[k], c = k + 1 < frames ? src[k + 1] : a;
                out[i] = (float)(a + (c - a) * fr);
            }
            return n > 0;
        }
        at = body + len + (len & 1);
    }
    return 0;
}

static std::string shell_quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// The words in a voice, or a short tone of its own pitch when there is no voice.
static wave words(const std::string& folder, const char* text, double tone_hz)
{
    std::string tmp = folder + ".speech.tmp.wav";
    std::string cmd = "espeak-ng -v en-us -s 165 -w " + shell_quote(tmp) + " " + shell_quote(text) + " >/dev/null 2>&1";
    wave w;
    int ok = std::system(cmd.c_str()) == 0 && read_speech(tmp, w);
    std::remove(tmp.c_str());
    if (!ok) {
        printf("gen_20_sounds: no speech for \"%s\", writing a tone\n", text);
        return tone(tone_hz, 0.6, 0.3);
    }
    // Trim the voice's leading and trailing silence so that a call-out comes on cue.
    size_t first = 0, last = w.size();
    while (first < last && fabsf(w[first]) < 0.01f) first++;
    while (last > first && fabsf(w[last - 1]) < 0.01f) last--;
    wave t(w.begin() + (long)first, w.begin() + (long)last);
    fade_ends(t, 0.003, 0.01);
    normalise(t, 0.85f);
    return t;
}

// ---- main ----------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_20_sounds <program folder ending in '/'>\n");
        return 1;
    }
    std::string folder = std::string(argv[1]) + "sounds/";
    struct item { const char* name; wave w; };
    std::vector<item> items;
    items.push_back({"wind.WAV", wind_loop()});
    items.push_back({"rain.WAV", rain_loop()});
    items.push_back({"stal.WAV", stall_horn()});
    items.push_back({"flap.WAV", flap_motor()});
    items.push_back({"thun.WAV", thunder()});
    items.push_back({"gear.WAV", gear_motor()});
    items.push_back({"lrun.WAV", touchdown_runway()});
    items.push_back({"loff.WAV", touchdown_soft()});
    items.push_back({"lwat.WAV", touchdown_water()});
    items.push_back({"boom.WAV", crash()});
    items.push_back({"sink.WAV", words(folder, "sink rate", 600)});
    items.push_back({"pull.WAV", words(folder, "pull up", 650)});
    items.push_back({"gwrn.WAV", gear_horn()});
    items.push_back({"glid.WAV", words(folder, "glide slope", 700)});
    items.push_back({"mini.WAV", words(folder, "minimums", 750)});
    items.push_back({"wshr.WAV", words(folder, "wind shear", 800)});
    items.push_back({"caut.WAV", caution_chime()});
    items.push_back({"50ft.WAV", words(folder, "fifty", 850)});
    items.push_back({"25ft.WAV", words(folder, "twenty five", 900)});
    items.push_back({"10ft.WAV", words(folder, "ten", 950)});
    items.push_back({"mdot.WAV", tone(1020, 0.1, 0.0)});
    items.push_back({"mdas.WAV", tone(1020, 0.3, 0.0)});
    items.push_back({"eng1.WAV", engine_piston()});
    items.push_back({"eng2.WAV", engine_turboprop()});
    items.push_back({"eng3.WAV", engine_jet()});
    items.push_back({"eng4.WAV", engine_piston_heli()});
    items.push_back({"eng5.WAV", engine_turbine_heli()});
    for (const item& it : items) {
        if (!write_wav(folder + it.name, it.w)) {
            fprintf(stderr, "gen_20_sounds: cannot write %s%s\n", folder.c_str(), it.name);
            return 1;
        }
    }
    return 0;
}
