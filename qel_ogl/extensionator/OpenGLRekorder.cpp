// The recorder's hand-written parts: its streams, the line ends, the data records and the blocks that read
// them back. The cgm operations are generated (generated/OpenGLRekorderOperations*.cpp).

#include "qel_ogl/extensionator/OpenGLRekorder.h"

#include <cstring>
#include <ostream>

#include "qel_ogl/extensionator/CallText.h"
#include "qel_ogl/extensionator/GLUnpackStateQuery.h"

namespace QEL { namespace OGL {

namespace {

const GLenum kTextureBorderColor = 0x1004;
const GLenum kTextureSwizzleRGBA = 0x8E46;

// The pixel types and formats whose images the recorder captures.
const GLenum kUnsignedByte = 0x1401;
const GLenum kFloat = 0x1406;
const GLenum kUnsignedInt8888 = 0x8035;
const GLenum kUnsignedInt8888Rev = 0x8367;
const GLenum kRGB = 0x1907;
const GLenum kRGBA = 0x1908;
const GLenum kRGB8 = 0x8051;
const GLenum kRGBA8 = 0x8058;
const GLenum kBGR = 0x80E0;
const GLenum kBGRA = 0x80E1;

const UnpackStateQuery& glUnpackStateQuery()
{
    static const GLUnpackStateQuery query;
    return query;
}

// "    int tmp_i[] = { <elements> }; // <values>\n": each value's integer element, then the values themselves.
template <class Value, class Element>
void writeIntegerArray(std::ostream& out, const Value* values, int count, Element element)
{
    out << "    int tmp_i[] = { ";
    for (int i = 0; i < count; ++i)
        out << (i > 0 ? ", " : "") << element(values[i]);
    out << " }; // ";
    for (int i = 0; i < count; ++i)
        out << (i > 0 ? ", " : "") << values[i];
    out << "\n";
}

// The component size of a pixel type, 0 for a type that the recorder does not capture.
int componentBytes(GLenum type)
{
    switch (type) {
    case kUnsignedByte:
    case kUnsignedInt8888:
    case kUnsignedInt8888Rev:
        return 1;
    case kFloat:
        return 4;
    default:
        return 0;
    }
}

// The component count of a pixel format, 0 for a format that the recorder does not capture.
int componentCount(GLenum format)
{
    switch (format) {
    case kRGB:
    case kRGB8:
    case kBGR:
        return 3;
    case kRGBA:
    case kRGBA8:
    case kBGRA:
        return 4;
    default:
        return 0;
    }
}

}

OpenGLRekorder::OpenGLRekorder(std::ostream& output, std::ostream& binaryOutput, OpenGLInterceptor* inner,
                               bool writeFileAndLine)
    : OpenGLInterceptorDecorator(inner),
      streams_(output, binaryOutput),
      bWriteFileAndLine_(writeFileAndLine),
      pUnpackStateQuery_(&glUnpackStateQuery()),
      bComplete_(false),
      complete_(streams_, *pUnpackStateQuery_)
{
}

OpenGLRekorder::~OpenGLRekorder() = default;

const std::ostream* OpenGLRekorder::outputStream() const
{
    return streams_.textStream();
}

std::ostream* OpenGLRekorder::outputStream()
{
    return streams_.textStream();
}

void OpenGLRekorder::setOutputStream(std::ostream& output)
{
    streams_.setTextStream(output);
}

const std::ostream* OpenGLRekorder::binaryOutputStream() const
{
    return streams_.dataStream();
}

std::ostream* OpenGLRekorder::binaryOutputStream()
{
    return streams_.dataStream();
}

void OpenGLRekorder::setBinaryOutputStream(std::ostream& binaryOutput)
{
    streams_.setDataStream(binaryOutput);
}

void OpenGLRekorder::setUnpackStateQuery(const UnpackStateQuery& query)
{
    pUnpackStateQuery_ = &query;
    complete_.setStateQuery(query);
}

void OpenGLRekorder::setComplete(bool complete)
{
    bComplete_ = complete;
}

bool OpenGLRekorder::isComplete() const
{
    return bComplete_;
}

void OpenGLRekorder::contextMadeCurrent(const void* context)
{
    complete_.contextMadeCurrent(context);
}

std::ostream& OpenGLRekorder::out()
{
    return streams_.text();
}

void OpenGLRekorder::endStatement(const char* file, unsigned line)
{
    if (bWriteFileAndLine_)
        out() << "\t\t// " << CallText::Text{file} << ", line " << line;
    out() << "\n";
}

void OpenGLRekorder::endBlock()
{
    out() << "}\n";
}

void OpenGLRekorder::writeUnsupported(const char* name)
{
    out() << "OpenGLRekorderUnsupported(\"Capturing an OpenGL function (" << name
          << ") with pointer parameter requires a specialized implementation!\");\n";
}

void OpenGLRekorder::writeNotCaptured(const char* name, const std::string& reason)
{
    complete_.writeNotCaptured(name, reason);
}

std::int64_t OpenGLRekorder::arrayBytes(int count, int elementBytes)
{
    return count < 0 ? -1 : std::int64_t{count} * elementBytes;
}

std::int64_t OpenGLRekorder::textBytes(const char* text)
{
    return text == nullptr ? -1 : static_cast<std::int64_t>(std::strlen(text)) + 1;
}

bool OpenGLRekorder::isCapturable(const void* data, std::int64_t bytes)
{
    return data != nullptr && bytes >= 0 && bytes <= RecordStreams::maxRecordBytes();
}

std::uint64_t OpenGLRekorder::writeRecord(const void* data, std::int64_t bytes)
{
    return streams_.write(data, bytes);
}

void OpenGLRekorder::beginDataBlock(std::uint64_t offset)
{
    beginReadBack(offset, "    unsigned int nSize= 0;\n");
}

void OpenGLRekorder::beginMatrixBlock(std::uint64_t offset)
{
    beginReadBack(offset, "    unsigned int nSize;\n");
}

void OpenGLRekorder::beginReadBack(std::uint64_t offset, const char* sizeDeclaration)
{
    out() << "{\n    pBinaryInputStream->seekg(" << offset << ");\n" << sizeDeclaration
          << "    pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
             "    std::vector<char> data(nSize);\n"
             "    pBinaryInputStream->read(&data[0], nSize);\n";
}

// A pixel pointer is an offset while an unpack buffer is bound, so it is never read then; the bytes of the
// record are those that GL reads under the current unpack state.
OpenGLRekorder::PixelCapture OpenGLRekorder::capturePixels(const void* pixels, int width, int height,
                                                           GLenum format, GLenum type) const
{
    const UnpackState state = pUnpackStateQuery_->current();
    if (state.bufferBound)
        return {PixelCapture::NOT_CAPTURABLE, 0};
    if (pixels == nullptr)
        return {PixelCapture::NULL_POINTER, 0};
    const int pixelBytes = bytesPerPixel(format, type);
    if (pixelBytes == 0)
        return {PixelCapture::UNSUPPORTED_FORMAT, 0};
    const std::int64_t bytes = state.imageBytes(width, height, pixelBytes);
    return {isCapturable(pixels, bytes) ? PixelCapture::RECORD : PixelCapture::NOT_CAPTURABLE, bytes};
}

int OpenGLRekorder::bytesPerPixel(GLenum format, GLenum type)
{
    return componentBytes(type) * componentCount(format);
}

void OpenGLRekorder::writePixelWarning(GLenum type, GLenum format)
{
    out() << "WARNING!!! Encountered unsupported type and / or format (type=" << type << ", format=" << format
          << ").\n";
}

bool OpenGLRekorder::areSourcesCapturable(int count, const char* const* strings, const int* lengths)
{
    if (count < 0 || strings == nullptr)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!isCapturable(strings[i], sourceBytes(strings, lengths, i)))
            return false;
    }
    return true;
}

