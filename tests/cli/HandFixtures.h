#pragma once

// Label files written out byte by byte from the file layouts, for jobs whose
// every field follows from the start-up settings, the page defaults and the
// rules of import, compilation and metrics. Nothing here was produced by the
// program. Each segment is one field; the comment names it and says why it
// holds that value. Blanks inside a segment are ignored.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace q5300::cli::test {

inline std::vector<uint8_t> Hex(std::string_view hex) {
  std::vector<uint8_t> bytes;
  int high = -1;
  for (const char c : hex) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    if (v < 0) continue;
    if (high < 0) {
      high = v;
    } else {
      bytes.push_back(static_cast<uint8_t>(high << 4 | v));
      high = -1;
    }
  }
  return bytes;
}

// ---- Job 1: the import file "A1,B2,3" CR LF "X" LF ---------------------------------
// Two pages on the start-up settings (tube 4.0: material 0, size 1, "TUB", "4";
// half cut 'C'; spacing 0; centre; density 8; one copy; continuous repeat) and
// page defaults (set length 20 mm = 240 dots with length code "Au", font 4, no
// frame, horizontal "04", repeat 1). Page 1 has a second line, so import sets
// font 3 and repeat 3. Metrics at spacing 0, full width, horizontal: page 1
// lines of 2 cells at font 3 (32 dots) = 64 dots each; page 2 one cell at font 4
// = 40 dots; the set length stays 240 and the limit follows it.
inline constexpr std::string_view TwoPagesCsv = "A1,B2,3\r\nX\n";

// qxk: little-endian header, then 70 + n bytes per page.
inline constexpr std::string_view TwoPagesQxk =
    "00000000"  // margin 0
    "08"        // density 8
    "43"        // cutMode 'C'
    "00"        // alignment 0
    "00000000"  // material 0
    "01000000"  // mediaSize 1
    "01"        // repeatMode 1
    "02000000"  // two grid rows
    // page 1, text "A1" 1A "B2" (n = 5)
    "00 00 4e 00 00"          // numUpper, reserved1, frame 'N', reserved0, reserved2
    "01 00 03"                // twoLines 1, autoFont 0 (import), fontSize 3 (import)
    "01 00 00 00"             // creationNo 1, halfWidth 0, wideCount 0, numLower 0
    "340000"                  // sizeCode "4"
    "54554200"                // materialCode "TUB"
    "00"                      // numNumber
    "0300"                    // labelTotal = repeatCount without numbering
    "3030303300"              // repeatCode "0003"
    "0300"                    // repeatCount 3
    "3300000000"              // repeatText "3"
    "00 34 00"                // reserved3, direction[1] '4', scriptCount 0
    "f000 f000"               // limitDots 240 (= lengthDots), lengthDots 240 (20 mm)
    "00"                      // autoLength 0 (set length by default)
    "41750000"                // lengthCode "Au"
    "00000000 0000 00000000"  // numEnd, numCount, numStart: no numbering
    "00 00 00 00"             // numDigits, numFixed, numHex2, numHex1
    "05 41311a4232"           // textLength 5, text
    "4000 4000"               // line1Width 64, line2Width 64
    "00 00 30 4e 00"          // subCount, superCount, direction[0] '0', reserved4 'N', hasNumbering
    // page 2, text "X" (n = 1)
    "00 00 4e 00 00"
    "00 00 04"     // one line: fontSize 4 of the defaults
    "02 00 00 00"  // creationNo 2
    "340000 54554200 00"
    "0100"                        // labelTotal 1
    "3030303100 0100 3100000000"  // repeatCode "0001", repeatCount 1, repeatText "1"
    "00 34 00 f000 f000 00 41750000"
    "00000000 0000 00000000 00 00 00 00"
    "01 58"      // textLength 1, "X"
    "2800 0000"  // line1Width 40; line2Width 0 as in a new record
    "00 00 30 4e 00";

// qxu: the print image, big-endian, 56 + n bytes per page; SaveU stamps
// reserved1 = reserved2 = 0 and reserved3 = n.
inline constexpr std::string_view TwoPagesQxu =
    "02 41"
    "0081"               // 10 + (56 + 5) + (56 + 1) + 1 = 129 bytes
    "01 43 08 00 00 01"  // copies 1, cutMode 'C', density 8, margin 0, alignment 0, repeatMode 1
    // page 1
    "00 00 00 00 00 00"         // reserved0, hasNumbering, numNumber, numFixed, numUpper, numLower
    "01 00 00 00"               // twoLines, scriptCount, superCount, subCount
    "00 00 00 4e"               // autoLength, autoFont, wideCount, frame
    "54554200 41750000 340000"  // materialCode, lengthCode, sizeCode
    "3300000000 0003 00f0"      // repeatText "3", repeatCount 3, lengthDots 240
    "00 00 05 05"               // reserved1, reserved2, reserved3 = n, textLength
    "3034 03 01 00"             // direction "04", fontSize 3, creationNo 1, halfWidth
    "3030303300 00000000 00000000"  // repeatCode, numStart, numEnd
    "41311a4232"
    // page 2
    "00 00 00 00 00 00 00 00 00 00 00 00 00 4e"
    "54554200 41750000 340000"
    "3100000000 0001 00f0"
    "00 00 01 01"
    "3034 04 02 00"
    "3030303100 00000000 00000000"
    "58"
    "45";  // 'E'

