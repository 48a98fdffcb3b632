// Drawing the aircraft from its mesh: gear, parts with their moving
// surfaces, propellers and the navigation lights.
//
// Sections: run state, small pieces, gear, moving parts, surfaces, lights,
// the aircraft.
#include "Drplane.h"
#include <Drplane_records.h>
#include "HL_FUNCT.h"
#include "HL_MNW.h"

#include <GL/gl.h>
#include <cmath>

// Landing gear kinds (gear_type) with wheels.
const int gear_twin = 4;       // two wheels side by side
const int gear_tandem = 5;     // two wheels one behind the other
const int gear_quad = 6;       // both

const float disc_omega = 15.0f;       // rad/s: a propeller faster than this shows as a disc
const float disc_turn_rate = 180.0f;  // deg/s: how fast the disc's picture turns
const float flap_full_deg = 40.0f;    // a flap's turn at full deployment

// ---- run state ---------------------------------------------------------------

// The propellers' visual angles (degrees, 0..360), shared by every aircraft
// and kept over the run.
struct plane_run_state {
    float prop_angle[plane_engines] = {};
};
static plane_run_state plane_run;

void clear_plane_run_state(void) { plane_run = plane_run_state(); }

// How this call draws: the slot, and filled or as lines.
struct draw_pass {
    int slot;
    int wire;
    float rgb[3];
};

static void set_pass_state(const draw_pass& d)
{
    if (d.wire) OGL_setstate(0, 0, 0, 1);
    else OGL_setstate(1, 1, 1, 1);
    glColor3fv(d.rgb);
}

// ---- small pieces ------------------------------------------------------------

void load_pln(float x, float y, float z, float v[3])
{
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

void heavy_light(float x, float y, float z, float r, float g, float b, float size)
{
    glPointSize(size + 0.01f);
    glColor3f(r, g, b);
    glBegin(GL_POINTS);
    glVertex3f(x, y, z);
    glEnd();
    glPointSize(1);
}

static void corner(const float* n, const float* st, const float* v)
{
    glNormal3fv(n);
    glTexCoord2fv(st);
    glVertex3fv(v);
}

static void corner(const float* n, float s, float t, const float* v)
{
    glNormal3fv(n);
    glTexCoord2f(s, t);
    glVertex3fv(v);
}

// ---- gear --------------------------------------------------------------------

// The wheel's profile from the right face's hub round the tread to the left
// face's hub: lateral offset and radius are set per wheel, the texture's t
// and the normal (lateral, radial) are fixed.
const int wheel_profile = 6;
const int wheel_segments = 12;
const int wheel_segment_deg = 30;
static const float wheel_t[wheel_profile] = {0, 0.3f, 0.4f, 0.6f, 0.7f, 1};
static const float wheel_n_lat[wheel_profile] = {1, 0.866f, 0.5f, -0.5f, -0.866f, -1};
static const float wheel_n_rad[wheel_profile] = {0, 0.5f, 0.866f, 0.866f, 0.5f, 0};

void disc(float x, float y, float z, float w_side, float w_tread, float r_side, float r_tread)
{
    const float lat[wheel_profile] = {w_side, w_side, w_tread, -w_tread, -w_side, -w_side};
    const float rad[wheel_profile] = {0, r_side, r_tread, r_tread, r_side, 0};
    OGL_bindtex(tex_tire);
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < wheel_segments; k++) {
        float pos[2][wheel_profile][3], nrm[2][wheel_profile][3];
        for (int e = 0; e < 2; e++) {
            int a = (k + e) * wheel_segment_deg;
            float c = lookup_cos[a], s = lookup_sin[a];
            for (int j = 0; j < wheel_profile; j++) {
                load_pln(x + lat[j], y + rad[j] * c, z + rad[j] * s, pos[e][j]);
                load_pln(wheel_n_lat[j], wheel_n_rad[j] * c, wheel_n_rad[j] * s, nrm[e][j]);
            }
        }
        // Each band as two triangles, less the one that shrinks to the hub.
        for (int j = 0; j + 1 < wheel_profile; j++) {
            float t0 = wheel_t[j], t1 = wheel_t[j + 1];
            if (rad[j] != 0) {
                corner(nrm[0][j], 0, t0, pos[0][j]);
                corner(nrm[1][j], 1, t0, pos[1][j]);
                corner(nrm[1][j + 1], 1, t1, pos[1][j + 1]);
            }
            if (rad[j + 1] != 0) {
                corner(nrm[0][j], 0, t0, pos[0][j]);
                corner(nrm[1][j + 1], 1, t1, pos[1][j + 1]);
                corner(nrm[0][j + 1], 0, t1, pos[0][j + 1]);
            }
        }
    }
    glEnd();
}

