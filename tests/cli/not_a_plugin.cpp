// A library that has one of the plug-in's exports but not the others.
#include "plugin/exports.h"

extern "C" KELOTARHU_EXPORT const char* KELOTARHU_CALL init() { return "GetNameDay"; }
