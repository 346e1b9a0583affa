// Font families by role.
#include "ui/design_fonts.h"

#include <QStringList>

#include "report/report_printing.h"

namespace {

struct FontRole {
  QStringList families;
  QFont::StyleHint hint;
};

FontRole RoleOf(const QString& family) {
  if (family == "Times New Roman") return {{"Liberation Serif", "DejaVu Serif"}, QFont::Serif};
  if (family == kFixedPitchFont || family == "Fixedsys")
    return {{"Liberation Mono", "DejaVu Sans Mono"}, QFont::TypeWriter};
  return {{"Liberation Sans", "DejaVu Sans"}, QFont::SansSerif};
}

}  // namespace

QFont DesignFont(const QString& family, double points, bool bold, bool italic) {
  const FontRole role = RoleOf(family);
  QFont font;
  font.setFamilies(role.families);
  font.setStyleHint(role.hint);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}
