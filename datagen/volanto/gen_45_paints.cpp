// Writes the aircraft drawing's textures into the program folder given as
// the one argument (ending in '/'):
//   textures/surfaces/ "tire"   128 x 128: one 30-degree segment of a wheel.
//                      s runs round the segment; t runs across the wheel's
//                      profile: the hub at t = 0, the right face to 0.3, its
//                      shoulder to 0.4, the tread to 0.6, then the left
//                      shoulder and face back to the hub at t = 1;
//   textures/overlay/  "pdisc"  128 x 128: a turning propeller seen face on,
//                      its brightness the alpha (the loader draws it black):
//                      a faint haze over the disc and a fainter ring where
//                      the blade tips run, clear outside the disc.
// s runs along the rows and t up the picture (the bottom row is t = 0).
//
// And paints the shipped aircraft: the default Cessna 172 and the two system
// planes. Each aircraft is loaded through the simulator's own loader, which
// writes a paint template of every paintable part beside the aircraft file
// ("<aircraft> wng1start.bmp" ...) from the same mesh it draws; the paint is
// drawn over the template, so it lines up with the mesh, and saved under the
// names the loader reads ("<aircraft> wng1.bmp" ...). The templates are then
// removed, so the shipped folders hold only the paint.
//
// The colours follow the position in the picture (span, girth) and run on
// past the part's outline, so that filtering and mip-maps find no dark edge
// round it; the template gives the guide lines, drawn as faint panel lines.
//
// Template layout: lifting parts run root (bottom row) to tip across the
// rows, leading edge (left column) to trailing edge across the columns;
// bodies run nose to tail across the columns and bottom (row 0) to top
// round the girth. A template is black outside the part, grey 250 on it, a
// lighter grey on its control surfaces and darker where the hinge and the
// element joints run.
//
// Both faces of a fin and both sides of the fuselage map their columns nose
// to tail, so the right-hand pictures (" vst1R", " fuseR") carry the same
// trim as the left and the registration mirrored, to read forwards there.
//
// Sections: wheel and propeller disc; then the aircraft's paint: pictures,
// schemes, the fuselage's frame, lettering, parts, aircraft; main.
//   usage: gen_45_paints <program folder ending in '/'>
#include "Drplane.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initpln.h"
#include "bmp_writer.h"
#include "volanto/texture_paint.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static std::string program_folder;

// ---- wheel and propeller disc ----------------------------------------------------

const int shared_size = 128;

static unsigned char shared_pic[shared_size * shared_size * 3];

static int write_shared(const char* folder, const char* name)
{
    std::string path = program_folder + "textures/" + folder + name + ".BMP";
    if (write_bmp(path.c_str(), shared_pic, shared_size, shared_size, shared_size)) return 1;
    fprintf(stderr, "gen_45_paints: cannot write %s\n", path.c_str());
    return 0;
}

// The tyre across its profile, at t folded onto the right half (0 the hub,
// 0.5 the middle of the tread) and s round the segment.
static rgb_f tire_at(float t, float s, int x, int y)
{
    const rgb_f hub = {168, 170, 174}, hub_rim = {120, 122, 126}, rubber = {34, 34, 36}, worn = {46, 46, 48};
    const float hub_edge = 0.13f, face_edge = 0.3f, tread_edge = 0.4f;
    rgb_f c;
    if (t < hub_edge) {
        // The wheel's hub, a darker lip round it and five bolt heads.
        c = t > hub_edge - 0.025f ? hub_rim : hub;
        int bolt = fabsf(t - 0.07f) < 0.012f && fabsf(fmodf(s * 5, 1.0f) - 0.5f) < 0.12f;
        if (bolt) c = scale(hub, 0.75f);
    } else if (t < face_edge) {
        // The sidewall, a raised bead near its outer edge.
        c = fabsf(t - 0.26f) < 0.008f ? worn : rubber;
    } else if (t < tread_edge) {
        c = mix(rubber, worn, (t - face_edge) / (tread_edge - face_edge));
    } else {
        // The tread: a groove round the wheel and cross grooves, four a
        // segment, so the pattern runs on from segment to segment.
        int groove = fabsf(t - 0.46f) < 0.012f;
        int cross = fabsf(fmodf(s * 4, 1.0f) - 0.5f) < 0.07f && t < 0.47f;
        c = groove || cross ? scale(rubber, 0.55f) : worn;
    }
    return scale(c, 1 + 0.05f * grain(x, y, 45));
}

