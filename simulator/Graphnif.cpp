// Data output and the graph window.
//
// Sections (grep "---- name"):
//   item table      labels, digits and decimals, the columns an aircraft has
//   item values     out_dat
//   destinations    the values and the labels to the file, graph, cockpit and serial packet
//   graph buffer    clear_graph, update_graph
//   graph window    the lay-out, points, numbers and manage_grf
#include "Graphnif.h"

#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_BTN.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "Hl_types.h"
#include "Initgen.h"
#include "Integ.h"

#include <cmath>
#include <cstdio>
#include <cstring>

// ---- item table ------------------------------------------------------------------

// Digits and decimals of columns 1 to 4.
struct item_format {
    int digits[4];
    int decimals[4];
};
static const item_format item_formats[dataout_labelled] = {
    {{4, 3, 0, 0}, {1, 2, 0, 0}},   // 0
    {{4, 0, 0, 0}, {0, 0, 0, 0}},   // 1
    {{3, 3, 0, 0}, {1, 1, 0, 0}},   // 2
    {{4, 0, 0, 0}, {3, 0, 0, 0}},   // 3
    {{4, 0, 0, 0}, {4, 0, 0, 0}},   // 4
    {{4, 4, 0, 0}, {1, 1, 0, 0}},   // 5
    {{4, 0, 0, 0}, {1, 0, 0, 0}},   // 6
    {{4, 0, 0, 0}, {1, 0, 0, 0}},   // 7
    {{3, 3, 3, 3}, {2, 2, 2, 2}},   // 8
    {{4, 4, 4, 4}, {0, 0, 0, 0}},   // 9
    {{3, 3, 3, 3}, {0, 0, 0, 0}},   // 10
    {{3, 3, 3, 0}, {2, 2, 2, 0}},   // 11
    {{3, 3, 3, 0}, {2, 2, 2, 0}},   // 12
    {{4, 3, 3, 0}, {2, 2, 2, 0}},   // 13
    {{1, 3, 3, 1}, {0, 2, 2, 0}},   // 14
    {{4, 4, 0, 0}, {0, 0, 0, 0}},   // 15
    {{4, 0, 0, 0}, {0, 0, 0, 0}},   // 16
    {{4, 3, 0, 0}, {2, 1, 0, 0}},   // 17
    {{3, 0, 0, 0}, {0, 0, 0, 0}},   // 18
    {{4, 0, 0, 0}, {0, 0, 0, 0}},   // 19
    {{4, 4, 4, 0}, {0, 0, 0, 0}},   // 20
    {{3, 3, 3, 0}, {0, 0, 0, 0}},   // 21
    {{4, 4, 4, 0}, {1, 1, 1, 0}},   // 22
    {{3, 3, 0, 0}, {0, 0, 0, 0}},   // 23
    {{3, 3, 2, 0}, {0, 0, 0, 0}},   // 24
    {{4, 4, 0, 0}, {0, 0, 0, 0}},   // 25
    {{3, 4, 4, 0}, {1, 1, 0, 0}},   // 26
    {{4, 4, 4, 0}, {0, 0, 0, 0}},   // 27
    {{4, 4, 4, 4}, {0, 0, 0, 0}},   // 28
    {{4, 4, 4, 4}, {0, 0, 0, 0}},   // 29
    {{4, 4, 4, 4}, {0, 0, 0, 0}},   // 30
    {{4, 4, 4, 4}, {0, 0, 0, 0}},   // 31
    {{2, 2, 2, 2}, {0, 0, 0, 0}},   // 32
    {{3, 3, 3, 3}, {0, 0, 0, 0}},   // 33
    {{3, 3, 3, 3}, {0, 0, 0, 0}},   // 34
    {{3, 3, 3, 3}, {0, 0, 0, 0}},   // 35
    {{4, 4, 4, 4}, {0, 0, 0, 0}},   // 36
    {{4, 4, 4, 0}, {0, 0, 0, 0}},   // 37
    {{4, 4, 4, 0}, {0, 0, 0, 0}},   // 38
    {{3, 3, 3, 0}, {2, 2, 2, 0}},   // 39
    {{4, 0, 0, 0}, {2, 0, 0, 0}},   // 40
    {{4, 4, 4, 4}, {3, 3, 3, 3}},   // 41
    {{3, 3, 0, 0}, {1, 1, 0, 0}},   // 42
    {{3, 3, 0, 0}, {1, 1, 0, 0}},   // 43
    {{3, 3, 0, 0}, {1, 1, 0, 0}},   // 44
    {{3, 0, 0, 0}, {1, 0, 0, 0}},   // 45
    {{3, 3, 0, 0}, {1, 1, 0, 0}},   // 46
    {{3, 3, 0, 0}, {1, 1, 0, 0}},   // 47
    {{4, 4, 4, 0}, {0, 0, 0, 0}},   // 48
    {{4, 4, 0, 0}, {0, 0, 0, 0}},   // 49
};

