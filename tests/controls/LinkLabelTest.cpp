// TKURL2: its look and defaults, the address a click hands on in either mode, its width
// following its text, and the hint switch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include "controls/KURL2.h"

namespace {

struct LinkLabelTest : ::testing::Test {
  TKURL2 link;
  std::vector<QUrl> opened;
  void SetUp() override {
    link.setOpener([this](const QUrl& url) { opened.push_back(url); });
  }
};

TEST_F(LinkLabelTest, StartsAsABlueUnderlinedWebLinkThirteenPixelsHigh) {
  EXPECT_EQ(link.Choose(), TKURL2::LinkType::ltURL);
  EXPECT_TRUE(link.ShowHint());
  EXPECT_TRUE(link.URLorEMAIL().startsWith(QLatin1String("http://")));
  EXPECT_EQ(link.toolTip(), QStringLiteral("Put here the Hint for your site link!"));
  EXPECT_EQ(link.LinkLabel->toolTip(), link.toolTip());
  EXPECT_EQ(link.height(), 13);
  EXPECT_EQ(link.width(), link.LinkLabel->width());
  EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(link.LinkLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_TRUE(link.LinkLabel->font().underline());
  EXPECT_EQ(link.property("Choose").value<TKURL2::LinkType>(), TKURL2::LinkType::ltURL);
}

TEST_F(LinkLabelTest, AClickOpensTheTextOrAMailToIt) {
  const std::vector<std::tuple<TKURL2::LinkType, QString, QString>> cases = {
      {TKURL2::LinkType::ltEMAIL, "help@marlock.example", "mailto:help@marlock.example"},
      {TKURL2::LinkType::ltURL, "https://marlock.example/puzzles", "https://marlock.example/puzzles"},
      {TKURL2::LinkType::ltURL, "help@marlock.example", "help@marlock.example"},
  };
  for (const auto& [type, text, target] : cases) {
    SCOPED_TRACE(text.toStdString());
    opened.clear();
    link.setChoose(type);
    link.setURLorEMAIL(text);
    QTest::mouseClick(link.LinkLabel, Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_EQ(opened.size(), 1u);
    if (type == TKURL2::LinkType::ltEMAIL) EXPECT_EQ(opened[0].toString(), target);
    else EXPECT_TRUE(opened[0].toString().endsWith(target)) << opened[0].toString().toStdString();
  }
  // A right click, or a press that leaves before its release, opens nothing.
  opened.clear();
  QTest::mouseClick(link.LinkLabel, Qt::RightButton, {}, QPoint(2, 2));
  QTest::mousePress(link.LinkLabel, Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseRelease(link.LinkLabel, Qt::LeftButton, {}, QPoint(link.width() + 40, 2));
  EXPECT_TRUE(opened.empty());
}

TEST_F(LinkLabelTest, ALongerTextWidensTheControl) {
  link.setURLorEMAIL(QStringLiteral("a.example"));
  const int narrow = link.width();
  link.setURLorEMAIL(QStringLiteral("a-much-longer-address.example/with/a/path"));
  EXPECT_GT(link.width(), narrow);
  EXPECT_EQ(link.width(), link.LinkLabel->width());
  EXPECT_EQ(link.LinkLabel->width(), link.LinkLabel->sizeHint().width());
  EXPECT_EQ(link.height(), 13);
}

TEST_F(LinkLabelTest, ShowHintOffShowsNoHintOverTheText) {
  link.setToolTip(QStringLiteral("Browse our website"));
  EXPECT_EQ(link.LinkLabel->toolTip(), QStringLiteral("Browse our website"));
  link.show();
  // The hint a pointer resting on the text brings up (a tip shown earlier may still be fading).
  const auto hover = [this] {
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), link.LinkLabel->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(link.LinkLabel, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ(hover(), QStringLiteral("Browse our website"));
  link.setShowHint(false);
  link.setToolTip(QStringLiteral("A new hint"));
  EXPECT_TRUE(link.LinkLabel->toolTip().isEmpty());
  EXPECT_NE(hover(), QStringLiteral("A new hint"));  // neither the label nor the control around it shows it
  link.setShowHint(true);
  EXPECT_EQ(link.LinkLabel->toolTip(), QStringLiteral("A new hint"));
  EXPECT_EQ(hover(), QStringLiteral("A new hint"));
  QToolTip::hideText();
}

}  // namespace
