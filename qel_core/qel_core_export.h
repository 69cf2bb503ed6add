#pragma once

// Marks what the qel_core DLL exports: dllexport while the library itself is built, dllimport for its users,
// nothing on platforms without DLLs (native builds of the platform-free code).
#if defined(_WIN32)
#  if defined(QEL_CORE_BUILDING)
#    define QEL_CORE_API __declspec(dllexport)
#  else
#    define QEL_CORE_API __declspec(dllimport)
#  endif
#else
#  define QEL_CORE_API
#endif
