#pragma once

#include <memory>
#include <stdexcept>
#include <utility>

namespace NLib {

// The one home of an object that is process-wide by nature: the archive, the read-only registries,
// the audio device and the profiles (what one game changes lives in its world). `instance` creates
// the object on first use, `existing` never creates, `destroy` deletes it so that tests can build
// a fresh one, and `create` replaces it with one built from arguments.
//
//     class Sounds final : public NLib::Singleton<Sounds> { ... };
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
