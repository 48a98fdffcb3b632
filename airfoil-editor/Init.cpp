// Foilwright's records, the defaults of a new part, the menus and the New /
// Open / Save / Save As / Quit commands with the save question.
//
// Sections: records, defaults, menus, commands.
#include "Init.h"
#include "Function.h"
#include "HL_BTN.h"
#include "HL_FILE.h"
#include "HL_MNW.h"

#include <cstdio>
#include <cstring>

// ---- records -------------------------------------------------------------

miscstruct msc;
foil_call_record foil_calls = {MACIBM_nuke_alert, MACIBM_opensave};

// ---- defaults ------------------------------------------------------------

void reset_to_default(int type)
{
    airfoilstruct& a = afl[0];
    a.trat[0][0] = 0.1f;
    a.Re[0][0][0] = 4.5f;
    a.clB[0][0][0] = 0.25f;
    a.clM[0][0][0] = 0.102f;
    a.Lpow = 1.4f;
    a.Lstall = 1.6f;
    a.Ldrop1 = 0.1f;
    a.Ldrop2 = 0.8f;
    a.Lpowstl = 1.4f;
    a.almin = -15.0f;
    a.almax = 15.0f;
    a.DminCL = 0.2f;
    a.Dmin = 0.0065f;
    a.Dal10 = 0.0114f;
    a.Dpow = 2.3f;
    a.Bwidth = 0.0f;
    a.Bdepth = 0.0f;
    a.Bpower = 2.0f;
    a.Bloc = 0.0f;
    a.cmal2[0][0][0] = -10.0f;
    a.cmal3[0][0][0] = 16.0f;
    a.cm1[0][0][0] = 0.05f;
    a.cm2[0][0][0] = -0.05f;
    a.cm3[0][0][0] = -0.025f;
    a.cm4[0][0][0] = -0.075f;
    a.FLPlco1 = 2.0f;
    a.FLPlco2 = 0.0f;
    a.FLPlco3 = -0.6f;
    a.FLPdco1 = 0.04f;
    a.FLPdco2 = 0.04f;
    a.FLPdco3 = 0.0f;
    a.FLPmco1 = -0.6f;
    a.FLPmco2 = -0.1f;
    a.FLPmco3 = -0.1f;

    msc.part_type = type;
    msc.view_type = view_alpha;
    msc.part_named = 0;
    msc.part_dirty = 0;
    snprintf(msc.part_fname, sizeof msc.part_fname, "%s", type == part_flap ? "Untitled.flp" : "Untitled.afl");
    generate();
}

// ---- menus ---------------------------------------------------------------

void APPLICATION_setupmenus(void)
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, item_about, "About", "Check on the version number.");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, item_new, "New", "Create a new airfoil or flap.");
    MACIBM_append_menu(1, item_open, "Open", "Open an airfoil or flap.");
    MACIBM_append_menu(1, item_save, "Save", "Save an airfoil or flap under it's current file name.");
    MACIBM_append_menu(1, item_save_as, "Save As", "Save an airfoil or flap uner a new file name");
    MACIBM_append_menu(1, item_file_rule, "-", "");
    MACIBM_append_menu(1, item_quit, "Quit", "Quit Foilwright.");
    MACIBM_create_menu(2, -1, "Part");
    MACIBM_append_menu(2, item_airfoil, "Airfoil", "Create or edit an airfoil.");
    MACIBM_append_menu(2, item_flap, "Flap", "Create or edit a flap.");
    MACIBM_create_menu(3, -1, "View");
    MACIBM_append_menu(3, item_view_alpha, "Cl Cd Cm VS. Alpha", "View with alpha on the X-axis.");
    MACIBM_append_menu(3, item_view_polar, "Cd Cm VS. Cl", "View with Cl on the X-axis.");
}

int APPLICATION_item_marked(int item)
{
    if (item == item_airfoil || item == item_flap) return msc.part_type == item;
    if (item == item_view_alpha || item == item_view_polar) return msc.view_type == item;
    return 0;
}

const char* APPLICATION_main_picture(void)
{
    if (msc.part_type == part_airfoil) return "AFL";
    if (msc.part_type == part_flap) return "FLP";
    return "";
}

// Foilwright has no keyboard commands.
void APPLICATION_handlekey(char, int) {}

void APPLICATION_handlemenu(int item)
{
    switch (item) {
    case item_about: MACIBM_alert("", "", "", "", alert_about); break;
    case item_new: donewdeal(deal_new, msc.part_type); break;
    case item_open: donewdeal(deal_open, msc.part_type); break;
    case item_quit: donewdeal(deal_quit, msc.part_type); break;
    case item_save:
        if (msc.part_named) writeoutpart();
        else saveasproc();
        break;
    case item_save_as: saveasproc(); break;
    case item_airfoil:
    case item_flap: donewdeal(deal_switch, item); break;
    case item_view_alpha:
    case item_view_polar: msc.view_type = item; break;
    }
}

// ---- commands ------------------------------------------------------------

void dothing(int action, int type)
{
    switch (action) {
    case deal_new:
    case deal_switch: reset_to_default(type); break;
    case deal_open:
        if (foil_calls.MACIBM_opensave(win_open, msc.part_type, msc.part_fname, msc.part_path)) readinpart();
        break;
    case deal_quit: gdone = 1; break;
    }
}

void donewdeal(int action, int type)
{
    if (msc.part_dirty) {
        switch (foil_calls.MACIBM_nuke_alert(msc.part_fname)) {
        case nuke_save:
            // The edits go only once they are on the disk: a failed write
            // keeps them, and the command with them.
            if (msc.part_named ? writeoutpart() : saveasproc()) dothing(action, type);
            break;
        case nuke_discard: dothing(action, type); break;
        default: break;
        }
    } else {
        dothing(action, type);
    }
    if (action != deal_quit) MACIBM_startwind(win_main);
}

int saveasproc(void)
{
    // The dialog starts on the name without its extension, which comes back
    // below: a long name then still fits the typed line whole.
    const char* extension = msc.part_type == part_flap ? ".flp" : ".afl";
    char name[path_max], path[path_max];
    snprintf(name, sizeof name, "%s", msc.part_fname);
    if (name_ends_in(name, extension)) name[strlen(name) - strlen(extension)] = 0;
    if (!foil_calls.MACIBM_opensave(win_save, msc.part_type, name, path)) return 0;
    // The dialogs list a part type's files by their extension: a name typed
    // without it would be saved where no dialog shows it again.
    if (!take_saved_name(name, path, extension, "part")) return 0;
    snprintf(msc.part_fname, sizeof msc.part_fname, "%s", name);
    snprintf(msc.part_path, sizeof msc.part_path, "%s", path);
    msc.part_named = 1;
    return writeoutpart();
}
