#pragma once

#include "qel_ogl/extensionator/ExtensionManager.h"

#include <set>

using Extensions = std::set<QEL::OGL::ExtensionManager::teExtension>;

// Every value, known versions and extensions alike, that the initialised manager answers as supported.
Extensions supportedSet();
