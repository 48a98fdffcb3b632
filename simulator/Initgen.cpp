#include "Initgen.h"

settingstruct set;
miscstruct msc;
navstruct nav;
relstruct rel;
atmospherestruct atm;
graphstruct grf;
std::ofstream trk;
int ogl_res;
