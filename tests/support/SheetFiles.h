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
// <sheetData>, `sharedStrings` the <si> elements (no part when empty),
// `styles` what goes inside <styleSheet> (no part when empty), `workbookProperties`
// the attributes of <workbookPr>.
inline std::vector<ZipPart> XlsxParts(const std::string& sheetData,
                                      const std::string& sharedStrings = "",
                                      const std::string& styles = "",
                                      const std::string& workbookProperties = "") {
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
                              relationships + "\"><workbookPr " + workbookProperties +
                              "/><sheets><sheet name=\"Wires\" sheetId=\"1\" r:id=\"rId1\"/>"
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
           relationships + "/sharedStrings\" Target=\"sharedStrings.xml\"/>" +
           (styles.empty() ? ""
                           : "<Relationship Id=\"rId4\" Type=\"" + relationships +
                                 "/styles\" Target=\"styles.xml\"/>") +
           "</Relationships>"},
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
  if (!styles.empty()) {
    parts.push_back({"xl/styles.xml", declaration + "<styleSheet xmlns=\"" + kSpreadsheetMl +
                                          "\">" + styles + "</styleSheet>"});
  }
  return parts;
}

inline std::vector<uint8_t> XlsxOf(const std::string& sheetData,
                                   const std::string& sharedStrings = "",
                                   const std::string& styles = "",
                                   const std::string& workbookProperties = "") {
  return ZipOf(XlsxParts(sheetData, sharedStrings, styles, workbookProperties));
}

inline const char* const kOdsNamespaces =
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
    "xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" ";

// The content.xml of an .ods file whose first table has the rows `rows` (the
// <table:table-row> elements), after the columns `columns`; a second table
// follows. `styles` are its automatic styles.
inline std::string OdsContent(const std::string& rows, const std::string& styles = "",
                              const std::string& columns = "<table:table-column/>") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<office:document-content " +
         std::string(kOdsNamespaces) + "office:version=\"1.3\"><office:automatic-styles>" + styles +
         "</office:automatic-styles><office:body><office:spreadsheet>"
         "<table:table table:name=\"Wires\">" +
         columns + rows +
         "</table:table><table:table table:name=\"Other\"><table:table-row><table:table-cell "
         "office:value-type=\"string\"><text:p>second sheet</text:p></table:table-cell>"
         "</table:table-row></table:table></office:spreadsheet></office:body>"
         "</office:document-content>";
}

// `styles` are the automatic styles of content.xml, `stylesXml` what goes
// inside <office:styles> of a styles.xml (no part when empty).
inline std::vector<uint8_t> OdsOf(const std::string& rows, const std::string& styles = "",
                                  const std::string& stylesXml = "",
                                  const std::string& columns = "<table:table-column/>") {
  std::vector<ZipPart> parts = {
      {"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false},
      {"META-INF/manifest.xml",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
       "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
       "<manifest:file-entry manifest:full-path=\"/\" "
       "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
       "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
       "</manifest:manifest>"},
      {"content.xml", OdsContent(rows, styles, columns)},
  };
  if (!stylesXml.empty()) {
    parts.push_back({"styles.xml",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<office:document-styles " +
                         std::string(kOdsNamespaces) + "><office:styles>" + stylesXml +
                         "</office:styles></office:document-styles>"});
  }
  return ZipOf(parts);
}

}  // namespace q5300::testing
