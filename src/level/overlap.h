// The overlap and standing tests of the hero's box against one container of element images,
// and the small container walks the pause, the culling and the movement step use.
#pragma once
#include <string>
#include "engine/controls.h"

struct IntPoint {
    int x = 0, y = 0;
};

// A box relative to an image's top-left corner: left, top, width, height.
struct IntRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const IntRect&) const = default;
};

// "x:y:width:height"; a field that is not a decimal integer counts as 0, missing fields too.
IntRect parseHitBox(const std::string& text);

struct TResultatCollision {
    bool trouve = false;
    eng::Image* image = nullptr;
};

// The hero's ground flags: written by the standing test, read and written by the movement code.
struct HeroGroundFlags {
    bool sautEnCours = false;
    bool enMontee = false;
    bool enDescente = false;
};

// The image's hit box in its parent's units: its rectangle, or the hint when it holds "x:y:w:h".
IntRect imageHitBox(const eng::Image& image);

// First child of `container` (in child order) whose hit box overlaps the box at `position`.
// With `freeze`, the hit image's first child animation is stopped where it stands.
TResultatCollision chercherCollision(IntPoint position, IntRect box, eng::Node& container, bool freeze);

struct PlatformContact {
    bool hit = false;
    int offset = 0;   // slope offset under the hero's left edge
};
PlatformContact toucherPlateforme(IntPoint position, IntRect box, const eng::Image& platform, HeroGroundFlags& flags);

// First platform image that carries the box; its float tag receives the slope offset.
TResultatCollision chercherPlateforme(IntPoint position, IntRect box, eng::Node& container, HeroGroundFlags& flags);

// Sets the pause flag of every animation of every element image.
void pauserAnimations(eng::Node& container, bool pause);

// Runs the first animation of elements whose x lies in [fromX, toX]; halts it where it stands elsewhere.
void activerAnimationsProches(eng::Node& container, float fromX, float toX);

// The decor named by a touched-decor key ("decor12>:340") is wider than high.
bool decorPlusLargeQueHaut(const std::string& key, const eng::Node& container);

// Rounds halves to even, as the game's coordinates do.
int roundHalfEven(double value);
// A decimal integer, or `fallback` when the whole text is not one.
int parseIntOr(const std::string& text, int fallback);
