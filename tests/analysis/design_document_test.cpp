// The design document's content: refused without design results, units and names of the unit in force.
#include "analysis/design_document.h"

#include <gtest/gtest.h>

#include "golden/example_states.h"
#include "golden/test_files.h"
#include "project/input_file_reader.h"
#include "project/input_file_writer.h"

namespace {

std::string Fact(const std::vector<DocumentFact>& facts, const std::string& label) {
  for (const DocumentFact& fact : facts)
    if (fact.label == label) return fact.value;
  return "(no " + label + ")";
}

TEST(DesignDocument, MetricDataKeepTheirUnitsAndUnsavedDataAreNamedSo) {
  ProgramState state = MetricRegional();
  DesignDocument document;
  EXPECT_NE(BuildDesignDocument(state, Sensitivity{}, document).message.find("Design Thickness"), std::string::npos);

  ASSERT_TRUE(DesignThickness(state).ok);
  state.designResult.date = "2026-12-06";
  ASSERT_TRUE(BuildDesignDocument(state, Sensitivity{}, document).ok);
  EXPECT_EQ(document.inputName, "unsaved input data");
  EXPECT_EQ(Fact(document.titleBlock, "Input data"), "unsaved input data");
  EXPECT_EQ(Fact(document.titleBlock, "Date of the design"), "2026-12-06");
  EXPECT_EQ(Fact(document.inputs, "Elastic modulus of concrete E"), "27560000 kPa");
  EXPECT_EQ(Fact(document.inputs, "Modulus of subgrade reaction k"), state.Txtk + " kPa/mm");
  EXPECT_EQ(Fact(document.result, "Design thickness"), state.lbh + " cm");
  EXPECT_EQ(document.traffic.headings[1],
            (std::vector<std::string>{"", "kN", "per year", "%", "kPa", "", "cm", "cm", "cm"}));
  EXPECT_EQ(document.fatigue.headings[2][2], "kPa");
  // Names are text; every other column of the traffic and fatigue tables holds figures set flush right.
  EXPECT_EQ(document.fatigue.numeric, std::vector<bool>({false, true, true, true, true, true, true, true}));
  EXPECT_EQ(document.traffic.numeric, std::vector<bool>({false, true, true, true, true, true, true, true, true}));
  EXPECT_EQ(document.thicknessUnit, "cm");
  EXPECT_NEAR(document.designThickness, state.designResult.thicknessIn * 2.54, 1e-9);
}

// Rows in the cases' order after the design itself; the change from the design's caption; the chart's
// lines in centimetres through the design at factor 1.
TEST(DesignDocument, SensitivityCasesGiveRowsAndLinesThroughTheDesign) {
  ProgramState state = MetricRegional();
  ASSERT_TRUE(DesignThickness(state).ok);
  state.Txtk = "40";
  Sensitivity sensitivity;
  sensitivity.metric = true;
  sensitivity.designIn = 10;
  sensitivity.designCaption = "25.4";
  sensitivity.cases = {{SensitivityInput::kK, "k", 1.2, true, 9.6, "24.4", ""},
                       {SensitivityInput::kK, "k", 0.8, true, 10.5, "26.7", ""},
                       {SensitivityInput::kDepartures, "departures", 2, false, 0, "no thickness", "why"}};
  DesignDocument document;
  ASSERT_TRUE(BuildDesignDocument(state, sensitivity, document).ok);
  using Row = std::vector<std::string>;
  EXPECT_EQ(document.sensitivity.headings[1], (Row{"", "", "", "cm", "cm"}));
  EXPECT_EQ(document.sensitivity.numeric, std::vector<bool>({false, true, false, true, true}));
  EXPECT_EQ(document.sensitivity.rows,
            (std::vector<Row>{{"None (the design)", "1", "", "25.4", ""},
                              {"k, subgrade modulus", "1.2", "48 kPa/mm", "24.4", "-1.0"},
                              {"k, subgrade modulus", "0.8", "32 kPa/mm", "26.7", "+1.3"},
                              {"Annual departures", "2", "each aircraft's x 2", "no thickness", ""}}));
  ASSERT_EQ(document.sensitivitySeries.size(), 2u);
  const auto& k = document.sensitivitySeries[0].points;
  ASSERT_EQ(k.size(), 3u);
  EXPECT_EQ(k[0].first, 0.8);
  EXPECT_NEAR(k[0].second, 26.67, 1e-9);
  EXPECT_NEAR(k[1].second, 25.4, 1e-9);
  EXPECT_NEAR(k[2].second, 24.384, 1e-9);
  EXPECT_EQ(document.sensitivitySeries[1].points.size(), 1u);  // the design alone: no departures case designed

  sensitivity.outcome = Outcome::Failure("E is 0.");
  // A largest share below 1 % still governs, as after a design that ends at the thinnest slab.
  state.designResult.damageRatioPct.fill(0);
  state.designResult.damageRatioPct[state.mixlist[1]] = 0.5f;
  ASSERT_TRUE(BuildDesignDocument(state, sensitivity, document).ok);
  EXPECT_TRUE(document.sensitivity.rows.empty());
  EXPECT_NE(document.sensitivityNote.find("E is 0."), std::string::npos);
  EXPECT_EQ(Fact(document.result, "Governing aircraft"), "A321neo (damage ratio 0.50 %)");
}

using DocumentProvenance = ScratchFolderTest;

// The file is named plainly while the design computed with exactly its data (a unit switch after the
// design changes nothing, nor does a second design of the same metric data), and as changed once it did not.
TEST_F(DocumentProvenance, AFileIsNamedAsChangedWhenTheDesignIsNotOfItsData) {
  ProgramState state;
  DesignDocument document;
  const auto named = [&](bool design) {
    EXPECT_TRUE(!design || DesignThickness(state).ok);
    EXPECT_TRUE(BuildDesignDocument(state, Sensitivity{}, document).ok);
    EXPECT_EQ(Fact(document.titleBlock, "Input data file"), document.inputName);
    return document.inputName;
  };
  const auto read = [&](const char* name) {
    const std::string path = std::string(RIPADES_SOURCE_DIR) + "/examples/" + name;
    EXPECT_EQ(LoadInputFile(state, path, RIPADES_LIBRARY_PATH).status, ReadStatus::kLoaded);
  };
  read("english_mixed_fleet.inp");
  EXPECT_EQ(named(true), "english_mixed_fleet.inp");
  state.TxtE = "5000000";
  EXPECT_EQ(named(true), "english_mixed_fleet.inp, changed after it was read");
  state.TxtE = "4000000.0";  // the file's value again, typed otherwise
  EXPECT_EQ(named(true), "english_mixed_fleet.inp");
  state.acdata[state.mixlist[2]][kFieldDepartures] = "2501";
  EXPECT_EQ(named(true), "english_mixed_fleet.inp, changed after it was read");
  ASSERT_TRUE(SaveInputFile(state, (folder / "apron.inp").string()).ok);
  EXPECT_EQ(named(true), "apron.inp");
  state.Txtk = "151";
  EXPECT_EQ(named(true), "apron.inp, changed after it was saved");
  read("metric_regional.inp");
  EXPECT_EQ(named(true), "metric_regional.inp");
  EXPECT_EQ(named(true), "metric_regional.inp");
  ConvertToEnglish(state);
  EXPECT_EQ(named(false), "metric_regional.inp");
}

}  // namespace
