// What the oval button draws: face, pressed rims, glyph, caption effects, disabled captions, and
// its size limit; checked on grabbed pictures of the button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <optional>

#include "controls/OvalButton.h"

namespace {

using Style = TOvalButton::TextStyle;

// Desktop colours the tests can tell apart from the face, the caption and each other.
const QColor Highlight(0, 255, 0);
const QColor Shadow(255, 0, 255);
const QColor Face(0, 255, 255);
const QColor ButtonFill(255, 0, 0);
const QColor CaptionColour(0, 0, 255);

class OvalButtonPaint : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = QApplication::palette();
    QPalette palette = saved_;
    palette.setColor(QPalette::Light, Highlight);
    palette.setColor(QPalette::Dark, Shadow);
    palette.setColor(QPalette::Button, Face);
    QApplication::setPalette(palette);
  }
  void TearDown() override { QApplication::setPalette(saved_); }

  static void press(TOvalButton& button) {
    const QPointF centre(button.width() / 2, button.height() / 2);
    QMouseEvent event(QEvent::MouseButtonPress, centre, button.mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &event);
  }

  // A button with a caption in a crisp (not smoothed) font, so its pixels have exact colours.
  static void crispCaption(TOvalButton& button) {
    QFont font = button.font();
    font.setPixelSize(16);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    button.setFont(font);
    button.setFaceColor(ButtonFill);
    button.setTextColor(CaptionColour);
    button.resize(120, 40);
  }

  QPalette saved_;
};

// The bounding box of the pixels of one exact colour, within an area of the picture.
std::optional<QRect> boundsOf(const QImage& image, const QColor& colour, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  std::optional<QRect> bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y).rgb() == colour.rgb()) bounds = bounds ? bounds->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
  return bounds;
}

bool near(const QColor& a, const QColor& b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

struct FaceCase {
  QColor face;
  bool pressed;
};

class OvalButtonFace : public OvalButtonPaint, public ::testing::WithParamInterface<FaceCase> {};

TEST_P(OvalButtonFace, CentreShowsTheFaceOrTheDarkenedFaceWhilePressed) {
  const FaceCase& c = GetParam();
  TOvalButton button;
  button.resize(89, 25);
  button.setFaceColor(c.face);
  if (c.pressed) press(button);
  const QImage image = button.grab().toImage();
  auto darker = [&](int byte) { return c.pressed ? std::max(byte - 10, 0) : byte; };
  const QColor expected(darker(c.face.red()), darker(c.face.green()), darker(c.face.blue()));
  EXPECT_EQ(image.pixelColor(44, 3).rgb(), expected.rgb());
  EXPECT_EQ(image.pixelColor(10, 12).rgb(), expected.rgb());
}

INSTANTIATE_TEST_SUITE_P(Cases, OvalButtonFace,
                         ::testing::Values(FaceCase{QColor(255, 0, 0), true}, FaceCase{QColor(255, 0, 0), false},
                                           FaceCase{QColor(5, 100, 200), true}, FaceCase{QColor(9, 10, 11), true},
                                           FaceCase{QColor(128, 128, 128), false}));

TEST_F(OvalButtonPaint, PressedFaceHasADarkRimTopLeftAndALightRimBottomRight) {
  TOvalButton button;
  button.resize(89, 25);
  button.setFaceColor(QColor(255, 0, 0));
  press(button);
  const QImage image = button.grab().toImage();
  EXPECT_TRUE(near(image.pixelColor(1, 12), Qt::black, 60)) << image.pixelColor(1, 12).name().toStdString();
  EXPECT_TRUE(near(image.pixelColor(44, 1), Qt::black, 60)) << image.pixelColor(44, 1).name().toStdString();
  EXPECT_TRUE(near(image.pixelColor(88, 14), Highlight, 60)) << image.pixelColor(88, 14).name().toStdString();
  EXPECT_TRUE(near(image.pixelColor(46, 24), Highlight, 60)) << image.pixelColor(46, 24).name().toStdString();
}

TEST_F(OvalButtonPaint, TheParentShowsThroughOutsideTheEllipse) {
  QWidget parent;
  parent.resize(120, 60);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(10, 200, 30));
  parent.setPalette(palette);
  parent.setAutoFillBackground(true);
  auto* button = new TOvalButton("Exit", &parent);
  button->setGeometry(10, 10, 89, 25);
  button->setFaceColor(QColor(128, 0, 128));
  const QImage image = parent.grab().toImage();
  EXPECT_EQ(image.pixelColor(11, 11).rgb(), QColor(10, 200, 30).rgb());
  EXPECT_EQ(image.pixelColor(10 + 87, 10 + 23).rgb(), QColor(10, 200, 30).rgb());
  EXPECT_EQ(image.pixelColor(10 + 44, 10 + 4).rgb(), QColor(128, 0, 128).rgb());
}

