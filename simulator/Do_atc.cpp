// Air traffic control: the speech every phrase leaves through, and the
// carrier's landing signal officer. The phrase builders, the active runway
// and ATIS are in Do_atc_phrases.cpp.
#include "Do_atc.h"
#include "Add-ons.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "Initgen.h"
#include "Startscn.h"
#include "host.h"
#include "records.h"

#include <cmath>
#include <cstdio>
#include <cstring>

atcstruct atc;

// ---- speech ------------------------------------------------------------------

// A female American English voice of thirty; any English one where there is
// none such.
int initspeechsynth(void) { return host_speech_open("en-us", host_gender_female, 30); }

void speakstring(const char* text)
{
    if (!text) text = "";
    size_t n = strnlen(text, atc_text_max);
    if (n > atc_text_max - 1) n = atc_text_max - 1;
    memmove(atc.ctrl_text, text, n);   // the phrase may be the last one, said again
    atc.ctrl_text[n] = 0;
    if (set.atc_text) atc.ctrl_text_until = msc.sim_time + 0.1f * (float)n;
    if (!msc.speech_ok || !set.atc_speech) return;
    // A voice that failed once is not asked again: a notice for every phrase,
    // once a second while an approach is vectored, would stop the flight.
    if (host_speech_say(atc.ctrl_text) != 0) {
        msc.speech_ok = 0;
        MACIBM_alert("Can't speak ATC command!", "", "", "", alert_notice);
    }
}

// ---- landing signal officer ---------------------------------------------------

const float lso_deck_angle = 8;      // degrees the landing deck lies left of the carrier's heading
const float lso_cone = 15;           // degrees off the deck line and off its heading
const float lso_glide_low = 1, lso_glide_high = 9;     // degrees, the watched glide angles
const float lso_near = 0.1f, lso_far = 5;              // nm
const float lso_close_in = 0.25f;    // nm: inside, only a wave-off or attitude

// What the officer says of the eye at (x, height, z) m from the landing
// reference point; empty for nothing. Resets or sets the ball call.
static void lso_call(const float rel[3], char* out, size_t cap)
{
    out[0] = 0;
    float dm = pythag(rel[0], rel[2]);
    float d = dm * con.mtrstonm;
    float b = atan2f(-rel[0], rel[2]) * con.radtodeg;
    float g = atan2f(rel[1], dm) * con.radtodeg;
    float deck = env.ship_hdg[0] - lso_deck_angle;
    float off = fltwrap(b - deck, -180, 180);
    float h = fltwrap(flt.psi[0] - deck, -180, 180);
    int watched = fabsf(off) < lso_cone && fabsf(h) < lso_cone && g >= lso_glide_low && g <= lso_glide_high &&
                  d >= lso_near && d <= lso_far;
    if (!watched) {
        atc.ball_called = 0;
        return;
    }
    if (!atc.ball_called) {
        char heading[atc_text_max] = "";
        app_heading_string(heading, (float)(int)deck, 1);
        snprintf(out, cap, "Call the ball, I L S 1 0 8 point 0 0, heading %s", heading);
        atc.ball_called = 1;
        return;
    }
    int low = g < 2, high = g > 6, fast = flt.alpha < 6, slow = flt.alpha > 12;
    int right = off > 3, left = off < -3;
    const char* say = "";
    if (d <= lso_close_in) {
        if (low || high) say = "Wave Off!";
        else if (fast) say = "Attitude!";
    } else if (high) say = "Power Off";
    else if (low) say = "Power";
    else if (fast) say = "Power Off";
    else if (slow) say = "Power";
    else if (right) say = "Right for line up";
    else if (left) say = "Come left";
    snprintf(out, cap, "%s", say);
}

// The officer judges the aircraft whatever the view, and whether or not the
// carrier was drawn: the eye point is worked out here each time.
void LSO_respond(void)
{
    float eye[3], ref[3], rel[3];
    pilot_eye_point(eye);
    carrier_reference_point(ref);
    for (int k = 0; k < 3; k++) rel[k] = eye[k] - ref[k];
    char phrase[atc_text_max];
    lso_call(rel, phrase, sizeof phrase);
    if (phrase[0]) speakstring(phrase);
}
