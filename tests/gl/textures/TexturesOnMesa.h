#pragma once

#include "GLContextFixture.h"
#include "LibraryFixture.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <vector>

// A current Mesa context with the library on.
class TexturesOnMesa : public LibraryFixture<GLContextFixture>
{
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        if (!HasFatalFailure())
            turnOn();
    }

    void TearDown() override
    {
        EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError()) << "the test left a GL error";
        LibraryFixture::TearDown();
    }
};

inline GLint integer(GLenum name)
{
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

inline GLint levelParameter(GLenum target, GLint level, GLenum name)
{
    GLint value = -1;
    glGetTexLevelParameteriv(target, level, name, &value);
    return value;
}

inline GLint textureParameter(GLenum target, GLenum name)
{
    GLint value = -1;
    glGetTexParameteriv(target, name, &value);
    return value;
}

// The client pixel-store state and the buffer bindings that transfers borrow.
inline std::vector<GLint> borrowedState()
{
    std::vector<GLint> state;
    for (const GLenum name : {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS,
                              GL_UNPACK_IMAGE_HEIGHT, GL_PACK_ALIGNMENT, GL_CLIENT_ATTRIB_STACK_DEPTH,
                              GL_PIXEL_UNPACK_BUFFER_BINDING, GL_PIXEL_PACK_BUFFER_BINDING, GL_ARRAY_BUFFER_BINDING})
        state.push_back(integer(name));
    return state;
}

// Every test ends with the borrowed state as it found it.
class StateKeepingTextures : public TexturesOnMesa
{
protected:
    void SetUp() override
    {
        TexturesOnMesa::SetUp();
        stateBefore_ = borrowedState();
    }

    void TearDown() override
    {
        EXPECT_EQ(stateBefore_, borrowedState()) << "pixel-store state or a buffer binding was left behind";
        TexturesOnMesa::TearDown();
    }

    std::vector<GLint> stateBefore_;
};
