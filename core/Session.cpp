#include "Session.h"

#include <algorithm>
#include <utility>

namespace glimmerset {

void Session::SetStatus(StatusPanel panel, std::string text) {
  Model.Status[static_cast<std::size_t>(panel)] = std::move(text);
  port_.Changed(ModelChange::Status);
}

void Session::Play(SoundEffect sound) {
  if (Model.SoundSwitch) port_.PlaySound(sound);
}

void Session::SetWordText(std::string text) {
  Model.WordText = std::move(text);
  port_.Changed(ModelChange::WordText);
}

void Session::ClearAnswers() {
  Model.ClearAnswerMarks();
  Redraw();
}

int GridViewExtent(int cells) { return std::clamp(cells * 22, 30, 500); }

namespace {

constexpr int kButtonRowBottom = 48 + 25;
constexpr int kFittedMargin = 8;  // kept free around a fitted grid
constexpr int kMinimumPitch = 2;  // a 1-pixel cell and its line

bool PanelFits(const ViewLayout& layout, int gridWidth, int gridHeight) {
  const GridArea area = FreeGridArea(layout);
  return layout.PanelLeft >= area.Left && layout.PanelTop >= area.Top &&
         layout.PanelLeft + gridWidth + 2 * kGridPanelBevel <= area.Right &&
         layout.PanelTop + gridHeight + 2 * kGridPanelBevel <= area.Bottom;
}

}  // namespace

GridArea FreeGridArea(const ViewLayout& layout) {
  return GridArea{0, kButtonRowBottom, std::min(layout.WordBoxLeft, layout.AnswerListLeft), layout.WindowHeight};
}

int Session::ViewExtent(int cells) const {
  const ViewLayout& layout = Model.Layout;
  return layout.Fitted ? std::max(cells * layout.CellPitch, 30) : GridViewExtent(cells);
}

void Session::PlaceGrid(bool movePanel) {
  ViewLayout& layout = Model.Layout;
  const int rows = Model.Grid.RowCount();
  const int cols = Model.Grid.ColCount();
  layout.CellPitch = 22;
  layout.Fitted = false;
  layout.GridWidth = GridViewExtent(cols);
  layout.GridHeight = GridViewExtent(rows);
  if (movePanel) {
    layout.PanelLeft = 250 - layout.GridWidth / 2;
    layout.PanelTop = 300 - layout.GridHeight / 2;
  }
  const bool whole = cols * 22 <= layout.GridWidth && rows * 22 <= layout.GridHeight;
  if (!whole || !PanelFits(layout, layout.GridWidth, layout.GridHeight)) {
    // Every cell must show, clear of the buttons, the word box and the list.
    const GridArea area = FreeGridArea(layout);
    const int room = 2 * (kFittedMargin + kGridPanelBevel);
    const int width = area.Right - area.Left;
    const int height = area.Bottom - area.Top;
    const int pitch = std::clamp(std::min((width - room) / cols, (height - room) / rows), kMinimumPitch, 22);
    layout.CellPitch = pitch;
    layout.Fitted = true;
    layout.GridWidth = std::max(cols * pitch, 30);
    layout.GridHeight = std::max(rows * pitch, 30);
    layout.PanelLeft = area.Left + (width - layout.GridWidth - 2 * kGridPanelBevel) / 2;
    layout.PanelTop = area.Top + (height - layout.GridHeight - 2 * kGridPanelBevel) / 2;
  }
  port_.Changed(ModelChange::GridLayout);
}

void Session::RefitGrid() {
  const ViewLayout& layout = Model.Layout;
  if (!Model.GridPresent) return;
  if (!layout.Fitted && PanelFits(layout, layout.GridWidth, layout.GridHeight)) return;
  PlaceGrid(true);
}

void Session::SetGridPresent(bool present) {
  Model.GridPresent = present;
  port_.Changed(ModelChange::GridLayout);
}

void Session::PresentNewGrid(bool movePanel) {
  PlaceGrid(movePanel);
  Model.ResetHighlights(true);
  SetGridPresent(true);
  Model.Commands.WordBoxEnabled = true;
  CommandsChanged();
  port_.FocusWordBox();
  Redraw();
}

void Session::SetWordBoxWidth(int width) {
  Model.Layout.WordBoxWidth = std::clamp(width, 20, 300);
  port_.Changed(ModelChange::ListLayout);
}

Session::BusyScope::BusyScope(Session& session) : session_(session), wasBusy_(session.Model.Busy) {
  if (!wasBusy_) {
    session_.Model.Busy = true;
    session_.port_.Changed(ModelChange::Busy);
  }
}

Session::BusyScope::~BusyScope() {
  if (!wasBusy_) {
    session_.Model.Busy = false;
    session_.port_.Changed(ModelChange::Busy);
  }
}

}  // namespace glimmerset
