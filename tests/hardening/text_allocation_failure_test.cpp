// The plug-in's texts report a failed allocation by their result and keep what they
// held, so that a call cut short by lack of memory leaves nothing half-written.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "calendar/text.h"
#include "calendar/year_table.h"
#include "calendar/year_table_writer.h"
#include "failing_allocator.h"

namespace {

using kelotarhu::calendar::Text;
using kelotarhu::calendar::YearTable;
using kelotarhu::calendar::YearTableWriter;
using kelotarhu::hardening::FailingAllocations;
using kelotarhu::hardening::LargestAllocation;

struct Growth {
  const char* name;
  bool (*grow)(Text& text, std::string_view more);
};

constexpr Growth kGrowths[] = {
    {"Assign", [](Text& text, std::string_view more) { return text.Assign(more); }},
    {"Append", [](Text& text, std::string_view more) { return text.Append(more); }},
    {"Reserve",
     [](Text& text, std::string_view more) { return text.Reserve(text.size() + more.size()); }},
};

TEST(TextAllocationFailure, AFailedGrowthKeepsTheTextAndTheNextOneSucceeds) {
  for (const Growth& growth : kGrowths) {
    SCOPED_TRACE(growth.name);
    Text text;
    ASSERT_TRUE(text.Assign("Vappu"));
    const std::string more(LargestAllocation() + 1, 'x');  // fits no buffer held yet
    bool grown = true;
    {
      FailingAllocations out_of_memory;
      grown = growth.grow(text, more);
    }
    EXPECT_FALSE(grown);
    EXPECT_STREQ(text.c_str(), "Vappu");
    EXPECT_EQ(text.size(), 5u);
    EXPECT_TRUE(growth.grow(text, more));
  }
}

TEST(TextAllocationFailure, AJoiningPlacementThatFailsKeepsTheDaysFeasts) {
  YearTable table;
  YearTableWriter writer(table);
  ASSERT_TRUE(writer.SetFeast(5, 1, "Vappu"));
  const std::string name(LargestAllocation() + 1, 'x');
  bool placed = true;
  {
    FailingAllocations out_of_memory;
    placed = writer.AddFeast(5, 1, name);
  }
  EXPECT_FALSE(placed);
  EXPECT_EQ(table.Lookup(5, 1).Feasts, "Vappu");
}

TEST(Text, IsNeverNullAndEmptyUntilFilled) {
  Text text;
  ASSERT_NE(text.c_str(), nullptr);
  EXPECT_STREQ(text.c_str(), "");
  EXPECT_TRUE(text.Append(""));
  EXPECT_TRUE(text.empty());
  ASSERT_TRUE(text.Append("Joulu"));
  ASSERT_TRUE(text.Append("aatto"));
  EXPECT_STREQ(text.c_str(), "Jouluaatto");
  text.clear();
  EXPECT_STREQ(text.c_str(), "");
}

}  // namespace
