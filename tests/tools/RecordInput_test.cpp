// SPDX-License-Identifier: MIT
#include "tools/common/RecordInput.h"

#include <gtest/gtest.h>

using zept::tools::InputError;
using zept::tools::InputValue;
using zept::tools::parseJson;
using zept::tools::parseKeyValues;
using zept::tools::parseRecordInput;
using Kind = InputValue::Kind;

namespace {

TEST(RecordInput, JsonValues) {
  const InputValue v = parseJson(
      " {\"name\": \"A \\\"1\\\"\\n\\u00e4\\ud83d\\ude00\", \"Mass\": -1.5e2, \"on\": true, \"off\": false, "
      "\"none\": null, \"list\": [0, {}, []], \"name\": \"second\"}\n");
  ASSERT_EQ(v.kind, Kind::Object);
  ASSERT_EQ(v.members.size(), 7u);
  EXPECT_EQ(v.find("NAME")->text, "A \"1\"\n\xc3\xa4\xf0\x9f\x98\x80");  // the first of two
  EXPECT_EQ(std::pair(v.find("mass")->number, v.find("mass")->text), std::pair(-150., std::string("-1.5e2")));
  EXPECT_EQ(std::pair(v.find("on")->boolean, v.find("off")->boolean), std::pair(true, false));
  EXPECT_EQ(v.find("off")->kind, Kind::Bool);
  EXPECT_EQ(v.find("none")->kind, Kind::Null);
  auto const& list = v.find("list")->items;
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(std::tuple(list[0].kind, list[1].kind, list[2].kind), std::tuple(Kind::Number, Kind::Object, Kind::Array));
  EXPECT_EQ(v.find("missing"), nullptr);
  EXPECT_EQ(list[0].find("x"), nullptr);
}

TEST(RecordInput, JsonErrorsNameTheirLineAndColumn) {
  struct Case {
    std::string text;
    int line, column;
  };
  const Case cases[] = {
      {"{\"a\": 1} x", 1, 10},      {"{\n\"a\": \"open", 2, 11},   {"{\"a\": 01}", 1, 8},
      {"{\"a\": 1.}", 1, 9},        {"{\"a\" 1}", 1, 6},            {"{\"a\": 1,}", 1, 9},
      {"[1,\n\n2", 3, 2},           {"\"\\x\"", 1, 3},             {"\"\\ud800\"", 1, 8},
      {"\"\\udc00\"", 1, 7},        {"\"\\u12\"", 1, 6},           {"\"tab\there\"", 1, 5},
      {"{a: 1}", 1, 2},              {"", 1, 1},                     {"tru", 1, 4},
      {"-", 1, 2},                   {"\"\xff\"", 1, 2},             {"[1,\n 1e400]", 2, 2},
      {"{\"\u00e9\": -1e999}", 1, 7}, {std::string(65, '[') + std::string(65, ']'), 1, 65}};
  for (auto const& c : cases) {
    try {
      parseJson(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (InputError const& e) {
      EXPECT_EQ(std::pair(e.line(), e.column()), std::pair(c.line, c.column)) << c.text << ": " << e.what();
    }
  }
  EXPECT_NO_THROW(parseJson(std::string(64, '[') + std::string(64, ']')));
}

// Each value knows where it starts, in characters, so that a value of the
// wrong kind can be pointed at.
TEST(RecordInput, ValuesKnowWhereTheyStart) {
  const InputValue v = parseJson("{\n  \"mass\": 1.5e0,\n  \"list\": [true, \"\u00e9\u00e9\", null, {}, -2]\n}");
  EXPECT_EQ(std::pair(v.line, v.column), std::pair(1, 1));
  InputValue const& mass = *v.find("mass");
  EXPECT_EQ(std::tuple(mass.line, mass.column, mass.text), std::tuple(2, 11, std::string("1.5e0")));
  std::vector<std::pair<int, int>> starts;
  for (auto const& item : v.find("list")->items) starts.emplace_back(item.line, item.column);
  EXPECT_EQ(starts, (std::vector<std::pair<int, int>>{{3, 12}, {3, 18}, {3, 24}, {3, 30}, {3, 34}}));

  const InputValue lines = parseKeyValues("a=1\n  b =  \u00e9x \n");
  EXPECT_EQ(std::pair(lines.find("a")->line, lines.find("a")->column), std::pair(1, 3));
  EXPECT_EQ(std::pair(lines.find("b")->line, lines.find("b")->column), std::pair(2, 8));
}

TEST(RecordInput, KeyValueLines) {
  const InputValue v = parseKeyValues("# a comment\n name = AP 1 \r\n\nformula=a=b\nempty=\n");
  ASSERT_EQ(v.members.size(), 3u);
  EXPECT_EQ(v.members[0].first, "name");
  EXPECT_EQ(v.find("name")->text, "AP 1");
  EXPECT_EQ(v.find("formula")->text, "a=b");
  EXPECT_EQ(std::pair(v.find("empty")->kind, v.find("empty")->text), std::pair(Kind::Text, std::string()));
  try {
    parseKeyValues("a=1\n\nno equals\n");
    ADD_FAILURE();
  } catch (InputError const& e) {
    EXPECT_EQ(e.line(), 3);
  }
  EXPECT_EQ(parseRecordInput("\n  {\"a\": 2}").find("a")->number, 2);
  EXPECT_EQ(parseRecordInput("a={\"b\"}").find("a")->text, "{\"b\"}");
  EXPECT_EQ(parseRecordInput("").members.size(), 0u);
}

}  // namespace
