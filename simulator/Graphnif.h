// Data output and the graph window. The 50 data-output items (frame rate,
// times, air data, angles, engines, forces, surfaces, weights): their labels,
// number formats and values, sent to four destinations, the data output file
// trk ("Volanto.out"), the graph buffer grf (Initgen.h), the cockpit table of
// the 2D overlays and the serial packet serial_dat (Integ.h). The graph
// window (22) plots up to four items against time from grf, which
// update_graph fills one sample a frame. Owns the item table and the
// window's drawing state.
#pragma once

// ---- data-output items --------------------------------------------------------------

// The destinations of out_dat and out_label.
const int out_to_file = 8;
const int out_to_graph = 9;
const int out_to_cockpit = 10;
const int out_to_serial = 11;

// Items 0..49; the selections' entries 50..59 exist but do nothing.
const int dataout_labelled = 50;
// A column without a value carries it; every destination but the graph
// skips a value within 0.001 of it.
const float dataout_none = -999.0f;

// One label an item: four fields of ten characters, field k holding its
// column's name at 10k..10k+3, right-aligned, and the unit at 10k+5..10k+8.
// A column the item does not have is blank; every label is padded to 39.
// The data-output window's picture names its items from the same table.
const int dataout_label_len = 39;
inline constexpr char dataout_labels[dataout_labelled][dataout_label_len + 1] = {
    "FREQ /sec TIME rtio                    ",   // 0
    "TIME  sec                              ",   // 1
    "LTIM  hrs ZTIM  hrs                    ",   // 2
    "DRAT part                              ",   // 3
    " RHO sft3                              ",   // 4
    "ALPH  deg BETA  deg                    ",   // 5
    "HPTH  deg                              ",   // 6
    "VPTH  deg                              ",   // 7
    "THT1 part THT2 part THT3 part THT4 part",   // 8
    "PRP1  rpm PRP2  rpm PRP3  rpm PRP4  rpm",   // 9
    "SWP1  deg SWP2  deg HSWP  deg TVEC  deg",   // 10
    "ELEV yoke AILN yoke RUDD yoke          ",   // 11
    "ELEV surf AILN surf RUDD surf          ",   // 12
    "TRIM unit FLAP part SLAT part          ",   // 13
    "GEAR  0/1 LBRK part RBRK part SBRK 1012",   // 14
    "Vtru ktas Vind kias                    ",   // 15
    " VVI  fpm                              ",   // 16
    "MACH    #    G unit                    ",   // 17
    "   A ktas                              ",   // 18
    "   Q  psf                              ",   // 19
    "   M ftlb    L ftlb    N ftlb          ",   // 20
    "Qdot d/ss Pdot d/ss Rdot d/ss          ",   // 21
    "   Q  d/s    P  d/s    R  d/s          ",   // 22
    "PTCH  deg ROLL  deg                    ",   // 23
    "HDNG true HDNG  mag MVAR  deg          ",   // 24
    "dist   ft dist   nm                    ",   // 25
    " LAT  deg  LON  deg  ALT   ft          ",   // 26
    "   X    m    Y    m    Z    m          ",   // 27
    "POWR 1,hp POWR 2,hp POWR 3,hp POWR 4,hp",   // 28
    "THST 1,lb THST 2,lb THST 3,lb THST 4,lb",   // 29
    "NTRQ ftlb NTRQ ftlb NTRQ ftlb NTRQ ftlb",   // 30
    "RPM1  rpm RPM2  rpm RPM3  rpm RPM4  rpm",   // 31
    "PTCH  deg PTCH  deg PTCH  deg PTCH  deg",   // 32
    "PWSH   kt PWSH   kt PWSH   kt PWSH   kt",   // 33
    "MP 1 inhg MP 2 inhg MP 3 inhg MP 4 inhg",   // 34
    "N1 1 pcnt N1 2 pcnt N1 3 pcnt N1 4 pcnt",   // 35
    "FF 1 lb/h FF 2 lb/h FF 3 lb/h FF 4 lb/h",   // 36
    "LIFT   lb DRAG   lb SIDE   lb          ",   // 37
    "NORM   lb AXIL   lb SIDE   lb          ",   // 38
    "NOSE feet LEFT feet RIGT feet          ",   // 39
    " L/D  rat                              ",   // 40
    "PEF1  rat PEF2  rat PEF3  rat PEF4  rat",   // 41
    "AILN  deg AILN  deg                    ",   // 42
    "SPLR  deg SPLR  deg                    ",   // 43
    "ELEV  deg ELEV  deg                    ",   // 44
    "RUDD  deg                              ",   // 45
    "DRUD  deg DRUD  deg                    ",   // 46
    "CYCL  deg CYCL  deg                    ",   // 47
    "PALD   lb FUEL   lb JETI   lb          ",   // 48
    "EMPTY  lb GROS   lb                    ",   // 49
};

