#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "data/Result.h"

struct XML_ParserStruct;

namespace q5300 {

// Element names come as the local name with its namespace, attributes as pairs.
struct XmlName {
  std::string_view space;  // the namespace URI, empty for none
  std::string_view local;
};

class XmlAttributes {
 public:
  explicit XmlAttributes(const char** pairs) : pairs_(pairs) {}
  // The value of the attribute with this local name, in any namespace.
  std::optional<std::string_view> Get(std::string_view local) const;

 private:
  const char** pairs_;
};

// What a reader of one XML part does with it.
class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  virtual void Start(XmlName name, const XmlAttributes& attributes) = 0;
  virtual void End(XmlName name) = 0;
  virtual void Text(std::string_view text) = 0;
};

// Streams one XML part through expat to a handler, piece by piece, pulling the
// pieces from `source` (empty at the end). An untrusted part can make it do no
// more than the part's own size allows: a document type (and with it any entity
// declaration) is refused, and so is nesting deeper than MaxDepth.
class XmlReader {
 public:
  static constexpr int MaxDepth = 100;
  // The most one item of markup may hold (a tag with its attributes, a comment,
  // an instruction). A list needs a few kilobytes. The parser scans an item it
  // has not seen the end of again with each piece it is given, so such an item
  // is given pieces at least as large as itself: the scans of one item add up
  // to a few times its size.
  static constexpr int64_t MaxTokenBytes = 1 << 20;
  using Source = std::function<Result<std::string_view>()>;

  // `part` names the part in messages.
  XmlReader(XmlHandler& handler, Source source, Phrase part);
  ~XmlReader();
  XmlReader(const XmlReader&) = delete;
  XmlReader& operator=(const XmlReader&) = delete;

  // Parses the next piece. False at the end of the part, after Stop, or on a
  // failure (see failure()).
  bool More();
  // Parses to the end or the first failure.
  Status ReadAll();
  // From a handler: nothing more of this part is wanted.
  void Stop();
  // From a handler: the part is refused for this reason.
  void Fail(Phrase reason);
  const std::optional<Message>& failure() const { return failure_; }

 private:
  static void OnStart(void* self, const char* name, const char** attributes);
  static void OnEnd(void* self, const char* name);
  static void OnText(void* self, const char* text, int length);
  static void OnDoctype(void* self, const char* name, const char* system, const char* pub,
                        int internal);

  XML_ParserStruct* parser_;
  XmlHandler& handler_;
  Source source_;
  Phrase part_;
  int depth_ = 0;
  int64_t fed_ = 0;      // bytes handed to the parser
  std::string pending_;  // pieces held back for the parser's unfinished item
  bool finished_ = false;
  std::optional<Message> failure_;
};

// A part held in memory, handed out in pieces.
XmlReader::Source XmlFromMemory(std::string_view xml);

}  // namespace q5300
