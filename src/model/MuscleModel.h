#pragma once

#include "model/MuscleStrengths.h"

#include <array>

// Where the pointer target lies, in degrees from straight ahead as the
// patient sees it: right = towards the patient's right, up = upwards.
struct GazeTarget {
    double right = 0;
    double up = 0;
};

// A turn of one eye in degrees in that eye's own terms: abduction (away from
// the nose), elevation, intorsion (top of the cornea towards the nose).
// retractionMm: how far the globe is drawn back into the orbit, in mm.
struct EyeTurn {
    double abduction = 0;
    double elevation = 0;
    double intorsion = 0;
    double retractionMm = 0;
};

// How far each eye ends from the target, eye 1 (the patient's right eye) at
// index 0. cannotFixate: the fixing eye's innervation is at its limit short
// of the target, so the eyes stand where that limit leaves them and the
// deviation is not a measurement.
struct BinocularDeviation {
    std::array<EyeTurn, kEyeCount> eyes{};
    bool cannotFixate = false;
};

// Both eyes under Hering's law: the fixing eye is brought onto the target
// (torsion counterRoll: see below) by the innervation its own muscles need; the other eye gets the
// same innervation and ends where its muscles take it. A muscle of strength
// s delivers s times the force for that innervation, against the full tone of
// its antagonist, so a weak muscle shows most in its field of action; a
// paralysed one also loses its stiffness, so a complete palsy deviates about
// twice as far as the tone alone would turn the eye. A superior oblique
// tether limits elevation mechanically, most in adduction, and turns the
// held-back eye outwards; a co-contracting lateral rectus pulls with the
// medial rectus and retracts the globe in adduction. With every strength
// normal and no anomaly the result is exactly zero. counterRoll is the
// torsion a head tilt asks of both eyes, degrees of intorsion of eye 1 and
// extorsion of eye 2: the superior rectus and superior oblique of one eye and
// the inferior pair of the other share it, so a weak superior oblique lets
// its superior rectus lift the eye (the head-tilt test).
BinocularDeviation MuscleDeviation(const MuscleStrengths& strengths, GazeTarget target, Eye fixingEye,
                                   double counterRoll = 0);

// The eye that fixes when nothing decides it: the one with no weak muscle,
// else the one whose muscles are weakened less in total (eye 1 on a tie).
Eye DefaultFixingEye(const MuscleStrengths& strengths);

// An eye's turn in the signs the view turns it by (the stored angles):
// horizontal towards the viewer's right, vertical downwards and torsion
// clockwise as the viewer sees it, all positive.
struct ViewTurn {
    double horizontal = 0;
    double vertical = 0;
    double torsion = 0;
};
ViewTurn ToViewTurn(Eye eye, const EyeTurn& turn);
