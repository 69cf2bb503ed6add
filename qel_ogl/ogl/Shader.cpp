#include "qel_ogl/ogl/Shader.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <string>
#include <utility>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/EnumTranslation.h"

namespace QEL { namespace OGL {

namespace {

// The GL shader type of each ShaderType, indexed by its value.
const unsigned kShaderTypes[] = {GL_FRAGMENT_SHADER, GL_VERTEX_SHADER};

unsigned createShader(Shader::ShaderType type)
{
    QEL_SUPPORT_CHECK(OPEN_GL_2_0);
    return QEL_GL(CreateShader)(Shader::ShaderType2GL(type));
}

}

unsigned Shader::ShaderType2GL(ShaderType type)
{
    const auto glType = translateToGL(kShaderTypes, type);
    if (!glType)
        QEL_UNREACHABLE("Type enums are not all properly translated.");
    return *glType;
}

Shader::ShaderType Shader::GL2ShaderType(unsigned type)
{
    const auto shaderType = translateFromGL<ShaderType>(kShaderTypes, type);
    if (!shaderType)
        QEL_UNREACHABLE("Type enums are not all properly translated.");
    return *shaderType;
}

Shader::Shader(ShaderType type)
    : GLSLObject(createShader(type))
{
    QEL_ASSERT(_hObject != 0);
}

Shader::Shader(Shader&& other) noexcept = default;

Shader& Shader::operator=(Shader&& other)
{
    Shader taken(std::move(other));
    swapHandle(taken);
    return *this;
}

Shader::~Shader() noexcept(false)
{
    deleteOwnedObject([this] { QEL_GL(DeleteShader)(_hObject); });
}

bool Shader::isSupported()
{
    return ExtensionManager::Instance()->isSupported(ExtensionManager::OPEN_GL_2_0);
}

void Shader::load(unsigned count, const char** strings, int* lengths)
{
    QEL_GL(ShaderSource)(_hObject, static_cast<GLsizei>(count), strings, lengths);
}

// Without check, compile errors surface when a program links the shader.
void Shader::compile(bool check)
{
    QEL_GL(CompileShader)(_hObject);
    if (!check || isCompiled())
        return;
    const int logLength = getInfoLogLength();
    QEL_DESCRIBED_CHECK(logLength != 0, "Unknown Compile Error.");
    const std::string log = readInfoLog(logLength, [this](int maxLength, char* buffer) {
        getInfoLog(maxLength, buffer);
    });
    throwInternal(__FILE__, __LINE__, ("Program Compile Error: \n" + log).c_str());
}

bool Shader::isCompiled() const
{
    return parameter(GL_COMPILE_STATUS) != 0;
}

// A source of at least one character has a length of 2 or more, its terminator included.
bool Shader::isLoaded() const
{
    return parameter(GL_SHADER_SOURCE_LENGTH) > 1;
}

int Shader::getInfoLogLength() const
{
    return parameter(GL_INFO_LOG_LENGTH);
}

void Shader::getInfoLog(int maxLength, char* buffer)
{
    GLsizei written = 0;
    QEL_GL(GetShaderInfoLog)(_hObject, maxLength, &written, buffer);
}

// 0 where the driver writes nothing.
int Shader::parameter(unsigned name) const
{
    GLint value = 0;
    QEL_GL(GetShaderiv)(_hObject, name, &value);
    return value;
}

VertexShader::VertexShader()
    : Shader(VERTEX_SHADER)
{
}

FragmentShader::FragmentShader()
    : Shader(FRAGMENT_SHADER)
{
}

}}
