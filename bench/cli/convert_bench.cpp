// SPDX-License-Identifier: MIT
// The batch converter in memory: start-up (the table built through the
// core), line mode on plain, blank-padded and refused lines, and CSV mode,
// each reported in lines or bytes per second.
#include <benchmark/benchmark.h>

#include <functional>

#include "cli/csv_converter.h"
#include "cli/line_converter.h"

namespace {

using namespace zembra::cli;

// A sink that only counts, so that the conversion alone is measured.
class CountingSink final : public ByteSink {
public:
    void Write(std::string_view bytes) override {
        benchmark::DoNotOptimize(m_bytes += bytes.size());
    }

private:
    std::size_t m_bytes = 0;
};

std::string Lines(std::size_t count, const std::function<std::string(int)>& line) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += line(static_cast<int>(i * 7919 % kIdCount)) + "\n";
    }
    return text;
}

void BM_TableStartUp(benchmark::State& state) {
    for (auto _ : state) {
        TalkGroupTable table;
        benchmark::DoNotOptimize(table.Afs(1234).data());
    }
}
BENCHMARK(BM_TableStartUp)->Unit(benchmark::kMillisecond);

void BM_LineMode(benchmark::State& state, const std::function<std::string(int)>& line) {
    const TalkGroupTable table;
    const std::string input = Lines(100000, line);
    CountingSink sink;
    StringSink err;
    OutputBuffer out(sink);
    Diagnostics diagnostics(err, table.Pattern());
    LineConverter converter(table, {IdForm::Decimal, IdForm::Afs, IdForm::Hex}, out, diagnostics);
    for (auto _ : state) {
        StringSource source(input);
        converter.Convert(source, "bench");
        err.text.clear();
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
const TalkGroupTable kTable;
BENCHMARK_CAPTURE(BM_LineMode, mixed,
                  [](int id) { return id % 2 ? kTable.Decimal(id) : kTable.Afs(id); });
BENCHMARK_CAPTURE(BM_LineMode, blank_padded, [](int id) { return "  " + kTable.Afs(id) + "\r"; });
BENCHMARK_CAPTURE(BM_LineMode, hex, [](int id) { return "0x" + kTable.Hex(id); });
BENCHMARK_CAPTURE(BM_LineMode, refused, [](int id) { return kTable.Decimal(id) + "x"; });

void BM_CsvMode(benchmark::State& state) {
    const TalkGroupTable table;
    const std::string input =
        "Name,TG,Note\r\n" + Lines(100000, [](int id) {
            return "\"Dispatch, " + std::to_string(id) + "\"," + kTable.Afs(id) + ",plain note\r";
        });
    CountingSink sink;
    StringSink err;
    OutputBuffer out(sink);
    Diagnostics diagnostics(err, table.Pattern());
    CsvConverter converter(table, {"TG", {IdForm::Decimal, IdForm::Afs, IdForm::Hex}}, out,
                           diagnostics);
    for (auto _ : state) {
        StringSource source(input);
        converter.Convert(source, "bench");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}
BENCHMARK(BM_CsvMode)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
