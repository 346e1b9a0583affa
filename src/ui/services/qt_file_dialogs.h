// The open-file and save-file dialogs of the toolkit.
#pragma once

#include "services/file_dialogs.h"

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> ShowOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ShowSave(const FileDialogRequest& request) override;
};