// Without a length array a string is recorded with its NUL, so that the replay can pass no lengths either;
// a negative length means, as in GL, a string ended by its NUL, recorded without it.
std::int64_t OpenGLRekorder::sourceBytes(const char* const* strings, const int* lengths, int index)
{
    if (strings[index] == nullptr)
        return -1;
    if (lengths == nullptr)
        return textBytes(strings[index]);
    if (lengths[index] < 0)
        return textBytes(strings[index]) - 1;
    return lengths[index];
}

std::uint64_t OpenGLRekorder::writeSourceRecords(int count, const char* const* strings, const int* lengths)
{
    const std::uint64_t offset = streams_.nextOffset();
    for (int i = 0; i < count; ++i)
        writeRecord(strings[i], sourceBytes(strings, lengths, i));
    return offset;
}

// The replay passes its lengths exactly when the recorded call had a length array: the condition is the
// address of that array, null or not.
void OpenGLRekorder::beginSourcesBlock(std::uint64_t offset, int count, const int* lengths)
{
    const CallText::Pointer condition{lengths};
    out() << "{\n"
          << "    pBinaryInputStream->seekg(" << offset << ");\n"
          << "    char *data[" << count << "];\n"
          << "    std::vector<GLint> lengths_data;\n"
          << "    if (0x" << condition << ") lengths_data.resize(" << count << ");\n"
          << "    for (GLsizei n = 0; n < " << count << "; n++)\n"
          << "    {\n"
          << "        GLint nSize = 0;\n"
          << "        pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
          << "        if (0x" << condition << ") lengths_data[n] = nSize;\n"
          << "        data[n] = new char[nSize];\n"
          << "        pBinaryInputStream->read(data[n], nSize);\n"
          << "    };\n"
          << "    if (0x" << condition << ")\n";
}

void OpenGLRekorder::endSourcesBlock(int count)
{
    out() << "    for (GLsizei n = 0; n < " << count << "; n++)\n"
          << "    {\n"
          << "        delete[] data[n];\n"
          << "    }\n"
          << "}\n";
}

// A float is stored as its bit pattern, which the replay reinterprets exactly; the comment shows the value.
void OpenGLRekorder::writeVector(const GLfloat* values, int count)
{
    writeIntegerArray(out(), values, count, CallText::floatBits);
}

void OpenGLRekorder::writeVector(const GLint* values, int count)
{
    writeIntegerArray(out(), values, count, [](GLint value) { return value; });
}

// As many components as GL reads for the parameter: four for the colour and swizzle vectors, one otherwise.
int OpenGLRekorder::texParameterComponents(GLenum pname)
{
    return pname == kTextureBorderColor || pname == kTextureSwizzleRGBA ? 4 : 1;
}

}}
