#include "cli/csv_writer.h"

#include <string>
#include <string_view>

namespace tavrik::cli {
namespace {

void AppendField(std::string& row, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    row += field;
    return;
  }
  row += '"';
  for (const char c : field) {
    if (c == '"') row += '"';
    row += c;
  }
  row += '"';
}

}  // namespace

void WriteCsvHeader(std::ostream& out) {
  std::string row;
  for (const RecordColumn& column : kRecordColumns) {
    if (!row.empty()) row += ',';
    row += column.name;
  }
  out << row << "\r\n";
}

void WriteCsvRow(std::ostream& out, const FrameRecord& record) {
  std::string row;
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (i > 0) row += ',';
    if (record[i]) AppendField(row, *record[i]);
  }
  row += "\r\n";
  out << row;
}

}  // namespace tavrik::cli
