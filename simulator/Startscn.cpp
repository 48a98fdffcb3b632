// The 3D frame of the main view: pages the region with the aircraft, places
// the camera for the view, culls, sets the projection, fog and lights, draws
// the outside world in its fixed order and the 3D viewport's overlays. The
// drawers are called through `scene` so that the tests can record them.
//
// Index
//   records and run state       scn, the cone, the in-view lists, the camera's
//                               run state, clear_camera_run_state
//   the camera                  paging, view attitude, outside targets, eye
//                               point, update_scene_3d
//   culling                     octant, visible box, cloud range, the rebuild,
//                               the view cone, in-view lists, incone
//   projection and lights       near plane, screen layout, projection, the
//                               view's clear, modelview and sky, sun and
//                               landing lights
//   drawing                     the draw order, the overlays, the restore,
//                               update_scene_3d2
#include "Startscn.h"
#include "Add-ons.h"
#include "Do_atc.h"
#include "Drplane.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Initnav.h"
#include "Plane.h"
#include "Point.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>

// ---- records and run state -------------------------------------------------------

scenerystruct scn;
float x0, z0, x1, z1, x2, z2;
int ter_inrange[region_grid_x][region_grid_z];
int apt_inrange[local_list_max];
float ogl_brat_ter;
float lite_r, lite_g, lite_b;

scene_calls scene = {
    plot_stars,     plot_clouds,     plot_terrain,     plot_city_lights, plot_trees,
    plot_lightning, plot_pavement,   plot_runway,      plot_rway_lights, plot_obstacles,
    plot_fires,     plot_plane,      plot_cool_hud,    plot_nrml_hud,    do_window_precip,
    OGL_texbmp,     load_plane_geo,  load_region,      reload_region_textures,
};

// load_region's scrolls.
static const int scroll_west = 2;
static const int scroll_east = 3;
static const int scroll_north = 4;
static const int scroll_south = 5;

// Where the region moves under the aircraft: degrees from its south-west corner.
static const float page_west_below = 0.95f;
static const float page_east_above = 2.05f;
static const float page_south_below = 0.45f;
static const float page_north_above = 1.55f;

// A move longer than this in one frame is a placement or a reload, not flight.
static const float camera_jump = 1000.0f;
static const float camera_above_ground = 2.0f;


// Colour-table entries of the frame's lines.
static const int col_white = 0;
static const int col_trail = 20;
static const int col_trail_mark = 26;
static const int col_hud = 18;
static const int col_tow_rope = 29;

// The culling key's fields.
static const int key_cell_i = 0;
static const int key_cell_j = 1;
static const int key_octant = 2;
static const int key_vis = 3;
static const int key_lat = 4;
static const int key_lon = 5;
static const int key_loads = 6;
static const int key_fields = 7;

// The camera over the run: where the aircraft stood last frame (none before
// the first), the target the outside camera eases toward, what the culling
// lists were built for and the lists that last until the next rebuild
// (objects and airports near the visible box), and the windsocks' drift
// with the wind (m, each wrapped within a kilometre).
struct camera_run_state {
    int have_prev;
    float prev_xyz[3];
    int have_target;
    float target[3];
    int key[key_fields];
    int near_obj[obj_slots];
    int near_apt[local_list_max];
    float sock_drift_x, sock_drift_z;
};
static camera_run_state cam_run;

void clear_camera_run_state(void)
{
    memset(&cam_run, 0, sizeof cam_run);
    for (int& k : cam_run.key) k = -99;
}

// ---- the camera ------------------------------------------------------------------

static int outside_view(int v)
{
    return v == view_tower || v == view_runway || v == view_chase || v == view_follow || v == view_follow_2 ||
           v == view_spot;
}

// At most one shift a frame; the loader reads the new corner.
static void page_region(void)
{
    if (flt.lon < (float)env.reg_lon + page_west_below) {
        env.reg_lon -= 1;
        scene.load_region(scroll_west);
    } else if (flt.lon > (float)env.reg_lon + page_east_above) {
        env.reg_lon += 1;
        scene.load_region(scroll_east);
    } else if (flt.lat < (float)env.reg_lat + page_south_below) {
        env.reg_lat -= 1;
        scene.load_region(scroll_south);
    } else if (flt.lat > (float)env.reg_lat + page_north_above) {
        env.reg_lat += 1;
        scene.load_region(scroll_north);
    }
}

