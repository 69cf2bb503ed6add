# 32-bit Windows target, the library's shipping form. Built and inspected here; its programs cannot run here.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QEL_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
