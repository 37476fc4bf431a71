#include "app/PartRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> destroyed;

struct Store {
    ~Store() { destroyed.push_back("store"); }
};

// Depends on the store, so it must go first.
struct Service {
    explicit Service(Store& store) : store(store) {}
    ~Service() { destroyed.push_back("service"); }
    Store& store;
};

Store& store(PartRegistry& parts) {
    return parts.get<Store>([] { return std::make_unique<Store>(); });
}

Service& service(PartRegistry& parts) {
    return parts.get<Service>([&] { return std::make_unique<Service>(store(parts)); });
}

} // namespace

TEST(PartRegistry, OnePartPerTypeDestroyedBeforeWhatItUses) {
    destroyed.clear();
    {
        PartRegistry parts;
        Service& first = service(parts);
        EXPECT_EQ(&service(parts), &first);
        EXPECT_EQ(&first.store, &store(parts));
        EXPECT_TRUE(destroyed.empty());
    }
    EXPECT_EQ(destroyed, (std::vector<std::string>{"service", "store"}));

    // Another registry has parts of its own.
    destroyed.clear();
    {
        PartRegistry parts;
        store(parts);
    }
    EXPECT_EQ(destroyed, (std::vector<std::string>{"store"}));
}
