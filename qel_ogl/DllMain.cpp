// The load hook of qel_ogl.dll. Loading the library does no work of its own: the host turns it on with a
// context (Library::initializeExtensionator). The library makes no threads and keeps no per-thread state, so
// the per-thread attach and detach notifications are switched off.

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        DisableThreadLibraryCalls(module);
    return TRUE;
}
