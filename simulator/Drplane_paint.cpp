// The aircraft's paint: each paintable part's picture loaded, its template
// written, or the user's paint retouched to the part's outline; and the
// paint of the parts without a template. Pictures are composed in rgb_array
// as RGB, bottom row first, and written as 24-bit BMP.
#include "Drplane.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "host.h"

#include <cstdio>
#include <cstring>

// ---- the parts with a template -------------------------------------------------

const int part_pylon_by_numen = -1;    // the pylon part follows the engine count
const int no_pair = -1;

struct template_part {
    int code;
    int part;          // part_pylon_by_numen: the last engine's pylon
    int left;          // the left half sharing the paint, or no_pair
    int height;        // template rows before the size limit
    int lifting;       // drawn as a span of elements, else as a body
};

static const template_part template_parts[] = {
    {paint_wng1, part_wing_first + 1, part_wing_first, 512, 1},
    {paint_wng2, part_wing_first + 3, part_wing_first + 2, 512, 1},
    {paint_wng3, part_wing_first + 5, part_wing_first + 4, 512, 1},
    {paint_hstb, part_hstab_right, part_hstab_left, 256, 1},
    {paint_vst1, part_vstab_1, no_pair, 256, 1},
    {paint_vst2, part_vstab_2, no_pair, 256, 1},
    {paint_pyln, part_pylon_by_numen, no_pair, 256, 1},
    {paint_fuse, part_fuselage, no_pair, 256, 0},
    {paint_nace, part_nacelle_first, no_pair, 64, 0},
    {paint_misc, part_misc_first, no_pair, 64, 0},
    {paint_fair, part_fairing_first, no_pair, 64, 0},
};

const int template_side_max = 512;
const int picture_width_max = 1024;    // the widest picture the loader reads

// The part a template entry draws on slot p, or -1 when it has none: a
// pylon template shows the last engine's pylon, and no engine has no pylon.
static int template_part_of(const template_part& t, int p)
{
    if (t.part != part_pylon_by_numen) return t.part;
    int n = pln[p].numen;
    return n >= 1 && n <= plane_engines ? part_pylon_first + n - 1 : -1;
}

// A long part gets a wide template, a short one a tall template: lifting
// parts are never wider than high, bodies never higher than wide.
static void template_size(const template_part& t, float aspect, int* w, int* h)
{
    float a = t.lifting ? fltmin2(aspect, 1.0f) : fltmax2(aspect, 1.0f);
    int H = t.height, W;
    if (a < 0.167f) W = H / 8;
    else if (a < 0.375f) W = H / 4;
    else if (a < 0.75f) W = H / 2;
    else if (a < 1.5f) W = H;
    else if (a < 3.0f) W = 2 * H;
    else W = 4 * H;
    while (W > template_side_max || H > template_side_max) {
        W /= 2;
        H /= 2;
    }
    if (W == template_side_max && H == template_side_max) W = H = template_side_max / 2;
    *w = W;
    *h = H;
}

// ---- drawing -------------------------------------------------------------------

static unsigned char* pixel(int W, int c, int r) { return rgb_array + ((long)r * W + c) * 3; }

static void set_grey(unsigned char* px, int v) { px[0] = px[1] = px[2] = (unsigned char)v; }

static void set_colour(unsigned char* px, const unsigned char rgb[3]) { memcpy(px, rgb, 3); }

static void halve(unsigned char* px, int times)
{
    for (int k = 0; k < 3; k++) px[k] = (unsigned char)(px[k] >> times);
}

// Index of position x on a side of n pixels, kept on the side.
static int side_index(float x, int n) { return intlim(intround(fltlim(x, -1.0f, (float)n)), 0, n - 1); }

// Each control surface an element carries darkens the guide lines once.
static int control_count(int p, int part, int e)
{
    const planestruct& a = pln[p];
    return (a.ailn[part][e] != 0) + (a.elev[part][e] != 0) + (a.rudd[part][e] != 0) + (a.flap[part][e] != 0);
}

// The controls that start or end between two elements.
static int control_changes(int p, int part, int e0, int e1)
{
    const planestruct& a = pln[p];
    return ((a.ailn[part][e0] != 0) != (a.ailn[part][e1] != 0)) + ((a.elev[part][e0] != 0) != (a.elev[part][e1] != 0)) +
           ((a.rudd[part][e0] != 0) != (a.rudd[part][e1] != 0)) + ((a.flap[part][e0] != 0) != (a.flap[part][e1] != 0));
}

// The grey of the element's control surface, 0 when it carries none; a
// flap outranks a rudder, a rudder an elevator, an elevator an aileron.
static int control_grey(int p, int part, int e)
{
    const planestruct& a = pln[p];
    int grey = 0;
    if (a.ailn[part][e]) grey = grey_aileron;
    if (a.elev[part][e]) grey = grey_elevator;
    if (a.rudd[part][e]) grey = grey_rudder;
    if (a.flap[part][e]) grey = grey_flap;
    return grey;
}

