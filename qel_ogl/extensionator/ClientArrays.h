#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

// One vertex array as a program last pointed it: enough to point the same array at other memory.
struct QEL_OGL_API ClientArray
{
    // The arguments that the array's pointer call takes besides the pointer.
    enum Shape : unsigned char
    {
        SIZED,       // size, type, stride (vertices, colours, texture coordinates)
        TYPED,       // type, stride (normals, fog coordinates, colour indexes)
        STRIDED,     // stride (edge flags)
        ATTRIBUTE,   // index, size, type, normalized, stride
    };

    const char* setter = nullptr;   // the pointer call, "glVertexPointer"
    Shape shape = SIZED;
    unsigned index = 0;             // the texture unit of texture coordinates, the index of an attribute
    int size = 0;
    GLenum type = 0;
    bool normalized = false;
    int stride = 0;
    const void* pointer = nullptr;
    bool inBuffer = false;          // the pointer is an offset into the buffer bound when it was given
    bool enabled = false;

    // Bytes of one element; -1 for a type or size that GL does not take.
    std::int64_t elementBytes() const;
    // Bytes from one element to the next.
    std::int64_t strideBytes() const;
    // True when a draw reads the array from client memory.
    bool isReadFromClient() const;
};

// The vertex arrays of one context as its calls set them, so that a recorder can tell at each draw which
// arrays GL reads from client memory and how: the fixed-function arrays, texture coordinates per unit and
// generic attributes, per vertex array object, with the client attribute stack. Platform-free.
class QEL_OGL_API ClientArrays
{
public:
    static const unsigned kTextureUnits = 32;
    static const unsigned kAttributes = 32;

    ClientArrays();

    // glVertexPointer and its kin: the array that the setter's name stands for (texture coordinates: of the
    // client's active unit). Answers false for a setter that is not a vertex array's.
    bool setPointer(const char* setter, int size, GLenum type, int stride, const void* pointer, bool inBuffer);
    bool setAttributePointer(const char* setter, unsigned index, int size, GLenum type, bool normalized,
                             int stride, const void* pointer, bool inBuffer);
    // Points and enables the arrays of an interleaved format, as GL does; false for a format it does not take.
    bool setInterleaved(GLenum format, int stride, const void* pointer, bool inBuffer);

    void enable(GLenum array, bool enabled);
    void enableAttribute(unsigned index, bool enabled);
    void setClientActiveTexture(GLenum texture);
    unsigned clientActiveUnit() const;

    void pushClientAttrib(GLbitfield mask);
    void popClientAttrib();
    void bindVertexArray(GLuint name);

    // The enabled arrays that GL reads from client memory at a draw.
    std::vector<const ClientArray*> clientArrays() const;
    bool hasClientArrays() const;

private:
    enum Fixed : unsigned { VERTEX, NORMAL, COLOR, SECONDARY_COLOR, FOG_COORD, INDEX, EDGE_FLAG, kFixedArrays };

    struct State
    {
        ClientArray fixed[kFixedArrays];
        ClientArray texCoords[kTextureUnits];
        ClientArray attributes[kAttributes];
    };

    // Calls visit for each enabled array that GL reads from client memory at a draw.
    template <class Visit>
    void forEachClientArray(Visit visit) const;
    // The array that a cap of glEnableClientState names; null for another cap.
    ClientArray* arrayOf(GLenum cap);
    void point(ClientArray& array, const char* setter, int size, GLenum type, int stride, const void* pointer,
               bool inBuffer);
    State& state();
    const State& state() const;

    std::map<GLuint, State> vertexArrays_;
    GLuint boundVertexArray_;
    unsigned clientActiveUnit_;
    // What glPushClientAttrib saved: the arrays when its mask held the vertex-array bit, else nothing.
    struct Pushed
    {
        bool arrays;
        State state;
        unsigned clientActiveUnit;
    };
    std::vector<Pushed> pushed_;
};

}}
