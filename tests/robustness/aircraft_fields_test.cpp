// Bad texts in the library fields of a mix aircraft: typed into the change-data dialog or held by the
// aircraft library file, they are refused with a message or read as the number they begin with.
#include <gtest/gtest.h>

#include <cmath>

#include "aircraft/change_data.h"
#include "aircraft/library_reader.h"
#include "aircraft/traffic_mix.h"
#include "bad_inputs.h"
#include "engine/design_command.h"
#include "report/design_report.h"
#include "support/scripted_services.h"
#include "support/test_state.h"
#include "units/number_text.h"

namespace {

struct AircraftField {
  int field;
  const char* name;
  bool zeroAllowed;  // a design can use 0 here (departures and the two spacings)
};

const AircraftField kAircraftFields[] = {
    {kFieldGrossWeight, "GrossWeight", false},    {kFieldDepartures, "Departures", true},
    {kFieldGearLoadPct, "GearLoadPct", false},    {kFieldTirePressure, "TirePressure", false},
    {kFieldWheelCount, "WheelCount", false},      {kFieldDualSpacing, "DualSpacing", true},
    {kFieldTandemSpacing, "TandemSpacing", true}, {kFieldContactWidth, "ContactWidth", false},
};

class AircraftFieldTest : public ScratchFolderTest, public testing::WithParamInterface<AircraftField> {
 protected:
  const int field = GetParam().field;
};

TEST_P(AircraftFieldTest, ChangeDataRefusesTheTextAndShowsTheValueBefore) {
  ProgramState before = StateWithLibrary();
  SetMix(before, {1, 5});
  const std::optional<CellEdit> edit = BeginCellEdit(before, kGridFirstMixRow + 1, field - 1);
  ASSERT_TRUE(edit);
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    ProgramState state = before;
    std::string text = bad.text;
    ScriptedMessageBox box;
    const bool stored = AcceptCellEdit(state, *edit, text, box);
    EXPECT_EQ(stored, bad.number);
    if (bad.number) {
      EXPECT_EQ(state.acdata[5][field], "0");
    } else {
      EXPECT_EQ(text, before.acdata[5][field]);
      EXPECT_EQ(state.acdata, before.acdata);
      ASSERT_EQ(box.asked.size(), 1u);
      EXPECT_EQ(box.asked[0].text, "This is an invalid number; please try again!");
    }
    ExpectIntact(state);
  }
}

// The shipped library with the field of its first aircraft replaced by text, as a user may edit it.
std::string LibraryWithField(int field, const std::string& text) {
  std::string library = FileText(RIPADES_LIBRARY_PATH);
  std::size_t start = library.find('\n') + 1;
  for (int f = 1; f < field; ++f) start = library.find(',', start) + 1;
  return library.replace(start, library.find_first_of(",\r", start) - start, text);
}

TEST_P(AircraftFieldTest, ALibraryHoldingTheTextDesignsWithItsLeadingNumberOrSaysWhyNot) {
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    const std::filesystem::path path = folder / "fly.dll";
    std::ofstream(path, std::ios::binary) << LibraryWithField(field, bad.text);
    ProgramState state = StateWithLibrary();
    const Outcome read = ReadLibrary(state, path.string());
    // A comma adds a field: the records shift and the file ends inside the last one.
    const bool commaInField = bad.text.find(',') != std::string::npos;
    EXPECT_EQ(read.ok, !commaInField) << read.message;
    ASSERT_TRUE(AddToMix(state, 1));
    ExpectIntact(state);

    ScriptedMessageBox box;
    const Outcome designed = CheckInputsAndDesign(state, true, box);
    EXPECT_TRUE(box.asked.empty());
    ExpectIntact(state);
    const double value = LeadingNumber(bad.text);
    if (!commaInField) {
      EXPECT_EQ(designed.ok, std::isfinite(value) && (value > 0 || GetParam().zeroAllowed)) << designed.message;
    }
    std::string report;
    if (designed.ok) {
      EXPECT_NE(state.lbh, "");
      EXPECT_TRUE(BuildReport(state, report).ok);
    } else {
      EXPECT_EQ(designed.message.rfind("Cannot design: ", 0), 0u) << designed.message;
      EXPECT_EQ(state.lbh, "");
    }
    ExpectFailedSaveKeepsPreviousFile(state, folder / "saves");
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, AircraftFieldTest, testing::ValuesIn(kAircraftFields),
                         [](const testing::TestParamInfo<AircraftField>& info) { return info.param.name; });

}  // namespace
