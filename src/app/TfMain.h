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
#include "game/game_types.h"
#include "fx/TMeteo.h"
#include "level/TBonus.h"
#include "level/TDecor.h"
#include "level/TDecorFromTile.h"
#include "level/TEnnemi.h"
#include "level/TPlateforme.h"
#include "level/TScrolling.h"
#include "level/TSpecial.h"
#include "level/element_images.h"
#include "level/level_enums.h"
#include "level/overlap.h"

class TGameIntro;
class LevelDocument;
struct Placement;
class TGameMenu;
class TfMap;
class TfStore;
class TGameHistory;
class TGameHowToPlay;

// Each subsystem owns one section of this class. Edit only your own section; keep sections in this order.
class TfMain {
public:
    // The resource folders come first so that the pictures the window builds with (head-up display, pause,
    // game over) are found; tests pass none and add their fixture folders afterwards.
    explicit TfMain(eng::Engine& engine, const std::vector<std::string>& resourceDirs = {});
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
    // An on-screen keyboard of `hauteurClavier` pixels: the menu shrinks above it so the name box stays visible.
    void FormVirtualKeyboardShown(float hauteurClavier);
    void FormVirtualKeyboardHidden();
    void frmGameIntroaniLibelleFinish();
    void frmGameHowToPlaybtnPlayClick();
    void frmGameHistorybtnPlayClick();
    // Gives the game zone the window's size in its own units (window size divided by its zoom).
    void ajusterZoneJeu();
    // The zoom for a display mode: 2.5 in a window; in full screen wider than 1920, SCALE_INITIALE grown in
    // proportion to the width; otherwise full screen keeps the current SCALE.
    float scalePourAffichage(bool pleinEcran, float largeurFenetre) const;

    // ---- sounds (TfMain_sounds.cpp): file "sons/<name>.mp3" beside the program ----
    static constexpr float VOLUME_EFFET = 0.9f;
    static constexpr float VOLUME_MUSIQUE = 0.7f;
    inline static std::string dossierSons;   // empty: "sons" beside the program (tests point it elsewhere)
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
    std::vector<eng::BitmapPtr*> bitmapsJoueur();   // the sheets and tile sets above, in that order

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

private:
    void entrerIntro();
    void entrerMenu();
    void entrerCarte();
    void entrerJeu();
    void entrerHistoire();
    void entrerTutoriel();
    void quitterMenu();      // stops the menu's animations and music and hides it
    void prendreManette();   // useJoypad from the options' input choice
    void viderListes();      // every element definition list of both planes, and the parallax list
    void demarrerNiveau(const std::string& nom, int initX, int initY, int plan);   // a level launch proper
    void chargerSonsJeu();   // the effects and the boss and game-over music of the game stage
    static void couvrirZone(TScrolling& strip, float W, float H);
    void construireZoneJeu(eng::Layout& root);
    void construireCouches(eng::Layout& root);
    std::vector<eng::Node*> noeudsFenetre_;   // the window's top-level nodes, removed with it
public:

    // ==== level: document, element model, scene construction, level start (src/level) ====
    void chargerNiveau(const std::string& nom);
    void initialiserNiveau(bool complet, int initX, int initY, int plan);
    void initialiserConteneurs();
    void remplirEnergie();

