// The aircraft mesh built from the shipped Cessna and small changes of it:
// which sections each part fills, the propeller blades, the hinge line,
// the normals, the texture coordinates and the parts' aspects, and parts of
// no span, chord or girth. The mesh alone: no paint is loaded here.
#include <gtest/gtest.h>

#include "Drplane.h"
#include "HL_FUNCT.h"
#include "Hl_types.h"
#include "plane_files.h"
#include "records.h"
#include "test_support.h"
#include "volanto_support.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// The Cessna as load_plane left slot 0.
planestruct cessna;
airfoilstruct cessna_foils;

const float unset = NAN;

// Every mesh entry of the slot marked unset, so that what the build leaves
// alone shows.
void mark_mesh(int p)
{
    for (int part = 0; part < plane_parts; part++) {
        for (int s = 0; s < plane_stations; s++)
            for (int j = 0; j < plane_points; j++) {
                for (int k = 0; k < 3; k++) geo_xyz[p][part][s][j][k] = geo_nrm[p][part][s][j][k] = unset;
                geo_st[p][part][s][j][0] = geo_st[p][part][s][j][1] = unset;
            }
        for (int k = 0; k < 3; k++) geo_hinge_root[p][part][k] = geo_hinge_dir[p][part][k] = unset;
        geo_aspect[p][part] = unset;
    }
}

int is_set(int p, int part, int s, int j) { return !std::isnan(geo_xyz[p][part][s][j][0]); }

// Sections (from 0) holding a vertex at point 0.
int sections_built(int p, int part)
{
    int n = 0;
    while (n < plane_stations && is_set(p, part, n, 0)) n++;
    return n;
}

int points_built(int p, int part)
{
    int n = 0;
    while (n < plane_points && is_set(p, part, 0, n)) n++;
    return n;
}

// Everything the build wrote for a part is finite.
std::string first_non_finite(int p, int part)
{
    for (int s = 0; s < plane_stations; s++)
        for (int j = 0; j < plane_points; j++) {
            if (!is_set(p, part, s, j)) continue;
            const float* v[3] = {geo_xyz[p][part][s][j], geo_nrm[p][part][s][j], geo_st[p][part][s][j]};
            for (int q = 0; q < 3; q++)
                for (int k = 0; k < (q == 2 ? 2 : 3); k++)
                    if (!std::isfinite(v[q][k]))
                        return "section " + std::to_string(s) + " point " + std::to_string(j) + " array " +
                               std::to_string(q);
        }
    if (is_surface(part) || is_pylon(part))
        for (int k = 0; k < 3; k++)
            if (!std::isfinite(geo_hinge_root[p][part][k]) || !std::isfinite(geo_hinge_dir[p][part][k]))
                return "hinge";
    if (!is_prop(part) && !std::isfinite(geo_aspect[p][part])) return "aspect";
    return "";
}

class Mesh : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(open_loader_surroundings(), 1);
        flt.redline_busted = 0;
        ASSERT_EQ(load_named(0), 1);
        cessna = pln[0];
        cessna_foils = afl[0];
        close_loader_surroundings();
    }
    void SetUp() override
    {
        set_loader_paths();
        flt.redline_busted = 0;
        pln[0] = cessna;
        afl[0] = cessna_foils;
        mark_mesh(0);
    }
    void build(void) { load_plane_geo(0, 0, 0, 0); }
};

}  // namespace

// ---- what is built ---------------------------------------------------------------

