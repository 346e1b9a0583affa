// The printer service on the toolkit's printer: lines drawn one below the other, page after page.
#pragma once

#include <QPainter>
#include <QPrinter>

class QPrintDialog;

#include "services/printer.h"

class QtPrinter : public Printer {
 public:
  std::optional<int> ShowPrintDialog() override;
  void SetFontName(const std::string& name) override;
  bool PrintLine(const std::string& line) override;
  bool EndDoc() override;
  void AbortDoc() override;

 protected:
  // The printer the lines go to, for a printer that sets its output up without the dialog.
  QPrinter& Device() { return printer_; }
  // Shows the dialog set up by ShowPrintDialog and returns how it was closed.
  virtual int RunPrintDialog(QPrintDialog& dialog);

 private:
  QPrinter printer_;
  QPainter painter_;
  QString fontName_;
  int y_ = 0;  // top of the next line on the page, device pixels
};
