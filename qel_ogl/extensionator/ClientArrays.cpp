#include "qel_ogl/extensionator/ClientArrays.h"

#include <cstring>

namespace QEL { namespace OGL {

namespace {

const GLenum kByte = 0x1400;
const GLenum kUnsignedByte = 0x1401;
const GLenum kShort = 0x1402;
const GLenum kUnsignedShort = 0x1403;
const GLenum kInt = 0x1404;
const GLenum kUnsignedInt = 0x1405;
const GLenum kFloat = 0x1406;
const GLenum kDouble = 0x140A;
const GLenum kHalfFloat = 0x140B;
const GLenum kFixed = 0x140C;
const GLenum kUnsignedInt2101010Rev = 0x8368;
const GLenum kInt2101010Rev = 0x8D9F;
const GLenum kUnsignedInt10f11f11fRev = 0x8C3B;
const GLenum kBGRA = 0x80E1;

const GLenum kVertexArray = 0x8074;
const GLenum kNormalArray = 0x8075;
const GLenum kColorArray = 0x8076;
const GLenum kIndexArray = 0x8077;
const GLenum kTextureCoordArray = 0x8078;
const GLenum kEdgeFlagArray = 0x8079;
const GLenum kFogCoordArray = 0x8457;
const GLenum kSecondaryColorArray = 0x845E;
const GLenum kTexture0 = 0x84C0;
const GLbitfield kClientVertexArrayBit = 0x2;

const std::int64_t kTexCoords = -1;

// A vertex array's pointer call: the array it points (kTexCoords: of the client's active unit), the
// arguments it takes, and the size and type of arrays whose call gives none (0: from the call).
struct Setter
{
    const char* name;
    std::int64_t array;
    ClientArray::Shape shape;
    int size;
    GLenum type;
};

const Setter kSetters[] = {
    {"glVertexPointer", 0, ClientArray::SIZED, 0, 0},
    {"glNormalPointer", 1, ClientArray::TYPED, 3, 0},
    {"glColorPointer", 2, ClientArray::SIZED, 0, 0},
    {"glSecondaryColorPointer", 3, ClientArray::SIZED, 0, 0},
    {"glSecondaryColorPointerEXT", 3, ClientArray::SIZED, 0, 0},
    {"glFogCoordPointer", 4, ClientArray::TYPED, 1, 0},
    {"glFogCoordPointerEXT", 4, ClientArray::TYPED, 1, 0},
    {"glIndexPointer", 5, ClientArray::TYPED, 1, 0},
    {"glEdgeFlagPointer", 6, ClientArray::STRIDED, 1, kUnsignedByte},
    {"glTexCoordPointer", kTexCoords, ClientArray::SIZED, 0, 0},
};

const Setter* findSetter(const char* name)
{
    for (const Setter& setter : kSetters) {
        if (std::strcmp(setter.name, name) == 0)
            return &setter;
    }
    return nullptr;
}

std::int64_t typeBytes(GLenum type)
{
    switch (type) {
    case kByte:
    case kUnsignedByte:
        return 1;
    case kShort:
    case kUnsignedShort:
    case kHalfFloat:
        return 2;
    case kInt:
    case kUnsignedInt:
    case kFloat:
    case kFixed:
        return 4;
    case kDouble:
        return 8;
    default:
        return -1;
    }
}

bool isPacked(GLenum type)
{
    return type == kUnsignedInt2101010Rev || type == kInt2101010Rev || type == kUnsignedInt10f11f11fRev;
}

// One interleaved format: which arrays it points, their sizes, the colour's type, their offsets in a vertex
// and the vertex's size, all in bytes.
struct Interleaved
{
    GLenum format;
    int texCoordSize;   // 0: no texture coordinates
    int colorSize;      // 0: no colours
    GLenum colorType;
    bool normals;
    int vertexSize;
    int colorOffset;
    int normalOffset;
    int vertexOffset;
    int stride;
};

const Interleaved kInterleavedFormats[] = {
    {0x2A20, 0, 0, 0, false, 2, 0, 0, 0, 8},                    // GL_V2F
    {0x2A21, 0, 0, 0, false, 3, 0, 0, 0, 12},                   // GL_V3F
    {0x2A22, 0, 4, kUnsignedByte, false, 2, 0, 0, 4, 12},       // GL_C4UB_V2F
    {0x2A23, 0, 4, kUnsignedByte, false, 3, 0, 0, 4, 16},       // GL_C4UB_V3F
    {0x2A24, 0, 3, kFloat, false, 3, 0, 0, 12, 24},             // GL_C3F_V3F
    {0x2A25, 0, 0, 0, true, 3, 0, 0, 12, 24},                   // GL_N3F_V3F
    {0x2A26, 0, 4, kFloat, true, 3, 0, 16, 28, 40},             // GL_C4F_N3F_V3F
    {0x2A27, 2, 0, 0, false, 3, 0, 0, 8, 20},                   // GL_T2F_V3F
    {0x2A28, 4, 0, 0, false, 4, 0, 0, 16, 32},                  // GL_T4F_V4F
    {0x2A29, 2, 4, kUnsignedByte, false, 3, 8, 0, 12, 24},      // GL_T2F_C4UB_V3F
    {0x2A2A, 2, 3, kFloat, false, 3, 8, 0, 20, 32},             // GL_T2F_C3F_V3F
    {0x2A2B, 2, 0, 0, true, 3, 0, 8, 20, 32},                   // GL_T2F_N3F_V3F
    {0x2A2C, 2, 4, kFloat, true, 3, 8, 24, 36, 48},             // GL_T2F_C4F_N3F_V3F
    {0x2A2D, 4, 4, kFloat, true, 4, 16, 32, 44, 60},            // GL_T4F_C4F_N3F_V4F
};

const Interleaved* findInterleaved(GLenum format)
{
    for (const Interleaved& entry : kInterleavedFormats) {
        if (entry.format == format)
            return &entry;
    }
    return nullptr;
}

const void* advanced(const void* pointer, int bytes)
{
    return static_cast<const char*>(pointer) + bytes;
}

}

std::int64_t ClientArray::elementBytes() const
{
    if (isPacked(type))
        return size == 4 || size == static_cast<int>(kBGRA) ? 4 : -1;
    const int components = size == static_cast<int>(kBGRA) ? 4 : size;
    const std::int64_t bytes = typeBytes(type);
    return components < 1 || components > 4 || bytes < 0 ? -1 : components * bytes;
}

std::int64_t ClientArray::strideBytes() const
{
    return stride != 0 ? stride : elementBytes();
}

bool ClientArray::isReadFromClient() const
{
    return enabled && !inBuffer && setter != nullptr;
}

ClientArrays::ClientArrays()
    : boundVertexArray_(0), clientActiveUnit_(0)
{
    vertexArrays_[0];
}

bool ClientArrays::setPointer(const char* setter, int size, GLenum type, int stride, const void* pointer,
                              bool inBuffer)
{
    const Setter* found = findSetter(setter);
    if (found == nullptr)
        return false;
    ClientArray& array = found->array == kTexCoords ? state().texCoords[clientActiveUnit_]
                                                     : state().fixed[found->array];
    array.shape = found->shape;
    array.index = found->array == kTexCoords ? clientActiveUnit_ : 0;
    point(array, setter, found->size != 0 ? found->size : size, found->type != 0 ? found->type : type, stride,
          pointer, inBuffer);
    return true;
}

bool ClientArrays::setAttributePointer(const char* setter, unsigned index, int size, GLenum type,
                                       bool normalized, int stride, const void* pointer, bool inBuffer)
{
    if (index >= kAttributes)
        return false;
    ClientArray& array = state().attributes[index];
    array.shape = ClientArray::ATTRIBUTE;
    array.index = index;
    array.normalized = normalized;
    point(array, setter, size, type, stride, pointer, inBuffer);
    return true;
}

// GL points each array of the format at its offset in the vertex and enables it, disables the arrays that
// the format lacks, and leaves the vertex array enabled.
bool ClientArrays::setInterleaved(GLenum format, int stride, const void* pointer, bool inBuffer)
{
    const Interleaved* layout = findInterleaved(format);
    if (layout == nullptr || stride < 0)
        return false;
    const int vertexStride = stride != 0 ? stride : layout->stride;
    for (Fixed unused : {EDGE_FLAG, INDEX, SECONDARY_COLOR, FOG_COORD})
        state().fixed[unused].enabled = false;
    enable(kTextureCoordArray, layout->texCoordSize != 0);
    if (layout->texCoordSize != 0)
        setPointer("glTexCoordPointer", layout->texCoordSize, kFloat, vertexStride, pointer, inBuffer);
    enable(kColorArray, layout->colorSize != 0);
    if (layout->colorSize != 0)
        setPointer("glColorPointer", layout->colorSize, layout->colorType, vertexStride,
                   advanced(pointer, layout->colorOffset), inBuffer);
    enable(kNormalArray, layout->normals);
    if (layout->normals)
        setPointer("glNormalPointer", 3, kFloat, vertexStride, advanced(pointer, layout->normalOffset), inBuffer);
    enable(kVertexArray, true);
    setPointer("glVertexPointer", layout->vertexSize, kFloat, vertexStride, advanced(pointer, layout->vertexOffset),
               inBuffer);
    return true;
}

void ClientArrays::enable(GLenum array, bool enabled)
{
    if (ClientArray* found = arrayOf(array))
        found->enabled = enabled;
}

void ClientArrays::enableAttribute(unsigned index, bool enabled)
{
    if (index < kAttributes)
        state().attributes[index].enabled = enabled;
}

void ClientArrays::setClientActiveTexture(GLenum texture)
{
    if (texture >= kTexture0 && texture < kTexture0 + kTextureUnits)
        clientActiveUnit_ = texture - kTexture0;
}

unsigned ClientArrays::clientActiveUnit() const
{
    return clientActiveUnit_;
}

void ClientArrays::pushClientAttrib(GLbitfield mask)
{
    const bool arrays = (mask & kClientVertexArrayBit) != 0;
    pushed_.push_back(arrays ? Pushed{true, state(), clientActiveUnit_} : Pushed{false, State(), 0});
}

void ClientArrays::popClientAttrib()
{
    if (pushed_.empty())
        return;
    if (pushed_.back().arrays) {
        state() = pushed_.back().state;
        clientActiveUnit_ = pushed_.back().clientActiveUnit;
    }
    pushed_.pop_back();
}

void ClientArrays::bindVertexArray(GLuint name)
{
    vertexArrays_[name];
    boundVertexArray_ = name;
}

template <class Visit>
void ClientArrays::forEachClientArray(Visit visit) const
{
    const auto visitGroup = [&visit](const auto& group) {
        for (const ClientArray& array : group) {
            if (array.isReadFromClient())
                visit(array);
        }
    };
    const State& current = state();
    visitGroup(current.fixed);
    visitGroup(current.texCoords);
    visitGroup(current.attributes);
}

std::vector<const ClientArray*> ClientArrays::clientArrays() const
{
    std::vector<const ClientArray*> arrays;
    forEachClientArray([&arrays](const ClientArray& array) { arrays.push_back(&array); });
    return arrays;
}

bool ClientArrays::hasClientArrays() const
{
    bool found = false;
    forEachClientArray([&found](const ClientArray&) { found = true; });
    return found;
}

ClientArray* ClientArrays::arrayOf(GLenum cap)
{
    switch (cap) {
    case kVertexArray:
        return &state().fixed[VERTEX];
    case kNormalArray:
        return &state().fixed[NORMAL];
    case kColorArray:
        return &state().fixed[COLOR];
    case kSecondaryColorArray:
        return &state().fixed[SECONDARY_COLOR];
    case kFogCoordArray:
        return &state().fixed[FOG_COORD];
    case kIndexArray:
        return &state().fixed[INDEX];
    case kEdgeFlagArray:
        return &state().fixed[EDGE_FLAG];
    case kTextureCoordArray:
        return &state().texCoords[clientActiveUnit_];
    default:
        return nullptr;
    }
}

void ClientArrays::point(ClientArray& array, const char* setter, int size, GLenum type, int stride,
                         const void* pointer, bool inBuffer)
{
    array.setter = setter;
    array.size = size;
    array.type = type;
    array.stride = stride;
    array.pointer = pointer;
    array.inBuffer = inBuffer;
}

ClientArrays::State& ClientArrays::state()
{
    return vertexArrays_[boundVertexArray_];
}

const ClientArrays::State& ClientArrays::state() const
{
    return vertexArrays_.find(boundVertexArray_)->second;
}

}}
