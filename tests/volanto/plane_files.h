// The shipped aircraft and the loader's own texts, for the tests that load
// aircraft: its file, changed copies of it, and loading a file into a slot
// under a name.
#pragma once
#include <gtest/gtest.h>

#include "HL_FILE.h"
#include "Hl_types.h"
#include "Initpln.h"
#include "records.h"
#include "test_support.h"

#include <cstdio>
#include <functional>
#include <string>

inline const std::string shipped_folder = std::string(PROGRAM_DIR) + default_plane_folder;
inline const std::string shipped = shipped_folder + default_plane_file;

inline const std::string read_in_alert =
    "An error occurred during read-in of the aircraft file.\n"
    "Either the file has been corrupted, or it is not really an aircraft file.\n";
inline const char* const falls_back = "I will load the default Cessna 172 instead.\n";

// Loads path into slot p as the program does, the caller naming the file.
inline int load_named(int p, const std::string& path = shipped, const char* file = default_plane_file)
{
    snprintf(pln[p].C_path, sizeof pln[p].C_path, "%s", path.c_str());
    snprintf(pln[p].C_file, sizeof pln[p].C_file, "%s", file);
    return load_plane(p);
}

// The shipped aircraft in its file's units (feet, pounds), changed and saved
// here under name (slot 1 is the scratch); its path.
inline std::string plane_variant(const char* name, const std::function<void(planestruct&)>& change)
{
    EXPECT_EQ(read_plane_file(1, shipped.c_str(), 1), 1);
    change(pln[1]);
    EXPECT_EQ(write_plane_file(1, name), 1);
    return std::string(test_scratch_folder()) + name;
}

// The report written to trk so far.
inline std::string plane_report(void)
{
    trk.flush();
    return read_file("Volanto.out");
}
