#include "tools/common/messages.h"
#include "tools/import/gift_import.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

// A question's lines as written (comment lines kept empty, so offsets still count lines).
struct Chunk {
    int line = 0;
    std::string text;
};

struct Reader {
    const Chunk* chunk;
    ImportedQuiz* quiz;

    int LineAt(size_t offset) const {
        int line = chunk->line;
        for (size_t i = 0; i < offset && i < chunk->text.size(); ++i)
            line += chunk->text[i] == '\n';
        return line;
    }
    void Note(size_t offset, const std::string& text) const { quiz->notes.push_back({LineAt(offset), text}); }
};

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

size_t FindUnescaped(const std::string& text, const char* token, size_t from) {
    const size_t length = std::char_traits<char>::length(token);
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
            continue;
        }
        if (text.compare(i, length, token) == 0) return i;
    }
    return std::string::npos;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n') {
                out.push_back('\n');
                ++i;
                continue;
            }
            if (next == ':' || next == '=' || next == '~' || next == '#' || next == '{' || next == '}' ||
                next == '\\') {
                out.push_back(next);
                ++i;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

// Runs of white space, line breaks included, become one space: GIFT wraps its texts freely.
std::string CollapseSpaces(const std::string& text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            space = !out.empty();
            continue;
        }
        if (space) out.push_back(' ');
        space = false;
        out.push_back(c);
    }
    return out;
}

// Text without its HTML tags and with the common entities written out; false when there was none.
bool StripHtml(std::string* text) {
    static const struct {
        const char* entity;
        const char* text;
    } kEntities[] = {{"&amp;", "&"},
                     {"&lt;", "<"},
                     {"&gt;", ">"},
                     {"&quot;", "\""},
                     {"&#39;", "'"},
                     {"&apos;", "'"},
                     {"&nbsp;", "\xC2\xA0"},
                     {"&eacute;", "\xC3\xA9"},
                     {"&egrave;", "\xC3\xA8"},
                     {"&agrave;", "\xC3\xA0"},
                     {"&ccedil;", "\xC3\xA7"}};
    std::string out;
    bool changed = false;
    for (size_t i = 0; i < text->size(); ++i) {
        const char c = (*text)[i];
        const char next = i + 1 < text->size() ? (*text)[i + 1] : '\0';
        const bool tag =
            c == '<' && (std::isalpha(static_cast<unsigned char>(next)) || next == '/' || next == '!');
        const size_t close = tag ? text->find('>', i) : std::string::npos;
        if (close != std::string::npos) {
            // Tags that break a line leave a space; inline ones join their text.
            std::string name;
            for (size_t j = i + 1;
                 j < close && (std::isalpha(static_cast<unsigned char>((*text)[j])) || (*text)[j] == '/');
                 ++j)
                if ((*text)[j] != '/')
                    name.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>((*text)[j]))));
            if (name == "br" || name == "p" || name == "div" || name == "li" || name == "td")
                out.push_back(' ');
            i = close;
            changed = true;
            continue;
        }
        bool entity = false;
        if (c == '&')
            for (const auto& e : kEntities)
                if (text->compare(i, std::char_traits<char>::length(e.entity), e.entity) == 0) {
                    out += e.text;
                    i += std::char_traits<char>::length(e.entity) - 1;
                    entity = changed = true;
                    break;
                }
        if (!entity) out.push_back(c);
    }
    *text = out;
    return changed;
}

// At most about 40 bytes of `text`, cut between characters, for a message.
std::string Shorten(const std::string& text) {
    if (text.size() <= 40) return text;
    size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "...";
}

