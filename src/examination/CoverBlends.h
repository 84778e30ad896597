#pragma once

// How far each refixation movement has come, from 0 (not at all) to 1
// (complete). Names ending in 1 belong to eye 1's aids, in 2 to eye 2's.
struct CoverBlends {
    float translucentBlend2 = 0;
    float translucentBlend1 = 0;
    float coverBlend2 = 0;
    float coverBlend1 = 0;
    float offsetBlend2 = 0;
    float offsetBlend1 = 0;
    float filterBlend1 = 0;
    float filterBlend2 = 0;
};
