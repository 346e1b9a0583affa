// The modal message box through which the program tells the user things and asks questions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/program_title.h"

// Style words of the boxes the program shows: the button set, the icon and the default button.
enum MsgBoxStyle : int {
  kMsgOk = 0,                      // OK
  kMsgYesNo = 4,                   // Yes, No
  kMsgCancelTryAgainContinue = 6,  // Cancel, Try Again, Continue (the callers ignore which)
  kMsgYesNoCancelQuestion = 35,    // Yes, No, Cancel with the question icon
  kMsgOkWarning = 48,              // OK with the warning icon
  kMsgOkSecondDefault = 256,       // names a second button as default; with one button it is plain OK
};

// The button the user pressed.
enum class MsgBoxAnswer { kOk, kCancel, kYes, kNo, kTryAgain, kContinue };

// The buttons of a style, left to right; an unknown style shows OK only.
inline std::vector<MsgBoxAnswer> MsgBoxButtons(int style) {
  switch (style) {
    case kMsgYesNo:
      return {MsgBoxAnswer::kYes, MsgBoxAnswer::kNo};
    case kMsgCancelTryAgainContinue:
      return {MsgBoxAnswer::kCancel, MsgBoxAnswer::kTryAgain, MsgBoxAnswer::kContinue};
    case kMsgYesNoCancelQuestion:
      return {MsgBoxAnswer::kYes, MsgBoxAnswer::kNo, MsgBoxAnswer::kCancel};
    default:
      return {MsgBoxAnswer::kOk};
  }
}

inline bool MsgBoxHasQuestionIcon(int style) { return style == kMsgYesNoCancelQuestion; }
inline bool MsgBoxHasWarningIcon(int style) { return style == kMsgOkWarning; }

class MessageBox {
 public:
  virtual ~MessageBox() = default;

  // Shows the text exactly as given and waits for the answer; the program's windows take no other
  // input meanwhile. A box given no title carries the application's title.
  MsgBoxAnswer MsgBox(const std::string& text, int style = kMsgOk, const std::string& title = {}) {
    return Show(text, style, title.empty() ? std::string(kApplicationTitle) : title);
  }

  // Asks for one line of text below `prompt`, offering `initialText`; nothing when the user cancels.
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& initialText = {}) {
    return AskText(prompt, title.empty() ? std::string(kApplicationTitle) : title, initialText);
  }

 protected:
  virtual MsgBoxAnswer Show(const std::string& text, int style, const std::string& title) = 0;
  // A box that cannot ask for text answers as if the user cancelled.
  virtual std::optional<std::string> AskText(const std::string& /*prompt*/, const std::string& /*title*/,
                                             const std::string& /*initialText*/) {
    return std::nullopt;
  }
};