void set_dig_dec(int item, int* d1, int* d2, int* d3, int* d4, int* e1, int* e2, int* e3, int* e4)
{
    if (item < 0 || item >= dataout_labelled) return;
    const item_format& f = item_formats[item];
    *d1 = f.digits[0], *d2 = f.digits[1], *d3 = f.digits[2], *d4 = f.digits[3];
    *e1 = f.decimals[0], *e2 = f.decimals[1], *e3 = f.decimals[2], *e4 = f.decimals[3];
}

// The four columns' formats of item, none for an item outside the table.
static item_format format_of(int item)
{
    item_format f = {{0, 0, 0, 0}, {0, 0, 0, 0}};
    set_dig_dec(item, &f.digits[0], &f.digits[1], &f.digits[2], &f.digits[3], &f.decimals[0], &f.decimals[1],
                &f.decimals[2], &f.decimals[3]);
    return f;
}

int usedat(int item, int column)
{
    int n = pln[0].numen, heli = pln[0].is_heli != 0;
    switch (item) {
    case 8:
    case 9:
    case 28:
    case 30:
    case 34:
    case 35:
    case 36:
    case 41: return n >= column;
    case 29:
    case 31:
    case 32:
    case 33:
        // A helicopter's engine values are its main and tail rotor's.
        if (column >= 3) return !heli && n >= column;
        return heli || n >= column;
    default: return 1;
    }
}

// ---- item values -----------------------------------------------------------------

// A ratio whose divisor is 0 (lift over drag at rest, an engine giving no
// power) is 0, never a value that is no number.
static float ratio(float num, float den) { return den != 0 ? num / den : 0.0f; }

