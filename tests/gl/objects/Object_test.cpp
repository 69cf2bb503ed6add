// The object base on a real driver: what it reads back about the binding of its target.

#include "GLContextFixture.h"

#include "qel_ogl/ogl/Object.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

namespace {

// An object of the base alone: a name that the test generates, at the 2D texture target.
class TextureObject : public QEL::OGL::Object
{
public:
    TextureObject()
        : Object(GL_TEXTURE_2D, GL_TEXTURE_BINDING_2D)
    {
    }

    using Object::changeTarget;
    using Object::setObjectID;
};

GLuint boundTexture2D()
{
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    return static_cast<GLuint>(bound);
}

}

class ObjectOnMesa : public GLContextFixture
{
protected:
    void SetUp() override
    {
        GLContextFixture::SetUp();
        glGenTextures(1, &name_);
    }

    void TearDown() override
    {
        glDeleteTextures(1, &name_);
        GLContextFixture::TearDown();
    }

    GLuint name_ = 0;
};

// Without a name the object counts as bound exactly while nothing is bound at its target.
TEST_F(ObjectOnMesa, IsBoundWhileItsNameIsTheBoundOne)
{
    TextureObject object;
    EXPECT_FALSE(object.isInitialized());
    EXPECT_TRUE(object.isBound());
    glBindTexture(GL_TEXTURE_2D, name_);
    EXPECT_EQ(name_, object.getBoundID());
    EXPECT_FALSE(object.isBound());

    object.setObjectID(name_);
    EXPECT_TRUE(object.isInitialized());
    EXPECT_TRUE(object.isBound());
}

TEST_F(ObjectOnMesa, ChangingTheTargetOnlyChangesWhatIsAsked)
{
    TextureObject object;
    object.setObjectID(name_);
    glBindTexture(GL_TEXTURE_2D, name_);

    object.changeTarget(GL_TEXTURE_1D, GL_TEXTURE_BINDING_1D);
    EXPECT_EQ(static_cast<unsigned>(GL_TEXTURE_1D), object.target());
    EXPECT_FALSE(object.isBound());
    EXPECT_EQ(name_, boundTexture2D());
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}
