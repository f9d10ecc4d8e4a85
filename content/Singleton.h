#pragma once

#include <memory>
#include <stdexcept>
#include <utility>

namespace NLib {

// The one home of a process-wide object: the archive, the registries, the managers of a running
// level, the scores and the profiles. `instance` creates the object on first use, `existing`
// never creates, `destroy` deletes it so that tests can build a fresh one, and `create` replaces
// it with one built from arguments.
//
//     class Effects final : public NLib::Singleton<Effects> { ... };
template <typename T> class Singleton {
public:
    static T* instance()
    {
        if (!slot())
            slot() = std::make_unique<T>();
        return slot().get();
    }

    static T* existing() { return slot().get(); }

    template <typename... Args> static T* create(Args&&... args)
    {
        slot().reset();
        slot() = std::make_unique<T>(std::forward<Args>(args)...);
        return slot().get();
    }

    static void destroy() { slot().reset(); }

protected:
    Singleton() = default;
    ~Singleton() = default;

private:
    static std::unique_ptr<T>& slot()
    {
        static std::unique_ptr<T> object;
        return object;
    }
};

} // namespace NLib
