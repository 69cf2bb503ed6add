// Shaders and programs on a real driver: compile and link with the driver's logs, enabling, locations and
// active uniforms, detaching, destruction and moves, and the checks that guard them.

#include "GLSLFixture.h"

#include "qel_core/InternalException.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/ScopeGuard.h"
#include "qel_ogl/ogl/Shader.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using QEL::InternalException;
using QEL::OGL::FragmentShader;
using QEL::OGL::Library;
using QEL::OGL::Program;
using QEL::OGL::ScopeGuard;
using QEL::OGL::Shader;
using QEL::OGL::VertexShader;

namespace {

const char* const kBrokenFragment = "void main() { gl_FragColor = undeclared; }";

template <class Object>
std::string infoLog(Object& object)
{
    std::vector<char> buffer(static_cast<std::size_t>(object.getInfoLogLength()) + 1, '\0');
    object.getInfoLog(static_cast<int>(buffer.size()), buffer.data());
    return buffer.data();
}

template <class ShaderKind>
void loadSource(ShaderKind& shader, const char* source)
{
    shader.load(1, &source, nullptr);
}

// The shaders attached to the program, as GL lists them.
std::vector<GLuint> attached(const Program& program)
{
    GLint count = 0;
    _cgmGetProgramiv(program.objectID(), GL_ATTACHED_SHADERS, &count);
    std::vector<GLuint> shaders(static_cast<std::size_t>(count));
    _cgmGetAttachedShaders(program.objectID(), count, nullptr, shaders.data());
    return shaders;
}

const char* const kProgramFile = "qel_ogl/ogl/Program.cpp";
const char* const kShaderFile = "qel_ogl/ogl/Shader.cpp";

}

class Programs : public GLSLFixture
{
};

// The failed program stays usable: given other shaders, it links and draws.
TEST_F(Programs, LinkOfAShaderThatDoesNotCompileThrowsTheDriversLog)
{
    Program program;
    EXPECT_NO_THROW(load(program, kPassThroughVertex, kBrokenFragment));
    EXPECT_NO_THROW(program.link(false));
    const auto e = thrownBy<InternalException>([&] { program.link(true); });
    const std::string log = infoLog(program);
    EXPECT_FALSE(log.empty());
    expectRefusal(e, kProgramFile, "Program Link Error: \n" + log);
    EXPECT_FALSE(program.isLinked());

    program.detachAllShaders();
    load(program, kPassThroughVertex, kRedFragment);
    program.link(true);
    program.enable();
    EXPECT_EQ((std::array<int, 4>{255, 0, 0, 255}), drawAndRead());
}

TEST_F(Programs, CompileFailureThrowsTheShadersLog)
{
    FragmentShader shader;
    loadSource(shader, kBrokenFragment);
    EXPECT_NO_THROW(shader.compile(false));
    EXPECT_FALSE(shader.isCompiled());
    const auto e = thrownBy<InternalException>([&] { shader.compile(true); });
    EXPECT_FALSE(infoLog(shader).empty());
    expectRefusal(e, kShaderFile, "Program Compile Error: \n" + infoLog(shader));
}

TEST_F(Programs, AShaderWithoutSourceCannotBeAttached)
{
    Program program;
    VertexShader emptyString;
    loadSource(emptyString, "");
    FragmentShader neverLoaded;
    VertexShader oneCharacter;
    loadSource(oneCharacter, "x");
    EXPECT_TRUE(oneCharacter.isLoaded());

    expectRefusal(thrownBy<InternalException>([&] { program.attach(&emptyString); }), kProgramFile,
               "Vertex shader must be loaded before attaching");
    expectRefusal(thrownBy<InternalException>([&] { program.attach(&neverLoaded); }), kProgramFile,
               "Fragment shader must be loaded before attaching");
    const char* empty = "";
    expectRefusal(thrownBy<InternalException>([&] { program.loadFragmentShader(1, &empty, nullptr); }), kProgramFile,
               "Fragment shader must be loaded before attaching");
    expectRefusal(thrownBy<InternalException>([&] { program.attach(static_cast<VertexShader*>(nullptr)); }),
               kProgramFile, "Enforce shader != NULL");
    EXPECT_TRUE(attached(program).empty());
}

