#include "insert/template_markers.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

std::string Fill(const NumberedTemplate& numbered,
                 const std::vector<std::string>& values) {
  std::vector<std::string> names;
  for (const TemplateParameter& parameter : numbered.parameters)
    names.push_back(ParameterRowName(parameter));
  std::vector<ParameterAnswer> answers;
  for (size_t n = 0; n < values.size(); ++n)
    answers.push_back({names[n], values[n]});
  return FillMarkers(numbered.text, numbered.parameters, answers);
}

TEST(TemplateMarkersTest, NumbersRequiredAndOptionalMarkers) {
  const auto numbered = NumberMarkers("f([[[E/x]]][[[EO,/y]]])");
  ASSERT_TRUE(numbered);
  EXPECT_EQ(numbered->text, "f([[[%0]]][[[%1]]])");
  ASSERT_EQ(numbered->parameters.size(), 2u);
  EXPECT_EQ(ParameterRowName(numbered->parameters[0]), "x");
  EXPECT_EQ(ParameterRowName(numbered->parameters[1]), "y - Optional");
  EXPECT_EQ(numbered->parameters[0].prefix, "");
  EXPECT_EQ(numbered->parameters[1].prefix, ",");
}

TEST(TemplateMarkersTest, EmptyOptionalAnswerDropsItsMarkerAndPrefix) {
  const auto numbered = NumberMarkers("f([[[E/x]]][[[EO,/y]]])");
  EXPECT_EQ(Fill(*numbered, {"1", ""}), "f(1)");
  EXPECT_EQ(Fill(*numbered, {"1", "2"}), "f(1,2)");
}

TEST(TemplateMarkersTest, EmptyRequiredAnswerKeepsItsPrefix) {
  const auto numbered = NumberMarkers("f([[[E/a]]][[[E,/b]]])");
  EXPECT_EQ(Fill(*numbered, {"", ""}), "f(,)");
}

TEST(TemplateMarkersTest, DefaultFollowsTheSeparator) {
  const auto numbered = NumberMarkers("g([[[E/n/|/10]]])");
  ASSERT_TRUE(numbered);
  EXPECT_EQ(numbered->parameters[0].label, "n");
  EXPECT_EQ(numbered->parameters[0].default_value, "10");
}

TEST(TemplateMarkersTest, OptionalWithDefaultAndPrefix) {
  const auto numbered = NumberMarkers("h([[[E/a]]][[[EO,/b/|/0]]])");
  const TemplateParameter& b = numbered->parameters[1];
  EXPECT_TRUE(b.optional);
  EXPECT_EQ(b.prefix, ",");
  EXPECT_EQ(b.label, "b");
  EXPECT_EQ(b.default_value, "0");
}

TEST(TemplateMarkersTest, OptionalWithoutPrefix) {
  const auto numbered = NumberMarkers("m([[[EO/$as_float/|/false]]])");
  EXPECT_EQ(numbered->parameters[0].prefix, "");
  EXPECT_EQ(numbered->parameters[0].label, "$as_float");
}

TEST(TemplateMarkersTest, MarkerWithoutFlagsKeepsThePreviousKind) {
  const auto numbered = NumberMarkers("[[[EO/a]]][[[/b]]][[[E/c]]][[[x/d]]]");
  ASSERT_EQ(numbered->parameters.size(), 4u);
  EXPECT_TRUE(numbered->parameters[1].optional);
  EXPECT_FALSE(numbered->parameters[3].optional);
}

TEST(TemplateMarkersTest, FirstMarkerWithoutFlagsIsRequired) {
  const auto numbered = NumberMarkers("[[[/a]]]");
  EXPECT_FALSE(numbered->parameters[0].optional);
}

TEST(TemplateMarkersTest, OWinsEvenWithoutE) {
  const auto numbered = NumberMarkers("[[[XO,/a]]]");
  EXPECT_TRUE(numbered->parameters[0].optional);
  EXPECT_EQ(numbered->parameters[0].prefix, ",");
}

TEST(TemplateMarkersTest, NoMarkerGoesInAsItIs) {
  EXPECT_FALSE(NumberMarkers("time()"));
  EXPECT_FALSE(NumberMarkers(""));
  EXPECT_FALSE(NumberMarkers("a ]]] b"));
}

TEST(TemplateMarkersTest, UnclosedFirstMarkerGoesInAsItIs) {
  EXPECT_FALSE(NumberMarkers("f([[[E/x)"));
}

TEST(TemplateMarkersTest, UnclosedLaterMarkerStaysLiteral) {
  const auto numbered = NumberMarkers("f([[[E/x]]], [[[E/y)");
  ASSERT_EQ(numbered->parameters.size(), 1u);
  EXPECT_EQ(numbered->text, "f([[[%0]]], [[[E/y)");
  EXPECT_EQ(Fill(*numbered, {"1"}), "f(1, [[[E/y)");
}

TEST(TemplateMarkersTest, MarkerWithoutSlashHasEmptyLabelAndPrefix) {
  const auto numbered = NumberMarkers("[[[E,x]]]");
  EXPECT_EQ(numbered->parameters[0].label, "");
  EXPECT_EQ(numbered->parameters[0].prefix, "");
}

TEST(TemplateMarkersTest, SlashAfterTheMarkerGivesEmptyLabel) {
  const auto numbered = NumberMarkers("[[[E]]] a/b");
  EXPECT_EQ(numbered->parameters[0].label, "");
  EXPECT_EQ(numbered->text, "[[[%0]]] a/b");
}

TEST(TemplateMarkersTest, LabelRunsToTheFirstClose) {
  const auto numbered = NumberMarkers("[[[E/a/b]]]c]]]");
  EXPECT_EQ(numbered->parameters[0].label, "a/b");
  EXPECT_EQ(numbered->text, "[[[%0]]]c]]]");
}

TEST(TemplateMarkersTest, AnswersWithQuotesGoInAsTyped) {
  const auto numbered = NumberMarkers("echo [[[E/s]]];");
  EXPECT_EQ(Fill(*numbered, {"\"a\""}), "echo \"a\";");
}

TEST(TemplateMarkersTest, OptionalRowIsKnownByItsName) {
  const auto numbered = NumberMarkers("f([[[E/x - Optional]]])");
  EXPECT_EQ(Fill(*numbered, {""}), "f()");
}

}  // namespace
}  // namespace quillory