// The cockpit views look along the aircraft's axes; headings are not wrapped.
static void set_cockpit_attitude(int view)
{
    float t = flt.theta[0], p = flt.psi[0], f = flt.phi[0];
    float pitch = t, heading = p, roll = f;
    switch (view) {
    case view_down_4: pitch = t - 4; break;
    case view_down_8: pitch = t - 8; break;
    case view_left_45: pitch = (t + f) / 2, heading = p - 45, roll = (f - t) / 2; break;
    case view_right_45: pitch = (t - f) / 2, heading = p + 45, roll = (f + t) / 2; break;
    case view_left_90: pitch = f, heading = p - 90, roll = -t; break;
    case view_right_90: pitch = -f, heading = p + 90, roll = t; break;
    case view_left_135: pitch = (f - t) / 2, heading = p - 135, roll = (-f - t) / 2; break;
    case view_right_135: pitch = (-t - f) / 2, heading = p + 135, roll = (t - f) / 2; break;
    case view_backwards: pitch = -t, heading = p + 180, roll = -f; break;
    }
    scn.view_pitch = pitch;
    scn.view_heading = heading;
    scn.view_roll = roll;
}

// The beacon of the nearest airport's first runway, when the region has one
// and it has a slot; 0 leaves *xyz alone.
static int tower_point(float xyz[3])
{
    int g = runway_slot(msc.near_rwy);
    if (apt_lcl_max < 0 || g < 0) return 0;
    for (int k = 0; k < 3; k++) xyz[k] = geo_litexyz[g][geo_beacon][k];
    return 1;
}

// The outside views ease toward their target; the chase and follow targets
// lead the aircraft by what the easing lags. A jump (the first frame, a
// placement, a reload) gives no lead and takes the target at once.
static void place_outside_camera(int view, const float pos[3], int jumped)
{
    float lead[3] = {0, 0, 0};
    float dt = msc.dt;
    if (!jumped && dt > 0)
        for (int k = 0; k < 3; k++) lead[k] = (pos[k] - cam_run.prev_xyz[k]) / dt * (1 - dt);
    float d = scn.chase_dist;
    float* t = cam_run.target;
    switch (view) {
    case view_tower:
        if (tower_point(t)) cam_run.have_target = 1;
        break;
    case view_runway:
        t[0] = msc.rwy_view_x, t[1] = msc.rwy_view_y, t[2] = msc.rwy_view_z;
        cam_run.have_target = 1;
        break;
    case view_spot:
        t[0] = msc.spot_x, t[1] = msc.spot_y, t[2] = msc.spot_z;
        cam_run.have_target = 1;
        break;
    case view_chase:
        t[0] = pos[0] + lead[0] - d * flt.sin_trk;
        t[1] = pos[1] + lead[1] - d * flt.sin_gam;
        t[2] = pos[2] + lead[2] + d * flt.cos_trk;
        cam_run.have_target = 1;
        break;
    default: {   // the follow views orbit the aircraft
        float a = msc.view_hdg, b = msc.view_pitch;
        t[0] = pos[0] + lead[0] - d * sinf(a) * cosf(b);
        t[1] = pos[1] + lead[1] + d * sinf(b);
        t[2] = pos[2] + lead[2] + d * cosf(a) * cosf(b);
        cam_run.have_target = 1;
    }
    }
    if (!cam_run.have_target) return;   // no target yet: the camera stays
    for (int k = 0; k < 3; k++)
        con.VIEW_xyz[k] = jumped ? t[k] : closer_assymp(con.VIEW_xyz[k], t[k], dt);
}

void pilot_eye_point(float eye[3])
{
    const planestruct& a = pln[0];
    float pa = a.peY * flt.sin_phi + a.peX * flt.cos_phi;
    float pb = a.peY * flt.cos_phi - a.peX * flt.sin_phi;
    float pc = pb * flt.sin_theta + a.peZ * flt.cos_theta;
    eye[0] = pa * flt.cos_psi - pc * flt.sin_psi + (float)flt.pos_x[0];
    eye[1] = pb * flt.cos_theta - a.peZ * flt.sin_theta + (float)flt.pos_y[0];
    eye[2] = pa * flt.sin_psi + pc * flt.cos_psi + (float)flt.pos_z[0];
}

// Never below the ground, and looking at the aircraft.
static void aim_outside_camera(const float pos[3])
{
    float* v = con.VIEW_xyz;
    v[1] = fmaxf(v[1], env.camera_ground_h + camera_above_ground);
    float dx = v[0] - pos[0], dy = v[1] - pos[1], dz = v[2] - pos[2];
    scn.view_pitch = -atan2f(dy, sqrtf(dx * dx + dz * dz)) * con.radtodeg;
    scn.view_heading = -atan2f(dx, dz) * con.radtodeg;
    scn.view_roll = 0;
}

static void set_cloud_flags(void)
{
    float y = con.VIEW_xyz[1];
    int clouds = atm.cloud_type != 1;
    scn.above_clouds = clouds && atm.cloud_tops <= y;
    scn.below_clouds = clouds && y <= atm.cloud_base;
}

// No deck under the aircraft until found, and what it stands on: every
// frame, the first region load or not, so the flight reads this frame's.
static void frame_resets(void)
{
    for (float& d : atc.deck_rel) d = 9.9e9f;
    surface_contact();
}

