#pragma once

#include "qel_ogl/extensionator/CallText.h"
#include "qel_ogl/extensionator/OpenGLRekorder.h"
#include "qel_ogl/extensionator/UnpackStateQuery.h"
#include "tests/unit/tracer/StandInGL.h"

#include <gmock/gmock.h>

#include <cstdint>
#include <sstream>
#include <string>

// An unpack state that the test sets, in place of the current context's.
class StandInUnpackState : public QEL::OGL::UnpackStateQuery
{
public:
    QEL::OGL::UnpackState current() const override
    {
        return state_;
    }

    QEL::OGL::UnpackState state_;
};

// A recorder over two string streams and a stand-in below it, and a second one over the same streams that
// ends each statement with the caller's file and line.
class Recorder : public testing::Test
{
protected:
    Recorder()
    {
        recorder_.setUnpackStateQuery(unpack_);
        commenting_.setUnpackStateQuery(unpack_);
    }

    std::string text() const
    {
        return out_.str();
    }

    std::string data() const
    {
        return binary_.str();
    }

    // A data record: the payload's size in four little-endian bytes, then the payload.
    static std::string record(const void* payload, std::uint32_t size)
    {
        const char sizeField[4] = {static_cast<char>(size), static_cast<char>(size >> 8),
                                   static_cast<char>(size >> 16), static_cast<char>(size >> 24)};
        return std::string(sizeField, 4) + std::string(static_cast<const char*>(payload), size);
    }

    // The standard block that reads back the record at offset, around its call line.
    static std::string dataBlock(std::uint64_t offset, const std::string& callLine)
    {
        return "{\n"
               "    pBinaryInputStream->seekg(" + std::to_string(offset) + ");\n"
               "    unsigned int nSize= 0;\n"
               "    pBinaryInputStream->read((char *)&nSize, sizeof(nSize));\n"
               "    std::vector<char> data(nSize);\n"
               "    pBinaryInputStream->read(&data[0], nSize);\n" +
               callLine + "}\n";
    }

    // A pointer's text in this build's width.
    static std::string pointerText(const void* pointer)
    {
        std::ostringstream out;
        out << QEL::OGL::CallText::Pointer{pointer};
        return out.str();
    }

    static std::string unsupported(const std::string& name)
    {
        return "OpenGLRekorderUnsupported(\"Capturing an OpenGL function (" + name +
               ") with pointer parameter requires a specialized implementation!\");\n";
    }

    const std::string kComment = "\t\t// scene.cpp, line 88\n";

    std::ostringstream out_;
    std::ostringstream binary_{std::ios::out | std::ios::binary};
    testing::NiceMock<StandInGL> inner_;
    StandInUnpackState unpack_;
    QEL::OGL::OpenGLRekorder recorder_{out_, binary_, &inner_, false};
    QEL::OGL::OpenGLRekorder commenting_{out_, binary_, &inner_, true};
};
