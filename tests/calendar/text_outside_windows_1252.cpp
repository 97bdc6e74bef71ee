// Not part of any program: compiling it must fail, naming the character (ō, U+014D,
// 333) that Windows-1252 lacks. Built by the test that expects the failure.
#include "calendar/windows_1252.h"

using namespace kelotarhu::calendar::literals;

const char* const kName = "Kōkeilu"_cp1252;
