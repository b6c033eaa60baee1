// The version-information block: its layout as written, the reading of its eight string entries
// from blocks of many shapes, and bytes that are not a sound block.
#include <gtest/gtest.h>

#include "controls/VersionBlock.h"
#include "controls/VersionBlockWriter.h"

namespace glimmerset {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Pairs = std::vector<std::pair<std::string, std::string>>;

const Pairs AllEight = {{"CompanyName", "Marlock"},      {"FileDescription", "Puzzles"}, {"FileVersion", "2.5.1"},
                        {"InternalName", "Glimmerset"},  {"LegalCopyright", "(C) M"},    {"OriginalFilename", "g"},
                        {"ProductName", "Glimmerset"},   {"ProductVersion", "2.5"}};

Bytes Block(const VersionNode& root) {
  const std::optional<Bytes> bytes = WriteVersionNode(root);
  EXPECT_TRUE(bytes.has_value());
  return bytes.value_or(Bytes{});
}

VersionNode Program(const Pairs& entries) {
  ProgramVersion version;
  version.Numbers = {2, 5, 1, 0};
  version.Entries = entries;
  return ProgramVersionNode(version);
}

std::vector<std::string> Names(const VersionEntries& entries) { return entries.Categories; }

std::vector<std::string> Values(const VersionEntries& entries) {
  std::vector<std::string> values;
  for (const std::u16string& value : entries.Values) values.emplace_back(value.begin(), value.end());
  return values;
}

TEST(VersionBlockTest, WriterLaysOutNodesAsTheWindowsBlockDoes) {
  // A text node "A" = "B": header (6 bytes), key "A\0" to 10, padding to 12, value "B\0" to 16;
  // the value length counts characters, the terminator included.
  EXPECT_EQ(Block(TextEntry("A", "B")), (Bytes{16, 0, 2, 0, 1, 0, 'A', 0, 0, 0, 0, 0, 'B', 0, 0, 0}));
  // Key "AB\0" ends at 12, where the value can start at once.
  EXPECT_EQ(Block(TextEntry("AB", "C")), (Bytes{16, 0, 2, 0, 1, 0, 'A', 0, 'B', 0, 0, 0, 'C', 0, 0, 0}));
  // A binary value counts its length in bytes; the child after it starts at the next multiple of
  // four.
  VersionNode parent{u"P", false, {1, 2}, std::nullopt, {TextEntry("A", "B")}};
  EXPECT_EQ(Block(parent), (Bytes{32, 0, 2, 0, 0, 0, 'P', 0, 0, 0, 0, 0, 1, 2, 0, 0,
                                  16, 0, 2, 0, 1, 0, 'A', 0, 0, 0, 0, 0, 'B', 0, 0, 0}));
  // The root carries the fixed information, signature first, with the version numbers.
  const Bytes root = Block(VersionRoot({2, 5, 1, 7}));
  ASSERT_EQ(root.size(), 6u + 32u + 2u + 52u);  // header, "VS_VERSION_INFO\0", padding, fixed info
  EXPECT_EQ(Bytes(root.begin() + 40, root.begin() + 44), (Bytes{0xBD, 0x04, 0xEF, 0xFE}));
  EXPECT_EQ(Bytes(root.begin() + 48, root.begin() + 56), (Bytes{5, 0, 2, 0, 7, 0, 1, 0}));
}

TEST(VersionBlockTest, QueriesFindRootTranslationAndStringsByPath) {
  const Bytes block = Block(Program(AllEight));
  ASSERT_TRUE(QueryVersionValue(block, "\\"));
  EXPECT_EQ(QueryVersionValue(block, "\\")->Length, 52u);
  const auto translation = QueryVersionValue(block, "\\VarFileInfo\\Translation");
  ASSERT_TRUE(translation);
  EXPECT_EQ(Bytes(translation->Bytes.begin(), translation->Bytes.end()), (Bytes{0x09, 0x04, 0xB0, 0x04}));
  EXPECT_EQ(StringEntryPath(0x0409, 0x04B0, "FileVersion"), "\\StringFileInfo\\040904B0\\FileVersion");
  const auto version = QueryVersionValue(block, "\\StringFileInfo\\040904b0\\fileversion");  // any letter case
  ASSERT_TRUE(version);
  EXPECT_TRUE(version->Text);
  EXPECT_EQ(version->Length, 6u);  // "2.5.1" and its NUL
  EXPECT_FALSE(QueryVersionValue(block, "\\StringFileInfo\\040904B0\\Comments"));
  EXPECT_FALSE(QueryVersionValue(block, "\\StringFileInfo\\04070000\\FileVersion"));
}

struct BlockCase {
  const char* name;
  Bytes block;
  std::vector<std::string> names;
  std::vector<std::string> values;
};

TEST(VersionBlockTest, ReadsTheEightEntriesInOrderAndStopsAtTheFirstMissing) {
  Pairs noDescription = AllEight;
  noDescription.erase(noDescription.begin() + 1);
  Pairs emptyDescription = AllEight;
  VersionNode withEmpty = Program(AllEight);
  // FileDescription's value has length 0: not listed, and the reading goes on.
  withEmpty.Children[0].Children[0].Children[1] = {u"FileDescription", true, {}, std::nullopt, {}};
  VersionNode noTranslation = Program(AllEight);
  noTranslation.Children.pop_back();
  VersionNode shortTranslation = Program(AllEight);
  shortTranslation.Children[1].Children[0].Value = {0x09, 0x04};
  VersionNode badSignature = Program(AllEight);
  badSignature.Value[0] = 0;
  VersionNode otherLanguage = Program(AllEight);
  otherLanguage.Children[0].Children[0].Key = u"040704E4";  // the table is not under the translation's pair
  VersionNode firstOfTwo = Program(AllEight);
  // Only the first translation pair counts.
  firstOfTwo.Children[1].Children[0].Value.insert(firstOfTwo.Children[1].Children[0].Value.begin(), {0x07, 0x04, 0xE4, 0x04});
  VersionNode embeddedNul = Program({{"CompanyName", std::string("Mar\0lock", 8)}});

  const std::vector<std::string> all = {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                                        "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};
  const std::vector<std::string> allValues = {"Marlock", "Puzzles", "2.5.1", "Glimmerset", "(C) M", "g", "Glimmerset", "2.5"};
  std::vector<std::string> withoutDescription = all, withoutDescriptionValues = allValues;
  withoutDescription.erase(withoutDescription.begin() + 1);
  withoutDescriptionValues.erase(withoutDescriptionValues.begin() + 1);

  const std::vector<BlockCase> cases = {
      {"all eight", Block(Program(AllEight)), all, allValues},
      {"FileDescription missing", Block(Program(noDescription)), {"CompanyName"}, {"Marlock"}},
      {"entry of length 0", Block(withEmpty), withoutDescription, withoutDescriptionValues},
      {"no translation", Block(noTranslation), {}, {}},
      {"translation too short", Block(shortTranslation), {}, {}},
      {"root without signature", Block(badSignature), {}, {}},
      {"strings under another language", Block(otherLanguage), {}, {}},
      {"second translation pair ignored", Block(firstOfTwo), {}, {}},
      {"value up to its first NUL", Block(embeddedNul), {"CompanyName"}, {"Mar"}},
      {"no bytes", {}, {}, {}},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.name);
    const VersionEntries entries = ReadVersionEntries(c.block);
    EXPECT_EQ(Names(entries), c.names);
    EXPECT_EQ(Values(entries), c.values);
  }
}

TEST(VersionBlockTest, LongValuesAreCutAt256Characters) {
  const std::string longValue(300, 'x');
  VersionEntries entries = ReadVersionEntries(Block(Program({{"CompanyName", longValue}})));
  ASSERT_EQ(entries.Values.size(), 1u);
  EXPECT_EQ(entries.Values[0], std::u16string(256, u'x'));
  // A cut that would split a character in two halves drops the first half as well.
  const std::string pairs = std::string(255, 'x') + "\xF0\x9F\x98\x80";  // 255 letters and one emoji
  entries = ReadVersionEntries(Block(Program({{"CompanyName", pairs}})));
  ASSERT_EQ(entries.Values.size(), 1u);
  EXPECT_EQ(entries.Values[0], std::u16string(255, u'x'));
}

TEST(VersionBlockTest, DamagedBlocksGiveTheEntriesReadSoFarAndNeverReadOutside) {
  // The translation table first, so that a cut takes string entries away from the end.
  VersionNode translationFirst = Program(AllEight);
  std::swap(translationFirst.Children[0], translationFirst.Children[1]);
  const Bytes whole = Block(translationFirst);
  const VersionEntries complete = ReadVersionEntries(whole);
  ASSERT_EQ(complete.Categories.size(), 8u);
  // Every truncation: a prefix of the complete lists, read from a copy of just that many bytes.
  std::size_t longest = 0;
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const VersionEntries entries = ReadVersionEntries(cut);
    ASSERT_LE(entries.Categories.size(), complete.Categories.size()) << size;
    for (std::size_t i = 0; i < entries.Categories.size(); ++i) {
      EXPECT_EQ(entries.Categories[i], complete.Categories[i]) << size;
      EXPECT_TRUE(complete.Values[i].starts_with(entries.Values[i])) << size;
    }
    longest = std::max(longest, entries.Categories.size());
  }
  EXPECT_EQ(longest, 8u);  // a cut in the last value's terminator still gives all eight