// Enabled means current, not merely linked: another program made current takes it away.
TEST_F(Programs, EnablingMakesTheLinkedProgramCurrent)
{
    Program program;
    load(program, kPassThroughVertex, kRedFragment);
    expectRefusal(thrownBy<InternalException>([&] { program.enable(); }), kProgramFile,
               "Program must be linked before being enabled");
    program.link(true);
    program.enable();
    EXPECT_TRUE(program.isEnabled());
    Program other;
    load(other, kPassThroughVertex, kRedFragment);
    other.link(true);
    other.enable();
    EXPECT_FALSE(program.isEnabled());
    program.disable();
    EXPECT_FALSE(other.isEnabled());
}

TEST_F(Programs, AnswersAttributesAndActiveUniforms)
{
    Program program;
    const char* const vertex = "attribute vec4 position; void main() { gl_Position = position; }";
    load(program, vertex, "uniform vec4 tint; uniform float scale; void main() { gl_FragColor = tint * scale; }");
    const char* const text = "Program must be linked to get active uniform count";
    expectRefusal(thrownBy<InternalException>([&] { program.getActiveUniformCount(); }), kProgramFile, text);
    expectRefusal(thrownBy<InternalException>([&] { program.getMaxUniformStringLength(); }), kProgramFile, text);
    expectRefusal(thrownBy<InternalException>([&] { program.getActiveUniform(0, 0, nullptr, nullptr, nullptr); }),
               kProgramFile, text);

    program.setAttributeLocation(3, "position");
    program.link(true);
    EXPECT_EQ(3, program.getAttributeLocation("position"));
    EXPECT_EQ(Program::nUnknownLocation, program.getAttributeLocation("missing"));
    EXPECT_LE(0, program.getUniformLocation("tint"));
    EXPECT_EQ(Program::nUnknownLocation, program.getUniformLocation("missing"));
    EXPECT_TRUE(program.validate());

    ASSERT_EQ(2u, program.getActiveUniformCount());
    ASSERT_EQ(6, program.getMaxUniformStringLength());
    std::map<std::string, unsigned> uniforms;
    for (unsigned index = 0; index < 2; ++index) {
        char name[6] = {};
        int size = 0;
        unsigned type = 0;
        program.getActiveUniform(index, sizeof name, &size, &type, name);
        EXPECT_EQ(1, size);
        uniforms[name] = type;
    }
    EXPECT_EQ((std::map<std::string, unsigned>{{"scale", GL_FLOAT}, {"tint", GL_FLOAT_VEC4}}), uniforms);
}

TEST_F(Programs, DetachesTheShadersOfOneType)
{
    Program program;
    VertexShader vertex;
    FragmentShader fragment;
    loadSource(vertex, kPassThroughVertex);
    loadSource(fragment, kRedFragment);
    program.attach(&vertex);
    program.attach(&fragment);
    program.detachAllVertexShaders();
    EXPECT_EQ(std::vector<GLuint>{fragment.objectID()}, attached(program));
    program.attach(&vertex);
    program.detachAllFragmentShaders();
    EXPECT_EQ(std::vector<GLuint>{vertex.objectID()}, attached(program));
    program.detach(&vertex);
    EXPECT_TRUE(attached(program).empty());
}

// GL lists shaders in the order they were attached: the vertex shader comes after 70 others.
TEST_F(Programs, DetachesTheShadersOfOneTypeBehindManyOthers)
{
    Program program;
    std::vector<FragmentShader> fragments(70);
    for (FragmentShader& shader : fragments) {
        loadSource(shader, kRedFragment);
        program.attach(&shader);
    }
    VertexShader vertex;
    loadSource(vertex, kPassThroughVertex);
    program.attach(&vertex);

    program.detachAllVertexShaders();
    const std::vector<GLuint> left = attached(program);
    EXPECT_EQ(70u, left.size());
    EXPECT_EQ(left.end(), std::find(left.begin(), left.end(), vertex.objectID()));
    program.detachAllShaders();
    EXPECT_TRUE(attached(program).empty());
}

