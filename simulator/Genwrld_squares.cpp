// The scenery region: scenery square files and their reader.
#include "Genwrld.h"

#include "Funct.h"
#include "Initgen.h"

quadtexstruct quad_tex[6];

// Stands in until the squares are read: each quadrant is flat land at the
// chosen airport's height, where its own reader would put its vertices.
void read_quadrant(int lat, int lon, int quadrant)
{
    const int cells_x = 59, cells_z = 79;
    const int i0 = cells_x * (quadrant % 3), j0 = cells_z * (quadrant / 3);
    const float height = chosen_airport_h();
    for (int r = 0; r <= cells_z; r++)
        for (int c = 0; c <= cells_x; c++) {
            int i = i0 + c, j = j0 + r;
            float vlat = lat + (float)r / cells_z, vlon = lon + (float)c / cells_x;
            // The south-west vertex of each square is the loader's longitude anchor.
            int anchor = i % cells_x == 0 && i < region_grid_x - 1 && j % cells_z == 0 && j < region_grid_z - 1;
            if (!anchor) planexyz[i][j][0] = X_with_latlon(vlat, vlon);
            planexyz[i][j][1] = height;
            planexyz[i][j][2] = Z_with_lat(vlat);
            planenrml[i][j][0] = 0;
            planenrml[i][j][1] = 1;
            planenrml[i][j][2] = 0;
        }
}
