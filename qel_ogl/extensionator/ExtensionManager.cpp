// The extension manager: the one place that reads the driver's vendor, version and extension strings and runs
// the loaders of what the driver offers. It makes its context current and calls GL directly, outside the
// interceptor chains, so that start-up is neither checked, traced nor recorded.

#include "qel_ogl/extensionator/ExtensionManager.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionLoaders.h"
#include "qel_ogl/extensionator/Tokenizers.h"
#include "qel_ogl/extensionator/generated/wglEntryPoints.h"
#include "qel_ogl/ogl/Context.h"

namespace QEL { namespace OGL {

namespace {

struct CoreVersion
{
    ExtensionManager::teExtension value;
    unsigned major;
    unsigned minor;
};

// Newest first: the order in which the loaders fill the table.
const CoreVersion kCoreVersions[] = {
    {ExtensionManager::OPEN_GL_2_1, 2, 1},
    {ExtensionManager::OPEN_GL_2_0, 2, 0},
    {ExtensionManager::OPEN_GL_1_5, 1, 5},
    {ExtensionManager::OPEN_GL_1_4, 1, 4},
    {ExtensionManager::OPEN_GL_1_3, 1, 3},
    {ExtensionManager::OPEN_GL_1_2, 1, 2},
};

// glGetString answers null when no usable context is current; the manager then refuses to come to be rather
// than report a driver that supports nothing.
std::string driverString(GLenum name, const char* label)
{
    const GLubyte* text = glGetString(name);
    QEL_DESCRIBED_CHECK(text != NULL, "ExtensionManager::ExtensionManager glGetString(" << label
                                          << ") answered NULL: no usable rendering context is current");
    return reinterpret_cast<const char*>(text);
}

GLint driverInteger(GLenum name)
{
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

bool contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

}

ExtensionManager::InitOptions::InitOptions()
    : bThrowOnNullContext_(true), bFlushOnMakeCurrentMacOnly_(true)
{
}

void ExtensionManager::InitOptions::setThrowOnNullContext(bool throwOnNullContext)
{
    bThrowOnNullContext_ = throwOnNullContext;
}

bool ExtensionManager::InitOptions::throwOnNullContext() const
{
    return bThrowOnNullContext_;
}

void ExtensionManager::InitOptions::setFlushOnMakeCurrentMacOnly(bool flushOnMakeCurrent)
{
    bFlushOnMakeCurrentMacOnly_ = flushOnMakeCurrent;
}

bool ExtensionManager::InitOptions::flushOnMakeCurrentMacOnly() const
{
    return bFlushOnMakeCurrentMacOnly_;
}

void ExtensionManager::InitOptions::setRekorderPathname(std::string& pathname)
{
    sRekorderPathname_ = pathname;
}

const std::string& ExtensionManager::InitOptions::rekorderPathname() const
{
    return sRekorderPathname_;
}

bool ExtensionManager::versionIsAtLeast(unsigned major, unsigned minor) const
{
    return nMajorVersion_ > major || (nMajorVersion_ == major && nMinorVersion_ >= minor);
}

// "ATI" wins when a vendor string names both.
void ExtensionManager::readVendor()
{
    const std::string vendor = driverString(GL_VENDOR, "GL_VENDOR");
    if (contains(vendor, "ATI"))
        eVendor_ = VENDOR_ATI;
    else if (contains(vendor, "NVIDIA"))
        eVendor_ = VENDOR_NVIDIA;
}

void ExtensionManager::readVersion()
{
    TokenizeVersionString(driverString(GL_VERSION, "GL_VERSION"), nMajorVersion_, nMinorVersion_,
                          nReleaseVersion_, sAdditionalVersionInfo_);
}

void ExtensionManager::recordIfLoaded(teExtension extension, bool (*load)(teExtension))
{
    if (load(extension))
        supportedExtensions_.insert(extension);
}

// Null while the library is off. Only Library creates and destroys the manager.
ExtensionManager* ExtensionManager::pInstance_ = nullptr;

ExtensionManager* ExtensionManager::Instance()
{
    QEL_ENFORCE(pInstance_ != NULL);
    return pInstance_;
}

// Library makes the one manager when the host turns the library on. A second one is refused: it would run the
// loaders again for another context while the host still works with the first one's answers.
//
// A constructor that throws leaves no manager (the new expression frees the memory before pInstance_ is set),
// so that the host may try again once it has a usable context.
void ExtensionManager::Create(Context* pContext, const InitOptions& options)
{
    QEL_ASSERT(pInstance_ == 0);
    pInstance_ = new ExtensionManager(pContext, options);
    QEL_ENFORCE(pInstance_ != NULL);
}

// Frees the set, the strings and the options; the entry-point table is not the manager's to reset.
ExtensionManager::~ExtensionManager() = default;

// Library destroys the manager when the host turns the library off. The entry-point table keeps what the
// loaders put there: the host may still call through it while its context lives, and the next manager
// overwrites only what its own loaders fetch.
void ExtensionManager::Destroy()
{
    QEL_ENFORCE(pInstance_ != NULL);
    delete pInstance_;
    pInstance_ = nullptr;
}

ExtensionManager::teVendor ExtensionManager::vendor() const
{
    return eVendor_;
}

unsigned ExtensionManager::majorVersion() const
{
    return nMajorVersion_;
}

unsigned ExtensionManager::minorVersion() const
{
    return nMinorVersion_;
}

// -1 stands for a version string without a release number ("1.4 Mesa 7.0").
bool ExtensionManager::hasReleaseVersion() const
{
    return nReleaseVersion_ != -1;
}

// Asking for a release number that the driver did not give is a misuse; hasReleaseVersion() tells whether
// there is one.
unsigned ExtensionManager::releaseVersion() const
{
    QEL_ASSERT(nReleaseVersion_ != -1);
    return static_cast<unsigned>(nReleaseVersion_);
}

std::string ExtensionManager::additionalVersionInfo() const
{
    return sAdditionalVersionInfo_;
}

const ExtensionManager::InitOptions& ExtensionManager::initOptions() const
{
    return initOptions_;
}

bool ExtensionManager::isSupported(teExtension extension) const
{
    return supportedExtensions_.count(extension) != 0;
}

// Each dispatch answers false for a value outside its own range, so one of the two runs the loader.
bool ExtensionManager::initialize(teExtension extension) const
{
    return loadGLExtension(extension) || loadWGLExtension(extension);
}

bool ExtensionManager::supportsNonPowerOfTwoTextures() const
{
    return bNonPowerOfTwoTextures_;
}

bool ExtensionManager::supportsClampToEdge() const
{
    return versionIsAtLeast(1, 2);
}

bool ExtensionManager::supportsTexture3D() const
{
    return versionIsAtLeast(1, 2) || isSupported(GL_EXT_TEXTURE3D);
}

// Every version from 1.3 on has multitexturing in its core, 2.0 and later included.
bool ExtensionManager::supportsMultiTexture() const
{
    return versionIsAtLeast(1, 3) || isSupported(GL_ARB_MULTITEXTURE);
}

// Every version from 2.0 on has glDrawBuffers in its core. The version number decides, so a 2.0 driver that
// lacks one 2.0 function still answers true.
bool ExtensionManager::supportsDrawBuffers() const
{
    return versionIsAtLeast(2, 0) || isSupported(GL_ARB_DRAW_BUFFERS);
}

bool ExtensionManager::supportsFloatingPointTextures() const
{
    return isSupported(GL_ARB_TEXTURE_FLOAT) || isSupported(GL_ATI_TEXTURE_FLOAT) ||
           isSupported(GL_APPLE_FLOAT_PIXELS);
}

// The render-to-texture and pbuffer questions are those of the library's manager, whichever object is asked.
bool ExtensionManager::supportsRenderToTexture() const
{
    return Instance()->isSupported(WGL_ARB_RENDER_TEXTURE);
}

bool ExtensionManager::supportsRenderToTextureRectangle() const
{
    return Instance()->isSupported(WGL_NV_RENDER_TEXTURE_RECTANGLE);
}

bool ExtensionManager::supportsPixelBuffers() const
{
    return Instance()->isSupported(WGL_ARB_PIXEL_FORMAT) && Instance()->isSupported(WGL_ARB_PBUFFER);
}

// A negative count from a broken driver would turn into billions of texture units.
unsigned ExtensionManager::numberOfTextureUnits() const
{
    GLint units = 1;
    if (isSupported(GL_ARB_FRAGMENT_PROGRAM))
        units = driverInteger(GL_MAX_TEXTURE_IMAGE_UNITS_ARB);
    else if (supportsMultiTexture())
        units = driverInteger(GL_MAX_TEXTURE_UNITS);
    QEL_DESCRIBED_CHECK(units >= 0, "ExtensionManager::numberOfTextureUnits the driver reports " << units
                                                                                                 << " texture units");
    return static_cast<unsigned>(units);
}

void ExtensionManager::TokenizeVersionString(const std::string& version, unsigned& major, unsigned& minor,
                                             int& release, std::string& additional)
{
    tokenizeVersionString(version, major, minor, release, additional);
}

void ExtensionManager::TokenizeExtensionString(const std::string& extensions, std::vector<std::string>& out)
{
    tokenizeExtensionString(extensions, out);
}

// The reported version and every older one down to 1.2 are loaded, each on its own: a version whose loader
// fails stays out of the set and the older ones are still tried. A driver of 3.0 or later offers everything
// of 2.1 (in a compatibility context), so it loads 2.1 and below too; 1.0 and 1.1 load nothing.
void ExtensionManager::loadCoreVersions()
{
    bool olderToo = versionIsAtLeast(2, 1);
    for (const CoreVersion& version : kCoreVersions) {
        if (olderToo || (nMajorVersion_ == version.major && nMinorVersion_ == version.minor)) {
            recordIfLoaded(version.value, &loadGLExtension);
            olderToo = true;
        }
    }
}

// In the driver's order; names the library does not know are skipped, and a name listed twice is recorded once.
void ExtensionManager::loadGLExtensions()
{
    std::vector<std::string> names;
    TokenizeExtensionString(driverString(GL_EXTENSIONS, "GL_EXTENSIONS"), names);
    for (const std::string& name : names) {
        const teExtension extension = glExtensionFromName(name.c_str());
        if (extension != UNKNOWN_EXTENSION)
            recordIfLoaded(extension, &loadGLExtension);
    }
}

// The WGL list comes from wglGetExtensionsStringARB alone; WGL_ARB_extensions_string itself counts as supported
// only when that list names it. A driver that answers null lists nothing.
void ExtensionManager::loadWGLExtensions()
{
    if (!loadWGLExtension(WGL_ARB_EXTENSIONS_STRING))
        return;
    const char* list = _wcgmGetExtensionsStringARB(wglGetCurrentDC());
    if (list == nullptr)
        return;

    std::vector<std::string> names;
    TokenizeExtensionString(list, names);
    for (const std::string& name : names) {
        const teExtension extension = wglExtensionFromName(name.c_str());
        if (extension != UNKNOWN_EXTENSION)
            recordIfLoaded(extension, &loadWGLExtension);
    }
}

// NVIDIA's drivers of the 2.0 era reported 2.0 while their hardware sampled non-power-of-two textures in
// software; only the extension string is trusted for them.
bool ExtensionManager::computeNonPowerOfTwoTextures() const
{
    if (eVendor_ == VENDOR_NVIDIA)
        return isSupported(GL_ARB_TEXTURE_NON_POWER_OF_TWO);
    return isSupported(GL_ARB_TEXTURE_NON_POWER_OF_TWO) || isSupported(OPEN_GL_2_0);
}























































































































































































































// The constructor's null-context check stays on line 556, which its exception carries; the lines above it are
// left free so that members added later do not move it.
ExtensionManager::ExtensionManager(Context* pContext, const InitOptions& options)
    : nMajorVersion_(0), nMinorVersion_(0), nReleaseVersion_(-1), eVendor_(VENDOR_OTHER),
      bNonPowerOfTwoTextures_(false), initOptions_(options)
{
    QEL_ENFORCE(pContext != NULL);
    pContext->makeCurrent();
    readVendor();
    readVersion();
    loadCoreVersions();
    loadGLExtensions();
    loadWGLExtensions();
    bNonPowerOfTwoTextures_ = computeNonPowerOfTwoTextures();
}

}}