struct LimitCase {
  QSize requested;
  QSize afterPaint;
};

class OvalButtonLimit : public OvalButtonPaint, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(OvalButtonLimit, IsHeldAt145PixelsAfterPainting) {
  TOvalButton button("Exit");
  button.resize(GetParam().requested);
  EXPECT_EQ(button.size(), GetParam().requested);
  button.grab();
  EXPECT_EQ(button.size(), GetParam().afterPaint);
}

INSTANTIATE_TEST_SUITE_P(Cases, OvalButtonLimit,
                         ::testing::Values(LimitCase{{200, 25}, {145, 25}}, LimitCase{{89, 300}, {89, 145}},
                                           LimitCase{{145, 145}, {145, 145}}, LimitCase{{146, 146}, {145, 145}}));

TEST_F(OvalButtonPaint, GlyphLeavesItsBottomLeftColourUndrawn) {
  struct Case {
    QImage::Format format;
    QColor see;  // the see-through colour
    bool pressed;
  };
  for (const Case& c : {Case{QImage::Format_RGB32, QColor(250, 0, 250), false},
                        Case{QImage::Format_RGB32, QColor(250, 0, 250), true},
                        Case{QImage::Format_ARGB32, QColor(250, 0, 250, 128), false}}) {
    const bool pressed = c.pressed;
    const QColor see = c.see;
    QImage picture(10, 8, c.format);
    picture.fill(QColor(0, 200, 0));
    picture.setPixelColor(0, 7, see);  // bottom-left: the transparent colour
    picture.setPixelColor(5, 3, see);
    TOvalButton button;
    button.resize(97, 25);
    button.setFaceColor(QColor(255, 0, 0));
    button.setGlyph(QPixmap::fromImage(picture));
    if (pressed) press(button);
    const QImage image = button.grab().toImage();
    const auto place = TOvalButton::placeContent(button.glyphLayout(), button.size(), picture.size(),
                                                 button.captionSize(), button.distance());
    const QPoint origin = place.glyph + (pressed ? QPoint(1, 1) : QPoint(0, 0));
    const QColor face = pressed ? QColor(245, 0, 0) : QColor(255, 0, 0);
    EXPECT_EQ(image.pixelColor(origin + QPoint(1, 1)).rgb(), QColor(0, 200, 0).rgb()) << pressed;
    EXPECT_EQ(image.pixelColor(origin + QPoint(5, 3)).rgb(), face.rgb()) << pressed;
    EXPECT_FALSE(boundsOf(image, see).has_value()) << pressed;
  }
}

struct EffectCase {
  const char* name;
  Style style;
  bool pressed;
  QColor copyColour;
  QPoint offset;  // of the copy from the caption's place when up
};

class OvalButtonEffect : public OvalButtonPaint, public ::testing::WithParamInterface<EffectCase> {};

