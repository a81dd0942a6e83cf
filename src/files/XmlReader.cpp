#include "files/XmlReader.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace q5300 {
namespace {

// Expanded names are "namespace\x01local".
constexpr char kSeparator = '\x01';

// The part of the file comes first: "The workbook is not well-formed XML ...".
constexpr char kOutOfMemory[] = Q5300_TEXT("q5300", "%1 cannot be read: out of memory.");
constexpr char kNotWellFormed[] = Q5300_TEXT("q5300", "%1 is not well-formed XML (line %2: %3).");
constexpr char kTokenTooLong[] =
    Q5300_TEXT("q5300",
               "%1 holds one item of markup (a tag, a comment or an instruction) longer than %2 "
               "bytes; a list needs far less.");
constexpr char kTooDeep[] = Q5300_TEXT("q5300", "%1 nests its elements deeper than %2 levels.");
constexpr char kDocumentType[] =
    Q5300_TEXT("q5300", "%1 declares a document type, which no spreadsheet part has.");

XmlName Split(const char* expanded) {
  const std::string_view name(expanded);
  const auto at = name.find(kSeparator);
  if (at == std::string_view::npos) return {{}, name};
  return {name.substr(0, at), name.substr(at + 1)};
}

}  // namespace

std::optional<std::string_view> XmlAttributes::Get(std::string_view local) const {
  for (const char** at = pairs_; at[0] != nullptr; at += 2) {
    if (Split(at[0]).local == local) return std::string_view(at[1]);
  }
  return std::nullopt;
}

XmlReader::XmlReader(XmlHandler& handler, Source source, Phrase part)
    : parser_(XML_ParserCreateNS(nullptr, kSeparator)),
      handler_(handler),
      source_(std::move(source)),
      part_(std::move(part)) {
  if (parser_ == nullptr) {
    failure_ = Message{Phrase(kOutOfMemory, part_)};
    finished_ = true;
    return;
  }
  XML_SetUserData(parser_, this);
  XML_SetElementHandler(parser_, &XmlReader::OnStart, &XmlReader::OnEnd);
  XML_SetCharacterDataHandler(parser_, &XmlReader::OnText);
  XML_SetStartDoctypeDeclHandler(parser_, &XmlReader::OnDoctype);
  // No external entity or DTD is ever fetched.
  XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
}

XmlReader::~XmlReader() {
  if (parser_ != nullptr) XML_ParserFree(parser_);
}

bool XmlReader::More() {
  if (finished_) return false;
  const Result<std::string_view> piece = source_();
  if (!piece) {
    failure_ = piece.failure();
    finished_ = true;
    return false;
  }
  const bool last = piece->empty();
  std::string_view feed = *piece;
  if (!last) {
    // What the parser keeps back is an item it has not seen the end of: it
    // waits for as many new bytes as that item has, or as tell it too long.
    const int64_t held = fed_ - static_cast<int64_t>(XML_GetCurrentByteIndex(parser_));
    const int64_t wanted = std::min(held, MaxTokenBytes + 1 - held);
    if (!pending_.empty() || wanted > static_cast<int64_t>(feed.size())) {
      pending_ += feed;
      if (static_cast<int64_t>(pending_.size()) < wanted) return true;
      feed = pending_;
    }
  } else if (!pending_.empty()) {
    feed = pending_;
  }
  const XML_Status status =
      XML_Parse(parser_, feed.data(), static_cast<int>(feed.size()), last ? XML_TRUE : XML_FALSE);
  fed_ += static_cast<int64_t>(feed.size());
  pending_.clear();
  if (status == XML_STATUS_ERROR) {
    if (!failure_ && XML_GetErrorCode(parser_) != XML_ERROR_ABORTED) {
      failure_ = Message{Phrase(kNotWellFormed, part_,
                                static_cast<long long>(XML_GetCurrentLineNumber(parser_)),
                                Phrase::Literal(XML_ErrorString(XML_GetErrorCode(parser_))))};
    }
    finished_ = true;
    return false;
  }
  if (last) {
    finished_ = true;
    return false;
  }
  // What the parser keeps back is an item it has not seen the end of.
  if (!finished_ && fed_ - static_cast<int64_t>(XML_GetCurrentByteIndex(parser_)) > MaxTokenBytes) {
    Fail(Phrase(kTokenTooLong, part_, MaxTokenBytes));
    return false;
  }
  return !finished_;
}

Status XmlReader::ReadAll() {
  while (More()) {
  }
  if (failure_) return *failure_;
  return Status::Ok();
}

void XmlReader::Stop() {
  if (finished_) return;
  finished_ = true;
  XML_StopParser(parser_, XML_FALSE);
}

void XmlReader::Fail(Phrase reason) {
  if (!failure_) failure_ = Message{std::move(reason)};
  Stop();
}

void XmlReader::OnStart(void* self, const char* name, const char** attributes) {
  auto* const reader = static_cast<XmlReader*>(self);
  if (reader->finished_) return;
  if (++reader->depth_ > MaxDepth) {
    reader->Fail(Phrase(kTooDeep, reader->part_, MaxDepth));
    return;
  }
  reader->handler_.Start(Split(name), XmlAttributes(attributes));
}

void XmlReader::OnEnd(void* self, const char* name) {
  auto* const reader = static_cast<XmlReader*>(self);
  if (reader->finished_) return;
  --reader->depth_;
  reader->handler_.End(Split(name));
}

void XmlReader::OnText(void* self, const char* text, int length) {
  auto* const reader = static_cast<XmlReader*>(self);
  if (reader->finished_) return;
  reader->handler_.Text(std::string_view(text, static_cast<std::size_t>(length)));
}

void XmlReader::OnDoctype(void* self, const char* /*name*/, const char* /*system*/,
                          const char* /*pub*/, int /*internal*/) {
  auto* const reader = static_cast<XmlReader*>(self);
  // A spreadsheet part never declares a document type; one that does may define
  // entities that expand without end.
  reader->Fail(Phrase(kDocumentType, reader->part_));
}

XmlReader::Source XmlFromMemory(std::string_view xml) {
  return [xml]() mutable -> Result<std::string_view> {
    const std::string_view piece = xml.substr(0, 64 * 1024);
    xml.remove_prefix(piece.size());
    return piece;
  };
}

}  // namespace q5300
