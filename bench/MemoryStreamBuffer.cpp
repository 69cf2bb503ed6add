#include "MemoryStreamBuffer.h"

MemoryStreamBuffer::MemoryStreamBuffer(std::size_t bytes)
    : memory_(bytes), earlierBytes_(0)
{
    startAgain();
}

std::uint64_t MemoryStreamBuffer::bytesWritten() const
{
    return earlierBytes_ + static_cast<std::uint64_t>(pptr() - pbase());
}

MemoryStreamBuffer::int_type MemoryStreamBuffer::overflow(int_type c)
{
    earlierBytes_ += static_cast<std::uint64_t>(pptr() - pbase());
    startAgain();
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

void MemoryStreamBuffer::startAgain()
{
    setp(memory_.data(), memory_.data() + memory_.size());
}
