#include "Initgen.h"

settingstruct set;
miscstruct msc;
std::ofstream trk;
