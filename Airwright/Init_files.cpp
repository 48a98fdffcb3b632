// Airwright's files: the aircraft file (Save, Save As, Open and the
// question before a design is lost), the airfoils' thickness and the
// preferences "Airwright.prf".
//   the question before a design is lost
//   saving
//   opening
//   airfoil thickness
//   preferences
#include "Init.h"
#include "UPDATA.h"
#include "../simulator/Drplane.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"

#include <cmath>
#include <cstdio>
#include <cstring>

const int prefs_version = 511;

// ---- the question before a design is lost -----------------------------------------

int do_new_thing(void)
{
    if (!msc.dirty) return 1;
    switch (init_calls.MACIBM_nuke_alert(pln[0].C_file)) {
    case nuke_save:
        // Only a design on the disk may go: a cancelled or failed save
        // stops the command that asked.
        if (!writeplane(0)) return 0;
        msc.dirty = 0;
        return 1;
    case nuke_discard: return 1;
    default: return 0;
    }
}

// ---- saving ---------------------------------------------------------------------

static const char* const plane_extension = ".acf";

// The save dialog for a name, which it starts on without ".acf" so that a
// long name still fits its typed line whole: into file and path with ".acf"
// added unless it is there. 0 when cancelled, or after a notice when the
// name will not do.
static int ask_plane_name(char* file, char* path)
{
    if (name_ends_in(file, plane_extension)) file[strlen(file) - strlen(plane_extension)] = 0;
    if (!init_calls.MACIBM_opensave(win_save, kind_aircraft, file, path)) return 0;
    // A name typed without the extension would be saved where no dialog
    // shows it again.
    return take_saved_name(file, path, plane_extension, "aircraft");
}

int writeplane(int ask)
{
    planestruct& a = pln[0];
    char file[sizeof a.C_file], path[sizeof a.C_path], name[sizeof a.C_name];
    snprintf(file, sizeof file, "%s", a.C_file);
    snprintf(path, sizeof path, "%s", a.C_path);
    if ((!msc.has_file || ask) && !ask_plane_name(file, path)) return 0;

    // The names go into the file with it; a failed write leaves the design
    // under its old names, as the old file on the disk still is.
    char old_file[sizeof a.C_file], old_path[sizeof a.C_path], old_name[sizeof a.C_name];
    memcpy(old_file, a.C_file, sizeof old_file);
    memcpy(old_path, a.C_path, sizeof old_path);
    memcpy(old_name, a.C_name, sizeof old_name);
    snprintf(name, sizeof name, "%s", file);
    if (name_ends_in(name, plane_extension)) name[strlen(name) - strlen(plane_extension)] = 0;
    snprintf(a.C_file, sizeof a.C_file, "%s", file);
    snprintf(a.C_path, sizeof a.C_path, "%s", path);
    snprintf(a.C_name, sizeof a.C_name, "%s", name);
    if (!write_plane_file(0, a.C_path)) {
        memcpy(a.C_file, old_file, sizeof old_file);
        memcpy(a.C_path, old_path, sizeof old_path);
        memcpy(a.C_name, old_name, sizeof old_name);
        return 0;
    }
    msc.has_file = 1;
    return 1;
}

// ---- opening ----------------------------------------------------------------------

static const char* const design_stays = "The design you had open stays as it was.";

// The airfoils' thickness of every surface the design's mode uses: a
// helicopter's rotors and stabilisers only.
static void assign_design_thickness(void)
{
    planestruct& a = pln[0];
    for (int part = part_prop_first; part <= part_pylon_last; part++) {
        int used = !a.is_heli || part == part_main_rotor || part == part_tail_rotor ||
                   (part >= part_hstab_left && part <= part_vstab_2);
        if (!used) continue;
        assign_foil_thickness(a.Rafl0[part], part, 0);
        assign_foil_thickness(a.Tafl0[part], part, 1);
    }
}

void openplane(int silent)
{
    // Slot 1 is the scratch: the design in slot 0 is replaced only by a
    // file read whole whose counts and codes the drawing can index by.
    char file[sizeof pln[0].C_file], path[sizeof pln[0].C_path];
    snprintf(file, sizeof file, "%s", pln[0].C_file);
    snprintf(path, sizeof path, "%s", pln[0].C_path);
    if (!silent && !init_calls.MACIBM_opensave(win_open, kind_aircraft, file, path)) return;
    int got = read_plane_file(1, path, plane_read_quiet);
    if (got == 1 && !plane_within_bounds(1)) got = -1;
    if (got != 1) {
        memset(&pln[1], 0, sizeof pln[1]);
        // The last design at start-up is only a convenience: the new design
        // start-up made stays, untitled again.
        if (silent) {
            snprintf(pln[0].C_file, sizeof pln[0].C_file, "%s", untitled_plane);
            snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", untitled_plane);
        }
        else if (got == 0)
            MACIBM_alert("I am unable to open the airplane! Sorry!!!", "I am trying to open:", file, design_stays,
                         alert_notice);
        else plane_read_notice(path, design_stays);
        return;
    }
    pln[0] = pln[1];
    memset(&pln[1], 0, sizeof pln[1]);
    planestruct& a = pln[0];
    snprintf(a.C_file, sizeof a.C_file, "%s", file);
    snprintf(a.C_path, sizeof a.C_path, "%s", path);
    // Any mode but the helicopter's is the airplane's: the menus mark one.
    a.is_heli = a.is_heli != 0;
    assign_design_thickness();
    load_plane_geo(1, 0, 0, 0);
    clear_section_pick_state();
    msc.dirty = 0;
    msc.has_file = 1;
    if (a.ADFtype != 2) a.ADFtype = 1;
    if (a.TStype != 2) a.TStype = 1;
}

