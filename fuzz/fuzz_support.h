// Helpers shared by the fuzz targets: failing loudly on a broken rule, the shipped library, a message box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "services/message_box.h"
#include "state/program_state.h"

// The fuzz input as text, bytes as they are.
inline std::string_view InputText(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Stops the run (libFuzzer then saves the input) with `what` when `holds` is false.
void Require(bool holds, const std::string& what);

// Stops the run when the state breaks an invariant or does not survive a save and read; `after` names
// the step that left the state so.
void RequireIntact(const ProgramState& state, const char* after);

// A program state as the main window holds it before its initialization.
ProgramState BlankState();

// The state after the shipped library was read and the window first activated (mixnext 1); read once.
const ProgramState& ShippedLibraryState();

// A user who answers every question with Yes or with No, and presses the first button of other boxes.
class AnsweringMessageBox : public MessageBox {
 public:
  explicit AnsweringMessageBox(bool yes) : yes_(yes) {}
  int shown = 0;

 protected:
  MsgBoxAnswer Show(const std::string& text, int style, const std::string& title) override;

 private:
  bool yes_;
};
