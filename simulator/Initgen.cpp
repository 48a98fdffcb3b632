#include "Initgen.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Hl_types.h"

#include <cstdio>
#include <cstring>

settingstruct set;
miscstruct msc;
navstruct nav;
relstruct rel;
atmospherestruct atm;
graphstruct grf;
std::ofstream trk;
int ogl_res;

// ---- world databases ---------------------------------------------------------

float apt_h[world_apt_max];
int apt_twr[world_apt_max], apt_bld[world_apt_max];
char apt_id[world_apt_max][5], apt_name[world_apt_max][40];
int apt_lo_ind[world_apt_max], apt_hi_ind[world_apt_max];
int apt_wrl_max = -1;

float rwy_lat[world_rwy_max], rwy_lon[world_rwy_max];
int rwy_num[world_rwy_max];
char rwy_lcr[world_rwy_max];
float rwy_hdng[world_rwy_max];
float rwy_len[world_rwy_max], rwy_width[world_rwy_max];
int rwy_code[world_rwy_max];
int rwy_wrl_max = -1;

int nav_type[world_nav_max];
float nav_lat[world_nav_max], nav_lon[world_nav_max], nav_h[world_nav_max];
int nav_frq[world_nav_max];
float nav_hdng[world_nav_max];
char nav_id[world_nav_max][5], nav_name[world_nav_max][40];
int nav_wrl_max = world_nav_first - 1;

float fix_lat[world_fix_max], fix_lon[world_fix_max];
char fix_name[world_fix_max][6];

static const int progress_every = 1100;

void open_aptnavfix_dat(const char* name)
{
    char path[path_max];
    snprintf(path, sizeof path, "%s", name);
    ap_dir("additional nav data", path);
    if (!inf_open(path, kind_text, 500, 0)) {
        // Another version is told as such; any other header that was found
        // is damaged: saying it is missing would send the user looking for it.
        if (inf_found && inf_version >= 0) inf_wrong_version(path);
        if (inf_found)
            MACIBM_alert("The following nav, airport, or fix data file is damaged:", path,
                         "Its header is not the header of a world data file.",
                         "Replace it with the file that came with the program.", alert_fatal);
        MACIBM_alert("I am unable to access a nav, airport, or fix data file!",
                     "The path I am looking at is as follows:", path,
                     "Make sure the file listed above is available in the path listed above!", alert_fatal);
    }
    if (inf1.fail() || inf1.bad())
        MACIBM_alert("Error reading in global data file after version-scan!", "", "", "", alert_fatal);
}

void read_apt_dat(void)
{
    apt_wrl_max = -1;
    rwy_wrl_max = -1;
    // An airport without runway lines keeps an empty range.
    memset(apt_hi_ind, 0, sizeof apt_hi_ind);
    open_aptnavfix_dat("apt.dat");
    int code = intscan("apt.dat");
    while (code != 99) {
        if (code == 1) {
            int a = apt_wrl_max + 1;
            if (a >= world_apt_max) MACIBM_alert("Too many airports in apt.dat file!", "", "", &a, alert_fatal_number);
            apt_wrl_max = a;
            fio_apt_line(&apt_h[a], &apt_twr[a], &apt_bld[a], apt_id[a], apt_name[a], 1);
            apt_lo_ind[a] = rwy_wrl_max + 1;
            for (char* c = apt_name[a]; *c; c++)
                if (*c == '-') *c = ' ';
            apt_h[a] *= con.fttomtrs;
        } else if (code == 10) {
            int r = rwy_wrl_max + 1;
            if (r >= world_rwy_max) MACIBM_alert("Too many runways in apt.dat file!", "", "", &r, alert_fatal_number);
            rwy_wrl_max = r;
            fio_rwy_line(&rwy_lat[r], &rwy_lon[r], &rwy_num[r], &rwy_lcr[r], &rwy_hdng[r], &rwy_len[r],
                         &rwy_width[r], &rwy_code[r], 1);
            // A runway before the first airport is read but belongs to none.
            if (apt_wrl_max >= 0) apt_hi_ind[apt_wrl_max] = r;
            rwy_len[r] *= con.fttomtrs;
            rwy_width[r] *= con.fttomtrs;
        }
        // Any other code is taken as a lone number; what follows it on its
        // line is read as further codes.
        if (apt_wrl_max >= 0 && apt_wrl_max % progress_every == 0) MACIBM_showinit(1);
        code = intscan("apt.dat");
    }
    inf1.close();
}

void read_nav_dat(void)
{
    nav_wrl_max = world_nav_first - 1;
    open_aptnavfix_dat("nav.dat");
    int code = intscan("nav.dat");
    while (code != 99) {
        int n = nav_wrl_max + 1;
        if (n >= world_nav_max) MACIBM_alert("Too many navs in world database!", "", "", &n, alert_fatal_number);
        nav_wrl_max = n;
        nav_type[n] = code;
        fio_nav_line(&nav_type[n], &nav_lat[n], &nav_lon[n], &nav_h[n], &nav_frq[n], &nav_hdng[n],
                     nav_id[n], nav_name[n], 1);
        nav_h[n] *= con.fttomtrs;
        if (n % progress_every == 0) MACIBM_showinit(1);
        code = intscan("nav.dat");
    }
    inf1.close();
}

void read_fix_dat(void)
{
    for (int i = 0; i < world_fix_max; i++) {
        fix_lat[i] = -999.0f;
        fix_lon[i] = -999.0f;
    }
    open_aptnavfix_dat("fix.dat");
    for (int i = 0;; i++) {
        fix_lat[i] = fltscan("fix.dat");
        // The end mark is a latitude that rounds to 99; compared as a range,
        // so that no latitude from the file is converted to an integer.
        if (fix_lat[i] >= 98.5f && fix_lat[i] < 99.5f) break;
        if (i >= world_fix_max - 1) MACIBM_alert("Too many fixes in world database!", "", "", &i, alert_fatal_number);
        fix_lon[i] = fltscan("fix.dat");
        wrdscan(fix_name[i], "nav ID", 6, 1);
        if (i % progress_every == 0) MACIBM_showinit(1);
    }
    inf1.close();
}

void load_world_databases(void)
{
    read_apt_dat();
    read_nav_dat();
    read_fix_dat();
}
