// The sound set-up, the switch in its two places and playing, with recording players.
#include <QAction>
#include <QCheckBox>
#include <QDir>

#include "WordsFixture.h"
#include "controls/OvalButton.h"

namespace glimmerset::ui::testing {
namespace {

using SoundEffectsTest = WordsWindowFixture;

void FindWord(TWordForm& form, const QString& text) {
  form.word->setText(text);
  form.Model().WordText = text.toStdString();
  WordsWindowFixture::Click(form.ScanBtn);
}

TEST_F(SoundEffectsTest, FilesAreFoundWhateverTheirLetterCase) {
  QDir programFiles(QDir(folder.path()).filePath(QStringLiteral("Program Files")));
  ASSERT_TRUE(programFiles.rename(QStringLiteral("Bad.wav"), QStringLiteral("BAD.WAV")));
  TWordForm& form = Open();
  EXPECT_TRUE(dialogs->messages.isEmpty());
  EXPECT_EQ(players->opened, std::vector<QString>({QStringLiteral("bad.wav"), QStringLiteral("won.wav")}));
  EXPECT_TRUE(form.Sound->isChecked());
  EXPECT_TRUE(form.Sound->isEnabled());
}

TEST_F(SoundEffectsTest, AMissingFileDisablesSoundWithItsMessageUntilLocatedAndSwitchedOnAgain) {
  ASSERT_TRUE(QFile::remove(QDir(folder.path()).filePath(QStringLiteral("Program Files/Bad.wav"))));
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  EXPECT_EQ(dialogs->messages, QStringList({"No sound file present, sound disabled"}));
  EXPECT_EQ(Panel(2), QStringLiteral("Sound Disabled"));
  EXPECT_FALSE(form.Sound->isChecked());
  EXPECT_FALSE(form.Sound->isEnabled());
  FindWord(form, QStringLiteral("ROME"));
  EXPECT_TRUE(players->played.empty());

  // Locate Files on a folder with both files opens the players, and the switch stays off.
  QDir(folder.path()).mkpath(QStringLiteral("sounds"));
  WriteFile(QStringLiteral("sounds/won.wav"));
  WriteFile(QStringLiteral("sounds/bad.wav"));
  dialogs->files.push_back(QDir(folder.path()).filePath(QStringLiteral("sounds/won.wav")));
  form.LocateFilesAction->trigger();
  ASSERT_EQ(dialogs->requests.size(), 1u);
  EXPECT_EQ(dialogs->requests[0].Title, QStringLiteral("Locate Sound Files"));
  EXPECT_EQ(QDir(dialogs->requests[0].Folder), QDir(folder.path()));
  EXPECT_EQ(form.Sounds().SoundFolder(), QDir(folder.path()).filePath(QStringLiteral("sounds")) + QLatin1Char('/'));
  EXPECT_FALSE(form.Sound->isChecked());
  EXPECT_FALSE(form.Sound->isEnabled());
  FindWord(form, QStringLiteral("ROME"));
  EXPECT_TRUE(players->played.empty());

  // Off and on again with the check box brings sound back.
  form.SoundOn->setChecked(false);
  form.SoundOn->setChecked(true);
  EXPECT_TRUE(form.Sound->isChecked());
  EXPECT_EQ(Panel(2), QStringLiteral("Sound Enabled"));
  FindWord(form, QStringLiteral("ROME"));
  EXPECT_EQ(players->played, std::vector<QString>({QStringLiteral("won.wav")}));
}

TEST_F(SoundEffectsTest, APlayerThatCannotOpenDisablesSoundButKeepsTheStatusText) {
  players->openSucceeds = false;
  TWordForm& form = Open();
  EXPECT_EQ(dialogs->messages, QStringList({"No Sound device present or other audio error\r sounds disabled"}));
  // The failure sound's player failed first, so the other was never opened.
  EXPECT_EQ(players->opened, std::vector<QString>({QStringLiteral("bad.wav")}));
  EXPECT_FALSE(form.Sound->isChecked());
  EXPECT_FALSE(form.Sound->isEnabled());
  EXPECT_EQ(Panel(2), QStringLiteral("Sound Enabled"));
}

TEST_F(SoundEffectsTest, TheCheckBoxIsTheSwitchAndTheMenuItemOnlyCopiesIt) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  form.SoundOn->setChecked(false);
  EXPECT_FALSE(form.Sound->isChecked());
  EXPECT_EQ(Panel(2), QStringLiteral("Sound Disabled"));
  form.Sound->trigger();
  EXPECT_FALSE(form.Sound->isChecked());
  FindWord(form, QStringLiteral("ROME"));
  FindWord(form, QStringLiteral("BERN"));
  EXPECT_TRUE(players->played.empty());
  form.SoundOn->setChecked(true);
  form.Sound->trigger();
  EXPECT_TRUE(form.Sound->isChecked());
  EXPECT_EQ(Panel(2), QStringLiteral("Sound Enabled"));
}

TEST_F(SoundEffectsTest, ASoundStillPlayingIsNotRestarted) {
  TWordForm& form = Open();
  LoadPuzzle(CapitalsPuzzle());
  FindWord(form, QStringLiteral("BERN"));
  players->stillPlaying = true;
  FindWord(form, QStringLiteral("BERN"));
  EXPECT_EQ(players->played, std::vector<QString>({QStringLiteral("bad.wav")}));
  players->stillPlaying = false;
  FindWord(form, QStringLiteral("BERN"));
  EXPECT_EQ(players->played.size(), 2u);
}

}  // namespace
}  // namespace glimmerset::ui::testing
