// The option descriptors of the real library where only Windows can show them: the
// executable path that cannot be had, and the real path of the host program (the
// other cases are in tests/behaviour).
#include <string>

#include "tests/win32/dll_test.h"

namespace kelotarhu::test {
namespace {

constexpr char kFlagQuestion[] = "Polku jossa lipun kuva sijaitsee=";

using DescriptorTest = DllTest;

TEST_F(DescriptorTest, FlagDescriptorWhenThePathCannotBeHad) {
  host_.FailExecutablePath();
  EXPECT_EQ(Text(dll().getparam("GetFlag")), std::string(kFlagQuestion) + "plugins\\flag.gif|");
}

TEST_F(DescriptorTest, FlagDescriptorOfTheRealExecutable) {
  // The path of this test program, as Windows reports it to the host itself.
  char executable[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameA(nullptr, executable, sizeof executable);
  ASSERT_GT(length, 0u);
  const std::string path(executable, length);
  const std::string folder = path.substr(0, path.find_last_of("\\:") + 1);
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(Text(dll().getparam("GetFlag")), kFlagQuestion + folder + "plugins\\flag.gif|");
}

}  // namespace
}  // namespace kelotarhu::test
