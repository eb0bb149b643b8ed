#include "io/FieldReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace nimbara {
namespace {

std::vector<std::string> AllFields(const std::string& text) {
  FieldReader reader(text);
  std::vector<std::string> fields;
  while (auto field = reader.ReadField()) fields.push_back(*field);
  return fields;
}

TEST(FieldReader, ItemsEndAtCommasAndLineEnds) {
  const std::vector<std::string> expected = {"a", "b ", "c", "d"};
  EXPECT_EQ(AllFields("a,  b ,c\r\nd\r\n"), expected);
  EXPECT_EQ(AllFields("a,  b ,c\nd\n"), expected);
  EXPECT_EQ(AllFields("a,\tb ,c\rd"), (std::vector<std::string>{"a", "b ", "c", "d"}));
}

TEST(FieldReader, EmptyLineYieldsOneEmptyItem) {
  EXPECT_EQ(AllFields("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(FieldReader, CommaAtLineEndLeavesAnEmptyItem) {
  EXPECT_EQ(AllFields("a,\r\nb"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(FieldReader, QuotedItemRunsToTheNextQuote) {
  EXPECT_EQ(AllFields("\"x, y\" tail,z\r\n"), (std::vector<std::string>{"x, y", "z"}));
  EXPECT_EQ(AllFields("\"two\r\nlines\",z"), (std::vector<std::string>{"two\r\nlines", "z"}));
  EXPECT_EQ(AllFields("\"unterminated"), (std::vector<std::string>{"unterminated"}));
}

TEST(FieldReader, FullWidthSpacesAndCommasAreOrdinaryCharacters) {
  EXPECT_EQ(AllFields("　石垣島、那覇"), (std::vector<std::string>{"　石垣島、那覇"}));
}

TEST(FieldReader, ReadingGoesOnAcrossLinesAndMixesWithLineReading) {
  FieldReader reader("date,x\r\n各地の天気, 54 \r\nheader, with, commas\r\n");
  EXPECT_EQ(reader.ReadField(), "date");
  EXPECT_EQ(reader.ReadField(), "x");
  EXPECT_EQ(reader.ReadField(), "各地の天気");
  EXPECT_EQ(reader.ReadField(), "54 ");
  EXPECT_EQ(reader.ReadLine(), "header, with, commas");
  EXPECT_EQ(reader.ReadField(), std::nullopt);
  EXPECT_TRUE(reader.AtEnd());
}

TEST(FieldReader, SplitLinesAcceptsEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace nimbara
