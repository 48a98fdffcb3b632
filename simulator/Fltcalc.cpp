// Force build-up: coefficients, element forces, control surfaces, contact,
// totals and the force report.
#include "Fltcalc.h"
#include "records.h"

// ---- airfoil coefficients, element force, control surfaces ----------------

// ---- ground and water contact, totals and accelerations -------------------

// ---- force report ------------------------------------------------------------