// Each existing part fills its own sections and points and nothing beyond;
// parts the design does not have keep what they held.
TEST_F(Mesh, EachPartFillsItsSectionsAndTheAbsentOnesStayAsTheyWere)
{
    pln[0].els[12] = 1;   // a one-element fin still has a root and a tip
    pln[0].fair_eq = 1;   // wheel fairings over the legs that are down
    pln[0].gear_type = 3;
    pln[0].gear_stat[0] = pln[0].gear_stat[1] = pln[0].gear_stat[2] = 1;
    build();
    struct {
        int part, sections, points;
    } cases[] = {
        {0, 2 * (int)cessna.numblades[0], 2},
        {4, cessna.els[4] + 1, 12},
        {10, cessna.els[10] + 1, 12},
        {12, 2, 12},
        {18, 11, 16},
        {25, 7, 8},
        {27, 7, 8},
    };
    for (auto& c : cases) {
        ASSERT_TRUE(have_this_part(c.part, 0)) << c.part;
        EXPECT_EQ(sections_built(0, c.part), c.sections) << "part " << c.part;
        EXPECT_EQ(points_built(0, c.part), c.points) << "part " << c.part;
        if (c.points < plane_points) {
            EXPECT_FALSE(is_set(0, c.part, 0, c.points)) << "part " << c.part;
        }
        EXPECT_EQ(first_non_finite(0, c.part), "") << "part " << c.part;
    }
    for (int part = 0; part < plane_parts; part++) {
        if (have_this_part(part, 0)) continue;
        EXPECT_EQ(sections_built(0, part), 0) << "part " << part;
        EXPECT_TRUE(std::isnan(geo_hinge_dir[0][part][0])) << "part " << part;
        EXPECT_TRUE(std::isnan(geo_aspect[0][part])) << "part " << part;
    }
    // A body is the design's own points; slot 1 is not touched by slot 0.
    EXPECT_EQ(geo_xyz[0][18][5][3][1], cessna.body_Y[18][5][3]);
    EXPECT_EQ(geo_xyz[0][25][2][6][2], pln[0].body_Z[25][2][6]);
    mark_mesh(1);
    build();
    EXPECT_EQ(sections_built(1, 18), 0);
}

// The mesh is rebuilt only with a new file, so it holds the parts the run
// hides for a while: a fairing over a raised leg shows again when the leg
// comes down, and a wing torn off past the redline is back for the next
// flight.
TEST_F(Mesh, PartsTheRunHidesAreBuiltAllTheSame)
{
    pln[0].fair_eq = 1;
    pln[0].gear_type = 3;
    pln[0].gear_stat[0] = pln[0].gear_stat[1] = pln[0].gear_stat[2] = 0;
    flt.redline_busted = 1;
    build();
    flt.redline_busted = 0;
    for (int part : {5, 7, 25, 26, 27}) {
        EXPECT_GT(sections_built(0, part), 0) << "part " << part;
        EXPECT_EQ(geo_sections[0][part], sections_built(0, part)) << "part " << part;
    }
}

// Whole blades only, evenly round the hub, the k-th at 360 k / n degrees
// clockwise from straight up; never more than the sections hold.
TEST_F(Mesh, BladesPointRoundTheHubAndOnlyWholeOnesAreBuilt)
{
    struct {
        float numblades;
        std::vector<int> degrees;
    } cases[] = {
        {3, {120, 240, 0}},
        {2.5f, {144, 288}},
        {2, {180, 0}},
        {40, {40, 80, 120, 160, 200, 240, 280, 320, 0}},   // as nine
        {0.5f, {}},
        {NAN, {}},
    };
    for (auto& c : cases) {
        mark_mesh(0);
        pln[0].numblades[0] = c.numblades;
        pln[0].Croot[0] = 0.4f;
        pln[0].Ctip[0] = 0.15f;
        pln[0].semilen[0] = 1.0f;
        build();
        const int n = (int)c.degrees.size();
        SCOPED_TRACE(c.numblades);
        EXPECT_EQ(sections_built(0, 0), 2 * n);
        for (int k = 0; k < n; k++) {
            const float(*lead)[3] = geo_xyz[0][0][2 * k];
            const float(*trail)[3] = geo_xyz[0][0][2 * k + 1];
            float tip_x = 0.5f * (lead[1][0] + trail[1][0]), tip_y = 0.5f * (lead[1][1] + trail[1][1]);
            float deg = atan2f(tip_x, tip_y) * 180.0f / 3.14159265f;
            EXPECT_NEAR(fltwrap(deg, 0, 360), (float)c.degrees[k], 0.01f) << "blade " << k;
            EXPECT_NEAR(pythag(tip_x, tip_y), 1.0f, 1e-5f);
            // Chord across the blade: the root's full chord at the hub, the tip's at the tip.
            EXPECT_NEAR(pythag(lead[0][0] - trail[0][0], lead[0][1] - trail[0][1]), 0.4f, 1e-5f);
            EXPECT_NEAR(pythag(lead[1][0] - trail[1][0], lead[1][1] - trail[1][1]), 0.15f, 1e-5f);
            EXPECT_EQ(lead[1][2], 0.0f);
            // A flat blade faces along the axis, both of its sections alike.
            for (int s = 2 * k; s <= 2 * k + 1; s++)
                for (int j = 0; j < 2; j++) {
                    EXPECT_NEAR(geo_nrm[0][0][s][j][2], 1.0f, 1e-5f) << "section " << s << " point " << j;
                    EXPECT_EQ(geo_st[0][0][s][j][0], (float)(s % 2));
                    EXPECT_EQ(geo_st[0][0][s][j][1], (float)j);
                }
        }
    }
}

