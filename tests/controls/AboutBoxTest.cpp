// TMarlockAboutBox and its form: the defaults, what Execute fills in, and the layout it gives the
// dialog for the logo it shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "controls/MarlockAbout.h"
#include "controls/MarlockAboutBox.h"

namespace {

// What the dialog looked like while it was shown.
struct Shown {
  QString caption;
  QSize size;
  QRect okButton;
  QPoint logo;
  QSize logoPicture;
  std::map<QString, QString> texts;
  std::map<QString, int> lefts;
  std::map<QString, int> tops;
  bool onTop = false;
};

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.setDialogRunner([this](QDialog& dialog) {
      auto& form = static_cast<TAbout&>(dialog);
      shown.caption = form.windowTitle();
      shown.size = form.size();
      shown.okButton = form.OkButton->geometry();
      shown.logo = form.Logo->pos();
      shown.logoPicture = form.LogoPicture().size();
      shown.onTop = form.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      for (QLabel* line : {form.WTitle, form.WCopyright, form.WAuthor, form.WVersion}) {
        shown.texts[line->objectName()] = line->text();
        shown.lefts[line->objectName()] = line->x();
        shown.tops[line->objectName()] = line->y();
      }
      return answer;
    });
  }

  // The main window's settings.
  void AsTheMainWindowSetsIt() {
    box.Title = QStringLiteral("Glimmerset");
    box.Caption = QStringLiteral("Glimmerset");
    box.TextLeft = 20;
    box.TextCentered = true;
    box.Height = 150;
    box.Width = 170;
    box.DefaultIcon = true;
  }

  QString Picture(int width, int height) {
    const QString path = dir.filePath(QStringLiteral("logo%1x%2.bmp").arg(width).arg(height));
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
  }

  QTemporaryDir dir;
  TMarlockAboutBox box;
  Shown shown;
  int answer = QDialog::Accepted;
};

TEST_F(AboutBoxTest, ANewAboutBoxHasItsDefaults) {
  EXPECT_TRUE(box.Title.isEmpty());
  EXPECT_TRUE(box.Version.isEmpty());
  EXPECT_FALSE(box.Copyright.isEmpty());
  EXPECT_TRUE(box.Author.isEmpty());
  EXPECT_EQ(box.TextLeft, 20);
  EXPECT_TRUE(box.TextCentered);
  EXPECT_TRUE(box.Caption.isEmpty());
  EXPECT_EQ(box.Height, 250);
  EXPECT_EQ(box.Width, 230);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(box.Top, screen.height() / 2);
  EXPECT_EQ(box.Left, screen.width() / 2);
  EXPECT_TRUE(box.Filename.isEmpty());
  EXPECT_TRUE(box.IconFile.isEmpty());
  EXPECT_FALSE(box.DefaultIcon);
  EXPECT_EQ(box.property("TextLeft").toInt(), 20);  // published as properties
}

