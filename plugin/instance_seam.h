// Native builds only: gives the exported functions a fresh plug-in instance, in the
// state that unloading and loading the library again would leave, so that a test
// program that drives the exports many times over (the fuzzer) starts each run anew.
// The Windows DLL has no such seam.
#pragma once

namespace kelotarhu::plugin {

void ReplaceInstanceWithFresh();

}  // namespace kelotarhu::plugin
