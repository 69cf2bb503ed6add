# Checks that every C++ example of the documentation is code that the build compiles and a test runs: each
# ```cpp block of PAGES must follow a line
#     <!-- example: <source file> "<name>" -->
# and equal, word for word, the lines of that source file (relative to the repository root) between
# "// example: <name>" and "// end of example", taken out of their indentation. In MARKED_PAGES (the README,
# which also shows fragments) only the blocks that follow such a line are checked.
# cmake -DROOT=<repository root> -DPAGES=<page>[;<page>...] [-DMARKED_PAGES=<page>...] -P CheckExamples.cmake
cmake_minimum_required(VERSION 3.25)

set(fence "```cpp\n")
set(failures "")
set(examples 0)

# The marked region of <source> called <name>, without the indentation of its marker, in <variable>.
function(read_example variable source name)
    if(NOT EXISTS ${ROOT}/${source})
        message(FATAL_ERROR "${source} does not exist")
    endif()
    file(READ ${ROOT}/${source} code)
    # A newline before the first line, so that a marker there is found as on any other.
    string(PREPEND code "\n")
    string(REGEX MATCH "\n( *)// example: ${name}\n" marker "${code}")
    if(NOT marker)
        message(FATAL_ERROR "${source} has no example called ${name}")
    endif()
    set(indent "${CMAKE_MATCH_1}")
    string(FIND "${code}" "${marker}" start)
    string(LENGTH "${marker}" length)
    math(EXPR start "${start} + ${length}")
    string(SUBSTRING "${code}" ${start} -1 code)
    string(FIND "${code}" "\n${indent}// end of example\n" end)
    if(end EQUAL -1)
        message(FATAL_ERROR "The example ${name} of ${source} has no end")
    endif()
    # With a newline before the first line, so that every line loses the indentation alike.
    math(EXPR end "${end} + 1")
    string(SUBSTRING "\n${code}" 0 ${end} code)
    string(REPLACE "\n${indent}" "\n" code "${code}")
    string(SUBSTRING "${code}" 1 -1 code)
    set(${variable} "${code}\n" PARENT_SCOPE)
endfunction()

foreach(page IN LISTS PAGES MARKED_PAGES)
    file(READ ${ROOT}/${page} text)
    set(rest "${text}")
    while(TRUE)
        string(FIND "${rest}" "${fence}" at)
        if(at EQUAL -1)
            break()
        endif()
        string(SUBSTRING "${rest}" 0 ${at} before)
        string(LENGTH "${fence}" length)
        math(EXPR at "${at} + ${length}")
        string(SUBSTRING "${rest}" ${at} -1 rest)
        string(FIND "${rest}" "```\n" end)
        string(SUBSTRING "${rest}" 0 ${end} block)
        string(SUBSTRING "${rest}" ${end} -1 rest)

        if(NOT before MATCHES "<!-- example: ([^ ]+) \"([^\"]+)\" -->\n$")
            if(NOT page IN_LIST MARKED_PAGES)
                string(APPEND failures "${page}: a C++ block that comes from no test:\n${block}\n")
            endif()
            continue()
        endif()
        set(source ${CMAKE_MATCH_1})
        set(name ${CMAKE_MATCH_2})
        math(EXPR examples "${examples} + 1")
        read_example(code ${source} "${name}")
        if(NOT block STREQUAL code)
            string(APPEND failures "${page}: the example \"${name}\" differs from ${source}; the page has\n"
                "${block}\nand the test\n${code}\n")
        endif()
    endwhile()
endforeach()

if(failures)
    message(FATAL_ERROR "${failures}")
endif()
message(STATUS "${examples} examples match their tests")
