// Rain, snow and fog: creating the particles, one step of their motion with recycling, and drawing them.
// Every chance comes from the game's one seeded random source, so a weather run replays identically.
#include "fx/TMeteo.h"
#include <algorithm>
#include <cmath>
#include "fx/weather_canvas.h"

namespace {

int randomBelow(eng::Random& random, float bound) {
    return random.nextInt(static_cast<int>(std::nearbyint(bound)));
}

}  // namespace

TMeteo::TMeteo(float width, float height, int count, TTypeGoutte kind, eng::Random& random,
               FogPictureLoader loadFogPicture)
    : FWidth(width), FHeight(height), FNbFlocons(count), FTypeGoutte(kind), random_(random),
      loadFogPicture_(std::move(loadFogPicture)) {
    createParticles();
}

TMeteo::~TMeteo() = default;

void TMeteo::setFloconsCount(int count) {
    if (count == FNbFlocons) return;
    FGouttes.clear();
    FNbFlocons = count;
    createParticles();
}

void TMeteo::createParticles() {
    FGouttes.reserve(static_cast<size_t>(std::max(FNbFlocons, 0)));
    for (int i = 0; i < FNbFlocons; ++i) {
        auto goutte = std::make_unique<TGoutte>();
        goutte->typeGoutte = FTypeGoutte;
        initParticle(*goutte);
        FGouttes.push_back(std::move(goutte));
    }
}

float TMeteo::fogSpeed() {
    return std::max(0.1f, random_.rangeF(0.0f, 0.25f));
}

void TMeteo::initParticle(TGoutte& g) {
    g.Position = {static_cast<float>(randomBelow(random_, FWidth)), static_cast<float>(randomBelow(random_, FHeight))};
    switch (FTypeGoutte) {
    case TTypeGoutte::neige:
        g.taille = static_cast<float>(random_.range(1, 2));
        g.Speed = 0.3f * static_cast<float>(random_.range(1, 3));
        g.opacite = 1;
        break;
    case TTypeGoutte::pluie:
        g.taille = static_cast<float>(random_.range(1, 3));
        g.Speed = g.taille;
        g.opacite = 1;
        break;
    case TTypeGoutte::brouillard: {
        const std::string name = "brouillard" + std::to_string(random_.range(1, 3)) + ".png";
        g.bmp = loadFogPicture_ ? loadFogPicture_(name) : nullptr;
        if (!g.bmp) g.bmp = std::make_shared<eng::Bitmap>();
        const float w = static_cast<float>(g.bmp->width()), h = static_cast<float>(g.bmp->height());
        g.Position.x = static_cast<float>(randomBelow(random_, FWidth + 2 * w)) - w;
        g.Position.y = static_cast<float>(randomBelow(random_, FHeight + 2 * h)) - h;
        g.taille = 1;
        g.Speed = fogSpeed();
        g.opacite = 0.1f * static_cast<float>(random_.range(2, 5));
        break;
    }
    }
}

void TMeteo::renewFogPatch(TGoutte& g) {
    const float h = static_cast<float>(g.bmp ? g.bmp->height() : 0);
    g.Speed = fogSpeed();
    g.opacite = std::max(0.2f, random_.rangeF(0.0f, 0.75f));
    g.Position.x = FWidth;
    g.Position.y = (static_cast<float>(randomBelow(random_, FHeight + 2 * h)) - h) * 0.5f;
}

void TMeteo::Update() {
    for (const auto& goutte : FGouttes) {
        TGoutte& g = *goutte;
        if (g.Position.y > FHeight) {   // fallen out: back to the top, no move this step
            g.Position = {static_cast<float>(randomBelow(random_, FWidth)), -5.0f};
            continue;
        }
        switch (g.typeGoutte) {
        case TTypeGoutte::neige:
            g.Position.x += (random_.nextInt(2) == 0 ? -1.5f : 0.0f) + FSpeedX;
            g.Position.y += g.Speed + FSpeedY;
            break;
        case TTypeGoutte::pluie:
            g.Position.x += FSpeedX;
            g.Position.y += g.Speed + FSpeedY;
            break;
        case TTypeGoutte::brouillard:
            if (g.Position.x < -static_cast<float>(g.bmp ? g.bmp->width() : 0)) renewFogPatch(g);
            g.Position.x -= g.Speed;   // fog ignores the drift
            break;
        }
    }
}

void TMeteo::Draw(WeatherCanvas& canvas) const {
    for (const auto& goutte : FGouttes) goutte->Draw(canvas);
}

void TGoutte::Draw(WeatherCanvas& canvas) const {
    const float x = Position.x, y = Position.y;
    switch (typeGoutte) {
    case TTypeGoutte::neige: {
        const eng::AlphaColor color = Speed > 0.8f ? 0xFFFFFAFA : Speed > 0.4f ? 0xFFFFFFFF : 0xFFF5F5F5;
        canvas.fillEllipse(x - taille, y - taille, x + taille, y + taille, color, 1.0f);
        break;
    }
    case TTypeGoutte::pluie: {
        const eng::AlphaColor color = Speed > 0.8f ? 0xFFADD8E6 : Speed > 0.4f ? 0xFF87CEFA : 0xFFB0C4DE;
        canvas.drawVerticalLine(x, y - taille, y + taille, color, 0.8f);
        break;
    }
    case TTypeGoutte::brouillard:
        if (bmp) canvas.drawBitmap(*bmp, x, y, opacite);
        break;
    }
}
