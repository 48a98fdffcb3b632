// Writes the shipped airfoils into the program folder's "airfoils" folder and
// the shipped flap into "flaps", through Foilwright's own model and writer, so
// that the files are exactly what the editor would save.
//
// Each section's parameters are set so that the model's curves match the real
// section's published section data at a Reynolds number of about 3 million
// (smooth surface): lift at zero angle, lift slope, maximum lift and its angle,
// minimum drag and the quarter-chord moment. The figures are approximate, read
// from the public record as we know it; the stalled region and the curves past
// 20 degrees are the model's own.
//   usage: gen_30_airfoils <program folder ending in '/'>
#include "Function.h"
#include "Init.h"

#include <cstdio>
#include <string>

struct section {
    const char* file;
    float trat, clB, clM, Lstall, almin, almax, Lpow, Ldrop1, Ldrop2, Lpowstl;
    float DminCL, Dmin, Dal10, Dpow;
    float cmal2, cmal3, cm1, cm2, cm3, cm4;
};

// Lpow = clM x (almax - 10) / (Lstall - lift at 10 degrees), so the curve
// leaves the straight line at 10 degrees without a kink.
static const section sections[] = {
    // Cambered 12 %: zero lift at about -2.1 degrees, slope 0.105 per degree,
    // maximum lift about 1.6 at 16 degrees, minimum drag about 0.0060 near a
    // lift of 0.15, moment about -0.045 (approximate).
    {"NACA 2412 (popular).afl", 0.12f, 0.22f, 0.105f, 1.60f, -16.0f, 16.0f, 1.91f, 0.10f, 0.35f, 1.4f,
     0.15f, 0.0060f, 0.0125f, 2.3f, -16.0f, 16.0f, 0.02f, -0.045f, -0.045f, -0.09f},
    // Symmetrical 9 %: no lift at zero angle, slope about 0.105 to 0.11 per
    // degree, maximum lift about 1.25 at 13 degrees with a sharp leading-edge
    // stall, minimum drag about 0.0052, no moment before the stall
    // (approximate).
    {"NACA 0009 (symmetrical).afl", 0.09f, 0.0f, 0.105f, 1.25f, -13.0f, 13.0f, 1.575f, 0.30f, 0.25f, 0.8f,
     0.0f, 0.0052f, 0.0110f, 2.2f, -13.0f, 13.0f, 0.05f, 0.0f, 0.0f, -0.05f},
    // Flat-bottomed 11.7 %: zero lift at about -3.5 degrees, slope 0.100 per
    // degree, maximum lift about 1.5 at 16 degrees, minimum drag about 0.0075
    // near a lift of 0.3, moment about -0.08 (approximate).
    {"Clark-Y (good propeller).afl", 0.117f, 0.35f, 0.100f, 1.50f, -16.0f, 16.0f, 4.0f, 0.10f, 0.30f, 1.4f,
     0.30f, 0.0075f, 0.0140f, 2.3f, -16.0f, 16.0f, 0.0f, -0.08f, -0.08f, -0.11f},
};

static int write_section(const std::string& folder, const section& s)
{
    reset_to_default(part_airfoil);
    airfoilstruct& a = afl[0];
    a.trat[0][0] = s.trat;
    a.Re[0][0][0] = 3.0f;
    a.clB[0][0][0] = s.clB;
    a.clM[0][0][0] = s.clM;
    a.Lstall = s.Lstall;
    a.almin = s.almin;
    a.almax = s.almax;
    a.Lpow = s.Lpow;
    a.Ldrop1 = s.Ldrop1;
    a.Ldrop2 = s.Ldrop2;
    a.Lpowstl = s.Lpowstl;
    a.DminCL = s.DminCL;
    a.Dmin = s.Dmin;
    a.Dal10 = s.Dal10;
    a.Dpow = s.Dpow;
    a.cmal2[0][0][0] = s.cmal2;
    a.cmal3[0][0][0] = s.cmal3;
    a.cm1[0][0][0] = s.cm1;
    a.cm2[0][0][0] = s.cm2;
    a.cm3[0][0][0] = s.cm3;
    a.cm4[0][0][0] = s.cm4;
    generate();
    snprintf(msc.part_path, sizeof msc.part_path, "%sairfoils/%s", folder.c_str(), s.file);
    return writeoutpart();
}

// A plain flap of about 20 % chord: at full deflection (about 40 degrees) it
// adds a lift of about 0.9, a drag of about 0.06 and a moment of about -0.22;
// the lift it adds grows more slowly as the flap goes down (approximate).
static int write_plain_flap(const std::string& folder)
{
    reset_to_default(part_flap);
    airfoilstruct& a = afl[0];
    a.FLPlco1 = 1.35f;
    a.FLPlco2 = 0.0f;
    a.FLPlco3 = -0.45f;
    a.FLPdco1 = 0.01f;
    a.FLPdco2 = 0.05f;
    a.FLPdco3 = 0.0f;
    a.FLPmco1 = -0.30f;
    a.FLPmco2 = 0.0f;
    a.FLPmco3 = 0.08f;
    generate();
    snprintf(msc.part_path, sizeof msc.part_path, "%sflaps/plain flap.flp", folder.c_str());
    return writeoutpart();
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_30_airfoils <program folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    int ok = 1;
    for (const section& s : sections)
        if (!write_section(folder, s)) {
            fprintf(stderr, "gen_30_airfoils: could not write %s\n", s.file);
            ok = 0;
        }
    if (!write_plain_flap(folder)) {
        fprintf(stderr, "gen_30_airfoils: could not write plain flap.flp\n");
        ok = 0;
    }
    return ok ? 0 : 1;
}
