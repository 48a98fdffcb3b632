// The supplementary slot's radar altimeter, stormscope and variometer.
#include "P_update.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_MNW.h"
#include "Hl_sound.h"
#include "records.h"

#include <cmath>

// ---- radar altimeter -----------------------------------------------------------

// Half a turn for the first 500 ft, then a tenth as fast: 2,500 ft at 252.
static float radalt_angle(float feet)
{
    if (feet < 500) return feet * 180 * 0.002f;
    return (feet - 500) * 180 * 0.0002f + 180;
}

void update_radalt(void)
{
    float x = supp_x(), y = supp_y();
    // From the main gear down to the terrain under the aircraft; a height
    // that is not a number reads as the last one.
    float h = (pln[0].mgearY + (float)flt.pos_y[0] - env.ground_h) * con.mtrstoft;
    if (!std::isnan(h)) pnl.radalt_ft = fltlim(h, 0, 2500);
    h = pnl.radalt_ft;

    panel_draw.plot_needle(x, y, radalt_angle(ins.dh_ft), 20, 26, 4, 20);
    panel_draw.plot_needle(x, y, radalt_angle(h), 5, 25, 2, 6);

    // The call sounds once as the height passes down through the decision
    // height. The run starts as if below it, so starting low stays silent.
    int below = h < ins.dh_ft;
    if (below && pnl.radalt_above) play_buffer(snd_minimums, 0);
    pnl.radalt_above = !below;
}

// ---- stormscope -------------------------------------------------------------------

static const float strike_life = 60;     // simulated seconds a strike stays up
static const float storm_scale = 2.5f;   // panel units a nautical mile
static const float storm_reach = 44;     // panel units: about 17.6 nm

void update_stormscope(void)
{
    // A reset starts the simulated clock again: the old flight's strikes
    // would stay up to their old expiry, and over another place.
    if (msc.sim_time < pnl.strike_clock) {
        for (stormstrike& s : pnl.strike) s = stormstrike();
        pnl.strike_slot = 0;
    }
    pnl.strike_clock = msc.sim_time;

    // One strike per flash, however many frames it lights.
    int active = atm.flash_until > mnw.time_elapsed;
    if (active && !pnl.flash_seen) {
        pnl.strike_slot = intwrap(pnl.strike_slot + 1, 0, storm_strikes - 1);
        stormstrike& s = pnl.strike[pnl.strike_slot];
        s.x = atm.bolt[0][0][0];
        s.z = atm.bolt[0][0][2];
        s.expiry = msc.sim_time + strike_life;
    }
    pnl.flash_seen = active;

    float x = supp_x(), y = supp_y();
    float psi = flt.psi[0];
    if (!std::isfinite(psi)) return;    // no nose to show them against
    for (const stormstrike& s : pnl.strike) {
        if (!(s.expiry > msc.sim_time)) continue;
        float dx = (float)(s.x - flt.pos_x[0]), dz = (float)(flt.pos_z[0] - s.z);
        float r = pythag(dx, dz) * con.mtrstonm * storm_scale;
        if (!(r < storm_reach)) continue;
        int b = panel_whole_deg(truncf(truncf(atan2f(dx, dz) * con.radtodeg) - psi));
        float px = x + r * lookup_sin[b], py = y + r * lookup_cos[b];
        OGL_line(48, px - 2, py, px + 2, py);
        OGL_line(48, px, py - 2, px, py + 2);
    }
}

// ---- variometer --------------------------------------------------------------------

// Total energy: the height and the ground speed's kinetic term, so a
// dive's speed gained reads as height lost, not as a climb.
void update_vari(void)
{
    float x = supp_x(), y = supp_y();
    // In double: at altitude a float's last bit of energy would shake the needle.
    double e = (double)con.g * flt.pos_y[0] + 0.5 * (double)flt.gnd_speed[0] * flt.gnd_speed[0];
    float rate = (float)((e - pnl.vari_energy) / msc.dt / con.g);   // m/s
    if (std::isfinite(e)) pnl.vari_energy = e;
    // 0.32 degrees a foot a minute, 400 fpm either way, level at 9 o'clock;
    // a rate that is not a number leaves the needle where it was.
    if (!std::isnan(rate)) pnl.vari_reading = fltlim(rate * con.msctofpm * 128 * 0.0025f, -128, 128);
    panel_draw.plot_needle(x, y, pnl.vari_reading - 90, -5, 30, 3, 6);
}
