// Turning the library on and off. Both run on the thread that owns the host's context, without a lock, and
// never overlap with calls through the entry-point table or the interceptor chains.

#include "qel_ogl/LibraryOGL.h"

#include "qel_ogl/Checks.h"
#include "qel_ogl/ogl/TextureUnit.h"

namespace QEL { namespace OGL {

bool Library::bExtensionatorInitialized_ = false;

// The checks keep the lines that their exceptions carry (56, 60, 121 and 138); the free lines before them are
// left for later additions, so that nothing added moves them.





































// Order matters: the texture units ask the new manager for their count. When they cannot be made, the manager
// goes again, so that nothing of a failed initialisation is left to block the next one.
void Library::initializeExtensionator(Context* pContext, const ExtensionManager::InitOptions& options)
{
    QEL_ENFORCE(pContext != NULL);
    // A second initialisation would run the loaders again, for another context, while the host still relies
    // on the first one's answers and texture units: the host turns the library off with
    // terminateExtensionator() before it turns it on for another context.
    QEL_ASSERT(!bExtensionatorInitialized_);
    ExtensionManager::Create(pContext, options);
    try {
        TextureUnit::Create(pContext);
    } catch (...) {
        ExtensionManager::Destroy();
        throw;
    }
    bExtensionatorInitialized_ = true;
}

bool Library::isExtensionatorInitialized()
{
    return bExtensionatorInitialized_;
}











































// A driver that reports no texture units leaves no registry to destroy.
void Library::terminateExtensionator()
{
    QEL_ASSERT(bExtensionatorInitialized_);
    ExtensionManager::Destroy();
    if (TextureUnit::nMaxTextureUnit_ != 0)
        TextureUnit::Destroy();
    bExtensionatorInitialized_ = false;
}







// Owns the switch from here on: the destructor turns the library off again unless release() is called.
AutoInitializer::AutoInitializer(Context* pContext)
    : bInitialized_(true)
{
    QEL_ENFORCE(pContext != NULL);
    Library::initializeExtensionator(pContext, ExtensionManager::InitOptions());
}

// Termination fails only when the host already turned the library off; a destructor must not throw then.
AutoInitializer::~AutoInitializer()
{
    if (!bInitialized_)
        return;
    try {
        Library::terminateExtensionator();
    } catch (...) {
    }
}

void AutoInitializer::release()
{
    bInitialized_ = false;
}

}}
