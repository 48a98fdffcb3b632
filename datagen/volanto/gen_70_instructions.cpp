// Writes "Volanto Instructions.txt" into the program folder: every keyboard
// command, read from the key handler's own tables (Event.h), with the key to
// type for each on the American, French and German layouts (the remap rows
// read backwards). Plain ASCII: a letter beyond it is spelled out.
//
// Sections: key names, the lines, main.
//   usage: gen_70_instructions <program folder ending in '/'>
#include "Event.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

static const char* const file_name = "Volanto Instructions.txt";

// ---- key names -----------------------------------------------------------------

struct byte_name {
    unsigned char byte;
    const char* name;
};
// The Windows-1252 letters the layouts' keys type.
static const byte_name byte_names[] = {
    {0xA7, "section sign"}, {0xD6, "O umlaut"}, {0xE0, "a grave"}, {0xE7, "c cedilla"},
    {0xE8, "e grave"},      {0xE9, "e acute"},  {0xF6, "o umlaut"}, {0xFC, "u umlaut"},
};

static std::string key_name(unsigned char c)
{
    if (c == ' ') return "Space";
    if (c == '\r') return "Enter";
    for (const byte_name& b : byte_names)
        if (b.byte == c) return b.name;
    if (c > 0x20 && c < 0x7F) return std::string(1, (char)c);
    char s[16];
    snprintf(s, sizeof s, "byte 0x%02X", c);
    return s;
}

// What to type on a layout for the command on key c: every typed byte that
// the layout turns into c. The keys that the layout moves come first, in
// byte order; they sit where the American key does. Then c itself, when
// the layout leaves it alone.
static std::string typed_for(int layout, char command)
{
    unsigned char c = (unsigned char)command;
    std::string keys;
    auto add = [&keys](unsigned char t) {
        if (!keys.empty()) keys += " or ";
        keys += key_name(t);
    };
    for (int t = 1; t < 256; t++)
        if (t != c && layout_key(layout, (unsigned char)t) == c) add((unsigned char)t);
    if (layout_key(layout, c) == c) add(c);
    return keys.empty() ? "(none)" : keys;
}

// ---- the lines -----------------------------------------------------------------

struct typed_line {
    char key;
    std::string what;
};

static const int layouts[3] = {layout_american, layout_french, layout_german};
static const char* const layout_labels[3] = {"AMERICAN", "FRENCH", "GERMAN"};

static std::string padded(const std::string& s, size_t width)
{
    return s.size() >= width ? s + " " : s + std::string(width - s.size(), ' ');
}

// Every line ends where its text does.
static void put_line(std::ofstream& out, std::string line)
{
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
}

// A section of typed keys: a column per layout, then the command.
static void typed_section(std::ofstream& out, const char* title, const std::vector<typed_line>& lines,
                          size_t width)
{
    out << "\n" << title << "\n";
    std::string head = "  ";
    for (const char* l : layout_labels) head += padded(l, width);
    put_line(out, head);
    for (const typed_line& l : lines) {
        std::string line = "  ";
        for (int layout : layouts) line += padded(typed_for(layout, l.key), width);
        put_line(out, line + l.what);
    }
}

static void named_line(std::ofstream& out, const std::string& keys, const std::string& what)
{
    put_line(out, "  " + padded(keys, 30) + what);
}

static void function_key_section(std::ofstream& out)
{
    out << "\nFUNCTION KEYS: THE ENGINE LEVERS\n";
    out << "  The function keys are the same on every layout. A throttle key takes the\n"
           "  throttles back from the joystick's throttle lever.\n";
    out << "  Without a throttle quadrant, all engines move together, set from engine 1's:\n";
    for (int lever = 0; lever < function_levers; lever++) {
        const function_key_command *down = nullptr, *up = nullptr;
        for (int k = 0; k < function_key_count; k++) {
            const function_key_command& f = function_keys[k];
            if (f.lever != lever) continue;
            if (f.engine == 0) down = &f;
            if (f.engine == 1) up = &f;
        }
        if (!down || !up) continue;
        std::string what = std::string("All engines' ") + function_lever_names[lever] + " down / up";
        if (lever == function_lever_throttle) what += " (a helicopter: every rotor's blade pitch)";
        named_line(out, std::string(down->name) + " / " + up->name, what);
    }
    out << "  With a throttle quadrant (Set Joystick & Flight Mode), each key works one\n"
           "  engine's lever, and with Shift it goes the other way:\n";
    for (int k = 0; k < function_key_count; k++) {
        const function_key_command& f = function_keys[k];
        char what[100];
        snprintf(what, sizeof what, "Engine %d %s down / up", f.engine + 1, function_lever_names[f.lever]);
        named_line(out, std::string(f.name) + " / Shift+" + f.name, what);
    }
}

