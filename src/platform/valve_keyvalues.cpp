#include "platform/valve_keyvalues.h"

#include "text/strings.h"

namespace vell::valve {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

enum class TokenKind { Text, Open, Close, End, Broken };

struct Token {
    TokenKind kind;
    std::string text;
};

class Tokens {
  public:
    explicit Tokens(std::string_view text) : text_(text) {}

    Token next() {
        skipBlanksAndComments();
        if (at_ >= text_.size()) return {TokenKind::End, {}};
        const char c = text_[at_];
        if (c == '{') return ++at_, Token{TokenKind::Open, {}};
        if (c == '}') return ++at_, Token{TokenKind::Close, {}};
        if (c == '"') return quoted();
        return bare();
    }

  private:
    void skipBlanksAndComments() {
        while (at_ < text_.size()) {
            if (isSpace(text_[at_])) {
                ++at_;
            } else if (text_.substr(at_, 2) == "//") {
                const std::size_t end = text_.find('\n', at_);
                at_ = end == std::string_view::npos ? text_.size() : end + 1;
            } else {
                return;
            }
        }
    }

    // A text in quotes; \\ and \" stand for the character, \n and \t for the
    // control character, any other backslash for itself.
    Token quoted() {
        std::string out;
        for (++at_; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '"') return ++at_, Token{TokenKind::Text, out};
            if (c == '\\' && at_ + 1 < text_.size()) {
                const char e = text_[at_ + 1];
                if (e == '\\' || e == '"') {
                    out += e, ++at_;
                    continue;
                }
                if (e == 'n' || e == 't') {
                    out += e == 'n' ? '\n' : '\t', ++at_;
                    continue;
                }
            }
            out += c;
        }
        return {TokenKind::Broken, {}};
    }

    // A bare token runs up to a blank, a brace or a quote.
    Token bare() {
        const std::size_t start = at_;
        while (at_ < text_.size() && !isSpace(text_[at_]) && text_[at_] != '{' &&
               text_[at_] != '}' && text_[at_] != '"')
            ++at_;
        return {TokenKind::Text, std::string(text_.substr(start, at_ - start))};
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// A condition such as [$WIN32] after a value or a block's key: read and
// left out.
bool isCondition(const Token& t) {
    return t.kind == TokenKind::Text && t.text.size() >= 2 && t.text.front() == '[' &&
           t.text.back() == ']';
}

// The pairs up to the closing brace (nested) or the end of the text (the
// outermost level). False when the text is broken.
bool readPairs(Tokens& tokens, std::vector<KeyValue>& out, bool nested, int depth) {
    if (depth > 64) return false;
    Token t = tokens.next();
    for (;;) {
        if (t.kind == TokenKind::End) return !nested;
        if (t.kind == TokenKind::Close) return nested;
        if (t.kind != TokenKind::Text) return false;
        KeyValue pair;
        pair.key = t.text;
        Token v = tokens.next();
        if (isCondition(v)) v = tokens.next();
        if (v.kind == TokenKind::Open) {
            pair.block = true;
            if (!readPairs(tokens, pair.children, true, depth + 1)) return false;
        } else if (v.kind == TokenKind::Text) {
            pair.value = v.text;
        } else {
            return false;
        }
        out.push_back(std::move(pair));
        t = tokens.next();
        if (isCondition(t)) t = tokens.next();
    }
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

const KeyValue* KeyValue::child(std::string_view name) const {
    for (const KeyValue& c : children)
        if (iequals(c.key, name)) return &c;
    return nullptr;
}

std::optional<std::vector<KeyValue>> parseKeyValues(std::string_view text) {
    Tokens tokens(text);
    std::vector<KeyValue> pairs;
    if (!readPairs(tokens, pairs, false, 0)) return std::nullopt;
    return pairs;
}

std::vector<std::string> libraryFolders(std::string_view text) {
    std::vector<std::string> folders;
    const auto pairs = parseKeyValues(text);
    if (!pairs) return folders;
    for (const KeyValue& top : *pairs) {
        if (!top.block || !iequals(top.key, "libraryfolders")) continue;
        for (const KeyValue& entry : top.children) {
            if (!allDigits(entry.key)) continue;
            const KeyValue* path = entry.block ? entry.child("path") : &entry;
            if (path != nullptr && !path->block && !path->value.empty())
                folders.push_back(path->value);
        }
    }
    return folders;
}

}  // namespace vell::valve
