// Skycaster's records, as the shared library sees them in this program's
// build: the library's own and the briefing's. Skycaster has no misc record.
#pragma once
#include "Hl_types.h"
#include "Brief.h"
