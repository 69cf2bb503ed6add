// Making each GPU object against a driver that fails one step of the construction at a time: a generated name
// of 0, and every entry point that the construction calls missing in turn. Each failure throws, leaves no GL
// name behind, and the same object can be made once the fault is gone.

#include "FakeGLFixture.h"
#include "FaultTally.h"
#include "LibraryFixture.h"
#include "LoaderSource.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/Framebuffer.h"
#include "qel_ogl/ogl/Program.h"
#include "qel_ogl/ogl/Renderbuffer.h"
#include "qel_ogl/ogl/Shader.h"
#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"
#include "tests/fakegl/driver/FakeGL.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <functional>
#include <string>
#include <vector>

using QEL::InternalException;
using QEL::OGL::Buffer;
using QEL::OGL::Framebuffer;
using QEL::OGL::Program;
using QEL::OGL::Renderbuffer;
using QEL::OGL::Texture1D;
using QEL::OGL::Texture2D;
using QEL::OGL::Texture3D;
using QEL::OGL::TextureRECT;
using QEL::OGL::VertexShader;
using IF = QEL::OGL::Texture::InternalFormat;

namespace {

// A table variable, set aside while the test needs it null.
struct Entry
{
    const char* name;
    void** variable;
};

template <class Pointer>
Entry entry(const char* name, Pointer& variable)
{
    return {name, reinterpret_cast<void**>(&variable)};
}

// One kind of object: how it is made, the functions that hand out and take back its name, the table variables
// its construction calls, and what the driver must answer for a construction to succeed (none when null).
struct Construction
{
    const char* object;
    std::function<void()> make;
    const char* generate;
    const char* release;
    std::vector<Entry> entries;
    std::function<void()> prepare;
};

// A two-dimensional texture checks that it is bound while it sets its wrap modes: the driver answers that the
// next name is bound.
void nextNameBoundAt(GLenum binding)
{
    fakegl::queueNames({7});
    fakegl::setIntegers(binding, {7});
}

std::vector<Construction> constructions()
{
    return {
        {"Buffer", [] { Buffer buffer(16, Buffer::ARRAY_BUFFER, Buffer::STATIC_DRAW, nullptr); }, "glGenBuffers",
         "glDeleteBuffers",
         {entry("glGenBuffers", _cgmGenBuffers), entry("glBindBuffer", _cgmBindBuffer),
          entry("glBufferData", _cgmBufferData)}, nullptr},
        {"Renderbuffer", [] { Renderbuffer renderbuffer(GL_RGBA8, 16, 16); }, "glGenRenderbuffersEXT",
         "glDeleteRenderbuffersEXT",
         {entry("glGenRenderbuffersEXT", _cgmGenRenderbuffersEXT),
          entry("glBindRenderbufferEXT", _cgmBindRenderbufferEXT),
          entry("glRenderbufferStorageEXT", _cgmRenderbufferStorageEXT)}, nullptr},
        {"Framebuffer", [] { Framebuffer framebuffer; }, "glGenFramebuffersEXT", "glDeleteFramebuffersEXT",
         {entry("glGenFramebuffersEXT", _cgmGenFramebuffersEXT)}, nullptr},
        {"Shader", [] { VertexShader shader; }, "glCreateShader", "glDeleteShader",
         {entry("glCreateShader", _cgmCreateShader)}, nullptr},
        {"Program", [] { Program program; }, "glCreateProgram", "glDeleteProgram",
         {entry("glCreateProgram", _cgmCreateProgram)}, nullptr},
        {"Texture1D", [] { Texture1D texture(IF::RGBA8, 16, true); }, "glGenTextures", "glDeleteTextures", {},
         nullptr},
        {"Texture2D", [] { Texture2D texture(IF::RGBA8, 16, 16, true); }, "glGenTextures", "glDeleteTextures", {},
         [] { nextNameBoundAt(GL_TEXTURE_BINDING_2D); }},
        {"TextureRECT", [] { TextureRECT texture(IF::RGBA8, 16, 16); }, "glGenTextures", "glDeleteTextures", {},
         [] { nextNameBoundAt(GL_TEXTURE_BINDING_RECTANGLE_ARB); }},
        {"Texture3D", [] { Texture3D texture(IF::RGBA8, 4, 4, 4, true); }, "glGenTextures", "glDeleteTextures",
         {entry("glTexImage3D", _cgmTexImage3D)}, nullptr},
    };
}

// The shader that a program makes for its source: every step of making it, the program's attaching included.
Construction programShader()
{
    static const char* const source = "void main() {}";
    return {"Program's vertex shader",
            [] {
                Program program;
                program.loadVertexShader(1, const_cast<const char**>(&source), nullptr);
            },
            "glCreateShader", "glDeleteShader",
            {entry("glCreateShader", _cgmCreateShader), entry("glShaderSource", _cgmShaderSource),
             entry("glCompileShader", _cgmCompileShader), entry("glGetShaderiv", _cgmGetShaderiv),
             entry("glAttachShader", _cgmAttachShader)},
            nullptr};
}

const char* const kLoaders[] = {"GL_VERSION_1_2", "GL_VERSION_1_3", "GL_VERSION_1_4", "GL_VERSION_1_5",
                                "GL_VERSION_2_0", "GL_VERSION_2_1", "GL_ARB_pixel_buffer_object",
                                "GL_ARB_vertex_buffer_object", "GL_EXT_framebuffer_object", "GL_ARB_texture_rectangle"};

}

