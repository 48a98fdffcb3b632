// Flight utilities and the flight state.
#include "Fltutil.h"

flightstruct flt;
ottostruct ott;
pathstruct pat;
