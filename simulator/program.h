// What makes the shared library Volanto's: the choices each program makes
// once, read by the library's start-up and picture loader.
#pragma once

const char* const program_name = "Volanto";
const char* const prefs_file_name = "Volanto 5.prf";   // in the configuration folder
const char* const picture_folder = "VolSim/";          // under "bitmaps/"
