#pragma once

class Report;

// The pixel formats that wglChoosePixelFormatARB grants on the current device context for the three requests
// that a classic pixel-format descriptor cannot make: floating-point colour, multisampling and 10-bit
// colour. Each granted format is described as the driver reports it (wglGetPixelFormatAttribivARB), which
// may exceed the request. Needs the library on: the two entry points come from its table.
class PixelFormatRequests
{
public:
    PixelFormatRequests() = delete;

    static void Add(Report& report);
};
