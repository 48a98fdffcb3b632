// The motion platform library's stand-in for the tests (msim_stub.cpp):
// the three calls under the names the program looks up, and its log.
#pragma once

extern "C" {
int RNRInit(int arg);
int MSimMove(int roll, int pitch, int heading);
int MSimExit(void);
// Every call so far, one a line: "RNRInit 1", "MSimMove 128 128 128", "MSimExit".
const char* msim_stub_log(void);
}