static void introduction(std::ofstream& out)
{
    out << "VOLANTO INSTRUCTIONS: THE KEYBOARD\n"
           "\n"
           "You never have to use the keyboard: the mouse on the panel and the menus,\n"
           "and a joystick, do everything. If you want to use the keyboard, here is\n"
           "every key Volanto knows. The keys of the View menu select views too.\n"
           "\n"
           "Keyboard layouts. Choose yours in the Set Joystick & Flight Mode window:\n"
           "AMERICAN, FRENCH or GERMAN. The French and German layouts keep each\n"
           "command on the key where the American keyboard has it, so the three\n"
           "columns below can name different keys for one command. A capital letter\n"
           "takes Shift. A letter with an accent is spelled out (\"e acute\"); \"(none)\"\n"
           "means the layout has no key for that command. A joystick button given a\n"
           "key does what the key does on the American keyboard, whatever the layout.\n";
}

// ---- main ----------------------------------------------------------------------

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s <program folder ending in '/'>\n", argv[0]);
        return 2;
    }
    std::string path = std::string(argv[1]) + file_name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
        return 1;
    }

    std::vector<typed_line> views, panel, radios, levers, others;
    for (int k = 0; k < view_key_count; k++) views.push_back({view_keys[k].key, view_keys[k].what});
    for (int k = 0; k < turn_key_count; k++) views.push_back({turn_keys[k].key, turn_keys[k].what});
    for (int k = 0; k < panel_key_count; k++) panel.push_back({panel_keys[k].key, panel_keys[k].what});
    for (int k = 0; k < radio_key_count; k++) {
        std::string what = radio_keys[k].what;
        if (radio_keys[k].needs_nav1) what += " (with a NAV 1 receiver on the panel)";
        radios.push_back({radio_keys[k].key, what});
    }
    for (int k = 0; k < lever_key_count; k++) levers.push_back({lever_keys[k].key, lever_keys[k].what});
    for (int k = 0; k < other_key_count; k++) others.push_back({other_keys[k].key, other_keys[k].what});

    // One column width for the whole file, so every section lines up.
    size_t width = 10;
    for (const auto* lines : {&views, &panel, &radios, &levers, &others})
        for (const typed_line& l : *lines)
            for (int layout : layouts) width = std::max(width, typed_for(layout, l.key).size() + 2);

    introduction(out);
    typed_section(out, "VIEWS AND CHARTS", views, width);
    typed_section(out, "THE INSTRUMENT PANEL (each key works the panel as a click would)", panel, width);
    typed_section(out, "RADIOS", radios, width);
    typed_section(out, "FLAPS, CARBURETTOR HEAT, SPEED BRAKES AND REVERSERS", levers, width);
    typed_section(out, "AIR TRAFFIC CONTROL, PAUSE AND RELEASE", others, width);
    function_key_section(out);

    out << "\nKEYPAD: THE YOKE (whatever NumLock says)\n";
    for (int k = 0; k < yoke_key_count; k++) named_line(out, yoke_keys[k].name, yoke_keys[k].what);
    out << "\nARROW KEYS: THE HEAD, THE SPOT CAMERA AND THE ATC LIST\n";
    for (int k = 0; k < arrow_key_count; k++) named_line(out, arrow_keys[k].name, arrow_keys[k].what);

    out.close();
    if (!out) {
        fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
        return 1;
    }
    return 0;
}
