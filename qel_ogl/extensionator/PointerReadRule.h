#pragma once

#include <cstddef>
#include <cstdint>

#include "qel_ogl/extensionator/EnumerantCounts.h"

namespace QEL { namespace OGL {

// How GL uses one pointer parameter of a cgm operation: one row of the generated table
// (generated/PointerReadRules.cpp), which PointerReads evaluates for a call's arguments. Operands are the
// indexes of the call's parameters that the size depends on, -1 where a kind has fewer.
struct PointerReadRule
{
    // What GL does with the pointer.
    enum Access : unsigned char
    {
        READ,       // reads the size below during the call
        WRITTEN,    // only writes through it: the size below where known (NO_SIZE otherwise)
        KEPT,       // keeps it and reads through it at later calls: reason
        UNKNOWN,    // nothing that the call and the state give tells: reason
    };

    // How many bytes, and the operands each kind reads.
    enum Size : unsigned char
    {
        NO_SIZE,
        COUNT,      // factor x every operand x elementBytes
        TABLE,      // table[operand 0] x every further operand x factor x elementBytes
        STRIDED,    // operand 0 elements, operand 1 bytes apart: (count - 1) x stride + elementBytes
        MAP,        // evaluator control points: target, then (stride, order) once or twice, in elements
        IMAGE,      // format, type, width, height (-1: one row), depth (-1: not three-dimensional)
        BITMAP,     // width, height of a bitmap, one bit per pixel
        STIPPLE,    // the 32 x 32 bitmap of a polygon stipple
        STRING,     // the characters up to and including the NUL; operand 0, where given and not 0, the bytes
        POINTERS,   // factor x operand 0 (-1: factor alone) pointers, each read as `element` says
    };

    // What GL does with each pointer of an array of pointers (POINTERS).
    enum Element : unsigned char
    {
        NO_ELEMENTS,
        STRING_ELEMENTS,   // strings; operand 1 is the array of their lengths (a null array or a negative
                           // length: the string ends at its NUL)
        INDEX_ELEMENTS,    // index arrays; operand 1 is the array of their counts, operand 2 their type
        KEPT_ELEMENTS,     // kept and read through at later calls
    };

    // The buffer binding under which GL takes the data pointer as an offset into that buffer.
    enum Binding : unsigned char
    {
        NO_BUFFER,
        PIXEL_UNPACK_BUFFER,
        ARRAY_BUFFER,
        ELEMENT_ARRAY_BUFFER,
    };

    const char* operation;           // the entry point, "glLightfv"
    const char* parameter;           // the pointer parameter, "params"
    unsigned char index;             // its position among the operation's parameters
    unsigned char parameterCount;    // the operation's parameters
    Access access;
    Size size;
    EnumerantCounts::Table table;
    Element element;
    Binding binding;
    signed char operands[5];
    signed char proxy;               // the target parameter, whose proxy targets make GL read nothing; -1: none
    std::int32_t factor;
    std::int32_t elementBytes;       // bytes of one element of the pointed-to array
    const char* reason;              // why GL's use cannot be known at the call, or what reads it later
};

// The rows of every pointer parameter of the cgm operations, in slot order and then parameter order.
extern const PointerReadRule kPointerReadRules[];
extern const std::size_t kPointerReadRuleCount;

}}
