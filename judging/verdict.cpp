#include "judging/verdict.h"

#include <cstring>

#include "judging/text_ops.h"

namespace {

// Accepted answers this short earn no hint: a slip in them is simply wrong.
constexpr int kLongestShortAnswer = 3;
// A part of the accepted answer earns a hint only when the answer has more characters than this.
constexpr int kLongestAnswerWithoutPartHint = 9;

struct NormalisedPair {
    char expected[kTextSize];
    char typed[kTextSize];
    int expectedLength;
    int typedLength;
};

// At most kMaxTextLength characters, always terminated.
void CopyBounded(char* destination, const char* source) {
    int length = 0;
    while (length < kMaxTextLength && source[length]) {
        destination[length] = source[length];
        ++length;
    }
    destination[length] = '\0';
}

void Normalise(const char* acceptedAnswer, const char* typedAnswer, NormalisedPair* pair) {
    CopyBounded(pair->expected, acceptedAnswer);
    CopyBounded(pair->typed, typedAnswer);
    TrimSpaces(pair->typed);
    UpperCase(pair->typed);
    UpperCase(pair->expected);
    pair->expectedLength = static_cast<int>(std::strlen(pair->expected));
    pair->typedLength = static_cast<int>(std::strlen(pair->typed));
}

// The typed text is a part of the accepted answer. The percentages are compared exactly in integers,
// which for texts below 260 characters decides as the float ratios 70 and 50 would.
const char* VerdictForPart(int expectedLength, int typedLength) {
    if (expectedLength <= kLongestAnswerWithoutPartHint) return kVerdictWrong;
    if (100 * typedLength > 70 * expectedLength) return kVerdictTooShort;
    if (100 * typedLength > 50 * expectedLength) return kVerdictClose;
    return kVerdictWrong;
}

// The typed text holds the whole accepted answer and `extra` characters more (3 or more here).
const char* VerdictForExtra(int extra) {
    if (extra > 20) return kVerdictWrong;
    if (extra <= 10) return kVerdictTooLong;
    return kVerdictClose;
}

// Fewer than a fifth of the longer text's characters differ: 100 (L - d) > 80 L, in integers.
const char* VerdictForSimilarity(int longerLength, int distance) {
    if (100 * (longerLength - distance) > 80 * longerLength) return kVerdictSomeIdea;
    return kVerdictWrong;
}

// The verdicts a typed text may get against an accepted one, best first.
const char* const kVerdictsBestFirst[] = {kVerdictRight,    kVerdictAnagram,  kVerdictOneSlip,
                                          kVerdictTwoSlips, kVerdictTooShort, kVerdictTooLong,
                                          kVerdictClose,    kVerdictSomeIdea, kVerdictWrong};
constexpr int kVerdictCount = sizeof kVerdictsBestFirst / sizeof kVerdictsBestFirst[0];

int Rank(const char* verdict) {
    for (int rank = 0; rank < kVerdictCount; ++rank)
        if (verdict == kVerdictsBestFirst[rank]) return rank;
    return kVerdictCount;
}

} // namespace

const char* DecideVerdict(const char* acceptedAnswer, const char* typedAnswer) {
    NormalisedPair pair;
    Normalise(acceptedAnswer, typedAnswer, &pair);
    const int lenE = pair.expectedLength;
    const int lenT = pair.typedLength;

    if (lenT == 0) return kVerdictEmpty;
    if (lenE <= kLongestShortAnswer)
        return std::strcmp(pair.expected, pair.typed) == 0 ? kVerdictRight : kVerdictWrong;

    const int32_t distance = EditDistance(pair.expected, pair.typed);
    if (distance == 0) return kVerdictRight;

    // Same letters in another order: the sorted texts are equal (distance 0, so no distance is needed).
    // Texts of different lengths never sort alike, so only texts of one length are sorted.
    char sortedExpected[kTextSize];
    char sortedTyped[kTextSize];
    if (lenE == lenT) {
        std::memcpy(sortedExpected, pair.expected, lenE + 1);
        std::memcpy(sortedTyped, pair.typed, lenT + 1);
        SortLetters(sortedExpected);
        SortLetters(sortedTyped);
        if (std::strcmp(sortedExpected, sortedTyped) == 0) return kVerdictAnagram;
    }

    if (distance == 1) return kVerdictOneSlip;
    if (distance == 2) return kVerdictTwoSlips;

    // FindInLonger may exchange its buffers: the sorted copies are done with, so they serve as scratch.
    std::memcpy(sortedExpected, pair.expected, lenE + 1);
    std::memcpy(sortedTyped, pair.typed, lenT + 1);
    const int32_t found = FindInLonger(sortedExpected, sortedTyped);
    if (found == -2) return VerdictForPart(lenE, lenT);
    if (found == 2) return VerdictForExtra(lenT - lenE);
    return VerdictForSimilarity(lenT > lenE ? lenT : lenE, distance);
}

bool IsRightAnswer(const char* acceptedAnswer, const char* typedAnswer) {
    NormalisedPair pair;
    Normalise(acceptedAnswer, typedAnswer, &pair);
    return pair.typedLength > 0 && std::strcmp(pair.expected, pair.typed) == 0;
}

const char* DecideVerdictAmong(const char* const* spellings, int count, const char* typedAnswer) {
    const char* best = DecideVerdict(count > 0 ? spellings[0] : "", typedAnswer);
    // An empty typed text is "?" against every spelling; "BRAVO" cannot be bettered.
    for (int i = 1; i < count && best != kVerdictEmpty && best != kVerdictRight; ++i) {
        const char* verdict = DecideVerdict(spellings[i], typedAnswer);
        if (Rank(verdict) < Rank(best)) best = verdict;
    }
    return best;
}

bool IsRightAmong(const char* const* spellings, int count, const char* typedAnswer) {
    for (int i = 0; i < count; ++i)
        if (IsRightAnswer(spellings[i], typedAnswer)) return true;
    return false;
}
