#include "qel_ogl/ogl/Buffer.h"

#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/ExtensionManager.h"
#include "qel_ogl/ogl/EntryPoint.h"
#include "qel_ogl/ogl/EnumTranslation.h"
#include "qel_ogl/ogl/ScopeGuard.h"

namespace QEL { namespace OGL {

namespace {

// The GL target and its binding query of each Type, indexed by its value.
const unsigned kTargets[] = {GL_PIXEL_UNPACK_BUFFER, GL_PIXEL_PACK_BUFFER, GL_ARRAY_BUFFER,
                             GL_ELEMENT_ARRAY_BUFFER};
const unsigned kBindingQueries[] = {GL_PIXEL_UNPACK_BUFFER_BINDING, GL_PIXEL_PACK_BUFFER_BINDING,
                                    GL_ARRAY_BUFFER_BINDING, GL_ELEMENT_ARRAY_BUFFER_BINDING};
static_assert(sizeof kTargets == sizeof kBindingQueries, "one binding query per target");

// The GL usage of each Usage, indexed by its value.
const unsigned kUsages[] = {GL_STREAM_DRAW,  GL_STREAM_READ,  GL_STREAM_COPY,  GL_STATIC_DRAW, GL_STATIC_READ,
                            GL_STATIC_COPY,  GL_DYNAMIC_DRAW, GL_DYNAMIC_READ, GL_DYNAMIC_COPY};

}

// A name generated here is deleted again when the rest of the construction fails.
Buffer::Buffer(int nSize, Type type, Usage usage, const void* data)
    : Object(GL_PIXEL_UNPACK_BUFFER, GL_PIXEL_UNPACK_BUFFER_BINDING)
    , nSize_(nSize)
    , eUsagePolicy_(usage)
    , bMapped_(false)
{
    QEL_SUPPORT_CHECK(GL_ARB_PIXEL_BUFFER_OBJECT);
    QEL_SUPPORT_CHECK(GL_ARB_VERTEX_BUFFER_OBJECT);
    QEL_RANGE_CHECK(nSize > 0);
    GLuint n_ObjectID = 0;
    QEL_GL(GenBuffers)(1, &n_ObjectID);
    QEL_ASSERT(n_ObjectID != 0);
    setObjectID(n_ObjectID);
    try {
        allocate(type, data);
    } catch (...) {
        deleteObjectName(_cgmDeleteBuffers, objectID());
        throw;
    }
}

// Neither unmaps nor unbinds: deleting the name does both in GL.
Buffer::~Buffer()
{
    deleteObjectName(_cgmDeleteBuffers, objectID());
}

// The storage is made while the buffer is bound at its target; whatever was bound there before is bound
// again afterwards, also when the allocation throws.
void Buffer::allocate(Type type, const void* data)
{
    setType(type);
    const unsigned previous = getBoundID();
    bind();
    // bind() got through, so the entry point is loaded and the guard cannot throw.
    ScopeGuard restoreBinding([this, previous] { _cgmBindBuffer(target(), previous); });
    QEL_GL(BufferData)(target(), nSize_, data, Usage2GL(eUsagePolicy_));
}

bool Buffer::isSupported()
{
    const ExtensionManager* manager = ExtensionManager::Instance();
    return manager->isSupported(ExtensionManager::GL_ARB_PIXEL_BUFFER_OBJECT) &&
           manager->isSupported(ExtensionManager::GL_ARB_VERTEX_BUFFER_OBJECT);
}

unsigned Buffer::size() const
{
    return static_cast<unsigned>(nSize_);
}

Buffer::Usage Buffer::usagePolicy() const
{
    return eUsagePolicy_;
}

bool Buffer::isMapped() const
{
    return bMapped_;
}

void Buffer::bind()
{
    QEL_GL(BindBuffer)(target(), objectID());
}

void Buffer::bindDefaultUnpackBuffer()
{
    bindDefault(UNPACK_BUFFER);
}

void Buffer::bindDefaultPackBuffer()
{
    bindDefault(PACK_BUFFER);
}

void Buffer::bindDefaultArrayBuffer()
{
    bindDefault(ARRAY_BUFFER);
}

void Buffer::bindDefaultElementArrayBuffer()
{
    bindDefault(ELEMENT_ARRAY_BUFFER);
}

void Buffer::bindDefault(Type type)
{
    QEL_GL(BindBuffer)(Type2GL(type), 0);
}

bool Buffer::isUnpackBuffer() const
{
    return target() == Type2GL(UNPACK_BUFFER);
}

bool Buffer::isPackBuffer() const
{
    return target() == Type2GL(PACK_BUFFER);
}

bool Buffer::isArrayBuffer() const
{
    return target() == Type2GL(ARRAY_BUFFER);
}

bool Buffer::isElementArrayBuffer() const
{
    return target() == Type2GL(ELEMENT_ARRAY_BUFFER);
}

// A null pointer means that GL did not map the buffer (it reports why as a GL error), so the buffer does not
// count as mapped: otherwise every later transfer would be refused and unmap would fail in GL.
void* Buffer::map(unsigned access)
{
    QEL_DESCRIBED_CHECK(!bMapped_, "Buffer is already mapped (this will cause a GL error)");
    void* pointer = QEL_GL(MapBuffer)(target(), access);
    bMapped_ = pointer != nullptr;
    return pointer;
}

// GL unmaps the buffer also when it answers false (the contents were lost while it was mapped), so the buffer
// no longer counts as mapped when that is reported.
void Buffer::unmap()
{
    QEL_DESCRIBED_CHECK(bMapped_, "Buffer must be mapped before umapping it (this will cause a GL error)");
    const GLboolean intact = QEL_GL(UnmapBuffer)(target());
    bMapped_ = false;
    QEL_DESCRIBED_CHECK(intact != GL_FALSE, "Cannot unmap buffer");
}

void Buffer::subData(int offset, int size, const void* data)
{
    verifyTransfer("subData", data, offset);
    QEL_GL(BufferSubData)(target(), offset, size, data);
}

void Buffer::getSubData(int offset, int size, void* data)
{
    verifyTransfer("getSubData", data, offset);
    QEL_GL(GetBufferSubData)(target(), offset, size, data);
}

void Buffer::verifyTransfer(const char* operation, const void* data, int offset) const
{
    QEL_DESCRIBED_CHECK(!bMapped_, "Buffer::" << operation << " buffer cannot be mapped");
    QEL_DESCRIBED_CHECK(data != nullptr, "Buffer::" << operation << " pointer to data must not be NULL");
    QEL_DESCRIBED_CHECK(offset >= 0, "Buffer::" << operation << " offset must not be negative");
}

void Buffer::convertToUnpackBuffer()
{
    convertTo(UNPACK_BUFFER, "convertToUnpackBuffer");
}

void Buffer::convertToPackBuffer()
{
    convertTo(PACK_BUFFER, "convertToPackBuffer");
}

void Buffer::convertToArrayBuffer()
{
    convertTo(ARRAY_BUFFER, "convertToArrayBuffer");
}

void Buffer::convertToElementArrayBuffer()
{
    convertTo(ELEMENT_ARRAY_BUFFER, "convertToElementArrayBuffer");
}

void Buffer::convertTo(Type type, const char* operation)
{
    QEL_DESCRIBED_CHECK(!isBound(), "Buffer::" << operation << " cannot convert buffer target while bound");
    setType(type);
}

// A type outside the table leaves the target as it is.
void Buffer::setType(Type type)
{
    const auto target = translateToGL(kTargets, type);
    if (target)
        changeTarget(*target, *translateToGL(kBindingQueries, type));
}

void Buffer::verifyCurrentBufferObject() const
{
}

unsigned Buffer::Type2GL(Type type)
{
    const auto target = translateToGL(kTargets, type);
    if (!target)
        QEL_UNREACHABLE("Buffer type enums are not all properly translated.");
    return *target;
}

unsigned Buffer::Usage2GL(Usage usage)
{
    const auto glUsage = translateToGL(kUsages, usage);
    if (!glUsage)
        QEL_UNREACHABLE("Buffer type enums are not all properly translated.");
    return *glUsage;
}

Buffer::Type Buffer::GL2Type(unsigned target)
{
    const auto type = translateFromGL<Type>(kTargets, target);
    if (!type)
        QEL_UNREACHABLE("Buffer type enums are not all properly translated.");
    return *type;
}

Buffer::Usage Buffer::GL2Usage(unsigned usage)
{
    const auto result = translateFromGL<Usage>(kUsages, usage);
    if (!result)
        QEL_UNREACHABLE("Buffer type enums are not all properly translated.");
    return *result;
}

}}
