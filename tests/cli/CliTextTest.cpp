// The texts the program writes: JSON strings and documents, one-line messages.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Json.h"
#include "cli/Session.h"

namespace q5300::cli::test {
namespace {

TEST(CliText, JsonStringsEscapeWhatJsonForbidsAndKeepValidUtf8) {
  struct Case {
    std::string_view in;
    std::string_view out;
  };
  const Case cases[] = {
      {"plain", R"("plain")"},
      {"say \"hi\" \\ now", R"("say \"hi\" \\ now")"},
      {"a\nb\tc\rd\be\ff", R"("a\nb\tc\rd\be\ff")"},
      {std::string_view("\x00\x01\x1a\x1f", 4), R"("\u0000\u0001\u001a\u001f")"},
      {"가 ² ℃ 😀 /", "\"가 ² ℃ 😀 /\""},
      // Bytes that are not UTF-8: a stray continuation, a cut sequence, an
      // overlong form, a surrogate, a code page 949 byte pair.
      {"\x80", R"("\ufffd")"},
      {"a\xe2\x82", R"("a\ufffd\ufffd")"},
      {"\xc0\xaf", R"("\ufffd\ufffd")"},
      {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},
      {"\xb0\xa1", R"("\ufffd\ufffd")"},
  };
  for (const Case& c : cases) EXPECT_EQ(JsonString(c.in), c.out) << c.out;
}

TEST(CliText, JsonDocumentsNestWithCommasInTheirPlaces) {
  std::ostringstream out;
  JsonWriter json(out);
  json.BeginObject();
  json.Field("name", "x");
  json.Key("empty");
  json.BeginArray();
  json.EndArray();
  json.Key("list");
  json.BeginArray();
  json.Number(int64_t{-1});
  json.BeginObject();
  json.Field("on", true);
  json.Key("mm");
  json.Number(20.0 / 3.0, 2);
  json.EndObject();
  json.EndArray();
  json.EndObject();
  EXPECT_EQ(out.str(),
            "{\n"
            "  \"name\": \"x\",\n"
            "  \"empty\": [],\n"
            "  \"list\": [\n"
            "    -1,\n"
            "    {\n"
            "      \"on\": true,\n"
            "      \"mm\": 6.67\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST(CliText, OperatorMessagesBecomeOneLine) {
  struct Case {
    std::string_view in;
    std::string_view out;
  };
  const Case cases[] = {
      {"파일을 열 수 없습니다!\n/tmp/a.qxk\nThe file is cut short.",
       "파일을 열 수 없습니다! /tmp/a.qxk: The file is cut short."},
      {"Unsuccessfully to open the serial port,\rmake sure",
       "Unsuccessfully to open the serial port, make sure"},
      {"one\r\n\r\n  two  ", "one: two"},
      {"single", "single"},
  };
  for (const Case& c : cases) EXPECT_EQ(OneLine(c.in), c.out);
}

}  // namespace
}  // namespace q5300::cli::test
