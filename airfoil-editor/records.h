// Foilwright's records, as the shared library sees them in this program's build.
#pragma once
#include "Initpln.h"
#include "Init.h"
#include "Function.h"
