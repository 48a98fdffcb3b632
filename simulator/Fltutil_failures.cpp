// Failures: the 32 slots of rel, each asked once a second whether its mode
// fails it, and the system flags a failure clears.
#include "Fltutil.h"
#include "HL_FUNCT.h"

int fail_me(int slot)
{
    if (slot < 0 || slot >= fail_slots) return 0;
    int& mode = rel.fail_mode[slot];
    if (mode == fail_random) {
        if (fltrand(0.0f, 600.0f) < rel.failure_rate && fltrand(0.0f, 600.0f) < rel.failure_rate)
            mode = fail_failed;
    }
    if (mode == fail_mtbf) {
        // Once a second: about one chance in the mean time, in seconds.
        if (fltrand(0.0f, rel.fail_time[slot] * 3600.0f) < 1.0f) mode = fail_failed;
    }
    if (mode == fail_at_time) {
        if (rel.fail_time[slot] < 0.0f) mode = fail_failed;
    }
    if (mode == fail_on_command) {
        if (rel.fail_now) mode = fail_failed;
    }
    return mode == fail_failed;
}

// What must hold, beside the system still working, for a slot to be asked.
enum fail_gate {
    gate_none,
    gate_dial_panel,      // paneltype 1
    gate_glass_panel,     // paneltype 2
    gate_engines,         // numen > 0
    gate_flaps,
    gate_slats,
    gate_wheels,          // gear_type > 2
    gate_hydraulic,       // ff_hydraulic
    gate_reversers,       // revthrustEQ and numen > 0
    gate_anti_ice,
    gate_helicopter
};

struct fail_slot {
    int flag;             // the flag it clears; by engine: the group's first
    int by_engine;        // 1: the flag of the engine drawn for this pass
    fail_gate gate;
    int caution;          // sounds the master caution
};

static const fail_slot slot_table[fail_slots] = {
    {sys_vacuum, 0, gate_dial_panel, 1},
    {sys_airspeed, 0, gate_none, 0},
    {sys_attitude, 0, gate_none, 0},
    {sys_altimeter, 0, gate_none, 0},
    {sys_turn, 0, gate_none, 0},
    {sys_heading, 0, gate_none, 0},
    {sys_vsi, 0, gate_none, 0},
    {sys_standby, 0, gate_glass_panel, 0},
    {sys_efis, 0, gate_glass_panel, 0},
    {sys_radios, 0, gate_none, 0},
    {sys_engine, 1, gate_engines, 1},
    {sys_aileron, 0, gate_none, 1},
    {sys_elevator, 0, gate_none, 1},
    {sys_rudder, 0, gate_none, 1},
    {sys_flaps, 0, gate_flaps, 1},
    {sys_slats, 0, gate_slats, 1},
    {sys_throttle, 0, gate_engines, 1},
    {sys_gear + 0, 0, gate_wheels, 1},
    {sys_gear + 1, 0, gate_wheels, 1},
    {sys_gear + 2, 0, gate_wheels, 1},
    {sys_electrical, 0, gate_none, 0},
    {sys_hydraulics, 0, gate_hydraulic, 1},
    // An aircraft without engines has no governor, reverser or engine power
    // to lose: these groups need one, as the engines' own slot does.
    {sys_governor, 1, gate_engines, 1},
    {sys_stability, 0, gate_none, 1},
    {sys_asym_flap, 0, gate_flaps, 1},
    {sys_trim, 0, gate_none, 1},
    {sys_reverser, 1, gate_reversers, 1},
    {sys_anti_ice, 0, gate_anti_ice, 1},
    {sys_engine_power, 1, gate_engines, 1},
    {sys_autopilot, 0, gate_none, 0},
    {sys_autopilot_b, 0, gate_none, 0},
    {sys_tail_rotor, 0, gate_helicopter, 0},
};

static int gate_holds(fail_gate gate)
{
    const planestruct& p = pln[0];
    switch (gate) {
    case gate_none: return 1;
    case gate_dial_panel: return p.paneltype == 1;
    case gate_glass_panel: return p.paneltype == 2;
    case gate_engines: return p.numen > 0;
    case gate_flaps: return p.flapEQ != 0;
    case gate_slats: return p.slatEQ != 0;
    case gate_wheels: return p.gear_type > 2;
    case gate_hydraulic: return p.ff_hydraulic != 0;
    case gate_reversers: return p.revthrustEQ != 0 && p.numen > 0;
    case gate_anti_ice: return p.antiiceEQ != 0;
    case gate_helicopter: return p.is_heli != 0;
    }
    return 0;
}

int fail_systems(int failed[fail_slots])
{
    int engines = intlim(pln[0].numen, 0, plane_engines);
    // One engine a pass: an engine group fails one engine, and only while
    // all of them still work in that respect.
    int e = intrand(0, intmax2(engines - 1, 0));
    int caution = 0;
    for (int k = 0; k < fail_slots; k++) {
        failed[k] = 0;
        const fail_slot& s = slot_table[k];
        if (!gate_holds(s.gate)) continue;
        int flag = s.flag;
        if (s.by_engine) {
            int all_working = 1;
            for (int n = 0; n < engines; n++)
                if (!rel.system_ok[s.flag + n]) all_working = 0;
            if (!all_working) continue;
            flag = s.flag + e;
        } else if (!rel.system_ok[flag]) {
            continue;
        }
        if (!fail_me(k)) continue;
        failed[k] = 1;
        rel.system_ok[flag] = 0;
        if (flag == sys_electrical) {
            // Without power the autopilot, the radios and the glass panel go too.
            rel.system_ok[sys_autopilot] = 0;
            rel.system_ok[sys_radios] = 0;
            rel.system_ok[sys_efis] = 0;
            rel.system_ok[sys_standby] = 0;
        }
        if (s.caution) caution = 1;
    }
    rel.fail_now = 0;
    return caution;
}

void restore_systems(void)
{
    for (int k = 0; k < fail_slots; k++)
        if (rel.fail_mode[k] == fail_failed) rel.fail_mode[k] = fail_random;
    for (int f = 0; f < system_flags; f++) rel.system_ok[f] = 1;
    rel.control_power = 1.0f;
    rel.engine_power = 1.0f;
    rel.on_ram_air = 0;
}
