// The route check that stands behind "every level can be finished": it must find the exits a walking
// jump reaches and miss the ones that would need the boots (a 4-tile gap, a 3-tile wall).
#include <gtest/gtest.h>
#include "level_reader.h"
#include "route_check.h"
#include "source_text.h"

namespace {

std::set<std::string> exitsOf(const std::string& plane1, const std::string& plane2 = "") {
    const std::string text = std::string("[level]\nnom = Route\nzone = foret\nmusique = m\ntime = 5 4 3\n") +
                             "start = 0 2\nsize = 12 5\n[special out]\nimage = sortie.png\nmessage = Out\n"
                             "finNiveau = yes\nniveauSuivant = map\n[platform glide]\nwidth = 64\nheight = 32\n"
                             "image = ledge\nanimation = x:3:4:linear:InOut:loop:autoreverse\n"
                             "[platform plank]\nwidth = 64\nheight = 32\nimage = crumble\nstyle = falling\n"
                             "[legend]\nE = special out\nH = platform glide\nf = platform plank\n[plane 1]\n" + plane1 +
                             (plane2.empty() ? "" : "[plane 2]\n" + plane2);
    return levelc::reachableExits(levelc::readLevel(levelc::parseSourceText(text, "route.lvl", "."), "route"));
}

struct Route {
    const char* what;
    const char* plane1;
    const char* plane2;
    bool finishable;
};

const Route routes[] = {
    {"flat walk", "............\n............\n..........E.\n############\n############\n", "", true},
    {"three-tile gap", "............\n............\n..........E.\n#####...####\n#####...####\n", "", true},
    {"four-tile gap needs boots", "............\n............\n..........E.\n####....####\n####....####\n", "", false},
    {"two-tile ledge", "............\n........E...\n.......#####\n.......#####\n############\n", "", true},
    {"three-tile wall needs boots", "..........E.\n.......#####\n.......#####\n.......#####\n############\n", "", false},
    {"back plane bridges a gap", "............\n............\n..........E.\n###......###\n###......###\n",
     "............\n............\n............\n############\n############\n", true},
    {"gliding log crosses a gap", "............\n............\n..........E.\n###H.....###\n###......###\n", "", true},
    {"fallen planks cross nothing", "............\n............\n.....f....E.\n###......###\n###......###\n", "", false},
};

class RouteCheck : public ::testing::TestWithParam<Route> {};

TEST_P(RouteCheck, FindsExactlyTheExitsAWalkingJumpReaches) {
    const Route& r = GetParam();
    EXPECT_EQ(exitsOf(r.plane1, r.plane2).count("map") == 1, r.finishable) << r.what;
}

INSTANTIATE_TEST_SUITE_P(Grids, RouteCheck, ::testing::ValuesIn(routes), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.what; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

}  // namespace
