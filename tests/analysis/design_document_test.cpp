// The design document's content: refused without design results, units and names of the unit in force.
#include "analysis/design_document.h"

#include <gtest/gtest.h>

#include "golden/example_states.h"

namespace {

std::string Fact(const std::vector<DocumentFact>& facts, const std::string& label) {
  for (const DocumentFact& fact : facts)
    if (fact.label == label) return fact.value;
  return "(no " + label + ")";
}

TEST(DesignDocument, MetricDataKeepTheirUnitsAndUnsavedDataAreNamedSo) {
  ProgramState state = MetricRegional();
  DesignDocument document;
  const Outcome early = BuildDesignDocument(state, PreparedDesign{}, "2026-12-06", document);
  EXPECT_FALSE(early.ok);
  EXPECT_NE(early.message.find("Design Thickness"), std::string::npos) << early.message;

  PreparedDesign used;
  ASSERT_TRUE(DesignThickness(state, &used).ok);
  ASSERT_TRUE(BuildDesignDocument(state, used, "2026-12-06", document).ok);
  EXPECT_EQ(document.inputName, "unsaved input data");
  EXPECT_EQ(Fact(document.titleBlock, "Input data"), "unsaved input data");
  EXPECT_EQ(Fact(document.titleBlock, "Date of the design"), "2026-12-06");
  EXPECT_EQ(Fact(document.inputs, "Elastic modulus of concrete E"), "27560000 kPa");
  EXPECT_EQ(Fact(document.inputs, "Modulus of subgrade reaction k"), state.Txtk + " kPa/mm");
  EXPECT_EQ(Fact(document.result, "Design thickness"), state.lbh + " cm");
  EXPECT_EQ(document.traffic.headings[1],
            (std::vector<std::string>{"", "kN", "per year", "%", "kPa", "", "cm", "cm", "cm"}));
  EXPECT_EQ(document.traffic.rows.size(), static_cast<std::size_t>(state.MixCount()));
  EXPECT_EQ(document.fatigue.headings[2][2], "kPa");
  EXPECT_EQ(document.thicknessUnit, "cm");
  EXPECT_NEAR(document.designThickness, state.designResult.thicknessIn * 2.54, 1e-9);

  state.inputFile = "/data/runway 09.inp";
  state.inputTitle = "Runway 09";
  ASSERT_TRUE(BuildDesignDocument(state, used, "2026-12-06", document).ok);
  EXPECT_EQ(document.inputName, "runway 09.inp");
  EXPECT_EQ(Fact(document.titleBlock, "Title line"), "Runway 09");
}

}  // namespace