  struct Damage {
    const char* name;
    std::size_t at;
    std::vector<std::uint8_t> bytes;
  };
  const std::vector<Damage> damages = {
      {"root length 0", 0, {0, 0}},
      {"root key altered", 36, {'X', 0}},
      {"root value length huge", 2, {0xFF, 0xFF}},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.name);
    Bytes damaged = whole;
    std::copy(d.bytes.begin(), d.bytes.end(), damaged.begin() + static_cast<std::ptrdiff_t>(d.at));
    EXPECT_TRUE(ReadVersionEntries(damaged).Categories.empty());
  }
  // A root whose length runs past the bytes is read within them: nothing is lost.
  Bytes longer = whole;
  longer[0] = 0xFF, longer[1] = 0xFF;
  EXPECT_EQ(ReadVersionEntries(longer).Categories, complete.Categories);
  // A zero-length child ends the walk instead of looping on it.
  Bytes zeroChild = whole;
  const std::size_t firstChild = 92;  // after the root's header, key and fixed information
  zeroChild[firstChild] = 0, zeroChild[firstChild + 1] = 0;
  EXPECT_TRUE(ReadVersionEntries(zeroChild).Categories.empty());
}

TEST(VersionBlockTest, VersionNumbersComeFromTheVersionText) {
  EXPECT_EQ(VersionNumbers("1.0.0"), (std::array<std::uint16_t, 4>{1, 0, 0, 0}));
  EXPECT_EQ(VersionNumbers("3.12.7.9"), (std::array<std::uint16_t, 4>{3, 12, 7, 9}));
  EXPECT_EQ(VersionNumbers("4"), (std::array<std::uint16_t, 4>{4, 0, 0, 0}));
}

}  // namespace
}  // namespace glimmerset
