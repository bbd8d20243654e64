#include "pairing/minimaleindeling.h"

#include "pairing/kostenmodel.h"

#include <algorithm>
#include <lemon/matching.h>
#include <lemon/smart_graph.h>

namespace {

using CGraaf = lemon::SmartGraph;

// The matching scales its weights by 4 and adds potentials of several edges,
// so weights stay within 2^41. Pair costs are 32-bit; only a bye cost that
// lies more than 2^40 above the cheapest bye is held at that bound.
constexpr int64_t kGrens = int64_t{1} << 40;

} // namespace

bool MinimaleIndeling(const CKostenModel& model, const std::vector<int64_t>& uitloot,
                      std::vector<int>& indeling) {
    indeling.clear();
    const int n = model.Aantal();
    if (n < 1) {
        return false;
    }
    const bool oneven = n % 2 != 0;
    CGraaf graaf;
    graaf.reserveNode(n + 1);
    for (int i = 0; i < n; ++i) {
        graaf.addNode();
    }
    // Edge ids are handed out in order, so kosten[id] is the cost of that edge.
    std::vector<int64_t> kosten;
    kosten.reserve(static_cast<size_t>(n) * static_cast<size_t>(n + 1) / 2);
    graaf.reserveEdge(static_cast<int>(kosten.capacity()));
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (!model.Geblokkeerd(i, j)) {
                graaf.addEdge(graaf.nodeFromId(i), graaf.nodeFromId(j));
                kosten.push_back(model.Kosten(i, j));
            }
        }
    }
    const int byeKnoop = oneven ? graaf.id(graaf.addNode()) : -1;
    if (oneven) {
        // Exactly one bye is given, so moving every bye cost by the same
        // amount changes no choice.
        int64_t goedkoopste = *std::min_element(uitloot.begin(), uitloot.begin() + n);
        for (int i = 0; i < n; ++i) {
            graaf.addEdge(graaf.nodeFromId(i), graaf.nodeFromId(byeKnoop));
            int64_t boven;
            if (__builtin_sub_overflow(uitloot[static_cast<size_t>(i)], goedkoopste, &boven) ||
                boven > kGrens) {
                boven = kGrens;
            }
            kosten.push_back(boven);
        }
    }
    if (kosten.empty()) {
        return false;
    }

    // Every perfect matching holds the same number of edges, so the weight
    // hoogste + 1 - cost makes the heaviest matching the cheapest pairing,
    // with every weight at least 1.
    const int64_t hoogste = *std::max_element(kosten.begin(), kosten.end());
    CGraaf::EdgeMap<int64_t> gewicht(graaf);
    for (CGraaf::EdgeIt e(graaf); e != lemon::INVALID; ++e) {
        gewicht[e] = hoogste + 1 - kosten[static_cast<size_t>(graaf.id(e))];
    }
    lemon::MaxWeightedPerfectMatching<CGraaf, CGraaf::EdgeMap<int64_t>> matching(graaf, gewicht);
    if (!matching.run()) {
        return false;
    }
    int bye = -1;
    for (int i = 0; i < n; ++i) {
        int partner = graaf.id(matching.mate(graaf.nodeFromId(i)));
        if (partner == byeKnoop) {
            bye = i;
        } else if (partner > i) {
            indeling.push_back(i);
            indeling.push_back(partner);
        }
    }
    if (bye >= 0) {
        indeling.push_back(bye);
    }
    return true;
}
