#include "builder_test.h"

#include <cctype>
#include <filesystem>
#include <regex>
#include <vector>

#include "message_box_view.h"
#include "x_display.h"

namespace e2e {

namespace {

// Made absolute at start-up, while the process stands in its build folder: later, from a folder on
// another drive, the build's drive-less path would name something else.
const std::string g_exe = std::filesystem::absolute(ORVBUILDER_EXE).string();

// A folder name from the test's name; parameterised names hold a slash.
std::string FolderName() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_') c = '_';
  return name;
}

}  // namespace

std::string WithoutTime(const std::string& status, int* secondOfDay) {
  std::smatch time;
  if (!std::regex_search(status, time, std::regex("^(\\d\\d):(\\d\\d):(\\d\\d)  "))) {
    ADD_FAILURE() << "no time at the start of the status: " << status;
    return status;
  }
  if (secondOfDay != nullptr) *secondOfDay = (std::stoi(time[1]) * 60 + std::stoi(time[2])) * 60 + std::stoi(time[3]);
  return time.suffix();
}

void BuilderTest::SetUp() { dir_ = std::make_unique<WorkDir>(FolderName()); }

void RealInputTest::SetUp() {
  if (!UnderWine()) GTEST_SKIP() << "real input needs Wine's X display";
  const std::string missing = XToolsMissing();
  ASSERT_TRUE(missing.empty()) << missing;
  BuilderTest::SetUp();
}

void BuilderTest::Launch(bool redirectStdout) {
  std::string err;
  ASSERT_TRUE(app_.Launch(g_exe, dir_->path(), redirectStdout ? dir_->StdoutPath() : std::string(), &err)) << err;
}

void BuilderTest::LaunchWithOutput(HANDLE out) {
  std::string err;
  ASSERT_TRUE(app_.LaunchWithOutput(g_exe, dir_->path(), out, &err)) << err;
}

void BuilderTest::LaunchAnother(BuilderProcess* other, const std::string& stdoutName) {
  std::string err;
  ASSERT_TRUE(other->Launch(g_exe, dir_->path(), dir_->StdoutPath(stdoutName), &err)) << err;
}

void BuilderTest::Add(BuilderProcess& app, int event, const std::string& begin, const std::string& loop) {
  app.SelectListItem(kEventList, event);
  app.SetText(kBeginEdit, begin);
  app.SetText(kLoopEdit, loop);
  app.Click(kAdd);
}

void BuilderTest::Build() { app_.Click(kBuild); }

void BuilderTest::Exit(BuilderProcess& app) {
  app.PostClick(kExit);
  EXPECT_TRUE(EndsAnsweringNo(app)) << "the program did not end after Exit";
}

bool BuilderTest::EndsAnsweringNo(BuilderProcess& app, DWORD timeoutMs) {
  HWND question = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> boxes = app.MessageBoxes(kProgramCaption);
        if (!boxes.empty()) question = boxes[0];
        return question != nullptr || !app.Running();
      },
      timeoutMs);
  if (question != nullptr && !app.DismissMessageBox(question, IDNO)) return false;
  return app.WaitForExit(timeoutMs);
}

void BuilderTest::ExpectNoMessageBox(const BuilderProcess& app) {
  for (const char* caption : {kProgramCaption, kErrorCaption})
    for (HWND box : app.MessageBoxes(caption))
      ADD_FAILURE() << "unexpected \"" << caption << "\" box: " << ReadMessageBox(box).text;
}

void BuilderTest::ExpectProgramBox(const std::string& text) {
  const HWND box = app_.WaitForMessageBox(kProgramCaption);
  ASSERT_NE(box, nullptr) << "no \"" << kProgramCaption << "\" box appeared; expected: " << text;
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.text, text);
  EXPECT_EQ(view.owner, app_.dialog());
  EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(view.icon, nullptr) << "the box shows an icon";
  EXPECT_EQ(app_.MessageBoxes(kProgramCaption).size(), 1u);
  EXPECT_TRUE(app_.MessageBoxes(kErrorCaption).empty());
  ASSERT_TRUE(app_.DismissMessageBox(box));
  EXPECT_TRUE(WaitUntil([&] { return app_.DialogEnabled(); })) << "the dialog stays disabled";
}

HWND BuilderTest::ExpectSaveQuestion(const std::string& text) {
  const HWND box = app_.WaitForMessageBox(kProgramCaption);
  EXPECT_NE(box, nullptr) << "no question came: " << text;
  if (box == nullptr) return nullptr;
  const MessageBoxView view = ReadMessageBox(box);
  EXPECT_EQ(view.text, text);
  EXPECT_EQ(view.owner, app_.dialog());
  EXPECT_EQ(view.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
  EXPECT_EQ(view.icon, nullptr) << "the question shows an icon";
  EXPECT_EQ(app_.MessageBoxes(kProgramCaption).size(), 1u);
  EXPECT_TRUE(app_.MessageBoxes(kErrorCaption).empty());
  return box;
}

void BuilderTest::ExpectUsersScript(const std::string& users, const std::string& when) {
  EXPECT_EQ(dir_->Read("script.txt"), Bytes(users.begin(), users.end()))
      << "the user's script.txt was not put back as it was " << when;
}

}  // namespace e2e
