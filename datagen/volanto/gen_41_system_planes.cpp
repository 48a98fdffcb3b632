// Writes the two system planes that the special starts load into the second
// slot, through the suite's own aircraft-file writer, into
// "planes/System Planes (don't move)/" of the program folder: the Husky that
// tows a glider up, and the B-52H that carries a drop aircraft aloft. Each
// is a flyable design in its own right and passes the design checks.
//
// Published dimensions, masses, power and speeds are used where the public
// record gives them; values marked "approx" are estimates from drawings and
// similar types. Airfoils and flaps are the shipped files.
//
// Sections: Husky, B-52H, main.
//   usage: gen_41_system_planes <program folder ending in '/'>
#include "volanto/plane_build.h"

#include <cmath>
#include <cstdio>

static const char* const system_folder = "planes/System Planes (don't move)/";

static void name_plane(planestruct& a, const char* name, const char* tailnum)
{
    memset(&a, 0, sizeof a);
    snprintf(a.C_file, sizeof a.C_file, "%s.acf", name);
    snprintf(a.C_name, sizeof a.C_name, "%s", name);
    snprintf(a.tailnum, sizeof a.tailnum, "%s", tailnum);
    a.asi_units = 2;   // knots
    six_pack_panel(a);
}

// ---- Husky -----------------------------------------------------------------
//
// The two-seat tandem high-wing utility aircraft with the 180 hp carburetted
// flat four, as glider clubs fly it for towing. X right, Y up from the
// thrust line, Z aft from the spinner tip.

// Strut-braced wing of constant chord: 35 ft 6 in span, 183 sq ft. Flaps
// over the inner three fifths, ailerons outboard.
static void husky_wing_and_tail(planestruct& a)
{
    surface_pair(a, 4, 5, 2.5f, 5.4f, 5.15f, 5.15f, 17.75f, 0.0f, 1.5f, 1.5f, 0.5f, wing_foil);   // incidence approx
    for (int el = 0; el < 5; el++) {
        a.flap[4][el] = a.flap[5][el] = el < 3;
        a.ailn[4][el] = a.ailn[5][el] = el >= 3;
    }
    a.flapEQ = 1;
    snprintf(a.flap_str, sizeof a.flap_str, "%s", shipped_flaps);

    // Tail: about 29 sq ft of stabilizer and elevator, 10 ft 6 in span; fin
    // and rudder about 13 sq ft (approx).
    surface_pair(a, 10, 3, 0.6f, 17.6f, 3.1f, 2.4f, 5.25f, 5.0f, 0.0f, -2.5f, -2.5f, tail_foil);
    surface(a, 12, 3, 0.0f, 0.8f, 17.2f, 3.6f, 2.0f, 4.6f, 30.0f, 90.0f, 0.0f, 0.0f, tail_foil);
    for (int el = 0; el < 3; el++) {
        a.elev[10][el] = a.elev[11][el] = 1;
        a.rudd[12][el] = 1;
    }
    a.ailn_crat = 0.25f;
    a.ailn_up = 20.0f;
    a.ailn_dn = 15.0f;
    a.elev_crat = 0.4f;
    a.elev_up = 28.0f;
    a.elev_dn = 22.0f;
    a.rudd_crat = 0.45f;
    a.rudd_def = 25.0f;
    a.hstabtype = 0;
    a.hstbtrimmax = 4.0f;             // stands for the trim (approx)
}

// 22 ft 7 in from spinner to rudder: a narrow tandem cabin under the wing
// and a long, slim tail cone (approx sections).
static void husky_fuselage(planestruct& a)
{
    static const float z[11] = {0.0f, 1.0f, 2.5f, 4.0f, 6.0f, 8.5f, 11.0f, 14.0f, 17.0f, 20.0f, 22.4f};
    static const float top[11] = {0.1f, 0.9f, 1.4f, 2.0f, 2.6f, 2.6f, 2.2f, 1.6f, 1.2f, 1.0f, 0.9f};
    static const float bottom[11] = {-0.1f, -1.0f, -1.3f, -1.5f, -1.6f, -1.5f, -1.2f, -0.8f, -0.4f, -0.1f, 0.2f};
    static const float width[11] = {0.1f, 0.9f, 1.3f, 1.4f, 1.45f, 1.4f, 1.2f, 0.9f, 0.6f, 0.35f, 0.1f};
    body(a, part_fuselage, 11, z, top, bottom, width);
    // The section grids' width: the cabin's top, 2.6 ft up, stays inside them.
    a.body_r[part_fuselage] = 2.6f;
    a.fuse_cd = 0.4f;                 // approx, with the struts and the big tyres
    a.fusewash = 1;
}