// An eight-sided tube of radius r from the attachment a down to the wheel w,
// its corners in the horizontal plane.
static void strut(const float a[3], const float w[3], float r, int slot)
{
    OGL_bindtex(paint_tex(slot, paint_strt));
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < 8; k++) {
        float top[2][3], bottom[2][3], n[2][3];
        for (int e = 0; e < 2; e++) {
            int deg = (k + e) * 45;
            float s = lookup_sin[deg], c = lookup_cos[deg];
            load_pln(s, 0, c, n[e]);
            load_pln(a[0] + r * s, a[1], a[2] + r * c, top[e]);
            load_pln(w[0] + r * s, w[1], w[2] + r * c, bottom[e]);
        }
        float s0 = (float)k, s1 = (float)(k + 1);
        corner(n[0], s0, 0, top[0]);
        corner(n[1], s1, 0, top[1]);
        corner(n[1], s1, 1, bottom[1]);
        corner(n[0], s0, 0, top[0]);
        corner(n[1], s1, 1, bottom[1]);
        corner(n[0], s0, 1, bottom[0]);
    }
    glEnd();
}

void gearset(int part, float x_att, float y_att, float z_att, float strut_r, float w_side, float w_tread,
             float r_side, float r_tread, int slot)
{
    float w[3] = {0, 0, 0};
    get_body_os(part, &w[0], &w[1], &w[2], slot);
    int type = pln[slot].gear_type;
    if (part == part_fairing_first && (type == gear_tandem || type == gear_quad)) type = gear_twin;
    int side_by_side = type == gear_twin || type == gear_quad;
    int tandem = type == gear_tandem || type == gear_quad;
    float dx = 1.5f * w_side, dz = 1.5f * r_side;
    for (int i = 0; i <= side_by_side; i++)
        for (int k = 0; k <= tandem; k++) {
            float x = w[0] + (side_by_side ? (i ? dx : -dx) : 0);
            float z = w[2] + (tandem ? (k ? dz : -dz) : 0);
            disc(x, w[1], z, w_side, w_tread, r_side, r_tread);
        }
    const float att[3] = {x_att, y_att, z_att};
    strut(att, w, strut_r, slot);
}

static void draw_gear(int slot)
{
    const planestruct& a = pln[slot];
    if (a.gear_type <= gear_skids) return;
    float wr = a.wheelrad;
    const float legs[3][3] = {{0, a.ngearY_att, a.ngearZ_att},
                              {-a.mgearX_att, a.mgearY_att, a.mgearZ_att},
                              {a.mgearX_att, a.mgearY_att, a.mgearZ_att}};
    for (int k = 0; k < 3; k++)
        if (a.gear_stat[k])
            gearset(part_fairing_first + k, legs[k][0], legs[k][1], legs[k][2], 0.3f * wr, 0.4f * wr, 0.3f * wr,
                    0.8f * wr, wr, slot);
}

// ---- moving parts ------------------------------------------------------------

static void rotate_about(const float o[3], float deg, float ax, float ay, float az)
{
    glTranslatef(o[0], o[1], o[2]);
    glRotatef(deg, ax, ay, az);
    glTranslatef(-o[0], -o[1], -o[2]);
}