std::string Upper(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// Whether an answer block asks something else than a short answer; *left says what, to the author.
bool OtherKind(const std::string& block, Msg* left) {
    const std::string trimmed = Trim(block);
    const std::string head = Upper(Trim(trimmed.substr(0, FindUnescaped(trimmed, "#", 0))));
    if (trimmed.empty())
        *left = Msg::ImportGiftEssay;
    else if (trimmed[0] == '#')
        *left = Msg::ImportGiftNumerical;
    else if (head == "T" || head == "F" || head == "TRUE" || head == "FALSE")
        *left = Msg::ImportGiftTrueFalse;
    else if (FindUnescaped(trimmed, "~", 0) != std::string::npos)
        *left = Msg::ImportGiftMultipleChoice;
    else if (trimmed[0] != '=')
        *left = Msg::ImportGiftUnknownBlock;
    else if (FindUnescaped(trimmed, "->", 0) != std::string::npos)
        *left = Msg::ImportGiftMatching;
    else
        return false;
    return true;
}

// Every `=answer` of a short answer's block that starts at `offset` in the chunk.
void ReadAnswers(const Reader& r, const std::string& block, size_t offset, ImportedQuestion* question) {
    size_t at = FindUnescaped(block, "=", 0);
    while (at != std::string::npos) {
        const size_t next = FindUnescaped(block, "=", at + 1);
        std::string answer =
            block.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        const size_t where = offset + at;
        const size_t feedback = FindUnescaped(answer, "#", 0);
        std::string weight;
        const size_t lead = answer.find_first_not_of(" \t\r\n");
        if (lead != std::string::npos && answer[lead] == '%') {
            const size_t end = answer.find('%', lead + 1);
            if (end != std::string::npos && end < feedback) {
                weight = Trim(answer.substr(lead + 1, end - lead - 1));
                answer.erase(0, end + 1);
            }
        }
        const std::string text =
            CollapseSpaces(Unescape(Trim(answer.substr(0, FindUnescaped(answer, "#", 0)))));
        at = next;
        if (text.empty()) continue;
        if (FindUnescaped(answer, "#", 0) != std::string::npos)
            r.Note(where, Say(Msg::ImportGiftFeedback, {text}));
        if (!weight.empty() && std::strtod(weight.c_str(), nullptr) < 100) {
            r.Note(where, Say(Msg::ImportGiftWeight, {text, weight}));
            continue;
        }
        question->answer.push_back(text);
    }
}

void ReadQuestion(const Chunk& chunk, ImportedQuiz* quiz) {
    const Reader r{&chunk, quiz};
    const std::string& text = chunk.text;
    size_t at = text.find_first_not_of(" \t\r\n");
    if (at == std::string::npos) return;
    std::string title;
    if (text.compare(at, 2, "::") == 0) {
        const size_t end = FindUnescaped(text, "::", at + 2);
        if (end == std::string::npos) {
            r.Note(at, Say(Msg::ImportGiftTitleOpen));
            return;
        }
        title = CollapseSpaces(Unescape(text.substr(at + 2, end - at - 2)));
        at = end + 2;
    }
    at = text.find_first_not_of(" \t\r\n", at);
    if (at == std::string::npos) at = text.size();
    bool html = false;
    if (text.compare(at, 1, "[") == 0) {
        const size_t end = text.find(']', at);
        const std::string format = end == std::string::npos ? "" : text.substr(at + 1, end - at - 1);
        if (format == "html" || format == "moodle" || format == "plain" || format == "markdown") {
            html = format == "html" || format == "moodle";
            at = end + 1;
        }
    }
    const size_t open = FindUnescaped(text, "{", at);
    const std::string name =
        "'" + Shorten(title.empty() ? CollapseSpaces(Unescape(text.substr(at, open - at))) : title) + "'";
    if (open == std::string::npos) {
        r.Note(at, Say(Msg::ImportGiftDescription, {name}));
        return;
    }
    const size_t close = FindUnescaped(text, "}", open + 1);
    if (close == std::string::npos) {
        r.Note(open, Say(Msg::ImportGiftBlockOpen, {name}));
        return;
    }
    std::string block = text.substr(open + 1, close - open - 1);
    const size_t general = FindUnescaped(block, "####", 0);
    if (general != std::string::npos) {
        r.Note(open + 1 + general, Say(Msg::ImportGiftGeneralFeedback, {name}));
        block.erase(general);
    }
    Msg left;
    if (OtherKind(block, &left)) {
        r.Note(open, Say(left, {name}));
        return;
    }
    ImportedQuestion question;
    question.line = r.LineAt(at);
    std::string before = Unescape(text.substr(at, open - at));
    std::string after = Unescape(text.substr(close + 1));
    bool stripped = false;
    if (html || before.find('<') != std::string::npos || after.find('<') != std::string::npos) {
        stripped = StripHtml(&before);
        stripped = StripHtml(&after) || stripped;
    }
    if (stripped) r.Note(at, Say(Msg::ImportGiftHtml, {name}));
    before = CollapseSpaces(before);
    after = CollapseSpaces(after);
    // An answer block inside the text leaves a blank where it stood.
    question.text = after.empty() ? before : (before.empty() ? "_____ " : before + " _____ ") + after;
    if (question.text.empty()) question.text = title;
    ReadAnswers(r, block, open + 1, &question);
    quiz->questions.push_back(question);
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

} // namespace

void ImportGift(const std::string& utf8, ImportedQuiz* quiz) {
    std::vector<Chunk> chunks;
    Chunk chunk;
    std::vector<std::string> categories;
    int categoryLine = 0;
    const auto endChunk = [&]() {
        if (!Trim(chunk.text).empty()) chunks.push_back(chunk);
        chunk = Chunk();
    };
    int line = 0;
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        std::string text = utf8.substr(start, end - start);
        start = end + 1;
        ++line;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const std::string trimmed = Trim(text);
        if (trimmed.empty()) {
            endChunk();
            continue;
        }
        if (StartsWith(trimmed, "$CATEGORY:")) {
            endChunk();
            std::string path = Trim(trimmed.substr(10));
            const size_t slash = path.find_last_of('/');
            if (slash != std::string::npos) path.erase(0, slash + 1);
            if (categories.empty() || categories.back() != path) categories.push_back(path);
            if (categories.size() == 2) categoryLine = line;
            continue;
        }
        if (chunk.text.empty()) chunk.line = line;
        chunk.text += (StartsWith(trimmed, "//") ? std::string() : text) + "\n";
    }
    endChunk();
    std::set<std::string> distinct(categories.begin(), categories.end());
    if (distinct.size() == 1) quiz->title = categories[0];
    if (distinct.size() > 1) quiz->notes.push_back({categoryLine, Say(Msg::ImportGiftCategories)});
    for (const Chunk& question : chunks)
        ReadQuestion(question, quiz);
}

bool LooksLikeGift(const std::string& utf8) {
    size_t start = 0;
    while (start < utf8.size()) {
        size_t end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        const std::string line = Trim(utf8.substr(start, end - start));
        start = end + 1;
        if (StartsWith(line, "::") || StartsWith(line, "$CATEGORY:")) return true;
        const size_t open = FindUnescaped(line, "{", 0);
        if (open == std::string::npos) continue;
        const size_t close = FindUnescaped(line, "}", open);
        const std::string block =
            Trim(line.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
        if (block.empty() ? close != std::string::npos
                          : std::string("=~#").find(block[0]) != std::string::npos)
            return true;
        const std::string head = Upper(block);
        if (close != std::string::npos && (head == "T" || head == "F" || head == "TRUE" || head == "FALSE"))
            return true;
    }
    return false;
}
