// The parallax backdrop's construction: a tiled picture fill, no hit testing, an invisible stroke.
// Sizes and the picture are set by the level load.
#include "level/TScrolling.h"

TScrolling::TScrolling() {
    Rectangle = add<eng::Rectangle>();
    Rectangle->hitTest = false;
    Rectangle->fill.kind = eng::FillKind::Bitmap;
    Rectangle->fill.bitmapWrap = eng::WrapMode::Tile;
    Rectangle->strokeColor = eng::colors::Null;
    Rectangle->strokeThickness = 1;
    Rectangle->strokeVisible = false;
    hitTest = false;
}
