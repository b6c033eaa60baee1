// What the words after the program's name ask for.
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace glimmerset::app {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, EachCommandLineAsksForItsAction) {
  const struct {
    QStringList arguments;
    Action what;
    QString file;
  } cases[] = {
      {{}, Action::Run, {}},
      {{"--help"}, Action::Help, {}},
      {{"-h"}, Action::Help, {}},
      {{"--version"}, Action::Version, {}},
      {{"zoo.glm"}, Action::Run, "/home/ann/zoo.glm"},
      {{"../puzzles/zoo.glm"}, Action::Run, "/home/puzzles/zoo.glm"},
      {{"/srv/Zoo.GLM"}, Action::Run, "/srv/Zoo.GLM"},
      {{"--", "-odd.glm"}, Action::Run, "/home/ann/-odd.glm"},
      {{"--", "--help"}, Action::Run, "/home/ann/--help"},
      {{"--verbose"}, Action::Usage, {}},
      {{"-"}, Action::Usage, {}},
      {{"--"}, Action::Usage, {}},
      {{""}, Action::Usage, {}},
      {{"--", ""}, Action::Usage, {}},
      {{"a.glm", "b.glm"}, Action::Usage, {}},
      {{"--help", "--version"}, Action::Usage, {}},
      {{"zoo.glm", "--help"}, Action::Usage, {}},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments, QStringLiteral("/home/ann"));
    const std::string said = c.arguments.join(' ').toStdString();
    EXPECT_EQ(line.What, c.what) << said;
    EXPECT_EQ(line.GridFile, c.file) << said;
  }
}

TEST(CommandLineTest, TheTerminalTextsNameTheProgramItsFileAndItsOptions) {
  EXPECT_EQ(VersionText(QStringLiteral("1.2.3")), QStringLiteral("Glimmerset 1.2.3\n"));
  const QString help = HelpText();
  EXPECT_TRUE(help.startsWith(QLatin1String("Usage: glimmerset [FILE.glm]\n")));
  for (const char* option : {"--help", "--version", "FILE.ans"}) EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
  const QString usage = UsageText();
  EXPECT_TRUE(usage.startsWith(QLatin1String("Usage: glimmerset")));
  EXPECT_LT(usage.count('\n'), 4);  // a reminder, not the help
}

}  // namespace
}  // namespace glimmerset::app
