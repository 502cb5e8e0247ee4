// The multi-spelling verdict by its definition: the single judge against each spelling alone, the best
// of those verdicts taken in the order the authoring guide gives (the control for the test and the
// fuzzer).
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "judging/verdict.h"

inline int VerdictOrderForOracle(const char* verdict) {
    static const char* const kOrder[] = {kVerdictRight,    kVerdictAnagram, kVerdictOneSlip, kVerdictTwoSlips,
                                         kVerdictTooShort, kVerdictTooLong, kVerdictClose,   kVerdictSomeIdea,
                                         kVerdictWrong,    kVerdictEmpty};
    for (int i = 0; i < 10; ++i)
        if (std::strcmp(verdict, kOrder[i]) == 0) return i;
    return 99;
}

inline std::string BestSingleVerdict(const std::vector<std::string>& spellings, const std::string& typed) {
    std::string best;
    for (const std::string& spelling : spellings) {
        const char* verdict = DecideVerdict(spellings.empty() ? "" : spelling.c_str(), typed.c_str());
        if (best.empty() || VerdictOrderForOracle(verdict) < VerdictOrderForOracle(best.c_str()))
            best = verdict;
    }
    return best;
}
