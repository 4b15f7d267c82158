#pragma once
// Splits a scenario line into words: blanks separate words, "..." is one word (a backslash
// escapes a quote or a backslash inside), # starts a comment outside quotes.

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

struct Word {
    std::string text;
    bool quoted = false;  // written in double quotes: a string, never a name or a number

    bool operator==(const Word&) const = default;
};

// The words of one line; none for a blank or comment-only line. Throws LineError when a
// quoted word is unterminated, holds an unknown escape, or runs into the next word.
std::vector<Word> tokenize(std::string_view line);

}  // namespace scenario