    // ---- scene pieces of the level (level_scene.cpp): created once by creerSceneNiveau, which the
    //      window's start-up calls after the game zone and its plane layers exist ----
    void creerSceneNiveau();
    // Containers of element images, plane 1 (in layNiveau) and plane 2 (in layNiveau2).
    eng::Layout *recDecor = nullptr, *recPlateforme = nullptr, *recEnnemi = nullptr, *recBonus = nullptr,
                *recDecorBloquant = nullptr, *recDecorAnime = nullptr, *recSpeciaux = nullptr,
                *recPlateformeTournante = nullptr;
    eng::Layout *recBonus2 = nullptr, *recDecor2 = nullptr, *recDecorAnime2 = nullptr, *recDecorBloquant2 = nullptr,
                *recEnnemi2 = nullptr, *recPlateforme2 = nullptr, *recSpeciaux2 = nullptr,
                *recDecorDevant2 = nullptr;
    eng::Image* joueur = nullptr;                    // the hero, in the plane he is on
    eng::BitmapListAnimation* aniPlayer = nullptr;   // the hero's sprite sheet
    eng::Image* joueurPoussiere = nullptr;           // the hero's dust
    eng::Rectangle *recNuit = nullptr, *recNuitHaut = nullptr, *recNuitBas = nullptr, *recNuitGauche = nullptr,
                   *recNuitDroite = nullptr;         // the night overlay and its four dark sides
    eng::Rectangle *recEnergie = nullptr, *recMarqueurEnergie = nullptr;   // energy bar in the HUD
    eng::Layout* layNomNiveau = nullptr;             // the level title, faded out by aniNomNiveau
    eng::Label* lblNomNiveau = nullptr;
    eng::FloatAnimation* aniNomNiveau = nullptr;
    eng::FloatAnimation* aniPlateforme = nullptr;    // the falling-platform drop, moved into the platform
    void aniPlateformeFinish();

    // ---- values read from the level document (level_load.cpp) ----
    int nbCol = 0, nbLg = 0;
    bool night = false;
    int TileSize = 0;
    float demiTile = 0;
    bool niveauBonus = false;
    std::string meteo;
    bool meteoBack = false;
    bool needConsole = false;
    int nbTilePerLine = 0;
    float gravite = 0;
    std::string musique;
    int playerStartPosX = 0, playerStartPosY = 0;   // pixels
    IntRect playerHitBox;
    int attaqueHitBox = 0;
    std::string decor, decorImage, decorFromTileSet, plateformes, bonus, ennemis, ennemisNormal, ennemisDifficile,
        speciaux;
    std::string decor2, decorImage2, decorFromTileSet2, plateformes2, bonus2, ennemis2, ennemisNormal2,
        ennemisDifficile2, speciaux2;
    int tailleNiveauWidth = 0, tailleNiveauHeight = 0;   // the front plane's level picture
    int nbEnnemi = 0;          // enemies built
    int nbBonusMax = 0;        // animated diamonds built
    bool presenceBaril = false;
    eng::Image* parentBaril = nullptr;   // the barrel launcher (the last one built)
    bool decorAnimeDevantDecor = false, decorAnime2DevantDecor2 = false;
    // The hero's ground flags (sautEnCours, enMontee, enDescente), written by the standing test.
    HeroGroundFlags sol;

    // ---- definition lists, refilled by every load; one set serves both planes ----
    std::vector<TScrolling*> listeScrollings;   // the layers live in the game zone
    std::vector<TDecor> listeDecor;
    std::vector<std::unique_ptr<TDecorFromTile>> listeDecorsTileset;
    std::vector<std::unique_ptr<TPlateforme>> listePlateformes;
    std::vector<TBonus> listeBonus;
    std::vector<TEnnemi> listeEnnemis;
    std::vector<TSpecial> listeSpecial;

    // ---- construction (level_build_*.cpp) ----
    void genererDecor(const std::string& placements, bool niveau2);
    void genererDecorFromTileSet(const std::string& placements, bool niveau2);
    void genererPlateformes(const std::string& placements, bool niveau2);
    void genererBonus(const std::string& placements, bool niveau2);
    void genererDecorImage(const std::string& nomImage, bool niveau2);
    void genererEnnemis(const std::string& placements, bool niveau2);
    void genererSpeciaux(const std::string& placements, bool niveau2);
    void CreerAnimation(const std::string& animation, eng::Image& parent, bool ennemi, bool aleatoire,
                        bool exploseFin);
    void CreerAnimationTournante(const std::string& animation, eng::Image& image);
    // End actions of enemy movements, plugged in by the enemy code: the turnaround and a barrel's landing.
    std::function<void(eng::FloatAnimation&)> onDeplacerEnnemiFinish;
    std::function<void(eng::FloatAnimation&)> onFinChuteBaril;
    // A picture by file name ("images/idle.png" finds IDLE); names without ".png" leave it unchanged.
    void chargerImage(eng::Bitmap& target, const std::string& nom);
    eng::BitmapPtr chargerImage(const std::string& nom);   // a new picture (empty without ".png")

