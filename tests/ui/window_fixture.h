// A main window on scripted services over a program directory of its own, and the gestures of a user.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "support/scripted_services.h"
#include "ui/frm_aircraft.h"

// The window and its program directory, driven as a user drives it; a test fixture or a session runner.
class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  QTemporaryDir programDir;
  ScriptedServices services;
  std::unique_ptr<frmAircraft> window;

  void Start() {
    ASSERT_TRUE(programDir.isValid());
    ASSERT_TRUE(QFile::copy(RIPADES_LIBRARY_PATH, programDir.filePath("fly.dll")));
    PrepareProgramDir();
    Open();
  }
  // Puts what a test needs beside the program (the shipped library is there) before the window starts.
  virtual void PrepareProgramDir() {}

  // Starts the window as the program does: created (initialization and load), shown, activated.
  void Open() {
    window = std::make_unique<frmAircraft>(services.Services(), programDir.path().toStdString());
    window->show();
    window->Form_Activate();
  }

  // A control by name; of two that share it (the About box and the change-data dialog both hold a Text1),
  // the one shown.
  template <class Control>
  Control* Find(const char* name) {
    const QList<Control*> controls = window->findChildren<Control*>(name);
    for (Control* control : controls)
      if (const auto* widget = qobject_cast<const QWidget*>(control); widget && widget->isVisible()) return control;
    EXPECT_FALSE(controls.isEmpty()) << name;
    return controls.isEmpty() ? nullptr : controls.front();
  }
  QAction* Item(const char* name) { return Find<QAction>(name); }
  QTableWidget* Grid() { return Find<QTableWidget>("Grid1"); }
  QListWidget* List() { return Find<QListWidget>("ListAircraft"); }
  void Type(const char* box, const QString& text) { Find<QLineEdit>(box)->setText(text); }
  void Press(const char* button) { Find<QPushButton>(button)->click(); }

  void ChooseAircraft(const QString& name) {
    const QList<QListWidgetItem*> items = List()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    List()->setCurrentItem(items.front());
    Press("cmdAdd");
  }

  // The mix most tests start from, built on the aircraft view, which stays shown.
  void BuildMix() {
    Item("mnuAircraft")->trigger();
    ChooseAircraft("B737-800");
    ChooseAircraft("B777-300ER");
  }

  QPoint CellCentre(int row, int column) {
    const QModelIndex index = Grid()->model()->index(row, column);
    Grid()->scrollTo(index);
    return Grid()->visualRect(index).center();
  }
  void DoubleClickCell(int row, int column) {
    const QPoint at = CellCentre(row, column);
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, at);
  }
};

class WindowTest : public testing::Test, public WindowDriver {
 protected:
  void SetUp() override { Start(); }
};