static void husky(planestruct& a)
{
    name_plane(a, "Husky", "N180TW");

    // Indicated knots: stall 46 flaps down and 53 clean, never-exceed 133 (153 mph).
    a.Vso = 46.0f;
    a.Vs = 53.0f;
    a.Vfe = 78.0f;                    // approx
    a.Vno = 118.0f;                   // approx
    a.Vne = 133.0f;
    a.Mmo = 0.25f;                    // approx; never reached

    // Front seat, on the centre line (approx).
    a.peX = 0.0f;
    a.peY = 1.9f;
    a.peZ = 7.5f;

    // 180 hp carburetted flat four, direct drive, redline 2700 rpm, with a
    // fixed-pitch climb propeller for towing, 76 in across and 56 in of
    // pitch (approx).
    a.entype = 1;
    a.numen = 1;
    a.pmax = 180.0f;
    a.sfc = 0.45f;                    // lb/h per hp at full power (approx)
    a.gearrat = 1.0f;
    a.mpmax = 29.92f;                 // normally aspirated
    a.omegamin = 600.0f;              // idle (approx)
    a.omegamax = 2700.0f;
    a.omegamingreen = 2200.0f;        // approx
    a.omegamaxgreen = 2700.0f;
    fixed_pitch_propeller(a, 0.3f, 76.0f, 56.0f, 2450.0f);

    husky_wing_and_tail(a);
    husky_fuselage(a);

    // Masses: empty about 1,275 lb, 2,000 lb gross, 50 US gallons usable (approx).
    a.m_empty = 1275.0f;
    a.m_max = 2000.0f;
    a.m_fuel = 300.0f;
    // Centre of gravity near a quarter of the chord (approx).
    a.cgZ = 6.9f;
    a.cgY = -0.2f;

    // Fixed tail-wheel gear: the "nose" leg is the tail wheel, aft of the
    // centre of gravity, which sits the aircraft about 12 degrees nose up.
    // Main wheels 6 ft 7 in apart on 8.00-6 tyres (approx).
    a.gear_type = 3;
    a.gear_retract = 0;
    a.gear_stat[0] = a.gear_stat[1] = a.gear_stat[2] = 1;
    a.nwsteer = 25.0f;                // the loader turns it round for a tail wheel
    a.mgearZ = 4.6f;
    a.mgearX = 3.3f;
    a.mgearY = -4.4f;
    a.ngearZ = 19.8f;
    a.ngearY = -1.24f;
    a.mgearZ_att = 4.8f;
    a.mgearX_att = 1.2f;
    a.mgearY_att = -1.5f;
    a.ngearZ_att = 19.6f;
    a.ngearY_att = -0.3f;
    a.wheelrad = 0.9f;
}

// ---- B-52H -------------------------------------------------------------------
//
// The eight-engine strategic bomber. The record holds four engines, so each
// of the four pods is one entry of twice an engine's thrust. X right, Y up
// from the fuselage's centre line, Z aft from the nose.

static const float b52_wing_z = 55.0f;       // root leading edge (approx)
static const float b52_sweep = 35.0f;        // degrees
static const float b52_pod_x[4] = {-60.0f, -32.0f, 32.0f, 60.0f};   // pod centres, outboard left first (approx)
static const float b52_pod_y = -2.5f;

