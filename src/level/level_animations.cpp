// Building the movements the level files describe: property animations of platforms and enemies, and the
// two rotations of a turning platform. Enemy animations end in the enemy code's turnaround or barrel landing.
#include <cmath>
#include "app/TfMain.h"
#include "level/animation_description.h"

void TfMain::CreerAnimation(const std::string& animation, eng::Image& parent, bool ennemi, bool aleatoire,
                            bool exploseFin) {
    const auto d = parseAnimationDescription(animation);
    if (!d || d->property == AnimatedProperty::unknown) return;   // "none", malformed, or no property to move
    auto* a = parent.add<eng::FloatAnimation>();
    a->loop = d->loop;
    a->autoReverse = d->autoReverse;
    a->interpolation = d->interpolation;
    a->animationType = d->easing;
    a->duration = static_cast<float>(d->duration);
    if (aleatoire) a->delay = static_cast<float>(engine.random().range(0, 5));
    if (d->delay) a->delay = static_cast<float>(*d->delay);
    const float tile = static_cast<float>(TileSize);
    switch (d->property) {
    case AnimatedProperty::x:
    case AnimatedProperty::xy:
        a->propertyName = "Position.X";
        a->startValue = parent.position.x;
        a->stopValue = a->startValue + d->amount * tile;
        break;
    case AnimatedProperty::y:
        a->propertyName = "Position.Y";
        a->startValue = parent.position.y;
        a->stopValue = a->startValue + d->amount * tile;
        break;
    case AnimatedProperty::opacity:
    case AnimatedProperty::rotation:
        a->propertyName = d->property == AnimatedProperty::opacity ? "Opacity" : "RotationAngle";
        a->startValue = 0;
        a->stopValue = static_cast<float>(d->amount);
        a->delay = 0.5f * static_cast<float>(engine.random().range(0, 4));
        if (d->property == AnimatedProperty::rotation) ennemi = false;   // a spinning enemy never turns round
        break;
    case AnimatedProperty::unknown:
        break;
    }
    if (d->property == AnimatedProperty::xy) CreerAnimation(d->verticalTwin, parent, ennemi, false, exploseFin);
    if (ennemi) {
        const int pv = static_cast<int>(std::lround(parent.tagFloat));
        if (pv == pvCode::baril) {
            a->onFinish = [this](eng::Animation& fin) {
                if (!effacementEnCours && onFinChuteBaril) onFinChuteBaril(static_cast<eng::FloatAnimation&>(fin));
            };
        } else if (pv != pvCode::eauMontante) {
            a->onFinish = [this](eng::Animation& fin) {
                if (!effacementEnCours && onDeplacerEnnemiFinish)
                    onDeplacerEnnemiFinish(static_cast<eng::FloatAnimation&>(fin));
            };
        }
    }
    a->start();
}

void TfMain::CreerAnimationTournante(const std::string& animation, eng::Image& image) {
    const auto d = parseTurningDescription(animation);
    if (!d || !image.parent()) return;
    auto* pivot = image.parent()->add<eng::Layout>();
    pivot->hitTest = false;
    pivot->position = image.position;
    image.setParent(pivot);
    image.position = {static_cast<float>(d->offsetX * SCALE), static_cast<float>(d->offsetY * SCALE)};
    auto rotation = [&](eng::Node& target, float from, float to) {
        auto* a = target.add<eng::FloatAnimation>();
        a->propertyName = "RotationAngle";
        a->loop = d->loop;
        a->autoReverse = d->autoReverse;
        a->interpolation = d->interpolation;
        a->animationType = d->easing;
        a->duration = static_cast<float>(d->duration);
        a->delay = static_cast<float>(d->delay);
        a->startValue = from;
        a->stopValue = to;
        return a;
    };
    // The platform circles the pivot while its own counter-rotation keeps the picture level.
    auto* autourDuPivot = rotation(*pivot, static_cast<float>(d->startAngle), static_cast<float>(d->stopAngle));
    auto* surPlace = rotation(image, -static_cast<float>(d->startAngle), -static_cast<float>(d->stopAngle));
    autourDuPivot->start();
    surPlace->start();
}
