#include "qel_ogl/extensionator/PointerReads.h"

#include <algorithm>
#include <cstring>

#include "qel_ogl/Checks.h"
#include "qel_ogl/extensionator/PointerReadRule.h"
#include "qel_ogl/extensionator/SaturatedSize.h"

namespace QEL { namespace OGL {

namespace {

const char* const kNegative = "a negative count, size or stride, which GL refuses";
const char* const kUnlisted = "an enumerant that the rule's table does not list";
const char* const kPixelTransfer = "a pixel format or type that the pixel tables do not list";
const char* const kNullString = "a null string";
const char* const kNullCounts = "a null array of counts";
const char* const kOrder = "an evaluator order below 1, which GL refuses";

PointerRead bytesRead(std::int64_t bytes)
{
    return {PointerRead::READ, bytes, 0, nullptr};
}

PointerRead unknown(const char* reason)
{
    return {PointerRead::UNKNOWN, -1, 0, reason};
}

const PointerRead kOffset = {PointerRead::OFFSET, 0, 0, nullptr};

bool isOffset(PointerReadRule::Binding binding, const PointerReadState& state)
{
    switch (binding) {
    case PointerReadRule::PIXEL_UNPACK_BUFFER:
        return state.unpack.bufferBound;
    case PointerReadRule::ARRAY_BUFFER:
        return state.arrayBufferBound;
    case PointerReadRule::ELEMENT_ARRAY_BUFFER:
        return state.elementArrayBufferBound;
    default:
        return false;
    }
}

bool isProxy(const CallArgument& target)
{
    return EnumerantCounts::count(EnumerantCounts::PROXY_TARGET, static_cast<GLenum>(target.integer())) != 0;
}

// The operands of one rule in one call.
class Operands
{
public:
    Operands(const PointerReadRule& rule, const CallArgument* arguments)
        : rule_(rule), arguments_(arguments)
    {
    }

    bool has(int operand) const
    {
        return rule_.operands[operand] >= 0;
    }
    std::int64_t integer(int operand) const
    {
        return arguments_[rule_.operands[operand]].integer();
    }
    const void* pointer(int operand) const
    {
        return arguments_[rule_.operands[operand]].pointer();
    }
    // Operand `operand` if the rule has it, `otherwise` if not.
    std::int64_t integerOr(int operand, std::int64_t otherwise) const
    {
        return has(operand) ? integer(operand) : otherwise;
    }
    int count(int operand) const
    {
        return EnumerantCounts::count(rule_.table, static_cast<GLenum>(integer(operand)));
    }

    // The factor times every operand from `first` on; -1 when one is negative.
    std::int64_t productFrom(int first) const
    {
        std::int64_t result = rule_.factor;
        for (int operand = first; operand < kOperands && has(operand); ++operand) {
            if (integer(operand) < 0)
                return -1;
            result = saturatedProduct(result, integer(operand));
        }
        return result;
    }

