#include "platform/SharedInstances.h"

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

Store& sharedStore() {
    return SharedInstances::get<Store>([] { return std::make_unique<Store>(); });
}

Service& sharedService() {
    return SharedInstances::get<Service>([] { return std::make_unique<Service>(sharedStore()); });
}

} // namespace

TEST(SharedInstances, OneInstancePerTypeDestroyedBeforeWhatItUses) {
    destroyed.clear();
    {
        SharedInstances scope;
        Service& first = sharedService();
        EXPECT_EQ(&sharedService(), &first);
        EXPECT_EQ(&first.store, &sharedStore());
        EXPECT_TRUE(destroyed.empty());
    }
    EXPECT_EQ(destroyed, (std::vector<std::string>{"service", "store"}));

    // A later scope starts afresh.
    destroyed.clear();
    {
        SharedInstances scope;
        sharedStore();
    }
    EXPECT_EQ(destroyed, (std::vector<std::string>{"store"}));
}

TEST(SharedInstancesDeathTest, UseWithoutAScopeStopsTheProgram) {
    EXPECT_DEATH(sharedStore(), "without a SharedInstances");
}
