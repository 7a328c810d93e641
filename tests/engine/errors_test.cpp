// The global error report: an installed handler receives every message; without one the
// message goes to standard error as "Error: <message>".
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "engine/errors.h"

namespace {

TEST(ErrorReport, InstalledHandlerReceivesMessagesAndEmptyRestoresTheDefault) {
    std::vector<std::string> received;
    eng::setErrorHandler([&](const std::string& m) { received.push_back(m); });
    eng::reportError("Resource not found: foret9");
    EXPECT_EQ(received, (std::vector<std::string>{"Resource not found: foret9"}));

    eng::setErrorHandler(nullptr);
    ::testing::internal::CaptureStderr();
    eng::reportError("bad level");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Error: bad level"), std::string::npos);
    EXPECT_EQ(received.size(), 1u);
}

TEST(ErrorReport, HandlerMayReplaceItselfWhileRunning) {
    int calls = 0;
    eng::setErrorHandler([&](const std::string&) {
        ++calls;
        eng::setErrorHandler([&](const std::string&) { calls += 10; });
    });
    eng::reportError("first");
    eng::reportError("second");
    EXPECT_EQ(calls, 11);
    eng::setErrorHandler(nullptr);
}

}  // namespace
