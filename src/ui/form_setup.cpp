// The forms' shared set-up.
#include "ui/form_setup.h"

#include <QWidget>

#include "ui/design_fonts.h"
#include "ui/twips.h"

void SetUpForm(QWidget& form, const QString& caption) {
  form.setWindowTitle(caption);
  form.setFont(DesignFont("MS Sans Serif", 8.25));
}

void SetUpDialog(QWidget& dialog, const QString& caption, double widthTwips, double heightTwips) {
  SetUpForm(dialog, caption);
  dialog.setFixedSize(TwipsToPixels(widthTwips, &dialog), TwipsToPixels(heightTwips, &dialog));
}
