# Build settings shared by every module of the project: qel_apply_defaults() and the C++ runtime DLLs.
#
# The library throws C++ exceptions across DLL boundaries into its host, so every module links one shared
# copy of libgcc and libstdc++ (the MinGW default; never -static or -static-libgcc). Those DLLs are copied
# into the common output folder at build time and installed beside the binaries.

set(QEL_SOURCE_ROOT ${PROJECT_SOURCE_DIR})
set(QEL_OUTPUT_DIR ${CMAKE_BINARY_DIR}/bin)

# Adds target <name> (built by default) that keeps copies of <source>... in <dir>. A source is a file or the
# name of a target, whose built file is copied. The copy runs at every build and rewrites only the copies that
# differ; target files cannot name the outputs of a custom command, so the copies are the target's commands.
function(qel_add_copy_target name dir)
    set(files)
    set(targets)
    foreach(source IN LISTS ARGN)
        if(TARGET ${source})
            list(APPEND files $<TARGET_FILE:${source}>)
            list(APPEND targets ${source})
        else()
            list(APPEND files ${source})
        endif()
    endforeach()
    add_custom_target(${name} ALL
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} ${dir}
        COMMENT "Copying to ${dir}"
        VERBATIM)
    if(targets)
        add_dependencies(${name} ${targets})
    endif()
endfunction()

# Adds target <name> that keeps copies of program targets <program>... in <dir> with the interposer
# opengl32.dll and the DLLs that they need beside them: unmodified programs as a user runs them under the
# library (under Wine with WINEDLLOVERRIDES=opengl32=n,b).
function(qel_add_interposed_copy name dir)
    qel_add_copy_target(${name} ${dir} ${ARGN} qel_interposer qel_ogl qel_core ${QEL_RUNTIME_DLLS})
endfunction()

# Adds Windows program <name> built from C source <source> as its users build it: with the system's libraries
# only, and none of the project's.
function(qel_add_plain_program name source)
    add_executable(${name} WIN32 ${source})
    target_link_libraries(${name} PRIVATE opengl32 glu32 gdi32 user32)
    qel_apply_defaults(${name})
endfunction()

# Sets QEL_RUNTIME_DLLS to the full paths of the compiler's runtime DLLs; fails when one cannot be found.
function(qel_find_runtime_dlls)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(names libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    else()
        set(names libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll)
    endif()
    set(dlls)
    foreach(name IN LISTS names)
        # The driver answers the bare name when it has no such file.
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "The C++ runtime DLL ${name} was not found by ${CMAKE_CXX_COMPILER} "
                "(-print-file-name answered '${path}'); every module must share the compiler's runtime DLLs.")
        endif()
        file(REAL_PATH "${path}" path)
        list(APPEND dlls ${path})
    endforeach()
    set(QEL_RUNTIME_DLLS ${dlls} PARENT_SCOPE)
endfunction()

if(MINGW)
    qel_find_runtime_dlls()
    message(STATUS "C++ runtime DLLs: ${QEL_RUNTIME_DLLS}")
    qel_add_copy_target(qel_runtime_dlls ${QEL_OUTPUT_DIR} ${QEL_RUNTIME_DLLS})
    install(FILES ${QEL_RUNTIME_DLLS} DESTINATION bin)
endif()

# Applies the project's compiler settings and output layout to <target> (a library or an executable).
function(qel_apply_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_17)
    set_target_properties(${target} PROPERTIES
        CXX_EXTENSIONS OFF
        RUNTIME_OUTPUT_DIRECTORY ${QEL_OUTPUT_DIR}
        LIBRARY_OUTPUT_DIRECTORY ${QEL_OUTPUT_DIR}
        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
    if(MSVC)
        # MSVC has no prefix map for __FILE__: exception texts carry the full path of the source there.
        target_compile_options(${target} PRIVATE /W4 /permissive- $<$<BOOL:${QEL_WARNINGS_AS_ERRORS}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra
            $<$<BOOL:${QEL_WARNINGS_AS_ERRORS}>:-Werror>
            # __FILE__ relative to the repository root, the file name that exception texts carry.
            -fmacro-prefix-map=${QEL_SOURCE_ROOT}/=)
    endif()

    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
        # qel_core.dll, not MinGW's default libqel_core.dll.
        set_target_properties(${target} PROPERTIES PREFIX "")
    endif()
    if(TARGET qel_runtime_dlls AND type MATCHES "^(SHARED_LIBRARY|EXECUTABLE)$")
        add_dependencies(${target} qel_runtime_dlls)
    endif()
endfunction()