static int write_tire(void)
{
    for (int y = 0; y < shared_size; y++)
        for (int x = 0; x < shared_size; x++) {
            float t = (y + 0.5f) / shared_size, s = (x + 0.5f) / shared_size;
            float folded = t <= 0.5f ? t : 1 - t;
            put_opaque(shared_pic + (y * shared_size + x) * 3, tire_at(folded, s, x, y));
        }
    return write_shared("surfaces/", "tire");
}

// Brightness 0..255 of the disc at radius r (0.5 its rim) and angle a: a
// faint haze, a brighter ring at the blade tips, and two soft streaks so the
// disc's turning shows.
static float pdisc_at(float r, float a)
{
    if (r > 0.5f) return 0;
    float haze = 14 * smooth(0.5f, 0.46f, r) * smooth(0.03f, 0.12f, r);
    float ring = 40 * smooth(0.36f, 0.43f, r) * smooth(0.5f, 0.46f, r);
    float streak = 0.75f + 0.25f * cosf(2 * a);
    return (haze + ring) * streak;
}

static int write_pdisc(void)
{
    for (int y = 0; y < shared_size; y++)
        for (int x = 0; x < shared_size; x++) {
            float u = (x + 0.5f) / shared_size - 0.5f, v = (y + 0.5f) / shared_size - 0.5f;
            float b = pdisc_at(hypotf(u, v), atan2f(v, u));
            put_opaque(shared_pic + (y * shared_size + x) * 3, {b, b, b});
        }
    return write_shared("overlay/", "pdisc");
}

static int write_shared_textures(void) { return write_tire() & write_pdisc(); }

// ---- pictures ------------------------------------------------------------------

const int livery_side_max = 512;     // the widest and tallest template

// A picture as the data generators write it: RGB, the bottom row first.
struct livery_pic {
    int w, h;
    unsigned char rgb[livery_side_max * livery_side_max * 3];
};

static unsigned char* livery_px(livery_pic& p, int c, int r) { return p.rgb + ((size_t)r * p.w + c) * 3; }

// The template of the part and the paint drawn over it; the paint's copy for
// a right-hand face.
struct livery_work {
    livery_pic templ;
    livery_pic paint;
    livery_pic right;
};

static livery_work work;

// Reads the template at path through the simulator's own reader. 0 when
// there is none (the aircraft has no such part).
static int read_template(const std::string& path, livery_pic& out)
{
    int w = 0, h = 0;
    int ok = read_bmp_file(path.c_str(), bmp_by_path, 0, bmp_opaque, &w, &h);
    if (!ok || w > livery_side_max || h > livery_side_max) return 0;
    out.w = w;
    out.h = h;
    memcpy(out.rgb, rgb_array, (size_t)w * h * 3);
    return 1;
}

static int save_picture(const std::string& path, livery_pic& p)
{
    if (write_bmp(path.c_str(), p.rgb, p.w, p.h, p.w)) return 1;
    fprintf(stderr, "gen_45_paints: cannot write %s\n", path.c_str());
    return 0;
}

// What a template pixel shows: nothing (black), the part's skin, a control
// surface, or a guide line: any of those greys halved, once for each control
// the line bounds.
static int is_guide_line(livery_pic& t, int c, int r)
{
    int v = livery_px(t, c, r)[0];
    return v != 0 && v != grey_outline && v != grey_aileron && v != grey_elevator && v != grey_rudder &&
           v != grey_flap;
}

// ---- schemes ---------------------------------------------------------------------

