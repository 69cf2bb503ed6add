#pragma once

#include "qel_ogl/extensionator/windows/wglForwardingDecorator.h"

namespace QEL { namespace OGL {

class InterceptionSession;

// The interception session's element on top of the WGL chain: it tells the session when the program makes a
// context current, deletes one and swaps a frame, and hands out interception functions from wglGetProcAddress.
// Every call of the program takes place.
class SessionWglDecorator : public wglForwardingDecorator
{
public:
    explicit SessionWglDecorator(InterceptionSession& session);
    ~SessionWglDecorator() override;

    int wcgmMakeCurrent(const char* file, unsigned line, HDC hdc, HGLRC hglrc) override;
    int wcgmDeleteContext(const char* file, unsigned line, HGLRC hglrc) override;
    PROC wcgmGetProcAddress(const char* file, unsigned line, LPCSTR name) override;
    int wcgmSwapBuffers(const char* file, unsigned line, HDC hdc) override;

private:
    InterceptionSession& session_;
};

}}
