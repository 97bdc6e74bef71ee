// The table of options holds together: every name it refers to is an option of it, no
// name is taken twice, and everything a user reads of an option is there.
#include "cli/command/options.h"

#include <gtest/gtest.h>

#include <set>

namespace kelotarhu::cli {
namespace {

TEST(OptionTable, NamesAreTheirOwnAndReferencesResolve) {
  std::set<std::string_view> names;
  for (const OptionSpec& option : Options()) {
    EXPECT_EQ(&Option(option.id), &option);
    for (const std::string_view name : {option.name, option.short_name}) {
      if (name.empty()) continue;
      EXPECT_TRUE(names.insert(name).second) << name << " is taken twice";
      EXPECT_EQ(OptionNamed(name), &option) << name;
    }
    std::vector<std::string_view> referred = option.goes_with;
    referred.insert(referred.end(), option.not_with.begin(), option.not_with.end());
    if (option.needs) referred.push_back(option.needs->option);
    for (const std::string_view name : referred) {
      EXPECT_NE(OptionNamed(name), nullptr) << option.name << " refers to " << name;
    }
    if (option.needs && !option.needs->value.empty()) {
      EXPECT_TRUE(ChoiceIndex(*OptionNamed(option.needs->option), option.needs->value))
          << option.name << " needs a value " << option.needs->option << " does not name";
    }
  }
  EXPECT_EQ(Options().size(), kOptionCount);
}

TEST(OptionTable, EveryOptionIsExplainedInEveryLanguage) {
  for (const OptionSpec& option : Options()) {
    for (const Texts* texts : {&kFinnishTexts, &kSwedishTexts, &kEnglishTexts}) {
      EXPECT_FALSE((texts->*option.help).empty()) << option.name << " in " << texts->code;
    }
    if (option.name.empty()) continue;  // the date is explained above the options
    EXPECT_FALSE(option.manual.empty()) << option.name;
    const bool named_value =
        option.choices || option.value_name || !option.fixed_value_name.empty();
    EXPECT_EQ(named_value, option.value != ValueKind::kNone) << option.name;
  }
}

}  // namespace
}  // namespace kelotarhu::cli
