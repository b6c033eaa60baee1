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

void Session::PlaceGrid(bool movePanel) {
  ViewLayout& layout = Model.Layout;
  layout.GridWidth = GridViewExtent(Model.Grid.ColCount());
  layout.GridHeight = GridViewExtent(Model.Grid.RowCount());
  if (movePanel) {
    layout.PanelLeft = 250 - layout.GridWidth / 2;
    layout.PanelTop = 300 - layout.GridHeight / 2;
  }
  port_.Changed(ModelChange::GridLayout);
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
