#include "app/console.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vornik {
namespace {

TEST(ConsoleTest, AnswerSkipsWhiteSpaceAndLeavesTheRestOfTheLine) {
  std::istringstream in(" \t\r\n\v\f yes\n");
  EXPECT_EQ(read_answer(in), 'y');
  EXPECT_EQ(read_answer(in), 'e');
  EXPECT_EQ(read_answer(in), 's');
  EXPECT_EQ(read_answer(in), '\0');  // end of input
  EXPECT_EQ(read_answer(in), '\0');
}

TEST(ConsoleTest, OnlyLowerOrUpperYGoesOn) {
  const struct {
    const char* input;
    bool goes_on;
  } cases[] = {
      {"y", true},  {"Y\n", true},    {"\n\n  y", true}, {"yes", true},
      {"n", false}, {"N", false},     {"a", false},      {"\xFF", false},
      {"", false},  {"\n \n", false},  // end of input is a refusal
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out;
    EXPECT_EQ(ask_yes_no("Go on? ", in, out), c.goes_on) << '"' << c.input << '"';
    EXPECT_EQ(out.str(), "Go on? ");  // the question alone, without a line end
  }
}

TEST(ConsoleTest, RestOfTheLineAnswersTheNextQuestion) {
  std::istringstream in("ye\n");
  std::ostringstream out;
  EXPECT_TRUE(ask_yes_no("First? ", in, out));
  EXPECT_FALSE(ask_yes_no("Second? ", in, out));
  EXPECT_EQ(out.str(), "First? Second? ");
}

TEST(ConsoleTest, PrintLineEndsTheLine) {
  std::ostringstream out;
  print_line(out, "Quitting.");
  print_line(out, "");
  EXPECT_EQ(out.str(), "Quitting.\n\n");
}

}  // namespace
}  // namespace vornik
