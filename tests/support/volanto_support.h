// Volanto's test surroundings, shared by the tests that load the shipped
// aircraft or stand it on the ground.
#pragma once
#include "Hl_types.h"
#include "HL_GRAPH.h"

#include <cstring>
#include <functional>
#include <set>
#include <string>

// The constants, the generated program folder's paths and a region at 33 N
// 119 W: what the loader reads besides its files.
void set_loader_paths(void);
// The loader's surroundings: the constants, "Error.out", the generated
// program folder's paths, sounds into a fresh silent sink, a region at 33 N
// 119 W and a fresh "Volanto.out" on trk. 1 when the silent sink opened.
int  open_loader_surroundings(void);
void close_loader_surroundings(void);    // trk closed, the sink released

// What the start-up leaves before the first frame, without a window: the
// test reset, the loader's paths, a stopped virtual clock at 1 s, sound into
// a silent sink, init_gen, the shipped databases, the factory settings, the
// shipped Cessna in slot 0, its region and textures, and the aircraft on
// KSBD's runway 06. 1 when the aircraft loaded.
int  stand_cessna_at_ksbd(void);

// The program started on the shipped data in its window as a user starts it,
// with a virtual stick attached (no joystick notice), under a virtual clock
// of 50 ms a frame, painted and run for `frames` frames: 1 when it stands in
// the main view with nothing told on the way (Error.out empty).
int  start_shipped_on_display(int frames);

// Flat ground at height 0: the region grid's vertices 100 m apart, with the
// aircraft's cell (50, 50) under (5000, -5000).
void lay_flat_ground(void);
// A window of 1024 x 768 over flat ground: the test reset, the window
// started, drawing to the screen, and the aircraft 100 m up in the middle
// of the region, in the forward view at clear noon with no
// head-up display frame, a frame of 0.05 s.
void start_frame_over_flat_ground(void);

// Points the user's aircraft at a plain panel picture of its own in the
// test's folder: the main view then composes without the program folder's
// panel pictures, for tests whose program folder is a bare scratch one.
void give_plane_own_panel(void);

// The main view's 2D drawing in an 800 x 600 viewport whose pixels are the
// panel's units: the test reset, the window started (its start-up screen,
// not the panel's picture), drawing to the screen.
void start_panel_window(void);

// The panel drawn into the software picture: the test reset, the constants,
// every colour of the table its own red ((k + 1) / 255, so a pixel tells
// which colour lit it), rgb_array cleared, to_array set.
void start_panel_picture(void);

// The software picture's columns x0..x1 of rows y0..y1, as bytes.
std::string rgb_region(int x0, int y0, int x1, int y1);
// The colour index that lit (x, y) after start_panel_picture (colour k
// paints red k + 1): -1 for a dark pixel.
int rgb_colour(int x, int y);
// The columns of row y between x0 and x1 lit in colour.
std::set<int> rgb_columns(int colour, int y, int x0, int x1);

// The text the software font left in rgb_array from (x, y), the bottom-left
// dot of the first cell: count cells advance apart, each read as the
// character whose dots lit it in any colour (capitals for letters), " " for
// an empty cell and "?" for dots of no character.
std::string rgb_text(int x, int y, int count, int advance);
// 1 when the cells from (x, y), advance apart, hold exactly text's dots in
// the software font: reads text whose characters share their dots ("O"
// and "0") as well as any other.
int rgb_shows(int x, int y, const char* text, int advance);

// The whole software picture, and the whole of it as draw leaves a cleared one.
std::string rgb_whole(void);
template <typename F>
std::string rgb_drawn_alone(F draw)
{
    memset(rgb_array, 0, rgb_array_bytes);
    draw();
    return rgb_whole();
}
// The first pixel where two whole pictures differ, for a failure's message.
std::string rgb_first_difference(const std::string& got, const std::string& want);

// The airspeed dial's angle for a speed in knots, worked out here from the
// dial's definition (the speed in the dial's units, Vmin straight up, 330
// degrees from Vmin to Vmax) for pln[0], not by the panel's own law.
double dial_law(double knots);

// A single piston aircraft with every instrument slot filled, on the dial
// panel (1) or the glass one (2), knots on its dial, also changing what it
// will before the loader lays the panel out; the altimeter at 29.92.
void lay_out_test_piston(int panel, std::function<void(planestruct&)> also = nullptr);

// A single turboprop on the dial panel: the propeller at most 1350 rpm on a
// gear ratio of 2, 30 inHg, 500 kW; engine gauges as tapes and with the
// ECAM as asked; laid out by the loader.
void lay_out_test_turboprop(int tape, int ecam);
