// Platform services for tests: each records what the program asked and answers from a queue.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/document_details.h"
#include "services/platform_services.h"

struct AskedBox {
  std::string text;
  int style = 0;
  std::string title;
};

// Answers from `answers`; with none queued it presses the first button, which a test must script
// for a question (styles 4 and 35), since the caller's path depends on it. Text questions are
// answered from `typed` (nothing: cancelled) and recorded in `prompts`.
class ScriptedMessageBox : public MessageBox {
 public:
  std::vector<AskedBox> asked;
  std::deque<MsgBoxAnswer> answers;
  std::vector<AskedBox> prompts;
  std::vector<std::string> offered;  // the text each prompt started with
  std::deque<std::optional<std::string>> typed;
  // When set, chooses the button of a box that has no answer queued (instead of the first button).
  std::function<MsgBoxAnswer(const std::vector<MsgBoxAnswer>& buttons)> choose;

  void Answer(std::initializer_list<MsgBoxAnswer> next) { answers.insert(answers.end(), next); }
  const AskedBox& Last() const { return asked.back(); }

 protected:
  MsgBoxAnswer Show(const std::string& text, int style, const std::string& title) override {
    asked.push_back({text, style, title});
    const std::vector<MsgBoxAnswer> buttons = MsgBoxButtons(style);
    if (answers.empty() && choose) return choose(buttons);
    if (answers.empty()) {
      if (style == kMsgYesNo || style == kMsgYesNoCancelQuestion) ADD_FAILURE() << "unscripted question: " << text;
      return buttons.front();
    }
    const MsgBoxAnswer answer = answers.front();
    answers.pop_front();
    EXPECT_NE(std::find(buttons.begin(), buttons.end(), answer), buttons.end()) << "no such button: " << text;
    return answer;
  }
  std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                     const std::string& initialText) override {
    prompts.push_back({prompt, 0, title});
    offered.push_back(initialText);
    if (typed.empty()) return std::nullopt;
    std::optional<std::string> text = typed.front();
    typed.pop_front();
    return text;
  }
};

// Counts the changes of the pointer; `busy` is the pointer shown now.
class ScriptedBusyPointer : public BusyPointer {
 public:
  bool busy = false;
  int timesBusy = 0;
  void SetBusy(bool on) override {
    busy = on;
    if (on) ++timesBusy;
  }
};

struct AskedFileDialog {
  bool save = false;
  FileDialogRequest request;
};

class ScriptedFileDialogs : public FileDialogs {
 public:
  std::vector<AskedFileDialog> asked;
  std::deque<std::optional<std::string>> answers;  // nothing: cancelled

  std::optional<std::string> ShowOpen(const FileDialogRequest& request) override { return Next(false, request); }
  std::optional<std::string> ShowSave(const FileDialogRequest& request) override { return Next(true, request); }

 private:
  std::optional<std::string> Next(bool save, const FileDialogRequest& request) {
    asked.push_back({save, request});
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Collects the printed lines per document (the last one is the document being printed);
// `failAfterLines` makes printing fail from that line on.
class ScriptedPrinter : public Printer {
 public:
  std::deque<std::optional<int>> copiesAnswers;  // nothing: cancelled
  int dialogsShown = 0;
  std::vector<std::string> fontNames;
  std::vector<std::vector<std::string>> documents{{}};
  std::optional<std::size_t> failAfterLines;
  int abortedDocuments = 0;
  std::function<void()> afterEndDoc;  // runs after each ended document

  std::optional<int> ShowPrintDialog() override {
    ++dialogsShown;
    if (copiesAnswers.empty()) return std::nullopt;
    std::optional<int> copies = copiesAnswers.front();
    copiesAnswers.pop_front();
    return copies;
  }
  void SetFontName(const std::string& name) override { fontNames.push_back(name); }
  bool PrintLine(const std::string& line) override {
    if (failAfterLines && printedLines_ >= *failAfterLines) return false;
    ++printedLines_;
    documents.back().push_back(line);
    return true;
  }
  bool EndDoc() override {
    documents.emplace_back();
    if (afterEndDoc) afterEndDoc();
    return true;
  }
  void AbortDoc() override {
    ++abortedDocuments;
    documents.back().clear();
  }

 private:
  std::size_t printedLines_ = 0;
};

// Records the details each dialog offered. Answers OK with the "key: value" lines of `answers` typed over
// them (nothing queued: as offered), or Cancel for a queued nothing.
class ScriptedDetailsDialog : public DetailsDialog {
 public:
  std::vector<DocumentDetails> offered;
  std::deque<std::optional<std::string>> answers;

  std::optional<DocumentDetails> AskDetails(const DocumentDetails& details) override {
    offered.push_back(details);
    DocumentDetails typed = details;
    if (answers.empty()) return typed;
    const std::optional<std::string> answer = answers.front();
    answers.pop_front();
    if (!answer) return std::nullopt;
    const Outcome read = ReadDocumentDetails(*answer, typed);
    EXPECT_TRUE(read.ok) << read.message;
    return typed;
  }
};

// All five, handed to a window as its services.
struct ScriptedServices {
  ScriptedMessageBox messages;
  ScriptedBusyPointer busy;
  ScriptedFileDialogs files;
  ScriptedPrinter printer;
  ScriptedDetailsDialog details;

  PlatformServices Services() { return {messages, busy, files, printer, details}; }
};
