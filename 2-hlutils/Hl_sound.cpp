// Sound output of the simulator over the host's mixer. Only the simulator has
// sound; the other programs link Hl_sound_null.cpp in its place.
//
// Sections: slots and files, reading a WAV file, play/stop/tune, the loops
// tuned each frame, shutdown.
#include "Hl_sound.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "records.h"
#include "host.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

// Each slot plays on the mixer voice of the same number.
static_assert(sound_slots == host_voices, "one mixer voice per sound slot");

int buffers_filled = 0;
static int device_open = 0;               // the device stands for the whole layer

// What the loops keep from frame to frame for one flight, at its start values.
struct sound_flight_state {
    float last_distance = 0;              // eye to aircraft at the last frame; the first compares with 0
};
static sound_flight_state sound_flight;

void clear_sound_flight_state(void) { sound_flight = sound_flight_state(); }

// ---- slots and files -----------------------------------------------------

static const char* const slot_file[sound_slots] = {
    "engn.WAV", "wind.WAV", "rain.WAV", "stal.WAV", "flap.WAV", "thun.WAV",
    "gear.WAV", "lrun.WAV", "loff.WAV", "lwat.WAV", "boom.WAV", "sink.WAV",
    "pull.WAV", "gwrn.WAV", "glid.WAV", "mini.WAV", "wshr.WAV", "caut.WAV",
    "50ft.WAV", "25ft.WAV", "10ft.WAV", "mdot.WAV", "mdas.WAV"};

// The engine file of the "sounds" folder for an aircraft without its own.
static const char* engine_fallback(void)
{
    int type = pln[0].entype;
    if (pln[0].is_heli) {
        if (type == 1 || type == 2) return "eng4.WAV";
        if (type == 3) return "eng5.WAV";
        return "eng1.WAV";
    }
    if (type == 3) return "eng2.WAV";
    if (type >= 4 && type <= 6) return "eng3.WAV";
    return "eng1.WAV";
}

// Opens a path the way the programs name files (the case of the last part
// may differ on disk).
static int open_sound(std::ifstream& in, const char* path)
{
    char real[path_max];
    if (!host_resolve_path(path, real, sizeof real)) return 0;
    in.open(real, std::ios::binary);
    return in.is_open();
}

// ---- reading a WAV file --------------------------------------------------

// Every fault of the file ends the program, with the file's path below the message.
static void sound_fault(const char* message, const char* path)
{
    MACIBM_alert(message, path, "", "", alert_fatal);
}

