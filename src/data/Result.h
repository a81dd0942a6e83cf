#pragma once

#include <string>
#include <utility>
#include <variant>

#include "data/Phrase.h"

namespace q5300 {

// What the operator is told when something is refused or fails: the text of the
// message box and its caption. Texts are UTF-8.
enum class MessageIcon { Information, Warning };

inline constexpr char PromptCaption[] = Q5300_TEXT("q5300", "Prompt");

struct Message {
  Message() = default;
  Message(Phrase said, std::string caption_ = PromptCaption,  // NOLINT(google-explicit-constructor)
          MessageIcon icon_ = MessageIcon::Information)
      : text(said.Text()), caption(std::move(caption_)), icon(icon_), phrase(std::move(said)) {}

  std::string text;
  std::string caption = PromptCaption;  // a whole text, translated as one
  MessageIcon icon = MessageIcon::Information;
  // The text as the window translates it; `text` is this phrase as it stands.
  Phrase phrase;

  friend bool operator==(const Message&, const Message&) = default;
};

// A value or the reason there is none. Expected failures are values in this
// program; no exception leaves the core.
template <typename T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}           // NOLINT(google-explicit-constructor)
  Result(Message failure) : state_(std::move(failure)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }

  T& value() { return std::get<T>(state_); }
  const T& value() const { return std::get<T>(state_); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }

  const Message& failure() const { return std::get<Message>(state_); }

 private:
  std::variant<T, Message> state_;
};

// Success, or the message that says why not.
class Status {
 public:
  Status() = default;
  Status(Message failure) : failure_(std::move(failure)), ok_(false) {}  // NOLINT

  static Status Ok() { return {}; }
  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Message& failure() const { return failure_; }

 private:
  Message failure_;
  bool ok_ = true;
};

}  // namespace q5300
