// The judge's worst case: both texts 259 characters long, so both distances cover the whole table, the
// letter sorts start from reversed texts, and no hint applies (the verdict is "FAUX"). The plain table
// recurrence runs beside the bit-parallel distance as the baseline of the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

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

// Several spellings: a 259-character typed text against 8 spellings of 55 characters, none of which any
// hint fits, so every spelling is judged to the end.
std::vector<std::string> EightSpellings(size_t length) {
    std::vector<std::string> spellings;
    for (int i = 0; i < 8; ++i)
        spellings.push_back(DescendingText("ABCDEFGHIJKLM").substr(static_cast<size_t>(i) * 20, length));
    return spellings;
}

void JudgeAgainstEight(benchmark::State& state, const std::string& typed, size_t spellingLength) {
    const std::vector<std::string> spellings = EightSpellings(spellingLength);
    std::vector<const char*> texts;
    for (const std::string& spelling : spellings)
        texts.push_back(spelling.c_str());
    if (std::strcmp(DecideVerdictAmong(texts.data(), 8, typed.c_str()), kVerdictWrong) != 0) {
        state.SkipWithError("the worst case must end in FAUX");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(DecideVerdictAmong(texts.data(), 8, typed.c_str()));
}

void BM_DecideVerdictAmongEightSpellings(benchmark::State& state) {
    JudgeAgainstEight(state, kTyped, 55);
}
BENCHMARK(BM_DecideVerdictAmongEightSpellings);

// What a field can hold: 55 characters against 8 spellings of the same length, so that every spelling is
// also sorted for the anagram test.
void BM_DecideVerdictAmongEightSpellingsOfFieldLength(benchmark::State& state) {
    JudgeAgainstEight(state, kTyped.substr(0, 55), 55);
}
BENCHMARK(BM_DecideVerdictAmongEightSpellingsOfFieldLength);

void BM_DecideVerdictTypicalAnswer(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DecideVerdict("Jean de la Fontaine", "la fontaine"));
}
BENCHMARK(BM_DecideVerdictTypicalAnswer);

} // namespace
