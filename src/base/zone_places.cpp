#include "base/zone_places.h"

#include <algorithm>
#include <optional>

namespace marvix {

namespace {

// Windows-1252's letters from 0xC0 on, each as the letter it is written on; ' ' for × and ÷.
constexpr std::string_view kAccented =
    "aaaaaaaceeeeiiiidnooooo ouuuuytsaaaaaaaceeeeiiiidnooooo ouuuuyty";

char FoldedLetter(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return static_cast<char>(c);
    if (c >= 0xC0) return kAccented[c - 0xC0];
    switch (c) {
        case 0x8A:
        case 0x9A: return 's';  // Š š
        case 0x8E:
        case 0x9E: return 'z';  // Ž ž
        case 0x8C:
        case 0x9C: return 'o';  // Œ œ
        case 0x9F: return 'y';  // Ÿ
        case 0x27:
        case 0x92: return 0;  // apostrophes join ("d'Urville")
        default: return ' ';
    }
}

// How well a place matches, best lowest; nullopt when it does not.
std::optional<int> RankOf(const std::string& name, PlaceKind kind, const std::string& typed) {
    const int country = kind == PlaceKind::City ? 0 : 1;
    if (name == typed) return 0 + country;
    if (name.starts_with(typed)) return 2 + country;
    if (kind == PlaceKind::City && name.find(" " + typed) != std::string::npos) return 4;
    return std::nullopt;
}
constexpr int kDisplayRank = 5;

}  // namespace

std::string Folded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const char letter = FoldedLetter(static_cast<unsigned char>(c));
        if (letter == 0) continue;
        if (letter == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += letter;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::vector<ZoneFound> FindZones(std::span<const ZoneName> zones, std::string_view typed,
                                 std::span<const ZonePlace> places) {
    const std::string wanted = Folded(typed);
    struct Candidate {
        int rank = kDisplayRank + 1;
        bool displayMatches = false;
        std::string label;
    };
    std::vector<Candidate> candidates(zones.size());
    for (size_t i = 0; i < zones.size(); ++i) {
        Candidate& c = candidates[i];
        c.displayMatches = ZoneMatches(zones[i].display, typed);
        if (c.displayMatches) c = {kDisplayRank, true, FirstPlaceOf(zones[i].display)};
    }
    if (!wanted.empty()) {
        for (const ZonePlace& place : places) {
            const auto rank = RankOf(Folded(place.name), place.kind, wanted);
            if (!rank) continue;
            for (size_t i = 0; i < zones.size(); ++i) {
                Candidate& c = candidates[i];
                if (zones[i].key != place.zone || *rank >= c.rank) continue;
                c.rank = *rank;
                c.label = std::string(place.name);
            }
        }
    }
    std::vector<size_t> order;
    for (size_t i = 0; i < zones.size(); ++i)
        if (candidates[i].rank <= kDisplayRank) order.push_back(i);
    std::ranges::stable_sort(order, [&](size_t a, size_t b) {
        const Candidate &x = candidates[a], &y = candidates[b];
        if (x.rank != y.rank) return x.rank < y.rank;
        return x.displayMatches && !y.displayMatches;
    });
    std::vector<ZoneFound> found;
    found.reserve(order.size());
    for (const size_t i : order) found.push_back({i, std::move(candidates[i].label)});
    return found;
}

}  // namespace marvix
