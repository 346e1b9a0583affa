// Tooltip texts, built from the typical-range table of the input checks and the units in force.
#include "ui/help_tips.h"

#include <QCoreApplication>
#include <QObject>
#include <array>

#include "units/unit_system.h"

namespace {

// A limit of the range table as a plain decimal: 13.55, 189.7, 4000000.
QString Limit(double value) {
  QString text = QString::number(value, 'f', 2);
  while (text.endsWith('0')) text.chop(1);
  if (text.endsWith('.')) text.chop(1);
  return text;
}

QString RangeSentence(double min, double max, const QString& unit) {
  return QObject::tr("Typical range: %1 to %2 %3.").arg(Limit(min), Limit(max), unit);
}

}  // namespace

QString MaterialInputTip(MaterialInput input, bool metric, const QString& unit) {
  const DesignInputRanges& ranges = UnitSystemOf(metric).ranges;
  QString what;
  const InputRange* range = nullptr;
  switch (input) {
    case MaterialInput::kE:
      what = QObject::tr("E: elastic modulus of the concrete slab, in %1.");
      range = &ranges.e;
      break;
    case MaterialInput::kSc:
      what = QObject::tr("Sc: flexural strength (modulus of rupture) of the concrete at the design age, in %1.");
      range = &ranges.sc;
      break;
    case MaterialInput::kK:
      what = QObject::tr("k: modulus of subgrade reaction on top of the subgrade, in %1.");
      range = &ranges.k;
      break;
  }
  // The limits are compared in single precision; shown as the table writes them (13.55, not 13.5500002).
  const auto shown = [](float limit) { return QString::number(static_cast<double>(limit), 'g', 7).toDouble(); };
  return what.arg(unit) + '\n' + RangeSentence(shown(range->min), shown(range->max), unit) + '\n' +
         QObject::tr("\"Design Thickness\" asks before it designs with a value outside it.");
}

QString ThicknessTip(bool metric, const QString& unit) {
  const double most = UnitSystemOf(metric).MaxThickness();
  return QObject::tr(
             "Design thickness of the concrete slab, in %1: the thickness at which the traffic mix's "
             "cumulative fatigue damage over 20 years equals 1.\nThe search covers 0 to %2 %1.")
      .arg(unit, Limit(most));
}

QString GridColumnTip(int column, const QString& unit) {
  static const std::array<const char*, 9> kWhat = {
      QT_TRANSLATE_NOOP("GridColumn", "Aircraft name, as in the aircraft library."),
      QT_TRANSLATE_NOOP("GridColumn", "Gross weight of the aircraft%1."),
      QT_TRANSLATE_NOOP("GridColumn", "Annual departures of the aircraft; the design covers 20 years of them."),
      QT_TRANSLATE_NOOP("GridColumn",
                        "Gear load percentage: the share of the gross weight carried by the one "
                        "main gear that is designed for."),
      QT_TRANSLATE_NOOP("GridColumn", "Tire pressure%1; with the wheel load it sets the tire contact area."),
      QT_TRANSLATE_NOOP("GridColumn", "Wheels per gear: 1 single, 2 dual, 4 dual tandem, 6 triple tandem."),
      QT_TRANSLATE_NOOP("GridColumn", "Dual spacing: centre-to-centre distance of the wheels side by side%1."),
      QT_TRANSLATE_NOOP("GridColumn",
                        "Tandem spacing: centre-to-centre distance of the axles one behind the "
                        "other%1."),
      QT_TRANSLATE_NOOP("GridColumn",
                        "Tire contact width%1: the width of the tire print, which sets the "
                        "pass-to-coverage ratio of the wander."),
  };
  if (column < 0 || column >= static_cast<int>(kWhat.size())) return {};
  QString text = QCoreApplication::translate("GridColumn", kWhat[static_cast<std::size_t>(column)]);
  if (text.contains(QStringLiteral("%1")))
    text = text.arg(unit.isEmpty() ? QString() : QObject::tr(", in %1").arg(unit));
  return text + '\n' + QObject::tr("Double-click a value of an aircraft to change it.");
}
