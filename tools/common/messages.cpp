#include "tools/common/messages.h"

#include <cstdlib>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

struct MessageTexts {
    const char* english;
    const char* french;
};

const MessageTexts kMessages[] = {
#define JORVO_MESSAGE(id, english, french) {english, french},
#include "tools/common/message_table.h"
#undef JORVO_MESSAGE
};
static_assert(sizeof kMessages / sizeof kMessages[0] == static_cast<size_t>(Msg::Count),
              "one line of texts per message");

bool languageChosen = false;
Language chosenLanguage = Language::English;

Language UserLanguage() {
#ifdef _WIN32
    return LanguageOfWindowsId(GetUserDefaultUILanguage());
#else
    return LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
#endif
}

std::string Fill(const char* text, const std::vector<std::string>& given) {
    std::string out;
    for (const char* c = text; *c; ++c) {
        if (c[0] == '{' && c[1] >= '1' && c[1] <= '9' && c[2] == '}') {
            const size_t index = static_cast<size_t>(c[1] - '1');
            if (index < given.size()) out += given[index];
            c += 2;
        } else {
            out += *c;
        }
    }
    return out;
}

} // namespace

Language MessageLanguage() {
    if (!languageChosen) {
        chosenLanguage = UserLanguage();
        languageChosen = true;
    }
    return chosenLanguage;
}

void SetMessageLanguage(Language language) {
    chosenLanguage = language;
    languageChosen = true;
}

const char* MessageText(Language language, Msg id) {
    const MessageTexts& texts = kMessages[static_cast<size_t>(id)];
    return language == Language::French ? texts.french : texts.english;
}

std::string SayIn(Language language, Msg id, std::initializer_list<std::string> arguments) {
    return Fill(MessageText(language, id), std::vector<std::string>(arguments));
}

std::string Say(Msg id, std::initializer_list<std::string> arguments) {
    return SayIn(MessageLanguage(), id, arguments);
}

std::string SayCount(Msg one, Msg many, long long count, std::initializer_list<std::string> more) {
    const bool singular = MessageLanguage() == Language::French ? count <= 1 && count >= -1 : count == 1;
    std::vector<std::string> arguments{std::to_string(count)};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return Fill(MessageText(MessageLanguage(), singular ? one : many), arguments);
}

std::string SayBytes(unsigned long long bytes) {
    if (bytes < 1000 * 1024ull)
        return Say(Msg::SizeInKilobytes, {std::to_string(bytes < 512 ? 1 : (bytes + 512) / 1024)});
    const unsigned long long tenths = (bytes * 10 + 512 * 1024) / (1024 * 1024);
    const char point = MessageLanguage() == Language::French ? ',' : '.';
    return Say(Msg::SizeInMegabytes, {std::to_string(tenths / 10) + point + std::to_string(tenths % 10)});
}

Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    const char* name = nullptr;
    for (const char* candidate : {lcAll, lcMessages, lang})
        if (!name && candidate && *candidate) name = candidate;
    return name && name[0] == 'f' && name[1] == 'r' &&
                   (name[2] == '\0' || name[2] == '_' || name[2] == '.' || name[2] == '@' || name[2] == '-')
               ? Language::French
               : Language::English;
}

Language LanguageOfWindowsId(unsigned languageId) {
    return (languageId & 0x3FF) == 0x0C ? Language::French : Language::English;
}
