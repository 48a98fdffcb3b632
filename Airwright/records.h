// Airwright's records, as the shared library sees them in this program's
// build: the library's own, Airwright's misc record and its preview's.
#pragma once
#include "Hl_types.h"
#include "Init.h"
#include "UPDATA.h"
