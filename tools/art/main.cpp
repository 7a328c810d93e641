// zorlin_art: paints every picture of the game into the resources folder.
// Usage: zorlin_art --out DIR [--group NAME ...] [--stamp FILE] [--contact FILE [--picture NAME ...] [--scale N]] [--list]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>
#include "output.h"

namespace {

struct Options {
    std::string outDir, stampFile, contactFile;
    std::vector<std::string> groupNames, pictureNames;  // --picture limits the contact sheet
    int scale = 3;
    int frame = -1;  // --frame K shows only frame K of each picture on the contact sheet
    bool list = false;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        std::string group;
        if (arg == "--out" && value(o.outDir)) continue;
        if (arg == "--stamp" && value(o.stampFile)) continue;
        if (arg == "--contact" && value(o.contactFile)) continue;
        if (arg == "--group" && value(group)) {
            o.groupNames.push_back(group);
            continue;
        }
        std::string text;
        if (arg == "--picture" && value(text)) {
            o.pictureNames.push_back(text);
            continue;
        }
        if (arg == "--frame" && value(text)) {
            o.frame = std::atoi(text.c_str());
            continue;
        }
        if (arg == "--scale" && value(text)) {
            o.scale = std::max(1, std::atoi(text.c_str()));
            continue;
        }
        if (arg == "--list") {
            o.list = true;
            continue;
        }
        std::cerr << "zorlin_art: unexpected argument " << arg << "\n";
        return false;
    }
    return true;
}

bool selected(const Options& o, const std::string& name) {
    if (o.groupNames.empty()) return true;
    for (const std::string& g : o.groupNames)
        if (g == name) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) return 2;
    try {
        std::vector<art::Picture> shown;
        for (const art::Group& g : art::groups()) {
            if (!selected(o, g.name)) continue;
            if (o.list || !o.contactFile.empty()) {
                for (art::Picture& p : g.paint()) {
                    if (o.list) std::cout << g.name << " " << p.name << ".png " << p.frameWidth << "x" << p.frameHeight
                                          << " x" << p.frames << "\n";
                    if (o.pictureNames.empty() || std::find(o.pictureNames.begin(), o.pictureNames.end(), p.name) !=
                                                         o.pictureNames.end())
                        shown.push_back(o.frame < 0 ? std::move(p) : art::singleFrame(p, o.frame));
                }
            }
            if (!o.outDir.empty()) art::writeGroup(g, o.outDir);
        }
        if (!o.contactFile.empty())
            art::writeFileIfChanged(o.contactFile, art::encodePng(art::contactSheet(shown, o.scale)));
        if (!o.stampFile.empty()) std::ofstream(o.stampFile) << "painted\n";
    } catch (const std::exception& e) {
        std::cerr << "zorlin_art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