void update_scene_3d(void)
{
    float pos[3] = {(float)flt.pos_x[0], (float)flt.pos_y[0], (float)flt.pos_z[0]};
    // Until the first region load there is nothing to page or draw: the eye
    // stays at the aircraft (engine sounds fade by that distance), with
    // what the rest of the simulator reads of the frame, and the view is
    // black (the main view's picture over it is see-through).
    if (region_loads == 0) {
        frame_resets();
        for (int k = 0; k < 3; k++) con.VIEW_xyz[k] = pos[k];
        set_cloud_flags();
        set_sky_light_fog();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    page_region();

    int view = set.view_id;
    float moved = 0;
    for (int k = 0; k < 3; k++) moved += (pos[k] - cam_run.prev_xyz[k]) * (pos[k] - cam_run.prev_xyz[k]);
    int jumped = !cam_run.have_prev || moved > camera_jump * camera_jump;
    // The eye is placed before the ground is looked up under it, so that
    // the ground and the camera's cell are this frame's.
    if (outside_view(view)) place_outside_camera(view, pos, jumped);
    else {
        set_cockpit_attitude(view);
        pilot_eye_point(con.VIEW_xyz);
    }
    for (int k = 0; k < 3; k++) cam_run.prev_xyz[k] = pos[k];
    cam_run.have_prev = 1;

    float vx, vy = 0, vz;
    env.camera_ground_h =
        find_local_h(con.VIEW_xyz[0], con.VIEW_xyz[2], &vx, &vy, &vz, &env.cam_cell_i, &env.cam_cell_j, 1);
    if (outside_view(view)) aim_outside_camera(pos);

    frame_resets();
    update_scene_3d2();
}

// ---- culling -----------------------------------------------------------------------

// What one frame works out before it draws.
struct frame_view {
    int view;
    float eye[3];
    float vis;                 // m, atm.vis_eff
    float zoom;                // at least 1
    int octant;                // 1..8, north first, clockwise
    int overcast, layered;     // cloud type 4; 2 or 3
    int draw_first, draw_last; // the aircraft drawn: first to last - 1
    float vp_x1, vp_y1, vp_x2, vp_y2;   // 3D viewport, reference units
    int px_x, px_y, px_w, px_h;         // and in pixels, truncated
    float yaw_base;            // reference y of the yaw string
    float near_plane;
};

static int octant_of(int heading)
{
    return heading / 45 + 1;   // 0..359: 1..8
}

static int view_octant(int view)
{
    int h;
    switch (view) {
    case view_left_45: h = (int)flt.psi[0] - 45; break;
    case view_right_45: h = (int)flt.psi[0] + 45; break;
    case view_left_90: h = (int)flt.psi[0] - 90; break;
    case view_right_90: h = (int)flt.psi[0] + 90; break;
    case view_left_135: h = (int)flt.psi[0] - 135; break;
    case view_right_135: h = (int)flt.psi[0] + 135; break;
    case view_backwards: h = (int)flt.psi[0] + 180; break;
    case view_tower:
    case view_runway:
    case view_follow:
    case view_follow_2:
    case view_spot: h = intround(scn.view_heading); break;
    default: h = (int)flt.psi[0];   // forwards and the chase
    }
    return octant_of(degwrap(h));
}

// The box reaches vis from the eye, except behind the view.
static void set_visible_box(const frame_view& f)
{
    float x = f.eye[0], z = f.eye[2], vis = f.vis;
    int o = f.octant;
    scn.vis_xmin = (o == 2 || o == 3) ? x : x - vis;
    scn.vis_zmin = (o == 4 || o == 5) ? z : z - vis;
    scn.vis_xmax = (o == 6 || o == 7) ? x : x + vis;
    scn.vis_zmax = (o == 8 || o == 1) ? z : z + vis;
}

// v truncated toward zero and held to 0..last; a grid of no width (inf, NaN) gives an edge.
static int grid_index(float v, int last)
{
    if (!(v >= 1.0f)) return 0;
    if (v >= (float)last) return last;
    return (int)v;
}

// The cloud drawer reads point i + 1 and j + 1: the range stops one short of the grid's edge.
static void set_cloud_range(void)
{
    const int last_i = cloud_cols - 1, last_j = cloud_rows - 1;
    float xw = cloudxyz[0][0][0], xe = cloudxyz[last_i][0][0];
    float zs = cloudxyz[0][0][2], zn = cloudxyz[0][last_j][2];
    scn.cld_imin = grid_index(interp(xw, 0, xe, (float)last_i, scn.vis_xmin), last_i);
    scn.cld_imax = grid_index(interp(xw, 0, xe, (float)last_i, scn.vis_xmax), last_i);
    scn.cld_jmin = grid_index(interp(zs, 0, zn, (float)last_j, scn.vis_zmax), last_j);
    scn.cld_jmax = grid_index(interp(zs, 0, zn, (float)last_j, scn.vis_zmin), last_j);
}

static int in_box(const float* p, float margin)
{
    return fltbox(p[0], p[2], scn.vis_xmin - margin, scn.vis_zmin - margin, scn.vis_xmax + margin,
                  scn.vis_zmax + margin);
}

// Marker points 0 and 2 of the runway's slot: its opposite corners.
const float* runway_corner(int slot, int corner) { return geo_markxyz[slot][0][corner]; }

static void build_terrain_range(void)
{
    int imin = env.cam_cell_i, imax = imin, jmin = env.cam_cell_j, jmax = jmin;
    for (int i = 0; i < region_grid_x; i++)
        for (int j = 0; j < region_grid_z; j++) {
            const float* p = planexyz[i][j];
            if (!fltrange(p[0], scn.vis_xmin, scn.vis_xmax) || !fltrange(p[2], scn.vis_zmin, scn.vis_zmax))
                continue;
            imin = intmin2(imin, i), imax = intmax2(imax, i);
            jmin = intmin2(jmin, j), jmax = intmax2(jmax, j);
        }
    scn.ter_imin = intlim(imin, 0, region_grid_x - 2);
    scn.ter_imax = intlim(imax, 0, region_grid_x - 2);
    scn.ter_jmin = intlim(jmin, 0, region_grid_z - 2);
    scn.ter_jmax = intlim(jmax, 0, region_grid_z - 2);
}

static void find_near_airports(void)
{
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int a = apt_to_index[l], near = 0;
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a] && !near; r++) {
            int g = runway_slot(r);
            if (g >= 0) near = in_box(runway_corner(g, 0), 2000) || in_box(runway_corner(g, 2), 2000);
        }
        cam_run.near_apt[l] = near;
    }
}

