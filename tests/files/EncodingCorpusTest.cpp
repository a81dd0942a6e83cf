// The import on generated wire lists: Korean lists, European part names, units
// and symbols, from one syllable to 200 lines, each written in every encoding an
// operator's file may have, with a byte order mark and without. A list is read
// right when it gives the pages its text holds.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "files/CsvImport.h"
#include "files/TextImport.h"
#include "support/UnicodeBytes.h"

namespace q5300 {
namespace {

// Words of Korean wire lists, with many of the syllables whose code page 949
// bytes are valid UTF-8 too (천, 청, 체, 철, 창, 책, 채, 처, 척).
const char16_t* const kKorean[] = {
    u"전원",   u"접지",   u"제어반", u"단자",     u"모터",   u"펌프",   u"차단기", u"릴레이",
    u"스위치", u"램프",   u"경보",   u"비상정지", u"입력",   u"출력",   u"공통",   u"신호",
    u"센서",   u"히터",   u"냉각팬", u"조명",     u"콘센트", u"분전반", u"배선",   u"케이블",
    u"중성선", u"보호",   u"계전기", u"변압기",   u"인버터", u"밸브",   u"압력",   u"온도",
    u"수동",   u"자동",   u"정지",   u"운전",     u"고장",   u"리셋",   u"표시등", u"기동",
    u"정회전", u"역회전", u"호기",   u"주회로",   u"천장",   u"창고",   u"체크",   u"청색",
    u"적색",   u"황색",   u"녹색",   u"백색",     u"갈색",   u"회색",   u"철판",   u"책상",
    u"채널",   u"처리",   u"척",     u"천",       u"청",     u"체",     u"창",     u"상",
    u"첫째",   u"둘째",   u"층",     u"동",       u"실",     u"외부",   u"내부",   u"예비",
};

// Words of European part lists.
const char16_t* const kEuropean[] = {
    u"Weidm\u00FCller",
    u"Sch\u00FCtz",
    u"Klemme",
    u"Gr\u00F6\u00DFe",
    u"Leistungssch\u00FCtz",
    u"Sicherung",
    u"Motorschutzschalter",
    u"\u00D6ffner",
    u"Schlie\u00DFer",
    u"Drehstrom",
    u"K\u00FChlung",
    u"L\u00FCfter",
    u"Durchf\u00FChrung",
    u"Aderendh\u00FClse",
    u"Erde",
    u"C\u00E2ble",
    u"Bornier",
    u"Contacteur",
    u"Disjoncteur",
    u"R\u00E9sistance",
    u"Rel\u00E9",
    u"Interruptor",
    u"Conexi\u00F3n",
    u"\u0141\u00F3d\u017A",
    u"Krak\u00F3w",
    u"P\u0159ep\u00EDna\u010D",
    u"Styka\u010D",
    u"Jisti\u010D",
    u"Svorkovnice",
    u"Kontakt\u00F6r",
    u"Sigorta",
    u"Roz\u0142\u0105cznik",
    u"\u0141adowarka",
    u"Pump",
    u"Valve",
    u"Lamp",
    u"Stra\u00DFe",
    u"H\u00E4lfte",
    u"B\u00FChne",
    u"Tr\u00E4ger",
};

// Signs of units, as a list writes them.
const char16_t* const kUnits[] = {
    u"2.5mm\u00B2",        u"30\u00B0C",  u"10\u00B5F",   u"100\u03A9",
    u"4\u00D71.5",         u"0.5\u00B5A", u"5k\u03A9",    u"AWG 18 \u00B7 105\u00B0C",
    u"1m\u00B3",           u"\u00D88",    u"\u00D810 mm", u"-20\u00B0C",
    u"4\u00D72.5mm\u00B2", u"10\u00B5H",  u"2\u00D716A",
};

// The printer's symbols and markers.
std::u16string Symbol(std::mt19937& random) {
  return std::u16string(1, static_cast<char16_t>(0xE000 + random() % 0x4D));
}

template <std::size_t N>
std::u16string Pick(std::mt19937& random, const char16_t* const (&words)[N]) {
  return words[random() % N];
}

enum class Kind { Korean, European, Units, Symbols };

// A wire list of `lines` lines of this kind; 0 lines is one syllable on its line.
std::u16string List(Kind kind, int lines, std::mt19937& random) {
  if (lines == 0) return Pick(random, kKorean).substr(0, 1) + u"\r\n";
  std::u16string text;
  for (int line = 1; line <= lines; ++line) {
    const std::u16string number =
        u"W-" + std::u16string(1, static_cast<char16_t>(u'0' + line % 10));
    std::u16string first = number;
    std::u16string second;
    switch (kind) {
      case Kind::Korean:
        first = random() % 2 ? Pick(random, kKorean) : number;
        second = Pick(random, kKorean) + (random() % 3 ? u"" : u" " + Pick(random, kKorean));
        break;
      case Kind::European:
        second = Pick(random, kEuropean) + (random() % 3 ? u"" : u" " + Pick(random, kEuropean));
        break;
      case Kind::Units:
        second = random() % 2 ? Pick(random, kUnits) : u"Cable " + Pick(random, kUnits);
        break;
      case Kind::Symbols:
        second = Symbol(random) + (random() % 2 ? Pick(random, kKorean) : u"X1");
        break;
    }
    text += first + u"," + second + u"," +
            std::u16string(1, static_cast<char16_t>(u'1' + line % 9)) + u"\r\n";
  }
  return text;
}

// Code page 949 by the C library's own table, the printer's symbols in their
// user-defined row; nothing for a text it lacks a form for.
std::optional<std::string> CodePage949(std::u16string_view text) {
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    const char16_t c = text[at];
    if (c >= 0xE000 && c < 0xE05E) {
      out += '\xC9';
      out += static_cast<char>(0xA1 + (c - 0xE000));
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !(text[end] >= 0xE000 && text[end] < 0xE05E)) ++end;
    const iconv_t converter = iconv_open("CP949", "UTF-16LE");
    std::string in = testing::Utf16(text.substr(at, end - at), false);
    std::string piece(in.size() * 2 + 16, '\0');
    char* inAt = in.data();
    std::size_t inLeft = in.size();
    char* outAt = piece.data();
    std::size_t outLeft = piece.size();
    const bool ok =
        iconv(converter, &inAt, &inLeft, &outAt, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!ok) return std::nullopt;
    out.append(piece.data(), piece.size() - outLeft);
    at = end;
  }
  return out;
}

struct Tally {
  int files = 0;
  int right = 0;
  std::vector<std::string> wrong;
};

TEST(EncodingCorpus, WireListsInEveryEncodingReadRight) {
  std::mt19937 random(5300);
  const char* const names[] = {"UTF-8",           "UTF-8 + mark",     "code page 949",
                               "UTF-16 LE",       "UTF-16 LE + mark", "UTF-16 BE",
                               "UTF-16 BE + mark"};
  Tally tallies[std::size(names)];
  const int sizes[] = {0, 1, 1, 1, 2, 2, 3, 5, 8, 12, 20, 40, 70, 120, 200};
  for (const Kind kind : {Kind::Korean, Kind::European, Kind::Units, Kind::Symbols}) {
    for (int round = 0; round < 12; ++round) {
      for (const int lines : sizes) {
        if (lines == 0 && kind != Kind::Korean) continue;
        const std::u16string text = List(kind, lines, random);
        // The pages the text holds: its UTF-8 with a mark leaves nothing to guess.
        const std::vector<ImportedPage> pages =
            ReadImportText("\xEF\xBB\xBF" + testing::Utf8(text)).pages;
        const auto codePage = CodePage949(text);
        const std::optional<std::string> files[] = {
            testing::Utf8(text),
            "\xEF\xBB\xBF" + testing::Utf8(text),
            codePage,
            testing::Utf16(text, false),
            "\xFF\xFE" + testing::Utf16(text, false),
            testing::Utf16(text, true),
            "\xFE\xFF" + testing::Utf16(text, true),
        };
        for (std::size_t e = 0; e < std::size(files); ++e) {
          if (!files[e]) continue;  // no code page 949 form
          Tally& tally = tallies[e];
          ++tally.files;
          if (ReadImportText(*files[e]).pages == pages) {
            ++tally.right;
          } else if (tally.wrong.size() < 5) {
            tally.wrong.push_back(testing::Utf8(text.substr(0, 60)));
          }
        }
      }
    }
  }
  for (std::size_t e = 0; e < std::size(names); ++e) {
    const Tally& tally = tallies[e];
    std::printf("%-17s %4d of %4d right (%.2f%%)\n", names[e], tally.right, tally.files,
                100.0 * tally.right / tally.files);
    std::string wrong;
    for (const std::string& text : tally.wrong) wrong += "\n  " + text;
    EXPECT_GE(tally.right * 1000, tally.files * 995) << names[e] << wrong;
  }
}

}  // namespace
}  // namespace q5300
