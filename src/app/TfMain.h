// The main window: owner of the game state, every screen, the game zone, the timers and the players.
// One class split by concern across files (TfMain_*.cpp, level/*.cpp, game/*.cpp): each file one concern.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "app/types.h"
#include "engine/controls.h"
#include "engine/effects.h"
#include "engine/engine.h"
#include "engine/media.h"
#include "engine/resources.h"

class TGameIntro;
class TGameMenu;
class TfMap;
class TfStore;
class TGameHistory;
class TGameHowToPlay;

// Each subsystem owns one section of this class. Edit only your own section; keep sections in this order.
class TfMain {
public:
    explicit TfMain(eng::Engine& engine);
    ~TfMain();
    TfMain(const TfMain&) = delete;
    TfMain& operator=(const TfMain&) = delete;

    eng::Engine& engine;

    // ==== application shell: start-up, stages, scaling, sounds, game state (src/app) ====

    // ---- resources: level documents and pictures, searched by name (the runner sets the folders) ----
    eng::Resources resources;

    // ---- window lifecycle and the stage machine (TfMain_startup.cpp, TfMain_stages.cpp) ----
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void FormResize();
    void FormPaint();
    void afficherStage(TStage stage);
    void initialiserFrame();
    void lancerNiveau(const std::string& nom, int initX, int initY, int plan);
    void aniPixelFinish();
    void aniPixel2Finish();
    void appliquerPolice(const std::string& family, eng::Node& root);
    void calculerDemiZoneJeu();
    void libererListes();
    void tFPSTimer();
    void frmGameIntroaniLibelleFinish();
    void frmGameHowToPlaybtnPlayClick();
    void frmGameHistorybtnPlayClick();
    // The high-score table is read at start-up and written at shutdown by the high-score code;
    // until it is plugged in these do nothing (the table stays empty).
    std::function<void()> chargerHighScores;
    std::function<void()> sauverHighScores;
    // Progress is saved under playerName when a zone run ends; plugged in by the saved-games code.
    std::function<void()> sauverPartie;

    // ---- sounds (TfMain_sounds.cpp): file "sons/<name>.mp3" beside the program ----
    static constexpr float VOLUME_EFFET = 0.9f;
    static constexpr float VOLUME_MUSIQUE = 0.7f;
    static std::string cheminSon(const std::string& nom);
    static void chargerSon(eng::MediaPlayer& player, const std::string& nom);
    static void jouerSon(eng::MediaPlayer& player, double volume);
    static void relancerSiArrete(eng::MediaPlayer& player, double volume);

    // Effects of the game stage, loaded by initialiserFrame.
    eng::MediaPlayer MediaSaut, MediaBonusDiamant, MediaBonusNourriture, mpVie, MediaTomber, mpJoueurMeurt,
        MediaTouche, mediaCoup, MediaEnnemiTouche, mpEnnemiMeurt, mpGetConsole, mpUpgradePlayer;
    // Music of the main window: the level's, the boss theme and the game-over tune.
    eng::MediaPlayer MediaMusique, MediaMusiqueBoss, mpMusiqueGameover;

    // ---- stage, scaling and frame-rate counter ----
    TStage activeStage = TStage::intro;
    std::string ficBDD;                 // full path of the high-score file
    float SCALE = 2.5f;
    float SCALE_INITIALE = 2.5f;
    float SCALE_METEO = 2.0f;           // the weather layer's zoom: SCALE, at most 2.0
    float demiZoneJeuW = 0, demiZoneJeuH = 0;   // half the visible game zone, in level units
    float demiJoueurW = 0;
    int FPaintCount = 0;
    float vitesseXMax = 0, vitesseXMaxCourt = 0, vitesseXMaxEnMontee = 0, vitesseXMaxEnMonteeCourt = 0,
          vitesseYMax = 0;

    // ---- identity and play settings ----
    std::string playerName;
    TDifficulte difficulte = TDifficulte::facile;
    int nbVieMaxOption = 0;
    float opacity = 0.4f;
    bool musiques = true;
    bool sons = true;

    // ---- input settings ----
    bool useJoypad = false;
    int codeToucheDroite = 0, codeToucheGauche = 0, codeToucheHaut = 0, codeToucheBas = 0, codeToucheSaut = 0,
        codeToucheAction = 0;
    std::string bAction, bSaut, bPause;   // gamepad button numbers as decimal text
    int configJoypad = -1;                // -1, or the button the set-up waits for (0, 1, 2)
    std::string btnAppuyer;
    std::string directionJoypad;

    // ---- counters ----
    int nbVie = 0;
    int nbBonus = 0;
    int nbPoints = 0;
    float nbEnergie = 75;
    float maxEnergie = 75;
    float endurance = 1.0f;
    int puissanceEpee = 0;
    int tEnnemiToucheDelais = 1000;

