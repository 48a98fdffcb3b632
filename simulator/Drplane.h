// The aircraft in the outside view: the render mesh and paint of the two
// aircraft slots, and their drawing. Airwright builds this module too, for
// its preview: it reads the programs' records only through Drplane_records.h.
#pragma once
#include "HL_GRAPH.h"
#include "Hl_types.h"

// ---- mesh ------------------------------------------------------------------

// Each slot's mesh, indexed like the aircraft's body arrays: part, section,
// point. Metres about the centre of gravity (x right, y up, z aft).
const int mesh_slots = 2;
extern float geo_xyz[mesh_slots][plane_parts][plane_stations][plane_points][3];
extern float geo_nrm[mesh_slots][plane_parts][plane_stations][plane_points][3];    // unit
extern float geo_st[mesh_slots][plane_parts][plane_stations][plane_points][2];
// Lifting parts: the root section's hinge middle, and the hinge line per
// metre of span (zero for a part of no span).
extern float geo_hinge_root[mesh_slots][plane_parts][3];
extern float geo_hinge_dir[mesh_slots][plane_parts][3];
// Each part's unfolded length over its width, which shapes its template.
extern float geo_aspect[mesh_slots][plane_parts];
// The sections each part's mesh holds, 0 for a part it was built without:
// a propeller two a whole blade, a lifting part or pylon its elements + 1
// (1 to 8 elements whatever the record holds: Airwright's edits reach it
// unchecked), a body its stations.
extern int geo_sections[mesh_slots][plane_parts];

// A lifting part's or pylon's section: the profile's points from the
// leading edge over the top; its control surface runs from the upper hinge
// point round the trailing edge to the lower.
const int profile_points = 12;
const int leading_edge = 0;
const int hinge_upper = 5;
const int trailing_edge = 6;
const int hinge_lower = 7;

// A body's girth line: the mean height of its points, metres; 0 for a body
// of no points. Its texture's t runs round the outline from there.
float body_girth_y(int part, int p);
// Built as right halves, these wind the other way round: a right wing or
// stabiliser half, the fins, and a pylon on the right or on the centre line.
int mesh_mirrored(int part, int p);

// Paint codes: slot p's texture of a code is tex_paint_first + 16 p + code,
// its file the aircraft path less ".acf", then the code's suffix and ".bmp".
const int paint_prop = 0;
const int paint_wng1 = 1;
const int paint_wng2 = 2;
const int paint_wng3 = 3;
const int paint_hstb = 4;
const int paint_vst1 = 5;
const int paint_vst2 = 6;
const int paint_pyln = 7;
const int paint_fuse = 8;
const int paint_nace = 9;
const int paint_misc = 10;
const int paint_fair = 11;
const int paint_strt = 12;
const int paint_vst1R = 13;
const int paint_vst2R = 14;
const int paint_fuseR = 15;
const int paint_codes = 16;
static_assert(paint_codes == tex_paint_per_slot, "a slot's paint fills its texture ids");
extern const char* const paint_suffix[paint_codes];    // " prop" .. " fuseR"

inline int paint_tex(int p, int code) { return tex_paint_first + tex_paint_per_slot * p + code; }

// A paint template's greys: the part, and a control surface behind its hinge.
const int grey_outline = 250;
const int grey_aileron = 140;
const int grey_elevator = 160;
const int grey_rudder = 180;
const int grey_flap = 200;

// Rebuilds slot p's mesh from pln[p]; load_tex loads its paint textures,
// write_template writes the paint templates, touch_up retouches the paint.
void load_plane_geo(int load_tex, int write_template, int touch_up, int p);
// The paint files' common start: pln[p].C_path less its ".acf"; 0 when it
// does not fit in cap.
int  plane_base_name(int p, char* out, int cap);
// The paintable parts of slot p, once its mesh is built: loads each part's
// paint (load_tex, touch_up), writes its template (write_template) or the
// retouched paint (touch_up); load_tex loads the paint of the parts without
// a template too (propeller, struts, right faces, the cockpit's hand).
void paint_plane(int load_tex, int write_template, int touch_up, int p);

// ---- drawing -----------------------------------------------------------------

// gear_type of skids; above it, wheels.
const int gear_skids = 2;

// The aircraft at the modelview's origin, turned to its attitude; is_second
// for slot 1, close when it fills enough of the view for detail.
void plot_plane(int is_second, int close);
void load_pln(float x, float y, float z, float v[3]);
// One point of colour (r, g, b) at (x, y, z), size + 0.01 pixels across;
// the point size is 1 again afterwards. Between no glBegin and glEnd.
void heavy_light(float x, float y, float z, float r, float g, float b, float size);
// One wheel about the lateral axis through (x, y, z): faces w_side out to
// radius r_side, tread w_tread wide at radius r_tread.
void disc(float x, float y, float z, float w_side, float w_tread, float r_side, float r_tread);
// A gear leg: wheels at the fairing part's origin, strut from the attachment.
void gearset(int part, float x_att, float y_att, float z_att, float strut_r, float w_side, float w_tread,
             float r_side, float r_tread, int slot);
// The propellers' visual angles, degrees, kept over the run.
void clear_plane_run_state(void);
