#include "date_time_text.h"

#include <langinfo.h>
#include <locale.h>

#include <ctime>
#include <vector>

namespace tavrik {
namespace {

constexpr std::uint64_t kSecondsPerDay = 86400;

// The calendar fields of a Unix time, in the proleptic Gregorian calendar
// (the days-to-civil algorithm of H. Hinnant).
std::tm CalendarTime(std::uint64_t seconds) {
  const std::int64_t days = static_cast<std::int64_t>(seconds / kSecondsPerDay);
  const std::int64_t second_of_day = static_cast<std::int64_t>(seconds % kSecondsPerDay);

  const std::int64_t z = days + 719468;
  const std::int64_t era = z / 146097;
  const std::int64_t day_of_era = z - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year_from_march =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t month_from_march = (5 * day_of_year_from_march + 2) / 153;
  const std::int64_t day = day_of_year_from_march - (153 * month_from_march + 2) / 5 + 1;
  const std::int64_t month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
  const std::int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);

  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  static constexpr int kDaysBeforeMonth[12] = {0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};

  std::tm time{};
  time.tm_year = static_cast<int>(year - 1900);
  time.tm_mon = static_cast<int>(month - 1);
  time.tm_mday = static_cast<int>(day);
  time.tm_hour = static_cast<int>(second_of_day / 3600);
  time.tm_min = static_cast<int>(second_of_day / 60 % 60);
  time.tm_sec = static_cast<int>(second_of_day % 60);
  time.tm_wday = static_cast<int>((days + 4) % 7);  // 1970-01-01 was a Thursday
  time.tm_yday = kDaysBeforeMonth[time.tm_mon] + time.tm_mday - 1 + (leap && month > 2 ? 1 : 0);
  return time;
}

}  // namespace

DateTimeFormat DateTimeFormat::Iso8601() { return {"%Y-%m-%d", "%H:%M:%S"}; }

DateTimeFormat DateTimeFormat::FromUserLocale() {
  const locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return Iso8601();
  const locale_t classic = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  DateTimeFormat format{nl_langinfo_l(D_FMT, user), nl_langinfo_l(T_FMT, user)};
  const bool is_classic = classic != static_cast<locale_t>(0) &&
                          format.short_date == nl_langinfo_l(D_FMT, classic) &&
                          format.long_time == nl_langinfo_l(T_FMT, classic);
  if (classic != static_cast<locale_t>(0)) freelocale(classic);
  freelocale(user);
  return is_classic ? Iso8601() : format;
}

std::string FormatUnixTime(std::uint64_t seconds, const std::string& pattern) {
  if (pattern.empty()) return {};
  const std::tm time = CalendarTime(seconds);
  // strftime gives 0 both for a full buffer and for an empty result.
  for (std::size_t size = 64; size <= 4096; size *= 4) {
    std::vector<char> buffer(size);
    const std::size_t length = std::strftime(buffer.data(), buffer.size(), pattern.c_str(), &time);
    if (length > 0) return std::string(buffer.data(), length);
  }
  return {};
}

std::string DateTimeText(std::uint64_t seconds, const DateTimeFormat& format) {
  std::string text = FormatUnixTime(seconds, format.short_date);
  if (seconds % kSecondsPerDay != 0) text += ' ' + FormatUnixTime(seconds, format.long_time);
  return text;
}

}  // namespace tavrik
