// Line splitting: words, quoted words with their two escapes, comments, and the malformed
// lines that must stop a file rather than run as something else.

#include <gtest/gtest.h>

#include "tools/scenario/LineError.h"
#include "tools/scenario/Tokenizer.h"

using scenario::LineError;
using scenario::tokenize;
using scenario::Word;

namespace {

Word bare(const char* s) {
    return Word{s, false};
}
Word quoted(const char* s) {
    return Word{s, true};
}

}  // namespace

TEST(Tokenizer, BlanksAndTabsSeparateWords) {
    EXPECT_EQ(tokenize("  move\tChargedecharge.genectl  300 200 "),
              (std::vector<Word>{bare("move"), bare("Chargedecharge.genectl"), bare("300"), bare("200")}));
}

TEST(Tokenizer, BlankAndCommentOnlyLinesHaveNoWords) {
    EXPECT_TRUE(tokenize("").empty());
    EXPECT_TRUE(tokenize("   \t ").empty());
    EXPECT_TRUE(tokenize("# a comment \"with a quote").empty());
    EXPECT_TRUE(tokenize("\r").empty());  // a line of a CRLF file
}

TEST(Tokenizer, CommentEndsTheLineEvenInsideAWord) {
    EXPECT_EQ(tokenize("hold X right 1050     # five steps"),
              (std::vector<Word>{bare("hold"), bare("X"), bare("right"), bare("1050")}));
    EXPECT_EQ(tokenize("wait 100#ms"), (std::vector<Word>{bare("wait"), bare("100")}));
}

TEST(Tokenizer, QuotedWordKeepsBlanksAndHashes) {
    EXPECT_EQ(tokenize("expect A.Vle.Caption \"5,3 V\""),
              (std::vector<Word>{bare("expect"), bare("A.Vle.Caption"), quoted("5,3 V")}));
    EXPECT_EQ(tokenize("echo \"# not a comment\" # but this is"),
              (std::vector<Word>{bare("echo"), quoted("# not a comment")}));
}

TEST(Tokenizer, QuotedWordsAreToldApartFromBareOnes) {
    // "0 " and the empty string are real captions; a quoted 5 is a string, not a number.
    EXPECT_EQ(tokenize("\"0 \" \"\" \"5\" 5"),
              (std::vector<Word>{quoted("0 "), quoted(""), quoted("5"), bare("5")}));
}

TEST(Tokenizer, EscapesInsideQuotes) {
    EXPECT_EQ(tokenize(R"("say \"hi\"" "a\\b" "\\")"),
              (std::vector<Word>{quoted("say \"hi\""), quoted("a\\b"), quoted("\\")}));
}

TEST(Tokenizer, NonAsciiTextPassesThroughUnchanged) {
    EXPECT_EQ(tokenize("\"10 µF\" décharge"), (std::vector<Word>{quoted("10 µF"), bare("décharge")}));
}

TEST(Tokenizer, MalformedQuotingIsAnError) {
    EXPECT_THROW(tokenize("expect X \"open"), LineError);
    EXPECT_THROW(tokenize("expect X \"ends in a backslash\\"), LineError);
    EXPECT_THROW(tokenize(R"(echo "bad \n escape")"), LineError);
    EXPECT_THROW(tokenize("echo \"a\"b"), LineError);
    EXPECT_THROW(tokenize("echo a\"b\""), LineError);
}
