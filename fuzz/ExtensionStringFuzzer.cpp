// The extension string parser on any bytes a driver could answer: no read outside the string, and the names are
// exactly the string's runs of characters other than the blank, in order.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/Expect.h"
#include "qel_ogl/extensionator/Tokenizers.h"

using QEL::OGL::Fuzz::expect;

namespace {

std::size_t runsOfNonBlanks(const std::string& text)
{
    std::size_t runs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ' && (i == 0 || text[i - 1] == ' '))
            ++runs;
    }
    return runs;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string extensions(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    QEL::OGL::tokenizeExtensionString(extensions, names);

    std::string joined;
    for (const std::string& name : names) {
        expect(!name.empty() && name.find(' ') == std::string::npos, "a name is a non-empty run without blanks");
        joined += name;
    }
    std::string withoutBlanks = extensions;
    withoutBlanks.erase(std::remove(withoutBlanks.begin(), withoutBlanks.end(), ' '), withoutBlanks.end());
    expect(joined == withoutBlanks, "the names hold every character other than the blank, in order");
    expect(names.size() == runsOfNonBlanks(extensions), "each run of characters other than the blank is one name");
    return 0;
}
