// Classification ratings of mix aircraft and library rows for the batch command.
#include "batch_rating.h"

#include <algorithm>
#include <array>

#include "aircraft/library_reader.h"
#include "engine/prepared_design.h"
#include "units/number_text.h"
#include "units/unit_system.h"

namespace {

struct RatedField {
  int field;
  const char* what;
};
constexpr std::array<RatedField, 6> kRatedFields{{{kFieldGrossWeight, "gross weight"},
                                                  {kFieldGearLoadPct, "gear load percentage"},
                                                  {kFieldTirePressure, "tire pressure"},
                                                  {kFieldWheelCount, "wheels per gear"},
                                                  {kFieldDualSpacing, "dual spacing"},
                                                  {kFieldTandemSpacing, "tandem spacing"}}};

// The first field the rating reads whose text is not a number, as the rating's error; or empty.
std::string TextError(const LibraryRow& row) {
  for (const RatedField& f : kRatedFields)
    if (!IsNumber(row[f.field])) return std::string("the ") + f.what + " \"" + row[f.field] + "\" is not a number";
  return {};
}

AcrSet Refused(std::string error) {
  AcrSet set;
  set.error = std::move(error);
  return set;
}

// Rates the aircraft whose rows pass the text check, side by side, each into its own slot.
void RateAll(std::vector<AircraftRating>& ratings, const std::vector<AircraftData>& data) {
  std::vector<AircraftData> rated;
  for (std::size_t i = 0; i < ratings.size(); ++i)
    if (ratings[i].set.error.empty()) rated.push_back(data[i]);
  const std::vector<AcrSet> sets = AircraftClassificationRatingsOf(rated);
  std::size_t next = 0;
  for (AircraftRating& r : ratings)
    if (r.set.error.empty()) r.set = sets[next++];
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::vector<AircraftRating> RateMix(const ProgramState& state) {
  // The values in English units, converted as a design converts them.
  LibraryTable english = state.acdata;
  UnitSystemOf(state).LibraryInEnglish(english);
  std::vector<AircraftRating> ratings;
  std::vector<AircraftData> data;
  for (int p = 1; p <= std::min(state.MixCount(), kMaxAircraft); ++p) {
    const int row = state.mixlist[p];
    if (row < 1 || row > kMaxAircraft) continue;
    ratings.push_back({row, english[row][kFieldName], Refused(TextError(state.acdata[row]))});
    data.push_back(ReadAircraft(english[row]));
  }
  RateAll(ratings, data);
  return ratings;
}

std::string AcrText(const AcrSet& set) {
  if (!set.ok) return "no ACR (" + set.error + ")";
  std::string text = "ACR ";
  for (std::size_t c = 0; c < set.acr.size(); ++c) {
    if (c) text += '/';
    text += FormatDecimals(set.acr[c], 0);
  }
  return text + " (A/B/C/D)";
}

void WriteMixRatings(const std::vector<AircraftRating>& ratings, std::ostream& out) {
  for (const AircraftRating& r : ratings) out << "  " << r.name << ": " << AcrText(r.set) << '\n';
}

std::vector<std::string> RatingErrors(const std::vector<AircraftRating>& ratings, const std::string& file) {
  std::vector<std::string> errors;
  for (const AircraftRating& r : ratings)
    if (!r.set.ok) errors.push_back(file + ": " + r.name + ": no ACR: " + r.set.error);
  return errors;
}

int WriteLibraryRatings(const std::string& libraryPath, std::ostream& out, std::ostream& err) {
  ProgramState state;
  if (const Outcome read = ReadLibrary(state, libraryPath); !read) {
    err << "ripades-batch: " << read.message << '\n';
    return 1;
  }
  std::vector<AircraftRating> ratings;
  std::vector<AircraftData> data;
  for (int row = 1; row <= state.account; ++row) {
    const LibraryRow& r = state.acdata[row];
    ratings.push_back({row, r[kFieldName], Refused(TextError(r))});
    data.push_back(ReadAircraft(r));
  }
  RateAll(ratings, data);
  int status = 0;
  out << "name,gross_weight_lb,acr_a,acr_b,acr_c,acr_d\n";
  for (const AircraftRating& r : ratings) {
    out << CsvField(r.name) << ',' << CsvField(state.acdata[r.row][kFieldGrossWeight]);
    for (double acr : r.set.acr) out << ',' << (r.set.ok ? NumberText(acr) : "");
    out << '\n';
    if (!r.set.ok) {
      err << "ripades-batch: " << libraryPath << ": row " << r.row << ", " << r.name << ": no ACR: " << r.set.error
          << '\n';
      status = 1;
    }
  }
  return status;
}
