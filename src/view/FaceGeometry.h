#pragma once

#include "view/CoverBlends.h"
#include "view/EyeGeometry.h"
#include "view/SceneState.h"
#include "view/ViewPose.h"

#include <vector>

// The face around the eyes, in head coordinates (eye centres at x = -0.5 and
// +0.5, the viewer along +z): skin with the bridge of the nose, brows, and
// each eye's lids as shells just outside its globe, centred where the globe
// rests, so a retracted globe sinks behind them.
inline constexpr double kLidShellRadius = 0.43;
// The lids' edge is this thick, from the shell inwards to the globe.
inline constexpr double kLidMarginThickness = 0.03;

// The lid margins of one eye at the middle of the fissure, as latitudes on
// the lid shell in degrees, positive above the eye centre's horizontal plane.
// Towards the canthi both margins run to kCanthusLatitude.
struct LidMargins {
    double upper = 16;
    double lower = -20;
};
inline constexpr double kCanthusLatitude = -1;
// How far to either side of straight ahead the fissure reaches, in degrees of longitude.
inline constexpr double kCanthusLongitude = 62;

// Where the lids stand for an eye whose line of sight is gazeElevation degrees
// above the head's horizontal plane, whose globe is retracted by retractionMm
// and whose levator has levatorPercent of its strength. The upper lid rides
// with the globe one for one (the levator is yoked to the superior rectus),
// the lower lid a third as far; retraction lets both close in on the
// fissure; a weak levator lowers the upper lid. Neither margin comes closer
// to the line of sight than kMarginClearance, so the corneal reflex stays in view.
LidMargins LidMarginsFor(double gazeElevation, double retractionMm, int levatorPercent);
inline constexpr double kMarginClearance = 5;
// The upper lid's droop with no levator at all, before the clearance limits it.
inline constexpr double kFullPtosisDegrees = 11;

// The elevation of an eye's line of sight in head coordinates, in degrees
// (up positive): its gaze and every turn the view gives it.
double LineOfSightElevation(int eye, const SceneState& scene, const CoverBlends& blends, const ViewPose& pose);

// How far in front of the eye centres' plane the skin lies at (x, y).
double SkinDepth(double x, double y);

// The skin as a lit height field over the view and beyond.
void EmitSkin(MeshSink& sink);
// Both brows, just in front of the skin.
void EmitBrows(MeshSink& sink);
// One eye's upper or lower lid around its centre, with the lid's edge; the
// centre's place, centreX, shapes the lid as the skin around it.
void EmitUpperLid(MeshSink& sink, const LidMargins& margins, double centreX);
void EmitLowerLid(MeshSink& sink, const LidMargins& margins, double centreX);

// Lashes as line segments from the lid margins, around the eye's centre.
struct LashSegment {
    Vec3 from;
    Vec3 to;
};
std::vector<LashSegment> Lashes(const LidMargins& margins);