    // ---- clearing (level_clear.cpp) ----
    void SupprimerAnimations(eng::Node& unRec);
    void libererObjet(eng::Node& objet);
    void viderConteneur(eng::Node& conteneur);
    void dimensionnerMeteo();
    bool effacementEnCours = false;   // end actions do nothing while a level is being cleared
    // After a load error has been reported: clear the half-built level and go back to the map (or the
    // menu when no zone run is under way), keeping the player's progress.
    void quitterNiveauApresErreur();

    // ---- level start (level_start.cpp, level_start_sequence.cpp) ----
    void relancerEauMontante(eng::Node& conteneur);
    int oldTileX = 0;   // the hero's tile column at the last level start or tile change
    // The bonus-stage code shows Ready and Go and starts the frame loop itself; empty: the loop starts at once.
    std::function<void()> preparerNiveauBonus;
    // Called at the end of every clearing: other code drops what it kept of the old level.
    std::function<void()> onNiveauEfface;

    // ---- helpers of the load and the start ----
    std::string nomNiveauCharge;   // the level being (or last) loaded, named in load errors
    void lireMeteo(const std::string& valeur);
    void lirePlacements(const LevelDocument& doc);
    void chargerImagesJoueur(const LevelDocument& doc);
    void prechargerImagesDesPlans();
    void creerScrolling(const LevelDocument& doc, size_t index);
    void construirePlan(bool niveau2);
    void empilerConteneurs();
    void chargerImageDans(eng::BitmapPtr& target, const std::string& nom);
    void habillerElement(eng::Image& image, const std::string& picture, int count, float duration, int rows,
                         bool autoReverse, eng::Interpolation interpolation);
    void placerElement(eng::Image& image, const Placement& placement);
    eng::BitmapPtr bandeDeTuiles(const TPlateforme& plateforme, bool niveau2);
    void placerNuit();
    void ajusterZoneAuNiveau();
    void placerCameraVerticale();
    void placerScrollings();
    void reinitialiserEtatJoueur();
    void placerPlan(int plan);
    void demarrerComplet(int initX, int initY);
    void placerJoueurEtCamera(int initX, int initY);
    void lancerBoucle();

    // ==== gameplay: frame loop, controls, movement, collisions, planes, pause, game over (src/game) ====
    // Builds the head-up display, the pause sign and its strip, the game-over screen, the gameplay
    // animations, and wires the gameplay timers, the hero's animation ends and the window's key handlers.
    // Called by the window's construction after creerSceneNiveau.
    void creerInterfaceJeu();

    // ---- frame loop (game_loop.cpp, countdown.cpp, frame_steps.cpp) ----
    void tGameloopTimer();
    void boucleJeu();
    void boucleNiveau();
    bool estFinDeJeu();
    void gererAnimations();
    void mettreAJourChrono();
    void animerMeteo();
    void suivreNuit();
    void entretenirMusique();
    void declencherBaril();
    void tInvincibleTimer();
    void tCourtTimer();
    void tPeutCourirTimer();
    void aniPlayerFinish();
    void aniPoussiereFinish();
    double maintenant() const;           // the clock as a date-time (days)
    double tempsRestant() const;         // the countdown's time left (days)
    void ajouterTempsEcoule();           // adds the current stretch of play to tempsEcoule
    std::int64_t ticksJoues = 0;         // game ticks run since the program started (replays count them)

