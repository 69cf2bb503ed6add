#pragma once

#include <string>
#include <vector>

#include "qel_ogl/ogl/GLSLObject.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class FragmentShader;
class VertexShader;

// One OpenGL 2.0 program object: attaches shaders, links, is made current ("enabled") and takes uniform values.
// Owns the object from construction to destruction; not copyable (two owners would delete it twice), movable.
//
// Every uniform setter comes in four forms: by location or by name (resolved with getUniformLocation; a name
// that is no active uniform resolves to nUnknownLocation, which GL ignores), and checked or _Unsafe. The checked
// forms throw unless this program is current; the _Unsafe forms check nothing. The checked array setters by
// name (setUniform, setUniform2, setUniform3, setUniform4 with a count) do not check either.
class QEL_OGL_API Program : public GLSLObject
{
public:
    // What the location queries answer for a name that is no active attribute or uniform.
    static const int nUnknownLocation = -1;

    // Needs OpenGL 2.0.
    Program();
    Program(Program&& other) noexcept;
    // Takes other's object; the one this wrapper held is deleted.
    Program& operator=(Program&& other);
    // Throws only when no other exception is propagating.
    ~Program() noexcept(false) override;

    static bool isSupported();

    // The shader must have source.
    void attach(VertexShader* shader);
    void attach(FragmentShader* shader);
    void detach(const VertexShader* shader);
    void detach(const FragmentShader* shader);
    void detachAllShaders();
    void detachAllVertexShaders();
    void detachAllFragmentShaders();

    // Makes a shader of this source, compiles it without checking (errors surface at link time) and attaches
    // it; the program keeps the shader until it is detached.
    void loadVertexShader(unsigned count, const char** strings, int* lengths);
    void loadFragmentShader(unsigned count, const char** strings, int* lengths);

    // Links; with check, a failure throws with the driver's log, and so does a program that the driver would
    // run in software.
    void link(bool check);
    void postLinkInit();
    bool isLinked() const;
    bool validate() const;
    // The log's length with its terminator, 0 when there is no log.
    int getInfoLogLength() const;
    void getInfoLog(int maxLength, char* buffer);

    // Makes this program current; it must be linked.
    void enable();
    // Makes no program current, whichever was.
    void disable();
    bool isEnabled() const;

    // Takes effect at the next link.
    void setAttributeLocation(unsigned index, const char* name);
    int getAttributeLocation(const char* name);
    int getUniformLocation(const char* name) const;

    // These three need a linked program.
    unsigned getActiveUniformCount() const;
    int getMaxUniformStringLength() const;
    void getActiveUniform(unsigned index, int bufSize, int* size, unsigned* type, char* name) const;
    // Does nothing.
    void assertActiveUniformType(int location, unsigned, unsigned) const;

    // bool, bvec2..4 (each value 1 or 0), glUniform{n}i.
    void setUniform(int location, bool x);
    void setUniform(int location, bool x, bool y);
    void setUniform(int location, bool x, bool y, bool z);
    void setUniform(int location, bool x, bool y, bool z, bool w);
    void setUniform(const char* name, bool x);
    void setUniform(const char* name, bool x, bool y);
    void setUniform(const char* name, bool x, bool y, bool z);
    void setUniform(const char* name, bool x, bool y, bool z, bool w);
    void setUniform_Unsafe(int location, bool x);
    void setUniform_Unsafe(int location, bool x, bool y);
    void setUniform_Unsafe(int location, bool x, bool y, bool z);
    void setUniform_Unsafe(int location, bool x, bool y, bool z, bool w);
    void setUniform_Unsafe(const char* name, bool x);
    void setUniform_Unsafe(const char* name, bool x, bool y);
    void setUniform_Unsafe(const char* name, bool x, bool y, bool z);
    void setUniform_Unsafe(const char* name, bool x, bool y, bool z, bool w);