// A 2.1 driver with the extensions every object needs, and room for renderbuffers.
class ConstructionFaults : public LibraryFixture<FakeGLFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        const auto loaders = loaderEntryPoints();
        std::string list;
        for (const std::string loader : kLoaders) {
            for (const EntryPoint& entryPoint : loaders.at(loader))
                ASSERT_TRUE(fakegl::enableProc(entryPoint.function)) << entryPoint.function;
            list += loader + " ";
        }
        fakegl::setString(GL_VERSION, "2.1");
        fakegl::setString(GL_EXTENSIONS, list);
        fakegl::setIntegers(GL_MAX_RENDERBUFFER_SIZE_EXT, {4096});
        // Every shader has source.
        fakegl::setObjectIntegers(GL_SHADER_SOURCE_LENGTH, {16});
        turnOn();
    }

    // The construction throws InternalException, and every name it was handed that is not 0 went back.
    static void expectRefusedWithoutLeftovers(const Construction& c, unsigned zeroNames)
    {
        fakegl::clearCallLog();
        EXPECT_TRUE(thrownBy<InternalException>(c.make).has_value());
        EXPECT_EQ(fakegl::callCount(c.generate) - zeroNames, fakegl::callCount(c.release));
    }

    // With the fault gone the object is made and its name goes with it.
    static void expectMadeAgain(const Construction& c)
    {
        if (c.prepare)
            c.prepare();
        fakegl::clearCallLog();
        c.make();
        EXPECT_EQ(1u, fakegl::callCount(c.generate));
        EXPECT_EQ(1u, fakegl::callCount(c.release));
    }
};

TEST_F(ConstructionFaults, NameZeroIsRefusedAndTheObjectCanBeMadeAgain)
{
    for (const Construction& c : constructions()) {
        SCOPED_TRACE(c.object);
        countInjectedFault();
        fakegl::queueNames({0});
        expectRefusedWithoutLeftovers(c, 1);
        expectMadeAgain(c);
    }
}

// The entry points are nulled in the table itself, as a driver whose loader left them out would leave them.
TEST_F(ConstructionFaults, EachMissingEntryPointIsRefusedWithoutLeftovers)
{
    std::vector<Construction> all = constructions();
    all.push_back(programShader());
    for (const Construction& c : all) {
        for (const Entry& missing : c.entries) {
            SCOPED_TRACE(std::string(c.object) + " without " + missing.name);
            countInjectedFault();
            void* const loaded = *missing.variable;
            *missing.variable = nullptr;
            expectRefusedWithoutLeftovers(c, 0);
            *missing.variable = loaded;
            expectMadeAgain(c);
        }
    }
}
