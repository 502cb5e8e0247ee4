// The judge's worst case: both texts 259 characters long, so both distances cover the whole table, the
// letter sorts start from reversed texts, and no hint applies (the verdict is "FAUX"). The plain table
// recurrence runs beside the bit-parallel distance as the baseline of the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "judging/text_ops.h"
#include "judging/verdict.h"
#include "tests/judging/edit_distance_oracle.h"

namespace {

// 259 letters in descending order (each letter of `alphabet` repeated), the bubble sort's worst start.
std::string DescendingText(const char* alphabet) {
    const size_t letters = std::strlen(alphabet);
    std::string text;
    for (int i = 0; i < kMaxTextLength; ++i)
        text += alphabet[letters - 1 - i * letters / kMaxTextLength];
    return text;
}

const std::string kAccepted = DescendingText("ABCDEFGHIJKLM");
const std::string kTyped = DescendingText("nopqrstuvwxyz");

void BM_DecideVerdictWorstCase(benchmark::State& state) {
    if (std::strcmp(DecideVerdict(kAccepted.c_str(), kTyped.c_str()), kVerdictWrong) != 0) {
        state.SkipWithError("the worst case must end in FAUX");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(DecideVerdict(kAccepted.c_str(), kTyped.c_str()));
}
BENCHMARK(BM_DecideVerdictWorstCase);

void BM_EditDistanceLongest(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(EditDistance(kAccepted.c_str(), kTyped.c_str()));
}
BENCHMARK(BM_EditDistanceLongest);

void BM_EditDistanceLongestByTable(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(EditDistanceByTable(kAccepted.c_str(), kTyped.c_str()));
}
BENCHMARK(BM_EditDistanceLongestByTable);

void BM_DecideVerdictTypicalAnswer(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DecideVerdict("Jean de la Fontaine", "la fontaine"));
}
BENCHMARK(BM_DecideVerdictTypicalAnswer);

} // namespace
