#pragma once

#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

// Owns the parts a program is put together from: each is made on first use and all are destroyed,
// newest first, with the registry. What a part asks for while it is made is made first, so it is
// destroyed after the part that uses it. Use from the main thread only.
class PartRegistry final {
public:
    PartRegistry() = default;
    ~PartRegistry();
    PartRegistry(const PartRegistry&) = delete;
    PartRegistry& operator=(const PartRegistry&) = delete;

    // The part of type T, made by `make()` (returning std::unique_ptr<T>) the first time.
    template <typename T, typename Make> T& get(Make make) {
        if (void* found = find(typeid(T)))
            return *static_cast<T*>(found);
        std::unique_ptr<T> made = make();
        T* part = made.get();
        add(typeid(T), std::shared_ptr<void>(std::move(made)));
        return *part;
    }

private:
    struct Entry {
        std::type_index type;
        std::shared_ptr<void> part;
    };

    void* find(std::type_index type) const;
    void add(std::type_index type, std::shared_ptr<void> part);

    std::vector<Entry> m_entries;
};
