// Checks of saved files: a failed save keeps the old file; the text of a PDF's pages as pdftotext reads them.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "golden/test_files.h"
#include "state/outcome.h"
#include "support/file_size_limit.h"

// A save made while the disk is full fails with a message naming the file, and leaves the file that
// was there byte-identical with nothing beside it.
inline void ExpectFailedSaveKeepsOldFile(const QTemporaryDir& folder, const char* name,
                                         const std::function<Outcome(const std::string&)>& save) {
  const std::filesystem::path path = std::filesystem::path(folder.path().toStdString()) / name;
  const std::string old = "the file saved before\n";
  std::ofstream(path, std::ios::binary) << old;
  Outcome saved;
  {
    FileSizeLimit full(old.size());
    saved = save(path.string());
  }
  EXPECT_FALSE(saved.ok) << name;
  EXPECT_NE(saved.message.find(path.string()), std::string::npos) << saved.message;
  EXPECT_EQ(FileText(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()), {}), 1);
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
