// The table of sound names the game loads, each with its kind and renderer.
// Names are the file names the game asks for, letter case included.
#include "catalog.h"

namespace audio {

const std::vector<SoundEntry>& catalog() {
  static const std::vector<SoundEntry> entries = {
      {"phaseJump1", SoundKind::Effect, jumpEffect},
      {"coin2", SoundKind::Effect, diamondEffect},
      {"upgrade1", SoundKind::Effect, foodEffect},
      {"upgrade2", SoundKind::Effect, extraLifeEffect},
      {"fall2", SoundKind::Effect, fallOutEffect},
      {"fall5", SoundKind::Effect, deathEffect},
      {"impactPunch_medium_000", SoundKind::Effect, hurtEffect},
      {"woosh2", SoundKind::Effect, swordSwingEffect},
      {"impactPlate_light_004", SoundKind::Effect, enemyHitEffect},
      {"hit5", SoundKind::Effect, enemyKilledEffect},
      {"upgrade5", SoundKind::Effect, consoleEffect},
      {"click1", SoundKind::Effect, clickEffect},
      {"powerUp7", SoundKind::Effect, nameCodeEffect},
      {"AAPMusic01_Looped", SoundKind::Loop, forestMusic},
      {"AAPMusic02_Looped", SoundKind::Loop, villageMusic},
      {"AAPMusic03_Looped", SoundKind::Loop, jungleMusic},
      {"AAPMusic04_Looped", SoundKind::Loop, mountainMusic},
      {"AAPMusic05_Looped", SoundKind::Loop, castleMusic},
      {"AAPMusic06_Looped", SoundKind::Loop, caveMusic},
      {"BossTheme", SoundKind::Loop, bossMusic},
      {"Flowing-Rocks", SoundKind::Loop, bonusMusic},
      {"GameOver", SoundKind::Once, gameOverMusic},
      {"Intro_Theme", SoundKind::Once, introMusic},
      {"Drumming-Sticks", SoundKind::Loop, menuMusic},
      {"WackyWaiting", SoundKind::Loop, storyMusic},
      {"MusicMap", SoundKind::Loop, mapMusic},
      {"ItalianMom", SoundKind::Loop, tavernMusic},
      {"Sad-Town", SoundKind::Loop, sadTownMusic},
  };
  return entries;
}

const SoundEntry* findSound(std::string_view name) {
  for (const SoundEntry& entry : catalog()) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace audio
