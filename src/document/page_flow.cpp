// Placing blocks down the pages.
#include "document/page_flow.h"

PageFlow::PageFlow(double top, double bottom) : top_(top), bottom_(bottom), pageBottom_(bottom), y_(top) {}

bool PageFlow::Fits(double height) const { return y_ == top_ || y_ + height <= pageBottom_; }

double PageFlow::Place(double height) {
  if (!Fits(height)) NewPage();
  const double at = y_;
  y_ += height;
  return at;
}

void PageFlow::Skip(double height) {
  if (y_ > top_) y_ += height;
}

void PageFlow::NewPage() {
  pages_.emplace_back();
  y_ = top_;
  pageBottom_ = bottom_;
}

double PageFlow::ReserveFoot(double height) {
  pageBottom_ -= height;
  return pageBottom_;
}

void PageFlow::Draw(Drawing drawing) { pages_.back().push_back(std::move(drawing)); }
