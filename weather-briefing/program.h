// What makes the shared library Skycaster's: the choices each program makes
// once, read by the library's start-up and picture loader.
#pragma once

const char* const program_name = "Skycaster";
const char* const prefs_file_name = "Volanto 5.prf";   // the simulator's, read and never written
const char* const picture_folder = "Skycaster/";       // under "bitmaps/"
