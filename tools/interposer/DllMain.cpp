// The interposer opengl32.dll holds no code of its own: each of its exports forwards to qel_ogl.dll's function
// for it. This entry point only tells the loader that the DLL is ready.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
