#pragma once

#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

// Owns the process-wide instances that shared() hands out: each is made on first use and all are
// destroyed, newest first, when the one SharedInstances object of the process goes. main() declares
// it right after the application object, so every service and platform piece dies while the event
// loop, the buses and the network stack still exist. Use from the main thread only.
class SharedInstances final {
public:
    SharedInstances();
    ~SharedInstances();
    SharedInstances(const SharedInstances&) = delete;
    SharedInstances& operator=(const SharedInstances&) = delete;

    // The instance of T, made by `make()` (returning std::unique_ptr<T>) the first time. What `make`
    // asks for itself is made first, so it is destroyed after T.
    template <typename T, typename Make> static T& get(Make make) {
        SharedInstances& self = current();
        if (void* found = self.find(typeid(T)))
            return *static_cast<T*>(found);
        std::unique_ptr<T> made = make();
        T* instance = made.get();
        self.add(typeid(T), std::shared_ptr<void>(std::move(made)));
        return *instance;
    }

private:
    struct Entry {
        std::type_index type;
        std::shared_ptr<void> instance;
    };

    static SharedInstances& current();
    void* find(std::type_index type) const;
    void add(std::type_index type, std::shared_ptr<void> instance);

    std::vector<Entry> m_entries;
};
