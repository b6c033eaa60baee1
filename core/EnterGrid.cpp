#include "EnterGrid.h"

namespace glimmerset {

void EnterGrid::Begin() {
  session_.ClearAnswers();
  session_.Model.Grid.SetRowCount(1);
  session_.SetGridPresent(false);
  session_.Model.Commands.EditMenuEnabled = true;
  session_.Model.Commands.EditGridEnabled = false;
  session_.CommandsChanged();
}

void EnterGrid::Finish(bool accepted) {
  CommandState& commands = session_.Model.Commands;
  if (accepted) {
    if (session_.Model.Grid.RowCount() > 1) {
      session_.Redraw();
      commands.EditMenuEnabled = true;
      commands.EditGridEnabled = true;
    }
  } else {
    session_.SetGridPresent(false);
  }
  commands.WordBoxEnabled = true;
  session_.CommandsChanged();
  EntryColumns = 0;
}

}  // namespace glimmerset