TEST_P(OvalButtonEffect, DrawsTheCopyOffsetFromTheCaption) {
  const EffectCase& c = GetParam();
  TOvalButton button("Wide");
  crispCaption(button);
  button.setTextStyle(c.style);
  if (c.pressed) press(button);
  const QImage image = button.grab().toImage();
  // Near the caption, away from the rims, which may share the copy's colour.
  const auto place = TOvalButton::placeContent(button.glyphLayout(), button.size(), {}, button.captionSize(), 0);
  const QRect inner = QRect(place.caption, button.captionSize()).adjusted(-4, -4, 4, 4);
  const auto caption = boundsOf(image, CaptionColour, inner);
  const auto copy = boundsOf(image, c.copyColour, inner);
  ASSERT_TRUE(caption.has_value());
  ASSERT_TRUE(copy.has_value());
  // A pressed caption itself moves by (1, 1); the copy shows beyond it on the side it lies to.
  const QPoint shift = c.offset - (c.pressed ? QPoint(1, 1) : QPoint(0, 0));
  ASSERT_FALSE(shift.isNull());
  if (shift.x() > 0) {
    EXPECT_EQ(copy->right(), caption->right() + shift.x());
  } else {
    EXPECT_EQ(copy->left(), caption->left() + shift.x());
  }
  if (shift.y() > 0) {
    EXPECT_EQ(copy->bottom(), caption->bottom() + shift.y());
  } else {
    EXPECT_EQ(copy->top(), caption->top() + shift.y());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, OvalButtonEffect,
                         ::testing::Values(EffectCase{"LoweredUp", Style::txLowered, false, Highlight, {1, 1}},
                                           EffectCase{"LoweredDown", Style::txLowered, true, Highlight, {2, 2}},
                                           EffectCase{"RaisedUp", Style::txRaised, false, Highlight, {-1, -1}},
                                           EffectCase{"RaisedDown", Style::txRaised, true, Highlight, {0, 0}},
                                           EffectCase{"ShadowedUp", Style::txShadowed, false, Shadow, {2, 2}},
                                           EffectCase{"ShadowedDown", Style::txShadowed, true, Shadow, {3, 3}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OvalButtonPaint, PressedCaptionMovesOnePixelDownAndRight) {
  TOvalButton button("Wide");
  crispCaption(button);
  const auto up = boundsOf(button.grab().toImage(), CaptionColour);
  press(button);
  const auto down = boundsOf(button.grab().toImage(), CaptionColour);
  ASSERT_TRUE(up && down);
  EXPECT_EQ(down->topLeft(), up->topLeft() + QPoint(1, 1));
  EXPECT_EQ(down->size(), up->size());
}

TEST_F(OvalButtonPaint, PlainCaptionHasNoCopy) {
  TOvalButton button("Wide");
  crispCaption(button);
  const QImage image = button.grab().toImage();
  EXPECT_TRUE(boundsOf(image, CaptionColour).has_value());
  EXPECT_FALSE(boundsOf(image, Highlight).has_value());
  EXPECT_FALSE(boundsOf(image, Shadow).has_value());
}

struct DisabledCase {
  const char* name;
  Style style;
  QColor caption;
  std::optional<QColor> copy;
};

class OvalButtonDisabled : public OvalButtonPaint, public ::testing::WithParamInterface<DisabledCase> {};

TEST_P(OvalButtonDisabled, DrawsTheCaptionInADesktopColour) {
  const DisabledCase& c = GetParam();
  TOvalButton button("Wide");
  crispCaption(button);
  button.setTextStyle(c.style);
  button.setEnabled(false);
  const QImage image = button.grab().toImage();
  EXPECT_FALSE(boundsOf(image, CaptionColour).has_value());
  const auto caption = boundsOf(image, c.caption);
  ASSERT_TRUE(caption.has_value());
  if (c.copy) {
    const auto copy = boundsOf(image, *c.copy);
    ASSERT_TRUE(copy.has_value());
    EXPECT_NE(copy->bottomRight(), caption->bottomRight());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, OvalButtonDisabled,
                         ::testing::Values(DisabledCase{"Shadowed", Style::txShadowed, Face, Shadow},
                                           DisabledCase{"Plain", Style::txNone, Shadow, std::nullopt},
                                           DisabledCase{"Lowered", Style::txLowered, Shadow, Highlight}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
