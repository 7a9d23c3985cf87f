#include "config/text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace vornik {
namespace {

TEST(TextTest, ToLowerChangesOnlyAsciiCapitals) {
  EXPECT_EQ(to_lower("ABC-xyz"), "abc-xyz");
  EXPECT_EQ(to_lower("C:\\Work\\Plan.TXT"), "c:\\work\\plan.txt");
  EXPECT_EQ(to_lower("@[`{"), "@[`{");  // the bytes just outside A..Z
  std::string high;
  for (int byte = 128; byte < 256; ++byte) high.push_back(static_cast<char>(byte));
  EXPECT_EQ(to_lower(high), high);
  EXPECT_EQ(to_lower(""), "");
}

TEST(TextTest, TrimStripsOnlyBlankTabCrLfAtTheEnds) {
  const struct {
    std::string input;
    std::string expected;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {" \t\r\n", ""},
      {"\ta b\r\n", "a b"},
      {"x", "x"},
      {"  x  ", "x"},
      {"a \t b", "a \t b"},
      {"\va\f", "\va\f"},            // vertical tab and form feed stay
      {" \xA0x\xA0 ", "\xA0x\xA0"},  // so do bytes above 127
  };
  for (const auto& c : cases) EXPECT_EQ(trim(c.input), c.expected) << '"' << c.input << '"';
}

TEST(TextTest, ReadTextLineDropsLineEndsAndReadsALastLineWithoutOne) {
  std::istringstream in("one\r\ntwo\n\nlast");
  std::vector<std::string> lines;
  std::string line;
  while (read_text_line(in, line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "last"}));
}

}  // namespace
}  // namespace vornik
