// Writes the shipped real-weather file "WORLD.RWX" into the program folder:
// one report for each airport of the shipped "apt.dat", read back through the
// simulator's own reader so that the station ids are the ones the lookup
// compares. Each line is the four-character id, a blank, and the report,
// which repeats the id as the reports do ("KSBD KSBD 1150 CLR 10 ...").
//
// The weather is made up, not observed: San Bernardino is clear and calm (the
// factory start flies in real weather as it flies without), and the rest of
// the region covers clear, layered and overcast skies, every weather word the
// decoder knows, low visibility down to fractions of a mile, and calm,
// variable and gusting winds. Heights are hundreds of feet above the field,
// visibility nautical miles, temperatures degrees F, winds knots.
//
// Sections: table, main.
//   usage: gen_60_weather <program folder ending in '/'>
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "records.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

// ---- table -----------------------------------------------------------------

struct station_def {
    const char* id;        // as in "apt.dat"
    const char* weather;   // the report after its id and time
};

static const char* const report_time = "1150";

// An airport of "apt.dat" that is not listed here gets the home field's weather.
static const station_def stations[] = {
    // Inland valleys: clear to scattered.
    {"KSBD", "CLR 10 59/40/0000/992"},
    {"KREI", "CLR 10 61/38/VR03/992"},
    {"KRAL", "CLR 8 63/45/2705/993"},
    {"KRIR", "CLR 7 63/46/2706/993"},
    {"KRIV", "CLR 12 60/40/3110/991"},
    {"KONT", "45 SCT 10 64/44/2508/994"},
    {"KCNO", "40 SCT 9 64/46/2407/994"},
    {"KCCB", "CLR 10 62/38/3418G26/990"},
    {"KPOC", "50 SCT 120 BKN 10 65/47/2306/995"},
    {"KAJO", "35 SCT 8 R- 63/50/2408/994"},
    // The Los Angeles basin under the marine layer: drizzle, rain and fog.
    {"KFUL", "12 OVC 6 62/55/2505/996"},
    {"KSNA", "8 BKN 15 OVC 3 R-F 60/57/2006/997"},
    {"KSLI", "6 OVC 2 RF 59/57/1905/997"},
    {"KLGB", "4 OVC 1 1/2 R+F 58/57/2008/996"},
    {"KCPM", "10 BKN 25 OVC 5 R 60/56/2210/995"},
    {"KTOA", "7 OVC 1 1/4 RW-F 58/56/2407/996"},
    {"KHHR", "9 BKN 20 OVC 4 R+ 59/57/2112G22/993"},
    {"KLAX", "15 SCT 30 BKN 80 OVC 5 R- 61/55/2509/995"},
    {"KSMO", "5 OVC 3/4 RWF 57/56/2306/996"},
    {"KVNY", "20 BKN 45 OVC 6 RW- 60/52/1608/993"},
    {"KBUR", "25 BKN 50 OVC 5 RW 59/52/1710/992"},
    {"KWHP", "18 BKN 40 OVC 3 RW+ 57/52/1814G25/990"},
    {"KEMT", "3 OVC 1/2 RW+F 56/55/0000/995"},
    // Ventura county and Catalina.
    {"KCMA", "2 OVC 1/4 RF 55/55/0000/998"},
    {"KOXR", "4 OVC 2 R- 56/54/2804/998"},
    {"KNTD", "6 BKN 12 OVC 4 62/55/2906/998"},
    {"KSZP", "30 SCT 10 62/48/VR04/997"},
    {"KAVX", "8 SCT 20 OVC 5 RW- 58/54/2712/997"},
    // The high desert and the mountains: snow.
    {"KPMD", "40 BKN 80 OVC 6 S- 36/28/2615G30/992"},
    {"KWJF", "30 BKN 60 OVC 3 S 33/29/2712/991"},
    {"KEDW", "60 SCT 12 35/20/2418G34/989"},
    {"KVCV", "25 OVC 1 1/2 S+ 31/29/2514/988"},
    {"KAPV", "20 BKN 50 OVC 4 SW- 33/27/3008/990"},
    {"L26", "15 BKN 35 OVC 2 SW 32/28/2910/989"},
    {"L35", "5 BKN 15 OVC 3/4 SW+ 28/26/2815G28/987"},
    // The passes and the low desert: wind, and thunderstorms from the south-east.
    {"KBNG", "CLR 15 70/32/2822G38/992"},
    {"KHMT", "50 SCT 10 68/40/2706/993"},
    {"L65", "CLR 10 67/39/VR05/993"},
    {"KF70", "40 SCT 90 BKN 8 TRW- 70/55/2010/991"},
    {"KPSP", "50 SCT 100 BKN 10 TRW 86/60/1812G30/988"},
    {"KUDD", "45 BKN 90 OVC 4 TRW+ 84/64/1520G40/985"},
    {"KTRM", "35 BKN 80 OVC 2 TRW-F 80/70/1408/986"},
    {"KTNP", "30 BKN 70 OVC 1 TRWF 78/70/1612/984"},
    {"L08", "25 OVC 3/4 TRW+F 76/72/1718G35/982"},
    {"L78", "CLR 20 74/30/0000/994"},
    {"L54", "CLR 15 80/35/VR02/993"},
    {"KIPL", "CLR 10 90/40/3010/990"},
    {"KNJK", "250 SCT 12 91/42/2908/990"},
    // San Diego county: showers off the sea.
    {"KRNM", "35 SCT 70 BKN 7 RW- 62/52/2508/994"},
    {"KCRQ", "12 BKN 25 OVC 5 RW 60/55/2412/994"},
    {"KOKB", "6 OVC 2 1/2 RW-F 59/57/2606/995"},
    {"KNKX", "18 BKN 35 OVC 4 RW+ 60/56/2216G27/992"},
    {"KMYF", "15 BKN 30 OVC 5 R 61/56/2310/993"},
    {"KSEE", "20 SCT 40 BKN 7 R- 62/54/2508/994"},
    {"KSAN", "10 BKN 20 OVC 3 R+ 60/57/1915G28/991"},
    {"KNZY", "5 OVC 1 RWF 58/57/2007/993"},
    {"KSDM", "8 OVC 1 1/2 R-F 59/57/0000/994"},
};

