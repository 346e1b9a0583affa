// Checks of saved files: a failed save keeps the old file; the text of a PDF as pdftotext reads it.
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

// The text poppler reads from a PDF, runs of blanks made one.
inline std::string PdfText(const std::string& path) {
  QProcess pdftotext;
  pdftotext.start(RIPADES_PDFTOTEXT, {"-layout", QString::fromStdString(path), "-"});
  EXPECT_TRUE(pdftotext.waitForFinished());
  EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified().toStdString();
}

// The text of each page of a PDF, runs of blanks made one.
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

// Every line that holds text is found in `text`, in order.
inline void ExpectLinesInOrder(const std::vector<std::string>& lines, const std::string& text) {
  std::size_t from = 0;
  for (const std::string& line : lines) {
    const std::string wanted = QString::fromStdString(line).simplified().toStdString();
    if (wanted.empty()) continue;
    const std::size_t at = text.find(wanted, from);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line;
    from = at + wanted.size();
  }
}
