#include "Hl_types.h"

constantstruct con;
menuwindowstruct mnw;
