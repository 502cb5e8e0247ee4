// The verdict on one typed answer: normalise both texts, then the first rule that applies. Pure
// functions, safe on any thread; no window is touched here.
#pragma once

// The verdicts, as the verdict labels show them (Windows-1252 at run time).
inline constexpr char kVerdictRight[] = "BRAVO";
inline constexpr char kVerdictEmpty[] = "?";
inline constexpr char kVerdictWrong[] = "FAUX";
inline constexpr char kVerdictAnagram[] = "Anagramme";
inline constexpr char kVerdictOneSlip[] = "Quasiment";
inline constexpr char kVerdictTwoSlips[] = "Presque";
inline constexpr char kVerdictTooShort[] = "Trop court";
inline constexpr char kVerdictTooLong[] = "Trop long";
inline constexpr char kVerdictClose[] = "Pas loin";
inline constexpr char kVerdictSomeIdea[] = "y a de l'id\xE9"
                                           "e";

// The verdict for `typedAnswer` against `acceptedAnswer`: one of the texts above. The typed text is
// trimmed, both are upper-cased; the accepted answer is not trimmed. Only the first 259 characters of
// each text are read.
const char* DecideVerdict(const char* acceptedAnswer, const char* typedAnswer);

// Whether the typed text, trimmed and upper-cased, is exactly the upper-cased accepted answer and not
// empty: the same test as a "BRAVO" verdict, without measuring distances.
bool IsRightAnswer(const char* acceptedAnswer, const char* typedAnswer);

// The best of the verdicts that `typedAnswer` gets against each of `count` accepted spellings (at least
// one), best first in this order: "BRAVO", "Anagramme", "Quasiment", "Presque", "Trop court",
// "Trop long", "Pas loin", "y a de l'id\xE9e", "FAUX". An empty typed text is "?" whatever the spellings.
const char* DecideVerdictAmong(const char* const* spellings, int count, const char* typedAnswer);

// Whether the typed text is right for one of the spellings (IsRightAnswer against each).
bool IsRightAmong(const char* const* spellings, int count, const char* typedAnswer);
