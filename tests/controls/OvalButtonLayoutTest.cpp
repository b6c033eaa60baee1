// Where the oval button puts its glyph and caption, and how its settings take values.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "controls/OvalButton.h"

namespace {

using Layout = TOvalButton::BmpLayout;

struct LayoutCase {
  const char* name;
  Layout layout;
  QSize button;
  QSize glyph;
  QSize caption;
  int distance;
  QPoint glyphAt;
  QPoint captionAt;
};

class OvalButtonLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(OvalButtonLayout, PlacesGlyphAndCaption) {
  const LayoutCase& c = GetParam();
  const auto placement = TOvalButton::placeContent(c.layout, c.button, c.glyph, c.caption, c.distance);
  EXPECT_EQ(placement.glyph, c.glyphAt);
  EXPECT_EQ(placement.caption, c.captionAt);
}

// Button 97 by 25, glyph 16 by 16, caption 30 by 13, gap 4: together 50 wide, margin (97 - 50) / 2 = 23.
INSTANTIATE_TEST_SUITE_P(
    Cases, OvalButtonLayout,
    ::testing::Values(
        LayoutCase{"Left", Layout::lyLeft, {97, 25}, {16, 16}, {30, 13}, 4, {23, 4}, {43, 6}},
        LayoutCase{"Right", Layout::lyRight, {97, 25}, {16, 16}, {30, 13}, 4, {58, 4}, {24, 6}},
        LayoutCase{"Center", Layout::lyCenter, {97, 25}, {16, 16}, {30, 13}, 4, {40, 4}, {33, 6}},
        // Glyph, gap and caption wider than the button: no margin.
        LayoutCase{"LeftTooWide", Layout::lyLeft, {40, 25}, {16, 16}, {30, 13}, 4, {0, 4}, {20, 6}},
        LayoutCase{"RightTooWide", Layout::lyRight, {40, 25}, {16, 16}, {30, 13}, 4, {24, 4}, {-10, 6}},
        LayoutCase{"CenterTooWide", Layout::lyCenter, {40, 25}, {16, 16}, {30, 13}, 4, {12, 4}, {5, 6}},
        LayoutCase{"CenterGlyphWiderThanButton", Layout::lyCenter, {20, 25}, {24, 16}, {10, 13}, 0, {0, 4}, {5, 6}},
        // A glyph taller than the button sits at the top; a taller caption's top halves toward zero.
        LayoutCase{"TallGlyphAndCaption", Layout::lyLeft, {97, 25}, {16, 30}, {30, 32}, 0, {25, 0}, {41, -3}},
        // No glyph, no gap: every layout centres; right lies one further when W - TW is odd.
        LayoutCase{"NoGlyphLeft", Layout::lyLeft, {89, 25}, {0, 0}, {30, 13}, 0, {29, 12}, {29, 6}},
        LayoutCase{"NoGlyphRight", Layout::lyRight, {89, 25}, {0, 0}, {30, 13}, 0, {60, 12}, {30, 6}},
        LayoutCase{"NoGlyphCenter", Layout::lyCenter, {89, 25}, {0, 0}, {30, 13}, 0, {44, 12}, {29, 6}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OvalButtonSettings, DistanceIsNeverNegative) {
  struct Case {
    int set;
    int reads;
  };
  for (const Case c : {Case{-5, 0}, Case{7, 7}, Case{0, 0}, Case{-1, 0}}) {
    TOvalButton button;
    button.setDistance(3);
    button.setDistance(c.set);
    EXPECT_EQ(button.distance(), c.reads) << c.set;
  }
}

TEST(OvalButtonSettings, StartsAsAGrayNinetySevenByTwentyFiveButtonWithoutFocus) {
  TOvalButton button("Exit");
  EXPECT_EQ(button.size(), QSize(97, 25));
  EXPECT_EQ(button.faceColor(), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(button.textStyle(), TOvalButton::TextStyle::txNone);
  EXPECT_EQ(button.glyphLayout(), Layout::lyLeft);
  EXPECT_EQ(button.distance(), 0);
  EXPECT_EQ(button.glyph().width(), 0);
  EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
  EXPECT_FALSE(button.isPressed());
}

TEST(OvalButtonSettings, DarkenedFaceTakesTenFromEachByteDownToZero) {
  struct Case {
    QColor face;
    QColor darkened;
  };
  for (const Case& c : {Case{QColor(255, 0, 0), QColor(245, 0, 0)}, Case{QColor(10, 9, 200), QColor(0, 0, 190)},
                        Case{QColor(0x80, 0x80, 0x80), QColor(0x76, 0x76, 0x76)}})
    EXPECT_EQ(TOvalButton::darkenedFace(c.face), c.darkened) << c.face.name().toStdString();
}

TEST(OvalButtonSettings, CaptionSizeLeavesOutTheAcceleratorMarker) {
  TOvalButton marked("E&xit");
  TOvalButton plain("Exit");
  EXPECT_EQ(marked.captionSize(), plain.captionSize());
  EXPECT_GT(plain.captionSize().width(), 0);
}

}  // namespace
