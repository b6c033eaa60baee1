#pragma once
// The appearance commands: a chosen grid font, background or answer font becomes part of the
// grid's look. Every cell record goes back to the default look, so the marks of found answers
// disappear until the answers are marked again; the found-answer table and the list colours stay.

#include <optional>
#include <string>

#include "Session.h"

namespace glimmerset {

// Grid Font > Font: the face and letter colour of grid letters; the grid is repainted.
void ChooseGridFont(Session& session, const std::string& face, Colour colour);
// Grid Font > Background: the cells' background (nothing when the choice was cancelled); the
// grid is repainted either way.
void ChooseBackground(Session& session, std::optional<Colour> colour);
// Answer Font: the face and letter colour of found answers; the change shows at the next repaint.
void ChooseAnswerFont(Session& session, const std::string& face, Colour colour);

}  // namespace glimmerset
