// Flight placement and the new flight.
#include "Initgen.h"

void set_fltvars(int, int) {}
void set_up_env_with_request_latlon(void) {}
