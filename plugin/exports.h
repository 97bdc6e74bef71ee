// The plug-in's export table: ten functions, stdcall on 32-bit Windows, every argument
// and integer result one 32-bit value, every text a zero-terminated Windows-1252 text
// that the plug-in owns and keeps valid until the same function is called again.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define KELOTARHU_CALL __stdcall
#define KELOTARHU_EXPORT
#else
#define KELOTARHU_CALL
#define KELOTARHU_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// Ordinal 1: the flag-image path on a flag day, else the empty text.
KELOTARHU_EXPORT const char* KELOTARHU_CALL GetFlag(std::uint32_t host, const char* flag_path);
// Ordinal 2: today's feasts, with "." on a red day when red_answer is "K" or "k".
KELOTARHU_EXPORT const char* KELOTARHU_CALL GetHoliday(std::uint32_t host, const char* red_answer);
// Ordinal 3: today's Finnish and/or Finland-Swedish names.
KELOTARHU_EXPORT const char* KELOTARHU_CALL GetNameDay(std::uint32_t host,
                                                       const char* finnish_answer,
                                                       const char* swedish_answer,
                                                       const char* separator);
// Ordinal 4: the option descriptor of a display function, else the empty text.
KELOTARHU_EXPORT const char* KELOTARHU_CALL getparam(const char* function_name);
// Ordinal 5: always 1.
KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL dlltype();
// Ordinal 6: "GetNameDay|GetHoliday|GetFlag".
KELOTARHU_EXPORT const char* KELOTARHU_CALL init();
// Ordinal 7: information text 0-6, else the empty text.
KELOTARHU_EXPORT const char* KELOTARHU_CALL getinfo(std::uint32_t type);
// Ordinal 8: does nothing, returns 0.
KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL configure();
// Ordinal 9: stops the plug-in; returns 0.
KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL dllshutdown(std::uint32_t unused);
// Ordinal 10: starts the plug-in and builds this year's table; returns the start count.
KELOTARHU_EXPORT std::int32_t KELOTARHU_CALL dllstartup(std::uint32_t unused1,
                                                        std::uint32_t unused2);

}  // extern "C"
