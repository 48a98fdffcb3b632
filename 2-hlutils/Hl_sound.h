// Sound output: the 23 voice slots and their loops.
#pragma once

void dispose_sound(void);     // releases the slots and the device at shutdown