// ---- lifting parts ------------------------------------------------------------------

// The hinge points sit at the control surface's chord ratio ahead of the
// trailing edge (half the chord behind the quarter chord on a wing without
// ailerons), thinned toward the trailing edge; the hinge line runs from the
// root's hinge middle to the tip's, per metre of span.
TEST_F(Mesh, HingeSitsAtTheControlsChordRatio)
{
    pln[0].ailn_crat = 0.3f;
    pln[0].elev_crat = 0.4f;
    pln[0].rudd_crat = 0.35f;
    for (int e = 0; e < plane_elements; e++) {
        pln[0].ailn[4][e] = 0;
        pln[0].ailn[5][e] = e == pln[0].els[5] - 1;   // on the outermost element only
    }
    build();
    struct {
        int part;
        float g;
    } cases[] = {{4, 0.5f}, {5, 0.75f - 0.3f}, {10, 0.75f - 0.4f}, {12, 0.75f - 0.35f}};
    for (auto& c : cases) {
        const planestruct& a = pln[0];
        const int part = c.part, els = a.els[part];
        SCOPED_TRACE(part);
        const float f = 0.5f - 0.5f * (c.g - 0.11f) / (0.75f - 0.11f);
        for (int i = 0; i <= els; i++) {
            float frac = (float)i / (float)els, r = frac * a.semilen[part];
            float chord = a.Croot[part] + (a.Ctip[part] - a.Croot[part]) * frac;
            float thick = a.Croot[part] * afl[0].trat[part][0] +
                          (a.Ctip[part] * afl[0].trat[part][1] - a.Croot[part] * afl[0].trat[part][0]) * frac;
            const float(*sec)[3] = geo_xyz[0][part][i];
            for (int pt : {5, 7})
                EXPECT_NEAR(sec[pt][2], get_wing_Zarm(part, r, 0) + c.g * chord, 1e-4f) << "section " << i;
            // Upper and lower hinge points stand apart by the thinned thickness.
            EXPECT_NEAR(pythag3(sec[5][0] - sec[7][0], sec[5][1] - sec[7][1], sec[5][2] - sec[7][2]),
                        2 * f * thick, 1e-4f);
            EXPECT_NEAR(sec[0][2], get_wing_Zarm(part, r, 0) - 0.25f * chord, 1e-4f);
            EXPECT_NEAR(sec[6][2], get_wing_Zarm(part, r, 0) + 0.75f * chord, 1e-4f);
            // The texture runs root to tip up t.
            EXPECT_EQ(geo_st[0][part][i][3][1], frac);
        }
        const float(*tip)[3] = geo_xyz[0][part][els];
        for (int k = 0; k < 3; k++) {
            float root_mid = 0.5f * (geo_xyz[0][part][0][5][k] + geo_xyz[0][part][0][7][k]);
            EXPECT_NEAR(geo_hinge_root[0][part][k], root_mid, 1e-6f);
            EXPECT_NEAR(root_mid + geo_hinge_dir[0][part][k] * a.semilen[part], 0.5f * (tip[5][k] + tip[7][k]), 1e-4f);
        }
    }
}

// ---- normals ------------------------------------------------------------------------

