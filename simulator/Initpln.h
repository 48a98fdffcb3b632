// Aircraft loading: fills the aircraft records pln, the airfoil tables afl and
// the instrument panel layout ins (declared with the library, since every
// program holds them) from the aircraft and airfoil files; the scene and the
// panel read them. Owns the engine lever and gauge columns.
#pragma once
#include "Hl_types.h"

// Engine lever and gauge columns, panel units, set with the panel layout.
extern float thro_x[plane_engines], prop_x[plane_engines], mixt_x[plane_engines];
extern float en_x[3][plane_engines];    // by gauge row and engine
extern float en_y[3];                   // by gauge row
extern float osh;                       // x shift of the jettison switch: -100 for a helicopter

// NAV1 has a receiver with needles of its own only under a VOR head or an
// RMI in the supplementary slot; otherwise the GPS takes its place.
inline int has_nav1_receiver(void) { return pln[0].supptype == 1 || pln[0].supptype == 7; }
// The gauge columns have a row 0 (the exhaust temperature): three and four
// engines have none.
inline int has_gauge_row0(void) { return en_y[0] > 0; }

// ---- loader helpers --------------------------------------------------------

extern char global_part_name[32];      // the name part_name gave last

// The part's 11-character display name, in global_part_name (overwritten by
// the next call); empty for an index that names no part.
char* part_name(int part, int p);
// Panel units between the centres of slots a and b of pln[p]'s panel.
int   ret_ins_sep(int a, int b, int p);
// Ends of the circle row at height y (radius r), then y moves on by 1; a row
// outside the circle is fatal.
void  work_down_circle(float r, float* y, float* x_left, float* x_right);
float findarea(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3);
// Bilinear in a 3 x 3 chart: x1 < x2 < x3 across, y1 > y2 > y3 down, zrc at
// row yr and column xc; outside the chart the edge cells carry on.
float interp9(float x1, float x2, float x3, float y1, float y2, float y3, float z11, float z12, float z13,
              float z21, float z22, float z23, float z31, float z32, float z33, float x, float y);
// The special downwash chart.
float findspecwash(float a, float b, float c, float d);

// ---- airfoil files -----------------------------------------------------------

// Reads the airfoil file name (in the airfoils folder) into afl[p] at
// [part][tip][high_re] and gives its stall angle in almax_out. A missing,
// corrupt or unusable file is fatal; no other slot is touched.
void grabafoil(const char* name, int part, int tip, int high_re, float* almax_out, int p);

// ---- panel layout --------------------------------------------------------------

// Lays out the panel of the user's aircraft pln[0]: ins, the lever and gauge
// columns, and pln[0]'s airspeed scale, glide-slope marks and attitude rows.
// More than three wide instruments in a row is fatal.
void set_panel_layout(void);

// ---- aircraft loader -----------------------------------------------------------

// The aircraft every install ships, in default_plane_folder of the program
// folder; the user's slot falls back to it.
const char* const default_plane_folder = "planes/General Aviation/Cessna 172 Skyhawk/";
const char* const default_plane_file = "Cessna 172 Skyhawk.acf";

// Loads the aircraft file that C_file and C_path of pln[p] name (the caller
// sets them) into slot p, in SI units about the centre of gravity, with its
// airfoils, finite-wing factors, propeller discs and derived tables; for the
// user's aircraft (p 0) also the panel layout, the build-up report to trk and
// the 23 sounds. 1 when loaded; 0 only when slot 1's file is missing or
// damaged (slot 1 is then unchanged). A missing slot-0 file falls back to the
// default aircraft; so does a damaged one (short, of another mark, a record
// readable in neither byte order, or counts that index past the arrays),
// after a notice naming it. A missing or damaged default, a file of another
// version or a damaged airfoil is fatal.
int  load_plane(int p);
// Second stage of loading, after the airfoils: radii of gyration, body
// areas, slat factors, the flaps file's tables, gear springs and the rest
// attitude, downwash and propwash tables (gradients and stream angles for
// slot 0 only), the stall speed msc.vstall (slot 0 only), and the report of
// them to trk for slot 0. Every derived value starts from nothing, but the
// gear heights are lowered in place: finish only a freshly read record.
// Last the design checks: a design the flight model
// cannot fly ends the program with its alert; a steep rest attitude is a
// notice. A missing or damaged flaps file is fatal.
void finish_plane(int p);
