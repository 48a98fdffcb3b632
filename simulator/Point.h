// Points of light in the outside view: the runway and approach lights and
// the night sky (stars, meteors, the moon).
#pragma once

// Every in-view airport's lights, while scn.rway_lights is set.
void plot_rway_lights(void);
// First in the frame, all states off: the stars, a meteor now and then and
// the moon. (r, g, b) the frame's sky colour; the rectangle the viewport's,
// in reference units, where meteors may appear.
void plot_stars(float r, float g, float b, float left, float bottom, float right, float top);
// Stars first..last of star_xyz in (max(level, r), max(level, g), max(level,
// b)); inside the caller's point batch.
void plotgroup(int first, int last, float r, float g, float b, float level);
// The meteor in flight and the moon's phase: the next frame draws a new phase.
void clear_night_sky_run_state(void);

// The night sky's values, for the drawer and the tests.
// The stars' brightness under sky (r, g, b): they show while a component is below it.
float star_level(float r, float g, float b, float time_of_day);
float meteor_period(int setting);           // s between meteors for atm.meteor_level
// 1 when a new meteor starts in a frame of dt s, by one draw of the
// generator; a frame of no time draws nothing and starts none.
int   meteor_starts(float period, float dt);
// 1 while the moon is up, with its place from the eye (m) in xyz; phase
// radians, lat degrees.
int   moon_position(float time_of_day, float phase, float lat, float xyz[3]);