// Slot 0 only: the user's aircraft tilts its engines, sweeps its wings,
// turns its stabilator and trim, and compresses its skids; traffic drawn
// from the same slot moves with it.
static void move_part(int part)
{
    const planestruct& a = pln[0];
    if (is_nacelle(part)) {
        int e = part - part_nacelle_first;
        glRotatef(-a.vertcant[e], -1, 0, 0);
        glRotatef(-a.sidecant[e], 0, 1, 0);
    }
    if (is_prop(part)) {
        glRotatef(-drawn_vert_cant(part), -1, 0, 0);
        glRotatef(-drawn_side_cant(part), 0, 1, 0);
        glTranslatef(0, 0, -a.vectarm);
    }
    const float origin[3] = {a.Xarm[part], a.Yarm[part], a.Zarm[part]};
    if ((is_wing(part) || is_hstab(part)) && a.varsweepEQ[part]) {
        float sweep = a.sweepnow[part] - a.sweep1[part];
        rotate_about(origin, latsign(part, 0) < 0 ? sweep : -sweep, 0, 1, 0);
    }
    if (is_hstab(part)) {
        float deg = 0;
        if (a.hstabtype == 1) deg += part == part_hstab_left ? flt.elev_def_L : flt.elev_def_R;
        if (a.hstbtrimmax > 0.01f) {
            float trim = flt.pitch_trim * a.hstbtrimmax;
            deg += a.Zarm[part_hstab_left] < 0 ? -trim : trim;
        }
        if (deg != 0) rotate_about(origin, deg, -1, 0, 0);
    }
    if (a.gear_type == gear_skids && (part == part_fairing_first || part == part_fairing_first + 1)) {
        // A design without a skid length has no skid to tilt.
        int k = part == part_fairing_first ? 3 : 5;
        float deg = a.skidl != 0 ? atanf((a.condef[k + 1] - a.condef[k]) / a.skidl) * con.radtodeg : 0;
        glRotatef(deg, -1, 0, 0);
    }
}

// The propeller's visual angle, advanced one drawing: a disc's picture turns
// at a fixed rate, slower blades at their own.
static float advance_prop(int part, int slot, int as_disc)
{
    float dir = (float)pln[slot].propdir[part];
    float dt = drawn_frame_dt();
    float step = as_disc ? -dt * disc_turn_rate * dir : -drawn_engine_speed(part) * con.radtodeg * dt * dir;
    float& angle = plane_run.prop_angle[part];
    // However long the frame: a step of many turns still lands in 0..360.
    angle = fmodf(angle + step, 360.0f);
    if (angle < 0) angle += 360.0f;
    return angle;
}

// A turning propeller: the see-through disc texture, black, both faces.
static void prop_disc(float radius, const draw_pass& d)
{
    OGL_bindtex(tex_pdisc);
    glColor3f(0, 0, 0);
    glEnable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glBegin(GL_TRIANGLE_FAN);
    glNormal3f(0, 0, -1);
    glTexCoord2f(0.5f, 0.5f);
    glVertex3f(0, 0, 0);
    for (int a = 0; a <= 360; a += 10) {
        float s = lookup_sin[a], c = lookup_cos[a];
        glTexCoord2f(0.5f + 0.5f * s, 0.5f + 0.5f * c);
        glVertex3f(radius * s, radius * c, 0);
    }
    glEnd();
    glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glColor3fv(d.rgb);
}

// ---- surfaces ----------------------------------------------------------------

// Within one glBegin(GL_TRIANGLES): a new texture ends the batch and starts the next.
static void switch_paint(int tex)
{
    glEnd();
    OGL_bindtex(tex);
    glBegin(GL_TRIANGLES);
}

// The quad of strip j0 -> j1 between sections i0 and i1, as two triangles,
// clockwise seen from the side the normals face.
static void mesh_quad(int slot, int part, int i0, int i1, int j0, int j1)
{
    const float(*v)[plane_points][3] = geo_xyz[slot][part];
    const float(*n)[plane_points][3] = geo_nrm[slot][part];
    const float(*st)[plane_points][2] = geo_st[slot][part];
    corner(n[i0][j0], st[i0][j0], v[i0][j0]);
    corner(n[i0][j1], st[i0][j1], v[i0][j1]);
    corner(n[i1][j1], st[i1][j1], v[i1][j1]);
    corner(n[i0][j0], st[i0][j0], v[i0][j0]);
    corner(n[i1][j1], st[i1][j1], v[i1][j1]);
    corner(n[i1][j0], st[i1][j0], v[i1][j0]);
}

