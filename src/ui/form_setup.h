// The set-up every form shares: caption and design font, and for a dialog its fixed size in twips.
#pragma once

#include <QString>

class QWidget;

// The caption and the forms' font, "MS Sans Serif" 8.25 (its stand-in where it is not installed).
void SetUpForm(QWidget& form, const QString& caption);

// A dialog is a form of fixed size, given in twips as it was designed.
void SetUpDialog(QWidget& dialog, const QString& caption, double widthTwips, double heightTwips);
