#include "qel_ogl/extensionator/windows/wglErrorChecker.h"

namespace QEL { namespace OGL {

wglErrorChecker::wglErrorChecker() = default;

wglErrorChecker::~wglErrorChecker() = default;

}}
