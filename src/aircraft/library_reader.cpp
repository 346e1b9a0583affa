// The library file: comma-separated fields, quoted fields may hold commas, nine fields a record.
#include "aircraft/library_reader.h"

#include <array>
#include <fstream>

namespace {

constexpr std::size_t kMaxFieldLength = 4096;

// Reads fields the way the library file is written: blanks before a field are skipped, a field ends
// at a comma or a line end, and a field opening with a double quote runs to the next double quote.
class FieldReader {
 public:
  explicit FieldReader(std::istream& in) : in_(in) {}

  // True when nothing but line ends and blanks remain.
  bool AtEnd() {
    for (int c = in_.peek(); c != EOF; c = in_.peek()) {
      if (c != '\r' && c != '\n' && c != ' ' && c != '\t') return false;
      in_.get();
    }
    return true;
  }

  // Reads the next field; false when the file ends before one starts.
  bool Next(std::string& field) {
    field.clear();
    int c = in_.get();
    while (c == ' ' || c == '\t') c = in_.get();
    if (c == EOF) return false;
    if (c == '"') {
      for (c = in_.get(); c != EOF && c != '"'; c = in_.get()) {
        // Every value must fit on one line of an input data file: a line end inside quotes is a blank.
        if (c == '\r' && in_.peek() == '\n') continue;
        Append(field, c == '\r' || c == '\n' ? ' ' : c);
      }
      c = in_.get();  // after the closing quote, skip to the separator
      while (c != EOF && c != ',' && c != '\r' && c != '\n') c = in_.get();
    } else {
      for (; c != EOF && c != ',' && c != '\r' && c != '\n'; c = in_.get()) Append(field, c);
    }
    if (c == '\r' && in_.peek() == '\n') in_.get();
    return true;
  }

 private:
  static void Append(std::string& field, int c) {
    if (field.size() < kMaxFieldLength) field += static_cast<char>(c);
  }
  std::istream& in_;
};

using Record = std::array<std::string, kFieldCount + 1>;

// Reads one record of nine fields into fields 1..9; false when the file ends inside it.
bool ReadRecord(FieldReader& reader, Record& record) {
  for (int f = 1; f <= kFieldCount; ++f)
    if (!reader.Next(record[f])) return false;
  return true;
}

}  // namespace

Outcome ReadLibrary(ProgramState& state, std::istream& in) {
  FieldReader reader(in);
  Record record;
  if (reader.AtEnd()) {
    state.account = 0;
    return Outcome::Failure("The aircraft library file is empty: no aircraft can be offered.");
  }
  if (!ReadRecord(reader, record)) {
    state.account = 0;
    return Outcome::Failure("The aircraft library file ends inside its heading record.");
  }
  for (int f = 1; f <= kFieldCount; ++f) state.achead[f] = record[f];

  int rows = 0;
  Outcome outcome;
  while (!reader.AtEnd()) {
    if (!ReadRecord(reader, record)) {
      outcome = Outcome::Failure("The aircraft library file ends inside the record of aircraft " +
                                 std::to_string(rows + 1) + "; the aircraft before it were read.");
      break;
    }
    if (rows == kMaxAircraft) {
      outcome = Outcome::Warning(
          "The aircraft library file holds more than 65 aircraft: the first 65 are offered, and input data files "
          "naming them are read as usual; the aircraft after the 65th are left out.");
      break;
    }
    ++rows;
    for (int f = 1; f <= kFieldCount; ++f) state.acdata[rows][f] = record[f];
  }
  state.account = static_cast<int16_t>(rows);
  return outcome;
}

Outcome ReadLibrary(ProgramState& state, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    state.account = 0;
    return Outcome::Failure("The aircraft library file \"" + path + "\" cannot be opened: no aircraft can be offered.");
  }
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  if (size > static_cast<std::streamoff>(kMaxLibraryFileBytes)) {
    state.account = 0;
    return Outcome::Failure("The aircraft library file \"" + path + "\" is too large to be a library (over 1 MB).");
  }
  in.seekg(0);
  return ReadLibrary(state, in);
}
