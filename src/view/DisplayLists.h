#pragma once

// Numbers of the canvas's display lists, compiled once at the GL set-up.
namespace DisplayList {
enum : unsigned {
    eyeball = 1,
    iris = 2,
    pupil = 3,
    eyeCross = 5,
    axisLine = 6,
    occluderLens = 7,
    filterLens = 8,
    translucentDisc = 9,
    lensFrame = 10,
    reflexSpot = 11,
    prismWedge = 12,
    eyeballRim = 13,
    eyeballCap = 14,
    face = 15,
    lids = 16,  // one list per eye: 16 and 17
    irisTexture = 21,
};
}
