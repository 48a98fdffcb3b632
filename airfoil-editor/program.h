// What makes the shared library Foilwright's: the choices each program makes
// once, read by the library's start-up and picture loader.
#pragma once

const char* const program_name = "Foilwright";
const char* const prefs_file_name = "";                // Foilwright keeps no preferences
const char* const picture_folder = "FoilWrt/";         // under "bitmaps/"
