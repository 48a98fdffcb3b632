// Building blocks of the shipped aircraft, shared by the generators that
// write them through the suite's aircraft-file writer: lifting parts, body
// sections, a fixed-pitch propeller, the six-pack panel, and writing a
// record into its folder under planes/.
//
// Everything is in the file's units: feet, pounds, horsepower, engine rpm,
// degrees, knots. Positions: X right, Y up, Z aft from the nose.
#pragma once
#include "HL_FILE.h"
#include "Hl_types.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

const double build_pi = 3.14159265358979;
const char* const wing_foil = "NACA 2412 (popular).afl";
const char* const tail_foil = "NACA 0009 (symmetrical).afl";
const char* const prop_foil = "Clark-Y (good propeller).afl";
const char* const shipped_flaps = "plain flap.flp";

// ---- surfaces ------------------------------------------------------------

inline void name_foils(planestruct& a, int part, const char* foil)
{
    snprintf(a.Rafl0[part], sizeof a.Rafl0[part], "%s", foil);
    snprintf(a.Rafl1[part], sizeof a.Rafl1[part], "%s", foil);
    snprintf(a.Tafl0[part], sizeof a.Tafl0[part], "%s", foil);
    snprintf(a.Tafl1[part], sizeof a.Tafl1[part], "%s", foil);
}

// One lifting part: root at (x, y, z) (z the root's leading edge), chords,
// span along the part, sweep and dihedral, incidence from root to tip.
inline void surface(planestruct& a, int part, int els, float x, float y, float z, float croot, float ctip,
                    float semilen, float sweep, float dihed, float inc_root, float inc_tip, const char* foil)
{
    a.els[part] = els;
    a.Xarm[part] = x;
    a.Yarm[part] = y;
    a.Zarm[part] = z;
    a.Croot[part] = croot;
    a.Ctip[part] = ctip;
    a.semilen[part] = semilen;
    a.sweep1[part] = a.sweep2[part] = a.sweepnow[part] = sweep;
    a.dihed[part] = dihed;
    for (int el = 0; el < els; el++)
        a.anginc[part][el] = inc_root + (inc_tip - inc_root) * (el + 0.5f) / els;
    name_foils(a, part, foil);
}

// A left and right pair from the centre line out (left is the even part).
inline void surface_pair(planestruct& a, int left, int els, float y, float z, float croot, float ctip, float semilen,
                         float sweep, float dihed, float inc_root, float inc_tip, const char* foil)
{
    for (int part : {left, left + 1})
        surface(a, part, els, 0.0f, y, z, croot, ctip, semilen, sweep, dihed, inc_root, inc_tip, foil);
}

// Fixed pitch, two blades, propeller 0 at z behind the nose: the blade
// angles follow the pitch, as the editor's propeller design sets them, and
// the design point is the speed at which that pitch advances without slip.
inline void fixed_pitch_propeller(planestruct& a, float z, float diameter_in, float pitch_in, float design_rpm)
{
    const int els = 6;
    const float radius = diameter_in / 24.0f;
    const float pitch_ft = pitch_in / 12.0f;
    surface(a, 0, els, 0.0f, 0.0f, z, 0.45f, 0.45f, radius, 0.0f, 0.0f, 0.0f, 0.0f, prop_foil);
    for (int el = 0; el < els; el++) {
        float r = (el + 0.5f) / els * radius;
        a.anginc[0][el] = (float)(atan(pitch_ft / (2.0 * build_pi * r)) * 180.0 / build_pi);
    }
    a.numblades[0] = 2;
    a.propdir[0] = 0;                 // turns clockwise seen from the seat
    a.minpitch[0] = a.maxpitch[0] = 0.0f;
    a.des_adv[0] = pitch_in;          // inches a turn
    a.des_rpm[0] = design_rpm;
    a.des_vel[0] = (float)(pitch_ft * 0.3048 * a.des_rpm[0] / 60.0 / 0.514444);   // knots
}

// ---- bodies ----------------------------------------------------------------

// A station of a body: 0 at the top, n/4 at the right side, n/2 at the
// bottom, the left half the mirror of the right. Slightly boxy, like a
// light aircraft's fuselage.
inline void station(planestruct& a, int part, int st, int n, float z, float top, float bottom, float half_width)
{
    float centre = 0.5f * (top + bottom), half_height = 0.5f * (top - bottom);
    for (int k = 0; k < n; k++) {
        double q = 2.0 * build_pi * k / n;
        double s = sin(q), c = cos(q);
        a.body_X[part][st][k] = (float)(half_width * (s < 0 ? -1 : 1) * pow(fabs(s), 0.7));
        a.body_Y[part][st][k] = (float)(centre + half_height * (c < 0 ? -1 : 1) * pow(fabs(c), 0.7));
        a.body_Z[part][st][k] = z;
    }
    // The mirror is exact, as the editor keeps it.
    for (int k = n / 2 + 1; k < n; k++) {
        a.body_X[part][st][k] = -a.body_X[part][st][n - k];
        a.body_Y[part][st][k] = a.body_Y[part][st][n - k];
    }
    a.body_X[part][st][0] = a.body_X[part][st][n / 2] = 0.0f;
}

// A body of 16 points a section from a table of its sections.
inline void body(planestruct& a, int part, int stations, const float* z, const float* top, const float* bottom,
                 const float* half_width)
{
    for (int st = 0; st < stations; st++) station(a, part, st, plane_points, z[st], top[st], bottom[st], half_width[st]);
}

// ---- panel -------------------------------------------------------------------

// Six-pack: airspeed, horizon, altimeter over turn, heading, climb; narrow
// gauges at the row ends; VOR and glide slope in the extra slot.
inline void six_pack_panel(planestruct& a)
{
    a.paneltype = 1;
    a.radiotype = 1;
    a.AStype = 1;
    a.supptype = 1;
    a.HUDtype = 1;
    a.VVItype = 1;
    a.ADFtype = 1;
    a.TStype = 1;
    for (int slot = 0; slot < plane_slots; slot++) {
        a.ins_of_loc[slot] = slot;
        a.has_ins[slot] = 1;
    }
}

// ---- writing -------------------------------------------------------------------

// Writes the record in slot 0 as file in folder (under the program folder
// argv[1]); 0 when the folder or the file could not be made.
inline int write_shipped_plane(const char* program_folder, const char* folder, const char* file, const char* who)
{
    std::string path = program_folder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += folder;
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec) {
        fprintf(stderr, "%s: cannot make %s\n", who, path.c_str());
        return 0;
    }
    path += file;
    snprintf(pln[0].C_path, sizeof pln[0].C_path, "%s", path.c_str());
    if (write_plane_file(0, path.c_str())) return 1;
    fprintf(stderr, "%s: cannot write %s\n", who, path.c_str());
    return 0;
}
