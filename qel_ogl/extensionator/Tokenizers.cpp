#include "qel_ogl/extensionator/Tokenizers.h"

#include <sstream>

namespace QEL { namespace OGL {

namespace {

// One stream serves every number of a version string; its state is cleared before each read, so that a
// failed read does not stop the next one.
template <class Number>
void readNumber(std::istringstream& stream, const std::string& text, Number& number)
{
    stream.clear();
    stream.str(text);
    stream >> number;
}

}

void tokenizeVersionString(const std::string& version, unsigned& major, unsigned& minor, int& release,
                           std::string& additional)
{
    release = -1;
    additional.clear();

    std::istringstream stream;
    const std::string::size_type firstDot = version.find('.');
    readNumber(stream, version.substr(0, firstDot), major);
    if (firstDot == std::string::npos)
        return;

    std::string::size_type end = version.find_first_of(" .", firstDot + 1);
    readNumber(stream, version.substr(firstDot + 1, end - (firstDot + 1)), minor);
    if (end == std::string::npos)
        return;

    if (version[end] == '.') {
        const std::string::size_type releaseStart = end + 1;
        end = version.find(' ', releaseStart);
        readNumber(stream, version.substr(releaseStart, end - releaseStart), release);
        if (end == std::string::npos)
            return;
    }
    additional = version.substr(end + 1);
}

void tokenizeExtensionString(const std::string& extensions, std::vector<std::string>& out)
{
    std::string::size_type start = extensions.find_first_not_of(' ');
    while (start != std::string::npos) {
        const std::string::size_type end = extensions.find(' ', start);
        out.push_back(extensions.substr(start, end - start));
        start = extensions.find_first_not_of(' ', end);
    }
}

}}
