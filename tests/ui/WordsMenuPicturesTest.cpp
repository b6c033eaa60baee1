// The menu entries a user looks for a picture on carry one, drawn by the program; ticked
// entries show their tick instead.
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSet>

#include "WordsFixture.h"
#include "ui/MenuPictures.h"

namespace glimmerset::ui::testing {
namespace {

using WordsMenuPicturesTest = WordsWindowFixture;

// How many pixels of the picture are not transparent.
int DrawnPixels(const QIcon& icon, int size) {
  const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
  return drawn;
}

TEST_F(WordsMenuPicturesTest, EntriesUsersLookForAPictureOnCarryOne) {
  TWordForm& form = Open();
  const std::vector<QAction*> pictured = {
      form.LoadGridAction, form.LoadAnswerListAction, form.LoadGlimmersetAction, form.SaveGridAction,
      form.SaveAnswersAction, form.SaveGlimmersetAction, form.CaptureAction, form.PrintAction,
      form.PrintPreviewAction, form.PrinterSetupAction, form.ExportPdfAction, form.ExitAction, form.ManualEntryAction, form.EditMenuItem,
      form.DemoAction, form.AnswerFontAction, form.BackgroundAction, form.AnswersManualEntryAction, form.HelpAction,
      form.AboutAction, form.EmailAction, form.WebsiteAction};
  for (const QAction* action : pictured) {
    SCOPED_TRACE(action->text().toStdString());
    ASSERT_FALSE(action->icon().isNull());
    for (const int size : {16, 32}) {
      const int drawn = DrawnPixels(action->icon(), size);
      EXPECT_GT(drawn, size * size / 8) << size;
      EXPECT_LT(drawn, size * size) << size << ": a picture, not a filled square";
    }
  }
  // Ticked entries keep their tick alone.
  for (const QAction* action : {form.Sound, form.Regular, form.LoadLast, form.Maximise})
    EXPECT_TRUE(action->icon().isNull()) << action->text().toStdString();
}

TEST(MenuPicturesTest, EveryPictureIsItsOwn) {
  QSet<QByteArray> seen;
  for (int i = 0; i <= static_cast<int>(MenuPicture::Website); ++i) {
    const QImage image = MenuIcon(static_cast<MenuPicture>(i)).pixmap(16, 16).toImage();
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_FALSE(seen.contains(bytes)) << "picture " << i << " repeats another";
    seen.insert(bytes);
  }
}

}  // namespace
}  // namespace glimmerset::ui::testing
