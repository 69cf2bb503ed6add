#pragma once

#include "qel_ogl/ogl/Object.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// One GL buffer object of fixed size (vertex, element, pixel pack or pixel unpack buffer), made with its
// initial contents and deleted with the object. Only bind() binds it: map, unmap, subData and getSubData act
// on whatever is bound at the buffer's target, so the caller binds the buffer first.
class QEL_OGL_API Buffer : public Object
{
public:
    enum Type : int { UNPACK_BUFFER = 0, PACK_BUFFER = 1, ARRAY_BUFFER = 2, ELEMENT_ARRAY_BUFFER = 3 };

    enum Usage : int {
        STREAM_DRAW = 0,
        STREAM_READ = 1,
        STREAM_COPY = 2,
        STATIC_DRAW = 3,
        STATIC_READ = 4,
        STATIC_COPY = 5,
        DYNAMIC_DRAW = 6,
        DYNAMIC_READ = 7,
        DYNAMIC_COPY = 8
    };

    // nSize bytes at the target of type, filled from data (undefined contents when data is null). The
    // binding of that target is the same afterwards as before.
    Buffer(int nSize, Type type, Usage usage, const void* data);
    ~Buffer() override;

    // The buffer owns its name: a copy would delete it twice.
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    // Both GL_ARB_pixel_buffer_object and GL_ARB_vertex_buffer_object are supported.
    static bool isSupported();

    unsigned size() const;
    Usage usagePolicy() const;
    bool isMapped() const;

    void bind();
    static void bindDefaultUnpackBuffer();
    static void bindDefaultPackBuffer();
    static void bindDefaultArrayBuffer();
    static void bindDefaultElementArrayBuffer();

    bool isUnpackBuffer() const;
    bool isPackBuffer() const;
    bool isArrayBuffer() const;
    bool isElementArrayBuffer() const;

    // access is a GL access enumerant (GL_READ_ONLY, GL_WRITE_ONLY, GL_READ_WRITE), passed on unchanged. The
    // buffer counts as mapped only when the driver answers a pointer.
    void* map(unsigned access);
    // The buffer is unmapped afterwards even when the driver reports its contents lost (and unmap throws).
    void unmap();

    // The range is not checked against the buffer's size; GL reports a range past its end.
    void subData(int offset, int size, const void* data);
    void getSubData(int offset, int size, void* data);

    // Moves the buffer to another target; refused while the buffer is bound at its current one. GL is not
    // told: the next bind() binds it at the new target.
    void convertToUnpackBuffer();
    void convertToPackBuffer();
    void convertToArrayBuffer();
    void convertToElementArrayBuffer();

    // Nothing to verify: kept for hosts that call it.
    void verifyCurrentBufferObject() const;

    static unsigned Type2GL(Type type);
    static unsigned Usage2GL(Usage usage);
    static Type GL2Type(unsigned target);
    static Usage GL2Usage(unsigned usage);

private:
    void allocate(Type type, const void* data);
    void setType(Type type);
    void convertTo(Type type, const char* operation);
    void verifyTransfer(const char* operation, const void* data, int offset) const;
    static void bindDefault(Type type);

    int nSize_;
    Usage eUsagePolicy_;
    bool bMapped_;
};

}}