// The print packet of job 1 is the same image, except that nothing stamped the
// records: reserved3 stays 0 (record byte 36).
inline std::vector<uint8_t> TwoPagesPacket() {
  std::vector<uint8_t> packet = Hex(TwoPagesQxu);
  packet[10 + 36] = 0x00;
  packet[10 + 61 + 36] = 0x00;
  return packet;
}

// Opening the qxu file of job 1 and saving it as qxk gives the qxk file of
// job 1 with the stamped reserved3 of each record (record byte 34).
inline std::vector<uint8_t> TwoPagesQxkFromQxu() {
  std::vector<uint8_t> qxk = Hex(TwoPagesQxk);
  qxk[20 + 34] = 0x05;
  qxk[20 + 75 + 34] = 0x01;
  return qxk;
}

// ---- Job 2: a qxk file with markers, a symbol and numbering --------------------------
// Labels 12 mm (material 1, size 2, "LAB", "12"), no cut 'N', spacing 2, left,
// density 12, sequential repeat. One page, framed, font 2, automatic length,
// repeat 2, numbered "0-999" from 8 to 11: "m", superscript marker, "2", the
// earth symbol (U+E000), "-", the number placeholder. In the editor's form the
// marker is C9 F2 and the symbol C9 A1 (the user-defined row); the placeholder
// is 12. Its metrics are those the program computes, so saving it again as qxk
// gives the same bytes: one line of 3 cells (8 bytes - placeholder + 2 digits
// - 2 for the marker and its character - 4 for two double-byte characters), 2
// double-byte characters and 1 script at font 2 with spacing 2:
// 3*24 + 2*24 + 16 + 4*2 = 144 dots; automatic length 144 + 48 = 192;
// 4 values (8..11) * repeat 2 = 8 labels; numDigits 2 ("11").
inline constexpr std::string_view MarkedQxk =
    "02000000 0c 4e 01 01000000 02000000 00 01000000"
    "00 00 46 00 00"              // numUpper, reserved1, frame 'F', reserved0, reserved2
    "00 00 02"                    // twoLines 0, autoFont 0, fontSize 2
    "01 00 02 00"                 // creationNo 1, halfWidth 0, wideCount 2 (C9 F2, C9 A1), numLower
    "313200 4c414200"             // sizeCode "12", materialCode "LAB"
    "01 0800"                     // numNumber 1, labelTotal 8
    "3030303200 0200 3200000000"  // repeatCode "0002", repeatCount 2, repeatText "2"
    "00 34 01"                    // reserved3, direction[1], scriptCount 1
    "c000 c000 01 41750000"       // limitDots 192, lengthDots 192, autoLength 1, "Au"
    "31310000 0400 38000000"      // numEnd "11", numCount 4, numStart "8"
    "02 00 00 00"                 // numDigits 2, numFixed, numHex2, numHex1
    "08 6dc9f232c9a12d12"         // textLength 8, text
    "9000 0000"                   // line1Width 144, line2Width 0
    "00 01 30 4e 01";             // subCount 0, superCount 1, '0', 'N', hasNumbering 1

// The same job as a print image: the printer's form of the text turns the
// marker into 1C and moves the symbol to lead byte A1 (text 6D 1C 32 A1 A1 2D
// 12, n = 7, one double-byte character). The metrics come out the same: 4
// cells (7 - 1 + 2 - 2 - 2), one double-byte character, one script:
// 4*24 + 24 + 16 + 4*2 = 144, length 192. A qxk file does not carry the copies:
// the start-up value 1 stays.
inline constexpr std::string_view MarkedQxu =
    "02 41 004a"         // 10 + 56 + 7 + 1 = 74 bytes
    "01 4e 0c 02 01 00"  // copies 1, 'N', density 12, margin 2, left, sequential
    "00 01 01 00 00 00"  // reserved0, hasNumbering 1, numNumber 1, numFixed, numUpper, numLower
    "00 01 01 00"        // twoLines 0, scriptCount 1, superCount 1, subCount 0
    "01 00 01 46"        // autoLength 1, autoFont 0, wideCount 1 (A1 A1), frame 'F'
    "4c414200 41750000 313200"
    "3200000000 0002 00c0"  // repeatText "2", repeatCount 2, lengthDots 192
    "00 00 07 07"           // reserved1, reserved2, reserved3 = n, textLength 7
    "3034 02 01 00"
    "3030303200 38000000 31310000"  // repeatCode, numStart "8", numEnd "11"
    "6d1c32a1a12d12"
    "45";

}  // namespace q5300::cli::test
