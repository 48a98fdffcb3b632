// Air traffic control: the controllers' phrases, spoken through the speech
// engine and shown on the ATC line.
#pragma once

int  initspeechsynth(void);             // 1 when the speech engine started; init_gen keeps it in msc.speech_ok
void speakstring(const char* text);     // one controller phrase
