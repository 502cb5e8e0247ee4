// The verdict from threads with small stacks, several at once: the distance table must stay off their
// stacks, and a thread that finds the table taken must still get the same verdicts.
#include <gtest/gtest.h>

#include <pthread.h>

#include <cstring>
#include <string>

#include "judging/text_ops.h"
#include "judging/verdict.h"

namespace {

// Far below the 270 KB of the distance table.
constexpr size_t kSmallStack = 64 * 1024;
constexpr int kRounds = 300;

struct Pair {
    const char* accepted;
    const char* typed;
};

const Pair kPairs[] = {
    {"CHARLEMAGNE", "charlemange"},     {"La Revolution francaise", "la revolusion fransaize"},
    {"Versailles", "versaile"},         {"Jean de la Fontaine", "la fontaine"},
    {"Napoleon", "napoleon bonaparte"}, {"ABCDEFGHIJKLMNOP", "XBCDEFGXIJKLMNOY"},
};
constexpr int kPairCount = sizeof kPairs / sizeof kPairs[0];

struct Worker {
    const char* expected[kPairCount];
    int mismatches;
};

void* JudgeEveryPair(void* argument) {
    auto* worker = static_cast<Worker*>(argument);
    for (int round = 0; round < kRounds; ++round)
        for (int i = 0; i < kPairCount; ++i)
            if (std::strcmp(DecideVerdict(kPairs[i].accepted, kPairs[i].typed), worker->expected[i]) != 0)
                ++worker->mismatches;
    return nullptr;
}

TEST(DecideVerdict, SmallStackThreadsJudgingTogetherAgreeWithTheMainThread) {
    constexpr int kThreads = 3;
    Worker workers[kThreads] = {};
    for (Worker& worker : workers)
        for (int i = 0; i < kPairCount; ++i)
            worker.expected[i] = DecideVerdict(kPairs[i].accepted, kPairs[i].typed);
    EXPECT_STREQ(workers[0].expected[0], kVerdictAnagram); // the expectations are real verdicts
    EXPECT_STREQ(workers[0].expected[1], kVerdictSomeIdea);

    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, kSmallStack), 0);
    pthread_t threads[kThreads];
    for (int t = 0; t < kThreads; ++t)
        ASSERT_EQ(pthread_create(&threads[t], &attributes, JudgeEveryPair, &workers[t]), 0);
    for (pthread_t thread : threads)
        pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    for (const Worker& worker : workers)
        EXPECT_EQ(worker.mismatches, 0);
}

void* LongestDistance(void* argument) {
    const std::string first(kMaxTextLength, 'A'), second(kMaxTextLength, 'B');
    *static_cast<int32_t*>(argument) = EditDistance(first.c_str(), second.c_str());
    return nullptr;
}

TEST(EditDistance, LongestTextsOnASmallStack) {
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, kSmallStack), 0);
    int32_t distance = -1;
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, LongestDistance, &distance), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(distance, kMaxTextLength);
}

} // namespace
