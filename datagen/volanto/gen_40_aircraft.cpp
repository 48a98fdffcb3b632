// Writes the shipped default aircraft, a Cessna 172 Skyhawk (the fuel-injected
// 180 hp S model), through the suite's own aircraft-file writer into
// "planes/General Aviation/Cessna 172 Skyhawk/" of the program folder. The
// user's slot falls back to this file, so it must load on every install.
//
// Everything is in the file's units: feet, pounds, horsepower, engine rpm,
// degrees, knots. Positions: X right, Y up from the thrust line, Z aft from
// the spinner tip. Published figures are used where the public record gives
// them; values marked "approx" are estimates from drawings and similar types.
// Airfoils are the shipped files that the airfoil generator writes first.
//
// Sections: surfaces, bodies, the aircraft, main.
//   usage: gen_40_aircraft <program folder ending in '/'>
#include "Initpln.h"
#include "volanto/plane_build.h"

// ---- surfaces ------------------------------------------------------------

// The wing as the type is built: a constant-chord inner panel from the
// centre line and a tapered outer panel whose root meets the inner tip, so
// the loader flies the two as one wing. Flaps inboard, ailerons outboard.
static void wings(planestruct& a)
{
    const float dihed = 1.73f;                       // 1 deg 44 min
    const float root_y = 2.4f, le_z = 6.16f;         // on the cabin roof, leading edge (approx)
    const float chord_root = 5.33f, chord_tip = 3.71f;   // 64 in and 44.5 in (approx)
    const float inner = 7.8f, outer = 10.24f;        // 36 ft 1 in span, 174 sq ft together
    const float tip_x = inner * cosf(dihed * (float)build_pi / 180.0f);
    const float tip_y = root_y + inner * sinf(dihed * (float)build_pi / 180.0f);
    // 1.5 deg at the root, washed out to -1.5 deg at the tip (approx).
    surface(a, 4, 4, 0.0f, root_y, le_z, chord_root, chord_root, inner, 0.0f, dihed, 1.5f, 1.5f, wing_foil);
    surface(a, 5, 4, 0.0f, root_y, le_z, chord_root, chord_root, inner, 0.0f, dihed, 1.5f, 1.5f, wing_foil);
    surface(a, 6, 4, -tip_x, tip_y, le_z, chord_root, chord_tip, outer, 0.0f, dihed, 1.5f, -1.5f, wing_foil);
    surface(a, 7, 4, tip_x, tip_y, le_z, chord_root, chord_tip, outer, 0.0f, dihed, 1.5f, -1.5f, wing_foil);
    for (int el = 0; el < 4; el++) {
        a.flap[4][el] = a.flap[5][el] = 1;
        a.ailn[6][el] = a.ailn[7][el] = el >= 1;
    }
    a.flapEQ = 1;
    snprintf(a.flap_str, sizeof a.flap_str, "%s", shipped_flaps);
}

static void tail(planestruct& a)
{
    // Horizontal tail: 11 ft 4 in span, about 38 sq ft with the elevator (approx chords).
    surface(a, 10, 3, 0.0f, 0.4f, 22.3f, 4.0f, 2.8f, 5.67f, 5.0f, 0.0f, -3.0f, -3.0f, tail_foil);
    surface(a, 11, 3, 0.0f, 0.4f, 22.3f, 4.0f, 2.8f, 5.67f, 5.0f, 0.0f, -3.0f, -3.0f, tail_foil);
    // Fin and rudder: swept back 35 deg, about 19 sq ft, top 8 ft 11 in above the ground (approx).
    surface(a, 12, 3, 0.0f, 0.6f, 21.0f, 4.6f, 2.4f, 5.4f, 35.0f, 90.0f, 0.0f, 0.0f, tail_foil);
    for (int el = 0; el < 3; el++) {
        a.elev[10][el] = a.elev[11][el] = 1;
        a.rudd[12][el] = 1;
    }
}

// ---- bodies ----------------------------------------------------------------

// 27 ft 2 in from spinner to rudder; cowling, cabin under the wing, tail cone (approx sections).
static void fuselage(planestruct& a)
{
    static const float z[11] = {0.0f, 1.2f, 3.0f, 4.5f, 6.5f, 9.0f, 11.5f, 14.5f, 18.0f, 22.0f, 26.2f};
    static const float top[11] = {0.1f, 1.0f, 1.6f, 2.2f, 2.8f, 2.8f, 2.4f, 1.7f, 1.2f, 0.9f, 0.7f};
    static const float bottom[11] = {-0.1f, -1.3f, -1.6f, -1.7f, -1.7f, -1.6f, -1.3f, -0.8f, -0.3f, 0.0f, 0.3f};
    static const float width[11] = {0.1f, 1.1f, 1.6f, 1.75f, 1.85f, 1.8f, 1.5f, 1.1f, 0.8f, 0.5f, 0.15f};
    body(a, part_fuselage, 11, z, top, bottom, width);
    a.body_r[18] = 3.0f;
    a.fuse_cd = 0.3f;                 // approx, with the gear legs
    a.fusewash = 1;
}

