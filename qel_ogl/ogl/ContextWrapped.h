#pragma once

#include "qel_ogl/ogl/Context.h"

namespace QEL { namespace OGL {

// A device context and rendering context that the host made itself, adopted so that the host can hand its
// own context to the library (Library::initializeExtensionator, AutoInitializer) and use makeCurrent,
// swapBuffers and getBitDepths on it. The host keeps owning both and keeps them alive while the wrapper and
// the library objects that use it exist.
class QEL_OGL_API ContextWrapped : public Context
{
public:
    // Neither handle may be null. The context is not made current, and its pixel format is not looked at.
    ContextWrapped(HDC dc, HGLRC rc);
    // Leaves the host's context and device context as they are.
    ~ContextWrapped() override;
};

}}
