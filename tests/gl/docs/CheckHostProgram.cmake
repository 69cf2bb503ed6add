# Runs the README's host program and checks what it prints: the trace of its frame on standard output, the
# failing call's exception on standard error, and a clean exit.
# cmake -DPROGRAM=<program> [-DEMULATOR=<program that runs it>] -P CheckHostProgram.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_VARIABLE trace ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The host program failed with ${status}:\n${trace}\n${errors}")
endif()
set(file "tests/gl/docs/HostProgram.cpp")
set(expected_trace
    "${file}:14: glClearColor(makeFloat(0) /* 0 */, makeFloat(0) /* 0 */, makeFloat(1056964608) /* 0.5 */, "
    "makeFloat(1065353216) /* 1 */)\n"
    "${file}:15: glClear(16384)\n"
    "${file}:16: glRectf(makeFloat(-1090519040) /* -0.5 */, makeFloat(-1090519040) /* -0.5 */, "
    "makeFloat(1056964608) /* 0.5 */, makeFloat(1056964608) /* 0.5 */)\n"
    "${file}:17: glEnable(Unknown Token)\n")
string(CONCAT expected_trace ${expected_trace})
if(NOT trace STREQUAL expected_trace)
    message(FATAL_ERROR "The host program traced\n${trace}\ninstead of\n${expected_trace}")
endif()
if(NOT errors STREQUAL "${file}(17): invalid enumerant\n")
    message(FATAL_ERROR "The host program reported '${errors}'")
endif()
