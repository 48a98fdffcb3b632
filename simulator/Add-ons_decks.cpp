// The decks under the aircraft: the ships' and platforms' decks and
// helidecks, the carrier's arresting wires and catapult, and the ships'
// moving approach navaids.
#include "Add-ons.h"

// Until the decks are built the aircraft stands on nothing at sea.
void ship_contact(void) {}
