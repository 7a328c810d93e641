// Every sound the game plays, by its file name: the effects, the looping music and the pieces played once.
// The renderers are pure functions: the same name always gives the same samples.
#pragma once

#include <string_view>
#include <vector>

#include "voice.h"

namespace audio {

enum class SoundKind { Effect, Loop, Once };

struct SoundEntry {
  std::string_view name;
  SoundKind kind;
  Samples (*render)();
};

const std::vector<SoundEntry>& catalog();
const SoundEntry* findSound(std::string_view name);

// The renderers, one per sound (effects.cpp and music/*.cpp).
Samples jumpEffect();
Samples diamondEffect();
Samples foodEffect();
Samples extraLifeEffect();
Samples fallOutEffect();
Samples deathEffect();
Samples hurtEffect();
Samples swordSwingEffect();
Samples enemyHitEffect();
Samples enemyKilledEffect();
Samples consoleEffect();
Samples clickEffect();
Samples nameCodeEffect();

Samples forestMusic();
Samples villageMusic();
Samples jungleMusic();
Samples mountainMusic();
Samples castleMusic();
Samples caveMusic();
Samples bossMusic();
Samples bonusMusic();
Samples gameOverMusic();
Samples introMusic();
Samples menuMusic();
Samples storyMusic();
Samples mapMusic();
Samples tavernMusic();
Samples sadTownMusic();

}  // namespace audio
