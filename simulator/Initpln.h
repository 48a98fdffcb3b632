// Aircraft loading: the aircraft records pln, the airfoil tables afl and the
// instrument panel layout ins, which the loader computes and the scene and
// panel read.
#pragma once

struct planestruct {
    char C_path[400];            // the aircraft file this record came from
};

struct airfoilstruct {
    float unused;
};

struct inststruct {
    float lite_rgb[3];           // panel light colour; tints colours 0 to 38
};

extern planestruct pln[2];
extern airfoilstruct afl[2];
extern inststruct ins;
