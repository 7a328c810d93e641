// The shop screen, shown over a paused level rather than through a stage change.
// Its stock, prices and purchase handlers join it with the shop work.
#pragma once
#include "engine/controls.h"

class TfStore : public eng::Layout {
public:
    TfStore() {
        name = "frmStore";
        visible = false;
    }
};
