// The aircraft mesh: each slot's parts as sections of points with normals
// and texture coordinates; its paint follows in Drplane_paint.cpp.
//
//   propellers        flat blades, two sections each
//   lifting parts     one profile per element edge, the hinge line
//   bodies            the design's own stations
//   normals           from the neighbouring points
//   texture coords    unfolded length over width, the aspect
#include "Drplane.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>

float geo_xyz[mesh_slots][plane_parts][plane_stations][plane_points][3];
float geo_nrm[mesh_slots][plane_parts][plane_stations][plane_points][3];
float geo_st[mesh_slots][plane_parts][plane_stations][plane_points][2];
float geo_hinge_root[mesh_slots][plane_parts][3];
float geo_hinge_dir[mesh_slots][plane_parts][3];
float geo_aspect[mesh_slots][plane_parts];
int geo_sections[mesh_slots][plane_parts];

const char* const paint_suffix[paint_codes] = {" prop", " wng1", " wng2", " wng3", " hstb", " vst1",
                                               " vst2", " pyln", " fuse", " nace", " misc", " fair",
                                               " strt", " vst1R", " vst2R", " fuseR"};

// Blades beyond this would take sections the record does not have.
const int max_blades = plane_stations / 2;

int plane_base_name(int p, char* out, int cap)
{
    // Only a real extension comes off: a short name keeps all it has.
    const char* path = pln[p].C_path;
    size_t n = strnlen(path, sizeof pln[p].C_path);
    if (n >= 4 && strncasecmp(path + n - 4, ".acf", 4) == 0) n -= 4;
    return snprintf(out, cap, "%.*s", (int)n, path) < cap;
}

// A part of no span, no chord or no girth divides by nothing: it gets 0,
// so no hinge turn and no spread of texture, rather than inf or NaN.
static float ratio(float num, float den) { return fabsf(den) > 1e-6f ? num / den : 0.0f; }

// ---- propellers -----------------------------------------------------------------

// Whole blades only: a fraction of a blade is not drawn, so it is not built.
static float blade_setting(int part, int p)
{
    float n = pln[p].numblades[part];
    return n >= (float)max_blades ? (float)max_blades : n;
}

static int blade_count(int part, int p)
{
    float n = blade_setting(part, p);
    return n >= 1.0f ? (int)n : 0;    // a NaN builds none
}

// Each blade a flat quad in the disc plane about the hub: section 2k its
// leading side, 2k + 1 its trailing side, point 0 at the hub, 1 at the tip.
static int build_propeller(int part, int p)
{
    const planestruct& a = pln[p];
    const float n = blade_setting(part, p);
    const int blades = blade_count(part, p);
    const float hr = a.Croot[part] * 0.5f, ht = a.Ctip[part] * 0.5f, R = a.semilen[part];
    float (*xyz)[plane_points][3] = geo_xyz[p][part];
    for (int k = 1; k <= blades; k++) {
        int deg = intwrap((int)(360.0f / n * (float)k), 0, 359);
        float s = lookup_sin[deg], c = lookup_cos[deg];
        int sec = 2 * (k - 1);
        load_pln(-hr * c, hr * s, 0, xyz[sec][0]);
        load_pln(R * s - ht * c, R * c + ht * s, 0, xyz[sec][1]);
        load_pln(hr * c, -hr * s, 0, xyz[sec + 1][0]);
        load_pln(R * s + ht * c, R * c - ht * s, 0, xyz[sec + 1][1]);
        for (int side = 0; side < 2; side++)
            for (int j = 0; j < 2; j++) {
                geo_st[p][part][sec + side][j][0] = (float)side;
                geo_st[p][part][sec + side][j][1] = (float)j;
            }
    }
    return 2 * blades;
}

// ---- lifting parts --------------------------------------------------------------

static int lifting_els(int part, int p) { return intlim(pln[p].els[part], 1, plane_elements); }

// The profile of every section: thickness factor and chord position from
// the quarter chord. The hinge points are placed per part.
static const float profile_f[profile_points] = {0,    0.24f, 0.38f, 0.46f, 0.5f,   0,
                                                0,    0,     -0.5f, -0.46f, -0.38f, -0.24f};
static const float profile_g[profile_points] = {-0.25f, -0.21f, -0.13f, 0, 0.11f, 0.5f,
                                                0.75f,  0.5f,   0.11f,  0, -0.13f, -0.21f};

static int carries(const int32_t flags[plane_elements], int els)
{
    for (int e = 0; e < els; e++)
        if (flags[e]) return 1;
    return 0;
}