// Item's values in column order, dataout_none where it has no such column.
static void item_values(int item, float v[4])
{
    const planestruct& a = pln[0];
    for (int k = 0; k < 4; k++) v[k] = dataout_none;
    auto per_engine = [&](auto value) {
        for (int e = 0; e < 4; e++) v[e] = value(e);
    };
    switch (item) {
    case 0:
        v[0] = ratio(1.0f, msc.dt);
        v[1] = msc.time_ratio;
        break;
    case 1: v[0] = msc.sim_time; break;
    case 2:
        v[0] = msc.time_of_day / 3600.0f;
        v[1] = msc.tod_zone / 3600.0f;
        break;
    case 3: v[0] = atm.sigma; break;
    case 4: v[0] = atm.rho * con.medtoend; break;
    case 5:
        v[0] = flt.alpha;
        v[1] = flt.beta;
        break;
    case 6: v[0] = flt.hpath; break;
    case 7: v[0] = fltwrap(flt.vpath, -180, 180); break;
    case 8: per_engine([](int e) { return flt.throttle[e] + 0.005f; }); break;
    case 9: per_engine([](int e) { return flt.prop_req[e] * con.rsctorpm; }); break;
    case 10:
        v[0] = a.sweepnow[4];
        v[1] = a.sweepnow[6];
        v[2] = a.sweepnow[10];
        v[3] = a.vertcant[0];
        break;
    case 11:
        v[0] = set.stick_pitch;
        v[1] = set.stick_roll;
        v[2] = set.stick_yaw;
        break;
    case 12:
        v[0] = set.ctl_pitch;
        v[1] = set.ctl_roll;
        v[2] = set.ctl_yaw;
        break;
    case 13:
        v[0] = flt.pitch_trim;
        v[1] = flt.flap_ratio;
        v[2] = flt.slat_ratio;
        break;
    case 14:
        // The brake columns are labelled but carry no value.
        v[0] = set.gear_down ? 1.0f : 0.0f;
        v[3] = (float)flt.sbrk_handle;
        break;
    case 15:
        v[0] = flt.V_true * con.msctokts;
        v[1] = flt.ias_kts;
        break;
    case 16: v[0] = (float)flt.vel_y * con.msctofpm; break;
    case 17:
        v[0] = ratio(flt.V_true, atm.a_sound);
        // The build-up took the gravity off the vertical acceleration.
        v[1] = ratio(pythag3(flt.a_x, flt.a_y + atm.g_accel, flt.a_z), atm.g_accel);
        break;
    case 18: v[0] = atm.a_sound * con.msctokts; break;
    case 19: v[0] = flt.q_dyn * con.meptoenp; break;
    case 20:
        v[0] = flt.M_pitch * con.nmtoftlb;
        v[1] = flt.M_roll * con.nmtoftlb;
        v[2] = flt.M_yaw * con.nmtoftlb;
        break;
    case 21:
        v[0] = flt.Qdot;
        v[1] = flt.Pdot;
        v[2] = flt.Rdot;
        break;
    case 22:
        v[0] = flt.pitch_rate;
        v[1] = flt.roll_rate;
        v[2] = flt.yaw_rate;
        break;
    case 23:
        v[0] = flt.theta[0];
        v[1] = flt.phi[0];
        break;
    case 24:
        v[0] = flt.psi[0];
        v[1] = flt.hdg_mag;
        v[2] = env.mag_var;
        break;
    case 25:
        v[0] = flt.dist_flown * con.mtrstoft;
        v[1] = flt.dist_flown * con.mtrstonm;
        break;
    case 26:
        v[0] = flt.lat;
        v[1] = flt.lon;
        v[2] = (float)flt.pos_y[0] * con.mtrstoft;
        break;
    case 27:
        v[0] = (float)flt.pos_x[0];
        v[1] = (float)flt.pos_y[0];
        v[2] = (float)flt.pos_z[0];
        break;
    case 28: per_engine([](int e) { return flt.power[e] * con.watttohp; }); break;
    case 29: per_engine([](int e) { return flt.thrust_now[e] * con.ntntolbs; }); break;
    case 30: per_engine([](int e) { return flt.eng_torque[e] * con.nmtoftlb; }); break;
    case 31: per_engine([](int e) { return flt.engine_speed[e] * con.rsctorpm; }); break;
    case 32: per_engine([](int e) { return flt.blade_pitch[e]; }); break;
    case 33: per_engine([](int e) { return flt.wash_speed[e] * con.msctokts; }); break;
    case 34: per_engine([](int e) { return flt.manifold_p[e]; }); break;
    case 35: per_engine([](int e) { return flt.jet_n1[e]; }); break;
    case 36: per_engine([](int e) { return flt.fuel_flow[e] * con.kgstolbs * 3600.0f; }); break;
    case 37:
        v[0] = flt.F_aero_normal * con.ntntolbs;
        v[1] = -flt.F_aero_axial * con.ntntolbs;
        v[2] = flt.F_aero_side * con.ntntolbs;
        break;
    case 38:
        // The propulsive group: the one force sum in body axes.
        v[0] = flt.F_prop_normal * con.ntntolbs;
        v[1] = flt.F_prop_axial * con.ntntolbs;
        v[2] = flt.F_prop_side * con.ntntolbs;
        break;
    case 39:
        for (int k = 0; k < 3; k++) v[k] = a.condef[k] * con.mtrstoft;
        break;
    case 40: v[0] = ratio(flt.F_aero_normal, -flt.F_aero_axial); break;
    case 41: per_engine([](int e) { return ratio(flt.thrust_now[e] * flt.V_true, flt.power[e]); }); break;
    case 42:
        v[0] = flt.ailn_def_L;
        v[1] = flt.ailn_def_R;
        break;
    case 43:
        v[0] = flt.splr_def_L;
        v[1] = flt.splr_def_R;
        break;
    case 44:
        v[0] = flt.elev_def_L;
        v[1] = flt.elev_def_R;
        break;
    case 45: v[0] = flt.rudd_def_now; break;
    case 46:
        v[0] = flt.drud_def_L;
        v[1] = flt.drud_def_R;
        break;
    case 47:
        v[0] = a.elevcyclic * set.ctl_pitch;
        v[1] = a.ailncyclic * set.ctl_roll;
        break;
    case 48:
        v[0] = flt.payload * con.kgstolbs;
        v[1] = flt.fuel * con.kgstolbs;
        v[2] = flt.jettison * con.kgstolbs;
        break;
    case 49:
        v[0] = a.m_empty * con.kgstolbs;
        v[1] = flt.mass_now * con.kgstolbs;
        break;
    default: break;
    }
}

void out_dat(int dest, int item, int row)
{
    if (item < 0 || item >= dataout_labelled) return;
    float v[4];
    item_values(item, v);
    sub_out_dat(dest, item, row, v[0], v[1], v[2], v[3]);
}

