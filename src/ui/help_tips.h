// The tooltips of the design view's values and of the mix grid's columns: what each value is, its
// unit in force and, for the material inputs, the typical range the input check applies.
#pragma once

#include <QString>

enum class MaterialInput { kE, kSc, kK };

// `unit` is the unit label shown beside the box; the range is that of the unit system named by `metric`.
QString MaterialInputTip(MaterialInput input, bool metric, const QString& unit);
// The thickness label: what the design finds, and the interval the search covers.
QString ThicknessTip(bool metric, const QString& unit);
// The heading and unit rows of grid column `column` (0 = aircraft name); empty past the last column.
QString GridColumnTip(int column, const QString& unit);
