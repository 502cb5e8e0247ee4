// What the authoring programs tell their user, in English or in French: every text is one line of
// tools/common/message_table.h, in both languages.
#pragma once

#include <initializer_list>
#include <string>

enum class Msg {
#define JORVO_MESSAGE(id, english, french) id,
#include "tools/common/message_table.h"
#undef JORVO_MESSAGE
    Count
};

enum class Language { English, French };

// The language messages are given in: chosen once from the user's settings, unless set.
Language MessageLanguage();
void SetMessageLanguage(Language language);

// The message in the current language, its {1} to {9} replaced by the arguments (UTF-8).
std::string Say(Msg id, std::initializer_list<std::string> arguments = {});
// The same in a language given.
std::string SayIn(Language language, Msg id, std::initializer_list<std::string> arguments = {});
// `one` or `many` as the count asks in the current language ({1} is the count): French says
// "0 question", English "0 questions".
std::string SayCount(Msg one, Msg many, long long count, std::initializer_list<std::string> more = {});

// A file size as the user reads it: "209 KB", "2.4 MB" ("209 Ko", "2,4 Mo" in French).
std::string SayBytes(unsigned long long bytes);

// The texts of a message as written in the table, for the checks of the table itself.
const char* MessageText(Language language, Msg id);

// The language of a locale as the C library names them elsewhere: LC_ALL, else LC_MESSAGES, else LANG,
// the first one set and not empty; "fr", "fr_FR.UTF-8", "fr_CA"... are French.
Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);
// The language of a Windows language id (its low 10 bits are the primary language, 0x0C French).
Language LanguageOfWindowsId(unsigned languageId);
