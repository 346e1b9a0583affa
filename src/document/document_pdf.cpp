// Laying the design document out on pages with QPdfWriter and QPainter.
#include "document/document_pdf.h"

#include <QBuffer>
#include <QDate>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "analysis/rating_section.h"
#include "document/document_charts.h"
#include "document/page_flow.h"
#include "project/text_file.h"

namespace {

constexpr double kMarginMm = 15;
constexpr double kHeaderMm = 9;  // header line and the gap below it; the footer takes as much
constexpr double kBodyPoints = 9;
constexpr double kTablePoints = 8;
constexpr double kSmallestTablePoints = 5;
constexpr double kCellPadMm = 1.2;
constexpr double kCurveChartMm = 95;

QString Text(const std::string& text) { return QString::fromStdString(text); }

struct TableGeometry {
  QFont font;
  QFont bold;  // of the headings
  std::vector<double> widths;
  std::vector<double> headingLines;  // height of each heading line
  double rowHeight = 0;
};

class DocumentLayout {
 public:
  DocumentLayout(QPdfWriter& writer, const QRectF& page)
      : style_(&writer), page_(page), flow_(page.top() + style_.Mm(kHeaderMm), page.bottom() - style_.Mm(kHeaderMm)) {}

  void Title(const QString& text) {
    const QFont font = style_.Font(15, true);
    const double height = style_.Metrics(font).height() * 1.6;
    const QRectF box(page_.left(), flow_.Place(height), page_.width(), height);
    flow_.Draw([=](QPainter& p) {
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    });
  }

  // A section heading, kept on one page with the first `keepWith` of what follows it.
  void Heading(const QString& text, double keepWith) {
    const QFont font = style_.Font(12, true);
    const double height = style_.Metrics(font).height() * 1.5;
    flow_.Skip(style_.Mm(4));
    if (!flow_.Fits(height + keepWith)) flow_.NewPage();
    const QRectF box(page_.left(), flow_.Place(height), page_.width(), height);
    flow_.Draw([=, this](QPainter& p) {
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
      p.setPen(style_.Pen(kRuleColour, 0.2));
      p.drawLine(box.bottomLeft() - QPointF(0, height * 0.12), box.bottomRight() - QPointF(0, height * 0.12));
    });
  }

  double FactHeight() const { return style_.Metrics(style_.Font(kBodyPoints)).height() * 1.35; }

