#pragma once

#include <cassert>
#include <utility>

namespace runtime {

// The runtime's objects (the window and its controls) are shared by reference count. A new object
// starts with one reference, which its creator adopts. The count lives in the object, so a test can
// watch it return to its resting value after every handler.
class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    void addRef() const { ++refs_; }
    void release() const {
        assert(refs_ > 0);
        if (--refs_ == 0)
            delete this;
    }
    int refCount() const { return refs_; }

protected:
    virtual ~Object() = default;

private:
    mutable int refs_ = 1;
};

// A counted handle that is never null: it comes only from adopt() or share(), and a moved-from
// handle may only be destroyed or assigned to.
template <class T>
class Ref {
public:
    static Ref adopt(T& object) { return Ref(&object); }
    static Ref share(T& object) {
        object.addRef();
        return Ref(&object);
    }

    Ref(const Ref& other)
        : p_(other.p_) {
        p_->addRef();
    }
    Ref(Ref&& other) noexcept
        : p_(std::exchange(other.p_, nullptr)) {}
    // A handle to a derived object converts to a handle to its base.
    template <class U>
    Ref(Ref<U>&& other) noexcept
        : p_(other.leak()) {}
    Ref& operator=(Ref other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~Ref() {
        if (p_)
            p_->release();
    }

    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }

    // Hands the reference over to the caller, who must release it.
    T* leak() { return std::exchange(p_, nullptr); }

private:
    explicit Ref(T* p)
        : p_(p) {}
    T* p_;
};

} // namespace runtime
