// The foam wakes on the water: the carrier's, the frigate's and the
// aircraft's own while it runs on the water. Each is a ring of segments laid
// along the track every fixed spacing; a segment is three strips (two side
// strips drifting across the track, a centre strip between them) that fade
// with age, and lives until the ring comes round to it again.
#include "Plane.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Startscn.h"

#include <GL/gl.h>
#include <cmath>

const int wake_carrier = 0;
const int wake_frigate = 1;
const int wake_aircraft = 2;
const int wake_count = 3;
const int wake_segments = 20;

const int strip_side_a = 0;   // starboard of the track when laid
const int strip_centre = 1;
const int strip_side_b = 2;   // port
const int wake_strips = 3;

const float side_offset = 0.3f;      // of the spacing, either side of the track
const float drift_share = 0.25f;     // of the source's speed, across the track
const float fade_spacings = 20;      // the fade length, in spacings
const float cone_margin = 20;        // m

struct wake_shape {
    float spacing;       // m between segments
    float side_half;     // m, a side strip's half-width
    float centre_half;   // m, the centre strip's
};

static const wake_shape wake_shapes[wake_count] = {
    {75, 30, 40},   // carrier
    {50, 20, 25},   // frigate
    {4, 2, 3},      // aircraft
};
static_assert(wake_carrier == 0 && wake_frigate == 1 && wake_aircraft == 2, "the shapes are in wake order");

struct wake_strip {
    float x, z;      // m, centre
    float vx, vz;    // m/s, drift; none for the centre strip
    float hx, hz;    // m, half-width across the track
    float age;       // s
};

struct wake_segment {
    int valid;
    wake_strip strip[wake_strips];
};

struct wake_ring {
    int started;             // the emission point below has been set
    int newest;              // 0..19
    float last_x, last_z;    // m, where the newest segment was laid
    wake_segment seg[wake_segments];
};

// The three wakes over the whole run: they start empty and fill as their
// sources move.
struct wake_run_state {
    wake_ring ring[wake_count];
};
static wake_run_state wake_run;

void clear_wake_run_state(void) { wake_run = wake_run_state(); }

// The aircraft touches the water, not a deck, a platform or a runway.
static int aircraft_on_water(void)
{
    if (!flt.on_ground) return 0;
    int i = env.plane_cell_i, j = env.plane_cell_j;
    if (i < 0 || i >= region_grid_x || j < 0 || j >= region_grid_z) return 0;
    return is_water[i][j] != 0;
}

static int on_hard_surface(void) { return env.on_carrier || env.on_frigate || env.on_platform; }

// A new newest segment at (x, z), the strips laid across heading h (radians).
static void lay_segment(wake_ring& w, const wake_shape& shape, float x, float z, float speed, float h)
{
    w.last_x = x;
    w.last_z = z;
    w.newest = intwrap(w.newest + 1, 0, wake_segments - 1);
    wake_segment& s = w.seg[w.newest];
    float c = cosf(h), sn = sinf(h);
    float off = side_offset * shape.spacing, v = drift_share * speed;
    const float place[wake_strips] = {off, 0, -off};
    const float drift[wake_strips] = {-v, 0, v};
    const float half[wake_strips] = {shape.side_half, shape.centre_half, shape.side_half};
    for (int k = 0; k < wake_strips; k++) {
        wake_strip& st = s.strip[k];
        st.x = x + place[k] * c;
        st.z = z + place[k] * sn;
        st.vx = drift[k] * c;
        st.vz = drift[k] * sn;
        st.hx = half[k] * c;
        st.hz = half[k] * sn;
        st.age = 0;
    }
    s.valid = 1;
}

static void age_segments(wake_ring& w, float dt)
{
    for (wake_segment& s : w.seg)
        for (int k = 0; k < wake_strips; k++) {
            wake_strip& st = s.strip[k];
            if (k != strip_centre) {
                st.x += st.vx * dt;
                st.z += st.vz * dt;
            }
            st.age += dt;
        }
}

// Strip k of every segment that has a successor, as one batch of quads
// from each segment to the next. The fade reads age x speed / fade length,
// the share of the fade the source has run: a source standing still leaves
// its wake as it is, with no division by its speed.
static void draw_strip(const wake_ring& w, int k, float y, float speed, float fade_len)
{
    const float s_minus = k == strip_side_a ? 1.0f : 0.0f, s_plus = 1 - s_minus;
    const float run_rate = fmaxf(speed, 0) / fade_len;
    OGL_bindtex(k == strip_centre ? tex_wake1 : tex_wake2);
    glBegin(GL_QUADS);
    for (int j = 0; j < wake_segments; j++) {
        if (!w.seg[j].valid || j == w.newest) continue;
        const wake_strip& a = w.seg[j].strip[k];
        const wake_strip& b = w.seg[intwrap(j + 1, 0, wake_segments - 1)].strip[k];
        if (!incone(a.x, a.z, cone_margin) && !incone(b.x, b.z, cone_margin)) continue;
        float alpha = fltlim(1 - sqrtf(a.age * run_rate), 0, 1);
        glColor4f(ogl_brat_ter, ogl_brat_ter, ogl_brat_ter, alpha);
        glTexCoord2f(s_minus, 0);
        glVertex3f(a.x - a.hx, y, a.z - a.hz);
        glTexCoord2f(s_minus, 1);
        glVertex3f(b.x - b.hx, y, b.z - b.hz);
        glTexCoord2f(s_plus, 1);
        glVertex3f(b.x + b.hx, y, b.z + b.hz);
        glTexCoord2f(s_plus, 0);
        glVertex3f(a.x + a.hx, y, a.z + a.hz);
    }
    glEnd();
}

void build_wake(int wake, float x, float y, float z, float speed, float heading)
{
    if (wake < 0 || wake >= wake_count) return;
    // Outside the region a wake stands still and is not drawn.
    if (!fltbox(x, z, env.reg_west_x, env.reg_north_z, env.reg_east_x, env.reg_south_z)) return;

    wake_ring& w = wake_run.ring[wake];
    const wake_shape& shape = wake_shapes[wake];
    if (!w.started) {
        w.started = 1;
        w.last_x = x;
        w.last_z = z;
    }
    const int aircraft = wake == wake_aircraft;
    float d = pythag(x - w.last_x, z - w.last_z);
    if (d > shape.spacing && (!aircraft || aircraft_on_water()))
        lay_segment(w, shape, x, z, speed, heading * con.degtorad);
    // The aircraft lays no wake out of the water: its newest segment, which
    // its next one would join, is dropped. The contact flags are this frame's.
    if (aircraft && (!flt.on_ground || on_hard_surface())) w.seg[w.newest].valid = 0;

    if (!msc.paused) age_segments(w, msc.dt);

    const float fade_len = fade_spacings * shape.spacing;
    for (int k = 0; k < wake_strips; k++) draw_strip(w, k, y, speed, fade_len);
}
