// The charts: the chart window (3, the kind of msc.chart_kind) and an
// airport diagram (24), drawn from the region, the world tables and the
// flown path.
#pragma once

// Each frame while window 3 or 24 is open; a click there places the aircraft.
void manage_map(void);
