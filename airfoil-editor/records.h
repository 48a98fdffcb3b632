// Foilwright's records, as the shared library sees them in this program's build.
#pragma once
#include "Hl_types.h"
#include "Init.h"
#include "Function.h"