void out_label(int dest, int item, int row)
{
    if (item < 0 || item >= dataout_labelled) return;
    sub_out_label(dest, item, row, dataout_labels[item]);
}

// ---- destinations ----------------------------------------------------------------

static const int col_cockpit = 48;
static const int col_columns[4] = {4, 9, 7, 18};   // the graph's lines and labels, columns 1 to 4

static int is_none(double v, double within) { return fabs(v - (double)dataout_none) < within; }

// The cockpit table's line: lines 0 to 4 down the left, 5 to 9 down the
// right; each column's numbers 30 units on from the last.
static int cockpit_place(int row, float* x, float* y)
{
    if (row < 0 || row >= cockpit_entries) return 0;
    *x = row < 5 ? 0.0f : 665.0f;
    *y = 522.0f - 40.0f * (float)(row % 5);
    return 1;
}
static const float cockpit_column_dx[4] = {10, 40, 70, 100};

void sub_out_dat(int dest, int item, int row, float value1, float value2, float value3, float value4)
{
    // Held in double: 9.9e9 itself has no float, and the file shows the limit.
    const float in[4] = {value1, value2, value3, value4};
    double v[4];
    int shown[4];
    for (int k = 0; k < 4; k++) {
        double x = in[k];
        if (!usedat(item, k + 1)) x = dataout_none;
        else if (std::isnan(x)) x = 0.0;
        else if (x < -9.9e9) x = -9.9e9;
        else if (x > 9.9e9) x = 9.9e9;
        v[k] = x;
        shown[k] = !is_none(x, 0.001);
    }
    item_format f = format_of(item);
    float x0, y0;
    switch (dest) {
    case out_to_file:
        for (int k = 0; k < 4; k++) {
            if (!shown[k]) continue;
            char cell[32];
            snprintf(cell, sizeof cell, "%11.2f | ", v[k]);
            trk << cell;
        }
        break;
    case out_to_graph:
        if (row < 0 || row >= graph_slots || grf.sample_index < 0 || grf.sample_index >= graph_samples) break;
        for (int k = 0; k < 4; k++) grf.sample_data[row][k][grf.sample_index] = (float)v[k];
        break;
    case out_to_cockpit:
        if (!cockpit_place(row, &x0, &y0)) break;
        for (int k = 0; k < 4; k++)
            if (shown[k])
                OGL_number(col_cockpit, x0 + cockpit_column_dx[k], y0, (float)v[k], f.digits[k], f.decimals[k], 6, 1);
        break;
    case out_to_serial:
        // Room is kept after the last value for the packet's sum.
        for (int k = 0; k < 4; k++)
            if (shown[k] && serial_ind >= -1 && serial_ind < serial_values - 2) serial_dat[++serial_ind] = (float)v[k];
        break;
    default: break;
    }
}

void sub_out_label(int dest, int item, int row, const char* label)
{
    int length = (int)strlen(label);
    auto at = [&](int i) { return i < length ? label[i] : ' '; };
    static const float graph_dy[4] = {33, 12, -9, -30};
    float x0, y0;
    for (int k = 0; k < 4; k++) {
        char name[5], unit[5];
        for (int i = 0; i < 4; i++) {
            name[i] = at(10 * k + i);
            unit[i] = at(10 * k + 5 + i);
        }
        name[4] = unit[4] = '\0';
        // Names are right-aligned: one ending in a blank is no column.
        if (name[3] == ' ' || !usedat(item, k + 1)) continue;
        switch (dest) {
        case out_to_file:
            for (int i = 0; i < 4; i++) {
                if (name[i] == ' ') name[i] = '_';
                if (unit[i] == ' ') unit[i] = '_';
            }
            trk << "  " << name << "," << unit << " | ";
            break;
        case out_to_graph:
            OGL_string(col_columns[k], 14, (float)row + graph_dy[k], name, 999, 6);
            OGL_string(col_columns[k], 48, (float)row + graph_dy[k], unit, 999, 6);
            break;
        case out_to_cockpit:
            if (!cockpit_place(row, &x0, &y0)) return;
            OGL_string(col_cockpit, x0 + cockpit_column_dx[k], y0 + 10, name, 999, 6);
            OGL_string(col_cockpit, x0 + cockpit_column_dx[k], y0 - 10, unit, 999, 6);
            break;
        default: return;
        }
    }
}

// ---- graph buffer ----------------------------------------------------------------

static const float empty_sample = 999.0f;   // the time step of a sample not recorded

