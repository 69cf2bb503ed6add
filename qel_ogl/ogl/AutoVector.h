#pragma once

#include <cstddef>
#include <vector>

#include "qel_ogl/Checks.h"

namespace QEL { namespace OGL {

// A growable array of pointers that owns what they point to: clearing or destroying it deletes every
// element. It only grows; entries added by resize are null until set.
template <class T>
class AutoVector
{
public:
    AutoVector() = default;

    ~AutoVector()
    {
        clear();
    }

    // Two owners of the same elements would delete them twice.
    AutoVector(const AutoVector&) = delete;
    AutoVector& operator=(const AutoVector&) = delete;

    std::size_t size() const
    {
        return items_.size();
    }

    T* operator[](std::size_t index) const
    {
        return items_[index];
    }

    // Takes ownership of item and deletes the element it replaces.
    void set(std::size_t index, T* item)
    {
        delete items_[index];
        items_[index] = item;
    }

    void resize(std::size_t size)
    {
        if (size < items_.size())
            QEL_UNREACHABLE("Resize to smaller size is not supported!");
        items_.resize(size, nullptr);
    }

    void swap(AutoVector& other)
    {
        items_.swap(other.items_);
    }

    void clear()
    {
        for (T* item : items_)
            delete item;
        items_.clear();
    }

private:
    std::vector<T*> items_;
};

}}
