#include "core/LocationService.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(LocationService, AuthorizedExactlyForAlwaysAndWhenInUse) {
    const std::vector<std::pair<int, bool>> cases{{0, false}, {1, false}, {2, false}, {3, true}, {4, true}};
    for (const auto& [status, authorized] : cases) {
        FakeLocationAuthorization platform;
        platform.status = status;
        LocationService service(platform);
        EXPECT_EQ(service.authorizationStatus(), status);
        EXPECT_EQ(service.isAuthorized(), authorized) << "status " << status;
    }
}

TEST(LocationService, FollowsPlatformChangesAndForwardsRequests) {
    FakeLocationAuthorization platform;
    LocationService service(platform);
    std::vector<bool> published;
    QObject::connect(&service, &LocationService::isAuthorizedChanged, &service,
                     [&](bool value) { published.push_back(value); });

    service.requestWhenInUseAuthorization();
    EXPECT_EQ(platform.requests, 1);
    EXPECT_FALSE(service.isAuthorized());

    platform.status = location_status::authorizedWhenInUse;
    platform.changed();
    platform.changed();
    EXPECT_TRUE(service.isAuthorized());
    EXPECT_EQ(published, (std::vector<bool>{true, true}));

    platform.status = location_status::denied;
    platform.changed();
    EXPECT_FALSE(service.isAuthorized());
    EXPECT_EQ(service.authorizationStatus(), location_status::denied);
}

} // namespace
