// The overlap and standing tests of the hero against element containers, and the container walks
// used by the pause, the animation culling and the movement step.
#include "level/overlap.h"
#include <cmath>
#include <charconv>
#include "engine/animation.h"
#include "level/level_enums.h"
#include "level/text_fields.h"

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));   // default rounding mode: to nearest, halves to even
}

int parseIntOr(const std::string& text, int fallback) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) return fallback;
    return value;
}

IntRect parseHitBox(const std::string& text) {
    const auto fields = splitFields(text, ':');
    auto field = [&](size_t i) { return i < fields.size() ? parseIntOr(fields[i], 0) : 0; };
    return {field(0), field(1), field(2), field(3)};
}

IntRect imageHitBox(const eng::Image& image) {
    if (image.hint.find(':') == std::string::npos) {
        return {roundHalfEven(image.position.x), roundHalfEven(image.position.y), roundHalfEven(image.width),
                roundHalfEven(image.height)};
    }
    const IntRect relative = parseHitBox(image.hint);
    return {roundHalfEven(image.position.x + relative.left), roundHalfEven(image.position.y + relative.top),
            relative.width, relative.height};
}

static bool overlaps(const IntRect& a, const IntRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TResultatCollision chercherCollision(IntPoint position, IntRect box, eng::Node& container, bool freeze) {
    const IntRect searching{position.x + box.left, position.y + box.top, box.width, box.height};
    for (const auto& child : container.children()) {
        auto* image = dynamic_cast<eng::Image*>(child.get());
        if (!image || !overlaps(searching, imageHitBox(*image))) continue;
        if (freeze && image->childCount() > 0) {
            if (auto* animation = dynamic_cast<eng::Animation*>(image->child(0))) animation->stopAtCurrent();
        }
        return {true, image};
    }
    return {};
}

PlatformContact toucherPlateforme(IntPoint p, IntRect r, const eng::Image& platform, HeroGroundFlags& flags) {
    const float X = platform.position.x, Y = platform.position.y;
    const float W = platform.width, H = platform.height;
    const int L = p.x + r.left, R = L + r.width, B = p.y + r.height;
    const bool hit = R > X && X + W > L && B > Y && Y + H >= B - 1 && platform.opacity > 0.3f;
    const auto style = static_cast<TPlateformeStyle>(platform.tag);
    if (style == TPlateformeStyle::horizontal || style == TPlateformeStyle::tombe) {
        flags.enMontee = false;
        flags.enDescente = false;
        return {hit, 0};
    }
    if (!hit) return {};
    const int t = roundHalfEven(L - X);
    if (style == TPlateformeStyle::descend) {
        flags.enDescente = true;
        const float surface = Y + t;
        if (flags.sautEnCours) {
            if (B < surface || p.y > surface) return {};
            flags.sautEnCours = false;
            return {true, t};
        }
        return t >= 1 ? PlatformContact{true, t} : PlatformContact{};
    }
    if (style == TPlateformeStyle::monte) {
        flags.enMontee = true;
        const float surface = Y + H - t;
        const int offset = roundHalfEven(H - t);
        if (flags.sautEnCours) {
            if (surface > B || p.y > surface) return {};
            flags.sautEnCours = false;
            return {true, offset};
        }
        return t >= 0 ? PlatformContact{true, offset} : PlatformContact{};
    }
    return {true, 0};
}

TResultatCollision chercherPlateforme(IntPoint position, IntRect box, eng::Node& container, HeroGroundFlags& flags) {
    for (const auto& child : container.children()) {
        auto* image = dynamic_cast<eng::Image*>(child.get());
        if (!image) continue;
        const PlatformContact contact = toucherPlateforme(position, box, *image, flags);
        if (contact.hit) {
            image->tagFloat = static_cast<float>(contact.offset);
            return {true, image};
        }
    }
    return {};
}

void pauserAnimations(eng::Node& container, bool pause) {
    for (const auto& child : container.children()) {
        if (!dynamic_cast<eng::Image*>(child.get())) continue;
        child->forEachChildOfType<eng::Animation>([pause](eng::Animation& a) { a.pause = pause; });
    }
}

void activerAnimationsProches(eng::Node& container, float fromX, float toX) {
    for (const auto& child : container.children()) {
        auto* image = dynamic_cast<eng::Image*>(child.get());
        if (!image || image->childCount() == 0) continue;
        auto* animation = dynamic_cast<eng::Animation*>(image->child(0));
        if (!animation) continue;
        const float x = image->position.x;
        if (fromX <= x && x <= toX) {
            if (!animation->running()) animation->start();
        } else if (animation->running()) {
            animation->stopAtCurrent();
        }
    }
}

bool decorPlusLargeQueHaut(const std::string& key, const eng::Node& container) {
    const size_t cut = key.find('<') != std::string::npos ? key.find('<') : key.find('>');
    const std::string name = key.substr(0, cut);
    for (const auto& child : container.children()) {
        if (child->name == name) return child->width > child->height;
    }
    return false;
}
