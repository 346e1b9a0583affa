// The rating's texts laid into the design document's facts and table.
#include "analysis/rating_section.h"

#include "analysis/rating_texts.h"

void AddRatingSection(const PavementRating& rating, bool metric, DesignDocument& document) {
  RatingTexts texts = RatingInUnits(rating, metric);
  document.ratingCode = texts.code;
  document.rating.clear();
  for (RatingFigure& figure : texts.figures) document.rating.push_back({figure.label, figure.value});
  DocumentTable& table = document.ratingTable;
  table = DocumentTable{};
  if (texts.rows.empty()) return;
  table.headings = {texts.headings};
  table.numeric.assign(texts.headings.size(), true);
  table.numeric[0] = false;
  table.rows = std::move(texts.rows);
}
