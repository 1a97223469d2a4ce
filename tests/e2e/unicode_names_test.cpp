// Sources named with accented and CJK characters: typed into the dialog, written to the script as
// UTF-8, built; orvtool.exe builds the same from a folder named so too. Paths are limited in bytes.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "builder_test.h"
#include "engine_reference.h"
#include "run_orvtool.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

const wchar_t kBeginTyped[] = L"\u00dcberfahrt_d\u00e9but_\u6226\u95d8.orv";  // Überfahrt_début_戦闘.orv
const wchar_t kLoopTyped[] = L"\u30eb\u30fc\u30d7_boucle_\u00f1.orv";         // ループ_boucle_ñ.orv
const char kBegin[] = u8"\u00dcberfahrt_d\u00e9but_\u6226\u95d8.orv";
const char kLoop[] = u8"\u30eb\u30fc\u30d7_boucle_\u00f1.orv";
const char kFolder[] = u8"\u97f3\u697d_m\u00fasica";  // 音楽_música
const char kCjk[] = u8"\u97f3";                       // three bytes of UTF-8

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

using UnicodeNames = BuilderTest;

TEST_F(UnicodeNames, TypedAccentedAndCjkNamesBuildTheEnginesOutOrvInBothPrograms) {
  dir().CopyExamples();
  const fs::path work = fs::u8path(dir().path());
  fs::copy_file(work / "combat_begin.orv", work / fs::u8path(kBegin));
  fs::copy_file(work / "combat_loop.orv", work / fs::u8path(kLoop));
  const std::string script = std::string("1 ") + kBegin + " begin\n1 " + kLoop + " loop\n-1";
  ASSERT_NO_FATAL_FAILURE(Launch());

  app().SelectListItem(kEventList, kCombat);
  app().Type(kBeginEdit, kBeginTyped);
  app().Type(kLoopEdit, kLoopTyped);
  ASSERT_EQ(app().Text(kBeginEdit), kBegin);
  ASSERT_EQ(app().Text(kLoopEdit), kLoop);
  app().Click(kAdd);
  ExpectNoMessageBox();
  Build();
  ExpectNoMessageBox();
  const Bytes built = dir().Read("out.orv");
  ASSERT_FALSE(built.empty());
  EXPECT_EQ(built, EngineBuild(script, dir()));
  EXPECT_FALSE(dir().Exists("script.txt"));

  // The limit is 199 bytes, however few characters they make.
  app().SelectListItem(kEventList, kCruising);
  app().SetText(kBeginEdit, Repeat(kCjk, 66) + "ab");  // 68 characters, 200 bytes
  app().SetText(kLoopEdit, "");
  app().Click(kAdd);
  ExpectProgramBox(
      "The Begin ORV path is longer than 199 bytes, more than a build can take (an accented or "
      "non-Latin character takes two to four). Please use a shorter path.");
  app().SetText(kBeginEdit, Repeat(kCjk, 66) + "a");
  app().Click(kAdd);
  ExpectNoMessageBox();
  EXPECT_EQ(app().ListItems(kHandledList), (std::vector<std::string>{"Combat", "Cruising"}));
  app().SelectListItem(kHandledList, 1);
  EXPECT_EQ(app().Text(kBeginEdit), Repeat(kCjk, 66) + "a");
  Exit();
  // The build read the names as they were typed.
  EXPECT_NE(dir().ReadStdout().find(std::string("1 ") + kBegin + " 0 384\r\n1 " + kLoop + " 1 2ee0\r\n"),
            std::string::npos)
      << dir().ReadStdout();

  // orvtool.exe, given a folder named in the same way, builds the same file from the same script.
  const fs::path folder = work / fs::u8path(kFolder);
  fs::create_directory(folder);
  for (const char* name : {kBegin, kLoop}) fs::copy_file(work / fs::u8path(name), folder / fs::u8path(name));
  std::ofstream(folder / "script.txt", std::ios::binary) << script;
  const ToolRun run = RunOrvtool({"build", "-C", folder.u8string()}, dir().path());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(ReadText(folder / "out.orv") == std::string(built.begin(), built.end())) << "orvtool built another file";
}

}  // namespace
}  // namespace e2e
