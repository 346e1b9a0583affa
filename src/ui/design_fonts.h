// The fonts the windows were designed with, mapped to installed families of the same role.
#pragma once

#include <QFont>
#include <QString>

// "MS Sans Serif" becomes a sans family, "Times New Roman" a serif, "Courier" and "Fixedsys" a fixed
// pitch one; the metric-compatible free families come first so the windows look alike everywhere.
QFont DesignFont(const QString& family, double points, bool bold = false, bool italic = false);
