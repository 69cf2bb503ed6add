#pragma once

// How trace lines and recorded source text write GL values; shared by the tracer, the GL recorder, the wgl
// recorder and the replay side. Each form is a small value that a stream insertion writes:
//
//     out << CallText::Enum{target} << ", " << CallText::Float{alpha} << ", " << CallText::Pointer{p};
//
// No form changes the stream's flags, width, fill character or precision, and none flushes: numbers come out
// as the stream is set. Platform-free (no <windows.h>).

#include <cstdint>
#include <iosfwd>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class QEL_OGL_API CallText
{
public:
    // Hexadecimal digits of a pointer on this build: 8 on the 32-bit build, 16 on the 64-bit one.
    static constexpr unsigned kPointerDigits = 2 * sizeof(void*);

    // The name that TokenName gives the value; "Unknown Token" for a value without one.
    struct Enum
    {
        GLenum value;
    };

    // "GL_TRUE" for any non-zero byte, "GL_FALSE" for zero.
    struct Bool
    {
        GLboolean value;
    };

    // "makeFloat(<bits>) /* <value> */": the IEEE-754 bit pattern read as a signed 32-bit decimal, which the
    // replay turns back into exactly this float, then the value in the stream's floating-point format.
    struct Float
    {
        GLfloat value;
    };

    // "makeDouble(0x<16 upper-case hexadecimal digits>) /* <value> */": the IEEE-754 bit pattern, which the
    // replay turns back into exactly this double, then the value in the stream's floating-point format.
    struct Double
    {
        GLdouble value;
    };

    // "(GLhandleARB)" and the handle in unsigned decimal.
    struct Handle
    {
        GLhandleARB value;
    };

    // The address in zero-padded upper-case hexadecimal without prefix, at least `digits` wide (wider only
    // when the value needs more digits). Never the runtime's own pointer insertion, whose form differs
    // between runtimes ("0x" and lower case on MinGW).
    struct Pointer
    {
        const void* address;
        unsigned digits = kPointerDigits;
    };

    // NUL-terminated text as it is; "NULL" for a null pointer, which is never read.
    struct Text
    {
        const char* text;
    };

    // The bit pattern of a float read as a signed 32-bit integer (1.0f gives 1065353216).
    static std::int32_t floatBits(GLfloat value);
};

QEL_OGL_API std::ostream& operator<<(std::ostream& out, CallText::Enum value);
QEL_OGL_API std::ostream& operator<<(std::ostream& out, CallText::Bool value);
QEL_OGL_API std::ostream& operator<<(std::ostream& out, CallText::Float value);
QEL_OGL_API std::ostream& operator<<(std::ostream& out, CallText::Double value);
QEL_OGL_API std::ostream& operator<<(std::ostream& out, CallText::Handle value);
QEL_OGL_API std::ostream& operator<<(std::ostream& out, CallText::Pointer value);
QEL_OGL_API std::ostream& operator<<(std::ostream& out, CallText::Text value);

}}
