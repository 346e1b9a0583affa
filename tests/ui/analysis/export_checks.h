// Checks of saved files: a failed save is said; the text of a PDF's pages as pdftotext reads them.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "golden/test_files.h"
#include "state/outcome.h"
#include "support/file_size_limit.h"

// A save made while the disk is full fails with a message naming the file (that the file saved before
// stays whole, with nothing beside it, is a check of the project's file writes).
inline void ExpectFailedSave(const char* name, const std::function<Outcome(const std::string&)>& save) {
  const QTemporaryDir folder;
  const std::string path = folder.filePath(name).toStdString();
  Outcome saved;
  {
    FileSizeLimit full(16);
    saved = save(path);
  }
  EXPECT_FALSE(saved.ok) << name;
  EXPECT_NE(saved.message.find(path), std::string::npos) << saved.message;
}

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