// 185 ft span, 4,000 sq ft, swept 35 degrees, high on the fuselage. The
// part's span runs along the sweep and its chords across it, so that span
// times chord gives the published area. The wing droops on the ground and
// bends up in flight; it is drawn flat between (approx). Flaps inboard,
// spoilers across the middle for roll, small ailerons at the tips.
static void b52_wing(planestruct& a)
{
    const float semilen = 92.5f / cosf(b52_sweep * (float)build_pi / 180.0f);
    surface_pair(a, 4, 8, 5.0f, b52_wing_z, 28.0f, 8.0f, semilen, b52_sweep, 0.0f, 6.0f, 3.0f, wing_foil);
    for (int el = 0; el < 8; el++) {
        a.flap[4][el] = a.flap[5][el] = el <= 4;
        a.splr[4][el] = a.splr[5][el] = el >= 2 && el <= 6;
        a.ailn[4][el] = a.ailn[5][el] = el == 7;
    }
    a.flapEQ = 1;
    snprintf(a.flap_str, sizeof a.flap_str, "%s", shipped_flaps);
    a.ailn_crat = 0.2f;               // control travel and chords approx
    a.ailn_up = 10.0f;
    a.ailn_dn = 10.0f;
    a.splr_crat = 0.15f;
    a.splr_def = 60.0f;
}

// Stabilizer 52 ft across, about 860 sq ft; the short fin of the late
// models, about 520 sq ft, its tip 40 ft 8 in above the ground (approx).
static void b52_tail(planestruct& a)
{
    const float stab_semilen = 26.0f / cosf(b52_sweep * (float)build_pi / 180.0f);
    surface_pair(a, 10, 4, 3.5f, 132.0f, 19.0f, 8.0f, stab_semilen, b52_sweep, 0.0f, -1.0f, -1.0f, tail_foil);
    surface(a, 12, 4, 0.0f, 5.0f, 118.0f, 24.0f, 8.0f, 32.9f, 40.0f, 90.0f, 0.0f, 0.0f, tail_foil);
    for (int el = 0; el < 4; el++) {
        a.elev[10][el] = a.elev[11][el] = 1;
        a.rudd[12][el] = 1;
    }
    a.elev_crat = 0.25f;
    a.elev_up = 20.0f;
    a.elev_dn = 15.0f;
    a.rudd_crat = 0.2f;
    a.rudd_def = 15.0f;
    a.hstabtype = 0;
    a.hstbtrimmax = 5.0f;             // stands for the moving stabilizer's trim (approx)
}

// 159 ft 4 in long with the tail turret; a tall slab-sided body (approx sections).
static void b52_fuselage(planestruct& a)
{
    static const float z[11] = {0.0f, 4.0f, 12.0f, 24.0f, 40.0f, 60.0f, 80.0f, 100.0f, 120.0f, 140.0f, 156.0f};
    static const float top[11] = {0.3f, 3.0f, 5.0f, 6.5f, 6.5f, 6.5f, 6.5f, 6.2f, 5.5f, 4.5f, 3.0f};
    static const float bottom[11] = {-0.3f, -3.0f, -5.0f, -6.0f, -6.5f, -6.5f, -6.5f, -6.0f, -4.0f, -1.5f, 1.0f};
    static const float width[11] = {0.3f, 3.0f, 4.5f, 5.0f, 5.0f, 5.0f, 5.0f, 4.8f, 4.0f, 2.5f, 1.0f};
    body(a, part_fuselage, 11, z, top, bottom, width);
    a.body_r[part_fuselage] = 7.0f;
    a.fuse_cd = 0.2f;                 // approx
    a.fusewash = 0;                   // no propellers
}

// Four twin-engine pods on pylons under the wing, their intakes 14 ft ahead
// of its leading edge (approx). Each pod's engine entry sits at its intake,
// where the nacelle body starts.
static void b52_pods(planestruct& a)
{
    static const float z[7] = {0.0f, 2.0f, 6.0f, 12.0f, 18.0f, 23.0f, 26.0f};
    static const float top[7] = {2.4f, 2.9f, 3.0f, 3.0f, 2.8f, 2.3f, 1.8f};
    static const float bottom[7] = {-2.4f, -2.9f, -3.0f, -3.0f, -2.8f, -2.3f, -1.8f};
    static const float width[7] = {3.4f, 3.9f, 4.0f, 4.0f, 3.8f, 3.2f, 2.6f};
    const float tan_sweep = tanf(b52_sweep * (float)build_pi / 180.0f);
    for (int n = 0; n < plane_engines; n++) {
        const float x = b52_pod_x[n];
        const float intake_z = b52_wing_z + fabsf(x) * tan_sweep - 14.0f;
        a.Xarm[n] = x;
        a.Yarm[n] = b52_pod_y;
        a.Zarm[n] = intake_z;
        body(a, part_nacelle_first + n, 7, z, top, bottom, width);
        a.body_r[part_nacelle_first + n] = 4.0f;
        // Pylon from the pod's top up to the wing.
        surface(a, part_pylon_first + n, 1, x, b52_pod_y + 3.0f, intake_z + 5.0f, 14.0f, 14.0f, 4.5f, 0.0f, 90.0f,
                0.0f, 0.0f, tail_foil);
    }
    a.nace_eq = 1;
}

