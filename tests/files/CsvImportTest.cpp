#include "files/CsvImport.h"
#include "files/ImportFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace q5300 {

void PrintTo(const ImportedPage& page, std::ostream* out) {
  *out << ::testing::PrintToString(page.line1) << ", " << ::testing::PrintToString(page.line2)
       << ", " << page.repeatCount;
}

namespace {

using namespace std::string_literals;

// Two bytes each in code page 949.
std::string Hangul(int syllables) {
  std::string s;
  for (int i = 0; i < syllables; ++i) s += "\xB0\xA1";  // 가
  return s;
}
std::u16string HangulText(int syllables) {
  return std::u16string(static_cast<std::size_t>(syllables), u'\uAC00');
}

TEST(CsvImport, LinesFieldsAndRepeatCounts) {
  struct Case {
    std::string file;
    std::vector<ImportedPage> pages;
    int overLong = 0;
  };
  const Case cases[] = {
      {"A1,B2,3", {{u"A1", u"B2", 3}}},
      {"A1", {{u"A1", u"", 1}}},
      {"A1,,5", {{u"A1", u"", 5}}},
      {",B2", {{u"", u"B2", 1}}},
      {"A1,B2,0\nA1,B2,abc\nA1,B2,-4\nA1,B2,",
       {{u"A1", u"B2", 1}, {u"A1", u"B2", 1}, {u"A1", u"B2", 1}, {u"A1", u"B2", 1}}},
      {"A1,B2,250\nA1,B2,99999999999999", {{u"A1", u"B2", 200}, {u"A1", u"B2", 200}}},
      {"A1,B2,7,x,y\nA1,B2, +12x", {{u"A1", u"B2", 7}, {u"A1", u"B2", 12}}},
      // A field that begins with a quote runs to the matching quote.
      {"\"A,1\",B", {{u"A,1", u"B", 1}}},
      // A quote anywhere else is a character: the comma after it splits.
      {"A\"1,2\",B", {{u"A\"1", u"2\"", 1}}},
      {" A , B ", {{u" A ", u" B ", 1}}},
      // Empty lines and lines of commas leave no gap; a repeat count alone is no page.
      {"\n\nA\n,,\n,,,\n,,5\nB\n", {{u"A", u"", 1}, {u"B", u"", 1}}},
      // A carriage return counts only before a line feed.
      {"A\r\nB\r\n", {{u"A", u"", 1}, {u"B", u"", 1}}},
      {"A\rB,C\r\n", {{u"A?B", u"C", 1}}},
      {"A,B,\r7\r\n", {{u"A", u"B", 7}}},
      {"\xC7\xD1,\xB1\xDB,2\r\n", {{u"\uD55C", u"\uAE00", 2}}},
      // The page text is line 1, the separator byte and line 2: at most 40 bytes.
      {Hangul(20) + "\n" + Hangul(20) + "x", {{HangulText(20), u"", 1}}, 1},
      {Hangul(10) + "," + Hangul(10), {}, 1},
      {Hangul(10) + "," + Hangul(9) + "x", {{HangulText(10), HangulText(9) + u"x", 1}}},
      {std::string(40, 'a') + ",\n," + std::string(40, 'b') + "\n," + std::string(39, 'c'),
       {{std::u16string(40, u'a'), u"", 1}, {u"", std::u16string(39, u'c'), 1}},
       1},
  };
  for (const Case& c : cases) {
    const ImportedPages import = ParseCsv(c.file);
    EXPECT_EQ(import.pages, c.pages) << c.file;
    EXPECT_EQ(import.overLongLines, c.overLong) << c.file;
    EXPECT_FALSE(import.pageLimitReached) << c.file;
  }
}

// A control byte in a text field is a plain character of the file, never the
// printer's marker, placeholder or line separator: it is imported as '?'.
TEST(CsvImport, ControlBytesInTextBecomeQuestionMarks) {
  struct Case {
    std::string file;
    std::vector<ImportedPage> pages;
  };
  std::vector<Case> cases = {
      // Not the lines "AB" and "C" (0x1A would part them once saved and opened).
      {std::string("A\x1A"
                   "B,C,1"),
       {{u"A?B", u"C", 1}}},
      // A NUL neither cuts a field short nor leaves a page without text.
      {"A\0B,\0,2\n"s, {{u"A?B", u"?", 2}}},
      {"\0\0\0\n,\0\n"s, {{u"???", u"", 1}, {u"", u"?", 1}}},
      // The repeat count is read as before: leading blanks, tabs among them, are skipped.
      {"A\tB,C,\t 7\n\x12,\x1C\x1E,3", {{u"A?B", u"C", 7}, {u"?", u"??", 3}}},
      // Bytes that are no character: '?', as a save would make them.
      {"\x81\x20x,y", {{u"? x", u"y", 1}}},
      // Blanks alone are text, as before.
      {" , ,4", {{u" ", u" ", 4}}},
  };
  // Every control byte that is no line end or separator, in either text field.
  for (int b = 0; b < 0x20; ++b) {
    if (b == '\n' || b == '\t') continue;
    const std::string c(1, static_cast<char>(b));
    // A carriage return before the line feed ends the line.
    cases.push_back({"x" + c + ",y" + c + "\n", {{u"x?", b == '\r' ? u"y" : u"y?", 1}}});
  }
  // A tab is one where commas separate.
  cases.push_back({"x\t,y\t\nz,w\n", {{u"x?", u"y?", 1}, {u"z", u"w", 1}}});
  for (const Case& c : cases) {
    const ImportedPages import = ParseCsv(c.file);
    EXPECT_EQ(import.pages, c.pages) << ::testing::PrintToString(c.file);
    EXPECT_EQ(import.overLongLines, 0) << ::testing::PrintToString(c.file);
  }
}

// How spreadsheet programs write a field that holds a comma, a quote or a line
// end: in quotes, its quotes doubled.
TEST(CsvImport, QuotedFields) {
  struct Case {
    std::string file;
    std::vector<ImportedPage> pages;
    int unclosedQuoteLine = 0;
  };
  const Case cases[] = {
      {"\"say \"\"hi\"\"\",\"\"\"\",2", {{u"say \"hi\"", u"\"", 2}}},
      // A line end in quotes is part of the field (a control byte, so '?').
      {"\"two\nlines\",B,3\r\nnext", {{u"two?lines", u"B", 3}, {u"next", u"", 1}}},
      {"\"a\r\nb\",\"c,\r\",1", {{u"a??b", u"c,?", 1}}},
      // What follows the closing quote up to the separator belongs to the field.
      {"\"x\"y\"z,w", {{u"xy\"z", u"w", 1}}},
      {"\"x\" ,\" w\"", {{u"x ", u" w", 1}}},
      // Blanks before a quote make it an ordinary character.
      {" \"x,y\"", {{u" \"x", u"y\"", 1}}},
      // An empty quoted field is no text.
      {"\"\",\"\",5\n\"\",B", {{u"", u"B", 1}}},
      // A quoted repeat count is read as a sheet's cell is: blanks, line ends too, first.
      {"A,B,\" \r\n7\"", {{u"A", u"B", 7}}},
      // The repeat count and the fields after it may be quoted too.
      {"A,B,\"7\"\nA,B,\"1,5\"\nA,B,3,\"x\ny\",z\nC",
       {{u"A", u"B", 7}, {u"A", u"B", 1}, {u"A", u"B", 3}, {u"C", u"", 1}}},
      // A quote that is never closed takes the rest of the file into its field.
      {"A,B\nC,\"D\nE,F\n", {{u"A", u"B", 1}, {u"C", u"D?E,F?", 1}}, 2},
      {"\"a\"\"", {{u"a\"", u"", 1}}, 1},
      {"\"a\"\"\"", {{u"a\"", u"", 1}}},
      {"x\n\n\"" + std::string(50, 'q'), {{u"x", u"", 1}}, 3},
  };
  for (const Case& c : cases) {
    const ImportedPages import = ParseCsv(c.file);
    EXPECT_EQ(import.pages, c.pages) << c.file;
    EXPECT_EQ(import.unclosedQuoteLine, c.unclosedQuoteLine) << c.file;
    EXPECT_EQ(import.overLongLines, c.file.ends_with(std::string(50, 'q')) ? 1 : 0) << c.file;
  }
}

// The separator is the one of comma, semicolon and tab that splits the first
// lines with text alike, into the most fields: spreadsheet programs write tabs
// (their "text" files) or semicolons (where the comma is the decimal mark).
TEST(CsvImport, TheSeparatorIsTheOneThatSplitsTheFirstLinesAlike) {
  struct Case {
    std::string file;
    std::vector<ImportedPage> pages;
  };
  const Case cases[] = {
      {"A1,B2,3\r\nX,,1\r\n", {{u"A1", u"B2", 3}, {u"X", u"", 1}}},
      {"A1\tB2\t3\r\nC\tD\r\n", {{u"A1", u"B2", 3}, {u"C", u"D", 1}}},
      {"W1;X1:1;2\r\nW2;X1:2;1\r\n", {{u"W1", u"X1:1", 2}, {u"W2", u"X1:2", 1}}},
      // Decimal commas in a list of semicolons, on every line or on some.
      {"W1;1,5;2\r\nW2;2,5;1\r\n", {{u"W1", u"1,5", 2}, {u"W2", u"2,5", 1}}},
      {"Nr;mm2;Anzahl\r\nW1;1,5;2\r\nW2;10;1\r\n",
       {{u"Nr", u"mm2", 1}, {u"W1", u"1,5", 2}, {u"W2", u"10", 1}}},
      // Semicolons in the texts of a list of commas.
      {"A;1,B,3\nC,D;2,1\n", {{u"A;1", u"B", 3}, {u"C", u"D;2", 1}}},
      // Commas in the texts of a list of tabs, after its first lines too.
      {"\n\r\nA\tB\n1,2\t3,4\t5,6", {{u"A", u"B", 1}, {u"1,2", u"3,4", 5}}},
      // Lines that no separator splits alike: the one that splits the most.
      {"A1\tB2,x\t3\nC\tD", {{u"A1", u"B2,x", 3}, {u"C", u"D", 1}}},
      {"A\n\tB,C", {{u"A", u"", 1}, {u"?B", u"C", 1}}},
      // A separator in quotes does not count; a quoted field may hold a tab.
      {"\"a,b\"\tc\t2\n\"d\te\"\tf\t3", {{u"a,b", u"c", 2}, {u"d?e", u"f", 3}}},
      {"\"a\tb\",c", {{u"a?b", u"c", 1}}},
      {"\"a;b\";c;2\n\"d;e\";f;3", {{u"a;b", u"c", 2}, {u"d;e", u"f", 3}}},
      // A line of tabs alone has no text.
      {"\t\t\nA,B\tC", {{u"A,B", u"C", 1}}},
      // One field only, no separator at all.
      {"A\nB", {{u"A", u"", 1}, {u"B", u"", 1}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseCsv(c.file).pages, c.pages) << ::testing::PrintToString(c.file);
  }
  // Found in the first ten lines with text, however the file goes on.
  std::string list;
  for (int i = 0; i < 10; ++i) list += "W" + std::to_string(i) + ";X;1\n";
  const ImportedPages many = ParseCsv(list + "A,B;C;2\n");
  ASSERT_EQ(many.pages.size(), 11u);
  EXPECT_EQ(many.pages[10], (ImportedPage{u"A,B", u"C", 2}));
}

TEST(CsvImport, StopsAtTheTwoHundredthPage) {
  for (const int lines : {199, 200, 250}) {
    std::string file;
    for (int i = 1; i <= lines; ++i) file += "P" + std::to_string(i) + ",,2\n";
    CsvImporter importer;
    const bool wantsMore = importer.Feed(file);
    EXPECT_EQ(wantsMore, lines < 200) << lines;
    if (wantsMore) importer.Finish();
    const ImportedPages& import = importer.result();
    ASSERT_EQ(import.pages.size(), static_cast<std::size_t>(std::min(lines, 200))) << lines;
    const std::string last = "P" + std::to_string(std::min(lines, 200));
    EXPECT_EQ(import.pages.back().line1, std::u16string(last.begin(), last.end()));
    EXPECT_EQ(import.pageLimitReached, lines >= 200) << lines;
  }
}

TEST(CsvImport, PiecesOfAnySizeReadAsTheWhole) {
  const std::string files[] = {
      "A1,B2,3\r\n\r\n" + Hangul(19) + ",x\r" + "\n,,\n\rX,Y,\r\r\n" + std::string(100, 'z') +
          "\nlast,line,12",
      "\r\n\"a\tb\"\t\"c\"\"d\"\t4\r\n" + std::string(30, 'y') + "\tq\r\n\"x\r\ny\"\tz\t\"7\"",
      "\"A,\"\"1\"\"\",B\r\n\"" + std::string(70, 'w') + "\",\"\r\n\",9\r\nC,\"D",
  };
  for (const std::string& file : files) {
    const ImportedPages whole = ParseCsv(file);
    ASSERT_GE(whole.pages.size() + static_cast<std::size_t>(whole.overLongLines), 3u) << file;
    for (const std::size_t piece : {1u, 2u, 3u, 7u, 64u}) {
      CsvImporter importer;
      for (std::size_t at = 0; at < file.size(); at += piece) {
        ASSERT_TRUE(importer.Feed(std::string_view(file).substr(at, piece)));
      }
      importer.Finish();
      EXPECT_EQ(importer.result(), whole) << piece << " " << file;
    }
  }
}

TEST(CsvImport, AnEndlessLineIsCountedWithoutBeingKept) {
  std::string file(4 << 20, 'q');
  file += ",also long\nshort";
  const ImportedPages import = ParseCsv(file);
  EXPECT_EQ(import.overLongLines, 1);
  ASSERT_EQ(import.pages.size(), 1u);
  EXPECT_EQ(import.pages[0].line1, u"short");
}

// Any reader's rows go through the same rules: the text fields as a page holds
// them, at most 40 bytes together, and the 200-page stop.
TEST(ImportRules, TakeRowsFromAnyReader) {
  ImportRules rules;
  const auto take = [&rules](std::string_view line1, std::string_view line2, long repeat) {
    ImportField first;
    ImportField second;
    for (const char c : line1) first.Add(c);
    for (const char c : line2) second.Add(c);
    return rules.Take({first, second, repeat});
  };
  EXPECT_TRUE(take("A", "B", 250));
  EXPECT_TRUE(take("", "", 9));                    // no text: passed over
  EXPECT_TRUE(take(std::string(41, 'x'), "", 1));  // refused, counted
  EXPECT_TRUE(take(std::string(20, 'x'), std::string(19, 'y'), -3));
  EXPECT_TRUE(
      take(std::string(20, 'x'), std::string(20, 'y'), 1));  // 41 with the separator
  EXPECT_EQ(rules.result().pages,
            (std::vector<ImportedPage>{{u"A", u"B", 200},
                                  {std::u16string(20, u'x'), std::u16string(19, u'y'), 1}}));
  EXPECT_EQ(rules.result().overLongLines, 2);
  // A repeat count above 200 is cut, and counted: 3280 in a list as in a sheet.
  EXPECT_EQ(rules.result().repeatCountsCut, 1);
  EXPECT_TRUE(take("W", "", 3280));
  EXPECT_TRUE(take("W", "", 200));
  EXPECT_EQ(rules.result().pages.back().repeatCount, 200);
  EXPECT_TRUE(take("W", "", 201));
  EXPECT_EQ(rules.result().repeatCountsCut, 3);
  for (int i = 5; i < 199; ++i) ASSERT_TRUE(take("p", "", 1)) << i;
  EXPECT_FALSE(take("p200", "", 1));
  EXPECT_TRUE(rules.result().pageLimitReached);
  EXPECT_FALSE(take("p201", "", 1));
  EXPECT_EQ(rules.result().pages.size(), 200u);
  EXPECT_EQ(rules.result().pages.back().line1, u"p200");
}

// An open import file read whole and then as an import, as the window's Import
// reads it.
Result<ImportedPages> ReadImportFile(std::FILE* file, const std::string& path) {
  const auto bytes = ReadImportBytes(file, path);
  if (!bytes) return bytes.failure();
  return ReadImport(*bytes, path);
}

// A file too large for any import is refused before a byte of it is read.
TEST(CsvImport, AFileOfMoreThanSixteenMegabytesIsRefusedUnread) {
  struct Case {
    uint64_t size;
    bool taken;
  };
  for (const Case c : {Case{MaxImportFileSize, true}, Case{MaxImportFileSize + 1, false},
                       Case{uint64_t{1} << 30, false}}) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fputs("first,page,2\n", file);
    // The rest of the file is a hole: blank lines, as far as the import sees.
    ASSERT_EQ(ftruncate(fileno(file), static_cast<off_t>(c.size)), 0);
    std::rewind(file);
    const auto read = ReadImportFile(file, "big.csv");
    EXPECT_EQ(read.ok(), c.taken) << c.size;
    if (read) {
      EXPECT_EQ(read->pages, (std::vector<ImportedPage>{{u"first", u"page", 2}}));
    } else {
      EXPECT_NE(read.failure().text.find(std::to_string(c.size) + " bytes"), std::string::npos)
          << read.failure().text;
      EXPECT_EQ(std::ftell(file), 0) << "read from";
    }
    std::fclose(file);
  }
}

// Writes `size` bytes into a pipe from a thread of its own: a page, then zero
// bytes (blank lines, as far as the import sees), then the end of the stream.
class PipeStream {
 public:
  explicit PipeStream(uint64_t size) {
    int fds[2];
    if (pipe(fds) != 0) return;
    read_ = fdopen(fds[0], "rb");
    writer_ = std::thread([fd = fds[1], size] {
      const std::string page = "first,page,2\n";
      std::vector<char> chunk(1 << 20, '\0');
      std::copy(page.begin(), page.end(), chunk.begin());
      for (uint64_t left = size; left > 0;) {
        const auto n = static_cast<std::size_t>(std::min<uint64_t>(left, chunk.size()));
        std::size_t done = 0;
        while (done < n) {
          const ssize_t put = write(fd, chunk.data() + done, n - done);
          if (put <= 0) break;
          done += static_cast<std::size_t>(put);
        }
        if (done < n) break;
        left -= n;
        chunk.assign(chunk.size(), '\0');
      }
      close(fd);
    });
  }
  ~PipeStream() {
    if (read_ != nullptr) {
      DrainRest();
      std::fclose(read_);
    }
    if (writer_.joinable()) writer_.join();
  }
  std::FILE* get() const { return read_; }
  // Reads what is left up to the end of the stream; the bytes it took.
  uint64_t DrainRest() {
    uint64_t rest = 0;
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, read_)) > 0) rest += n;
    return rest;
  }

 private:
  std::FILE* read_ = nullptr;
  std::thread writer_;
};

