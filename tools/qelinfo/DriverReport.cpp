#include "DriverReport.h"

#include <windows.h>
#include <GL/gl.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Report.h"
#include "qel_ogl/CheckedCall.h"
#include "qel_ogl/extensionator/ExtensionLoaders.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/extensionator/Tokenizers.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/ogl/Context.h"

using QEL::OGL::ExtensionManager;

namespace {

using Lookup = ExtensionManager::teExtension (*)(const char*);

std::string driverString(GLenum name, const char* what)
{
    const GLubyte* value = QEL_CHECKED(GetString)(name);
    if (value == nullptr)
        throw std::runtime_error(std::string("glGetString answered null for the ") + what);
    return reinterpret_cast<const char*>(value);
}

const char* vendorName(ExtensionManager::teVendor vendor)
{
    switch (vendor)
    {
    case ExtensionManager::VENDOR_ATI: return "ATI";
    case ExtensionManager::VENDOR_NVIDIA: return "NVIDIA";
    default: return "other";
    }
}

// What the library makes of one extension string: the names it lists that the library knows, in the
// library's order, split by whether the extension manager loaded them, and the count of the names it does
// not know. A name listed twice counts once.
void addExtensionFamily(Report& family, const std::string& listed, Lookup lookup)
{
    std::vector<std::string> names;
    QEL::OGL::tokenizeExtensionString(listed, names);
    std::map<ExtensionManager::teExtension, std::string> known;
    std::set<std::string> unknown;
    for (const std::string& name : names)
    {
        const ExtensionManager::teExtension value = lookup(name.c_str());
        if (value == ExtensionManager::UNKNOWN_EXTENSION)
            unknown.insert(name);
        else
            known[value] = name;
    }

    std::vector<std::string> supported;
    std::vector<std::string> notLoaded;
    for (const auto& [value, name] : known)
        (ExtensionManager::Instance()->isSupported(value) ? supported : notLoaded).push_back(name);

    family.addNumber("listed", "listed by the driver", static_cast<long long>(known.size() + unknown.size()));
    family.addNumber("unknown", "not known to the library", static_cast<long long>(unknown.size()));
    family.addList("supported", "supported", supported);
    family.addList("not_loaded", "known, but an entry point is missing", notLoaded);
}

}

void DriverReport::Add(Report& report)
{
    report.addText("vendor", "vendor", driverString(GL_VENDOR, "vendor"));
    report.addText("vendor_class", "vendor class", vendorName(ExtensionManager::Instance()->vendor()));
    report.addText("renderer", "renderer", driverString(GL_RENDERER, "renderer"));
    AddVersion(report);
    AddCoreVersions(report);
    AddGLExtensions(report);
    AddWGLExtensions(report);
    AddFeatures(report);
}

void DriverReport::AddVersion(Report& report)
{
    const ExtensionManager& manager = *ExtensionManager::Instance();
    Report& version = report.addSection("version", "version");
    version.addText("string", "string", driverString(GL_VERSION, "version"));
    version.addNumber("major", "major", manager.majorVersion());
    version.addNumber("minor", "minor", manager.minorVersion());
    if (manager.hasReleaseVersion())
        version.addNumber("release", "release", manager.releaseVersion());
    else
        version.addAbsent("release", "release");
    version.addText("additional", "additional text", manager.additionalVersionInfo());
}

void DriverReport::AddCoreVersions(Report& report)
{
    const std::pair<ExtensionManager::teExtension, const char*> versions[] = {
        {ExtensionManager::OPEN_GL_1_2, "1.2"}, {ExtensionManager::OPEN_GL_1_3, "1.3"},
        {ExtensionManager::OPEN_GL_1_4, "1.4"}, {ExtensionManager::OPEN_GL_1_5, "1.5"},
        {ExtensionManager::OPEN_GL_2_0, "2.0"}, {ExtensionManager::OPEN_GL_2_1, "2.1"}};
    std::vector<std::string> supported;
    for (const auto& [value, name] : versions)
        if (ExtensionManager::Instance()->isSupported(value))
            supported.push_back(name);
    report.addList("core_versions", "core versions supported", supported);
}

void DriverReport::AddGLExtensions(Report& report)
{
    addExtensionFamily(report.addSection("gl_extensions", "GL extensions"),
                       driverString(GL_EXTENSIONS, "extensions"), QEL::OGL::glExtensionFromName);
}

// The driver's WGL string comes from the entry point that the extension manager loaded; a driver without
// WGL_ARB_extensions_string lists none.
void DriverReport::AddWGLExtensions(Report& report)
{
    std::string listed;
    if (_wcgmGetExtensionsStringARB != nullptr)
        if (const char* extensions = _wcgmGetExtensionsStringARB(wglGetCurrentDC()))
            listed = extensions;
    addExtensionFamily(report.addSection("wgl_extensions", "WGL extensions"), listed,
                       QEL::OGL::wglExtensionFromName);
}

void DriverReport::AddFeatures(Report& report)
{
    const ExtensionManager& manager = *ExtensionManager::Instance();
    report.addNumber("texture_units", "texture units", manager.numberOfTextureUnits());
    report.addFlag("non_power_of_two_textures", "non-power-of-two textures",
                   manager.supportsNonPowerOfTwoTextures());
    report.addFlag("swap_control", "swap control", QEL::OGL::Context::supportsVerticalRetraceControl());
}
