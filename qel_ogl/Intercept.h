#ifndef QEL_OGL_INTERCEPT_H
#define QEL_OGL_INTERCEPT_H

/* The drop-in header: every gl*, wgl* and SwapBuffers call of a C or C++ source file that includes it goes
 * through the library with that file and line, checked, and traced or recorded as the environment asks
 * (QEL_TRACE, QEL_RECORD, QEL_SNAPSHOT, QEL_FRAMES, QEL_ON_ERROR, QEL_LOG). Include it after the system's GL
 * headers, or force it in first (gcc -include qel_ogl/Intercept.h, cl /FIqel_ogl/Intercept.h): it includes them
 * itself. Errors go to the policy of qel_ogl/intercept/ErrorPolicy.h. Only this file's own calls are seen: the
 * GL calls that GLU makes for it go straight to the driver (the interposer opengl32.dll sees those too). */

#include <windows.h>
#include <GL/gl.h>

#include "qel_ogl/intercept/ErrorPolicy.h"
#include "qel_ogl/intercept/generated/InterceptMacros.h"

#endif
