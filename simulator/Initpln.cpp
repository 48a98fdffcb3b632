// Aircraft loading: the aircraft records and the aircraft file.
#include "Initpln.h"
#include "HL_FILE.h"
#include "HL_MNW.h"
#include "Hl_types.h"
#include "host.h"

planestruct pln[2];
airfoilstruct afl[2];
inststruct ins;
float thro_x[plane_engines], prop_x[plane_engines], mixt_x[plane_engines];
float en_x[3][plane_engines];
float en_y[3];
float osh;

// ---- aircraft file ---------------------------------------------------------

const long plane_header_bytes = 5;   // order mark and version

// A read lands here whole before it replaces pln[p], so a failed read never
// leaves an aircraft made of two designs.
static planestruct pln_read;

static void plane_read_failed(const char* path)
{
    MACIBM_alert("An error occurred during read-in of the aircraft file.",
                 "Either the file has been corrupted, or it is not really an aircraft file.", path, "",
                 2004);
}

static int is_asi_unit(int32_t v) { return v == 1 || v == 2; }

// Names go into paths and alerts, so each ends within its 400 bytes
// whatever the file stored.
static void end_plane_names(planestruct& pl)
{
    pl.C_file[399] = 0;
    pl.C_name[399] = 0;
    pl.C_path[399] = 0;
    pl.tailnum[399] = 0;
    pl.flap_str[399] = 0;
    for (int part = 0; part < plane_parts; part++) {
        pl.Rafl0[part][399] = 0;
        pl.Rafl1[part][399] = 0;
        pl.Tafl0[part][399] = 0;
        pl.Tafl1[part][399] = 0;
    }
}

int read_plane_file(int p, const char* path)
{
    // A file cut anywhere, even inside its header, is a damaged aircraft
    // file rather than a scanning error or a missing file.
    char real[path_max];
    host_resolve_path(path, real, path_max);
    {
        std::ifstream probe(real, std::ios::in | std::ios::binary | std::ios::ate);
        if (!probe.is_open()) return 0;
        if ((long)probe.tellg() < plane_header_bytes + (long)sizeof(planestruct)) plane_read_failed(path);
    }
    if (!inf_open(path, kind_aircraft, plane_file_version, 1)) return 0;
    inf1.read((char*)&pln_read, sizeof pln_read);
    int whole = inf1.gcount() == (std::streamsize)sizeof pln_read;
    inf1.close();
    if (!whole) plane_read_failed(path);

    // The header's mark is not trusted: asi_units, 1 or 2, tells the order.
    // One that reads as neither in either order is no aircraft of ours.
    int foreign = !is_asi_unit(pln_read.asi_units);
    if (foreign) {
        int32_t units = pln_read.asi_units;
        rev_byte_order4(&units);
        if (!is_asi_unit(units)) plane_read_failed(path);
    }
    end_plane_names(pln_read);
    pln[p] = pln_read;
    if (foreign) rev_pln_bytes(p);
    return 1;
}

int write_plane_file(int p, const char* path)
{
    if (!ouf_open(path, kind_aircraft, plane_file_version)) return 0;
    ouf.write((const char*)&pln[p], sizeof(planestruct));
    return ouf_close();
}
