// The weather: rain, snow or fog as a small particle system that steps and draws itself once a frame.
// Particles are recycled, never added or removed while it runs; drawing is plain discs, lines and pictures.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "engine/bitmap.h"
#include "engine/random.h"

enum class TTypeGoutte { neige = 0, pluie = 1, brouillard = 2 };

class WeatherCanvas;

// One particle: a snowflake, a raindrop or a fog patch.
class TGoutte {
public:
    eng::PointF Position;
    float Speed = 0;        // per step: down for snow and rain, left for fog
    float taille = 1;       // snowflake radius, half a raindrop's length
    float opacite = 1;      // fog patch opacity
    eng::BitmapPtr bmp;     // fog picture
    TTypeGoutte typeGoutte = TTypeGoutte::neige;

    void Draw(WeatherCanvas& canvas) const;
};

class TMeteo {
public:
    using FogPictureLoader = std::function<eng::BitmapPtr(const std::string& name)>;

    TMeteo(float width, float height, int count, TTypeGoutte kind, eng::Random& random,
           FogPictureLoader loadFogPicture = {});
    ~TMeteo();
    TMeteo(const TMeteo&) = delete;
    TMeteo& operator=(const TMeteo&) = delete;

    void Update();
    void Draw(WeatherCanvas& canvas) const;

    float FSpeedX = 0;   // horizontal drift of snow and rain, follows the hero (frame update)
    float FSpeedY = 0;
    void setFloconsCount(int count);
    int floconsCount() const { return FNbFlocons; }

    float width() const { return FWidth; }
    float height() const { return FHeight; }
    TTypeGoutte kind() const { return FTypeGoutte; }
    const std::vector<std::unique_ptr<TGoutte>>& gouttes() const { return FGouttes; }

private:
    float FWidth, FHeight;
    std::vector<std::unique_ptr<TGoutte>> FGouttes;
    int FNbFlocons;
    TTypeGoutte FTypeGoutte;
    eng::Random& random_;
    FogPictureLoader loadFogPicture_;

    void createParticles();
    void initParticle(TGoutte& g);
    void renewFogPatch(TGoutte& g);
    float fogSpeed();
};
