#pragma once

// The text that trace lines, recorded source and the library's messages print for GL values. Exported with
// plain C names; both functions are pure and may be called at any time, also before the library is on.

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/qel_ogl_export.h"

extern "C" {

// The enumerant name of a value ("GL_TEXTURE_2D"), or "Unknown Token"; never null. Where several names share a
// value, one fixed name answers (GL 1.1 names first, then later core names, then extension names). Truth values
// are printed with boolToString: TokenName(0) is "GL_POINTS".
QEL_OGL_API const char* TokenName(GLenum value);

// "GL_TRUE" for any non-zero value, "GL_FALSE" for zero.
QEL_OGL_API const char* boolToString(bool value);

}
