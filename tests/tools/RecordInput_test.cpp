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

TEST(RecordInput, JsonErrorsNameTheirLine) {
  const std::pair<std::string, int> cases[] = {
      {"{\"a\": 1} x", 1},         {"{\n\"a\": \"open", 2},   {"{\"a\": 01}", 1},       {"{\"a\": 1.}", 1},
      {"{\"a\" 1}", 1},            {"{\"a\": 1,}", 1},        {"[1,\n\n2", 3},          {"\"\\x\"", 1},
      {"\"\\ud800\"", 1},          {"\"\\udc00\"", 1},        {"\"\\u12\"", 1},         {"\"tab\there\"", 1},
      {"{a: 1}", 1},               {"", 1},                   {"tru", 1},               {"-", 1},
      {std::string(65, '[') + std::string(65, ']'), 1}};
  for (auto const& [text, line] : cases) {
    try {
      parseJson(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (InputError const& e) {
      EXPECT_EQ(e.line(), line) << text << ": " << e.what();
    }
  }
  EXPECT_NO_THROW(parseJson(std::string(64, '[') + std::string(64, ']')));
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