    // ---- keyboard (controls.cpp) ----
    void FormKeyDown(const eng::KeyEvent& e);
    void FormKeyUp(const eng::KeyEvent& e);
    void gererTouches();
    void stopperMouvement(bool droite);
    void initialiserTouches(bool initierAction);
    void verifierCourse();
    void relacherDirection();
    void relacherHautBas();
    void regarderHaut();
    void accroupir();
    void deplacerBonusDroite();
    void deplacerBonusGauche();
    void deplacerBonusHaut();
    void deplacerBonusBas();
    bool toucheDroite = false, toucheGauche = false, toucheHaut = false, toucheBas = false, toucheSauter = false,
         toucheAction = false;
    bool detecterPeutCourirDroite = false, detecterPeutCourirGauche = false;
    int countRight = 0, countLeft = 0;
    bool peutCourirDroite = false, peutCourirGauche = false, joueurCourt = false;
    float accelerationH = 0, accelerationV = 0;   // the bonus-stage hero's speeds

    // ---- movement, jumping and camera (movement.cpp, camera.cpp) ----
    void avancer();
    void reculer();
    void sauter();
    void orienterSaut();
    void afficherPoussiereSaut();
    IntPoint getPositionJoueur() const;
    void deplacerJoueur();
    void deplacerNiveaux();
    void deplacementNormal();
    void deplacementBornerX();
    void deplacementBornerY();
    void deplacementBornerHautBas();
    void deplacementBornerHautBasEtGaucheDroite();
    void deplacerScrollings(TAxes axe, float vitesseX, float vitesseYScolling, bool deplacementPlateforme);
    void mettreScrollingPremierPlan();
    float vitesseX = 0, vitesseY = 0;    // per tick; vitesseX < 0 while moving right
    float oldPosY = 0;
    TDirection direction = TDirection::droite, oldDirection = TDirection::droite;
    TAnimationJoueur oldAnimation = TAnimationJoueur::idleDroite;
    bool bornerAGauche = false, bornerADroite = false, bornerEnHaut = false, bornerEnBas = false;
    eng::BitmapListAnimation* aniPoussiere = nullptr;   // the dust's sheet, on joueurPoussiere

    // ---- collision pass (collisions.cpp) ----
    TCollisionAvec testerCollisions();
    void setAnimationPrecedente();
    void aniParticuleBonusProcess();
    void aniParticuleBonusFinish();
    bool enCollisionAvecPlateforme = false;
    float oldPlateformePosX = 0;
    std::string nomDecorTouche;
    bool aniPoussiereJouee = true;
    eng::FloatAnimation* aniParticuleBonus = nullptr;   // the sparkle's growth, on iParticuleBonus

    // ---- planes (planes.cpp) ----
    bool Niveau2Possible() const;
    void passerSurPlan2();
    void passerSurPlan1();
    void basculerSurPlan2();
    void basculerSurPlan1();
    void aniBasculePlanProcess();
    void aniBasculePlan1Finish();
    void aniBasculePlan2Finish();
    bool estSurPlan2 = false;
    bool basculePlanEnCours = false;
    eng::FloatAnimation* aniBasculePlan1 = nullptr;   // on layNiveau: opacity back to 1
    eng::FloatAnimation* aniBasculePlan2 = nullptr;   // on layNiveau: opacity down to `opacity`
    eng::FloatAnimation* aniApercuPlan = nullptr;     // on layNiveau: the up-key preview of the back plane

    // ---- pause, game over, back to the menu (pause.cpp, game_over.cpp) ----
    void basculerPause(bool avecImage);
    bool pauseTenueAilleurs() const;
    void imgMusicsClick();
    void imgSoundClick();
    void imgJoypadClick();
    void imgFPSClick();
    void finDePartie();
    void arreterNiveau();
    void btnBackToMenuClick();
    // The game-over entry of the high-score table (player, points, date, difficulty); plugged in by the
    // high-score code. Empty: game over adds nothing.
    std::function<void()> ajouterHighScore;
    bool enPause = false;
    int composantActif = 0;     // gamepad focus code (10 to 13 on the pause strip)
    eng::Image *imgMusics = nullptr, *imgSound = nullptr, *imgJoypad = nullptr, *imgFPS = nullptr;
    eng::Image* imgGameover = nullptr;
    eng::Rectangle* btnBackToMenu = nullptr;

