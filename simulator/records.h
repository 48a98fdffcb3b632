// The simulator's records, as the shared library sees them in this program's build.
#pragma once
#include "Initpln.h"
#include "Initgen.h"
#include "Fltutil.h"
#include "Genwrld.h"
#include "Event.h"
#include "Menus.h"
#include "Startscn.h"
#include "P_update.h"
#include "Hl_sound.h"
#include "Hl_joy.h"
