#include "tools/scenario/Tokenizer.h"

#include "tools/scenario/LineError.h"

namespace scenario {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Reads the quoted word that starts at line[i] (the opening quote); returns the index after it.
size_t readQuoted(std::string_view line, size_t i, std::string& out) {
    for (++i; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') return i + 1;
        if (c == '\\') {
            if (i + 1 >= line.size()) break;
            const char next = line[++i];
            if (next != '"' && next != '\\')
                throw LineError(std::string("unknown escape \\") + next + " in a quoted word");
            out += next;
        } else {
            out += c;
        }
    }
    throw LineError("unterminated quoted word");
}

}  // namespace

std::vector<Word> tokenize(std::string_view line) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        Word w;
        if (line[i] == '"') {
            w.quoted = true;
            i = readQuoted(line, i, w.text);
            if (i < line.size() && !isBlank(line[i]) && line[i] != '#')
                throw LineError("a quoted word must be followed by a blank");
        } else {
            while (i < line.size() && !isBlank(line[i]) && line[i] != '#') {
                if (line[i] == '"') throw LineError("a quote inside the word '" + w.text + "'");
                w.text += line[i++];
            }
        }
        words.push_back(std::move(w));
    }
    return words;
}

}  // namespace scenario