TEST_F(AboutBoxTest, TheFormHoldsItsPartsAtTheirPlaces) {
  TAbout form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(form.size(), QSize(180, 254));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(form.WTitle->pos(), QPoint(32, 15));
  EXPECT_EQ(form.WCopyright->pos(), QPoint(32, 30));
  EXPECT_EQ(form.WAuthor->pos(), QPoint(32, 45));
  EXPECT_EQ(form.WVersion->pos(), QPoint(32, 60));
  EXPECT_EQ(form.WTitle->text(), QStringLiteral("Application Title"));
  EXPECT_EQ(form.WVersion->text(), QStringLiteral("WVersion"));
  EXPECT_EQ(form.Logo->geometry(), QRect(8, 80, 137, 121));
  EXPECT_EQ(form.LogoPicture().size(), QSize(147, 120));
  EXPECT_EQ(form.OkButton->geometry(), QRect(40, 218, 97, 25));
  EXPECT_EQ(form.OkButton->text(), QStringLiteral("OK"));
  // OK closes the dialog with OK.
  form.show();
  QTest::mouseClick(form.OkButton, Qt::LeftButton);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(AboutBoxTest, TheMainWindowsSettingsGrowTheHeightForTheBuiltInLogo) {
  AsTheMainWindowSetsIt();
  EXPECT_TRUE(box.Execute());
  EXPECT_EQ(box.Width, 170);
  EXPECT_EQ(box.Height, 270);
  EXPECT_EQ(shown.size, QSize(170, 270));
  EXPECT_EQ(shown.okButton, QRect(30, 210, 110, 25));
  EXPECT_EQ(shown.logo, QPoint(12, 80));
  EXPECT_EQ(shown.logoPicture, QSize(147, 120));
  EXPECT_EQ(shown.caption, QStringLiteral("Glimmerset"));
  EXPECT_TRUE(shown.onTop);
  // Centred lines: half the form's width less half the line's width, at their own tops.
  const std::map<QString, int> tops = {{"WTitle", 15}, {"WCopyright", 30}, {"WAuthor", 45}, {"WVersion", 60}};
  EXPECT_EQ(shown.tops, tops);
  TAbout measure;
  for (const auto& [name, text] : shown.texts) {
    QLabel* line = measure.findChild<QLabel*>(name);
    TAbout::SetLine(line, text);
    EXPECT_EQ(shown.lefts[name], 85 - line->width() / 2) << name.toStdString();
  }
  answer = QDialog::Rejected;
  EXPECT_FALSE(box.Execute());
}

TEST_F(AboutBoxTest, LogosSetTheSizes) {
  struct Case {
    const char* what;
    int width, height;  // of the picture file
    int boxWidth, boxHeight;
    QSize size;
    int logoLeft;
    QRect okButton;
  };
  const Case cases[] = {
      {"a 300-pixel logo widens the box", 300, 100, 170, 150, {308, 250}, 4, {30, 190, 248, 25}},
      {"a logo as wide as the box widens it", 170, 50, 170, 150, {178, 200}, 4, {30, 140, 118, 25}},
      {"a small logo keeps the box at least 120 wide", 10, 10, 100, 150, {120, 160}, 55, {30, 100, 60, 25}},
      {"a tall box stays tall", 40, 40, 170, 400, {170, 400}, 65, {30, 130, 110, 25}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box.Width = c.boxWidth;
    box.Height = c.boxHeight;
    box.DefaultIcon = false;
    box.IconFile = Picture(c.width, c.height);
    box.Execute();
    EXPECT_EQ(shown.logoPicture, QSize(c.width, c.height));
    EXPECT_EQ(shown.size, c.size);
    EXPECT_EQ(QSize(box.Width, box.Height), c.size);
    EXPECT_EQ(shown.logo.x(), c.logoLeft);
    EXPECT_EQ(shown.okButton, c.okButton);
  }
  // DefaultIcon keeps the built-in picture whatever IconFile says.
  box.DefaultIcon = true;
  box.Execute();
  EXPECT_EQ(shown.logoPicture, QSize(147, 120));
  // Without a file the logo shows the application's icon; a file that is no picture keeps the
  // built-in one.
  QPixmap icon(16, 16);
  icon.fill(Qt::red);
  QApplication::setWindowIcon(QIcon(icon));
  box.DefaultIcon = false;
  box.IconFile.clear();
  box.Execute();
  EXPECT_FALSE(shown.logoPicture.isEmpty());
  EXPECT_LE(shown.logoPicture.width(), 32);
  QApplication::setWindowIcon(QIcon());
  box.IconFile = dir.filePath(QStringLiteral("missing.bmp"));
  box.Execute();
  EXPECT_EQ(shown.logoPicture, QSize(147, 120));
}

TEST_F(AboutBoxTest, LinesNotCentredStartAtTextLeft) {
  AsTheMainWindowSetsIt();
  box.TextCentered = false;
  box.TextLeft = 20;
  box.Execute();
  for (const auto& [name, left] : shown.lefts) EXPECT_EQ(left, 20) << name.toStdString();
}

TEST_F(AboutBoxTest, ExecuteFillsInTitleAuthorAndTheVersionLine) {
  QApplication::setApplicationDisplayName(QStringLiteral("Puzzle Program"));
  box.Version = QStringLiteral("v-from-property");
  box.Copyright = QStringLiteral("Rights");
  box.Filename = dir.filePath(QStringLiteral("no-such-file"));
  box.Execute();
  EXPECT_EQ(box.Title, QStringLiteral("Puzzle Program"));
  EXPECT_EQ(box.Author, TMarlockAboutBox::BuiltInAuthor);
  EXPECT_TRUE(shown.caption.isEmpty());  // the caption is the Caption property, empty here
  EXPECT_EQ(shown.texts["WTitle"], QStringLiteral("Puzzle Program"));
  EXPECT_EQ(shown.texts["WCopyright"], QStringLiteral("Rights"));
  EXPECT_EQ(shown.texts["WAuthor"], TMarlockAboutBox::BuiltInAuthor);
  EXPECT_EQ(shown.texts["WVersion"], QStringLiteral("v-from-property"));  // no prefix without a file version

  // With the program file, the third entry and its prefix.
  box.Filename = QStringLiteral(GLIMMERSET_PROGRAM_FILE);
  box.Title = QStringLiteral("Mine");
  box.Author = QStringLiteral("Me");
  box.Execute();
  EXPECT_EQ(box.Title, QStringLiteral("Mine"));
  EXPECT_EQ(shown.texts["WAuthor"], QStringLiteral("Me"));
  EXPECT_EQ(shown.texts["WVersion"], QStringLiteral("Version " GLIMMERSET_PROJECT_VERSION));
  QApplication::setApplicationDisplayName(QString());
}

}  // namespace
