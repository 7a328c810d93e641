// The shop screen, shown over a paused level rather than through a stage change: three ranges of
// articles, the count of diamonds, the confirmation box and the exit. The purchases are the window's.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <nlohmann/json.hpp>
#include "engine/animation.h"
#include "engine/controls.h"
#include "engine/effects.h"

struct ArticleBoutique {
    const char* nom;      // the name label's text
    int prix;             // the price label's text
    const char* cle;      // what the article's click passes on
    const char* image;    // its picture
};

// The ten articles in order: 1-4 the blacksmith's, 5-8 the potion seller's, 9-10 the butcher's.
extern const std::array<ArticleBoutique, 10> articlesBoutique;

class TfStore : public eng::Layout {
public:
    TfStore();

    // Shows the range the title names and starts the opening animation.
    void initialiser();
    // The grey veil of article `numero` (1-based): only a look, a veiled article can still be bought.
    void voiler(int numero, bool voile);
    bool estVoile(int numero) const;
    // Fills the confirmation box: the question, or the refusal when `assez` is false (Buy then ignores clicks).
    void montrerConfirmation(const std::string& texte, int prix, const std::string& cle, bool assez);
    nlohmann::ordered_json etat() const;   // what the state dump shows of the shop

    eng::Rectangle* Rectangle1 = nullptr;
    eng::Label *lblTitle = nullptr, *lblMessage = nullptr, *lblYouHave = nullptr, *lblConfirmation = nullptr;
    eng::Layout *layArticlesForge = nullptr, *layArticlesPotions = nullptr, *layArticlesBoucher = nullptr;
    std::array<eng::Rectangle*, 10> layArticle{};
    std::array<eng::Label*, 10> lblNameArticle{}, lblPrixArticle{};
    eng::Rectangle *recConfirm = nullptr, *btnBuy = nullptr, *btnCancel = nullptr, *btnForgeBack = nullptr;
    eng::MonochromeEffect* voileBuy = nullptr;
    eng::FloatAnimation* aniStoreApparition = nullptr;

    // Handlers the window plugs in: an article's click (its key), Buy, Exit.
    std::function<void(const std::string&)> onArticle;
    std::function<void()> onBuy, onBack;

private:
    void construirePanneau();
    void construireArticles();
    void construireConfirmation();
    eng::Layout* rayonDe(int numero) const;
    void aniStoreApparitionProcess();
};