    static const int kOperands = sizeof(PointerReadRule::operands);

private:
    const PointerReadRule& rule_;
    const CallArgument* arguments_;
};

PointerRead elementsRead(std::int64_t elements, std::int64_t elementBytes)
{
    return elements < 0 ? unknown(kNegative) : bytesRead(saturatedProduct(elements, elementBytes));
}

PointerRead tableRead(const PointerReadRule& rule, const Operands& operands)
{
    const int values = operands.count(0);
    if (values == 0)
        return unknown(kUnlisted);
    const std::int64_t rest = operands.productFrom(1);
    return elementsRead(rest < 0 ? -1 : saturatedProduct(values, rest), rule.elementBytes);
}

PointerRead stridedRead(const PointerReadRule& rule, const Operands& operands)
{
    const std::int64_t count = operands.integer(0);
    const std::int64_t stride = operands.integer(1);
    if (count < 0 || stride < 0)
        return unknown(kNegative);
    return bytesRead(count == 0 ? 0 : saturatedProduct(count - 1, stride) + rule.elementBytes);
}

// Control point i (and j) starts i x stride (+ j x stride) elements in; each has the target's values.
PointerRead mapRead(const PointerReadRule& rule, const Operands& operands)
{
    const int values = operands.count(0);
    if (values == 0)
        return unknown(kUnlisted);
    std::int64_t elements = values;
    for (int pair = 1; pair + 1 < Operands::kOperands && operands.has(pair); pair += 2) {
        const std::int64_t stride = operands.integer(pair);
        const std::int64_t order = operands.integer(pair + 1);
        if (order < 1)
            return unknown(kOrder);
        if (stride < 0)
            return unknown(kNegative);
        elements += saturatedProduct(order - 1, stride);
    }
    return bytesRead(saturatedProduct(elements, rule.elementBytes));
}

// Bits of one pixel group: a packed type holds the whole group, any other type one component. GL takes
// bitmaps of one-component (index) formats only; 0 for any other pair.
std::int64_t groupBits(GLenum format, GLenum type)
{
    const int components = EnumerantCounts::count(EnumerantCounts::PIXEL_FORMAT, format);
    const int packed = EnumerantCounts::count(EnumerantCounts::PACKED_PIXEL_TYPE, type);
    if (components == 0 || packed != 0)
        return components == 0 ? 0 : packed;
    const int componentBits = EnumerantCounts::count(EnumerantCounts::PIXEL_TYPE, type);
    return componentBits == 1 && components != 1 ? 0 : components * componentBits;
}

PointerRead imageRead(const Operands& operands, const UnpackState& unpack)
{
    const std::int64_t bits =
        groupBits(static_cast<GLenum>(operands.integer(0)), static_cast<GLenum>(operands.integer(1)));
    if (bits == 0)
        return unknown(kPixelTransfer);
    const std::int64_t width = operands.integer(2);
    const std::int64_t height = operands.integerOr(3, 1);
    const std::int64_t bytes = operands.has(4) ? unpack.volumeBytes(width, height, operands.integer(4), bits)
                                               : unpack.groupImageBytes(width, height, bits);
    return bytes < 0 ? unknown(kNegative) : bytesRead(bytes);
}

PointerRead bitmapRead(std::int64_t width, std::int64_t height, const UnpackState& unpack)
{
    const std::int64_t bytes = unpack.groupImageBytes(width, height, 1);
    return bytes < 0 ? unknown(kNegative) : bytesRead(bytes);
}

PointerRead stringRead(const void* text)
{
    if (text == nullptr)
        return unknown(kNullString);
    return bytesRead(static_cast<std::int64_t>(std::strlen(static_cast<const char*>(text))) + 1);
}

// A text of the given length, or one that ends at its NUL where the length is 0 or not given.
PointerRead textRead(const Operands& operands, const void* text)
{
    const std::int64_t length = operands.integerOr(0, 0);
    if (length < 0)
        return unknown(kNegative);
    return length > 0 ? bytesRead(length) : stringRead(text);
}

PointerRead pointersRead(const PointerReadRule& rule, const Operands& operands)
{
    const std::int64_t count = operands.integerOr(0, 1);
    if (count < 0)
        return unknown(kNegative);
    const std::int64_t pointers = saturatedProduct(rule.factor, count);
    return {PointerRead::READ, saturatedProduct(pointers, rule.elementBytes), pointers, nullptr};
}

// What the rule's size gives for the call: READ with the bytes, or UNKNOWN.
PointerRead sizeRead(const PointerReadRule& rule, const CallArgument* arguments, const PointerReadState& state)
{
    const Operands operands(rule, arguments);
    switch (rule.size) {
    case PointerReadRule::COUNT:
        return elementsRead(operands.productFrom(0), rule.elementBytes);
    case PointerReadRule::TABLE:
        return tableRead(rule, operands);
    case PointerReadRule::STRIDED:
        return stridedRead(rule, operands);
    case PointerReadRule::MAP:
        return mapRead(rule, operands);
    case PointerReadRule::IMAGE:
        return imageRead(operands, state.unpack);
    case PointerReadRule::BITMAP:
        return bitmapRead(operands.integer(0), operands.integer(1), state.unpack);
    case PointerReadRule::STIPPLE:
        return bitmapRead(32, 32, state.unpack);
    case PointerReadRule::STRING:
        return textRead(operands, arguments[rule.index].pointer());
    case PointerReadRule::POINTERS:
        return pointersRead(rule, operands);
    default:
        return unknown(rule.reason);
    }
}

PointerRead stringElementRead(const Operands& operands, const void* array, std::int64_t element)
{
    const GLint* lengths = operands.has(1) ? static_cast<const GLint*>(operands.pointer(1)) : nullptr;
    if (lengths != nullptr && lengths[element] >= 0)
        return bytesRead(lengths[element]);
    return stringRead(static_cast<const char* const*>(array)[element]);
}

PointerRead indexElementRead(const Operands& operands, std::int64_t element)
{
    const GLsizei* counts = static_cast<const GLsizei*>(operands.pointer(1));
    if (counts == nullptr)
        return unknown(kNullCounts);
    const int typeBytes = operands.count(2);
    if (typeBytes == 0)
        return unknown(kUnlisted);
    return elementsRead(counts[element], typeBytes);
}

}

const PointerReadRule* PointerReads::find(const char* operation, const char* parameter)
{
    const PointerReadRule* end = kPointerReadRules + kPointerReadRuleCount;
    const PointerReadRule* found = std::find_if(kPointerReadRules, end, [=](const PointerReadRule& rule) {
        return std::strcmp(rule.operation, operation) == 0 && std::strcmp(rule.parameter, parameter) == 0;
    });
    return found != end ? found : nullptr;
}

std::size_t PointerReads::ruleCount()
{
    return kPointerReadRuleCount;
}

const PointerReadRule& PointerReads::rule(std::size_t index)
{
    QEL_RANGE_CHECK(index < kPointerReadRuleCount);
    return kPointerReadRules[index];
}

PointerRead PointerReads::read(const PointerReadRule& rule, const CallArgument* arguments, std::size_t count,
                               const PointerReadState& state)
{
    QEL_ENFORCE(count == rule.parameterCount);
    switch (rule.access) {
    case PointerReadRule::READ:
        if (rule.element == PointerReadRule::NO_ELEMENTS && isOffset(rule.binding, state))
            return kOffset;
        if (rule.proxy >= 0 && isProxy(arguments[rule.proxy]))
            return bytesRead(0);
        return sizeRead(rule, arguments, state);
    case PointerReadRule::WRITTEN: {
        const PointerRead written = sizeRead(rule, arguments, state);
        return {PointerRead::WRITTEN, written.kind == PointerRead::READ ? written.bytes : -1, 0, rule.reason};
    }
    case PointerReadRule::KEPT:
        return isOffset(rule.binding, state) ? kOffset : PointerRead{PointerRead::KEPT, -1, 0, rule.reason};
    default:
        return unknown(rule.reason);
    }
}

PointerRead PointerReads::read(const PointerReadRule& rule, std::initializer_list<CallArgument> arguments,
                               const PointerReadState& state)
{
    return read(rule, arguments.begin(), arguments.size(), state);
}

PointerRead PointerReads::readElement(const PointerReadRule& rule, std::int64_t element,
                                      const CallArgument* arguments, std::size_t count,
                                      const PointerReadState& state)
{
    const PointerRead array = read(rule, arguments, count, state);
    QEL_ENFORCE(array.kind == PointerRead::READ && element >= 0 && element < array.pointers);
    const void* pointers = arguments[rule.index].pointer();
    QEL_ENFORCE(pointers != nullptr);
    const Operands operands(rule, arguments);
    switch (rule.element) {
    case PointerReadRule::STRING_ELEMENTS:
        return stringElementRead(operands, pointers, element);
    case PointerReadRule::INDEX_ELEMENTS:
        return isOffset(rule.binding, state) ? kOffset : indexElementRead(operands, element);
    default:
        return {PointerRead::KEPT, -1, 0, rule.reason};
    }
}

PointerRead PointerReads::readElement(const PointerReadRule& rule, std::int64_t element,
                                      std::initializer_list<CallArgument> arguments, const PointerReadState& state)
{
    return readElement(rule, element, arguments.begin(), arguments.size(), state);
}

}}
