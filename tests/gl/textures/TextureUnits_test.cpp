// Textures and texture units on a real driver: the unit-taking operations of Texture, the binding members of
// TextureUnit and the TextureState functions.

#include "TexturesOnMesa.h"

#include "qel_ogl/ogl/Texture1.h"
#include "qel_ogl/ogl/Texture2.h"
#include "qel_ogl/ogl/Texture3.h"
#include "qel_ogl/ogl/TextureState.h"
#include "qel_ogl/ogl/TextureUnit.h"
#include "tests/unit/ThrownBy.h"

#include <gtest/gtest.h>

#include <optional>

using QEL::InternalException;
using QEL::OGL::Texture;
using QEL::OGL::Texture1D;
using QEL::OGL::Texture2D;
using QEL::OGL::Texture3D;
using QEL::OGL::TextureRECT;
using QEL::OGL::TextureUnit;
namespace TextureState = QEL::OGL::TextureState;
using IF = Texture::InternalFormat;

namespace {

GLint boundOnUnit(int unit, GLenum binding)
{
    const int active = TextureState::activeTexture();
    TextureState::setActiveTexture(unit);
    const GLint bound = integer(binding);
    TextureState::setActiveTexture(active);
    return bound;
}

bool enabledOnUnit(int unit, GLenum target)
{
    const int active = TextureState::activeTexture();
    TextureState::setActiveTexture(unit);
    const bool enabled = glIsEnabled(target);
    TextureState::setActiveTexture(active);
    return enabled;
}

void expectRefusedFromTexture(const std::function<void()>& call, const char* text)
{
    const auto e = thrownBy<InternalException>(call);
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/Texture.cpp", e->file());
    EXPECT_STREQ(text, e->text());
}

}

class TextureUnitOperations : public TexturesOnMesa
{
protected:
    void SetUp() override
    {
        TexturesOnMesa::SetUp();
        texture_.emplace(IF::RGBA8, 4, 4, false);
        name_ = static_cast<GLint>(texture_->objectID());
    }

    std::optional<Texture2D> texture_;
    GLint name_ = 0;
};

TEST_F(TextureUnitOperations, SelectAndReportTheActiveUnit)
{
    TextureState::setActiveTexture(2);
    EXPECT_EQ(2, TextureState::activeTexture());
    EXPECT_EQ(GL_TEXTURE2, integer(GL_ACTIVE_TEXTURE));
    TextureState::setActiveTexture(0);
    EXPECT_EQ(0, TextureState::activeTexture());
}

