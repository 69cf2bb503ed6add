#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "qel_ogl/extensionator/ClientArrays.h"
#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/PointerReads.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

class RecordStreams;
class UnpackStateQuery;

// What the recorder's complete mode adds to a recording, so that a replay repeats every call with the data it
// had: the bytes GL reads through each pointer of a call, from the table of read sizes, as records that the
// statement reads back; storage for what GL writes; offsets into bound buffers as offsets; the client vertex
// arrays that a draw reads, pointed at recorded copies before the draw; and what a program wrote through a
// mapped buffer, uploaded where it unmaps the buffer. It follows the GL state that decides those sizes (the
// unpack state, the buffer bindings, the vertex arrays) from the calls it sees, per context, and asks its
// query again where it cannot follow. Platform-free.
//
// The text it writes for the replay uses the replay support's GLRekorderData (a record's bytes, kept until the
// replay ends), GLRekorderArray (the same, moved by a number of bytes), GLRekorderOffset, GLRekorderPointers,
// GLRekorderScratch and GLRekorderLastingScratch.
class QEL_OGL_API CompleteCapture
{
public:
    CompleteCapture(RecordStreams& streams, const UnpackStateQuery& query);
    ~CompleteCapture();

    void setStateQuery(const UnpackStateQuery& query);
    // Another context is current: its own vertex arrays apply, and the GL state is asked for again.
    void contextMadeCurrent(const void* context);

    // Records what GL reads through the pointers of a call (the table's rules firstRule onwards, one per
    // pointer parameter, with one argument per parameter) and prepares the text that the call's statement
    // gives each pointer, pointer(0) onwards. keepsArray: the call points a vertex array that this capture
    // follows, so a kept client pointer is welcome. False, with the reason, when a pointer cannot be replayed.
    bool capturePointers(std::size_t firstRule, std::size_t ruleCount, const CallArgument* arguments,
                         std::size_t count, bool keepsArray);
    const std::string& pointer(std::size_t index) const;
    // Why the last call could not be captured.
    const std::string& reason() const;
    // "OpenGLRekorderUnsupported("<name>: <reason>");": a call that the replay reports instead of making it.
    void writeNotCaptured(const char* name, const std::string& reason);

    // The state it follows.
    void followPixelStore(GLenum pname, double value);
    // bindName: the call that bound it, "glBindBuffer" or "glBindBufferARB".
    void followBufferBinding(const char* bindName, GLenum target, GLuint buffer);
    void forgetReadState();

    void rememberArray(const char* setter, int size, GLenum type, int stride, const void* pointer);
    void rememberAttributeArray(const char* setter, GLuint index, int size, GLenum type, GLboolean normalized,
                                int stride, const void* pointer);
    void rememberInterleavedArrays(GLenum format, int stride, const void* pointer);
    void enableClientArray(GLenum array, bool enabled);
    void enableAttributeArray(GLuint index, bool enabled);
    void clientActiveTexture(GLenum texture);
    void pushClientAttrib(GLbitfield mask);
    void popClientAttrib();
    void bindVertexArray(GLuint name);

    // Draws: each writes the statements that point the enabled client arrays at recorded copies of the
    // elements that the draw reads, and answers false, with the reason, when it cannot.
    bool drawArrays(GLint first, GLsizei count);
    bool drawElements(GLsizei count, GLenum type, const void* indices);
    bool multiDrawArrays(const GLint* first, const GLsizei* count, GLsizei drawCount);
    bool multiDrawElements(const GLsizei* count, GLenum type, const void* const* indices, GLsizei drawCount);
    // glArrayElement between glBegin and glEnd cannot be preceded by pointer calls: the statements of the
    // pair are held back until glEnd, and the arrays are pointed before glBegin at the elements of the pair.
    bool beginPrimitive();
    bool arrayElement(GLint element);
    void endPrimitive();

    // Mapped buffers: what a program writes through the pointer of a mapping reaches the replay as an upload
    // (uploadName, "glBufferSubData" or its kin) where the buffer is unmapped. length -1: the whole buffer.
    void rememberMapping(GLenum target, std::int64_t offset, std::int64_t length, bool writes, void* pointer);
    bool uploadMapping(const char* uploadName, GLenum target);

private:
    struct IndexRange
    {
        std::int64_t first = -1;
        std::int64_t last = -1;
        bool isEmpty() const;
        void add(std::int64_t index);
        void add(const IndexRange& range);
    };

    struct Mapping
    {
        std::int64_t offset;
        std::int64_t length;
        bool writes;
        void* pointer;
    };

    const PointerReadState& readState();
    ClientArrays& arrays();
    bool capturePointer(const PointerReadRule& rule, const CallArgument* arguments, std::size_t count,
                        bool keepsArray, std::string& text);
    bool capturePointerArray(const PointerReadRule& rule, const PointerRead& read, const CallArgument* arguments,
                             std::size_t count, std::string& text);
    std::string dataText(const void* data, std::int64_t bytes);
    bool indexRange(GLsizei count, GLenum type, const void* indices, IndexRange& range);
    struct ArraySpan;
    // The client memory that a draw of the elements in range reads from each enabled array, by start address.
    bool arraySpans(const IndexRange& range, std::vector<ArraySpan>& spans);
    // Points every enabled client array at a copy of the elements in range.
    bool pointArrays(const IndexRange& range);
    void writeArrayPointer(const ClientArray& array, std::uint64_t record, std::int64_t bias);
    // A client array is pointed while no vertex-array buffer is bound, else its pointer would be an offset:
    // binds none (true) or the bound one again (false) where one is bound.
    void writeArrayBufferBinding(bool unbind);
    bool fail(std::string reason);

    RecordStreams& streams_;
    const UnpackStateQuery* pQuery_;
    PointerReadState readState_;
    bool bReadStateKnown_;
    // The vertex-array buffer, where the calls told its name since the state was last asked for.
    GLuint arrayBuffer_;
    bool bArrayBufferKnown_;
    const char* bindName_;
    std::map<const void*, ClientArrays> contextArrays_;
    ClientArrays* pArrays_;
    std::vector<std::string> pointers_;
    std::string reason_;
    std::vector<unsigned char> bytes_;
    // The statements between glBegin and glEnd while client arrays are enabled, and the elements they read.
    std::ostringstream primitive_;
    IndexRange primitiveRange_;
    std::map<GLenum, Mapping> mappings_;
};

}}
