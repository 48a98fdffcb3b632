// Airwright's frame step: the open design screen's widgets, the geometry
// every frame derives from the design, and the 3-D preview of the main view.
#pragma once
#include "Hl_types.h"

// The frame hook (declared with the library's hooks): the open screen, the
// geometry derived from the design, the mesh, and in the main view the preview.
//   void APPLICATION_update(void);

// The aircraft's extent, ft, at least 1: sizes the preview's view volume.
float find_dis_to_plane(void);
// Draws the preview of pln[0] in the main view, sized by msc.plane_size;
// leaves the 2D reference-unit view for the frame's menus.
void  manage_plot(void);

// ---- design helpers ----------------------------------------------------------

// Pulls every cross-section of a body toward an ellipse; total 1 also blends
// each inner station into its neighbours and keeps the mean radius.
void  smoothit(int part, int total);
// The mean height of a station's first n points.
float ret_y_center(int part, int station, int n);
// The mean distance of the inner stations' points from their centres, 0.01 .. 9.9e9.
float ret_ave_rad(int part, int stations, int n);
// Propeller p's twist from its design point: mode 0 from the pitch, 1 from
// speed and rpm; nothing below 100 rpm or a radius of 0.1 ft.
void  design_prop(int p, int mode);
// Part to becomes a copy of part from (bodies), or its mirror image (surfaces).
void  copy_body(int from, int to);
void  copy_foil(int from, int to);

// The tests' reset of the frame step's run state.
void clear_update_run_state(void);
