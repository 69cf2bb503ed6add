#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <string>
#include <vector>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// The base of the shading-language wrappers: the GL handle of one shader or program object. The base itself
// neither creates nor deletes the object; Shader and Program own theirs.
class QEL_OGL_API GLSLObject
{
public:
    // Does nothing to GL; declared as able to throw because the owners' destructors can.
    virtual ~GLSLObject() noexcept(false);

    unsigned objectID() const;

protected:
    explicit GLSLObject(unsigned hObject);

    // Moving hands the handle over and leaves 0 behind, so that only one wrapper deletes the object.
    GLSLObject(GLSLObject&& other) noexcept;
    void swapHandle(GLSLObject& other) noexcept;

    GLSLObject(const GLSLObject&) = delete;
    GLSLObject& operator=(const GLSLObject&) = delete;
    GLSLObject& operator=(GLSLObject&&) = delete;

    // The owners' destructors delete through this: nothing for a moved-from wrapper (handle 0), and a failure
    // while another exception propagates is swallowed, since a second exception would end the process.
    template <class Deletion>
    void deleteOwnedObject(Deletion deletion)
    {
        if (_hObject == 0)
            return;
        if (std::uncaught_exceptions() == 0) {
            deletion();
            return;
        }
        try
        {
            deletion();
        }
        catch (...)
        {
        }
    }

    // An info log of logLength characters, terminator included, that read(maxLength, buffer) copies out. The
    // text ends at the first terminator inside the buffer, so a driver that writes less, or no terminator,
    // cannot make it read past the buffer.
    template <class Read>
    static std::string readInfoLog(int logLength, Read read)
    {
        if (logLength <= 0)
            return std::string();
        std::vector<char> buffer(static_cast<std::size_t>(logLength), '\0');
        read(logLength, buffer.data());
        return std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
    }

    unsigned _hObject;
};

}}
