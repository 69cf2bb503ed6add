#pragma once

#include "qel_ogl/ogl/GLSLObject.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// One OpenGL 2.0 shader object: takes its source and compiles it. Owns the object from construction to
// destruction; not copyable (two owners would delete it twice), movable.
class QEL_OGL_API Shader : public GLSLObject
{
public:
    enum ShaderType : int { FRAGMENT_SHADER = 0, VERTEX_SHADER = 1 };

    static unsigned ShaderType2GL(ShaderType type);
    static ShaderType GL2ShaderType(unsigned type);

    // Needs OpenGL 2.0.
    explicit Shader(ShaderType type);
    Shader(Shader&& other) noexcept;
    // Takes other's object; the one this wrapper held is deleted.
    Shader& operator=(Shader&& other);
    // Throws only when no other exception is propagating.
    ~Shader() noexcept(false) override;

    static bool isSupported();

    // glShaderSource: count strings, each of lengths[i] characters, or NUL-terminated where lengths is null
    // or lengths[i] is negative.
    void load(unsigned count, const char** strings, int* lengths);
    // Compiles; with check, a failure throws with the driver's log.
    void compile(bool check);

    bool isCompiled() const;
    // Whether the source has at least one character.
    bool isLoaded() const;
    // The log's length with its terminator, 0 when there is no log.
    int getInfoLogLength() const;
    void getInfoLog(int maxLength, char* buffer);

private:
    int parameter(unsigned name) const;
};

class QEL_OGL_API VertexShader : public Shader
{
public:
    VertexShader();
};

class QEL_OGL_API FragmentShader : public Shader
{
public:
    FragmentShader();
};

}}
