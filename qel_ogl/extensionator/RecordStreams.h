#pragma once

#include <cstdint>
#include <iosfwd>

#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// The two streams of a recording: the text of the recorded statements and the data file of size-prefixed
// records that the statements read back. Neither stream is owned; nothing is flushed. The text may be
// diverted for a while into a stream of the recorder's own, whose text is then written after statements that
// must come before it. Platform-free.
class QEL_OGL_API RecordStreams
{
public:
    RecordStreams(std::ostream& text, std::ostream& data);

    std::ostream& text();
    std::ostream* textStream();
    const std::ostream* textStream() const;
    void setTextStream(std::ostream& text);

    std::ostream* dataStream();
    const std::ostream* dataStream() const;
    // Later records continue the offsets of the earlier stream: the count is never reset.
    void setDataStream(std::ostream& data);

    // The offset of the next record.
    std::uint64_t nextOffset() const;
    // Writes one record (a 32-bit little-endian size, then the bytes) and answers its offset. The bytes must
    // fit in the size field.
    std::uint64_t write(const void* bytes, std::int64_t size);
    // The same, with zero bytes before the record so that its bytes start at a multiple of 8 in the file: a
    // replay that holds the whole file reads doubles and pointers from the record in place.
    std::uint64_t writeAligned(const void* bytes, std::int64_t size);
    // The largest record: the size field is 32 bits wide, and a stream writes at most a streamsize at once.
    static std::int64_t maxRecordBytes();

    // Statements go to `buffer` until restore().
    void divert(std::ostream& buffer);
    void restore();
    bool isDiverted() const;

private:
    std::ostream* pText_;
    std::ostream* pDiverted_;
    std::ostream* pData_;
    // Bytes written to the data stream so far: the offset of the next record.
    std::uint64_t nDataOffset_;
};

}}
