// ripades-batch: designs input data files without the window and prints thickness, report or JSON.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string_view>

#include "aircraft/library_reader.h"
#include "analysis/design_document.h"
#include "batch_json.h"
#include "batch_rating.h"
#include "batch_run.h"
#include "document/document_pdf.h"

namespace {

std::vector<std::string> ToStrings(const QStringList& list) {
  std::vector<std::string> strings;
  for (const QString& s : list) strings.push_back(s.toStdString());
  return strings;
}

// Standard error holds the command's own messages; Qt's notes about its platform (a missing runtime
// folder, say) would only hide them.
void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "ripades-batch: " << message.toStdString() << '\n';
}

// A design document is laid out with fonts, which need Qt's GUI side; it needs no display.
std::unique_ptr<QCoreApplication> Application(int& argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]).starts_with("--pdf")) {
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      qInstallMessageHandler(QtMessage);
      return std::make_unique<QGuiApplication>(argc, argv);
    }
  }
  return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::unique_ptr<QCoreApplication> app = Application(argc, argv);
  QCoreApplication::setApplicationName("ripades-batch");
  QCoreApplication::setApplicationVersion(RIPADES_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Designs the rigid pavement thickness of each input data file (.inp), read as the RIPADES window "
      "reads it, and prints one line per file: the file, the design thickness and its unit.\n"
      "Exit status: 0 all designed; 1 a file, the library, a design, a report, a document or an aircraft's ACR "
      "failed, or --pdf was given several inputs; "
      "2 E, Sc or k is not a number of 0 or more; 64 wrong command line.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption library("library", "The aircraft library (default: fly.dll beside this program).", "FILE");
  const QCommandLineOption report(
      "report", "Write the detailed report of the one input to FILE (- for standard output).", "FILE");
  const QCommandLineOption reportDir("report-dir", "Write the report of each input to DIR/<name>.txt.", "DIR");
  const QCommandLineOption json("json", "Print one JSON array with the results of every input instead of lines.");
  const QCommandLineOption evaluate(
      "evaluate", "Also evaluate each design at slab thickness H (in the file's unit): damage, life left.", "H");
  const QCommandLineOption curve("curve", "Write the damage curve of the one input to FILE.csv.", "FILE.csv");
  const QCommandLineOption sensitivity(
      "sensitivity",
      "Also design each input with E, Sc and k scaled by 0.8, 0.9, 1.1 and 1.2 and the departures by 0.5 and 2.");
  const QCommandLineOption rating(
      "rating",
      "Also rate the slab designed (or evaluated with --evaluate): its PCR and each aircraft's ACR against it.");
  const QCommandLineOption pdf("pdf", "Write the design document of the one input to FILE.pdf.", "FILE.pdf");
  const QCommandLineOption pdfDir("pdf-dir", "Write the design document of each input to DIR/<name>.pdf.", "DIR");
  const QCommandLineOption pageSize("page-size", "Paper of the design documents: a4 (default) or letter.", "SIZE",
                                    "a4");
  const QCommandLineOption details(
      "details",
      "Title and signature blocks of the design documents: \"key: value\" lines, the keys project, "
      "airport, pavement area, designed by, checked by, revision and notes.",
      "FILE");
  const QCommandLineOption acr(
      "acr", "Also give each mix aircraft's ACR (ICAO aircraft classification rating) on subgrades A, B, C and D.");
  const QCommandLineOption acrLibrary(
      "acr-library", "Print the ACR of every library aircraft as CSV (name, gross weight in lb, ACR A, B, C, D).");
  parser.addOptions({library, report, reportDir, json, evaluate, curve, sensitivity, rating, pdf, pdfDir, pageSize,
                     details, acr, acrLibrary});
  parser.addPositionalArgument("INPUT.inp", "Input data files to design.", "INPUT.inp...");

  if (!parser.parse(QCoreApplication::arguments())) {
    std::cerr << "ripades-batch: " << parser.errorText().toStdString() << '\n';
    return kBatchUsage;
  }
  if (parser.isSet("help")) parser.showHelp(kBatchOk);
  if (parser.isSet("version")) parser.showVersion();

  BatchOptions options;
  options.libraryPath = parser.isSet(library)
                            ? parser.value(library).toStdString()
                            : QDir(QCoreApplication::applicationDirPath()).filePath(kLibraryFileName).toStdString();
  if (parser.isSet(acrLibrary)) {
    if (!parser.positionalArguments().isEmpty()) {
      std::cerr << "ripades-batch: --acr-library rates the library alone and takes no input data file (see --help)\n";
      return kBatchUsage;
    }
    const int status = WriteLibraryRatings(options.libraryPath, std::cout, std::cerr);
    std::cout.flush();
    return status;
  }
  options.inputs = ToStrings(parser.positionalArguments());
  options.reportPath = parser.value(report).toStdString();
  options.reportFolder = parser.value(reportDir).toStdString();
  options.summaryLines = !parser.isSet(json);
  options.evaluateThickness = parser.value(evaluate).toStdString();
  options.curvePath = parser.value(curve).toStdString();
  options.sensitivity = parser.isSet(sensitivity);
  options.ratings = parser.isSet(acr);
  options.pavementRating = parser.isSet(rating);
  options.pdfPath = parser.value(pdf).toStdString();
  options.pdfFolder = parser.value(pdfDir).toStdString();
  const QString paper = parser.value(pageSize).toLower();
  const QPageSize page(paper == "letter" ? QPageSize::Letter : QPageSize::A4);
  options.designDate = DocumentDate();
  options.detailsPath = parser.value(details).toStdString();
  options.writeDocument = [page](const BatchDesign& design, const DocumentDetails& details, const std::string& path) {
    return SaveDesignPdf(path, design.state, design.sensitivity.value_or(Sensitivity{}), details, page);
  };
  std::string usage = UsageError(options);
  if (usage.empty() && paper != "a4" && paper != "letter")
    usage = "--page-size takes a4 or letter, not \"" + parser.value(pageSize).toStdString() + "\"";
  if (usage.empty() && parser.isSet(json) && options.reportPath == "-")
    usage = "--json and --report - both need standard output";
  if (usage.empty() && parser.isSet(json) && options.ratings && options.pavementRating)
    usage = "--acr and --rating both write each aircraft's \"acr\" in the JSON; give one of them";
  if (!usage.empty()) {
    std::cerr << "ripades-batch: " << usage << " (see --help)\n";
    return kBatchUsage;
  }

  const BatchRun run = RunBatch(options, std::cout, std::cerr);
  if (parser.isSet(json) && run.designs.size() == options.inputs.size()) {
    const QByteArray text = DesignsToJson(run.designs);
    std::cout.write(text.constData(), text.size());
  }
  std::cout.flush();
  return run.status;
}