// Column of point pt in a row a fraction f of the span from the root.
static int chord_column(int p, int part, int tip, int pt, float f, int W)
{
    float s0 = geo_st[p][part][0][pt][0], s1 = geo_st[p][part][tip][pt][0];
    return side_index((W - 1) * (s0 + (s1 - s0) * f), W);
}

// A wing or stabiliser: rows along the span from the root, columns along
// the chord; the outline, the control surfaces and their hinge line.
static void draw_lifting(int p, int part, int W, int H, int touch_up, const unsigned char bg[3])
{
    int els = geo_sections[p][part] - 1;
    if (els < 1) return;
    int tip = els;
    for (int y = 0; y < H; y++) {
        float f = H > 1 ? (float)y / (H - 1) : 0.0f;
        int le = chord_column(p, part, tip, leading_edge, f, W);
        int hinge = chord_column(p, part, tip, hinge_upper, f, W);
        int te = chord_column(p, part, tip, trailing_edge, f, W);
        int lo = intmax2(le - 1, 0), hi = intmin2(te + 1, W - 1);
        int e = intlim(els * (y - 1) / H, 0, els - 1);
        int e_row = intlim(els * y / H, 0, els - 1);

        if (touch_up) {
            for (int c = 0; c < W; c++)
                if (c < lo || c > hi) set_colour(pixel(W, c, y), bg);
        } else {
            for (int c = lo; c <= hi; c++) set_grey(pixel(W, c, y), grey_outline);
            int grey = control_grey(p, part, e);
            if (grey)
                for (int c = hinge + 1; c <= hi; c++) set_grey(pixel(W, c, y), grey);
        }
        halve(pixel(W, hinge, y), control_count(p, part, e));
        // Where one element gives way to the next, a line across the controls
        // that start or end there.
        if (e_row != e) {
            int changes = control_changes(p, part, e, e_row);
            for (int c = hinge; c <= hi; c++) halve(pixel(W, c, y), changes);
        }
    }
}

// A body: columns along it between its sections, rows around it; the band
// between the top and bottom outlines, one pixel wider each way.
static void draw_body(int p, int part, int W, int H, int touch_up, const unsigned char bg[3])
{
    int sections = geo_sections[p][part];
    int bottom = f_body_r_dim(part) / 2;
    for (int i = 0; i + 1 < sections; i++) {
        float s0 = geo_st[p][part][i][0][0], s1 = geo_st[p][part][i + 1][0][0];
        int c0 = intround(fltlim(W * s0 + 0.5f, -1.0f, W + 1.0f));
        int c1 = intround(fltlim(W * s1 - 0.5f, -1.0f, W + 1.0f));
        float top0 = (H - 1) * geo_st[p][part][i][0][1], top1 = (H - 1) * geo_st[p][part][i + 1][0][1];
        float bot0 = (H - 1) * geo_st[p][part][i][bottom][1], bot1 = (H - 1) * geo_st[p][part][i + 1][bottom][1];
        for (int c = intmax2(c0, 0); c <= intmin2(c1, W - 1); c++) {
            float f = c1 > c0 ? (float)(c - c0) / (c1 - c0) : 0.0f;
            int top = side_index(top0 + (top1 - top0) * f, H);
            int bot = side_index(bot0 + (bot1 - bot0) * f, H);
            int lo = intmin2(top, bot) - 1, hi = intmax2(top, bot) + 1;
            for (int r = 0; r < H; r++) {
                int inside = r >= lo && r <= hi;
                if (touch_up && !inside) set_colour(pixel(W, c, r), bg);
                if (!touch_up && inside) set_grey(pixel(W, c, r), grey_outline);
            }
        }
    }
}

// ---- files ---------------------------------------------------------------------

static void put_le(unsigned char* d, unsigned v, int bytes)
{
    for (int k = 0; k < bytes; k++) d[k] = (unsigned char)(v >> (8 * k));
}

// Writes the W x H picture of rgb_array to path as a 24-bit BMP, each row
// padded to 4 bytes. The bytes go to a new file beside it, which replaces
// path only when all of them were written: a failed write leaves what was
// there. The rename would replace a file the user made read-only, so such a
// file is left alone, and a replaced file's permissions carry over. Silent
// either way; 1 when the file is in place.
static int write_picture(const char* path, int W, int H)
{
    if (W < 1 || H < 1 || W > picture_width_max) return 0;
    if (!host_may_replace(path)) return 0;
    char temp[path_max];
    if (snprintf(temp, sizeof temp, "%s.new", path) >= (int)sizeof temp) return 0;
    FILE* out = fopen(temp, "wb");
    if (!out) return 0;

    int row_bytes = (W * 3 + 3) & ~3;
    unsigned char head[54] = {'B', 'M'};
    put_le(head + 2, (unsigned)(54 + row_bytes * H), 4);
    put_le(head + 10, 54, 4);
    put_le(head + 14, 40, 4);
    put_le(head + 18, (unsigned)W, 4);
    put_le(head + 22, (unsigned)H, 4);
    put_le(head + 26, 1, 2);
    put_le(head + 28, 24, 2);
    int ok = fwrite(head, 1, sizeof head, out) == sizeof head;

    unsigned char row[picture_width_max * 3 + 3] = {};
    for (int r = 0; ok && r < H; r++) {
        for (int c = 0; c < W; c++) {
            const unsigned char* px = pixel(W, c, r);
            row[c * 3] = px[2];
            row[c * 3 + 1] = px[1];
            row[c * 3 + 2] = px[0];
        }
        ok = fwrite(row, 1, (size_t)row_bytes, out) == (size_t)row_bytes;
    }
    if (fclose(out) != 0) ok = 0;
    if (ok) host_copy_file_mode(path, temp);    // none to copy for a new file
    if (ok && rename(temp, path) != 0) ok = 0;
    if (!ok) remove(temp);
    return ok;
}