struct livery_scheme {
    const char* folder;       // under the program folder
    const char* file;
    rgb_f skin;
    rgb_f trim;               // cheat line, wing tips, fin stripes
    rgb_f letters;            // the registration
    float cheat_m;            // cheat line height, metres; 0 for none
    float tip_share;          // outer share of the outermost wing in trim
    int fin_stripes;          // bands across the fin's upper half
};

const rgb_f white_skin = {244, 245, 242};

static const livery_scheme schemes[] = {
    // White, a mid blue cheat line, tips and fin stripes; dark blue letters.
    {"planes/General Aviation/Cessna 172 Skyhawk/", "Cessna 172 Skyhawk.acf", white_skin, {28, 72, 160},
     {22, 34, 92}, 0.12f, 0.07f, 2},
    // White with navy trim, as the club's tow plane.
    {"planes/System Planes (don't move)/Husky/", "Husky.acf", white_skin, {20, 38, 96}, {20, 38, 96}, 0.12f,
     0.08f, 1},
    // Overall light grey, as the type flies today; dark grey letters, no trim.
    {"planes/System Planes (don't move)/B-52H Stratofortress/", "B-52H Stratofortress.acf", {150, 155, 158},
     {150, 155, 158}, {52, 54, 58}, 0, 0, 0},
};

const float panel_line_shade = 0.82f;    // a guide line darkens the paint under it

// ---- the fuselage's frame ----------------------------------------------------------

// Where things on the fuselage fall in its picture, from the mesh: column
// per metre along the body, row per metre round it, and the girth line.
struct fuselage_frame {
    int slot;
    int sections, bottom;     // the bottom point, half the points
    float z0, s0, s_per_m;    // s = s0 + (z - z0) s_per_m
    float t_girth;            // t of the girth line
    float t_per_m;            // t per metre round the outline
};

