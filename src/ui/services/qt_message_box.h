// The message box service drawn with the toolkit's modal message box and input dialog.
#pragma once

#include "services/message_box.h"

class QtMessageBox : public MessageBox {
 protected:
  MsgBoxAnswer Show(const std::string& text, int style, const std::string& title) override;
  std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                     const std::string& initialText) override;
};
