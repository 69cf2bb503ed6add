#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "qel_ogl/extensionator/CompleteCapture.h"
#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/OpenGLInterceptorDecorator.h"
#include "qel_ogl/extensionator/RecordStreams.h"

namespace QEL { namespace OGL {

class UnpackStateQuery;

// Records the GL calls that pass through it as C++ statements for a replay program, then forwards them
// unchanged. Calls without pointers become one statement; the arrays, names, shader strings and images of
// the data-stream entry points go to the binary stream as size-prefixed records that the statements read
// back; queries, name generation and small vectors have hand-made blocks; every other call with a pointer is
// written as a call of OpenGLRekorderUnsupported. Data is never read through a null pointer, with a negative
// count or size, or from a pixel pointer while a pixel unpack buffer is bound: such calls are written as not
// capturable. Neither the streams nor the inner interceptor are owned; nothing is flushed. Platform-free.
//
// In complete mode (off unless a host turns it on) every call is recorded so that its replay has the data the
// call had: floating-point arguments bit for bit, the bytes GL reads through every pointer as records, the
// client vertex arrays at each draw, and what a program writes through a mapped buffer (CompleteCapture).
// Only a call whose data cannot be known is written as not capturable, with its reason.
class QEL_OGL_API OpenGLRekorder : public OpenGLInterceptorDecorator
{
public:
    // Writes nothing. writeFileAndLine ends every statement with a comment that names the caller's source.
    OpenGLRekorder(std::ostream& output, std::ostream& binaryOutput, OpenGLInterceptor* inner,
                   bool writeFileAndLine);
    ~OpenGLRekorder() override;

    const std::ostream* outputStream() const;
    std::ostream* outputStream();
    void setOutputStream(std::ostream& output);

    const std::ostream* binaryOutputStream() const;
    std::ostream* binaryOutputStream();
    // Later records continue the offsets of the earlier stream: the count is never reset.
    void setBinaryOutputStream(std::ostream& binaryOutput);

    // Where the unpack state of recorded images comes from; the current GL context unless a stand-in is
    // given (hosts and tests without a context). Not owned.
    void setUnpackStateQuery(const UnpackStateQuery& query);

    void setComplete(bool complete);
    bool isComplete() const;
    // Another context is current (context: any value that tells contexts apart): in complete mode the
    // recorder asks for the GL state it follows again and keeps each context's vertex arrays apart.
    void contextMadeCurrent(const void* context);

#include "qel_ogl/extensionator/generated/OpenGLInterceptorOverrides.inc"

private:
    // What a 2D image call records.
    struct PixelCapture
    {
        enum Kind { RECORD, NULL_POINTER, UNSUPPORTED_FORMAT, NOT_CAPTURABLE };
        Kind kind;
        std::int64_t bytes;
    };

    std::ostream& out();
    // The line end of a call line: the caller's file and line as a comment when asked for, then "\n".
    void endStatement(const char* file, unsigned line);
    void endBlock();
    void writeUnsupported(const char* name);
    // Complete mode: "OpenGLRekorderUnsupported("<name>: <reason>");"
    void writeNotCaptured(const char* name, const std::string& reason);

    // Record sizes in bytes; negative when nothing may be read.
    static std::int64_t arrayBytes(int count, int elementBytes);
    static std::int64_t textBytes(const char* text);
    // True when data is not null and the bytes can be read from it and held by one record.
    static bool isCapturable(const void* data, std::int64_t bytes);
    // Writes one record and answers its offset.
    std::uint64_t writeRecord(const void* data, std::int64_t bytes);
    void beginDataBlock(std::uint64_t offset);
    void beginMatrixBlock(std::uint64_t offset);
    void beginReadBack(std::uint64_t offset, const char* sizeDeclaration);

    PixelCapture capturePixels(const void* pixels, int width, int height, GLenum format, GLenum type) const;
    static int bytesPerPixel(GLenum format, GLenum type);
    void writePixelWarning(GLenum type, GLenum format);

    static bool areSourcesCapturable(int count, const char* const* strings, const int* lengths);
    static std::int64_t sourceBytes(const char* const* strings, const int* lengths, int index);
    // Writes one record per string and answers the offset of the first.
    std::uint64_t writeSourceRecords(int count, const char* const* strings, const int* lengths);
    void beginSourcesBlock(std::uint64_t offset, int count, const int* lengths);
    void endSourcesBlock(int count);

    // "    int tmp_i[] = { <elements> }; // <values>\n" for a vector written into the text.
    void writeVector(const GLfloat* values, int count);
    void writeVector(const GLint* values, int count);
    static int texParameterComponents(GLenum pname);

    RecordStreams streams_;
    bool bWriteFileAndLine_;
    const UnpackStateQuery* pUnpackStateQuery_;
    bool bComplete_;
    CompleteCapture complete_;
};

}}
