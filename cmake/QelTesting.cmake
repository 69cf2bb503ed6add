# Test programs: GoogleTest from Debian's sources, built with the cross compiler, and qel_add_test().
#
# Every test program is one ctest entry, run under the crosscompiling emulator (wine64) with the build's own
# Wine prefix. The caller keeps one wineserver and one X display alive around ctest (scripts/test.sh).

set(QEL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(QEL_FAKEGL_DIR ${CMAKE_BINARY_DIR}/fakegl)

# GoogleTest is built from source with the project's compiler: Debian's googletest package by default.
set(QEL_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source folder")
# gtest's own install rules would drag it into ours.
set(INSTALL_GTEST OFF)
add_subdirectory(${QEL_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# qel_add_test(<name> SOURCES <file>... [LIBS <library>...] [FAKEGL])
#
# Builds test program <name> from SOURCES with GoogleTest and GoogleMock (and their main), links LIBS, and
# registers it with ctest. Without FAKEGL the program lands in the common output folder and sees Wine's own
# opengl32. With FAKEGL it lands in ${CMAKE_BINARY_DIR}/fakegl beside the stand-in opengl32.dll (target
# fakegl_opengl32), which replaces every opengl32 in LIBS and which Wine is told to prefer over its own; the
# project's DLLs and the C++ runtime are copied there, since Windows looks for DLLs beside the program.
function(qel_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "FAKEGL" "" "SOURCES;LIBS")
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "qel_add_test(${name}): unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()

    add_executable(${name} ${ARG_SOURCES})
    qel_apply_defaults(${name})
    set(environment WINEPREFIX=${QEL_WINEPREFIX} WINEDEBUG=-all)

    set(libs ${ARG_LIBS})
    if(ARG_FAKEGL)
        if(NOT TARGET fakegl_opengl32)
            message(FATAL_ERROR "qel_add_test(${name} FAKEGL): the stand-in driver fakegl_opengl32 is not defined")
        endif()
        list(REMOVE_ITEM libs opengl32)
        list(APPEND libs fakegl_opengl32)
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QEL_FAKEGL_DIR})
        if(NOT TARGET qel_fakegl_dlls)
            qel_add_copy_target(qel_fakegl_dlls ${QEL_FAKEGL_DIR} qel_core qel_ogl ${QEL_RUNTIME_DLLS})
        endif()
        add_dependencies(${name} qel_fakegl_dlls)
        # Native (the DLL beside the program) before Wine's builtin.
        list(APPEND environment WINEDLLOVERRIDES=opengl32=n,b)
    endif()
    target_link_libraries(${name} PRIVATE ${libs} GTest::gmock_main)

    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()
