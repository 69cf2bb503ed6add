#include "PixelFormatRequests.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/wglext.h>

#include <sstream>
#include <string>
#include <vector>

#include "Report.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/ogl/BufferFormat.h"

using QEL::OGL::BufferFormat;
using QEL::OGL::ExtensionManager;

namespace {

struct Request
{
    const char* key;
    BufferFormat format;
    int samples;
};

// Double-buffered window formats, as a host's window context asks for them.
const Request kRequests[] = {
    {"float", BufferFormat(BufferFormat::RGBA16F_D24), 1},
    {"multisample", BufferFormat(BufferFormat::RGBA8_D24_S8), 4},
    {"10-bit", BufferFormat(10, 10, 10, 2, 0, 24, false), 1},
};

std::string describe(const Request& request)
{
    const BufferFormat& format = request.format;
    std::ostringstream text;
    text << "RGBA " << format.redBits() << '/' << format.greenBits() << '/' << format.blueBits() << '/'
         << format.alphaBits() << (format.floatingPointColor() ? " float" : "") << ", depth "
         << format.depthBits() << ", stencil " << format.stencilBits() << ", " << request.samples
         << (request.samples == 1 ? " sample" : " samples") << ", double-buffered";
    return text.str();
}

std::vector<int> attributeList(const Request& request)
{
    const BufferFormat& format = request.format;
    std::vector<int> attributes = {
        WGL_SUPPORT_OPENGL_ARB, 1,
        WGL_ACCELERATION_ARB, WGL_FULL_ACCELERATION_ARB,
        WGL_PIXEL_TYPE_ARB, format.floatingPointColor() ? WGL_TYPE_RGBA_FLOAT_ARB : WGL_TYPE_RGBA_ARB,
        WGL_COLOR_BITS_ARB, static_cast<int>(format.redBits() + format.greenBits() + format.blueBits() +
                                             format.alphaBits()),
        WGL_RED_BITS_ARB, static_cast<int>(format.redBits()),
        WGL_GREEN_BITS_ARB, static_cast<int>(format.greenBits()),
        WGL_BLUE_BITS_ARB, static_cast<int>(format.blueBits()),
        WGL_ALPHA_BITS_ARB, static_cast<int>(format.alphaBits()),
        WGL_DEPTH_BITS_ARB, static_cast<int>(format.depthBits()),
        WGL_STENCIL_BITS_ARB, static_cast<int>(format.stencilBits()),
        WGL_DOUBLE_BUFFER_ARB, 1,
        WGL_DRAW_TO_WINDOW_ARB, 1};
    if (request.samples > 1)
        attributes.insert(attributes.end(), {WGL_SAMPLE_BUFFERS_ARB, 1, WGL_SAMPLES_ARB, request.samples});
    attributes.push_back(0);
    return attributes;
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

void addRequest(Report& report, HDC dc, const Request& request)
{
    report.addText("request", "request", describe(request));
    const std::vector<int> attributes = attributeList(request);
    const float noFloatAttributes[] = {0.0f, 0.0f};
    int format = 0;
    UINT count = 0;
    if (!_wcgmChoosePixelFormatARB(dc, attributes.data(), noFloatAttributes, 1, &format, &count) || count == 0)
    {
        report.addAbsent("format", "granted format");
        return;
    }
    report.addNumber("format", "granted format", format);
    addGranted(report, dc, format);
}

}

void PixelFormatRequests::Add(Report& report)
{
    Report& requests = report.addSection("pixel_formats", "pixel formats granted by wglChoosePixelFormatARB");
    if (!ExtensionManager::Instance()->isSupported(ExtensionManager::WGL_ARB_PIXEL_FORMAT))
    {
        requests.addText("unavailable", "unavailable", "the driver has no WGL_ARB_pixel_format");
        return;
    }
    const HDC dc = wglGetCurrentDC();
    for (const Request& request : kRequests)
        addRequest(requests.addSection(request.key, request.key), dc, request);
}
