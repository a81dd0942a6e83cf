#pragma once

// Spreadsheet files made on the spot: a zip container through libzip, with the
// parts an .xlsx or .ods file needs around the rows a test gives.
#include <zip.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace q5300::testing {

struct ZipPart {
  ZipPart(std::string name_, std::string bytes_, bool compressed_ = true,
          std::string password_ = "")
      : name(std::move(name_)),
        bytes(std::move(bytes_)),
        compressed(compressed_),
        password(std::move(password_)) {}
  std::string name;
  std::string bytes;
  bool compressed;
  std::string password;  // none when empty
};

inline std::vector<uint8_t> ZipOf(const std::vector<ZipPart>& parts) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* const buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (buffer == nullptr) throw std::runtime_error("zip buffer");
  zip_source_keep(buffer);
  zip_t* const archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("zip open");
  for (const ZipPart& part : parts) {
    zip_source_t* const data = zip_source_buffer(archive, part.bytes.data(), part.bytes.size(), 0);
    const zip_int64_t index = zip_file_add(archive, part.name.c_str(), data, ZIP_FL_ENC_UTF_8);
    if (index < 0) throw std::runtime_error("zip add " + part.name);
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                             part.compressed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    if (!part.password.empty()) {
      zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256,
                              part.password.c_str());
    }
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip close");
  std::vector<uint8_t> bytes;
  if (zip_source_open(buffer) != 0) throw std::runtime_error("zip read");
  zip_source_seek(buffer, 0, SEEK_END);
  bytes.resize(static_cast<std::size_t>(zip_source_tell(buffer)));
  zip_source_seek(buffer, 0, SEEK_SET);
  if (zip_source_read(buffer, bytes.data(), bytes.size()) !=
      static_cast<zip_int64_t>(bytes.size())) {
    throw std::runtime_error("zip read");
  }
  zip_source_close(buffer);
  zip_source_free(buffer);
  return bytes;
}

inline const char* const kSpreadsheetMl =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// The parts of an .xlsx file with one sheet: `sheetData` is what goes inside
// <sheetData>, `sharedStrings` the <si> elements (no part when empty).
inline std::vector<ZipPart> XlsxParts(const std::string& sheetData,
                                      const std::string& sharedStrings = "") {
  const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  const std::string relationships =
      "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  std::vector<ZipPart> parts = {
      {"[Content_Types].xml",
       declaration +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
      {"_rels/.rels",
       declaration +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"" +
           relationships + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml", declaration + "<workbook xmlns=\"" + kSpreadsheetMl + "\" xmlns:r=\"" +
                              relationships +
                              "\"><sheets><sheet name=\"Wires\" sheetId=\"1\" r:id=\"rId1\"/>"
                              "<sheet name=\"Other\" sheetId=\"2\" r:id=\"rId2\"/></sheets>"
                              "</workbook>"},
      {"xl/_rels/workbook.xml.rels",
       declaration +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId2\" Type=\"" +
           relationships +
           "/worksheet\" Target=\"worksheets/sheet2.xml\"/>"
           "<Relationship Id=\"rId1\" Type=\"" +
           relationships +
           "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
           "<Relationship Id=\"rId3\" Type=\"" +
           relationships + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"},
      {"xl/worksheets/sheet1.xml", declaration + "<worksheet xmlns=\"" + kSpreadsheetMl +
                                       "\"><sheetData>" + sheetData + "</sheetData></worksheet>"},
      {"xl/worksheets/sheet2.xml",
       declaration + "<worksheet xmlns=\"" + kSpreadsheetMl +
           "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>second sheet</t></is>"
           "</c></row></sheetData></worksheet>"},
  };
  if (!sharedStrings.empty()) {
    parts.push_back({"xl/sharedStrings.xml", declaration + "<sst xmlns=\"" + kSpreadsheetMl +
                                                 "\">" + sharedStrings + "</sst>"});
  }
  return parts;
}

inline std::vector<uint8_t> XlsxOf(const std::string& sheetData,
                                   const std::string& sharedStrings = "") {
  return ZipOf(XlsxParts(sheetData, sharedStrings));
}

// The content.xml of an .ods file whose first table has the rows `rows` (the
// <table:table-row> elements); a second table follows.
inline std::string OdsContent(const std::string& rows) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<office:document-content "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "office:version=\"1.3\"><office:body><office:spreadsheet>"
         "<table:table table:name=\"Wires\"><table:table-column/>" +
         rows +
         "</table:table><table:table table:name=\"Other\"><table:table-row><table:table-cell "
         "office:value-type=\"string\"><text:p>second sheet</text:p></table:table-cell>"
         "</table:table-row></table:table></office:spreadsheet></office:body>"
         "</office:document-content>";
}

inline std::vector<uint8_t> OdsOf(const std::string& rows) {
  return ZipOf({
      {"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
      {"META-INF/manifest.xml",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
       "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
       "<manifest:file-entry manifest:full-path=\"/\" "
       "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
       "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
       "</manifest:manifest>"},
      {"content.xml", OdsContent(rows)},
  });
}

}  // namespace q5300::testing