static int read_u32(std::ifstream& in, uint32_t* v)
{
    unsigned char b[4];
    if (!in.read((char*)b, 4)) return 0;
    *v = (uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24;
    return 1;
}

static unsigned u16_at(const unsigned char* p) { return (unsigned)p[0] | (unsigned)p[1] << 8; }
static uint32_t u32_at(const unsigned char* p) { return (uint32_t)u16_at(p) | (uint32_t)u16_at(p + 2) << 16; }

// Walks the chunks from here to the next one named id, skipping the others
// whole with the pad byte of an odd size: a search of the bytes would stop at
// the same four letters inside a comment. Leaves the stream at the found
// chunk's size; 0 when the file ends first, or a chunk passed over runs past it.
static int find_chunk(std::ifstream& in, const char* id)
{
    char got[4];
    uint32_t size = 0;
    while (in.read(got, 4)) {
        if (memcmp(got, id, 4) == 0) return 1;
        if (!read_u32(in, &size)) return 0;
        std::streamsize skip = (std::streamsize)size + (size & 1);
        in.ignore(skip);
        if (in.gcount() != skip) return 0;
    }
    return 0;
}

void fill_buffer(int slot)
{
    if (slot < 0 || slot >= sound_slots) MACIBM_alert("Requested sound out of range!", "", "", &slot, alert_fatal_number);
    if (!device_open) return;

    // Beside the aircraft first: its path without ".acf", a blank, the slot's name.
    char path[path_max];
    std::ifstream in;
    size_t len = strnlen(pln[0].C_path, sizeof pln[0].C_path);
    if (len >= 4 &&
        snprintf(path, sizeof path, "%.*s %s", (int)(len - 4), pln[0].C_path, slot_file[slot]) < (int)sizeof path)
        open_sound(in, path);
    if (!in.is_open()) {
        const char* name = slot == snd_engine ? engine_fallback() : slot_file[slot];
        int fits = snprintf(path, sizeof path, "%ssounds/%s", app_path, name) < (int)sizeof path;
        if (!fits || !open_sound(in, path)) sound_fault("Cannot open sound file!", path);
    }

    // A RIFF form of kind WAVE, its chunks from byte 12 on; the form's own
    // size is not needed, the chunks are walked to the file's end.
    char form[4];
    if (!in.read(form, 4) || memcmp(form, "RIFF", 4) != 0) sound_fault("This is not a RIFF file.", path);
    in.ignore(4);
    if (!in.read(form, 4) || memcmp(form, "WAVE", 4) != 0) sound_fault("This is not a WAVE file.", path);
    if (!find_chunk(in, "fmt ")) sound_fault("WAVE file has no fmt chunk.", path);

    // The format record: its size comes from the file, so take at most the
    // extensible record's 40 bytes, skip the rest, and refuse one too short
    // to hold channels, rate and block alignment.
    uint32_t fmt_size = 0;
    if (!read_u32(in, &fmt_size)) sound_fault("Failed to read format size.", path);
    unsigned char record[40] = {0};
    uint32_t take = fmt_size < sizeof record ? fmt_size : (uint32_t)sizeof record;
    if (fmt_size < 16 || !in.read((char*)record, take)) sound_fault("Failed to read format chunk opening sound.", path);
    if (fmt_size > take) {
        in.ignore((std::streamsize)(fmt_size - take));
        if (in.gcount() != (std::streamsize)(fmt_size - take)) sound_fault("Failed to read format chunk opening sound.", path);
    }
    if (fmt_size & 1) in.ignore(1);
    host_wave_format fmt;
    fmt.tag = (int)u16_at(record);
    fmt.channels = (int)u16_at(record + 2);
    uint32_t rate = u32_at(record + 4);
    fmt.rate = rate > 0x7fffffffu ? 0 : (int)rate;
    fmt.block_align = (int)u16_at(record + 12);
    fmt.bits = (int)u16_at(record + 14);
    // The extensible record names its kind of samples by a sub-format; PCM
    // under it reads as plain PCM (tools write stereo files this way).
    static const unsigned char pcm_sub_format[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                     0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71};
    if (fmt.tag == 0xfffe && take >= 40 && memcmp(record + 24, pcm_sub_format, 16) == 0) fmt.tag = 1;
    // Only what the mixer plays gets past here, so a refusal names the file.
    if (fmt.tag != 1 || (fmt.bits != 8 && fmt.bits != 16) || fmt.channels < 1 || fmt.channels > 2)
        MACIBM_alert("The sound file is not a PCM file.", path, "We need 8- or 16-bit sound, mono or stereo.", "",
                     alert_fatal);
    if (fmt.rate == 0 || fmt.block_align == 0)
        sound_fault("Failed to read format chunk opening sound.", path);

    if (!find_chunk(in, "data")) sound_fault("WAVE file has no data chunk.", path);
    uint32_t data_size = 0;
    if (!read_u32(in, &data_size)) sound_fault("Failed to read data size.", path);
    if (data_size == 0) sound_fault("The sound-file data chunk has no data.", path);

    // A size beyond the end of the file cannot be read whole: say so before
    // asking for memory it would never fill.
    std::streampos here = in.tellg();
    in.seekg(0, std::ios::end);
    std::streamoff left = in.tellg() - here;
    in.seekg(here);
    if (left < (std::streamoff)data_size) sound_fault("Failed to read data chunk opening sound.", path);
    char* samples = (char*)malloc(data_size);
    if (!samples) sound_fault("Out of memory opening sound.", path);
    if (!in.read(samples, data_size)) {
        free(samples);
        sound_fault("Failed to read data chunk opening sound.", path);
    }
    in.close();

    int taken = host_voice_load(slot, &fmt, samples, data_size);
    free(samples);
    if (!taken) MACIBM_alert("Direct Sound Buffer Creation Failed", "", "", &slot, alert_fatal_number);
    buffers_filled = 1;
}

// ---- play, stop, tune ----------------------------------------------------

static int outside_view(void)
{
    int v = set.view_id;
    return v == 513 || v == 514 || (v >= 516 && v <= 519);
}

static int slot_valid(int slot) { return slot >= 0 && slot < sound_slots; }

void play_buffer(int slot, int loop)
{
    if (!buffers_filled || !msc.snd_ok || !msc.sound_on || !slot_valid(slot)) return;
    // Outside, only what carries that far is heard: engine, wind, rain,
    // thunder, the wheels and water, and the crash.
    int cockpit_only = slot == snd_stall || slot == snd_flaps || slot == snd_gear || slot >= snd_sink_rate;
    if (outside_view() && cockpit_only) return;
    host_voice_play(slot, loop);
    if (slot == snd_stall || slot == snd_flaps) set_frq_vol(1, 1, slot);
}

void stop_buffer(int slot)
{
    if (!buffers_filled || !msc.snd_ok || !slot_valid(slot)) return;
    host_voice_stop(slot);
}

int set_frq_vol(float pitch, float loudness, int slot)
{
    if (!buffers_filled || !msc.snd_ok || !msc.sound_on || !slot_valid(slot)) return 0;
    // Clamped as floats first, so that a wild value never reaches the integer.
    float hz = pitch * 22050.0f;
    if (!(hz >= 100.0f)) hz = 100.0f;
    if (hz > 100000.0f) hz = 100000.0f;
    float cb = -5000.0f + 5000.0f * sqrtf(loudness * 0.67f);
    if (!(cb >= -5000.0f)) cb = -5000.0f;
    if (cb > 0.0f) cb = 0.0f;
    int failed = !host_voice_freq(slot, intround(hz));
    host_voice_volume(slot, intround(cb));
    return failed;
}

// ---- the loops tuned each frame ------------------------------------------

// Reference engine speed (rad/s, or percent N1 for the jets) at which the
// engine file plays at its own pitch.
static float engine_reference(void)
{
    const planestruct& p = pln[0];
    int type = p.entype;
    float rpm;
    if (p.is_heli && type == 3) rpm = 400;
    else if (p.is_heli && (type == 1 || type == 2)) rpm = 500;
    else if (type == 4 || type == 5) return 100;
    else if (type == 3 && p.vectEQ) rpm = 500;
    else if (type == 3) rpm = 1900;
    else rpm = p.pmax * con.watttohp < 10 ? 7000 : 2500;
    return rpm * con.rpmtorsc;
}

static void tune_engine(float p, float v)
{
    const planestruct& a = pln[0];
    int type = a.entype;
    int heli = a.is_heli != 0;
    if (heli && (type < 1 || type > 3)) return;   // no tuning for other helicopters
    int count = heli ? 1 : a.numen;
    if (count < 0) count = 0;
    if (count > plane_engines) count = plane_engines;
    float ref = engine_reference();
    float t = 0, s = 0;
    for (int e = 0; e < count; e++) {
        t += flt.throttle[e] * flt.mix_factor[e];
        float speed = (type == 4 || type == 5) ? flt.jet_n1[e] : flt.engine_speed[e] * a.gearrat;
        if (ref > 0) s += speed / ref;
    }
    if (count > 0) {
        t /= count;
        s /= count;
    }
    float pitch, loud;
    if (heli) {
        pitch = s * p;
        loud = ((0.1f * t + 0.9f * s) * 0.5f + 0.5f) * v;
    } else if (type == 1 || type == 2) {
        pitch = s * p;
        loud = ((0.5f * t + 0.5f * s) * 0.5f + 0.5f) * v;
    } else if (type == 3) {
        pitch = s * p;
        loud = ((0.5f * t + 0.5f * s) * 0.2f + 0.8f) * v;
    } else if (type == 4 || type == 5) {
        pitch = sqrtf(s > 0 ? s : 0) * p;
        loud = ((0.5f * t + 0.5f * s) * 0.1f + 0.9f) * v;
    } else {
        pitch = p;
        loud = (0.5f * t + 0.5f) * v;
    }
    set_frq_vol(pitch, loud, snd_engine);
}

void maintain_sounds(void)
{
    float dx = con.VIEW_xyz[0] - (float)flt.pos_x[0];
    float dy = con.VIEW_xyz[1] - (float)flt.pos_y[0];
    float dz = con.VIEW_xyz[2] - (float)flt.pos_z[0];
    float d = sqrtf(dx * dx + dy * dy + dz * dz);
    float closing = msc.dt > 0 ? (d - sound_flight.last_distance) / msc.dt : 0;
    sound_flight.last_distance = d;

    int type = pln[0].entype;
    float p = 1, v = 1;
    if (outside_view()) {
        float fade = 300;
        if (type == 3) fade = 500;
        else if (type == 5) fade = 700;
        else if (type == 4) fade = 1200;
        else if (type == 6) fade = 2400;
        float near = fltlim(1 - d / fade, 0, 1);
        v = near * near;
        float ratio = atm.a_sound > 0 ? closing / atm.a_sound : 0;
        p = 1 - fltlim(ratio, -1, 1);
    } else if (set.snd_headset && type >= 1 && type <= 3) {
        v = 0.4f;
    }

    // A helicopter may have no never-exceed speed: no wind then, not a NaN.
    float r = pln[0].Vne > 0 ? flt.ias_kts / pln[0].Vne : 0;
    set_frq_vol(r * p, r * r * v, snd_wind);
    float k = (0.5f + 1.5f * r) * atm.precip_intensity;
    set_frq_vol(k * p, k * v, snd_rain);
    if (type != 0) tune_engine(p, v);
}

void play_engine_and_windrain(void)
{
    if (pln[0].numen >= 1) play_buffer(snd_engine, 1);
    play_buffer(snd_wind, 1);
    if (scn.above_clouds == 0 && atm.sl_temp > 32 && atm.precip_level > 1.0f) play_buffer(snd_rain, 1);
}

void stop_engine_and_windrain(void)
{
    stop_buffer(snd_engine);
    stop_buffer(snd_wind);
    stop_buffer(snd_rain);
}

// ---- device and shutdown -------------------------------------------------

int init_sound(void)
{
    device_open = host_audio_open();
    return device_open;
}

void dispose_sound(void)
{
    if (!device_open) return;
    host_audio_close();
    device_open = 0;
    buffers_filled = 0;
}
