#pragma once

#include "qel_ogl/extensionator/ExtensionManager.h"

// ExtensionManager::Create and Destroy are private: only Library calls them, behind its own on/off flag, so
// their misuse checks cannot be reached through Library. These call them directly.
void createManager(QEL::OGL::Context* pContext, const QEL::OGL::ExtensionManager::InitOptions& options);
void destroyManager();
