// The version string parser on any bytes a driver could answer: no read outside the string, and the vendor text
// it splits off is the end of the string.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/Expect.h"
#include "qel_ogl/extensionator/Tokenizers.h"

using QEL::OGL::Fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string version(reinterpret_cast<const char*>(data), size);
    unsigned major = 0;
    unsigned minor = 0;
    int release = 0;
    std::string additional;
    QEL::OGL::tokenizeVersionString(version, major, minor, release, additional);

    expect(additional.size() <= version.size() &&
               version.compare(version.size() - additional.size(), additional.size(), additional) == 0,
           "the additional version text is the end of the version string");
    return 0;
}
