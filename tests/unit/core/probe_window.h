#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "ui/application.h"
#include "ui/scripted_services.h"
#include "ui/window.h"

namespace core_tests {

// A small window for the mechanism tests: a label, a button and a timer, and a shared log of
// what happened to it. Tests hang their own code on the life-cycle hooks.
class ProbeWindow : public ui::Window {
public:
    ProbeWindow(ui::Application& app, const QString& name, QStringList& log)
        : ui::Window(app, name, QStringLiteral("Probe ") + name, 200, 100), log_(log) {
        addLabel("Label1", "design", {0, 0, 100, 20});
        addButton("Command1", "Go", {0, 30, 100, 20});
        addTimer("Timer1", 100, false);
    }

    void load() override {
        log_.append(name() + ".load");
        if (onLoad) {
            onLoad();
        }
    }
    void queryUnload() override {
        log_.append(name() + ".queryUnload");
        if (onQueryUnload) {
            onQueryUnload();
        }
    }
    void unload() override {
        log_.append(name() + ".unload");
        if (onUnload) {
            onUnload();
        }
    }

    std::function<void()> onLoad;
    std::function<void()> onQueryUnload;
    std::function<void()> onUnload;

private:
    QStringList& log_;
};

// A bare application with probe windows "A" and "B" on scripted services.
class ProbeApp {
public:
    explicit ProbeApp(ui::Services& services) : app(services) {
        for (const QString& name : {QStringLiteral("A"), QStringLiteral("B")}) {
            app.registerWindow(
                name, [this, name] { return std::make_unique<ProbeWindow>(app, name, log); });
        }
    }

    ProbeWindow& show(const QString& name) {
        ProbeWindow* shown = nullptr;
        app.dispatch([&] { shown = &app.show<ProbeWindow>(name); });
        return *shown;
    }
    ProbeWindow* find(const QString& name) const {
        return static_cast<ProbeWindow*>(app.find(name));
    }

    QStringList log;
    ui::Application app;
};

}  // namespace core_tests
