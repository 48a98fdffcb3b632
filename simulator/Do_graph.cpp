#include "Do_graph.h"

void manage_map(void) {}    // stands in until the chart windows come
