#include "DirectionNames.h"

#include <QStringList>
#include <algorithm>
#include <map>

#include "CliSupport.h"

namespace glimmerset::cli {

std::vector<int> ParseDirections(const QString& list) {
  // In the construction's order: right, down-right, down, down-left, left, up-left, up, up-right.
  static const std::map<QString, std::vector<int>> names = {
      {QStringLiteral("right"), {0}},     {QStringLiteral("down-right"), {1}}, {QStringLiteral("down"), {2}},
      {QStringLiteral("down-left"), {3}}, {QStringLiteral("left"), {4}},       {QStringLiteral("up-left"), {5}},
      {QStringLiteral("up"), {6}},        {QStringLiteral("up-right"), {7}},   {QStringLiteral("easy"), {0, 2}},
      {QStringLiteral("medium"), {0, 1, 2, 7}}, {QStringLiteral("hard"), {0, 1, 2, 3, 4, 5, 6, 7}},
  };
  std::vector<int> chosen;
  for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const auto found = names.find(part.trimmed().toLower());
    if (found == names.end())
      throw UsageError{QStringLiteral("Unknown direction \"%1\": use right, down-right, down, down-left, left, up-left, up, "
                                      "up-right, or the presets easy, medium and hard")
                           .arg(part.trimmed())};
    chosen.insert(chosen.end(), found->second.begin(), found->second.end());
  }
  std::sort(chosen.begin(), chosen.end());
  chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  if (chosen.empty()) throw UsageError{QStringLiteral("--directions names no direction")};
  return chosen;
}

}  // namespace glimmerset::cli