void clear_graph(void)
{
    for (int i = 0; i < graph_samples; i++) {
        grf.sample_dt[i] = empty_sample;
        for (int g = 0; g < graph_slots; g++)
            for (int c = 0; c < 4; c++) grf.sample_data[g][c][i] = dataout_none;
    }
    grf.oldest_index = 0;
    grf.wrapped = 0;
}

void update_graph(void)
{
    int i = grf.sample_index + 1;
    if (i < 0) i = 0;
    if (i >= graph_samples) {
        i = 0;
        grf.wrapped = 1;
    }
    grf.sample_index = i;
    if (grf.wrapped) grf.oldest_index = (i + 1) % graph_samples;
    grf.sample_dt[i] = msc.dt;
    for (int g = 0; g < graph_slots; g++)
        if (set.graph_sel[g] >= 0) out_dat(out_to_graph, set.graph_sel[g], g);
}

// ---- graph window ----------------------------------------------------------------

static const int plot_places = 501;           // x 100 to 600, one a unit
static const float strip_height = 33.0f;      // a value of the scale's size stands this far off the baseline

// What this frame draws, laid out from grf each frame.
struct graph_window_view {
    float scale[graph_slots];
    int first, last;                   // the samples drawn, -1 none
    int sample_x[graph_samples];       // x of each drawn sample, -1 for the others
    int sample_at[plot_places];        // the sample drawn at x 100 + p
    int has_point[graph_slots * 4];    // per slot and column: a point drawn this frame
    int last_x[graph_slots * 4], last_y[graph_slots * 4];
};
static graph_window_view view;

void clear_graph_window_state(void)
{
    memset(&view, 0, sizeof view);
    view.first = view.last = -1;
}

static int next_sample(int i) { return (i + 1) % graph_samples; }
static int recorded(int i) { return grf.sample_dt[i] < empty_sample; }

static void lay_out_scales(void)
{
    for (int g = 0; g < graph_slots; g++) {
        float m = 1.0f;
        if (set.graph_sel[g] >= 0)
            for (int c = 0; c < 4; c++)
                for (int i = 0; i < graph_samples; i++) {
                    float v = grf.sample_data[g][c][i];
                    if (!is_none(v, 0.001) && fabsf(v) > m) m = fabsf(v);
                }
        view.scale[g] = strip_height / m;
    }
}

// From the oldest recorded sample, the first at or after the left edge's
// time and the last up to 10 s on; only the newest when the record is
// shorter than the left edge's time. A slot never recorded is never drawn:
// before the buffer wraps the oldest slots may still be empty.
static void lay_out_samples(void)
{
    for (int& x : view.sample_x) x = -1;
    view.first = view.last = -1;
    int newest = grf.sample_index;
    if (newest < 0 || newest >= graph_samples || !recorded(newest)) return;
    int i = intlim(grf.oldest_index, 0, graph_samples - 1);
    for (int n = 0; n < graph_samples && i != newest && !recorded(i); n++) i = next_sample(i);

    float t = 0;
    for (int n = 0; n < graph_samples && i != newest && t < grf.left_time; n++) {
        i = next_sample(i);
        t += grf.sample_dt[i];
    }
    int j = i;
    for (int n = 0; n < graph_samples && j != newest && t <= grf.left_time + 10.0f; n++) {
        j = next_sample(j);
        t += grf.sample_dt[j];
    }
    view.first = i;
    view.last = j;

    // 50 units a second from x 100; every place up to a sample's x shows it,
    // the places after the last sample the last.
    float x = graph_plot_x;
    view.sample_x[i] = (int)graph_plot_x;
    view.sample_at[0] = i;
    int filled = 0;
    for (int k = i, n = 0; k != j && n < graph_samples; n++) {
        k = next_sample(k);
        x += grf.sample_dt[k] * graph_units_per_s;
        view.sample_x[k] = intround(x);
        int p = intlim(view.sample_x[k] - (int)graph_plot_x, 0, plot_places - 1);
        for (; filled < p; filled++) view.sample_at[filled + 1] = k;
    }
    for (; filled < plot_places - 1; filled++) view.sample_at[filled + 1] = j;
}

void graph_lay_out(void)
{
    lay_out_scales();
    lay_out_samples();
    memset(view.has_point, 0, sizeof view.has_point);
}

float graph_scale(int slot) { return slot >= 0 && slot < graph_slots ? view.scale[slot] : strip_height; }

int graph_shown_samples(int* first, int* last)
{
    if (view.first < 0) return 0;
    *first = view.first;
    *last = view.last;
    return 1;
}

