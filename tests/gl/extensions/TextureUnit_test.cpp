// The texture-unit registry on a real driver, and the per-unit members that need no texture object.

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include "qel_ogl/extensionator/generated/glEntryPoints.h"
#include "qel_ogl/ogl/TextureUnit.h"
#include "tests/unit/ThrownBy.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <gtest/gtest.h>

#include <set>

using QEL::InternalException;
using QEL::OGL::ExtensionManager;
using QEL::OGL::Library;
using QEL::OGL::TextureUnit;

namespace {

void expectOutOfRange(unsigned unit)
{
    const auto e = thrownBy<InternalException>([unit] { TextureUnit::Unit(unit); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/TextureUnit.cpp", e->file());
    EXPECT_STREQ("unit < nMaxTextureUnit_", e->text());
}

GLint activeTexture()
{
    GLint unit = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &unit);
    return unit - GL_TEXTURE0;
}

}

using TextureUnitRegistry = LibraryFixture<GLContextFixture>;

TEST_F(TextureUnitRegistry, HasNoUnitBeforeTheLibraryIsOn)
{
    expectOutOfRange(0);
}

TEST_F(TextureUnitRegistry, HoldsOneObjectPerUnitOfTheDriver)
{
    turnOn();
    const unsigned count = ExtensionManager::Instance()->numberOfTextureUnits();
    std::set<const TextureUnit*> units;
    for (unsigned unit = 0; unit < count; ++unit)
        units.insert(TextureUnit::Unit(unit));
    EXPECT_EQ(count, units.size());
    EXPECT_EQ(0u, units.count(nullptr));
    expectOutOfRange(count);
}

TEST_F(TextureUnitRegistry, IsEmptyAgainAfterTermination)
{
    turnOn();
    Library::terminateExtensionator();
    expectOutOfRange(0);
}

class TextureUnitOnMesa : public TextureUnitRegistry
{
protected:
    void SetUp() override
    {
        TextureUnitRegistry::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }
};

TEST_F(TextureUnitOnMesa, EnablesAndDisablesEachTarget)
{
    const TextureUnit* unit = TextureUnit::Unit(0);
    struct Target
    {
        GLenum gl;
        void (TextureUnit::*enable)() const;
        void (TextureUnit::*disable)() const;
        bool (TextureUnit::*isEnabled)() const;
    };
    const Target targets[] = {
        {GL_TEXTURE_1D, &TextureUnit::enable1D, &TextureUnit::disable1D, &TextureUnit::isEnabled1D},
        {GL_TEXTURE_2D, &TextureUnit::enable2D, &TextureUnit::disable2D, &TextureUnit::isEnabled2D},
        {GL_TEXTURE_3D, &TextureUnit::enable3D, &TextureUnit::disable3D, &TextureUnit::isEnabled3D},
        {GL_TEXTURE_RECTANGLE_ARB, &TextureUnit::enableRECT, &TextureUnit::disableRECT,
         &TextureUnit::isEnabledRECT},
    };
    for (const Target& target : targets) {
        SCOPED_TRACE(target.gl);
        EXPECT_FALSE((unit->*target.isEnabled)());
        (unit->*target.enable)();
        EXPECT_TRUE(glIsEnabled(target.gl));
        EXPECT_TRUE((unit->*target.isEnabled)());
        (unit->*target.disable)();
        EXPECT_FALSE(glIsEnabled(target.gl));
        EXPECT_FALSE((unit->*target.isEnabled)());
    }
    EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError());
}

// A unit object does not switch units: Unit(1) acts on whichever unit GL has active.
TEST_F(TextureUnitOnMesa, ActsOnTheActiveUnit)
{
    _cgmActiveTexture(GL_TEXTURE0 + 2);
    TextureUnit::Unit(1)->enable2D();
    EXPECT_EQ(2, activeTexture());
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    _cgmActiveTexture(GL_TEXTURE0 + 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureUnitOnMesa, BindsTheDefaultTextureOfATarget)
{
    GLuint textures[2] = {};
    glGenTextures(2, textures);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glBindTexture(GL_TEXTURE_3D, textures[1]);

    TextureUnit::Unit(0)->bind2DDefault();
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(0, bound);
    glGetIntegerv(GL_TEXTURE_BINDING_3D, &bound);
    EXPECT_EQ(static_cast<GLint>(textures[1]), bound);

    TextureUnit::Unit(0)->bind3DDefault();
    glGetIntegerv(GL_TEXTURE_BINDING_3D, &bound);
    EXPECT_EQ(0, bound);
    glDeleteTextures(2, textures);
}

TEST_F(TextureUnitOnMesa, SetsTheEnvironmentMode)
{
    const TextureUnit* unit = TextureUnit::Unit(0);
    for (TextureUnit::Environment environment : {TextureUnit::REPLACE, TextureUnit::ADD, TextureUnit::MODULATE}) {
        unit->setEnv(environment);
        GLint mode = 0;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        EXPECT_EQ(environment, TextureUnit::GL2Environment(static_cast<unsigned>(mode)));
    }
}
