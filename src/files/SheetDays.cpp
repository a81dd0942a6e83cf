#include "files/SheetDays.h"

#include <charconv>

namespace q5300 {

CivilDate CivilDateOf(int64_t day) {
  const int64_t z = day + SheetDayZero + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = dayOfYear - (153 * mp + 2) / 5 + 1;
  date.month = mp < 10 ? mp + 3 : mp - 9;
  date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
  return date;
}

int64_t DayOf(const CivilDate& date) {
  const int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear =
      (153 * (date.month > 2 ? date.month - 3 : date.month + 9) + 2) / 5 + date.day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 - SheetDayZero;
}

namespace {

// Digits at the start of `text`, taken off it; nothing when there are none.
std::optional<int64_t> TakeNumber(std::string_view& text, std::size_t maxDigits = 12) {
  int64_t value = 0;
  std::size_t digits = 0;
  while (digits < text.size() && digits < maxDigits && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + (text[digits] - '0');
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  text.remove_prefix(digits);
  return value;
}

// Seconds with their fraction ("05.25"), taken off `text`.
std::optional<double> TakeSeconds(std::string_view& text) {
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || value < 0) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

bool Skip(std::string_view& text, char c) {
  if (text.empty() || text[0] != c) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<double> DaysOfDate(std::string_view date) {
  const bool negative = Skip(date, '-');
  const auto year = TakeNumber(date, 6);
  if (!year || !Skip(date, '-')) return std::nullopt;
  const auto month = TakeNumber(date, 2);
  if (!month || !Skip(date, '-')) return std::nullopt;
  const auto day = TakeNumber(date, 2);
  if (!day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
  double days = static_cast<double>(DayOf({negative ? -*year : *year, *month, *day}));
  if (Skip(date, 'T')) {
    const auto hours = TakeNumber(date, 2);
    if (!hours || !Skip(date, ':')) return std::nullopt;
    const auto minutes = TakeNumber(date, 2);
    if (!minutes || !Skip(date, ':')) return std::nullopt;
    const auto seconds = TakeSeconds(date);
    if (!seconds) return std::nullopt;
    days += (static_cast<double>(*hours * 3600 + *minutes * 60) + *seconds) / 86400.0;
  }
  // A time zone, if any, is the sheet's own business.
  if (!date.empty() && date[0] != 'Z' && date[0] != '+' && date[0] != '-') return std::nullopt;
  return days;
}

std::optional<double> DaysOfDuration(std::string_view duration) {
  const bool negative = Skip(duration, '-');
  if (!Skip(duration, 'P')) return std::nullopt;
  double seconds = 0;
  bool time = false;
  bool any = false;
  while (!duration.empty()) {
    if (Skip(duration, 'T')) {
      time = true;
      continue;
    }
    std::string_view before = duration;
    const auto whole = TakeNumber(duration);
    if (!whole) return std::nullopt;
    double value = static_cast<double>(*whole);
    if (!duration.empty() && duration[0] == '.') {
      duration = before;
      const auto fractional = TakeSeconds(duration);
      if (!fractional) return std::nullopt;
      value = *fractional;
    }
    if (duration.empty()) return std::nullopt;
    const char unit = duration[0];
    duration.remove_prefix(1);
    if (unit == 'D' && !time) {
      seconds += value * 86400;
    } else if (unit == 'H' && time) {
      seconds += value * 3600;
    } else if (unit == 'M' && time) {
      seconds += value * 60;
    } else if (unit == 'S' && time) {
      seconds += value;
    } else {
      return std::nullopt;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  return (negative ? -seconds : seconds) / 86400.0;
}

}  // namespace q5300
