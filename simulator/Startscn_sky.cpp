#include "Startscn.h"
#include "Hl_types.h"

skystruct sky;

void clear_sky_run_state(void) {}

void set_sky_light_fog(void)
{
    for (int k = 0; k < 3; k++) ins.lite_rgb[k] = 1.0f;
}

void draw_sky_box(void) {}

void set_sun_light(void) {}
