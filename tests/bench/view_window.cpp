// Shows one window of Volanto: the program started on the shipped data of
// its program folder (this executable's own folder) as view_scene starts
// it, with the window of the id given open over the factory start, until
// interrupted or the window is closed. The display's keys and clicks reach
// the window as they would in the program. The chart window takes the kind
// of chart as a second argument, as its menu items set it.
#include "scene_start.h"

#include "HL_MNW.h"
#include "host_test.h"
#include "Windows.h"
#include "records.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

static volatile sig_atomic_t stop_asked = 0;

static void ask_stop(int) { stop_asked = 1; }

int main(int argc, char** argv)
{
    char* end = nullptr;
    long id = argc >= 2 ? strtol(argv[1], &end, 10) : -1;
    int id_read = argc >= 2 && !*end;
    long chart = argc == 3 ? strtol(argv[2], &end, 10) : item_chart_first;
    int chart_read = argc == 2 || (argc == 3 && !*end && chart >= item_chart_first && chart <= item_chart_last);
    if (argc > 3 || !id_read || !chart_read || id < win_airport_id || id > win_credits) {
        fprintf(stderr, "usage: view_window ID [CHART]\n"
                        "  ID     a window, 1..26: 1 airport by ID, 3 enroute chart, 7 data output,\n"
                        "         12 weather atmosphere, 15 joystick and flight mode, 20 sound,\n"
                        "         24 an airport diagram, 25 flight plan, 26 credits ...\n"
                        "  CHART  for window 3: 401 low enroute (the default), 402 sectional,\n"
                        "         403 weather radar, 404 local virtual world\n");
        return 2;
    }
    signal(SIGINT, ask_stop);
    signal(SIGTERM, ask_stop);
    if (!scene_program_start(800, 600)) return 1;
    host_test_display_events(1);
    scene_apply(scene_factory());
    // The diagram shows the start airport, titled as its menu item titles it.
    if (id == win_diagram && apt_lcl_max >= 0) APPLICATION_handlemenu(item_diagram_first);
    else if (id == win_chart) APPLICATION_handlemenu((int)chart);
    else MACIBM_startwind((int)id);
    while (!gdone && !stop_asked) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
