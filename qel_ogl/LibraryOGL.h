#pragma once

#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Context;

// The switch that turns the library on for a rendering context and off again: on makes the extension manager
// (which fills the entry-point table) and the texture units, off destroys both. The table and the interceptor
// chains stay as they are when the library goes off.
class QEL_OGL_API Library
{
public:
    Library() = delete;

    // Makes pContext current and asks its driver; throws when pContext is null or the library is already on.
    // A failure leaves the library off with nothing made, so a later call can succeed.
    static void initializeExtensionator(Context* pContext, const ExtensionManager::InitOptions& options);
    // Throws when the library is off.
    static void terminateExtensionator();
    static bool isExtensionatorInitialized();

private:
    static bool bExtensionatorInitialized_;
};

// Turns the library on for a scope: on in the constructor (with default options), off in the destructor unless
// release() was called. The destructor never throws: a failed termination (the host already turned the library
// off) is swallowed.
class QEL_OGL_API AutoInitializer
{
public:
    explicit AutoInitializer(Context* pContext);
    ~AutoInitializer();

    // Two owners would turn the library off twice.
    AutoInitializer(const AutoInitializer&) = delete;
    AutoInitializer& operator=(const AutoInitializer&) = delete;

    // Leaves the library on when the scope ends.
    void release();

private:
    bool bInitialized_;
};

}}
