// The standard open-file and save-file dialogs.
#pragma once

#include <optional>
#include <string>

struct FileDialogRequest {
  std::string filter;            // "shown text|pattern" pairs joined by "|", e.g. "(*.inp)|*.inp"
  std::string initialName;       // offered as the file name; empty for none
  bool overwritePrompt = false;  // save: ask before replacing an existing file
  bool mustExist = false;        // open: accept only a file that exists
  bool addFilterSuffix = false;  // save: a name typed without a suffix gets the chosen filter's
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Each returns the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> ShowOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ShowSave(const FileDialogRequest& request) = 0;
};