// Unit length everywhere; outward on both halves of every pair: a right
// half's normals are its left half's mirrored, the wings' tops face up and
// their leading edges forward, the fuselage's face away from its axis.
TEST_F(Mesh, NormalsAreUnitAndFaceOutwardOnBothSides)
{
    build();
    for (int part = 0; part < plane_parts; part++) {
        if (!have_this_part(part, 0)) continue;
        for (int s = 0; s < sections_built(0, part); s++)
            for (int j = 0; j < points_built(0, part); j++) {
                const float* n = geo_nrm[0][part][s][j];
                EXPECT_NEAR(pythag3(n[0], n[1], n[2]), 1.0f, 1e-5f) << part << " " << s << " " << j;
            }
    }
    for (int left : {4, 6, 10}) {
        if (!have_this_part(left, 0)) continue;
        SCOPED_TRACE(left);
        for (int s = 0; s <= pln[0].els[left]; s++)
            for (int j = 0; j < 12; j++) {
                const float* l = geo_nrm[0][left][s][j];
                const float* r = geo_nrm[0][left + 1][s][j];
                EXPECT_NEAR(r[0], -l[0], 1e-5f) << s << " " << j;
                EXPECT_NEAR(r[1], l[1], 1e-5f) << s << " " << j;
                EXPECT_NEAR(r[2], l[2], 1e-5f) << s << " " << j;
            }
        for (int part : {left, left + 1}) {
            EXPECT_GT(geo_nrm[0][part][1][3][1], 0.9f) << part;    // top of the profile
            EXPECT_LT(geo_nrm[0][part][1][9][1], -0.9f) << part;   // underneath
            EXPECT_LT(geo_nrm[0][part][1][0][2], -0.4f) << part;   // leading edge, tilted out by the taper
        }
    }
    // The fin stands on the centre line: its point 3 faces left, 9 right.
    EXPECT_LT(geo_nrm[0][12][1][3][0], -0.9f);
    EXPECT_GT(geo_nrm[0][12][1][9][0], 0.9f);
    // Round the fuselage's middle section, away from the section's centre.
    const int mid = 5;
    float cx = 0, cy = 0;
    for (int j = 0; j < 16; j++) {
        cx += geo_xyz[0][18][mid][j][0] / 16;
        cy += geo_xyz[0][18][mid][j][1] / 16;
    }
    for (int j = 0; j < 16; j++) {
        const float* v = geo_xyz[0][18][mid][j];
        const float* n = geo_nrm[0][18][mid][j];
        EXPECT_GT(n[0] * (v[0] - cx) + n[1] * (v[1] - cy), 0) << "point " << j;
    }
}

// A pylon's normals face out of its profile whichever side it stands on:
// left, on the centre line (built mirrored, as the right side) and right,
// hanging or level. Points 2-4 and 8-10 lie on its two faces.
TEST_F(Mesh, PylonNormalsFaceOutwardOnEitherSideAndOnTheCentreLine)
{
    planestruct& a = pln[0];
    a.numen = 3;
    const float xs[3] = {-1, 0, 1};
    for (float dihed : {-90.0f, 0.0f}) {
        for (int k = 0; k < 3; k++) {
            int part = part_pylon_first + k;
            a.Xarm[part] = xs[k], a.Yarm[part] = -0.5f, a.Zarm[part] = 0;
            a.semilen[part] = 0.6f, a.Croot[part] = 1.2f, a.Ctip[part] = 1;
            a.els[part] = 1, a.dihed[part] = dihed, a.sweep1[part] = 0;
            afl[0].trat[part][0] = afl[0].trat[part][1] = 0.12f;
        }
        build();
        for (int k = 0; k < 3; k++) {
            int part = part_pylon_first + k;
            SCOPED_TRACE(testing::Message() << "Xarm " << xs[k] << " dihedral " << dihed);
            ASSERT_TRUE(have_this_part(part, 0));
            EXPECT_EQ(mesh_mirrored(part, 0), xs[k] >= 0);
            for (int s = 0; s < 2; s++) {
                float c[3] = {0, 0, 0};
                for (int j = 0; j < 12; j++)
                    for (int q = 0; q < 3; q++) c[q] += geo_xyz[0][part][s][j][q] / 12;
                for (int j : {2, 3, 4, 8, 9, 10}) {
                    const float* v = geo_xyz[0][part][s][j];
                    const float* n = geo_nrm[0][part][s][j];
                    EXPECT_GT(n[0] * (v[0] - c[0]) + n[1] * (v[1] - c[1]) + n[2] * (v[2] - c[2]), 0)
                        << "section " << s << " point " << j;
                }
            }
        }
    }
}

// ---- texture coordinates -------------------------------------------------------------