// The girth line is the mean height of the body's points: where a section's
// outline crosses it, t runs linearly along the crossing segment.
static int frame_fuselage(int slot, fuselage_frame& f)
{
    const int part = part_fuselage, R = f_body_r_dim(part);
    f.slot = slot;
    f.sections = geo_sections[slot][part];
    f.bottom = R / 2;
    if (f.sections < 2 || R < 4) return 0;
    const float(*first)[3] = geo_xyz[slot][part][0];
    const float(*last)[3] = geo_xyz[slot][part][f.sections - 1];
    float dz = last[0][2] - first[0][2];
    if (dz <= 0) return 0;
    f.z0 = first[0][2];
    f.s0 = geo_st[slot][part][0][0][0];
    f.s_per_m = (geo_st[slot][part][f.sections - 1][0][0] - f.s0) / dz;

    const float yg = body_girth_y(part, slot);

    float t_sum = 0, per_m_sum = 0;
    int crossings = 0;
    for (int s = 0; s < f.sections; s++)
        for (int j = 0; j < f.bottom; j++) {
            const float* a = geo_xyz[slot][part][s][j];
            const float* b = geo_xyz[slot][part][s][j + 1];
            if (!(a[1] >= yg && b[1] < yg)) continue;
            float ta = geo_st[slot][part][s][j][1], tb = geo_st[slot][part][s][j + 1][1];
            float k = (a[1] - yg) / (a[1] - b[1]);
            float seg = pythag3(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
            if (seg <= 0 || ta <= tb) continue;
            t_sum += ta + (tb - ta) * k;
            per_m_sum += (ta - tb) / seg;
            crossings++;
        }
    if (crossings == 0) return 0;
    f.t_girth = t_sum / crossings;
    f.t_per_m = per_m_sum / crossings;
    return 1;
}

static float column_of_z(const fuselage_frame& f, int W, float z) { return W * (f.s0 + (z - f.z0) * f.s_per_m); }

// The row of point j's t at column c, between the sections about it, as the
// template interpolates its outline.
static float row_of_point(const fuselage_frame& f, int W, int H, int j, float c)
{
    const float(*st)[plane_points][2] = geo_st[f.slot][part_fuselage];
    for (int i = 0; i + 1 < f.sections; i++) {
        float c0 = W * st[i][0][0], c1 = W * st[i + 1][0][0];
        if (c > c1 && i + 2 < f.sections) continue;
        float k = c1 > c0 ? fltlim((c - c0) / (c1 - c0), 0, 1) : 0;
        return (H - 1) * (st[i][j][1] + (st[i + 1][j][1] - st[i][j][1]) * k);
    }
    return 0;
}

// The root section's trailing edge furthest aft over the wings, and the
// tail's root leading edge furthest forward: the registration goes between.
static float wing_trailing_z(int slot)
{
    float z = -1e9f;
    for (int part = part_wing_first; part <= part_wing_last; part++)
        if (have_this_part(part, slot)) z = fmaxf(z, geo_xyz[slot][part][0][trailing_edge][2]);
    return z;
}

static float tail_leading_z(int slot)
{
    float z = 1e9f;
    for (int part = part_hstab_left; part <= part_vstab_2; part++)
        if (have_this_part(part, slot)) z = fminf(z, geo_xyz[slot][part][0][leading_edge][2]);
    return z;
}

// ---- lettering ----------------------------------------------------------------------

// The registration in the program's own dot font: each dot dw columns by dh
// rows, one dot between characters; its bottom left corner at (c0, r0).
struct lettering {
    const char* text;
    int c0, r0, dw, dh;
};

static int lettering_dots_wide(const char* text) { return 6 * (int)strlen(text) - 1; }

// mirrored writes it as the right-hand side shows it: its first character
// aft, each glyph turned over.
static void draw_lettering(livery_pic& p, const lettering& l, rgb_f colour, int mirrored)
{
    const int wide = lettering_dots_wide(l.text) * l.dw, high = 7 * l.dh;
    for (int y = 0; y < high; y++)
        for (int x = 0; x < wide; x++) {
            int u = (mirrored ? wide - 1 - x : x) / l.dw, v = 6 - y / l.dh;   // dot column, dot row from the top
            if (u % 6 == 5) continue;
            const char* dots = font_dots_of(l.text[u / 6]);
            int c = l.c0 + x, r = l.r0 + y;
            if (dots[v * 5 + u % 6] == '#' && c >= 0 && c < p.w && r >= 0 && r < p.h)
                put_rgb(livery_px(p, c, r), colour);
        }
}

// Places the registration on the side, aft of the wing: the biggest letters
// that fit, at most 4% of the body's length and a metre tall, above the
// cheat line or below it, and no further round the body than 80% of the way
// from the girth line to the top or the bottom. 0 when nothing fits.
static int place_lettering(const fuselage_frame& f, int W, int H, const char* text, float cheat_m, lettering& out)
{
    const float reach = 0.8f;
    const float row_per_m = (H - 1) * f.t_per_m, col_per_m = W * f.s_per_m;
    const float fore = wing_trailing_z(f.slot), aft = tail_leading_z(f.slot);
    if (!(aft > fore) || row_per_m <= 0 || col_per_m <= 0) return 0;
    const float z_start = fore + 0.05f * (aft - fore), room = 0.85f * (aft - fore);
    const float body_len = (float)W / col_per_m;
    const float girth_row = (H - 1) * f.t_girth, half_cheat = 0.5f * cheat_m * row_per_m;
    const int dots = lettering_dots_wide(text);

    const float tallest = fminf(0.04f * body_len, 1.0f);
    for (float dot_m = tallest / 7; dot_m * col_per_m >= 1 && dot_m * row_per_m >= 1; dot_m *= 0.95f) {
        if (dots * dot_m > room) continue;
        lettering l = {text, (int)lroundf(column_of_z(f, W, z_start)), 0, (int)lroundf(dot_m * col_per_m),
                       (int)lroundf(dot_m * row_per_m)};
        const int high = 7 * l.dh, gap = intmax2(2, l.dh);
        // Above the cheat line first, then below it.
        for (int above = 1; above >= 0; above--) {
            // Below, clear of the pinstripe too.
            l.r0 = above ? (int)ceilf(girth_row + half_cheat) + gap
                         : (int)floorf(girth_row - 2 * half_cheat) - gap - high;
            int fits = l.r0 >= 0 && l.r0 + high < H;
            for (int c = l.c0; fits && c < l.c0 + dots * l.dw; c++) {
                float top = girth_row + reach * (row_of_point(f, W, H, 0, (float)c) - girth_row);
                float low = girth_row + reach * (row_of_point(f, W, H, f.bottom, (float)c) - girth_row);
                fits = c < W && l.r0 >= low && l.r0 + high <= top;
            }
            if (fits) {
                out = l;
                return 1;
            }
        }
    }
    return 0;
}

// ---- parts --------------------------------------------------------------------------

// A wing, stabiliser, fin or pylon: the outermost wing's tip in trim, the
// fins striped across their upper half.
static void paint_lifting(const livery_scheme& k, int code, int outer_wing)
{
    livery_pic &t = work.templ, &p = work.paint;
    for (int r = 0; r < t.h; r++) {
        float span = t.h > 1 ? (float)r / (t.h - 1) : 0;
        rgb_f c = k.skin;
        if (code == outer_wing && span > 1 - k.tip_share) c = k.trim;
        if ((code == paint_vst1 || code == paint_vst2) && k.fin_stripes > 0) {
            // Bands of 6% of the span with 4% between, from 55% up.
            float band = (span - 0.55f) / 0.1f;
            if (band >= 0 && band < k.fin_stripes && band - floorf(band) < 0.6f) c = k.trim;
        }
        for (int col = 0; col < t.w; col++) {
            rgb_f px = is_guide_line(t, col, r) ? scale(c, panel_line_shade) : c;
            put_rgb(livery_px(p, col, r), px);
        }
    }
}

// A body: the skin; on the fuselage the cheat line along the girth line with
// a pinstripe under it.
static void paint_body(const livery_scheme& k, const fuselage_frame* f)
{
    livery_pic &t = work.templ, &p = work.paint;
    const float row_per_m = f ? (t.h - 1) * f->t_per_m : 0;
    const float girth_row = f ? (t.h - 1) * f->t_girth : 0, half = 0.5f * k.cheat_m * row_per_m;
    for (int r = 0; r < t.h; r++) {
        float d = girth_row - r;    // rows under the girth line
        int cheat = f && k.cheat_m > 0 && (fabsf(d) <= half || (d > half + 0.25f * half && d <= half + 0.5f * half));
        rgb_f c = cheat ? k.trim : k.skin;
        for (int col = 0; col < t.w; col++) put_rgb(livery_px(p, col, r), c);
    }
}

// Black blades with white tips: t runs from the hub (0) to the tip (1).
static void paint_propeller(void)
{
    livery_pic& p = work.paint;
    p.w = 16;
    p.h = 64;
    for (int r = 0; r < p.h; r++)
        for (int c = 0; c < p.w; c++)
            put_rgb(livery_px(p, c, r), (r + 0.5f) / p.h > 0.9f ? rgb_f{238, 238, 234} : rgb_f{26, 26, 28});
}

static void paint_struts(void)
{
    livery_pic& p = work.paint;
    p.w = p.h = 16;
    for (int r = 0; r < p.h; r++)
        for (int c = 0; c < p.w; c++) put_rgb(livery_px(p, c, r), {150, 152, 156});
}

// ---- aircraft -----------------------------------------------------------------------

static int save_code(const std::string& base, int code, livery_pic& p)
{
    return save_picture(base + paint_suffix[code] + ".bmp", p);
}

// The right face of a part: the left face's paint, the registration mirrored.
static int save_right_face(const std::string& base, int code, const lettering* l, rgb_f colour)
{
    work.right.w = work.paint.w;
    work.right.h = work.paint.h;
    memcpy(work.right.rgb, work.paint.rgb, (size_t)work.paint.w * work.paint.h * 3);
    if (l) draw_lettering(work.right, *l, colour, 1);
    return save_code(base, code, work.right);
}

// Paints aircraft k, loaded into slot 1 (which has no panel or sounds).
static int paint_aircraft(const livery_scheme& k)
{
    const int slot = 1;
    planestruct& a = pln[slot];
    snprintf(a.C_file, sizeof a.C_file, "%s", k.file);
    snprintf(a.C_path, sizeof a.C_path, "%s%s%s", program_folder.c_str(), k.folder, k.file);
    if (!load_plane(slot)) {
        fprintf(stderr, "gen_45_paints: cannot load %s\n", a.C_path);
        return 0;
    }
    load_plane_geo(0, 1, 0, slot);
    char base_c[path_max];
    if (!plane_base_name(slot, base_c, sizeof base_c)) return 0;
    const std::string base = base_c;

    // The right half of each pair carries its template.
    int outer_wing = -1;
    if (have_this_part(part_wing_first + 1, slot)) outer_wing = paint_wng1;
    if (have_this_part(part_wing_first + 3, slot)) outer_wing = paint_wng2;
    if (have_this_part(part_wing_first + 5, slot)) outer_wing = paint_wng3;

    int ok = 1, painted = 0;
    for (int code = paint_wng1; code <= paint_fair; code++) {
        const std::string templ = base + paint_suffix[code] + "start.bmp";
        if (!read_template(templ, work.templ)) continue;
        remove(templ.c_str());
        painted++;
        work.paint.w = work.templ.w;
        work.paint.h = work.templ.h;
        if (code <= paint_pyln) {
            paint_lifting(k, code, outer_wing);
            ok &= save_code(base, code, work.paint);
            if (code == paint_vst1) ok &= save_right_face(base, paint_vst1R, nullptr, k.letters);
            if (code == paint_vst2) ok &= save_right_face(base, paint_vst2R, nullptr, k.letters);
            continue;
        }
        fuselage_frame f;
        int framed = code == paint_fuse && frame_fuselage(slot, f);
        paint_body(k, framed ? &f : nullptr);
        if (code != paint_fuse) {
            ok &= save_code(base, code, work.paint);
            continue;
        }
        lettering l;
        int lettered = framed && place_lettering(f, work.paint.w, work.paint.h, a.tailnum, k.cheat_m, l);
        if (!lettered) {
            fprintf(stderr, "gen_45_paints: no room for %s on %s\n", a.tailnum, k.file);
            ok = 0;
        }
        ok &= save_right_face(base, paint_fuseR, lettered ? &l : nullptr, k.letters);
        if (lettered) draw_lettering(work.paint, l, k.letters, 0);
        ok &= save_code(base, paint_fuse, work.paint);
    }
    if (have_this_part(0, slot)) {
        paint_propeller();
        ok &= save_code(base, paint_prop, work.paint);
    }
    if (a.gear_type > gear_skids) {
        paint_struts();
        ok &= save_code(base, paint_strt, work.paint);
    }
    if (painted == 0) {
        fprintf(stderr, "gen_45_paints: no paint templates beside %s\n", a.C_path);
        ok = 0;
    }
    return ok;
}

static int paint_shipped_aircraft(void)
{
    // The loader's surroundings: the program folder's airfoils and flaps.
    snprintf(app_path, path_max, "%s", program_folder.c_str());
    snprintf(afl_path, path_max, "%sairfoils/", program_folder.c_str());
    snprintf(flp_path, path_max, "%sflaps/", program_folder.c_str());
    snprintf(tex_path, path_max, "%stextures/", program_folder.c_str());
    MACIBM_set_constants();
    initing = 0;
    int ok = 1;
    for (const livery_scheme& k : schemes) ok &= paint_aircraft(k);
    return ok;
}

// ---- main ------------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_45_paints PROGRAM_FOLDER/\n");
        return 2;
    }
    program_folder = argv[1];
    if (!program_folder.empty() && program_folder.back() != '/') program_folder += '/';
    if (program_folder.size() >= (size_t)path_max) return 1;
    int ok = write_shared_textures();
    ok &= paint_shipped_aircraft();
    return ok ? 0 : 1;
}