// Reads the user's paint name + ".BMP" (found as the loader finds it) into
// rgb_array at its full size, whatever the texture was shrunk to; found
// gets the file's path. 0 when there is none.
static int read_paint(const char* name, int id, char* found, int* w, int* h)
{
    char path[path_max];
    if (snprintf(path, sizeof path, "%s.BMP", name) >= (int)sizeof path) return 0;
    if (!host_resolve_path(path, found, path_max)) return 0;
    return read_bmp_file(found, bmp_by_path, id, bmp_opaque, w, h);
}

// ---- paint textures ------------------------------------------------------------------

// 1 when base + suffix loaded into id.
static int load_paint(int id, const char* base, const char* suffix, int mode = bmp_opaque)
{
    char name[sizeof pln[0].C_path + 8];
    int w = 0, h = 0;
    snprintf(name, sizeof name, "%s%s", base, suffix);
    return OGL_texbmp(bmp_by_path, id, mode, name, &w, &h);
}

// A right face missing from the files shows the left face's paint.
static void load_right_face(int p, int code, int fallback, const char* base)
{
    if (!load_paint(paint_tex(p, code), base, paint_suffix[code]))
        load_paint(paint_tex(p, code), base, paint_suffix[fallback]);
}

// What the part templates do not load.
static void load_extra_paint(int p, const char* base)
{
    load_paint(paint_tex(p, paint_prop), base, paint_suffix[paint_prop]);
    load_paint(paint_tex(p, paint_strt), base, paint_suffix[paint_strt]);
    load_right_face(p, paint_vst1R, paint_vst1, base);
    load_right_face(p, paint_vst2R, paint_vst2, base);
    load_right_face(p, paint_fuseR, paint_fuse, base);
    if (p != 0) return;
    // The user's aircraft may bring its own hand for the cockpit's handles.
    if (!load_paint(tex_hand, base, " hand", bmp_keyed)) {
        int w = 0, h = 0;
        OGL_texbmp(bmp_shared, tex_hand, bmp_keyed, "hand", &w, &h);
    }
}

// ---- the aircraft ---------------------------------------------------------------------

void paint_plane(int load_tex, int write_template, int touch_up, int p)
{
    if (!load_tex && !write_template && !touch_up) return;
    if (p < 0 || p >= mesh_slots) return;
    char base[path_max];
    if (!plane_base_name(p, base, sizeof base)) return;

    for (const template_part& t : template_parts) {
        int part = template_part_of(t, p);
        if (part < 0) continue;
        // A pair's paint is still wanted while either half is there (the
        // right wings come off past the redline); the outline is drawn from
        // the right half only.
        int right = have_this_part(part, p);
        if (!right && !(t.left != no_pair && have_this_part(t.left, p))) continue;
        char name[path_max], target[path_max];
        if (snprintf(name, sizeof name, "%s%s", base, paint_suffix[t.code]) >= (int)sizeof name) continue;
        int id = paint_tex(p, t.code);

        int loaded = load_tex || touch_up ? load_paint(id, base, paint_suffix[t.code]) : 0;
        if (!right) continue;
        int W, H;
        // Asked for both, the touch-up wins: the user's paint, not a template.
        if (touch_up) {
            // Nothing of the user's to retouch without a paint file.
            if (!loaded || !read_paint(name, id, target, &W, &H)) continue;
        } else if (write_template) {
            if (snprintf(target, sizeof target, "%sstart.bmp", name) >= (int)sizeof target) continue;
            template_size(t, geo_aspect[p][part], &W, &H);
            memset(rgb_array, 0, (size_t)W * H * 3);
        } else {
            continue;
        }

        unsigned char bg[3];
        for (int k = 0; k < 3; k++) bg[k] = (unsigned char)intrand(50, 200);
        if (t.lifting) draw_lifting(p, part, W, H, touch_up, bg);
        else draw_body(p, part, W, H, touch_up, bg);
        write_picture(target, W, H);
    }
    if (load_tex) load_extra_paint(p, base);
}
