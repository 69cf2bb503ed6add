#pragma once

#include <cstdint>
#include <streambuf>
#include <vector>

// An in-memory destination for output of any length: a stream buffer over a fixed block of memory that starts
// again at the beginning of the block when it is full. Writing costs a copy into memory and nothing else;
// what was written is overwritten, only its length is kept.
class MemoryStreamBuffer : public std::streambuf
{
public:
    explicit MemoryStreamBuffer(std::size_t bytes);

    // Every byte written since construction.
    std::uint64_t bytesWritten() const;

protected:
    int_type overflow(int_type c) override;

private:
    void startAgain();

    std::vector<char> memory_;
    // Bytes written before the block last started again.
    std::uint64_t earlierBytes_;
};
