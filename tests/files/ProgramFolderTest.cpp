// The program folder, the mapping of the Windows paths that defaults name, and file names that
// reach the same file whatever their letter case.
#include <QFileInfo>

#include "FileTestSupport.h"
#include "files/ProgramFolder.h"

namespace glimmerset {
namespace {

using testing::FileTest;

class ProgramFolderTest : public FileTest {
 protected:
  void SetUp() override {
    QDir(dir.path()).mkpath("prog/Demo");
    QDir(dir.path()).mkpath("prog/Program Files");
    WriteBytes("prog/Demo/CityAns.ans", "x");
    WriteBytes("prog/Program Files/Won.wav", "x");
    SetProgramFolder(Path("prog"));
  }
  void TearDown() override { SetProgramFolder(QString()); }
};

TEST_F(ProgramFolderTest, DefaultIsTheFolderThatHoldsTheDemos) {
  SetProgramFolder(QString());
  // The test program sits beside the build's program folder, which holds Demo/ only in bin/.
  const QString folder = ProgramFolderPath();
  EXPECT_FALSE(folder.isEmpty());
  EXPECT_EQ(folder, ProgramFileFolder());
}

TEST_F(ProgramFolderTest, WindowsPathsMapIntoTheProgramFolder) {
  const QString prog = Path("prog");
  const std::vector<std::pair<QString, QString>> cases = {
      {"C:\\Glimmerset", prog},
      {"C:\\glimmerset", prog},
      {"c:\\GLIMMERSET\\", prog + "/"},
      {"C:\\glimmerset\\Program Files\\", prog + "/Program Files/"},
      {"C:\\Glimmerset\\Demo\\cityans.ans", prog + "/Demo/CityAns.ans"},
      {"C:\\Glimmerset\\Demo\\citys.glm", prog + "/Demo/citys.glm"},  // missing: the name as given
      {"C:\\Glimmersets\\x", "C:\\Glimmersets\\x"},
      {"/home/me/puzzle.glm", "/home/me/puzzle.glm"},
      {"C:\\oplimit\\oplimit.exe", DefaultOcrProgram()},
      {"D:\\oplimit", QFileInfo(DefaultOcrProgram()).absolutePath()},
  };
  for (const auto& [windows, real] : cases) EXPECT_EQ(MapWindowsPath(windows), real) << windows.toStdString();
}

TEST_F(ProgramFolderTest, NamesInEitherCaseReachTheSameFile) {
  const QString prog = Path("prog");
  const std::vector<std::pair<QString, QString>> cases = {
      {prog + "/Demo/cityans.ans", prog + "/Demo/CityAns.ans"},
      {prog + "/Demo/CITYANS.ANS", prog + "/Demo/CityAns.ans"},
      {prog + "/demo/CityAns.ans", prog + "/Demo/CityAns.ans"},
      {prog + "/program files/won.wav", prog + "/Program Files/Won.wav"},
      {prog + "/Demo/CityAns.ans", prog + "/Demo/CityAns.ans"},
      {prog + "/Demo/other.ans", prog + "/Demo/other.ans"},
      {prog + "/nothing/here.ans", prog + "/nothing/here.ans"},
      {"", ""},
  };
  for (const auto& [asked, found] : cases) EXPECT_EQ(ResolveFileCase(asked), found) << asked.toStdString();
  EXPECT_EQ(DemoFolder(), prog + "/Demo/");
  EXPECT_EQ(ProgramSoundFolder(), prog + "/Program Files/");
}

}  // namespace
}  // namespace glimmerset
