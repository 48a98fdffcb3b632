// Writes the shipped world databases into the program folder's "additional
// nav data": "apt.dat" and "nav.dat" through the library's record-line
// writers, so that their format is the one every reader takes, and "fix.dat"
// in the form the simulator reads. The world is southern California around
// San Bernardino (KSBD), where the factory defaults start.
//
// The facts are from the public record as remembered here, not from any
// survey: positions are airport reference points to about a hundredth of a
// degree, runway centres are placed from them (parallel runways 400 ft either
// side unless placed on their own), true headings are the runway number's
// magnetic heading plus about 12 degrees of east variation unless given, and
// navaid frequencies and fix positions are approximate throughout. Good
// enough to fly among, not to navigate by.
//
// Sections: tables (VORs and NDBs, ILS, fixes), writers, main. The airports
// are in socal_airports.h, which the scenery squares share.
//   usage: gen_50_world <program folder ending in '/'>
#include "HL_FILE.h"
#include "Hl_types.h"
#include "socal_airports.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

// ---- tables ----------------------------------------------------------------

struct navaid_def {
    int type;              // 2 NDB, 3 VOR
    const char* id;
    const char* name;
    double lat, lon;
    float elev;            // ft
    int frq;               // VOR: MHz x 100; NDB: kHz
};

static const navaid_def stations[] = {
    {3, "PDZ", "Paradise VORTAC", 33.9188, -117.5294, 1300, 11220},
    {3, "POM", "Pomona VORTAC", 34.0788, -117.7867, 1080, 11040},
    {3, "SLI", "Seal Beach VORTAC", 33.7831, -118.0546, 20, 11570},
    {3, "LAX", "Los Angeles VORTAC", 33.9331, -118.4320, 180, 11360},
    {3, "SMO", "Santa Monica VOR-DME", 34.0104, -118.4569, 120, 11080},
    {3, "VNY", "Van Nuys VOR-DME", 34.2241, -118.4919, 810, 11310},
    {3, "FIM", "Fillmore VORTAC", 34.3567, -118.8811, 2600, 11250},
    {3, "VTU", "Ventura VOR-DME", 34.1150, -119.0495, 10, 10820},
    {3, "PMD", "Palmdale VORTAC", 34.6316, -118.0638, 2510, 11450},
    {3, "LHS", "Lake Hughes VORTAC", 34.6830, -118.4164, 5800, 10840},
    {3, "HEC", "Hector VORTAC", 34.7971, -116.4628, 1980, 11270},
    {3, "DAG", "Daggett VORTAC", 34.9625, -116.5781, 1930, 11320},
    {3, "TNP", "Twentynine Palms VORTAC", 34.1124, -115.7699, 1880, 11420},
    {3, "PSP", "Palm Springs VORTAC", 33.8700, -116.4299, 740, 11550},
    {3, "TRM", "Thermal VORTAC", 33.6280, -116.1602, -110, 11620},
    {3, "JLI", "Julian VORTAC", 33.1404, -116.5858, 5580, 11400},
    {3, "OCN", "Oceanside VORTAC", 33.2406, -117.4176, 100, 11530},
    {3, "MZB", "Mission Bay VORTAC", 32.7823, -117.2253, 10, 11780},
    {3, "PGY", "Poggi VORTAC", 32.6100, -116.9799, 590, 10980},
    {3, "IPL", "Imperial VORTAC", 32.7486, -115.5083, -50, 11590},
    {3, "SXC", "Santa Catalina VORTAC", 33.3749, -118.4200, 2090, 11140},
    {3, "GMN", "Gorman VORTAC", 34.8056, -118.8516, 4950, 11610},
    {2, "EMT", "El Monte NDB", 34.0866, -118.0295, 300, 359},
    {2, "CPM", "Compton NDB", 33.8894, -118.2441, 100, 378},
    {2, "AVX", "Catalina NDB", 33.4068, -118.4146, 1600, 257},
    {2, "RIR", "Flabob NDB", 33.9897, -117.4097, 760, 344},
    {2, "BNG", "Banning NDB", 33.9224, -116.8490, 2200, 338},
    {2, "OKB", "Oceanside NDB", 33.2179, -117.3487, 30, 270},
};

