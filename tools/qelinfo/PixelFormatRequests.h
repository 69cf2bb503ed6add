#pragma once

class Report;

// The pixel formats that the library's context set-up obtains from wglChoosePixelFormatARB for the three
// requests that a classic pixel-format descriptor cannot make: floating-point colour, multisampling and
// 10-bit colour. Each request makes a ContextWindowed on a hidden window of its own, as a host would; a
// granted format is described as the driver reports it (wglGetPixelFormatAttribivARB), which may exceed the
// request, and a refusal by the library's text. Needs the library on and a context current.
class PixelFormatRequests
{
public:
    PixelFormatRequests() = delete;

    static void Add(Report& report);
};
