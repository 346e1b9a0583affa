// The set-up every form of the program shares: its caption and the font it was designed with, and a
// dialog's fixed size in twips.
#pragma once

#include <QString>

class QWidget;

// The caption and the forms' font, "MS Sans Serif" 8.25 (its stand-in where it is not installed).
void SetUpForm(QWidget& form, const QString& caption);

// A dialog is a form of fixed size, given in twips as it was designed.
void SetUpDialog(QWidget& dialog, const QString& caption, double widthTwips, double heightTwips);
