// Zorlin's figure: a pose (joint positions and expression) and the painter that draws him from parts.
// Poses are right-facing in a 100 × 48 frame; the body stands in x 37..61 with the shoe outlines on row 47.
#pragma once
#include "painter.h"

namespace art::heroart {

constexpr int frameWidth = 100, frameHeight = 48, mirrorAxis = 99;

enum class Eyes { open, closed, hurt, wide, focused };
enum class Mouth { smile, open, grit, small };
enum class View { side, back, front };

struct Limb {
    Vec root, joint, end;  // shoulder/elbow/hand or hip/knee/ankle
};

struct Swoosh {
    bool on = false;
    Vec centre;
    float radius = 20, thickness = 5, fromDeg = 0, toDeg = 90;
};

struct Pose {
    View view = View::side;
    Vec head{50, 12.5f};
    float headTilt = 0;
    Vec neck{49.5f, 21}, hip{49, 33.5f};
    Limb armFront, armBack, legFront, legBack;
    float footAngleFront = 0, footAngleBack = 0;  // shoe rotation, degrees (positive = toes down)
    Eyes eyes = Eyes::open;
    Mouth mouth = Mouth::smile;
    bool sword = false;
    float swordAngle = 0;  // direction of the blade from the front hand
    Swoosh swoosh;
};

// Two-bone reach: the middle joint of a limb from root to end with the given bone lengths; `bendSign`
// chooses on which side the joint bends (+1 clockwise of the root→end direction).
Vec bendJoint(Vec root, Vec end, float first, float second, float bendSign);
Limb limb(Vec root, Vec end, float first, float second, float bendSign);

// Standing pose with everything at rest; animations start from it and move the parts.
Pose standingPose();
// Shifts every point of a pose (used for bobbing and crouching).
Pose shifted(Pose p, Vec by);

// Paints the pose into a fresh 100 × 48 frame.
Canvas paintHero(const Pose& pose);

}  // namespace art::heroart