    // int, ivec2..4 from bytes (0 to 255), glUniform{n}i.
    void setUniform(int location, unsigned char x);
    void setUniform(int location, unsigned char x, unsigned char y);
    void setUniform(int location, unsigned char x, unsigned char y, unsigned char z);
    void setUniform(int location, unsigned char x, unsigned char y, unsigned char z, unsigned char w);
    void setUniform(const char* name, unsigned char x);
    void setUniform(const char* name, unsigned char x, unsigned char y);
    void setUniform(const char* name, unsigned char x, unsigned char y, unsigned char z);
    void setUniform(const char* name, unsigned char x, unsigned char y, unsigned char z, unsigned char w);
    void setUniform_Unsafe(int location, unsigned char x);
    void setUniform_Unsafe(int location, unsigned char x, unsigned char y);
    void setUniform_Unsafe(int location, unsigned char x, unsigned char y, unsigned char z);
    void setUniform_Unsafe(int location, unsigned char x, unsigned char y, unsigned char z, unsigned char w);
    void setUniform_Unsafe(const char* name, unsigned char x);
    void setUniform_Unsafe(const char* name, unsigned char x, unsigned char y);
    void setUniform_Unsafe(const char* name, unsigned char x, unsigned char y, unsigned char z);
    void setUniform_Unsafe(const char* name, unsigned char x, unsigned char y, unsigned char z, unsigned char w);

    // int, ivec2..4, glUniform{n}i.
    void setUniform(int location, int x);
    void setUniform(int location, int x, int y);
    void setUniform(int location, int x, int y, int z);
    void setUniform(int location, int x, int y, int z, int w);
    void setUniform(const char* name, int x);
    void setUniform(const char* name, int x, int y);
    void setUniform(const char* name, int x, int y, int z);
    void setUniform(const char* name, int x, int y, int z, int w);
    void setUniform_Unsafe(int location, int x);
    void setUniform_Unsafe(int location, int x, int y);
    void setUniform_Unsafe(int location, int x, int y, int z);
    void setUniform_Unsafe(int location, int x, int y, int z, int w);
    void setUniform_Unsafe(const char* name, int x);
    void setUniform_Unsafe(const char* name, int x, int y);
    void setUniform_Unsafe(const char* name, int x, int y, int z);
    void setUniform_Unsafe(const char* name, int x, int y, int z, int w);

    // float, vec2..4, glUniform{n}f.
    void setUniform(int location, float x);
    void setUniform(int location, float x, float y);
    void setUniform(int location, float x, float y, float z);
    void setUniform(int location, float x, float y, float z, float w);
    void setUniform(const char* name, float x);
    void setUniform(const char* name, float x, float y);
    void setUniform(const char* name, float x, float y, float z);
    void setUniform(const char* name, float x, float y, float z, float w);
    void setUniform_Unsafe(int location, float x);
    void setUniform_Unsafe(int location, float x, float y);
    void setUniform_Unsafe(int location, float x, float y, float z);
    void setUniform_Unsafe(int location, float x, float y, float z, float w);
    void setUniform_Unsafe(const char* name, float x);
    void setUniform_Unsafe(const char* name, float x, float y);
    void setUniform_Unsafe(const char* name, float x, float y, float z);
    void setUniform_Unsafe(const char* name, float x, float y, float z, float w);

    // Arrays of count int, ivec2, ivec3, ivec4: glUniform1iv to glUniform4iv.
    void setUniform(int location, int count, int* values);
    void setUniform2(int location, int count, int* values);
    void setUniform3(int location, int count, int* values);
    void setUniform4(int location, int count, int* values);
    void setUniform(const char* name, int count, int* values);
    void setUniform2(const char* name, int count, int* values);
    void setUniform3(const char* name, int count, int* values);
    void setUniform4(const char* name, int count, int* values);
    void setUniform_Unsafe(int location, int count, int* values);
    void setUniform2_Unsafe(int location, int count, int* values);
    void setUniform3_Unsafe(int location, int count, int* values);
    void setUniform4_Unsafe(int location, int count, int* values);
    void setUniform_Unsafe(const char* name, int count, int* values);
    void setUniform2_Unsafe(const char* name, int count, int* values);
    void setUniform3_Unsafe(const char* name, int count, int* values);
    void setUniform4_Unsafe(const char* name, int count, int* values);

    // Arrays of count float, vec2, vec3, vec4: glUniform1fv to glUniform4fv.
    void setUniform(int location, int count, float* values);
    void setUniform2(int location, int count, float* values);
    void setUniform3(int location, int count, float* values);
    void setUniform4(int location, int count, float* values);
    void setUniform(const char* name, int count, float* values);
    void setUniform2(const char* name, int count, float* values);
    void setUniform3(const char* name, int count, float* values);
    void setUniform4(const char* name, int count, float* values);
    void setUniform_Unsafe(int location, int count, float* values);
    void setUniform2_Unsafe(int location, int count, float* values);
    void setUniform3_Unsafe(int location, int count, float* values);
    void setUniform4_Unsafe(int location, int count, float* values);
    void setUniform_Unsafe(const char* name, int count, float* values);
    void setUniform2_Unsafe(const char* name, int count, float* values);
    void setUniform3_Unsafe(const char* name, int count, float* values);
    void setUniform4_Unsafe(const char* name, int count, float* values);

