// The input data file commands: "&Read Data From File...", "&Save Input Data..." and the closing prompt.
#include <filesystem>

#include "project/input_file_reader.h"
#include "project/input_file_writer.h"
#include "state/program_title.h"
#include "ui/frm_aircraft.h"

namespace {

constexpr const char* kInputFileFilter = "(*.inp)|*.inp";

// The "  Loaded!" message names the file by its full path.
std::string FullPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.string();
}

}  // namespace

FileDialogRequest frmAircraft::CommonDialog1() const {
  FileDialogRequest request;
  request.filter = kInputFileFilter;
  request.initialName = commonDialogFileName_;
  request.overwritePrompt = true;
  request.mustExist = true;
  return request;
}

void frmAircraft::FileSave_Click() { SaveInputData(); }

bool frmAircraft::SaveInputData() {
  // "apron" is saved as "apron.inp", so that the open dialog's filter lists it.
  FileDialogRequest request = CommonDialog1();
  request.addFilterSuffix = true;
  const std::optional<std::string> path = services_.files.ShowSave(request);
  if (!path) return false;
  commonDialogFileName_ = *path;
  Outcome saved;
  {
    BusyScope busy(services_.busy);
    saved = SaveInputFile(state_, *path);
  }
  if (!saved) services_.messages.MsgBox(saved.message, kMsgOk, kProgramName);
  return saved.ok;
}

// The window is reset only once the whole file has been read: a cancelled dialog or a file that cannot
// be read keeps the user's work, units, view and design as they were.
void frmAircraft::FileLoad_Click() {
  const std::optional<std::string> path = services_.files.ShowOpen(CommonDialog1());
  if (!path) return;
  OpenInputFile(*path);
}

void frmAircraft::OpenInputFile(const std::string& path) {
  commonDialogFileName_ = path;
  InputFileResult result;
  {
    BusyScope busy(services_.busy);
    result = LoadInputFile(state_, FullPath(path), LibraryPath());
    if (result.status == ReadStatus::kLoaded) {
      ShowInitialState();
      BuildGridHeader();
      FillMixGrid(state_.mixlist, state_.MixCount());
    }
  }
  // "  Loaded!" and "Incorrect Input File!" carry the application's title, failures the program's.
  services_.messages.MsgBox(result.message, kMsgOk, result.status == ReadStatus::kFailed ? kProgramName : "");
}

// After Yes the program ends only when the input data were saved, so a cancelled or failed save
// keeps the window and the data open.
bool frmAircraft::Form_Unload() {
  const MsgBoxAnswer answer =
      services_.messages.MsgBox("Save Input Data before closi ng?", kMsgYesNoCancelQuestion, "Save Dialog");
  if (answer == MsgBoxAnswer::kYes) return !SaveInputData();
  return answer == MsgBoxAnswer::kCancel;
}