int graph_sample_x(int sample) { return sample >= 0 && sample < graph_samples ? view.sample_x[sample] : -1; }

// The readout reads the plot where it is drawn: place 0 is x 100.
static float readout_place(float mouse_x) { return fltlim(mouse_x - graph_plot_x, 0, graph_plot_width); }

int graph_readout_sample(float mouse_x)
{
    if (view.first < 0) return -1;
    return view.sample_at[intlim((int)readout_place(mouse_x), 0, plot_places - 1)];
}

void graph_point(float x, float y0, int sample, int column, int slot, int connect)
{
    if (slot < 0 || slot >= graph_slots || column < 1 || column > 4 || sample < 0 || sample >= graph_samples) return;
    // A column without a value at the sample has no point: drawn, it would
    // stand 999 scales below the strip.
    float v = grf.sample_data[slot][column - 1][sample];
    if (is_none(grf.sample_data[slot][0][sample], 0.001) || is_none(v, 0.001)) return;
    int c = 4 * slot + column - 1, colour = col_columns[column - 1];
    float y = y0 + v * view.scale[slot];
    if (connect && view.has_point[c]) {
        OGL_line(colour, (float)view.last_x[c], (float)view.last_y[c], x, y);
        OGL_line(colour, (float)view.last_x[c], (float)view.last_y[c] + 1, x, y + 1);
    }
    view.last_x[c] = (int)x;
    view.last_y[c] = intround(y);
    view.has_point[c] = 1;
}

void plot_grf_numbers(float x, float y, float value1, float value2, float value3, float value4, int item, int mode)
{
    const float v[4] = {value1, value2, value3, value4};
    item_format f = format_of(item);
    if (mode == 1) {
        static const float dy[4] = {24, 3, -18, -39};
        for (int k = 0; k < 4; k++)
            if (!is_none(v[k], 0.01))
                OGL_number(col_columns[k], x, y + dy[k], v[k], f.digits[k], f.decimals[k], 6, 1);
    } else if (mode == 2) {
        static const float dy[3] = {32, -3, -38};
        for (int k = 0; k < 3; k++)
            if (!is_none(v[k], 0.01)) OGL_number(6, x, y + dy[k], v[k], f.digits[0], f.decimals[0], 6, 1);
    }
}

// Each column of each slot's item through the samples drawn, joined from
// the second on.
static void draw_lines(void)
{
    if (view.first < 0) return;
    for (int g = 0; g < graph_slots; g++) {
        if (set.graph_sel[g] < 0) continue;
        float y = graph_baseline(g);
        for (int k = view.first, n = 0; n < graph_samples; k = next_sample(k), n++) {
            for (int c = 1; c <= 4; c++) graph_point((float)view.sample_x[k], y, k, c, g, k != view.first);
            if (k == view.last) break;
        }
    }
}

// The time under the mouse and each slot's values at the sample drawn there.
static void draw_readout(void)
{
    float p = readout_place(mnw.mx);
    OGL_number(6, graph_readout_x, graph_readout_y, p * 0.02f + grf.left_time, 3, 1, 6, 0);
    int s = graph_readout_sample(mnw.mx);
    if (s < 0) return;
    for (int g = 0; g < graph_slots; g++) {
        int item = set.graph_sel[g];
        if (item < 0) continue;
        const float(&d)[4][graph_samples] = grf.sample_data[g];
        plot_grf_numbers(30, graph_baseline(g), d[0][s], d[1][s], d[2][s], d[3][s], item, 1);
    }
}

void manage_grf(void)
{
    // The field first: the frame shows the left edge just asked for.
    instdbtn_range(col_cockpit, graph_left_time_x, graph_left_time_y, &grf.left_time, 2, 0, 0, 89,
                   "This is the time index for the left-hand side of the graph.");
    graph_lay_out();
    for (int g = 0; g < graph_slots; g++) {
        int item = set.graph_sel[g];
        if (item < 0) continue;
        float y = graph_baseline(g), s = view.scale[g];
        plot_grf_numbers(80, y, graph_strip_half / s, 0, -graph_strip_half / s, 0, item, 2);
        out_label(out_to_graph, item, (int)y);
    }
    for (int i = 0; i < 10; i++)
        OGL_number(6, graph_plot_x - 2 + graph_units_per_s * (float)i, graph_axis_y, grf.left_time + (float)i, 3, 0, 6,
                   0);
    draw_lines();
    draw_readout();
}