// The label split reads every one of the 39 characters: a shorter label
// would end a field early.
constexpr bool dataout_labels_padded(void)
{
    for (const auto& label : dataout_labels) {
        int n = 0;
        while (n <= dataout_label_len && label[n] != '\0') n++;
        if (n != dataout_label_len) return false;
    }
    return true;
}
static_assert(dataout_labels_padded(), "every data-output label is 39 characters");

// 1 when column (1..4) of item applies to the user's aircraft: the engine
// columns beyond its engine count are hidden (a helicopter shows two of the
// rotor columns, main and tail rotor). Any other column 1.
int  usedat(int item, int column);
// The digit counts d1..d4 and decimal counts e1..e4 of the item's columns,
// 0 for the columns it does not have; items outside 0..49 leave them alone.
void set_dig_dec(int item, int* d1, int* d2, int* d3, int* d4, int* e1, int* e2, int* e3, int* e4);

// One item's four values (dataout_none for absent columns) to destination
// dest; row is the graph slot (9) or the cockpit line (10). Items outside
// 0..49 do nothing.
void out_dat(int dest, int item, int row);
// The values as the destinations take them: a hidden column becomes
// dataout_none, a value that is no number 0, the rest held to +-9.9e9.
// File: each value in 11 places with 2 decimals and " | "; graph: all four
// at the current sample; cockpit: the numbers at the line's place; serial:
// appended after serial_ind.
void sub_out_dat(int dest, int item, int row, float value1, float value2, float value3, float value4);
// The item's column names and units: file, one 14-character cell a shown
// column; graph, beside the strip whose baseline is row; cockpit, above and
// below the line's values.
void out_label(int dest, int item, int row);
void sub_out_label(int dest, int item, int row, const char* label);

// ---- the graph window ----------------------------------------------------------------

// Its layout, window units: each slot's strip about its baseline, the plot
// from x 100 at 50 units a second, 10 s across; the left-edge time's field,
// the time axis and the mouse readout's time.
const float graph_plot_x = 100;
const float graph_plot_width = 500;
const float graph_units_per_s = 50;
const float graph_strip_half = 40;       // the scale numbers' lines above and below the baseline
inline float graph_baseline(int slot) { return 85.0f + 90.0f * (float)slot; }
const float graph_left_time_x = 110, graph_left_time_y = 19;
const float graph_axis_y = 406;
const float graph_readout_x = 396, graph_readout_y = 20;

// An empty graph: every time step 999.0 (an empty sample), every value
// dataout_none, nothing wrapped. The sample index stays: the data-output
// selection resets it. At start-up and on leaving the data-output window.
void clear_graph(void);
// Once a frame from the flight step while an item goes to the graph: the
// frame's sample into the buffer, after the newest.
void update_graph(void);
// Each frame while the graph window (22) is open: the strips of the four
// slots with their scales, labels and lines, the left-edge time's field,
// the time axis and the readout under the mouse.
void manage_grf(void);
// The drawing's state of the last frame forgotten: nothing laid out.
void clear_graph_window_state(void);

// What the window shows this frame, from grf: the slots' scales (33 over the
// largest value, at least 1), the first and last sample drawn and their x
// places. manage_grf lays it out first; the queries below read it.
void graph_lay_out(void);
float graph_scale(int slot);
// 0 when no sample is recorded; else 1 with the first and last sample drawn.
int  graph_shown_samples(int* first, int* last);
// Where sample is drawn, x in window units; -1 for one not drawn.
int  graph_sample_x(int sample);
// The sample the readout shows for the mouse at window x; -1 with none recorded.
int  graph_readout_sample(float mouse_x);

// One point of column (1..4) of slot at sample, x and the strip's baseline
// y0: joined from the column's last point when connect is set. A sample
// without a value in the column, or in column 1, draws nothing.
void graph_point(float x, float y0, int sample, int column, int slot, int connect);
// The values beside a strip: mode 1 the four columns in their colours with
// their formats, mode 2 the scale's three numbers in column 1's format.
void plot_grf_numbers(float x, float y, float value1, float value2, float value3, float value4, int item,
                      int mode);
