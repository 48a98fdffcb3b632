// The scenery region: the weather field and the cloud grid.
//
// Sections: the fractal, the weather field, the cloud grid, scrolling.
#include "Genwrld.h"

#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "Initgen.h"

#include <cassert>

float cloudxyz[cloud_cols][cloud_rows][3];
float cloudrgb[cloud_cols][cloud_rows][3];

static const int wx_square = 210;   // weather points a scenery square, edge lines shared

static_assert(wx_grid_cols == 3 * wx_square + 1 && wx_grid_rows == 2 * wx_square + 1,
              "the weather field is three by two squares");
static_assert(cloud_cols == 5 * cloud_sector + 1 && cloud_rows == 4 * cloud_sector + 1,
              "the cloud grid is five by four sectors");

// ---- the fractal ----------------------------------------------------------

// Where point (i, j) of a field lies: grid[(i x row_stride + j) x elem_stride + comp].
struct fieldlayout {
    float* grid;
    int row_stride, elem_stride, comp;
};

static float& point(const fieldlayout& f, int i, int j)
{
    return f.grid[((long)i * f.row_stride + j) * f.elem_stride + f.comp];
}

// Each level splits the block into n x n sub-blocks, lifts each centre and
// bends the sub-block's inside to it. The block's own outer lines are never
// written: they are shared with the neighbouring block, which may be made
// later or earlier. At the finest level a sub-block of one cell has its
// "centre" on its corner; inside the block that corner still takes its lift,
// on the block's outer lines it does not.
void fractalize(int i0, int j0, int i1, int j1, float* grid, int row_stride, int elem_stride, int comp, float lo,
                float hi, int level_from, int level_to)
{
    if (i1 <= i0 || j1 <= j0) return;
    const fieldlayout f = {grid, row_stride, elem_stride, comp};
    auto inside = [&](int i, int j) { return i > i0 && i < i1 && j > j0 && j < j1; };

    for (int level = level_from; level <= level_to; level++) {
        const int n = 1 << level;
        const float s = 1.0f / (float)n;
        const int bi = (int)((float)(i1 - i0) * s), bj = (int)((float)(j1 - j0) * s);
        // Finer levels would only find empty sub-blocks.
        if (bi < 1 || bj < 1) break;

        for (int a = 0; a < n; a++)
            for (int b = 0; b < n; b++) {
                const int ia = i0 + a * bi, ib = ia + bi, ja = j0 + b * bj, jb = ja + bj;
                const int ic = (ia + ib) / 2, jc = (ja + jb) / 2;
                if (inside(ic, jc)) point(f, ic, jc) += fltrand(lo, hi) * s;

                for (int i = ia + 1; i < ib; i++) {
                    if (i == ic || !inside(i, jc)) continue;
                    point(f, i, jc) = i < ic ? interp((float)ia, point(f, ia, jc), (float)ic, point(f, ic, jc), (float)i)
                                             : interp((float)ic, point(f, ic, jc), (float)ib, point(f, ib, jc), (float)i);
                }
                for (int j = ja + 1; j < jb; j++) {
                    if (j == jc || !inside(ic, j)) continue;
                    point(f, ic, j) = j < jc ? interp((float)ja, point(f, ic, ja), (float)jc, point(f, ic, jc), (float)j)
                                             : interp((float)jc, point(f, ic, jc), (float)jb, point(f, ic, jb), (float)j);
                }
                for (int i = ia + 1; i < ib; i++) {
                    if (i == ic) continue;
                    const int ie = i < ic ? ia : ib;
                    for (int j = ja + 1; j < jb; j++) {
                        if (j == jc) continue;
                        const int je = j < jc ? ja : jb;
                        const float along_row = interp((float)ie, point(f, ie, j), (float)ic, point(f, ic, j), (float)i);
                        const float along_col = interp((float)je, point(f, i, je), (float)jc, point(f, i, jc), (float)j);
                        point(f, i, j) = 0.5f * (along_row + along_col);
                    }
                }
            }
    }
}

// ---- the weather field ----------------------------------------------------

void gen_wx_for_sec(int quadrant)
{
    assert(quadrant >= 0 && quadrant <= 5);
    if (quadrant < 0 || quadrant > 5) return;
    // Rows run north to south: the southern squares own the lower half.
    const int i0 = wx_square * (quadrant % 3), j0 = quadrant < 3 ? wx_square : 0;
    for (int i = i0; i <= i0 + wx_square; i++)
        for (int j = j0; j <= j0 + wx_square; j++) atm.wx_grid[i][j] = 0;
    fractalize(i0, j0, i0 + wx_square, j0 + wx_square, &atm.wx_grid[0][0], wx_grid_rows, 1, 0, -3, 3, 1, 4);
    for (int i = i0; i <= i0 + wx_square; i++)
        for (int j = j0; j <= j0 + wx_square; j++) atm.wx_grid[i][j] = fltlim(atm.wx_grid[i][j], 0, 1);
}

// ---- the cloud grid -------------------------------------------------------

void fill_a_sector_with_ocast(int si, int sj)
{
    assert(si >= 0 && si <= 4 && sj >= 0 && sj <= 3);
    if (si < 0 || si > 4 || sj < 0 || sj > 3) return;
    const float h = 1000.0f * con.fttomtrs * 0.5f;
    const int i0 = cloud_sector * si, j0 = cloud_sector * sj;
    const int i1 = i0 + cloud_sector, j1 = j0 + cloud_sector;
    for (int i = i0; i <= i1; i++)
        for (int j = j0; j <= j1; j++) cloudxyz[i][j][1] = -h;
    fractalize(i0, j0, i1, j1, &cloudxyz[0][0][0], cloud_rows, 3, 1, -2 * h, 2 * h, 1, 4);
    // Columns 16 and 64 lie on the region's west and east edges, rows 16 and 48 on its south and north.
    for (int i = i0; i <= i1; i++)
        for (int j = j0; j <= j1; j++) {
            cloudxyz[i][j][0] = interp(16, env.reg_west_x, 64, env.reg_east_x, (float)i);
            cloudxyz[i][j][2] = interp(16, env.reg_south_z, 48, env.reg_north_z, (float)j);
            const float shade = interp(-2 * h, 0.4f, 0, 1.0f, cloudxyz[i][j][1]);
            for (int c = 0; c < 3; c++) cloudrgb[i][j][c] = shade;
        }
}

// ---- scrolling ------------------------------------------------------------

// The scrolls' ranges fill the fields exactly. One reaching outside is the
// caller's mistake: a debug build stops there, a release build moves nothing.
void shift_weather(int i_q0, int i_q1, int j_q0, int j_q1, int di, int dj)
{
    gridblock b;
    const int fits =
        scroll_block(i_q0, i_q1, j_q0, j_q1, wx_square, wx_square, di, dj, wx_grid_cols, wx_grid_rows, &b);
    assert(fits);
    if (!fits) return;
    move_grid_block(atm.wx_grid, wx_grid_rows, sizeof atm.wx_grid[0][0], b, di, dj);
}

void shift_cloud(int i_s0, int i_s1, int j_s0, int j_s1, int di, int dj)
{
    gridblock b;
    const int fits =
        scroll_block(i_s0, i_s1, j_s0, j_s1, cloud_sector, cloud_sector, di, dj, cloud_cols, cloud_rows, &b);
    assert(fits);
    if (!fits) return;
    move_grid_block(cloudxyz, cloud_rows, sizeof cloudxyz[0][0], b, di, dj);
    move_grid_block(cloudrgb, cloud_rows, sizeof cloudrgb[0][0], b, di, dj);
}