// ---- airfoil thickness --------------------------------------------------------------

static void not_a_foil(const char* path)
{
    MACIBM_alert("You didn't select a foil!", path, "", "", alert_notice);
}

void assign_foil_thickness(const char* foil_name, int part, int tip)
{
    float& thickness = afl[0].trat[part][tip];
    thickness = 0;
    // No name, a path that does not fit and a missing file all mean no
    // airfoil yet: thickness 0, nothing to tell.
    char path[path_max];
    if (!foil_name[0] || snprintf(path, sizeof path, "%s%s", afl_path, foil_name) >= (int)sizeof path) return;
    // Scanned softly from the header on: a file cut anywhere is not one.
    scan_soft = 1;
    scan_failed = 0;
    if (!inf_open(path, kind_text, afl_file_version, 0) || scan_failed) {
        if (inf_found) not_a_foil(path);
        scan_soft = 0;
        scan_failed = 0;
        inf1.close();
        inf1.clear();
        return;
    }
    int code = intscan("device code");
    float value = 0;
    if (!scan_failed && code == afl_device_code) {
        char word[40];
        rln("device code");
        wrdscan(word, "constants", sizeof word, 0);
        value = fltscan("thickness ratio");
    }
    int read = !scan_failed && code == afl_device_code && std::isfinite(value);
    scan_soft = 0;
    scan_failed = 0;
    inf1.close();
    inf1.clear();
    if (read) thickness = value;
    else not_a_foil(path);
}

// ---- preferences --------------------------------------------------------------------

// A path line as long as the field or longer was cut: it may name another file.
static int fits_path(const char* line) { return strlen(line) < (size_t)path_max; }

int read_airwright_prefs(void)
{
    // Read whole or not at all, from the header on.
    scan_soft = 1;
    scan_failed = 0;
    if (!inf_open(prf_path, kind_text, prefs_version, 0) || scan_failed) {
        scan_soft = 0;
        scan_failed = 0;
        inf1.close();
        inf1.clear();
        return 0;
    }
    float view_dx = fltscan("view_dx");
    float view_dy = fltscan("view_dy");
    float view_pitch = fltscan("view_pitch");
    float view_heading = fltscan("view_heading");
    float view_roll = fltscan("view_roll");
    int draw_wire = bolscan("draw_wire");
    int sky_on = bolscan("sky_on");
    rln("sky_on");
    char file[path_max + 1], path[path_max + 1];
    strscan(file, "preffed airplane", sizeof file);
    strscan(path, "preffed airplane", sizeof path);
    int whole = !scan_failed && fits_path(file) && fits_path(path);
    for (float v : {view_dx, view_dy, view_pitch, view_heading, view_roll}) whole = whole && std::isfinite(v);
    scan_soft = 0;
    scan_failed = 0;
    inf1.close();
    inf1.clear();
    if (!whole) return 0;
    msc.view_dx = view_dx;
    msc.view_dy = view_dy;
    // The view keys wrap one turn at a time: the angles start inside one.
    msc.view_pitch = fltwrap_all(view_pitch, 0, 360);
    msc.view_heading = fltwrap_all(view_heading, 0, 360);
    msc.view_roll = fltwrap_all(view_roll, 0, 360);
    mnw.draw_wire = draw_wire;
    msc.sky_on = sky_on;
    // Both fit their fields: fits_path held them shorter.
    memcpy(pln[0].C_file, file, strlen(file) + 1);
    memcpy(pln[0].C_path, path, strlen(path) + 1);
    return 1;
}

int write_airwright_prefs(void)
{
    if (!ouf_open(prf_path, kind_text, prefs_version)) return 0;
    ouf << msc.view_dx << '\n' << msc.view_dy << '\n';
    ouf << msc.view_pitch << '\n' << msc.view_heading << '\n' << msc.view_roll << '\n';
    ouf << (mnw.draw_wire ? 1 : 0) << '\n' << (msc.sky_on ? 1 : 0) << '\n';
    ouf << pln[0].C_file << '\n' << pln[0].C_path << '\n';
    return ouf_close();
}