// A fan over the section's points in the order given, at the texture's middle.
static void cap(int slot, int part, int section, const int* order, int count)
{
    const float(*v)[3] = geo_xyz[slot][part][section];
    const float(*n)[3] = geo_nrm[slot][part][section];
    for (int k = 1; k + 1 < count; k++) {
        corner(n[order[0]], 0.5f, 0.5f, v[order[0]]);
        corner(n[order[k]], 0.5f, 0.5f, v[order[k]]);
        corner(n[order[k + 1]], 0.5f, 0.5f, v[order[k + 1]]);
    }
}

// The turn of element e's control surface, degrees about its hinge line.
static float surface_deflection(int part, int e)
{
    const planestruct& a = pln[0];
    int left = latsign(part, 0) < 0;
    float deg = 0;
    if (a.ailn[part][e]) deg += left ? flt.ailn_def_L : -flt.ailn_def_R;
    if (a.elev[part][e]) deg += left ? flt.elev_def_L : -flt.elev_def_R;
    if (a.rudd[part][e]) deg += -flt.rudd_def_now;
    if (a.flap[part][e]) deg += left ? -flap_full_deg * flt.flap_ratio : flap_full_deg * flt.flap_ratio;
    return deg;
}

// The rotation by deg about the unit axis k, as glRotatef builds it.
static void hinge_matrix(const float k[3], float deg, float m[3][3])
{
    float r = deg * con.degtorad, c = cosf(r), s = sinf(r), u = 1 - c;
    float x = k[0], y = k[1], z = k[2];
    m[0][0] = x * x * u + c, m[0][1] = x * y * u - z * s, m[0][2] = x * z * u + y * s;
    m[1][0] = y * x * u + z * s, m[1][1] = y * y * u + c, m[1][2] = y * z * u - x * s;
    m[2][0] = z * x * u - y * s, m[2][1] = z * y * u + x * s, m[2][2] = z * z * u + c;
}

static void turn(const float m[3][3], const float* o, const float* p, float* out)
{
    float d[3] = {p[0] - o[0], p[1] - o[1], p[2] - o[2]};
    for (int r = 0; r < 3; r++) out[r] = o[r] + m[r][0] * d[0] + m[r][1] * d[1] + m[r][2] * d[2];
}

// One element's control-surface corners: the hinge and trailing-edge points
// of its root and tip sections, turned about the part's hinge line.
struct surface_corners {
    float v[2][3][3];
    float n[2][3][3];
};

static void turn_element(int slot, int part, int e, surface_corners* sc)
{
    const float zero[3] = {0, 0, 0};
    const float* axis = geo_hinge_dir[slot][part];
    float len = pythag3(axis[0], axis[1], axis[2]);
    float deg = slot == 0 ? surface_deflection(part, e) : 0;
    float m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    if (deg != 0 && len > 0) {
        const float k[3] = {axis[0] / len, axis[1] / len, axis[2] / len};
        hinge_matrix(k, deg, m);
    }
    for (int side = 0; side < 2; side++)
        for (int q = 0; q < 3; q++) {
            int i = e + side, j = hinge_upper + q;
            turn(m, geo_hinge_root[slot][part], geo_xyz[slot][part][i][j], sc->v[side][q]);
            turn(m, zero, geo_nrm[slot][part][i][j], sc->n[side][q]);
        }
}

// Strip q (0: upper hinge to trailing edge, 1: trailing edge to lower hinge)
// of a turned element.
static void surface_quad(int slot, int part, int e, const surface_corners& sc, int q)
{
    const float(*st)[plane_points][2] = geo_st[slot][part];
    int j0 = hinge_upper + q, j1 = j0 + 1;
    corner(sc.n[0][q], st[e][j0], sc.v[0][q]);
    corner(sc.n[0][q + 1], st[e][j1], sc.v[0][q + 1]);
    corner(sc.n[1][q + 1], st[e + 1][j1], sc.v[1][q + 1]);
    corner(sc.n[0][q], st[e][j0], sc.v[0][q]);
    corner(sc.n[1][q + 1], st[e + 1][j1], sc.v[1][q + 1]);
    corner(sc.n[1][q], st[e + 1][j0], sc.v[1][q]);
}

static int fin_face_paint(int part, int right)
{
    if (part == part_vstab_1) return right ? paint_vst1R : paint_vst1;
    return right ? paint_vst2R : paint_vst2;
}

