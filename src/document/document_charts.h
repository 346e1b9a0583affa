// The document's charts, drawn with QPainter paths so that a PDF holds them as vectors.
#pragma once

#include <QRectF>

#include "analysis/design_document.h"
#include "document/document_style.h"

class QPainter;

// Cumulative damage D against slab thickness on a logarithmic D axis, the line D = 1 and the design
// thickness, with axis titles and a legend, inside `area`.
void DrawDamageCurve(QPainter& painter, const QRectF& area, const DesignDocument& document, const DocumentStyle& style);

// The design thickness against the factor each input was scaled by, on a logarithmic factor axis
// from 0.5 to 2: one line with markers per input, through the unscaled design at 1.
void DrawSensitivity(QPainter& painter, const QRectF& area, const DesignDocument& document, const DocumentStyle& style);