static const int station_count = (int)(sizeof stations / sizeof stations[0]);

// ---- main ------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: gen_60_weather PROGRAM_FOLDER/\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    if (snprintf(app_path, path_max, "%s", folder.c_str()) >= path_max) return 1;
    MACIBM_set_constants();
    initing = 0;
    read_apt_dat();

    std::string out;
    int used[station_count] = {};
    for (int a = 0; a <= apt_wrl_max; a++) {
        // The reader keeps four character positions, a short id padded with blanks.
        char name[5];
        snprintf(name, sizeof name, "%.4s", apt_id[a]);
        for (int k = 3; k >= 0 && name[k] == ' '; k--) name[k] = 0;
        const char* weather = stations[0].weather;
        for (int s = 0; s < station_count; s++)
            if (strcmp(stations[s].id, name) == 0) {
                weather = stations[s].weather;
                used[s] = 1;
            }
        // A report's own id is four characters with a letter, so a short id
        // is written as the reports write it, "K" first ("L26" as "KL26").
        std::string word = strlen(name) == 4 ? name : std::string("K") + name;
        char id4[5];
        snprintf(id4, sizeof id4, "%-4.4s", apt_id[a]);
        out += std::string(id4) + " " + word + " " + report_time + " " + weather + "\n";
    }
    // Every kind of weather the table covers must reach the file.
    int ok = 1;
    for (int s = 0; s < station_count; s++)
        if (!used[s]) {
            fprintf(stderr, "gen_60_weather: %s is not in apt.dat\n", stations[s].id);
            ok = 0;
        }

    std::string path = folder + "WORLD.RWX";
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << out;
    f.close();
    if (!f) {
        fprintf(stderr, "gen_60_weather: could not write %s\n", path.c_str());
        ok = 0;
    }
    return ok ? 0 : 1;
}
