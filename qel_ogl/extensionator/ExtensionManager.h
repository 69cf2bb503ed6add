#pragma once

#include <set>
#include <string>
#include <vector>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class Context;
class Library;

// Learns what the OpenGL implementation behind a context offers and answers the feature questions. The one
// instance is made and destroyed by Library; its construction runs the loaders that fill the entry-point table.
// Everything here runs on the thread that owns the context, without a lock.
class QEL_OGL_API ExtensionManager
{
public:
    // The known core versions (0 to 5), GL extensions (6 to 300) and WGL extensions (301 to 334); the values
    // are fixed, hosts pass them to isSupported and initialize.
    enum teExtension {
#include "qel_ogl/extensionator/generated/teExtensionValues.inc"
    };

    enum teVendor {
        VENDOR_OTHER = 0,
        VENDOR_ATI = 1,    // GL_VENDOR contains "ATI"
        VENDOR_NVIDIA = 2  // GL_VENDOR contains "NVIDIA" and not "ATI"
    };

    // Settings the manager keeps for the host; nothing in the library reads them on this platform.
    class QEL_OGL_API InitOptions
    {
    public:
        InitOptions();

        void setThrowOnNullContext(bool throwOnNullContext);
        bool throwOnNullContext() const;
        void setFlushOnMakeCurrentMacOnly(bool flushOnMakeCurrent);
        bool flushOnMakeCurrentMacOnly() const;
        // Copies the path.
        void setRekorderPathname(std::string& pathname);
        const std::string& rekorderPathname() const;

    private:
        bool bThrowOnNullContext_;
        bool bFlushOnMakeCurrentMacOnly_;
        std::string sRekorderPathname_;
    };

    // The manager; throws InternalException when the library was not initialised.
    static ExtensionManager* Instance();

    ~ExtensionManager();

    ExtensionManager(const ExtensionManager&) = delete;
    ExtensionManager& operator=(const ExtensionManager&) = delete;

    unsigned majorVersion() const;
    unsigned minorVersion() const;
    bool hasReleaseVersion() const;
    // Throws when the version string has no release number.
    unsigned releaseVersion() const;
    // The driver's text after the version numbers, empty if none.
    std::string additionalVersionInfo() const;
    teVendor vendor() const;
    const InitOptions& initOptions() const;

    // Whether every entry point of the version or extension was found while the manager was made.
    bool isSupported(teExtension extension) const;
    // Runs the loader of the version or extension again (GL first, then WGL) and answers whether it found every
    // entry point; the supported set stays as it is.
    bool initialize(teExtension extension) const;

    bool supportsNonPowerOfTwoTextures() const;
    bool supportsClampToEdge() const;
    bool supportsTexture3D() const;
    bool supportsMultiTexture() const;
    bool supportsDrawBuffers() const;
    bool supportsFloatingPointTextures() const;
    bool supportsRenderToTexture() const;
    bool supportsRenderToTextureRectangle() const;
    bool supportsPixelBuffers() const;
    // Asks the current context: the fragment-program image units where fragment programs exist, else the
    // fixed-function units where multitexturing exists, else 1.
    unsigned numberOfTextureUnits() const;

private:
    friend class Library;

    ExtensionManager(Context* pContext, const InitOptions& options);

    static void Create(Context* pContext, const InitOptions& options);
    static void Destroy();

    static void TokenizeVersionString(const std::string& version, unsigned& major, unsigned& minor, int& release,
                                      std::string& additional);
    static void TokenizeExtensionString(const std::string& extensions, std::vector<std::string>& out);

    bool versionIsAtLeast(unsigned major, unsigned minor) const;
    void readVendor();
    void readVersion();
    void loadCoreVersions();
    void loadGLExtensions();
    void loadWGLExtensions();
    void recordIfLoaded(teExtension extension, bool (*load)(teExtension));
    bool computeNonPowerOfTwoTextures() const;

    std::set<teExtension> supportedExtensions_;
    unsigned nMajorVersion_;
    unsigned nMinorVersion_;
    int nReleaseVersion_;
    std::string sAdditionalVersionInfo_;
    teVendor eVendor_;
    bool bNonPowerOfTwoTextures_;
    InitOptions initOptions_;

    static ExtensionManager* pInstance_;
};

}}
