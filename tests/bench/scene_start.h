// Volanto started as its entry starts it, on the shipped data of its program
// folder, for the scene viewer and the scene benchmark; then a scene set up
// on it as the menus would. The start-up reads a private configuration
// folder holding only the window size asked ("XRes 5.prf"), so the factory
// settings apply and the user's preferences are neither read nor written;
// the test host's virtual joystick is attached first, so no joystick notice
// waits for a click, and sound goes into a silent sink.
#pragma once

struct scene_request {
    int code, sub;            // placement of set_fltvars; by default the runway start on the ground
    int air;                  // instead a start in the air over the chosen runway (place_over_point)
    float alt_ft;             // its height above sea level
    float hdg;                // its heading, degrees true
    float kts;                // its speed, knots
    int view;                 // View item 500..522
    float hour;               // local time of day, 0..24; below 0 the factory 16:00 stays
    // Weather: a field below 0 keeps the factory value; any field given
    // turns real weather off, which would ease the weather toward a report.
    int cloud_type;           // 1 clear, 2 scattered, 3 broken, 4 overcast
    float base_ft, tops_ft;   // above sea level
    float vis_nm;
    float precip;             // 1 none .. 5 severe
    int panel_hidden;
};

// The factory start: KSBD runway 06 on the ground, looking forwards, the panel shown.
scene_request scene_factory(void);

// Opens the window at w x h pixels and runs the start-up; the first frame
// after it draws. 0, having said why on stderr, when the configuration
// folder could not be made. The folder is removed at exit.
int  scene_program_start(int w, int h);
// Settings first, then the placement (a new flight), then the view, which
// a new flight sets back to forwards.
void scene_apply(const scene_request& r);
