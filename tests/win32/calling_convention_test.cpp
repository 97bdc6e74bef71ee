// The calling convention of the shipped exports, checked in the machine code: under
// stdcall the called function removes its own arguments from the stack, 4 bytes each.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/win32/dll_test.h"

namespace kelotarhu::test {
namespace {

// Pushes `count` zero arguments, calls `function`, restores the stack and returns how
// many bytes of arguments the function removed: 4 × count for stdcall, 0 for cdecl.
std::uint32_t ArgumentBytesRemovedBy(const void* function, std::uint32_t count) {
  std::uint32_t removed = 0;
  // eax holds the function and ecx the count; the call may change both, and edx.
  // edi keeps the stack pointer of before the pushes, esi that of just before the call.
  asm volatile(
      "movl %%esp, %%edi\n\t"
      "1:\n\t"
      "testl %%ecx, %%ecx\n\t"
      "jz 2f\n\t"
      "pushl $0\n\t"
      "decl %%ecx\n\t"
      "jmp 1b\n\t"
      "2:\n\t"
      "movl %%esp, %%esi\n\t"
      "call *%%eax\n\t"
      "movl %%esp, %[removed]\n\t"
      "subl %%esi, %[removed]\n\t"
      "movl %%edi, %%esp\n\t"
      : [removed] "=&b"(removed), "+a"(function), "+c"(count)
      :
      : "edx", "esi", "edi", "memory", "cc");
  return removed;
}

struct ExportArity {
  const char* name;
  const void* function;
  std::uint32_t arguments;
};

template <typename Function>
const void* CodeOf(Function function) {
  return reinterpret_cast<const void*>(function);
}

using CallingConventionTest = DllTest;

TEST_F(CallingConventionTest, EveryExportRemovesItsOwnArguments) {
  host_.SetToday(2025, 12, 6);
  const std::vector<ExportArity> exports = {
      {"GetFlag", CodeOf(dll().GetFlag), 2},       {"GetHoliday", CodeOf(dll().GetHoliday), 2},
      {"GetNameDay", CodeOf(dll().GetNameDay), 4}, {"getparam", CodeOf(dll().getparam), 1},
      {"dlltype", CodeOf(dll().dlltype), 0},       {"init", CodeOf(dll().init), 0},
      {"getinfo", CodeOf(dll().getinfo), 1},       {"configure", CodeOf(dll().configure), 0},
      {"dllstartup", CodeOf(dll().dllstartup), 2}, {"dllshutdown", CodeOf(dll().dllshutdown), 1},
  };
  // Twice through the list: the display functions run first before any start, then
  // after a start and a shutdown.
  for (int round = 0; round < 2; ++round) {
    for (const ExportArity& entry : exports) {
      SCOPED_TRACE(entry.name + std::string(" in round ") + std::to_string(round));
      EXPECT_EQ(ArgumentBytesRemovedBy(entry.function, entry.arguments), 4 * entry.arguments);
    }
  }
  // The calls through the machine code did reach the plug-in: it was started twice.
  EXPECT_EQ(dll().dllstartup(0, 0), 3);
}

}  // namespace
}  // namespace kelotarhu::test
