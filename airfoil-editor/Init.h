// Foilwright's program state: its own misc record (the part being edited and
// its file), the airfoil record that holds the section's parameters, and the
// defaults a new part starts from. Owns msc and afl; the model and the file
// code in Function read and write them.
#pragma once
#include "Hl_types.h"

const int part_airfoil = 200;        // the part types are the file kinds
const int part_flap = 201;
const int view_alpha = 300;          // lift, drag and moment against angle
const int view_polar = 301;          // drag and moment against lift

// Foilwright's own layout, in this order.
struct miscstruct {
    int part_type;                   // part_airfoil or part_flap
    int view_type;                   // view_alpha or view_polar
    int part_named;                  // 1 once the part has a file of its own
    int part_dirty;                  // 1 while edits are unsaved
    char part_fname[path_max];       // the name the save question shows
    char part_path[path_max];        // full path of the part's file
};

extern miscstruct msc;

// Every parameter of both part types back to the defaults; the part becomes
// an untitled, clean part of this type, and its tables are generated.
void reset_to_default(int type);
