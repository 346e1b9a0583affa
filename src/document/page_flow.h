// Blocks placed down the pages of a document, each page drawn once the number of pages is known.
#pragma once

#include <functional>
#include <vector>

class QPainter;

class PageFlow {
 public:
  using Drawing = std::function<void(QPainter&)>;

  // Blocks go between `top` and `bottom` of every page, in the painter's units.
  PageFlow(double top, double bottom);

  // True when a block of `height` fits below what the page holds, or the page is still empty (a
  // block taller than a page has to go somewhere).
  bool Fits(double height) const;
  // The top of a block of `height`: below the page's last block when it fits, else at the top of a
  // new page.
  double Place(double height);
  // Leaves `height` free before the next block; nothing at the top of a page.
  void Skip(double height);
  void NewPage();
  // Keeps the last `height` of the current page free of blocks and gives its top, for a block drawn
  // there; the pages after it have their whole height.
  double ReserveFoot(double height);
  // Adds a drawing to the current page.
  void Draw(Drawing drawing);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  const std::vector<Drawing>& Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }

 private:
  double top_;
  double bottom_;
  double pageBottom_;  // of the current page
  double y_;
  std::vector<std::vector<Drawing>> pages_{1};
};
