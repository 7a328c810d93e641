// Sound rules: the file of a sound name, silence without the "sons" folder, a missing file keeping the
// player's previous sound, restart-only-when-stopped, and the fixed volumes of effects and music.
#include "app_fixture.h"
#include "screens/TGameHistory.h"
#include "screens/TGameIntro.h"
#include "screens/TGameMenu.h"
#include "screens/TfMap.h"
#include "wav_file.h"

namespace {

class SoundsTest : public AppFixture {
protected:
    void fournirSon(const std::string& nom) { ecrireSonMuet((tempDir / "sons" / (nom + ".mp3")).string()); }
};

TEST_F(SoundsTest, SoundFileIsTheNameExactlyInTheSonsFolder) {
    TfMain::dossierSons.clear();
    EXPECT_EQ(TfMain::cheminSon("impactPunch_medium_000"), eng::programDir() + "/sons/impactPunch_medium_000.mp3");
    fournirSon("coin2");
    TfMain::dossierSons = (tempDir / "sons").string();
    eng::MediaPlayer player;
    TfMain::chargerSon(player, "COIN2");   // letter case counts
    EXPECT_FALSE(player.hasMedia());
    TfMain::chargerSon(player, "coin2");
    EXPECT_TRUE(player.hasMedia());
}

TEST_F(SoundsTest, WithoutTheSonsFolderTheGameStageIsSilent) {
    TfMain::dossierSons = (tempDir / "nowhere").string();
    demarrer();
    fenetre->initialiserFrame();
    for (eng::MediaPlayer* player :
         {&fenetre->MediaSaut, &fenetre->MediaBonusDiamant, &fenetre->mpVie, &fenetre->MediaTouche,
          &fenetre->mpGetConsole, &fenetre->MediaMusiqueBoss, &fenetre->mpMusiqueGameover}) {
        EXPECT_FALSE(player->hasMedia());
        TfMain::jouerSon(*player, TfMain::VOLUME_EFFET);
        EXPECT_EQ(player->state(), eng::MediaState::None);
    }
    EXPECT_FALSE(fenetre->frmGameIntro->MediaPlayerMusique.hasMedia());
}

TEST_F(SoundsTest, AMissingFileLeavesThePlayersPreviousSound) {
    fournirSon("BossTheme");
    eng::MediaPlayer player;
    TfMain::chargerSon(player, "BossTheme");
    const std::string avant = player.fileName();
    TfMain::chargerSon(player, "absent");
    EXPECT_TRUE(player.hasMedia());
    EXPECT_EQ(player.fileName(), avant);
}

TEST_F(SoundsTest, RestartIfStoppedActsOnlyOnAStoppedPlayer) {
    eng::MediaPlayer sansMedia;
    sansMedia.setVolume(0.3f);
    TfMain::relancerSiArrete(sansMedia, 0.7);
    EXPECT_EQ(sansMedia.state(), eng::MediaState::None);
    EXPECT_FLOAT_EQ(sansMedia.volume(), 0.3f);

    fournirSon("music");
    eng::MediaPlayer musique;
    TfMain::chargerSon(musique, "music");
    ASSERT_EQ(musique.state(), eng::MediaState::Stopped);
    TfMain::relancerSiArrete(musique, 0.7);
    EXPECT_EQ(musique.state(), eng::MediaState::Playing);
    EXPECT_FLOAT_EQ(musique.volume(), 0.7f);
    TfMain::relancerSiArrete(musique, 0.2);   // already playing: left alone
    EXPECT_FLOAT_EQ(musique.volume(), 0.7f);
}

TEST_F(SoundsTest, PlaySoundRestartsFromTheStartAtTheGivenVolume) {
    fournirSon("coin2");
    eng::MediaPlayer effet;
    TfMain::chargerSon(effet, "coin2");
    TfMain::jouerSon(effet, 0.9);
    EXPECT_EQ(effet.state(), eng::MediaState::Playing);
    TfMain::jouerSon(effet, 0.5);   // a repeat restarts the same player
    EXPECT_EQ(effet.state(), eng::MediaState::Playing);
    EXPECT_FLOAT_EQ(effet.volume(), 0.5f);
}

TEST_F(SoundsTest, GameStageLoadsEveryEffectAndTheBossAndGameOverMusic) {
    const std::pair<eng::MediaPlayer TfMain::*, const char*> table[] = {
        {&TfMain::MediaSaut, "phaseJump1"},
        {&TfMain::MediaBonusDiamant, "coin2"},
        {&TfMain::MediaBonusNourriture, "upgrade1"},
        {&TfMain::mpVie, "upgrade2"},
        {&TfMain::MediaTomber, "fall2"},
        {&TfMain::mpJoueurMeurt, "fall5"},
        {&TfMain::MediaTouche, "impactPunch_medium_000"},
        {&TfMain::mediaCoup, "woosh2"},
        {&TfMain::MediaEnnemiTouche, "impactPlate_light_004"},
        {&TfMain::mpEnnemiMeurt, "hit5"},
        {&TfMain::mpGetConsole, "upgrade5"},
        {&TfMain::mpUpgradePlayer, "coin2"},
        {&TfMain::MediaMusiqueBoss, "BossTheme"},
        {&TfMain::mpMusiqueGameover, "GameOver"},
    };
    for (const auto& [player, nom] : table) fournirSon(nom);
    demarrer();
    fenetre->initialiserFrame();
    for (const auto& [player, nom] : table)
        EXPECT_EQ((fenetre.get()->*player).fileName(), TfMain::cheminSon(nom)) << nom;
}

TEST_F(SoundsTest, ScreensUseTheMusicAndEffectVolumes) {
    for (const char* nom : {"Intro_Theme", "Drumming-Sticks", "click1", "powerUp7", "WackyWaiting", "MusicMap"})
        fournirSon(nom);
    demarrer();
    EXPECT_FLOAT_EQ(fenetre->frmGameIntro->MediaPlayerMusique.volume(), 0.7f);
    EXPECT_EQ(fenetre->frmGameIntro->MediaPlayerMusique.state(), eng::MediaState::Playing);
    fenetre->afficherStage(TStage::menu);
    EXPECT_EQ(fenetre->frmGameMenu->mpMusique.fileName(), TfMain::cheminSon("Drumming-Sticks"));
    EXPECT_EQ(fenetre->frmGameMenu->mpSonCheat.fileName(), TfMain::cheminSon("powerUp7"));
    EXPECT_FLOAT_EQ(fenetre->frmGameMenu->mpMusique.volume(), 0.7f);

    fenetre->afficherStage(TStage::history);
    fenetre->sons = true;
    fenetre->frmGameHistorybtnPlayClick();
    EXPECT_EQ(fenetre->frmGameHistory->mpClic.state(), eng::MediaState::Playing);
    EXPECT_FLOAT_EQ(fenetre->frmGameHistory->mpClic.volume(), 0.9f);
    // The map's music keeps the player's own volume and plays because music is on.
    EXPECT_EQ(fenetre->frmMap->mpMusique.fileName(), TfMain::cheminSon("MusicMap"));
    EXPECT_FLOAT_EQ(fenetre->frmMap->mpMusique.volume(), 1.0f);
    EXPECT_EQ(fenetre->frmMap->mpMusique.state(), eng::MediaState::Playing);
}

TEST_F(SoundsTest, StoryClickIsSilentWithSoundsOff) {
    fournirSon("click1");
    demarrer();
    fenetre->afficherStage(TStage::history);
    fenetre->sons = false;
    fenetre->frmGameHistorybtnPlayClick();
    EXPECT_EQ(fenetre->frmGameHistory->mpClic.state(), eng::MediaState::Stopped);
}

}  // namespace