static void b52h(planestruct& a)
{
    name_plane(a, "B-52H Stratofortress", "N52BH");

    // Indicated knots and Mach (approx: the flight manual's limits are not public).
    a.Vso = 120.0f;
    a.Vs = 140.0f;
    a.Vfe = 180.0f;
    a.Vno = 350.0f;
    a.Vne = 390.0f;
    a.Mmo = 0.84f;

    // Pilot's seat on the upper deck, left side (approx).
    a.peX = -2.5f;
    a.peY = 5.5f;
    a.peZ = 20.0f;

    // Eight low-bypass turbofans of 17,000 lb static thrust, two to a pod.
    a.entype = 4;
    a.numen = 4;
    a.tmax = 2.0f * 17000.0f;
    a.sfc = 0.52f;                    // lb/h per lb of thrust (approx)
    a.facejet = 2.0f * 15.3f;         // two fan faces of 53 in (approx)
    a.spooltime = 8.0f;               // approx
    a.gearrat = 0.0f;                 // no propeller
    a.revthrustEQ = 0;                // it stops with the drag chute instead
    a.chute_area = 1520.0f;           // 44 ft canopy (approx)

    b52_wing(a);
    b52_tail(a);
    b52_fuselage(a);
    b52_pods(a);

    // Masses: 185,000 lb empty, 488,000 lb maximum take-off, 312,197 lb
    // (47,975 US gallons) of fuel.
    a.m_empty = 185000.0f;
    a.m_max = 488000.0f;
    a.m_fuel = 312197.0f;
    // Centre of gravity near a quarter of the mean chord (approx).
    a.cgZ = 86.5f;
    a.cgY = 0.0f;

    // Bicycle gear: two twin-wheel trucks abreast ahead of the centre of
    // gravity and two behind. The record's nose leg is the forward pair; its
    // main legs are the aft trucks, 8 ft 3 in apart. The record has no
    // outriggers: the wing tips' contact points stand in for them. The
    // aircraft sits level, its wing's incidence lifting it off without
    // rotation. 56 x 16 tyres (approx positions).
    a.gear_type = 4;
    a.gear_retract = 1;
    a.gear_stat[0] = a.gear_stat[1] = a.gear_stat[2] = 1;
    a.nwsteer = 20.0f;                // approx
    a.ngearZ = 62.0f;
    a.ngearY = -10.5f;
    a.mgearZ = 108.0f;
    a.mgearX = 4.1f;
    a.mgearY = -10.5f;
    a.ngearZ_att = 62.0f;
    a.ngearY_att = -6.0f;
    a.mgearZ_att = 108.0f;
    a.mgearX_att = 4.1f;
    a.mgearY_att = -6.0f;
    a.wheelrad = 2.33f;
}

// ---- main ------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_41_system_planes PROGRAM_FOLDER/\n");
        return 2;
    }
    static const struct {
        const char* folder;
        const char* file;
        void (*build)(planestruct&);
    } planes[] = {
        {"Husky/", "Husky.acf", husky},
        {"B-52H Stratofortress/", "B-52H Stratofortress.acf", b52h},
    };
    for (auto& p : planes) {
        p.build(pln[0]);
        std::string folder = std::string(system_folder) + p.folder;
        if (!write_shipped_plane(argv[1], folder.c_str(), p.file, "gen_41_system_planes")) return 1;
    }
    return 0;
}
