// A WAV file through fill_buffer as the wind loop's file beside the user's
// aircraft, then mixed by the host's mixer into the silent sink: looped at
// its own pitch, fast and quiet, then once through slowly.
#include "fuzz_support.h"
#include "test_support.h"
#include "HL_MNW.h"
#include "Hl_sound.h"
#include "host_test.h"
#include "records.h"

#include <cstdio>
#include <string>

static std::string wav_path;

void fuzz_setup(void)
{
    snprintf(app_path, path_max, "%s", PROGRAM_DIR);
    // The slot's file is looked for beside the aircraft first.
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%sfuzz.acf", test_scratch_folder());
    wav_path = std::string(test_scratch_folder()) + "fuzz wind.WAV";
    host_test_audio_no_device(1);
    init_sound();
    msc.snd_ok = 1;
    msc.sound_on = 1;
    set.view_id = 0;
}

static void render(int frames)
{
    static short out[4096];
    host_audio_render(out, frames);
}

int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_write(wav_path.c_str(), data, size);
    if (!survives([] { fill_buffer(snd_wind); })) return 0;
    play_buffer(snd_wind, 1);
    render(1024);
    set_frq_vol(4.5f, 0.3f, snd_wind);
    render(4096);
    stop_buffer(snd_wind);
    set_frq_vol(0.01f, 1.0f, snd_wind);
    play_buffer(snd_wind, 0);
    render(2048);
    stop_buffer(snd_wind);
    return 0;
}
