#include "SupportedSet.h"

using QEL::OGL::ExtensionManager;

Extensions supportedSet()
{
    Extensions supported;
    for (int value = 0; value <= ExtensionManager::UNKNOWN_EXTENSION; ++value) {
        const auto extension = static_cast<ExtensionManager::teExtension>(value);
        if (ExtensionManager::Instance()->isSupported(extension))
            supported.insert(extension);
    }
    return supported;
}