// A wing, stabiliser or fin: the fixed strips as single quads from root to
// tip, the control-surface strips element by element, turned about the
// hinge, then the caps.
static void draw_lifting(int slot, int part, int sections)
{
    if (sections < 2) return;
    int last = sections - 1;
    surface_corners turned[plane_stations];
    for (int e = 0; e < last; e++) turn_element(slot, part, e, &turned[e]);
    int fin = is_vstab(part);
    for (int j = 0; j < profile_points; j++) {
        if (fin && j == profile_points / 2) switch_paint(paint_tex(slot, fin_face_paint(part, 1)));
        if (j == hinge_upper || j == trailing_edge) {
            int q = j - hinge_upper;
            for (int e = 0; e < last; e++) surface_quad(slot, part, e, turned[e], q);
        } else {
            mesh_quad(slot, part, 0, last, j, (j + 1) % profile_points);
        }
    }
    // The tip's trailing-edge wedge turns with the last element.
    const surface_corners& tip = turned[last - 1];
    for (int q = 0; q < 3; q++) corner(tip.n[1][q], 0.5f, 0.5f, tip.v[1][q]);
    static const int tip_order[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11};
    static const int root_order[] = {11, 10, 9, 8, 7, 5, 4, 3, 2, 1, 0};
    cap(slot, part, last, tip_order, 11);
    cap(slot, part, 0, root_order, 11);
}

