#pragma once
// Session: the puzzle model together with the port to the window, and the small helpers every
// command uses to report through it (status texts, messages, sounds, redraws, layout).

#include <string>

#include "PuzzleModel.h"
#include "UiPort.h"

namespace glimmerset {

class Session {
 public:
  explicit Session(UiPort& port) : port_(port) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  PuzzleModel Model;

  UiPort& Port() { return port_; }

  void SetStatus(StatusPanel panel, std::string text);
  void Message(const std::string& text) { port_.ShowMessage(text); }
  // Plays the sound only while the sound switch is on.
  void Play(SoundEffect sound);
  void Redraw() { port_.Changed(ModelChange::Cells); }
  void SetWordText(std::string text);
  void Pump() { port_.PumpEvents(); }
  void CommandsChanged() { port_.Changed(ModelChange::Commands); }
  void AnswerListChanged() { port_.Changed(ModelChange::AnswerList); }

  // ClearAnswers: paths of the first 20 answers unset, highlights reset, counts 0, redraw.
  void ClearAnswers();

  // Sizes the grid view to the grid (22 pixels a cell, held between 30 and 500) and, with
  // movePanel, centres its panel on the point (250, 300) of the window. A grid that would then
  // not lie whole inside the free area of the window (FreeGridArea) is laid out instead at the
  // largest whole-pixel pitch that fits, centred in that area.
  void PlaceGrid(bool movePanel = true);
  // After the window or the word box and list changed size or place: a grid that no longer lies
  // whole in the free area, or that was fitted to it, is laid out again.
  void RefitGrid();
  // The grid view's extent for a count of cells at the current pitch.
  int ViewExtent(int cells) const;
  // Shows or hides the grid view.
  void SetGridPresent(bool present);
  // A grid that came in (loaded or imported) is shown: the view sized (and, with movePanel,
  // centred), fresh records in the default look, the word box enabled and focused, a redraw.
  void PresentNewGrid(bool movePanel);
  // The word box width, held between 20 and 300 pixels.
  void SetWordBoxWidth(int width);

  // While a BusyScope lives, the model is busy and the window refuses commands that change it.
  class BusyScope {
   public:
    explicit BusyScope(Session& session);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    Session& session_;
    bool wasBusy_;
  };

 private:
  UiPort& port_;
};

// The grid view's pixel size for a count of cells: 22 pixels a cell, held between 30 and 500.
int GridViewExtent(int cells);

// Where the grid's panel may lie: below the button row, left of the word box and the answer
// list, above the bottom of the window's client area.
struct GridArea {
  int Left, Top, Right, Bottom;  // Right and Bottom exclusive
};
GridArea FreeGridArea(const ViewLayout& layout);

// The panel around the grid adds a 3-pixel bevel on each side.
inline constexpr int kGridPanelBevel = 3;

}  // namespace glimmerset
