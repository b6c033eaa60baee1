#include "AnswerFile.h"

#include <QFileInfo>
#include <algorithm>

#include "AnswerText.h"
#include "TextFile.h"

namespace glimmerset {

namespace {
constexpr int kLetterWidth = 24;
constexpr int kListWidth = 960;
constexpr int kRightMargin = 10;
}  // namespace

void LayOutAnswerList(Session& session) {
  PuzzleModel& model = session.Model;
  ViewLayout& layout = model.Layout;
  layout.AnswerListWidth = kListWidth;
  if (model.Answers.size() > 1) {
    // The box holds at most 300 pixels; a longer word cannot widen it further.
    session.SetWordBoxWidth(kLetterWidth * std::min(model.LongestAnswer(), 1000));
    layout.AnswerListWidth = layout.WordBoxWidth;
    layout.WordBoxLeft = layout.WindowWidth - layout.WordBoxWidth - kRightMargin;
    layout.AnswerListLeft = layout.WordBoxLeft;
  }
  session.Port().Changed(ModelChange::ListLayout);
}

void ReadAnswerFile(Session& session, ProgramSettings& settings, const QString& fileName) {
  PuzzleModel& model = session.Model;
  if (QFileInfo::exists(fileName)) {
    const std::vector<std::string> lines = ReadFileLines(fileName, kWordListLimit);
    Session::BusyScope busy(session);
    model.Commands.AnswerListVisible = true;
    session.CommandsChanged();
    std::vector<std::string> words = AnswerWords(lines, [&session] { session.Pump(); });
    model.Answers.clear();
    model.Answers.reserve(words.size());
    for (const auto& word : words) model.Answers.push_back(AnswerLine{word, std::nullopt});
    model.AnswersList = std::move(words);
    session.AnswerListChanged();
  }
  LayOutAnswerList(session);
  model.AnswerCount = static_cast<int>(model.Answers.size());
  session.SetStatus(WordsPanel, std::to_string(model.AnswerCount) + " Answers");
  settings.AnswerFileName = fileName;
}

void WriteAnswerFile(const std::vector<std::string>& answers, const QString& fileName) {
  WriteFileLines(fileName, answers);
}

}  // namespace glimmerset
