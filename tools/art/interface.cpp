// Window pictures: the head-up display's heart and diamond, the pause sign and the four icons of its strip
// (music, sound, gamepad, frame rate; the game greys them when off) and the game-over title.
// They are painted at half size and doubled, so their pixels match the zoomed game.
#include "catalogue.h"
#include "pixel_font.h"

namespace art {

namespace {

const Ramp& iconInk = common::iconInk;

Canvas hudHeart() {
    Canvas c(16, 16);
    Mask heart = circleMask(16, 16, {5, 6}, 3.9f);
    heart.add(circleMask(16, 16, {11, 6}, 3.9f));
    heart.add(polygonMask(16, 16, {{1.3f, 7.5f}, {14.7f, 7.5f}, {8, 14.5f}}));
    paintPart(c, heart, common::heartRed, {1, 2, true});
    return c.scaled(2);
}

Canvas hudDiamond() {
    Canvas c(16, 16);
    const Mask gem = polygonMask(16, 16, {{4, 2}, {12, 2}, {15.5f, 6}, {8, 15}, {0.5f, 6}});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (gem.at(x, y))
                c.set(x, y, y < 6 ? (x < 8 ? common::diamond.highlight : common::diamond.light)
                                  : (x < 6 ? common::diamond.light : (x < 10 ? common::diamond.base : common::diamond.dark)));
    outline(c, common::diamond.outline);
    return c.scaled(2);
}

Canvas pauseSign() {
    Canvas c(32, 32);
    paintPart(c, roundRectMask(32, 32, 1, 1, 30, 30, 6), common::teal, {1, 2});
    paintPart(c, roundRectMask(32, 32, 9, 8, 5, 16, 1.5f), iconInk, {1, 1});
    paintPart(c, roundRectMask(32, 32, 18, 8, 5, 16, 1.5f), iconInk, {1, 1});
    return c.scaled(2);
}

// Icons are white symbols with a dark outline, 30 × 27 before doubling, for the teal strip.
constexpr int iw = 30, ih = 27;

Canvas musicIcon() {
    Canvas c(iw, ih);
    Mask note = ellipseMask(iw, ih, {10, 20}, 3.6f, 2.7f, -20);
    note.add(ellipseMask(iw, ih, {21, 18}, 3.6f, 2.7f, -20));
    note.add(rectMask(iw, ih, 12.5f, 5, 2, 15));
    note.add(rectMask(iw, ih, 23.5f, 3, 2, 15));
    note.add(polygonMask(iw, ih, {{12.5f, 5}, {25.5f, 3}, {25.5f, 7}, {12.5f, 9}}));
    paintPart(c, note, iconInk, {1, 1});
    return c.scaled(2);
}

Canvas soundIcon() {
    Canvas c(iw, ih);
    Mask speaker = rectMask(iw, ih, 4, 10, 5, 7);
    speaker.add(polygonMask(iw, ih, {{8, 10}, {15, 4}, {15, 23}, {8, 17}}));
    speaker.add(ringMask(iw, ih, {15, 13.5f}, 4.5f, 6.5f, -50, 50));
    speaker.add(ringMask(iw, ih, {15, 13.5f}, 8.5f, 10.5f, -50, 50));
    paintPart(c, speaker, iconInk, {1, 1});
    return c.scaled(2);
}

Canvas gamepadIcon() {
    Canvas c(iw, ih);
    Mask pad = roundRectMask(iw, ih, 2, 7, 26, 13, 6);
    pad.add(circleMask(iw, ih, {7, 18}, 5));
    pad.add(circleMask(iw, ih, {23, 18}, 5));
    Canvas layer(iw, ih);
    shadeMask(layer, pad, iconInk, {1, 1});
    fillMask(layer, rectMask(iw, ih, 5, 12, 6, 2), common::teal.dark);  // the cross
    fillMask(layer, rectMask(iw, ih, 7, 10, 2, 6), common::teal.dark);
    fillMask(layer, circleMask(iw, ih, {21, 11.5f}, 1.5f), common::button.base);
    fillMask(layer, circleMask(iw, ih, {24.5f, 14.5f}, 1.5f), common::button.base);
    outline(layer, iconInk.outline);
    c.draw(layer, 0, 0);
    return c.scaled(2);
}

Canvas fpsIcon() {
    Canvas c(iw, ih);
    Canvas letters(iw, ih);
    fillMask(letters, textMask(iw, ih, (iw - textWidth("FPS", 1)) / 2, 4, "FPS", 1), rgb(255, 255, 255));
    // A small rising graph under the letters.
    for (int x = 6; x < 24; ++x) letters.set(x, 22, rgb(255, 255, 255));
    line(letters, 6, 20, 11, 16, rgb(255, 255, 255)), line(letters, 11, 16, 15, 18, rgb(255, 255, 255));
    line(letters, 15, 18, 23, 13, rgb(255, 255, 255));
    outline(letters, iconInk.outline);
    c.draw(letters, 0, 0);
    return c.scaled(2);
}

Canvas gameOver() {
    const int hw = 257, hh = 99;
    Canvas half(hw, hh);
    const Ramp red = {rgb(50, 6, 20), rgb(150, 16, 36), rgb(214, 36, 48), rgb(255, 96, 90), rgb(255, 200, 180)};
    const int scale = 6, lineHeight = glyphHeight * scale;
    for (int row = 0; row < 2; ++row) {
        const std::string word = row == 0 ? "GAME" : "OVER";
        const int x = (hw - textWidth(word, scale)) / 2 + (row == 0 ? -12 : 12), y = 4 + row * (lineHeight + 8);
        Canvas shadow(hw, hh);
        fillMask(shadow, textMask(hw, hh, x + 3, y + 3, word, scale), rgb(0, 0, 0, 130));
        half.draw(shadow, 0, 0);
        Canvas face(hw, hh);
        bandedGradient(face, textMask(hw, hh, x, y, word, scale), {red.highlight, red.light, red.base, red.base, red.dark},
                       y, y + lineHeight);
        outline(face, red.outline);
        outline(face, rgb(255, 236, 200));
        half.draw(face, 0, 0);
    }
    Canvas full = half.scaled(2);
    return full.crop(0, 0, 514, 198);
}

}  // namespace

std::vector<Picture> paintInterface() {
    return {stillPicture("hud_coeur", hudHeart()),         stillPicture("hud_diamant", hudDiamond()),
            stillPicture("pause", pauseSign()),            stillPicture("pause_musique", musicIcon()),
            stillPicture("pause_son", soundIcon()),        stillPicture("pause_manette", gamepadIcon()),
            stillPicture("pause_fps", fpsIcon()),          stillPicture("gameover", gameOver())};
}

}  // namespace art
