#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The days of a sheet: dates and times are counted in days from its day zero.
namespace q5300 {

// The day zero of a sheet, 30 December 1899, counted from 1 January 1970.
inline constexpr int64_t SheetDayZero = -25569;
// 31 December 9999, the last day a sheet shows.
inline constexpr double SheetLastDay = 2958465;

struct CivilDate {
  int64_t year = 0;
  int64_t month = 0;  // 1..12
  int64_t day = 0;    // 1..31
};
// The date of a day counted from day zero, and the reverse.
CivilDate CivilDateOf(int64_t day);
int64_t DayOf(const CivilDate& date);

// An OpenDocument date ("2024-03-05", "2024-03-05T14:30:00.5") or duration
// ("PT14H30M00S", "-PT1H") as days from day zero, or nothing when it cannot be
// read.
std::optional<double> DaysOfDate(std::string_view date);
std::optional<double> DaysOfDuration(std::string_view duration);

}  // namespace q5300
