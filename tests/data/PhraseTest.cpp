// Phrases: the core's texts as patterns and arguments, which the window
// translates. Text() must read exactly as the texts always have.
#include <gtest/gtest.h>

#include "data/Phrase.h"
#include "data/Result.h"

namespace q5300 {
namespace {

TEST(PhraseTest, FillsThePlacesOfItsPatternInOnePass) {
  struct Case {
    const char* name;
    Phrase phrase;
    const char* text;
  };
  const Case cases[] = {
      {"a whole text", Phrase("Get the MaxPage!"), "Get the MaxPage!"},
      {"numbers", Phrase("%1 of the file's %2 pages", 3, 200), "3 of the file's 200 pages"},
      {"places out of order", Phrase("%2 before %1", "one", "two"), "two before one"},
      {"a place used twice", Phrase("%1 characters and %1 bytes", 40),
       "40 characters and 40 bytes"},
      {"an argument that holds a place", Phrase("%1 and %2", Phrase::Literal("%2"), "x"),
       "%2 and x"},
      {"a place without an argument", Phrase("%1 of %2", 5), "5 of %2"},
      {"a whole text keeps its places", Phrase("100%1"), "100%1"},
      {"a percent sign", Phrase("%1% done", 50), "50% done"},
      {"nested phrases", Phrase("%1\n%2", "headline", Phrase("line %1", 7)), "headline\nline 7"},
      {"a sentence", Phrase::Sentence(Phrase("it is %1, not a file", "a pipe")),
       "It is a pipe, not a file."},
      {"a sentence that begins with a capital", Phrase::Sentence("USB cannot be used"),
       "USB cannot be used."},
  };
  for (const Case& c : cases) EXPECT_EQ(c.phrase.Text(), c.text) << c.name;
}

TEST(PhraseTest, ALiteralIsNeverAPattern) {
  const Phrase path = Phrase::Literal("/tmp/%1/jobs");
  EXPECT_TRUE(path.literal());
  EXPECT_EQ(Phrase("%1 cannot be read", path).Text(), "/tmp/%1/jobs cannot be read");
  EXPECT_TRUE(Phrase::Number(-12).literal());
}

TEST(PhraseTest, JoinLeavesOutEmptyPartsAndTakesAnyNumber) {
  EXPECT_EQ(Phrase::Join({"Printing stopped.", Phrase(), "Page 1 sent."}, " ").Text(),
            "Printing stopped. Page 1 sent.");
  EXPECT_TRUE(Phrase::Join({Phrase(), Phrase()}, " ").empty());
  std::vector<Phrase> parts;
  std::string expected;
  for (int i = 1; i <= 23; ++i) {
    parts.emplace_back("part %1", i);
    expected += (i > 1 ? ", part " : "part ") + std::to_string(i);
  }
  const Phrase joined = Phrase::Join(parts, ", ");
  EXPECT_EQ(joined.Text(), expected);
  for (const Phrase& part : joined.args()) EXPECT_FALSE(part.empty());
}

TEST(PhraseTest, AMessageReadsAsItsPhrase) {
  const Message message{Phrase("Page %1: %2.", 4, "the font size 9 is not one of 0..6")};
  EXPECT_EQ(message.text, "Page 4: the font size 9 is not one of 0..6.");
  EXPECT_EQ(message.phrase.pattern(), "Page %1: %2.");
  EXPECT_EQ(message.caption, "Prompt");
  // A plain text is its own pattern.
  EXPECT_EQ(Message{"인쇄 내용 없음!"}.phrase.pattern(), "인쇄 내용 없음!");
}

}  // namespace
}  // namespace q5300
