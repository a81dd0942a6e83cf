#pragma once

#include <string>
#include <utility>
#include <variant>

namespace q5300 {

// What the operator is told when something is refused or fails: the text of the
// message box and its caption. Texts are UTF-8.
enum class MessageIcon { Information, Warning };

struct Message {
  std::string text;
  std::string caption = "Prompt";
  MessageIcon icon = MessageIcon::Information;

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
