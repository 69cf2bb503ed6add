// The tracer above the GL recorder, in its default or its complete mode, fed a few calls of any cgm operations
// with arguments and arrays that the fuzzer chooses (CallArguments): every array is exactly as large as GL
// reads, so that the sanitizers report any read past it, through a null pointer or of an array that GL only
// writes. Afterwards, in the default mode, the data stream must be a sequence of whole records, and every
// offset that the recorded text seeks to must start one; in complete mode, whose records are aligned, every
// record that the text reads must lie whole in the data stream.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/CallArguments.h"
#include "fuzz/Expect.h"
#include "fuzz/NullGL.h"
#include "fuzz/generated/FuzzCalls.h"
#include "qel_ogl/extensionator/OpenGLRekorder.h"
#include "qel_ogl/extensionator/OpenGLTracer.h"

using QEL::OGL::OpenGLRekorder;
using QEL::OGL::OpenGLTracer;
namespace Fuzz = QEL::OGL::Fuzz;
using QEL::OGL::Fuzz::expect;

namespace {

const int kMaxCalls = 8;

// The size field of the record at offset: 32 bits, little-endian.
std::uint32_t recordSize(const std::string& records, std::uint64_t offset)
{
    std::uint32_t size = 0;
    for (int i = 3; i >= 0; --i)
        size = size << 8 | static_cast<unsigned char>(records[offset + i]);
    return size;
}

// The offsets at which the records of the data stream start, and its end; each record is a 32-bit
// little-endian size and that many bytes.
std::set<std::uint64_t> recordBoundaries(const std::string& records)
{
    std::set<std::uint64_t> boundaries;
    std::uint64_t offset = 0;
    while (offset < records.size()) {
        boundaries.insert(offset);
        expect(records.size() - offset >= 4, "a record's size field is whole");
        offset += 4 + std::uint64_t{recordSize(records, offset)};
    }
    expect(offset == records.size(), "the last record ends where the data stream ends");
    boundaries.insert(offset);
    return boundaries;
}

// Half of the calls go to the few operations whose arrays the tracer or the recorder read.
const Fuzz::OperationCall& chooseOperation(FuzzedDataProvider& provider)
{
    static const std::vector<const Fuzz::OperationCall*> reading = [] {
        std::vector<const Fuzz::OperationCall*> operations;
        for (const Fuzz::OperationCall& operation : Fuzz::kOperationCalls) {
            if (operation.readsArrays)
                operations.push_back(&operation);
        }
        return operations;
    }();
    if (provider.ConsumeBool())
        return *reading[provider.ConsumeIntegralInRange<std::size_t>(0, reading.size() - 1)];
    return Fuzz::kOperationCalls[provider.ConsumeIntegralInRange<std::size_t>(0, Fuzz::kOperationCount - 1)];
}

// The offsets that follow each occurrence of `call` in the text.
std::vector<std::uint64_t> offsetsAfter(const std::string& text, const std::string& call)
{
    std::vector<std::uint64_t> offsets;
    for (std::size_t at = text.find(call); at != std::string::npos; at = text.find(call, at + 1))
        offsets.push_back(std::strtoull(text.c_str() + at + call.size(), nullptr, 10));
    return offsets;
}

void checkCompleteRecords(const std::string& text, const std::string& records)
{
    for (const char* call : {"GLRekorderData(", "GLRekorderArray("}) {
        for (const std::uint64_t offset : offsetsAfter(text, call)) {
            expect(offset <= records.size() && records.size() - offset >= 4, "a read record's size field is whole");
            expect(records.size() - offset - 4 >= recordSize(records, offset),
                   "a read record lies whole in the data stream");
            expect((offset + 4) % 8 == 0, "a read record's bytes are aligned");
        }
    }
}

void checkOffsets(const std::string& text, const std::string& records)
{
    const std::set<std::uint64_t> boundaries = recordBoundaries(records);
    for (const std::uint64_t offset : offsetsAfter(text, "pBinaryInputStream->seekg("))
        expect(boundaries.count(offset) == 1, "the recorded text seeks to the start of a record");
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    Fuzz::CallArguments arguments(provider);
    Fuzz::NullGL gl;
    std::ostringstream text;
    std::ostringstream records(std::ios::out | std::ios::binary);
    OpenGLRekorder recorder(text, records, &gl, provider.ConsumeBool());
    recorder.setUnpackStateQuery(arguments);
    const bool complete = provider.ConsumeBool();
    recorder.setComplete(complete);
    std::ostringstream trace;
    OpenGLTracer tracer(trace, &recorder);

    for (int call = 0; call < kMaxCalls && provider.remaining_bytes() > 0; ++call) {
        arguments.next();
        // Each call comes with an unpack state of its own, which the complete mode must ask for again.
        recorder.contextMadeCurrent(nullptr);
        chooseOperation(provider).call(tracer, arguments);
    }
    if (complete)
        checkCompleteRecords(text.str(), records.str());
    else
        checkOffsets(text.str(), records.str());
    return 0;
}
