// Fuzzes the aircraft library reader: any file leaves the tables whole and every aircraft usable in a mix.
#include <sstream>

#include "aircraft/library_reader.h"
#include "aircraft/traffic_mix.h"
#include "fuzz_support.h"
#include "units/unit_switch.h"

namespace {

Outcome Read(ProgramState& state, std::string_view text) {
  std::istringstream in{std::string(text)};
  return ReadLibrary(state, in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text = InputText(data, size);
  ProgramState state = BlankState();
  state.mixnext = 1;
  const Outcome first = Read(state, text);
  Require(first.ok || !first.message.empty(), "a library that is not read whole is reported");
  RequireIntact(state, "reading the library");

  // Every aircraft read can join the mix, and the mix of all of them saves and reads back.
  for (int row = 1; row <= state.account; ++row) Require(AddToMix(state, row), "library row joins the mix");
  RequireIntact(state, "adding every aircraft to the mix");
  ConvertToMetric(state);
  RequireIntact(state, "switching to metric");

  // The reset before reading an input data file reads the library again over the converted rows.
  const LibraryTable firstRead = [&] {
    ProgramState fresh = BlankState();
    Read(fresh, text);
    return fresh.acdata;
  }();
  const Outcome second = Read(state, text);
  Require(second.ok == first.ok && second.message == first.message, "a second read reports what the first did");
  for (int row = 1; row <= state.account; ++row)
    Require(state.acdata[row] == firstRead[row], "a second read restores row " + std::to_string(row));
  return 0;
}
