// The simulator's menu bar and its commands. Items are menu x 100 + index;
// the Quit item is the library's item_quit.
#pragma once

const int item_view_first = 500;     // the views, 500 to 522; the one shown is checked
const int item_view_last = 522;
const int item_trail_show = 527;     // 3-D flight-path trail on
const int item_trail_hide = 528;
const int item_replay_enter = 531;
const int item_replay_leave = 532;
const int item_logbook = 610;        // report logged time to "Volanto.log"
