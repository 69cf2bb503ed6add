#pragma once

// The precondition and assertion checks of the library. Each throws QEL::InternalException by value with the
// file and line of the check and a text of one fixed form; checks are active in every build.

#include <sstream>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// Throws InternalException(file, line, text); one out-of-line place keeps every check small.
[[noreturn]] QEL_OGL_API void throwInternal(const char* file, int line, const char* text);

}}

// "Enforce " followed by the condition: checks of arguments and of the library's state.
#define QEL_ENFORCE(condition) \
    do { if (!(condition)) ::QEL::OGL::throwInternal(__FILE__, __LINE__, "Enforce " #condition); } while (false)

// The bare condition: assertions on the library's state.
#define QEL_ASSERT(condition) \
    do { if (!(condition)) ::QEL::OGL::throwInternal(__FILE__, __LINE__, #condition); } while (false)

// An exclamation mark and the quoted sentence: branches that must never be reached.
#define QEL_UNREACHABLE(sentence) ::QEL::OGL::throwInternal(__FILE__, __LINE__, "!" #sentence)

// "Range error: " followed by the condition: range checks of a size argument.
#define QEL_RANGE_CHECK(condition) \
    do { if (!(condition)) ::QEL::OGL::throwInternal(__FILE__, __LINE__, "Range error: " #condition); } while (false)

// A sentence composed with stream insertions, e.g. QEL_DESCRIBED_CHECK(p != NULL, "Buffer::subData " << ...).
#define QEL_DESCRIBED_CHECK(condition, description) \
    do { \
        if (!(condition)) { \
            std::ostringstream qelDescription_; \
            qelDescription_ << description; \
            ::QEL::OGL::throwInternal(__FILE__, __LINE__, qelDescription_.str().c_str()); \
        } \
    } while (false)

// The fully qualified support query: an extension or version must be supported before it is used.
#define QEL_SUPPORT_CHECK(extension) \
    do { \
        if (!::QEL::OGL::ExtensionManager::Instance()->isSupported(::QEL::OGL::ExtensionManager::extension)) \
            ::QEL::OGL::throwInternal(__FILE__, __LINE__, \
                "QEL::OGL::ExtensionManager::Instance()->isSupported(" #extension ")"); \
    } while (false)