// The control surface's chord ratio behind the hinge; a pylon's sits mid-chord.
static float hinge_chord_ratio(int part, int els, int p)
{
    const planestruct& a = pln[p];
    if (is_wing(part)) return carries(a.ailn[part], els) ? a.ailn_crat : 0.25f;
    if (is_hstab(part)) return a.elev_crat;
    if (is_vstab(part)) return a.rudd_crat;
    return 0.25f;
}

static int build_lifting_part(int part, int p)
{
    const planestruct& a = pln[p];
    const int els = lifting_els(part, p);
    const float semilen = a.semilen[part];
    const float side = latsign(part, p);
    const float dihed = a.dihed[part] * con.degtorad;
    const float tx = -sinf(dihed) * side, ty = cosf(dihed);
    const float thick_root = a.Croot[part] * afl[p].trat[part][0];
    const float thick_tip = a.Ctip[part] * afl[p].trat[part][1];

    float g[profile_points], f[profile_points];
    memcpy(g, profile_g, sizeof g);
    memcpy(f, profile_f, sizeof f);
    g[hinge_upper] = g[hinge_lower] = 0.75f - hinge_chord_ratio(part, els, p);
    // The profile thins linearly from half thickness to nothing at the trailing edge.
    f[hinge_upper] = interp(0.11f, 0.5f, 0.75f, 0, g[hinge_upper]);
    f[hinge_lower] = interp(0.11f, -0.5f, 0.75f, 0, g[hinge_lower]);

    const float zroot = get_wing_Zarm(part, 0, p), ztip = get_wing_Zarm(part, semilen, p);
    const float zmin = fltmin2(ztip - 0.25f * a.Ctip[part], zroot - 0.25f * a.Croot[part]);
    const float zmax = fltmax2(ztip + 0.75f * a.Ctip[part], zroot + 0.75f * a.Croot[part]);

    for (int i = 0; i <= els; i++) {
        const float frac = (float)i / (float)els;
        const float r = frac * semilen;
        const float chord = interp(0, a.Croot[part], 1, a.Ctip[part], frac);
        const float thick = interp(0, thick_root, 1, thick_tip, frac);
        const float x = get_wing_Xarm(part, r, p), y = get_wing_Yarm(part, r, p), z = get_wing_Zarm(part, r, p);
        for (int j = 0; j < profile_points; j++) {
            float t = f[j] * thick;
            float* v = geo_xyz[p][part][i][j];
            load_pln(x + t * tx, y + t * ty, z + g[j] * chord, v);
            geo_st[p][part][i][j][0] = ratio(v[2] - zmin, zmax - zmin);
            geo_st[p][part][i][j][1] = frac;
        }
    }

    const float(*root)[3] = geo_xyz[p][part][0];
    const float(*tip)[3] = geo_xyz[p][part][els];
    for (int k = 0; k < 3; k++) {
        float mid_root = 0.5f * (root[hinge_upper][k] + root[hinge_lower][k]);
        float mid_tip = 0.5f * (tip[hinge_upper][k] + tip[hinge_lower][k]);
        geo_hinge_root[p][part][k] = mid_root;
        geo_hinge_dir[p][part][k] = ratio(mid_tip - mid_root, semilen);
    }
    geo_aspect[p][part] = fabsf(ratio(zmax - zmin, semilen));
    return els + 1;
}

// ---- bodies -----------------------------------------------------------------------

// Length along section s's outline from the girth line yg to point j,
// walking from j toward the line: down toward the bottom point when j is
// above it, up toward the top when below. An outline that never reaches
// the line goes on straight to it from its last point. Positive above.
// Within a micron counts as on the line: the mean of a flat body's heights
// is not exactly its height.
static float girth_distance(int part, int s, int j, int bottom, float yg, int p)
{
    const planestruct& a = pln[p];
    const float* X = a.body_X[part][s];
    const float* Y = a.body_Y[part][s];
    const float* Z = a.body_Z[part][s];
    const float on_line = 1e-6f;
    const float side = Y[j] > yg + on_line ? 1.0f : (Y[j] < yg - on_line ? -1.0f : 0.0f);
    if (side == 0) return 0;
    const int step = side > 0 ? 1 : -1;
    const int end = side > 0 ? bottom : 0;
    float len = 0;
    for (int k = j; k != end; k += step) {
        int n = k + step;
        float seg = pythag3(X[n] - X[k], Y[n] - Y[k], Z[n] - Z[k]);
        if ((Y[n] - yg) * side > on_line) {
            len += seg;
            continue;
        }
        // Only the part on j's side; Y[k] lies beyond the margin, Y[n] within it or across.
        return side * (len + seg * fltmin2((Y[k] - yg) / (Y[k] - Y[n]), 1.0f));
    }
    return side * (len + fabsf(Y[end] - yg));
}

