// Loading word lists into the answer list and writing answer files.
#include <QFileInfo>

#include "FileTestSupport.h"
#include "files/AnswerFile.h"

namespace glimmerset {
namespace {

using testing::FileTest;
using Words = std::vector<std::string>;

class AnswerFileTest : public FileTest {
 protected:
  Words ListTexts() const {
    Words texts;
    for (const auto& line : session.Model.Answers) {
      EXPECT_FALSE(line.LineColour.has_value()) << line.Text;
      texts.push_back(line.Text);
    }
    return texts;
  }
};

TEST_F(AnswerFileTest, LoadFillsBothListsCountStatusAndName) {
  session.Model.Answers = {{"OLD", colours::Red}};
  session.Model.AnswersList = {"OLD"};
  const QString path = WriteBytes("words.txt", "paris\r\nNEW YORK CITY\rCAT OX\n\n   \nA\n");

  ReadAnswerFile(session, settings, path);

  const Words expected = {"PARIS", "NEW", "YORK", "CITY", "CAT"};
  EXPECT_EQ(ListTexts(), expected);
  EXPECT_EQ(session.Model.AnswersList, expected);
  EXPECT_EQ(session.Model.AnswerCount, 5);
  EXPECT_EQ(session.Model.Status[WordsPanel], "5 Answers");
  EXPECT_EQ(settings.AnswerFileName, path);
  EXPECT_TRUE(session.Model.Commands.AnswerListVisible);
  EXPECT_TRUE(port.SawChange(ModelChange::AnswerList));
}

TEST_F(AnswerFileTest, ListLayoutFollowsTheLongestWord) {
  struct Case {
    std::string text;
    int wordBoxWidth, listWidth, left;
  };
  session.Model.Layout.WindowWidth = 1000;
  const std::vector<Case> cases = {
      {"CAT\nZEBRA\nOX\n", 120, 120, 1000 - 120 - 10},
      {"AB\nCD\n", 48, 48, 1000 - 48 - 10},
      {"ABCDEFGHIJKLMNOPQRSTU\nOX\n", 300, 300, 1000 - 300 - 10},  // held at 300
      {"OX\n", 300, 960, 1000 - 300 - 10},  // one word: the list is 960 wide, the box keeps its last size
  };
  for (const auto& c : cases) {
    ReadAnswerFile(session, settings, WriteBytes("l.txt", c.text));
    EXPECT_EQ(session.Model.Layout.WordBoxWidth, c.wordBoxWidth) << c.text;
    EXPECT_EQ(session.Model.Layout.AnswerListWidth, c.listWidth) << c.text;
    EXPECT_EQ(session.Model.Layout.WordBoxLeft, c.left) << c.text;
    EXPECT_EQ(session.Model.Layout.AnswerListLeft, c.left) << c.text;
  }
}

TEST_F(AnswerFileTest, MissingFileKeepsTheListButUpdatesCountStatusAndName) {
  session.Model.Answers = {{"ONE", std::nullopt}, {"TWO", colours::Green}};
  session.Model.AnswersList = {"ONE", "TWO"};
  session.Model.AnswerCount = 0;
  const QString missing = Path("missing.ans");

  ReadAnswerFile(session, settings, missing);

  EXPECT_EQ(session.Model.Answers.size(), 2u);
  EXPECT_EQ(session.Model.Answers[1].LineColour, colours::Green);
  EXPECT_EQ(session.Model.AnswersList, (Words{"ONE", "TWO"}));
  EXPECT_EQ(session.Model.AnswerCount, 2);
  EXPECT_EQ(session.Model.Status[WordsPanel], "2 Answers");
  EXPECT_EQ(settings.AnswerFileName, missing);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(AnswerFileTest, UnreadableFileChangesNothing) {
  session.Model.Answers = {{"ONE", std::nullopt}};
  session.Model.AnswerCount = 1;
  settings.AnswerFileName = "before.ans";
  const QString folder = Path("");
  EXPECT_EQ(ErrorOf([&] { ReadAnswerFile(session, settings, folder); }), "Cannot open file " + folder.toStdString());
  EXPECT_EQ(ListTexts(), Words{"ONE"});
  EXPECT_EQ(settings.AnswerFileName, "before.ans");
  EXPECT_EQ(session.Model.Status[WordsPanel], "0 Words");
}

TEST_F(AnswerFileTest, PumpsWhileBusyForEveryLine) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "WORD" + std::string(1, static_cast<char>('A' + i % 26)) + "\r\n";
  int busyPumps = 0;
  port.onPump = [&] { busyPumps += session.Model.Busy ? 1 : 0; };

  ReadAnswerFile(session, settings, WriteBytes("long.txt", text));

  EXPECT_GE(port.pumps, 60);
  EXPECT_EQ(busyPumps, port.pumps);
  EXPECT_FALSE(session.Model.Busy);
  // More words than the answer entry dialog admits are all kept.
  EXPECT_EQ(session.Model.AnswerCount, 60);
  EXPECT_EQ(session.Model.Answers[59].Text, "WORDH");
}

TEST_F(AnswerFileTest, BadInputGivesAListNotACrash) {
  struct Case {
    std::string name, text;
    std::size_t count;
  };
  const std::vector<Case> cases = {
      {"empty", "", 0},
      {"nul", std::string("ALPHA\nBE\0TA\nGAMMA\n", 18), 2},
      {"binary", std::string("\x00\x01\x02", 3), 0},
      {"junk", "\xFF\xFE\x01\x80 \x9F\x7F\t\x1B[31m", 0},
      {"long line", std::string(10000, 'Q') + " " + std::string(10000, 'R'), 2},
      {"five megabytes", std::string(5 * 1024 * 1024, 'a'), 1},
  };
  for (const auto& c : cases) {
    ReadAnswerFile(session, settings, WriteBytes("bad.txt", c.text));
    EXPECT_EQ(session.Model.Answers.size(), c.count) << c.name;
    EXPECT_EQ(session.Model.AnswerCount, static_cast<int>(c.count)) << c.name;
  }
  EXPECT_EQ(session.Model.Answers[0].Text.size(), 5u * 1024 * 1024);
}

TEST_F(AnswerFileTest, WrittenFileReadsBackToTheSameList) {
  const Words list = {"PARIS", "OX", "ICECREAM"};
  const QString path = Path("out.ans");
  WriteAnswerFile(list, path);
  EXPECT_EQ(ReadBytes(path), "PARIS\r\nOX\r\nICECREAM\r\n");
  ReadAnswerFile(session, settings, path);
  EXPECT_EQ(session.Model.AnswersList, list);

  WriteAnswerFile({}, path);
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_TRUE(QFileInfo::exists(path));

  const QString nowhere = Path("missing/folder/x.ans");
  EXPECT_EQ(ErrorOf([&] { WriteAnswerFile(list, nowhere); }), "Cannot create file " + nowhere.toStdString());
}

}  // namespace
}  // namespace glimmerset
