#include "PixelFormatRequests.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/wglext.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "GLWindow.h"
#include "Report.h"
#include "qel_core/LogicalException.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/ContextWindowed.h"

using QEL::OGL::BufferFormat;
using QEL::OGL::Context;
using QEL::OGL::ContextWindowed;
using QEL::OGL::ExtensionManager;

namespace {

struct Request
{
    const char* key;
    BufferFormat format;
    Context::teMultisample samples;
};

// Double-buffered window formats, as a host's window context asks for them: each takes the extension path.
const Request kRequests[] = {
    {"float", BufferFormat(BufferFormat::RGBA16F_D24), Context::SAMPLES_1},
    {"multisample", BufferFormat(BufferFormat::RGBA8_D24_S8), Context::SAMPLES_4},
    {"10-bit", BufferFormat(10, 10, 10, 2, 0, 24, false), Context::SAMPLES_1},
};

std::string describe(const Request& request)
{
    const BufferFormat& format = request.format;
    std::ostringstream text;
    text << "RGBA " << format.redBits() << '/' << format.greenBits() << '/' << format.blueBits() << '/'
         << format.alphaBits() << (format.floatingPointColor() ? " float" : "") << ", depth "
         << format.depthBits() << ", stencil " << format.stencilBits() << ", " << request.samples
         << (request.samples == Context::SAMPLES_1 ? " sample" : " samples") << ", double-buffered";
    return text.str();
}

const char* pixelTypeName(int type)
{
    switch (type)
    {
    case WGL_TYPE_RGBA_ARB: return "RGBA";
    case WGL_TYPE_RGBA_FLOAT_ARB: return "RGBA float";
    case WGL_TYPE_COLORINDEX_ARB: return "colour index";
    default: return "other";
    }
}

// The granted format as the driver describes it; the sample count only where the driver can tell it.
void addGranted(Report& report, HDC dc, int format)
{
    std::vector<int> names = {WGL_PIXEL_TYPE_ARB, WGL_RED_BITS_ARB, WGL_GREEN_BITS_ARB, WGL_BLUE_BITS_ARB,
                              WGL_ALPHA_BITS_ARB, WGL_DEPTH_BITS_ARB, WGL_STENCIL_BITS_ARB,
                              WGL_DOUBLE_BUFFER_ARB};
    const bool multisample = ExtensionManager::Instance()->isSupported(ExtensionManager::WGL_ARB_MULTISAMPLE);
    if (multisample)
        names.push_back(WGL_SAMPLES_ARB);
    std::vector<int> values(names.size());
    if (!_wcgmGetPixelFormatAttribivARB(dc, format, 0, static_cast<UINT>(names.size()), names.data(),
                                        values.data()))
    {
        report.addText("description", "description", "wglGetPixelFormatAttribivARB failed");
        return;
    }
    report.addText("pixel_type", "pixel type", pixelTypeName(values[0]));
    report.addNumber("red_bits", "red bits", values[1]);
    report.addNumber("green_bits", "green bits", values[2]);
    report.addNumber("blue_bits", "blue bits", values[3]);
    report.addNumber("alpha_bits", "alpha bits", values[4]);
    report.addNumber("depth_bits", "depth bits", values[5]);
    report.addNumber("stencil_bits", "stencil bits", values[6]);
    report.addFlag("double_buffered", "double-buffered", values[7] != 0);
    if (multisample)
        report.addNumber("samples", "samples", values[8]);
    else
        report.addAbsent("samples", "samples");
}

// A context of the format on a window of its own, made as a host makes one; the driver's refusal is a fact too.
void addRequest(Report& report, const Request& request)
{
    report.addText("request", "request", describe(request));
    const GLWindow window(16, 16, GLWindow::HIDDEN, GLWindow::NO_PIXEL_FORMAT);
    std::unique_ptr<ContextWindowed> context;
    try
    {
        context = std::make_unique<ContextWindowed>(window.window(), request.format, Context::DOUBLE_BUFFERED,
                                                    request.samples, nullptr);
    }
    catch (const QEL::LogicalException& e)
    {
        report.addAbsent("format", "granted format");
        report.addText("refusal", "refused with", e.what());
        return;
    }
    const int format = GetPixelFormat(context->deviceContext());
    report.addNumber("format", "granted format", format);
    addGranted(report, context->deviceContext(), format);
}

}

// A driver without WGL_ARB_pixel_format refuses each request, which the library's text says.
void PixelFormatRequests::Add(Report& report)
{
    Report& requests = report.addSection("pixel_formats", "pixel formats granted by wglChoosePixelFormatARB");
    for (const Request& request : kRequests)
        addRequest(requests.addSection(request.key, request.key), request);
}
