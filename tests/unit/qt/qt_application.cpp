// The front end's tests need one QApplication for the whole program; gtest_main makes none.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>
#include <memory>

namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        // Settings and data folders of the tests' own, never the player's.
        QStandardPaths::setTestModeEnabled(true);
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setOrganizationName(QStringLiteral("Tarnvik"));
        QApplication::setApplicationName(QStringLiteral("Tarnvik 2 tests"));
        // The game's own look, on which the edges and focus marks are drawn.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "tests_qt";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
