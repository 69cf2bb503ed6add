#include "qel_ogl/extensionator/RecordStreams.h"

#include <algorithm>
#include <limits>
#include <ostream>

namespace QEL { namespace OGL {

namespace {

const std::uint64_t kRecordAlignment = 8;
const std::uint64_t kSizeFieldBytes = 4;

}

RecordStreams::RecordStreams(std::ostream& text, std::ostream& data)
    : pText_(&text), pDiverted_(nullptr), pData_(&data), nDataOffset_(0)
{
}

std::ostream& RecordStreams::text()
{
    return pDiverted_ != nullptr ? *pDiverted_ : *pText_;
}

std::ostream* RecordStreams::textStream()
{
    return pText_;
}

const std::ostream* RecordStreams::textStream() const
{
    return pText_;
}

void RecordStreams::setTextStream(std::ostream& text)
{
    pText_ = &text;
}

std::ostream* RecordStreams::dataStream()
{
    return pData_;
}

const std::ostream* RecordStreams::dataStream() const
{
    return pData_;
}

void RecordStreams::setDataStream(std::ostream& data)
{
    pData_ = &data;
}

std::uint64_t RecordStreams::nextOffset() const
{
    return nDataOffset_;
}

std::uint64_t RecordStreams::write(const void* bytes, std::int64_t size)
{
    const std::uint32_t count = static_cast<std::uint32_t>(size);
    const char sizeField[kSizeFieldBytes] = {
        static_cast<char>(count & 0xFF), static_cast<char>((count >> 8) & 0xFF),
        static_cast<char>((count >> 16) & 0xFF), static_cast<char>((count >> 24) & 0xFF)};
    pData_->write(sizeField, sizeof(sizeField));
    pData_->write(static_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    const std::uint64_t offset = nDataOffset_;
    nDataOffset_ += kSizeFieldBytes + count;
    return offset;
}

std::uint64_t RecordStreams::writeAligned(const void* bytes, std::int64_t size)
{
    static const char kZeros[kRecordAlignment] = {};
    const std::uint64_t padding = (kRecordAlignment - (nDataOffset_ + kSizeFieldBytes) % kRecordAlignment)
                                  % kRecordAlignment;
    pData_->write(kZeros, static_cast<std::streamsize>(padding));
    nDataOffset_ += padding;
    return write(bytes, size);
}

std::int64_t RecordStreams::maxRecordBytes()
{
    return std::min<std::int64_t>(0xFFFFFFFF, std::numeric_limits<std::streamsize>::max());
}

void RecordStreams::divert(std::ostream& buffer)
{
    pDiverted_ = &buffer;
}

void RecordStreams::restore()
{
    pDiverted_ = nullptr;
}

bool RecordStreams::isDiverted() const
{
    return pDiverted_ != nullptr;
}

}}