static void draw_pylon(int slot, int part, int sections)
{
    for (int i = 0; i + 1 < sections; i++)
        for (int j = 0; j < profile_points; j++) mesh_quad(slot, part, i, i + 1, j, (j + 1) % profile_points);
    if (sections < 1) return;
    static const int forward[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    static const int backward[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    cap(slot, part, sections - 1, forward, profile_points);
    cap(slot, part, 0, backward, profile_points);
}

// One quad per blade, front and back: the blade's two sections.
static void draw_blades(int slot, int part, int sections)
{
    for (int j = 0; j < 2; j++)
        for (int i = 0; i + 1 < sections; i += 2) mesh_quad(slot, part, i, i + 1, j, 1 - j);
}

// A body: every band between neighbouring sections; closed_loop adds the
// band from the last back to the first.
static void draw_body(int slot, int part, int sections, int closed_loop)
{
    int points = f_body_r_dim(part);
    for (int j = 0; j < points; j++) {
        if (part == part_fuselage && j == points / 2) switch_paint(paint_tex(slot, paint_fuse));
        int j1 = (j + 1) % points;
        for (int i = 0; i + 1 < sections; i++) mesh_quad(slot, part, i, i + 1, j, j1);
        if (closed_loop && sections > 1) mesh_quad(slot, part, sections - 1, 0, j, j1);
    }
}

// The paint bound before a part's strips: a fin's left face and the
// fuselage's right side come first. A left part carries its right
// partner's paint.
static int part_paint(int part)
{
    if (is_vstab(part)) return fin_face_paint(part, 0);
    if (part == 4 || part == 5) return paint_wng1;
    if (part == 6 || part == 7) return paint_wng2;
    if (part == 8 || part == 9) return paint_wng3;
    if (is_hstab(part)) return paint_hstb;
    if (is_prop(part)) return paint_prop;
    if (is_pylon(part)) return paint_pyln;
    if (is_nacelle(part)) return paint_nace;
    if (is_misc_body(part)) return paint_misc;
    if (is_fairing(part)) return paint_fair;
    return paint_fuseR;    // the fuselage
}

// The part's surfaces, in the part's own frame.
static void draw_part_surfaces(const draw_pass& d, int part)
{
    int slot = d.slot;
    const planestruct& a = pln[slot];
    int sections = geo_sections[slot][part];
    if (is_prop(part)) {
        int as_disc = slot == 1 || drawn_engine_speed(part) > disc_omega;
        glRotatef(advance_prop(part, slot, as_disc), 0, 0, 1);
        if (as_disc) {
            prop_disc(a.semilen[part], d);
            return;
        }
    }
    OGL_bindtex(paint_tex(slot, part_paint(part)));
    glBegin(GL_TRIANGLES);
    if (is_prop(part)) draw_blades(slot, part, sections);
    else if (is_surface(part)) draw_lifting(slot, part, sections);
    else if (is_pylon(part)) draw_pylon(slot, part, sections);
    else {
        // A jet's exhaust and intake close its nacelles, and a single
        // jet's fuselage, in filled drawing.
        int jet_loop = is_jet(a) && !d.wire && (is_nacelle(part) || (part == part_fuselage && a.numen == 1));
        draw_body(slot, part, sections, jet_loop);
    }
    glEnd();
}

// ---- lights ------------------------------------------------------------------

const int light_none = 0;
const int light_left = 1;
const int light_right = 2;
const int light_beacon = 3;
const float light_standoff = 0.1f;    // m beyond the tip

// The outermost wing on each side carries its side light, the last fin the beacon.
static int part_light(int part, int slot)
{
    if (part == 6 || (part == 4 && !have_this_part(6, slot))) return light_left;
    if (part == 7 || (part == 5 && !have_this_part(7, slot))) return light_right;
    if (part == part_vstab_2 || (part == part_vstab_1 && !have_this_part(part_vstab_2, slot))) return light_beacon;
    return light_none;
}

// At the tip's leading edge; the wingtips flash white once a second.
static void draw_light(int kind, int slot, int part)
{
    int sections = geo_sections[slot][part];
    if (sections < 1) return;
    // On the tip's own leading-edge point the light ties in depth with its
    // wing and mostly loses; like a lens it stands a little beyond the tip,
    // along the span.
    const float* tip = geo_xyz[slot][part][sections - 1][0];
    const float* span = geo_hinge_dir[slot][part];
    float len = pythag3(span[0], span[1], span[2]);
    float out = len > 0 ? light_standoff / len : 0;
    float v[3] = {tip[0] + out * span[0], tip[1] + out * span[1], tip[2] + out * span[2]};
    OGL_setstate(1, 0, 0, 1);
    if (kind == light_beacon) {
        heavy_light(v[0], v[1], v[2], pulse(1.5f * (float)slot), 0, 0, 2);
    } else if ((drawn_tenth_count() + slot) % 10 == 0) {
        heavy_light(v[0], v[1], v[2], 1, 1, 1, 2);
    } else {
        int left = kind == light_left;
        heavy_light(v[0], v[1], v[2], left ? 1.0f : 0.0f, left ? 0.0f : 1.0f, 0, 1);
    }
}

// ---- the aircraft --------------------------------------------------------------

// Parts not drawn: the second pylon of a three-engine design, and the
// fairing over a "nose" gear that sits aft of the main gear (a tail wheel).
static int skip_part(int part, int slot)
{
    const planestruct& a = pln[slot];
    if (part == part_pylon_first + 1 && a.numen == 3) return 1;
    return part == part_fairing_first && a.gear_type > gear_skids && a.ngearZ > a.mgearZ;
}

void plot_plane(int is_second, int close)
{
    draw_pass d = {};
    d.slot = is_second ? 1 : 0;
    d.wire = mnw.draw_wire != 0;
    if (d.wire) load_pln(0.5f, 1, 0.5f, d.rgb);
    else load_pln(1, 1, 1, d.rgb);
    int slot = d.slot;
    if (d.wire) glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    set_pass_state(d);
    if (close) draw_gear(slot);

    for (int part = plane_parts - 1; part >= 0; part--) {
        if (!have_this_part(part, slot) || skip_part(part, slot)) continue;
        int light = part_light(part, slot);
        if (!close && light == light_none) continue;
        glPushMatrix();
        int flip = mesh_mirrored(part, slot);
        if (flip) glFrontFace(GL_CCW);
        if (is_prop(part) || is_nacelle(part) || is_misc_body(part) || is_fairing(part)) {
            float x = 0, y = 0, z = 0;
            get_body_os(part, &x, &y, &z, slot);
            glTranslatef(x, y, z);
        }
        if (slot == 0) move_part(part);
        if (close) {
            set_pass_state(d);
            draw_part_surfaces(d, part);
        }
        if (light != light_none) draw_light(light, slot, part);
        glPopMatrix();
        if (flip) glFrontFace(GL_CW);
    }
    set_pass_state(d);
    if (d.wire) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}