// A stream whose size nothing tells beforehand (a pipe) is refused once what
// is read runs past the limit, in the words of a file too large, and reading
// stops there.
TEST(CsvImport, AStreamOfUnknownSizeIsRefusedOnceItRunsPastSixteenMegabytes) {
  const uint64_t limit = MaxImportFileSize;
  // Past the limit, no more than the buffer of one read.
  const uint64_t readAhead = 1 << 16;
  struct Case {
    uint64_t size;
    bool taken;
  };
  for (const Case c : {Case{limit, true}, Case{limit + 1, false}, Case{4 * limit, false}}) {
    SCOPED_TRACE(c.size);
    PipeStream stream(c.size);
    ASSERT_NE(stream.get(), nullptr);
    const auto read = ReadImportFile(stream.get(), "list.csv");
    EXPECT_EQ(read.ok(), c.taken);
    if (read) {
      EXPECT_EQ(read->pages, (std::vector<ImportedPage>{{u"first", u"page", 2}}));
    } else {
      const std::string& text = read.failure().text;
      EXPECT_NE(text.find("The file has at least " + std::to_string(limit + 1) +
                          " bytes, more than the " + std::to_string(limit) +
                          " bytes (16 MB) an import file may have"),
                std::string::npos)
          << text;
      EXPECT_NE(text.find("Nothing was imported."), std::string::npos) << text;
    }
    EXPECT_LE(c.size - stream.DrainRest(), limit + 1 + readAhead) << "read past the limit";
  }
}

}  // namespace
}  // namespace q5300
