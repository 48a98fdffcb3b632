// A new design: what an untouched aircraft looks like, at start-up and for
// New and the mode switches.
//   the defaults table
//   the default bodies
//   setup_baseplane
#include "Init.h"
#include "UPDATA.h"
#include "../simulator/Drplane.h"
#include "HL_FUNCT.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- the defaults table ------------------------------------------------------

static const char* const prop_foil = "Clark-Y (good propeller).afl";
static const char* const wing_foil = "NACA 2412 (popular).afl";
static const char* const stab_foil = "NACA 0009 (symmetrical).afl";
static const char* const default_flaps = "plain flap.flp";

// The airfoil a new part starts with: props, wings, then the symmetrical
// section for stabilisers and pylons.
static const char* default_foil(int part)
{
    if (is_prop(part)) return prop_foil;
    if (is_wing(part)) return wing_foil;
    return stab_foil;
}

static void set_defaults(planestruct& a)
{
    a.asi_units = 2;
    a.paneltype = 1;
    a.radiotype = 1;
    a.AStype = 1;
    a.supptype = 1;
    a.HUDtype = 1;
    a.VVItype = 1;
    a.ADFtype = 1;
    a.TStype = 1;
    for (int slot = 1; slot < plane_slots; slot++) a.ins_of_loc[slot] = slot;
    a.entype = 1;
    a.numen = 1;
    a.gearrat = 1.0f;
    a.con_smooth = 2;
    a.gear_type = 3;
    for (int leg = 0; leg < 3; leg++) a.gear_stat[leg] = 1;
    // A helicopter's rotors turn about upright shafts, the tail rotor's sideways.
    if (a.is_heli) {
        a.vertcant[part_main_rotor] = 90;
        a.vertcant[part_tail_rotor] = 90;
        a.sidecant[part_tail_rotor] = -90;
    }
    for (int part = part_prop_first; part <= part_pylon_last; part++) {
        if (is_prop(part)) a.els[part] = 8;
        else if (is_wing(part)) a.els[part] = 6;
        else if (is_surface(part)) a.els[part] = 4;
        else a.els[part] = 1;
    }
    // Vertical stabilisers and pylons stand upright.
    for (int part = part_vstab_1; part <= part_pylon_last; part++) a.dihed[part] = 90;
    for (int prop = part_prop_first; prop <= part_prop_last; prop++) a.numblades[prop] = 2;
    a.body_r[part_fuselage] = 3;
    for (int part = part_nacelle_first; part <= part_misc_last; part++) a.body_r[part] = 2;
    for (int part = part_fairing_first; part <= part_fairing_last; part++) a.body_r[part] = 1;
}

// ---- the default bodies --------------------------------------------------------

// Each body a circular cylinder: stations 2 ft apart aft of the reference
// point, the nose fairing a short one from -1.5 to 1.5 ft.
static void set_default_bodies(void)
{
    planestruct& a = pln[0];
    for (int part = part_fuselage; part <= part_fairing_last; part++) {
        int stations = f_body_s_dim(part, 0);
        int n = f_body_r_dim(part);
        float r = a.body_r[part];
        for (int j = 0; j < stations; j++) {
            for (int k = 0; k < n; k++) {
                float angle = 2.0f * con.pi * (float)k / (float)n;
                a.body_X[part][j][k] = r * sinf(angle);
                a.body_Y[part][j][k] = r * cosf(angle);
                a.body_Z[part][j][k] = part == part_fairing_first ? 0.5f * (float)j - 1.5f : 2.0f * (float)j;
            }
        }
    }
}

// ---- setup_baseplane -------------------------------------------------------------

void setup_baseplane(const char* file_name, const char* path)
{
    // Nothing picked in the last design's sections carries over.
    clear_section_pick_state();
    msc.dirty = 0;
    msc.has_file = 0;
    // The names may be the record's own: kept before it is cleared.
    char file[sizeof pln[0].C_file], where[sizeof pln[0].C_path];
    snprintf(file, sizeof file, "%s", file_name);
    snprintf(where, sizeof where, "%s", path);
    int heli = pln[0].is_heli;
    memset(pln, 0, sizeof pln);
    planestruct& a = pln[0];
    snprintf(a.C_file, sizeof a.C_file, "%s", file);
    snprintf(a.C_path, sizeof a.C_path, "%s", where);
    a.is_heli = heli;

    a.tailnum[0] = 'N';
    for (int k = 1; k <= 3; k++) a.tailnum[k] = code_to_char(intrand(1, 10));
    for (int k = 4; k <= 5; k++) a.tailnum[k] = code_to_char(intrand(11, 36));
    a.tailnum[6] = 0;

    set_defaults(a);
    set_default_bodies();

    for (int part = part_prop_first; part <= part_pylon_last; part++) {
        const char* foil = default_foil(part);
        snprintf(a.Rafl0[part], sizeof a.Rafl0[part], "%s", foil);
        snprintf(a.Rafl1[part], sizeof a.Rafl1[part], "%s", foil);
        snprintf(a.Tafl0[part], sizeof a.Tafl0[part], "%s", foil);
        snprintf(a.Tafl1[part], sizeof a.Tafl1[part], "%s", foil);
    }
    snprintf(a.flap_str, sizeof a.flap_str, "%s", default_flaps);
    for (int part = part_prop_first; part <= part_pylon_last; part++) {
        assign_foil_thickness(a.Rafl0[part], part, 0);
        assign_foil_thickness(a.Tafl0[part], part, 1);
    }

    msc.view_dx = 0;
    msc.view_dy = 0;
    load_plane_geo(1, 0, 0, 0);
}
