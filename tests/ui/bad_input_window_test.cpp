// Bad texts through the window: typed and designed, or read from a file and saved again, they get
// their message and come back byte for byte.
#include "golden/test_files.h"
#include "project/input_file_writer.h"
#include "robustness/bad_texts.h"
#include "support/test_state.h"
#include "window_fixture.h"

namespace {

struct InputBox {
  const char* control;
  const char* name;
};

const InputBox kInputBoxes[] = {{"TxtE", "E"}, {"TxtSc", "Sc"}, {"Txtk", "k"}};

class BadInputWindowTest : public WindowTest {
 protected:
  std::string FilePath(const char* name) { return programDir.filePath(name).toStdString(); }
};

TEST_F(BadInputWindowTest, DesignShowsTheInvalidNumberMessageAndKeepsTheTypedText) {
  Item("mnuPvmtStru")->trigger();
  for (const InputBox& box : kInputBoxes)
    for (const BadText& bad : BadTexts()) {
      if (bad.number) continue;  // "-0" is a number: the core tests follow it into the design
      SCOPED_TRACE(std::string(box.control) + " " + bad.name);
      const QString before = BoxText(box.control);
      Type(box.control, QString::fromStdString(bad.text));
      services.messages.asked.clear();
      Press("cmdDesign");
      ASSERT_EQ(services.messages.asked.size(), 1u);
      EXPECT_EQ(services.messages.Last().text, std::string(box.name) + " is an invalid number; please try again!");
      EXPECT_EQ(BoxText(box.control).toStdString(), bad.text);
      EXPECT_EQ(LabelText("lbh"), "");
      Type(box.control, before);
    }
}

TEST_F(BadInputWindowTest, TextsReadFromAFileAreSavedBackByteForByte) {
  std::vector<BadText> texts = BadTexts();
  texts.push_back({"Latin-1 byte", "4000000 \xB5", false});  // a file written by an older program
  for (const BadText& bad : texts) {
    SCOPED_TRACE(bad.name);
    ProgramState written = StateWithLibrary();
    SetMix(written, {2, 4});
    written.TxtE = written.TxtSc = written.Txtk = bad.text;
    written.acdata[4][kFieldTirePressure] = bad.text;
    const std::string path = FilePath("bad.inp");
    ASSERT_TRUE(WriteInputFile(written, path).ok);

    services.files.answers.push_back(path);
    Item("FileLoad")->trigger();
    EXPECT_EQ(services.messages.Last().text, path + "  Loaded!");
    const std::string saved = FilePath("saved.inp");
    services.files.answers.push_back(saved);
    Item("FileSave")->trigger();
    EXPECT_EQ(FileText(saved), FileText(path));
  }
}

}  // namespace
