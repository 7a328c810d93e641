// Replay files: every accepted form, every refused line named with its number, and the round trip.
#include <gtest/gtest.h>
#include <sstream>
#include "game/replay.h"

namespace {

std::vector<ReplayEvent> lire(const std::string& texte) {
    std::istringstream in(texte);
    return lireReplay(in, "test.replay");
}

TEST(Replay, ReadsKeysClicksCommentsAndBlankLines) {
    const auto events = lire("# a walk\n\n0 down Right\r\n  12 up Right\n12 down Left Ctrl\n40 click 500 288.5\n");
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0], (ReplayEvent{0, ReplayEvent::Kind::Down, "Right", 0, 0}));
    EXPECT_EQ(events[1], (ReplayEvent{12, ReplayEvent::Kind::Up, "Right", 0, 0}));
    EXPECT_EQ(events[2], (ReplayEvent{12, ReplayEvent::Kind::Down, "Left Ctrl", 0, 0}));
    EXPECT_EQ(events[3], (ReplayEvent{40, ReplayEvent::Kind::Click, "", 500, 288.5f}));
}

TEST(Replay, RefusesBadLinesNamingThem) {
    struct Cas { const char* texte; const char* ligneAttendue; };
    const Cas cas[] = {
        {"0 down Right\nx down Right\n", "test.replay:2:"},
        {"-1 down Right\n", "test.replay:1:"},
        {"3 press Right\n", "test.replay:1:"},
        {"3 down\n", "test.replay:1:"},
        {"3 down NoSuchKey\n", "test.replay:1:"},
        {"3 click 10\n", "test.replay:1:"},
        {"3 click 10 y\n", "test.replay:1:"},
        {"5 down Right\n# fine\n4 up Right\n", "test.replay:3:"},   // ticks never go backwards
        {"7\n", "test.replay:1:"},
    };
    for (const Cas& c : cas) {
        try {
            lire(c.texte);
            ADD_FAILURE() << "accepted: " << c.texte;
        } catch (const ReplayError& erreur) {
            EXPECT_NE(std::string(erreur.what()).find(c.ligneAttendue), std::string::npos) << erreur.what();
        }
    }
}

TEST(Replay, FormattedEventsReadBackUnchanged) {
    const std::vector<ReplayEvent> events = {{0, ReplayEvent::Kind::Down, "Space", 0, 0},
                                             {3, ReplayEvent::Kind::Up, "Space", 0, 0},
                                             {9, ReplayEvent::Kind::Click, "", 12.5f, 300}};
    std::string texte;
    for (const auto& e : events) texte += formaterEvenementReplay(e) + "\n";
    EXPECT_EQ(lire(texte), events);
}

TEST(Replay, PlayerHandsOutEachTickOnce) {
    ReplayPlayer lecteur(lire("0 down A\n0 up A\n2 down B\n5 down C\n"));
    EXPECT_EQ(lecteur.prendreTick(0).size(), 2u);
    EXPECT_TRUE(lecteur.prendreTick(1).empty());
    EXPECT_EQ(lecteur.prendreTick(2).at(0).keyName, "B");
    EXPECT_FALSE(lecteur.termine());
    EXPECT_EQ(lecteur.prendreTick(9).at(0).keyName, "C");   // a late call still delivers what is due
    EXPECT_TRUE(lecteur.termine());
}

}  // namespace
