#pragma once
// PageLayout: where everything sits on the printed A4 page, in millimetres. Positions inside a
// band are measured from the band's top left corner; bands span the width between the margins.

#include <array>

namespace glimmerset::page::layout {

struct BoxMm {
  double Left;
  double Top;
  double Width;
  double Height;
};

inline constexpr double kPaperWidth = 210.0;
inline constexpr double kPaperHeight = 297.0;
inline constexpr double kMarginTop = 5.0;
inline constexpr double kMarginBottom = 5.0;
inline constexpr double kMarginLeft = 10.0;
inline constexpr double kMarginRight = 10.0;
inline constexpr double kBandWidth = 190.1;
inline constexpr double kBodyHeight = kPaperHeight - kMarginTop - kMarginBottom;

// One unit of the page's design scale (60 % of the printed size at 96 pixels an inch).
inline constexpr double kDesignUnitMm = 7.5 / 17.0;

// Band 1: the title with two pictures.
inline constexpr double kTitleBandTop = 0.0;
inline constexpr double kTitleBandHeight = 42.8;
inline constexpr BoxMm kLeftPicture = {10.6, 4.9, 26.5, 26.5};
inline constexpr BoxMm kRightPicture = {148.2, 2.6, 36.2, 36.2};
inline constexpr double kTitleTop = 13.2;
inline constexpr double kTitleHeight = 12.8;
inline constexpr double kTitlePoints = 28.0;

// Band 2: the grid block and the four answer columns.
inline constexpr double kGridBandTop = kTitleBandTop + kTitleBandHeight;
inline constexpr double kGridBandHeight = 199.8;
inline constexpr double kGridTop = 2.6;
inline constexpr double kGridPoints = 18.0;
inline constexpr double kGridFrameMm = 2 * kDesignUnitMm;
inline constexpr double kAnswersTop = 172.9;
inline constexpr double kAnswersHeight = 45.9;
inline constexpr double kAnswerPoints = 10.0;
inline constexpr std::array<double, 4> kAnswerLefts = {13.2, 66.1, 106.7, 154.3};
inline constexpr std::array<bool, 4> kAnswerCentred = {true, true, false, false};
// A large grid shrinks to end this far above the answer columns.
inline constexpr double kGridGapAboveAnswers = 2.6;

// Band 3: the footer at the bottom of the page.
inline constexpr double kFooterHeight = 11.5;
inline constexpr double kFooterTop = kBodyHeight - kFooterHeight;
inline constexpr double kCreatedLeft = 15.0;
inline constexpr double kCreatedTop = 4.9;
inline constexpr double kDateLeft = 52.9;
inline constexpr double kDateTop = 5.3;
inline constexpr double kNoteLeft = 125.2;
inline constexpr double kNoteTop = 4.9;
inline constexpr double kFooterPoints = 10.0;

}  // namespace glimmerset::page::layout