// Wheel fairings about each wheel's centre, 2.4 ft long (approx).
static void wheel_fairings(planestruct& a)
{
    static const float half_width[7] = {0.05f, 0.25f, 0.35f, 0.38f, 0.35f, 0.25f, 0.05f};
    static const float top[7] = {0.0f, 0.4f, 0.55f, 0.55f, 0.5f, 0.35f, 0.1f};
    static const float bottom[7] = {-0.1f, -0.4f, -0.5f, -0.5f, -0.45f, -0.3f, -0.05f};
    for (int part = 25; part <= 27; part++) {
        for (int st = 0; st < 7; st++)
            station(a, part, st, 8, -1.2f + 0.4f * st, top[st], bottom[st], half_width[st]);
        a.body_r[part] = 1.0f;
    }
    a.fair_eq = 1;
}

// ---- the aircraft ----------------------------------------------------------

static void cessna_172(planestruct& a)
{
    memset(&a, 0, sizeof a);
    snprintf(a.C_file, sizeof a.C_file, "%s", default_plane_file);
    snprintf(a.C_name, sizeof a.C_name, "Cessna 172 Skyhawk");
    snprintf(a.tailnum, sizeof a.tailnum, "N172VL");

    // Speeds in knots (indicated, from the operating handbook).
    a.asi_units = 2;
    a.Vso = 40.0f;
    a.Vs = 48.0f;
    a.Vfe = 85.0f;
    a.Vno = 129.0f;
    a.Vne = 163.0f;
    a.Mmo = 0.3f;                     // approx; the type never comes near it

    // Left seat, eyes under the wing's leading edge (approx).
    a.peX = -0.8f;
    a.peY = 1.6f;
    a.peZ = 8.0f;

    six_pack_panel(a);

    // 180 hp fuel-injected flat four, direct drive, redline 2700 rpm.
    a.entype = 2;
    a.numen = 1;
    a.pmax = 180.0f;
    a.sfc = 0.45f;                    // lb/h per hp at full power (approx)
    a.gearrat = 1.0f;
    a.critalt = 0.0f;                 // normally aspirated
    a.mpmax = 29.92f;
    a.omegamin = 600.0f;              // idle (approx)
    a.omegamax = 2700.0f;
    a.omegamingreen = 2100.0f;
    a.omegamaxgreen = 2700.0f;
    // Fixed pitch, 76 in across with a 60 in pitch; 2400 rpm in cruise (approx).
    fixed_pitch_propeller(a, 0.3f, 76.0f, 60.0f, 2400.0f);

    wings(a);
    tail(a);
    fuselage(a);
    wheel_fairings(a);

    // Controls: travel in degrees, chord ratios approx.
    a.ailn_crat = 0.25f;
    a.ailn_up = 20.0f;
    a.ailn_dn = 15.0f;
    a.elev_crat = 0.4f;
    a.elev_up = 28.0f;
    a.elev_dn = 23.0f;
    a.rudd_crat = 0.4f;
    a.rudd_def = 17.7f;
    a.hstabtype = 0;                  // fixed stabilizer with elevator
    a.hstbtrimmax = 3.0f;             // stands for the elevator trim tab (approx)

    // Masses: standard empty, maximum take-off, 53 US gallons usable.
    a.m_empty = 1680.0f;
    a.m_max = 2550.0f;
    a.m_fuel = 318.0f;
    // Centre of gravity 41 in aft of the firewall, which sits 4 ft behind
    // the spinner tip (approx); just under the thrust line.
    a.cgZ = 7.42f;
    a.cgY = -0.3f;

    // Fixed tricycle gear: 64 in wheelbase, 8 ft 4 in track, wheels on the
    // ground 4.05 ft below the thrust line (approx).
    a.gear_type = 3;
    a.gear_retract = 0;
    a.gear_stat[0] = a.gear_stat[1] = a.gear_stat[2] = 1;
    a.nwsteer = 10.0f;
    a.ngearZ = 3.43f;
    a.ngearY = -4.05f;
    a.mgearZ = 8.8f;
    a.mgearX = 4.17f;
    a.mgearY = -4.05f;
    a.ngearZ_att = 3.6f;
    a.ngearY_att = -2.0f;
    a.mgearZ_att = 7.9f;
    a.mgearX_att = 1.7f;
    a.mgearY_att = -1.6f;
    a.wheelrad = 0.7f;                // 6.00-6 main tyres
}

// ---- main ------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_40_aircraft PROGRAM_FOLDER/\n");
        return 2;
    }
    cessna_172(pln[0]);
    return write_shipped_plane(argv[1], default_plane_folder, default_plane_file, "gen_40_aircraft") ? 0 : 1;
}
