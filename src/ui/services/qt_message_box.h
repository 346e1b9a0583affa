// The message box service drawn with the toolkit's modal message box.
#pragma once

#include "services/message_box.h"

class QtMessageBox : public MessageBox {
 protected:
  MsgBoxAnswer Show(const std::string& text, int style, const std::string& title) override;
};