    // The texture unit (0 for GL_TEXTURE0) that a sampler reads, glUniform1i.
    void setUniformSampler1D(int location, int unit);
    void setUniformSampler2D(int location, int unit);
    void setUniformSampler3D(int location, int unit);
    void setUniformSampler2DRECT(int location, int unit);
    void setUniformSampler1D(const char* name, int unit);
    void setUniformSampler2D(const char* name, int unit);
    void setUniformSampler3D(const char* name, int unit);
    void setUniformSampler2DRECT(const char* name, int unit);
    void setUniformSampler1D_Unsafe(int location, int unit);
    void setUniformSampler2D_Unsafe(int location, int unit);
    void setUniformSampler3D_Unsafe(int location, int unit);
    void setUniformSampler2DRECT_Unsafe(int location, int unit);
    void setUniformSampler1D_Unsafe(const char* name, int unit);
    void setUniformSampler2D_Unsafe(const char* name, int unit);
    void setUniformSampler3D_Unsafe(const char* name, int unit);
    void setUniformSampler2DRECT_Unsafe(const char* name, int unit);

    // count matrices of 2x2, 3x3, 4x4 floats, column by column unless transpose is non-zero:
    // glUniformMatrix2fv to glUniformMatrix4fv.
    void setUniformMatrices2(int location, int count, const float* values, unsigned char transpose);
    void setUniformMatrices3(int location, int count, const float* values, unsigned char transpose);
    void setUniformMatrices4(int location, int count, const float* values, unsigned char transpose);
    void setUniformMatrices2(const char* name, int count, const float* values, unsigned char transpose);
    void setUniformMatrices3(const char* name, int count, const float* values, unsigned char transpose);
    void setUniformMatrices4(const char* name, int count, const float* values, unsigned char transpose);
    void setUniformMatrices2_Unsafe(int location, int count, const float* values, unsigned char transpose);
    void setUniformMatrices3_Unsafe(int location, int count, const float* values, unsigned char transpose);
    void setUniformMatrices4_Unsafe(int location, int count, const float* values, unsigned char transpose);
    void setUniformMatrices2_Unsafe(const char* name, int count, const float* values, unsigned char transpose);
    void setUniformMatrices3_Unsafe(const char* name, int count, const float* values, unsigned char transpose);
    void setUniformMatrices4_Unsafe(const char* name, int count, const float* values, unsigned char transpose);

    // One matrix: the matching setUniformMatrices with count 1.
    void setUniformMatrix2(int location, const float* values, unsigned char transpose);
    void setUniformMatrix3(int location, const float* values, unsigned char transpose);
    void setUniformMatrix4(int location, const float* values, unsigned char transpose);
    void setUniformMatrix2(const char* name, const float* values, unsigned char transpose);
    void setUniformMatrix3(const char* name, const float* values, unsigned char transpose);
    void setUniformMatrix4(const char* name, const float* values, unsigned char transpose);
    void setUniformMatrix2_Unsafe(int location, const float* values, unsigned char transpose);
    void setUniformMatrix3_Unsafe(int location, const float* values, unsigned char transpose);
    void setUniformMatrix4_Unsafe(int location, const float* values, unsigned char transpose);
    void setUniformMatrix2_Unsafe(const char* name, const float* values, unsigned char transpose);
    void setUniformMatrix3_Unsafe(const char* name, const float* values, unsigned char transpose);
    void setUniformMatrix4_Unsafe(const char* name, const float* values, unsigned char transpose);

private:
    void attachShader(unsigned shader);
    void detachShader(unsigned shader);
    // Up to 64 attached shaders.
    std::vector<unsigned> attachedShaders() const;
    void detachAllOfType(unsigned glShaderType);
    template <class ShaderKind>
    void loadShader(unsigned count, const char** strings, int* lengths);

    int parameter(unsigned name) const;
    std::string infoLog(int logLength);
    void requireEnabled() const;
    void requireLinkedForUniforms() const;
};

}}
