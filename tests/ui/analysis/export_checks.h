// The text of a PDF's pages as pdftotext reads them.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <string>
#include <vector>

// The text of each page of a PDF as poppler reads it, runs of blanks made one.
inline std::vector<std::string> PdfPages(const std::string& path) {
  QProcess pdftotext;
  pdftotext.start(RIPADES_PDFTOTEXT, {"-layout", QString::fromStdString(path), "-"});
  EXPECT_TRUE(pdftotext.waitForFinished());
  EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
  std::vector<std::string> pages;
  for (const QString& page : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts))
    if (!page.trimmed().isEmpty()) pages.push_back(page.simplified().toStdString());
  return pages;
}