// By the first runway's latitude and longitude (degrees, unscaled); the first of equals wins.
static void find_nearest_airport(void)
{
    float best = 9.9e9f;
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int a = apt_to_index[l], r = apt_lo_ind[a];
        float d = pythag(rwy_lat[r] - flt.lat, rwy_lon[r] - flt.lon);
        if (d < best) {
            best = d;
            msc.near_apt = a;
            msc.near_apt_lcl = l;
            msc.near_rwy = r;
        }
    }
}

// The costly culling, only when what it was built for changed: the camera's
// cell, the octant, the visibility or the region (a scroll or a reload at
// the same corner).
static void rebuild_culling(const frame_view& f)
{
    int key[key_fields];
    key[key_cell_i] = env.cam_cell_i;
    key[key_cell_j] = env.cam_cell_j;
    key[key_octant] = f.octant;
    key[key_vis] = intround(f.vis);
    key[key_lat] = env.reg_lat;
    key[key_lon] = env.reg_lon;
    key[key_loads] = region_loads;
    if (memcmp(key, cam_run.key, sizeof key) == 0) return;
    memcpy(cam_run.key, key, sizeof key);

    build_terrain_range();
    for (int k = 0; k < obj_slots; k++) cam_run.near_obj[k] = obj_type[k] != 0 && in_box(obj_xyz[k][0][0], 1000);
    find_near_airports();
    find_nearest_airport();
    sort_terrain_cells();
}

// The triangle from the eye to two far corners, 45 degrees (over the zoom)
// either side of the view; never narrower than a metre, so that an eye in
// cloud still has a cone to test against.
static void set_view_cone(const frame_view& f)
{
    float r = fmaxf(f.vis * 1.4142f, 1.0f);
    int a1 = degwrap(intround(scn.view_heading - 45 / f.zoom));
    int a2 = degwrap(intround(scn.view_heading + 45 / f.zoom));
    x0 = f.eye[0];
    z0 = f.eye[2];
    x1 = f.eye[0] + r * lookup_sin[a1];
    z1 = f.eye[2] - r * lookup_cos[a1];
    x2 = f.eye[0] + r * lookup_sin[a2];
    z2 = f.eye[2] - r * lookup_cos[a2];
}

int incone(float x, float z, float margin)
{
    return inside_cw_reg(x0, z0, x1, z1, x, z, margin) && inside_cw_reg(x1, z1, x2, z2, x, z, margin) &&
           inside_cw_reg(x2, z2, x0, z0, x, z, margin);
}

billboard_axes view_axes(int with_pitch)
{
    float h = scn.view_heading * con.degtorad, p = with_pitch ? scn.view_pitch * con.degtorad : 0;
    float sh = sinf(h), ch = cosf(h), sp = sinf(p), cp = cosf(p);
    return {{ch, 0, sh}, {-sp * sh, cp, sp * ch}};
}

void billboard_vertex(const billboard_axes& v, const float* c, float a, float b, float s, float t)
{
    glTexCoord2f(s, t);
    glVertex3f(c[0] + a * v.across[0] + b * v.up[0], c[1] + a * v.across[1] + b * v.up[1],
               c[2] + a * v.across[2] + b * v.up[2]);
}

