// The main window's about box, its two Help links, its caption read from the program file, and
// the OCR program started through the launcher.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "WordsFixture.h"
#include "controls/KURL2.h"
#include "controls/MarlockAbout.h"
#include "controls/MarlockAboutBox.h"

namespace glimmerset::ui::testing {
namespace {

using WordsAboutTest = WordsWindowFixture;

TEST_F(WordsAboutTest, TheCaptionCarriesTheTitleAndVersionOfTheProgramFile) {
  TWordForm& form = Open();
  // This test program carries the program's version block; the caption is read from it.
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Glimmerset Version " GLIMMERSET_PROJECT_VERSION "  by Marlock"));
  EXPECT_EQ(form.AboutBox->Filename, QCoreApplication::applicationFilePath());
}

TEST_F(WordsAboutTest, HelpAboutShowsTheAboutBoxWithTheProgramsVersion) {
  TWordForm& form = Open();
  EXPECT_EQ(form.AboutBox->Title, QStringLiteral("Glimmerset"));
  EXPECT_EQ(form.AboutBox->TextLeft, 20);
  EXPECT_TRUE(form.AboutBox->TextCentered);
  EXPECT_TRUE(form.AboutBox->DefaultIcon);
  EXPECT_FALSE(form.AboutBox->Copyright.isEmpty());
  QString version, title;
  QSize size;
  dialogs->dialogScripts.push_back([&](QDialog& dialog) {
    auto& about = static_cast<TAbout&>(dialog);
    version = about.WVersion->text();
    title = about.WTitle->text();
    size = about.size();
    about.OkButton->click();
  });
  form.AboutAction->trigger();
  EXPECT_EQ(dialogs->dialogTitles, QStringList{QStringLiteral("Glimmerset")});
  EXPECT_EQ(version, QStringLiteral("Version " GLIMMERSET_PROJECT_VERSION));
  EXPECT_EQ(title, QStringLiteral("Glimmerset"));
  EXPECT_EQ(size, QSize(170, 270));
}

TEST_F(WordsAboutTest, TheHelpLinksOpenTheirLinkLabels) {
  TWordForm& form = Open();
  EXPECT_EQ(form.web->parentWidget(), form.Panel1);
  EXPECT_EQ(form.email->parentWidget(), form.Panel1);
  EXPECT_EQ(form.web->Choose(), TKURL2::LinkType::ltURL);
  EXPECT_EQ(form.email->Choose(), TKURL2::LinkType::ltEMAIL);
  std::vector<QUrl> opened;
  for (TKURL2* link : {form.web, form.email}) link->setOpener([&opened](const QUrl& url) { opened.push_back(url); });
  form.EmailAction->trigger();
  form.WebsiteAction->trigger();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:") + form.email->URLorEMAIL()));
  EXPECT_EQ(opened[1], QUrl(form.web->URLorEMAIL()));
}

TEST_F(WordsAboutTest, CaptureStartsTheOcrProgramInTheProgramsFolder) {
  // A real program in place of the OCR program: it writes down the folder it was started in.
  const QString report = QDir(folder.path()).filePath(QStringLiteral("started-in.txt"));
  const QString program = QDir(folder.path()).filePath(QStringLiteral("ocr.sh"));
  {
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("#!/bin/sh\npwd > '%1.tmp'; echo \"$#\" >> '%1.tmp'; mv '%1.tmp' '%1'\n").arg(report).toUtf8());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  TWordForm& form = Open();
  form.Settings().OcrProgram = program;
  form.CaptureAction->trigger();
  for (int i = 0; i < 400 && !QFile::exists(report); ++i) QTest::qWait(25);
  QFile file(report);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  EXPECT_EQ(lines, QStringList({QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath(), "0"}));
  EXPECT_TRUE(dialogs->messages.isEmpty());
}

}  // namespace
}  // namespace glimmerset::ui::testing
