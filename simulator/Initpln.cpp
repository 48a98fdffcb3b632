#include "Initpln.h"

planestruct pln[2];
airfoilstruct afl[2];
inststruct ins;
