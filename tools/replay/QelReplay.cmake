# qel_add_replay(<name> TEXT <file> [DATA <file>] [WIDTH <pixels>] [HEIGHT <pixels>] [EXCLUDE_FROM_ALL])
#
# Builds replay program <name> from a recording: the recorded source text TEXT (both recorders' statements)
# becomes the body of one function, and DATA is the data file that the program reads unless its first argument
# names another. The replay draws into a window of WIDTH x HEIGHT pixels (640 x 480 by default), which should
# be the size of the recording's window. The text is read when the program is compiled, not when CMake runs:
# with EXCLUDE_FROM_ALL the default build leaves the program out, so that a test can record the text first and
# build the program afterwards.

function(qel_add_replay name)
    set(replay_dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    cmake_parse_arguments(PARSE_ARGV 1 ARG "EXCLUDE_FROM_ALL" "TEXT;DATA;WIDTH;HEIGHT" "")
    if(ARG_UNPARSED_ARGUMENTS OR NOT ARG_TEXT)
        message(FATAL_ERROR "qel_add_replay(${name} TEXT <file> [DATA <file>] [WIDTH <w>] [HEIGHT <h>] "
            "[EXCLUDE_FROM_ALL]): got ${ARGN}")
    endif()
    if(NOT ARG_WIDTH)
        set(ARG_WIDTH 640)
    endif()
    if(NOT ARG_HEIGHT)
        set(ARG_HEIGHT 480)
    endif()
    set(exclude)
    if(ARG_EXCLUDE_FROM_ALL)
        set(exclude EXCLUDE_FROM_ALL)
    endif()

    # One source per program, so that several replays can live in one folder.
    set(text ${ARG_TEXT})
    set(recording_source ${CMAKE_CURRENT_BINARY_DIR}/${name}_recording.cpp)
    configure_file(${replay_dir}/ReplayRecording.cpp.in ${recording_source} @ONLY)
    # The recorded text casts integer literals to handles, and reads floats through an int array.
    if(NOT MSVC)
        set_source_files_properties(${recording_source} PROPERTIES
            COMPILE_OPTIONS "-Wno-int-to-pointer-cast;-fno-strict-aliasing")
    endif()

    add_executable(${name} ${exclude} ${replay_dir}/ReplayMain.cpp ${recording_source})
    qel_apply_defaults(${name})
    target_link_libraries(${name} PRIVATE qel_replay_support)
    target_compile_definitions(${name} PRIVATE
        QEL_REPLAY_WIDTH=${ARG_WIDTH} QEL_REPLAY_HEIGHT=${ARG_HEIGHT} QEL_REPLAY_DATA="${ARG_DATA}")
endfunction()
