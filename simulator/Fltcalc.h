// The force build-up of the user's aircraft: airfoil coefficients, element
// forces and control-surface increments; ground and water contact; the totals
// and accelerations; and the force report's lines while it is switched on.
// Reads the aircraft and airfoil records and flt; writes flt's sums and rates.
#pragma once

// ---- airfoil coefficients, element force, control surfaces ----------------

// ---- ground and water contact, totals and accelerations -------------------

// ---- force report ------------------------------------------------------------