// An ILS to a runway end: the runway by airport and index, which end, and the
// localizer's identifier and frequency (MHz x 100).
struct ils_def {
    const char* apt;
    int rwy;
    int opposite;          // 1: the end opposite the runway's own number
    const char* id;
    int frq;
};

static const ils_def ils_list[] = {
    {"KSBD", 0, 0, "ISBD", 10930}, {"KONT", 0, 1, "IONT", 11135}, {"KONT", 1, 1, "IINE", 11175},
    {"KRAL", 0, 0, "IRAL", 10850}, {"KCNO", 1, 1, "ICNO", 10830}, {"KSNA", 0, 1, "ISNA", 11175},
    {"KLGB", 0, 1, "ILGB", 11030}, {"KLAX", 0, 1, "ILAX", 10850}, {"KLAX", 1, 1, "IIAS", 10810},
    {"KLAX", 2, 1, "ICFN", 11170}, {"KLAX", 3, 1, "IHQB", 10990}, {"KVNY", 0, 0, "IVNY", 11130},
    {"KBUR", 0, 0, "IBUR", 11030}, {"KOXR", 0, 1, "IOXR", 10870}, {"KPMD", 1, 1, "IPMD", 11090},
    {"KVCV", 0, 0, "IVCV", 10950}, {"KPSP", 0, 1, "IPSP", 11110}, {"KCRQ", 0, 1, "ICRQ", 10830},
    {"KSAN", 0, 1, "ISAN", 11090}, {"KEDW", 0, 1, "IEDW", 10910},
};

struct fix_def {
    const char* name;
    double lat, lon;
};

static const fix_def fixes[] = {
    {"SADDE", 34.1060, -118.8720}, {"FUELR", 34.0820, -118.7980}, {"SUZZI", 33.9480, -118.1810},
    {"CIVET", 33.9250, -118.1100}, {"ARNES", 33.9260, -118.2200}, {"ROSIE", 33.9310, -118.3120},
    {"HUNDA", 33.9560, -117.8940}, {"KRAIN", 33.9660, -117.6460}, {"BASET", 33.9990, -117.9230},
    {"GAATE", 33.9470, -117.4200}, {"RIIVR", 33.8690, -117.6230}, {"HOLTZ", 33.8510, -117.1110},
    {"CALBE", 34.0510, -117.3060}, {"SBDNO", 34.0320, -116.9900}, {"BEAUM", 33.9310, -116.9770},
    {"TUSTI", 33.7330, -117.8230}, {"FIRST", 33.9720, -118.3910}, {"DARTS", 34.0150, -118.6070},
    {"ZUMAA", 34.0200, -118.8330}, {"PIONE", 34.6030, -118.1400}, {"HABBS", 34.5710, -117.6420},
    {"VICKY", 34.5040, -117.3940}, {"BLYTH", 33.6160, -116.6620}, {"PALMZ", 33.8020, -116.3810},
    {"SHAMU", 32.7630, -117.2780}, {"LUCKI", 32.7500, -117.0780}, {"TIDES", 33.0050, -117.3620},
    {"KLIPR", 33.3710, -117.0570}, {"OCEAN", 33.4400, -117.8800}, {"JULIE", 32.9940, -116.6980},
};

// ---- writers ---------------------------------------------------------------

static int write_apt(const std::string& path)
{
    snprintf(copyright_apt, sizeof copyright_apt, "Volanto shipped airports: southern California, approximate");
    if (!ouf_open(path.c_str(), kind_airports, 500)) return 0;
    for (const airport_def& a : airports) {
        float h = a.elev;
        int twr = a.twr, bld = a.bld;
        char id[5], name[40];
        snprintf(id, sizeof id, "%s", a.id);
        snprintf(name, sizeof name, "%s", a.name);
        ouf << '\n';
        fio_apt_line(&h, &twr, &bld, id, name, 0);
        for (int k = 0; k < 4 && a.rwy[k].num != 0; k++) {
            const runway_def& r = a.rwy[k];
            double lat, lon;
            runway_centre(a, k, &lat, &lon);
            float flat = (float)lat, flon = (float)lon, hd = true_heading(r), len = r.len, wid = r.width;
            int num = r.num;
            char side = r.side;
            int code = r.surface * 1000000 + r.end0 * 1000 + r.end1;
            fio_rwy_line(&flat, &flon, &num, &side, &hd, &len, &wid, &code, 0);
        }
    }
    ouf << "99\n";
    return ouf_close();
}

