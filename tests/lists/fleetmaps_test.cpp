// SPDX-License-Identifier: MIT
// The fleetmap weighing on systems generated under each split as real ones
// are planned: agencies and fleets numbered from 1, each agency a
// department with its own tag prefix and its agency call, each fleet its
// fleet call and ordinary groups on the other subfleets, most of each range
// used. Clean systems must rank their split first; rough ones (calls and
// groups left out, noise rows, little of the range used) and systems
// without names may leave the ranking undecided, but never decided wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "lists/fleetmaps.h"
#include "lists/splits.h"

namespace zembra::lists {
namespace {

struct Build {
    double usage = 0.8;  // each range is used at least this much
    double dropCalls = 0;
    double dropGroups = 0;
    double noise = 0;  // noise rows per generated row
    bool names = true;
};

constexpr std::array<std::string_view, 12> kFleets = {"Patrol",  "Fire",  "EMS",     "Works",
                                                      "Transit", "Tac",   "Ops",     "Admin",
                                                      "Water",   "Parks", "Schools", "Traffic"};

class Generator {
public:
    Generator(const Split& split, unsigned seed, const Build& build)
        : m_split(split), m_random(seed), m_build(build) {}

    std::string Listing() {
        const auto [a, f, s] = m_split.bits;
        const int agencies = Used(a), fleets = Used(f), subfleets = Used(s);
        for (int agency = 1; agency <= agencies; ++agency) {
            const std::string prefix = {static_cast<char>('A' + agency % 26),
                                        static_cast<char>('A' + agency / 26 % 26), 'D'};
            Add(Id(agency, 0, 0), prefix + (Chance(0.5) ? " All Call" : " Agency"), true);
            for (std::size_t fleet = 1; fleet <= static_cast<std::size_t>(fleets); ++fleet) {
                const std::string unit = prefix + " " +
                                         std::string(kFleets[fleet % kFleets.size()]) +
                                         std::string(fleet / kFleets.size(), 'X');
                Add(Id(agency, static_cast<int>(fleet), 0),
                    unit + (Chance(0.5) ? " Fleet" : " Common"), true);
                for (int sub = 1; sub <= subfleets; ++sub) {
                    Add(Id(agency, static_cast<int>(fleet), sub), unit + " " + std::to_string(sub),
                        false);
                }
            }
        }
        AddNoise();
        return m_listing;
    }

private:
    int Id(int agency, int fleet, int sub) const {
        return agency << (m_split.bits[1] + m_split.bits[2]) | fleet << m_split.bits[2] | sub;
    }
    bool Chance(double p) { return std::uniform_real_distribution<>(0, 1)(m_random) < p; }
    int Used(int bits) {
        const int range = (1 << bits) - 1;
        const int least = std::max(1, static_cast<int>(std::ceil(m_build.usage * range)));
        return std::uniform_int_distribution<>(least, range)(m_random);
    }
    void Add(int id, const std::string& name, bool call) {
        if (Chance(call ? m_build.dropCalls : m_build.dropGroups)) return;
        m_used.push_back(id);
        m_listing += std::to_string(id) + "," + (m_build.names ? name : "") + "\n";
    }
    void AddNoise() {
        constexpr std::array<std::string_view, 4> kNoise = {"Unknown", "Data", "Interop",
                                                            "Mutual Aid"};
        const auto count = static_cast<std::size_t>(m_build.noise * double(m_used.size()));
        for (std::size_t i = 0; i < count; ++i) {
            const int id = std::uniform_int_distribution<>(0, 2047)(m_random);
            if (std::find(m_used.begin(), m_used.end(), id) != m_used.end()) continue;
            m_listing += std::to_string(id) + "," + std::string(kNoise[i % kNoise.size()]) + " " +
                         std::to_string(i) + "\n";
        }
    }

    Split m_split;
    std::mt19937 m_random;
    Build m_build;
    std::vector<int> m_used;
    std::string m_listing = "Decimal,Alpha Tag\n";
};

struct Outcome {
    int right = 0;      // ranked first, told from every other split
    int undecided = 0;  // the report says it does not decide, and names the true split
    int wrong = 0;      // decided on another split, or the true one not named
    std::string misses;
};

// ZEMBRA_FLEETMAP_SEEDS sets the systems per split, for measuring on more.
Outcome Weigh(const Build& build, unsigned seeds) {
    if (const char* more = std::getenv("ZEMBRA_FLEETMAP_SEEDS")) {
        seeds = static_cast<unsigned>(std::atoi(more));
    }
    Outcome outcome;
    for (const Split& truth : AllSplits()) {
        for (unsigned seed = 1; seed <= seeds; ++seed) {
            const std::string text = Generator(truth, seed, build).Listing();
            const ListingRead read = ReadListing(text, "system.csv", "", Split{});
            const Fleetmaps weighed = WeighSplits(FleetmapRows(read.listing));
            const auto alike = weighed.ranked.begin() + static_cast<std::ptrdiff_t>(weighed.alike);
            const bool named =
                std::any_of(weighed.ranked.begin(), alike,
                            [&truth](const SplitFit& fit) { return fit.split == truth; });
            if (weighed.alike == 1 && named) {
                ++outcome.right;
                continue;
            }
            (weighed.alike > 1 && named ? outcome.undecided : outcome.wrong) += 1;
            outcome.misses += " " + SplitName(truth) + (named ? "?" : "!");
        }
    }
    return outcome;
}

struct Category {
    const char* name;
    Build build;
    unsigned seeds;
    int leastRight;  // ranked first and decided, of 45 * seeds
};

const Category kCategories[] = {
    {"clean", {}, 1, 45},
    {"rough", {0.6, 0.3, 0.2, 0.05, true}, 1, 30},
    {"sparse", {0.2, 0.3, 0.3, 0.1, true}, 1, 10},
    {"noisy", {0.8, 0.5, 0.5, 0.5, true}, 1, 25},
    {"uncalled", {0.8, 1, 0.1, 0.05, true}, 1, 10},
    {"unnamed", {0.8, 0, 0, 0, false}, 1, 0},
};

class Systems : public testing::TestWithParam<Category> {};

TEST_P(Systems, RankTheirSplitOrDoNotDecide) {
    const Category& category = GetParam();
    const Outcome outcome = Weigh(category.build, category.seeds);
    std::printf("%s: %d right, %d undecided, %d wrong; missed:%s\n", category.name, outcome.right,
                outcome.undecided, outcome.wrong, outcome.misses.c_str());
    EXPECT_EQ(outcome.wrong, 0);
    EXPECT_GE(outcome.right, category.leastRight);
    if (!category.build.names) {
        EXPECT_EQ(outcome.right, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, Systems, testing::ValuesIn(kCategories),
                         [](const testing::TestParamInfo<Category>& param) {
                             return std::string(param.param.name);
                         });

}  // namespace
}  // namespace zembra::lists
