// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Lets several Qt Test classes share one test program: each file registers its class and
// the common main runs them all.
namespace testing {
using Factory = std::function<QObject*()>;
std::vector<Factory>& registry();
inline bool registerTest(Factory factory) {
    registry().push_back(std::move(factory));
    return true;
}
}  // namespace testing

#define FUNCURVE_TEST(Class) \
    static const bool registered_##Class = testing::registerTest([] { return new Class; });