static void nav_line(int type, double lat, double lon, float elev, int frq, float hdng, const char* id,
                     const char* name)
{
    float flat = (float)lat, flon = (float)lon;
    char cid[5], cname[40];
    snprintf(cid, sizeof cid, "%s", id);
    snprintf(cname, sizeof cname, "%s", name);
    fio_nav_line(&type, &flat, &flon, &elev, &frq, &hdng, cid, cname, 0);
}

// Localizer beyond the far end, glide slope 1,000 ft past the threshold and
// 400 ft aside (heading field: slope x 100,000 + course), outer marker 4.5 nm
// and middle marker 3,500 ft before the threshold.
static void write_ils(const ils_def& s)
{
    int k = airport_index(s.apt);
    if (k < 0) return;
    const airport_def& a = airports[k];
    const runway_def& r = a.rwy[s.rwy];
    double clat, clon;
    runway_centre(a, s.rwy, &clat, &clon);
    float course = true_heading(r) + (s.opposite ? 180.0f : 0.0f);
    if (course >= 360) course -= 360;
    int num = s.opposite ? (r.num + 18 - 1) % 36 + 1 : r.num;
    char side = r.side == 'L' ? (s.opposite ? 'R' : 'L') : r.side == 'R' ? (s.opposite ? 'L' : 'R') : 0;
    char name[40];
    snprintf(name, sizeof name, "%s %02d%s ILS", a.id, num, side ? std::string(1, side).c_str() : "");
    double lat, lon;
    offset_point(clat, clon, course, r.len / 2 + 1000, 0, &lat, &lon);
    nav_line(4, lat, lon, a.elev, s.frq, course, s.id, name);
    offset_point(clat, clon, course, -r.len / 2 + 1000, 400, &lat, &lon);
    nav_line(6, lat, lon, a.elev, s.frq, 300000.0f + (float)(int)course, s.id, name);
    offset_point(clat, clon, course, -r.len / 2 - 4.5 * 6076.12, 0, &lat, &lon);
    nav_line(7, lat, lon, a.elev, 7500, course, s.id, name);
    offset_point(clat, clon, course, -r.len / 2 - 3500, 0, &lat, &lon);
    nav_line(8, lat, lon, a.elev, 7500, course, s.id, name);
}

static int write_nav(const std::string& path)
{
    snprintf(copyright_nav, sizeof copyright_nav, "Volanto shipped navaids: southern California, approximate");
    if (!ouf_open(path.c_str(), kind_navaids, 500)) return 0;
    for (const navaid_def& n : stations) nav_line(n.type, n.lat, n.lon, n.elev, n.frq, 0, n.id, n.name);
    for (const ils_def& s : ils_list) write_ils(s);
    ouf << "99\n";
    return ouf_close();
}

// Latitude, longitude and a five-letter name a line; the end mark is a
// latitude of 99.
static int write_fix(const std::string& path)
{
    if (!ouf_open(path.c_str(), kind_text, 500)) return 0;
    for (const fix_def& f : fixes) {
        char line[64];
        snprintf(line, sizeof line, "%10.6f %11.6f %-5.5s\n", f.lat, f.lon, f.name);
        ouf << line;
    }
    ouf << "99\n";
    return ouf_close();
}

// ---- main ------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_50_world PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    folder += "additional nav data/";
    int ok = write_apt(folder + "apt.dat");
    ok &= write_nav(folder + "nav.dat");
    ok &= write_fix(folder + "fix.dat");
    if (!ok) fprintf(stderr, "gen_50_world: could not write the databases into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
