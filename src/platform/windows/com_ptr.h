#pragma once

#include <utility>

namespace platform::windowsbackend {

// Owns one reference to a COM interface: released exactly once, on every path out of a scope.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T *adopted) : m_pointer(adopted) {}
    ~ComPtr() { reset(); }
    ComPtr(ComPtr &&other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr &operator=(ComPtr &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;

    T *get() const { return m_pointer; }
    T *operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    // For a call that hands out a new reference: whatever was held is released first.
    T **put()
    {
        reset();
        return &m_pointer;
    }
    void **putVoid() { return reinterpret_cast<void **>(put()); }

    void reset()
    {
        if (T *old = std::exchange(m_pointer, nullptr))
            old->Release();
    }

private:
    T *m_pointer = nullptr;
};

} // namespace platform::windowsbackend
