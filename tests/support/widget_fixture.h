#pragma once

#include <QApplication>
#include <memory>
#include <vector>

#include "ui/qt/window_view.h"

namespace testing_support {

// A game fixture whose windows can also be looked at on the real widgets, with the fonts the
// game uses. The widgets need an application object; it goes with the suite, so that Qt's own
// caches go with it.
template <class Fixture>
class WithWidgets : public Fixture {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }
    void TearDown() override {
        views_.clear();
        Fixture::TearDown();
    }

    // Builds and shows the on-screen view of an open window; it goes at the end of the test.
    ui::qt::WindowView& view(const QString& windowName) {
        auto& v =
            views_.emplace_back(std::make_unique<ui::qt::WindowView>(this->window(windowName)));
        v->show();
        QApplication::processEvents();
        return *v;
    }

private:
    static inline QApplication* app_ = nullptr;
    std::vector<std::unique_ptr<ui::qt::WindowView>> views_;
};

}  // namespace testing_support
