// The settings kept between runs: defaults on a first run, the reading of stored texts, wrong
// types, the values written at exit and a store that cannot be written.
#include <QSettings>

#include "FileTestSupport.h"
#include "files/ProgramFolder.h"
#include "files/SettingsStore.h"

namespace glimmerset {
namespace {

using testing::FileTest;

bool SameLook(const Appearance& a, const Appearance& b) {
  return a.GFont == b.GFont && a.FCol == b.FCol && a.BCol == b.BCol && a.AFont == b.AFont && a.AFCol == b.AFCol;
}

class SettingsStoreTest : public FileTest {
 protected:
  void SetUp() override { SetProgramFolder(QStringLiteral(GLIMMERSET_PROGRAM_DIR)); }
  void TearDown() override { SetProgramFolder(QString()); }

  QString IniPath() const { return Path("Glimmerset.conf"); }
  std::unique_ptr<QSettings> Store() const { return std::make_unique<QSettings>(IniPath(), QSettings::IniFormat); }

  void Load() {
    auto store = Store();
    LoadSettings(*store, session.Model, settings);
  }
};

TEST_F(SettingsStoreTest, FirstRunTakesEveryDefault) {
  session.Model.Look = Appearance{"Arial", 1, 2, "Arial", 3};
  session.Model.AllowedErrors = 99;
  settings.ShowMenu = settings.ShowStatus = true;
  settings.SoundOn = settings.LoadLast = settings.Regular = false;
  Load();

  const QString program = QStringLiteral(GLIMMERSET_PROGRAM_DIR);
  EXPECT_TRUE(settings.SoundOn);
  EXPECT_TRUE(settings.LoadLast);
  EXPECT_TRUE(settings.Regular);
  EXPECT_FALSE(settings.ShowStatus);
  EXPECT_FALSE(settings.ShowMenu);
  EXPECT_EQ(session.Model.AllowedErrors, 10);
  EXPECT_TRUE(SameLook(session.Model.Look, Appearance{}));
  EXPECT_EQ(session.Model.Look.BCol, 0xFF0000u);
  EXPECT_EQ(session.Model.Look.GFont, "Times new Roman");
  EXPECT_EQ(settings.SoundFolder, program + "/Program Files/");
  EXPECT_EQ(settings.AsciDir, program);
  // The capital-cities demo in the program folder, whatever the letter case of its files.
  EXPECT_EQ(settings.AnswerFileName, program + "/Demo/CityAns.ans");
  EXPECT_EQ(settings.GridFileName, program + "/Demo/Citys.glm");
  EXPECT_EQ(settings.OcrProgram, DefaultOcrProgram());
}

TEST_F(SettingsStoreTest, StoredTextsAreReadByKind) {
  struct Case {
    QString name, text;
    std::function<bool(const PuzzleModel&, const ProgramSettings&)> holds;
  };
  const std::vector<Case> cases = {
      {"Allowed", "abc", [](auto& m, auto&) { return m.AllowedErrors == 10; }},
      {"Allowed", "3", [](auto& m, auto&) { return m.AllowedErrors == 3; }},
      {"Allowed", "-2", [](auto& m, auto&) { return m.AllowedErrors == -2; }},
      {"Sound", "5", [](auto&, auto& s) { return s.SoundOn; }},
      {"Sound", "0", [](auto&, auto& s) { return !s.SoundOn; }},
      {"Sound", "no", [](auto&, auto& s) { return s.SoundOn; }},
      {"Show Menu", "0", [](auto&, auto& s) { return !s.ShowMenu; }},
      {"Show Menu", "1", [](auto&, auto& s) { return s.ShowMenu; }},
      {"Show Status", "x", [](auto&, auto& s) { return !s.ShowStatus; }},
      {"Load Last", "0", [](auto&, auto& s) { return !s.LoadLast; }},
      {"Regular", "0", [](auto&, auto& s) { return !s.Regular; }},
      {"BCol", "255", [](auto& m, auto&) { return m.Look.BCol == 255u; }},
      {"BCol", "blue", [](auto& m, auto&) { return m.Look.BCol == 0xFF0000u; }},
      {"FCol", "65280", [](auto& m, auto&) { return m.Look.FCol == 0x00FF00u; }},
      {"AFCol", "16777215", [](auto& m, auto&) { return m.Look.AFCol == 0xFFFFFFu; }},
      {"GFont", "Courier New", [](auto& m, auto&) { return m.Look.GFont == "Courier New"; }},
      {"AFont", "", [](auto& m, auto&) { return m.Look.AFont.empty(); }},  // an empty text stays empty
      {"gridfile", "/tmp/x.glm", [](auto&, auto& s) { return s.GridFileName == "/tmp/x.glm"; }},
      {"answerfile", "", [](auto&, auto& s) { return s.AnswerFileName.isEmpty(); }},
#ifndef Q_OS_WIN
      // A stored path that still names the Windows installation folder reaches the program folder.
      {"gridfile", "C:\\Glimmerset\\Demo\\citys.glm",
       [](auto&, auto& s) { return s.GridFileName == QStringLiteral(GLIMMERSET_PROGRAM_DIR) + "/Demo/Citys.glm"; }},
#endif
      {"Ocr", "/usr/bin/tesseract", [](auto&, auto& s) { return s.OcrProgram == "/usr/bin/tesseract"; }},
      {"SoundDir", "/sounds/", [](auto&, auto& s) { return s.SoundFolder == "/sounds/"; }},
      {"Asci Dir", "/words", [](auto&, auto& s) { return s.AsciDir == "/words"; }},
      {"GFont", QString("Ari") + QChar(0) + "al", [](auto& m, auto&) { return m.Look.GFont == "Ari"; }},
  };
  for (const auto& c : cases) {
    QFile::remove(IniPath());
    Store()->setValue(c.name, c.text);
    session.Model = PuzzleModel{};
    settings = ProgramSettings{};
    Load();
    EXPECT_TRUE(c.holds(session.Model, settings)) << c.name.toStdString() << " = " << c.text.toStdString();
  }
}

TEST_F(SettingsStoreTest, WrongTypesGiveTheDefaultAndReadingGoesOn) {
  // In the INI form a list, a byte array or a typed variant reads back as another type than text.
  WriteBytes("Glimmerset.conf",
             "[General]\n"
             "Allowed=1, 2\n"
             "BCol=@ByteArray(255)\n"
             "AFont=Arial, Bold\n"
             "GFont=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\f)\n"
             "Sound=false\n"
             "Show%20Menu=1\n");
  session.Model.AllowedErrors = 0;
  Load();
  EXPECT_EQ(session.Model.AllowedErrors, 10);
  EXPECT_EQ(session.Model.Look.BCol, 0xFF0000u);
  EXPECT_EQ(session.Model.Look.AFont, "Times new Roman");
  EXPECT_EQ(session.Model.Look.GFont, "Times new Roman");
  EXPECT_TRUE(settings.SoundOn);
  EXPECT_TRUE(settings.ShowMenu);  // read after the faulty ones
}

TEST_F(SettingsStoreTest, StoredBackgroundTakesEffectForTheNextGrid) {
  Store()->setValue("BCol", "255");
  Load();
  session.Model.ResetHighlights(true);
  EXPECT_EQ(session.Model.Grid.Record(1, 1)->Colour, 255u);
}

TEST_F(SettingsStoreTest, SavesSixteenTextsInOrderAndReadsThemBack) {
  session.Model.Look = Appearance{"Courier New", 0x010203, 255, "Arial", 0xFFFFFF};
  session.Model.AllowedErrors = 7;
  settings = ProgramSettings{"/s/", "/ocr", false, false, false, "/demo/", "/a.ans", "/g.glm", true, true};
  {
    auto store = Store();
    SaveSettings(*store, session.Model, settings);
  }
  const std::vector<std::pair<QString, QString>> expected = {
      {"SoundDir", "/s/"},   {"Ocr", "/ocr"},         {"Sound", "0"},         {"Load Last", "0"},
      {"GFont", "Courier New"}, {"BCol", "255"},      {"FCol", "66051"},      {"AFont", "Arial"},
      {"AFCol", "16777215"}, {"Regular", "0"},        {"Asci Dir", "/demo/"}, {"answerfile", "/a.ans"},
      {"gridfile", "/g.glm"}, {"Show Status", "1"},   {"Show Menu", "1"},     {"Allowed", "7"},
  };
  EXPECT_EQ(SettingsValues(session.Model, settings), expected);
  std::vector<QString> names;
  for (const auto& [name, text] : expected) names.push_back(name);
  EXPECT_EQ(SettingsWriteOrder(), names);

  auto store = Store();
  EXPECT_EQ(store->allKeys().size(), 16);
  for (const auto& [name, text] : expected) {
    EXPECT_EQ(store->value(name).typeId(), QMetaType::QString) << name.toStdString();
    EXPECT_EQ(store->value(name).toString(), text) << name.toStdString();
  }

  const PuzzleModel saved = session.Model;
  const ProgramSettings savedSettings = settings;
  session.Model = PuzzleModel{};
  settings = ProgramSettings{};
  Load();
  EXPECT_TRUE(SameLook(session.Model.Look, saved.Look));
  EXPECT_EQ(session.Model.AllowedErrors, 7);
  EXPECT_EQ(SettingsValues(session.Model, settings), SettingsValues(saved, savedSettings));
}

TEST_F(SettingsStoreTest, ReadOrderNamesTheSameSixteenValues) {
  auto read = SettingsReadOrder();
  auto written = SettingsWriteOrder();
  EXPECT_EQ(read.size(), 16u);
  EXPECT_EQ(read[4], "FCol");
  EXPECT_EQ(read[7], "GFont");
  std::sort(read.begin(), read.end());
  std::sort(written.begin(), written.end());
  EXPECT_EQ(read, written);
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenIsReported) {
  // The INI file's place is a folder: nothing can be written there.
  QDir(dir.path()).mkdir("Glimmerset.conf");
  auto store = Store();
  EXPECT_EQ(ErrorOf([&] { SaveSettings(*store, session.Model, settings); }),
            "Failed to create key Software\\Marlock\\Glimmerset");
}

}  // namespace
}  // namespace glimmerset
