#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "qel_ogl/extensionator/GLTypes.h"
#include "qel_ogl/extensionator/UnpackState.h"
#include "qel_ogl/qel_ogl_export.h"

namespace QEL { namespace OGL {

struct PointerReadRule;

// The GL state that decides what GL reads through a call's pointers: the pixel unpack state (with the
// pixel-unpack-buffer binding), and the bindings that make vertex-array and index pointers offsets.
struct QEL_OGL_API PointerReadState
{
    UnpackState unpack;
    bool arrayBufferBound = false;
    bool elementArrayBufferBound = false;
};

// One argument of a call as the rules see it: whole numbers (enumerants, counts, sizes) by value, pointers by
// address. Floating-point arguments never decide a size and are held as 0.
class QEL_OGL_API CallArgument
{
public:
    template <class T, std::enable_if_t<std::is_integral<T>::value || std::is_enum<T>::value, int> = 0>
    CallArgument(T value)
        : integer_(static_cast<std::int64_t>(value)), pointer_(nullptr)
    {
    }
    template <class T, std::enable_if_t<std::is_floating_point<T>::value, int> = 0>
    CallArgument(T)
        : integer_(0), pointer_(nullptr)
    {
    }
    template <class T>
    CallArgument(T* pointer)
        : integer_(0), pointer_(pointer)
    {
    }
    CallArgument(std::nullptr_t)
        : integer_(0), pointer_(nullptr)
    {
    }

    std::int64_t integer() const
    {
        return integer_;
    }
    const void* pointer() const
    {
        return pointer_;
    }

private:
    std::int64_t integer_;
    const void* pointer_;
};

// What GL does with one pointer argument of a call. Sizes beyond any real array stop at kSaturatedSize
// (SaturatedSize.h) instead of overflowing.
struct QEL_OGL_API PointerRead
{
    enum Kind
    {
        READ,      // GL reads `bytes` bytes from the pointer during the call (when it is not null); an array of
                   // `pointers` pointers is read too, each as PointerReads::readElement says
        WRITTEN,   // GL only writes through the pointer: `bytes` of it where known, -1 otherwise; `reason` says
                   // when, where GL writes after the call
        OFFSET,    // the pointer is an offset into the bound buffer: GL reads no client memory through it
        KEPT,      // GL keeps the pointer and reads through it at later calls: `reason` says which
        UNKNOWN,   // not known from the call's arguments and the state: `reason` says why
    };

    Kind kind;
    std::int64_t bytes;
    std::int64_t pointers;
    const char* reason;
};

// How many bytes GL reads through each pointer parameter of the cgm operations, from the generated table of
// rules and the call's arguments (one CallArgument per parameter of the operation, pointers included, in
// order) and GL state. Platform-free.
class QEL_OGL_API PointerReads
{
public:
    // The rule of an operation's pointer parameter, by their names; null where there is none.
    static const PointerReadRule* find(const char* operation, const char* parameter);
    static std::size_t ruleCount();
    static const PointerReadRule& rule(std::size_t index);

    // What GL does with the rule's pointer in a call with these arguments, under this state. Throws
    // InternalException unless there is one argument per parameter of the rule's operation.
    static PointerRead read(const PointerReadRule& rule, const CallArgument* arguments, std::size_t count,
                            const PointerReadState& state);
    static PointerRead read(const PointerReadRule& rule, std::initializer_list<CallArgument> arguments,
                            const PointerReadState& state);

    // For an array of pointers that GL reads (`pointers` of them): what GL does with the pointer at `element`.
    // The array itself must be readable, as the call gave it.
    static PointerRead readElement(const PointerReadRule& rule, std::int64_t element, const CallArgument* arguments,
                                   std::size_t count, const PointerReadState& state);
    static PointerRead readElement(const PointerReadRule& rule, std::int64_t element,
                                   std::initializer_list<CallArgument> arguments, const PointerReadState& state);
};

}}
