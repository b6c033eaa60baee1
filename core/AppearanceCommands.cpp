#include "AppearanceCommands.h"

namespace glimmerset {

void ChooseGridFont(Session& session, const std::string& face, Colour colour) {
  session.Model.Look.GFont = face;
  session.Model.Look.FCol = colour;
  session.Model.ResetHighlights(false);
  session.Redraw();
}

void ChooseBackground(Session& session, std::optional<Colour> colour) {
  if (colour) {
    session.Model.Look.BCol = *colour;
    session.Model.ResetHighlights(false);
  }
  session.Redraw();
}

void ChooseAnswerFont(Session& session, const std::string& face, Colour colour) {
  session.Model.Look.AFont = face;
  session.Model.Look.AFCol = colour;
  session.Model.ResetHighlights(false);
}

}  // namespace glimmerset
