// The region's objects: masts, pylons, buildings and custom objects, their
// night lights, and the roofs the aircraft can stand on.
//
// Sections: the kinds of object, the in-view buckets, what the aircraft
// stands on, masts and pylons, walls and roofs, custom objects, night lights,
// plot_obstacles.
#include "Add-ons.h"
#include "Drplane.h"
#include "Fltutil.h"
#include "Funct.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Startscn.h"

#include <GL/gl.h>
#include <cmath>

// ---- the kinds of object ------------------------------------------------------

const int roof_none = 0;
const int roof_flat = 1;
const int roof_pad = 2;

const int windows_none = 0;
const int windows_white = 1;
const int windows_yellow = 2;
const int windows_green = 3;

static const float window_rgb[4][3] = {{0, 0, 0}, {1, 1, 1}, {1.0f, 0.85f, 0.0f}, {0.4f, 1.0f, 0.6f}};
static const float pad_ring_rgb[3] = {0.6f, 0.6f, 0.3f};

// Colour-table entries of the obstruction lights' flash.
static const int col_flash_on = 39;
static const int col_flash_off = 46;

// A mast taller than this is the striped kind with a beacon on top.
static const float short_mast_max = 150;

// How far the window lights stand out of their wall (m).
static const float window_push = 5;

// Boxes: stacks of rings, walls joining corner k to k + 1 of consecutive rings.
struct box_kind {
    int type;
    int tex;
    int levels;        // rings 0 .. levels
    int roof;
    int windows;       // colour of the lit windows, on the walls of window_level
    int window_level;
    int obstruction;   // lights on the top ring's corners at night
};

static constexpr box_kind box_kinds[] = {
    {obj_tower, tex_bld_contow, 3, roof_flat, windows_none, 0, 1},
    {obj_building, tex_bld_block, 1, roof_flat, windows_none, 0, 1},
    {obj_headed_tower, tex_metal, 3, roof_flat, windows_none, 0, 1},
    {obj_chimney, tex_metal, 1, roof_none, windows_none, 0, 1},
    {90, tex_bld_nartop, 3, roof_flat, windows_white, 0, 1},
    {91, tex_bld_tapered, 3, roof_flat, windows_yellow, 1, 1},
    {92, tex_bld_narbot, 3, roof_flat, windows_green, 2, 1},
    {93, tex_bld_avon, 3, roof_flat, windows_none, 0, 0},
    {94, tex_bld_nartop, 3, roof_pad, windows_white, 0, 1},
    {95, tex_bld_tapered, 3, roof_pad, windows_yellow, 1, 1},
    {96, tex_bld_narbot, 3, roof_pad, windows_green, 2, 1},
    {obj_hangar, tex_metal, 3, roof_flat, windows_none, 0, 0},
};
static const int box_kind_count = (int)(sizeof box_kinds / sizeof box_kinds[0]);

// The flat roofs are paved as the runways' aprons are.
static const int tex_roof = tex_asphalt_first + rway_pave;

// Each wall's normal, wall k running from corner k to k + 1.
static const float wall_normal[4][3] = {{-1, 0, 0}, {0, 0, -1}, {1, 0, 0}, {0, 0, 1}};

// Each type's entry in box_kinds, -1 for none: the contact pass asks for
// every slot each frame. Every box type lies below obj_list_base.
struct box_kind_index {
    int of[obj_list_base];
};

static constexpr box_kind_index index_box_kinds(void)
{
    box_kind_index idx = {};
    for (int t = 0; t < obj_list_base; t++) idx.of[t] = -1;
    for (int b = 0; b < box_kind_count; b++)
        if (idx.of[box_kinds[b].type] < 0) idx.of[box_kinds[b].type] = b;
    return idx;
}

static constexpr box_kind_index box_kind_at = index_box_kinds();

static const box_kind* box_kind_of(int type)
{
    if (type < 0 || type >= obj_list_base || box_kind_at.of[type] < 0) return nullptr;
    return &box_kinds[box_kind_at.of[type]];
}

static int is_custom(int type) { return type > obj_list_base && type <= obj_list_base + obj_elements; }

// ---- the in-view buckets ------------------------------------------------------

// Buckets in drawing order: the boxes in increasing type, then the masts,
// the pylons and the custom objects.
static const int bucket_mast = box_kind_count;
static const int bucket_pylon = box_kind_count + 1;
static const int bucket_custom = box_kind_count + 2;
static const int bucket_count = box_kind_count + 3;

