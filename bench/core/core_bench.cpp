// SPDX-License-Identifier: MIT
// Encoder, decoder and number reading through the in-memory fields, for
// valid, out-of-range and odd input, and for texts as long as a text field
// holds (the 1,000- and 32,767-character cases show linear time).
#include <benchmark/benchmark.h>

#include "core/afs_codec.h"
#include "core/memory_fields.h"

namespace {

using zembra::MemoryFields;
using zembra::Text;

void BM_EncodeAfs(benchmark::State& state, Text decimal) {
    MemoryFields fields;
    fields.decimalText = std::move(decimal);
    for (auto _ : state) {
        fields.afsText.clear();  // so that every run writes a changed text
        zembra::EncodeAfs(fields);
        benchmark::DoNotOptimize(fields.hexText);
    }
}
BENCHMARK_CAPTURE(BM_EncodeAfs, valid, Text(u"1234"));
BENCHMARK_CAPTURE(BM_EncodeAfs, out_of_range, Text(u"3000"));
BENCHMARK_CAPTURE(BM_EncodeAfs, odd, Text(u" 1 2.5x"));
BENCHMARK_CAPTURE(BM_EncodeAfs, digits_1000, Text(1000, u'1'));
BENCHMARK_CAPTURE(BM_EncodeAfs, digits_32767, Text(32767, u'1'));

void BM_DecodeAfs(benchmark::State& state, Text afs) {
    MemoryFields fields;
    fields.SetDecimalToAfs(false);
    fields.afsText = std::move(afs);
    for (auto _ : state) {
        fields.decimalText.clear();
        zembra::DecodeAfs(fields);
        benchmark::DoNotOptimize(fields.hexText);
    }
}
BENCHMARK_CAPTURE(BM_DecodeAfs, valid, Text(u"09-102"));
BENCHMARK_CAPTURE(BM_DecodeAfs, odd, Text(u" 1a- 7"));
BENCHMARK_CAPTURE(BM_DecodeAfs, chars_1000, Text(1000, u'7'));
BENCHMARK_CAPTURE(BM_DecodeAfs, chars_32767, Text(32767, u'7'));

// The decimal field holds the guard text: the decoder writes nothing.
void BM_DecodeAfsGuarded(benchmark::State& state) {
    MemoryFields fields;
    fields.SetDecimalToAfs(false);
    fields.decimalText = u"Out of Range";
    fields.afsText = u"09-102";
    for (auto _ : state) {
        zembra::DecodeAfs(fields);
        benchmark::DoNotOptimize(fields.hexText);
    }
}
BENCHMARK(BM_DecodeAfsGuarded);

// A rejected AFS keystroke: the checks fail, nothing is decoded.
void BM_AfsRejected(benchmark::State& state) {
    MemoryFields fields;
    fields.SetDecimalToAfs(false);
    fields.afsText = u"16-000";
    for (auto _ : state) {
        benchmark::DoNotOptimize(zembra::ReactToAfsChange(fields));
    }
}
BENCHMARK(BM_AfsRejected);

// A keystroke in "AFS to Decimal": checks, decoder, nested decoder.
void BM_AfsKeystroke(benchmark::State& state) {
    MemoryFields fields;
    fields.AttachFieldReactions();
    fields.SetDecimalToAfs(false);
    for (auto _ : state) {
        fields.SetAfsText(u"09-10");
        fields.SetAfsText(u"09-102");
        benchmark::DoNotOptimize(fields.decimalText);
    }
}
BENCHMARK(BM_AfsKeystroke);

void BM_ParseNumber(benchmark::State& state, Text text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zembra::ParseNumber(text));
    }
    state.SetComplexityN(static_cast<benchmark::IterationCount>(text.size()));
}
BENCHMARK_CAPTURE(BM_ParseNumber, short, Text(u"1234"));
BENCHMARK_CAPTURE(BM_ParseNumber, digits_1000, Text(1000, u'9'));
BENCHMARK_CAPTURE(BM_ParseNumber, digits_32767, Text(32767, u'9'));
BENCHMARK_CAPTURE(BM_ParseNumber, blanks_32767, Text(32767, u' '));
BENCHMARK_CAPTURE(BM_ParseNumber, hex_32767, u"&H" + Text(32765, u'F'));
BENCHMARK_CAPTURE(BM_ParseNumber, exponent_32767, u"1e" + Text(32765, u'9'));

}  // namespace

BENCHMARK_MAIN();
