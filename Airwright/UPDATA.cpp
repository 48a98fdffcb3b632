// Airwright's frame step and 3-D preview.
#include "UPDATA.h"
#include "Drplane_records.h"
#include "HL_MNW.h"

flightstruct flt;
preview_clock_state preview_clock;

void clear_update_run_state(void) { preview_clock = preview_clock_state{}; }

float pulse(float) { return 1.0f; }

void APPLICATION_update(void) {}

float find_dis_to_plane(void) { return 1.0f; }
void  manage_plot(void) {}
void  smoothit(int, int) {}
float ret_y_center(int, int, int) { return 0.0f; }
float ret_ave_rad(int, int, int) { return 0.01f; }
void  design_prop(int, int) {}
void  copy_body(int, int) {}
void  copy_foil(int, int) {}