  // Label and value lines, the values lined up after the longest label and wrapped at blanks to the page.
  void Facts(const std::vector<DocumentFact>& facts) {
    const QFont font = style_.Font(kBodyPoints);
    const QFontMetricsF metrics = style_.Metrics(font);
    double labelWidth = 0;
    for (const DocumentFact& fact : facts)
      labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Text(fact.label + ":")));
    labelWidth += style_.Mm(4);
    const double valueWidth = page_.width() - labelWidth;
    for (const DocumentFact& fact : facts) {
      const QString value = Text(fact.value);
      const double lines =
          metrics.boundingRect(QRectF(0, 0, valueWidth, page_.height()), Qt::TextWordWrap, value).height();
      const double height = std::max(FactHeight(), lines + FactHeight() - metrics.height());
      // The first line of the value stands where a one-line fact would, the label beside it.
      const double top = flow_.Place(height) + (FactHeight() - metrics.height()) / 2;
      const QRectF labelBox(page_.left(), top, labelWidth, lines);
      const QRectF valueBox(page_.left() + labelWidth, top, valueWidth, lines);
      flow_.Draw([=, label = Text(fact.label)](QPainter& p) {
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(labelBox, Qt::AlignLeft | Qt::AlignTop, label + QStringLiteral(":"));
        p.drawText(valueBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, value);
      });
    }
  }

  // At the foot of the page being laid out: the designer and the checker by name, each with a line for
  // the date and one for the signature.
  void SignatureBlock(const DocumentDetails& details) {
    const QFont font = style_.Font(kBodyPoints), bold = style_.Font(kBodyPoints, true);
    const QFontMetricsF metrics = style_.Metrics(font);
    const double row = style_.Mm(11);  // room to sign in
    const double captionHeight = style_.Metrics(bold).height() * 1.6;
    const double top = flow_.ReserveFoot(captionHeight + 2 * row + style_.Mm(4)) + style_.Mm(4);
    const double labelWidth = style_.Metrics(bold).horizontalAdvance(QStringLiteral("Designed by")) + style_.Mm(4);
    const double nameWidth = (page_.width() - labelWidth) * 0.4;
    const double dateWidth = (page_.width() - labelWidth) * 0.22;
    const double nameLeft = page_.left() + labelWidth, dateLeft = nameLeft + nameWidth;
    const double signatureLeft = dateLeft + dateWidth;
    const double gap = style_.Mm(3);
    const QString names[] = {Text(details.designedBy), Text(details.checkedBy)};
    flow_.Draw([=, this](QPainter& p) {
      p.setPen(style_.Pen(Qt::black, 0.3));
      p.drawLine(QPointF(page_.left(), top), QPointF(page_.right(), top));
      p.setFont(bold);
      p.setPen(Qt::black);
      const QString captions[] = {QStringLiteral("Name"), QStringLiteral("Date"), QStringLiteral("Signature")};
      const double lefts[] = {nameLeft, dateLeft, signatureLeft};
      for (int c = 0; c < 3; ++c)
        p.drawText(QRectF(lefts[c], top, page_.right() - lefts[c], captionHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   captions[c]);
      const QString roles[] = {QStringLiteral("Designed by"), QStringLiteral("Checked by")};
      for (int r = 0; r < 2; ++r) {
        const double base = top + captionHeight + (r + 1) * row - style_.Mm(2);
        const QRectF text(0, base - metrics.height(), 0, metrics.height());
        p.setFont(bold);
        p.setPen(Qt::black);
        p.drawText(text.adjusted(page_.left(), 0, nameLeft - gap, 0), Qt::AlignLeft | Qt::AlignBottom, roles[r]);
        p.setFont(font);
        p.drawText(text.adjusted(nameLeft, 0, dateLeft - gap, 0), Qt::AlignLeft | Qt::AlignBottom,
                   metrics.elidedText(names[r], Qt::ElideRight, nameWidth - gap));
        // The lines to write on: name, date, signature.
        p.setPen(style_.Pen(Qt::black, 0.2));
        const double y = base + style_.Mm(0.8);
        p.drawLine(QPointF(nameLeft, y), QPointF(dateLeft - gap, y));
        p.drawLine(QPointF(dateLeft, y), QPointF(signatureLeft - gap, y));
        p.drawLine(QPointF(signatureLeft, y), QPointF(page_.right(), y));
      }
    });
  }

  // The table's heading lines, then its rows; on each further page the heading lines again.
  void Table(const DocumentTable& table);
  // Heading, curve chart.
  void CurveChart(const DesignDocument& document);
  // A paragraph, wrapped at blanks to the page's width.
  void Paragraph(const QString& text) {
    const QFont font = style_.Font(kBodyPoints);
    const double height = style_.Metrics(font)
                              .boundingRect(QRectF(0, 0, page_.width(), page_.height()), Qt::TextWordWrap, text)
                              .height() +
                          style_.Mm(1.5);
    const QRectF box(page_.left(), flow_.Place(height), page_.width(), height);
    flow_.Draw([=](QPainter& p) {
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    });
  }
  // A paragraph in bold, framed, that no reader can take for a line of facts.
  void Statement(const QString& text) {
    const QFont font = style_.Font(kBodyPoints + 1, true);
    const double pad = style_.Mm(2.5);
    const double height =
        style_.Metrics(font)
            .boundingRect(QRectF(0, 0, page_.width() - 2 * pad, page_.height()), Qt::TextWordWrap, text)
            .height() +
        2 * pad;
    flow_.Skip(style_.Mm(1));
    if (!flow_.Fits(height)) flow_.NewPage();
    const QRectF box(page_.left(), flow_.Place(height), page_.width(), height);
    flow_.Skip(style_.Mm(2));
    flow_.Draw([=, this](QPainter& p) {
      p.setPen(style_.Pen(kGoverningColour, 0.6));
      p.setBrush(Qt::NoBrush);
      p.drawRect(box);
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(box.adjusted(pad, pad, -pad, -pad), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    });
  }
  // Heading, what the cases are, their table and chart.
  void SensitivitySection(const DesignDocument& document);
  // Heading, the PCR's code in large type, the rating's figures and the table of the mix aircraft.
  void RatingSection(const DesignDocument& document);
  // Each aircraft's share of D as a bar a row, largest first, the governing aircraft in red.
  void ShareRows(const std::vector<AircraftShare>& shares);

  // Draws every page: header with the input data file's name, the blocks, footer "Page N of M".
  bool Paint(QPdfWriter& writer, const QString& inputName);

 private:
  TableGeometry FitTable(const DocumentTable& table) const;

  DocumentStyle style_;
  QRectF page_;
  PageFlow flow_;
};

// The table's font and column widths: each column as wide as its widest cell and heading, then, when
// that is too wide for the page, headings wrapped at their blanks, then a smaller font.
TableGeometry DocumentLayout::FitTable(const DocumentTable& table) const {
  TableGeometry g;
  const double pad = style_.Mm(kCellPadMm);
  for (double points = kTablePoints;; points -= 0.5) {
    g.font = style_.Font(points);
    g.bold = style_.Font(points, true);
    const QFontMetricsF metrics = style_.Metrics(g.font), boldMetrics = style_.Metrics(g.bold);
    std::vector<double> cells(table.numeric.size(), 0), headings = cells, words = cells;
    for (const auto& row : table.rows)
      for (std::size_t c = 0; c < row.size() && c < cells.size(); ++c)
        cells[c] = std::max(cells[c], metrics.horizontalAdvance(Text(row[c])) + 2 * pad);
    for (const auto& line : table.headings)
      for (std::size_t c = 0; c < line.size() && c < cells.size(); ++c) {
        headings[c] = std::max(headings[c], boldMetrics.horizontalAdvance(Text(line[c])) + 2 * pad);
        for (const QString& word : Text(line[c]).split(' '))
          words[c] = std::max(words[c], boldMetrics.horizontalAdvance(word) + 2 * pad);
      }
    for (const std::vector<double>* heading : {&headings, &words}) {
      g.widths.assign(cells.size(), 0);
      double total = 0;
      for (std::size_t c = 0; c < cells.size(); ++c) total += g.widths[c] = std::max(cells[c], (*heading)[c]);
      if (total <= page_.width() || (heading == &words && points <= kSmallestTablePoints)) {
        for (double& w : g.widths) w += std::max(0.0, page_.width() - total) / static_cast<double>(g.widths.size());
        g.rowHeight = metrics.height() * 1.35;
        for (const auto& line : table.headings) {
          double height = g.rowHeight;
          for (std::size_t c = 0; c < line.size() && c < cells.size(); ++c)
            height = std::max(height, boldMetrics
                                              .boundingRect(QRectF(0, 0, g.widths[c] - 2 * pad, page_.height()),
                                                            Qt::TextWordWrap, Text(line[c]))
                                              .height() +
                                          metrics.height() * 0.35);
          g.headingLines.push_back(height);
        }
        return g;
      }
    }
  }
}

void DocumentLayout::Table(const DocumentTable& table) {
  const TableGeometry g = FitTable(table);
  double headingHeight = style_.Mm(1);
  for (double line : g.headingLines) headingHeight += line;
  const double pad = style_.Mm(kCellPadMm);
  const double rowHeight = g.rowHeight;
  const std::vector<bool> numeric = table.numeric;
  const double pageLeft = page_.left();
  const auto drawRow = [g, numeric, pageLeft, pad](QPainter& p, const std::vector<std::string>& cells, double top,
                                                   double height, bool heading) {
    p.setFont(heading ? g.bold : g.font);
    p.setPen(Qt::black);
    double left = pageLeft;
    for (std::size_t c = 0; c < g.widths.size(); ++c) {
      const QRectF cell(left + pad, top, g.widths[c] - 2 * pad, height);
      if (c < cells.size())
        p.drawText(cell, (numeric[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextWordWrap,
                   Text(cells[c]));
      left += g.widths[c];
    }
  };
  const auto heading = [&] {
    const double top = flow_.Place(headingHeight);
    flow_.Draw([=, this, headings = table.headings](QPainter& p) {
      double lineTop = top;
      for (std::size_t line = 0; line < headings.size(); ++line) {
        drawRow(p, headings[line], lineTop, g.headingLines[line], true);
        lineTop += g.headingLines[line];
      }
      p.setPen(style_.Pen(Qt::black, 0.25));
      const double rule = top + headingHeight - style_.Mm(0.5);
      p.drawLine(QPointF(page_.left(), rule), QPointF(page_.right(), rule));
    });
  };
  if (!flow_.Fits(headingHeight + rowHeight)) flow_.NewPage();
  heading();
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    if (!flow_.Fits(rowHeight)) {
      flow_.NewPage();
      heading();
    }
    const double top = flow_.Place(rowHeight);
    flow_.Draw([=, this, cells = table.rows[r], shaded = r % 2 == 1](QPainter& p) {
      if (shaded) p.fillRect(QRectF(page_.left(), top, page_.width(), rowHeight), QColor(243, 243, 243));
      drawRow(p, cells, top, rowHeight, false);
    });
  }
}

void DocumentLayout::CurveChart(const DesignDocument& document) {
  const double height = style_.Mm(kCurveChartMm);
  Heading(QStringLiteral("Damage against thickness"), height);
  const QRectF area(page_.left(), flow_.Place(height), page_.width(), height);
  flow_.Draw([=, this, &document](QPainter& p) { DrawDamageCurve(p, area, document, style_); });
}

void DocumentLayout::SensitivitySection(const DesignDocument& document) {
  Heading(QStringLiteral("Sensitivity"), FactHeight() * 6);
  if (!document.sensitivityNote.empty()) {
    Paragraph(Text(document.sensitivityNote));
    return;
  }
  Paragraph(
      QStringLiteral("The design thickness with one input scaled and every other as designed: E, Sc and k by "
                     "0.8, 0.9, 1.1 and 1.2, the annual departures of every aircraft by 0.5 and 2."));
  Table(document.sensitivity);
  const double height = style_.Mm(kCurveChartMm);
  flow_.Skip(style_.Mm(4));
  const QRectF area(page_.left(), flow_.Place(height), page_.width(), height);
  flow_.Draw([=, this, &document](QPainter& p) { DrawSensitivity(p, area, document, style_); });
}

void DocumentLayout::RatingSection(const DesignDocument& document) {
  if (document.ratingCode.empty()) return;  // a document made without its rating
  Heading(QStringLiteral("Pavement rating"), FactHeight() * 4);
  Title(Text(document.ratingCode));
  if (document.rating.empty()) return;
  Facts(document.rating);
  Paragraph(QStringLiteral(
      "The PCR is the ACR of the critical aircraft at its maximum allowable gross weight on the subgrade's "
      "category: rigid (R), the category, no tire pressure limit (W), technical evaluation (T). Each aircraft's "
      "ACR at its own weight on the four standard subgrades, the slab's marked, and the gross weight at which "
      "its ACR equals the PCR:"));
  Table(document.ratingTable);
}

void DocumentLayout::ShareRows(const std::vector<AircraftShare>& shares) {
  const QFont font = style_.Font(kTablePoints);
  const QFontMetricsF metrics = style_.Metrics(font);
  const double rowHeight = metrics.height() * 1.4;
  QFont bold = font;
  bold.setBold(true);
  double nameWidth = style_.Metrics(bold).horizontalAdvance(QStringLiteral("Aircraft"));
  for (const AircraftShare& share : shares)
    nameWidth = std::max(nameWidth, metrics.horizontalAdvance(Text(share.name)));
  nameWidth += style_.Mm(3);
  // The scale's labels stand centred on their lines, so the bars keep half a label's width free on
  // either side: "0 %" clear of the names, "100 %" clear of the damage ratios.
  const double leftHalf = metrics.horizontalAdvance(QStringLiteral("0 %")) / 2;
  const double rightHalf = metrics.horizontalAdvance(QStringLiteral("100 %")) / 2 + style_.Mm(2);
  const double valueWidth = std::max(style_.Metrics(bold).horizontalAdvance(QStringLiteral("Damage ratio")),
                                     metrics.horizontalAdvance(QStringLiteral("100.00 %"))) +
                            style_.Mm(1);
  const double barLeft = page_.left() + nameWidth + leftHalf;
  const double barWidth = page_.right() - valueWidth - rightHalf - barLeft;
  const QRectF valueColumn(page_.right() - valueWidth, 0, valueWidth, 0);
  const auto barX = [=](double percent) { return barLeft + percent / 100 * barWidth; };
  const auto valueBox = [=](double top) { return valueColumn.adjusted(0, top, 0, top + rowHeight); };
  const auto heading = [&] {
    const double top = flow_.Place(rowHeight * 1.3);
    flow_.Draw([=, this](QPainter& p) {
      p.setFont(bold);
      p.setPen(Qt::black);
      p.drawText(QRectF(page_.left(), top, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Aircraft"));
      p.drawText(valueBox(top), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Damage ratio"));
      p.setFont(font);
      for (int percent = 0; percent <= 100; percent += 20)
        p.drawText(QRectF(barX(percent) - style_.Mm(6), top, style_.Mm(12), rowHeight), Qt::AlignCenter,
                   QStringLiteral("%1 %").arg(percent));
      p.setPen(style_.Pen(Qt::black, 0.25));
      p.drawLine(QPointF(page_.left(), top + rowHeight * 1.15), QPointF(page_.right(), top + rowHeight * 1.15));
    });
  };
  if (!flow_.Fits(rowHeight * 2.3)) flow_.NewPage();
  heading();
  const bool governs = !shares.empty() && shares.front().damageRatioPct > 0;
  for (std::size_t i = 0; i < shares.size(); ++i) {
    if (!flow_.Fits(rowHeight)) {
      flow_.NewPage();
      heading();
    }
    const double top = flow_.Place(rowHeight);
    const AircraftShare share = shares[i];
    const bool governing = governs && i == 0;
    flow_.Draw([=, this](QPainter& p) {
      p.setPen(style_.Pen(kGridColour, 0.15));
      for (int percent = 0; percent <= 100; percent += 20)
        p.drawLine(QPointF(barX(percent), top), QPointF(barX(percent), top + rowHeight));
      // The scale ends at 100 %: a larger ratio (a mix no slab carries, up to one too large to compute)
      // fills it, and the figure beside it says how large.
      const double barPercent = std::clamp(share.damageRatioPct, 0.0, 100.0);
      const QRectF bar(barLeft, top + rowHeight * 0.15, barPercent / 100 * barWidth, rowHeight * 0.7);
      p.fillRect(bar, governing ? kGoverningColour : kBarColour);
      p.setFont(font);
      p.setPen(Qt::black);
      p.drawText(QRectF(page_.left(), top, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, Text(share.name));
      p.drawText(valueBox(top), Qt::AlignRight | Qt::AlignVCenter, Text(PercentWithSign(share.damageRatioPct)));
    });
  }
}

bool DocumentLayout::Paint(QPdfWriter& writer, const QString& inputName) {
  QPainter painter(&writer);
  if (!painter.isActive()) return false;
  const QFont font = style_.Font(7.5);
  const double line = style_.Metrics(font).height();
  const int pages = flow_.PageCount();
  for (int index = 0; index < pages; ++index) {
    if (index > 0 && !writer.newPage()) return false;
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF header(page_.left(), page_.top(), page_.width(), line);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, inputName);
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("RIPADES design document"));
    painter.setPen(style_.Pen(kRuleColour, 0.2));
    painter.drawLine(QPointF(page_.left(), page_.top() + line * 1.3), QPointF(page_.right(), page_.top() + line * 1.3));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page_.left(), page_.bottom() - line, page_.width(), line), Qt::AlignCenter,
                     QStringLiteral("Page %1 of %2").arg(index + 1).arg(pages));
    for (const PageFlow::Drawing& drawing : flow_.Page(index)) {
      painter.save();
      drawing(painter);
      painter.restore();
    }
  }
  return painter.end();
}

}  // namespace

Outcome SaveDesignDocument(const std::string& path, const DesignDocument& document, const QPageSize& pageSize) {
  // The whole document is made in memory, so that only a complete one is ever written to the disk.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setTitle(QStringLiteral("RIPADES design document - ") + Text(document.inputName));
  writer.setCreator(QStringLiteral("RIPADES"));
  writer.setPageSize(pageSize);
  writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
  const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());

  DocumentLayout layout(writer, QRectF(QPointF(0, 0), page.size()));
  layout.Title(QStringLiteral("Rigid pavement thickness design"));
  layout.SignatureBlock(document.details);
  layout.Facts(document.titleBlock);
  layout.Heading(QStringLiteral("Inputs"), layout.FactHeight());
  layout.Facts(document.inputs);
  layout.Heading(QStringLiteral("Traffic mix"), layout.FactHeight() * 4);
  layout.Table(document.traffic);
  layout.Heading(QStringLiteral("Result"), layout.FactHeight());
  if (!document.resultStatement.empty()) layout.Statement(Text(document.resultStatement));
  layout.Facts(document.result);
  layout.Heading(QStringLiteral("Fatigue analysis"), layout.FactHeight() * 5);
  layout.Table(document.fatigue);
  layout.CurveChart(document);
  layout.Heading(QStringLiteral("Damage ratios at the design thickness"), layout.FactHeight() * 3);
  layout.ShareRows(document.shares);
  layout.SensitivitySection(document);
  layout.RatingSection(document);
  if (!layout.Paint(writer, Text(document.inputName)))
    return Outcome::Failure("The design document could not be laid out as a PDF; nothing was saved to \"" + path +
                            "\".");
  return WriteFileAtomically(path, bytes.toStdString());
}

Outcome SaveDesignPdf(const std::string& path, const ProgramState& state, const Sensitivity& sensitivity,
                      const DocumentDetails& details, const QPageSize& pageSize) {
  DesignDocument document;
  return SaveDesignPdf(path, state, sensitivity, details, RateDesign(state.designResult), pageSize);
}

Outcome SaveDesignPdf(const std::string& path, const ProgramState& state, const Sensitivity& sensitivity,
                      const DocumentDetails& details, const PavementRating& rating, const QPageSize& pageSize) {
  DesignDocument document;
  const Outcome built = BuildDesignDocument(state, sensitivity, document, details);
  if (!built) return built;
  AddRatingSection(rating, state.IsMetric(), document);
  return SaveDesignDocument(path, document, pageSize);
}

std::string DocumentDate() { return QDate::currentDate().toString(Qt::ISODate).toStdString(); }
