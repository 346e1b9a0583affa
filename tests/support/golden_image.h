// Comparing a rendered picture (a window, a page) with a golden PNG in the source tree.
//
// A picture may differ from its golden file in a few anti-aliased pixels; a control moved, resized,
// recoloured or drawn in another font changes far more. RIPADES_UPDATE_GOLDEN=1 rewrites the golden
// files; a failing comparison leaves the picture it saw beside the build for inspection.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

// Pixels whose red, green or blue differ by more than this count as changed: a colour nudged by 16 or
// more shows, while rendering the same picture twice gives the same pixels.
inline constexpr int kChannelTolerance = 16;

// Fails when the picture's size differs from the golden file's or more than `changedShare` of its
// pixels changed by more than `channelTolerance`. `path` is relative to the source tree, for example
// "tests/ui/looks/about_box.png".
inline void ExpectLooksLikeGolden(const std::string& path, const QImage& picture, double changedShare = 0.0002,
                                  int channelTolerance = kChannelTolerance) {
  const QString full = QDir(RIPADES_SOURCE_DIR).filePath(QString::fromStdString(path));
  const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
  const char* update = std::getenv("RIPADES_UPDATE_GOLDEN");
  if (update && std::strcmp(update, "1") == 0) {
    QDir().mkpath(QFileInfo(full).path());
    ASSERT_TRUE(actual.save(full, "PNG")) << path;
    GTEST_SKIP() << "rewrote " << path;
  }
  const QImage golden = QImage(full).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(golden.isNull()) << path << " is missing; run with RIPADES_UPDATE_GOLDEN=1 to write it";
  const QString seen = QDir::current().filePath(QFileInfo(full).completeBaseName() + "_seen.png");
  if (actual.size() != golden.size()) {
    actual.save(seen, "PNG");
    FAIL() << path << ": " << actual.width() << " x " << actual.height() << " pixels, golden " << golden.width()
           << " x " << golden.height() << "; saw " << seen.toStdString();
  }
  long changed = 0;
  for (int y = 0; y < actual.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
    const auto* g = reinterpret_cast<const QRgb*>(golden.constScanLine(y));
    for (int x = 0; x < actual.width(); ++x) {
      const int d = std::max({std::abs(qRed(a[x]) - qRed(g[x])), std::abs(qGreen(a[x]) - qGreen(g[x])),
                              std::abs(qBlue(a[x]) - qBlue(g[x]))});
      if (d > channelTolerance) ++changed;
    }
  }
  const double share = static_cast<double>(changed) / (static_cast<double>(actual.width()) * actual.height());
  if (share > changedShare) actual.save(seen, "PNG");
  EXPECT_LE(share, changedShare) << path << ": " << changed << " pixels changed; saw " << seen.toStdString();
}
