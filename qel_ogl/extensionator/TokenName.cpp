#include "qel_ogl/extensionator/TokenName.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace {

struct TokenRow
{
    GLenum value;
    const char* name;
};

// Written by tools/glgen from the registry, GLEW's header and the overlay tables: which name a shared value
// answers is decided there.
constexpr TokenRow kTokenRows[] = {
#include "qel_ogl/extensionator/generated/TokenTable.inc"
};

// The binary search below needs strictly ascending values; checked when the table is compiled.
constexpr bool ascendingByValue()
{
    for (std::size_t i = 1; i < std::size(kTokenRows); ++i) {
        if (kTokenRows[i - 1].value >= kTokenRows[i].value) {
            return false;
        }
    }
    return true;
}
static_assert(ascendingByValue(), "the token rows must be strictly ascending by value");

// Nearly every row lies below 0x10000. Those values are looked up in a dense index made when the library is
// compiled: the value's upper bits choose a block of 16 slots, its lowest four bits the slot, and the slot holds
// the row's index plus one (0: no name). Blocks without a name share block 0, so the index stays small enough
// for the first-level cache. The few values above are found by binary search.
constexpr GLenum kDenseEnd = 0x10000;
constexpr unsigned kSlotBits = 4;
constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
constexpr std::size_t kBlockSelectors = kDenseEnd >> kSlotBits;

// Block 0 and one block for every 16 values that hold a name.
constexpr std::size_t blockCount()
{
    std::size_t blocks = 1;
    for (std::size_t i = 0; i < std::size(kTokenRows) && kTokenRows[i].value < kDenseEnd; ++i) {
        if (i == 0 || kTokenRows[i].value >> kSlotBits != kTokenRows[i - 1].value >> kSlotBits) {
            ++blocks;
        }
    }
    return blocks;
}
constexpr std::size_t kBlocks = blockCount();
static_assert(kBlocks <= 0x100, "a block number must fit in a byte");
static_assert(std::size(kTokenRows) < 0xFFFF, "a row index plus one must fit in 16 bits");

struct DenseIndex
{
    std::uint8_t block[kBlockSelectors];
    std::uint16_t slot[kBlocks][kSlots];
};

constexpr DenseIndex denseIndex()
{
    DenseIndex index{};
    std::size_t blocks = 1;
    for (std::size_t i = 0; i < std::size(kTokenRows) && kTokenRows[i].value < kDenseEnd; ++i) {
        const GLenum value = kTokenRows[i].value;
        std::uint8_t& block = index.block[value >> kSlotBits];
        if (block == 0) {
            block = static_cast<std::uint8_t>(blocks++);
        }
        index.slot[block][value & (kSlots - 1)] = static_cast<std::uint16_t>(i + 1);
    }
    return index;
}
constexpr DenseIndex kDenseIndex = denseIndex();

const char* const kUnknownToken = "Unknown Token";

const char* denseLookup(GLenum value)
{
    const std::uint16_t row = kDenseIndex.slot[kDenseIndex.block[value >> kSlotBits]][value & (kSlots - 1)];
    return row != 0 ? kTokenRows[row - 1].name : kUnknownToken;
}

bool valueBelow(const TokenRow& row, GLenum value)
{
    return row.value < value;
}

const char* searchLookup(GLenum value)
{
    const TokenRow* const end = std::end(kTokenRows);
    const TokenRow* const row = std::lower_bound(std::begin(kTokenRows), end, value, valueBelow);
    return row != end && row->value == value ? row->name : kUnknownToken;
}

}

extern "C" const char* TokenName(GLenum value)
{
    return value < kDenseEnd ? denseLookup(value) : searchLookup(value);
}

extern "C" const char* boolToString(bool value)
{
    return value ? "GL_TRUE" : "GL_FALSE";
}
