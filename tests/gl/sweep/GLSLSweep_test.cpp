// Bad inputs to the shading-language objects on the real driver: shaders, programs (unlinked, linked, current)
// and the GL 2.0 state snapshot.

#include "SweepFixture.h"

#include "qel_ogl/ogl/Program.h"
#include "qel_ogl/ogl/Shader.h"
#include "qel_ogl/ogl/StateObject.h"

using QEL::OGL::FragmentShader;
using QEL::OGL::Program;
using QEL::OGL::Shader;
using QEL::OGL::StateObject_2_0;
using QEL::OGL::VertexShader;

namespace {

const char* const kVertexSource =
    "uniform vec4 colour;\n"
    "uniform mat4 transform;\n"
    "uniform float weights[3];\n"
    "void main() { gl_Position = transform * gl_Vertex * weights[1]; gl_FrontColor = colour; }\n";
const char* const kFragmentSource =
    "uniform sampler2D image;\n"
    "void main() { gl_FragColor = gl_Color * texture2D(image, vec2(0.5)); }\n";

const char* kNoText = nullptr;
const char* kEmptyText = "";
char gText[64];
float gFloats[64];

Shader::ShaderType shaderType(int value)
{
    return static_cast<Shader::ShaderType>(value);
}

void makeShader(int type)
{
    Shader shader(shaderType(type));
}

std::string shaderState(const Shader& s)
{
    return describe("name=", s.objectID(), " loaded=", s.isLoaded(), " compiled=", s.isCompiled(),
                    " log=", s.getInfoLogLength());
}

std::string programState(const Program& p)
{
    return describe("name=", p.objectID(), " linked=", p.isLinked(), " current=", p.isEnabled(),
                    " log=", p.getInfoLogLength());
}

std::unique_ptr<Program> linkedProgram()
{
    auto program = std::make_unique<Program>();
    program->loadVertexShader(1, const_cast<const char**>(&kVertexSource), nullptr);
    program->loadFragmentShader(1, const_cast<const char**>(&kFragmentSource), nullptr);
    program->link(true);
    return program;
}

// A linked program, current until it goes: deleted while current, its name would live on.
class CurrentProgram : public Program
{
public:
    CurrentProgram()
        : Program(std::move(*linkedProgram()))
    {
        enable();
    }

    ~CurrentProgram() noexcept(false) override
    {
        disable();
    }
};

const Expected kInvalidValue = Expected::refusedByGL(GL_INVALID_VALUE);
const Expected kInvalidOperation = Expected::refusedByGL(GL_INVALID_OPERATION);

}

TEST_F(LibraryOnSweep, Shader)
{
    sweep(Table<NoSubject>{"Shader construction and translation", noSubject, nullptr, {
        {"Shader::Shader", "type 2", kInternal, [](auto&) { makeShader(2); }},
        {"Shader::Shader", "type -1", kInternal, [](auto&) { makeShader(-1); }},
        {"Shader::Shader", "type GL_VERTEX_SHADER", kInternal, [](auto&) { makeShader(GL_VERTEX_SHADER); }},
        {"Shader::ShaderType2GL", "2", kInternal, [](auto&) { Shader::ShaderType2GL(shaderType(2)); }},
        {"Shader::GL2ShaderType", "0", kInternal, [](auto&) { Shader::GL2ShaderType(0); }},
        {"Shader::GL2ShaderType", "GL_GEOMETRY_SHADER", kInternal,
         [](auto&) { Shader::GL2ShaderType(GL_GEOMETRY_SHADER); }},
    }});
    sweep(Table<Shader>{"Shader without source", [] { return std::make_unique<VertexShader>(); }, shaderState, {
        {"Shader::load", "count -1", kInvalidValue, [](auto& s) { s.load(UINT_MAX, &kEmptyText, nullptr); }},
        {"Shader::load", "null strings", kInvalidValue, [](auto& s) { s.load(1, nullptr, nullptr); }},
        {"Shader::load", "a null string", kInvalidOperation, [](auto& s) { s.load(1, &kNoText, nullptr); }},
        {"Shader::compile", "no source, checked", kInternal, [](auto& s) { s.compile(true); }},
        {"Shader::getInfoLog", "length -1", kInvalidValue, [](auto& s) { s.getInfoLog(-1, gText); }},
        // Pointers go to GL unjudged; the driver tells what it does with a null one.
        {"Shader::getInfoLog", "null buffer", kAnswered, [](auto& s) { s.getInfoLog(16, nullptr); }},
    }});
}

