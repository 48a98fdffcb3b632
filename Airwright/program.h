// What makes the shared library Airwright's: the choices each program makes
// once, read by the library's start-up and picture loader.
#pragma once

const char* const program_name = "Airwright";
const char* const prefs_file_name = "Airwright.prf";
const char* const picture_folder = "AirWrght/";        // under "bitmaps/"
