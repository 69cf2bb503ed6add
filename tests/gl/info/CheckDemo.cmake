# Runs the info tool's demo into FOLDER and checks that it ends with the verdict "identical" and that the
# files it names are there: the trace, the recording, and both frames as images of the demo's size.
# cmake -DTOOL=<qelinfo program> [-DEMULATOR=<program that runs it>] -DFOLDER=<folder> -P CheckDemo.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${FOLDER})
execute_process(COMMAND ${EMULATOR} ${TOOL} --demo ${FOLDER} OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "qelinfo --demo failed with ${status}:\n${text}")
endif()
if(NOT text MATCHES "\n  verdict: +identical\n$")
    message(FATAL_ERROR "The demo does not end with the verdict identical:\n${text}")
endif()
if(NOT text MATCHES "checked call failed with: +tools/qelinfo/Demo.cpp\\([0-9]+\\): invalid enumerant\n")
    message(FATAL_ERROR "The failing checked call is not reported with its file and line:\n${text}")
endif()

foreach(name trace.txt scene.inc scene.dat frame.bmp replayed.bmp)
    string(FIND "${text}" "${FOLDER}/${name}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "The demo does not name ${name}:\n${text}")
    endif()
    if(NOT EXISTS ${FOLDER}/${name})
        message(FATAL_ERROR "The demo names ${FOLDER}/${name}, which is missing")
    endif()
endforeach()
# 256 x 256 pixels of three bytes behind the 54 bytes of the headers.
foreach(image frame.bmp replayed.bmp)
    file(SIZE ${FOLDER}/${image} size)
    if(NOT size EQUAL 196662)
        message(FATAL_ERROR "${image} has ${size} bytes")
    endif()
endforeach()
