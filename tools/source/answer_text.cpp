#include "tools/source/answer_text.h"

#include "tools/common/messages.h"

namespace {

struct Replacement {
    const char* typographic; // UTF-8
    const char* keyboard;
    Msg name;
};

const Replacement kReplacements[] = {
    {"\xE2\x80\x99", "'", Msg::TypographicApostrophe},
    {"\xE2\x80\x98", "'", Msg::OpeningSingleQuote},
    {"\xE2\x80\x9A", "'", Msg::LowSingleQuote},
    {"\xE2\x80\x9C", "\"", Msg::OpeningDoubleQuote},
    {"\xE2\x80\x9D", "\"", Msg::ClosingDoubleQuote},
    {"\xE2\x80\x9E", "\"", Msg::LowDoubleQuote},
    {"\xC2\xAB", "\"", Msg::Guillemet},
    {"\xC2\xBB", "\"", Msg::Guillemet},
    {"\xC2\xA0", " ", Msg::NonBreakingSpace},
};

// Letters the judge takes as they are, but that French keyboards give only through tricks.
const char* const kHardLetters[] = {"\xC5\x93", "\xC5\x92", "\xC3\xA6", "\xC3\x86"}; // oe OE ae AE

} // namespace

std::string KeyboardAnswer(const std::string& utf8, std::vector<std::string>* notes) {
    std::string out;
    out.reserve(utf8.size());
    std::vector<const Replacement*> used;
    size_t pos = 0;
    while (pos < utf8.size()) {
        const Replacement* found = nullptr;
        for (const Replacement& r : kReplacements)
            if (utf8.compare(pos, std::char_traits<char>::length(r.typographic), r.typographic) == 0)
                found = &r;
        if (!found) {
            out.push_back(utf8[pos++]);
            continue;
        }
        out += found->keyboard;
        pos += std::char_traits<char>::length(found->typographic);
        bool known = false;
        for (const Replacement* r : used)
            known = known || r == found;
        if (!known) used.push_back(found);
    }
    for (const Replacement* r : used)
        notes->push_back(
            Say(Msg::TypographicReplaced,
                {Say(r->name), r->typographic, r->keyboard[0] == ' ' ? Say(Msg::PlainSpace) : r->keyboard}));
    for (const char* letter : kHardLetters)
        if (out.find(letter) != std::string::npos) notes->push_back(Say(Msg::HardLetter, {letter}));
    return out;
}
