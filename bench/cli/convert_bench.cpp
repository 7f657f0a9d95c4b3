// SPDX-License-Identifier: MIT
// The list library in memory, without the program's files: line mode on
// mixed decimal and AFS lines, and a listing table in each output format
// (and read in the automatic one), reported in lines or rows per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>

#include "lists/convert.h"

namespace {

using namespace zembra::lists;

constexpr int kCount = 100000;

// Half decimal, half AFS, spread over all IDs.
std::string Lines() {
    std::string text;
    for (int i = 0; i < kCount; ++i) {
        const int id = i * 7919 % 2048;
        char afs[8];
        std::snprintf(afs, sizeof afs, "%02d-%02d%d", id / 128, id / 8 % 16, id % 8);
        text += (i % 2 ? std::to_string(id) : std::string(afs)) + "\n";
    }
    return text;
}

std::string Table() {
    std::string text = "Decimal,Hex,Alpha Tag,Mode,Description,Tag,Category\n";
    for (int i = 0; i < kCount; ++i) {
        text += std::to_string(i % 2048) + ",,Unit " + std::to_string(i) +
                ",DE,\"Dispatch, north\",Fire,Fire Service\n";
    }
    return text;
}

void BM_Convert(benchmark::State& state, Format format, const std::string& input) {
    Options options;
    options.format = format;
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream messages;
        Converter converter(options, out, messages);
        converter.Convert(in, "bench");
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK_CAPTURE(BM_Convert, lines, Format::Lines, Lines())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert, table, Format::Table, Table())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert, dsd, Format::Dsd, Table())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert, dsd_neo, Format::DsdNeo, Table())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert, dsd_fme, Format::DsdFme, Table())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert, automatic, Format::Automatic, Table())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Convert, radioreference, Format::RadioReference, Table())
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