// The in-view slots sorted by type, each bucket in slot order; rebuilt from
// obj_inrange whenever the frame rebuilds it.
struct object_buckets {
    int first[bucket_count + 1];   // bucket b: slot[first[b]] .. slot[first[b + 1] - 1]
    int slot[obj_slots];
};
static object_buckets bkt;

void clear_object_buckets(void) { bkt = object_buckets(); }

static int bucket_of(int type)
{
    if (type == obj_mast) return bucket_mast;
    if (type == obj_pylon) return bucket_pylon;
    if (is_custom(type)) return bucket_custom;
    const box_kind* k = box_kind_of(type);
    return k ? (int)(k - box_kinds) : -1;
}

void bucket_objects(void)
{
    int count[bucket_count] = {};
    for (int o = 0; o < obj_slots; o++) {
        int b = obj_inrange[o] ? bucket_of(obj_type[o]) : -1;
        if (b >= 0) count[b]++;
    }
    bkt.first[0] = 0;
    for (int b = 0; b < bucket_count; b++) bkt.first[b + 1] = bkt.first[b] + count[b];
    int next[bucket_count];
    for (int b = 0; b < bucket_count; b++) next[b] = bkt.first[b];
    for (int o = 0; o < obj_slots; o++) {
        int b = obj_inrange[o] ? bucket_of(obj_type[o]) : -1;
        if (b >= 0) bkt.slot[next[b]++] = o;
    }
}

// The slots of bucket b, [*begin, *end) of bkt.slot.
static void bucket_range(int b, const int** begin, const int** end)
{
    *begin = bkt.slot + bkt.first[b];
    *end = bkt.slot + bkt.first[b + 1];
}

// ---- what the aircraft stands on ----------------------------------------------

// Every roof of the region, not only those in view: the aircraft stands on
// a roof whether or not the camera sees it.
void object_contact(void)
{
    float x = (float)flt.pos_x[0], z = (float)flt.pos_z[0];
    for (int o = 0; o < obj_slots; o++) {
        const box_kind* k = box_kind_of(obj_type[o]);
        if (!k || k->roof == roof_none) continue;
        const float(*top)[3] = obj_xyz[o][k->levels];
        if (!fltbox(x, z, top[1][0], top[1][2], top[3][0], top[3][2])) continue;
        env.on_platform = 1;
        env.surface_type = surf_asphalt;
        env.deck_h = top[0][1];
    }
}

// ---- masts and pylons ---------------------------------------------------------

// The obstruction lights' and tall masts' flash: one tenth of a second in each second.
static int flash_on(int o)
{
    return (intround(msc.sim_time * 10) + o) % 10 == 0;
}

static float pole_height(int o) { return obj_xyz[o][1][0][1] - obj_xyz[o][0][0][1]; }

static void draw_pylons(void)
{
    const int *b, *e;
    bucket_range(bucket_pylon, &b, &e);
    if (b == e) return;
    float g = 0.3f * ogl_brat_ter;
    glColor3f(g, g, g);
    glBegin(GL_LINES);
    for (; b < e; b++) {
        int o = *b;
        const float* base = obj_xyz[o][0][0];
        float x = base[0], y = base[1], z = base[2], h = pole_height(o), top = y + h;
        OGL_3dline(x - 0.4f * h, y, z, x - 0.2f * h, top, z);
        OGL_3dline(x + 0.4f * h, y, z, x + 0.2f * h, top, z);
        OGL_3dline(x - 0.4f * h, y, z, x + 0.2f * h, top, z);
        OGL_3dline(x + 0.4f * h, y, z, x - 0.2f * h, top, z);
        OGL_3dline(x - 0.5f * h, top, z, x + 0.5f * h, top, z);
    }
    glEnd();
}

// Striped red and white, flashing with the obstruction lights, a beacon on top.
static void draw_tall_mast(int o, const float* base, float h)
{
    glPointSize(flash_on(o) ? 3.0f : 1.0f);
    glBegin(GL_POINTS);
    for (int k = 0; k < 13; k++) {
        float w = k % 2 ? 1.0f : 0.0f;
        glColor3f(1, w, w);
        glVertex3f(base[0], base[1] + (float)k * h / 13, base[2]);
    }
    glEnd();
    glPointSize(1);
    heavy_light(base[0], base[1] + h, base[2], 1, 0, 0, 2 * pulse((float)o) + 1);
}