static void set_in_view_lists(const frame_view& f)
{
    for (int k = 0; k < obj_slots; k++)
        obj_inrange[k] = cam_run.near_obj[k] && incone(obj_xyz[k][0][0][0], obj_xyz[k][0][0][2], 1000);
    bucket_objects();

    for (int l = 0; l < local_list_max; l++) apt_inrange[l] = 0;
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        if (!cam_run.near_apt[l]) continue;
        int a = apt_to_index[l];
        for (int r = apt_lo_ind[a]; r <= apt_hi_ind[a] && !apt_inrange[l]; r++) {
            int g = runway_slot(r);
            if (g < 0) continue;
            const float *p0 = runway_corner(g, 0), *p2 = runway_corner(g, 2);
            apt_inrange[l] = incone(p0[0], p0[2], 2000) || incone(p2[0], p2[2], 2000);
        }
    }

    if (scn.view_pitch < -30) {
        for (auto& row : ter_inrange)
            for (int& v : row) v = 1;
    } else {
        for (int i = scn.ter_imin; i <= scn.ter_imax; i++)
            for (int j = scn.ter_jmin; j <= scn.ter_jmax; j++)
                ter_inrange[i][j] = incone(planexyz[i][j][0], planexyz[i][j][2], 5000);
    }
    // Above an overcast the ground wholly under the tops is hidden.
    if (f.overcast && scn.above_clouds) {
        float tops = atm.cloud_tops;
        for (int i = scn.ter_imin; i <= scn.ter_imax; i++)
            for (int j = scn.ter_jmin; j <= scn.ter_jmax; j++)
                if (planexyz[i][j][1] < tops && planexyz[i][j + 1][1] < tops && planexyz[i + 1][j][1] < tops &&
                    planexyz[i + 1][j + 1][1] < tops)
                    ter_inrange[i][j] = 0;
    }
}

// ---- projection and lights -------------------------------------------------------------

static float distance_to_eye(const frame_view& f, int i)
{
    return pythag3((float)flt.pos_x[i] - f.eye[0], (float)flt.pos_y[i] - f.eye[1], (float)flt.pos_z[i] - f.eye[2]);
}

// Half the eye's height, but in front of every aircraft that may be drawn.
static float nearest_clip(const frame_view& f)
{
    float near = 0.5f * (f.eye[1] - env.camera_ground_h);
    for (int i = f.draw_first; i < f.draw_last; i++)
        near = fminf(near, distance_to_eye(f, i) - 1.5f * scn.plane_size);
    return fltlim(near, 0.1f, 5.0f);
}

// The 3D viewport and the head-up display's frame, whose centre is the
// projection's optical centre.
static void set_screen_layout(frame_view& f)
{
    f.vp_x1 = 0, f.vp_y1 = 0, f.vp_x2 = 800;
    if (set.panel_hidden) {
        f.vp_y2 = 600;
        con.HUD_lft = 100, con.HUD_rgt = 700, con.HUD_bot = 41, con.HUD_top = 560;
        f.yaw_base = 0;
    } else {
        f.vp_y2 = view_top_with_panel;
        con.HUD_lft = 200, con.HUD_rgt = 600, con.HUD_bot = 334, con.HUD_top = 552;
        f.yaw_base = 333;
    }
    con.cntrx = (con.HUD_lft + con.HUD_rgt) / 2;
    con.cntry = (con.HUD_bot + con.HUD_top) / 2;
    f.px_x = (int)(f.vp_x1 * mnw.XRAT);
    f.px_y = (int)(f.vp_y1 * mnw.YRAT);
    f.px_w = (int)((f.vp_x2 - f.vp_x1) * mnw.XRAT);
    f.px_h = (int)((f.vp_y2 - f.vp_y1) * mnw.YRAT);
}

// The far plane holds the sky box and at least 10 nm; the eye's height above
// the ground (or above the tops it sees) only widens it.
static void set_projection(const frame_view& f)
{
    float n = f.near_plane;
    float left = -n * 0.75f / f.zoom, right = n * 0.75f / f.zoom;
    float bottom = left * con.cntry / con.cntrx, top = right * (f.vp_y2 - con.cntry) / con.cntrx;
    float s = f.vis + 3000;
    float t = f.eye[1] - (scn.above_clouds ? atm.cloud_tops : env.camera_ground_h);
    float far = fmaxf(1.01f * sqrtf(s * s + sqr(fmaxf(t, 0.4f * s))), 10 * con.nmtomtrs);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(left, right, bottom, top, n, far);
    glViewport(f.px_x, f.px_y, f.px_w, f.px_h);
}