// Every built part of the Cessna spreads its texture over 0..1 both ways and
// has an aspect.
TEST_F(Mesh, TextureCoordinatesSpanZeroToOne)
{
    build();
    for (int part = 0; part < plane_parts; part++) {
        if (!have_this_part(part, 0)) continue;
        SCOPED_TRACE(part);
        float lo[2] = {2, 2}, hi[2] = {-1, -1};
        for (int s = 0; s < sections_built(0, part); s++)
            for (int j = 0; j < points_built(0, part); j++)
                for (int k = 0; k < 2; k++) {
                    lo[k] = fltmin2(lo[k], geo_st[0][part][s][j][k]);
                    hi[k] = fltmax2(hi[k], geo_st[0][part][s][j][k]);
                }
        for (int k = 0; k < 2; k++) {
            EXPECT_NEAR(lo[k], 0, 1e-5f) << "coordinate " << k;
            EXPECT_NEAR(hi[k], 1, 1e-5f) << "coordinate " << k;
        }
        if (!is_prop(part)) {
            EXPECT_GT(geo_aspect[0][part], 0.0f);
        }
    }
    // A wing's aspect: the chord's reach along the body over the span.
    const planestruct& a = pln[0];
    float reach = fltmax2(get_wing_Zarm(4, a.semilen[4], 0) + 0.75f * a.Ctip[4], a.Zarm[4] + 0.75f * a.Croot[4]) -
                  fltmin2(get_wing_Zarm(4, a.semilen[4], 0) - 0.25f * a.Ctip[4], a.Zarm[4] - 0.25f * a.Croot[4]);
    EXPECT_NEAR(geo_aspect[0][4], reach / a.semilen[4], 1e-5f);
}

// Round a body, t is the length along each section's outline from the mean
// height of all its points: a section wholly above that line adds the
// height of its bottom, one wholly below the depth of its top; the far side
// repeats the near side. Here nine round sections about the line, one
// raised 3 m and one lowered 3 m, ten metres of body.
TEST_F(Mesh, BodyTextureFollowsTheOutlineFromTheMeanHeight)
{
    planestruct& a = pln[0];
    const int part = 18, R = 16;
    for (int s = 0; s < 11; s++) {
        float centre = s == 3 ? 3.0f : (s == 7 ? -3.0f : 0.0f);
        for (int j = 0; j < R; j++) {
            float th = (float)j * 22.5f * 3.14159265f / 180.0f;
            a.body_X[part][s][j] = sinf(th);
            a.body_Y[part][s][j] = centre + cosf(th);
            a.body_Z[part][s][j] = (float)s;
        }
    }
    build();
    const float chord = 2 * sinf(11.25f * 3.14159265f / 180.0f);
    const float span = 16 * chord + 4;   // from the lowered bottom to the raised top
    EXPECT_NEAR(geo_aspect[0][part], 10 / span, 1e-5f);
    struct {
        int section;
        float above_bottom;   // the lowest t of the whole body up to this section's t at point 0
    } cases[] = {{0, 12 * chord + 2}, {3, 16 * chord + 4}, {7, 8 * chord}};
    for (auto& c : cases)
        for (int j = 0; j < R; j++) {
            int near_side = j <= 8 ? j : R - j;
            float t = (c.above_bottom - (float)near_side * chord) / span;
            EXPECT_NEAR(geo_st[0][part][c.section][j][1], t, 1e-5f) << "section " << c.section << " point " << j;
            EXPECT_NEAR(geo_st[0][part][c.section][j][0], (float)c.section / 10, 1e-6f);
        }
}

// ---- degenerate parts ----------------------------------------------------------------

// A wing of no chord, a flat body and a propeller of no radius build finite
// meshes with no spread of texture; a wing of no span is no part at all.
TEST_F(Mesh, PartsOfNoChordGirthOrSpanStayFinite)
{
    planestruct& a = pln[0];
    a.Croot[10] = a.Ctip[10] = 0;
    a.sweep1[10] = 0;
    a.semilen[11] = 0;
    a.semilen[0] = a.Croot[0] = a.Ctip[0] = 0;
    for (int s = 0; s < plane_stations; s++)
        for (int j = 0; j < plane_points; j++) a.body_Y[18][s][j] = 0.2f;
    build();
    for (int part : {0, 10, 18}) {
        EXPECT_GT(sections_built(0, part), 0) << part;
        EXPECT_EQ(first_non_finite(0, part), "") << part;
    }
    for (int s = 0; s <= a.els[10]; s++) EXPECT_EQ(geo_st[0][10][s][4][0], 0.0f);
    for (int s = 0; s < 11; s++) EXPECT_EQ(geo_st[0][18][s][4][1], 0.0f);
    EXPECT_EQ(geo_aspect[0][10], 0.0f);
    EXPECT_EQ(geo_aspect[0][18], 0.0f);
    EXPECT_EQ(sections_built(0, 11), 0);
    EXPECT_TRUE(std::isnan(geo_hinge_dir[0][11][0]));
}
