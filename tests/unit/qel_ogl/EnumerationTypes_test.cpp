// The enumerations that a caller may fill from a number have the fixed type int: a value outside the
// enumerators (a predefined format of -1 or 1000, 32 samples) is then a value of the type, which the library
// refuses or passes on, instead of an undefined one.

#include "qel_ogl/ogl/Buffer.h"
#include "qel_ogl/ogl/BufferFormat.h"
#include "qel_ogl/ogl/Context.h"
#include "qel_ogl/ogl/PixelUnpackParameters.h"
#include "qel_ogl/ogl/Shader.h"
#include "qel_ogl/ogl/Texture.h"
#include "qel_ogl/ogl/TextureUnit.h"

#include <gtest/gtest.h>

#include <type_traits>

using namespace QEL::OGL;

namespace {

// Only an enumeration with a fixed type can be list-initialised from an int (Enum{0}).
template <class Enum, class = void>
struct HasFixedIntType : std::false_type
{
};

template <class Enum>
struct HasFixedIntType<Enum, std::void_t<decltype(Enum{0})>> : std::is_same<std::underlying_type_t<Enum>, int>
{
};

}

TEST(EnumerationTypes, EveryEnumerationThatCallersFillFromANumberHasTheFixedTypeInt)
{
    EXPECT_TRUE(HasFixedIntType<BufferFormat::tePredefined>::value);
    EXPECT_TRUE(HasFixedIntType<Context::teBuffering>::value);
    EXPECT_TRUE(HasFixedIntType<Context::teMultisample>::value);
    EXPECT_TRUE(HasFixedIntType<Context::teWindowed>::value);
    EXPECT_TRUE(HasFixedIntType<Buffer::Type>::value);
    EXPECT_TRUE(HasFixedIntType<Buffer::Usage>::value);
    EXPECT_TRUE(HasFixedIntType<PixelUnpackParameters::teAlignment>::value);
    EXPECT_TRUE(HasFixedIntType<Shader::ShaderType>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::Target>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::TargetBinding>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::Filter>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::WrapMode>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::Format>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::Type>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::PixelStoreMode>::value);
    EXPECT_TRUE(HasFixedIntType<Texture::InternalFormat>::value);
    EXPECT_TRUE(HasFixedIntType<TextureUnit::Environment>::value);
}
