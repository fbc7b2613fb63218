#pragma once

#include <gtest/gtest.h>

namespace testing_support {

// An application object for a suite whose tests need one (pixmaps, widgets): it goes with the
// suite, so that Qt's own caches go with it.
template <class App, class Base = ::testing::Test>
class WithSuiteApplication : public Base {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        app_ = new App(argc, argv);
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }

private:
    static inline App* app_ = nullptr;
};

}  // namespace testing_support