    // ---- life of the hero in the running level ----
    bool estMort = false;
    bool invincible = false;
    eng::Effect* effetTouche = nullptr;   // the hurt glow on the hero (created by the enemy code)
    // Read by the frame and the steps; written by the sword, enemy and specials code.
    bool attaqueEncours = false, gestionAttaqueEncours = false, enCollisionAvecEnnemi = false;
    bool musiqueChangee = false;          // the boss music replaced the level music
    int attaque = 1;                      // the next ground attack (1 or 2)
    bool BarilExplosionEnCours = false;

    // ---- head-up display (hud.cpp); lblChrono, lblPlan, lblFPS, recEnergie are the shell's and level's ----
    eng::Layout *layEnergie = nullptr, *layVie = nullptr, *layDiamants = nullptr;
    eng::Rectangle* layPlan = nullptr;   // the plane indicator's rounded square around lblPlan
    eng::Label *lblNbPoints = nullptr, *lblNbVie = nullptr, *lblNbBonus = nullptr;
    eng::FloatAnimation* aniChrono = nullptr;   // the countdown's blink in its last 30 seconds

    // ---- hooks filled by the specials and enemy code (world_hooks.cpp until then) ----
    void gererSpeciaux(const TResultatCollision& special);
    bool gererContactEnnemis();
    void gererAction();
    void lancerBaril(eng::Image* lanceur, int tuiles, float duree);
    void boucleBonus();

private:
    void mettreAJourHUD();
    void mourir();
    void afficherSprite(const eng::BitmapPtr& feuille, int images);
    eng::MediaPlayer& musiqueCourante();
    float deriveMeteo();
    void apercevoirPlanArriere();
    void commencerCourse();
    void jouerPoussiere(const eng::BitmapPtr& feuille, int images, float duree, eng::PointF position);
    void calculerBornes();
    void suivreNiveauEnY();
    bool collisionPlateformes(IntPoint p);
    void poserSurPlateforme(eng::Image& plateforme);
    void faireTomberPlateforme(eng::Image& plateforme);
    void porterParPlateforme(eng::Image& plateforme);
    bool collisionBonus(IntPoint p);
    void mangerNourriture(int points);
    bool collisionDecor(IntPoint p);
    void montrerEtincelle(const eng::Image& bonus);
    void deplacerHeroVersPlan(eng::Layout* plan);
    void sauterVersAutrePlan(TDirection versLa);
    void commencerFonduPlan(eng::FloatAnimation& fondu);
    void griserIcone(eng::Image* icone, bool gris);
    void basculerGrisIcone(eng::Image* icone);
    bool afficherFPS() const;
    void changerAfficherFPS(bool montrer);
    eng::BitmapPtr imageOptionnelle(const std::string& nom);
    void ajouterIcone(eng::Node& parent, const std::string& nomImage, float x, float y);
    eng::Label* ajouterCompteur(eng::Node& bloc, const std::string& nomIcone, const std::string& nomLabel);
    void construireHUD();
    void placerHUD();
    void construirePause();
    void construireGameOver();
    void construireAnimationsJeu();
    void brancherEvenementsJeu();
    eng::MediaPlayer* musiqueEnPause = nullptr;   // the music the pause stopped, resumed on leaving it
    float largeurHUDPlacee = -1;
public:


    // ==== world interactions: specials, exits, enemies, sword, bonus stages, shop (src/game, src/screens) ====
    // Builds the bubble's label, the enemy health bar, the explosion, the hurt glow, the teleport fade, the
    // flying machine and the bonus layer, and plugs the enemy, barrel, bonus and clearing callbacks in.
    // Called once by the window's construction, after creerInterfaceJeu.
    void creerInteractions();

