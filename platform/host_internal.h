// What the host's own files share and nothing above the host sees.
#pragma once

// The speech engine's samples into the mixer's speech stream (mono 16-bit at
// rate samples a second); from the engine's thread, under the mixer's lock.
// Dropped while the mixer is closed, and past what the stream holds.
void host_audio_speech_pcm(const short* pcm, int n, int rate);
// Empties the speech stream.
void host_audio_speech_clear(void);
