// The scenery region: the weather field and the cloud grid.
#include "Genwrld.h"

float cloudxyz[cloud_cols][cloud_rows][3];
float cloudrgb[cloud_cols][cloud_rows][3];

// Stand in until the fields are built.
void fractalize(int, int, int, int, float*, int, int, int, float, float, int, int) {}
void gen_wx_for_sec(int) {}
void fill_a_sector_with_ocast(int, int) {}
void shift_weather(int, int, int, int, int, int) {}
void shift_cloud(int, int, int, int, int, int) {}
