// File headers and field scanners.
#include "HL_FILE.h"
#include "HL_MNW.h"

#include <cstdio>
#include <cstring>
#include <string>

std::ifstream inf1, inf2;
int inf_use = 1;
int inf_is_bin = 0;
int rev_inf_bin = 0;
char x_eln = '\n';
int extra_char_eoln = 0;
std::ofstream ouf;
char C_s[400];

static std::ifstream& in_use(void) { return inf_use == 2 ? inf2 : inf1; }

int inf_open(const char* path, int kind, int version, int fatal)
{
    inf1.clear();
    if (inf1.is_open()) inf1.close();
    inf1.clear();
    char real[path_max];
    host_resolve_path(path, real, path_max);
    inf_is_bin = (kind == kind_aircraft || kind == kind_scenery) ? 1 : 0;
    inf1.open(real, inf_is_bin ? std::ios::in | std::ios::binary : std::ios::in);
    if (!inf1.good()) return 0;
    char mark = 0;
    inf1.get(mark);
    if (inf_is_bin) {
        if (mark != 'a' && mark != 'i') return 0;
    } else {
        char eln = 0;
        inf1.get(eln);
        if (mark != 'A' && mark != 'I') return 0;
        x_eln = eln;
    }
    extra_char_eoln = 0;
    if (mark == 'a') rev_inf_bin = 1;
    if (mark == 'i') rev_inf_bin = 0;
    int saved_use = inf_use;
    inf_use = 1;
    int v = intscan(path);
    inf_use = saved_use;
    if (v != version) {
        if (!fatal) return 0;
        MACIBM_alert("The following file is the wrong version for this version of Volanto:", path,
                     "Throw that file away. You should only use the files that came with the program.",
                     "You may have to re-install Volanto from the CD.", 2004);
    }
    if (!inf_is_bin) {
        // The rest of the version line.
        std::string rest;
        std::getline(inf1, rest, x_eln);
        size_t k = rest.find_first_not_of(' ');
        snprintf(C_s, sizeof C_s, "%s", k == std::string::npos ? "" : rest.c_str() + k);
    }
    return inf1.good() ? 1 : 0;
}

int intscan(const char* label)
{
    std::ifstream& in = in_use();
    int v = 0;
    if (inf_is_bin) {
        unsigned char b[4] = {0, 0, 0, 0};
        in.read((char*)b, 4);
        if (rev_inf_bin) {
            unsigned char t = b[0]; b[0] = b[3]; b[3] = t;
            t = b[1]; b[1] = b[2]; b[2] = t;
        }
        memcpy(&v, b, 4);
    } else {
        in >> v;
    }
    scancheck(label);
    return v;
}

float fltscan(const char* label)
{
    std::ifstream& in = in_use();
    float v = 0;
    if (inf_is_bin) {
        unsigned char b[4] = {0, 0, 0, 0};
        in.read((char*)b, 4);
        if (rev_inf_bin) {
            unsigned char t = b[0]; b[0] = b[3]; b[3] = t;
            t = b[1]; b[1] = b[2]; b[2] = t;
        }
        memcpy(&v, b, 4);
    } else {
        in >> v;
    }
    scancheck(label);
    return v;
}

void scancheck(const char* label)
{
    std::ifstream& in = in_use();
    if (in.fail() || in.bad()) MACIBM_alert("File-scanning error!", "", "file:", label, 2004);
}

void OPENSAVE_update(void) {}