    // ---- equipment ----
    bool aEpee = false, aEpee2 = false, aEpee3 = false, aSuperBottes = false, aFreeze = false;

    // ---- consoles and bonus stages won ----
    bool aNes = false, aMS = false, aPC = false, aMD = false, aSNES = false, aNeo = false, aSuper = false;
    bool aNesBonus = false, aMSBonus = false, aPCBonus = false, aMDBonus = false, aSNESBonus = false,
         aSuperBonus = false;

    // ---- zone access (the forest is always open) ----
    bool accesJungle = false, accesVillage = false, accesGrotte = false, accesDesert = false,
         accesMontagnes = false, accesChateau = false;

    // ---- current zone run ----
    std::string niveau;            // "foret", "village", ...: the zone being played
    std::string nomNiveau;         // the zone's first level
    std::string nomNiveauBonus;    // the zone's bonus stage
    bool oneLife = false;
    bool consoleAttrapee = false;
    // Times are date-time values: days, the fraction being the time of day.
    double heureDebut = 0;
    double tempsEcoule = 0;
    double tempsEcouleTotal = 0;
    double MaxTimeEasy = 0, MaxTimeNormal = 0, MaxTimeDifficult = 0;
    double maxTime = 0;
    double saveTime = 0;

    // ---- hero sprite sheets and tile sets: empty until a level fills them ----
    eng::BitmapPtr playerIdle, playerIdleGauche, playerWalk, playerWalkGauche, playerRun, playerRunGauche,
        playerSauter, playerSauterGauche, playerSauterFin, playerSauterFinGauche, playerSauterDerriere,
        playerSauterDevant, playerCrouch, playerCrouchGauche, playerHit, playerHitGauche, playerAttaque1,
        playerAttaque1Gauche, playerAttaque2, playerAttaque2Gauche, playerAttaqueAir, playerAttaqueAirGauche,
        playerMort, playerMortGauche, dustJump, dustLand, tileSet, tileSet2;

    // ---- screens: child frames of the window, owned by the scene tree, hidden at start ----
    TGameIntro* frmGameIntro = nullptr;
    TGameMenu* frmGameMenu = nullptr;
    TfMap* frmMap = nullptr;
    TfStore* frmStore = nullptr;
    TGameHistory* frmGameHistory = nullptr;
    TGameHowToPlay* frmGameHowToPlay = nullptr;

    // ---- the game zone and its layers (owned by the scene tree) ----
    eng::Layout* layZoneJeu = nullptr;       // drawn offscreen at level units, zoomed by SCALE
    eng::Layout* layNiveau2 = nullptr;       // back plane
    eng::Layout* layNiveau = nullptr;        // front plane
    eng::Layout* layDecorDevant = nullptr;
    eng::Layout* layHUD = nullptr;           // top band, 120 high
    eng::Rectangle* recInfoSpecial = nullptr;
    eng::Layout* layMeteo = nullptr;
    eng::Image* joueurBonus = nullptr;
    eng::PixelateEffect* PixelateEffect = nullptr;
    eng::FloatAnimation* aniPixel = nullptr;   // blocks down to 10 as an exit is taken
    eng::FloatAnimation* aniPixel2 = nullptr;  // blocks back up to 600 once the next level runs
    eng::Label* lblFPS = nullptr;
    eng::Label* lblPlan = nullptr;
    eng::Label* lblChrono = nullptr;

    // ---- layers of the window outside the game zone ----
    eng::Layout* layGameOver = nullptr;
    eng::Image* imgPause = nullptr;
    eng::Rectangle* recMenuPause = nullptr;
    eng::Layout* layBonus = nullptr;
    eng::Rectangle* recWaiting = nullptr;    // the "Loading..." panel
    eng::Image* iExplosion = nullptr;
    eng::Image* iParticuleBonus = nullptr;

    // ---- timers, all disabled at start ----
    eng::Timer tGameloop{engine.scheduler(), 16};
    eng::Timer tInvincible{engine.scheduler(), 2000};
    eng::Timer tCourt{engine.scheduler(), 200};
    eng::Timer tPeutCourir{engine.scheduler(), 500};
    eng::Timer tEnnemiTouche{engine.scheduler(), 1000};
    eng::Timer tFPS{engine.scheduler(), 1000};

    // ==== level: document, element model, scene construction, level start (src/level) ====
    void chargerNiveau(const std::string& nom);
    void initialiserNiveau(bool complet, int initX, int initY, int plan);
    void initialiserConteneurs();
    void remplirEnergie();

    // ==== gameplay: frame loop, controls, movement, collisions, planes, pause, game over (src/game) ====
    void deplacerJoueur();

    // ==== world interactions: specials, exits, enemies, sword, bonus stages, shop (src/game, src/screens) ====

    // ==== weather (src/fx) ====
};
