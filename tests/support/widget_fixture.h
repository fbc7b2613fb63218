#pragma once

#include <QApplication>
#include <memory>
#include <vector>

#include "tests/support/suite_application.h"
#include "ui/qt/window_view.h"

namespace testing_support {

// A game fixture whose windows can also be looked at on the real widgets, with the fonts the
// game uses.
template <class Fixture>
class WithWidgets : public WithSuiteApplication<QApplication, Fixture> {
protected:
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
    std::vector<std::unique_ptr<ui::qt::WindowView>> views_;
};

}  // namespace testing_support
