#pragma once

// The OpenGL types that the entry-point table and the platform-free parts of the library need, without
// <windows.h> or <GL/gl.h>. Each typedef names exactly the type that the system's gl.h and the registry's
// glext.h give it, so that a host may include those headers too.

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#  define QEL_APIENTRY __stdcall
#else
#  define QEL_APIENTRY
#endif
#define QEL_APIENTRYP QEL_APIENTRY*

typedef unsigned int GLenum;
typedef unsigned char GLboolean;
typedef unsigned int GLbitfield;
typedef void GLvoid;
typedef signed char GLbyte;
typedef short GLshort;
typedef int GLint;
typedef int GLsizei;
typedef unsigned char GLubyte;
typedef unsigned short GLushort;
typedef unsigned int GLuint;
typedef float GLfloat;
typedef float GLclampf;
typedef double GLdouble;
typedef double GLclampd;

typedef char GLchar;
typedef char GLcharARB;
typedef unsigned int GLhandleARB;
typedef unsigned short GLhalfNV;

#if defined(_WIN64)
typedef signed long long int GLintptr;
typedef signed long long int GLsizeiptr;
#else
typedef signed long int GLintptr;
typedef signed long int GLsizeiptr;
#endif
typedef GLintptr GLintptrARB;
typedef GLsizeiptr GLsizeiptrARB;

typedef std::int64_t GLint64EXT;
typedef std::uint64_t GLuint64EXT;
