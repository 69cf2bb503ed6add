#include "qel_ogl/ogl/Program.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <string>
#include <utility>
#include <vector>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/Shader.h"

namespace QEL { namespace OGL {

namespace {

unsigned createProgram()
{
    QEL_SUPPORT_CHECK(OPEN_GL_2_0);
    return QEL_GL(CreateProgram)();
}

unsigned shaderType(unsigned shader)
{
    GLint type = 0;
    QEL_GL(GetShaderiv)(shader, GL_SHADER_TYPE, &type);
    return static_cast<unsigned>(type);
}

}

const int Program::nUnknownLocation;

Program::Program()
    : GLSLObject(createProgram())
{
    QEL_ASSERT(_hObject != 0);
}

Program::Program(Program&& other) noexcept = default;

Program& Program::operator=(Program&& other)
{
    Program taken(std::move(other));
    swapHandle(taken);
    return *this;
}

Program::~Program() noexcept(false)
{
    deleteOwnedObject([this] { QEL_GL(DeleteProgram)(_hObject); });
}

bool Program::isSupported()
{
    return ExtensionManager::Instance()->isSupported(ExtensionManager::OPEN_GL_2_0);
}

void Program::attach(VertexShader* shader)
{
    QEL_ENFORCE(shader != NULL);
    QEL_DESCRIBED_CHECK(shader->isLoaded(), "Vertex shader must be loaded before attaching");
    attachShader(shader->objectID());
}

void Program::attach(FragmentShader* shader)
{
    QEL_ENFORCE(shader != NULL);
    QEL_DESCRIBED_CHECK(shader->isLoaded(), "Fragment shader must be loaded before attaching");
    attachShader(shader->objectID());
}

void Program::detach(const VertexShader* shader)
{
    QEL_ENFORCE(shader != NULL);
    detachShader(shader->objectID());
}

void Program::detach(const FragmentShader* shader)
{
    QEL_ENFORCE(shader != NULL);
    detachShader(shader->objectID());
}

// Asks again after each round, until the program reports none.
void Program::detachAllShaders()
{
    for (std::vector<unsigned> shaders = attachedShaders(); !shaders.empty(); shaders = attachedShaders()) {
        for (const unsigned shader : shaders)
            detachShader(shader);
    }
}

void Program::detachAllVertexShaders()
{
    detachAllOfType(GL_VERTEX_SHADER);
}

void Program::detachAllFragmentShaders()
{
    detachAllOfType(GL_FRAGMENT_SHADER);
}

void Program::loadVertexShader(unsigned count, const char** strings, int* lengths)
{
    loadShader<VertexShader>(count, strings, lengths);
}

void Program::loadFragmentShader(unsigned count, const char** strings, int* lengths)
{
    loadShader<FragmentShader>(count, strings, lengths);
}

// The driver's log decides: a program that links but would run in software is refused as a failure. A log of
// its terminator alone is no log.
void Program::link(bool check)
{
    QEL_GL(LinkProgram)(_hObject);
    if (!check)
        return;
    const bool linked = isLinked();
    const int logLength = getInfoLogLength();
    if (!linked) {
        QEL_DESCRIBED_CHECK(logLength >= 2, "Unknown Program Link Error\n");
        throwInternal(__FILE__, __LINE__, ("Program Link Error: \n" + infoLog(logLength)).c_str());
    }
    if (logLength < 2)
        return;
    const std::string log = infoLog(logLength);
    QEL_DESCRIBED_CHECK(log.find("run in software") == std::string::npos,
                        "Program Link Error(Falling to Software): \n" << log);
}

void Program::postLinkInit()
{
}

bool Program::isLinked() const
{
    return parameter(GL_LINK_STATUS) != 0;
}

bool Program::validate() const
{
    QEL_GL(ValidateProgram)(_hObject);
    return parameter(GL_VALIDATE_STATUS) != 0;
}

int Program::getInfoLogLength() const
{
    return parameter(GL_INFO_LOG_LENGTH);
}

void Program::getInfoLog(int maxLength, char* buffer)
{
    GLsizei written = 0;
    QEL_GL(GetProgramInfoLog)(_hObject, maxLength, &written, buffer);
}

void Program::enable()
{
    QEL_DESCRIBED_CHECK(isLinked(), "Program must be linked before being enabled");
    QEL_GL(UseProgram)(_hObject);
}

void Program::disable()
{
    QEL_GL(UseProgram)(0);
}

bool Program::isEnabled() const
{
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    return static_cast<unsigned>(current) == _hObject;
}

void Program::setAttributeLocation(unsigned index, const char* name)
{
    QEL_GL(BindAttribLocation)(_hObject, index, name);
}

int Program::getAttributeLocation(const char* name)
{
    return QEL_GL(GetAttribLocation)(_hObject, name);
}

int Program::getUniformLocation(const char* name) const
{
    return QEL_GL(GetUniformLocation)(_hObject, name);
}

unsigned Program::getActiveUniformCount() const
{
    requireLinkedForUniforms();
    return static_cast<unsigned>(parameter(GL_ACTIVE_UNIFORMS));
}

int Program::getMaxUniformStringLength() const
{
    requireLinkedForUniforms();
    return parameter(GL_ACTIVE_UNIFORM_MAX_LENGTH);
}

void Program::getActiveUniform(unsigned index, int bufSize, int* size, unsigned* type, char* name) const
{
    requireLinkedForUniforms();
    GLsizei written = 0;
    QEL_GL(GetActiveUniform)(_hObject, index, bufSize, &written, size, type, name);
}

void Program::assertActiveUniformType(int, unsigned, unsigned) const
{
}

void Program::attachShader(unsigned shader)
{
    QEL_GL(AttachShader)(_hObject, shader);
}

void Program::detachShader(unsigned shader)
{
    QEL_GL(DetachShader)(_hObject, shader);
}

// Every attached shader: the list is as long as the program says, so that no shader past a fixed capacity is
// overlooked.
std::vector<unsigned> Program::attachedShaders() const
{
    const GLsizei capacity = parameter(GL_ATTACHED_SHADERS);
    if (capacity <= 0)
        return std::vector<unsigned>();
    std::vector<unsigned> shaders(static_cast<std::size_t>(capacity));
    GLsizei count = 0;
    QEL_GL(GetAttachedShaders)(_hObject, capacity, &count, shaders.data());
    shaders.resize(static_cast<std::size_t>(count < 0 ? 0 : count));
    return shaders;
}

void Program::detachAllOfType(unsigned glShaderType)
{
    for (const unsigned shader : attachedShaders()) {
        if (shaderType(shader) == glShaderType)
            detachShader(shader);
    }
}

// The shader object goes when this returns; GL keeps it while the program holds it.
template <class ShaderKind>
void Program::loadShader(unsigned count, const char** strings, int* lengths)
{
    ShaderKind shader;
    shader.load(count, strings, lengths);
    shader.compile(false);
    attach(&shader);
}

// 0 where the driver writes nothing.
int Program::parameter(unsigned name) const
{
    GLint value = 0;
    QEL_GL(GetProgramiv)(_hObject, name, &value);
    return value;
}

std::string Program::infoLog(int logLength)
{
    return readInfoLog(logLength, [this](int maxLength, char* buffer) { getInfoLog(maxLength, buffer); });
}

void Program::requireEnabled() const
{
    QEL_DESCRIBED_CHECK(isEnabled(), "Program must be enabled to set uniform parameter");
}

void Program::requireLinkedForUniforms() const
{
    QEL_DESCRIBED_CHECK(isLinked(), "Program must be linked to get active uniform count");
}

// The unchecked setters by location make the GL calls; every other form is derived from them below.

void Program::setUniform_Unsafe(int location, bool x)
{
    QEL_GL(Uniform1i)(location, x);
}

void Program::setUniform_Unsafe(int location, bool x, bool y)
{
    QEL_GL(Uniform2i)(location, x, y);
}

void Program::setUniform_Unsafe(int location, bool x, bool y, bool z)
{
    QEL_GL(Uniform3i)(location, x, y, z);
}

void Program::setUniform_Unsafe(int location, bool x, bool y, bool z, bool w)
{
    QEL_GL(Uniform4i)(location, x, y, z, w);
}

void Program::setUniform_Unsafe(int location, unsigned char x)
{
    QEL_GL(Uniform1i)(location, x);
}

void Program::setUniform_Unsafe(int location, unsigned char x, unsigned char y)
{
    QEL_GL(Uniform2i)(location, x, y);
}

void Program::setUniform_Unsafe(int location, unsigned char x, unsigned char y, unsigned char z)
{
    QEL_GL(Uniform3i)(location, x, y, z);
}

void Program::setUniform_Unsafe(int location, unsigned char x, unsigned char y, unsigned char z, unsigned char w)
{
    QEL_GL(Uniform4i)(location, x, y, z, w);
}

void Program::setUniform_Unsafe(int location, int x)
{
    QEL_GL(Uniform1i)(location, x);
}

void Program::setUniform_Unsafe(int location, int x, int y)
{
    QEL_GL(Uniform2i)(location, x, y);
}

void Program::setUniform_Unsafe(int location, int x, int y, int z)
{
    QEL_GL(Uniform3i)(location, x, y, z);
}

void Program::setUniform_Unsafe(int location, int x, int y, int z, int w)
{
    QEL_GL(Uniform4i)(location, x, y, z, w);
}

void Program::setUniform_Unsafe(int location, float x)
{
    QEL_GL(Uniform1f)(location, x);
}

void Program::setUniform_Unsafe(int location, float x, float y)
{
    QEL_GL(Uniform2f)(location, x, y);
}

void Program::setUniform_Unsafe(int location, float x, float y, float z)
{
    QEL_GL(Uniform3f)(location, x, y, z);
}

void Program::setUniform_Unsafe(int location, float x, float y, float z, float w)
{
    QEL_GL(Uniform4f)(location, x, y, z, w);
}

void Program::setUniform_Unsafe(int location, int count, int* values)
{
    QEL_GL(Uniform1iv)(location, count, values);
}

void Program::setUniform2_Unsafe(int location, int count, int* values)
{
    QEL_GL(Uniform2iv)(location, count, values);
}

void Program::setUniform3_Unsafe(int location, int count, int* values)
{
    QEL_GL(Uniform3iv)(location, count, values);
}

void Program::setUniform4_Unsafe(int location, int count, int* values)
{
    QEL_GL(Uniform4iv)(location, count, values);
}

void Program::setUniform_Unsafe(int location, int count, float* values)
{
    QEL_GL(Uniform1fv)(location, count, values);
}

void Program::setUniform2_Unsafe(int location, int count, float* values)
{
    QEL_GL(Uniform2fv)(location, count, values);
}

void Program::setUniform3_Unsafe(int location, int count, float* values)
{
    QEL_GL(Uniform3fv)(location, count, values);
}

void Program::setUniform4_Unsafe(int location, int count, float* values)
{
    QEL_GL(Uniform4fv)(location, count, values);
}

void Program::setUniformSampler1D_Unsafe(int location, int unit)
{
    QEL_GL(Uniform1i)(location, unit);
}

void Program::setUniformSampler2D_Unsafe(int location, int unit)
{
    QEL_GL(Uniform1i)(location, unit);
}

void Program::setUniformSampler3D_Unsafe(int location, int unit)
{
    QEL_GL(Uniform1i)(location, unit);
}

void Program::setUniformSampler2DRECT_Unsafe(int location, int unit)
{
    QEL_GL(Uniform1i)(location, unit);
}

void Program::setUniformMatrices2_Unsafe(int location, int count, const float* values, unsigned char transpose)
{
    QEL_GL(UniformMatrix2fv)(location, count, transpose, values);
}

void Program::setUniformMatrices3_Unsafe(int location, int count, const float* values, unsigned char transpose)
{
    QEL_GL(UniformMatrix3fv)(location, count, transpose, values);
}

void Program::setUniformMatrices4_Unsafe(int location, int count, const float* values, unsigned char transpose)
{
    QEL_GL(UniformMatrix4fv)(location, count, transpose, values);
}

void Program::setUniformMatrix2_Unsafe(int location, const float* values, unsigned char transpose)
{
    setUniformMatrices2_Unsafe(location, 1, values, transpose);
}

void Program::setUniformMatrix3_Unsafe(int location, const float* values, unsigned char transpose)
{
    setUniformMatrices3_Unsafe(location, 1, values, transpose);
}

void Program::setUniformMatrix4_Unsafe(int location, const float* values, unsigned char transpose)
{
    setUniformMatrices4_Unsafe(location, 1, values, transpose);
}

// The derived forms of setter `member`. params are its parameters after the location or name, args their
// names, each list in parentheses. Checked by location: the enabled check, then the _Unsafe form. _Unsafe by
// name: resolve the name, then the _Unsafe form by location.
#define QEL_EXPAND(...) __VA_ARGS__

#define QEL_CHECKED_BY_LOCATION_AND_UNSAFE_BY_NAME(member, params, args) \
    void Program::member(int location, QEL_EXPAND params) \
    { \
        requireEnabled(); \
        member##_Unsafe(location, QEL_EXPAND args); \
    } \
    void Program::member##_Unsafe(const char* name, QEL_EXPAND params) \
    { \
        member##_Unsafe(getUniformLocation(name), QEL_EXPAND args); \
    }

// Scalar, vector, sampler and matrix setters: checked by name, the enabled check, then the _Unsafe form.
#define QEL_UNIFORM_FORMS(member, params, args) \
    QEL_CHECKED_BY_LOCATION_AND_UNSAFE_BY_NAME(member, params, args) \
    void Program::member(const char* name, QEL_EXPAND params) \
    { \
        requireEnabled(); \
        member##_Unsafe(getUniformLocation(name), QEL_EXPAND args); \
    }

// Array setters: checked by name, no check at all, the same as the _Unsafe form by name.
#define QEL_ARRAY_UNIFORM_FORMS(member, params, args) \
    QEL_CHECKED_BY_LOCATION_AND_UNSAFE_BY_NAME(member, params, args) \
    void Program::member(const char* name, QEL_EXPAND params) \
    { \
        member##_Unsafe(name, QEL_EXPAND args); \
    }

QEL_UNIFORM_FORMS(setUniform, (bool x), (x))
QEL_UNIFORM_FORMS(setUniform, (bool x, bool y), (x, y))
QEL_UNIFORM_FORMS(setUniform, (bool x, bool y, bool z), (x, y, z))
QEL_UNIFORM_FORMS(setUniform, (bool x, bool y, bool z, bool w), (x, y, z, w))
QEL_UNIFORM_FORMS(setUniform, (unsigned char x), (x))
QEL_UNIFORM_FORMS(setUniform, (unsigned char x, unsigned char y), (x, y))
QEL_UNIFORM_FORMS(setUniform, (unsigned char x, unsigned char y, unsigned char z), (x, y, z))
QEL_UNIFORM_FORMS(setUniform, (unsigned char x, unsigned char y, unsigned char z, unsigned char w), (x, y, z, w))
QEL_UNIFORM_FORMS(setUniform, (int x), (x))
QEL_UNIFORM_FORMS(setUniform, (int x, int y), (x, y))
QEL_UNIFORM_FORMS(setUniform, (int x, int y, int z), (x, y, z))
QEL_UNIFORM_FORMS(setUniform, (int x, int y, int z, int w), (x, y, z, w))
QEL_UNIFORM_FORMS(setUniform, (float x), (x))
QEL_UNIFORM_FORMS(setUniform, (float x, float y), (x, y))
QEL_UNIFORM_FORMS(setUniform, (float x, float y, float z), (x, y, z))
QEL_UNIFORM_FORMS(setUniform, (float x, float y, float z, float w), (x, y, z, w))

QEL_ARRAY_UNIFORM_FORMS(setUniform, (int count, int* values), (count, values))
QEL_ARRAY_UNIFORM_FORMS(setUniform2, (int count, int* values), (count, values))
QEL_ARRAY_UNIFORM_FORMS(setUniform3, (int count, int* values), (count, values))
QEL_ARRAY_UNIFORM_FORMS(setUniform4, (int count, int* values), (count, values))
QEL_ARRAY_UNIFORM_FORMS(setUniform, (int count, float* values), (count, values))
QEL_ARRAY_UNIFORM_FORMS(setUniform2, (int count, float* values), (count, values))
QEL_ARRAY_UNIFORM_FORMS(setUniform3, (int count, float* values), (count, values))
QEL_ARRAY_UNIFORM_FORMS(setUniform4, (int count, float* values), (count, values))

QEL_UNIFORM_FORMS(setUniformSampler1D, (int unit), (unit))
QEL_UNIFORM_FORMS(setUniformSampler2D, (int unit), (unit))
QEL_UNIFORM_FORMS(setUniformSampler3D, (int unit), (unit))
QEL_UNIFORM_FORMS(setUniformSampler2DRECT, (int unit), (unit))

QEL_UNIFORM_FORMS(setUniformMatrices2, (int count, const float* values, unsigned char transpose),
                  (count, values, transpose))
QEL_UNIFORM_FORMS(setUniformMatrices3, (int count, const float* values, unsigned char transpose),
                  (count, values, transpose))
QEL_UNIFORM_FORMS(setUniformMatrices4, (int count, const float* values, unsigned char transpose),
                  (count, values, transpose))
QEL_UNIFORM_FORMS(setUniformMatrix2, (const float* values, unsigned char transpose), (values, transpose))
QEL_UNIFORM_FORMS(setUniformMatrix3, (const float* values, unsigned char transpose), (values, transpose))
QEL_UNIFORM_FORMS(setUniformMatrix4, (const float* values, unsigned char transpose), (values, transpose))

}}