float body_girth_y(int part, int p)
{
    const int n = f_body_s_dim(part, p), R = f_body_r_dim(part);
    if (n <= 0 || R <= 0) return 0;
    float yg = 0;
    for (int s = 0; s < n; s++)
        for (int j = 0; j < R; j++) yg += pln[p].body_Y[part][s][j];
    return yg / (float)(n * R);
}

static int build_body(int part, int p)
{
    const planestruct& a = pln[p];
    const int n = f_body_s_dim(part, p), R = f_body_r_dim(part), bottom = R / 2;
    if (n <= 0 || R <= 0) return 0;

    for (int s = 0; s < n; s++)
        for (int j = 0; j < R; j++)
            load_pln(a.body_X[part][s][j], a.body_Y[part][s][j], a.body_Z[part][s][j], geo_xyz[p][part][s][j]);
    const float yg = body_girth_y(part, p);

    float zmin = a.body_Z[part][0][0], zmax = zmin, tmin = 0, tmax = 0;
    for (int s = 0; s < n; s++)
        for (int j = 0; j <= bottom; j++) {
            float t = girth_distance(part, s, j, bottom, yg, p), z = a.body_Z[part][s][j];
            geo_st[p][part][s][j][1] = t;
            if (s == 0 && j == 0) tmin = tmax = t;
            tmin = fltmin2(tmin, t);
            tmax = fltmax2(tmax, t);
            zmin = fltmin2(zmin, z);
            zmax = fltmax2(zmax, z);
        }
    for (int s = 0; s < n; s++) {
        for (int j = 0; j <= bottom; j++)
            geo_st[p][part][s][j][1] = ratio(geo_st[p][part][s][j][1] - tmin, tmax - tmin);
        for (int j = 0; j < R; j++) {
            // The far side repeats the near side's girth.
            if (j > bottom) geo_st[p][part][s][j][1] = geo_st[p][part][s][R - j][1];
            geo_st[p][part][s][j][0] = ratio(a.body_Z[part][s][j] - zmin, zmax - zmin);
        }
    }
    geo_aspect[p][part] = fabsf(ratio(zmax - zmin, tmax - tmin));
    return n;
}

// ---- normals -----------------------------------------------------------------------

// The fins stand as right halves; a pylon's side is where latsign puts it.
int mesh_mirrored(int part, int p)
{
    return (is_surface(part) || is_pylon(part)) && latsign(part, p) > 0;
}

// Across the sections and around the points of each; a blade's two
// sections are its own neighbours, never the next blade's.
static void build_normals(int part, int sections, int p)
{
    const int R = f_body_r_dim(part);
    // A mirrored part's cross products point inward.
    const float flip = mesh_mirrored(part, p) ? -1.0f : 1.0f;
    float(*P)[plane_points][3] = geo_xyz[p][part];
    for (int s = 0; s < sections; s++) {
        int lo = is_prop(part) ? s & ~1 : 0;
        int hi = is_prop(part) ? lo + 1 : sections - 1;
        int s1 = intlim(s + 1, lo, hi), s0 = intlim(s - 1, lo, hi);
        for (int j = 0; j < R; j++) {
            int j1 = intlim(j + 1, 0, R - 1), j0 = intlim(j - 1, 0, R - 1);
            float u[3], v[3];
            for (int k = 0; k < 3; k++) {
                u[k] = flip * (P[s1][j][k] - P[s0][j][k]);
                v[k] = P[s][j1][k] - P[s][j0][k];
            }
            find_normal_vects(u, v, geo_nrm[p][part][s][j]);
        }
    }
}

// ---- the whole aircraft ----------------------------------------------------------------

// The mesh holds every part the design has, whatever the run has done to
// it since: a raised leg hides its fairing and a torn-off wing is not
// drawn, but the leg comes down again and the next flight has its wing,
// while the mesh is rebuilt only with a new file.
static int in_design(int part, int p)
{
    const planestruct& a = pln[p];
    if (is_fairing(part) && a.fair_eq && a.gear_type >= 3) return 1;
    if (is_wing(part)) return a.semilen[part] > 0.05f;
    return have_this_part(part, p);
}

void load_plane_geo(int load_tex, int write_template, int touch_up, int p)
{
    if (!intrange(p, 0, mesh_slots - 1)) return;
    for (int part = 0; part < plane_parts; part++) {
        geo_sections[p][part] = 0;
        if (!in_design(part, p)) continue;
        int sections = 0;
        if (is_prop(part)) sections = build_propeller(part, p);
        else if (is_surface(part) || is_pylon(part)) sections = build_lifting_part(part, p);
        else sections = build_body(part, p);
        build_normals(part, sections, p);
        geo_sections[p][part] = sections;
    }
    paint_plane(load_tex, write_template, touch_up, p);
}
