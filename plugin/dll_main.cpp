// Windows only: what the library gives back when a host unloads it with FreeLibrary.
//
// The C++ runtime is linked into the DLL, and its exception-handling code allocates an
// emergency buffer (about 20 KiB) when the DLL loads, which it never frees: it expects
// to live until the process ends. A host that loads and frees the plug-in again and
// again would lose that buffer every time. __gnu_cxx::__freeres (libstdc++'s hook for
// leak checkers, declared here as the library has no header for it) frees it.
#include <windows.h>

namespace __gnu_cxx {
void __freeres() noexcept;
}

// A null `reserved` means FreeLibrary; at process exit there is nothing to give back.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) __gnu_cxx::__freeres();
  return TRUE;
}
