#include "tools/source/answer_text.h"

namespace {

struct Replacement {
    const char* typographic; // UTF-8
    const char* keyboard;
    const char* name;
};

const Replacement kReplacements[] = {
    {"\xE2\x80\x99", "'", "typographic apostrophe"},
    {"\xE2\x80\x98", "'", "opening single quote"},
    {"\xE2\x80\x9A", "'", "low single quote"},
    {"\xE2\x80\x9C", "\"", "opening double quote"},
    {"\xE2\x80\x9D", "\"", "closing double quote"},
    {"\xE2\x80\x9E", "\"", "low double quote"},
    {"\xC2\xAB", "\"", "guillemet"},
    {"\xC2\xBB", "\"", "guillemet"},
    {"\xC2\xA0", " ", "non-breaking space"},
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
        notes->push_back(std::string("the ") + r->name + " " + r->typographic + " was replaced with " +
                         (r->keyboard[0] == ' ' ? std::string("a plain space") : r->keyboard) +
                         ", the character players type");
    for (const char* letter : kHardLetters)
        if (out.find(letter) != std::string::npos)
            notes->push_back(std::string("few players can type '") + letter +
                             "': one who types it as two letters is not judged right");
    return out;
}
