// The element tables of a level document: keys, JSON types and conversions of each kind of entry.
// Keys that are not listed ("indice", "name", "message2") are ignored.
#include "level/level_tables.h"
#include "level/pictures.h"
#include "level/text_fields.h"

using Entry = LevelDocument::Entry;

std::vector<TDecor> lireDecors(const LevelDocument& document) {
    std::vector<TDecor> list;
    document.forEachEntry("decorElement", [&](const Entry& e) {
        TDecor d;
        d.image = cheminImage(e.string("image"));
        d.count = e.integer("count");
        d.rowcount = e.integer("rowcount");
        d.duration = static_cast<float>(e.number("duration"));
        d.opacity = static_cast<float>(e.number("opacity"));
        d.devant = e.boolean("devant");
        d.bloquer = e.boolean("bloquer");
        list.push_back(d);
    });
    return list;
}

std::vector<std::unique_ptr<TDecorFromTile>> lireDecorsTileset(const LevelDocument& document) {
    std::vector<std::unique_ptr<TDecorFromTile>> list;
    document.forEachEntry("decorElementFromTileSet", [&](const Entry& e) {
        auto d = std::make_unique<TDecorFromTile>();
        d->name = e.string("name");
        d->width = e.integer("width");
        d->vertical = e.boolean("vertical");
        d->bloquer = e.boolean("bloquer");
        d->devant = e.boolean("devant");
        list.push_back(std::move(d));
    });
    return list;
}

std::vector<std::unique_ptr<TPlateforme>> lirePlateformes(const LevelDocument& document) {
    std::vector<std::unique_ptr<TPlateforme>> list;
    document.forEachEntry("plateformElement", [&](const Entry& e) {
        auto p = std::make_unique<TPlateforme>();
        p->width = e.integer("width");
        p->height = e.integer("height");
        p->image = e.string("image");
        p->animation = lowerCase(e.string("animation"));
        p->style = static_cast<TPlateformeStyle>(e.integer("style"));
        list.push_back(std::move(p));
    });
    return list;
}

std::vector<TBonus> lireBonus(const LevelDocument& document) {
    std::vector<TBonus> list;
    document.forEachEntry("bonusElement", [&](const Entry& e) {
        TBonus b;
        b.image = cheminImage(e.string("image"));
        b.count = e.integer("count");
        b.duration = static_cast<float>(e.number("duration"));
        b.point = e.integer("point");
        b.typeBonus = e.integer("typeBonus");
        list.push_back(b);
    });
    return list;
}

std::vector<TEnnemi> lireEnnemis(const LevelDocument& document) {
    std::vector<TEnnemi> list;
    document.forEachEntry("ennemiElement", [&](const Entry& e) {
        TEnnemi n;
        n.image1 = cheminImage(e.string("image1"));
        n.image2 = cheminImage(e.string("image2"));
        n.count = e.integer("count");
        n.duration = static_cast<float>(e.number("duration"));
        n.deplacement = e.string("deplacement");
        n.hitBox = e.string("hitBox");
        n.pv = e.integer("pv");
        n.tir = e.integer("tir");
        n.bloquer = e.boolean("bloquer");
        n.path = e.string("path");
        if (!n.path.empty()) n.durationPath = static_cast<float>(e.number("durationPath"));
        n.opacity = static_cast<float>(e.number("opacity"));
        list.push_back(n);
    });
    return list;
}

std::vector<TSpecial> lireSpeciaux(const LevelDocument& document) {
    std::vector<TSpecial> list;
    document.forEachEntry("specialElement", [&](const Entry& e) {
        TSpecial s;
        s.image = cheminImage(e.string("image"));
        s.count = e.integer("count");
        s.rowcount = e.integer("rowcount");
        s.duration = static_cast<float>(e.number("duration"));
        s.opacity = static_cast<float>(e.number("opacity"));
        s.deplacement = e.string("deplacement");
        s.finNiveau = e.boolean("finNiveau");
        s.musique = e.boolean("musique");
        s.niveauSuivant = e.string("niveauSuivant");
        s.unMessage = e.string("message");
        s.masquerPremierPlan = e.boolean("masquerPremierPlan");
        list.push_back(s);
    });
    return list;
}
