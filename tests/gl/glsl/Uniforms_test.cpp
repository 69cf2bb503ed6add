// Every uniform setter kind on a real driver: a program draws its uniform's value as the colour of a quad, and
// the pixel read back proves what arrived. Then the enabled check of every setter in each of its four forms.

#include "GLSLFixture.h"

#include "qel_core/InternalException.h"
#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using QEL::InternalException;
using QEL::OGL::Program;

namespace {

using Colour = std::array<int, 4>;

// A fragment shader with one uniform u: its declaration, the colour made of it, and how the test sets it.
struct UniformCase
{
    const char* what;
    const char* declaration;
    const char* colour;
    std::function<void(Program&)> set;
    Colour expected;
};

int at(Program& program)
{
    return program.getUniformLocation("u");
}

float byte(int value)
{
    return static_cast<float>(value) / 255.0f;
}

unsigned char uchar(int value)
{
    return static_cast<unsigned char>(value);
}

// Array and matrix values: element i of the floats is e(i) / 255, of the ints 10 (i + 1), so that each colour
// channel tells which element arrived.
int e(int i)
{
    return 3 + 8 * i;
}

float* floats()
{
    static std::vector<float> values = [] {
        std::vector<float> made;
        for (int i = 0; i < 32; ++i)
            made.push_back(byte(e(i)));
        return made;
    }();
    return values.data();
}

int gInts[] = {10, 20, 30, 40, 50, 60, 70, 80};

// The four forms take turns along each kind, so every kind is set by location and by name, checked and not.
const std::vector<UniformCase>& cases()
{
    static const std::vector<UniformCase> all = {
        {"bool, location", "uniform bool u;", "vec4(u ? 1.0 : 0.0, 0.0, 0.0, 1.0)",
         [](Program& p) { p.setUniform(at(p), true); }, {255, 0, 0, 255}},
        {"bvec2, name", "uniform bvec2 u;", "vec4(vec2(u), 0.0, 1.0)",
         [](Program& p) { p.setUniform("u", false, true); }, {0, 255, 0, 255}},
        {"bvec3, location unsafe", "uniform bvec3 u;", "vec4(vec3(u), 1.0)",
         [](Program& p) { p.setUniform_Unsafe(at(p), true, false, true); }, {255, 0, 255, 255}},
        {"bvec4, name unsafe", "uniform bvec4 u;", "vec4(u)",
         [](Program& p) { p.setUniform_Unsafe("u", true, true, false, true); }, {255, 255, 0, 255}},
        {"byte, name", "uniform int u;", "vec4(float(u) / 255.0, 0.0, 0.0, 1.0)",
         [](Program& p) { p.setUniform("u", uchar(17)); }, {17, 0, 0, 255}},
        {"byte x 2, location unsafe", "uniform ivec2 u;", "vec4(vec2(u) / 255.0, 0.0, 1.0)",
         [](Program& p) { p.setUniform_Unsafe(at(p), uchar(34), uchar(51)); }, {34, 51, 0, 255}},
        {"byte x 3, name unsafe", "uniform ivec3 u;", "vec4(vec3(u) / 255.0, 1.0)",
         [](Program& p) { p.setUniform_Unsafe("u", uchar(68), uchar(85), uchar(102)); }, {68, 85, 102, 255}},
        {"byte x 4, location", "uniform ivec4 u;", "vec4(u) / 255.0",
         [](Program& p) { p.setUniform(at(p), uchar(119), uchar(136), uchar(153), uchar(255)); },
         {119, 136, 153, 255}},
        {"int, location unsafe", "uniform int u;", "vec4(float(u) / 255.0, 0.0, 0.0, 1.0)",
         [](Program& p) { p.setUniform_Unsafe(at(p), 200); }, {200, 0, 0, 255}},
        {"ivec2, name unsafe", "uniform ivec2 u;", "vec4(vec2(u) / 255.0, 0.0, 1.0)",
         [](Program& p) { p.setUniform_Unsafe("u", 1, 2); }, {1, 2, 0, 255}},
        {"ivec3, location", "uniform ivec3 u;", "vec4(vec3(u) / 255.0, 1.0)",
         [](Program& p) { p.setUniform(at(p), 3, 4, 5); }, {3, 4, 5, 255}},
        {"ivec4, name", "uniform ivec4 u;", "vec4(u) / 255.0",
         [](Program& p) { p.setUniform("u", 6, 7, 8, 9); }, {6, 7, 8, 9}},
        {"float, name unsafe", "uniform float u;", "vec4(u, 0.0, 0.0, 1.0)",
         [](Program& p) { p.setUniform_Unsafe("u", byte(51)); }, {51, 0, 0, 255}},
        {"vec2, location", "uniform vec2 u;", "vec4(u, 0.0, 1.0)",
         [](Program& p) { p.setUniform(at(p), byte(102), byte(153)); }, {102, 153, 0, 255}},
        {"vec3, name", "uniform vec3 u;", "vec4(u, 1.0)",
         [](Program& p) { p.setUniform("u", byte(11), byte(22), byte(33)); }, {11, 22, 33, 255}},
        {"vec4, location unsafe", "uniform vec4 u;", "u",
         [](Program& p) { p.setUniform_Unsafe(at(p), byte(44), byte(55), byte(66), byte(77)); }, {44, 55, 66, 77}},

        {"int[3], location", "uniform int u[3];", "vec4(float(u[0]), float(u[1]), float(u[2]), 255.0) / 255.0",
         [](Program& p) { p.setUniform(at(p), 3, gInts); }, {10, 20, 30, 255}},
        {"ivec2[2], name", "uniform ivec2 u[2];", "vec4(vec2(u[0]), vec2(u[1])) / 255.0",
         [](Program& p) { p.setUniform2("u", 2, gInts); }, {10, 20, 30, 40}},
        {"ivec3[2], location unsafe", "uniform ivec3 u[2];", "vec4(vec2(u[0].xz), vec2(u[1].yz)) / 255.0",
         [](Program& p) { p.setUniform3_Unsafe(at(p), 2, gInts); }, {10, 30, 50, 60}},
        {"ivec4[2], name unsafe", "uniform ivec4 u[2];", "vec4(u[0] + u[1]) / 255.0",
         [](Program& p) { p.setUniform4_Unsafe("u", 2, gInts); }, {60, 80, 100, 120}},
        {"float[3], name", "uniform float u[3];", "vec4(u[0], u[1], u[2], 1.0)",
         [](Program& p) { p.setUniform("u", 3, floats()); }, {e(0), e(1), e(2), 255}},
        {"vec2[2], location", "uniform vec2 u[2];", "vec4(u[0], u[1])",
         [](Program& p) { p.setUniform2(at(p), 2, floats()); }, {e(0), e(1), e(2), e(3)}},
        {"vec3[2], name unsafe", "uniform vec3 u[2];", "vec4(u[0].xz, u[1].yz)",
         [](Program& p) { p.setUniform3_Unsafe("u", 2, floats()); }, {e(0), e(2), e(4), e(5)}},
        {"vec4[2], name", "uniform vec4 u[2];", "vec4(u[0].x, u[0].w, u[1].x, u[1].w)",
         [](Program& p) { p.setUniform4("u", 2, floats()); }, {e(0), e(3), e(4), e(7)}},

        {"mat2[2], location", "uniform mat2 u[2];", "vec4(u[0][1], u[1][0])",
         [](Program& p) { p.setUniformMatrices2(at(p), 2, floats(), 0); }, {e(2), e(3), e(4), e(5)}},
        {"mat3, name, transposed", "uniform mat3 u;", "vec4(u[0], u[2].z)",
         [](Program& p) { p.setUniformMatrices3("u", 1, floats(), 1); }, {e(0), e(3), e(6), e(8)}},
        {"mat4[2], location unsafe", "uniform mat4 u[2];", "vec4(u[0][3].w, u[1][0].x, u[1][2].y, u[1][3].w)",
         [](Program& p) { p.setUniformMatrices4_Unsafe(at(p), 2, floats(), 0); }, {e(15), e(16), e(25), e(31)}},
        {"mat2, name unsafe, transposed", "uniform mat2 u;", "vec4(u[0], u[1])",
         [](Program& p) { p.setUniformMatrix2_Unsafe("u", floats(), 1); }, {e(0), e(2), e(1), e(3)}},
        {"mat3, location", "uniform mat3 u;", "vec4(u[1], u[2].x)",
         [](Program& p) { p.setUniformMatrix3(at(p), floats(), 0); }, {e(3), e(4), e(5), e(6)}},
        {"mat4, name", "uniform mat4 u;", "u[3]",
         [](Program& p) { p.setUniformMatrix4("u", floats(), 0); }, {e(12), e(13), e(14), e(15)}},
    };
    return all;
}

// A sampler uniform u of the target's kind, the lookup of its texture's one texel, and how the test sets it.
struct SamplerCase
{
    const char* what;
    GLenum target;
    const char* declaration;
    const char* colour;
    std::function<void(Program&)> set;
};

const int kSampledUnit = 2;

const std::vector<SamplerCase>& samplerCases()
{
    static const std::vector<SamplerCase> all = {
        {"1D, location", GL_TEXTURE_1D, "uniform sampler1D u;", "texture1D(u, 0.5)",
         [](Program& p) { p.setUniformSampler1D(at(p), kSampledUnit); }},
        {"2D, name", GL_TEXTURE_2D, "uniform sampler2D u;", "texture2D(u, vec2(0.5))",
         [](Program& p) { p.setUniformSampler2D("u", kSampledUnit); }},
        {"3D, location unsafe", GL_TEXTURE_3D, "uniform sampler3D u;", "texture3D(u, vec3(0.5))",
         [](Program& p) { p.setUniformSampler3D_Unsafe(at(p), kSampledUnit); }},
        {"rectangle, name unsafe", GL_TEXTURE_RECTANGLE_ARB,
         "#extension GL_ARB_texture_rectangle : enable\nuniform sampler2DRect u;", "texture2DRect(u, vec2(0.5))",
         [](Program& p) { p.setUniformSampler2DRECT_Unsafe("u", kSampledUnit); }},
    };
    return all;
}

// A texture of one texel of that colour on target at unit, sampled without mipmaps.
GLuint makeTexture(GLenum target, int unit, const GLubyte (&rgba)[4])
{
    _cgmActiveTexture(GL_TEXTURE0 + unit);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(target, name);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    if (target == GL_TEXTURE_1D)
        glTexImage1D(target, 0, GL_RGBA, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    else if (target == GL_TEXTURE_3D)
        _cgmTexImage3D(target, 0, GL_RGBA, 1, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    else
        glTexImage2D(target, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    _cgmActiveTexture(GL_TEXTURE0);
    return name;
}

// The four forms of one setter, called with location 0 or the name "u" and the given values.
struct SetterForms
{
    const char* what;
    bool checkedByNameChecks;
    std::function<void(Program&)> checkedByLocation;
    std::function<void(Program&)> checkedByName;
    std::function<void(Program&)> unsafeByLocation;
    std::function<void(Program&)> unsafeByName;
};

const int kLocation = 0;

#define FORMS(checkedByNameChecks, member, ...) \
    {#member "(" #__VA_ARGS__ ")", checkedByNameChecks, \
     [](Program& p) { p.member(kLocation, __VA_ARGS__); }, [](Program& p) { p.member("u", __VA_ARGS__); }, \
     [](Program& p) { p.member##_Unsafe(kLocation, __VA_ARGS__); }, \
     [](Program& p) { p.member##_Unsafe("u", __VA_ARGS__); }}

// Every setter of the program; the array setters by name do not check.
const std::vector<SetterForms>& everySetter()
{
    static const std::vector<SetterForms> all = {
        FORMS(true, setUniform, true), FORMS(true, setUniform, true, false),
        FORMS(true, setUniform, true, false, true), FORMS(true, setUniform, true, false, true, false),
        FORMS(true, setUniform, uchar(1)), FORMS(true, setUniform, uchar(1), uchar(2)),
        FORMS(true, setUniform, uchar(1), uchar(2), uchar(3)),
        FORMS(true, setUniform, uchar(1), uchar(2), uchar(3), uchar(4)),
        FORMS(true, setUniform, 1), FORMS(true, setUniform, 1, 2), FORMS(true, setUniform, 1, 2, 3),
        FORMS(true, setUniform, 1, 2, 3, 4),
        FORMS(true, setUniform, 1.0f), FORMS(true, setUniform, 1.0f, 2.0f),
        FORMS(true, setUniform, 1.0f, 2.0f, 3.0f), FORMS(true, setUniform, 1.0f, 2.0f, 3.0f, 4.0f),
        FORMS(false, setUniform, 1, gInts), FORMS(false, setUniform2, 1, gInts),
        FORMS(false, setUniform3, 1, gInts), FORMS(false, setUniform4, 1, gInts),
        FORMS(false, setUniform, 1, floats()), FORMS(false, setUniform2, 1, floats()),
        FORMS(false, setUniform3, 1, floats()), FORMS(false, setUniform4, 1, floats()),
        FORMS(true, setUniformSampler1D, 1), FORMS(true, setUniformSampler2D, 1),
        FORMS(true, setUniformSampler3D, 1), FORMS(true, setUniformSampler2DRECT, 1),
        FORMS(true, setUniformMatrices2, 1, floats(), 0), FORMS(true, setUniformMatrices3, 1, floats(), 0),
        FORMS(true, setUniformMatrices4, 1, floats(), 0),
        FORMS(true, setUniformMatrix2, floats(), 0), FORMS(true, setUniformMatrix3, floats(), 0),
        FORMS(true, setUniformMatrix4, floats(), 0),
    };
    return all;
}

#undef FORMS

void expectNotEnabled(const std::function<void(Program&)>& set, Program& program)
{
    const auto e = thrownBy<InternalException>([&] { set(program); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/Program.cpp", e->file());
    EXPECT_STREQ("Program must be enabled to set uniform parameter", e->text());
}

std::string fragmentSource(const UniformCase& uniform)
{
    return std::string(uniform.declaration) + " void main() { gl_FragColor = " + uniform.colour + "; }";
}

}

class Uniforms : public GLSLFixture
{
};

TEST_F(Uniforms, EverySetterKindDeliversItsValues)
{
    for (const UniformCase& uniform : cases()) {
        SCOPED_TRACE(uniform.what);
        Program program;
        const std::string fragment = fragmentSource(uniform);
        load(program, kPassThroughVertex, fragment.c_str());
        program.link(true);
        program.enable();
        uniform.set(program);
        EXPECT_EQ(uniform.expected, drawAndRead());
        EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
    }
}

TEST_F(Uniforms, SamplersReadTheUnitTheyAreGiven)
{
    const GLubyte other[4] = {10, 10, 10, 255};
    const GLubyte sampled[4] = {200, 100, 50, 255};
    for (const SamplerCase& sampler : samplerCases()) {
        SCOPED_TRACE(sampler.what);
        const GLuint textures[2] = {makeTexture(sampler.target, 0, other),
                                    makeTexture(sampler.target, kSampledUnit, sampled)};
        Program program;
        const std::string fragment = std::string(sampler.declaration) +
                                     "\nvoid main() { gl_FragColor = " + sampler.colour + "; }";
        load(program, kPassThroughVertex, fragment.c_str());
        program.link(true);
        program.enable();
        sampler.set(program);
        EXPECT_EQ((Colour{200, 100, 50, 255}), drawAndRead());
        glDeleteTextures(2, textures);
    }
}

// Another program is current: the checked forms refuse, the unchecked ones go to GL (which reports an error
// that nothing asks for).
TEST_F(Uniforms, CheckedSettersNeedTheProgramCurrentUncheckedOnesDoNot)
{
    Program program;
    load(program, kPassThroughVertex, "uniform float u; void main() { gl_FragColor = vec4(u); }");
    program.link(true);
    Program current;
    load(current, kPassThroughVertex, kRedFragment);
    current.link(true);
    current.enable();

    for (const SetterForms& forms : everySetter()) {
        SCOPED_TRACE(forms.what);
        expectNotEnabled(forms.checkedByLocation, program);
        if (forms.checkedByNameChecks)
            expectNotEnabled(forms.checkedByName, program);
        else
            EXPECT_NO_THROW(forms.checkedByName(program));
        EXPECT_NO_THROW(forms.unsafeByLocation(program));
        EXPECT_NO_THROW(forms.unsafeByName(program));
    }
    while (glGetError() != GL_NO_ERROR) {
    }
}