TEST_F(LibraryOnSweep, Program)
{
    VertexShader empty;
    sweep(Table<Program>{"Program, not linked", [] { return std::make_unique<Program>(); }, programState, {
        {"Program::attach", "null vertex shader", kInternal,
         [](auto& p) { p.attach(static_cast<VertexShader*>(nullptr)); }},
        {"Program::attach", "null fragment shader", kInternal,
         [](auto& p) { p.attach(static_cast<FragmentShader*>(nullptr)); }},
        {"Program::attach", "a shader without source", kInternal, [&empty](auto& p) { p.attach(&empty); }},
        {"Program::detach", "null vertex shader", kInternal,
         [](auto& p) { p.detach(static_cast<const VertexShader*>(nullptr)); }},
        {"Program::detach", "null fragment shader", kInternal,
         [](auto& p) { p.detach(static_cast<const FragmentShader*>(nullptr)); }},
        {"Program::detach", "a shader not attached", kInvalidOperation, [&empty](auto& p) { p.detach(&empty); }},
        {"Program::enable", "a program not linked", kInternal, [](auto& p) { p.enable(); }},
        {"Program::getActiveUniformCount", "a program not linked", kInternal,
         [](auto& p) { p.getActiveUniformCount(); }},
        {"Program::getMaxUniformStringLength", "a program not linked", kInternal,
         [](auto& p) { p.getMaxUniformStringLength(); }},
        {"Program::getActiveUniform", "a program not linked", kInternal,
         [](auto& p) { int size; unsigned type; p.getActiveUniform(0, 16, &size, &type, gText); }},
        {"Program::setUniform", "a program not current", kInternal, [](auto& p) { p.setUniform(0, 1.0f); }},
        {"Program::setUniform", "by name, a program not current", kInternal,
         [](auto& p) { p.setUniform("colour", 1.0f); }},
        {"Program::setUniformMatrix4", "a program not current", kInternal,
         [](auto& p) { p.setUniformMatrix4(0, gFloats, 0); }},
        {"Program::setAttributeLocation", "index UINT_MAX", kInvalidValue,
         [](auto& p) { p.setAttributeLocation(UINT_MAX, "position"); }},
        {"Program::setAttributeLocation", "a name starting gl_", kInvalidOperation,
         [](auto& p) { p.setAttributeLocation(1, "gl_Vertex"); }},
        {"Program::setAttributeLocation", "null name", kAnswered, [](auto& p) { p.setAttributeLocation(1, nullptr); }},
        {"Program::getAttributeLocation", "a program not linked", kInvalidOperation,
         [](auto& p) { EXPECT_EQ(Program::nUnknownLocation, p.getAttributeLocation("position")); }},
        {"Program::getInfoLog", "length -1", kInvalidValue, [](auto& p) { p.getInfoLog(-1, gText); }},
        {"Program::getInfoLog", "null buffer", kAnswered, [](auto& p) { p.getInfoLog(16, nullptr); }},
        // The source that GL refused leaves the shader empty, which attach refuses.
        {"Program::loadVertexShader", "null strings", Expected::thrown<QEL::InternalException>(GL_INVALID_VALUE),
         [](auto& p) { p.loadVertexShader(1, nullptr, nullptr); }},
    }});
    sweep(Table<Program>{"Program, linked", linkedProgram, programState, {
        {"Program::getAttributeLocation", "null name", kAnswered,
         [](auto& p) { EXPECT_EQ(Program::nUnknownLocation, p.getAttributeLocation(nullptr)); }},
        {"Program::getUniformLocation", "null name", kAnswered,
         [](auto& p) { EXPECT_EQ(Program::nUnknownLocation, p.getUniformLocation(nullptr)); }},
        {"Program::getActiveUniform", "index past the last", kInvalidValue,
         [](auto& p) { int size; unsigned type; p.getActiveUniform(p.getActiveUniformCount(), 16, &size, &type, gText); }},
        {"Program::getActiveUniform", "size -1", kInvalidValue,
         [](auto& p) { int size; unsigned type; p.getActiveUniform(0, -1, &size, &type, gText); }},
        {"Program::getActiveUniform", "null size", kAnswered,
         [](auto& p) { unsigned type; p.getActiveUniform(0, 16, nullptr, &type, gText); }},
        {"Program::getActiveUniform", "null type", kAnswered,
         [](auto& p) { int size; p.getActiveUniform(0, 16, &size, nullptr, gText); }},
        {"Program::getActiveUniform", "null name", kAnswered,
         [](auto& p) { int size; unsigned type; p.getActiveUniform(0, 16, &size, &type, nullptr); }},
    }});
    sweep(Table<Program>{"Program, current", [] { return std::make_unique<CurrentProgram>(); }, programState, {
        {"Program::setUniform", "a location no uniform has", kInvalidOperation,
         [](auto& p) { p.setUniform(12345, 1.0f); }},
        {"Program::setUniform", "a float for a vec4", kInvalidOperation,
         [](auto& p) { p.setUniform(p.getUniformLocation("colour"), 1.0f); }},
        {"Program::setUniform", "count -1", kInvalidValue,
         [](auto& p) { p.setUniform(p.getUniformLocation("weights"), -1, gFloats); }},
        {"Program::setUniform", "null values", kAnswered,
         [](auto& p) { p.setUniform(p.getUniformLocation("weights"), 3, static_cast<float*>(nullptr)); }},
        {"Program::setUniform4", "null values", kAnswered,
         [](auto& p) { p.setUniform4(p.getUniformLocation("colour"), 1, static_cast<float*>(nullptr)); }},
        {"Program::setUniformMatrix4", "null values", kAnswered,
         [](auto& p) { p.setUniformMatrix4(p.getUniformLocation("transform"), nullptr, 0); }},
        {"Program::setUniformMatrices4", "count -1", kInvalidValue,
         [](auto& p) { p.setUniformMatrices4(p.getUniformLocation("transform"), -1, gFloats, 0); }},
        {"Program::setUniformSampler2D", "unit -1", kInvalidValue,
         [](auto& p) { p.setUniformSampler2D(p.getUniformLocation("image"), -1); }},
        {"Program::setUniform", "by name, null name", kAnswered, [](auto& p) { p.setUniform(kNoText, 1.0f); }},
        {"Program::setUniform_Unsafe", "null values", kAnswered,
         [](auto& p) { p.setUniform_Unsafe(p.getUniformLocation("weights"), 3, static_cast<float*>(nullptr)); }},
    }});
}

TEST_F(LibraryOnSweep, StateObject)
{
    const StateObject_2_0 state;
    const unsigned sets = state.maxTextureCoords();
    sweep(Table<NoSubject>{"StateObject_2_0 of the initial values", noSubject, nullptr, {
        {"StateObject_2_0::currentTextureCoords", "one past the last set", kInternal,
         [&state, sets](auto&) { state.currentTextureCoords(sets); }},
        {"StateObject_2_0::currentTextureCoords", "UINT_MAX", kInternal,
         [&state](auto&) { state.currentTextureCoords(UINT_MAX); }},
        {"StateObject_2_0::currentRasterTextureCoords", "one past the last set", kInternal,
         [&state, sets](auto&) { state.currentRasterTextureCoords(sets); }},
    }});
}
