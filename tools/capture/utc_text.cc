#include "capture/utc_text.h"

#include <chrono>
#include <cstdio>

namespace tavrik::capture {

std::string UtcText(std::uint64_t milliseconds) {
  using namespace std::chrono;
  const sys_time<std::chrono::milliseconds> moment{std::chrono::milliseconds(milliseconds)};
  const sys_days day = floor<days>(moment);
  const year_month_day date{day};
  const hh_mm_ss time{moment - day};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d.%03d UTC",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()),
                static_cast<int>(time.subseconds().count()));
  return text;
}

}  // namespace tavrik::capture