    // ---- specials, signs and exits (specials.cpp, specials_action.cpp, level_exit.cpp) ----
    void agirSurSpecial();
    void teleporterJoueur(const std::vector<std::string>& parts);
    void aniGotoFinish();
    void ouvrirBoutique(const std::string& destination);
    void fermerBoutique();
    void construireCoucheBonus();
    void enregistrerEtatInteractions();   // the world's keys in the state dump
    void commencerSortieNiveau();
    eng::Label* lblInfoSpecial = nullptr;
    eng::FloatAnimation* aniGoto = nullptr;    // the hero fades out before a teleport
    static inline const char* const MESSAGE_CONSOLE = "You need to get the console...";

    // ---- sword and enemies (sword.cpp, enemies.cpp, enemies_death.cpp, enemies_barrel.cpp) ----
    void commencerAttaque();
    void blesserJoueur(const eng::Image& ennemi, int pv);
    void attraperConsole(eng::Image& console);
    void frapperEnnemi(eng::Image& ennemi);
    void etourdirEnnemi(eng::Image& ennemi);
    void tEnnemiToucheTimer();
    void tuerEnnemi(eng::Image* ennemi, bool liberer);
    void aniExplosionFinish();
    void DeplacerEnnemiFinish(eng::FloatAnimation& animation);
    void finChuteBaril(eng::FloatAnimation& chute);
    void oublierNiveauInteractions();   // drops every run-time object of the old level (clearing)
    eng::Rectangle *recEnergieEnnemi = nullptr, *recMarqueurEnergieEnnemi = nullptr;
    eng::BitmapListAnimation* aniExplosion = nullptr;
    eng::NodeRef objetAArreter;                           // the stunned enemy
    std::vector<eng::NodeRef> animationAArreter;          // its paused movements

    // ---- bonus stages (bonus_stage.cpp, bonus_stage_end.cpp) ----
    void preparerBonus();
    void creerOrBonus();
    void creerNuages();
    void deplacerOrBonus();
    void deplacerNuages();
    std::string testerCollisionsBonus();
    bool verifierFinBonus();
    void terminerBonus();
    void btnFinBonusClick();
    void libererBonus();
    void aniReadyFinish();
    void aniGoFinish();
    std::vector<eng::Image*> listeBonusOrBonus;
    std::vector<std::pair<eng::Image*, int>> listeEnnemisBonus;   // clouds with their speed
    int nbBonusOr = 0;
    eng::Image *imgReady = nullptr, *imgGo = nullptr, *imgFinBonus = nullptr;
    eng::Label *lblMessageBonus = nullptr, *lblFinBonus = nullptr;
    eng::Rectangle *rectangleBonusFin = nullptr, *btnFinBonus = nullptr;
    eng::FloatAnimation *aniReady = nullptr, *aniGo = nullptr, *aniLblMessageBonus = nullptr;
    eng::GlowEffect* glowEffectJoypadBonus = nullptr;
    std::string texteMessageBonus = "Get X gold items and avoid the clouds";
    eng::BitmapPtr imageOrBonus;

    // ---- shop (src/screens/TfStore_purchases.cpp) ----
    void preparerAchat(const std::string& cle);
    void frmStorebtnBuyClick();
    void frmStorebtnForgeBackClick();
    void appliquerAchat(const std::string& cle);
    std::string texteDiamants() const;   // "You have 3 diamonds."

    // ==== weather (src/fx) ====
    std::unique_ptr<TMeteo> flocons;   // the running weather, replaced by the next weather level
    eng::Image* imgMeteo = nullptr;    // what the weather draws, inside layMeteo
    eng::Timer tMeteo{engine.scheduler(), 16};   // one weather step and drawing per frame
    void demarrerPluie();
    void demarrerNeige();
    void demarrerBrouillard();
    void layMeteoPaint();
    void demarrerMeteo(int nombre, TTypeGoutte type);
};
