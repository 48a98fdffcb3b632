// The host's joysticks over SDL's joystick system, which starts on first use
// without the video system and starts again after host_shutdown's SDL_Quit.
// Two slots, ids 0 and 1, each holding one opened stick: a stick keeps its id
// while it stays plugged in, and an empty slot takes the stick of its own
// device index, else the first one the other slot does not hold.
//
// Sections: state, the joystick system, slots, reading, test hooks.
#include "host.h"
#include "host_test.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

// ---- state ---------------------------------------------------------------

static const int joy_slots = 2;
static int joy_up = 0;                       // we started the system and it still runs
static SDL_Joystick* slot_stick[joy_slots];
static int axis_of[4] = {0, 1, 2, 3};        // SDL axis numbers of X, Y, Z, R

#ifdef HOST_TESTING
static int no_system = 0;
static const int test_sticks_max = 4;
static SDL_Joystick* test_stick[test_sticks_max];   // our own handle, to set its values
static SDL_JoystickID test_instance[test_sticks_max];
#endif

static void forget_handles(void)
{
    memset(slot_stick, 0, sizeof slot_stick);
#ifdef HOST_TESTING
    memset(test_stick, 0, sizeof test_stick);
#endif
}

// ---- the joystick system -------------------------------------------------

// VOLANTO_JOY_AXES: four digits, the SDL axis numbers of X, Y, Z and R, for a
// stick that numbers its axes otherwise. Anything else keeps the usual order.
static void read_axis_order(void)
{
    static const int usual[4] = {0, 1, 2, 3};
    memcpy(axis_of, usual, sizeof axis_of);
    const char* v = getenv("VOLANTO_JOY_AXES");
    if (!v || strlen(v) != 4) return;
    for (int k = 0; k < 4; k++)
        if (v[k] < '0' || v[k] > '9') return;
    for (int k = 0; k < 4; k++) axis_of[k] = v[k] - '0';
}

static int joy_system(void)
{
#ifdef HOST_TESTING
    if (no_system) return 0;
#endif
    if (joy_up && SDL_WasInit(SDL_INIT_JOYSTICK)) return 1;
    // An SDL_Quit since the last call closed every stick with the system.
    joy_up = 0;
    forget_handles();
    // The sticks are read whichever window has the focus, as the programs expect.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return 0;
    // Read by polling only: no joystick events pile up in the queue.
    SDL_JoystickEventState(SDL_IGNORE);
    read_axis_order();
    joy_up = 1;
    return 1;
}

int host_joy_count(void) { return joy_system() ? joy_slots : 0; }

// ---- slots ---------------------------------------------------------------

static int held_by_other_slot(int id, SDL_JoystickID instance)
{
    SDL_Joystick* other = slot_stick[1 - id];
    return other && SDL_JoystickInstanceID(other) == instance;
}

static SDL_Joystick* stick_of_slot(int id)
{
    SDL_Joystick*& s = slot_stick[id];
    if (s && !SDL_JoystickGetAttached(s)) {
        SDL_JoystickClose(s);
        s = nullptr;
    }
    if (s) return s;
    int n = SDL_NumJoysticks();
    int pick = -1;
    if (id < n && !held_by_other_slot(id, SDL_JoystickGetDeviceInstanceID(id))) pick = id;
    for (int i = 0; i < n && pick < 0; i++)
        if (!held_by_other_slot(id, SDL_JoystickGetDeviceInstanceID(i))) pick = i;
    if (pick >= 0) s = SDL_JoystickOpen(pick);
    return s;
}

// ---- reading -------------------------------------------------------------

static int pov_of_hat(Uint8 hat)
{
    switch (hat) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return 65535;
    }
}

