#pragma once

// Marks what the qel_ogl DLL exports: dllexport while the library itself is built, dllimport for hosts,
// nothing on platforms without DLLs (the native sanitizer build of the platform-free core).
#if defined(_WIN32)
#  if defined(QEL_OGL_BUILDING)
#    define QEL_OGL_API __declspec(dllexport)
#  else
#    define QEL_OGL_API __declspec(dllimport)
#  endif
#else
#  define QEL_OGL_API
#endif
