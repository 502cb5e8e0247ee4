// The edit distance by the full table recurrence: slow and plain, the control that the bit-parallel
// EditDistance is checked against (tests, fuzzing, benchmark).
#pragma once

#include <cstdint>
#include <vector>

#include "judging/text_ops.h"

inline int32_t EditDistanceByTable(const char* first, const char* second) {
    int firstLength = 0, secondLength = 0;
    while (firstLength < kMaxTextLength && first[firstLength])
        ++firstLength;
    while (secondLength < kMaxTextLength && second[secondLength])
        ++secondLength;
    std::vector<int32_t> table((firstLength + 1) * (secondLength + 1));
    const auto at = [&](int i, int j) -> int32_t& { return table[i * (secondLength + 1) + j]; };
    for (int j = 0; j <= secondLength; ++j)
        at(0, j) = j;
    for (int i = 1; i <= firstLength; ++i) {
        at(i, 0) = i;
        for (int j = 1; j <= secondLength; ++j) {
            int32_t best = at(i - 1, j) + 1;
            if (at(i, j - 1) + 1 < best) best = at(i, j - 1) + 1;
            const int32_t diagonal = at(i - 1, j - 1) + (first[i - 1] == second[j - 1] ? 0 : 1);
            if (diagonal < best) best = diagonal;
            at(i, j) = best;
        }
    }
    return at(firstLength, secondLength);
}