// bind and enable leave the given unit active; CURRENT_UNIT means the active one.
TEST_F(TextureUnitOperations, BindAndEnableSwitchToTheGivenUnit)
{
    texture_->bind_DEPRECATED_1_0(2);
    EXPECT_EQ(2, TextureState::activeTexture());
    EXPECT_EQ(name_, integer(GL_TEXTURE_BINDING_2D));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    texture_->enable_DEPRECATED_1_0(Texture::CurrentUnit_DEPRECATED_1_0());
    EXPECT_EQ(2, TextureState::activeTexture());
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    texture_->enable_DEPRECATED_1_0(1);
    EXPECT_EQ(1, TextureState::activeTexture());
    EXPECT_EQ(name_, integer(GL_TEXTURE_BINDING_2D));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

// unbind, isEnabled and disable work on the given unit and put the active unit back.
TEST_F(TextureUnitOperations, QueryDisableAndUnbindOnAUnitAndComeBack)
{
    texture_->enable_DEPRECATED_1_0(3);
    texture_->bind_DEPRECATED_1_0(1);
    TextureState::setActiveTexture(0);

    EXPECT_TRUE(texture_->isEnabled_DEPRECATED_1_0(3));
    EXPECT_FALSE(texture_->isEnabled_DEPRECATED_1_0(1));  // bound, not enabled
    EXPECT_FALSE(texture_->isEnabled_DEPRECATED_1_0(2));  // neither
    EXPECT_EQ(0, TextureState::activeTexture());

    texture_->disable_DEPRECATED_1_0(3);
    EXPECT_EQ(0, TextureState::activeTexture());
    EXPECT_FALSE(enabledOnUnit(3, GL_TEXTURE_2D));
    EXPECT_EQ(0, boundOnUnit(3, GL_TEXTURE_BINDING_2D));

    texture_->unbind_DEPRECATED_1_0(1);
    EXPECT_EQ(0, TextureState::activeTexture());
    EXPECT_EQ(0, boundOnUnit(1, GL_TEXTURE_BINDING_2D));
}

TEST_F(TextureUnitOperations, RefuseToUndoWhatIsNotThereAndComeBack)
{
    texture_->bind_DEPRECATED_1_0(2);
    TextureState::setActiveTexture(1);
    expectRefusedFromTexture([&] { texture_->disable_DEPRECATED_1_0(2); },
                             "Texture target is not enabled..can't disable texture");
    EXPECT_EQ(1, TextureState::activeTexture());
    expectRefusedFromTexture([&] { texture_->unbind_DEPRECATED_1_0(3); }, "Texture not bound");
    EXPECT_EQ(1, TextureState::activeTexture());
    expectRefusedFromTexture([&] { texture_->unbind_DEPRECATED_1_0(Texture::CURRENT_UNIT); }, "Texture not bound");
    EXPECT_EQ(name_, boundOnUnit(2, GL_TEXTURE_BINDING_2D));
}

TEST_F(TextureUnitOperations, SetTheEnvironmentMode)
{
    Texture::setEnv_DEPRECATED_1_0(GL_DECAL);
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(GL_DECAL, mode);
}

// A unit object binds at the target of the texture's class, on the unit that is active.
TEST_F(TextureUnitOperations, UnitObjectsBindEachKindAtItsTarget)
{
    Texture1D line(IF::RGBA8, 4, false);
    Texture3D volume(IF::RGBA8, 4, 4, 4, false);
    TextureRECT rectangle(IF::RGBA8, 3, 5);
    TextureState::setActiveTexture(2);
    const TextureUnit* unit = TextureUnit::Unit(0);
    unit->bind(&line);
    unit->bind(&*texture_);
    unit->bind(&volume);
    unit->bind(&rectangle);
    EXPECT_EQ(static_cast<GLint>(line.objectID()), integer(GL_TEXTURE_BINDING_1D));
    EXPECT_EQ(name_, integer(GL_TEXTURE_BINDING_2D));
    EXPECT_EQ(static_cast<GLint>(volume.objectID()), integer(GL_TEXTURE_BINDING_3D));
    EXPECT_EQ(static_cast<GLint>(rectangle.objectID()), integer(GL_TEXTURE_BINDING_RECTANGLE_ARB));
    EXPECT_EQ(0, boundOnUnit(0, GL_TEXTURE_BINDING_2D));

    const auto e = thrownBy<InternalException>([&] { unit->bind(static_cast<Texture2D*>(nullptr)); });
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ("qel_ogl/ogl/TextureUnit.cpp", e->file());
    EXPECT_STREQ("TextureUnit::bind texture must not be NULL", e->text());
}

TEST_F(TextureUnitOperations, KnowTheTargetsOfTheDriver)
{
    for (const GLenum target : {GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D, GL_TEXTURE_RECTANGLE_ARB}) {
        EXPECT_TRUE(TextureState::IsTargetSupported(target)) << target;
        EXPECT_TRUE(Texture::IsTargetSupported(target)) << target;
    }
    EXPECT_FALSE(TextureState::IsTargetSupported(GL_TEXTURE_CUBE_MAP));
    EXPECT_FALSE(Texture::IsTargetSupported(GL_TEXTURE_2D_ARRAY));
    EXPECT_TRUE(Texture2D::isSupported());
    EXPECT_TRUE(TextureRECT::isSupported());
    EXPECT_TRUE(TextureState::supportsNonPowerOfTwo());
    EXPECT_TRUE(Texture::supportsAutoMIPGeneration());
}
