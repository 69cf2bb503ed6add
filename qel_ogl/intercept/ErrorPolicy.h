#ifndef QEL_OGL_INTERCEPT_ERRORPOLICY_H
#define QEL_OGL_INTERCEPT_ERRORPOLICY_H

/* What a call through the interception layer (qel_gl..., qel_wgl..., qel_SwapBuffers, the interposer) does when
 * the library reports an error for it. Callable from C and C++; the host sets it in one place, and a later call
 * replaces the environment's QEL_ON_ERROR. Under every policy the program's call has taken place and its result
 * (a list base, a shader name) reaches the program. */

#include "qel_ogl/qel_ogl_export.h"

#ifdef __cplusplus
extern "C" {
#endif

enum QelErrorPolicy
{
    QEL_ERROR_REPORT = 0, /* one line "file(line): glName: text" to the log or the report callback (default) */
    QEL_ERROR_BREAK = 1,  /* report, then DebugBreak(): a debugger stops at the faulty call */
    QEL_ERROR_ABORT = 2,  /* report, then end the process with exit code 3 */
    QEL_ERROR_THROW = 3   /* C++ callers only: the library's exception propagates, as QEL_CHECKED does */
};

/* A host's receiver of report lines (without their line end); context is handed back as given. */
typedef void (*QelReportCallback)(const char* line, void* context);

QEL_OGL_API void qel_setErrorPolicy(enum QelErrorPolicy policy);
QEL_OGL_API enum QelErrorPolicy qel_errorPolicy(void);
/* A null callback sends reports to the log again (QEL_LOG, else standard error). */
QEL_OGL_API void qel_setReportCallback(QelReportCallback callback, void* context);

#ifdef __cplusplus
}
#endif

#endif