// The shader that loadVertexShader made lives as long as the program holds it.
TEST_F(Programs, DestructionDeletesTheObjects)
{
    GLuint programName = 0;
    GLuint shaderName = 0;
    {
        Program program;
        programName = program.objectID();
        const char* source = kPassThroughVertex;
        program.loadVertexShader(1, &source, nullptr);
        ASSERT_EQ(1u, attached(program).size());
        shaderName = attached(program)[0];
        EXPECT_TRUE(_cgmIsShader(shaderName));
    }
    EXPECT_FALSE(_cgmIsProgram(programName));
    EXPECT_FALSE(_cgmIsShader(shaderName));
    {
        FragmentShader shader;
        shaderName = shader.objectID();
    }
    EXPECT_FALSE(_cgmIsShader(shaderName));
}

template <class Wrapper>
void expectMovesHandOverTheObject(GLboolean (APIENTRY* isObject)(GLuint))
{
    Wrapper first;
    const unsigned name = first.objectID();
    Wrapper second(std::move(first));
    EXPECT_EQ(0u, first.objectID());
    EXPECT_EQ(name, second.objectID());

    Wrapper third;
    const unsigned replaced = third.objectID();
    third = std::move(second);
    EXPECT_EQ(0u, second.objectID());
    EXPECT_EQ(name, third.objectID());
    EXPECT_FALSE(isObject(replaced));
    EXPECT_TRUE(isObject(name));
}

TEST_F(Programs, MovesHandOverTheObject)
{
    expectMovesHandOverTheObject<Program>(_cgmIsProgram);
    expectMovesHandOverTheObject<VertexShader>(_cgmIsShader);
}

TEST_F(Programs, ConstructionNeedsTheLibraryAndAKnownShaderType)
{
    const char* const typeText = "!\"Type enums are not all properly translated.\"";
    expectRefusal(thrownBy<InternalException>([] { Shader shader(static_cast<Shader::ShaderType>(2)); }),
               kShaderFile, typeText);
    expectRefusal(thrownBy<InternalException>([] { Shader::GL2ShaderType(GL_GEOMETRY_SHADER); }), kShaderFile,
               typeText);
    EXPECT_EQ(Shader::VERTEX_SHADER, Shader::GL2ShaderType(Shader::ShaderType2GL(Shader::VERTEX_SHADER)));
    EXPECT_EQ(static_cast<unsigned>(GL_FRAGMENT_SHADER), Shader::ShaderType2GL(Shader::FRAGMENT_SHADER));
    EXPECT_TRUE(Program::isSupported());
    EXPECT_TRUE(Shader::isSupported());

    Library::terminateExtensionator();
    const char* const managerFile = "qel_ogl/extensionator/ExtensionManager.cpp";
    expectRefusal(thrownBy<InternalException>([] { Program program; }), managerFile, "Enforce pInstance_ != NULL");
    expectRefusal(thrownBy<InternalException>([] { VertexShader shader; }), managerFile,
               "Enforce pInstance_ != NULL");
}

// A missing entry point is named instead of called. A destructor that fails throws, unless another exception
// is on its way: then the failure is swallowed.
TEST_F(Programs, AMissingEntryPointThrowsUnlessAnotherExceptionIsOnItsWay)
{
    const auto uniform1f = _cgmUniform1f;
    const auto deleteProgram = _cgmDeleteProgram;
    ScopeGuard restore([&] {
        _cgmUniform1f = uniform1f;
        _cgmDeleteProgram = deleteProgram;
    });
    _cgmUniform1f = nullptr;
    expectRefusal(thrownBy<InternalException>([] { Program().setUniform_Unsafe(0, 1.0f); }), kProgramFile,
               "glUniform1f is not loaded: its version or extension was not initialised");

    GLuint names[2] = {};
    const auto failure = thrownBy<InternalException>([&] {
        Program doomed;
        names[0] = doomed.objectID();
        _cgmDeleteProgram = nullptr;
    });
    expectRefusal(failure, kProgramFile, "glDeleteProgram is not loaded: its version or extension was not initialised");
    _cgmDeleteProgram = deleteProgram;
    const auto first = thrownBy<std::runtime_error>([&] {
        Program doomed;
        names[1] = doomed.objectID();
        _cgmDeleteProgram = nullptr;
        throw std::runtime_error("first");
    });
    ASSERT_TRUE(first.has_value());
    EXPECT_STREQ("first", first->what());
    for (const GLuint name : names)
        deleteProgram(name);
}
