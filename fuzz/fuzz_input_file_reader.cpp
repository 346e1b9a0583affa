// Fuzzes the input data file reader, reading into a state that already holds the library and a mix.
#include "aircraft/traffic_mix.h"
#include "fuzz_support.h"
#include "project/input_file_reader.h"
#include "units/unit_switch.h"

namespace {

const ProgramState& StateWithMix() {
  static const ProgramState state = [] {
    ProgramState s = ShippedLibraryState();
    for (int row : {3, 1, 7}) AddToMix(s, row);
    s.TxtE = "typed E";
    return s;
  }();
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const ProgramState& before = StateWithMix();
  ProgramState state = before;
  const InputFileResult result = ReadInputText(state, std::string(InputText(data, size)), "fuzz.inp");
  Require(!result.message.empty(), "every read ends with a message");
  if (result.status != ReadStatus::kLoaded)
    Require(state.TxtE == before.TxtE && state.mixlist == before.mixlist && state.mixnext == before.mixnext &&
                state.acdata == before.acdata && state.EngFlag == before.EngFlag && state.TxtSc == before.TxtSc,
            "a read that fails applies nothing of the file");
  RequireIntact(state, "reading the input data file");

  // Whatever the file held, the unit switch converts the texts it can and the state stays whole.
  if (state.IsMetric())
    ConvertToEnglish(state);
  else
    ConvertToMetric(state);
  RequireIntact(state, "switching the unit system");
  return 0;
}