static void draw_masts(void)
{
    const int *b, *e;
    bucket_range(bucket_mast, &b, &e);
    if (b == e) return;
    float g = 0.5f * ogl_brat_ter;
    glBegin(GL_POINTS);
    for (const int* p = b; p < e; p++) {
        int o = *p;
        float h = pole_height(o);
        if (h > short_mast_max) continue;
        const float* base = obj_xyz[o][0][0];
        if (scn.city_lights) glColor3f(pulse((float)o), 0, 0);
        else glColor3f(g, g, g);
        for (int k = 0; k < 10; k++) glVertex3f(base[0], base[1] + (float)k * h / 9, base[2]);
    }
    glEnd();
    for (const int* p = b; p < e; p++) {
        float h = pole_height(*p);
        if (h > short_mast_max) draw_tall_mast(*p, obj_xyz[*p][0][0], h);
    }
}

// ---- walls and roofs ----------------------------------------------------------

// How far up the object ring L stands, 0 at the base and 1 at the top; an
// object of no height is all base.
static float ring_t(int o, int ring, int top)
{
    float y0 = obj_xyz[o][0][0][1];
    float span = obj_xyz[o][top][0][1] - y0;
    if (!(span != 0)) return 0;
    float t = (obj_xyz[o][ring][0][1] - y0) / span;
    return std::isfinite(t) ? t : 0;
}

static void draw_box_walls(int o, int levels)
{
    for (int l = 0; l < levels; l++) {
        const float(*lo)[3] = obj_xyz[o][l];
        const float(*hi)[3] = obj_xyz[o][l + 1];
        float t0 = ring_t(o, l, levels), t1 = ring_t(o, l + 1, levels);
        for (int k = 0; k < 4; k++) {
            int k1 = (k + 1) % 4;
            glNormal3fv(wall_normal[k]);
            glTexCoord2f(1, t0);
            glVertex3fv(lo[k]);
            glTexCoord2f(0, t0);
            glVertex3fv(lo[k1]);
            glTexCoord2f(0, t1);
            glVertex3fv(hi[k1]);
            glTexCoord2f(1, t1);
            glVertex3fv(hi[k]);
        }
    }
}

// One bind and one batch per type.
static void draw_walls(void)
{
    for (int b = 0; b < box_kind_count; b++) {
        const int *p, *e;
        bucket_range(b, &p, &e);
        if (p == e) continue;
        OGL_bindtex(box_kinds[b].tex);
        glBegin(GL_QUADS);
        for (; p < e; p++) draw_box_walls(*p, box_kinds[b].levels);
        glEnd();
    }
}

static const float roof_st[4][2] = {{1, 0}, {0, 0}, {0, 1}, {1, 1}};

static void draw_roofs(int roof, int tex)
{
    int begun = 0;
    for (int b = 0; b < box_kind_count; b++) {
        if (box_kinds[b].roof != roof) continue;
        const int *p, *e;
        bucket_range(b, &p, &e);
        for (; p < e; p++) {
            if (!begun) {
                OGL_bindtex(tex);
                glNormal3f(0, 1, 0);
                glBegin(GL_QUADS);
                begun = 1;
            }
            const float(*top)[3] = obj_xyz[*p][box_kinds[b].levels];
            for (int k = 0; k < 4; k++) {
                glTexCoord2fv(roof_st[k]);
                glVertex3fv(top[k]);
            }
        }
    }
    if (begun) glEnd();
}

// ---- custom objects -----------------------------------------------------------

static int custom_polygons(int o)
{
    int n = obj_type[o] - obj_list_base;
    return n < 0 ? 0 : n > obj_elements ? obj_elements : n;
}

// Tenths of full intensity packed as r x 10000 + g x 100 + b.
static void packed_rgb(int code, float scale, float* rgb)
{
    rgb[0] = (float)(code / 10000 % 100) * 0.1f * scale;
    rgb[1] = (float)(code / 100 % 100) * 0.1f * scale;
    rgb[2] = (float)(code % 100) * 0.1f * scale;
}

static const int code_flashing_red = 999999;

// Faces with their own texture each; a face of texture 0 has none and is
// drawn untextured.
static const float tri_st[3][2] = {{0, 0}, {0, 1}, {1, 0}};
static const float quad_st[4][2] = {{1, 1}, {1, 0}, {0, 0}, {0, 1}};

static void draw_custom_faces(void)
{
    const int *b, *e;
    bucket_range(bucket_custom, &b, &e);
    for (; b < e; b++) {
        int o = *b;
        for (int p = 0, n = custom_polygons(o); p < n; p++) {
            int count = obj_poltyp[o][p];
            if (count != 3 && count != 4) continue;
            int tex = obj_texrgb[o][p];
            OGL_setstate(1, tex != 0, 1, 1);
            if (tex) OGL_bindtex(tex);
            const float(*st)[2] = count == 3 ? tri_st : quad_st;
            glBegin(count == 3 ? GL_TRIANGLES : GL_QUADS);
            glNormal3fv(obj_nrml[o][p]);
            for (int v = 0; v < count; v++) {
                glTexCoord2fv(st[v]);
                glVertex3fv(obj_xyz[o][p][v]);
            }
            glEnd();
        }
    }
}