int host_joy_read(int id, host_joy_state* s)
{
    memset(s, 0, sizeof *s);
    if (id < 0 || id >= joy_slots || !joy_system()) return 0;
    SDL_JoystickUpdate();
    SDL_Joystick* j = stick_of_slot(id);
    if (!j) return 0;

    // What the stick lacks reads as centred or up.
    int axes = SDL_JoystickNumAxes(j);
    int value[4];
    for (int k = 0; k < 4; k++)
        value[k] = axis_of[k] < axes ? SDL_JoystickGetAxis(j, axis_of[k]) + 32768 : 32767;
    s->x = value[0];
    s->y = value[1];
    s->z = value[2];
    s->r = value[3];
    s->pov = SDL_JoystickNumHats(j) > 0 ? pov_of_hat(SDL_JoystickGetHat(j, 0)) : 65535;
    int buttons = SDL_JoystickNumButtons(j);
    for (int b = 0; b < 16 && b < buttons; b++)
        if (SDL_JoystickGetButton(j, b)) s->buttons |= 1u << b;
    return 1;
}

// ---- test hooks ----------------------------------------------------------
#ifdef HOST_TESTING

static SDL_Joystick* test_of(int id)
{
    if (id < 0 || id >= test_sticks_max || !joy_system()) return nullptr;
    return test_stick[id];
}

int host_test_joy_attach(void)
{
    if (!joy_system()) return -1;
    int t = 0;
    while (t < test_sticks_max && test_stick[t]) t++;
    if (t == test_sticks_max) return -1;
    int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 4, 16, 1);
    if (index < 0) return -1;
    test_stick[t] = SDL_JoystickOpen(index);
    if (!test_stick[t]) {
        SDL_JoystickDetachVirtual(index);
        return -1;
    }
    test_instance[t] = SDL_JoystickInstanceID(test_stick[t]);
    return t;
}

void host_test_joy_axis(int id, int axis, int value)
{
    SDL_Joystick* j = test_of(id);
    if (!j) return;
    if (value < 0) value = 0;
    if (value > 65535) value = 65535;
    SDL_JoystickSetVirtualAxis(j, axis, (Sint16)(value - 32768));
}

void host_test_joy_hat(int id, int pov)
{
    SDL_Joystick* j = test_of(id);
    if (!j) return;
    static const Uint8 hats[8] = {SDL_HAT_UP, SDL_HAT_RIGHTUP, SDL_HAT_RIGHT, SDL_HAT_RIGHTDOWN,
                                  SDL_HAT_DOWN, SDL_HAT_LEFTDOWN, SDL_HAT_LEFT, SDL_HAT_LEFTUP};
    Uint8 hat = SDL_HAT_CENTERED;
    if (pov >= 0 && pov < 36000 && pov % 4500 == 0) hat = hats[pov / 4500];
    SDL_JoystickSetVirtualHat(j, 0, hat);
}

void host_test_joy_buttons(int id, unsigned mask)
{
    SDL_Joystick* j = test_of(id);
    if (!j) return;
    for (int b = 0; b < 16; b++) SDL_JoystickSetVirtualButton(j, b, (Uint8)((mask >> b) & 1));
}

void host_test_joy_detach(int id)
{
    SDL_Joystick* j = test_of(id);
    if (!j) return;
    SDL_JoystickClose(j);
    test_stick[id] = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); i++)
        if (SDL_JoystickGetDeviceInstanceID(i) == test_instance[id]) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
}

void host_test_joy_detach_all(void)
{
    for (int t = 0; t < test_sticks_max; t++) host_test_joy_detach(t);
}

// On stops the system (every stick goes with it) and keeps it from starting;
// off again, the next call starts it afresh, reading VOLANTO_JOY_AXES anew.
void host_test_joy_no_system(int on)
{
    if (on && joy_up && SDL_WasInit(SDL_INIT_JOYSTICK)) {
        host_test_joy_detach_all();
        for (int i = 0; i < joy_slots; i++)
            if (slot_stick[i]) SDL_JoystickClose(slot_stick[i]);
        forget_handles();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        joy_up = 0;
    }
    no_system = on;
}

#endif
