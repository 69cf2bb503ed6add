# qel_add_replay(<name> TEXT <file> [DATA <file>] [WIDTH <pixels>] [HEIGHT <pixels>]
#                [COLOR_BITS <n> ALPHA_BITS <n> DEPTH_BITS <n> STENCIL_BITS <n> ACCUM_BITS <n> DOUBLE_BUFFER <ON|OFF>]
#                [OUTPUT_DIRECTORY <folder>] [EXCLUDE_FROM_ALL])
#
# Builds replay program <name> from a recording: the recorded source text TEXT (both recorders' statements)
# becomes the body of one function, and DATA is the data file that the program reads unless its first argument
# names another. The replay draws into a window of WIDTH x HEIGHT pixels (640 x 480 by default), which should
# be the size of the recording's window; given the six pixel-format bits of the recording's window, the
# replay's window takes a format with the same bits, so that what a frame reads back can match. The text is
# read when the program is compiled, not when CMake runs: with EXCLUDE_FROM_ALL the default build leaves the
# program out, so that a test can record the text first and build the program afterwards.
#
# In this project's build the program lands in the common output folder beside the DLLs. From an installed
# package (find_package(qel_ogl)) it lands in OUTPUT_DIRECTORY (the current binary folder by default), and the
# DLLs it needs are copied beside it.

function(qel_add_replay name)
    set(replay_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    set(bits COLOR_BITS ALPHA_BITS DEPTH_BITS STENCIL_BITS ACCUM_BITS DOUBLE_BUFFER)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "EXCLUDE_FROM_ALL" "TEXT;DATA;WIDTH;HEIGHT;OUTPUT_DIRECTORY;${bits}" "")
    if(ARG_UNPARSED_ARGUMENTS OR NOT ARG_TEXT)
        message(FATAL_ERROR "qel_add_replay(${name} TEXT <file> [DATA <file>] [WIDTH <w>] [HEIGHT <h>] "
            "[<pixel-format bits>] [OUTPUT_DIRECTORY <folder>] [EXCLUDE_FROM_ALL]): got ${ARGN}")
    endif()
    if(NOT ARG_WIDTH)
        set(ARG_WIDTH 640)
    endif()
    if(NOT ARG_HEIGHT)
        set(ARG_HEIGHT 480)
    endif()
    set(pixel_bits std::nullopt)
    if(DEFINED ARG_COLOR_BITS)
        foreach(bit IN LISTS bits)
            if(NOT DEFINED ARG_${bit})
                message(FATAL_ERROR "qel_add_replay(${name}): ${bit} is missing; give all of ${bits} or none")
            endif()
        endforeach()
        if(ARG_DOUBLE_BUFFER)
            set(double_buffered true)
        else()
            set(double_buffered false)
        endif()
        set(pixel_bits "PixelBits{${ARG_COLOR_BITS},${ARG_ALPHA_BITS},${ARG_DEPTH_BITS},${ARG_STENCIL_BITS},${ARG_ACCUM_BITS},${double_buffered}}")
    endif()
    set(exclude)
    if(ARG_EXCLUDE_FROM_ALL)
        set(exclude EXCLUDE_FROM_ALL)
    endif()

    # One source per program, so that several replays can live in one folder.
    set(text ${ARG_TEXT})
    set(recording_source ${CMAKE_CURRENT_BINARY_DIR}/${name}_recording.cpp)
    configure_file(${replay_dir}/ReplayRecording.cpp.in ${recording_source} @ONLY)
    # The recorded text casts integer literals to handles, and reads floats through an int array. It is one
    # long run of calls with nothing to optimise, whose optimisation would take time and memory that grow
    # faster than the recording.
    if(NOT MSVC)
        set_source_files_properties(${recording_source} PROPERTIES
            COMPILE_OPTIONS "-Wno-int-to-pointer-cast;-fno-strict-aliasing;-O0")
    endif()

    add_executable(${name} ${exclude} ${replay_dir}/ReplayMain.cpp ${recording_source})
    target_compile_definitions(${name} PRIVATE
        QEL_REPLAY_WIDTH=${ARG_WIDTH} QEL_REPLAY_HEIGHT=${ARG_HEIGHT} QEL_REPLAY_DATA="${ARG_DATA}"
        QEL_REPLAY_PIXEL_BITS=${pixel_bits})
    if(TARGET qel_replay_support)
        target_link_libraries(${name} PRIVATE qel_replay_support)
        qel_apply_defaults(${name})
    else()
        target_link_libraries(${name} PRIVATE qel_ogl::qel_replay_support)
        qel_replay_package_defaults(${name} "${ARG_OUTPUT_DIRECTORY}")
    endif()
endfunction()

# The settings of a replay program built against the installed package: the language level of the library's
# headers, and the DLLs beside the program, where Windows looks for them.
function(qel_replay_package_defaults name output_directory)
    if(NOT output_directory)
        set(output_directory ${CMAKE_CURRENT_BINARY_DIR})
    endif()
    target_compile_features(${name} PRIVATE cxx_std_17)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${output_directory})
    add_custom_command(TARGET ${name} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qel_ogl_RUNTIME_DLLS} $<TARGET_FILE_DIR:${name}>
        VERBATIM)
endfunction()