static void draw_custom_lines(void)
{
    const int *b, *e;
    bucket_range(bucket_custom, &b, &e);
    if (b == e) return;
    glBegin(GL_LINES);
    for (; b < e; b++) {
        int o = *b;
        for (int p = 0, n = custom_polygons(o); p < n; p++) {
            if (obj_poltyp[o][p] != 2) continue;
            float rgb[3];
            packed_rgb(obj_texrgb[o][p], ogl_brat_ter, rgb);
            glColor3fv(rgb);
            const float(*v)[3] = obj_xyz[o][p];
            OGL_3dline(v[0][0], v[0][1], v[0][2], v[1][0], v[1][1], v[1][2]);
        }
    }
    glEnd();
}

// ---- night lights -------------------------------------------------------------

// 9 x 9 lit windows on each wall of the level, standing out of the wall.
static void window_lights(int o, int level, int colour)
{
    glColor3fv(window_rgb[colour]);
    const float(*lo)[3] = obj_xyz[o][level];
    const float(*hi)[3] = obj_xyz[o][level + 1];
    for (int k = 0; k < 4; k++) {
        int k1 = (k + 1) % 4;
        for (int i = 1; i <= 9; i++) {
            float u = 0.1f * (float)i;
            float bottom[3], top[3];
            for (int c = 0; c < 3; c++) {
                bottom[c] = lo[k][c] + u * (lo[k1][c] - lo[k][c]);
                top[c] = hi[k][c] + u * (hi[k1][c] - hi[k][c]);
            }
            for (int j = 1; j <= 9; j++) {
                float v = 0.1f * (float)j, q[3];
                for (int c = 0; c < 3; c++) q[c] = bottom[c] + v * (top[c] - bottom[c]) + window_push * wall_normal[k][c];
                glVertex3fv(q);
            }
        }
    }
}

// 36 points round the pad, a metre above the roof.
static void pad_ring(const float (*top)[3])
{
    glColor3fv(pad_ring_rgb);
    float cx = (top[1][0] + top[3][0]) / 2, cz = (top[1][2] + top[3][2]) / 2;
    light_circle(cx, top[0][1] + 1, cz, fabsf(top[1][0] - top[3][0]) / 2, 0, 36);
}

static void obstruction_lights(int o, const float (*top)[3])
{
    if (o % 3 == 0) OGL_setcolor(flash_on(o) ? col_flash_on : col_flash_off);
    else glColor3f(pulse((float)o), 0, 0);
    for (int k = 0; k < 4; k++) glVertex3fv(top[k]);
}

static void custom_lights(int o)
{
    for (int p = 0, n = custom_polygons(o); p < n; p++) {
        if (obj_poltyp[o][p] != 1) continue;
        int code = obj_texrgb[o][p];
        float rgb[3];
        if (code == code_flashing_red) rgb[0] = pulse((float)o), rgb[1] = rgb[2] = 0;
        else packed_rgb(code, 1, rgb);
        glColor3fv(rgb);
        glVertex3fv(obj_xyz[o][p][0]);
    }
}

static void draw_night_lights(void)
{
    glBegin(GL_POINTS);
    for (int b = 0; b < box_kind_count; b++) {
        const box_kind& k = box_kinds[b];
        const int *p, *e;
        bucket_range(b, &p, &e);
        for (; p < e; p++) {
            const float(*top)[3] = obj_xyz[*p][k.levels];
            if (k.windows != windows_none) window_lights(*p, k.window_level, k.windows);
            if (k.roof == roof_pad) pad_ring(top);
            if (k.obstruction) obstruction_lights(*p, top);
        }
    }
    const int *p, *e;
    bucket_range(bucket_custom, &p, &e);
    for (; p < e; p++) custom_lights(*p);
    glEnd();
}

// ---- plot_obstacles -------------------------------------------------------------

void plot_obstacles(void)
{
    OGL_setstate(1, 0, 0, 1);
    draw_pylons();
    draw_masts();

    OGL_setstate(1, 1, 1, 1);
    draw_walls();
    draw_roofs(roof_flat, tex_roof);
    draw_roofs(roof_pad, tex_pad);
    draw_custom_faces();

    OGL_setstate(1, 0, 0, 1);
    draw_custom_lines();
    if (scn.city_lights) draw_night_lights();
}
