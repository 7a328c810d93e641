// Breadth-first search over standing spots (plane, surface row, column) of a level grid. Moves follow
// the walking jump (at most 2 tiles up, 3 tiles of gap), falls, plane switches and platform rides.
#include "route_check.h"
#include <array>
#include <deque>
#include <tuple>
#include "terrain.h"
#include "terrain_cells.h"
#include "value_parse.h"

namespace levelc {
namespace {

using Spot = std::tuple<int, int, int>;  // plane, surface row line, column of the hero's body

class Walker {
public:
    explicit Walker(const LevelModel& model) : model_(model) {
        for (int p = 0; p < 2; ++p) addPlatformRides(p);
    }

    std::set<std::string> run() {
        std::set<std::string> reached;
        const Header& h = model_.header;
        bool blocked = false;
        const int first = surfaceBelow(model_.planes[0].rows, h.startX + 1, h.startY, 1, blocked);
        if (first < 0) return reached;
        std::deque<Spot> todo{{0, first, h.startX + 1}};
        seen_.insert(todo.front());
        while (!todo.empty()) {
            const Spot spot = todo.front();
            todo.pop_front();
            exitAt(spot, reached);
            for (const Spot& next : moves(spot))
                if (seen_.insert(next).second) todo.push_back(next);
        }
        return reached;
    }

private:
    const std::vector<std::string>& rows(int p) const { return model_.planes[p].rows; }
    bool present(int p) const { return model_.planes[p].present; }

    bool solid(int p, int r, int c) const { return isSolid(cellAt(rows(p), r, c)); }

    // Where the hero can stand: a surface with room for his body above it.
    bool standable(int p, int s, int c) const {
        if (!present(p) || c < 0 || c >= model_.header.width || s < 0 || s >= model_.header.height) return false;
        const Cell cell = cellAt(rows(p), s, c);
        const bool surface = (cell == Cell::ground && !solid(p, s - 1, c)) || cell == Cell::ledge ||
                             cell == Cell::slopeUp || cell == Cell::slopeDown || rides_[p].count({s, c});
        return surface && !solid(p, s - 1, c) && !solid(p, s - 2, c);
    }

    int landingBelow(int p, int fromRow, int c) const {
        for (int s = std::max(fromRow, 0); s < model_.header.height; ++s) {
            if (standable(p, s, c)) return s;
            if (solid(p, s, c)) return -1;
        }
        return -1;
    }

    bool clearBetween(int p, int c0, int c1, int top, int bottom) const {
        for (int c = std::min(c0, c1); c <= std::max(c0, c1); ++c)
            for (int r = top; r <= bottom; ++r)
                if (solid(p, r, c)) return false;
        return true;
    }

    std::vector<Spot> moves(const Spot& spot) const {
        const auto [p, s, c] = spot;
        std::vector<Spot> out;
        for (const int dc : {-1, 1}) {
            for (const int ds : {-1, 0, 1})
                if (standable(p, s + ds, c + dc)) out.emplace_back(p, s + ds, c + dc);
            if (!solid(p, s - 1, c + dc) && !solid(p, s, c + dc))
                if (const int fall = landingBelow(p, s, c + dc); fall >= 0) out.emplace_back(p, fall, c + dc);
        }
        for (int dc = -4; dc <= 4; ++dc)
            for (int ds = -2; s + ds < model_.header.height; ++ds) {
                if (dc == 0 || (ds == -2 && std::abs(dc) > 3)) continue;
                const int landing = s + ds;
                if (standable(p, landing, c + dc) && clearBetween(p, c, c + dc, std::min(s, landing) - 2, std::min(s, landing) - 1))
                    out.emplace_back(p, landing, c + dc);
            }
        // Up and jump: straight up three tiles, then down onto the other plane.
        if (present(1 - p))
            if (const int land = landingBelow(1 - p, s - 3, c); land >= 0) out.emplace_back(1 - p, land, c);
        return out;
    }

    // Moving platforms are counted as standing room over the whole stretch they travel. Falling planks are
    // not: once fallen they stay down for the rest of the level, even after the hero loses a life.
    void addPlatformRides(int p) {
        const auto platforms = model_.tables.find(ElementKind::platform);
        if (!present(p) || platforms == model_.tables.end()) return;
        const auto& table = platforms->second;
        for (int r = 0; r < int(rows(p).size()); ++r)
            for (int c = 0; c < int(rows(p)[r].size()); ++c) {
                const auto found = model_.legend.find(rows(p)[r][c]);
                if (found == model_.legend.end() || found->second.kind != ElementKind::platform) continue;
                const Json& fields = table[found->second.index].fields;
                if (fields["style"].get<int>() == 3) continue;
                const int ts = model_.header.tileSize;
                const int top = r + 1 - int(fields["height"]) / ts, width = std::max(1, int(fields["width"]) / ts);
                const auto movement = splitOn(fields["animation"], ':');
                const int amount = movement.size() >= 3 && (movement[0] == "x" || movement[0] == "y")
                                       ? std::atoi(movement[2].c_str()) : 0;
                const bool vertical = movement[0] == "y";
                for (int k = std::min(0, amount); k <= std::max(0, amount); ++k)
                    for (int dx = 0; dx < width; ++dx)
                        rides_[p].insert({vertical ? top + k : top, c + dx + (vertical ? 0 : k)});
            }
    }

    void exitAt(const Spot& spot, std::set<std::string>& reached) const {
        const auto [p, s, c] = spot;
        for (const int dc : {0, -1}) {
            const int r = s - 1, col = c + dc;
            if (r < 0 || col < 0 || col >= model_.header.width) continue;
            const auto found = model_.legend.find(rows(p)[r][col]);
            if (found == model_.legend.end() || found->second.kind != ElementKind::special) continue;
            const Json& fields = model_.tables.at(ElementKind::special)[found->second.index].fields;
            if (fields["finNiveau"].get<bool>()) reached.insert(fields["niveauSuivant"].get<std::string>());
        }
    }

    const LevelModel& model_;
    std::array<std::set<std::pair<int, int>>, 2> rides_;
    std::set<Spot> seen_;
};

}  // namespace

std::set<std::string> reachableExits(const LevelModel& model) {
    if (!model.planes[0].present) return {};
    return Walker(model).run();
}

}  // namespace levelc