// Nothing of the last frame stays in the view: the sky box is open at its
// sides, and a banked view's lower corners reach past it. The panel's rows
// are left to the panel.
static void clear_view(const frame_view& f)
{
    glScissor(f.px_x, f.px_y, f.px_w, f.px_h);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(sky.fog_rgb[0], sky.fog_rgb[1], sky.fog_rgb[2], 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

// The sky box follows the view's roll and pitch but not its heading.
static void set_modelview(const frame_view& f)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(scn.view_roll, 0, 0, 1);
    glRotatef(scn.view_pitch, -1, 0, 0);
    draw_sky_box();
    glRotatef(scn.view_heading, 0, 1, 0);
    glTranslatef(-f.eye[0], -f.eye[1], -f.eye[2]);
}

static const GLenum landing_lights[2] = {GL_LIGHT1, GL_LIGHT2};
static const GLfloat light_white[4] = {1, 1, 1, 1};
static const GLfloat light_at_origin[4] = {0, 0, 0, 1};
static const GLfloat light_ahead[3] = {0, 0, -1};

// Two spots at the aircraft along its nose, 10 degrees down; lit only over
// the nearest airport's runways. The beams are turned with the aircraft as
// it is drawn, so that they point down its nose from every view, not only
// from those that look along it.
static void set_landing_lights(void)
{
    glPushMatrix();
    glTranslatef((float)flt.pos_x[0], (float)flt.pos_y[0], (float)flt.pos_z[0]);
    for (GLenum light : landing_lights) {
        glLightfv(light, GL_AMBIENT, light_white);
        glLightfv(light, GL_DIFFUSE, light_white);
        glLightfv(light, GL_POSITION, light_at_origin);
    }
    glRotatef(-flt.psi[0], 0, 1, 0);
    glRotatef(-flt.theta[0], -1, 0, 0);
    glRotatef(-flt.phi[0], 0, 0, 1);
    glRotatef(10, -1, 0, 0);
    for (GLenum light : landing_lights) {
        glLightfv(light, GL_SPOT_DIRECTION, light_ahead);
        glLightf(light, GL_SPOT_EXPONENT, 1);
        glLightf(light, GL_LINEAR_ATTENUATION, 0.01f);
    }
    glLightf(GL_LIGHT1, GL_SPOT_CUTOFF, 4);
    glLightf(GL_LIGHT2, GL_SPOT_CUTOFF, 8);
    glPopMatrix();
}

// ---- drawing -----------------------------------------------------------------------------

static void landing_lights_on(int on)
{
    for (GLenum light : landing_lights) on ? glEnable(light) : glDisable(light);
}

// Pavement pieces along a runway; a runway of no width (a user's airport
// file may give one) counts as a metre wide.
static float pavement_pieces(int r)
{
    return rwy_len[r] / fmaxf(rwy_width[r], 1.0f);
}

// One airport's pavement, pads and runways, each group from its last runway to its first.
static void draw_airport(int l, int lit, float sock_x, float sock_z, float ws, float wc)
{
    int a = apt_to_index[l], lo = apt_lo_ind[a], hi = apt_hi_ind[a];
    for (int r = hi; r >= lo; r--) {
        int g = runway_slot(r);
        if (g < 0 || !geo_tway[g]) continue;
        int set = geo_type[g] == surf_asphalt ? tex_asphalt_first : tex_concrete_first;
        int pave = set + rway_pave, turn = set + rway_turn;
        float pieces = pavement_pieces(r);
        scene.plot_pavement(lit, g, 1, pieces, pave, sock_x, sock_z, ws, wc);
        scene.plot_pavement(lit, g, 5, 3.0f, pave, sock_x, sock_z, ws, wc);
        scene.plot_pavement(lit, g, 2, 1.0f, turn, sock_x, sock_z, ws, wc);
        scene.plot_pavement(lit, g, 3, 1.0f, turn, sock_x, sock_z, ws, wc);
        scene.plot_pavement(lit, g, 4, 1.0f, turn, sock_x, sock_z, ws, wc);
    }
    for (int r = hi; r >= lo; r--) {
        int g = runway_slot(r);
        if (g < 0 || rwy_num[r] != rwy_pad) continue;
        int pave = (geo_type[g] == surf_asphalt ? tex_asphalt_first : tex_concrete_first) + rway_pave;
        scene.plot_pavement(lit, g, 0, pavement_pieces(r), pave, sock_x, sock_z, ws, wc);
    }
    for (int r = hi; r >= lo; r--) {
        int g = runway_slot(r);
        if (g < 0 || rwy_num[r] == rwy_pad) continue;
        scene.plot_runway(lit, a, r, g, sock_x, sock_z, ws, wc);
    }
}

// ---- what the aircraft stands on -----------------------------------------------------------

// Every local airport's surfaces, in the order the frame draws them, so the
// surface drawn last wins where two overlap (a runway over its taxiway),
// whatever the camera sees.
void surface_contact(void)
{
    env.surface_type = surf_rough;
    env.on_carrier = 0;
    env.on_frigate = 0;
    env.on_platform = 0;
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        int a = apt_to_index[l];
        if (a < 0 || a >= world_apt_max) continue;
        int lo = apt_lo_ind[a], hi = apt_hi_ind[a];
        for (int r = hi; r >= lo; r--) {
            int g = runway_slot(r);
            if (g < 0 || !geo_tway[g]) continue;
            for (int quad : {1, 5, 2, 3, 4}) pavement_contact(g, quad);
        }
        for (int r = hi; r >= lo; r--) {
            int g = runway_slot(r);
            if (g >= 0 && rwy_num[r] == rwy_pad) pavement_contact(g, 0);
        }
        for (int r = hi; r >= lo; r--) {
            int g = runway_slot(r);
            if (g >= 0 && rwy_num[r] != rwy_pad) runway_contact(a, g);
        }
    }
    object_contact();
    ship_contact();
}

