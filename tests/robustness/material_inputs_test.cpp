// Bad texts in E, Sc and k: "Design Thickness", the unit switch and the save lose and break nothing.
#include <gtest/gtest.h>

#include "bad_inputs.h"
#include "engine/design_command.h"
#include "project/input_file_reader.h"
#include "support/scripted_services.h"
#include "support/test_state.h"
#include "units/unit_switch.h"

namespace {

struct MaterialInput {
  const char* name;
  std::string ProgramState::*text;
};

const MaterialInput kMaterialInputs[] = {
    {"E", &ProgramState::TxtE}, {"Sc", &ProgramState::TxtSc}, {"k", &ProgramState::Txtk}};

class MaterialInputTest : public ScratchFolderTest,
                          public testing::WithParamInterface<std::tuple<MaterialInput, bool>> {
 protected:
  const MaterialInput& input = std::get<0>(GetParam());
  const bool metric = std::get<1>(GetParam());

  // The state of a user who typed `text` into the input, with a mix of two aircraft.
  ProgramState Typed(const std::string& text) {
    ProgramState state = StateWithLibrary();
    SetMix(state, {1, 5});
    if (metric) ConvertToMetric(state);
    state.*input.text = text;
    return state;
  }
};

TEST_P(MaterialInputTest, DesignRefusesTheTextWithAMessageAndKeepsIt) {
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    ProgramState state = Typed(bad.text);
    ScriptedMessageBox box;
    if (bad.number) box.Answer({MsgBoxAnswer::kNo});  // keep the value below the typical range
    const Outcome outcome = CheckInputsAndDesign(state, !metric, box);
    EXPECT_EQ(state.*input.text, bad.text);
    EXPECT_EQ(state.lbh, "");
    if (bad.number) {
      ASSERT_EQ(box.asked.size(), 2u);  // the range question and the keep message
      EXPECT_FALSE(outcome.ok);
      EXPECT_NE(outcome.message.find(std::string(" ") + input.name + " must be a number above 0."), std::string::npos)
          << outcome.message;
    } else {
      ASSERT_EQ(box.asked.size(), 1u);
      EXPECT_EQ(box.asked[0].text, std::string(input.name) + " is an invalid number; please try again!");
      EXPECT_TRUE(outcome.ok);  // no design was run
    }
    ExpectIntact(state);
  }
}

TEST_P(MaterialInputTest, UnitSwitchLeavesATextThatIsNoNumberAsItIs) {
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    ProgramState state = Typed(bad.text);
    if (metric)
      ConvertToEnglish(state);
    else
      ConvertToMetric(state);
    EXPECT_EQ(state.*input.text, bad.number ? "0" : bad.text);
    EXPECT_EQ(state.IsMetric(), !metric);
    ExpectIntact(state);
  }
}

TEST_P(MaterialInputTest, SaveWritesTheTextThatReadsBackByteForByte) {
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    const ProgramState state = Typed(bad.text);
    const std::string path = (folder / "typed.inp").string();
    ASSERT_TRUE(WriteInputFile(state, path).ok);
    ProgramState read = StateWithLibrary();
    ASSERT_EQ(LoadInputFile(read, path, RIPADES_LIBRARY_PATH).status, ReadStatus::kLoaded);
    EXPECT_EQ(read.*input.text, bad.text);
    EXPECT_EQ(read.mixlist, state.mixlist);
  }
}

TEST_P(MaterialInputTest, AFailedSaveLeavesThePreviousFileByteIdentical) {
  for (const BadText& bad : BadTexts()) {
    SCOPED_TRACE(bad.name);
    ExpectFailedSaveKeepsPreviousFile(Typed(bad.text), folder);
  }
}

std::string CaseName(const testing::TestParamInfo<std::tuple<MaterialInput, bool>>& info) {
  return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "Metric" : "English");
}

INSTANTIATE_TEST_SUITE_P(Inputs, MaterialInputTest,
                         testing::Combine(testing::ValuesIn(kMaterialInputs), testing::Bool()), CaseName);

}  // namespace
