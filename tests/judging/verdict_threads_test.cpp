// Verdicts from several threads with small stacks at once: the judge keeps no shared state and little
// stack (the distance's bit vectors and match masks), so every thread gives the same verdicts.
#include <gtest/gtest.h>

#include <pthread.h>

#include <cstring>
#include <string>

#include "judging/text_ops.h"
#include "judging/verdict.h"

namespace {

const std::string kLongest(kMaxTextLength, 'A');
const std::string kOther(kMaxTextLength, 'B');
const char* const kPairs[][3] = {
    // accepted, typed, verdict
    {"CHARLEMAGNE", "charlemange", kVerdictAnagram},
    {"La Revolution francaise", "la revolusion fransaize", kVerdictSomeIdea},
    {"Jean de la Fontaine", "la fontaine", kVerdictClose},
    {kLongest.c_str(), kOther.c_str(), kVerdictWrong},
};

void* JudgeEveryPair(void* mismatches) {
    for (int round = 0; round < 100; ++round)
        for (const auto& pair : kPairs)
            if (std::strcmp(DecideVerdict(pair[0], pair[1]), pair[2]) != 0) ++*static_cast<int*>(mismatches);
    return nullptr;
}

TEST(DecideVerdict, SmallStackThreadsJudgingTogetherAgree) {
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 64 * 1024), 0);
    pthread_t threads[3];
    int mismatches[3] = {};
    for (int t = 0; t < 3; ++t)
        ASSERT_EQ(pthread_create(&threads[t], &attributes, JudgeEveryPair, &mismatches[t]), 0);
    for (pthread_t thread : threads)
        pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    for (int count : mismatches)
        EXPECT_EQ(count, 0);
}

} // namespace