// The airports in view, their lights, the objects, and a cloud layer below.
static void draw_airports_and_objects(const frame_view& f)
{
    glNormal3f(0, 1, 0);
    OGL_setstate(1, 1, 1, 0);
    float sock_x = cam_run.sock_drift_x, sock_z = cam_run.sock_drift_z;
    int g = runway_slot(msc.near_rwy);
    if (g >= 0) sock_x += runway_corner(g, 0)[0], sock_z += runway_corner(g, 0)[2];
    float w = (atm.wind_layer[0][wl_wind_dir] - env.mag_var) * con.degtorad;
    float ws = sinf(w), wc = cosf(w);
    for (int l = 0; l <= apt_lcl_max && l < local_list_max; l++) {
        if (!apt_inrange[l]) continue;
        int lit = ins.ldg_lights && l == msc.near_apt_lcl;
        if (lit) landing_lights_on(1);
        draw_airport(l, lit, sock_x, sock_z, ws, wc);
        if (lit) landing_lights_on(0);
    }
    OGL_setstate(1, 0, 0, 1);
    scene.plot_rway_lights();
    if (set.render_flag_1) scene.plot_obstacles();
    if (f.layered && scn.above_clouds) scene.plot_clouds();
}

// The windsocks drift with the wind every frame, whether airports are drawn or not.
static void drift_windsocks(void)
{
    float dt = msc.dt;
    cam_run.sock_drift_x = fltwrap(cam_run.sock_drift_x + atm.wind_x * dt, -999, 999);
    cam_run.sock_drift_z = fltwrap(cam_run.sock_drift_z + atm.wind_z * dt, -999, 999);
}

// Each aircraft in the cone, turned to its attitude.
static void draw_aircraft(const frame_view& f)
{
    for (int i = f.draw_first; i < f.draw_last; i++) {
        float x = (float)flt.pos_x[i], y = (float)flt.pos_y[i], z = (float)flt.pos_z[i];
        if (!incone(x, z, 100)) continue;
        int close = distance_to_eye(f, i) * con.mtrstonm / f.zoom < 0.75f;
        glPushMatrix();
        glTranslatef(x, y, z);
        glRotatef(-flt.psi[i], 0, 1, 0);
        glRotatef(-flt.theta[i], -1, 0, 0);
        glRotatef(-flt.phi[i], 0, 0, 1);
        scene.plot_plane(i == 1, close);
        glPopMatrix();
    }
}

// The flown path as recorded; every third sample marked.
static void draw_trail(void)
{
    OGL_setstate(1, 0, 0, 1);
    glBegin(GL_LINES);
    for (int k = 0; k < path_samples - 1; k++) {
        if (pat.path_time[k] <= 0.01f || pat.path_time[k + 1] <= 0.01f) continue;
        OGL_setcolor(k % 3 == 0 ? col_trail_mark : col_trail);
        const float *p = pat.path_plane[k], *q = pat.path_plane[k + 1];
        OGL_3dline(p[0], p[1], p[2], q[0], q[1], q[2]);
    }
    glEnd();
}

static int forward_view(int v)
{
    return v == view_forwards || v == view_down_4 || v == view_down_8 || v == view_full_hud;
}

// The rope from the tow plane to the glider's nose.
static void draw_tow_rope(void)
{
    float L = pln[0].body_Z[part_fuselage][0][0];
    OGL_setcolor(col_tow_rope);
    glBegin(GL_LINES);
    OGL_3dline((float)flt.pos_x[1], (float)flt.pos_y[1], (float)flt.pos_z[1],
               (float)flt.pos_x[0] - L * flt.sin_psi * flt.cos_theta, (float)flt.pos_y[0] - L * flt.sin_theta,
               (float)flt.pos_z[0] + L * flt.cos_psi * flt.cos_theta);
    glEnd();
}

