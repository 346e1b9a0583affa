// Saving chart views as one picture: PNG or SVG.
#pragma once

#include <QList>
#include <QString>

#include "state/outcome.h"

class QChartView;

// The picture format a path asks for: SVG for a name ending in ".svg" (any case), PNG otherwise.
bool IsSvgPath(const QString& path);

// Draws the views' charts side by side, as the window shows them, each at its size on the screen, and
// saves them as SVG or as a PNG of twice the screen resolution. The file is replaced only once the whole
// picture is written; on failure an existing file is left as it was.
Outcome SaveCharts(const QString& path, const QList<QChartView*>& views);