// The outside world, back to front as the layers need.
static void draw_world(const frame_view& f)
{
    if (!(f.overcast && !scn.above_clouds)) {
        OGL_setstate(0, 0, 0, 0);
        scene.plot_stars(sky.sky_rgb[0], sky.sky_rgb[1], sky.sky_rgb[2], f.vp_x1, f.vp_y1, f.vp_x2, f.vp_y2);
    }
    if ((f.overcast && scn.above_clouds) || (f.layered && scn.below_clouds)) scene.plot_clouds();
    OGL_setstate(1, 1, 1, 1);
    scene.plot_terrain();
    if (scn.city_lights) {
        OGL_setstate(1, 0, 0, 1);
        scene.plot_city_lights();
    }
    if (set.render_flag_4) {
        OGL_setstate(1, 1, 0, 1);
        scene.plot_trees();
    }
    if (mnw.time_elapsed < atm.flash_until) {
        OGL_setstate(0, 0, 0, 1);
        scene.plot_lightning();
    }
    if (!(f.overcast && scn.above_clouds)) draw_airports_and_objects(f);
    if (scn.fires_on && atm.sl_temp > 32 && atm.precip_level <= 1.0f) {
        OGL_setstate(1, 1, 0, 0);
        scene.plot_fires();
    }
    draw_aircraft(f);
    if (grf.graph_shown) draw_trail();
    OGL_setstate(0, 0, 0, 0);
    if (pln[0].HUDtype == 3 && ins.hud_on && forward_view(f.view)) scene.plot_cool_hud();
    if (set.tow_hold || set.tow_on) draw_tow_rope();
}

// Over the 3D viewport, in its reference units: rain on the windshield, the
// head-up display and its frame, the yaw string, the calibration box.
static void draw_overlays(const frame_view& f)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(f.vp_x1, f.vp_x2, f.vp_y1, f.vp_y2, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Out of the rain the rain sound, which follows the intensity, stops too.
    if (f.overcast && f.eye[1] < atm.cloud_tops) scene.do_window_precip(f.vp_x1, f.vp_y1, f.vp_x2, f.vp_y2);
    else atm.precip_intensity = 0;
    int v = f.view;
    if (forward_view(v) || v == view_full_no_hud) {
        if (v != view_full_no_hud && (v == view_full_hud || pln[0].HUDtype != 1)) {
            if (v == view_full_hud || ins.hud_on) scene.plot_nrml_hud();
            OGL_framerect(col_hud, con.HUD_lft, con.HUD_bot, con.HUD_rgt - con.HUD_lft, con.HUD_top - con.HUD_bot);
        }
        // Gliders, helicopters and vectored thrust fly with an eye on the slip.
        const planestruct& a = pln[0];
        if (flt.gnd_speed[0] > 1.0f && v != view_full_no_hud &&
            (a.entype == engine_none || a.is_heli || a.vectEQ))
            OGL_line(col_hud, con.cntrx, f.yaw_base, con.cntrx + 50 * flt.sin_beta, f.yaw_base + 50 * flt.cos_beta);
    }
    if (msc.joy_calibrating) {
        OGL_framerect(col_white, 300, 347, 200, 200);
        OGL_line(col_white, 397, 447, 403, 447);
        OGL_line(col_white, 400, 444, 400, 450);
    }
}

// The whole screen in reference units again, for the panel and the 2D overlays.
static void restore_screen(void)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glViewport(0, 0, (GLsizei)mnw.XRES, (GLsizei)mnw.YRES);
    glMatrixMode(GL_MODELVIEW);
    if (!env.on_carrier) set.catapult_run = 0;
}

void update_scene_3d2(void)
{
    frame_view f = {};
    f.view = set.view_id;
    for (int k = 0; k < 3; k++) f.eye[k] = con.VIEW_xyz[k];
    f.zoom = fmaxf(scn.zoom, 1.0f);
    f.overcast = atm.cloud_type == 4;
    f.layered = atm.cloud_type == 2 || atm.cloud_type == 3;
    int outside = outside_view(f.view);
    f.draw_first = outside ? 0 : 1;   // not the user's own aircraft from the cockpit
    f.draw_last = set.air_traffic_on ? flt_aircraft : 1;

    set_cloud_flags();
    float h = msc.time_of_day / 3600;
    int day = 7 <= h && h <= 17;
    scn.city_lights = !day;
    scn.rway_lights = !(day && atm.visibility * con.mtrstonm >= 5);
    set_sky_light_fog();
    f.vis = atm.vis_eff;
    drift_windsocks();

    f.octant = view_octant(f.view);
    set_visible_box(f);
    set_cloud_range();
    rebuild_culling(f);
    set_view_cone(f);
    set_in_view_lists(f);

    f.near_plane = nearest_clip(f);
    set_screen_layout(f);
    set_projection(f);
    clear_view(f);
    set_modelview(f);
    set_sun_light();
    if (ins.ldg_lights) set_landing_lights();

    draw_world(f);
    draw_overlays(f);
    restore_screen();
}
